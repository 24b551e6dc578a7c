<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>AccountActions</name>
        <message>
            <source>Select an account first</source>
            <translation>Sélectionnez d'abord un compte</translation>
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
            <source>Change currency?</source>
            <translation>Changer de devise ?</translation>
        </message>
        <message numerus="yes">
            <source>This account has %n transfer(s) to accounts in another currency. Those transfers will no longer add up, and any recurring transfer between them will stop posting until you fix it. Existing entries are not converted.</source>
            <translation>
                <numerusform>Ce compte a %n virement vers des comptes dans une autre devise. Ces virements ne s'équilibreront plus, et les virements récurrents entre eux ne seront plus passés tant que vous n'aurez pas corrigé cela. Les écritures existantes ne sont pas converties.</numerusform>
                <numerusform>Ce compte a %n virements vers des comptes dans une autre devise. Ces virements ne s'équilibreront plus, et les virements récurrents entre eux ne seront plus passés tant que vous n'aurez pas corrigé cela. Les écritures existantes ne sont pas converties.</numerusform>
            </translation>
        </message>
        <message>
            <source>Starting Balance</source>
            <translation>Solde initial</translation>
        </message>
        <message>
            <source>Edit Account</source>
            <translation>Modifier le compte</translation>
        </message>
        <message>
            <source>Delete "%1"?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
            <translation>Supprimer « %1 » ?

Toutes les opérations, écritures récurrentes et l'historique des rapprochements de ce compte seront supprimés. Vous pouvez le restaurer depuis Préférences → Données et synchronisation.</translation>
        </message>
        <message>
            <source>Delete Account</source>
            <translation>Supprimer le compte</translation>
        </message>
        <message>
            <source>The account could not be deleted.</source>
            <translation>Le compte n'a pas pu être supprimé.</translation>
        </message>
        <message>
            <source>Sign In Required</source>
            <translation>Connexion requise</translation>
        </message>
        <message>
            <source>Sharing requires a Orvalen account.</source>
            <translation>Le partage nécessite un compte Orvalen.</translation>
        </message>
        <message>
            <source>Learn More</source>
            <translation>En savoir plus</translation>
        </message>
        <message>
            <source>Share Account</source>
            <translation>Partager le compte</translation>
        </message>
        <message>
            <source>Sharing: %1</source>
            <translation>Partage : %1</translation>
        </message>
        <message>
            <source>Share this account with members of your Orvalen family group. They'll see the same register, balances, and reconciliation history on their devices.</source>
            <translation>Partagez ce compte avec les membres de votre groupe familial Orvalen. Ils verront le même registre, les mêmes soldes et le même historique des rapprochements sur leurs appareils.</translation>
        </message>
        <message>
            <source>Shared with</source>
            <translation>Partagé avec</translation>
        </message>
        <message>
            <source>Not shared with anyone yet.</source>
            <translation>Pas encore partagé.</translation>
        </message>
        <message>
            <source>You are not in a family group yet. Create one or join one under File › Orvalen Account, then share this account with its members.</source>
            <translation>Vous ne faites pas encore partie d'un groupe familial. Créez-en un ou rejoignez-en un via Fichier › Compte Orvalen, puis partagez ce compte avec ses membres.</translation>
        </message>
        <message>
            <source>Share</source>
            <translation>Partager</translation>
        </message>
        <message>
            <source>Remove access</source>
            <translation>Retirer l'accès</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Share Failed</source>
            <translation>Échec du partage</translation>
        </message>
        <message>
            <source>Remove Failed</source>
            <translation>Échec du retrait</translation>
        </message>
        <message>
            <source>Remove Share</source>
            <translation>Retirer le partage</translation>
        </message>
        <message>
            <source>Remove %1's access to this account?</source>
            <translation>Retirer l'accès de %1 à ce compte ?</translation>
        </message>
        <message>
            <source>Change the opening balance?

Every balance in this account will shift.</source>
            <translation>Modifier le solde d'ouverture ?

Tous les soldes de ce compte seront décalés.</translation>
        </message>
    </context>
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
            <source>Orvalen Account</source>
            <translation>Compte Orvalen</translation>
        </message>
        <message>
            <source>Edit "%1"...</source>
            <translation>Modifier « %1 »...</translation>
        </message>
        <message>
            <source>Share...</source>
            <translation>Partager...</translation>
        </message>
        <message>
            <source>Delete "%1"</source>
            <translation>Supprimer « %1 »</translation>
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
