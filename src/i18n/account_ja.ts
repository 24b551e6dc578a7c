<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
    <context>
        <name>OrvaAccount::AccountScreen</name>
        <message>
            <source>Orvalen Account</source>
            <translation>Orvalen アカウント</translation>
        </message>
    </context>
    <context>
        <name>OrvaAccount::ShareMembersDialog</name>
        <message>
            <source>People with access</source>
            <translation>アクセスできるユーザー</translation>
        </message>
        <message>
            <source>Add people</source>
            <translation>ユーザーを追加</translation>
        </message>
        <message>
            <source>Not shared with anyone yet.</source>
            <translation>まだ誰とも共有していません。</translation>
        </message>
        <message>
            <source>Nobody else is in your group yet. Invite people to your group to share with them.</source>
            <translation>グループにはまだ他のメンバーがいません。共有するには、グループにユーザーを招待してください。</translation>
        </message>
        <message>
            <source>All group members already have access</source>
            <translation>グループのメンバー全員がすでにアクセスできます</translation>
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
            <source>Remove access?</source>
            <translation>アクセスを削除しますか？</translation>
        </message>
        <message>
            <source>%1 will no longer have access. Continue?</source>
            <translation>%1 はアクセスできなくなります。続行しますか？</translation>
        </message>
        <message>
            <source>Could not share with %1.</source>
            <translation>%1 と共有できませんでした。</translation>
        </message>
        <message>
            <source>Could not remove %1.</source>
            <translation>%1 を削除できませんでした。</translation>
        </message>
    </context>
</TS>
