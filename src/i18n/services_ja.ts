<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
    <context>
        <name>BackupService</name>
        <message>
            <source>Backup file too large: the limit is 1 GiB</source>
            <translation>バックアップファイルが大きすぎます（上限は 1 GiB です）</translation>
        </message>
        <message>
            <source>Failed to open ZIP archive</source>
            <translation>ZIP アーカイブを開けませんでした</translation>
        </message>
        <message>
            <source>Invalid backup: missing manifest.json</source>
            <translation>無効なバックアップです：manifest.json がありません</translation>
        </message>
        <message>
            <source>Unsupported backup version: %1</source>
            <translation>サポートされていないバックアップのバージョンです：%1</translation>
        </message>
        <message>
            <source>%1: entry too large</source>
            <translation>%1：エントリが大きすぎます</translation>
        </message>
        <message>
            <source>%1: damaged entry (checksum or data error)</source>
            <translation>%1：エントリが破損しています（チェックサムまたはデータのエラー）</translation>
        </message>
        <message>
            <source>%1: unexpected error</source>
            <translation>%1：予期しないエラー</translation>
        </message>
        <message>
            <source>%1: invalid JSON</source>
            <translation>%1：無効な JSON です</translation>
        </message>
        <message>
            <source>Could not save the restored data</source>
            <translation>復元したデータを保存できませんでした</translation>
        </message>
        <message>
            <source>%1: could not be stored (%2)</source>
            <translation>%1：保存できませんでした（%2）</translation>
        </message>
        <message>
            <source>%1: the row has no id</source>
            <translation>%1：行に ID がありません</translation>
        </message>
        <message>
            <source>%1: "%2" is not a column of this table</source>
            <translation>%1：「%2」はこの表の列ではありません</translation>
        </message>
        <message>
            <source>%1: "%2" holds a list or an object instead of a value</source>
            <translation>%1：「%2」に値ではなくリストまたはオブジェクトが入っています</translation>
        </message>
        <message>
            <source>%1: "%2" holds no date in the form yyyy-MM-dd</source>
            <translation>%1：「%2」に yyyy-MM-dd 形式の日付がありません</translation>
        </message>
        <message>
            <source>%1: the split line names no transaction</source>
            <translation>%1：分割行に取引が指定されていません</translation>
        </message>
        <message numerus="yes">
            <source>... and %n more problem(s)</source>
            <translation>
                <numerusform>... ほか %n 件の問題</numerusform>
            </translation>
        </message>
        <message>
            <source>Unsupported backup version: the version is not a number</source>
            <translation>サポートされていないバックアップのバージョン: バージョンが数値ではありません</translation>
        </message>
    </context>
    <context>
        <name>ImportService</name>
        <message>
            <source>Uncategorized</source>
            <translation>未分類</translation>
        </message>
        <message>
            <source>Imported transaction</source>
            <translation>インポートした取引</translation>
        </message>
        <message>
            <source>%1 (no account header)</source>
            <translation>%1（口座ヘッダーなし）</translation>
        </message>
        <message>
            <source>This file is too large to import. CSV files of up to %1 MB can be imported.</source>
            <translation>このファイルは大きすぎるためインポートできません。インポートできる CSV ファイルは %1 MB までです。</translation>
        </message>
        <message>
            <source>Could not open %1: %2</source>
            <translation>%1 を開けませんでした: %2</translation>
        </message>
        <message>
            <source>These files are too large to import together. QIF files of up to %1 MB in all can be imported.</source>
            <translation>これらのファイルは合計が大きすぎるため一緒にインポートできません。インポートできる QIF ファイルは合計 %1 MB までです。</translation>
        </message>
        <message>
            <source>This file is too large to import. QIF files of up to %1 MB can be imported.</source>
            <translation>このファイルは大きすぎるためインポートできません。インポートできる QIF ファイルは %1 MB までです。</translation>
        </message>
        <message>
            <source>Another import is still running. Try again once it has finished.</source>
            <translation>別のインポートがまだ実行中です。終了してからもう一度お試しください。</translation>
        </message>
        <message>
            <source>The account to import into no longer exists.</source>
            <translation>インポート先の口座はもう存在しません。</translation>
        </message>
    </context>
    <context>
        <name>ReportService</name>
        <message>
            <source>Uncategorized</source>
            <translation>未分類</translation>
        </message>
    </context>
    <context>
        <name>SampleDataService</name>
        <message>
            <source>Opening Balance</source>
            <translation>期首残高</translation>
        </message>
        <message>
            <source>Brightpath Inc</source>
            <translation>ブライトパス株式会社</translation>
        </message>
        <message>
            <source>Pinecrest Apartments</source>
            <translation>パインクレスト・アパートメント</translation>
        </message>
        <message>
            <source>Greenleaf Market</source>
            <translation>グリーンリーフ・マーケット</translation>
        </message>
        <message>
            <source>Hilltop Gas</source>
            <translation>ヒルトップ・ガソリンスタンド</translation>
        </message>
        <message>
            <source>Lakeside Utilities</source>
            <translation>レイクサイド公共サービス</translation>
        </message>
        <message>
            <source>Streamline TV</source>
            <translation>ストリームライン TV</translation>
        </message>
        <message>
            <source>Maplewood Diner</source>
            <translation>メープルウッド・ダイナー</translation>
        </message>
        <message>
            <source>Clearview Insurance</source>
            <translation>クリアビュー保険</translation>
        </message>
        <message>
            <source>Hope Community Church</source>
            <translation>ホープ・コミュニティ教会</translation>
        </message>
        <message>
            <source>Transfer to Savings</source>
            <translation>貯蓄口座への振替</translation>
        </message>
        <message>
            <source>NetConnect ISP</source>
            <translation>ネットコネクト ISP</translation>
        </message>
        <message>
            <source>Ridgeline Pharmacy</source>
            <translation>リッジライン薬局</translation>
        </message>
        <message>
            <source>Riverbend Credit Union</source>
            <translation>リバーベンド信用組合</translation>
        </message>
        <message>
            <source>Transfer from Checking</source>
            <translation>当座預金からの振替</translation>
        </message>
        <message>
            <source>Dash Delivery</source>
            <translation>ダッシュ・デリバリー</translation>
        </message>
        <message>
            <source>Gadget World</source>
            <translation>ガジェットワールド</translation>
        </message>
        <message>
            <source>CloudWatch Plus</source>
            <translation>クラウドウォッチ・プラス</translation>
        </message>
        <message>
            <source>Payment - Thank You</source>
            <translation>お支払い - ありがとうございます</translation>
        </message>
        <message>
            <source>Stellar Coffee</source>
            <translation>ステラ・コーヒー</translation>
        </message>
        <message>
            <source>BookNest Online</source>
            <translation>ブックネスト・オンライン</translation>
        </message>
        <message>
            <source>TechVault</source>
            <translation>テックボールト</translation>
        </message>
        <message>
            <source>Biweekly paycheck</source>
            <translation>隔週の給与</translation>
        </message>
        <message>
            <source>February rent</source>
            <translation>2月分の家賃</translation>
        </message>
        <message>
            <source>Weekly groceries</source>
            <translation>毎週の食料品</translation>
        </message>
        <message>
            <source>Fill up</source>
            <translation>給油</translation>
        </message>
        <message>
            <source>Electric bill</source>
            <translation>電気料金</translation>
        </message>
        <message>
            <source>Water bill</source>
            <translation>水道料金</translation>
        </message>
        <message>
            <source>Monthly streaming</source>
            <translation>月額ストリーミング</translation>
        </message>
        <message>
            <source>Dinner out</source>
            <translation>外食（夕食）</translation>
        </message>
        <message>
            <source>Auto insurance</source>
            <translation>自動車保険</translation>
        </message>
        <message>
            <source>Monthly donation</source>
            <translation>毎月の寄付</translation>
        </message>
        <message>
            <source>Monthly savings</source>
            <translation>毎月の積立</translation>
        </message>
        <message>
            <source>March rent</source>
            <translation>3月分の家賃</translation>
        </message>
        <message>
            <source>Internet service</source>
            <translation>インターネット料金</translation>
        </message>
        <message>
            <source>Lunch</source>
            <translation>昼食</translation>
        </message>
        <message>
            <source>Prescriptions</source>
            <translation>処方薬</translation>
        </message>
        <message>
            <source>Coffee &amp; pastry</source>
            <translation>コーヒーとペストリー</translation>
        </message>
        <message>
            <source>Interest payment</source>
            <translation>利息の入金</translation>
        </message>
        <message>
            <source>Food delivery</source>
            <translation>フードデリバリー</translation>
        </message>
        <message>
            <source>Phone case</source>
            <translation>スマホケース</translation>
        </message>
        <message>
            <source>Cloud storage plan</source>
            <translation>クラウドストレージプラン</translation>
        </message>
        <message>
            <source>Credit card payment</source>
            <translation>クレジットカードの支払い</translation>
        </message>
        <message>
            <source>Coffee beans</source>
            <translation>コーヒー豆</translation>
        </message>
        <message>
            <source>Programming books</source>
            <translation>プログラミングの本</translation>
        </message>
        <message>
            <source>USB hub</source>
            <translation>USB ハブ</translation>
        </message>
        <message>
            <source>Monthly rent</source>
            <translation>毎月の家賃</translation>
        </message>
        <message>
            <source>Main Checking</source>
            <translation>メイン当座預金</translation>
        </message>
        <message>
            <source>Savings</source>
            <translation>貯蓄</translation>
        </message>
        <message>
            <source>Visa Rewards</source>
            <translation>Visa リワード</translation>
        </message>
        <message>
            <source>Summit Bank</source>
            <translation>サミット銀行</translation>
        </message>
        <message>
            <source>Salary / Wages</source>
            <translation>給与</translation>
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
            <source>Groceries</source>
            <translation>食料品</translation>
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
            <source>Utilities</source>
            <translation>公共料金</translation>
        </message>
        <message>
            <source>Electric</source>
            <translation>電気代</translation>
        </message>
        <message>
            <source>Water</source>
            <translation>水道代</translation>
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
            <source>Dining &amp; Restaurants</source>
            <translation>外食</translation>
        </message>
        <message>
            <source>Insurance</source>
            <translation>保険</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>自動車</translation>
        </message>
        <message>
            <source>Charitable Donations</source>
            <translation>寄付金</translation>
        </message>
        <message>
            <source>Internet</source>
            <translation>インターネット</translation>
        </message>
        <message>
            <source>Medical Expenses</source>
            <translation>医療費</translation>
        </message>
        <message>
            <source>Interest Income</source>
            <translation>利息収入</translation>
        </message>
        <message>
            <source>Shopping</source>
            <translation>ショッピング</translation>
        </message>
        <message>
            <source>Electronics</source>
            <translation>家電・電子機器</translation>
        </message>
        <message>
            <source>Subscriptions</source>
            <translation>サブスクリプション</translation>
        </message>
        <message>
            <source>Education Expenses</source>
            <translation>教育費</translation>
        </message>
    </context>
</TS>
