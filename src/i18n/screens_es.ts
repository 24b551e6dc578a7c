<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
