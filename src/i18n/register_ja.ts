<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
    <context>
        <name>RegisterDelegate</name>
        <message>
            <source>Memo</source>
            <translation>メモ</translation>
        </message>
    </context>
    <context>
        <name>RegisterModel</name>
        <message>
            <source>Date</source>
            <translation>日付</translation>
        </message>
        <message>
            <source>Chk #</source>
            <translation>小切手番号</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>支払先</translation>
        </message>
        <message>
            <source>Payee / Memo</source>
            <translation>支払先 / メモ</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>カテゴリ</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>メモ</translation>
        </message>
        <message>
            <source>Payment</source>
            <translation>支払</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>請求</translation>
        </message>
        <message>
            <source>Deposit</source>
            <translation>入金</translation>
        </message>
        <message>
            <source>Clr</source>
            <translation>照合</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>残高</translation>
        </message>
        <message>
            <source>—Split—</source>
            <translation>—分割—</translation>
        </message>
    </context>
    <context>
        <name>SmartDateEdit</name>
        <message>
            <source>Open calendar (F4)</source>
            <translation>カレンダーを開く (F4)</translation>
        </message>
    </context>
</TS>
