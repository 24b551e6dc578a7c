<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>AccountActions</name>
        <message>
            <source>Select an account first</source>
            <translation>Select an account first</translation>
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
            <source>Change currency?</source>
            <translation>Change currency?</translation>
        </message>
        <message numerus="yes">
            <source>This account has %n transfer(s) to accounts in another currency. Those transfers will no longer add up, and any recurring transfer between them will stop posting until you fix it. Existing entries are not converted.</source>
            <translation>
                <numerusform>This account has %n transfer to accounts in another currency. Those transfers will no longer add up, and any recurring transfer between them will stop posting until you fix it. Existing entries are not converted.</numerusform>
                <numerusform>This account has %n transfers to accounts in another currency. Those transfers will no longer add up, and any recurring transfer between them will stop posting until you fix it. Existing entries are not converted.</numerusform>
            </translation>
        </message>
        <message>
            <source>Starting Balance</source>
            <translation>Starting Balance</translation>
        </message>
        <message>
            <source>Edit Account</source>
            <translation>Edit Account</translation>
        </message>
        <message>
            <source>Delete "%1"?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
            <translation>Delete "%1"?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</translation>
        </message>
        <message>
            <source>Delete Account</source>
            <translation>Delete Account</translation>
        </message>
        <message>
            <source>The account could not be deleted.</source>
            <translation>The account could not be deleted.</translation>
        </message>
        <message>
            <source>Sign In Required</source>
            <translation>Sign In Required</translation>
        </message>
        <message>
            <source>Sharing requires a Orvalen account.</source>
            <translation>Sharing requires a Orvalen account.</translation>
        </message>
        <message>
            <source>Learn More</source>
            <translation>Learn More</translation>
        </message>
        <message>
            <source>Share Account</source>
            <translation>Share Account</translation>
        </message>
        <message>
            <source>Sharing: %1</source>
            <translation>Sharing: %1</translation>
        </message>
        <message>
            <source>Share this account with members of your Orvalen family group. They'll see the same register, balances, and reconciliation history on their devices.</source>
            <translation>Share this account with members of your Orvalen family group. They'll see the same register, balances, and reconciliation history on their devices.</translation>
        </message>
        <message>
            <source>Shared with</source>
            <translation>Shared with</translation>
        </message>
        <message>
            <source>Not shared with anyone yet.</source>
            <translation>Not shared with anyone yet.</translation>
        </message>
        <message>
            <source>You are not in a family group yet. Create one or join one under File › Orvalen Account, then share this account with its members.</source>
            <translation>You are not in a family group yet. Create one or join one under File › Orvalen Account, then share this account with its members.</translation>
        </message>
        <message>
            <source>Share</source>
            <translation>Share</translation>
        </message>
        <message>
            <source>Remove access</source>
            <translation>Remove access</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Share Failed</source>
            <translation>Share Failed</translation>
        </message>
        <message>
            <source>Remove Failed</source>
            <translation>Remove Failed</translation>
        </message>
        <message>
            <source>Remove Share</source>
            <translation>Remove Share</translation>
        </message>
        <message>
            <source>Remove %1's access to this account?</source>
            <translation>Remove %1's access to this account?</translation>
        </message>
        <message>
            <source>Change the opening balance?

Every balance in this account will shift.</source>
            <translation>Change the opening balance?

Every balance in this account will shift.</translation>
        </message>
    </context>
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
            <source>Orvalen Account</source>
            <translation>Orvalen Account</translation>
        </message>
        <message>
            <source>Edit "%1"...</source>
            <translation>Edit "%1"...</translation>
        </message>
        <message>
            <source>Share...</source>
            <translation>Share...</translation>
        </message>
        <message>
            <source>Delete "%1"</source>
            <translation>Delete "%1"</translation>
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
