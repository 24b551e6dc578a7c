<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
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
