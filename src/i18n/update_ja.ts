<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
    <context>
        <name>OrvaUpdate::UpdateDialog</name>
        <message>
            <source>Update available</source>
            <translation>アップデートがあります</translation>
        </message>
        <message>
            <source>A new version of %1 is available.</source>
            <translation>%1 の新しいバージョンがあります。</translation>
        </message>
        <message>
            <source>You have version %1. The latest version is %2.</source>
            <translation>お使いのバージョンは %1 です。最新バージョンは %2 です。</translation>
        </message>
        <message>
            <source>Loading release notes…</source>
            <translation>リリースノートを読み込んでいます…</translation>
        </message>
        <message>
            <source>*Release notes are not available for this version.*</source>
            <translation>*このバージョンのリリースノートはありません。*</translation>
        </message>
        <message>
            <source>Download</source>
            <translation>ダウンロード</translation>
        </message>
        <message>
            <source>Later</source>
            <translation>後で</translation>
        </message>
    </context>
    <context>
        <name>OrvaUpdate::WhatsNewDialog</name>
        <message>
            <source>What's New in %1 %2</source>
            <translation>%1 %2 の新機能</translation>
        </message>
        <message>
            <source>What's new in %1 %2</source>
            <translation>%1 %2 の新機能</translation>
        </message>
        <message>
            <source>You are running version %1</source>
            <translation>現在のバージョン: %1</translation>
        </message>
        <message>
            <source>Download %1</source>
            <translation>%1 をダウンロード</translation>
        </message>
    </context>
    <context>
        <name>UpdateFlows</name>
        <message>
            <source>Checking for updates…</source>
            <translation>アップデートを確認しています…</translation>
        </message>
        <message>
            <source>%1 is up to date (version %2)</source>
            <translation>%1 は最新です（バージョン %2）</translation>
        </message>
        <message>
            <source>Update check failed: %1</source>
            <translation>アップデートの確認に失敗しました: %1</translation>
        </message>
        <message>
            <source>Loading release notes…</source>
            <translation>リリースノートを読み込んでいます…</translation>
        </message>
        <message>
            <source>No release notes available for %1 %2</source>
            <translation>%1 %2 のリリースノートはありません</translation>
        </message>
    </context>
</TS>
