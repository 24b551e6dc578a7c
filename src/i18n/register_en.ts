<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>RegisterDelegate</name>
        <message>
            <source>Memo</source>
            <translation>Memo</translation>
        </message>
    </context>
    <context>
        <name>RegisterModel</name>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Chk #</source>
            <translation>Chk #</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Payee</translation>
        </message>
        <message>
            <source>Payee / Memo</source>
            <translation>Payee / Memo</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Category</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>Memo</translation>
        </message>
        <message>
            <source>Payment</source>
            <translation>Payment</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Charge</translation>
        </message>
        <message>
            <source>Deposit</source>
            <translation>Deposit</translation>
        </message>
        <message>
            <source>Clr</source>
            <translation>Clr</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Balance</translation>
        </message>
        <message>
            <source>—Split—</source>
            <translation>—Split—</translation>
        </message>
    </context>
    <context>
        <name>SmartDateEdit</name>
        <message>
            <source>Open calendar (F4)</source>
            <translation>Open calendar (F4)</translation>
        </message>
    </context>
</TS>
