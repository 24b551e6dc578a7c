<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
    <context>
        <name>ImportService</name>
        <message>
            <source>Uncategorized</source>
            <translation>未分類</translation>
        </message>
        <message>
            <source>Imported transaction</source>
            <translation>インポートした取引</translation>
        </message>
        <message>
            <source>%1 (no account header)</source>
            <translation>%1（口座ヘッダーなし）</translation>
        </message>
    </context>
</TS>
