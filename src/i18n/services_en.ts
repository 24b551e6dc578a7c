<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>BackupService</name>
        <message>
            <source>Backup file too large: the limit is 1 GiB</source>
            <translation>Backup file too large: the limit is 1 GiB</translation>
        </message>
        <message>
            <source>Failed to open ZIP archive</source>
            <translation>Failed to open ZIP archive</translation>
        </message>
        <message>
            <source>Invalid backup: missing manifest.json</source>
            <translation>Invalid backup: missing manifest.json</translation>
        </message>
        <message>
            <source>Unsupported backup version: %1</source>
            <translation>Unsupported backup version: %1</translation>
        </message>
        <message>
            <source>%1: entry too large</source>
            <translation>%1: entry too large</translation>
        </message>
        <message>
            <source>%1: damaged entry (checksum or data error)</source>
            <translation>%1: damaged entry (checksum or data error)</translation>
        </message>
        <message>
            <source>%1: unexpected error</source>
            <translation>%1: unexpected error</translation>
        </message>
        <message>
            <source>%1: invalid JSON</source>
            <translation>%1: invalid JSON</translation>
        </message>
        <message>
            <source>Could not save the restored data</source>
            <translation>Could not save the restored data</translation>
        </message>
    </context>
</TS>
