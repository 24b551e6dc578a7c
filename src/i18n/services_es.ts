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
        <message>
            <source>%1: could not be stored (%2)</source>
            <translation>%1: no se pudo guardar (%2)</translation>
        </message>
        <message>
            <source>%1: the row has no id</source>
            <translation>%1: la fila no tiene id</translation>
        </message>
        <message>
            <source>%1: "%2" is not a column of this table</source>
            <translation>%1: «%2» no es una columna de esta tabla</translation>
        </message>
        <message>
            <source>%1: "%2" holds a list or an object instead of a value</source>
            <translation>%1: «%2» contiene una lista o un objeto en lugar de un valor</translation>
        </message>
        <message>
            <source>%1: "%2" holds no date in the form yyyy-MM-dd</source>
            <translation>%1: «%2» no contiene una fecha con el formato yyyy-MM-dd</translation>
        </message>
        <message>
            <source>%1: the split line names no transaction</source>
            <translation>%1: la línea de desglose no indica ninguna transacción</translation>
        </message>
        <message numerus="yes">
            <source>... and %n more problem(s)</source>
            <translation>
                <numerusform>... y %n problema más</numerusform>
                <numerusform>... y %n problemas más</numerusform>
            </translation>
        </message>
        <message>
            <source>Unsupported backup version: the version is not a number</source>
            <translation>Versión de copia de seguridad no admitida: la versión no es un número</translation>
        </message>
    </context>
    <context>
        <name>ImportService</name>
        <message>
            <source>Uncategorized</source>
            <translation>Sin categoría</translation>
        </message>
        <message>
            <source>Imported transaction</source>
            <translation>Transacción importada</translation>
        </message>
        <message>
            <source>%1 (no account header)</source>
            <translation>%1 (sin encabezado de cuenta)</translation>
        </message>
        <message>
            <source>This file is too large to import. CSV files of up to %1 MB can be imported.</source>
            <translation>Este archivo es demasiado grande para importarlo. Se pueden importar archivos CSV de hasta %1 MB.</translation>
        </message>
        <message>
            <source>Could not open %1: %2</source>
            <translation>No se pudo abrir %1: %2</translation>
        </message>
        <message>
            <source>These files are too large to import together. QIF files of up to %1 MB in all can be imported.</source>
            <translation>Estos archivos son demasiado grandes para importarlos juntos. Se pueden importar archivos QIF de hasta %1 MB en total.</translation>
        </message>
        <message>
            <source>This file is too large to import. QIF files of up to %1 MB can be imported.</source>
            <translation>Este archivo es demasiado grande para importarlo. Se pueden importar archivos QIF de hasta %1 MB.</translation>
        </message>
        <message>
            <source>Another import is still running. Try again once it has finished.</source>
            <translation>Todavía hay otra importación en curso. Vuelva a intentarlo cuando haya terminado.</translation>
        </message>
        <message>
            <source>The account to import into no longer exists.</source>
            <translation>La cuenta en la que se iba a importar ya no existe.</translation>
        </message>
    </context>
    <context>
        <name>ReportService</name>
        <message>
            <source>Uncategorized</source>
            <translation>Sin categoría</translation>
        </message>
    </context>
    <context>
        <name>SampleDataService</name>
        <message>
            <source>Opening Balance</source>
            <translation>Saldo inicial</translation>
        </message>
        <message>
            <source>Brightpath Inc</source>
            <translation>Brightpath S.A.</translation>
        </message>
        <message>
            <source>Pinecrest Apartments</source>
            <translation>Apartamentos Pinecrest</translation>
        </message>
        <message>
            <source>Greenleaf Market</source>
            <translation>Mercado Greenleaf</translation>
        </message>
        <message>
            <source>Hilltop Gas</source>
            <translation>Gasolinera Hilltop</translation>
        </message>
        <message>
            <source>Lakeside Utilities</source>
            <translation>Servicios Lakeside</translation>
        </message>
        <message>
            <source>Streamline TV</source>
            <translation>Streamline TV</translation>
        </message>
        <message>
            <source>Maplewood Diner</source>
            <translation>Cafetería Maplewood</translation>
        </message>
        <message>
            <source>Clearview Insurance</source>
            <translation>Seguros Clearview</translation>
        </message>
        <message>
            <source>Hope Community Church</source>
            <translation>Iglesia Comunitaria Hope</translation>
        </message>
        <message>
            <source>Transfer to Savings</source>
            <translation>Transferencia a ahorros</translation>
        </message>
        <message>
            <source>NetConnect ISP</source>
            <translation>NetConnect Internet</translation>
        </message>
        <message>
            <source>Ridgeline Pharmacy</source>
            <translation>Farmacia Ridgeline</translation>
        </message>
        <message>
            <source>Riverbend Credit Union</source>
            <translation>Cooperativa de Crédito Riverbend</translation>
        </message>
        <message>
            <source>Transfer from Checking</source>
            <translation>Transferencia desde la cuenta corriente</translation>
        </message>
        <message>
            <source>Dash Delivery</source>
            <translation>Dash Delivery</translation>
        </message>
        <message>
            <source>Gadget World</source>
            <translation>Mundo Gadget</translation>
        </message>
        <message>
            <source>CloudWatch Plus</source>
            <translation>CloudWatch Plus</translation>
        </message>
        <message>
            <source>Payment - Thank You</source>
            <translation>Pago - Gracias</translation>
        </message>
        <message>
            <source>Stellar Coffee</source>
            <translation>Café Stellar</translation>
        </message>
        <message>
            <source>BookNest Online</source>
            <translation>BookNest Online</translation>
        </message>
        <message>
            <source>TechVault</source>
            <translation>TechVault</translation>
        </message>
        <message>
            <source>Biweekly paycheck</source>
            <translation>Nómina quincenal</translation>
        </message>
        <message>
            <source>February rent</source>
            <translation>Alquiler de febrero</translation>
        </message>
        <message>
            <source>Weekly groceries</source>
            <translation>Compra semanal</translation>
        </message>
        <message>
            <source>Fill up</source>
            <translation>Llenar el depósito</translation>
        </message>
        <message>
            <source>Electric bill</source>
            <translation>Factura de la luz</translation>
        </message>
        <message>
            <source>Water bill</source>
            <translation>Factura del agua</translation>
        </message>
        <message>
            <source>Monthly streaming</source>
            <translation>Streaming mensual</translation>
        </message>
        <message>
            <source>Dinner out</source>
            <translation>Cena fuera</translation>
        </message>
        <message>
            <source>Auto insurance</source>
            <translation>Seguro del coche</translation>
        </message>
        <message>
            <source>Monthly donation</source>
            <translation>Donativo mensual</translation>
        </message>
        <message>
            <source>Monthly savings</source>
            <translation>Ahorro mensual</translation>
        </message>
        <message>
            <source>March rent</source>
            <translation>Alquiler de marzo</translation>
        </message>
        <message>
            <source>Internet service</source>
            <translation>Servicio de internet</translation>
        </message>
        <message>
            <source>Lunch</source>
            <translation>Almuerzo</translation>
        </message>
        <message>
            <source>Prescriptions</source>
            <translation>Recetas médicas</translation>
        </message>
        <message>
            <source>Coffee &amp; pastry</source>
            <translation>Café y bollería</translation>
        </message>
        <message>
            <source>Interest payment</source>
            <translation>Abono de intereses</translation>
        </message>
        <message>
            <source>Food delivery</source>
            <translation>Comida a domicilio</translation>
        </message>
        <message>
            <source>Phone case</source>
            <translation>Funda de móvil</translation>
        </message>
        <message>
            <source>Cloud storage plan</source>
            <translation>Plan de almacenamiento en la nube</translation>
        </message>
        <message>
            <source>Credit card payment</source>
            <translation>Pago de la tarjeta de crédito</translation>
        </message>
        <message>
            <source>Coffee beans</source>
            <translation>Café en grano</translation>
        </message>
        <message>
            <source>Programming books</source>
            <translation>Libros de programación</translation>
        </message>
        <message>
            <source>USB hub</source>
            <translation>Hub USB</translation>
        </message>
        <message>
            <source>Monthly rent</source>
            <translation>Alquiler mensual</translation>
        </message>
        <message>
            <source>Main Checking</source>
            <translation>Cuenta corriente principal</translation>
        </message>
        <message>
            <source>Savings</source>
            <translation>Ahorros</translation>
        </message>
        <message>
            <source>Visa Rewards</source>
            <translation>Visa Recompensas</translation>
        </message>
        <message>
            <source>Summit Bank</source>
            <translation>Banco Summit</translation>
        </message>
        <message>
            <source>Salary / Wages</source>
            <translation>Salario / Sueldo</translation>
        </message>
        <message>
            <source>Housing</source>
            <translation>Vivienda</translation>
        </message>
        <message>
            <source>Rent/Mortgage Payment</source>
            <translation>Alquiler/Cuota hipotecaria</translation>
        </message>
        <message>
            <source>Groceries</source>
            <translation>Supermercado</translation>
        </message>
        <message>
            <source>Transportation</source>
            <translation>Transporte</translation>
        </message>
        <message>
            <source>Gas/Fuel</source>
            <translation>Combustible</translation>
        </message>
        <message>
            <source>Utilities</source>
            <translation>Suministros</translation>
        </message>
        <message>
            <source>Electric</source>
            <translation>Electricidad</translation>
        </message>
        <message>
            <source>Water</source>
            <translation>Agua</translation>
        </message>
        <message>
            <source>Entertainment</source>
            <translation>Ocio</translation>
        </message>
        <message>
            <source>Streaming</source>
            <translation>Streaming</translation>
        </message>
        <message>
            <source>Dining &amp; Restaurants</source>
            <translation>Comidas y restaurantes</translation>
        </message>
        <message>
            <source>Insurance</source>
            <translation>Seguros</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>Automóvil</translation>
        </message>
        <message>
            <source>Charitable Donations</source>
            <translation>Donaciones benéficas</translation>
        </message>
        <message>
            <source>Internet</source>
            <translation>Internet</translation>
        </message>
        <message>
            <source>Medical Expenses</source>
            <translation>Gastos médicos</translation>
        </message>
        <message>
            <source>Interest Income</source>
            <translation>Ingresos por intereses</translation>
        </message>
        <message>
            <source>Shopping</source>
            <translation>Compras</translation>
        </message>
        <message>
            <source>Electronics</source>
            <translation>Electrónica</translation>
        </message>
        <message>
            <source>Subscriptions</source>
            <translation>Suscripciones</translation>
        </message>
        <message>
            <source>Education Expenses</source>
            <translation>Gastos de educación</translation>
        </message>
    </context>
</TS>
