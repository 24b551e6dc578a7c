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
