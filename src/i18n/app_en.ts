<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>AccountActions</name>
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
        <name>CurrentAccount</name>
        <message>
            <source>Select an account first</source>
            <translation>Select an account first</translation>
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
        <name>HelpActions</name>
        <message>
            <source>&lt;h3&gt;Orvalen Vellumry&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital vellumry register for tracking household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU Lesser General Public License version 3. See &lt;a href="https://www.qt.io/"&gt;qt.io&lt;/a&gt; for Qt and &lt;a href="https://code.qt.io/"&gt;code.qt.io&lt;/a&gt; for its source code.&lt;/small&gt;&lt;/p&gt;</source>
            <translation>&lt;h3&gt;Orvalen Vellumry&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital vellumry register for tracking household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU Lesser General Public License version 3. See &lt;a href="https://www.qt.io/"&gt;qt.io&lt;/a&gt; for Qt and &lt;a href="https://code.qt.io/"&gt;code.qt.io&lt;/a&gt; for its source code.&lt;/small&gt;&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;' (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
            <translation>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;' (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
        </message>
        <message>
            <source>About Orvalen Vellumry</source>
            <translation>About Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Orvalen Vellumry</source>
            <translation>Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Keyboard Shortcuts</source>
            <translation>Keyboard Shortcuts</translation>
        </message>
        <message>
            <source>Sample Data</source>
            <translation>Sample Data</translation>
        </message>
        <message>
            <source>Sample data is already loaded.</source>
            <translation>Sample data is already loaded.</translation>
        </message>
        <message>
            <source>Sample data loaded</source>
            <translation>Sample data loaded</translation>
        </message>
        <message>
            <source>No sample data to clear.</source>
            <translation>No sample data to clear.</translation>
        </message>
        <message>
            <source>Sample data cleared</source>
            <translation>Sample data cleared</translation>
        </message>
        <message>
            <source>The sample data could not be cleared completely. Sample accounts that hold transactions of your own are kept; delete those transactions and clear again.</source>
            <translation>The sample data could not be cleared completely. Sample accounts that hold transactions of your own are kept; delete those transactions and clear again.</translation>
        </message>
    </context>
    <context>
        <name>MainMenus</name>
        <message>
            <source>&amp;File</source>
            <translation>&amp;File</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Edit</translation>
        </message>
        <message>
            <source>&amp;Account</source>
            <translation>&amp;Account</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;View</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Help</translation>
        </message>
        <message>
            <source>&amp;New Transaction</source>
            <translation>&amp;New Transaction</translation>
        </message>
        <message>
            <source>New &amp;Account</source>
            <translation>New &amp;Account</translation>
        </message>
        <message>
            <source>&amp;Import...</source>
            <translation>&amp;Import...</translation>
        </message>
        <message>
            <source>Orvalen &amp;Account...</source>
            <translation>Orvalen &amp;Account...</translation>
        </message>
        <message>
            <source>Sign &amp;Out</source>
            <translation>Sign &amp;Out</translation>
        </message>
        <message>
            <source>&amp;Quit</source>
            <translation>&amp;Quit</translation>
        </message>
        <message>
            <source>&amp;Find...</source>
            <translation>&amp;Find...</translation>
        </message>
        <message>
            <source>&amp;Preferences...</source>
            <translation>&amp;Preferences...</translation>
        </message>
        <message>
            <source>&amp;Edit...</source>
            <translation>&amp;Edit...</translation>
        </message>
        <message>
            <source>&amp;Reconcile...</source>
            <translation>&amp;Reconcile...</translation>
        </message>
        <message>
            <source>Reconciliation &amp;History...</source>
            <translation>Reconciliation &amp;History...</translation>
        </message>
        <message>
            <source>Rename &amp;Payees...</source>
            <translation>Rename &amp;Payees...</translation>
        </message>
        <message>
            <source>&amp;Share...</source>
            <translation>&amp;Share...</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Delete</translation>
        </message>
        <message>
            <source>&amp;Reports</source>
            <translation>&amp;Reports</translation>
        </message>
        <message>
            <source>Re&amp;curring Transactions</source>
            <translation>Re&amp;curring Transactions</translation>
        </message>
        <message>
            <source>C&amp;ategories</source>
            <translation>C&amp;ategories</translation>
        </message>
        <message>
            <source>&amp;About Orvalen Vellumry</source>
            <translation>&amp;About Orvalen Vellumry</translation>
        </message>
        <message>
            <source>What's &amp;New...</source>
            <translation>What's &amp;New...</translation>
        </message>
        <message>
            <source>Check for &amp;Updates...</source>
            <translation>Check for &amp;Updates...</translation>
        </message>
        <message>
            <source>Send &amp;Feedback...</source>
            <translation>Send &amp;Feedback...</translation>
        </message>
        <message>
            <source>&amp;Keyboard Shortcuts</source>
            <translation>&amp;Keyboard Shortcuts</translation>
        </message>
        <message>
            <source>Load &amp;Sample Data</source>
            <translation>Load &amp;Sample Data</translation>
        </message>
        <message>
            <source>&amp;Clear Sample Data</source>
            <translation>&amp;Clear Sample Data</translation>
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
            <translation>Sign in or sign up</translation>
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
        <message>
            <source>Reconcile...</source>
            <translation>Reconcile...</translation>
        </message>
        <message>
            <source>Reconciliation History...</source>
            <translation>Reconciliation History...</translation>
        </message>
        <message>
            <source>Rename Payees...</source>
            <translation>Rename Payees...</translation>
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
    <context>
        <name>ToolWindows</name>
        <message>
            <source>Reports</source>
            <translation>Reports</translation>
        </message>
        <message>
            <source>Recurring Transactions</source>
            <translation>Recurring Transactions</translation>
        </message>
        <message>
            <source>Search Transactions</source>
            <translation>Search Transactions</translation>
        </message>
        <message>
            <source>Categories</source>
            <translation>Categories</translation>
        </message>
        <message>
            <source>Preferences</source>
            <translation>Preferences</translation>
        </message>
        <message>
            <source>Import Transactions</source>
            <translation>Import Transactions</translation>
        </message>
        <message>
            <source>Payee Management</source>
            <translation>Payee Management</translation>
        </message>
        <message>
            <source>Reconcile — %1</source>
            <translation>Reconcile — %1</translation>
        </message>
        <message>
            <source>Reconciliation History</source>
            <translation>Reconciliation History</translation>
        </message>
        <message>
            <source>Orvalen Account</source>
            <translation>Orvalen Account</translation>
        </message>
    </context>
</TS>
