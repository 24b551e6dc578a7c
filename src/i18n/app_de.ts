<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
            <source>New Account</source>
            <translation>Neues Konto</translation>
        </message>
        <message>
            <source>The account could not be saved.</source>
            <translation>Das Konto konnte nicht gespeichert werden.</translation>
        </message>
        <message>
            <source>Orvalen Account</source>
            <translation>Orvalen-Konto</translation>
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
