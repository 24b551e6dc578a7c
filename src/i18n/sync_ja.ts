<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
    <context>
        <name>AccountSharingService</name>
        <message>
            <source>Failed to share account (HTTP %1)</source>
            <translation>口座を共有できませんでした (HTTP %1)</translation>
        </message>
    </context>
    <context>
        <name>SyncEngine</name>
        <message>
            <source>Push failed (HTTP %1)</source>
            <translation>変更のアップロードに失敗しました (HTTP %1)</translation>
        </message>
        <message>
            <source>Pull failed (HTTP %1)</source>
            <translation>変更のダウンロードに失敗しました (HTTP %1)</translation>
        </message>
        <message>
            <source>Pull failed: the reply was not a page of changes</source>
            <translation>変更のダウンロードに失敗しました: 応答が想定した形式ではありません</translation>
        </message>
        <message>
            <source>Pull failed: the changes could not be saved</source>
            <translation>変更のダウンロードに失敗しました: 変更を保存できませんでした</translation>
        </message>
        <message>
            <source>Pull failed: the server did not move past page %1</source>
            <translation>変更のダウンロードに失敗しました: サーバーが %1 ページ目から先に進みません</translation>
        </message>
    </context>
</TS>
