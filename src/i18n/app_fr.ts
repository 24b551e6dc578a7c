<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>AccountListPanel</name>
        <message>
            <source>Cleared</source>
            <translation>Pointé</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>Aujourd'hui</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>Total</translation>
        </message>
        <message>
            <source>No accounts</source>
            <translation>Aucun compte</translation>
        </message>
    </context>
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
        <name>EmptyStatePage</name>
        <message>
            <source>Welcome to Orvalen Vellumry</source>
            <translation>Bienvenue dans Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Create your first account to get started.</source>
            <translation>Créez votre premier compte pour commencer.</translation>
        </message>
        <message>
            <source>Create Account</source>
            <translation>Créer un compte</translation>
        </message>
        <message>
            <source>You can also import transactions from a CSV file via File › Import.</source>
            <translation>Vous pouvez aussi importer des opérations depuis un fichier CSV via Fichier › Importer.</translation>
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
            <translation>&amp;Fichier</translation>
        </message>
        <message>
            <source>Orvalen &amp;Account...</source>
            <translation>&amp;Compte Orvalen...</translation>
        </message>
        <message>
            <source>Sign in or sign up</source>
            <translation>Se connecter ou s'inscrire</translation>
        </message>
        <message>
            <source>Sign &amp;Out</source>
            <translation>Se &amp;déconnecter</translation>
        </message>
        <message>
            <source>Signed in successfully</source>
            <translation>Connexion réussie</translation>
        </message>
        <message>
            <source>Sign-in failed: %1</source>
            <translation>Échec de la connexion : %1</translation>
        </message>
        <message>
            <source>Sync complete</source>
            <translation>Synchronisation terminée</translation>
        </message>
        <message>
            <source>Sync failed: %1</source>
            <translation>Échec de la synchronisation : %1</translation>
        </message>
        <message>
            <source>Manage your account</source>
            <translation>Gérer votre compte</translation>
        </message>
        <message>
            <source>Not signed in</source>
            <translation>Non connecté</translation>
        </message>
        <message numerus="yes">
            <source>Auto-posted %n recurring transaction(s)</source>
            <translation>
                <numerusform>%n opération récurrente passée automatiquement</numerusform>
                <numerusform>%n opérations récurrentes passées automatiquement</numerusform>
            </translation>
        </message>
        <message>
            <source>New Account...</source>
            <translation>Nouveau compte...</translation>
        </message>
        <message>
            <source>New Account</source>
            <translation>Nouveau compte</translation>
        </message>
        <message>
            <source>The account could not be saved.</source>
            <translation>Le compte n'a pas pu être enregistré.</translation>
        </message>
        <message>
            <source>Orvalen Account</source>
            <translation>Compte Orvalen</translation>
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
