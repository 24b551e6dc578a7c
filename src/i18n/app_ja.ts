<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
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
            <source>New Account</source>
            <translation>新しい口座</translation>
        </message>
        <message>
            <source>The account could not be saved.</source>
            <translation>口座を保存できませんでした。</translation>
        </message>
        <message>
            <source>Orvalen Account</source>
            <translation>Orvalen アカウント</translation>
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
