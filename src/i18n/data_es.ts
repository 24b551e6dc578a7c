<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
    <context>
        <name>CategoryService</name>
        <message>
            <source>Charitable Donations</source>
            <translation>Donaciones benéficas</translation>
        </message>
        <message>
            <source>Medical Expenses</source>
            <translation>Gastos médicos</translation>
        </message>
        <message>
            <source>Business Expenses</source>
            <translation>Gastos empresariales</translation>
        </message>
        <message>
            <source>Home Office</source>
            <translation>Oficina en casa</translation>
        </message>
        <message>
            <source>Education Expenses</source>
            <translation>Gastos de educación</translation>
        </message>
        <message>
            <source>State &amp; Local Taxes</source>
            <translation>Impuestos estatales y locales</translation>
        </message>
        <message>
            <source>Mortgage Interest</source>
            <translation>Intereses hipotecarios</translation>
        </message>
        <message>
            <source>Property Tax</source>
            <translation>Impuesto sobre bienes inmuebles</translation>
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
            <source>Maintenance</source>
            <translation>Mantenimiento</translation>
        </message>
        <message>
            <source>HOA</source>
            <translation>Cuota de comunidad</translation>
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
            <source>Gas</source>
            <translation>Gas</translation>
        </message>
        <message>
            <source>Water</source>
            <translation>Agua</translation>
        </message>
        <message>
            <source>Internet</source>
            <translation>Internet</translation>
        </message>
        <message>
            <source>Phone</source>
            <translation>Teléfono</translation>
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
            <source>Car Payment</source>
            <translation>Cuota del coche</translation>
        </message>
        <message>
            <source>Auto Insurance</source>
            <translation>Seguro del coche</translation>
        </message>
        <message>
            <source>Public Transit</source>
            <translation>Transporte público</translation>
        </message>
        <message>
            <source>Groceries</source>
            <translation>Supermercado</translation>
        </message>
        <message>
            <source>Dining &amp; Restaurants</source>
            <translation>Comidas y restaurantes</translation>
        </message>
        <message>
            <source>Personal Care</source>
            <translation>Cuidado personal</translation>
        </message>
        <message>
            <source>Pets</source>
            <translation>Mascotas</translation>
        </message>
        <message>
            <source>Subscriptions</source>
            <translation>Suscripciones</translation>
        </message>
        <message>
            <source>Gifts</source>
            <translation>Regalos</translation>
        </message>
        <message>
            <source>Miscellaneous</source>
            <translation>Varios</translation>
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
            <source>Movies</source>
            <translation>Cine</translation>
        </message>
        <message>
            <source>Events</source>
            <translation>Eventos</translation>
        </message>
        <message>
            <source>Shopping</source>
            <translation>Compras</translation>
        </message>
        <message>
            <source>Clothing</source>
            <translation>Ropa</translation>
        </message>
        <message>
            <source>Electronics</source>
            <translation>Electrónica</translation>
        </message>
        <message>
            <source>Household</source>
            <translation>Hogar</translation>
        </message>
        <message>
            <source>Insurance</source>
            <translation>Seguros</translation>
        </message>
        <message>
            <source>Health</source>
            <translation>Salud</translation>
        </message>
        <message>
            <source>Life</source>
            <translation>Vida</translation>
        </message>
        <message>
            <source>Home/Renters</source>
            <translation>Hogar/Inquilino</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>Automóvil</translation>
        </message>
        <message>
            <source>Fees &amp; Charges</source>
            <translation>Comisiones y cargos</translation>
        </message>
        <message>
            <source>Bank Fees</source>
            <translation>Comisiones bancarias</translation>
        </message>
        <message>
            <source>ATM Fees</source>
            <translation>Comisiones de cajero</translation>
        </message>
        <message>
            <source>Late Fees</source>
            <translation>Recargos por demora</translation>
        </message>
        <message>
            <source>Salary / Wages</source>
            <translation>Salario / Sueldo</translation>
        </message>
        <message>
            <source>Interest Income</source>
            <translation>Ingresos por intereses</translation>
        </message>
        <message>
            <source>Dividend Income</source>
            <translation>Ingresos por dividendos</translation>
        </message>
        <message>
            <source>Rental Income</source>
            <translation>Ingresos por alquiler</translation>
        </message>
        <message>
            <source>Freelance / Consulting</source>
            <translation>Autónomo / Consultoría</translation>
        </message>
        <message>
            <source>Refunds</source>
            <translation>Reembolsos</translation>
        </message>
        <message>
            <source>Gifts Received</source>
            <translation>Regalos recibidos</translation>
        </message>
        <message>
            <source>Other Income</source>
            <translation>Otros ingresos</translation>
        </message>
    </context>
    <context>
        <name>LedgerFileCheck</name>
        <message>
            <source>This file is not an Orvalen Vellumry ledger.</source>
            <translation>Este archivo no es un registro de Orvalen Vellumry.</translation>
        </message>
        <message>
            <source>It has no record of a ledger's migrations.</source>
            <translation>No contiene constancia de las migraciones de un registro.</translation>
        </message>
        <message>
            <source>Its record of migrations cannot be read: %1</source>
            <translation>No se puede leer su lista de migraciones: %1</translation>
        </message>
        <message>
            <source>Its record of migrations lists %1 %2 where a ledger has %3 %4.</source>
            <translation>Su lista de migraciones indica %1 %2 donde un registro tiene %3 %4.</translation>
        </message>
        <message>
            <source>Its table %1 is missing.</source>
            <translation>Falta su tabla %1.</translation>
        </message>
        <message>
            <source>Its tables %1 are missing.</source>
            <translation>Faltan sus tablas %1.</translation>
        </message>
        <message>
            <source>The file %1 is read-only.</source>
            <translation>El archivo %1 es de solo lectura.</translation>
        </message>
        <message>
            <source>The folder %1 is read-only.</source>
            <translation>La carpeta %1 es de solo lectura.</translation>
        </message>
    </context>
    <context>
        <name>MoneySum</name>
        <message>
            <source>Out of range</source>
            <translation>Fuera de rango</translation>
        </message>
    </context>
    <context>
        <name>TransactionRepository</name>
        <message>
            <source>Opening Balance</source>
            <translation>Saldo inicial</translation>
        </message>
    </context>
    <context>
        <name>TransactionWriter</name>
        <message>
            <source>Uncategorized</source>
            <translation>Sin categoría</translation>
        </message>
    </context>
    <context>
        <name>TransferService</name>
        <message>
            <source>Transfer to %1</source>
            <translation>Transferencia a %1</translation>
        </message>
        <message>
            <source>Transfer from %1</source>
            <translation>Transferencia desde %1</translation>
        </message>
    </context>
</TS>
