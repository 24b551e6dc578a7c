<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>AccountSharingService</name>
        <message>
            <source>Failed to share account (HTTP %1)</source>
            <translation>Impossible de partager le compte (HTTP %1)</translation>
        </message>
    </context>
    <context>
        <name>SyncEngine</name>
        <message>
            <source>Push failed (HTTP %1)</source>
            <translation>Échec de l'envoi des modifications (HTTP %1)</translation>
        </message>
        <message>
            <source>Pull failed (HTTP %1)</source>
            <translation>Échec de la réception des modifications (HTTP %1)</translation>
        </message>
        <message>
            <source>Pull failed: the reply was not a page of changes</source>
            <translation>Échec de la réception des modifications : la réponse n'avait pas le format attendu</translation>
        </message>
        <message>
            <source>Pull failed: the changes could not be saved</source>
            <translation>Échec de la réception des modifications : elles n'ont pas pu être enregistrées</translation>
        </message>
        <message>
            <source>Pull failed: the server did not move past page %1</source>
            <translation>Échec de la réception des modifications : le serveur n'est pas allé au-delà de la page %1</translation>
        </message>
    </context>
</TS>
