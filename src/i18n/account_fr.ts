<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>OrvaAccount::AccountScreen</name>
        <message>
            <source>Orvalen Account</source>
            <translation>Compte Orvalen</translation>
        </message>
    </context>
    <context>
        <name>OrvaAccount::ShareMembersDialog</name>
        <message>
            <source>People with access</source>
            <translation>Personnes ayant accès</translation>
        </message>
        <message>
            <source>Add people</source>
            <translation>Ajouter des personnes</translation>
        </message>
        <message>
            <source>Not shared with anyone yet.</source>
            <translation>Pas encore partagé avec qui que ce soit.</translation>
        </message>
        <message>
            <source>Nobody else is in your group yet. Invite people to your group to share with them.</source>
            <translation>Personne d'autre n'est encore dans votre groupe. Invitez des personnes dans votre groupe pour partager avec elles.</translation>
        </message>
        <message>
            <source>All group members already have access</source>
            <translation>Tous les membres du groupe ont déjà accès</translation>
        </message>
        <message>
            <source>Share</source>
            <translation>Partager</translation>
        </message>
        <message>
            <source>Remove access</source>
            <translation>Retirer l'accès</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Remove access?</source>
            <translation>Retirer l'accès ?</translation>
        </message>
        <message>
            <source>%1 will no longer have access. Continue?</source>
            <translation>%1 n'aura plus accès. Continuer ?</translation>
        </message>
        <message>
            <source>Could not share with %1.</source>
            <translation>Impossible de partager avec %1.</translation>
        </message>
        <message>
            <source>Could not remove %1.</source>
            <translation>Impossible de retirer %1.</translation>
        </message>
    </context>
</TS>
