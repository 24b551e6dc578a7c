<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
    <context>
        <name>AccountFormDialog</name>
        <message>
            <source>New Account</source>
            <translation>Nueva cuenta</translation>
        </message>
        <message>
            <source>Edit Account</source>
            <translation>Editar cuenta</translation>
        </message>
        <message>
            <source>This account already has an opening balance. Changing the amount or date shifts every balance after it.</source>
            <translation>Esta cuenta ya tiene un saldo inicial. Cambiar el importe o la fecha desplaza todos los saldos posteriores.</translation>
        </message>
        <message>
            <source>Account name</source>
            <translation>Nombre de la cuenta</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>&amp;Nombre:</translation>
        </message>
        <message>
            <source>Checking</source>
            <translation>Cuenta corriente</translation>
        </message>
        <message>
            <source>Savings</source>
            <translation>Ahorros</translation>
        </message>
        <message>
            <source>Credit Card</source>
            <translation>Tarjeta de crédito</translation>
        </message>
        <message>
            <source>Cash</source>
            <translation>Efectivo</translation>
        </message>
        <message>
            <source>Investment</source>
            <translation>Inversión</translation>
        </message>
        <message>
            <source>Loan</source>
            <translation>Préstamo</translation>
        </message>
        <message>
            <source>Other</source>
            <translation>Otra</translation>
        </message>
        <message>
            <source>&amp;Type:</source>
            <translation>&amp;Tipo:</translation>
        </message>
        <message>
            <source>&amp;Currency:</source>
            <translation>&amp;Moneda:</translation>
        </message>
        <message>
            <source>Starting &amp;Balance:</source>
            <translation>&amp;Saldo inicial:</translation>
        </message>
        <message>
            <source>Starting &amp;Balance (Amount Owed):</source>
            <translation>&amp;Saldo inicial (importe adeudado):</translation>
        </message>
        <message>
            <source>&amp;As of:</source>
            <translation>&amp;A fecha de:</translation>
        </message>
        <message>
            <source>Bank name (optional)</source>
            <translation>Nombre del banco (opcional)</translation>
        </message>
        <message>
            <source>&amp;Institution:</source>
            <translation>&amp;Entidad:</translation>
        </message>
        <message>
            <source>Last 4 digits (optional)</source>
            <translation>Últimos 4 dígitos (opcional)</translation>
        </message>
        <message>
            <source>Account &amp;Number:</source>
            <translation>&amp;Número de cuenta:</translation>
        </message>
    </context>
    <context>
        <name>CategoriesScreen</name>
        <message>
            <source>Categories</source>
            <translation>Categorías</translation>
        </message>
        <message>
            <source>Search categories...</source>
            <translation>Buscar categorías...</translation>
        </message>
        <message>
            <source>+ New Category</source>
            <translation>+ Nueva categoría</translation>
        </message>
        <message>
            <source>&amp;New Category</source>
            <translation>&amp;Nueva categoría</translation>
        </message>
        <message>
            <source>Add &amp;Subcategory</source>
            <translation>Añadir &amp;subcategoría</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Editar</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>E&amp;liminar</translation>
        </message>
        <message>
            <source>Delete Category</source>
            <translation>Eliminar categoría</translation>
        </message>
        <message>
            <source>Delete "%1"? Transactions using this category will become uncategorized.</source>
            <translation>¿Eliminar «%1»? Las transacciones que usan esta categoría quedarán sin categoría.</translation>
        </message>
    </context>
    <context>
        <name>CategoryFormDialog</name>
        <message>
            <source>New Category</source>
            <translation>Nueva categoría</translation>
        </message>
        <message>
            <source>New Subcategory</source>
            <translation>Nueva subcategoría</translation>
        </message>
        <message>
            <source>Edit Category</source>
            <translation>Editar categoría</translation>
        </message>
        <message>
            <source>&amp;Parent:</source>
            <translation>&amp;Principal:</translation>
        </message>
        <message>
            <source>Category name</source>
            <translation>Nombre de la categoría</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>&amp;Nombre:</translation>
        </message>
        <message>
            <source>Expense</source>
            <translation>Gasto</translation>
        </message>
        <message>
            <source>Income</source>
            <translation>Ingreso</translation>
        </message>
        <message>
            <source>Transfer</source>
            <translation>Transferencia</translation>
        </message>
        <message>
            <source>&amp;Type:</source>
            <translation>&amp;Tipo:</translation>
        </message>
        <message>
            <source>Tax-relevant</source>
            <translation>Relevante para impuestos</translation>
        </message>
        <message>
            <source>Mark this category for inclusion in tax-time reports.</source>
            <translation>Incluir esta categoría en los informes para la declaración de impuestos.</translation>
        </message>
        <message>
            <source>e.g. charitable_contributions, mortgage_interest</source>
            <translation>p. ej., charitable_contributions, mortgage_interest</translation>
        </message>
        <message>
            <source>Tax &amp;Code:</source>
            <translation>&amp;Código fiscal:</translation>
        </message>
    </context>
    <context>
        <name>CategoryTreeModel</name>
        <message>
            <source>Category</source>
            <translation>Categoría</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>Tipo</translation>
        </message>
        <message>
            <source>Tax Code</source>
            <translation>Código fiscal</translation>
        </message>
    </context>
    <context>
        <name>ImportProgress</name>
        <message>
            <source>Importing...</source>
            <translation>Importando...</translation>
        </message>
    </context>
    <context>
        <name>ImportScreen</name>
        <message>
            <source>(none)</source>
            <translation>(ninguna)</translation>
        </message>
        <message>
            <source>Import Transactions</source>
            <translation>Importar transacciones</translation>
        </message>
        <message>
            <source>CSV</source>
            <translation>CSV</translation>
        </message>
        <message>
            <source>QIF</source>
            <translation>QIF</translation>
        </message>
        <message>
            <source>&amp;Format:</source>
            <translation>&amp;Formato:</translation>
        </message>
        <message>
            <source>&amp;Account:</source>
            <translation>&amp;Cuenta:</translation>
        </message>
        <message>
            <source>No file selected</source>
            <translation>Ningún archivo seleccionado</translation>
        </message>
        <message>
            <source>Browse...</source>
            <translation>Examinar...</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>Archivo:</translation>
        </message>
        <message>
            <source>Import</source>
            <translation>Importar</translation>
        </message>
        <message>
            <source>CSV Column Mapping:</source>
            <translation>Asignación de columnas CSV:</translation>
        </message>
        <message>
            <source>Date column:</source>
            <translation>Columna de fecha:</translation>
        </message>
        <message>
            <source>Payee column:</source>
            <translation>Columna de beneficiario:</translation>
        </message>
        <message>
            <source>Amount column:</source>
            <translation>Columna de importe:</translation>
        </message>
        <message>
            <source>Memo column:</source>
            <translation>Columna de nota:</translation>
        </message>
        <message>
            <source>Category column:</source>
            <translation>Columna de categoría:</translation>
        </message>
        <message>
            <source>Auto-detect</source>
            <translation>Detectar automáticamente</translation>
        </message>
        <message>
            <source>Month D, YYYY (May 14, 2026)</source>
            <translation>Mes D, AAAA (May 14, 2026)</translation>
        </message>
        <message>
            <source>Date format:</source>
            <translation>Formato de fecha:</translation>
        </message>
        <message>
            <source>First row is header</source>
            <translation>La primera fila es el encabezado</translation>
        </message>
        <message>
            <source>QIF source accounts:</source>
            <translation>Cuentas de origen QIF:</translation>
        </message>
        <message>
            <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
            <translation>Elija a dónde se importa cada cuenta de Quicken. Las transferencias entre cuentas asignadas en los archivos seleccionados se vincularán automáticamente.</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Hecho</translation>
        </message>
        <message>
            <source>Select QIF File(s)</source>
            <translation>Seleccionar archivo(s) QIF</translation>
        </message>
        <message>
            <source>QIF Files (*.qif)</source>
            <translation>Archivos QIF (*.qif)</translation>
        </message>
        <message numerus="yes">
            <source>%n file(s) selected</source>
            <translation>
                <numerusform>%n archivo seleccionado</numerusform>
                <numerusform>%n archivos seleccionados</numerusform>
            </translation>
        </message>
        <message>
            <source>Analyzing QIF file(s)...</source>
            <translation>Analizando archivo(s) QIF...</translation>
        </message>
        <message>
            <source>None of the chosen files could be read.</source>
            <translation>No se pudo leer ninguno de los archivos elegidos.</translation>
        </message>
        <message>
            <source>Select File</source>
            <translation>Seleccionar archivo</translation>
        </message>
        <message>
            <source>CSV Files (*.csv);;All Files (*)</source>
            <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
        </message>
        <message>
            <source>"%1" could not be read.</source>
            <translation>No se pudo leer «%1».</translation>
        </message>
        <message>
            <source>"%1" holds no rows to import.</source>
            <translation>«%1» no contiene filas que importar.</translation>
        </message>
        <message>
            <source>Col %1</source>
            <translation>Col. %1</translation>
        </message>
        <message numerus="yes">
            <source>The first %n rows of the file are shown; it holds more.</source>
            <translation>
                <numerusform>Se muestra la primera fila del archivo; contiene más.</numerusform>
                <numerusform>Se muestran las primeras %n filas del archivo; contiene más.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>The file holds %n row(s).</source>
            <translation>
                <numerusform>El archivo contiene %n fila.</numerusform>
                <numerusform>El archivo contiene %n filas.</numerusform>
            </translation>
        </message>
        <message>
            <source>Col %1: %2</source>
            <translation>Col. %1: %2</translation>
        </message>
        <message>
            <source>Column %1</source>
            <translation>Columna %1</translation>
        </message>
        <message>
            <source>No target account</source>
            <translation>No hay cuenta de destino</translation>
        </message>
        <message>
            <source>Pick an account to import into, or create one now.</source>
            <translation>Elija una cuenta en la que importar o cree una ahora.</translation>
        </message>
    </context>
    <context>
        <name>ImportSummary</name>
        <message>
            <source>Import failed.</source>
            <translation>La importación ha fallado.</translation>
        </message>
        <message>
            <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
            <translation>Un error de la base de datos detuvo la importación y se revirtieron todos los cambios. No se añadió ninguna transacción.</translation>
        </message>
        <message>
            <source>Import complete!</source>
            <translation>¡Importación completada!</translation>
        </message>
        <message numerus="yes">
            <source>%n transaction(s) imported</source>
            <translation>
                <numerusform>%n transacción importada</numerusform>
                <numerusform>%n transacciones importadas</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n transfer(s) linked across accounts</source>
            <translation>
                <numerusform>%n transferencia vinculada entre cuentas</numerusform>
                <numerusform>%n transferencias vinculadas entre cuentas</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>  (including %n linked to previously imported row(s))</source>
            <translation>
                <numerusform>  (incluida %n vinculada a una fila importada antes)</numerusform>
                <numerusform>  (incluidas %n vinculadas a filas importadas antes)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n duplicate(s) skipped</source>
            <translation>
                <numerusform>%n duplicado omitido</numerusform>
                <numerusform>%n duplicados omitidos</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n record(s) skipped (unparseable)</source>
            <translation>
                <numerusform>%n registro omitido (ilegible)</numerusform>
                <numerusform>%n registros omitidos (ilegibles)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n metadata record(s) skipped</source>
            <translation>
                <numerusform>%n registro de metadatos omitido</numerusform>
                <numerusform>%n registros de metadatos omitidos</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n record(s) skipped (unmapped source account)</source>
            <translation>
                <numerusform>%n registro omitido (cuenta de origen sin asignar)</numerusform>
                <numerusform>%n registros omitidos (cuenta de origen sin asignar)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n record(s) skipped (database error — see log)</source>
            <translation>
                <numerusform>%n registro omitido (error de base de datos; consulte el registro)</numerusform>
                <numerusform>%n registros omitidos (error de base de datos; consulte el registro)</numerusform>
            </translation>
        </message>
        <message>
            <source>A quote opened on line %1 is never closed: the rows after it could not be read.</source>
            <translation>Unas comillas abiertas en la línea %1 no se cierran nunca: no se pudieron leer las filas posteriores.</translation>
        </message>
        <message>
            <source>No transactions were added.</source>
            <translation>No se añadió ninguna transacción.</translation>
        </message>
        <message numerus="yes">
            <source>%n row(s) skipped (more than %1 fields or %2 characters in one row)</source>
            <translation>
                <numerusform>%n fila omitida (más de %1 campos o %2 caracteres en una fila)</numerusform>
                <numerusform>%n filas omitidas (más de %1 campos o %2 caracteres en una fila)</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>PayeeScreen</name>
        <message>
            <source>Payee Management</source>
            <translation>Gestión de beneficiarios</translation>
        </message>
        <message>
            <source>Rename to:</source>
            <translation>Cambiar nombre a:</translation>
        </message>
        <message>
            <source>Rename Selected</source>
            <translation>Cambiar nombre de la selección</translation>
        </message>
        <message>
            <source>Merge Selected</source>
            <translation>Combinar selección</translation>
        </message>
        <message>
            <source>"%1" is the payee of opening balances. Choose another name.</source>
            <translation>«%1» es el beneficiario de los saldos iniciales. Elija otro nombre.</translation>
        </message>
        <message>
            <source>Rename</source>
            <translation>Cambiar nombre</translation>
        </message>
        <message>
            <source>Rename Complete</source>
            <translation>Cambio de nombre completado</translation>
        </message>
        <message numerus="yes">
            <source>Renamed %n transaction(s).</source>
            <translation>
                <numerusform>Se cambió el nombre de %n transacción.</numerusform>
                <numerusform>Se cambió el nombre de %n transacciones.</numerusform>
            </translation>
        </message>
        <message>
            <source>Merge</source>
            <translation>Combinar</translation>
        </message>
        <message>
            <source>Select 2 or more payees to merge.</source>
            <translation>Seleccione 2 o más beneficiarios para combinar.</translation>
        </message>
        <message>
            <source>Merge Payees</source>
            <translation>Combinar beneficiarios</translation>
        </message>
        <message>
            <source>Merge %1 payees into "%2"?</source>
            <translation>¿Combinar %1 beneficiarios en «%2»?</translation>
        </message>
        <message>
            <source>Merge Complete</source>
            <translation>Combinación completada</translation>
        </message>
        <message numerus="yes">
            <source>Merged %n transaction(s).</source>
            <translation>
                <numerusform>Se combinó %n transacción.</numerusform>
                <numerusform>Se combinaron %n transacciones.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>QifMappingRows</name>
        <message>
            <source>— Create new account "%1" —</source>
            <translation>— Crear la cuenta nueva «%1» —</translation>
        </message>
        <message>
            <source>— Skip these transactions —</source>
            <translation>— Omitir estas transacciones —</translation>
        </message>
    </context>
    <context>
        <name>ReconciliationHistoryScreen</name>
        <message>
            <source>Reconciliation History</source>
            <translation>Historial de conciliaciones</translation>
        </message>
        <message>
            <source>Reconciliation History — %1</source>
            <translation>Historial de conciliaciones — %1</translation>
        </message>
        <message>
            <source>Past reconciliations for this account.</source>
            <translation>Conciliaciones anteriores de esta cuenta.</translation>
        </message>
        <message>
            <source>Statement Date</source>
            <translation>Fecha del extracto</translation>
        </message>
        <message>
            <source>Statement Balance</source>
            <translation>Saldo del extracto</translation>
        </message>
        <message>
            <source>Reconciled Balance</source>
            <translation>Saldo conciliado</translation>
        </message>
        <message>
            <source>Completed</source>
            <translation>Completada</translation>
        </message>
        <message>
            <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
            <translation>Aún no hay conciliaciones. Concilie su cuenta desde el registro para ver el historial aquí.</translation>
        </message>
    </context>
    <context>
        <name>ReconciliationScreen</name>
        <message>
            <source>Reconcile Account</source>
            <translation>Conciliar cuenta</translation>
        </message>
        <message>
            <source>Statement Date:</source>
            <translation>Fecha del extracto:</translation>
        </message>
        <message>
            <source>Statement Balance:</source>
            <translation>Saldo del extracto:</translation>
        </message>
        <message>
            <source>Statement Balance Owed:</source>
            <translation>Saldo adeudado del extracto:</translation>
        </message>
        <message>
            <source>Previous Balance</source>
            <translation>Saldo anterior</translation>
        </message>
        <message>
            <source>Cleared Deposits</source>
            <translation>Depósitos compensados</translation>
        </message>
        <message>
            <source>Cleared Withdrawals</source>
            <translation>Retiros compensados</translation>
        </message>
        <message>
            <source>Cleared Payments</source>
            <translation>Pagos compensados</translation>
        </message>
        <message>
            <source>Cleared Charges</source>
            <translation>Cargos compensados</translation>
        </message>
        <message>
            <source>Cleared Balance</source>
            <translation>Saldo compensado</translation>
        </message>
        <message>
            <source>Statement Balance</source>
            <translation>Saldo del extracto</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>Diferencia</translation>
        </message>
        <message>
            <source>Finish Reconciliation</source>
            <translation>Finalizar conciliación</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Add Transaction</source>
            <translation>Añadir transacción</translation>
        </message>
        <message>
            <source>Add a transaction (%1)</source>
            <translation>Añadir una transacción (%1)</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Editar</translation>
        </message>
        <message>
            <source>Edit selected transaction (F2)</source>
            <translation>Editar la transacción seleccionada (F2)</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Eliminar</translation>
        </message>
        <message>
            <source>Delete selected transaction (Del)</source>
            <translation>Eliminar la transacción seleccionada (Supr)</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Fecha</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Beneficiario</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>Importe</translation>
        </message>
        <message>
            <source>Clr</source>
            <translation>Comp.</translation>
        </message>
        <message>
            <source>Reconciliation Not Saved</source>
            <translation>Conciliación no guardada</translation>
        </message>
        <message>
            <source>The reconciliation could not be saved, and nothing was changed. Please try again.</source>
            <translation>No se pudo guardar la conciliación y no se cambió nada. Inténtelo de nuevo.</translation>
        </message>
        <message>
            <source>Reconciliation Complete</source>
            <translation>Conciliación completada</translation>
        </message>
        <message>
            <source>Account reconciled successfully.</source>
            <translation>La cuenta se concilió correctamente.</translation>
        </message>
    </context>
    <context>
        <name>RecurringFormDialog</name>
        <message>
            <source>New Recurring Transaction</source>
            <translation>Nueva transacción periódica</translation>
        </message>
        <message>
            <source>Edit Recurring Transaction</source>
            <translation>Editar transacción periódica</translation>
        </message>
        <message>
            <source>Memorize Transaction</source>
            <translation>Memorizar transacción</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>Cuenta:</translation>
        </message>
        <message>
            <source>Payment</source>
            <translation>Pago</translation>
        </message>
        <message>
            <source>Deposit</source>
            <translation>Depósito</translation>
        </message>
        <message>
            <source>Type:</source>
            <translation>Tipo:</translation>
        </message>
        <message>
            <source>Start typing to search payees...</source>
            <translation>Escriba para buscar beneficiarios...</translation>
        </message>
        <message>
            <source>Payee:</source>
            <translation>Beneficiario:</translation>
        </message>
        <message>
            <source>Amount:</source>
            <translation>Importe:</translation>
        </message>
        <message>
            <source>Category:</source>
            <translation>Categoría:</translation>
        </message>
        <message>
            <source>Optional</source>
            <translation>Opcional</translation>
        </message>
        <message>
            <source>Memo:</source>
            <translation>Nota:</translation>
        </message>
        <message>
            <source>Daily</source>
            <translation>Diaria</translation>
        </message>
        <message>
            <source>Weekly</source>
            <translation>Semanal</translation>
        </message>
        <message>
            <source>Bi-weekly</source>
            <translation>Quincenal</translation>
        </message>
        <message>
            <source>Monthly</source>
            <translation>Mensual</translation>
        </message>
        <message>
            <source>Semi-monthly</source>
            <translation>Dos veces al mes</translation>
        </message>
        <message>
            <source>Quarterly</source>
            <translation>Trimestral</translation>
        </message>
        <message>
            <source>Semi-annual</source>
            <translation>Semestral</translation>
        </message>
        <message>
            <source>Annual</source>
            <translation>Anual</translation>
        </message>
        <message>
            <source>Frequency:</source>
            <translation>Frecuencia:</translation>
        </message>
        <message>
            <source>Repeat every:</source>
            <translation>Repetir cada:</translation>
        </message>
        <message>
            <source>Last day</source>
            <translation>Último día</translation>
        </message>
        <message>
            <source>First day:</source>
            <translation>Primer día:</translation>
        </message>
        <message>
            <source>Second day:</source>
            <translation>Segundo día:</translation>
        </message>
        <message>
            <source>Start Date:</source>
            <translation>Fecha de inicio:</translation>
        </message>
        <message>
            <source>Has end date</source>
            <translation>Tiene fecha de fin</translation>
        </message>
        <message>
            <source>End Date:</source>
            <translation>Fecha de fin:</translation>
        </message>
        <message>
            <source>Auto-post when due</source>
            <translation>Registrar automáticamente al vencer</translation>
        </message>
        <message>
            <source> days</source>
            <translation> días</translation>
        </message>
        <message>
            <source>Enter in advance:</source>
            <translation>Registrar con antelación:</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Activa</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(ninguna)</translation>
        </message>
        <message>
            <source>day</source>
            <translation>día</translation>
        </message>
        <message>
            <source>days</source>
            <translation>días</translation>
        </message>
        <message>
            <source>week</source>
            <translation>semana</translation>
        </message>
        <message>
            <source>weeks</source>
            <translation>semanas</translation>
        </message>
        <message>
            <source>month</source>
            <translation>mes</translation>
        </message>
        <message>
            <source>months</source>
            <translation>meses</translation>
        </message>
        <message>
            <source>quarter</source>
            <translation>trimestre</translation>
        </message>
        <message>
            <source>quarters</source>
            <translation>trimestres</translation>
        </message>
        <message>
            <source>year</source>
            <translation>año</translation>
        </message>
        <message>
            <source>years</source>
            <translation>años</translation>
        </message>
    </context>
    <context>
        <name>RecurringModel</name>
        <message>
            <source>Semi-monthly (%1 &amp; %2)</source>
            <translation>Quincenal (%1 y %2)</translation>
        </message>
        <message>
            <source>Every %1 days</source>
            <translation>Cada %1 días</translation>
        </message>
        <message>
            <source>Every %1 weeks</source>
            <translation>Cada %1 semanas</translation>
        </message>
        <message>
            <source>Every %1 months</source>
            <translation>Cada %1 meses</translation>
        </message>
        <message>
            <source>Every %1 years</source>
            <translation>Cada %1 años</translation>
        </message>
        <message>
            <source>%1 (×%2)</source>
            <translation>%1 (×%2)</translation>
        </message>
        <message>
            <source>last day</source>
            <translation>último día</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>Sí</translation>
        </message>
        <message>
            <source>No</source>
            <translation>No</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Activa</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Inactiva</translation>
        </message>
        <message>
            <source>Account</source>
            <translation>Cuenta</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Beneficiario</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>Importe</translation>
        </message>
        <message>
            <source>Frequency</source>
            <translation>Frecuencia</translation>
        </message>
        <message>
            <source>Next Due</source>
            <translation>Próximo vencimiento</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>Auto</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Estado</translation>
        </message>
    </context>
    <context>
        <name>RecurringScreen</name>
        <message>
            <source>Recurring Transactions</source>
            <translation>Transacciones periódicas</translation>
        </message>
        <message>
            <source>Confirm All Due</source>
            <translation>Confirmar todas las vencidas</translation>
        </message>
        <message>
            <source>Enter Next 7 Days</source>
            <translation>Registrar los próximos 7 días</translation>
        </message>
        <message>
            <source>New Recurring</source>
            <translation>Nueva periódica</translation>
        </message>
        <message>
            <source>(%1 due)</source>
            <translation>(%1 vencidas)</translation>
        </message>
        <message>
            <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
            <translation>¿Registrar todas las transacciones periódicas que vencen en los próximos 7 días? Llevarán su fecha de vencimiento y podrá editarlas o eliminarlas más tarde.</translation>
        </message>
        <message>
            <source>Enter "%1" now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
            <translation>¿Registrar «%1» ahora, con fecha %2? La transacción lleva su fecha de vencimiento y podrá editarla o eliminarla más tarde.</translation>
        </message>
        <message>
            <source>Enter Early</source>
            <translation>Registrar antes</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Eliminar</translation>
        </message>
        <message>
            <source>Delete recurring "%1"?</source>
            <translation>¿Eliminar la transacción periódica «%1»?</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Editar</translation>
        </message>
        <message>
            <source>&amp;Confirm</source>
            <translation>&amp;Confirmar</translation>
        </message>
        <message>
            <source>&amp;Skip</source>
            <translation>&amp;Omitir</translation>
        </message>
        <message>
            <source>Enter &amp;Early...</source>
            <translation>Registrar &amp;antes...</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>E&amp;liminar</translation>
        </message>
    </context>
    <context>
        <name>ReportsScreen</name>
        <message>
            <source>Reports</source>
            <translation>Informes</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>Cuenta:</translation>
        </message>
        <message>
            <source>Period:</source>
            <translation>Período:</translation>
        </message>
        <message>
            <source>Export CSV</source>
            <translation>Exportar CSV</translation>
        </message>
        <message>
            <source>Category Spending</source>
            <translation>Gastos por categoría</translation>
        </message>
        <message>
            <source>Payee Summary</source>
            <translation>Resumen por beneficiario</translation>
        </message>
        <message>
            <source>Tax Report</source>
            <translation>Informe fiscal</translation>
        </message>
        <message>
            <source>Income vs Expenses</source>
            <translation>Ingresos frente a gastos</translation>
        </message>
        <message>
            <source>Cash Flow</source>
            <translation>Flujo de caja</translation>
        </message>
        <message>
            <source>Year-over-Year</source>
            <translation>Comparación interanual</translation>
        </message>
        <message>
            <source>Account Summary</source>
            <translation>Resumen de cuentas</translation>
        </message>
        <message>
            <source>Transactions</source>
            <translation>Transacciones</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Categoría</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>Total</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Beneficiario</translation>
        </message>
        <message>
            <source>Count</source>
            <translation>Cantidad</translation>
        </message>
        <message>
            <source>Tax Code</source>
            <translation>Código fiscal</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Mes</translation>
        </message>
        <message>
            <source>Income</source>
            <translation>Ingresos</translation>
        </message>
        <message>
            <source>Expenses</source>
            <translation>Gastos</translation>
        </message>
        <message>
            <source>Net</source>
            <translation>Neto</translation>
        </message>
        <message>
            <source>Inflows</source>
            <translation>Entradas</translation>
        </message>
        <message>
            <source>Outflows</source>
            <translation>Salidas</translation>
        </message>
        <message>
            <source>Period 1</source>
            <translation>Período 1</translation>
        </message>
        <message>
            <source>Period 2</source>
            <translation>Período 2</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>Diferencia</translation>
        </message>
        <message>
            <source>Account</source>
            <translation>Cuenta</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>Tipo</translation>
        </message>
        <message>
            <source>Cleared</source>
            <translation>Compensado</translation>
        </message>
        <message>
            <source>Uncleared</source>
            <translation>No compensado</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Fecha</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>Nota</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>Importe</translation>
        </message>
        <message>
            <source>Compare:</source>
            <translation>Comparar:</translation>
        </message>
        <message>
            <source>This Year vs Last Year</source>
            <translation>Este año frente al año pasado</translation>
        </message>
        <message>
            <source>Last Year vs Year Before</source>
            <translation>El año pasado frente al anterior</translation>
        </message>
        <message>
            <source>This Quarter vs Last Quarter</source>
            <translation>Este trimestre frente al anterior</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>Personalizado</translation>
        </message>
        <message>
            <source>P1:</source>
            <translation>P1:</translation>
        </message>
        <message>
            <source>P2:</source>
            <translation>P2:</translation>
        </message>
        <message>
            <source>P1: %1 – %2    P2: %3 – %4</source>
            <translation>P1: %1 – %2    P2: %3 – %4</translation>
        </message>
        <message>
            <source>All Accounts</source>
            <translation>Todas las cuentas</translation>
        </message>
        <message>
            <source>These accounts are held in different currencies, so combined figures would not add up. Choose a single account to see the category, payee, tax, income and cash-flow reports.</source>
            <translation>Estas cuentas están en monedas distintas, así que las cifras combinadas no cuadrarían. Elija una sola cuenta para ver los informes de categorías, beneficiarios, impuestos, ingresos y flujo de caja.</translation>
        </message>
        <message>
            <source>The tax report covers every account, and they are held in different currencies, so its totals would not add up.</source>
            <translation>El informe fiscal abarca todas las cuentas, y estas están en monedas distintas, así que sus totales no cuadrarían.</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>Archivos CSV (*.csv)</translation>
        </message>
        <message>
            <source>The report could not be written to %1: %2</source>
            <translation>No se pudo escribir el informe en %1: %2</translation>
        </message>
        <message>
            <source>This Month</source>
            <translation>Este mes</translation>
        </message>
        <message>
            <source>Last Month</source>
            <translation>Mes pasado</translation>
        </message>
        <message>
            <source>This Quarter</source>
            <translation>Este trimestre</translation>
        </message>
        <message>
            <source>Last Quarter</source>
            <translation>Trimestre pasado</translation>
        </message>
        <message>
            <source>This Year</source>
            <translation>Este año</translation>
        </message>
        <message>
            <source>Last Year</source>
            <translation>Año pasado</translation>
        </message>
        <message>
            <source>Last 30 Days</source>
            <translation>Últimos 30 días</translation>
        </message>
        <message>
            <source>Last 90 Days</source>
            <translation>Últimos 90 días</translation>
        </message>
        <message>
            <source>Last 12 Months</source>
            <translation>Últimos 12 meses</translation>
        </message>
        <message>
            <source>All Time</source>
            <translation>Todo el período</translation>
        </message>
    </context>
    <context>
        <name>SearchScreen</name>
        <message>
            <source>Search payee, memo, check number...</source>
            <translation>Buscar beneficiario, nota, número de cheque...</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>Cuenta:</translation>
        </message>
        <message>
            <source>All Accounts</source>
            <translation>Todas las cuentas</translation>
        </message>
        <message>
            <source>Category:</source>
            <translation>Categoría:</translation>
        </message>
        <message>
            <source>All Categories</source>
            <translation>Todas las categorías</translation>
        </message>
        <message>
            <source>Date range:</source>
            <translation>Intervalo de fechas:</translation>
        </message>
        <message>
            <source>to</source>
            <translation>a</translation>
        </message>
        <message>
            <source>Cleared only</source>
            <translation>Solo compensadas</translation>
        </message>
        <message>
            <source>Show &amp;Details...</source>
            <translation>Ver &amp;detalles...</translation>
        </message>
        <message>
            <source>Edit &amp;Splits...</source>
            <translation>Editar &amp;divisiones...</translation>
        </message>
        <message>
            <source>&amp;Split Transaction...</source>
            <translation>&amp;Dividir transacción...</translation>
        </message>
        <message>
            <source>&amp;Edit in Dialog...</source>
            <translation>&amp;Editar en un diálogo...</translation>
        </message>
        <message>
            <source>D&amp;uplicate...</source>
            <translation>D&amp;uplicar...</translation>
        </message>
        <message>
            <source>Mark &amp;Uncleared</source>
            <translation>Marcar como &amp;no compensada</translation>
        </message>
        <message>
            <source>Mark &amp;Cleared</source>
            <translation>Marcar como &amp;compensada</translation>
        </message>
        <message>
            <source>&amp;Delete...</source>
            <translation>&amp;Eliminar...</translation>
        </message>
    </context>
    <context>
        <name>SettingsDataSyncPage</name>
        <message>
            <source>Data &amp; Sync</source>
            <translation>Datos y sinc.</translation>
        </message>
        <message>
            <source>Sync</source>
            <translation>Sincronización</translation>
        </message>
        <message>
            <source>Keep your vellumry in sync across all your devices.</source>
            <translation>Mantenga su registro sincronizado en todos sus dispositivos.</translation>
        </message>
        <message>
            <source>Backup &amp; Restore</source>
            <translation>Copia de seguridad y restauración</translation>
        </message>
        <message>
            <source>Save or restore your data to a portable backup file.</source>
            <translation>Guarde o restaure sus datos en un archivo de copia de seguridad portátil.</translation>
        </message>
        <message>
            <source>Sync Now</source>
            <translation>Sincronizar ahora</translation>
        </message>
        <message>
            <source>Force Full Sync</source>
            <translation>Forzar sincronización completa</translation>
        </message>
        <message>
            <source>Export Backup</source>
            <translation>Exportar copia de seguridad</translation>
        </message>
        <message>
            <source>Import Backup</source>
            <translation>Importar copia de seguridad</translation>
        </message>
        <message>
            <source>Deleted Accounts</source>
            <translation>Cuentas eliminadas</translation>
        </message>
        <message>
            <source>Accounts you've deleted can be restored here.</source>
            <translation>Aquí puede restaurar las cuentas que ha eliminado.</translation>
        </message>
        <message>
            <source>Restore Selected</source>
            <translation>Restaurar selección</translation>
        </message>
        <message>
            <source>Not signed in.
Sign in via File › Orvalen Account to enable sync.</source>
            <translation>No ha iniciado sesión.
Inicie sesión en Archivo › Cuenta Orvalen para activar la sincronización.</translation>
        </message>
        <message>
            <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style="color:%2"&gt;%3&lt;/span&gt;</source>
            <translation>&lt;b&gt;Sesión iniciada como:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Estado:&lt;/b&gt; &lt;span style="color:%2"&gt;%3&lt;/span&gt;</translation>
        </message>
        <message>
            <source>Never synced</source>
            <translation>Nunca sincronizado</translation>
        </message>
        <message>
            <source>Last synced: %1</source>
            <translation>Última sincronización: %1</translation>
        </message>
        <message>
            <source>
Error: %1</source>
            <translation>
Error: %1</translation>
        </message>
        <message>
            <source>Syncing...</source>
            <translation>Sincronizando...</translation>
        </message>
        <message>
            <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
            <translation>Se volverán a subir todas las filas locales al servidor y a descargar todos los datos del servidor. Úselo si los datos no coinciden entre dispositivos.

¿Continuar?</translation>
        </message>
        <message>
            <source>ZIP Files (*.zip)</source>
            <translation>Archivos ZIP (*.zip)</translation>
        </message>
        <message>
            <source>Exporting...</source>
            <translation>Exportando...</translation>
        </message>
        <message>
            <source>Backup Failed</source>
            <translation>Error en la copia de seguridad</translation>
        </message>
        <message>
            <source>The backup could not be made from the ledger.</source>
            <translation>No se pudo crear la copia de seguridad a partir del registro.</translation>
        </message>
        <message>
            <source>Backup Complete</source>
            <translation>Copia de seguridad completada</translation>
        </message>
        <message>
            <source>Backup saved to:
%1</source>
            <translation>Copia de seguridad guardada en:
%1</translation>
        </message>
        <message>
            <source>Could not write to:
%1</source>
            <translation>No se pudo escribir en:
%1</translation>
        </message>
        <message>
            <source>Keep newer (compare timestamps)</source>
            <translation>Conservar los más recientes (comparar fechas)</translation>
        </message>
        <message>
            <source>Skip existing items</source>
            <translation>Omitir los elementos existentes</translation>
        </message>
        <message>
            <source>Import Mode</source>
            <translation>Modo de importación</translation>
        </message>
        <message>
            <source>How should existing data be handled?</source>
            <translation>¿Qué hacer con los datos existentes?</translation>
        </message>
        <message>
            <source>Replace all with backup data</source>
            <translation>Reemplazar todo con los datos de la copia</translation>
        </message>
        <message>
            <source>Import Failed</source>
            <translation>Error en la importación</translation>
        </message>
        <message>
            <source>Could not read file.</source>
            <translation>No se pudo leer el archivo.</translation>
        </message>
        <message>
            <source>Importing...</source>
            <translation>Importando...</translation>
        </message>
        <message>
            <source>Imported %1 items, skipped %2.</source>
            <translation>Se importaron %1 elementos y se omitieron %2.</translation>
        </message>
        <message numerus="yes">
            <source>

%n error(s) occurred.</source>
            <translation>
                <numerusform>

Se produjo %n error.</numerusform>
                <numerusform>

Se produjeron %n errores.</numerusform>
            </translation>
        </message>
        <message>
            <source>Import Complete</source>
            <translation>Importación completada</translation>
        </message>
    </context>
    <context>
        <name>SettingsScreen</name>
        <message>
            <source>General</source>
            <translation>General</translation>
        </message>
        <message>
            <source>Register</source>
            <translation>Registro</translation>
        </message>
        <message>
            <source>Data &amp; Sync</source>
            <translation>Datos y sinc.</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Acerca de</translation>
        </message>
        <message>
            <source>Appearance</source>
            <translation>Apariencia</translation>
        </message>
        <message>
            <source>Control how Orvalen Vellumry looks.</source>
            <translation>Controle el aspecto de Orvalen Vellumry.</translation>
        </message>
        <message>
            <source>System Default</source>
            <translation>Predeterminado del sistema</translation>
        </message>
        <message>
            <source>Light</source>
            <translation>Claro</translation>
        </message>
        <message>
            <source>Dark</source>
            <translation>Oscuro</translation>
        </message>
        <message>
            <source>Theme</source>
            <translation>Tema</translation>
        </message>
        <message>
            <source>Choose accent color</source>
            <translation>Elegir color de acento</translation>
        </message>
        <message>
            <source>Accent color</source>
            <translation>Color de acento</translation>
        </message>
        <message>
            <source>Small</source>
            <translation>Pequeño</translation>
        </message>
        <message>
            <source>Default</source>
            <translation>Predeterminado</translation>
        </message>
        <message>
            <source>Medium</source>
            <translation>Mediano</translation>
        </message>
        <message>
            <source>Large</source>
            <translation>Grande</translation>
        </message>
        <message>
            <source>Extra Large</source>
            <translation>Muy grande</translation>
        </message>
        <message>
            <source>Font size</source>
            <translation>Tamaño de letra</translation>
        </message>
        <message>
            <source>Regional</source>
            <translation>Región</translation>
        </message>
        <message>
            <source>Date and calendar preferences.</source>
            <translation>Preferencias de fecha y calendario.</translation>
        </message>
        <message>
            <source>Sunday</source>
            <translation>Domingo</translation>
        </message>
        <message>
            <source>Monday</source>
            <translation>Lunes</translation>
        </message>
        <message>
            <source>Saturday</source>
            <translation>Sábado</translation>
        </message>
        <message>
            <source>Week starts on</source>
            <translation>La semana empieza el</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Idioma</translation>
        </message>
        <message>
            <source>Display</source>
            <translation>Visualización</translation>
        </message>
        <message>
            <source>How transactions appear in the register.</source>
            <translation>Cómo aparecen los movimientos en el registro.</translation>
        </message>
        <message>
            <source>Two-line rows</source>
            <translation>Filas de dos líneas</translation>
        </message>
        <message>
            <source>Show memo on a second line below the payee.</source>
            <translation>Mostrar la nota en una segunda línea bajo el beneficiario.</translation>
        </message>
        <message>
            <source>Auto-decimal point</source>
            <translation>Coma decimal automática</translation>
        </message>
        <message>
            <source>Type 1234 to enter 12.34. The last two digits are always cents.</source>
            <translation>Escriba 1234 para introducir 12,34. Los dos últimos dígitos son siempre céntimos.</translation>
        </message>
        <message>
            <source>Highlight overdrawn rows</source>
            <translation>Resaltar filas en descubierto</translation>
        </message>
        <message>
            <source>Shades the whole row when the running balance is below zero. The balance itself is always shown in red, so you can turn this off and still spot it. Credit cards and loans are never shaded.</source>
            <translation>Sombrea toda la fila cuando el saldo acumulado es inferior a cero. El saldo en sí siempre se muestra en rojo, así que puede desactivar esta opción y seguir viéndolo. Las tarjetas de crédito y los préstamos nunca se sombrean.</translation>
        </message>
        <message>
            <source>Current balance</source>
            <translation>Saldo actual</translation>
        </message>
        <message>
            <source>Cleared balance</source>
            <translation>Saldo conciliado</translation>
        </message>
        <message>
            <source>Balance as of today</source>
            <translation>Saldo a día de hoy</translation>
        </message>
        <message>
            <source>Account list shows</source>
            <translation>La lista de cuentas muestra</translation>
        </message>
        <message>
            <source>Cleared counts only transactions you have marked cleared. Balance as of today leaves out anything dated later, such as scheduled bills.</source>
            <translation>«Conciliado» solo cuenta los movimientos que ha marcado como conciliados. «A día de hoy» omite todo lo fechado después, como las facturas programadas.</translation>
        </message>
        <message>
            <source>Sorting</source>
            <translation>Orden</translation>
        </message>
        <message>
            <source>Control the order of transactions in the register.</source>
            <translation>Controle el orden de los movimientos en el registro.</translation>
        </message>
        <message>
            <source>Show newest transactions first</source>
            <translation>Mostrar primero los movimientos más recientes</translation>
        </message>
        <message>
            <source>When enabled, the most recent transactions appear at the top.</source>
            <translation>Si se activa, los movimientos más recientes aparecen arriba.</translation>
        </message>
        <message>
            <source>Orvalen Vellumry</source>
            <translation>Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Version %1</source>
            <translation>Versión %1</translation>
        </message>
        <message>
            <source>A digital vellumry register for tracking household finances.</source>
            <translation>Un registro de cuentas digital para llevar las finanzas del hogar.</translation>
        </message>
        <message>
            <source>Links</source>
            <translation>Enlaces</translation>
        </message>
        <message>
            <source>Orvalen Vellumry for iPhone and Android</source>
            <translation>Orvalen Vellumry para iPhone y Android</translation>
        </message>
        <message>
            <source>© Orvalen Works. All rights reserved.</source>
            <translation>© Orvalen Works. Todos los derechos reservados.</translation>
        </message>
        <message>
            <source>This application uses the Qt framework under the LGPL v3 license.</source>
            <translation>Esta aplicación usa el framework Qt bajo la licencia LGPL v3.</translation>
        </message>
        <message>
            <source>Language Changed</source>
            <translation>Idioma cambiado</translation>
        </message>
        <message>
            <source>The new language will take effect the next time you start Orvalen Vellumry.</source>
            <translation>El nuevo idioma se aplicará la próxima vez que inicie Orvalen Vellumry.</translation>
        </message>
    </context>
    <context>
        <name>WelcomeScreen</name>
        <message>
            <source>Welcome to
Orvalen Vellumry</source>
            <translation>Bienvenido a
Orvalen Vellumry</translation>
        </message>
        <message>
            <source>A digital vellumry register.</source>
            <translation>Un registro de cuentas digital.</translation>
        </message>
        <message>
            <source>Your session has ended. Sign back in to keep syncing.</source>
            <translation>Tu sesión ha terminado. Vuelve a iniciar sesión para seguir sincronizando.</translation>
        </message>
        <message>
            <source>Works fully offline. Your data stays on this device.</source>
            <translation>Funciona totalmente sin conexión. Tus datos se quedan en este dispositivo.</translation>
        </message>
        <message>
            <source>Create Your First Account</source>
            <translation>Crea tu primera cuenta</translation>
        </message>
        <message>
            <source>Already have an account? Sign In</source>
            <translation>¿Ya tienes una cuenta? Inicia sesión</translation>
        </message>
        <message>
            <source>How it works</source>
            <translation>Cómo funciona</translation>
        </message>
        <message>
            <source>Add an account (checking, savings, credit card, or any account you'd like to track).</source>
            <translation>Añade una cuenta (corriente, de ahorro, tarjeta de crédito o cualquier cuenta que quieras seguir).</translation>
        </message>
        <message>
            <source>Record transactions as you spend.</source>
            <translation>Registra las transacciones a medida que gastas.</translation>
        </message>
        <message>
            <source>Reconcile when your statement arrives.</source>
            <translation>Concilia cuando llegue tu extracto.</translation>
        </message>
        <message>
            <source>Welcome back</source>
            <translation>Bienvenido de nuevo</translation>
        </message>
        <message>
            <source>Sign in to keep your data synced across devices.</source>
            <translation>Inicia sesión para mantener tus datos sincronizados entre dispositivos.</translation>
        </message>
        <message>
            <source>Sign In</source>
            <translation>Iniciar sesión</translation>
        </message>
        <message>
            <source>Create a different account</source>
            <translation>Crear otra cuenta</translation>
        </message>
    </context>
</TS>
