<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>OrvaUpdate::UpdateDialog</name>
        <message>
            <source>Update available</source>
            <translation>Update available</translation>
        </message>
        <message>
            <source>A new version of %1 is available.</source>
            <translation>A new version of %1 is available.</translation>
        </message>
        <message>
            <source>You have version %1. The latest version is %2.</source>
            <translation>You have version %1. The latest version is %2.</translation>
        </message>
        <message>
            <source>Loading release notes…</source>
            <translation>Loading release notes…</translation>
        </message>
        <message>
            <source>*Release notes are not available for this version.*</source>
            <translation>*Release notes are not available for this version.*</translation>
        </message>
        <message>
            <source>Download</source>
            <translation>Download</translation>
        </message>
        <message>
            <source>Later</source>
            <translation>Later</translation>
        </message>
    </context>
    <context>
        <name>OrvaUpdate::WhatsNewDialog</name>
        <message>
            <source>What's New in %1 %2</source>
            <translation>What's New in %1 %2</translation>
        </message>
        <message>
            <source>What's new in %1 %2</source>
            <translation>What's new in %1 %2</translation>
        </message>
        <message>
            <source>You are running version %1</source>
            <translation>You are running version %1</translation>
        </message>
        <message>
            <source>Download %1</source>
            <translation>Download %1</translation>
        </message>
    </context>
    <context>
        <name>UpdateFlows</name>
        <message>
            <source>Checking for updates…</source>
            <translation>Checking for updates…</translation>
        </message>
        <message>
            <source>%1 is up to date (version %2)</source>
            <translation>%1 is up to date (version %2)</translation>
        </message>
        <message>
            <source>Update check failed: %1</source>
            <translation>Update check failed: %1</translation>
        </message>
        <message>
            <source>Loading release notes…</source>
            <translation>Loading release notes…</translation>
        </message>
        <message>
            <source>No release notes available for %1 %2</source>
            <translation>No release notes available for %1 %2</translation>
        </message>
    </context>
</TS>
