<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>CategoryService</name>
        <message>
            <source>Charitable Donations</source>
            <translation>Charitable Donations</translation>
        </message>
        <message>
            <source>Medical Expenses</source>
            <translation>Medical Expenses</translation>
        </message>
        <message>
            <source>Business Expenses</source>
            <translation>Business Expenses</translation>
        </message>
        <message>
            <source>Home Office</source>
            <translation>Home Office</translation>
        </message>
        <message>
            <source>Education Expenses</source>
            <translation>Education Expenses</translation>
        </message>
        <message>
            <source>State &amp; Local Taxes</source>
            <translation>State &amp; Local Taxes</translation>
        </message>
        <message>
            <source>Mortgage Interest</source>
            <translation>Mortgage Interest</translation>
        </message>
        <message>
            <source>Property Tax</source>
            <translation>Property Tax</translation>
        </message>
        <message>
            <source>Housing</source>
            <translation>Housing</translation>
        </message>
        <message>
            <source>Rent/Mortgage Payment</source>
            <translation>Rent/Mortgage Payment</translation>
        </message>
        <message>
            <source>Maintenance</source>
            <translation>Maintenance</translation>
        </message>
        <message>
            <source>HOA</source>
            <translation>HOA</translation>
        </message>
        <message>
            <source>Utilities</source>
            <translation>Utilities</translation>
        </message>
        <message>
            <source>Electric</source>
            <translation>Electric</translation>
        </message>
        <message>
            <source>Gas</source>
            <translation>Gas</translation>
        </message>
        <message>
            <source>Water</source>
            <translation>Water</translation>
        </message>
        <message>
            <source>Internet</source>
            <translation>Internet</translation>
        </message>
        <message>
            <source>Phone</source>
            <translation>Phone</translation>
        </message>
        <message>
            <source>Transportation</source>
            <translation>Transportation</translation>
        </message>
        <message>
            <source>Gas/Fuel</source>
            <translation>Gas/Fuel</translation>
        </message>
        <message>
            <source>Car Payment</source>
            <translation>Car Payment</translation>
        </message>
        <message>
            <source>Auto Insurance</source>
            <translation>Auto Insurance</translation>
        </message>
        <message>
            <source>Public Transit</source>
            <translation>Public Transit</translation>
        </message>
        <message>
            <source>Groceries</source>
            <translation>Groceries</translation>
        </message>
        <message>
            <source>Dining &amp; Restaurants</source>
            <translation>Dining &amp; Restaurants</translation>
        </message>
        <message>
            <source>Personal Care</source>
            <translation>Personal Care</translation>
        </message>
        <message>
            <source>Pets</source>
            <translation>Pets</translation>
        </message>
        <message>
            <source>Subscriptions</source>
            <translation>Subscriptions</translation>
        </message>
        <message>
            <source>Gifts</source>
            <translation>Gifts</translation>
        </message>
        <message>
            <source>Miscellaneous</source>
            <translation>Miscellaneous</translation>
        </message>
        <message>
            <source>Entertainment</source>
            <translation>Entertainment</translation>
        </message>
        <message>
            <source>Streaming</source>
            <translation>Streaming</translation>
        </message>
        <message>
            <source>Movies</source>
            <translation>Movies</translation>
        </message>
        <message>
            <source>Events</source>
            <translation>Events</translation>
        </message>
        <message>
            <source>Shopping</source>
            <translation>Shopping</translation>
        </message>
        <message>
            <source>Clothing</source>
            <translation>Clothing</translation>
        </message>
        <message>
            <source>Electronics</source>
            <translation>Electronics</translation>
        </message>
        <message>
            <source>Household</source>
            <translation>Household</translation>
        </message>
        <message>
            <source>Insurance</source>
            <translation>Insurance</translation>
        </message>
        <message>
            <source>Health</source>
            <translation>Health</translation>
        </message>
        <message>
            <source>Life</source>
            <translation>Life</translation>
        </message>
        <message>
            <source>Home/Renters</source>
            <translation>Home/Renters</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>Auto</translation>
        </message>
        <message>
            <source>Fees &amp; Charges</source>
            <translation>Fees &amp; Charges</translation>
        </message>
        <message>
            <source>Bank Fees</source>
            <translation>Bank Fees</translation>
        </message>
        <message>
            <source>ATM Fees</source>
            <translation>ATM Fees</translation>
        </message>
        <message>
            <source>Late Fees</source>
            <translation>Late Fees</translation>
        </message>
        <message>
            <source>Salary / Wages</source>
            <translation>Salary / Wages</translation>
        </message>
        <message>
            <source>Interest Income</source>
            <translation>Interest Income</translation>
        </message>
        <message>
            <source>Dividend Income</source>
            <translation>Dividend Income</translation>
        </message>
        <message>
            <source>Rental Income</source>
            <translation>Rental Income</translation>
        </message>
        <message>
            <source>Freelance / Consulting</source>
            <translation>Freelance / Consulting</translation>
        </message>
        <message>
            <source>Refunds</source>
            <translation>Refunds</translation>
        </message>
        <message>
            <source>Gifts Received</source>
            <translation>Gifts Received</translation>
        </message>
        <message>
            <source>Other Income</source>
            <translation>Other Income</translation>
        </message>
    </context>
    <context>
        <name>LedgerFileCheck</name>
        <message>
            <source>This file is not an Orvalen Vellumry ledger.</source>
            <translation>This file is not an Orvalen Vellumry ledger.</translation>
        </message>
        <message>
            <source>It has no record of a ledger's migrations.</source>
            <translation>It has no record of a ledger's migrations.</translation>
        </message>
        <message>
            <source>Its record of migrations cannot be read: %1</source>
            <translation>Its record of migrations cannot be read: %1</translation>
        </message>
        <message>
            <source>Its record of migrations lists %1 %2 where a ledger has %3 %4.</source>
            <translation>Its record of migrations lists %1 %2 where a ledger has %3 %4.</translation>
        </message>
        <message>
            <source>Its table %1 is missing.</source>
            <translation>Its table %1 is missing.</translation>
        </message>
        <message>
            <source>Its tables %1 are missing.</source>
            <translation>Its tables %1 are missing.</translation>
        </message>
        <message>
            <source>The file %1 is read-only.</source>
            <translation>The file %1 is read-only.</translation>
        </message>
        <message>
            <source>The folder %1 is read-only.</source>
            <translation>The folder %1 is read-only.</translation>
        </message>
    </context>
    <context>
        <name>MoneySum</name>
        <message>
            <source>Out of range</source>
            <translation>Out of range</translation>
        </message>
    </context>
    <context>
        <name>TransactionRepository</name>
        <message>
            <source>Opening Balance</source>
            <translation>Opening Balance</translation>
        </message>
    </context>
    <context>
        <name>TransactionWriter</name>
        <message>
            <source>Uncategorized</source>
            <translation>Uncategorized</translation>
        </message>
    </context>
    <context>
        <name>TransferService</name>
        <message>
            <source>Transfer to %1</source>
            <translation>Transfer to %1</translation>
        </message>
        <message>
            <source>Transfer from %1</source>
            <translation>Transfer from %1</translation>
        </message>
    </context>
</TS>
