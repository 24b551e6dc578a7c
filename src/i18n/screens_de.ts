<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
