<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
    <context>
        <name>OrvaUpdate::UpdateDialog</name>
        <message>
            <source>Update available</source>
            <translation>Actualización disponible</translation>
        </message>
        <message>
            <source>A new version of %1 is available.</source>
            <translation>Hay una nueva versión de %1 disponible.</translation>
        </message>
        <message>
            <source>You have version %1. The latest version is %2.</source>
            <translation>Tiene la versión %1. La versión más reciente es la %2.</translation>
        </message>
        <message>
            <source>Loading release notes…</source>
            <translation>Cargando las notas de la versión…</translation>
        </message>
        <message>
            <source>*Release notes are not available for this version.*</source>
            <translation>*No hay notas de la versión disponibles para esta versión.*</translation>
        </message>
        <message>
            <source>Download</source>
            <translation>Descargar</translation>
        </message>
        <message>
            <source>Later</source>
            <translation>Más tarde</translation>
        </message>
    </context>
    <context>
        <name>OrvaUpdate::WhatsNewDialog</name>
        <message>
            <source>What's New in %1 %2</source>
            <translation>Novedades de %1 %2</translation>
        </message>
        <message>
            <source>What's new in %1 %2</source>
            <translation>Novedades de %1 %2</translation>
        </message>
        <message>
            <source>You are running version %1</source>
            <translation>Está usando la versión %1</translation>
        </message>
        <message>
            <source>Download %1</source>
            <translation>Descargar %1</translation>
        </message>
    </context>
    <context>
        <name>UpdateFlows</name>
        <message>
            <source>Checking for updates…</source>
            <translation>Buscando actualizaciones…</translation>
        </message>
        <message>
            <source>%1 is up to date (version %2)</source>
            <translation>%1 está actualizado (versión %2)</translation>
        </message>
        <message>
            <source>Update check failed: %1</source>
            <translation>Error al buscar actualizaciones: %1</translation>
        </message>
        <message>
            <source>Loading release notes…</source>
            <translation>Cargando las notas de la versión…</translation>
        </message>
        <message>
            <source>No release notes available for %1 %2</source>
            <translation>No hay notas de la versión disponibles para %1 %2</translation>
        </message>
    </context>
</TS>
