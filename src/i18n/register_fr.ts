<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>RegisterDelegate</name>
        <message>
            <source>Memo</source>
            <translation>Note</translation>
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
            <translation>N° chèque</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Bénéficiaire</translation>
        </message>
        <message>
            <source>Payee / Memo</source>
            <translation>Bénéficiaire / Note</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Catégorie</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>Note</translation>
        </message>
        <message>
            <source>Payment</source>
            <translation>Paiement</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Débit</translation>
        </message>
        <message>
            <source>Deposit</source>
            <translation>Dépôt</translation>
        </message>
        <message>
            <source>Clr</source>
            <translation>Rapp.</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Solde</translation>
        </message>
        <message>
            <source>—Split—</source>
            <translation>—Ventilée—</translation>
        </message>
    </context>
    <context>
        <name>SmartDateEdit</name>
        <message>
            <source>Open calendar (F4)</source>
            <translation>Ouvrir le calendrier (F4)</translation>
        </message>
    </context>
</TS>
