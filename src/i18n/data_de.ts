<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
    <context>
        <name>CategoryService</name>
        <message>
            <source>Charitable Donations</source>
            <translation>Spenden</translation>
        </message>
        <message>
            <source>Medical Expenses</source>
            <translation>Krankheitskosten</translation>
        </message>
        <message>
            <source>Business Expenses</source>
            <translation>Geschäftsausgaben</translation>
        </message>
        <message>
            <source>Home Office</source>
            <translation>Arbeitszimmer</translation>
        </message>
        <message>
            <source>Education Expenses</source>
            <translation>Bildungsausgaben</translation>
        </message>
        <message>
            <source>State &amp; Local Taxes</source>
            <translation>Landes- und Kommunalsteuern</translation>
        </message>
        <message>
            <source>Mortgage Interest</source>
            <translation>Hypothekenzinsen</translation>
        </message>
        <message>
            <source>Property Tax</source>
            <translation>Grundsteuer</translation>
        </message>
        <message>
            <source>Housing</source>
            <translation>Wohnen</translation>
        </message>
        <message>
            <source>Rent/Mortgage Payment</source>
            <translation>Miete/Kreditrate</translation>
        </message>
        <message>
            <source>Maintenance</source>
            <translation>Instandhaltung</translation>
        </message>
        <message>
            <source>HOA</source>
            <translation>Hausgeld</translation>
        </message>
        <message>
            <source>Utilities</source>
            <translation>Nebenkosten</translation>
        </message>
        <message>
            <source>Electric</source>
            <translation>Strom</translation>
        </message>
        <message>
            <source>Gas</source>
            <translation>Gas</translation>
        </message>
        <message>
            <source>Water</source>
            <translation>Wasser</translation>
        </message>
        <message>
            <source>Internet</source>
            <translation>Internet</translation>
        </message>
        <message>
            <source>Phone</source>
            <translation>Telefon</translation>
        </message>
        <message>
            <source>Transportation</source>
            <translation>Mobilität</translation>
        </message>
        <message>
            <source>Gas/Fuel</source>
            <translation>Kraftstoff</translation>
        </message>
        <message>
            <source>Car Payment</source>
            <translation>Autokreditrate</translation>
        </message>
        <message>
            <source>Auto Insurance</source>
            <translation>Kfz-Versicherung</translation>
        </message>
        <message>
            <source>Public Transit</source>
            <translation>Öffentlicher Nahverkehr</translation>
        </message>
        <message>
            <source>Groceries</source>
            <translation>Lebensmittel</translation>
        </message>
        <message>
            <source>Dining &amp; Restaurants</source>
            <translation>Auswärts essen &amp; Restaurants</translation>
        </message>
        <message>
            <source>Personal Care</source>
            <translation>Körperpflege</translation>
        </message>
        <message>
            <source>Pets</source>
            <translation>Haustiere</translation>
        </message>
        <message>
            <source>Subscriptions</source>
            <translation>Abonnements</translation>
        </message>
        <message>
            <source>Gifts</source>
            <translation>Geschenke</translation>
        </message>
        <message>
            <source>Miscellaneous</source>
            <translation>Sonstiges</translation>
        </message>
        <message>
            <source>Entertainment</source>
            <translation>Unterhaltung</translation>
        </message>
        <message>
            <source>Streaming</source>
            <translation>Streaming</translation>
        </message>
        <message>
            <source>Movies</source>
            <translation>Kino</translation>
        </message>
        <message>
            <source>Events</source>
            <translation>Veranstaltungen</translation>
        </message>
        <message>
            <source>Shopping</source>
            <translation>Einkäufe</translation>
        </message>
        <message>
            <source>Clothing</source>
            <translation>Kleidung</translation>
        </message>
        <message>
            <source>Electronics</source>
            <translation>Elektronik</translation>
        </message>
        <message>
            <source>Household</source>
            <translation>Haushalt</translation>
        </message>
        <message>
            <source>Insurance</source>
            <translation>Versicherungen</translation>
        </message>
        <message>
            <source>Health</source>
            <translation>Gesundheit</translation>
        </message>
        <message>
            <source>Life</source>
            <translation>Leben</translation>
        </message>
        <message>
            <source>Home/Renters</source>
            <translation>Hausrat/Wohngebäude</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>Kfz</translation>
        </message>
        <message>
            <source>Fees &amp; Charges</source>
            <translation>Gebühren &amp; Entgelte</translation>
        </message>
        <message>
            <source>Bank Fees</source>
            <translation>Bankgebühren</translation>
        </message>
        <message>
            <source>ATM Fees</source>
            <translation>Geldautomatengebühren</translation>
        </message>
        <message>
            <source>Late Fees</source>
            <translation>Säumnisgebühren</translation>
        </message>
        <message>
            <source>Salary / Wages</source>
            <translation>Gehalt / Lohn</translation>
        </message>
        <message>
            <source>Interest Income</source>
            <translation>Zinserträge</translation>
        </message>
        <message>
            <source>Dividend Income</source>
            <translation>Dividendenerträge</translation>
        </message>
        <message>
            <source>Rental Income</source>
            <translation>Mieteinnahmen</translation>
        </message>
        <message>
            <source>Freelance / Consulting</source>
            <translation>Freiberuflich / Beratung</translation>
        </message>
        <message>
            <source>Refunds</source>
            <translation>Erstattungen</translation>
        </message>
        <message>
            <source>Gifts Received</source>
            <translation>Erhaltene Geschenke</translation>
        </message>
        <message>
            <source>Other Income</source>
            <translation>Sonstige Einnahmen</translation>
        </message>
    </context>
    <context>
        <name>LedgerFileCheck</name>
        <message>
            <source>This file is not an Orvalen Vellumry ledger.</source>
            <translation>Diese Datei ist kein Kassenbuch von Orvalen Vellumry.</translation>
        </message>
        <message>
            <source>It has no record of a ledger's migrations.</source>
            <translation>Sie enthält keine Aufzeichnung der Migrationen eines Kassenbuchs.</translation>
        </message>
        <message>
            <source>Its record of migrations cannot be read: %1</source>
            <translation>Ihre Migrationsliste lässt sich nicht lesen: %1</translation>
        </message>
        <message>
            <source>Its record of migrations lists %1 %2 where a ledger has %3 %4.</source>
            <translation>Ihre Migrationsliste nennt %1 %2, wo ein Kassenbuch %3 %4 hat.</translation>
        </message>
        <message>
            <source>Its table %1 is missing.</source>
            <translation>Ihre Tabelle %1 fehlt.</translation>
        </message>
        <message>
            <source>Its tables %1 are missing.</source>
            <translation>Ihre Tabellen %1 fehlen.</translation>
        </message>
        <message>
            <source>The file %1 is read-only.</source>
            <translation>Die Datei %1 ist schreibgeschützt.</translation>
        </message>
        <message>
            <source>The folder %1 is read-only.</source>
            <translation>Der Ordner %1 ist schreibgeschützt.</translation>
        </message>
    </context>
    <context>
        <name>MoneySum</name>
        <message>
            <source>Out of range</source>
            <translation>Überlauf</translation>
        </message>
    </context>
    <context>
        <name>TransactionRepository</name>
        <message>
            <source>Opening Balance</source>
            <translation>Anfangssaldo</translation>
        </message>
    </context>
    <context>
        <name>TransactionWriter</name>
        <message>
            <source>Uncategorized</source>
            <translation>Ohne Kategorie</translation>
        </message>
    </context>
    <context>
        <name>TransferService</name>
        <message>
            <source>Transfer to %1</source>
            <translation>Umbuchung auf %1</translation>
        </message>
        <message>
            <source>Transfer from %1</source>
            <translation>Umbuchung von %1</translation>
        </message>
    </context>
</TS>
