<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
    <context>
        <name>RegisterColumnLayout</name>
        <message>
            <source>Show columns</source>
            <translation>Mostrar columnas</translation>
        </message>
        <message>
            <source>Reset register layout</source>
            <translation>Restablecer el diseño del registro</translation>
        </message>
    </context>
    <context>
        <name>RegisterCommitNotice</name>
        <message>
            <source>Payee is required</source>
            <translation>El beneficiario es obligatorio</translation>
        </message>
        <message>
            <source>Enter a payment or deposit amount</source>
            <translation>Introduzca un importe de pago o de depósito</translation>
        </message>
        <message>
            <source>Amount not understood: %1</source>
            <translation>Importe no reconocido: %1</translation>
        </message>
        <message>
            <source>The transaction could not be saved. Please try again.</source>
            <translation>No se pudo guardar la transacción. Inténtelo de nuevo.</translation>
        </message>
        <message>
            <source>Opening Balance</source>
            <translation>Saldo inicial</translation>
        </message>
        <message>
            <source>This account's opening balance is held on the account itself.

Set it in the account's settings.</source>
            <translation>El saldo inicial de esta cuenta se guarda en la propia cuenta.

Establézcalo en la configuración de la cuenta.</translation>
        </message>
        <message>
            <source>This transaction was deleted meanwhile, so nothing was saved.</source>
            <translation>Esta transacción se eliminó mientras tanto, así que no se guardó nada.</translation>
        </message>
        <message>
            <source>Amount too large: %1. The largest amount is %2.</source>
            <translation>Importe demasiado grande: %1. El importe máximo es %2.</translation>
        </message>
    </context>
    <context>
        <name>RegisterDelegate</name>
        <message>
            <source>Memo</source>
            <translation>Nota</translation>
        </message>
    </context>
    <context>
        <name>RegisterFigureLabels</name>
        <message>
            <source>Cleared</source>
            <translation>Compensado</translation>
        </message>
        <message>
            <source>Uncleared</source>
            <translation>No compensado</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Saldo</translation>
        </message>
    </context>
    <context>
        <name>RegisterFilterDialog</name>
        <message>
            <source>Filters</source>
            <translation>Filtros</translation>
        </message>
        <message>
            <source>All</source>
            <translation>Todas</translation>
        </message>
        <message>
            <source>Cleared</source>
            <translation>Compensadas</translation>
        </message>
        <message>
            <source>Uncleared</source>
            <translation>No compensadas</translation>
        </message>
        <message>
            <source>Limit to a date range</source>
            <translation>Limitar a un intervalo de fechas</translation>
        </message>
        <message>
            <source>Status:</source>
            <translation>Estado:</translation>
        </message>
        <message>
            <source>to</source>
            <translation>a</translation>
        </message>
        <message>
            <source>Dates:</source>
            <translation>Fechas:</translation>
        </message>
        <message>
            <source>Category:</source>
            <translation>Categoría:</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Listo</translation>
        </message>
        <message>
            <source>Clear All</source>
            <translation>Borrar todo</translation>
        </message>
        <message>
            <source>All Categories</source>
            <translation>Todas las categorías</translation>
        </message>
    </context>
    <context>
        <name>RegisterHeaderBar</name>
        <message>
            <source>&amp;New Transaction</source>
            <translation>&amp;Nueva transacción</translation>
        </message>
        <message>
            <source>Add a transaction using the full form</source>
            <translation>Añadir una transacción con el formulario completo</translation>
        </message>
        <message>
            <source>&amp;Reconcile</source>
            <translation>&amp;Conciliar</translation>
        </message>
        <message>
            <source>Fi&amp;lter (%1)</source>
            <translation>Fi&amp;ltro (%1)</translation>
        </message>
        <message>
            <source>Fi&amp;lter</source>
            <translation>Fi&amp;ltro</translation>
        </message>
        <message>
            <source>Filters are applied. Click to change or clear them.</source>
            <translation>Hay filtros aplicados. Haga clic para cambiarlos o quitarlos.</translation>
        </message>
        <message>
            <source>Filter which transactions are listed</source>
            <translation>Filtrar qué transacciones se muestran</translation>
        </message>
    </context>
    <context>
        <name>RegisterModel</name>
        <message>
            <source>Date</source>
            <translation>Fecha</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Beneficiario</translation>
        </message>
        <message>
            <source>Payee / Memo</source>
            <translation>Beneficiario / Nota</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Categoría</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>Nota</translation>
        </message>
        <message>
            <source>Payment</source>
            <translation>Pago</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Cargo</translation>
        </message>
        <message>
            <source>Deposit</source>
            <translation>Depósito</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Saldo</translation>
        </message>
        <message>
            <source>—Split—</source>
            <translation>—Dividida—</translation>
        </message>
        <message>
            <source>Chk #</source>
            <translation>N.º</translation>
        </message>
        <message>
            <source>Clr</source>
            <translation>Est.</translation>
        </message>
    </context>
    <context>
        <name>RegisterOpeningBanner</name>
        <message>
            <source>No, it is a credit</source>
            <translation>No, es un saldo a favor</translation>
        </message>
        <message>
            <source>Yes, I owe this</source>
            <translation>Sí, lo debo</translation>
        </message>
        <message>
            <source>This account's opening balance is recorded as a credit of %1. If you meant that you owe %1, Vellumry can correct it.</source>
            <translation>El saldo inicial de esta cuenta figura como un saldo a favor de %1. Si lo que quería decir es que debe %1, Vellumry puede corregirlo.</translation>
        </message>
    </context>
    <context>
        <name>RegisterRowCommands</name>
        <message>
            <source>Cannot memorize: source transaction has an invalid date</source>
            <translation>No se puede memorizar: la transacción de origen tiene una fecha no válida</translation>
        </message>
        <message>
            <source>Transaction memorized as recurring</source>
            <translation>Transacción memorizada como recurrente</translation>
        </message>
        <message>
            <source>&amp;Insert New</source>
            <translation>&amp;Insertar nueva</translation>
        </message>
        <message>
            <source>&amp;New Transaction...</source>
            <translation>&amp;Nueva transacción...</translation>
        </message>
        <message>
            <source>&amp;Edit in Dialog...</source>
            <translation>&amp;Editar en el cuadro de diálogo...</translation>
        </message>
        <message>
            <source>Show &amp;Details...</source>
            <translation>Mostrar &amp;detalles...</translation>
        </message>
        <message>
            <source>Edit &amp;Splits...</source>
            <translation>Editar des&amp;glose...</translation>
        </message>
        <message>
            <source>&amp;Split Transaction...</source>
            <translation>Des&amp;glosar transacción...</translation>
        </message>
        <message>
            <source>D&amp;uplicate...</source>
            <translation>D&amp;uplicar...</translation>
        </message>
        <message>
            <source>Mark &amp;Uncleared</source>
            <translation>Marcar como no co&amp;mpensada</translation>
        </message>
        <message>
            <source>Mark &amp;Cleared</source>
            <translation>Marcar como &amp;compensada</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>E&amp;liminar</translation>
        </message>
    </context>
    <context>
        <name>RegisterScreen</name>
        <message>
            <source>Saved. It isn't listed because of the current filter.</source>
            <translation>Guardada. No aparece en la lista por el filtro actual.</translation>
        </message>
        <message>
            <source>Fields cleared</source>
            <translation>Campos borrados</translation>
        </message>
    </context>
    <context>
        <name>RegisterStatusLine</name>
        <message>
            <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above</source>
            <translation>%1: guardar  |  Intro: siguiente  |  %2: eliminar  |  %3: memorizar  |  ': copiar de arriba</translation>
        </message>
    </context>
    <context>
        <name>SplitEditorDialog</name>
        <message>
            <source>Split Transaction</source>
            <translation>Dividir transacción</translation>
        </message>
        <message>
            <source>Total: %1</source>
            <translation>Total: %1</translation>
        </message>
        <message>
            <source>Remaining: %1</source>
            <translation>Restante: %1</translation>
        </message>
    </context>
    <context>
        <name>SplitLinesWidget</name>
        <message>
            <source>(none)</source>
            <translation>(ninguna)</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Categoría</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>Importe</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>Nota</translation>
        </message>
        <message>
            <source>+ Add Line</source>
            <translation>+ Añadir línea</translation>
        </message>
        <message>
            <source>- Remove</source>
            <translation>- Quitar</translation>
        </message>
    </context>
    <context>
        <name>TransactionActions</name>
        <message>
            <source>Transaction Not Saved</source>
            <translation>Transacción no guardada</translation>
        </message>
        <message>
            <source>The transaction could not be saved, and nothing was changed. Please try again.</source>
            <translation>No se pudo guardar la transacción y no se ha cambiado nada. Inténtelo de nuevo.</translation>
        </message>
        <message>
            <source>Transfer account not found</source>
            <translation>No se encontró la cuenta de la transferencia</translation>
        </message>
        <message>
            <source>Transfers require both accounts to use the same currency</source>
            <translation>Las transferencias requieren que ambas cuentas usen la misma moneda</translation>
        </message>
        <message>
            <source>A transfer can't be split across categories</source>
            <translation>Una transferencia no se puede dividir entre categorías</translation>
        </message>
        <message>
            <source>Transfer</source>
            <translation>Transferencia</translation>
        </message>
        <message>
            <source>Opening Balance</source>
            <translation>Saldo inicial</translation>
        </message>
        <message>
            <source>The opening balance can't be removed. Every account has one.

To clear it, set it to zero in the account's settings.</source>
            <translation>El saldo inicial no se puede eliminar. Todas las cuentas tienen uno.

Para vaciarlo, póngalo a cero en la configuración de la cuenta.</translation>
        </message>
        <message>
            <source>Delete "%1" for %2?</source>
            <translation>¿Eliminar «%1» por %2?</translation>
        </message>
        <message>
            <source>Delete transfer "%1" for %2?

Both sides of the transfer will be deleted.</source>
            <translation>¿Eliminar la transferencia «%1» por %2?

Se eliminarán ambos lados de la transferencia.</translation>
        </message>
        <message>
            <source>Delete Transaction</source>
            <translation>Eliminar transacción</translation>
        </message>
        <message>
            <source>Transaction Not Deleted</source>
            <translation>Transacción no eliminada</translation>
        </message>
        <message>
            <source>The transaction could not be deleted, and nothing was changed. Please try again.</source>
            <translation>No se pudo eliminar la transacción y no se ha cambiado nada. Inténtelo de nuevo.</translation>
        </message>
    </context>
    <context>
        <name>TransactionDetailsDialog</name>
        <message>
            <source>Transaction Details</source>
            <translation>Detalles de la transacción</translation>
        </message>
        <message>
            <source>Reconciled</source>
            <translation>Conciliada</translation>
        </message>
        <message>
            <source>Cleared</source>
            <translation>Compensada</translation>
        </message>
        <message>
            <source>Uncleared</source>
            <translation>No compensada</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>Fecha:</translation>
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
            <source>—Split—</source>
            <translation>—Dividida—</translation>
        </message>
        <message>
            <source>Memo:</source>
            <translation>Nota:</translation>
        </message>
        <message>
            <source>Check #:</source>
            <translation>N.º de cheque:</translation>
        </message>
        <message>
            <source>Transfer to:</source>
            <translation>Transferencia a:</translation>
        </message>
        <message>
            <source>Status:</source>
            <translation>Estado:</translation>
        </message>
        <message>
            <source>Split lines</source>
            <translation>Líneas de división</translation>
        </message>
        <message>
            <source>(no split lines on record)</source>
            <translation>(no hay líneas de división registradas)</translation>
        </message>
        <message>
            <source>(uncategorized)</source>
            <translation>(sin categoría)</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>Total</translation>
        </message>
        <message>
            <source>Entered: %1</source>
            <translation>Registrada: %1</translation>
        </message>
        <message>
            <source>Last modified: %1</source>
            <translation>Última modificación: %1</translation>
        </message>
        <message>
            <source>Edit...</source>
            <translation>Editar...</translation>
        </message>
        <message>
            <source>Duplicate...</source>
            <translation>Duplicar...</translation>
        </message>
        <message>
            <source>Mark Uncleared</source>
            <translation>Marcar como no compensada</translation>
        </message>
        <message>
            <source>Mark Cleared</source>
            <translation>Marcar como compensada</translation>
        </message>
        <message>
            <source>Delete...</source>
            <translation>Eliminar...</translation>
        </message>
    </context>
    <context>
        <name>TransactionFormDialog</name>
        <message>
            <source>Edit Transaction</source>
            <translation>Editar transacción</translation>
        </message>
        <message>
            <source>New Transaction</source>
            <translation>Nueva transacción</translation>
        </message>
        <message>
            <source>This is the account's opening balance. Changing the amount or date shifts every balance after it.</source>
            <translation>Este es el saldo inicial de la cuenta. Cambiar el importe o la fecha desplaza todos los saldos posteriores.</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Cargo</translation>
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
            <source>Transfer</source>
            <translation>Transferencia</translation>
        </message>
        <message>
            <source>Type:</source>
            <translation>Tipo:</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>Fecha:</translation>
        </message>
        <message>
            <source>Start typing to search payees...</source>
            <translation>Empiece a escribir para buscar beneficiarios...</translation>
        </message>
        <message>
            <source>Payee:</source>
            <translation>Beneficiario:</translation>
        </message>
        <message>
            <source>No other account in this currency to transfer into</source>
            <translation>No hay otra cuenta en esta moneda a la que transferir</translation>
        </message>
        <message>
            <source>Amount:</source>
            <translation>Importe:</translation>
        </message>
        <message>
            <source>Split...</source>
            <translation>Dividir...</translation>
        </message>
        <message>
            <source>Split this transaction across multiple categories with their own amounts and memos.</source>
            <translation>Dividir esta transacción entre varias categorías, cada una con su importe y su nota.</translation>
        </message>
        <message>
            <source>Use single category</source>
            <translation>Usar una sola categoría</translation>
        </message>
        <message>
            <source>Drop the split and return to a single-category transaction.</source>
            <translation>Descartar la división y volver a una transacción de una sola categoría.</translation>
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
            <source>Check #:</source>
            <translation>N.º de cheque:</translation>
        </message>
        <message>
            <source>Cleared</source>
            <translation>Compensada</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(ninguna)</translation>
        </message>
        <message>
            <source>%1 (deleted)</source>
            <translation>%1 (eliminada)</translation>
        </message>
        <message>
            <source>(account no longer available)</source>
            <translation>(la cuenta ya no está disponible)</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>Cuenta:</translation>
        </message>
        <message>
            <source>—Split—</source>
            <translation>—Dividida—</translation>
        </message>
    </context>
    <context>
        <name>TypedInputCheck</name>
        <message>
            <source>Amount not understood: %1</source>
            <translation>Importe no reconocido: %1</translation>
        </message>
        <message>
            <source>Date not understood: %1</source>
            <translation>Fecha no reconocida: %1</translation>
        </message>
    </context>
</TS>
