<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
    <context>
        <name>OrvaUpdate::UpdateDialog</name>
        <message>
            <source>Update available</source>
            <translation>Update verfügbar</translation>
        </message>
        <message>
            <source>A new version of %1 is available.</source>
            <translation>Eine neue Version von %1 ist verfügbar.</translation>
        </message>
        <message>
            <source>You have version %1. The latest version is %2.</source>
            <translation>Sie haben Version %1. Die neueste Version ist %2.</translation>
        </message>
        <message>
            <source>Loading release notes…</source>
            <translation>Versionshinweise werden geladen…</translation>
        </message>
        <message>
            <source>*Release notes are not available for this version.*</source>
            <translation>*Für diese Version sind keine Versionshinweise verfügbar.*</translation>
        </message>
        <message>
            <source>Download</source>
            <translation>Herunterladen</translation>
        </message>
        <message>
            <source>Later</source>
            <translation>Später</translation>
        </message>
    </context>
    <context>
        <name>OrvaUpdate::WhatsNewDialog</name>
        <message>
            <source>What's New in %1 %2</source>
            <translation>Neuerungen in %1 %2</translation>
        </message>
        <message>
            <source>What's new in %1 %2</source>
            <translation>Das ist neu in %1 %2</translation>
        </message>
        <message>
            <source>You are running version %1</source>
            <translation>Sie verwenden Version %1</translation>
        </message>
        <message>
            <source>Download %1</source>
            <translation>%1 herunterladen</translation>
        </message>
    </context>
    <context>
        <name>UpdateFlows</name>
        <message>
            <source>Checking for updates…</source>
            <translation>Suche nach Updates…</translation>
        </message>
        <message>
            <source>%1 is up to date (version %2)</source>
            <translation>%1 ist auf dem neuesten Stand (Version %2)</translation>
        </message>
        <message>
            <source>Update check failed: %1</source>
            <translation>Suche nach Updates fehlgeschlagen: %1</translation>
        </message>
        <message>
            <source>Loading release notes…</source>
            <translation>Versionshinweise werden geladen…</translation>
        </message>
        <message>
            <source>No release notes available for %1 %2</source>
            <translation>Keine Versionshinweise für %1 %2 verfügbar</translation>
        </message>
    </context>
</TS>
