<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>BackupService</name>
        <message>
            <source>Backup file too large: the limit is 1 GiB</source>
            <translation>Backup file too large: the limit is 1 GiB</translation>
        </message>
        <message>
            <source>Failed to open ZIP archive</source>
            <translation>Failed to open ZIP archive</translation>
        </message>
        <message>
            <source>Invalid backup: missing manifest.json</source>
            <translation>Invalid backup: missing manifest.json</translation>
        </message>
        <message>
            <source>Unsupported backup version: %1</source>
            <translation>Unsupported backup version: %1</translation>
        </message>
        <message>
            <source>%1: entry too large</source>
            <translation>%1: entry too large</translation>
        </message>
        <message>
            <source>%1: damaged entry (checksum or data error)</source>
            <translation>%1: damaged entry (checksum or data error)</translation>
        </message>
        <message>
            <source>%1: unexpected error</source>
            <translation>%1: unexpected error</translation>
        </message>
        <message>
            <source>%1: invalid JSON</source>
            <translation>%1: invalid JSON</translation>
        </message>
        <message>
            <source>Could not save the restored data</source>
            <translation>Could not save the restored data</translation>
        </message>
        <message>
            <source>%1: could not be stored (%2)</source>
            <translation>%1: could not be stored (%2)</translation>
        </message>
        <message>
            <source>%1: the row has no id</source>
            <translation>%1: the row has no id</translation>
        </message>
        <message>
            <source>%1: "%2" is not a column of this table</source>
            <translation>%1: "%2" is not a column of this table</translation>
        </message>
        <message>
            <source>%1: "%2" holds a list or an object instead of a value</source>
            <translation>%1: "%2" holds a list or an object instead of a value</translation>
        </message>
        <message>
            <source>%1: "%2" holds no date in the form yyyy-MM-dd</source>
            <translation>%1: "%2" holds no date in the form yyyy-MM-dd</translation>
        </message>
        <message>
            <source>%1: the split line names no transaction</source>
            <translation>%1: the split line names no transaction</translation>
        </message>
        <message numerus="yes">
            <source>... and %n more problem(s)</source>
            <translation>
                <numerusform>... and %n more problem</numerusform>
                <numerusform>... and %n more problems</numerusform>
            </translation>
        </message>
        <message>
            <source>Unsupported backup version: the version is not a number</source>
            <translation>Unsupported backup version: the version is not a number</translation>
        </message>
    </context>
    <context>
        <name>ImportService</name>
        <message>
            <source>Uncategorized</source>
            <translation>Uncategorized</translation>
        </message>
        <message>
            <source>Imported transaction</source>
            <translation>Imported transaction</translation>
        </message>
        <message>
            <source>%1 (no account header)</source>
            <translation>%1 (no account header)</translation>
        </message>
        <message>
            <source>This file is too large to import. CSV files of up to %1 MB can be imported.</source>
            <translation>This file is too large to import. CSV files of up to %1 MB can be imported.</translation>
        </message>
        <message>
            <source>Could not open %1: %2</source>
            <translation>Could not open %1: %2</translation>
        </message>
        <message>
            <source>These files are too large to import together. QIF files of up to %1 MB in all can be imported.</source>
            <translation>These files are too large to import together. QIF files of up to %1 MB in all can be imported.</translation>
        </message>
        <message>
            <source>This file is too large to import. QIF files of up to %1 MB can be imported.</source>
            <translation>This file is too large to import. QIF files of up to %1 MB can be imported.</translation>
        </message>
        <message>
            <source>Another import is still running. Try again once it has finished.</source>
            <translation>Another import is still running. Try again once it has finished.</translation>
        </message>
        <message>
            <source>The account to import into no longer exists.</source>
            <translation>The account to import into no longer exists.</translation>
        </message>
    </context>
    <context>
        <name>ReportService</name>
        <message>
            <source>Uncategorized</source>
            <translation>Uncategorized</translation>
        </message>
    </context>
    <context>
        <name>SampleDataService</name>
        <message>
            <source>Opening Balance</source>
            <translation>Opening Balance</translation>
        </message>
        <message>
            <source>Brightpath Inc</source>
            <translation>Brightpath Inc</translation>
        </message>
        <message>
            <source>Pinecrest Apartments</source>
            <translation>Pinecrest Apartments</translation>
        </message>
        <message>
            <source>Greenleaf Market</source>
            <translation>Greenleaf Market</translation>
        </message>
        <message>
            <source>Hilltop Gas</source>
            <translation>Hilltop Gas</translation>
        </message>
        <message>
            <source>Lakeside Utilities</source>
            <translation>Lakeside Utilities</translation>
        </message>
        <message>
            <source>Streamline TV</source>
            <translation>Streamline TV</translation>
        </message>
        <message>
            <source>Maplewood Diner</source>
            <translation>Maplewood Diner</translation>
        </message>
        <message>
            <source>Clearview Insurance</source>
            <translation>Clearview Insurance</translation>
        </message>
        <message>
            <source>Hope Community Church</source>
            <translation>Hope Community Church</translation>
        </message>
        <message>
            <source>Transfer to Savings</source>
            <translation>Transfer to Savings</translation>
        </message>
        <message>
            <source>NetConnect ISP</source>
            <translation>NetConnect ISP</translation>
        </message>
        <message>
            <source>Ridgeline Pharmacy</source>
            <translation>Ridgeline Pharmacy</translation>
        </message>
        <message>
            <source>Riverbend Credit Union</source>
            <translation>Riverbend Credit Union</translation>
        </message>
        <message>
            <source>Transfer from Checking</source>
            <translation>Transfer from Checking</translation>
        </message>
        <message>
            <source>Dash Delivery</source>
            <translation>Dash Delivery</translation>
        </message>
        <message>
            <source>Gadget World</source>
            <translation>Gadget World</translation>
        </message>
        <message>
            <source>CloudWatch Plus</source>
            <translation>CloudWatch Plus</translation>
        </message>
        <message>
            <source>Payment - Thank You</source>
            <translation>Payment - Thank You</translation>
        </message>
        <message>
            <source>Stellar Coffee</source>
            <translation>Stellar Coffee</translation>
        </message>
        <message>
            <source>BookNest Online</source>
            <translation>BookNest Online</translation>
        </message>
        <message>
            <source>TechVault</source>
            <translation>TechVault</translation>
        </message>
        <message>
            <source>Biweekly paycheck</source>
            <translation>Biweekly paycheck</translation>
        </message>
        <message>
            <source>February rent</source>
            <translation>February rent</translation>
        </message>
        <message>
            <source>Weekly groceries</source>
            <translation>Weekly groceries</translation>
        </message>
        <message>
            <source>Fill up</source>
            <translation>Fill up</translation>
        </message>
        <message>
            <source>Electric bill</source>
            <translation>Electric bill</translation>
        </message>
        <message>
            <source>Water bill</source>
            <translation>Water bill</translation>
        </message>
        <message>
            <source>Monthly streaming</source>
            <translation>Monthly streaming</translation>
        </message>
        <message>
            <source>Dinner out</source>
            <translation>Dinner out</translation>
        </message>
        <message>
            <source>Auto insurance</source>
            <translation>Auto insurance</translation>
        </message>
        <message>
            <source>Monthly donation</source>
            <translation>Monthly donation</translation>
        </message>
        <message>
            <source>Monthly savings</source>
            <translation>Monthly savings</translation>
        </message>
        <message>
            <source>March rent</source>
            <translation>March rent</translation>
        </message>
        <message>
            <source>Internet service</source>
            <translation>Internet service</translation>
        </message>
        <message>
            <source>Lunch</source>
            <translation>Lunch</translation>
        </message>
        <message>
            <source>Prescriptions</source>
            <translation>Prescriptions</translation>
        </message>
        <message>
            <source>Coffee &amp; pastry</source>
            <translation>Coffee &amp; pastry</translation>
        </message>
        <message>
            <source>Interest payment</source>
            <translation>Interest payment</translation>
        </message>
        <message>
            <source>Food delivery</source>
            <translation>Food delivery</translation>
        </message>
        <message>
            <source>Phone case</source>
            <translation>Phone case</translation>
        </message>
        <message>
            <source>Cloud storage plan</source>
            <translation>Cloud storage plan</translation>
        </message>
        <message>
            <source>Credit card payment</source>
            <translation>Credit card payment</translation>
        </message>
        <message>
            <source>Coffee beans</source>
            <translation>Coffee beans</translation>
        </message>
        <message>
            <source>Programming books</source>
            <translation>Programming books</translation>
        </message>
        <message>
            <source>USB hub</source>
            <translation>USB hub</translation>
        </message>
        <message>
            <source>Monthly rent</source>
            <translation>Monthly rent</translation>
        </message>
        <message>
            <source>Main Checking</source>
            <translation>Main Checking</translation>
        </message>
        <message>
            <source>Savings</source>
            <translation>Savings</translation>
        </message>
        <message>
            <source>Visa Rewards</source>
            <translation>Visa Rewards</translation>
        </message>
        <message>
            <source>Summit Bank</source>
            <translation>Summit Bank</translation>
        </message>
        <message>
            <source>Salary / Wages</source>
            <translation>Salary / Wages</translation>
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
            <source>Groceries</source>
            <translation>Groceries</translation>
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
            <source>Utilities</source>
            <translation>Utilities</translation>
        </message>
        <message>
            <source>Electric</source>
            <translation>Electric</translation>
        </message>
        <message>
            <source>Water</source>
            <translation>Water</translation>
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
            <source>Dining &amp; Restaurants</source>
            <translation>Dining &amp; Restaurants</translation>
        </message>
        <message>
            <source>Insurance</source>
            <translation>Insurance</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>Auto</translation>
        </message>
        <message>
            <source>Charitable Donations</source>
            <translation>Charitable Donations</translation>
        </message>
        <message>
            <source>Internet</source>
            <translation>Internet</translation>
        </message>
        <message>
            <source>Medical Expenses</source>
            <translation>Medical Expenses</translation>
        </message>
        <message>
            <source>Interest Income</source>
            <translation>Interest Income</translation>
        </message>
        <message>
            <source>Shopping</source>
            <translation>Shopping</translation>
        </message>
        <message>
            <source>Electronics</source>
            <translation>Electronics</translation>
        </message>
        <message>
            <source>Subscriptions</source>
            <translation>Subscriptions</translation>
        </message>
        <message>
            <source>Education Expenses</source>
            <translation>Education Expenses</translation>
        </message>
    </context>
</TS>
