<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
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
