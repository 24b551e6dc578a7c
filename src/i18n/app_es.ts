<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
    <context>
        <name>AccountActions</name>
        <message>
            <source>Select an account first</source>
            <translation>Seleccione primero una cuenta</translation>
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
            <source>Change currency?</source>
            <translation>¿Cambiar la moneda?</translation>
        </message>
        <message numerus="yes">
            <source>This account has %n transfer(s) to accounts in another currency. Those transfers will no longer add up, and any recurring transfer between them will stop posting until you fix it. Existing entries are not converted.</source>
            <translation>
                <numerusform>Esta cuenta tiene %n transferencia a cuentas en otra moneda. Esas transferencias dejarán de cuadrar, y las transferencias periódicas entre ellas dejarán de registrarse hasta que lo corrija. Los movimientos existentes no se convierten.</numerusform>
                <numerusform>Esta cuenta tiene %n transferencias a cuentas en otra moneda. Esas transferencias dejarán de cuadrar, y las transferencias periódicas entre ellas dejarán de registrarse hasta que lo corrija. Los movimientos existentes no se convierten.</numerusform>
            </translation>
        </message>
        <message>
            <source>Starting Balance</source>
            <translation>Saldo inicial</translation>
        </message>
        <message>
            <source>Edit Account</source>
            <translation>Editar cuenta</translation>
        </message>
        <message>
            <source>Delete "%1"?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
            <translation>¿Eliminar «%1»?

Se eliminarán todos los movimientos, las entradas periódicas y el historial de conciliación de esta cuenta. Puede restaurarla desde Preferencias → Datos y sincronización.</translation>
        </message>
        <message>
            <source>Delete Account</source>
            <translation>Eliminar cuenta</translation>
        </message>
        <message>
            <source>The account could not be deleted.</source>
            <translation>No se pudo eliminar la cuenta.</translation>
        </message>
        <message>
            <source>Sign In Required</source>
            <translation>Es necesario iniciar sesión</translation>
        </message>
        <message>
            <source>Sharing requires a Orvalen account.</source>
            <translation>Para compartir se necesita una cuenta de Orvalen.</translation>
        </message>
        <message>
            <source>Learn More</source>
            <translation>Más información</translation>
        </message>
        <message>
            <source>Share Account</source>
            <translation>Compartir cuenta</translation>
        </message>
        <message>
            <source>Sharing: %1</source>
            <translation>Compartir: %1</translation>
        </message>
        <message>
            <source>Share this account with members of your Orvalen family group. They'll see the same register, balances, and reconciliation history on their devices.</source>
            <translation>Comparta esta cuenta con los miembros de su grupo familiar de Orvalen. Verán el mismo registro, los mismos saldos y el mismo historial de conciliación en sus dispositivos.</translation>
        </message>
        <message>
            <source>Shared with</source>
            <translation>Compartida con</translation>
        </message>
        <message>
            <source>Not shared with anyone yet.</source>
            <translation>Aún no se ha compartido con nadie.</translation>
        </message>
        <message>
            <source>You are not in a family group yet. Create one or join one under File › Orvalen Account, then share this account with its members.</source>
            <translation>Aún no pertenece a ningún grupo familiar. Cree uno o únase a uno en Archivo › Cuenta de Orvalen y luego comparta esta cuenta con sus miembros.</translation>
        </message>
        <message>
            <source>Share</source>
            <translation>Compartir</translation>
        </message>
        <message>
            <source>Remove access</source>
            <translation>Quitar acceso</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Share Failed</source>
            <translation>No se pudo compartir</translation>
        </message>
        <message>
            <source>Remove Failed</source>
            <translation>No se pudo quitar</translation>
        </message>
        <message>
            <source>Remove Share</source>
            <translation>Dejar de compartir</translation>
        </message>
        <message>
            <source>Remove %1's access to this account?</source>
            <translation>¿Quitar el acceso de %1 a esta cuenta?</translation>
        </message>
        <message>
            <source>Change the opening balance?

Every balance in this account will shift.</source>
            <translation>¿Cambiar el saldo inicial?

Todos los saldos de esta cuenta cambiarán.</translation>
        </message>
    </context>
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
            <source>Orvalen Account</source>
            <translation>Cuenta de Orvalen</translation>
        </message>
        <message>
            <source>Edit "%1"...</source>
            <translation>Editar «%1»...</translation>
        </message>
        <message>
            <source>Share...</source>
            <translation>Compartir...</translation>
        </message>
        <message>
            <source>Delete "%1"</source>
            <translation>Eliminar «%1»</translation>
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
