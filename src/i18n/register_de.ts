<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
    <context>
        <name>RegisterDelegate</name>
        <message>
            <source>Memo</source>
            <translation>Notiz</translation>
        </message>
    </context>
    <context>
        <name>RegisterModel</name>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Chk #</source>
            <translation>Scheck-Nr.</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Empfänger</translation>
        </message>
        <message>
            <source>Payee / Memo</source>
            <translation>Empfänger / Notiz</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Kategorie</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>Notiz</translation>
        </message>
        <message>
            <source>Payment</source>
            <translation>Zahlung</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Belastung</translation>
        </message>
        <message>
            <source>Deposit</source>
            <translation>Einzahlung</translation>
        </message>
        <message>
            <source>Clr</source>
            <translation>Abg.</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Saldo</translation>
        </message>
        <message>
            <source>—Split—</source>
            <translation>—Aufgeteilt—</translation>
        </message>
    </context>
    <context>
        <name>SmartDateEdit</name>
        <message>
            <source>Open calendar (F4)</source>
            <translation>Kalender öffnen (F4)</translation>
        </message>
    </context>
</TS>
