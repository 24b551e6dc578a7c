<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
    <context>
        <name>AccountActions</name>
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
        <name>CurrentAccount</name>
        <message>
            <source>Select an account first</source>
            <translation>Seleccione primero una cuenta</translation>
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
        <name>HelpActions</name>
        <message>
            <source>&lt;h3&gt;Orvalen Vellumry&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital vellumry register for tracking household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU Lesser General Public License version 3. See &lt;a href="https://www.qt.io/"&gt;qt.io&lt;/a&gt; for Qt and &lt;a href="https://code.qt.io/"&gt;code.qt.io&lt;/a&gt; for its source code.&lt;/small&gt;&lt;/p&gt;</source>
            <translation>&lt;h3&gt;Orvalen Vellumry&lt;/h3&gt;&lt;p&gt;Versión %1&lt;/p&gt;&lt;p&gt;Un registro vellumry digital para llevar las finanzas del hogar.&lt;/p&gt;&lt;p&gt;&lt;small&gt;Esta aplicación usa el framework Qt bajo la GNU Lesser General Public License versión 3. Consulte &lt;a href="https://www.qt.io/"&gt;qt.io&lt;/a&gt; sobre Qt y &lt;a href="https://code.qt.io/"&gt;code.qt.io&lt;/a&gt; para su código fuente.&lt;/small&gt;&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;' (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
            <translation>&lt;h3&gt;Registro&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Guardar transacción&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insertar transacción nueva&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Eliminar la transacción actual&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Campo siguiente / anterior&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;' (apóstrofo)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copiar el valor del campo de arriba&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Campo de fecha&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Hoy&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Día siguiente / anterior&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Primer / último día del mes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Primer / último día del año&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Primer / último día de la semana&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nueva transacción&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nueva cuenta&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Conciliar la cuenta&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Buscar transacciones&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Informes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Transacciones periódicas&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categorías&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Cuentas&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Ir a la cuenta 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Ir a la cuenta 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
        </message>
        <message>
            <source>About Orvalen Vellumry</source>
            <translation>Acerca de Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Orvalen Vellumry</source>
            <translation>Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Keyboard Shortcuts</source>
            <translation>Atajos de teclado</translation>
        </message>
        <message>
            <source>Sample Data</source>
            <translation>Datos de ejemplo</translation>
        </message>
        <message>
            <source>Sample data is already loaded.</source>
            <translation>Los datos de ejemplo ya están cargados.</translation>
        </message>
        <message>
            <source>Sample data loaded</source>
            <translation>Datos de ejemplo cargados</translation>
        </message>
        <message>
            <source>No sample data to clear.</source>
            <translation>No hay datos de ejemplo que borrar.</translation>
        </message>
        <message>
            <source>Sample data cleared</source>
            <translation>Datos de ejemplo borrados</translation>
        </message>
        <message>
            <source>The sample data could not be cleared completely. Sample accounts that hold transactions of your own are kept; delete those transactions and clear again.</source>
            <translation>No se pudieron borrar del todo los datos de ejemplo. Las cuentas de ejemplo con transacciones propias se conservan; elimine esas transacciones y vuelva a borrar.</translation>
        </message>
    </context>
    <context>
        <name>MainMenus</name>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Archivo</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Editar</translation>
        </message>
        <message>
            <source>&amp;Account</source>
            <translation>&amp;Cuenta</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;Ver</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>A&amp;yuda</translation>
        </message>
        <message>
            <source>&amp;New Transaction</source>
            <translation>&amp;Nueva transacción</translation>
        </message>
        <message>
            <source>New &amp;Account</source>
            <translation>Nueva c&amp;uenta</translation>
        </message>
        <message>
            <source>&amp;Import...</source>
            <translation>&amp;Importar...</translation>
        </message>
        <message>
            <source>Orvalen &amp;Account...</source>
            <translation>&amp;Cuenta de Orvalen...</translation>
        </message>
        <message>
            <source>Sign &amp;Out</source>
            <translation>&amp;Cerrar sesión</translation>
        </message>
        <message>
            <source>&amp;Quit</source>
            <translation>&amp;Salir</translation>
        </message>
        <message>
            <source>&amp;Find...</source>
            <translation>&amp;Buscar...</translation>
        </message>
        <message>
            <source>&amp;Preferences...</source>
            <translation>&amp;Preferencias...</translation>
        </message>
        <message>
            <source>&amp;Edit...</source>
            <translation>&amp;Editar...</translation>
        </message>
        <message>
            <source>&amp;Reconcile...</source>
            <translation>&amp;Conciliar...</translation>
        </message>
        <message>
            <source>Reconciliation &amp;History...</source>
            <translation>&amp;Historial de conciliaciones...</translation>
        </message>
        <message>
            <source>Rename &amp;Payees...</source>
            <translation>Renombrar &amp;beneficiarios...</translation>
        </message>
        <message>
            <source>&amp;Share...</source>
            <translation>C&amp;ompartir...</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>E&amp;liminar</translation>
        </message>
        <message>
            <source>&amp;Reports</source>
            <translation>&amp;Informes</translation>
        </message>
        <message>
            <source>Re&amp;curring Transactions</source>
            <translation>Transacciones &amp;periódicas</translation>
        </message>
        <message>
            <source>C&amp;ategories</source>
            <translation>&amp;Categorías</translation>
        </message>
        <message>
            <source>&amp;About Orvalen Vellumry</source>
            <translation>&amp;Acerca de Orvalen Vellumry</translation>
        </message>
        <message>
            <source>What's &amp;New...</source>
            <translation>&amp;Novedades...</translation>
        </message>
        <message>
            <source>Check for &amp;Updates...</source>
            <translation>Buscar act&amp;ualizaciones...</translation>
        </message>
        <message>
            <source>Send &amp;Feedback...</source>
            <translation>Enviar &amp;comentarios...</translation>
        </message>
        <message>
            <source>&amp;Keyboard Shortcuts</source>
            <translation>Atajos de &amp;teclado</translation>
        </message>
        <message>
            <source>Load &amp;Sample Data</source>
            <translation>Cargar datos de &amp;ejemplo</translation>
        </message>
        <message>
            <source>&amp;Clear Sample Data</source>
            <translation>&amp;Borrar datos de ejemplo</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>Orvalen Vellumry</source>
            <translation>Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Sign in or sign up</source>
            <translation>Inicie sesión o regístrese</translation>
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
        <message>
            <source>Reconcile...</source>
            <translation>Conciliar...</translation>
        </message>
        <message>
            <source>Reconciliation History...</source>
            <translation>Historial de conciliaciones...</translation>
        </message>
        <message>
            <source>Rename Payees...</source>
            <translation>Renombrar beneficiarios...</translation>
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
    <context>
        <name>ToolWindows</name>
        <message>
            <source>Reports</source>
            <translation>Informes</translation>
        </message>
        <message>
            <source>Recurring Transactions</source>
            <translation>Transacciones periódicas</translation>
        </message>
        <message>
            <source>Search Transactions</source>
            <translation>Buscar transacciones</translation>
        </message>
        <message>
            <source>Categories</source>
            <translation>Categorías</translation>
        </message>
        <message>
            <source>Preferences</source>
            <translation>Preferencias</translation>
        </message>
        <message>
            <source>Import Transactions</source>
            <translation>Importar transacciones</translation>
        </message>
        <message>
            <source>Payee Management</source>
            <translation>Gestión de beneficiarios</translation>
        </message>
        <message>
            <source>Reconcile — %1</source>
            <translation>Conciliar — %1</translation>
        </message>
        <message>
            <source>Reconciliation History</source>
            <translation>Historial de conciliaciones</translation>
        </message>
        <message>
            <source>Orvalen Account</source>
            <translation>Cuenta de Orvalen</translation>
        </message>
    </context>
</TS>
