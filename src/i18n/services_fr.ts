<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>BackupService</name>
        <message>
            <source>Backup file too large: the limit is 1 GiB</source>
            <translation>Fichier de sauvegarde trop volumineux : la limite est de 1 Gio</translation>
        </message>
        <message>
            <source>Failed to open ZIP archive</source>
            <translation>Impossible d’ouvrir l’archive ZIP</translation>
        </message>
        <message>
            <source>Invalid backup: missing manifest.json</source>
            <translation>Sauvegarde non valide : manifest.json est absent</translation>
        </message>
        <message>
            <source>Unsupported backup version: %1</source>
            <translation>Version de sauvegarde non prise en charge : %1</translation>
        </message>
        <message>
            <source>%1: entry too large</source>
            <translation>%1 : entrée trop volumineuse</translation>
        </message>
        <message>
            <source>%1: damaged entry (checksum or data error)</source>
            <translation>%1 : entrée endommagée (erreur de somme de contrôle ou de données)</translation>
        </message>
        <message>
            <source>%1: unexpected error</source>
            <translation>%1 : erreur inattendue</translation>
        </message>
        <message>
            <source>%1: invalid JSON</source>
            <translation>%1 : JSON non valide</translation>
        </message>
        <message>
            <source>Could not save the restored data</source>
            <translation>Impossible d’enregistrer les données restaurées</translation>
        </message>
    </context>
</TS>
