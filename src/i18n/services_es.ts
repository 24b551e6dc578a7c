<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
    <context>
        <name>ImportService</name>
        <message>
            <source>Uncategorized</source>
            <translation>Sin categoría</translation>
        </message>
        <message>
            <source>Imported transaction</source>
            <translation>Transacción importada</translation>
        </message>
        <message>
            <source>%1 (no account header)</source>
            <translation>%1 (sin encabezado de cuenta)</translation>
        </message>
    </context>
</TS>
