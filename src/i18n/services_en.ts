<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>ImportService</name>
        <message>
            <source>Uncategorized</source>
            <translation>Uncategorized</translation>
        </message>
        <message>
            <source>Imported transaction</source>
            <translation>Imported transaction</translation>
        </message>
        <message>
            <source>%1 (no account header)</source>
            <translation>%1 (no account header)</translation>
        </message>
    </context>
</TS>
