<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
    <context>
        <name>AccountActions</name>
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
        <name>CurrentAccount</name>
        <message>
            <source>Select an account first</source>
            <translation>Bitte zuerst ein Konto auswählen</translation>
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
        <name>HelpActions</name>
        <message>
            <source>&lt;h3&gt;Orvalen Vellumry&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital vellumry register for tracking household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU Lesser General Public License version 3. See &lt;a href="https://www.qt.io/"&gt;qt.io&lt;/a&gt; for Qt and &lt;a href="https://code.qt.io/"&gt;code.qt.io&lt;/a&gt; for its source code.&lt;/small&gt;&lt;/p&gt;</source>
            <translation>&lt;h3&gt;Orvalen Vellumry&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Ein digitales Vellumry-Register für die Haushaltsfinanzen.&lt;/p&gt;&lt;p&gt;&lt;small&gt;Diese Anwendung verwendet das Qt-Framework unter der GNU Lesser General Public License Version 3. Siehe &lt;a href="https://www.qt.io/"&gt;qt.io&lt;/a&gt; zu Qt und &lt;a href="https://code.qt.io/"&gt;code.qt.io&lt;/a&gt; zu seinem Quellcode.&lt;/small&gt;&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;' (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
            <translation>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Buchung speichern&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Neue Buchung einfügen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aktuelle Buchung löschen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nächstes / vorheriges Feld&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;' (Apostroph)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Wert aus dem Feld darüber übernehmen&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Datumsfeld&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Heute&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nächster / vorheriger Tag&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Erster / letzter Tag des Monats&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Erster / letzter Tag des Jahres&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Erster / letzter Tag der Woche&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Allgemein&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Neue Buchung&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Neues Konto&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Konto abstimmen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Buchungen suchen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Berichte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Wiederkehrende Buchungen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Kategorien&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Konten&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Zu Konto 1&amp;ndash;9 wechseln&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Zu Konto 10 wechseln&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
        </message>
        <message>
            <source>About Orvalen Vellumry</source>
            <translation>Über Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Orvalen Vellumry</source>
            <translation>Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Keyboard Shortcuts</source>
            <translation>Tastenkürzel</translation>
        </message>
        <message>
            <source>Sample Data</source>
            <translation>Beispieldaten</translation>
        </message>
        <message>
            <source>Sample data is already loaded.</source>
            <translation>Die Beispieldaten sind bereits geladen.</translation>
        </message>
        <message>
            <source>Sample data loaded</source>
            <translation>Beispieldaten geladen</translation>
        </message>
        <message>
            <source>No sample data to clear.</source>
            <translation>Es sind keine Beispieldaten zu entfernen.</translation>
        </message>
        <message>
            <source>Sample data cleared</source>
            <translation>Beispieldaten entfernt</translation>
        </message>
        <message>
            <source>The sample data could not be cleared completely. Sample accounts that hold transactions of your own are kept; delete those transactions and clear again.</source>
            <translation>Die Beispieldaten konnten nicht vollständig entfernt werden. Beispielkonten mit eigenen Buchungen bleiben erhalten; löschen Sie diese Buchungen und entfernen Sie die Beispieldaten erneut.</translation>
        </message>
    </context>
    <context>
        <name>MainMenus</name>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Datei</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Bearbeiten</translation>
        </message>
        <message>
            <source>&amp;Account</source>
            <translation>&amp;Konto</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;Ansicht</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Hilfe</translation>
        </message>
        <message>
            <source>&amp;New Transaction</source>
            <translation>&amp;Neue Buchung</translation>
        </message>
        <message>
            <source>New &amp;Account</source>
            <translation>Neues &amp;Konto</translation>
        </message>
        <message>
            <source>&amp;Import...</source>
            <translation>&amp;Importieren...</translation>
        </message>
        <message>
            <source>Orvalen &amp;Account...</source>
            <translation>Orvalen-&amp;Konto...</translation>
        </message>
        <message>
            <source>Sign &amp;Out</source>
            <translation>&amp;Abmelden</translation>
        </message>
        <message>
            <source>&amp;Quit</source>
            <translation>&amp;Beenden</translation>
        </message>
        <message>
            <source>&amp;Find...</source>
            <translation>&amp;Suchen...</translation>
        </message>
        <message>
            <source>&amp;Preferences...</source>
            <translation>&amp;Einstellungen...</translation>
        </message>
        <message>
            <source>&amp;Edit...</source>
            <translation>&amp;Bearbeiten...</translation>
        </message>
        <message>
            <source>&amp;Reconcile...</source>
            <translation>&amp;Abstimmen...</translation>
        </message>
        <message>
            <source>Reconciliation &amp;History...</source>
            <translation>Abstimmungs&amp;verlauf...</translation>
        </message>
        <message>
            <source>Rename &amp;Payees...</source>
            <translation>&amp;Zahlungsempfänger umbenennen...</translation>
        </message>
        <message>
            <source>&amp;Share...</source>
            <translation>&amp;Teilen...</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Löschen</translation>
        </message>
        <message>
            <source>&amp;Reports</source>
            <translation>&amp;Berichte</translation>
        </message>
        <message>
            <source>Re&amp;curring Transactions</source>
            <translation>&amp;Wiederkehrende Buchungen</translation>
        </message>
        <message>
            <source>C&amp;ategories</source>
            <translation>&amp;Kategorien</translation>
        </message>
        <message>
            <source>&amp;About Orvalen Vellumry</source>
            <translation>&amp;Über Orvalen Vellumry</translation>
        </message>
        <message>
            <source>What's &amp;New...</source>
            <translation>&amp;Neuigkeiten...</translation>
        </message>
        <message>
            <source>Check for &amp;Updates...</source>
            <translation>Nach &amp;Updates suchen...</translation>
        </message>
        <message>
            <source>Send &amp;Feedback...</source>
            <translation>&amp;Feedback senden...</translation>
        </message>
        <message>
            <source>&amp;Keyboard Shortcuts</source>
            <translation>&amp;Tastenkürzel</translation>
        </message>
        <message>
            <source>Load &amp;Sample Data</source>
            <translation>&amp;Beispieldaten laden</translation>
        </message>
        <message>
            <source>&amp;Clear Sample Data</source>
            <translation>Beispieldaten &amp;entfernen</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>Orvalen Vellumry</source>
            <translation>Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Sign in or sign up</source>
            <translation>Anmelden oder registrieren</translation>
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
        <message>
            <source>Reconcile...</source>
            <translation>Abstimmen...</translation>
        </message>
        <message>
            <source>Reconciliation History...</source>
            <translation>Abstimmungsverlauf...</translation>
        </message>
        <message>
            <source>Rename Payees...</source>
            <translation>Zahlungsempfänger umbenennen...</translation>
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
    <context>
        <name>ToolWindows</name>
        <message>
            <source>Reports</source>
            <translation>Berichte</translation>
        </message>
        <message>
            <source>Recurring Transactions</source>
            <translation>Wiederkehrende Buchungen</translation>
        </message>
        <message>
            <source>Search Transactions</source>
            <translation>Buchungen suchen</translation>
        </message>
        <message>
            <source>Categories</source>
            <translation>Kategorien</translation>
        </message>
        <message>
            <source>Preferences</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Import Transactions</source>
            <translation>Buchungen importieren</translation>
        </message>
        <message>
            <source>Payee Management</source>
            <translation>Zahlungsempfänger verwalten</translation>
        </message>
        <message>
            <source>Reconcile — %1</source>
            <translation>Abstimmen — %1</translation>
        </message>
        <message>
            <source>Reconciliation History</source>
            <translation>Abstimmungsverlauf</translation>
        </message>
        <message>
            <source>Orvalen Account</source>
            <translation>Orvalen-Konto</translation>
        </message>
    </context>
</TS>
