<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
    <context>
        <name>ImportService</name>
        <message>
            <source>Uncategorized</source>
            <translation>Ohne Kategorie</translation>
        </message>
        <message>
            <source>Imported transaction</source>
            <translation>Importierte Buchung</translation>
        </message>
        <message>
            <source>%1 (no account header)</source>
            <translation>%1 (ohne Kontokopf)</translation>
        </message>
    </context>
</TS>
