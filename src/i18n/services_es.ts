<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
    <context>
        <name>BackupService</name>
        <message>
            <source>Backup file too large: the limit is 1 GiB</source>
            <translation>Archivo de copia de seguridad demasiado grande: el límite es 1 GiB</translation>
        </message>
        <message>
            <source>Failed to open ZIP archive</source>
            <translation>No se pudo abrir el archivo ZIP</translation>
        </message>
        <message>
            <source>Invalid backup: missing manifest.json</source>
            <translation>Copia de seguridad no válida: falta manifest.json</translation>
        </message>
        <message>
            <source>Unsupported backup version: %1</source>
            <translation>Versión de copia de seguridad no compatible: %1</translation>
        </message>
        <message>
            <source>%1: entry too large</source>
            <translation>%1: entrada demasiado grande</translation>
        </message>
        <message>
            <source>%1: damaged entry (checksum or data error)</source>
            <translation>%1: entrada dañada (error de suma de comprobación o de datos)</translation>
        </message>
        <message>
            <source>%1: unexpected error</source>
            <translation>%1: error inesperado</translation>
        </message>
        <message>
            <source>%1: invalid JSON</source>
            <translation>%1: JSON no válido</translation>
        </message>
        <message>
            <source>Could not save the restored data</source>
            <translation>No se pudieron guardar los datos restaurados</translation>
        </message>
    </context>
</TS>
