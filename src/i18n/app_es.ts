<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
    <context>
        <name>Application</name>
        <message>
            <source>Database Error</source>
            <translation>Error de base de datos</translation>
        </message>
        <message>
            <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
            <translation>No se pudo inicializar la base de datos.

Directorio de datos: %1

Compruebe los permisos de los archivos e inténtelo de nuevo.</translation>
        </message>
    </context>
    <context>
        <name>StatusBar</name>
        <message>
            <source>Offline</source>
            <translation>Sin conexión</translation>
        </message>
        <message numerus="yes">
            <source>%n account(s)</source>
            <translation>
                <numerusform>%n cuenta</numerusform>
                <numerusform>%n cuentas</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>  •  %n recurring due</source>
            <translation>
                <numerusform>  •  %n recurrente pendiente</numerusform>
                <numerusform>  •  %n recurrentes pendientes</numerusform>
            </translation>
        </message>
    </context>
</TS>
