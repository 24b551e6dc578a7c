<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
    <context>
        <name>AccountActions</name>
        <message>
            <source>Select an account first</source>
            <translation>Bitte zuerst ein Konto auswählen</translation>
        </message>
        <message>
            <source>New Account</source>
            <translation>Neues Konto</translation>
        </message>
        <message>
            <source>The account could not be saved.</source>
            <translation>Das Konto konnte nicht gespeichert werden.</translation>
        </message>
        <message>
            <source>Change currency?</source>
            <translation>Währung ändern?</translation>
        </message>
        <message numerus="yes">
            <source>This account has %n transfer(s) to accounts in another currency. Those transfers will no longer add up, and any recurring transfer between them will stop posting until you fix it. Existing entries are not converted.</source>
            <translation>
                <numerusform>Dieses Konto hat %n Umbuchung auf Konten in einer anderen Währung. Diese Umbuchungen gehen dann nicht mehr auf, und wiederkehrende Umbuchungen zwischen ihnen werden nicht mehr gebucht, bis Sie das beheben. Vorhandene Einträge werden nicht umgerechnet.</numerusform>
                <numerusform>Dieses Konto hat %n Umbuchungen auf Konten in einer anderen Währung. Diese Umbuchungen gehen dann nicht mehr auf, und wiederkehrende Umbuchungen zwischen ihnen werden nicht mehr gebucht, bis Sie das beheben. Vorhandene Einträge werden nicht umgerechnet.</numerusform>
            </translation>
        </message>
        <message>
            <source>Starting Balance</source>
            <translation>Anfangssaldo</translation>
        </message>
        <message>
            <source>Edit Account</source>
            <translation>Konto bearbeiten</translation>
        </message>
        <message>
            <source>Delete "%1"?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
            <translation>„%1“ löschen?

Alle Buchungen, wiederkehrenden Einträge und der Abstimmungsverlauf dieses Kontos werden entfernt. Sie können es unter Einstellungen → Daten &amp; Synchronisierung wiederherstellen.</translation>
        </message>
        <message>
            <source>Delete Account</source>
            <translation>Konto löschen</translation>
        </message>
        <message>
            <source>The account could not be deleted.</source>
            <translation>Das Konto konnte nicht gelöscht werden.</translation>
        </message>
        <message>
            <source>Sign In Required</source>
            <translation>Anmeldung erforderlich</translation>
        </message>
        <message>
            <source>Sharing requires a Orvalen account.</source>
            <translation>Zum Teilen ist ein Orvalen-Konto erforderlich.</translation>
        </message>
        <message>
            <source>Learn More</source>
            <translation>Mehr erfahren</translation>
        </message>
        <message>
            <source>Share Account</source>
            <translation>Konto teilen</translation>
        </message>
        <message>
            <source>Sharing: %1</source>
            <translation>Teilen: %1</translation>
        </message>
        <message>
            <source>Share this account with members of your Orvalen family group. They'll see the same register, balances, and reconciliation history on their devices.</source>
            <translation>Teilen Sie dieses Konto mit Mitgliedern Ihrer Orvalen-Familiengruppe. Sie sehen auf ihren Geräten dasselbe Kassenbuch, dieselben Salden und denselben Abstimmungsverlauf.</translation>
        </message>
        <message>
            <source>Shared with</source>
            <translation>Geteilt mit</translation>
        </message>
        <message>
            <source>Not shared with anyone yet.</source>
            <translation>Noch mit niemandem geteilt.</translation>
        </message>
        <message>
            <source>You are not in a family group yet. Create one or join one under File › Orvalen Account, then share this account with its members.</source>
            <translation>Sie gehören noch keiner Familiengruppe an. Erstellen Sie eine oder treten Sie einer bei unter Datei › Orvalen-Konto, und teilen Sie dieses Konto dann mit ihren Mitgliedern.</translation>
        </message>
        <message>
            <source>Share</source>
            <translation>Teilen</translation>
        </message>
        <message>
            <source>Remove access</source>
            <translation>Zugriff entfernen</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Share Failed</source>
            <translation>Teilen fehlgeschlagen</translation>
        </message>
        <message>
            <source>Remove Failed</source>
            <translation>Entfernen fehlgeschlagen</translation>
        </message>
        <message>
            <source>Remove Share</source>
            <translation>Freigabe entfernen</translation>
        </message>
        <message>
            <source>Remove %1's access to this account?</source>
            <translation>Den Zugriff von %1 auf dieses Konto entfernen?</translation>
        </message>
        <message>
            <source>Change the opening balance?

Every balance in this account will shift.</source>
            <translation>Den Anfangssaldo ändern?

Alle Salden dieses Kontos verschieben sich.</translation>
        </message>
    </context>
    <context>
        <name>AccountListPanel</name>
        <message>
            <source>Cleared</source>
            <translation>Bestätigt</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>Heute</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>Gesamt</translation>
        </message>
        <message>
            <source>No accounts</source>
            <translation>Keine Konten</translation>
        </message>
    </context>
    <context>
        <name>Application</name>
        <message>
            <source>Database Error</source>
            <translation>Datenbankfehler</translation>
        </message>
        <message>
            <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
            <translation>Die Datenbank konnte nicht initialisiert werden.

Datenverzeichnis: %1

Bitte prüfen Sie die Dateiberechtigungen und versuchen Sie es erneut.</translation>
        </message>
    </context>
    <context>
        <name>EmptyStatePage</name>
        <message>
            <source>Welcome to Orvalen Vellumry</source>
            <translation>Willkommen bei Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Create your first account to get started.</source>
            <translation>Legen Sie Ihr erstes Konto an, um loszulegen.</translation>
        </message>
        <message>
            <source>Create Account</source>
            <translation>Konto anlegen</translation>
        </message>
        <message>
            <source>You can also import transactions from a CSV file via File › Import.</source>
            <translation>Sie können Buchungen auch über Datei › Importieren aus einer CSV-Datei übernehmen.</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>Orvalen Vellumry</source>
            <translation>Orvalen Vellumry</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Datei</translation>
        </message>
        <message>
            <source>Orvalen &amp;Account...</source>
            <translation>Orvalen-&amp;Konto...</translation>
        </message>
        <message>
            <source>Sign in or sign up</source>
            <translation>Anmelden oder registrieren</translation>
        </message>
        <message>
            <source>Sign &amp;Out</source>
            <translation>&amp;Abmelden</translation>
        </message>
        <message>
            <source>Signed in successfully</source>
            <translation>Erfolgreich angemeldet</translation>
        </message>
        <message>
            <source>Sign-in failed: %1</source>
            <translation>Anmeldung fehlgeschlagen: %1</translation>
        </message>
        <message>
            <source>Sync complete</source>
            <translation>Synchronisierung abgeschlossen</translation>
        </message>
        <message>
            <source>Sync failed: %1</source>
            <translation>Synchronisierung fehlgeschlagen: %1</translation>
        </message>
        <message>
            <source>Manage your account</source>
            <translation>Ihr Konto verwalten</translation>
        </message>
        <message>
            <source>Not signed in</source>
            <translation>Nicht angemeldet</translation>
        </message>
        <message numerus="yes">
            <source>Auto-posted %n recurring transaction(s)</source>
            <translation>
                <numerusform>%n wiederkehrende Buchung automatisch gebucht</numerusform>
                <numerusform>%n wiederkehrende Buchungen automatisch gebucht</numerusform>
            </translation>
        </message>
        <message>
            <source>New Account...</source>
            <translation>Neues Konto...</translation>
        </message>
        <message>
            <source>Orvalen Account</source>
            <translation>Orvalen-Konto</translation>
        </message>
        <message>
            <source>Edit "%1"...</source>
            <translation>„%1“ bearbeiten...</translation>
        </message>
        <message>
            <source>Share...</source>
            <translation>Teilen...</translation>
        </message>
        <message>
            <source>Delete "%1"</source>
            <translation>„%1“ löschen</translation>
        </message>
    </context>
    <context>
        <name>StatusBar</name>
        <message>
            <source>Offline</source>
            <translation>Offline</translation>
        </message>
        <message numerus="yes">
            <source>%n account(s)</source>
            <translation>
                <numerusform>%n Konto</numerusform>
                <numerusform>%n Konten</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>  •  %n recurring due</source>
            <translation>
                <numerusform>  •  %n wiederkehrende Buchung fällig</numerusform>
                <numerusform>  •  %n wiederkehrende Buchungen fällig</numerusform>
            </translation>
        </message>
    </context>
</TS>
