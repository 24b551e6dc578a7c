<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
    <context>
        <name>AccountSharingService</name>
        <message>
            <source>Failed to share account (HTTP %1)</source>
            <translation>Das Konto konnte nicht freigegeben werden (HTTP %1)</translation>
        </message>
    </context>
    <context>
        <name>SyncEngine</name>
        <message>
            <source>Push failed (HTTP %1)</source>
            <translation>Hochladen fehlgeschlagen (HTTP %1)</translation>
        </message>
        <message>
            <source>Pull failed (HTTP %1)</source>
            <translation>Abrufen fehlgeschlagen (HTTP %1)</translation>
        </message>
        <message>
            <source>Pull failed: the reply was not a page of changes</source>
            <translation>Abrufen fehlgeschlagen: Die Antwort enthielt keine Änderungen im erwarteten Format</translation>
        </message>
        <message>
            <source>Pull failed: the changes could not be saved</source>
            <translation>Abrufen fehlgeschlagen: Die Änderungen konnten nicht gespeichert werden</translation>
        </message>
        <message>
            <source>Pull failed: the server did not move past page %1</source>
            <translation>Abrufen fehlgeschlagen: Der Server kam nicht über Seite %1 hinaus</translation>
        </message>
    </context>
</TS>
