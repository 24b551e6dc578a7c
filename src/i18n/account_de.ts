<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
    <context>
        <name>OrvaAccount::AccountScreen</name>
        <message>
            <source>Orvalen Account</source>
            <translation>Orvalen-Konto</translation>
        </message>
    </context>
    <context>
        <name>OrvaAccount::ShareMembersDialog</name>
        <message>
            <source>People with access</source>
            <translation>Personen mit Zugriff</translation>
        </message>
        <message>
            <source>Add people</source>
            <translation>Personen hinzufügen</translation>
        </message>
        <message>
            <source>Not shared with anyone yet.</source>
            <translation>Noch mit niemandem geteilt.</translation>
        </message>
        <message>
            <source>Nobody else is in your group yet. Invite people to your group to share with them.</source>
            <translation>Außer Ihnen ist noch niemand in Ihrer Gruppe. Laden Sie Personen in Ihre Gruppe ein, um mit ihnen zu teilen.</translation>
        </message>
        <message>
            <source>All group members already have access</source>
            <translation>Alle Gruppenmitglieder haben bereits Zugriff</translation>
        </message>
        <message>
            <source>Share</source>
            <translation>Teilen</translation>
        </message>
        <message>
            <source>Remove access</source>
            <translation>Zugriff entfernen</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Remove access?</source>
            <translation>Zugriff entfernen?</translation>
        </message>
        <message>
            <source>%1 will no longer have access. Continue?</source>
            <translation>%1 hat dann keinen Zugriff mehr. Fortfahren?</translation>
        </message>
        <message>
            <source>Could not share with %1.</source>
            <translation>Teilen mit %1 war nicht möglich.</translation>
        </message>
        <message>
            <source>Could not remove %1.</source>
            <translation>%1 konnte nicht entfernt werden.</translation>
        </message>
    </context>
</TS>
