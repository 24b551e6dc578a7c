<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
    <context>
        <name>AccountListPanel</name>
        <message>
            <source>Cleared</source>
            <translation>Compensado</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>Hoy</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>Total</translation>
        </message>
        <message>
            <source>No accounts</source>
            <translation>No hay cuentas</translation>
        </message>
    </context>
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
        <name>EmptyStatePage</name>
        <message>
            <source>Welcome to Orvalen Vellumry</source>
            <translation>Bienvenido a Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Create your first account to get started.</source>
            <translation>Cree su primera cuenta para empezar.</translation>
        </message>
        <message>
            <source>Create Account</source>
            <translation>Crear cuenta</translation>
        </message>
        <message>
            <source>You can also import transactions from a CSV file via File › Import.</source>
            <translation>También puede importar transacciones desde un archivo CSV en Archivo › Importar.</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>Orvalen Vellumry</source>
            <translation>Orvalen Vellumry</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Archivo</translation>
        </message>
        <message>
            <source>Orvalen &amp;Account...</source>
            <translation>&amp;Cuenta de Orvalen...</translation>
        </message>
        <message>
            <source>Sign in or sign up</source>
            <translation>Inicie sesión o regístrese</translation>
        </message>
        <message>
            <source>Sign &amp;Out</source>
            <translation>&amp;Cerrar sesión</translation>
        </message>
        <message>
            <source>Signed in successfully</source>
            <translation>Sesión iniciada correctamente</translation>
        </message>
        <message>
            <source>Sign-in failed: %1</source>
            <translation>Error al iniciar sesión: %1</translation>
        </message>
        <message>
            <source>Sync complete</source>
            <translation>Sincronización completada</translation>
        </message>
        <message>
            <source>Sync failed: %1</source>
            <translation>Error de sincronización: %1</translation>
        </message>
        <message>
            <source>Manage your account</source>
            <translation>Administrar su cuenta</translation>
        </message>
        <message>
            <source>Not signed in</source>
            <translation>Sin sesión iniciada</translation>
        </message>
        <message numerus="yes">
            <source>Auto-posted %n recurring transaction(s)</source>
            <translation>
                <numerusform>Se registró automáticamente %n transacción recurrente</numerusform>
                <numerusform>Se registraron automáticamente %n transacciones recurrentes</numerusform>
            </translation>
        </message>
        <message>
            <source>New Account...</source>
            <translation>Nueva cuenta...</translation>
        </message>
        <message>
            <source>New Account</source>
            <translation>Nueva cuenta</translation>
        </message>
        <message>
            <source>The account could not be saved.</source>
            <translation>No se pudo guardar la cuenta.</translation>
        </message>
        <message>
            <source>Orvalen Account</source>
            <translation>Cuenta de Orvalen</translation>
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
