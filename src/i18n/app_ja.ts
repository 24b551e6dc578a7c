<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
    <context>
        <name>AccountActions</name>
        <message>
            <source>New Account</source>
            <translation>新規口座</translation>
        </message>
        <message>
            <source>The account could not be saved.</source>
            <translation>口座を保存できませんでした。</translation>
        </message>
        <message>
            <source>Change currency?</source>
            <translation>通貨を変更しますか？</translation>
        </message>
        <message numerus="yes">
            <source>This account has %n transfer(s) to accounts in another currency. Those transfers will no longer add up, and any recurring transfer between them will stop posting until you fix it. Existing entries are not converted.</source>
            <translation>
                <numerusform>この口座には別の通貨の口座への振替が %n 件あります。これらの振替は合わなくなり、それらの間の定期振替は修正するまで記帳されなくなります。既存の取引は換算されません。</numerusform>
            </translation>
        </message>
        <message>
            <source>Starting Balance</source>
            <translation>開始残高</translation>
        </message>
        <message>
            <source>Edit Account</source>
            <translation>口座の編集</translation>
        </message>
        <message>
            <source>Delete "%1"?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
            <translation>「%1」を削除しますか？

この口座のすべての取引、定期取引、照合履歴が削除されます。環境設定 → データと同期 から復元できます。</translation>
        </message>
        <message>
            <source>Delete Account</source>
            <translation>口座の削除</translation>
        </message>
        <message>
            <source>The account could not be deleted.</source>
            <translation>口座を削除できませんでした。</translation>
        </message>
        <message>
            <source>Sign In Required</source>
            <translation>サインインが必要です</translation>
        </message>
        <message>
            <source>Sharing requires a Orvalen account.</source>
            <translation>共有には Orvalen アカウントが必要です。</translation>
        </message>
        <message>
            <source>Learn More</source>
            <translation>詳細</translation>
        </message>
        <message>
            <source>Share Account</source>
            <translation>口座の共有</translation>
        </message>
        <message>
            <source>Sharing: %1</source>
            <translation>共有: %1</translation>
        </message>
        <message>
            <source>Share this account with members of your Orvalen family group. They'll see the same register, balances, and reconciliation history on their devices.</source>
            <translation>この口座を Orvalen ファミリーグループのメンバーと共有します。メンバーの端末にも同じ記録簿、残高、照合履歴が表示されます。</translation>
        </message>
        <message>
            <source>Shared with</source>
            <translation>共有先</translation>
        </message>
        <message>
            <source>Not shared with anyone yet.</source>
            <translation>まだ誰とも共有していません。</translation>
        </message>
        <message>
            <source>You are not in a family group yet. Create one or join one under File › Orvalen Account, then share this account with its members.</source>
            <translation>まだファミリーグループに参加していません。ファイル › Orvalen アカウント でグループを作成または参加してから、この口座をメンバーと共有してください。</translation>
        </message>
        <message>
            <source>Share</source>
            <translation>共有</translation>
        </message>
        <message>
            <source>Remove access</source>
            <translation>アクセスを削除</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>閉じる</translation>
        </message>
        <message>
            <source>Share Failed</source>
            <translation>共有に失敗しました</translation>
        </message>
        <message>
            <source>Remove Failed</source>
            <translation>削除に失敗しました</translation>
        </message>
        <message>
            <source>Remove Share</source>
            <translation>共有の解除</translation>
        </message>
        <message>
            <source>Remove %1's access to this account?</source>
            <translation>%1 のこの口座へのアクセスを削除しますか？</translation>
        </message>
        <message>
            <source>Change the opening balance?

Every balance in this account will shift.</source>
            <translation>期首残高を変更しますか？

この口座のすべての残高が変わります。</translation>
        </message>
    </context>
    <context>
        <name>AccountListPanel</name>
        <message>
            <source>Cleared</source>
            <translation>決済済み</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>今日</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>合計</translation>
        </message>
        <message>
            <source>No accounts</source>
            <translation>口座がありません</translation>
        </message>
    </context>
    <context>
        <name>Application</name>
        <message>
            <source>Database Error</source>
            <translation>データベースエラー</translation>
        </message>
        <message>
            <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
            <translation>データベースを初期化できませんでした。

データフォルダー: %1

ファイルのアクセス権を確認して、もう一度お試しください。</translation>
        </message>
    </context>
    <context>
        <name>CurrentAccount</name>
        <message>
            <source>Select an account first</source>
            <translation>先に口座を選択してください</translation>
        </message>
    </context>
    <context>
        <name>EmptyStatePage</name>
        <message>
            <source>Welcome to Orvalen Vellumry</source>
            <translation>Orvalen Vellumry へようこそ</translation>
        </message>
        <message>
            <source>Create your first account to get started.</source>
            <translation>最初の口座を作成して始めましょう。</translation>
        </message>
        <message>
            <source>Create Account</source>
            <translation>口座を作成</translation>
        </message>
        <message>
            <source>You can also import transactions from a CSV file via File › Import.</source>
            <translation>ファイル › インポート から CSV ファイルの取引を取り込むこともできます。</translation>
        </message>
    </context>
    <context>
        <name>HelpActions</name>
        <message>
            <source>&lt;h3&gt;Orvalen Vellumry&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital vellumry register for tracking household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU Lesser General Public License version 3. See &lt;a href="https://www.qt.io/"&gt;qt.io&lt;/a&gt; for Qt and &lt;a href="https://code.qt.io/"&gt;code.qt.io&lt;/a&gt; for its source code.&lt;/small&gt;&lt;/p&gt;</source>
            <translation>&lt;h3&gt;Orvalen Vellumry&lt;/h3&gt;&lt;p&gt;バージョン %1&lt;/p&gt;&lt;p&gt;家計を記録するデジタル vellumry 帳簿です。&lt;/p&gt;&lt;p&gt;&lt;small&gt;このアプリケーションは GNU Lesser General Public License バージョン 3 の下で Qt フレームワークを使用しています。Qt については &lt;a href="https://www.qt.io/"&gt;qt.io&lt;/a&gt;、そのソースコードについては &lt;a href="https://code.qt.io/"&gt;code.qt.io&lt;/a&gt; をご覧ください。&lt;/small&gt;&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;' (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
            <translation>&lt;h3&gt;帳簿&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;取引を保存&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新しい取引を挿入&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;現在の取引を削除&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;次 / 前のフィールド&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;' (アポストロフィ)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;上のフィールドの値をコピー&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;日付フィールド&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;今日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;翌日 / 前日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;月の初日 / 末日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;年の初日 / 末日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;週の初日 / 末日&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;全般&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新規取引&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新規口座&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座を照合&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;取引を検索&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;レポート&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;定期取引&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;カテゴリ&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;口座&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座 1&amp;ndash;9 に切り替え&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座 10 に切り替え&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
        </message>
        <message>
            <source>About Orvalen Vellumry</source>
            <translation>Orvalen Vellumry について</translation>
        </message>
        <message>
            <source>Orvalen Vellumry</source>
            <translation>Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Keyboard Shortcuts</source>
            <translation>キーボードショートカット</translation>
        </message>
        <message>
            <source>Sample Data</source>
            <translation>サンプルデータ</translation>
        </message>
        <message>
            <source>Sample data is already loaded.</source>
            <translation>サンプルデータは既に読み込まれています。</translation>
        </message>
        <message>
            <source>Sample data loaded</source>
            <translation>サンプルデータを読み込みました</translation>
        </message>
        <message>
            <source>No sample data to clear.</source>
            <translation>消去するサンプルデータはありません。</translation>
        </message>
        <message>
            <source>Sample data cleared</source>
            <translation>サンプルデータを消去しました</translation>
        </message>
        <message>
            <source>The sample data could not be cleared completely. Sample accounts that hold transactions of your own are kept; delete those transactions and clear again.</source>
            <translation>サンプルデータをすべて消去できませんでした。ご自身の取引を含むサンプル口座は残されます。それらの取引を削除してから、もう一度消去してください。</translation>
        </message>
    </context>
    <context>
        <name>MainMenus</name>
        <message>
            <source>&amp;File</source>
            <translation>ファイル(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>編集(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Account</source>
            <translation>口座(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>表示(&amp;V)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>ヘルプ(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;New Transaction</source>
            <translation>新規取引(&amp;N)</translation>
        </message>
        <message>
            <source>New &amp;Account</source>
            <translation>新規口座(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Import...</source>
            <translation>インポート(&amp;I)...</translation>
        </message>
        <message>
            <source>Orvalen &amp;Account...</source>
            <translation>Orvalen アカウント(&amp;A)...</translation>
        </message>
        <message>
            <source>Sign &amp;Out</source>
            <translation>サインアウト(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Quit</source>
            <translation>終了(&amp;Q)</translation>
        </message>
        <message>
            <source>&amp;Find...</source>
            <translation>検索(&amp;F)...</translation>
        </message>
        <message>
            <source>&amp;Preferences...</source>
            <translation>環境設定(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Edit...</source>
            <translation>編集(&amp;E)...</translation>
        </message>
        <message>
            <source>&amp;Reconcile...</source>
            <translation>照合(&amp;R)...</translation>
        </message>
        <message>
            <source>Reconciliation &amp;History...</source>
            <translation>照合履歴(&amp;H)...</translation>
        </message>
        <message>
            <source>Rename &amp;Payees...</source>
            <translation>支払先の名前変更(&amp;P)...</translation>
        </message>
        <message>
            <source>&amp;Share...</source>
            <translation>共有(&amp;S)...</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>削除(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Reports</source>
            <translation>レポート(&amp;R)</translation>
        </message>
        <message>
            <source>Re&amp;curring Transactions</source>
            <translation>定期取引(&amp;C)</translation>
        </message>
        <message>
            <source>C&amp;ategories</source>
            <translation>カテゴリ(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;About Orvalen Vellumry</source>
            <translation>Orvalen Vellumry について(&amp;A)</translation>
        </message>
        <message>
            <source>What's &amp;New...</source>
            <translation>新機能(&amp;N)...</translation>
        </message>
        <message>
            <source>Check for &amp;Updates...</source>
            <translation>アップデートを確認(&amp;U)...</translation>
        </message>
        <message>
            <source>Send &amp;Feedback...</source>
            <translation>フィードバックを送信(&amp;F)...</translation>
        </message>
        <message>
            <source>&amp;Keyboard Shortcuts</source>
            <translation>キーボードショートカット(&amp;K)</translation>
        </message>
        <message>
            <source>Load &amp;Sample Data</source>
            <translation>サンプルデータを読み込む(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Clear Sample Data</source>
            <translation>サンプルデータを消去(&amp;C)</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>Orvalen Vellumry</source>
            <translation>Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Sign in or sign up</source>
            <translation>サインインまたは新規登録</translation>
        </message>
        <message>
            <source>Signed in successfully</source>
            <translation>サインインしました</translation>
        </message>
        <message>
            <source>Sign-in failed: %1</source>
            <translation>サインインに失敗しました: %1</translation>
        </message>
        <message>
            <source>Sync complete</source>
            <translation>同期が完了しました</translation>
        </message>
        <message>
            <source>Sync failed: %1</source>
            <translation>同期に失敗しました: %1</translation>
        </message>
        <message>
            <source>Manage your account</source>
            <translation>アカウントを管理</translation>
        </message>
        <message>
            <source>Not signed in</source>
            <translation>サインインしていません</translation>
        </message>
        <message numerus="yes">
            <source>Auto-posted %n recurring transaction(s)</source>
            <translation>
                <numerusform>定期取引 %n 件を自動記帳しました</numerusform>
            </translation>
        </message>
        <message>
            <source>New Account...</source>
            <translation>新しい口座...</translation>
        </message>
        <message>
            <source>Edit "%1"...</source>
            <translation>「%1」を編集...</translation>
        </message>
        <message>
            <source>Share...</source>
            <translation>共有...</translation>
        </message>
        <message>
            <source>Delete "%1"</source>
            <translation>「%1」を削除</translation>
        </message>
        <message>
            <source>Reconcile...</source>
            <translation>照合...</translation>
        </message>
        <message>
            <source>Reconciliation History...</source>
            <translation>照合履歴...</translation>
        </message>
        <message>
            <source>Rename Payees...</source>
            <translation>支払先の名前変更...</translation>
        </message>
    </context>
    <context>
        <name>StatusBar</name>
        <message>
            <source>Offline</source>
            <translation>オフライン</translation>
        </message>
        <message numerus="yes">
            <source>%n account(s)</source>
            <translation>
                <numerusform>%n 件の口座</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>  •  %n recurring due</source>
            <translation>
                <numerusform>  •  期日の定期取引 %n 件</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>ToolWindows</name>
        <message>
            <source>Reports</source>
            <translation>レポート</translation>
        </message>
        <message>
            <source>Recurring Transactions</source>
            <translation>定期取引</translation>
        </message>
        <message>
            <source>Search Transactions</source>
            <translation>取引の検索</translation>
        </message>
        <message>
            <source>Categories</source>
            <translation>カテゴリ</translation>
        </message>
        <message>
            <source>Preferences</source>
            <translation>環境設定</translation>
        </message>
        <message>
            <source>Import Transactions</source>
            <translation>取引のインポート</translation>
        </message>
        <message>
            <source>Payee Management</source>
            <translation>支払先の管理</translation>
        </message>
        <message>
            <source>Reconcile — %1</source>
            <translation>照合 — %1</translation>
        </message>
        <message>
            <source>Reconciliation History</source>
            <translation>照合履歴</translation>
        </message>
        <message>
            <source>Orvalen Account</source>
            <translation>Orvalen アカウント</translation>
        </message>
    </context>
</TS>
