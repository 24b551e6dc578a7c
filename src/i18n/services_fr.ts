<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>ImportService</name>
        <message>
            <source>Uncategorized</source>
            <translation>Non catégorisé</translation>
        </message>
        <message>
            <source>Imported transaction</source>
            <translation>Opération importée</translation>
        </message>
        <message>
            <source>%1 (no account header)</source>
            <translation>%1 (sans en-tête de compte)</translation>
        </message>
    </context>
</TS>
