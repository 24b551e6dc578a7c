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
    </context>
</TS>
