<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>AccountListPanel</name>
        <message>
            <source>Cleared</source>
            <translation>Cleared</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>Today</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>Total</translation>
        </message>
        <message>
            <source>No accounts</source>
            <translation>No accounts</translation>
        </message>
    </context>
    <context>
        <name>Application</name>
        <message>
            <source>Database Error</source>
            <translation>Database Error</translation>
        </message>
        <message>
            <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
            <translation>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</translation>
        </message>
    </context>
    <context>
        <name>EmptyStatePage</name>
        <message>
            <source>Welcome to Orvalen Vellumry</source>
            <translation>Welcome to Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Create your first account to get started.</source>
            <translation>Create your first account to get started.</translation>
        </message>
        <message>
            <source>Create Account</source>
            <translation>Create Account</translation>
        </message>
        <message>
            <source>You can also import transactions from a CSV file via File › Import.</source>
            <translation>You can also import transactions from a CSV file via File › Import.</translation>
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
            <translation>&amp;File</translation>
        </message>
        <message>
            <source>Orvalen &amp;Account...</source>
            <translation>Orvalen &amp;Account...</translation>
        </message>
        <message>
            <source>Sign in or sign up</source>
            <translation>Sign in or sign up</translation>
        </message>
        <message>
            <source>Sign &amp;Out</source>
            <translation>Sign &amp;Out</translation>
        </message>
        <message>
            <source>Signed in successfully</source>
            <translation>Signed in successfully</translation>
        </message>
        <message>
            <source>Sign-in failed: %1</source>
            <translation>Sign-in failed: %1</translation>
        </message>
        <message>
            <source>Sync complete</source>
            <translation>Sync complete</translation>
        </message>
        <message>
            <source>Sync failed: %1</source>
            <translation>Sync failed: %1</translation>
        </message>
        <message>
            <source>Manage your account</source>
            <translation>Manage your account</translation>
        </message>
        <message>
            <source>Not signed in</source>
            <translation>Not signed in</translation>
        </message>
        <message numerus="yes">
            <source>Auto-posted %n recurring transaction(s)</source>
            <translation>
                <numerusform>Auto-posted %n recurring transaction</numerusform>
                <numerusform>Auto-posted %n recurring transactions</numerusform>
            </translation>
        </message>
        <message>
            <source>New Account...</source>
            <translation>New Account...</translation>
        </message>
        <message>
            <source>New Account</source>
            <translation>New Account</translation>
        </message>
        <message>
            <source>The account could not be saved.</source>
            <translation>The account could not be saved.</translation>
        </message>
        <message>
            <source>Orvalen Account</source>
            <translation>Orvalen Account</translation>
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
                <numerusform>%n account</numerusform>
                <numerusform>%n accounts</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>  •  %n recurring due</source>
            <translation>
                <numerusform>  •  %n recurring due</numerusform>
                <numerusform>  •  %n recurring due</numerusform>
            </translation>
        </message>
    </context>
</TS>
