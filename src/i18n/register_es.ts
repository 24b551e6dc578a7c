<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
    <context>
        <name>RegisterDelegate</name>
        <message>
            <source>Memo</source>
            <translation>Nota</translation>
        </message>
    </context>
    <context>
        <name>RegisterModel</name>
        <message>
            <source>Date</source>
            <translation>Fecha</translation>
        </message>
        <message>
            <source>Chk #</source>
            <translation>N.º cheque</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Beneficiario</translation>
        </message>
        <message>
            <source>Payee / Memo</source>
            <translation>Beneficiario / Nota</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Categoría</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>Nota</translation>
        </message>
        <message>
            <source>Payment</source>
            <translation>Pago</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Cargo</translation>
        </message>
        <message>
            <source>Deposit</source>
            <translation>Depósito</translation>
        </message>
        <message>
            <source>Clr</source>
            <translation>Conc.</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Saldo</translation>
        </message>
        <message>
            <source>—Split—</source>
            <translation>—Dividida—</translation>
        </message>
    </context>
    <context>
        <name>SmartDateEdit</name>
        <message>
            <source>Open calendar (F4)</source>
            <translation>Abrir calendario (F4)</translation>
        </message>
    </context>
</TS>
