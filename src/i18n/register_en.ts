<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>RegisterColumnLayout</name>
        <message>
            <source>Show columns</source>
            <translation>Show columns</translation>
        </message>
        <message>
            <source>Reset register layout</source>
            <translation>Reset register layout</translation>
        </message>
    </context>
    <context>
        <name>RegisterCommitNotice</name>
        <message>
            <source>Payee is required</source>
            <translation>Payee is required</translation>
        </message>
        <message>
            <source>Enter a payment or deposit amount</source>
            <translation>Enter a payment or deposit amount</translation>
        </message>
        <message>
            <source>Amount not understood: %1</source>
            <translation>Amount not understood: %1</translation>
        </message>
        <message>
            <source>The transaction could not be saved. Please try again.</source>
            <translation>The transaction could not be saved. Please try again.</translation>
        </message>
        <message>
            <source>Opening Balance</source>
            <translation>Opening Balance</translation>
        </message>
        <message>
            <source>This account's opening balance is held on the account itself.

Set it in the account's settings.</source>
            <translation>This account's opening balance is held on the account itself.

Set it in the account's settings.</translation>
        </message>
        <message>
            <source>This transaction was deleted meanwhile, so nothing was saved.</source>
            <translation>This transaction was deleted meanwhile, so nothing was saved.</translation>
        </message>
        <message>
            <source>Amount too large: %1. The largest amount is %2.</source>
            <translation>Amount too large: %1. The largest amount is %2.</translation>
        </message>
    </context>
    <context>
        <name>RegisterDelegate</name>
        <message>
            <source>Memo</source>
            <translation>Memo</translation>
        </message>
    </context>
    <context>
        <name>RegisterFigureLabels</name>
        <message>
            <source>Cleared</source>
            <translation>Cleared</translation>
        </message>
        <message>
            <source>Uncleared</source>
            <translation>Uncleared</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Balance</translation>
        </message>
    </context>
    <context>
        <name>RegisterFilterDialog</name>
        <message>
            <source>Filters</source>
            <translation>Filters</translation>
        </message>
        <message>
            <source>All</source>
            <translation>All</translation>
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
            <source>Limit to a date range</source>
            <translation>Limit to a date range</translation>
        </message>
        <message>
            <source>Status:</source>
            <translation>Status:</translation>
        </message>
        <message>
            <source>to</source>
            <translation>to</translation>
        </message>
        <message>
            <source>Dates:</source>
            <translation>Dates:</translation>
        </message>
        <message>
            <source>Category:</source>
            <translation>Category:</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Done</translation>
        </message>
        <message>
            <source>Clear All</source>
            <translation>Clear All</translation>
        </message>
        <message>
            <source>All Categories</source>
            <translation>All Categories</translation>
        </message>
    </context>
    <context>
        <name>RegisterHeaderBar</name>
        <message>
            <source>&amp;New Transaction</source>
            <translation>&amp;New Transaction</translation>
        </message>
        <message>
            <source>Add a transaction using the full form</source>
            <translation>Add a transaction using the full form</translation>
        </message>
        <message>
            <source>&amp;Reconcile</source>
            <translation>&amp;Reconcile</translation>
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
            <translation>Filters are applied. Click to change or clear them.</translation>
        </message>
        <message>
            <source>Filter which transactions are listed</source>
            <translation>Filter which transactions are listed</translation>
        </message>
    </context>
    <context>
        <name>RegisterModel</name>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Payee</translation>
        </message>
        <message>
            <source>Payee / Memo</source>
            <translation>Payee / Memo</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Category</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>Memo</translation>
        </message>
        <message>
            <source>Payment</source>
            <translation>Payment</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Charge</translation>
        </message>
        <message>
            <source>Deposit</source>
            <translation>Deposit</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Balance</translation>
        </message>
        <message>
            <source>—Split—</source>
            <translation>—Split—</translation>
        </message>
        <message>
            <source>Chk #</source>
            <translation>Chk #</translation>
        </message>
        <message>
            <source>Clr</source>
            <translation>Clr</translation>
        </message>
    </context>
    <context>
        <name>RegisterOpeningBanner</name>
        <message>
            <source>No, it is a credit</source>
            <translation>No, it is a credit</translation>
        </message>
        <message>
            <source>Yes, I owe this</source>
            <translation>Yes, I owe this</translation>
        </message>
        <message>
            <source>This account's opening balance is recorded as a credit of %1. If you meant that you owe %1, Vellumry can correct it.</source>
            <translation>This account's opening balance is recorded as a credit of %1. If you meant that you owe %1, Vellumry can correct it.</translation>
        </message>
    </context>
    <context>
        <name>RegisterRowCommands</name>
        <message>
            <source>Cannot memorize: source transaction has an invalid date</source>
            <translation>Cannot memorize: source transaction has an invalid date</translation>
        </message>
        <message>
            <source>Transaction memorized as recurring</source>
            <translation>Transaction memorized as recurring</translation>
        </message>
        <message>
            <source>&amp;Insert New</source>
            <translation>&amp;Insert New</translation>
        </message>
        <message>
            <source>&amp;New Transaction...</source>
            <translation>&amp;New Transaction...</translation>
        </message>
        <message>
            <source>&amp;Edit in Dialog...</source>
            <translation>&amp;Edit in Dialog...</translation>
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
            <source>&amp;Delete</source>
            <translation>&amp;Delete</translation>
        </message>
    </context>
    <context>
        <name>RegisterScreen</name>
        <message>
            <source>Saved. It isn't listed because of the current filter.</source>
            <translation>Saved. It isn't listed because of the current filter.</translation>
        </message>
        <message>
            <source>Fields cleared</source>
            <translation>Fields cleared</translation>
        </message>
    </context>
    <context>
        <name>RegisterStatusLine</name>
        <message>
            <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above</source>
            <translation>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above</translation>
        </message>
    </context>
    <context>
        <name>SplitEditorDialog</name>
        <message>
            <source>Split Transaction</source>
            <translation>Split Transaction</translation>
        </message>
        <message>
            <source>Total: %1</source>
            <translation>Total: %1</translation>
        </message>
        <message>
            <source>Remaining: %1</source>
            <translation>Remaining: %1</translation>
        </message>
    </context>
    <context>
        <name>SplitLinesWidget</name>
        <message>
            <source>(none)</source>
            <translation>(none)</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Category</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>Amount</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>Memo</translation>
        </message>
        <message>
            <source>+ Add Line</source>
            <translation>+ Add Line</translation>
        </message>
        <message>
            <source>- Remove</source>
            <translation>- Remove</translation>
        </message>
    </context>
    <context>
        <name>TransactionActions</name>
        <message>
            <source>Transaction Not Saved</source>
            <translation>Transaction Not Saved</translation>
        </message>
        <message>
            <source>The transaction could not be saved, and nothing was changed. Please try again.</source>
            <translation>The transaction could not be saved, and nothing was changed. Please try again.</translation>
        </message>
        <message>
            <source>Transfer account not found</source>
            <translation>Transfer account not found</translation>
        </message>
        <message>
            <source>Transfers require both accounts to use the same currency</source>
            <translation>Transfers require both accounts to use the same currency</translation>
        </message>
        <message>
            <source>A transfer can't be split across categories</source>
            <translation>A transfer can't be split across categories</translation>
        </message>
        <message>
            <source>Transfer</source>
            <translation>Transfer</translation>
        </message>
        <message>
            <source>Opening Balance</source>
            <translation>Opening Balance</translation>
        </message>
        <message>
            <source>The opening balance can't be removed. Every account has one.

To clear it, set it to zero in the account's settings.</source>
            <translation>The opening balance can't be removed. Every account has one.

To clear it, set it to zero in the account's settings.</translation>
        </message>
        <message>
            <source>Delete "%1" for %2?</source>
            <translation>Delete "%1" for %2?</translation>
        </message>
        <message>
            <source>Delete transfer "%1" for %2?

Both sides of the transfer will be deleted.</source>
            <translation>Delete transfer "%1" for %2?

Both sides of the transfer will be deleted.</translation>
        </message>
        <message>
            <source>Delete Transaction</source>
            <translation>Delete Transaction</translation>
        </message>
        <message>
            <source>Transaction Not Deleted</source>
            <translation>Transaction Not Deleted</translation>
        </message>
        <message>
            <source>The transaction could not be deleted, and nothing was changed. Please try again.</source>
            <translation>The transaction could not be deleted, and nothing was changed. Please try again.</translation>
        </message>
    </context>
    <context>
        <name>TransactionDetailsDialog</name>
        <message>
            <source>Transaction Details</source>
            <translation>Transaction Details</translation>
        </message>
        <message>
            <source>Reconciled</source>
            <translation>Reconciled</translation>
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
            <source>Date:</source>
            <translation>Date:</translation>
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
            <source>—Split—</source>
            <translation>—Split—</translation>
        </message>
        <message>
            <source>Memo:</source>
            <translation>Memo:</translation>
        </message>
        <message>
            <source>Check #:</source>
            <translation>Check #:</translation>
        </message>
        <message>
            <source>Transfer to:</source>
            <translation>Transfer to:</translation>
        </message>
        <message>
            <source>Status:</source>
            <translation>Status:</translation>
        </message>
        <message>
            <source>Split lines</source>
            <translation>Split lines</translation>
        </message>
        <message>
            <source>(no split lines on record)</source>
            <translation>(no split lines on record)</translation>
        </message>
        <message>
            <source>(uncategorized)</source>
            <translation>(uncategorized)</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>Total</translation>
        </message>
        <message>
            <source>Entered: %1</source>
            <translation>Entered: %1</translation>
        </message>
        <message>
            <source>Last modified: %1</source>
            <translation>Last modified: %1</translation>
        </message>
        <message>
            <source>Edit...</source>
            <translation>Edit...</translation>
        </message>
        <message>
            <source>Duplicate...</source>
            <translation>Duplicate...</translation>
        </message>
        <message>
            <source>Mark Uncleared</source>
            <translation>Mark Uncleared</translation>
        </message>
        <message>
            <source>Mark Cleared</source>
            <translation>Mark Cleared</translation>
        </message>
        <message>
            <source>Delete...</source>
            <translation>Delete...</translation>
        </message>
    </context>
    <context>
        <name>TransactionFormDialog</name>
        <message>
            <source>Edit Transaction</source>
            <translation>Edit Transaction</translation>
        </message>
        <message>
            <source>New Transaction</source>
            <translation>New Transaction</translation>
        </message>
        <message>
            <source>This is the account's opening balance. Changing the amount or date shifts every balance after it.</source>
            <translation>This is the account's opening balance. Changing the amount or date shifts every balance after it.</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Charge</translation>
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
            <source>Transfer</source>
            <translation>Transfer</translation>
        </message>
        <message>
            <source>Type:</source>
            <translation>Type:</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>Date:</translation>
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
            <source>No other account in this currency to transfer into</source>
            <translation>No other account in this currency to transfer into</translation>
        </message>
        <message>
            <source>Amount:</source>
            <translation>Amount:</translation>
        </message>
        <message>
            <source>Split...</source>
            <translation>Split...</translation>
        </message>
        <message>
            <source>Split this transaction across multiple categories with their own amounts and memos.</source>
            <translation>Split this transaction across multiple categories with their own amounts and memos.</translation>
        </message>
        <message>
            <source>Use single category</source>
            <translation>Use single category</translation>
        </message>
        <message>
            <source>Drop the split and return to a single-category transaction.</source>
            <translation>Drop the split and return to a single-category transaction.</translation>
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
            <source>Check #:</source>
            <translation>Check #:</translation>
        </message>
        <message>
            <source>Cleared</source>
            <translation>Cleared</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(none)</translation>
        </message>
        <message>
            <source>%1 (deleted)</source>
            <translation>%1 (deleted)</translation>
        </message>
        <message>
            <source>(account no longer available)</source>
            <translation>(account no longer available)</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>Account:</translation>
        </message>
        <message>
            <source>—Split—</source>
            <translation>—Split—</translation>
        </message>
    </context>
    <context>
        <name>TypedInputCheck</name>
        <message>
            <source>Amount not understood: %1</source>
            <translation>Amount not understood: %1</translation>
        </message>
        <message>
            <source>Date not understood: %1</source>
            <translation>Date not understood: %1</translation>
        </message>
    </context>
</TS>
