<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
    <context>
        <name>AccountFormDialog</name>
        <message>
            <source>New Account</source>
            <translation>新しい口座</translation>
        </message>
        <message>
            <source>Edit Account</source>
            <translation>口座の編集</translation>
        </message>
        <message>
            <source>This account already has an opening balance. Changing the amount or date shifts every balance after it.</source>
            <translation>この口座には既に期首残高があります。金額や日付を変更すると、それ以降のすべての残高が変わります。</translation>
        </message>
        <message>
            <source>Account name</source>
            <translation>口座名</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>名前(&amp;N):</translation>
        </message>
        <message>
            <source>Checking</source>
            <translation>当座預金</translation>
        </message>
        <message>
            <source>Savings</source>
            <translation>貯蓄</translation>
        </message>
        <message>
            <source>Credit Card</source>
            <translation>クレジットカード</translation>
        </message>
        <message>
            <source>Cash</source>
            <translation>現金</translation>
        </message>
        <message>
            <source>Investment</source>
            <translation>投資</translation>
        </message>
        <message>
            <source>Loan</source>
            <translation>ローン</translation>
        </message>
        <message>
            <source>Other</source>
            <translation>その他</translation>
        </message>
        <message>
            <source>&amp;Type:</source>
            <translation>種類(&amp;T):</translation>
        </message>
        <message>
            <source>&amp;Currency:</source>
            <translation>通貨(&amp;C):</translation>
        </message>
        <message>
            <source>Starting &amp;Balance:</source>
            <translation>開始残高(&amp;B):</translation>
        </message>
        <message>
            <source>Starting &amp;Balance (Amount Owed):</source>
            <translation>開始残高(&amp;B)（借入額）:</translation>
        </message>
        <message>
            <source>&amp;As of:</source>
            <translation>基準日(&amp;A):</translation>
        </message>
        <message>
            <source>Bank name (optional)</source>
            <translation>銀行名（任意）</translation>
        </message>
        <message>
            <source>&amp;Institution:</source>
            <translation>金融機関(&amp;I):</translation>
        </message>
        <message>
            <source>Last 4 digits (optional)</source>
            <translation>下4桁（任意）</translation>
        </message>
        <message>
            <source>Account &amp;Number:</source>
            <translation>口座番号(&amp;N):</translation>
        </message>
    </context>
    <context>
        <name>CategoriesScreen</name>
        <message>
            <source>Categories</source>
            <translation>カテゴリ</translation>
        </message>
        <message>
            <source>Search categories...</source>
            <translation>カテゴリを検索...</translation>
        </message>
        <message>
            <source>+ New Category</source>
            <translation>+ 新しいカテゴリ</translation>
        </message>
        <message>
            <source>&amp;New Category</source>
            <translation>新しいカテゴリ(&amp;N)</translation>
        </message>
        <message>
            <source>Add &amp;Subcategory</source>
            <translation>サブカテゴリを追加(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>編集(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>削除(&amp;D)</translation>
        </message>
        <message>
            <source>Delete Category</source>
            <translation>カテゴリの削除</translation>
        </message>
        <message>
            <source>Delete "%1"? Transactions using this category will become uncategorized.</source>
            <translation>「%1」を削除しますか? このカテゴリを使用している取引は未分類になります。</translation>
        </message>
    </context>
    <context>
        <name>CategoryFormDialog</name>
        <message>
            <source>New Category</source>
            <translation>新しいカテゴリ</translation>
        </message>
        <message>
            <source>New Subcategory</source>
            <translation>新しいサブカテゴリ</translation>
        </message>
        <message>
            <source>Edit Category</source>
            <translation>カテゴリの編集</translation>
        </message>
        <message>
            <source>&amp;Parent:</source>
            <translation>親カテゴリ(&amp;P):</translation>
        </message>
        <message>
            <source>Category name</source>
            <translation>カテゴリ名</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>名前(&amp;N):</translation>
        </message>
        <message>
            <source>Expense</source>
            <translation>支出</translation>
        </message>
        <message>
            <source>Income</source>
            <translation>収入</translation>
        </message>
        <message>
            <source>Transfer</source>
            <translation>振替</translation>
        </message>
        <message>
            <source>&amp;Type:</source>
            <translation>種類(&amp;T):</translation>
        </message>
        <message>
            <source>Tax-relevant</source>
            <translation>税務関連</translation>
        </message>
        <message>
            <source>Mark this category for inclusion in tax-time reports.</source>
            <translation>このカテゴリを税務レポートに含めます。</translation>
        </message>
        <message>
            <source>e.g. charitable_contributions, mortgage_interest</source>
            <translation>例: charitable_contributions, mortgage_interest</translation>
        </message>
        <message>
            <source>Tax &amp;Code:</source>
            <translation>税コード(&amp;C):</translation>
        </message>
    </context>
    <context>
        <name>CategoryTreeModel</name>
        <message>
            <source>Category</source>
            <translation>カテゴリ</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>種類</translation>
        </message>
        <message>
            <source>Tax Code</source>
            <translation>税コード</translation>
        </message>
    </context>
    <context>
        <name>ImportProgress</name>
        <message>
            <source>Importing...</source>
            <translation>インポート中...</translation>
        </message>
    </context>
    <context>
        <name>ImportScreen</name>
        <message>
            <source>(none)</source>
            <translation>(なし)</translation>
        </message>
        <message>
            <source>Import Transactions</source>
            <translation>取引のインポート</translation>
        </message>
        <message>
            <source>CSV</source>
            <translation>CSV</translation>
        </message>
        <message>
            <source>QIF</source>
            <translation>QIF</translation>
        </message>
        <message>
            <source>&amp;Format:</source>
            <translation>形式(&amp;F):</translation>
        </message>
        <message>
            <source>&amp;Account:</source>
            <translation>口座(&amp;A):</translation>
        </message>
        <message>
            <source>No file selected</source>
            <translation>ファイルが選択されていません</translation>
        </message>
        <message>
            <source>Browse...</source>
            <translation>参照...</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>ファイル:</translation>
        </message>
        <message>
            <source>Import</source>
            <translation>インポート</translation>
        </message>
        <message>
            <source>CSV Column Mapping:</source>
            <translation>CSV 列の割り当て:</translation>
        </message>
        <message>
            <source>Date column:</source>
            <translation>日付の列:</translation>
        </message>
        <message>
            <source>Payee column:</source>
            <translation>受取人の列:</translation>
        </message>
        <message>
            <source>Amount column:</source>
            <translation>金額の列:</translation>
        </message>
        <message>
            <source>Memo column:</source>
            <translation>メモの列:</translation>
        </message>
        <message>
            <source>Category column:</source>
            <translation>カテゴリの列:</translation>
        </message>
        <message>
            <source>Auto-detect</source>
            <translation>自動検出</translation>
        </message>
        <message>
            <source>Month D, YYYY (May 14, 2026)</source>
            <translation>月 D, YYYY (May 14, 2026)</translation>
        </message>
        <message>
            <source>Date format:</source>
            <translation>日付の形式:</translation>
        </message>
        <message>
            <source>First row is header</source>
            <translation>先頭行は見出し</translation>
        </message>
        <message>
            <source>QIF source accounts:</source>
            <translation>QIF の元の口座:</translation>
        </message>
        <message>
            <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
            <translation>Quicken の各口座のインポート先を選んでください。選択したファイル間で割り当てた口座どうしの振替は自動的に関連付けられます。</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>完了</translation>
        </message>
        <message>
            <source>Select QIF File(s)</source>
            <translation>QIF ファイルの選択</translation>
        </message>
        <message>
            <source>QIF Files (*.qif)</source>
            <translation>QIF ファイル (*.qif)</translation>
        </message>
        <message numerus="yes">
            <source>%n file(s) selected</source>
            <translation>
                <numerusform>%n 個のファイルを選択</numerusform>
            </translation>
        </message>
        <message>
            <source>Analyzing QIF file(s)...</source>
            <translation>QIF ファイルを解析中...</translation>
        </message>
        <message>
            <source>None of the chosen files could be read.</source>
            <translation>選択したファイルをどれも読み込めませんでした。</translation>
        </message>
        <message>
            <source>Select File</source>
            <translation>ファイルの選択</translation>
        </message>
        <message>
            <source>CSV Files (*.csv);;All Files (*)</source>
            <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
        </message>
        <message>
            <source>"%1" could not be read.</source>
            <translation>「%1」を読み込めませんでした。</translation>
        </message>
        <message>
            <source>"%1" holds no rows to import.</source>
            <translation>「%1」にはインポートする行がありません。</translation>
        </message>
        <message>
            <source>Col %1</source>
            <translation>列 %1</translation>
        </message>
        <message numerus="yes">
            <source>The first %n rows of the file are shown; it holds more.</source>
            <translation>
                <numerusform>ファイルの最初の %n 行を表示しています。続きがあります。</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>The file holds %n row(s).</source>
            <translation>
                <numerusform>ファイルには %n 行あります。</numerusform>
            </translation>
        </message>
        <message>
            <source>Col %1: %2</source>
            <translation>列 %1: %2</translation>
        </message>
        <message>
            <source>Column %1</source>
            <translation>列 %1</translation>
        </message>
        <message>
            <source>No target account</source>
            <translation>インポート先の口座がありません</translation>
        </message>
        <message>
            <source>Pick an account to import into, or create one now.</source>
            <translation>インポート先の口座を選ぶか、今すぐ作成してください。</translation>
        </message>
    </context>
    <context>
        <name>ImportSummary</name>
        <message>
            <source>Import failed.</source>
            <translation>インポートに失敗しました。</translation>
        </message>
        <message>
            <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
            <translation>データベースのエラーでインポートが中止され、すべての変更が取り消されました。取引は追加されていません。</translation>
        </message>
        <message>
            <source>Import complete!</source>
            <translation>インポートが完了しました。</translation>
        </message>
        <message numerus="yes">
            <source>%n transaction(s) imported</source>
            <translation>
                <numerusform>%n 件の取引をインポート</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n transfer(s) linked across accounts</source>
            <translation>
                <numerusform>%n 件の口座間振替を関連付け</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>  (including %n linked to previously imported row(s))</source>
            <translation>
                <numerusform>  (うち %n 件は以前にインポートした行と関連付け)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n duplicate(s) skipped</source>
            <translation>
                <numerusform>%n 件の重複をスキップ</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n record(s) skipped (unparseable)</source>
            <translation>
                <numerusform>%n 件のレコードをスキップ (読み取り不可)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n metadata record(s) skipped</source>
            <translation>
                <numerusform>%n 件のメタデータレコードをスキップ</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n record(s) skipped (unmapped source account)</source>
            <translation>
                <numerusform>%n 件のレコードをスキップ (元の口座が未割り当て)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n record(s) skipped (database error — see log)</source>
            <translation>
                <numerusform>%n 件のレコードをスキップ (データベースエラー — ログを参照)</numerusform>
            </translation>
        </message>
        <message>
            <source>A quote opened on line %1 is never closed: the rows after it could not be read.</source>
            <translation>%1 行目で開いた引用符が閉じられていません。それ以降の行は読み込めませんでした。</translation>
        </message>
        <message>
            <source>No transactions were added.</source>
            <translation>取引は追加されていません。</translation>
        </message>
        <message numerus="yes">
            <source>%n row(s) skipped (more than %1 fields or %2 characters in one row)</source>
            <translation>
                <numerusform>%n 行をスキップ (1 行に %1 フィールドまたは %2 文字を超える)</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>PayeeScreen</name>
        <message>
            <source>Payee Management</source>
            <translation>支払先の管理</translation>
        </message>
        <message>
            <source>Rename to:</source>
            <translation>新しい名前:</translation>
        </message>
        <message>
            <source>Rename Selected</source>
            <translation>選択項目の名前を変更</translation>
        </message>
        <message>
            <source>Merge Selected</source>
            <translation>選択項目を統合</translation>
        </message>
        <message>
            <source>"%1" is the payee of opening balances. Choose another name.</source>
            <translation>「%1」は期首残高の支払先です。別の名前を選んでください。</translation>
        </message>
        <message>
            <source>Rename</source>
            <translation>名前の変更</translation>
        </message>
        <message>
            <source>Rename Complete</source>
            <translation>名前の変更が完了しました</translation>
        </message>
        <message numerus="yes">
            <source>Renamed %n transaction(s).</source>
            <translation>
                <numerusform>%n 件の取引の名前を変更しました。</numerusform>
            </translation>
        </message>
        <message>
            <source>Merge</source>
            <translation>統合</translation>
        </message>
        <message>
            <source>Select 2 or more payees to merge.</source>
            <translation>統合する支払先を 2 つ以上選択してください。</translation>
        </message>
        <message>
            <source>Merge Payees</source>
            <translation>支払先の統合</translation>
        </message>
        <message>
            <source>Merge %1 payees into "%2"?</source>
            <translation>%1 件の支払先を「%2」に統合しますか?</translation>
        </message>
        <message>
            <source>Merge Complete</source>
            <translation>統合が完了しました</translation>
        </message>
        <message numerus="yes">
            <source>Merged %n transaction(s).</source>
            <translation>
                <numerusform>%n 件の取引を統合しました。</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>QifMappingRows</name>
        <message>
            <source>— Create new account "%1" —</source>
            <translation>— 新しい口座「%1」を作成 —</translation>
        </message>
        <message>
            <source>— Skip these transactions —</source>
            <translation>— これらの取引をスキップ —</translation>
        </message>
    </context>
    <context>
        <name>ReconciliationHistoryScreen</name>
        <message>
            <source>Reconciliation History</source>
            <translation>照合履歴</translation>
        </message>
        <message>
            <source>Reconciliation History — %1</source>
            <translation>照合履歴 — %1</translation>
        </message>
        <message>
            <source>Past reconciliations for this account.</source>
            <translation>この口座の過去の照合です。</translation>
        </message>
        <message>
            <source>Statement Date</source>
            <translation>明細書の日付</translation>
        </message>
        <message>
            <source>Statement Balance</source>
            <translation>明細書の残高</translation>
        </message>
        <message>
            <source>Reconciled Balance</source>
            <translation>照合済み残高</translation>
        </message>
        <message>
            <source>Completed</source>
            <translation>完了日時</translation>
        </message>
        <message>
            <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
            <translation>まだ照合はありません。記帳画面から口座を照合すると、ここに履歴が表示されます。</translation>
        </message>
    </context>
    <context>
        <name>ReconciliationScreen</name>
        <message>
            <source>Reconcile Account</source>
            <translation>口座の照合</translation>
        </message>
        <message>
            <source>Statement Date:</source>
            <translation>明細書の日付:</translation>
        </message>
        <message>
            <source>Statement Balance:</source>
            <translation>明細書の残高:</translation>
        </message>
        <message>
            <source>Statement Balance Owed:</source>
            <translation>明細書の請求残高:</translation>
        </message>
        <message>
            <source>Previous Balance</source>
            <translation>前回残高</translation>
        </message>
        <message>
            <source>Cleared Deposits</source>
            <translation>消込済みの入金</translation>
        </message>
        <message>
            <source>Cleared Withdrawals</source>
            <translation>消込済みの出金</translation>
        </message>
        <message>
            <source>Cleared Payments</source>
            <translation>消込済みの支払い</translation>
        </message>
        <message>
            <source>Cleared Charges</source>
            <translation>消込済みの利用額</translation>
        </message>
        <message>
            <source>Cleared Balance</source>
            <translation>消込済み残高</translation>
        </message>
        <message>
            <source>Statement Balance</source>
            <translation>明細書の残高</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>差額</translation>
        </message>
        <message>
            <source>Finish Reconciliation</source>
            <translation>照合を完了</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>キャンセル</translation>
        </message>
        <message>
            <source>Add Transaction</source>
            <translation>取引を追加</translation>
        </message>
        <message>
            <source>Add a transaction (%1)</source>
            <translation>取引を追加（%1）</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>編集</translation>
        </message>
        <message>
            <source>Edit selected transaction (F2)</source>
            <translation>選択した取引を編集（F2）</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>削除</translation>
        </message>
        <message>
            <source>Delete selected transaction (Del)</source>
            <translation>選択した取引を削除（Del）</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>日付</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>受取人</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>金額</translation>
        </message>
        <message>
            <source>Clr</source>
            <translation>消込</translation>
        </message>
        <message>
            <source>Reconciliation Not Saved</source>
            <translation>照合は保存されていません</translation>
        </message>
        <message>
            <source>The reconciliation could not be saved, and nothing was changed. Please try again.</source>
            <translation>照合を保存できませんでした。何も変更されていません。もう一度お試しください。</translation>
        </message>
        <message>
            <source>Reconciliation Complete</source>
            <translation>照合完了</translation>
        </message>
        <message>
            <source>Account reconciled successfully.</source>
            <translation>口座の照合が完了しました。</translation>
        </message>
    </context>
    <context>
        <name>RecurringFormDialog</name>
        <message>
            <source>New Recurring Transaction</source>
            <translation>新しい定期取引</translation>
        </message>
        <message>
            <source>Edit Recurring Transaction</source>
            <translation>定期取引の編集</translation>
        </message>
        <message>
            <source>Memorize Transaction</source>
            <translation>取引を記憶</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>口座:</translation>
        </message>
        <message>
            <source>Payment</source>
            <translation>支払い</translation>
        </message>
        <message>
            <source>Deposit</source>
            <translation>入金</translation>
        </message>
        <message>
            <source>Type:</source>
            <translation>種類:</translation>
        </message>
        <message>
            <source>Start typing to search payees...</source>
            <translation>入力して支払先を検索...</translation>
        </message>
        <message>
            <source>Payee:</source>
            <translation>支払先:</translation>
        </message>
        <message>
            <source>Amount:</source>
            <translation>金額:</translation>
        </message>
        <message>
            <source>Category:</source>
            <translation>カテゴリ:</translation>
        </message>
        <message>
            <source>Optional</source>
            <translation>任意</translation>
        </message>
        <message>
            <source>Memo:</source>
            <translation>メモ:</translation>
        </message>
        <message>
            <source>Daily</source>
            <translation>毎日</translation>
        </message>
        <message>
            <source>Weekly</source>
            <translation>毎週</translation>
        </message>
        <message>
            <source>Bi-weekly</source>
            <translation>隔週</translation>
        </message>
        <message>
            <source>Monthly</source>
            <translation>毎月</translation>
        </message>
        <message>
            <source>Semi-monthly</source>
            <translation>月2回</translation>
        </message>
        <message>
            <source>Quarterly</source>
            <translation>四半期ごと</translation>
        </message>
        <message>
            <source>Semi-annual</source>
            <translation>半年ごと</translation>
        </message>
        <message>
            <source>Annual</source>
            <translation>毎年</translation>
        </message>
        <message>
            <source>Frequency:</source>
            <translation>頻度:</translation>
        </message>
        <message>
            <source>Repeat every:</source>
            <translation>繰り返し間隔:</translation>
        </message>
        <message>
            <source>Last day</source>
            <translation>末日</translation>
        </message>
        <message>
            <source>First day:</source>
            <translation>1回目の日:</translation>
        </message>
        <message>
            <source>Second day:</source>
            <translation>2回目の日:</translation>
        </message>
        <message>
            <source>Start Date:</source>
            <translation>開始日:</translation>
        </message>
        <message>
            <source>Has end date</source>
            <translation>終了日あり</translation>
        </message>
        <message>
            <source>End Date:</source>
            <translation>終了日:</translation>
        </message>
        <message>
            <source>Auto-post when due</source>
            <translation>期日に自動記帳</translation>
        </message>
        <message>
            <source> days</source>
            <translation> 日</translation>
        </message>
        <message>
            <source>Enter in advance:</source>
            <translation>事前に記帳:</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>有効</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(なし)</translation>
        </message>
        <message>
            <source>day</source>
            <translation>日</translation>
        </message>
        <message>
            <source>days</source>
            <translation>日</translation>
        </message>
        <message>
            <source>week</source>
            <translation>週</translation>
        </message>
        <message>
            <source>weeks</source>
            <translation>週</translation>
        </message>
        <message>
            <source>month</source>
            <translation>か月</translation>
        </message>
        <message>
            <source>months</source>
            <translation>か月</translation>
        </message>
        <message>
            <source>quarter</source>
            <translation>四半期</translation>
        </message>
        <message>
            <source>quarters</source>
            <translation>四半期</translation>
        </message>
        <message>
            <source>year</source>
            <translation>年</translation>
        </message>
        <message>
            <source>years</source>
            <translation>年</translation>
        </message>
    </context>
    <context>
        <name>RecurringModel</name>
        <message>
            <source>Semi-monthly (%1 &amp; %2)</source>
            <translation>月2回（%1・%2）</translation>
        </message>
        <message>
            <source>Every %1 days</source>
            <translation>%1日ごと</translation>
        </message>
        <message>
            <source>Every %1 weeks</source>
            <translation>%1週間ごと</translation>
        </message>
        <message>
            <source>Every %1 months</source>
            <translation>%1か月ごと</translation>
        </message>
        <message>
            <source>Every %1 years</source>
            <translation>%1年ごと</translation>
        </message>
        <message>
            <source>%1 (×%2)</source>
            <translation>%1（×%2）</translation>
        </message>
        <message>
            <source>last day</source>
            <translation>末日</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>はい</translation>
        </message>
        <message>
            <source>No</source>
            <translation>いいえ</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>有効</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>無効</translation>
        </message>
        <message>
            <source>Account</source>
            <translation>口座</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>受取人</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>金額</translation>
        </message>
        <message>
            <source>Frequency</source>
            <translation>頻度</translation>
        </message>
        <message>
            <source>Next Due</source>
            <translation>次回期日</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>自動</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>状態</translation>
        </message>
    </context>
    <context>
        <name>RecurringScreen</name>
        <message>
            <source>Recurring Transactions</source>
            <translation>定期取引</translation>
        </message>
        <message>
            <source>Confirm All Due</source>
            <translation>期日到来分をすべて確定</translation>
        </message>
        <message>
            <source>Enter Next 7 Days</source>
            <translation>今後7日分を入力</translation>
        </message>
        <message>
            <source>New Recurring</source>
            <translation>新規定期取引</translation>
        </message>
        <message>
            <source>(%1 due)</source>
            <translation>（期日到来 %1 件）</translation>
        </message>
        <message>
            <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
            <translation>今後7日以内に期日が来る定期取引をすべて入力しますか？各取引の日付は期日になり、後から編集や削除ができます。</translation>
        </message>
        <message>
            <source>Enter "%1" now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
            <translation>「%1」を今すぐ %2 付けで入力しますか？取引の日付は期日になり、後から編集や削除ができます。</translation>
        </message>
        <message>
            <source>Enter Early</source>
            <translation>前倒しで入力</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>削除</translation>
        </message>
        <message>
            <source>Delete recurring "%1"?</source>
            <translation>定期取引「%1」を削除しますか？</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>編集(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Confirm</source>
            <translation>確定(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Skip</source>
            <translation>スキップ(&amp;S)</translation>
        </message>
        <message>
            <source>Enter &amp;Early...</source>
            <translation>前倒しで入力(&amp;E)...</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>削除(&amp;D)</translation>
        </message>
    </context>
    <context>
        <name>ReportsScreen</name>
        <message>
            <source>Reports</source>
            <translation>レポート</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>口座:</translation>
        </message>
        <message>
            <source>Period:</source>
            <translation>期間:</translation>
        </message>
        <message>
            <source>Export CSV</source>
            <translation>CSV をエクスポート</translation>
        </message>
        <message>
            <source>Category Spending</source>
            <translation>カテゴリ別支出</translation>
        </message>
        <message>
            <source>Payee Summary</source>
            <translation>支払先別集計</translation>
        </message>
        <message>
            <source>Tax Report</source>
            <translation>税務レポート</translation>
        </message>
        <message>
            <source>Income vs Expenses</source>
            <translation>収入と支出</translation>
        </message>
        <message>
            <source>Cash Flow</source>
            <translation>キャッシュフロー</translation>
        </message>
        <message>
            <source>Year-over-Year</source>
            <translation>前年比較</translation>
        </message>
        <message>
            <source>Account Summary</source>
            <translation>口座の概要</translation>
        </message>
        <message>
            <source>Transactions</source>
            <translation>取引</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>カテゴリ</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>合計</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>支払先</translation>
        </message>
        <message>
            <source>Count</source>
            <translation>件数</translation>
        </message>
        <message>
            <source>Tax Code</source>
            <translation>税コード</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>月</translation>
        </message>
        <message>
            <source>Income</source>
            <translation>収入</translation>
        </message>
        <message>
            <source>Expenses</source>
            <translation>支出</translation>
        </message>
        <message>
            <source>Net</source>
            <translation>差引</translation>
        </message>
        <message>
            <source>Inflows</source>
            <translation>入金</translation>
        </message>
        <message>
            <source>Outflows</source>
            <translation>出金</translation>
        </message>
        <message>
            <source>Period 1</source>
            <translation>期間 1</translation>
        </message>
        <message>
            <source>Period 2</source>
            <translation>期間 2</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>差額</translation>
        </message>
        <message>
            <source>Account</source>
            <translation>口座</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>種類</translation>
        </message>
        <message>
            <source>Cleared</source>
            <translation>決済済み</translation>
        </message>
        <message>
            <source>Uncleared</source>
            <translation>未決済</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>日付</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>メモ</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>金額</translation>
        </message>
        <message>
            <source>Compare:</source>
            <translation>比較:</translation>
        </message>
        <message>
            <source>This Year vs Last Year</source>
            <translation>今年と昨年</translation>
        </message>
        <message>
            <source>Last Year vs Year Before</source>
            <translation>昨年と一昨年</translation>
        </message>
        <message>
            <source>This Quarter vs Last Quarter</source>
            <translation>今四半期と前四半期</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>カスタム</translation>
        </message>
        <message>
            <source>P1:</source>
            <translation>期間1:</translation>
        </message>
        <message>
            <source>P2:</source>
            <translation>期間2:</translation>
        </message>
        <message>
            <source>P1: %1 – %2    P2: %3 – %4</source>
            <translation>期間1: %1 – %2    期間2: %3 – %4</translation>
        </message>
        <message>
            <source>All Accounts</source>
            <translation>すべての口座</translation>
        </message>
        <message>
            <source>These accounts are held in different currencies, so combined figures would not add up. Choose a single account to see the category, payee, tax, income and cash-flow reports.</source>
            <translation>これらの口座は異なる通貨で管理されているため、合算した数値は意味を持ちません。カテゴリ、支払先、税務、収入、キャッシュフローのレポートを見るには、口座を 1 つ選んでください。</translation>
        </message>
        <message>
            <source>The tax report covers every account, and they are held in different currencies, so its totals would not add up.</source>
            <translation>税務レポートはすべての口座を対象としており、口座の通貨が異なるため、その合計は意味を持ちません。</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>CSV ファイル (*.csv)</translation>
        </message>
        <message>
            <source>The report could not be written to %1: %2</source>
            <translation>レポートを %1 に書き込めませんでした: %2</translation>
        </message>
        <message>
            <source>This Month</source>
            <translation>今月</translation>
        </message>
        <message>
            <source>Last Month</source>
            <translation>先月</translation>
        </message>
        <message>
            <source>This Quarter</source>
            <translation>今四半期</translation>
        </message>
        <message>
            <source>Last Quarter</source>
            <translation>前四半期</translation>
        </message>
        <message>
            <source>This Year</source>
            <translation>今年</translation>
        </message>
        <message>
            <source>Last Year</source>
            <translation>昨年</translation>
        </message>
        <message>
            <source>Last 30 Days</source>
            <translation>過去 30 日間</translation>
        </message>
        <message>
            <source>Last 90 Days</source>
            <translation>過去 90 日間</translation>
        </message>
        <message>
            <source>Last 12 Months</source>
            <translation>過去 12 か月</translation>
        </message>
        <message>
            <source>All Time</source>
            <translation>全期間</translation>
        </message>
    </context>
    <context>
        <name>SearchScreen</name>
        <message>
            <source>Search payee, memo, check number...</source>
            <translation>支払先、メモ、小切手番号を検索...</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>口座:</translation>
        </message>
        <message>
            <source>All Accounts</source>
            <translation>すべての口座</translation>
        </message>
        <message>
            <source>Category:</source>
            <translation>カテゴリ:</translation>
        </message>
        <message>
            <source>All Categories</source>
            <translation>すべてのカテゴリ</translation>
        </message>
        <message>
            <source>Date range:</source>
            <translation>期間:</translation>
        </message>
        <message>
            <source>to</source>
            <translation>～</translation>
        </message>
        <message>
            <source>Cleared only</source>
            <translation>決済済みのみ</translation>
        </message>
        <message>
            <source>Show &amp;Details...</source>
            <translation>詳細を表示(&amp;D)...</translation>
        </message>
        <message>
            <source>Edit &amp;Splits...</source>
            <translation>分割を編集(&amp;S)...</translation>
        </message>
        <message>
            <source>&amp;Split Transaction...</source>
            <translation>取引を分割(&amp;S)...</translation>
        </message>
        <message>
            <source>&amp;Edit in Dialog...</source>
            <translation>ダイアログで編集(&amp;E)...</translation>
        </message>
        <message>
            <source>D&amp;uplicate...</source>
            <translation>複製(&amp;U)...</translation>
        </message>
        <message>
            <source>Mark &amp;Uncleared</source>
            <translation>未決済にする(&amp;U)</translation>
        </message>
        <message>
            <source>Mark &amp;Cleared</source>
            <translation>決済済みにする(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Delete...</source>
            <translation>削除(&amp;D)...</translation>
        </message>
    </context>
    <context>
        <name>SettingsDataSyncPage</name>
        <message>
            <source>Data &amp; Sync</source>
            <translation>データと同期</translation>
        </message>
        <message>
            <source>Sync</source>
            <translation>同期</translation>
        </message>
        <message>
            <source>Keep your vellumry in sync across all your devices.</source>
            <translation>すべてのデバイスで出納帳を同期します。</translation>
        </message>
        <message>
            <source>Backup &amp; Restore</source>
            <translation>バックアップと復元</translation>
        </message>
        <message>
            <source>Save or restore your data to a portable backup file.</source>
            <translation>データを持ち運べるバックアップファイルに保存、または復元します。</translation>
        </message>
        <message>
            <source>Sync Now</source>
            <translation>今すぐ同期</translation>
        </message>
        <message>
            <source>Force Full Sync</source>
            <translation>完全同期を実行</translation>
        </message>
        <message>
            <source>Export Backup</source>
            <translation>バックアップを書き出す</translation>
        </message>
        <message>
            <source>Import Backup</source>
            <translation>バックアップを読み込む</translation>
        </message>
        <message>
            <source>Deleted Accounts</source>
            <translation>削除した口座</translation>
        </message>
        <message>
            <source>Accounts you've deleted can be restored here.</source>
            <translation>削除した口座はここで復元できます。</translation>
        </message>
        <message>
            <source>Restore Selected</source>
            <translation>選択した口座を復元</translation>
        </message>
        <message>
            <source>Not signed in.
Sign in via File › Orvalen Account to enable sync.</source>
            <translation>サインインしていません。
同期を有効にするには、ファイル › Orvalen アカウントからサインインしてください。</translation>
        </message>
        <message>
            <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style="color:%2"&gt;%3&lt;/span&gt;</source>
            <translation>&lt;b&gt;サインイン中:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;状態:&lt;/b&gt; &lt;span style="color:%2"&gt;%3&lt;/span&gt;</translation>
        </message>
        <message>
            <source>Never synced</source>
            <translation>未同期</translation>
        </message>
        <message>
            <source>Last synced: %1</source>
            <translation>最終同期: %1</translation>
        </message>
        <message>
            <source>
Error: %1</source>
            <translation>
エラー: %1</translation>
        </message>
        <message>
            <source>Syncing...</source>
            <translation>同期中...</translation>
        </message>
        <message>
            <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
            <translation>すべてのローカルデータをサーバーに再送信し、サーバーのデータをすべて再取得します。デバイス間でデータが一致しないときに使ってください。

続行しますか？</translation>
        </message>
        <message>
            <source>ZIP Files (*.zip)</source>
            <translation>ZIP ファイル (*.zip)</translation>
        </message>
        <message>
            <source>Exporting...</source>
            <translation>書き出し中...</translation>
        </message>
        <message>
            <source>Backup Failed</source>
            <translation>バックアップに失敗しました</translation>
        </message>
        <message>
            <source>The backup could not be made from the ledger.</source>
            <translation>出納帳からバックアップを作成できませんでした。</translation>
        </message>
        <message>
            <source>Backup Complete</source>
            <translation>バックアップが完了しました</translation>
        </message>
        <message>
            <source>Backup saved to:
%1</source>
            <translation>バックアップの保存先:
%1</translation>
        </message>
        <message>
            <source>Could not write to:
%1</source>
            <translation>書き込めませんでした:
%1</translation>
        </message>
        <message>
            <source>Keep newer (compare timestamps)</source>
            <translation>新しい方を残す（タイムスタンプを比較）</translation>
        </message>
        <message>
            <source>Skip existing items</source>
            <translation>既存の項目をスキップ</translation>
        </message>
        <message>
            <source>Import Mode</source>
            <translation>読み込み方法</translation>
        </message>
        <message>
            <source>How should existing data be handled?</source>
            <translation>既存のデータをどう扱いますか？</translation>
        </message>
        <message>
            <source>Replace all with backup data</source>
            <translation>すべてをバックアップのデータで置き換える</translation>
        </message>
        <message>
            <source>Import Failed</source>
            <translation>読み込みに失敗しました</translation>
        </message>
        <message>
            <source>Could not read file.</source>
            <translation>ファイルを読み込めませんでした。</translation>
        </message>
        <message>
            <source>Importing...</source>
            <translation>読み込み中...</translation>
        </message>
        <message>
            <source>Imported %1 items, skipped %2.</source>
            <translation>%1 件を読み込み、%2 件をスキップしました。</translation>
        </message>
        <message numerus="yes">
            <source>

%n error(s) occurred.</source>
            <translation>
                <numerusform>

%n 件のエラーが発生しました。</numerusform>
            </translation>
        </message>
        <message>
            <source>Import Complete</source>
            <translation>読み込みが完了しました</translation>
        </message>
    </context>
    <context>
        <name>SettingsScreen</name>
        <message>
            <source>General</source>
            <translation>一般</translation>
        </message>
        <message>
            <source>Register</source>
            <translation>記帳</translation>
        </message>
        <message>
            <source>Data &amp; Sync</source>
            <translation>データと同期</translation>
        </message>
        <message>
            <source>About</source>
            <translation>アプリについて</translation>
        </message>
        <message>
            <source>Appearance</source>
            <translation>外観</translation>
        </message>
        <message>
            <source>Control how Orvalen Vellumry looks.</source>
            <translation>Orvalen Vellumry の見た目を設定します。</translation>
        </message>
        <message>
            <source>System Default</source>
            <translation>システムの既定</translation>
        </message>
        <message>
            <source>Light</source>
            <translation>ライト</translation>
        </message>
        <message>
            <source>Dark</source>
            <translation>ダーク</translation>
        </message>
        <message>
            <source>Theme</source>
            <translation>テーマ</translation>
        </message>
        <message>
            <source>Choose accent color</source>
            <translation>アクセントカラーを選択</translation>
        </message>
        <message>
            <source>Accent color</source>
            <translation>アクセントカラー</translation>
        </message>
        <message>
            <source>Small</source>
            <translation>小</translation>
        </message>
        <message>
            <source>Default</source>
            <translation>標準</translation>
        </message>
        <message>
            <source>Medium</source>
            <translation>中</translation>
        </message>
        <message>
            <source>Large</source>
            <translation>大</translation>
        </message>
        <message>
            <source>Extra Large</source>
            <translation>特大</translation>
        </message>
        <message>
            <source>Font size</source>
            <translation>文字サイズ</translation>
        </message>
        <message>
            <source>Regional</source>
            <translation>地域</translation>
        </message>
        <message>
            <source>Date and calendar preferences.</source>
            <translation>日付とカレンダーの設定です。</translation>
        </message>
        <message>
            <source>Sunday</source>
            <translation>日曜日</translation>
        </message>
        <message>
            <source>Monday</source>
            <translation>月曜日</translation>
        </message>
        <message>
            <source>Saturday</source>
            <translation>土曜日</translation>
        </message>
        <message>
            <source>Week starts on</source>
            <translation>週の始まり</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>言語</translation>
        </message>
        <message>
            <source>Display</source>
            <translation>表示</translation>
        </message>
        <message>
            <source>How transactions appear in the register.</source>
            <translation>記帳での取引の表示方法です。</translation>
        </message>
        <message>
            <source>Two-line rows</source>
            <translation>2 行表示</translation>
        </message>
        <message>
            <source>Show memo on a second line below the payee.</source>
            <translation>メモを支払先の下の 2 行目に表示します。</translation>
        </message>
        <message>
            <source>Auto-decimal point</source>
            <translation>小数点の自動入力</translation>
        </message>
        <message>
            <source>Type 1234 to enter 12.34. The last two digits are always cents.</source>
            <translation>1234 と入力すると 12.34 になります。末尾の 2 桁は常にセントです。</translation>
        </message>
        <message>
            <source>Highlight overdrawn rows</source>
            <translation>残高不足の行を強調表示</translation>
        </message>
        <message>
            <source>Shades the whole row when the running balance is below zero. The balance itself is always shown in red, so you can turn this off and still spot it. Credit cards and loans are never shaded.</source>
            <translation>累計残高がゼロを下回ると行全体に色を付けます。残高自体は常に赤で表示されるため、この設定をオフにしても見分けられます。クレジットカードとローンには色を付けません。</translation>
        </message>
        <message>
            <source>Current balance</source>
            <translation>現在の残高</translation>
        </message>
        <message>
            <source>Cleared balance</source>
            <translation>決済済み残高</translation>
        </message>
        <message>
            <source>Balance as of today</source>
            <translation>本日時点の残高</translation>
        </message>
        <message>
            <source>Account list shows</source>
            <translation>口座一覧の表示</translation>
        </message>
        <message>
            <source>Cleared counts only transactions you have marked cleared. Balance as of today leaves out anything dated later, such as scheduled bills.</source>
            <translation>決済済みは、決済済みとしてマークした取引だけを数えます。本日時点は、予定された請求など、それより後の日付のものを除きます。</translation>
        </message>
        <message>
            <source>Sorting</source>
            <translation>並べ替え</translation>
        </message>
        <message>
            <source>Control the order of transactions in the register.</source>
            <translation>記帳での取引の並び順を設定します。</translation>
        </message>
        <message>
            <source>Show newest transactions first</source>
            <translation>新しい取引を先に表示</translation>
        </message>
        <message>
            <source>When enabled, the most recent transactions appear at the top.</source>
            <translation>オンにすると、最新の取引が上に表示されます。</translation>
        </message>
        <message>
            <source>Orvalen Vellumry</source>
            <translation>Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Version %1</source>
            <translation>バージョン %1</translation>
        </message>
        <message>
            <source>A digital vellumry register for tracking household finances.</source>
            <translation>家計を管理するためのデジタル出納帳。</translation>
        </message>
        <message>
            <source>Links</source>
            <translation>リンク</translation>
        </message>
        <message>
            <source>Orvalen Vellumry for iPhone and Android</source>
            <translation>iPhone・Android 版 Orvalen Vellumry</translation>
        </message>
        <message>
            <source>© Orvalen Works. All rights reserved.</source>
            <translation>© Orvalen Works. All rights reserved.</translation>
        </message>
        <message>
            <source>This application uses the Qt framework under the LGPL v3 license.</source>
            <translation>このアプリケーションは LGPL v3 ライセンスの Qt フレームワークを使用しています。</translation>
        </message>
        <message>
            <source>Language Changed</source>
            <translation>言語を変更しました</translation>
        </message>
        <message>
            <source>The new language will take effect the next time you start Orvalen Vellumry.</source>
            <translation>新しい言語は、次回 Orvalen Vellumry を起動したときに適用されます。</translation>
        </message>
    </context>
    <context>
        <name>WelcomeScreen</name>
        <message>
            <source>Welcome to
Orvalen Vellumry</source>
            <translation>Orvalen Vellumry へ
ようこそ</translation>
        </message>
        <message>
            <source>A digital vellumry register.</source>
            <translation>デジタルの出納帳。</translation>
        </message>
        <message>
            <source>Your session has ended. Sign back in to keep syncing.</source>
            <translation>セッションが終了しました。同期を続けるには再度サインインしてください。</translation>
        </message>
        <message>
            <source>Works fully offline. Your data stays on this device.</source>
            <translation>完全にオフラインで動作します。データはこのデバイスに保存されます。</translation>
        </message>
        <message>
            <source>Create Your First Account</source>
            <translation>最初の口座を作成</translation>
        </message>
        <message>
            <source>Already have an account? Sign In</source>
            <translation>アカウントをお持ちですか？サインイン</translation>
        </message>
        <message>
            <source>How it works</source>
            <translation>使い方</translation>
        </message>
        <message>
            <source>Add an account (checking, savings, credit card, or any account you'd like to track).</source>
            <translation>口座を追加します（当座預金、普通預金、クレジットカードなど、管理したい任意の口座）。</translation>
        </message>
        <message>
            <source>Record transactions as you spend.</source>
            <translation>支出のたびに取引を記録します。</translation>
        </message>
        <message>
            <source>Reconcile when your statement arrives.</source>
            <translation>明細書が届いたら照合します。</translation>
        </message>
        <message>
            <source>Welcome back</source>
            <translation>おかえりなさい</translation>
        </message>
        <message>
            <source>Sign in to keep your data synced across devices.</source>
            <translation>サインインしてデバイス間でデータを同期しましょう。</translation>
        </message>
        <message>
            <source>Sign In</source>
            <translation>サインイン</translation>
        </message>
        <message>
            <source>Create a different account</source>
            <translation>別の口座を作成</translation>
        </message>
    </context>
</TS>
