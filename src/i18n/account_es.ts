<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
    <context>
        <name>OrvaAccount::AccountScreen</name>
        <message>
            <source>Orvalen Account</source>
            <translation>Cuenta de Orvalen</translation>
        </message>
    </context>
    <context>
        <name>OrvaAccount::ShareMembersDialog</name>
        <message>
            <source>People with access</source>
            <translation>Personas con acceso</translation>
        </message>
        <message>
            <source>Add people</source>
            <translation>Añadir personas</translation>
        </message>
        <message>
            <source>Not shared with anyone yet.</source>
            <translation>Aún no se ha compartido con nadie.</translation>
        </message>
        <message>
            <source>Nobody else is in your group yet. Invite people to your group to share with them.</source>
            <translation>Todavía no hay nadie más en tu grupo. Invita a otras personas a tu grupo para compartir con ellas.</translation>
        </message>
        <message>
            <source>All group members already have access</source>
            <translation>Todos los miembros del grupo ya tienen acceso</translation>
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
            <source>Remove access?</source>
            <translation>¿Quitar acceso?</translation>
        </message>
        <message>
            <source>%1 will no longer have access. Continue?</source>
            <translation>%1 ya no tendrá acceso. ¿Continuar?</translation>
        </message>
        <message>
            <source>Could not share with %1.</source>
            <translation>No se pudo compartir con %1.</translation>
        </message>
        <message>
            <source>Could not remove %1.</source>
            <translation>No se pudo quitar a %1.</translation>
        </message>
    </context>
</TS>
