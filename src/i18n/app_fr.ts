<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>Application</name>
        <message>
            <source>Database Error</source>
            <translation>Erreur de base de données</translation>
        </message>
        <message>
            <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
            <translation>Impossible d’initialiser la base de données.

Dossier des données : %1

Vérifiez les autorisations des fichiers et réessayez.</translation>
        </message>
    </context>
    <context>
        <name>StatusBar</name>
        <message>
            <source>Offline</source>
            <translation>Hors ligne</translation>
        </message>
        <message numerus="yes">
            <source>%n account(s)</source>
            <translation>
                <numerusform>%n compte</numerusform>
                <numerusform>%n comptes</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>  •  %n recurring due</source>
            <translation>
                <numerusform>  •  %n opération récurrente due</numerusform>
                <numerusform>  •  %n opérations récurrentes dues</numerusform>
            </translation>
        </message>
    </context>
</TS>
