<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
