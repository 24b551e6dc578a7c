<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>OrvaUpdate::UpdateDialog</name>
        <message>
            <source>Update available</source>
            <translation>Mise à jour disponible</translation>
        </message>
        <message>
            <source>A new version of %1 is available.</source>
            <translation>Une nouvelle version de %1 est disponible.</translation>
        </message>
        <message>
            <source>You have version %1. The latest version is %2.</source>
            <translation>Vous avez la version %1. La dernière version est la %2.</translation>
        </message>
        <message>
            <source>Loading release notes…</source>
            <translation>Chargement des notes de version…</translation>
        </message>
        <message>
            <source>*Release notes are not available for this version.*</source>
            <translation>*Aucune note de version n’est disponible pour cette version.*</translation>
        </message>
        <message>
            <source>Download</source>
            <translation>Télécharger</translation>
        </message>
        <message>
            <source>Later</source>
            <translation>Plus tard</translation>
        </message>
    </context>
    <context>
        <name>OrvaUpdate::WhatsNewDialog</name>
        <message>
            <source>What's New in %1 %2</source>
            <translation>Nouveautés de %1 %2</translation>
        </message>
        <message>
            <source>What's new in %1 %2</source>
            <translation>Nouveautés de %1 %2</translation>
        </message>
        <message>
            <source>You are running version %1</source>
            <translation>Vous utilisez la version %1</translation>
        </message>
        <message>
            <source>Download %1</source>
            <translation>Télécharger %1</translation>
        </message>
    </context>
    <context>
        <name>UpdateFlows</name>
        <message>
            <source>Checking for updates…</source>
            <translation>Recherche de mises à jour…</translation>
        </message>
        <message>
            <source>%1 is up to date (version %2)</source>
            <translation>%1 est à jour (version %2)</translation>
        </message>
        <message>
            <source>Update check failed: %1</source>
            <translation>Échec de la recherche de mises à jour : %1</translation>
        </message>
        <message>
            <source>Loading release notes…</source>
            <translation>Chargement des notes de version…</translation>
        </message>
        <message>
            <source>No release notes available for %1 %2</source>
            <translation>Aucune note de version disponible pour %1 %2</translation>
        </message>
    </context>
</TS>
