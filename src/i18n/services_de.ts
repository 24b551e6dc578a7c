<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
    <context>
        <name>BackupService</name>
        <message>
            <source>Backup file too large: the limit is 1 GiB</source>
            <translation>Sicherungsdatei zu groß: Die Grenze liegt bei 1 GiB</translation>
        </message>
        <message>
            <source>Failed to open ZIP archive</source>
            <translation>ZIP-Archiv konnte nicht geöffnet werden</translation>
        </message>
        <message>
            <source>Invalid backup: missing manifest.json</source>
            <translation>Ungültige Sicherung: manifest.json fehlt</translation>
        </message>
        <message>
            <source>Unsupported backup version: %1</source>
            <translation>Nicht unterstützte Sicherungsversion: %1</translation>
        </message>
        <message>
            <source>%1: entry too large</source>
            <translation>%1: Eintrag zu groß</translation>
        </message>
        <message>
            <source>%1: damaged entry (checksum or data error)</source>
            <translation>%1: beschädigter Eintrag (Prüfsummen- oder Datenfehler)</translation>
        </message>
        <message>
            <source>%1: unexpected error</source>
            <translation>%1: unerwarteter Fehler</translation>
        </message>
        <message>
            <source>%1: invalid JSON</source>
            <translation>%1: ungültiges JSON</translation>
        </message>
        <message>
            <source>Could not save the restored data</source>
            <translation>Die wiederhergestellten Daten konnten nicht gespeichert werden</translation>
        </message>
    </context>
</TS>
