<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>AccountActions</name>
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
        <name>CurrentAccount</name>
        <message>
            <source>Select an account first</source>
            <translation>Sélectionnez d'abord un compte</translation>
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
        <name>HelpActions</name>
        <message>
            <source>&lt;h3&gt;Orvalen Vellumry&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital vellumry register for tracking household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU Lesser General Public License version 3. See &lt;a href="https://www.qt.io/"&gt;qt.io&lt;/a&gt; for Qt and &lt;a href="https://code.qt.io/"&gt;code.qt.io&lt;/a&gt; for its source code.&lt;/small&gt;&lt;/p&gt;</source>
            <translation>&lt;h3&gt;Orvalen Vellumry&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Un registre vellumry numérique pour suivre les finances du foyer.&lt;/p&gt;&lt;p&gt;&lt;small&gt;Cette application utilise le framework Qt sous la GNU Lesser General Public License version 3. Voir &lt;a href="https://www.qt.io/"&gt;qt.io&lt;/a&gt; pour Qt et &lt;a href="https://code.qt.io/"&gt;code.qt.io&lt;/a&gt; pour son code source.&lt;/small&gt;&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;' (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
            <translation>&lt;h3&gt;Registre&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Enregistrer l'opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insérer une nouvelle opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Supprimer l'opération courante&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Champ suivant / précédent&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;' (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copier la valeur du champ du dessus&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Champ de date&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aujourd'hui&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Jour suivant / précédent&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour du mois&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour de l'année&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Premier / dernier jour de la semaine&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Général&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nouvelle opération&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%5&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nouveau compte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%6&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rapprocher le compte&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%7&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rechercher des opérations&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%8&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Rapports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Opérations récurrentes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%10&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Catégories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Comptes&lt;/h3&gt;&lt;table cellspacing='6'&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%11 &amp;ndash; %12&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aller au compte 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;%13&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Aller au compte 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
        </message>
        <message>
            <source>About Orvalen Vellumry</source>
            <translation>À propos d'Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Orvalen Vellumry</source>
            <translation>Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Keyboard Shortcuts</source>
            <translation>Raccourcis clavier</translation>
        </message>
        <message>
            <source>Sample Data</source>
            <translation>Données d'exemple</translation>
        </message>
        <message>
            <source>Sample data is already loaded.</source>
            <translation>Les données d'exemple sont déjà chargées.</translation>
        </message>
        <message>
            <source>Sample data loaded</source>
            <translation>Données d'exemple chargées</translation>
        </message>
        <message>
            <source>No sample data to clear.</source>
            <translation>Aucune donnée d'exemple à effacer.</translation>
        </message>
        <message>
            <source>Sample data cleared</source>
            <translation>Données d'exemple effacées</translation>
        </message>
        <message>
            <source>The sample data could not be cleared completely. Sample accounts that hold transactions of your own are kept; delete those transactions and clear again.</source>
            <translation>Les données d'exemple n'ont pas pu être entièrement effacées. Les comptes d'exemple qui contiennent vos propres opérations sont conservés ; supprimez ces opérations et effacez à nouveau.</translation>
        </message>
    </context>
    <context>
        <name>MainMenus</name>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Fichier</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Édition</translation>
        </message>
        <message>
            <source>&amp;Account</source>
            <translation>&amp;Compte</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>Aff&amp;ichage</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Aide</translation>
        </message>
        <message>
            <source>&amp;New Transaction</source>
            <translation>&amp;Nouvelle opération</translation>
        </message>
        <message>
            <source>New &amp;Account</source>
            <translation>Nouveau c&amp;ompte</translation>
        </message>
        <message>
            <source>&amp;Import...</source>
            <translation>&amp;Importer...</translation>
        </message>
        <message>
            <source>Orvalen &amp;Account...</source>
            <translation>&amp;Compte Orvalen...</translation>
        </message>
        <message>
            <source>Sign &amp;Out</source>
            <translation>Se &amp;déconnecter</translation>
        </message>
        <message>
            <source>&amp;Quit</source>
            <translation>&amp;Quitter</translation>
        </message>
        <message>
            <source>&amp;Find...</source>
            <translation>&amp;Rechercher...</translation>
        </message>
        <message>
            <source>&amp;Preferences...</source>
            <translation>&amp;Préférences...</translation>
        </message>
        <message>
            <source>&amp;Edit...</source>
            <translation>&amp;Modifier...</translation>
        </message>
        <message>
            <source>&amp;Reconcile...</source>
            <translation>&amp;Rapprocher...</translation>
        </message>
        <message>
            <source>Reconciliation &amp;History...</source>
            <translation>&amp;Historique des rapprochements...</translation>
        </message>
        <message>
            <source>Rename &amp;Payees...</source>
            <translation>Renommer les &amp;bénéficiaires...</translation>
        </message>
        <message>
            <source>&amp;Share...</source>
            <translation>&amp;Partager...</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Supprimer</translation>
        </message>
        <message>
            <source>&amp;Reports</source>
            <translation>&amp;Rapports</translation>
        </message>
        <message>
            <source>Re&amp;curring Transactions</source>
            <translation>&amp;Opérations récurrentes</translation>
        </message>
        <message>
            <source>C&amp;ategories</source>
            <translation>&amp;Catégories</translation>
        </message>
        <message>
            <source>&amp;About Orvalen Vellumry</source>
            <translation>À &amp;propos d'Orvalen Vellumry</translation>
        </message>
        <message>
            <source>What's &amp;New...</source>
            <translation>&amp;Nouveautés...</translation>
        </message>
        <message>
            <source>Check for &amp;Updates...</source>
            <translation>Rechercher des &amp;mises à jour...</translation>
        </message>
        <message>
            <source>Send &amp;Feedback...</source>
            <translation>Envoyer des &amp;commentaires...</translation>
        </message>
        <message>
            <source>&amp;Keyboard Shortcuts</source>
            <translation>Raccourcis c&amp;lavier</translation>
        </message>
        <message>
            <source>Load &amp;Sample Data</source>
            <translation>Charger les données d'e&amp;xemple</translation>
        </message>
        <message>
            <source>&amp;Clear Sample Data</source>
            <translation>E&amp;ffacer les données d'exemple</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>Orvalen Vellumry</source>
            <translation>Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Sign in or sign up</source>
            <translation>Se connecter ou s'inscrire</translation>
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
        <message>
            <source>Reconcile...</source>
            <translation>Rapprocher...</translation>
        </message>
        <message>
            <source>Reconciliation History...</source>
            <translation>Historique des rapprochements...</translation>
        </message>
        <message>
            <source>Rename Payees...</source>
            <translation>Renommer les bénéficiaires...</translation>
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
    <context>
        <name>ToolWindows</name>
        <message>
            <source>Reports</source>
            <translation>Rapports</translation>
        </message>
        <message>
            <source>Recurring Transactions</source>
            <translation>Opérations récurrentes</translation>
        </message>
        <message>
            <source>Search Transactions</source>
            <translation>Rechercher des opérations</translation>
        </message>
        <message>
            <source>Categories</source>
            <translation>Catégories</translation>
        </message>
        <message>
            <source>Preferences</source>
            <translation>Préférences</translation>
        </message>
        <message>
            <source>Import Transactions</source>
            <translation>Importer des opérations</translation>
        </message>
        <message>
            <source>Payee Management</source>
            <translation>Gestion des bénéficiaires</translation>
        </message>
        <message>
            <source>Reconcile — %1</source>
            <translation>Rapprocher — %1</translation>
        </message>
        <message>
            <source>Reconciliation History</source>
            <translation>Historique des rapprochements</translation>
        </message>
        <message>
            <source>Orvalen Account</source>
            <translation>Compte Orvalen</translation>
        </message>
    </context>
</TS>
