<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
    <context>
        <name>CategoryService</name>
        <message>
            <source>Charitable Donations</source>
            <translation>寄付金</translation>
        </message>
        <message>
            <source>Medical Expenses</source>
            <translation>医療費</translation>
        </message>
        <message>
            <source>Business Expenses</source>
            <translation>事業経費</translation>
        </message>
        <message>
            <source>Home Office</source>
            <translation>ホームオフィス</translation>
        </message>
        <message>
            <source>Education Expenses</source>
            <translation>教育費</translation>
        </message>
        <message>
            <source>State &amp; Local Taxes</source>
            <translation>州税・地方税</translation>
        </message>
        <message>
            <source>Mortgage Interest</source>
            <translation>住宅ローン利息</translation>
        </message>
        <message>
            <source>Property Tax</source>
            <translation>固定資産税</translation>
        </message>
        <message>
            <source>Housing</source>
            <translation>住居費</translation>
        </message>
        <message>
            <source>Rent/Mortgage Payment</source>
            <translation>家賃・住宅ローン返済</translation>
        </message>
        <message>
            <source>Maintenance</source>
            <translation>メンテナンス</translation>
        </message>
        <message>
            <source>HOA</source>
            <translation>管理費</translation>
        </message>
        <message>
            <source>Utilities</source>
            <translation>公共料金</translation>
        </message>
        <message>
            <source>Electric</source>
            <translation>電気代</translation>
        </message>
        <message>
            <source>Gas</source>
            <translation>ガス代</translation>
        </message>
        <message>
            <source>Water</source>
            <translation>水道代</translation>
        </message>
        <message>
            <source>Internet</source>
            <translation>インターネット</translation>
        </message>
        <message>
            <source>Phone</source>
            <translation>電話代</translation>
        </message>
        <message>
            <source>Transportation</source>
            <translation>交通費</translation>
        </message>
        <message>
            <source>Gas/Fuel</source>
            <translation>ガソリン代</translation>
        </message>
        <message>
            <source>Car Payment</source>
            <translation>自動車ローン</translation>
        </message>
        <message>
            <source>Auto Insurance</source>
            <translation>自動車保険</translation>
        </message>
        <message>
            <source>Public Transit</source>
            <translation>公共交通機関</translation>
        </message>
        <message>
            <source>Groceries</source>
            <translation>食料品</translation>
        </message>
        <message>
            <source>Dining &amp; Restaurants</source>
            <translation>外食</translation>
        </message>
        <message>
            <source>Personal Care</source>
            <translation>美容・身だしなみ</translation>
        </message>
        <message>
            <source>Pets</source>
            <translation>ペット</translation>
        </message>
        <message>
            <source>Subscriptions</source>
            <translation>サブスクリプション</translation>
        </message>
        <message>
            <source>Gifts</source>
            <translation>贈り物</translation>
        </message>
        <message>
            <source>Miscellaneous</source>
            <translation>雑費</translation>
        </message>
        <message>
            <source>Entertainment</source>
            <translation>娯楽</translation>
        </message>
        <message>
            <source>Streaming</source>
            <translation>動画・音楽配信</translation>
        </message>
        <message>
            <source>Movies</source>
            <translation>映画</translation>
        </message>
        <message>
            <source>Events</source>
            <translation>イベント</translation>
        </message>
        <message>
            <source>Shopping</source>
            <translation>ショッピング</translation>
        </message>
        <message>
            <source>Clothing</source>
            <translation>衣料品</translation>
        </message>
        <message>
            <source>Electronics</source>
            <translation>家電・電子機器</translation>
        </message>
        <message>
            <source>Household</source>
            <translation>日用品</translation>
        </message>
        <message>
            <source>Insurance</source>
            <translation>保険</translation>
        </message>
        <message>
            <source>Health</source>
            <translation>医療保険</translation>
        </message>
        <message>
            <source>Life</source>
            <translation>生命保険</translation>
        </message>
        <message>
            <source>Home/Renters</source>
            <translation>住宅・家財保険</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>自動車</translation>
        </message>
        <message>
            <source>Fees &amp; Charges</source>
            <translation>手数料</translation>
        </message>
        <message>
            <source>Bank Fees</source>
            <translation>銀行手数料</translation>
        </message>
        <message>
            <source>ATM Fees</source>
            <translation>ATM手数料</translation>
        </message>
        <message>
            <source>Late Fees</source>
            <translation>延滞料</translation>
        </message>
        <message>
            <source>Salary / Wages</source>
            <translation>給与</translation>
        </message>
        <message>
            <source>Interest Income</source>
            <translation>利息収入</translation>
        </message>
        <message>
            <source>Dividend Income</source>
            <translation>配当収入</translation>
        </message>
        <message>
            <source>Rental Income</source>
            <translation>家賃収入</translation>
        </message>
        <message>
            <source>Freelance / Consulting</source>
            <translation>フリーランス・コンサルティング</translation>
        </message>
        <message>
            <source>Refunds</source>
            <translation>返金</translation>
        </message>
        <message>
            <source>Gifts Received</source>
            <translation>受け取った贈り物</translation>
        </message>
        <message>
            <source>Other Income</source>
            <translation>その他の収入</translation>
        </message>
    </context>
    <context>
        <name>LedgerFileCheck</name>
        <message>
            <source>This file is not an Orvalen Vellumry ledger.</source>
            <translation>このファイルは Orvalen Vellumry の出納帳ではありません。</translation>
        </message>
        <message>
            <source>It has no record of a ledger's migrations.</source>
            <translation>出納帳の移行履歴がありません。</translation>
        </message>
        <message>
            <source>Its record of migrations cannot be read: %1</source>
            <translation>移行履歴を読み取れません: %1</translation>
        </message>
        <message>
            <source>Its record of migrations lists %1 %2 where a ledger has %3 %4.</source>
            <translation>移行履歴には %1 %2 とありますが、出納帳では %3 %4 です。</translation>
        </message>
        <message>
            <source>Its table %1 is missing.</source>
            <translation>テーブル %1 がありません。</translation>
        </message>
        <message>
            <source>Its tables %1 are missing.</source>
            <translation>テーブル %1 がありません。</translation>
        </message>
        <message>
            <source>The file %1 is read-only.</source>
            <translation>ファイル %1 は読み取り専用です。</translation>
        </message>
        <message>
            <source>The folder %1 is read-only.</source>
            <translation>フォルダー %1 は読み取り専用です。</translation>
        </message>
    </context>
    <context>
        <name>MoneySum</name>
        <message>
            <source>Out of range</source>
            <translation>範囲外</translation>
        </message>
    </context>
    <context>
        <name>TransactionRepository</name>
        <message>
            <source>Opening Balance</source>
            <translation>期首残高</translation>
        </message>
    </context>
    <context>
        <name>TransactionWriter</name>
        <message>
            <source>Uncategorized</source>
            <translation>未分類</translation>
        </message>
    </context>
    <context>
        <name>TransferService</name>
        <message>
            <source>Transfer to %1</source>
            <translation>%1への振替</translation>
        </message>
        <message>
            <source>Transfer from %1</source>
            <translation>%1からの振替</translation>
        </message>
    </context>
</TS>
