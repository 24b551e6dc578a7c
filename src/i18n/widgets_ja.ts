<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
    <context>
        <name>DateField</name>
        <message>
            <source>Open calendar (F4)</source>
            <translation>カレンダーを開く (F4)</translation>
        </message>
    </context>
</TS>
