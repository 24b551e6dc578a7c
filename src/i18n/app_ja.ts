<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
    <context>
        <name>AccountActions</name>
        <message>
            <source>Select an account first</source>
            <translation>先に口座を選択してください</translation>
        </message>
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
        <name>MainWindow</name>
        <message>
            <source>Orvalen Vellumry</source>
            <translation>Orvalen Vellumry</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>ファイル(&amp;F)</translation>
        </message>
        <message>
            <source>Orvalen &amp;Account...</source>
            <translation>Orvalen アカウント(&amp;A)...</translation>
        </message>
        <message>
            <source>Sign in or sign up</source>
            <translation>サインインまたは新規登録</translation>
        </message>
        <message>
            <source>Sign &amp;Out</source>
            <translation>サインアウト(&amp;O)</translation>
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
            <source>Orvalen Account</source>
            <translation>Orvalen アカウント</translation>
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
</TS>
