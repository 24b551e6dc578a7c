<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
    <context>
        <name>AccountSharingService</name>
        <message>
            <source>Failed to share account (HTTP %1)</source>
            <translation>No se pudo compartir la cuenta (HTTP %1)</translation>
        </message>
    </context>
    <context>
        <name>SyncEngine</name>
        <message>
            <source>Push failed (HTTP %1)</source>
            <translation>Error al enviar los cambios (HTTP %1)</translation>
        </message>
        <message>
            <source>Pull failed (HTTP %1)</source>
            <translation>Error al recibir los cambios (HTTP %1)</translation>
        </message>
        <message>
            <source>Pull failed: the reply was not a page of changes</source>
            <translation>Error al recibir los cambios: la respuesta no tenía el formato esperado</translation>
        </message>
        <message>
            <source>Pull failed: the changes could not be saved</source>
            <translation>Error al recibir los cambios: no se pudieron guardar</translation>
        </message>
        <message>
            <source>Pull failed: the server did not move past page %1</source>
            <translation>Error al recibir los cambios: el servidor no pasó de la página %1</translation>
        </message>
    </context>
</TS>
