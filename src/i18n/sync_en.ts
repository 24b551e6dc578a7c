<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>AccountSharingService</name>
        <message>
            <source>Failed to share account (HTTP %1)</source>
            <translation>Failed to share account (HTTP %1)</translation>
        </message>
    </context>
    <context>
        <name>SyncEngine</name>
        <message>
            <source>Push failed (HTTP %1)</source>
            <translation>Push failed (HTTP %1)</translation>
        </message>
        <message>
            <source>Pull failed (HTTP %1)</source>
            <translation>Pull failed (HTTP %1)</translation>
        </message>
        <message>
            <source>Pull failed: the reply was not a page of changes</source>
            <translation>Pull failed: the reply was not a page of changes</translation>
        </message>
        <message>
            <source>Pull failed: the changes could not be saved</source>
            <translation>Pull failed: the changes could not be saved</translation>
        </message>
        <message>
            <source>Pull failed: the server did not move past page %1</source>
            <translation>Pull failed: the server did not move past page %1</translation>
        </message>
    </context>
</TS>
