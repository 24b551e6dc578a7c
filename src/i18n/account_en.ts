<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>OrvaAccount::AccountScreen</name>
        <message>
            <source>Orvalen Account</source>
            <translation>Orvalen Account</translation>
        </message>
    </context>
    <context>
        <name>OrvaAccount::ShareMembersDialog</name>
        <message>
            <source>People with access</source>
            <translation>People with access</translation>
        </message>
        <message>
            <source>Add people</source>
            <translation>Add people</translation>
        </message>
        <message>
            <source>Not shared with anyone yet.</source>
            <translation>Not shared with anyone yet.</translation>
        </message>
        <message>
            <source>Nobody else is in your group yet. Invite people to your group to share with them.</source>
            <translation>Nobody else is in your group yet. Invite people to your group to share with them.</translation>
        </message>
        <message>
            <source>All group members already have access</source>
            <translation>All group members already have access</translation>
        </message>
        <message>
            <source>Share</source>
            <translation>Share</translation>
        </message>
        <message>
            <source>Remove access</source>
            <translation>Remove access</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Remove access?</source>
            <translation>Remove access?</translation>
        </message>
        <message>
            <source>%1 will no longer have access. Continue?</source>
            <translation>%1 will no longer have access. Continue?</translation>
        </message>
        <message>
            <source>Could not share with %1.</source>
            <translation>Could not share with %1.</translation>
        </message>
        <message>
            <source>Could not remove %1.</source>
            <translation>Could not remove %1.</translation>
        </message>
    </context>
</TS>
