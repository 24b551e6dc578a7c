<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
    <context>
        <name>AccountFormDialog</name>
        <message>
            <source>New Account</source>
            <translation>Neues Konto</translation>
        </message>
        <message>
            <source>Edit Account</source>
            <translation>Konto bearbeiten</translation>
        </message>
        <message>
            <source>This account already has an opening balance. Changing the amount or date shifts every balance after it.</source>
            <translation>Dieses Konto hat bereits einen Anfangssaldo. Wenn Sie Betrag oder Datum ändern, verschieben sich alle späteren Salden.</translation>
        </message>
        <message>
            <source>Account name</source>
            <translation>Kontoname</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>&amp;Name:</translation>
        </message>
        <message>
            <source>Checking</source>
            <translation>Girokonto</translation>
        </message>
        <message>
            <source>Savings</source>
            <translation>Sparkonto</translation>
        </message>
        <message>
            <source>Credit Card</source>
            <translation>Kreditkarte</translation>
        </message>
        <message>
            <source>Cash</source>
            <translation>Bargeld</translation>
        </message>
        <message>
            <source>Investment</source>
            <translation>Depot</translation>
        </message>
        <message>
            <source>Loan</source>
            <translation>Darlehen</translation>
        </message>
        <message>
            <source>Other</source>
            <translation>Sonstiges</translation>
        </message>
        <message>
            <source>&amp;Type:</source>
            <translation>&amp;Typ:</translation>
        </message>
        <message>
            <source>&amp;Currency:</source>
            <translation>&amp;Währung:</translation>
        </message>
        <message>
            <source>Starting &amp;Balance:</source>
            <translation>Anfangs&amp;saldo:</translation>
        </message>
        <message>
            <source>Starting &amp;Balance (Amount Owed):</source>
            <translation>Anfangs&amp;saldo (geschuldeter Betrag):</translation>
        </message>
        <message>
            <source>&amp;As of:</source>
            <translation>Stichta&amp;g:</translation>
        </message>
        <message>
            <source>Bank name (optional)</source>
            <translation>Name der Bank (optional)</translation>
        </message>
        <message>
            <source>&amp;Institution:</source>
            <translation>&amp;Institut:</translation>
        </message>
        <message>
            <source>Last 4 digits (optional)</source>
            <translation>Letzte 4 Ziffern (optional)</translation>
        </message>
        <message>
            <source>Account &amp;Number:</source>
            <translation>Konto&amp;nummer:</translation>
        </message>
    </context>
    <context>
        <name>CategoriesScreen</name>
        <message>
            <source>Categories</source>
            <translation>Kategorien</translation>
        </message>
        <message>
            <source>Search categories...</source>
            <translation>Kategorien durchsuchen …</translation>
        </message>
        <message>
            <source>+ New Category</source>
            <translation>+ Neue Kategorie</translation>
        </message>
        <message>
            <source>&amp;New Category</source>
            <translation>&amp;Neue Kategorie</translation>
        </message>
        <message>
            <source>Add &amp;Subcategory</source>
            <translation>&amp;Unterkategorie hinzufügen</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Bearbeiten</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Löschen</translation>
        </message>
        <message>
            <source>Delete Category</source>
            <translation>Kategorie löschen</translation>
        </message>
        <message>
            <source>Delete "%1"? Transactions using this category will become uncategorized.</source>
            <translation>„%1“ löschen? Buchungen mit dieser Kategorie werden danach keiner Kategorie mehr zugeordnet.</translation>
        </message>
    </context>
    <context>
        <name>CategoryFormDialog</name>
        <message>
            <source>New Category</source>
            <translation>Neue Kategorie</translation>
        </message>
        <message>
            <source>New Subcategory</source>
            <translation>Neue Unterkategorie</translation>
        </message>
        <message>
            <source>Edit Category</source>
            <translation>Kategorie bearbeiten</translation>
        </message>
        <message>
            <source>&amp;Parent:</source>
            <translation>Ü&amp;bergeordnet:</translation>
        </message>
        <message>
            <source>Category name</source>
            <translation>Kategoriename</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>&amp;Name:</translation>
        </message>
        <message>
            <source>Expense</source>
            <translation>Ausgabe</translation>
        </message>
        <message>
            <source>Income</source>
            <translation>Einnahme</translation>
        </message>
        <message>
            <source>Transfer</source>
            <translation>Umbuchung</translation>
        </message>
        <message>
            <source>&amp;Type:</source>
            <translation>&amp;Typ:</translation>
        </message>
        <message>
            <source>Tax-relevant</source>
            <translation>Steuerrelevant</translation>
        </message>
        <message>
            <source>Mark this category for inclusion in tax-time reports.</source>
            <translation>Diese Kategorie in die Steuerberichte aufnehmen.</translation>
        </message>
        <message>
            <source>e.g. charitable_contributions, mortgage_interest</source>
            <translation>z. B. charitable_contributions, mortgage_interest</translation>
        </message>
        <message>
            <source>Tax &amp;Code:</source>
            <translation>Steuer&amp;code:</translation>
        </message>
    </context>
    <context>
        <name>CategoryTreeModel</name>
        <message>
            <source>Category</source>
            <translation>Kategorie</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>Typ</translation>
        </message>
        <message>
            <source>Tax Code</source>
            <translation>Steuercode</translation>
        </message>
    </context>
    <context>
        <name>ImportProgress</name>
        <message>
            <source>Importing...</source>
            <translation>Importiere...</translation>
        </message>
    </context>
    <context>
        <name>ImportScreen</name>
        <message>
            <source>(none)</source>
            <translation>(keine)</translation>
        </message>
        <message>
            <source>Import Transactions</source>
            <translation>Buchungen importieren</translation>
        </message>
        <message>
            <source>CSV</source>
            <translation>CSV</translation>
        </message>
        <message>
            <source>QIF</source>
            <translation>QIF</translation>
        </message>
        <message>
            <source>&amp;Format:</source>
            <translation>&amp;Format:</translation>
        </message>
        <message>
            <source>&amp;Account:</source>
            <translation>&amp;Konto:</translation>
        </message>
        <message>
            <source>No file selected</source>
            <translation>Keine Datei ausgewählt</translation>
        </message>
        <message>
            <source>Browse...</source>
            <translation>Durchsuchen...</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>Datei:</translation>
        </message>
        <message>
            <source>Import</source>
            <translation>Importieren</translation>
        </message>
        <message>
            <source>CSV Column Mapping:</source>
            <translation>CSV-Spaltenzuordnung:</translation>
        </message>
        <message>
            <source>Date column:</source>
            <translation>Datumsspalte:</translation>
        </message>
        <message>
            <source>Payee column:</source>
            <translation>Empfängerspalte:</translation>
        </message>
        <message>
            <source>Amount column:</source>
            <translation>Betragsspalte:</translation>
        </message>
        <message>
            <source>Memo column:</source>
            <translation>Notizspalte:</translation>
        </message>
        <message>
            <source>Category column:</source>
            <translation>Kategoriespalte:</translation>
        </message>
        <message>
            <source>Auto-detect</source>
            <translation>Automatisch erkennen</translation>
        </message>
        <message>
            <source>Month D, YYYY (May 14, 2026)</source>
            <translation>Monat T, JJJJ (May 14, 2026)</translation>
        </message>
        <message>
            <source>Date format:</source>
            <translation>Datumsformat:</translation>
        </message>
        <message>
            <source>First row is header</source>
            <translation>Erste Zeile ist Kopfzeile</translation>
        </message>
        <message>
            <source>QIF source accounts:</source>
            <translation>QIF-Quellkonten:</translation>
        </message>
        <message>
            <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
            <translation>Wählen Sie, wohin jedes Quicken-Konto importiert werden soll. Bei Konten, die über die ausgewählten Dateien hinweg zugeordnet sind, werden Umbuchungen automatisch verknüpft.</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Fertig</translation>
        </message>
        <message>
            <source>Select QIF File(s)</source>
            <translation>QIF-Datei(en) auswählen</translation>
        </message>
        <message>
            <source>QIF Files (*.qif)</source>
            <translation>QIF-Dateien (*.qif)</translation>
        </message>
        <message numerus="yes">
            <source>%n file(s) selected</source>
            <translation>
                <numerusform>%n Datei ausgewählt</numerusform>
                <numerusform>%n Dateien ausgewählt</numerusform>
            </translation>
        </message>
        <message>
            <source>Analyzing QIF file(s)...</source>
            <translation>QIF-Datei(en) werden analysiert...</translation>
        </message>
        <message>
            <source>None of the chosen files could be read.</source>
            <translation>Keine der ausgewählten Dateien konnte gelesen werden.</translation>
        </message>
        <message>
            <source>Select File</source>
            <translation>Datei auswählen</translation>
        </message>
        <message>
            <source>CSV Files (*.csv);;All Files (*)</source>
            <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
        </message>
        <message>
            <source>"%1" could not be read.</source>
            <translation>„%1“ konnte nicht gelesen werden.</translation>
        </message>
        <message>
            <source>"%1" holds no rows to import.</source>
            <translation>„%1“ enthält keine Zeilen zum Importieren.</translation>
        </message>
        <message>
            <source>Col %1</source>
            <translation>Sp. %1</translation>
        </message>
        <message numerus="yes">
            <source>The first %n rows of the file are shown; it holds more.</source>
            <translation>
                <numerusform>Die erste Zeile der Datei wird angezeigt; sie enthält weitere.</numerusform>
                <numerusform>Die ersten %n Zeilen der Datei werden angezeigt; sie enthält weitere.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>The file holds %n row(s).</source>
            <translation>
                <numerusform>Die Datei enthält %n Zeile.</numerusform>
                <numerusform>Die Datei enthält %n Zeilen.</numerusform>
            </translation>
        </message>
        <message>
            <source>Col %1: %2</source>
            <translation>Sp. %1: %2</translation>
        </message>
        <message>
            <source>Column %1</source>
            <translation>Spalte %1</translation>
        </message>
        <message>
            <source>No target account</source>
            <translation>Kein Zielkonto</translation>
        </message>
        <message>
            <source>Pick an account to import into, or create one now.</source>
            <translation>Wählen Sie ein Konto für den Import oder legen Sie jetzt eines an.</translation>
        </message>
    </context>
    <context>
        <name>ImportSummary</name>
        <message>
            <source>Import failed.</source>
            <translation>Import fehlgeschlagen.</translation>
        </message>
        <message>
            <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
            <translation>Ein Datenbankfehler hat den Import abgebrochen, alle Änderungen wurden zurückgenommen. Es wurden keine Buchungen hinzugefügt.</translation>
        </message>
        <message>
            <source>Import complete!</source>
            <translation>Import abgeschlossen!</translation>
        </message>
        <message numerus="yes">
            <source>%n transaction(s) imported</source>
            <translation>
                <numerusform>%n Buchung importiert</numerusform>
                <numerusform>%n Buchungen importiert</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n transfer(s) linked across accounts</source>
            <translation>
                <numerusform>%n Umbuchung zwischen Konten verknüpft</numerusform>
                <numerusform>%n Umbuchungen zwischen Konten verknüpft</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>  (including %n linked to previously imported row(s))</source>
            <translation>
                <numerusform>  (davon %n mit einer früher importierten Zeile verknüpft)</numerusform>
                <numerusform>  (davon %n mit früher importierten Zeilen verknüpft)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n duplicate(s) skipped</source>
            <translation>
                <numerusform>%n Duplikat übersprungen</numerusform>
                <numerusform>%n Duplikate übersprungen</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n record(s) skipped (unparseable)</source>
            <translation>
                <numerusform>%n Datensatz übersprungen (nicht lesbar)</numerusform>
                <numerusform>%n Datensätze übersprungen (nicht lesbar)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n metadata record(s) skipped</source>
            <translation>
                <numerusform>%n Metadatensatz übersprungen</numerusform>
                <numerusform>%n Metadatensätze übersprungen</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n record(s) skipped (unmapped source account)</source>
            <translation>
                <numerusform>%n Datensatz übersprungen (Quellkonto nicht zugeordnet)</numerusform>
                <numerusform>%n Datensätze übersprungen (Quellkonto nicht zugeordnet)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n record(s) skipped (database error — see log)</source>
            <translation>
                <numerusform>%n Datensatz übersprungen (Datenbankfehler – siehe Protokoll)</numerusform>
                <numerusform>%n Datensätze übersprungen (Datenbankfehler – siehe Protokoll)</numerusform>
            </translation>
        </message>
        <message>
            <source>A quote opened on line %1 is never closed: the rows after it could not be read.</source>
            <translation>Ein in Zeile %1 geöffnetes Anführungszeichen wird nie geschlossen: Die Zeilen danach konnten nicht gelesen werden.</translation>
        </message>
        <message>
            <source>No transactions were added.</source>
            <translation>Es wurden keine Buchungen hinzugefügt.</translation>
        </message>
        <message numerus="yes">
            <source>%n row(s) skipped (more than %1 fields or %2 characters in one row)</source>
            <translation>
                <numerusform>%n Zeile übersprungen (mehr als %1 Felder oder %2 Zeichen in einer Zeile)</numerusform>
                <numerusform>%n Zeilen übersprungen (mehr als %1 Felder oder %2 Zeichen in einer Zeile)</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>PayeeScreen</name>
        <message>
            <source>Payee Management</source>
            <translation>Zahlungsempfänger verwalten</translation>
        </message>
        <message>
            <source>Rename to:</source>
            <translation>Umbenennen in:</translation>
        </message>
        <message>
            <source>Rename Selected</source>
            <translation>Auswahl umbenennen</translation>
        </message>
        <message>
            <source>Merge Selected</source>
            <translation>Auswahl zusammenführen</translation>
        </message>
        <message>
            <source>"%1" is the payee of opening balances. Choose another name.</source>
            <translation>„%1“ ist der Zahlungsempfänger der Anfangssalden. Wählen Sie einen anderen Namen.</translation>
        </message>
        <message>
            <source>Rename</source>
            <translation>Umbenennen</translation>
        </message>
        <message>
            <source>Rename Complete</source>
            <translation>Umbenennung abgeschlossen</translation>
        </message>
        <message numerus="yes">
            <source>Renamed %n transaction(s).</source>
            <translation>
                <numerusform>%n Buchung umbenannt.</numerusform>
                <numerusform>%n Buchungen umbenannt.</numerusform>
            </translation>
        </message>
        <message>
            <source>Merge</source>
            <translation>Zusammenführen</translation>
        </message>
        <message>
            <source>Select 2 or more payees to merge.</source>
            <translation>Wählen Sie mindestens 2 Zahlungsempfänger zum Zusammenführen aus.</translation>
        </message>
        <message>
            <source>Merge Payees</source>
            <translation>Zahlungsempfänger zusammenführen</translation>
        </message>
        <message>
            <source>Merge %1 payees into "%2"?</source>
            <translation>%1 Zahlungsempfänger zu „%2“ zusammenführen?</translation>
        </message>
        <message>
            <source>Merge Complete</source>
            <translation>Zusammenführung abgeschlossen</translation>
        </message>
        <message numerus="yes">
            <source>Merged %n transaction(s).</source>
            <translation>
                <numerusform>%n Buchung zusammengeführt.</numerusform>
                <numerusform>%n Buchungen zusammengeführt.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>QifMappingRows</name>
        <message>
            <source>— Create new account "%1" —</source>
            <translation>— Neues Konto „%1“ anlegen —</translation>
        </message>
        <message>
            <source>— Skip these transactions —</source>
            <translation>— Diese Buchungen überspringen —</translation>
        </message>
    </context>
    <context>
        <name>ReconciliationHistoryScreen</name>
        <message>
            <source>Reconciliation History</source>
            <translation>Abstimmungsverlauf</translation>
        </message>
        <message>
            <source>Reconciliation History — %1</source>
            <translation>Abstimmungsverlauf — %1</translation>
        </message>
        <message>
            <source>Past reconciliations for this account.</source>
            <translation>Frühere Abstimmungen dieses Kontos.</translation>
        </message>
        <message>
            <source>Statement Date</source>
            <translation>Auszugsdatum</translation>
        </message>
        <message>
            <source>Statement Balance</source>
            <translation>Auszugssaldo</translation>
        </message>
        <message>
            <source>Reconciled Balance</source>
            <translation>Abgestimmter Saldo</translation>
        </message>
        <message>
            <source>Completed</source>
            <translation>Abgeschlossen</translation>
        </message>
        <message>
            <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
            <translation>Noch keine Abstimmungen. Stimmen Sie Ihr Konto im Kontobuch ab, um den Verlauf hier zu sehen.</translation>
        </message>
    </context>
    <context>
        <name>ReconciliationScreen</name>
        <message>
            <source>Reconcile Account</source>
            <translation>Konto abstimmen</translation>
        </message>
        <message>
            <source>Statement Date:</source>
            <translation>Auszugsdatum:</translation>
        </message>
        <message>
            <source>Statement Balance:</source>
            <translation>Auszugssaldo:</translation>
        </message>
        <message>
            <source>Statement Balance Owed:</source>
            <translation>Geschuldeter Auszugssaldo:</translation>
        </message>
        <message>
            <source>Previous Balance</source>
            <translation>Vorheriger Saldo</translation>
        </message>
        <message>
            <source>Cleared Deposits</source>
            <translation>Bestätigte Einzahlungen</translation>
        </message>
        <message>
            <source>Cleared Withdrawals</source>
            <translation>Bestätigte Auszahlungen</translation>
        </message>
        <message>
            <source>Cleared Payments</source>
            <translation>Bestätigte Zahlungen</translation>
        </message>
        <message>
            <source>Cleared Charges</source>
            <translation>Bestätigte Belastungen</translation>
        </message>
        <message>
            <source>Cleared Balance</source>
            <translation>Bestätigter Saldo</translation>
        </message>
        <message>
            <source>Statement Balance</source>
            <translation>Auszugssaldo</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>Differenz</translation>
        </message>
        <message>
            <source>Finish Reconciliation</source>
            <translation>Abstimmung abschließen</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Add Transaction</source>
            <translation>Buchung hinzufügen</translation>
        </message>
        <message>
            <source>Add a transaction (%1)</source>
            <translation>Eine Buchung hinzufügen (%1)</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Bearbeiten</translation>
        </message>
        <message>
            <source>Edit selected transaction (F2)</source>
            <translation>Ausgewählte Buchung bearbeiten (F2)</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Delete selected transaction (Del)</source>
            <translation>Ausgewählte Buchung löschen (Entf)</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Empfänger</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>Betrag</translation>
        </message>
        <message>
            <source>Clr</source>
            <translation>Best.</translation>
        </message>
        <message>
            <source>Reconciliation Not Saved</source>
            <translation>Abstimmung nicht gespeichert</translation>
        </message>
        <message>
            <source>The reconciliation could not be saved, and nothing was changed. Please try again.</source>
            <translation>Die Abstimmung konnte nicht gespeichert werden; es wurde nichts geändert. Bitte versuchen Sie es erneut.</translation>
        </message>
        <message>
            <source>Reconciliation Complete</source>
            <translation>Abstimmung abgeschlossen</translation>
        </message>
        <message>
            <source>Account reconciled successfully.</source>
            <translation>Das Konto wurde erfolgreich abgestimmt.</translation>
        </message>
    </context>
    <context>
        <name>RecurringFormDialog</name>
        <message>
            <source>New Recurring Transaction</source>
            <translation>Neue wiederkehrende Buchung</translation>
        </message>
        <message>
            <source>Edit Recurring Transaction</source>
            <translation>Wiederkehrende Buchung bearbeiten</translation>
        </message>
        <message>
            <source>Memorize Transaction</source>
            <translation>Buchung merken</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>Konto:</translation>
        </message>
        <message>
            <source>Payment</source>
            <translation>Zahlung</translation>
        </message>
        <message>
            <source>Deposit</source>
            <translation>Einzahlung</translation>
        </message>
        <message>
            <source>Type:</source>
            <translation>Art:</translation>
        </message>
        <message>
            <source>Start typing to search payees...</source>
            <translation>Tippen, um Zahlungsempfänger zu suchen …</translation>
        </message>
        <message>
            <source>Payee:</source>
            <translation>Zahlungsempfänger:</translation>
        </message>
        <message>
            <source>Amount:</source>
            <translation>Betrag:</translation>
        </message>
        <message>
            <source>Category:</source>
            <translation>Kategorie:</translation>
        </message>
        <message>
            <source>Optional</source>
            <translation>Optional</translation>
        </message>
        <message>
            <source>Memo:</source>
            <translation>Notiz:</translation>
        </message>
        <message>
            <source>Daily</source>
            <translation>Täglich</translation>
        </message>
        <message>
            <source>Weekly</source>
            <translation>Wöchentlich</translation>
        </message>
        <message>
            <source>Bi-weekly</source>
            <translation>Zweiwöchentlich</translation>
        </message>
        <message>
            <source>Monthly</source>
            <translation>Monatlich</translation>
        </message>
        <message>
            <source>Semi-monthly</source>
            <translation>Halbmonatlich</translation>
        </message>
        <message>
            <source>Quarterly</source>
            <translation>Vierteljährlich</translation>
        </message>
        <message>
            <source>Semi-annual</source>
            <translation>Halbjährlich</translation>
        </message>
        <message>
            <source>Annual</source>
            <translation>Jährlich</translation>
        </message>
        <message>
            <source>Frequency:</source>
            <translation>Häufigkeit:</translation>
        </message>
        <message>
            <source>Repeat every:</source>
            <translation>Wiederholen alle:</translation>
        </message>
        <message>
            <source>Last day</source>
            <translation>Letzter Tag</translation>
        </message>
        <message>
            <source>First day:</source>
            <translation>Erster Tag:</translation>
        </message>
        <message>
            <source>Second day:</source>
            <translation>Zweiter Tag:</translation>
        </message>
        <message>
            <source>Start Date:</source>
            <translation>Startdatum:</translation>
        </message>
        <message>
            <source>Has end date</source>
            <translation>Mit Enddatum</translation>
        </message>
        <message>
            <source>End Date:</source>
            <translation>Enddatum:</translation>
        </message>
        <message>
            <source>Auto-post when due</source>
            <translation>Bei Fälligkeit automatisch buchen</translation>
        </message>
        <message>
            <source> days</source>
            <translation> Tage</translation>
        </message>
        <message>
            <source>Enter in advance:</source>
            <translation>Im Voraus buchen:</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Aktiv</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(keine)</translation>
        </message>
        <message>
            <source>day</source>
            <translation>Tag</translation>
        </message>
        <message>
            <source>days</source>
            <translation>Tage</translation>
        </message>
        <message>
            <source>week</source>
            <translation>Woche</translation>
        </message>
        <message>
            <source>weeks</source>
            <translation>Wochen</translation>
        </message>
        <message>
            <source>month</source>
            <translation>Monat</translation>
        </message>
        <message>
            <source>months</source>
            <translation>Monate</translation>
        </message>
        <message>
            <source>quarter</source>
            <translation>Quartal</translation>
        </message>
        <message>
            <source>quarters</source>
            <translation>Quartale</translation>
        </message>
        <message>
            <source>year</source>
            <translation>Jahr</translation>
        </message>
        <message>
            <source>years</source>
            <translation>Jahre</translation>
        </message>
    </context>
    <context>
        <name>RecurringModel</name>
        <message>
            <source>Semi-monthly (%1 &amp; %2)</source>
            <translation>Halbmonatlich (%1 &amp; %2)</translation>
        </message>
        <message>
            <source>Every %1 days</source>
            <translation>Alle %1 Tage</translation>
        </message>
        <message>
            <source>Every %1 weeks</source>
            <translation>Alle %1 Wochen</translation>
        </message>
        <message>
            <source>Every %1 months</source>
            <translation>Alle %1 Monate</translation>
        </message>
        <message>
            <source>Every %1 years</source>
            <translation>Alle %1 Jahre</translation>
        </message>
        <message>
            <source>%1 (×%2)</source>
            <translation>%1 (×%2)</translation>
        </message>
        <message>
            <source>last day</source>
            <translation>letzter Tag</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>Ja</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Nein</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Aktiv</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Inaktiv</translation>
        </message>
        <message>
            <source>Account</source>
            <translation>Konto</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Empfänger</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>Betrag</translation>
        </message>
        <message>
            <source>Frequency</source>
            <translation>Häufigkeit</translation>
        </message>
        <message>
            <source>Next Due</source>
            <translation>Nächste Fälligkeit</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>Auto</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Status</translation>
        </message>
    </context>
    <context>
        <name>RecurringScreen</name>
        <message>
            <source>Recurring Transactions</source>
            <translation>Wiederkehrende Buchungen</translation>
        </message>
        <message>
            <source>Confirm All Due</source>
            <translation>Alle fälligen bestätigen</translation>
        </message>
        <message>
            <source>Enter Next 7 Days</source>
            <translation>Nächste 7 Tage erfassen</translation>
        </message>
        <message>
            <source>New Recurring</source>
            <translation>Neue wiederkehrende</translation>
        </message>
        <message>
            <source>(%1 due)</source>
            <translation>(%1 fällig)</translation>
        </message>
        <message>
            <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
            <translation>Alle in den nächsten 7 Tagen fälligen wiederkehrenden Buchungen erfassen? Sie erhalten ihr Fälligkeitsdatum und lassen sich später bearbeiten oder löschen.</translation>
        </message>
        <message>
            <source>Enter "%1" now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
            <translation>„%1“ jetzt mit Datum %2 erfassen? Die Buchung erhält ihr Fälligkeitsdatum und lässt sich später bearbeiten oder löschen.</translation>
        </message>
        <message>
            <source>Enter Early</source>
            <translation>Vorzeitig erfassen</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Delete recurring "%1"?</source>
            <translation>Wiederkehrende Buchung „%1“ löschen?</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Bearbeiten</translation>
        </message>
        <message>
            <source>&amp;Confirm</source>
            <translation>&amp;Bestätigen</translation>
        </message>
        <message>
            <source>&amp;Skip</source>
            <translation>Über&amp;springen</translation>
        </message>
        <message>
            <source>Enter &amp;Early...</source>
            <translation>&amp;Vorzeitig erfassen...</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Löschen</translation>
        </message>
    </context>
    <context>
        <name>ReportsScreen</name>
        <message>
            <source>Reports</source>
            <translation>Berichte</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>Konto:</translation>
        </message>
        <message>
            <source>Period:</source>
            <translation>Zeitraum:</translation>
        </message>
        <message>
            <source>Export CSV</source>
            <translation>CSV exportieren</translation>
        </message>
        <message>
            <source>Category Spending</source>
            <translation>Ausgaben nach Kategorie</translation>
        </message>
        <message>
            <source>Payee Summary</source>
            <translation>Empfängerübersicht</translation>
        </message>
        <message>
            <source>Tax Report</source>
            <translation>Steuerbericht</translation>
        </message>
        <message>
            <source>Income vs Expenses</source>
            <translation>Einnahmen und Ausgaben</translation>
        </message>
        <message>
            <source>Cash Flow</source>
            <translation>Geldfluss</translation>
        </message>
        <message>
            <source>Year-over-Year</source>
            <translation>Jahresvergleich</translation>
        </message>
        <message>
            <source>Account Summary</source>
            <translation>Kontenübersicht</translation>
        </message>
        <message>
            <source>Transactions</source>
            <translation>Buchungen</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Kategorie</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>Summe</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Empfänger</translation>
        </message>
        <message>
            <source>Count</source>
            <translation>Anzahl</translation>
        </message>
        <message>
            <source>Tax Code</source>
            <translation>Steuerschlüssel</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Monat</translation>
        </message>
        <message>
            <source>Income</source>
            <translation>Einnahmen</translation>
        </message>
        <message>
            <source>Expenses</source>
            <translation>Ausgaben</translation>
        </message>
        <message>
            <source>Net</source>
            <translation>Saldo</translation>
        </message>
        <message>
            <source>Inflows</source>
            <translation>Zuflüsse</translation>
        </message>
        <message>
            <source>Outflows</source>
            <translation>Abflüsse</translation>
        </message>
        <message>
            <source>Period 1</source>
            <translation>Zeitraum 1</translation>
        </message>
        <message>
            <source>Period 2</source>
            <translation>Zeitraum 2</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>Differenz</translation>
        </message>
        <message>
            <source>Account</source>
            <translation>Konto</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>Art</translation>
        </message>
        <message>
            <source>Cleared</source>
            <translation>Bestätigt</translation>
        </message>
        <message>
            <source>Uncleared</source>
            <translation>Nicht bestätigt</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>Notiz</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>Betrag</translation>
        </message>
        <message>
            <source>Compare:</source>
            <translation>Vergleichen:</translation>
        </message>
        <message>
            <source>This Year vs Last Year</source>
            <translation>Dieses Jahr mit Vorjahr</translation>
        </message>
        <message>
            <source>Last Year vs Year Before</source>
            <translation>Vorjahr mit dem Jahr davor</translation>
        </message>
        <message>
            <source>This Quarter vs Last Quarter</source>
            <translation>Dieses Quartal mit Vorquartal</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>Benutzerdefiniert</translation>
        </message>
        <message>
            <source>P1:</source>
            <translation>Z1:</translation>
        </message>
        <message>
            <source>P2:</source>
            <translation>Z2:</translation>
        </message>
        <message>
            <source>P1: %1 – %2    P2: %3 – %4</source>
            <translation>Z1: %1 – %2    Z2: %3 – %4</translation>
        </message>
        <message>
            <source>All Accounts</source>
            <translation>Alle Konten</translation>
        </message>
        <message>
            <source>These accounts are held in different currencies, so combined figures would not add up. Choose a single account to see the category, payee, tax, income and cash-flow reports.</source>
            <translation>Diese Konten werden in verschiedenen Währungen geführt, daher ergäben zusammengefasste Zahlen keine sinnvolle Summe. Wählen Sie ein einzelnes Konto, um die Berichte zu Kategorien, Empfängern, Steuern, Einnahmen und Geldfluss zu sehen.</translation>
        </message>
        <message>
            <source>The tax report covers every account, and they are held in different currencies, so its totals would not add up.</source>
            <translation>Der Steuerbericht umfasst alle Konten, und diese werden in verschiedenen Währungen geführt, daher ergäben seine Summen keinen Sinn.</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>CSV-Dateien (*.csv)</translation>
        </message>
        <message>
            <source>The report could not be written to %1: %2</source>
            <translation>Der Bericht konnte nicht in %1 geschrieben werden: %2</translation>
        </message>
        <message>
            <source>This Month</source>
            <translation>Dieser Monat</translation>
        </message>
        <message>
            <source>Last Month</source>
            <translation>Vormonat</translation>
        </message>
        <message>
            <source>This Quarter</source>
            <translation>Dieses Quartal</translation>
        </message>
        <message>
            <source>Last Quarter</source>
            <translation>Vorquartal</translation>
        </message>
        <message>
            <source>This Year</source>
            <translation>Dieses Jahr</translation>
        </message>
        <message>
            <source>Last Year</source>
            <translation>Vorjahr</translation>
        </message>
        <message>
            <source>Last 30 Days</source>
            <translation>Letzte 30 Tage</translation>
        </message>
        <message>
            <source>Last 90 Days</source>
            <translation>Letzte 90 Tage</translation>
        </message>
        <message>
            <source>Last 12 Months</source>
            <translation>Letzte 12 Monate</translation>
        </message>
        <message>
            <source>All Time</source>
            <translation>Gesamter Zeitraum</translation>
        </message>
    </context>
    <context>
        <name>SearchScreen</name>
        <message>
            <source>Search payee, memo, check number...</source>
            <translation>Empfänger, Notiz, Schecknummer suchen...</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>Konto:</translation>
        </message>
        <message>
            <source>All Accounts</source>
            <translation>Alle Konten</translation>
        </message>
        <message>
            <source>Category:</source>
            <translation>Kategorie:</translation>
        </message>
        <message>
            <source>All Categories</source>
            <translation>Alle Kategorien</translation>
        </message>
        <message>
            <source>Date range:</source>
            <translation>Zeitraum:</translation>
        </message>
        <message>
            <source>to</source>
            <translation>bis</translation>
        </message>
        <message>
            <source>Cleared only</source>
            <translation>Nur bestätigte</translation>
        </message>
        <message>
            <source>Show &amp;Details...</source>
            <translation>&amp;Details anzeigen...</translation>
        </message>
        <message>
            <source>Edit &amp;Splits...</source>
            <translation>&amp;Aufteilung bearbeiten...</translation>
        </message>
        <message>
            <source>&amp;Split Transaction...</source>
            <translation>Buchung &amp;aufteilen...</translation>
        </message>
        <message>
            <source>&amp;Edit in Dialog...</source>
            <translation>Im Dialog &amp;bearbeiten...</translation>
        </message>
        <message>
            <source>D&amp;uplicate...</source>
            <translation>&amp;Duplizieren...</translation>
        </message>
        <message>
            <source>Mark &amp;Uncleared</source>
            <translation>Als &amp;nicht bestätigt markieren</translation>
        </message>
        <message>
            <source>Mark &amp;Cleared</source>
            <translation>Als &amp;bestätigt markieren</translation>
        </message>
        <message>
            <source>&amp;Delete...</source>
            <translation>&amp;Löschen...</translation>
        </message>
    </context>
    <context>
        <name>SettingsDataSyncPage</name>
        <message>
            <source>Data &amp; Sync</source>
            <translation>Daten &amp; Sync</translation>
        </message>
        <message>
            <source>Sync</source>
            <translation>Synchronisierung</translation>
        </message>
        <message>
            <source>Keep your vellumry in sync across all your devices.</source>
            <translation>Halten Sie Ihr Kassenbuch auf allen Geräten synchron.</translation>
        </message>
        <message>
            <source>Backup &amp; Restore</source>
            <translation>Sichern &amp; Wiederherstellen</translation>
        </message>
        <message>
            <source>Save or restore your data to a portable backup file.</source>
            <translation>Sichern Sie Ihre Daten in einer Sicherungsdatei oder stellen Sie sie daraus wieder her.</translation>
        </message>
        <message>
            <source>Sync Now</source>
            <translation>Jetzt synchronisieren</translation>
        </message>
        <message>
            <source>Force Full Sync</source>
            <translation>Vollständige Synchronisierung erzwingen</translation>
        </message>
        <message>
            <source>Export Backup</source>
            <translation>Sicherung exportieren</translation>
        </message>
        <message>
            <source>Import Backup</source>
            <translation>Sicherung importieren</translation>
        </message>
        <message>
            <source>Deleted Accounts</source>
            <translation>Gelöschte Konten</translation>
        </message>
        <message>
            <source>Accounts you've deleted can be restored here.</source>
            <translation>Gelöschte Konten können Sie hier wiederherstellen.</translation>
        </message>
        <message>
            <source>Restore Selected</source>
            <translation>Auswahl wiederherstellen</translation>
        </message>
        <message>
            <source>Not signed in.
Sign in via File › Orvalen Account to enable sync.</source>
            <translation>Nicht angemeldet.
Melden Sie sich über Datei › Orvalen-Konto an, um die Synchronisierung zu aktivieren.</translation>
        </message>
        <message>
            <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style="color:%2"&gt;%3&lt;/span&gt;</source>
            <translation>&lt;b&gt;Angemeldet als:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style="color:%2"&gt;%3&lt;/span&gt;</translation>
        </message>
        <message>
            <source>Never synced</source>
            <translation>Noch nie synchronisiert</translation>
        </message>
        <message>
            <source>Last synced: %1</source>
            <translation>Zuletzt synchronisiert: %1</translation>
        </message>
        <message>
            <source>
Error: %1</source>
            <translation>
Fehler: %1</translation>
        </message>
        <message>
            <source>Syncing...</source>
            <translation>Synchronisiere …</translation>
        </message>
        <message>
            <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
            <translation>Dadurch werden alle lokalen Daten erneut auf den Server hochgeladen und alle Serverdaten erneut heruntergeladen. Verwenden Sie dies, wenn Daten zwischen Geräten nicht übereinstimmen.

Fortfahren?</translation>
        </message>
        <message>
            <source>ZIP Files (*.zip)</source>
            <translation>ZIP-Dateien (*.zip)</translation>
        </message>
        <message>
            <source>Exporting...</source>
            <translation>Exportiere …</translation>
        </message>
        <message>
            <source>Backup Failed</source>
            <translation>Sicherung fehlgeschlagen</translation>
        </message>
        <message>
            <source>The backup could not be made from the ledger.</source>
            <translation>Aus dem Kassenbuch konnte keine Sicherung erstellt werden.</translation>
        </message>
        <message>
            <source>Backup Complete</source>
            <translation>Sicherung abgeschlossen</translation>
        </message>
        <message>
            <source>Backup saved to:
%1</source>
            <translation>Sicherung gespeichert unter:
%1</translation>
        </message>
        <message>
            <source>Could not write to:
%1</source>
            <translation>Konnte nicht schreiben in:
%1</translation>
        </message>
        <message>
            <source>Keep newer (compare timestamps)</source>
            <translation>Neuere behalten (Zeitstempel vergleichen)</translation>
        </message>
        <message>
            <source>Skip existing items</source>
            <translation>Vorhandene Einträge überspringen</translation>
        </message>
        <message>
            <source>Import Mode</source>
            <translation>Importmodus</translation>
        </message>
        <message>
            <source>How should existing data be handled?</source>
            <translation>Wie sollen vorhandene Daten behandelt werden?</translation>
        </message>
        <message>
            <source>Replace all with backup data</source>
            <translation>Alles durch die Sicherung ersetzen</translation>
        </message>
        <message>
            <source>Import Failed</source>
            <translation>Import fehlgeschlagen</translation>
        </message>
        <message>
            <source>Could not read file.</source>
            <translation>Die Datei konnte nicht gelesen werden.</translation>
        </message>
        <message>
            <source>Importing...</source>
            <translation>Importiere …</translation>
        </message>
        <message>
            <source>Imported %1 items, skipped %2.</source>
            <translation>%1 Einträge importiert, %2 übersprungen.</translation>
        </message>
        <message numerus="yes">
            <source>

%n error(s) occurred.</source>
            <translation>
                <numerusform>

%n Fehler ist aufgetreten.</numerusform>
                <numerusform>

%n Fehler sind aufgetreten.</numerusform>
            </translation>
        </message>
        <message>
            <source>Import Complete</source>
            <translation>Import abgeschlossen</translation>
        </message>
    </context>
    <context>
        <name>SettingsScreen</name>
        <message>
            <source>General</source>
            <translation>Allgemein</translation>
        </message>
        <message>
            <source>Register</source>
            <translation>Kontoblatt</translation>
        </message>
        <message>
            <source>Data &amp; Sync</source>
            <translation>Daten &amp; Sync</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Über</translation>
        </message>
        <message>
            <source>Appearance</source>
            <translation>Erscheinungsbild</translation>
        </message>
        <message>
            <source>Control how Orvalen Vellumry looks.</source>
            <translation>Legen Sie fest, wie Orvalen Vellumry aussieht.</translation>
        </message>
        <message>
            <source>System Default</source>
            <translation>Systemstandard</translation>
        </message>
        <message>
            <source>Light</source>
            <translation>Hell</translation>
        </message>
        <message>
            <source>Dark</source>
            <translation>Dunkel</translation>
        </message>
        <message>
            <source>Theme</source>
            <translation>Design</translation>
        </message>
        <message>
            <source>Choose accent color</source>
            <translation>Akzentfarbe wählen</translation>
        </message>
        <message>
            <source>Accent color</source>
            <translation>Akzentfarbe</translation>
        </message>
        <message>
            <source>Small</source>
            <translation>Klein</translation>
        </message>
        <message>
            <source>Default</source>
            <translation>Standard</translation>
        </message>
        <message>
            <source>Medium</source>
            <translation>Mittel</translation>
        </message>
        <message>
            <source>Large</source>
            <translation>Groß</translation>
        </message>
        <message>
            <source>Extra Large</source>
            <translation>Sehr groß</translation>
        </message>
        <message>
            <source>Font size</source>
            <translation>Schriftgröße</translation>
        </message>
        <message>
            <source>Regional</source>
            <translation>Region</translation>
        </message>
        <message>
            <source>Date and calendar preferences.</source>
            <translation>Einstellungen für Datum und Kalender.</translation>
        </message>
        <message>
            <source>Sunday</source>
            <translation>Sonntag</translation>
        </message>
        <message>
            <source>Monday</source>
            <translation>Montag</translation>
        </message>
        <message>
            <source>Saturday</source>
            <translation>Samstag</translation>
        </message>
        <message>
            <source>Week starts on</source>
            <translation>Woche beginnt am</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Sprache</translation>
        </message>
        <message>
            <source>Display</source>
            <translation>Anzeige</translation>
        </message>
        <message>
            <source>How transactions appear in the register.</source>
            <translation>Wie Buchungen im Kontoblatt erscheinen.</translation>
        </message>
        <message>
            <source>Two-line rows</source>
            <translation>Zweizeilige Zeilen</translation>
        </message>
        <message>
            <source>Show memo on a second line below the payee.</source>
            <translation>Die Notiz in einer zweiten Zeile unter dem Empfänger anzeigen.</translation>
        </message>
        <message>
            <source>Auto-decimal point</source>
            <translation>Automatisches Dezimalkomma</translation>
        </message>
        <message>
            <source>Type 1234 to enter 12.34. The last two digits are always cents.</source>
            <translation>Geben Sie 1234 ein, um 12,34 einzutragen. Die letzten beiden Ziffern sind immer Cent.</translation>
        </message>
        <message>
            <source>Highlight overdrawn rows</source>
            <translation>Überzogene Zeilen hervorheben</translation>
        </message>
        <message>
            <source>Shades the whole row when the running balance is below zero. The balance itself is always shown in red, so you can turn this off and still spot it. Credit cards and loans are never shaded.</source>
            <translation>Hinterlegt die ganze Zeile, wenn der laufende Saldo unter null liegt. Der Saldo selbst wird immer rot angezeigt, sodass Sie ihn auch ohne diese Option erkennen. Kreditkarten und Darlehen werden nie hinterlegt.</translation>
        </message>
        <message>
            <source>Current balance</source>
            <translation>Aktueller Saldo</translation>
        </message>
        <message>
            <source>Cleared balance</source>
            <translation>Abgeglichener Saldo</translation>
        </message>
        <message>
            <source>Balance as of today</source>
            <translation>Saldo zum heutigen Tag</translation>
        </message>
        <message>
            <source>Account list shows</source>
            <translation>Kontoliste zeigt</translation>
        </message>
        <message>
            <source>Cleared counts only transactions you have marked cleared. Balance as of today leaves out anything dated later, such as scheduled bills.</source>
            <translation>„Abgeglichen“ zählt nur Buchungen, die Sie als abgeglichen markiert haben. „Zum heutigen Tag“ lässt alles mit späterem Datum weg, etwa geplante Rechnungen.</translation>
        </message>
        <message>
            <source>Sorting</source>
            <translation>Sortierung</translation>
        </message>
        <message>
            <source>Control the order of transactions in the register.</source>
            <translation>Legen Sie die Reihenfolge der Buchungen im Kontoblatt fest.</translation>
        </message>
        <message>
            <source>Show newest transactions first</source>
            <translation>Neueste Buchungen zuerst anzeigen</translation>
        </message>
        <message>
            <source>When enabled, the most recent transactions appear at the top.</source>
            <translation>Wenn aktiviert, stehen die neuesten Buchungen oben.</translation>
        </message>
        <message>
            <source>Orvalen Vellumry</source>
            <translation>Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Version %1</source>
            <translation>Version %1</translation>
        </message>
        <message>
            <source>A digital vellumry register for tracking household finances.</source>
            <translation>Ein digitales Kassenbuch für die Haushaltsfinanzen.</translation>
        </message>
        <message>
            <source>Links</source>
            <translation>Links</translation>
        </message>
        <message>
            <source>Orvalen Vellumry for iPhone and Android</source>
            <translation>Orvalen Vellumry für iPhone und Android</translation>
        </message>
        <message>
            <source>© Orvalen Works. All rights reserved.</source>
            <translation>© Orvalen Works. Alle Rechte vorbehalten.</translation>
        </message>
        <message>
            <source>This application uses the Qt framework under the LGPL v3 license.</source>
            <translation>Diese Anwendung verwendet das Qt-Framework unter der Lizenz LGPL v3.</translation>
        </message>
        <message>
            <source>Language Changed</source>
            <translation>Sprache geändert</translation>
        </message>
        <message>
            <source>The new language will take effect the next time you start Orvalen Vellumry.</source>
            <translation>Die neue Sprache gilt ab dem nächsten Start von Orvalen Vellumry.</translation>
        </message>
    </context>
    <context>
        <name>WelcomeScreen</name>
        <message>
            <source>Welcome to
Orvalen Vellumry</source>
            <translation>Willkommen bei
Orvalen Vellumry</translation>
        </message>
        <message>
            <source>A digital vellumry register.</source>
            <translation>Ein digitales Kassenbuch.</translation>
        </message>
        <message>
            <source>Your session has ended. Sign back in to keep syncing.</source>
            <translation>Ihre Sitzung ist abgelaufen. Melden Sie sich wieder an, um weiter zu synchronisieren.</translation>
        </message>
        <message>
            <source>Works fully offline. Your data stays on this device.</source>
            <translation>Funktioniert vollständig offline. Ihre Daten bleiben auf diesem Gerät.</translation>
        </message>
        <message>
            <source>Create Your First Account</source>
            <translation>Erstes Konto anlegen</translation>
        </message>
        <message>
            <source>Already have an account? Sign In</source>
            <translation>Bereits ein Konto? Anmelden</translation>
        </message>
        <message>
            <source>How it works</source>
            <translation>So funktioniert es</translation>
        </message>
        <message>
            <source>Add an account (checking, savings, credit card, or any account you'd like to track).</source>
            <translation>Legen Sie ein Konto an (Girokonto, Sparkonto, Kreditkarte oder jedes andere Konto, das Sie verfolgen möchten).</translation>
        </message>
        <message>
            <source>Record transactions as you spend.</source>
            <translation>Erfassen Sie Buchungen, während Sie ausgeben.</translation>
        </message>
        <message>
            <source>Reconcile when your statement arrives.</source>
            <translation>Gleichen Sie ab, wenn Ihr Kontoauszug eintrifft.</translation>
        </message>
        <message>
            <source>Welcome back</source>
            <translation>Willkommen zurück</translation>
        </message>
        <message>
            <source>Sign in to keep your data synced across devices.</source>
            <translation>Melden Sie sich an, um Ihre Daten geräteübergreifend zu synchronisieren.</translation>
        </message>
        <message>
            <source>Sign In</source>
            <translation>Anmelden</translation>
        </message>
        <message>
            <source>Create a different account</source>
            <translation>Ein anderes Konto anlegen</translation>
        </message>
    </context>
</TS>
