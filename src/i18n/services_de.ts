<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
    <context>
        <name>BackupService</name>
        <message>
            <source>Backup file too large: the limit is 1 GiB</source>
            <translation>Sicherungsdatei zu groß: Die Grenze liegt bei 1 GiB</translation>
        </message>
        <message>
            <source>Failed to open ZIP archive</source>
            <translation>ZIP-Archiv konnte nicht geöffnet werden</translation>
        </message>
        <message>
            <source>Invalid backup: missing manifest.json</source>
            <translation>Ungültige Sicherung: manifest.json fehlt</translation>
        </message>
        <message>
            <source>Unsupported backup version: %1</source>
            <translation>Nicht unterstützte Sicherungsversion: %1</translation>
        </message>
        <message>
            <source>%1: entry too large</source>
            <translation>%1: Eintrag zu groß</translation>
        </message>
        <message>
            <source>%1: damaged entry (checksum or data error)</source>
            <translation>%1: beschädigter Eintrag (Prüfsummen- oder Datenfehler)</translation>
        </message>
        <message>
            <source>%1: unexpected error</source>
            <translation>%1: unerwarteter Fehler</translation>
        </message>
        <message>
            <source>%1: invalid JSON</source>
            <translation>%1: ungültiges JSON</translation>
        </message>
        <message>
            <source>Could not save the restored data</source>
            <translation>Die wiederhergestellten Daten konnten nicht gespeichert werden</translation>
        </message>
        <message>
            <source>%1: could not be stored (%2)</source>
            <translation>%1: konnte nicht gespeichert werden (%2)</translation>
        </message>
        <message>
            <source>%1: the row has no id</source>
            <translation>%1: die Zeile hat keine ID</translation>
        </message>
        <message>
            <source>%1: "%2" is not a column of this table</source>
            <translation>%1: „%2“ ist keine Spalte dieser Tabelle</translation>
        </message>
        <message>
            <source>%1: "%2" holds a list or an object instead of a value</source>
            <translation>%1: „%2“ enthält eine Liste oder ein Objekt statt eines Werts</translation>
        </message>
        <message>
            <source>%1: "%2" holds no date in the form yyyy-MM-dd</source>
            <translation>%1: „%2“ enthält kein Datum im Format yyyy-MM-dd</translation>
        </message>
        <message>
            <source>%1: the split line names no transaction</source>
            <translation>%1: die Teilbuchung nennt keine Buchung</translation>
        </message>
        <message numerus="yes">
            <source>... and %n more problem(s)</source>
            <translation>
                <numerusform>... und %n weiteres Problem</numerusform>
                <numerusform>... und %n weitere Probleme</numerusform>
            </translation>
        </message>
        <message>
            <source>Unsupported backup version: the version is not a number</source>
            <translation>Nicht unterstützte Sicherungsversion: Die Version ist keine Zahl</translation>
        </message>
    </context>
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
        <message>
            <source>This file is too large to import. CSV files of up to %1 MB can be imported.</source>
            <translation>Diese Datei ist zu groß für den Import. CSV-Dateien bis %1 MB können importiert werden.</translation>
        </message>
        <message>
            <source>Could not open %1: %2</source>
            <translation>%1 konnte nicht geöffnet werden: %2</translation>
        </message>
        <message>
            <source>These files are too large to import together. QIF files of up to %1 MB in all can be imported.</source>
            <translation>Diese Dateien sind zusammen zu groß für den Import. QIF-Dateien bis insgesamt %1 MB können importiert werden.</translation>
        </message>
        <message>
            <source>This file is too large to import. QIF files of up to %1 MB can be imported.</source>
            <translation>Diese Datei ist zu groß für den Import. QIF-Dateien bis %1 MB können importiert werden.</translation>
        </message>
        <message>
            <source>Another import is still running. Try again once it has finished.</source>
            <translation>Ein anderer Import läuft noch. Versuchen Sie es erneut, wenn er abgeschlossen ist.</translation>
        </message>
        <message>
            <source>The account to import into no longer exists.</source>
            <translation>Das Konto, in das importiert werden soll, existiert nicht mehr.</translation>
        </message>
    </context>
    <context>
        <name>ReportService</name>
        <message>
            <source>Uncategorized</source>
            <translation>Ohne Kategorie</translation>
        </message>
    </context>
    <context>
        <name>SampleDataService</name>
        <message>
            <source>Opening Balance</source>
            <translation>Anfangssaldo</translation>
        </message>
        <message>
            <source>Brightpath Inc</source>
            <translation>Brightpath GmbH</translation>
        </message>
        <message>
            <source>Pinecrest Apartments</source>
            <translation>Wohnanlage Pinecrest</translation>
        </message>
        <message>
            <source>Greenleaf Market</source>
            <translation>Greenleaf Markt</translation>
        </message>
        <message>
            <source>Hilltop Gas</source>
            <translation>Hilltop Tankstelle</translation>
        </message>
        <message>
            <source>Lakeside Utilities</source>
            <translation>Stadtwerke Lakeside</translation>
        </message>
        <message>
            <source>Streamline TV</source>
            <translation>Streamline TV</translation>
        </message>
        <message>
            <source>Maplewood Diner</source>
            <translation>Maplewood Diner</translation>
        </message>
        <message>
            <source>Clearview Insurance</source>
            <translation>Clearview Versicherung</translation>
        </message>
        <message>
            <source>Hope Community Church</source>
            <translation>Hope-Gemeindekirche</translation>
        </message>
        <message>
            <source>Transfer to Savings</source>
            <translation>Umbuchung auf das Sparkonto</translation>
        </message>
        <message>
            <source>NetConnect ISP</source>
            <translation>NetConnect Internet</translation>
        </message>
        <message>
            <source>Ridgeline Pharmacy</source>
            <translation>Ridgeline Apotheke</translation>
        </message>
        <message>
            <source>Riverbend Credit Union</source>
            <translation>Riverbend Kreditgenossenschaft</translation>
        </message>
        <message>
            <source>Transfer from Checking</source>
            <translation>Umbuchung vom Girokonto</translation>
        </message>
        <message>
            <source>Dash Delivery</source>
            <translation>Dash Delivery</translation>
        </message>
        <message>
            <source>Gadget World</source>
            <translation>Gadget World</translation>
        </message>
        <message>
            <source>CloudWatch Plus</source>
            <translation>CloudWatch Plus</translation>
        </message>
        <message>
            <source>Payment - Thank You</source>
            <translation>Zahlung - Vielen Dank</translation>
        </message>
        <message>
            <source>Stellar Coffee</source>
            <translation>Stellar Kaffee</translation>
        </message>
        <message>
            <source>BookNest Online</source>
            <translation>BookNest Online</translation>
        </message>
        <message>
            <source>TechVault</source>
            <translation>TechVault</translation>
        </message>
        <message>
            <source>Biweekly paycheck</source>
            <translation>Gehalt (alle zwei Wochen)</translation>
        </message>
        <message>
            <source>February rent</source>
            <translation>Miete Februar</translation>
        </message>
        <message>
            <source>Weekly groceries</source>
            <translation>Wocheneinkauf</translation>
        </message>
        <message>
            <source>Fill up</source>
            <translation>Volltanken</translation>
        </message>
        <message>
            <source>Electric bill</source>
            <translation>Stromrechnung</translation>
        </message>
        <message>
            <source>Water bill</source>
            <translation>Wasserrechnung</translation>
        </message>
        <message>
            <source>Monthly streaming</source>
            <translation>Streaming-Abo</translation>
        </message>
        <message>
            <source>Dinner out</source>
            <translation>Abendessen auswärts</translation>
        </message>
        <message>
            <source>Auto insurance</source>
            <translation>Kfz-Versicherung</translation>
        </message>
        <message>
            <source>Monthly donation</source>
            <translation>Monatliche Spende</translation>
        </message>
        <message>
            <source>Monthly savings</source>
            <translation>Monatliche Sparrate</translation>
        </message>
        <message>
            <source>March rent</source>
            <translation>Miete März</translation>
        </message>
        <message>
            <source>Internet service</source>
            <translation>Internetanschluss</translation>
        </message>
        <message>
            <source>Lunch</source>
            <translation>Mittagessen</translation>
        </message>
        <message>
            <source>Prescriptions</source>
            <translation>Rezepte</translation>
        </message>
        <message>
            <source>Coffee &amp; pastry</source>
            <translation>Kaffee und Gebäck</translation>
        </message>
        <message>
            <source>Interest payment</source>
            <translation>Zinsgutschrift</translation>
        </message>
        <message>
            <source>Food delivery</source>
            <translation>Essenslieferung</translation>
        </message>
        <message>
            <source>Phone case</source>
            <translation>Handyhülle</translation>
        </message>
        <message>
            <source>Cloud storage plan</source>
            <translation>Cloud-Speicher-Tarif</translation>
        </message>
        <message>
            <source>Credit card payment</source>
            <translation>Kreditkartenzahlung</translation>
        </message>
        <message>
            <source>Coffee beans</source>
            <translation>Kaffeebohnen</translation>
        </message>
        <message>
            <source>Programming books</source>
            <translation>Programmierbücher</translation>
        </message>
        <message>
            <source>USB hub</source>
            <translation>USB-Hub</translation>
        </message>
        <message>
            <source>Monthly rent</source>
            <translation>Monatsmiete</translation>
        </message>
        <message>
            <source>Main Checking</source>
            <translation>Girokonto</translation>
        </message>
        <message>
            <source>Savings</source>
            <translation>Sparkonto</translation>
        </message>
        <message>
            <source>Visa Rewards</source>
            <translation>Visa Rewards</translation>
        </message>
        <message>
            <source>Summit Bank</source>
            <translation>Summit Bank</translation>
        </message>
        <message>
            <source>Salary / Wages</source>
            <translation>Gehalt / Lohn</translation>
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
            <source>Groceries</source>
            <translation>Lebensmittel</translation>
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
            <source>Utilities</source>
            <translation>Nebenkosten</translation>
        </message>
        <message>
            <source>Electric</source>
            <translation>Strom</translation>
        </message>
        <message>
            <source>Water</source>
            <translation>Wasser</translation>
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
            <source>Dining &amp; Restaurants</source>
            <translation>Auswärts essen &amp; Restaurants</translation>
        </message>
        <message>
            <source>Insurance</source>
            <translation>Versicherungen</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>Kfz</translation>
        </message>
        <message>
            <source>Charitable Donations</source>
            <translation>Spenden</translation>
        </message>
        <message>
            <source>Internet</source>
            <translation>Internet</translation>
        </message>
        <message>
            <source>Medical Expenses</source>
            <translation>Krankheitskosten</translation>
        </message>
        <message>
            <source>Interest Income</source>
            <translation>Zinserträge</translation>
        </message>
        <message>
            <source>Shopping</source>
            <translation>Einkäufe</translation>
        </message>
        <message>
            <source>Electronics</source>
            <translation>Elektronik</translation>
        </message>
        <message>
            <source>Subscriptions</source>
            <translation>Abonnements</translation>
        </message>
        <message>
            <source>Education Expenses</source>
            <translation>Bildungsausgaben</translation>
        </message>
    </context>
</TS>
