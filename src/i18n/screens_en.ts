<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>WelcomeScreen</name>
        <message>
            <source>Welcome to
Orvalen Vellumry</source>
            <translation>Welcome to
Orvalen Vellumry</translation>
        </message>
        <message>
            <source>A digital vellumry register.</source>
            <translation>A digital vellumry register.</translation>
        </message>
        <message>
            <source>Your session has ended. Sign back in to keep syncing.</source>
            <translation>Your session has ended. Sign back in to keep syncing.</translation>
        </message>
        <message>
            <source>Works fully offline. Your data stays on this device.</source>
            <translation>Works fully offline. Your data stays on this device.</translation>
        </message>
        <message>
            <source>Create Your First Account</source>
            <translation>Create Your First Account</translation>
        </message>
        <message>
            <source>Already have an account? Sign In</source>
            <translation>Already have an account? Sign In</translation>
        </message>
        <message>
            <source>How it works</source>
            <translation>How it works</translation>
        </message>
        <message>
            <source>Add an account (checking, savings, credit card, or any account you'd like to track).</source>
            <translation>Add an account (checking, savings, credit card, or any account you'd like to track).</translation>
        </message>
        <message>
            <source>Record transactions as you spend.</source>
            <translation>Record transactions as you spend.</translation>
        </message>
        <message>
            <source>Reconcile when your statement arrives.</source>
            <translation>Reconcile when your statement arrives.</translation>
        </message>
        <message>
            <source>Welcome back</source>
            <translation>Welcome back</translation>
        </message>
        <message>
            <source>Sign in to keep your data synced across devices.</source>
            <translation>Sign in to keep your data synced across devices.</translation>
        </message>
        <message>
            <source>Sign In</source>
            <translation>Sign In</translation>
        </message>
        <message>
            <source>Create a different account</source>
            <translation>Create a different account</translation>
        </message>
    </context>
</TS>
