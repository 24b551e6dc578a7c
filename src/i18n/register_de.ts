<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
    <context>
        <name>RegisterColumnLayout</name>
        <message>
            <source>Show columns</source>
            <translation>Spalten anzeigen</translation>
        </message>
        <message>
            <source>Reset register layout</source>
            <translation>Kontoblatt-Layout zurücksetzen</translation>
        </message>
    </context>
    <context>
        <name>RegisterCommitNotice</name>
        <message>
            <source>Payee is required</source>
            <translation>Empfänger ist erforderlich</translation>
        </message>
        <message>
            <source>Enter a payment or deposit amount</source>
            <translation>Geben Sie einen Zahlungs- oder Einzahlungsbetrag ein</translation>
        </message>
        <message>
            <source>Amount not understood: %1</source>
            <translation>Betrag nicht verstanden: %1</translation>
        </message>
        <message>
            <source>The transaction could not be saved. Please try again.</source>
            <translation>Die Buchung konnte nicht gespeichert werden. Bitte versuchen Sie es erneut.</translation>
        </message>
        <message>
            <source>Opening Balance</source>
            <translation>Anfangssaldo</translation>
        </message>
        <message>
            <source>This account's opening balance is held on the account itself.

Set it in the account's settings.</source>
            <translation>Der Anfangssaldo dieses Kontos ist beim Konto selbst hinterlegt.

Legen Sie ihn in den Kontoeinstellungen fest.</translation>
        </message>
        <message>
            <source>This transaction was deleted meanwhile, so nothing was saved.</source>
            <translation>Diese Buchung wurde inzwischen gelöscht; es wurde nichts gespeichert.</translation>
        </message>
        <message>
            <source>Amount too large: %1. The largest amount is %2.</source>
            <translation>Betrag zu groß: %1. Der größte Betrag ist %2.</translation>
        </message>
    </context>
    <context>
        <name>RegisterDelegate</name>
        <message>
            <source>Memo</source>
            <translation>Notiz</translation>
        </message>
    </context>
    <context>
        <name>RegisterFigureLabels</name>
        <message>
            <source>Cleared</source>
            <translation>Bestätigt</translation>
        </message>
        <message>
            <source>Uncleared</source>
            <translation>Nicht bestätigt</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Saldo</translation>
        </message>
    </context>
    <context>
        <name>RegisterFilterDialog</name>
        <message>
            <source>Filters</source>
            <translation>Filter</translation>
        </message>
        <message>
            <source>All</source>
            <translation>Alle</translation>
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
            <source>Limit to a date range</source>
            <translation>Auf einen Zeitraum beschränken</translation>
        </message>
        <message>
            <source>Status:</source>
            <translation>Status:</translation>
        </message>
        <message>
            <source>to</source>
            <translation>bis</translation>
        </message>
        <message>
            <source>Dates:</source>
            <translation>Datum:</translation>
        </message>
        <message>
            <source>Category:</source>
            <translation>Kategorie:</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Fertig</translation>
        </message>
        <message>
            <source>Clear All</source>
            <translation>Alle zurücksetzen</translation>
        </message>
        <message>
            <source>All Categories</source>
            <translation>Alle Kategorien</translation>
        </message>
    </context>
    <context>
        <name>RegisterHeaderBar</name>
        <message>
            <source>&amp;New Transaction</source>
            <translation>&amp;Neue Buchung</translation>
        </message>
        <message>
            <source>Add a transaction using the full form</source>
            <translation>Eine Buchung im vollständigen Formular erfassen</translation>
        </message>
        <message>
            <source>&amp;Reconcile</source>
            <translation>&amp;Abstimmen</translation>
        </message>
        <message>
            <source>Fi&amp;lter (%1)</source>
            <translation>Fi&amp;lter (%1)</translation>
        </message>
        <message>
            <source>Fi&amp;lter</source>
            <translation>Fi&amp;lter</translation>
        </message>
        <message>
            <source>Filters are applied. Click to change or clear them.</source>
            <translation>Filter sind aktiv. Klicken, um sie zu ändern oder aufzuheben.</translation>
        </message>
        <message>
            <source>Filter which transactions are listed</source>
            <translation>Festlegen, welche Buchungen angezeigt werden</translation>
        </message>
    </context>
    <context>
        <name>RegisterModel</name>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
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
            <source>Balance</source>
            <translation>Saldo</translation>
        </message>
        <message>
            <source>—Split—</source>
            <translation>—Aufgeteilt—</translation>
        </message>
        <message>
            <source>Chk #</source>
            <translation>Nr.</translation>
        </message>
        <message>
            <source>Clr</source>
            <translation>Abg.</translation>
        </message>
    </context>
    <context>
        <name>RegisterOpeningBanner</name>
        <message>
            <source>No, it is a credit</source>
            <translation>Nein, es ist ein Guthaben</translation>
        </message>
        <message>
            <source>Yes, I owe this</source>
            <translation>Ja, das schulde ich</translation>
        </message>
        <message>
            <source>This account's opening balance is recorded as a credit of %1. If you meant that you owe %1, Vellumry can correct it.</source>
            <translation>Der Anfangssaldo dieses Kontos ist als Guthaben von %1 erfasst. Wenn Sie %1 schulden, kann Vellumry das korrigieren.</translation>
        </message>
    </context>
    <context>
        <name>RegisterRowCommands</name>
        <message>
            <source>Cannot memorize: source transaction has an invalid date</source>
            <translation>Merken nicht möglich: Die Ausgangsbuchung hat ein ungültiges Datum</translation>
        </message>
        <message>
            <source>Transaction memorized as recurring</source>
            <translation>Buchung als wiederkehrend gemerkt</translation>
        </message>
        <message>
            <source>&amp;Insert New</source>
            <translation>Neu &amp;einfügen</translation>
        </message>
        <message>
            <source>&amp;New Transaction...</source>
            <translation>&amp;Neue Buchung...</translation>
        </message>
        <message>
            <source>&amp;Edit in Dialog...</source>
            <translation>Im Dialog &amp;bearbeiten...</translation>
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
            <source>D&amp;uplicate...</source>
            <translation>D&amp;uplizieren...</translation>
        </message>
        <message>
            <source>Mark &amp;Uncleared</source>
            <translation>Als nich&amp;t bestätigt markieren</translation>
        </message>
        <message>
            <source>Mark &amp;Cleared</source>
            <translation>Als bes&amp;tätigt markieren</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Löschen</translation>
        </message>
    </context>
    <context>
        <name>RegisterScreen</name>
        <message>
            <source>Saved. It isn't listed because of the current filter.</source>
            <translation>Gespeichert. Wegen des aktuellen Filters wird die Buchung nicht angezeigt.</translation>
        </message>
        <message>
            <source>Fields cleared</source>
            <translation>Felder geleert</translation>
        </message>
    </context>
    <context>
        <name>RegisterStatusLine</name>
        <message>
            <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above</source>
            <translation>%1: speichern  |  Enter: weiter  |  %2: löschen  |  %3: merken  |  ': von oben kopieren</translation>
        </message>
    </context>
    <context>
        <name>SplitEditorDialog</name>
        <message>
            <source>Split Transaction</source>
            <translation>Buchung aufteilen</translation>
        </message>
        <message>
            <source>Total: %1</source>
            <translation>Gesamt: %1</translation>
        </message>
        <message>
            <source>Remaining: %1</source>
            <translation>Verbleibend: %1</translation>
        </message>
    </context>
    <context>
        <name>SplitLinesWidget</name>
        <message>
            <source>(none)</source>
            <translation>(keine)</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Kategorie</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>Betrag</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>Notiz</translation>
        </message>
        <message>
            <source>+ Add Line</source>
            <translation>+ Zeile hinzufügen</translation>
        </message>
        <message>
            <source>- Remove</source>
            <translation>- Entfernen</translation>
        </message>
    </context>
    <context>
        <name>TransactionActions</name>
        <message>
            <source>Transaction Not Saved</source>
            <translation>Buchung nicht gespeichert</translation>
        </message>
        <message>
            <source>The transaction could not be saved, and nothing was changed. Please try again.</source>
            <translation>Die Buchung konnte nicht gespeichert werden; es wurde nichts geändert. Bitte versuchen Sie es erneut.</translation>
        </message>
        <message>
            <source>Transfer account not found</source>
            <translation>Zielkonto der Umbuchung nicht gefunden</translation>
        </message>
        <message>
            <source>Transfers require both accounts to use the same currency</source>
            <translation>Für Umbuchungen müssen beide Konten dieselbe Währung verwenden</translation>
        </message>
        <message>
            <source>A transfer can't be split across categories</source>
            <translation>Eine Umbuchung kann nicht auf mehrere Kategorien aufgeteilt werden</translation>
        </message>
        <message>
            <source>Transfer</source>
            <translation>Umbuchung</translation>
        </message>
        <message>
            <source>Opening Balance</source>
            <translation>Anfangssaldo</translation>
        </message>
        <message>
            <source>The opening balance can't be removed. Every account has one.

To clear it, set it to zero in the account's settings.</source>
            <translation>Der Anfangssaldo kann nicht entfernt werden. Jedes Konto hat einen.

Um ihn zu leeren, setzen Sie ihn in den Kontoeinstellungen auf null.</translation>
        </message>
        <message>
            <source>Delete "%1" for %2?</source>
            <translation>„%1“ über %2 löschen?</translation>
        </message>
        <message>
            <source>Delete transfer "%1" for %2?

Both sides of the transfer will be deleted.</source>
            <translation>Umbuchung „%1“ über %2 löschen?

Beide Seiten der Umbuchung werden gelöscht.</translation>
        </message>
        <message>
            <source>Delete Transaction</source>
            <translation>Buchung löschen</translation>
        </message>
        <message>
            <source>Transaction Not Deleted</source>
            <translation>Buchung nicht gelöscht</translation>
        </message>
        <message>
            <source>The transaction could not be deleted, and nothing was changed. Please try again.</source>
            <translation>Die Buchung konnte nicht gelöscht werden; es wurde nichts geändert. Bitte versuchen Sie es erneut.</translation>
        </message>
    </context>
    <context>
        <name>TransactionDetailsDialog</name>
        <message>
            <source>Transaction Details</source>
            <translation>Buchungsdetails</translation>
        </message>
        <message>
            <source>Reconciled</source>
            <translation>Abgestimmt</translation>
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
            <source>Date:</source>
            <translation>Datum:</translation>
        </message>
        <message>
            <source>Payee:</source>
            <translation>Empfänger:</translation>
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
            <source>—Split—</source>
            <translation>—Aufgeteilt—</translation>
        </message>
        <message>
            <source>Memo:</source>
            <translation>Notiz:</translation>
        </message>
        <message>
            <source>Check #:</source>
            <translation>Scheck-Nr.:</translation>
        </message>
        <message>
            <source>Transfer to:</source>
            <translation>Umbuchung auf:</translation>
        </message>
        <message>
            <source>Status:</source>
            <translation>Status:</translation>
        </message>
        <message>
            <source>Split lines</source>
            <translation>Aufteilung</translation>
        </message>
        <message>
            <source>(no split lines on record)</source>
            <translation>(keine Aufteilungszeilen gespeichert)</translation>
        </message>
        <message>
            <source>(uncategorized)</source>
            <translation>(ohne Kategorie)</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>Gesamt</translation>
        </message>
        <message>
            <source>Entered: %1</source>
            <translation>Erfasst: %1</translation>
        </message>
        <message>
            <source>Last modified: %1</source>
            <translation>Zuletzt geändert: %1</translation>
        </message>
        <message>
            <source>Edit...</source>
            <translation>Bearbeiten...</translation>
        </message>
        <message>
            <source>Duplicate...</source>
            <translation>Duplizieren...</translation>
        </message>
        <message>
            <source>Mark Uncleared</source>
            <translation>Als nicht bestätigt markieren</translation>
        </message>
        <message>
            <source>Mark Cleared</source>
            <translation>Als bestätigt markieren</translation>
        </message>
        <message>
            <source>Delete...</source>
            <translation>Löschen...</translation>
        </message>
    </context>
    <context>
        <name>TransactionFormDialog</name>
        <message>
            <source>Edit Transaction</source>
            <translation>Buchung bearbeiten</translation>
        </message>
        <message>
            <source>New Transaction</source>
            <translation>Neue Buchung</translation>
        </message>
        <message>
            <source>This is the account's opening balance. Changing the amount or date shifts every balance after it.</source>
            <translation>Dies ist der Anfangssaldo des Kontos. Wenn Sie Betrag oder Datum ändern, verschieben sich alle späteren Salden.</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Belastung</translation>
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
            <source>Transfer</source>
            <translation>Umbuchung</translation>
        </message>
        <message>
            <source>Type:</source>
            <translation>Art:</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>Datum:</translation>
        </message>
        <message>
            <source>Start typing to search payees...</source>
            <translation>Tippen Sie, um Empfänger zu suchen...</translation>
        </message>
        <message>
            <source>Payee:</source>
            <translation>Empfänger:</translation>
        </message>
        <message>
            <source>No other account in this currency to transfer into</source>
            <translation>Kein anderes Konto in dieser Währung für eine Umbuchung</translation>
        </message>
        <message>
            <source>Amount:</source>
            <translation>Betrag:</translation>
        </message>
        <message>
            <source>Split...</source>
            <translation>Aufteilen...</translation>
        </message>
        <message>
            <source>Split this transaction across multiple categories with their own amounts and memos.</source>
            <translation>Diese Buchung mit eigenen Beträgen und Notizen auf mehrere Kategorien aufteilen.</translation>
        </message>
        <message>
            <source>Use single category</source>
            <translation>Eine Kategorie verwenden</translation>
        </message>
        <message>
            <source>Drop the split and return to a single-category transaction.</source>
            <translation>Aufteilung verwerfen und zu einer Buchung mit einer Kategorie zurückkehren.</translation>
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
            <source>Check #:</source>
            <translation>Scheck-Nr.:</translation>
        </message>
        <message>
            <source>Cleared</source>
            <translation>Bestätigt</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(keine)</translation>
        </message>
        <message>
            <source>%1 (deleted)</source>
            <translation>%1 (gelöscht)</translation>
        </message>
        <message>
            <source>(account no longer available)</source>
            <translation>(Konto nicht mehr verfügbar)</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>Konto:</translation>
        </message>
        <message>
            <source>—Split—</source>
            <translation>—Aufgeteilt—</translation>
        </message>
    </context>
    <context>
        <name>TypedInputCheck</name>
        <message>
            <source>Amount not understood: %1</source>
            <translation>Betrag nicht verstanden: %1</translation>
        </message>
        <message>
            <source>Date not understood: %1</source>
            <translation>Datum nicht verstanden: %1</translation>
        </message>
    </context>
</TS>
