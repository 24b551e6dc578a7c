<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>AccountFormDialog</name>
        <message>
            <source>New Account</source>
            <translation>New Account</translation>
        </message>
        <message>
            <source>Edit Account</source>
            <translation>Edit Account</translation>
        </message>
        <message>
            <source>This account already has an opening balance. Changing the amount or date shifts every balance after it.</source>
            <translation>This account already has an opening balance. Changing the amount or date shifts every balance after it.</translation>
        </message>
        <message>
            <source>Account name</source>
            <translation>Account name</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>&amp;Name:</translation>
        </message>
        <message>
            <source>Checking</source>
            <translation>Checking</translation>
        </message>
        <message>
            <source>Savings</source>
            <translation>Savings</translation>
        </message>
        <message>
            <source>Credit Card</source>
            <translation>Credit Card</translation>
        </message>
        <message>
            <source>Cash</source>
            <translation>Cash</translation>
        </message>
        <message>
            <source>Investment</source>
            <translation>Investment</translation>
        </message>
        <message>
            <source>Loan</source>
            <translation>Loan</translation>
        </message>
        <message>
            <source>Other</source>
            <translation>Other</translation>
        </message>
        <message>
            <source>&amp;Type:</source>
            <translation>&amp;Type:</translation>
        </message>
        <message>
            <source>&amp;Currency:</source>
            <translation>&amp;Currency:</translation>
        </message>
        <message>
            <source>Starting &amp;Balance:</source>
            <translation>Starting &amp;Balance:</translation>
        </message>
        <message>
            <source>Starting &amp;Balance (Amount Owed):</source>
            <translation>Starting &amp;Balance (Amount Owed):</translation>
        </message>
        <message>
            <source>&amp;As of:</source>
            <translation>&amp;As of:</translation>
        </message>
        <message>
            <source>Bank name (optional)</source>
            <translation>Bank name (optional)</translation>
        </message>
        <message>
            <source>&amp;Institution:</source>
            <translation>&amp;Institution:</translation>
        </message>
        <message>
            <source>Last 4 digits (optional)</source>
            <translation>Last 4 digits (optional)</translation>
        </message>
        <message>
            <source>Account &amp;Number:</source>
            <translation>Account &amp;Number:</translation>
        </message>
    </context>
    <context>
        <name>CategoriesScreen</name>
        <message>
            <source>Categories</source>
            <translation>Categories</translation>
        </message>
        <message>
            <source>Search categories...</source>
            <translation>Search categories...</translation>
        </message>
        <message>
            <source>+ New Category</source>
            <translation>+ New Category</translation>
        </message>
        <message>
            <source>&amp;New Category</source>
            <translation>&amp;New Category</translation>
        </message>
        <message>
            <source>Add &amp;Subcategory</source>
            <translation>Add &amp;Subcategory</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Edit</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Delete</translation>
        </message>
        <message>
            <source>Delete Category</source>
            <translation>Delete Category</translation>
        </message>
        <message>
            <source>Delete "%1"? Transactions using this category will become uncategorized.</source>
            <translation>Delete "%1"? Transactions using this category will become uncategorized.</translation>
        </message>
    </context>
    <context>
        <name>CategoryFormDialog</name>
        <message>
            <source>New Category</source>
            <translation>New Category</translation>
        </message>
        <message>
            <source>New Subcategory</source>
            <translation>New Subcategory</translation>
        </message>
        <message>
            <source>Edit Category</source>
            <translation>Edit Category</translation>
        </message>
        <message>
            <source>&amp;Parent:</source>
            <translation>&amp;Parent:</translation>
        </message>
        <message>
            <source>Category name</source>
            <translation>Category name</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>&amp;Name:</translation>
        </message>
        <message>
            <source>Expense</source>
            <translation>Expense</translation>
        </message>
        <message>
            <source>Income</source>
            <translation>Income</translation>
        </message>
        <message>
            <source>Transfer</source>
            <translation>Transfer</translation>
        </message>
        <message>
            <source>&amp;Type:</source>
            <translation>&amp;Type:</translation>
        </message>
        <message>
            <source>Tax-relevant</source>
            <translation>Tax-relevant</translation>
        </message>
        <message>
            <source>Mark this category for inclusion in tax-time reports.</source>
            <translation>Mark this category for inclusion in tax-time reports.</translation>
        </message>
        <message>
            <source>e.g. charitable_contributions, mortgage_interest</source>
            <translation>e.g. charitable_contributions, mortgage_interest</translation>
        </message>
        <message>
            <source>Tax &amp;Code:</source>
            <translation>Tax &amp;Code:</translation>
        </message>
    </context>
    <context>
        <name>CategoryTreeModel</name>
        <message>
            <source>Category</source>
            <translation>Category</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>Type</translation>
        </message>
        <message>
            <source>Tax Code</source>
            <translation>Tax Code</translation>
        </message>
    </context>
    <context>
        <name>ImportProgress</name>
        <message>
            <source>Importing...</source>
            <translation>Importing...</translation>
        </message>
    </context>
    <context>
        <name>ImportScreen</name>
        <message>
            <source>(none)</source>
            <translation>(none)</translation>
        </message>
        <message>
            <source>Import Transactions</source>
            <translation>Import Transactions</translation>
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
            <translation>&amp;Account:</translation>
        </message>
        <message>
            <source>No file selected</source>
            <translation>No file selected</translation>
        </message>
        <message>
            <source>Browse...</source>
            <translation>Browse...</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>File:</translation>
        </message>
        <message>
            <source>Import</source>
            <translation>Import</translation>
        </message>
        <message>
            <source>CSV Column Mapping:</source>
            <translation>CSV Column Mapping:</translation>
        </message>
        <message>
            <source>Date column:</source>
            <translation>Date column:</translation>
        </message>
        <message>
            <source>Payee column:</source>
            <translation>Payee column:</translation>
        </message>
        <message>
            <source>Amount column:</source>
            <translation>Amount column:</translation>
        </message>
        <message>
            <source>Memo column:</source>
            <translation>Memo column:</translation>
        </message>
        <message>
            <source>Category column:</source>
            <translation>Category column:</translation>
        </message>
        <message>
            <source>Auto-detect</source>
            <translation>Auto-detect</translation>
        </message>
        <message>
            <source>Month D, YYYY (May 14, 2026)</source>
            <translation>Month D, YYYY (May 14, 2026)</translation>
        </message>
        <message>
            <source>Date format:</source>
            <translation>Date format:</translation>
        </message>
        <message>
            <source>First row is header</source>
            <translation>First row is header</translation>
        </message>
        <message>
            <source>QIF source accounts:</source>
            <translation>QIF source accounts:</translation>
        </message>
        <message>
            <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
            <translation>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Done</translation>
        </message>
        <message>
            <source>Select QIF File(s)</source>
            <translation>Select QIF File(s)</translation>
        </message>
        <message>
            <source>QIF Files (*.qif)</source>
            <translation>QIF Files (*.qif)</translation>
        </message>
        <message numerus="yes">
            <source>%n file(s) selected</source>
            <translation>
                <numerusform>%n file selected</numerusform>
                <numerusform>%n files selected</numerusform>
            </translation>
        </message>
        <message>
            <source>Analyzing QIF file(s)...</source>
            <translation>Analyzing QIF file(s)...</translation>
        </message>
        <message>
            <source>None of the chosen files could be read.</source>
            <translation>None of the chosen files could be read.</translation>
        </message>
        <message>
            <source>Select File</source>
            <translation>Select File</translation>
        </message>
        <message>
            <source>CSV Files (*.csv);;All Files (*)</source>
            <translation>CSV Files (*.csv);;All Files (*)</translation>
        </message>
        <message>
            <source>"%1" could not be read.</source>
            <translation>"%1" could not be read.</translation>
        </message>
        <message>
            <source>"%1" holds no rows to import.</source>
            <translation>"%1" holds no rows to import.</translation>
        </message>
        <message>
            <source>Col %1</source>
            <translation>Col %1</translation>
        </message>
        <message numerus="yes">
            <source>The first %n rows of the file are shown; it holds more.</source>
            <translation>
                <numerusform>The first row of the file is shown; it holds more.</numerusform>
                <numerusform>The first %n rows of the file are shown; it holds more.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>The file holds %n row(s).</source>
            <translation>
                <numerusform>The file holds %n row.</numerusform>
                <numerusform>The file holds %n rows.</numerusform>
            </translation>
        </message>
        <message>
            <source>Col %1: %2</source>
            <translation>Col %1: %2</translation>
        </message>
        <message>
            <source>Column %1</source>
            <translation>Column %1</translation>
        </message>
        <message>
            <source>No target account</source>
            <translation>No target account</translation>
        </message>
        <message>
            <source>Pick an account to import into, or create one now.</source>
            <translation>Pick an account to import into, or create one now.</translation>
        </message>
    </context>
    <context>
        <name>ImportSummary</name>
        <message>
            <source>Import failed.</source>
            <translation>Import failed.</translation>
        </message>
        <message>
            <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
            <translation>A database error stopped the import and all changes were rolled back. No transactions were added.</translation>
        </message>
        <message>
            <source>Import complete!</source>
            <translation>Import complete!</translation>
        </message>
        <message numerus="yes">
            <source>%n transaction(s) imported</source>
            <translation>
                <numerusform>%n transaction imported</numerusform>
                <numerusform>%n transactions imported</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n transfer(s) linked across accounts</source>
            <translation>
                <numerusform>%n transfer linked across accounts</numerusform>
                <numerusform>%n transfers linked across accounts</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>  (including %n linked to previously imported row(s))</source>
            <translation>
                <numerusform>  (including %n linked to a previously imported row)</numerusform>
                <numerusform>  (including %n linked to previously imported rows)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n duplicate(s) skipped</source>
            <translation>
                <numerusform>%n duplicate skipped</numerusform>
                <numerusform>%n duplicates skipped</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n record(s) skipped (unparseable)</source>
            <translation>
                <numerusform>%n record skipped (unparseable)</numerusform>
                <numerusform>%n records skipped (unparseable)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n metadata record(s) skipped</source>
            <translation>
                <numerusform>%n metadata record skipped</numerusform>
                <numerusform>%n metadata records skipped</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n record(s) skipped (unmapped source account)</source>
            <translation>
                <numerusform>%n record skipped (unmapped source account)</numerusform>
                <numerusform>%n records skipped (unmapped source account)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n record(s) skipped (database error — see log)</source>
            <translation>
                <numerusform>%n record skipped (database error — see log)</numerusform>
                <numerusform>%n records skipped (database error — see log)</numerusform>
            </translation>
        </message>
        <message>
            <source>A quote opened on line %1 is never closed: the rows after it could not be read.</source>
            <translation>A quote opened on line %1 is never closed: the rows after it could not be read.</translation>
        </message>
        <message>
            <source>No transactions were added.</source>
            <translation>No transactions were added.</translation>
        </message>
        <message numerus="yes">
            <source>%n row(s) skipped (more than %1 fields or %2 characters in one row)</source>
            <translation>
                <numerusform>%n row skipped (more than %1 fields or %2 characters in one row)</numerusform>
                <numerusform>%n rows skipped (more than %1 fields or %2 characters in one row)</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>PayeeScreen</name>
        <message>
            <source>Payee Management</source>
            <translation>Payee Management</translation>
        </message>
        <message>
            <source>Rename to:</source>
            <translation>Rename to:</translation>
        </message>
        <message>
            <source>Rename Selected</source>
            <translation>Rename Selected</translation>
        </message>
        <message>
            <source>Merge Selected</source>
            <translation>Merge Selected</translation>
        </message>
        <message>
            <source>"%1" is the payee of opening balances. Choose another name.</source>
            <translation>"%1" is the payee of opening balances. Choose another name.</translation>
        </message>
        <message>
            <source>Rename</source>
            <translation>Rename</translation>
        </message>
        <message>
            <source>Rename Complete</source>
            <translation>Rename Complete</translation>
        </message>
        <message numerus="yes">
            <source>Renamed %n transaction(s).</source>
            <translation>
                <numerusform>Renamed %n transaction.</numerusform>
                <numerusform>Renamed %n transactions.</numerusform>
            </translation>
        </message>
        <message>
            <source>Merge</source>
            <translation>Merge</translation>
        </message>
        <message>
            <source>Select 2 or more payees to merge.</source>
            <translation>Select 2 or more payees to merge.</translation>
        </message>
        <message>
            <source>Merge Payees</source>
            <translation>Merge Payees</translation>
        </message>
        <message>
            <source>Merge %1 payees into "%2"?</source>
            <translation>Merge %1 payees into "%2"?</translation>
        </message>
        <message>
            <source>Merge Complete</source>
            <translation>Merge Complete</translation>
        </message>
        <message numerus="yes">
            <source>Merged %n transaction(s).</source>
            <translation>
                <numerusform>Merged %n transaction.</numerusform>
                <numerusform>Merged %n transactions.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>QifMappingRows</name>
        <message>
            <source>— Create new account "%1" —</source>
            <translation>— Create new account "%1" —</translation>
        </message>
        <message>
            <source>— Skip these transactions —</source>
            <translation>— Skip these transactions —</translation>
        </message>
    </context>
    <context>
        <name>ReconciliationHistoryScreen</name>
        <message>
            <source>Reconciliation History</source>
            <translation>Reconciliation History</translation>
        </message>
        <message>
            <source>Reconciliation History — %1</source>
            <translation>Reconciliation History — %1</translation>
        </message>
        <message>
            <source>Past reconciliations for this account.</source>
            <translation>Past reconciliations for this account.</translation>
        </message>
        <message>
            <source>Statement Date</source>
            <translation>Statement Date</translation>
        </message>
        <message>
            <source>Statement Balance</source>
            <translation>Statement Balance</translation>
        </message>
        <message>
            <source>Reconciled Balance</source>
            <translation>Reconciled Balance</translation>
        </message>
        <message>
            <source>Completed</source>
            <translation>Completed</translation>
        </message>
        <message>
            <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
            <translation>No reconciliations yet. Reconcile your account from the register to see the history here.</translation>
        </message>
    </context>
    <context>
        <name>ReconciliationScreen</name>
        <message>
            <source>Reconcile Account</source>
            <translation>Reconcile Account</translation>
        </message>
        <message>
            <source>Statement Date:</source>
            <translation>Statement Date:</translation>
        </message>
        <message>
            <source>Statement Balance:</source>
            <translation>Statement Balance:</translation>
        </message>
        <message>
            <source>Statement Balance Owed:</source>
            <translation>Statement Balance Owed:</translation>
        </message>
        <message>
            <source>Previous Balance</source>
            <translation>Previous Balance</translation>
        </message>
        <message>
            <source>Cleared Deposits</source>
            <translation>Cleared Deposits</translation>
        </message>
        <message>
            <source>Cleared Withdrawals</source>
            <translation>Cleared Withdrawals</translation>
        </message>
        <message>
            <source>Cleared Payments</source>
            <translation>Cleared Payments</translation>
        </message>
        <message>
            <source>Cleared Charges</source>
            <translation>Cleared Charges</translation>
        </message>
        <message>
            <source>Cleared Balance</source>
            <translation>Cleared Balance</translation>
        </message>
        <message>
            <source>Statement Balance</source>
            <translation>Statement Balance</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>Difference</translation>
        </message>
        <message>
            <source>Finish Reconciliation</source>
            <translation>Finish Reconciliation</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Add Transaction</source>
            <translation>Add Transaction</translation>
        </message>
        <message>
            <source>Add a transaction (%1)</source>
            <translation>Add a transaction (%1)</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Edit</translation>
        </message>
        <message>
            <source>Edit selected transaction (F2)</source>
            <translation>Edit selected transaction (F2)</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>Delete selected transaction (Del)</source>
            <translation>Delete selected transaction (Del)</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Payee</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>Amount</translation>
        </message>
        <message>
            <source>Clr</source>
            <translation>Clr</translation>
        </message>
        <message>
            <source>Reconciliation Not Saved</source>
            <translation>Reconciliation Not Saved</translation>
        </message>
        <message>
            <source>The reconciliation could not be saved, and nothing was changed. Please try again.</source>
            <translation>The reconciliation could not be saved, and nothing was changed. Please try again.</translation>
        </message>
        <message>
            <source>Reconciliation Complete</source>
            <translation>Reconciliation Complete</translation>
        </message>
        <message>
            <source>Account reconciled successfully.</source>
            <translation>Account reconciled successfully.</translation>
        </message>
    </context>
    <context>
        <name>RecurringFormDialog</name>
        <message>
            <source>New Recurring Transaction</source>
            <translation>New Recurring Transaction</translation>
        </message>
        <message>
            <source>Edit Recurring Transaction</source>
            <translation>Edit Recurring Transaction</translation>
        </message>
        <message>
            <source>Memorize Transaction</source>
            <translation>Memorize Transaction</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>Account:</translation>
        </message>
        <message>
            <source>Payment</source>
            <translation>Payment</translation>
        </message>
        <message>
            <source>Deposit</source>
            <translation>Deposit</translation>
        </message>
        <message>
            <source>Type:</source>
            <translation>Type:</translation>
        </message>
        <message>
            <source>Start typing to search payees...</source>
            <translation>Start typing to search payees...</translation>
        </message>
        <message>
            <source>Payee:</source>
            <translation>Payee:</translation>
        </message>
        <message>
            <source>Amount:</source>
            <translation>Amount:</translation>
        </message>
        <message>
            <source>Category:</source>
            <translation>Category:</translation>
        </message>
        <message>
            <source>Optional</source>
            <translation>Optional</translation>
        </message>
        <message>
            <source>Memo:</source>
            <translation>Memo:</translation>
        </message>
        <message>
            <source>Daily</source>
            <translation>Daily</translation>
        </message>
        <message>
            <source>Weekly</source>
            <translation>Weekly</translation>
        </message>
        <message>
            <source>Bi-weekly</source>
            <translation>Bi-weekly</translation>
        </message>
        <message>
            <source>Monthly</source>
            <translation>Monthly</translation>
        </message>
        <message>
            <source>Semi-monthly</source>
            <translation>Semi-monthly</translation>
        </message>
        <message>
            <source>Quarterly</source>
            <translation>Quarterly</translation>
        </message>
        <message>
            <source>Semi-annual</source>
            <translation>Semi-annual</translation>
        </message>
        <message>
            <source>Annual</source>
            <translation>Annual</translation>
        </message>
        <message>
            <source>Frequency:</source>
            <translation>Frequency:</translation>
        </message>
        <message>
            <source>Repeat every:</source>
            <translation>Repeat every:</translation>
        </message>
        <message>
            <source>Last day</source>
            <translation>Last day</translation>
        </message>
        <message>
            <source>First day:</source>
            <translation>First day:</translation>
        </message>
        <message>
            <source>Second day:</source>
            <translation>Second day:</translation>
        </message>
        <message>
            <source>Start Date:</source>
            <translation>Start Date:</translation>
        </message>
        <message>
            <source>Has end date</source>
            <translation>Has end date</translation>
        </message>
        <message>
            <source>End Date:</source>
            <translation>End Date:</translation>
        </message>
        <message>
            <source>Auto-post when due</source>
            <translation>Auto-post when due</translation>
        </message>
        <message>
            <source> days</source>
            <translation> days</translation>
        </message>
        <message>
            <source>Enter in advance:</source>
            <translation>Enter in advance:</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Active</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(none)</translation>
        </message>
        <message>
            <source>day</source>
            <translation>day</translation>
        </message>
        <message>
            <source>days</source>
            <translation>days</translation>
        </message>
        <message>
            <source>week</source>
            <translation>week</translation>
        </message>
        <message>
            <source>weeks</source>
            <translation>weeks</translation>
        </message>
        <message>
            <source>month</source>
            <translation>month</translation>
        </message>
        <message>
            <source>months</source>
            <translation>months</translation>
        </message>
        <message>
            <source>quarter</source>
            <translation>quarter</translation>
        </message>
        <message>
            <source>quarters</source>
            <translation>quarters</translation>
        </message>
        <message>
            <source>year</source>
            <translation>year</translation>
        </message>
        <message>
            <source>years</source>
            <translation>years</translation>
        </message>
    </context>
    <context>
        <name>RecurringModel</name>
        <message>
            <source>Semi-monthly (%1 &amp; %2)</source>
            <translation>Semi-monthly (%1 &amp; %2)</translation>
        </message>
        <message>
            <source>Every %1 days</source>
            <translation>Every %1 days</translation>
        </message>
        <message>
            <source>Every %1 weeks</source>
            <translation>Every %1 weeks</translation>
        </message>
        <message>
            <source>Every %1 months</source>
            <translation>Every %1 months</translation>
        </message>
        <message>
            <source>Every %1 years</source>
            <translation>Every %1 years</translation>
        </message>
        <message>
            <source>%1 (×%2)</source>
            <translation>%1 (×%2)</translation>
        </message>
        <message>
            <source>last day</source>
            <translation>last day</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>Yes</translation>
        </message>
        <message>
            <source>No</source>
            <translation>No</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Active</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Inactive</translation>
        </message>
        <message>
            <source>Account</source>
            <translation>Account</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Payee</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>Amount</translation>
        </message>
        <message>
            <source>Frequency</source>
            <translation>Frequency</translation>
        </message>
        <message>
            <source>Next Due</source>
            <translation>Next Due</translation>
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
            <translation>Recurring Transactions</translation>
        </message>
        <message>
            <source>Confirm All Due</source>
            <translation>Confirm All Due</translation>
        </message>
        <message>
            <source>Enter Next 7 Days</source>
            <translation>Enter Next 7 Days</translation>
        </message>
        <message>
            <source>New Recurring</source>
            <translation>New Recurring</translation>
        </message>
        <message>
            <source>(%1 due)</source>
            <translation>(%1 due)</translation>
        </message>
        <message>
            <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
            <translation>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</translation>
        </message>
        <message>
            <source>Enter "%1" now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
            <translation>Enter "%1" now, dated %2? The transaction is dated its due date and you can edit or delete it later.</translation>
        </message>
        <message>
            <source>Enter Early</source>
            <translation>Enter Early</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>Delete recurring "%1"?</source>
            <translation>Delete recurring "%1"?</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Edit</translation>
        </message>
        <message>
            <source>&amp;Confirm</source>
            <translation>&amp;Confirm</translation>
        </message>
        <message>
            <source>&amp;Skip</source>
            <translation>&amp;Skip</translation>
        </message>
        <message>
            <source>Enter &amp;Early...</source>
            <translation>Enter &amp;Early...</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Delete</translation>
        </message>
    </context>
    <context>
        <name>ReportsScreen</name>
        <message>
            <source>Reports</source>
            <translation>Reports</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>Account:</translation>
        </message>
        <message>
            <source>Period:</source>
            <translation>Period:</translation>
        </message>
        <message>
            <source>Export CSV</source>
            <translation>Export CSV</translation>
        </message>
        <message>
            <source>Category Spending</source>
            <translation>Category Spending</translation>
        </message>
        <message>
            <source>Payee Summary</source>
            <translation>Payee Summary</translation>
        </message>
        <message>
            <source>Tax Report</source>
            <translation>Tax Report</translation>
        </message>
        <message>
            <source>Income vs Expenses</source>
            <translation>Income vs Expenses</translation>
        </message>
        <message>
            <source>Cash Flow</source>
            <translation>Cash Flow</translation>
        </message>
        <message>
            <source>Year-over-Year</source>
            <translation>Year-over-Year</translation>
        </message>
        <message>
            <source>Account Summary</source>
            <translation>Account Summary</translation>
        </message>
        <message>
            <source>Transactions</source>
            <translation>Transactions</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Category</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>Total</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Payee</translation>
        </message>
        <message>
            <source>Count</source>
            <translation>Count</translation>
        </message>
        <message>
            <source>Tax Code</source>
            <translation>Tax Code</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Month</translation>
        </message>
        <message>
            <source>Income</source>
            <translation>Income</translation>
        </message>
        <message>
            <source>Expenses</source>
            <translation>Expenses</translation>
        </message>
        <message>
            <source>Net</source>
            <translation>Net</translation>
        </message>
        <message>
            <source>Inflows</source>
            <translation>Inflows</translation>
        </message>
        <message>
            <source>Outflows</source>
            <translation>Outflows</translation>
        </message>
        <message>
            <source>Period 1</source>
            <translation>Period 1</translation>
        </message>
        <message>
            <source>Period 2</source>
            <translation>Period 2</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>Difference</translation>
        </message>
        <message>
            <source>Account</source>
            <translation>Account</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>Type</translation>
        </message>
        <message>
            <source>Cleared</source>
            <translation>Cleared</translation>
        </message>
        <message>
            <source>Uncleared</source>
            <translation>Uncleared</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>Memo</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>Amount</translation>
        </message>
        <message>
            <source>Compare:</source>
            <translation>Compare:</translation>
        </message>
        <message>
            <source>This Year vs Last Year</source>
            <translation>This Year vs Last Year</translation>
        </message>
        <message>
            <source>Last Year vs Year Before</source>
            <translation>Last Year vs Year Before</translation>
        </message>
        <message>
            <source>This Quarter vs Last Quarter</source>
            <translation>This Quarter vs Last Quarter</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>Custom</translation>
        </message>
        <message>
            <source>P1:</source>
            <translation>P1:</translation>
        </message>
        <message>
            <source>P2:</source>
            <translation>P2:</translation>
        </message>
        <message>
            <source>P1: %1 – %2    P2: %3 – %4</source>
            <translation>P1: %1 – %2    P2: %3 – %4</translation>
        </message>
        <message>
            <source>All Accounts</source>
            <translation>All Accounts</translation>
        </message>
        <message>
            <source>These accounts are held in different currencies, so combined figures would not add up. Choose a single account to see the category, payee, tax, income and cash-flow reports.</source>
            <translation>These accounts are held in different currencies, so combined figures would not add up. Choose a single account to see the category, payee, tax, income and cash-flow reports.</translation>
        </message>
        <message>
            <source>The tax report covers every account, and they are held in different currencies, so its totals would not add up.</source>
            <translation>The tax report covers every account, and they are held in different currencies, so its totals would not add up.</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>CSV Files (*.csv)</translation>
        </message>
        <message>
            <source>The report could not be written to %1: %2</source>
            <translation>The report could not be written to %1: %2</translation>
        </message>
        <message>
            <source>This Month</source>
            <translation>This Month</translation>
        </message>
        <message>
            <source>Last Month</source>
            <translation>Last Month</translation>
        </message>
        <message>
            <source>This Quarter</source>
            <translation>This Quarter</translation>
        </message>
        <message>
            <source>Last Quarter</source>
            <translation>Last Quarter</translation>
        </message>
        <message>
            <source>This Year</source>
            <translation>This Year</translation>
        </message>
        <message>
            <source>Last Year</source>
            <translation>Last Year</translation>
        </message>
        <message>
            <source>Last 30 Days</source>
            <translation>Last 30 Days</translation>
        </message>
        <message>
            <source>Last 90 Days</source>
            <translation>Last 90 Days</translation>
        </message>
        <message>
            <source>Last 12 Months</source>
            <translation>Last 12 Months</translation>
        </message>
        <message>
            <source>All Time</source>
            <translation>All Time</translation>
        </message>
    </context>
    <context>
        <name>SearchScreen</name>
        <message>
            <source>Search payee, memo, check number...</source>
            <translation>Search payee, memo, check number...</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>Account:</translation>
        </message>
        <message>
            <source>All Accounts</source>
            <translation>All Accounts</translation>
        </message>
        <message>
            <source>Category:</source>
            <translation>Category:</translation>
        </message>
        <message>
            <source>All Categories</source>
            <translation>All Categories</translation>
        </message>
        <message>
            <source>Date range:</source>
            <translation>Date range:</translation>
        </message>
        <message>
            <source>to</source>
            <translation>to</translation>
        </message>
        <message>
            <source>Cleared only</source>
            <translation>Cleared only</translation>
        </message>
        <message>
            <source>Show &amp;Details...</source>
            <translation>Show &amp;Details...</translation>
        </message>
        <message>
            <source>Edit &amp;Splits...</source>
            <translation>Edit &amp;Splits...</translation>
        </message>
        <message>
            <source>&amp;Split Transaction...</source>
            <translation>&amp;Split Transaction...</translation>
        </message>
        <message>
            <source>&amp;Edit in Dialog...</source>
            <translation>&amp;Edit in Dialog...</translation>
        </message>
        <message>
            <source>D&amp;uplicate...</source>
            <translation>D&amp;uplicate...</translation>
        </message>
        <message>
            <source>Mark &amp;Uncleared</source>
            <translation>Mark &amp;Uncleared</translation>
        </message>
        <message>
            <source>Mark &amp;Cleared</source>
            <translation>Mark &amp;Cleared</translation>
        </message>
        <message>
            <source>&amp;Delete...</source>
            <translation>&amp;Delete...</translation>
        </message>
    </context>
    <context>
        <name>SettingsDataSyncPage</name>
        <message>
            <source>Data &amp; Sync</source>
            <translation>Data &amp; Sync</translation>
        </message>
        <message>
            <source>Sync</source>
            <translation>Sync</translation>
        </message>
        <message>
            <source>Keep your vellumry in sync across all your devices.</source>
            <translation>Keep your vellumry in sync across all your devices.</translation>
        </message>
        <message>
            <source>Backup &amp; Restore</source>
            <translation>Backup &amp; Restore</translation>
        </message>
        <message>
            <source>Save or restore your data to a portable backup file.</source>
            <translation>Save or restore your data to a portable backup file.</translation>
        </message>
        <message>
            <source>Sync Now</source>
            <translation>Sync Now</translation>
        </message>
        <message>
            <source>Force Full Sync</source>
            <translation>Force Full Sync</translation>
        </message>
        <message>
            <source>Export Backup</source>
            <translation>Export Backup</translation>
        </message>
        <message>
            <source>Import Backup</source>
            <translation>Import Backup</translation>
        </message>
        <message>
            <source>Deleted Accounts</source>
            <translation>Deleted Accounts</translation>
        </message>
        <message>
            <source>Accounts you've deleted can be restored here.</source>
            <translation>Accounts you've deleted can be restored here.</translation>
        </message>
        <message>
            <source>Restore Selected</source>
            <translation>Restore Selected</translation>
        </message>
        <message>
            <source>Not signed in.
Sign in via File › Orvalen Account to enable sync.</source>
            <translation>Not signed in.
Sign in via File › Orvalen Account to enable sync.</translation>
        </message>
        <message>
            <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style="color:%2"&gt;%3&lt;/span&gt;</source>
            <translation>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style="color:%2"&gt;%3&lt;/span&gt;</translation>
        </message>
        <message>
            <source>Never synced</source>
            <translation>Never synced</translation>
        </message>
        <message>
            <source>Last synced: %1</source>
            <translation>Last synced: %1</translation>
        </message>
        <message>
            <source>
Error: %1</source>
            <translation>
Error: %1</translation>
        </message>
        <message>
            <source>Syncing...</source>
            <translation>Syncing...</translation>
        </message>
        <message>
            <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
            <translation>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</translation>
        </message>
        <message>
            <source>ZIP Files (*.zip)</source>
            <translation>ZIP Files (*.zip)</translation>
        </message>
        <message>
            <source>Exporting...</source>
            <translation>Exporting...</translation>
        </message>
        <message>
            <source>Backup Failed</source>
            <translation>Backup Failed</translation>
        </message>
        <message>
            <source>The backup could not be made from the ledger.</source>
            <translation>The backup could not be made from the ledger.</translation>
        </message>
        <message>
            <source>Backup Complete</source>
            <translation>Backup Complete</translation>
        </message>
        <message>
            <source>Backup saved to:
%1</source>
            <translation>Backup saved to:
%1</translation>
        </message>
        <message>
            <source>Could not write to:
%1</source>
            <translation>Could not write to:
%1</translation>
        </message>
        <message>
            <source>Keep newer (compare timestamps)</source>
            <translation>Keep newer (compare timestamps)</translation>
        </message>
        <message>
            <source>Skip existing items</source>
            <translation>Skip existing items</translation>
        </message>
        <message>
            <source>Import Mode</source>
            <translation>Import Mode</translation>
        </message>
        <message>
            <source>How should existing data be handled?</source>
            <translation>How should existing data be handled?</translation>
        </message>
        <message>
            <source>Replace all with backup data</source>
            <translation>Replace all with backup data</translation>
        </message>
        <message>
            <source>Import Failed</source>
            <translation>Import Failed</translation>
        </message>
        <message>
            <source>Could not read file.</source>
            <translation>Could not read file.</translation>
        </message>
        <message>
            <source>Importing...</source>
            <translation>Importing...</translation>
        </message>
        <message>
            <source>Imported %1 items, skipped %2.</source>
            <translation>Imported %1 items, skipped %2.</translation>
        </message>
        <message numerus="yes">
            <source>

%n error(s) occurred.</source>
            <translation>
                <numerusform>

%n error occurred.</numerusform>
                <numerusform>

%n errors occurred.</numerusform>
            </translation>
        </message>
        <message>
            <source>Import Complete</source>
            <translation>Import Complete</translation>
        </message>
    </context>
    <context>
        <name>SettingsScreen</name>
        <message>
            <source>General</source>
            <translation>General</translation>
        </message>
        <message>
            <source>Register</source>
            <translation>Register</translation>
        </message>
        <message>
            <source>Data &amp; Sync</source>
            <translation>Data &amp; Sync</translation>
        </message>
        <message>
            <source>About</source>
            <translation>About</translation>
        </message>
        <message>
            <source>Appearance</source>
            <translation>Appearance</translation>
        </message>
        <message>
            <source>Control how Orvalen Vellumry looks.</source>
            <translation>Control how Orvalen Vellumry looks.</translation>
        </message>
        <message>
            <source>System Default</source>
            <translation>System Default</translation>
        </message>
        <message>
            <source>Light</source>
            <translation>Light</translation>
        </message>
        <message>
            <source>Dark</source>
            <translation>Dark</translation>
        </message>
        <message>
            <source>Theme</source>
            <translation>Theme</translation>
        </message>
        <message>
            <source>Choose accent color</source>
            <translation>Choose accent color</translation>
        </message>
        <message>
            <source>Accent color</source>
            <translation>Accent color</translation>
        </message>
        <message>
            <source>Small</source>
            <translation>Small</translation>
        </message>
        <message>
            <source>Default</source>
            <translation>Default</translation>
        </message>
        <message>
            <source>Medium</source>
            <translation>Medium</translation>
        </message>
        <message>
            <source>Large</source>
            <translation>Large</translation>
        </message>
        <message>
            <source>Extra Large</source>
            <translation>Extra Large</translation>
        </message>
        <message>
            <source>Font size</source>
            <translation>Font size</translation>
        </message>
        <message>
            <source>Regional</source>
            <translation>Regional</translation>
        </message>
        <message>
            <source>Date and calendar preferences.</source>
            <translation>Date and calendar preferences.</translation>
        </message>
        <message>
            <source>Sunday</source>
            <translation>Sunday</translation>
        </message>
        <message>
            <source>Monday</source>
            <translation>Monday</translation>
        </message>
        <message>
            <source>Saturday</source>
            <translation>Saturday</translation>
        </message>
        <message>
            <source>Week starts on</source>
            <translation>Week starts on</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Language</translation>
        </message>
        <message>
            <source>Display</source>
            <translation>Display</translation>
        </message>
        <message>
            <source>How transactions appear in the register.</source>
            <translation>How transactions appear in the register.</translation>
        </message>
        <message>
            <source>Two-line rows</source>
            <translation>Two-line rows</translation>
        </message>
        <message>
            <source>Show memo on a second line below the payee.</source>
            <translation>Show memo on a second line below the payee.</translation>
        </message>
        <message>
            <source>Auto-decimal point</source>
            <translation>Auto-decimal point</translation>
        </message>
        <message>
            <source>Type 1234 to enter 12.34. The last two digits are always cents.</source>
            <translation>Type 1234 to enter 12.34. The last two digits are always cents.</translation>
        </message>
        <message>
            <source>Highlight overdrawn rows</source>
            <translation>Highlight overdrawn rows</translation>
        </message>
        <message>
            <source>Shades the whole row when the running balance is below zero. The balance itself is always shown in red, so you can turn this off and still spot it. Credit cards and loans are never shaded.</source>
            <translation>Shades the whole row when the running balance is below zero. The balance itself is always shown in red, so you can turn this off and still spot it. Credit cards and loans are never shaded.</translation>
        </message>
        <message>
            <source>Current balance</source>
            <translation>Current balance</translation>
        </message>
        <message>
            <source>Cleared balance</source>
            <translation>Cleared balance</translation>
        </message>
        <message>
            <source>Balance as of today</source>
            <translation>Balance as of today</translation>
        </message>
        <message>
            <source>Account list shows</source>
            <translation>Account list shows</translation>
        </message>
        <message>
            <source>Cleared counts only transactions you have marked cleared. Balance as of today leaves out anything dated later, such as scheduled bills.</source>
            <translation>Cleared counts only transactions you have marked cleared. Balance as of today leaves out anything dated later, such as scheduled bills.</translation>
        </message>
        <message>
            <source>Sorting</source>
            <translation>Sorting</translation>
        </message>
        <message>
            <source>Control the order of transactions in the register.</source>
            <translation>Control the order of transactions in the register.</translation>
        </message>
        <message>
            <source>Show newest transactions first</source>
            <translation>Show newest transactions first</translation>
        </message>
        <message>
            <source>When enabled, the most recent transactions appear at the top.</source>
            <translation>When enabled, the most recent transactions appear at the top.</translation>
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
            <translation>A digital vellumry register for tracking household finances.</translation>
        </message>
        <message>
            <source>Links</source>
            <translation>Links</translation>
        </message>
        <message>
            <source>Orvalen Vellumry for iPhone and Android</source>
            <translation>Orvalen Vellumry for iPhone and Android</translation>
        </message>
        <message>
            <source>© Orvalen Works. All rights reserved.</source>
            <translation>© Orvalen Works. All rights reserved.</translation>
        </message>
        <message>
            <source>This application uses the Qt framework under the LGPL v3 license.</source>
            <translation>This application uses the Qt framework under the LGPL v3 license.</translation>
        </message>
        <message>
            <source>Language Changed</source>
            <translation>Language Changed</translation>
        </message>
        <message>
            <source>The new language will take effect the next time you start Orvalen Vellumry.</source>
            <translation>The new language will take effect the next time you start Orvalen Vellumry.</translation>
        </message>
    </context>
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
