<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
    <context>
        <name>RegisterColumnLayout</name>
        <message>
            <source>Show columns</source>
            <translation>表示する列</translation>
        </message>
        <message>
            <source>Reset register layout</source>
            <translation>記帳画面のレイアウトをリセット</translation>
        </message>
    </context>
    <context>
        <name>RegisterCommitNotice</name>
        <message>
            <source>Payee is required</source>
            <translation>支払先を入力してください</translation>
        </message>
        <message>
            <source>Enter a payment or deposit amount</source>
            <translation>支払額または入金額を入力してください</translation>
        </message>
        <message>
            <source>Amount not understood: %1</source>
            <translation>金額を読み取れません: %1</translation>
        </message>
        <message>
            <source>The transaction could not be saved. Please try again.</source>
            <translation>取引を保存できませんでした。もう一度お試しください。</translation>
        </message>
        <message>
            <source>Opening Balance</source>
            <translation>期首残高</translation>
        </message>
        <message>
            <source>This account's opening balance is held on the account itself.

Set it in the account's settings.</source>
            <translation>この口座の期首残高は口座自体に保存されています。

口座の設定で変更してください。</translation>
        </message>
        <message>
            <source>This transaction was deleted meanwhile, so nothing was saved.</source>
            <translation>この取引はその間に削除されたため、何も保存されませんでした。</translation>
        </message>
        <message>
            <source>Amount too large: %1. The largest amount is %2.</source>
            <translation>金額が大きすぎます: %1。入力できる最大の金額は %2 です。</translation>
        </message>
    </context>
    <context>
        <name>RegisterDelegate</name>
        <message>
            <source>Memo</source>
            <translation>メモ</translation>
        </message>
    </context>
    <context>
        <name>RegisterFigureLabels</name>
        <message>
            <source>Cleared</source>
            <translation>決済済み</translation>
        </message>
        <message>
            <source>Uncleared</source>
            <translation>未決済</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>残高</translation>
        </message>
    </context>
    <context>
        <name>RegisterFilterDialog</name>
        <message>
            <source>Filters</source>
            <translation>フィルター</translation>
        </message>
        <message>
            <source>All</source>
            <translation>すべて</translation>
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
            <source>Limit to a date range</source>
            <translation>期間で絞り込む</translation>
        </message>
        <message>
            <source>Status:</source>
            <translation>状態:</translation>
        </message>
        <message>
            <source>to</source>
            <translation>～</translation>
        </message>
        <message>
            <source>Dates:</source>
            <translation>日付:</translation>
        </message>
        <message>
            <source>Category:</source>
            <translation>カテゴリ:</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>完了</translation>
        </message>
        <message>
            <source>Clear All</source>
            <translation>すべてクリア</translation>
        </message>
        <message>
            <source>All Categories</source>
            <translation>すべてのカテゴリ</translation>
        </message>
    </context>
    <context>
        <name>RegisterHeaderBar</name>
        <message>
            <source>&amp;New Transaction</source>
            <translation>新しい取引(&amp;N)</translation>
        </message>
        <message>
            <source>Add a transaction using the full form</source>
            <translation>詳細フォームで取引を追加</translation>
        </message>
        <message>
            <source>&amp;Reconcile</source>
            <translation>照合(&amp;R)</translation>
        </message>
        <message>
            <source>Fi&amp;lter (%1)</source>
            <translation>フィルター(&amp;L) (%1)</translation>
        </message>
        <message>
            <source>Fi&amp;lter</source>
            <translation>フィルター(&amp;L)</translation>
        </message>
        <message>
            <source>Filters are applied. Click to change or clear them.</source>
            <translation>フィルターが適用されています。クリックして変更または解除します。</translation>
        </message>
        <message>
            <source>Filter which transactions are listed</source>
            <translation>表示する取引を絞り込む</translation>
        </message>
    </context>
    <context>
        <name>RegisterModel</name>
        <message>
            <source>Date</source>
            <translation>日付</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>支払先</translation>
        </message>
        <message>
            <source>Payee / Memo</source>
            <translation>支払先 / メモ</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>カテゴリ</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>メモ</translation>
        </message>
        <message>
            <source>Payment</source>
            <translation>支払</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>請求</translation>
        </message>
        <message>
            <source>Deposit</source>
            <translation>入金</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>残高</translation>
        </message>
        <message>
            <source>—Split—</source>
            <translation>—分割—</translation>
        </message>
        <message>
            <source>Chk #</source>
            <translation>番号</translation>
        </message>
        <message>
            <source>Clr</source>
            <translation>照合</translation>
        </message>
    </context>
    <context>
        <name>RegisterOpeningBanner</name>
        <message>
            <source>No, it is a credit</source>
            <translation>いいえ、貸方残高です</translation>
        </message>
        <message>
            <source>Yes, I owe this</source>
            <translation>はい、これは借りている金額です</translation>
        </message>
        <message>
            <source>This account's opening balance is recorded as a credit of %1. If you meant that you owe %1, Vellumry can correct it.</source>
            <translation>この口座の期首残高は %1 の貸方残高として記録されています。%1 を借りているという意味であれば、Vellumry で修正できます。</translation>
        </message>
    </context>
    <context>
        <name>RegisterRowCommands</name>
        <message>
            <source>Cannot memorize: source transaction has an invalid date</source>
            <translation>記憶できません: 元の取引の日付が無効です</translation>
        </message>
        <message>
            <source>Transaction memorized as recurring</source>
            <translation>取引を定期取引として記憶しました</translation>
        </message>
        <message>
            <source>&amp;Insert New</source>
            <translation>新規挿入(&amp;I)</translation>
        </message>
        <message>
            <source>&amp;New Transaction...</source>
            <translation>新しい取引(&amp;N)...</translation>
        </message>
        <message>
            <source>&amp;Edit in Dialog...</source>
            <translation>ダイアログで編集(&amp;E)...</translation>
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
            <source>&amp;Delete</source>
            <translation>削除(&amp;D)</translation>
        </message>
    </context>
    <context>
        <name>RegisterScreen</name>
        <message>
            <source>Saved. It isn't listed because of the current filter.</source>
            <translation>保存しました。現在のフィルターのため一覧には表示されません。</translation>
        </message>
        <message>
            <source>Fields cleared</source>
            <translation>入力欄をクリアしました</translation>
        </message>
    </context>
    <context>
        <name>RegisterStatusLine</name>
        <message>
            <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above</source>
            <translation>%1: 保存  |  Enter: 次へ  |  %2: 削除  |  %3: 定期登録  |  ': 上の行をコピー</translation>
        </message>
    </context>
    <context>
        <name>SplitEditorDialog</name>
        <message>
            <source>Split Transaction</source>
            <translation>取引の分割</translation>
        </message>
        <message>
            <source>Total: %1</source>
            <translation>合計: %1</translation>
        </message>
        <message>
            <source>Remaining: %1</source>
            <translation>残り: %1</translation>
        </message>
    </context>
    <context>
        <name>SplitLinesWidget</name>
        <message>
            <source>(none)</source>
            <translation>（なし）</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>カテゴリ</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>金額</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>メモ</translation>
        </message>
        <message>
            <source>+ Add Line</source>
            <translation>+ 行を追加</translation>
        </message>
        <message>
            <source>- Remove</source>
            <translation>- 削除</translation>
        </message>
    </context>
    <context>
        <name>TransactionActions</name>
        <message>
            <source>Transaction Not Saved</source>
            <translation>取引は保存されませんでした</translation>
        </message>
        <message>
            <source>The transaction could not be saved, and nothing was changed. Please try again.</source>
            <translation>取引を保存できませんでした。何も変更されていません。もう一度お試しください。</translation>
        </message>
        <message>
            <source>Transfer account not found</source>
            <translation>振替先の口座が見つかりません</translation>
        </message>
        <message>
            <source>Transfers require both accounts to use the same currency</source>
            <translation>振替には両方の口座で同じ通貨を使用する必要があります</translation>
        </message>
        <message>
            <source>A transfer can't be split across categories</source>
            <translation>振替を複数のカテゴリに分割することはできません</translation>
        </message>
        <message>
            <source>Transfer</source>
            <translation>振替</translation>
        </message>
        <message>
            <source>Opening Balance</source>
            <translation>期首残高</translation>
        </message>
        <message>
            <source>The opening balance can't be removed. Every account has one.

To clear it, set it to zero in the account's settings.</source>
            <translation>期首残高は削除できません。すべての口座に期首残高があります。

消去するには、口座の設定でゼロにしてください。</translation>
        </message>
        <message>
            <source>Delete "%1" for %2?</source>
            <translation>「%1」（%2）を削除しますか？</translation>
        </message>
        <message>
            <source>Delete transfer "%1" for %2?

Both sides of the transfer will be deleted.</source>
            <translation>振替「%1」（%2）を削除しますか？

振替の両側が削除されます。</translation>
        </message>
        <message>
            <source>Delete Transaction</source>
            <translation>取引の削除</translation>
        </message>
        <message>
            <source>Transaction Not Deleted</source>
            <translation>取引は削除されませんでした</translation>
        </message>
        <message>
            <source>The transaction could not be deleted, and nothing was changed. Please try again.</source>
            <translation>取引を削除できませんでした。何も変更されていません。もう一度お試しください。</translation>
        </message>
    </context>
    <context>
        <name>TransactionDetailsDialog</name>
        <message>
            <source>Transaction Details</source>
            <translation>取引の詳細</translation>
        </message>
        <message>
            <source>Reconciled</source>
            <translation>照合済み</translation>
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
            <source>Date:</source>
            <translation>日付:</translation>
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
            <source>—Split—</source>
            <translation>—分割—</translation>
        </message>
        <message>
            <source>Memo:</source>
            <translation>メモ:</translation>
        </message>
        <message>
            <source>Check #:</source>
            <translation>小切手番号:</translation>
        </message>
        <message>
            <source>Transfer to:</source>
            <translation>振替先:</translation>
        </message>
        <message>
            <source>Status:</source>
            <translation>状態:</translation>
        </message>
        <message>
            <source>Split lines</source>
            <translation>分割明細</translation>
        </message>
        <message>
            <source>(no split lines on record)</source>
            <translation>（分割明細の記録はありません）</translation>
        </message>
        <message>
            <source>(uncategorized)</source>
            <translation>（未分類）</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>合計</translation>
        </message>
        <message>
            <source>Entered: %1</source>
            <translation>入力日時: %1</translation>
        </message>
        <message>
            <source>Last modified: %1</source>
            <translation>最終更新: %1</translation>
        </message>
        <message>
            <source>Edit...</source>
            <translation>編集...</translation>
        </message>
        <message>
            <source>Duplicate...</source>
            <translation>複製...</translation>
        </message>
        <message>
            <source>Mark Uncleared</source>
            <translation>未決済にする</translation>
        </message>
        <message>
            <source>Mark Cleared</source>
            <translation>決済済みにする</translation>
        </message>
        <message>
            <source>Delete...</source>
            <translation>削除...</translation>
        </message>
    </context>
    <context>
        <name>TransactionFormDialog</name>
        <message>
            <source>Edit Transaction</source>
            <translation>取引の編集</translation>
        </message>
        <message>
            <source>New Transaction</source>
            <translation>新しい取引</translation>
        </message>
        <message>
            <source>This is the account's opening balance. Changing the amount or date shifts every balance after it.</source>
            <translation>これは口座の期首残高です。金額や日付を変更すると、それ以降のすべての残高が変わります。</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>請求</translation>
        </message>
        <message>
            <source>Payment</source>
            <translation>支払</translation>
        </message>
        <message>
            <source>Deposit</source>
            <translation>入金</translation>
        </message>
        <message>
            <source>Transfer</source>
            <translation>振替</translation>
        </message>
        <message>
            <source>Type:</source>
            <translation>種類:</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>日付:</translation>
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
            <source>No other account in this currency to transfer into</source>
            <translation>この通貨で振替できる他の口座がありません</translation>
        </message>
        <message>
            <source>Amount:</source>
            <translation>金額:</translation>
        </message>
        <message>
            <source>Split...</source>
            <translation>分割...</translation>
        </message>
        <message>
            <source>Split this transaction across multiple categories with their own amounts and memos.</source>
            <translation>この取引を、金額とメモを個別に持つ複数のカテゴリに分割します。</translation>
        </message>
        <message>
            <source>Use single category</source>
            <translation>単一カテゴリを使用</translation>
        </message>
        <message>
            <source>Drop the split and return to a single-category transaction.</source>
            <translation>分割を取り消して単一カテゴリの取引に戻します。</translation>
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
            <source>Check #:</source>
            <translation>小切手番号:</translation>
        </message>
        <message>
            <source>Cleared</source>
            <translation>決済済み</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>（なし）</translation>
        </message>
        <message>
            <source>%1 (deleted)</source>
            <translation>%1（削除済み）</translation>
        </message>
        <message>
            <source>(account no longer available)</source>
            <translation>（口座は利用できなくなりました）</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>口座:</translation>
        </message>
        <message>
            <source>—Split—</source>
            <translation>—分割—</translation>
        </message>
    </context>
    <context>
        <name>TypedInputCheck</name>
        <message>
            <source>Amount not understood: %1</source>
            <translation>金額を読み取れません: %1</translation>
        </message>
        <message>
            <source>Date not understood: %1</source>
            <translation>日付を読み取れません: %1</translation>
        </message>
    </context>
</TS>
