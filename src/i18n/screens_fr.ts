<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>AccountFormDialog</name>
        <message>
            <source>New Account</source>
            <translation>Nouveau compte</translation>
        </message>
        <message>
            <source>Edit Account</source>
            <translation>Modifier le compte</translation>
        </message>
        <message>
            <source>This account already has an opening balance. Changing the amount or date shifts every balance after it.</source>
            <translation>Ce compte a déjà un solde d’ouverture. Modifier le montant ou la date décale tous les soldes qui suivent.</translation>
        </message>
        <message>
            <source>Account name</source>
            <translation>Nom du compte</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>&amp;Nom :</translation>
        </message>
        <message>
            <source>Checking</source>
            <translation>Compte courant</translation>
        </message>
        <message>
            <source>Savings</source>
            <translation>Épargne</translation>
        </message>
        <message>
            <source>Credit Card</source>
            <translation>Carte de crédit</translation>
        </message>
        <message>
            <source>Cash</source>
            <translation>Espèces</translation>
        </message>
        <message>
            <source>Investment</source>
            <translation>Placement</translation>
        </message>
        <message>
            <source>Loan</source>
            <translation>Prêt</translation>
        </message>
        <message>
            <source>Other</source>
            <translation>Autre</translation>
        </message>
        <message>
            <source>&amp;Type:</source>
            <translation>&amp;Type :</translation>
        </message>
        <message>
            <source>&amp;Currency:</source>
            <translation>&amp;Devise :</translation>
        </message>
        <message>
            <source>Starting &amp;Balance:</source>
            <translation>&amp;Solde initial :</translation>
        </message>
        <message>
            <source>Starting &amp;Balance (Amount Owed):</source>
            <translation>&amp;Solde initial (montant dû) :</translation>
        </message>
        <message>
            <source>&amp;As of:</source>
            <translation>&amp;Au :</translation>
        </message>
        <message>
            <source>Bank name (optional)</source>
            <translation>Nom de la banque (facultatif)</translation>
        </message>
        <message>
            <source>&amp;Institution:</source>
            <translation>&amp;Établissement :</translation>
        </message>
        <message>
            <source>Last 4 digits (optional)</source>
            <translation>4 derniers chiffres (facultatif)</translation>
        </message>
        <message>
            <source>Account &amp;Number:</source>
            <translation>&amp;Numéro de compte :</translation>
        </message>
    </context>
    <context>
        <name>CategoriesScreen</name>
        <message>
            <source>Categories</source>
            <translation>Catégories</translation>
        </message>
        <message>
            <source>Search categories...</source>
            <translation>Rechercher des catégories…</translation>
        </message>
        <message>
            <source>+ New Category</source>
            <translation>+ Nouvelle catégorie</translation>
        </message>
        <message>
            <source>&amp;New Category</source>
            <translation>&amp;Nouvelle catégorie</translation>
        </message>
        <message>
            <source>Add &amp;Subcategory</source>
            <translation>Ajouter une &amp;sous-catégorie</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Modifier</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Supprimer</translation>
        </message>
        <message>
            <source>Delete Category</source>
            <translation>Supprimer la catégorie</translation>
        </message>
        <message>
            <source>Delete "%1"? Transactions using this category will become uncategorized.</source>
            <translation>Supprimer « %1 » ? Les opérations qui utilisent cette catégorie n’auront plus de catégorie.</translation>
        </message>
    </context>
    <context>
        <name>CategoryFormDialog</name>
        <message>
            <source>New Category</source>
            <translation>Nouvelle catégorie</translation>
        </message>
        <message>
            <source>New Subcategory</source>
            <translation>Nouvelle sous-catégorie</translation>
        </message>
        <message>
            <source>Edit Category</source>
            <translation>Modifier la catégorie</translation>
        </message>
        <message>
            <source>&amp;Parent:</source>
            <translation>&amp;Parent :</translation>
        </message>
        <message>
            <source>Category name</source>
            <translation>Nom de la catégorie</translation>
        </message>
        <message>
            <source>&amp;Name:</source>
            <translation>&amp;Nom :</translation>
        </message>
        <message>
            <source>Expense</source>
            <translation>Dépense</translation>
        </message>
        <message>
            <source>Income</source>
            <translation>Revenu</translation>
        </message>
        <message>
            <source>Transfer</source>
            <translation>Virement</translation>
        </message>
        <message>
            <source>&amp;Type:</source>
            <translation>&amp;Type :</translation>
        </message>
        <message>
            <source>Tax-relevant</source>
            <translation>Pertinent pour les impôts</translation>
        </message>
        <message>
            <source>Mark this category for inclusion in tax-time reports.</source>
            <translation>Inclure cette catégorie dans les rapports fiscaux.</translation>
        </message>
        <message>
            <source>e.g. charitable_contributions, mortgage_interest</source>
            <translation>p. ex. charitable_contributions, mortgage_interest</translation>
        </message>
        <message>
            <source>Tax &amp;Code:</source>
            <translation>&amp;Code fiscal :</translation>
        </message>
    </context>
    <context>
        <name>CategoryTreeModel</name>
        <message>
            <source>Category</source>
            <translation>Catégorie</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>Type</translation>
        </message>
        <message>
            <source>Tax Code</source>
            <translation>Code fiscal</translation>
        </message>
    </context>
    <context>
        <name>ImportProgress</name>
        <message>
            <source>Importing...</source>
            <translation>Importation...</translation>
        </message>
    </context>
    <context>
        <name>ImportScreen</name>
        <message>
            <source>(none)</source>
            <translation>(aucune)</translation>
        </message>
        <message>
            <source>Import Transactions</source>
            <translation>Importer des opérations</translation>
        </message>
        <message>
            <source>CSV</source>
            <translation>CSV</translation>
        </message>
        <message>
            <source>QIF</source>
            <translation>QIF</translation>
        </message>
        <message>
            <source>&amp;Format:</source>
            <translation>&amp;Format :</translation>
        </message>
        <message>
            <source>&amp;Account:</source>
            <translation>&amp;Compte :</translation>
        </message>
        <message>
            <source>No file selected</source>
            <translation>Aucun fichier sélectionné</translation>
        </message>
        <message>
            <source>Browse...</source>
            <translation>Parcourir...</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>Fichier :</translation>
        </message>
        <message>
            <source>Import</source>
            <translation>Importer</translation>
        </message>
        <message>
            <source>CSV Column Mapping:</source>
            <translation>Correspondance des colonnes CSV :</translation>
        </message>
        <message>
            <source>Date column:</source>
            <translation>Colonne de date :</translation>
        </message>
        <message>
            <source>Payee column:</source>
            <translation>Colonne du bénéficiaire :</translation>
        </message>
        <message>
            <source>Amount column:</source>
            <translation>Colonne du montant :</translation>
        </message>
        <message>
            <source>Memo column:</source>
            <translation>Colonne du mémo :</translation>
        </message>
        <message>
            <source>Category column:</source>
            <translation>Colonne de catégorie :</translation>
        </message>
        <message>
            <source>Auto-detect</source>
            <translation>Détection automatique</translation>
        </message>
        <message>
            <source>Month D, YYYY (May 14, 2026)</source>
            <translation>Mois J, AAAA (May 14, 2026)</translation>
        </message>
        <message>
            <source>Date format:</source>
            <translation>Format de date :</translation>
        </message>
        <message>
            <source>First row is header</source>
            <translation>La première ligne est un en-tête</translation>
        </message>
        <message>
            <source>QIF source accounts:</source>
            <translation>Comptes source QIF :</translation>
        </message>
        <message>
            <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
            <translation>Choisissez où importer chaque compte Quicken. Les virements entre les comptes associés dans les fichiers sélectionnés seront liés automatiquement.</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Terminé</translation>
        </message>
        <message>
            <source>Select QIF File(s)</source>
            <translation>Sélectionner des fichiers QIF</translation>
        </message>
        <message>
            <source>QIF Files (*.qif)</source>
            <translation>Fichiers QIF (*.qif)</translation>
        </message>
        <message numerus="yes">
            <source>%n file(s) selected</source>
            <translation>
                <numerusform>%n fichier sélectionné</numerusform>
                <numerusform>%n fichiers sélectionnés</numerusform>
            </translation>
        </message>
        <message>
            <source>Analyzing QIF file(s)...</source>
            <translation>Analyse des fichiers QIF...</translation>
        </message>
        <message>
            <source>None of the chosen files could be read.</source>
            <translation>Aucun des fichiers choisis n’a pu être lu.</translation>
        </message>
        <message>
            <source>Select File</source>
            <translation>Sélectionner un fichier</translation>
        </message>
        <message>
            <source>CSV Files (*.csv);;All Files (*)</source>
            <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
        </message>
        <message>
            <source>"%1" could not be read.</source>
            <translation>Impossible de lire « %1 ».</translation>
        </message>
        <message>
            <source>"%1" holds no rows to import.</source>
            <translation>« %1 » ne contient aucune ligne à importer.</translation>
        </message>
        <message>
            <source>Col %1</source>
            <translation>Col. %1</translation>
        </message>
        <message numerus="yes">
            <source>The first %n rows of the file are shown; it holds more.</source>
            <translation>
                <numerusform>La première ligne du fichier est affichée ; il en contient d’autres.</numerusform>
                <numerusform>Les %n premières lignes du fichier sont affichées ; il en contient d’autres.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>The file holds %n row(s).</source>
            <translation>
                <numerusform>Le fichier contient %n ligne.</numerusform>
                <numerusform>Le fichier contient %n lignes.</numerusform>
            </translation>
        </message>
        <message>
            <source>Col %1: %2</source>
            <translation>Col. %1 : %2</translation>
        </message>
        <message>
            <source>Column %1</source>
            <translation>Colonne %1</translation>
        </message>
        <message>
            <source>No target account</source>
            <translation>Aucun compte cible</translation>
        </message>
        <message>
            <source>Pick an account to import into, or create one now.</source>
            <translation>Choisissez un compte dans lequel importer, ou créez-en un maintenant.</translation>
        </message>
    </context>
    <context>
        <name>ImportSummary</name>
        <message>
            <source>Import failed.</source>
            <translation>L’importation a échoué.</translation>
        </message>
        <message>
            <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
            <translation>Une erreur de base de données a interrompu l’importation et toutes les modifications ont été annulées. Aucune opération n’a été ajoutée.</translation>
        </message>
        <message>
            <source>Import complete!</source>
            <translation>Importation terminée !</translation>
        </message>
        <message numerus="yes">
            <source>%n transaction(s) imported</source>
            <translation>
                <numerusform>%n opération importée</numerusform>
                <numerusform>%n opérations importées</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n transfer(s) linked across accounts</source>
            <translation>
                <numerusform>%n virement lié entre comptes</numerusform>
                <numerusform>%n virements liés entre comptes</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>  (including %n linked to previously imported row(s))</source>
            <translation>
                <numerusform>  (dont %n lié à une ligne importée précédemment)</numerusform>
                <numerusform>  (dont %n liés à des lignes importées précédemment)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n duplicate(s) skipped</source>
            <translation>
                <numerusform>%n doublon ignoré</numerusform>
                <numerusform>%n doublons ignorés</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n record(s) skipped (unparseable)</source>
            <translation>
                <numerusform>%n enregistrement ignoré (illisible)</numerusform>
                <numerusform>%n enregistrements ignorés (illisibles)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n metadata record(s) skipped</source>
            <translation>
                <numerusform>%n enregistrement de métadonnées ignoré</numerusform>
                <numerusform>%n enregistrements de métadonnées ignorés</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n record(s) skipped (unmapped source account)</source>
            <translation>
                <numerusform>%n enregistrement ignoré (compte source non associé)</numerusform>
                <numerusform>%n enregistrements ignorés (compte source non associé)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n record(s) skipped (database error — see log)</source>
            <translation>
                <numerusform>%n enregistrement ignoré (erreur de base de données — voir le journal)</numerusform>
                <numerusform>%n enregistrements ignorés (erreur de base de données — voir le journal)</numerusform>
            </translation>
        </message>
        <message>
            <source>A quote opened on line %1 is never closed: the rows after it could not be read.</source>
            <translation>Un guillemet ouvert à la ligne %1 n’est jamais fermé : les lignes suivantes n’ont pas pu être lues.</translation>
        </message>
        <message>
            <source>No transactions were added.</source>
            <translation>Aucune opération n’a été ajoutée.</translation>
        </message>
        <message numerus="yes">
            <source>%n row(s) skipped (more than %1 fields or %2 characters in one row)</source>
            <translation>
                <numerusform>%n ligne ignorée (plus de %1 champs ou %2 caractères sur une ligne)</numerusform>
                <numerusform>%n lignes ignorées (plus de %1 champs ou %2 caractères sur une ligne)</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>PayeeScreen</name>
        <message>
            <source>Payee Management</source>
            <translation>Gestion des bénéficiaires</translation>
        </message>
        <message>
            <source>Rename to:</source>
            <translation>Renommer en :</translation>
        </message>
        <message>
            <source>Rename Selected</source>
            <translation>Renommer la sélection</translation>
        </message>
        <message>
            <source>Merge Selected</source>
            <translation>Fusionner la sélection</translation>
        </message>
        <message>
            <source>"%1" is the payee of opening balances. Choose another name.</source>
            <translation>« %1 » est le bénéficiaire des soldes d’ouverture. Choisissez un autre nom.</translation>
        </message>
        <message>
            <source>Rename</source>
            <translation>Renommer</translation>
        </message>
        <message>
            <source>Rename Complete</source>
            <translation>Renommage terminé</translation>
        </message>
        <message numerus="yes">
            <source>Renamed %n transaction(s).</source>
            <translation>
                <numerusform>%n opération renommée.</numerusform>
                <numerusform>%n opérations renommées.</numerusform>
            </translation>
        </message>
        <message>
            <source>Merge</source>
            <translation>Fusionner</translation>
        </message>
        <message>
            <source>Select 2 or more payees to merge.</source>
            <translation>Sélectionnez au moins 2 bénéficiaires à fusionner.</translation>
        </message>
        <message>
            <source>Merge Payees</source>
            <translation>Fusionner les bénéficiaires</translation>
        </message>
        <message>
            <source>Merge %1 payees into "%2"?</source>
            <translation>Fusionner %1 bénéficiaires en « %2 » ?</translation>
        </message>
        <message>
            <source>Merge Complete</source>
            <translation>Fusion terminée</translation>
        </message>
        <message numerus="yes">
            <source>Merged %n transaction(s).</source>
            <translation>
                <numerusform>%n opération fusionnée.</numerusform>
                <numerusform>%n opérations fusionnées.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>QifMappingRows</name>
        <message>
            <source>— Create new account "%1" —</source>
            <translation>— Créer le nouveau compte « %1 » —</translation>
        </message>
        <message>
            <source>— Skip these transactions —</source>
            <translation>— Ignorer ces opérations —</translation>
        </message>
    </context>
    <context>
        <name>ReconciliationHistoryScreen</name>
        <message>
            <source>Reconciliation History</source>
            <translation>Historique des rapprochements</translation>
        </message>
        <message>
            <source>Reconciliation History — %1</source>
            <translation>Historique des rapprochements — %1</translation>
        </message>
        <message>
            <source>Past reconciliations for this account.</source>
            <translation>Rapprochements précédents de ce compte.</translation>
        </message>
        <message>
            <source>Statement Date</source>
            <translation>Date du relevé</translation>
        </message>
        <message>
            <source>Statement Balance</source>
            <translation>Solde du relevé</translation>
        </message>
        <message>
            <source>Reconciled Balance</source>
            <translation>Solde rapproché</translation>
        </message>
        <message>
            <source>Completed</source>
            <translation>Terminé</translation>
        </message>
        <message>
            <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
            <translation>Aucun rapprochement pour l'instant. Rapprochez votre compte depuis le registre pour voir l'historique ici.</translation>
        </message>
    </context>
    <context>
        <name>ReconciliationScreen</name>
        <message>
            <source>Reconcile Account</source>
            <translation>Rapprocher le compte</translation>
        </message>
        <message>
            <source>Statement Date:</source>
            <translation>Date du relevé :</translation>
        </message>
        <message>
            <source>Statement Balance:</source>
            <translation>Solde du relevé :</translation>
        </message>
        <message>
            <source>Statement Balance Owed:</source>
            <translation>Solde dû du relevé :</translation>
        </message>
        <message>
            <source>Previous Balance</source>
            <translation>Solde précédent</translation>
        </message>
        <message>
            <source>Cleared Deposits</source>
            <translation>Dépôts pointés</translation>
        </message>
        <message>
            <source>Cleared Withdrawals</source>
            <translation>Retraits pointés</translation>
        </message>
        <message>
            <source>Cleared Payments</source>
            <translation>Paiements pointés</translation>
        </message>
        <message>
            <source>Cleared Charges</source>
            <translation>Débits pointés</translation>
        </message>
        <message>
            <source>Cleared Balance</source>
            <translation>Solde pointé</translation>
        </message>
        <message>
            <source>Statement Balance</source>
            <translation>Solde du relevé</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>Écart</translation>
        </message>
        <message>
            <source>Finish Reconciliation</source>
            <translation>Terminer le rapprochement</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Add Transaction</source>
            <translation>Ajouter une opération</translation>
        </message>
        <message>
            <source>Add a transaction (%1)</source>
            <translation>Ajouter une opération (%1)</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Modifier</translation>
        </message>
        <message>
            <source>Edit selected transaction (F2)</source>
            <translation>Modifier l'opération sélectionnée (F2)</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>Delete selected transaction (Del)</source>
            <translation>Supprimer l'opération sélectionnée (Suppr)</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Bénéficiaire</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>Montant</translation>
        </message>
        <message>
            <source>Clr</source>
            <translation>Pt.</translation>
        </message>
        <message>
            <source>Reconciliation Not Saved</source>
            <translation>Rapprochement non enregistré</translation>
        </message>
        <message>
            <source>The reconciliation could not be saved, and nothing was changed. Please try again.</source>
            <translation>Le rapprochement n'a pas pu être enregistré et rien n'a été modifié. Veuillez réessayer.</translation>
        </message>
        <message>
            <source>Reconciliation Complete</source>
            <translation>Rapprochement terminé</translation>
        </message>
        <message>
            <source>Account reconciled successfully.</source>
            <translation>Le compte a été rapproché avec succès.</translation>
        </message>
    </context>
    <context>
        <name>RecurringFormDialog</name>
        <message>
            <source>New Recurring Transaction</source>
            <translation>Nouvelle opération récurrente</translation>
        </message>
        <message>
            <source>Edit Recurring Transaction</source>
            <translation>Modifier l’opération récurrente</translation>
        </message>
        <message>
            <source>Memorize Transaction</source>
            <translation>Mémoriser l’opération</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>Compte :</translation>
        </message>
        <message>
            <source>Payment</source>
            <translation>Paiement</translation>
        </message>
        <message>
            <source>Deposit</source>
            <translation>Dépôt</translation>
        </message>
        <message>
            <source>Type:</source>
            <translation>Type :</translation>
        </message>
        <message>
            <source>Start typing to search payees...</source>
            <translation>Saisissez pour rechercher des bénéficiaires…</translation>
        </message>
        <message>
            <source>Payee:</source>
            <translation>Bénéficiaire :</translation>
        </message>
        <message>
            <source>Amount:</source>
            <translation>Montant :</translation>
        </message>
        <message>
            <source>Category:</source>
            <translation>Catégorie :</translation>
        </message>
        <message>
            <source>Optional</source>
            <translation>Facultatif</translation>
        </message>
        <message>
            <source>Memo:</source>
            <translation>Mémo :</translation>
        </message>
        <message>
            <source>Daily</source>
            <translation>Quotidienne</translation>
        </message>
        <message>
            <source>Weekly</source>
            <translation>Hebdomadaire</translation>
        </message>
        <message>
            <source>Bi-weekly</source>
            <translation>Toutes les deux semaines</translation>
        </message>
        <message>
            <source>Monthly</source>
            <translation>Mensuelle</translation>
        </message>
        <message>
            <source>Semi-monthly</source>
            <translation>Bimensuelle</translation>
        </message>
        <message>
            <source>Quarterly</source>
            <translation>Trimestrielle</translation>
        </message>
        <message>
            <source>Semi-annual</source>
            <translation>Semestrielle</translation>
        </message>
        <message>
            <source>Annual</source>
            <translation>Annuelle</translation>
        </message>
        <message>
            <source>Frequency:</source>
            <translation>Fréquence :</translation>
        </message>
        <message>
            <source>Repeat every:</source>
            <translation>Répéter tous les :</translation>
        </message>
        <message>
            <source>Last day</source>
            <translation>Dernier jour</translation>
        </message>
        <message>
            <source>First day:</source>
            <translation>Premier jour :</translation>
        </message>
        <message>
            <source>Second day:</source>
            <translation>Second jour :</translation>
        </message>
        <message>
            <source>Start Date:</source>
            <translation>Date de début :</translation>
        </message>
        <message>
            <source>Has end date</source>
            <translation>Avec date de fin</translation>
        </message>
        <message>
            <source>End Date:</source>
            <translation>Date de fin :</translation>
        </message>
        <message>
            <source>Auto-post when due</source>
            <translation>Saisir automatiquement à l’échéance</translation>
        </message>
        <message>
            <source> days</source>
            <translation> jours</translation>
        </message>
        <message>
            <source>Enter in advance:</source>
            <translation>Saisir à l’avance :</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Active</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(aucune)</translation>
        </message>
        <message>
            <source>day</source>
            <translation>jour</translation>
        </message>
        <message>
            <source>days</source>
            <translation>jours</translation>
        </message>
        <message>
            <source>week</source>
            <translation>semaine</translation>
        </message>
        <message>
            <source>weeks</source>
            <translation>semaines</translation>
        </message>
        <message>
            <source>month</source>
            <translation>mois</translation>
        </message>
        <message>
            <source>months</source>
            <translation>mois</translation>
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
            <translation>an</translation>
        </message>
        <message>
            <source>years</source>
            <translation>ans</translation>
        </message>
    </context>
    <context>
        <name>RecurringModel</name>
        <message>
            <source>Semi-monthly (%1 &amp; %2)</source>
            <translation>Bimensuel (%1 et %2)</translation>
        </message>
        <message>
            <source>Every %1 days</source>
            <translation>Tous les %1 jours</translation>
        </message>
        <message>
            <source>Every %1 weeks</source>
            <translation>Toutes les %1 semaines</translation>
        </message>
        <message>
            <source>Every %1 months</source>
            <translation>Tous les %1 mois</translation>
        </message>
        <message>
            <source>Every %1 years</source>
            <translation>Tous les %1 ans</translation>
        </message>
        <message>
            <source>%1 (×%2)</source>
            <translation>%1 (×%2)</translation>
        </message>
        <message>
            <source>last day</source>
            <translation>dernier jour</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>Oui</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Non</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Active</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Inactive</translation>
        </message>
        <message>
            <source>Account</source>
            <translation>Compte</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Bénéficiaire</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>Montant</translation>
        </message>
        <message>
            <source>Frequency</source>
            <translation>Fréquence</translation>
        </message>
        <message>
            <source>Next Due</source>
            <translation>Prochaine échéance</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>Auto</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Statut</translation>
        </message>
    </context>
    <context>
        <name>RecurringScreen</name>
        <message>
            <source>Recurring Transactions</source>
            <translation>Opérations récurrentes</translation>
        </message>
        <message>
            <source>Confirm All Due</source>
            <translation>Confirmer toutes les échues</translation>
        </message>
        <message>
            <source>Enter Next 7 Days</source>
            <translation>Saisir les 7 prochains jours</translation>
        </message>
        <message>
            <source>New Recurring</source>
            <translation>Nouvelle récurrente</translation>
        </message>
        <message>
            <source>(%1 due)</source>
            <translation>(%1 échues)</translation>
        </message>
        <message>
            <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
            <translation>Saisir toutes les opérations récurrentes échues dans les 7 prochains jours ? Elles sont datées de leur échéance et vous pourrez les modifier ou les supprimer plus tard.</translation>
        </message>
        <message>
            <source>Enter "%1" now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
            <translation>Saisir « %1 » maintenant, à la date du %2 ? L'opération est datée de son échéance et vous pourrez la modifier ou la supprimer plus tard.</translation>
        </message>
        <message>
            <source>Enter Early</source>
            <translation>Saisir en avance</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>Delete recurring "%1"?</source>
            <translation>Supprimer l'opération récurrente « %1 » ?</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Modifier</translation>
        </message>
        <message>
            <source>&amp;Confirm</source>
            <translation>&amp;Confirmer</translation>
        </message>
        <message>
            <source>&amp;Skip</source>
            <translation>&amp;Ignorer</translation>
        </message>
        <message>
            <source>Enter &amp;Early...</source>
            <translation>Saisir en &amp;avance...</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Supprimer</translation>
        </message>
    </context>
    <context>
        <name>ReportsScreen</name>
        <message>
            <source>Reports</source>
            <translation>Rapports</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>Compte :</translation>
        </message>
        <message>
            <source>Period:</source>
            <translation>Période :</translation>
        </message>
        <message>
            <source>Export CSV</source>
            <translation>Exporter en CSV</translation>
        </message>
        <message>
            <source>Category Spending</source>
            <translation>Dépenses par catégorie</translation>
        </message>
        <message>
            <source>Payee Summary</source>
            <translation>Synthèse par bénéficiaire</translation>
        </message>
        <message>
            <source>Tax Report</source>
            <translation>Rapport fiscal</translation>
        </message>
        <message>
            <source>Income vs Expenses</source>
            <translation>Revenus et dépenses</translation>
        </message>
        <message>
            <source>Cash Flow</source>
            <translation>Flux de trésorerie</translation>
        </message>
        <message>
            <source>Year-over-Year</source>
            <translation>Comparaison annuelle</translation>
        </message>
        <message>
            <source>Account Summary</source>
            <translation>Synthèse des comptes</translation>
        </message>
        <message>
            <source>Transactions</source>
            <translation>Opérations</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Catégorie</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>Total</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Bénéficiaire</translation>
        </message>
        <message>
            <source>Count</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>Tax Code</source>
            <translation>Code fiscal</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Mois</translation>
        </message>
        <message>
            <source>Income</source>
            <translation>Revenus</translation>
        </message>
        <message>
            <source>Expenses</source>
            <translation>Dépenses</translation>
        </message>
        <message>
            <source>Net</source>
            <translation>Net</translation>
        </message>
        <message>
            <source>Inflows</source>
            <translation>Entrées</translation>
        </message>
        <message>
            <source>Outflows</source>
            <translation>Sorties</translation>
        </message>
        <message>
            <source>Period 1</source>
            <translation>Période 1</translation>
        </message>
        <message>
            <source>Period 2</source>
            <translation>Période 2</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>Écart</translation>
        </message>
        <message>
            <source>Account</source>
            <translation>Compte</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>Type</translation>
        </message>
        <message>
            <source>Cleared</source>
            <translation>Pointé</translation>
        </message>
        <message>
            <source>Uncleared</source>
            <translation>Non pointé</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>Note</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>Montant</translation>
        </message>
        <message>
            <source>Compare:</source>
            <translation>Comparer :</translation>
        </message>
        <message>
            <source>This Year vs Last Year</source>
            <translation>Cette année et l’année dernière</translation>
        </message>
        <message>
            <source>Last Year vs Year Before</source>
            <translation>L’année dernière et la précédente</translation>
        </message>
        <message>
            <source>This Quarter vs Last Quarter</source>
            <translation>Ce trimestre et le précédent</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>Personnalisé</translation>
        </message>
        <message>
            <source>P1:</source>
            <translation>P1 :</translation>
        </message>
        <message>
            <source>P2:</source>
            <translation>P2 :</translation>
        </message>
        <message>
            <source>P1: %1 – %2    P2: %3 – %4</source>
            <translation>P1 : %1 – %2    P2 : %3 – %4</translation>
        </message>
        <message>
            <source>All Accounts</source>
            <translation>Tous les comptes</translation>
        </message>
        <message>
            <source>These accounts are held in different currencies, so combined figures would not add up. Choose a single account to see the category, payee, tax, income and cash-flow reports.</source>
            <translation>Ces comptes sont tenus dans des devises différentes : des chiffres combinés n’auraient pas de sens. Choisissez un seul compte pour voir les rapports par catégorie, par bénéficiaire, fiscal, des revenus et des flux de trésorerie.</translation>
        </message>
        <message>
            <source>The tax report covers every account, and they are held in different currencies, so its totals would not add up.</source>
            <translation>Le rapport fiscal couvre tous les comptes, tenus dans des devises différentes : ses totaux n’auraient pas de sens.</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>Fichiers CSV (*.csv)</translation>
        </message>
        <message>
            <source>The report could not be written to %1: %2</source>
            <translation>Impossible d’écrire le rapport dans %1 : %2</translation>
        </message>
        <message>
            <source>This Month</source>
            <translation>Ce mois-ci</translation>
        </message>
        <message>
            <source>Last Month</source>
            <translation>Le mois dernier</translation>
        </message>
        <message>
            <source>This Quarter</source>
            <translation>Ce trimestre</translation>
        </message>
        <message>
            <source>Last Quarter</source>
            <translation>Le trimestre dernier</translation>
        </message>
        <message>
            <source>This Year</source>
            <translation>Cette année</translation>
        </message>
        <message>
            <source>Last Year</source>
            <translation>L’année dernière</translation>
        </message>
        <message>
            <source>Last 30 Days</source>
            <translation>30 derniers jours</translation>
        </message>
        <message>
            <source>Last 90 Days</source>
            <translation>90 derniers jours</translation>
        </message>
        <message>
            <source>Last 12 Months</source>
            <translation>12 derniers mois</translation>
        </message>
        <message>
            <source>All Time</source>
            <translation>Toute la période</translation>
        </message>
    </context>
    <context>
        <name>SearchScreen</name>
        <message>
            <source>Search payee, memo, check number...</source>
            <translation>Rechercher bénéficiaire, note, numéro de chèque...</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>Compte :</translation>
        </message>
        <message>
            <source>All Accounts</source>
            <translation>Tous les comptes</translation>
        </message>
        <message>
            <source>Category:</source>
            <translation>Catégorie :</translation>
        </message>
        <message>
            <source>All Categories</source>
            <translation>Toutes les catégories</translation>
        </message>
        <message>
            <source>Date range:</source>
            <translation>Période :</translation>
        </message>
        <message>
            <source>to</source>
            <translation>au</translation>
        </message>
        <message>
            <source>Cleared only</source>
            <translation>Pointées uniquement</translation>
        </message>
        <message>
            <source>Show &amp;Details...</source>
            <translation>Afficher les &amp;détails...</translation>
        </message>
        <message>
            <source>Edit &amp;Splits...</source>
            <translation>Modifier la &amp;ventilation...</translation>
        </message>
        <message>
            <source>&amp;Split Transaction...</source>
            <translation>&amp;Ventiler l’opération...</translation>
        </message>
        <message>
            <source>&amp;Edit in Dialog...</source>
            <translation>&amp;Modifier dans une fenêtre...</translation>
        </message>
        <message>
            <source>D&amp;uplicate...</source>
            <translation>D&amp;upliquer...</translation>
        </message>
        <message>
            <source>Mark &amp;Uncleared</source>
            <translation>Marquer comme &amp;non pointée</translation>
        </message>
        <message>
            <source>Mark &amp;Cleared</source>
            <translation>Marquer comme &amp;pointée</translation>
        </message>
        <message>
            <source>&amp;Delete...</source>
            <translation>&amp;Supprimer...</translation>
        </message>
    </context>
    <context>
        <name>SettingsDataSyncPage</name>
        <message>
            <source>Data &amp; Sync</source>
            <translation>Données &amp; sync</translation>
        </message>
        <message>
            <source>Sync</source>
            <translation>Synchronisation</translation>
        </message>
        <message>
            <source>Keep your vellumry in sync across all your devices.</source>
            <translation>Gardez votre registre synchronisé sur tous vos appareils.</translation>
        </message>
        <message>
            <source>Backup &amp; Restore</source>
            <translation>Sauvegarde et restauration</translation>
        </message>
        <message>
            <source>Save or restore your data to a portable backup file.</source>
            <translation>Enregistrez ou restaurez vos données dans un fichier de sauvegarde portable.</translation>
        </message>
        <message>
            <source>Sync Now</source>
            <translation>Synchroniser maintenant</translation>
        </message>
        <message>
            <source>Force Full Sync</source>
            <translation>Forcer une synchronisation complète</translation>
        </message>
        <message>
            <source>Export Backup</source>
            <translation>Exporter une sauvegarde</translation>
        </message>
        <message>
            <source>Import Backup</source>
            <translation>Importer une sauvegarde</translation>
        </message>
        <message>
            <source>Deleted Accounts</source>
            <translation>Comptes supprimés</translation>
        </message>
        <message>
            <source>Accounts you've deleted can be restored here.</source>
            <translation>Vous pouvez restaurer ici les comptes que vous avez supprimés.</translation>
        </message>
        <message>
            <source>Restore Selected</source>
            <translation>Restaurer la sélection</translation>
        </message>
        <message>
            <source>Not signed in.
Sign in via File › Orvalen Account to enable sync.</source>
            <translation>Non connecté.
Connectez-vous via Fichier › Compte Orvalen pour activer la synchronisation.</translation>
        </message>
        <message>
            <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style="color:%2"&gt;%3&lt;/span&gt;</source>
            <translation>&lt;b&gt;Connecté en tant que :&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;État :&lt;/b&gt; &lt;span style="color:%2"&gt;%3&lt;/span&gt;</translation>
        </message>
        <message>
            <source>Never synced</source>
            <translation>Jamais synchronisé</translation>
        </message>
        <message>
            <source>Last synced: %1</source>
            <translation>Dernière synchronisation : %1</translation>
        </message>
        <message>
            <source>
Error: %1</source>
            <translation>
Erreur : %1</translation>
        </message>
        <message>
            <source>Syncing...</source>
            <translation>Synchronisation…</translation>
        </message>
        <message>
            <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
            <translation>Toutes les lignes locales seront de nouveau envoyées au serveur et toutes les données du serveur de nouveau téléchargées. À utiliser si les données semblent désynchronisées entre appareils.

Continuer ?</translation>
        </message>
        <message>
            <source>ZIP Files (*.zip)</source>
            <translation>Fichiers ZIP (*.zip)</translation>
        </message>
        <message>
            <source>Exporting...</source>
            <translation>Exportation…</translation>
        </message>
        <message>
            <source>Backup Failed</source>
            <translation>Échec de la sauvegarde</translation>
        </message>
        <message>
            <source>The backup could not be made from the ledger.</source>
            <translation>La sauvegarde n’a pas pu être créée à partir du registre.</translation>
        </message>
        <message>
            <source>Backup Complete</source>
            <translation>Sauvegarde terminée</translation>
        </message>
        <message>
            <source>Backup saved to:
%1</source>
            <translation>Sauvegarde enregistrée dans :
%1</translation>
        </message>
        <message>
            <source>Could not write to:
%1</source>
            <translation>Impossible d’écrire dans :
%1</translation>
        </message>
        <message>
            <source>Keep newer (compare timestamps)</source>
            <translation>Garder le plus récent (comparer les horodatages)</translation>
        </message>
        <message>
            <source>Skip existing items</source>
            <translation>Ignorer les éléments existants</translation>
        </message>
        <message>
            <source>Import Mode</source>
            <translation>Mode d’importation</translation>
        </message>
        <message>
            <source>How should existing data be handled?</source>
            <translation>Que faire des données existantes ?</translation>
        </message>
        <message>
            <source>Replace all with backup data</source>
            <translation>Tout remplacer par les données de la sauvegarde</translation>
        </message>
        <message>
            <source>Import Failed</source>
            <translation>Échec de l’importation</translation>
        </message>
        <message>
            <source>Could not read file.</source>
            <translation>Impossible de lire le fichier.</translation>
        </message>
        <message>
            <source>Importing...</source>
            <translation>Importation…</translation>
        </message>
        <message>
            <source>Imported %1 items, skipped %2.</source>
            <translation>%1 éléments importés, %2 ignorés.</translation>
        </message>
        <message numerus="yes">
            <source>

%n error(s) occurred.</source>
            <translation>
                <numerusform>

%n erreur s’est produite.</numerusform>
                <numerusform>

%n erreurs se sont produites.</numerusform>
            </translation>
        </message>
        <message>
            <source>Import Complete</source>
            <translation>Importation terminée</translation>
        </message>
    </context>
    <context>
        <name>SettingsScreen</name>
        <message>
            <source>General</source>
            <translation>Général</translation>
        </message>
        <message>
            <source>Register</source>
            <translation>Registre</translation>
        </message>
        <message>
            <source>Data &amp; Sync</source>
            <translation>Données &amp; sync</translation>
        </message>
        <message>
            <source>About</source>
            <translation>À propos</translation>
        </message>
        <message>
            <source>Appearance</source>
            <translation>Apparence</translation>
        </message>
        <message>
            <source>Control how Orvalen Vellumry looks.</source>
            <translation>Choisissez l’apparence d’Orvalen Vellumry.</translation>
        </message>
        <message>
            <source>System Default</source>
            <translation>Par défaut du système</translation>
        </message>
        <message>
            <source>Light</source>
            <translation>Clair</translation>
        </message>
        <message>
            <source>Dark</source>
            <translation>Sombre</translation>
        </message>
        <message>
            <source>Theme</source>
            <translation>Thème</translation>
        </message>
        <message>
            <source>Choose accent color</source>
            <translation>Choisir la couleur d’accent</translation>
        </message>
        <message>
            <source>Accent color</source>
            <translation>Couleur d’accent</translation>
        </message>
        <message>
            <source>Small</source>
            <translation>Petite</translation>
        </message>
        <message>
            <source>Default</source>
            <translation>Par défaut</translation>
        </message>
        <message>
            <source>Medium</source>
            <translation>Moyenne</translation>
        </message>
        <message>
            <source>Large</source>
            <translation>Grande</translation>
        </message>
        <message>
            <source>Extra Large</source>
            <translation>Très grande</translation>
        </message>
        <message>
            <source>Font size</source>
            <translation>Taille du texte</translation>
        </message>
        <message>
            <source>Regional</source>
            <translation>Région</translation>
        </message>
        <message>
            <source>Date and calendar preferences.</source>
            <translation>Préférences de date et de calendrier.</translation>
        </message>
        <message>
            <source>Sunday</source>
            <translation>Dimanche</translation>
        </message>
        <message>
            <source>Monday</source>
            <translation>Lundi</translation>
        </message>
        <message>
            <source>Saturday</source>
            <translation>Samedi</translation>
        </message>
        <message>
            <source>Week starts on</source>
            <translation>La semaine commence le</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Langue</translation>
        </message>
        <message>
            <source>Display</source>
            <translation>Affichage</translation>
        </message>
        <message>
            <source>How transactions appear in the register.</source>
            <translation>Comment les opérations apparaissent dans le registre.</translation>
        </message>
        <message>
            <source>Two-line rows</source>
            <translation>Lignes sur deux rangs</translation>
        </message>
        <message>
            <source>Show memo on a second line below the payee.</source>
            <translation>Afficher le mémo sur une seconde ligne sous le bénéficiaire.</translation>
        </message>
        <message>
            <source>Auto-decimal point</source>
            <translation>Virgule décimale automatique</translation>
        </message>
        <message>
            <source>Type 1234 to enter 12.34. The last two digits are always cents.</source>
            <translation>Tapez 1234 pour saisir 12,34. Les deux derniers chiffres sont toujours les centimes.</translation>
        </message>
        <message>
            <source>Highlight overdrawn rows</source>
            <translation>Surligner les lignes à découvert</translation>
        </message>
        <message>
            <source>Shades the whole row when the running balance is below zero. The balance itself is always shown in red, so you can turn this off and still spot it. Credit cards and loans are never shaded.</source>
            <translation>Grise toute la ligne lorsque le solde courant est négatif. Le solde lui-même est toujours affiché en rouge : vous pouvez désactiver cette option et le repérer quand même. Les cartes de crédit et les prêts ne sont jamais grisés.</translation>
        </message>
        <message>
            <source>Current balance</source>
            <translation>Solde actuel</translation>
        </message>
        <message>
            <source>Cleared balance</source>
            <translation>Solde pointé</translation>
        </message>
        <message>
            <source>Balance as of today</source>
            <translation>Solde à ce jour</translation>
        </message>
        <message>
            <source>Account list shows</source>
            <translation>La liste des comptes affiche</translation>
        </message>
        <message>
            <source>Cleared counts only transactions you have marked cleared. Balance as of today leaves out anything dated later, such as scheduled bills.</source>
            <translation>« Pointé » ne compte que les opérations que vous avez pointées. « À ce jour » laisse de côté tout ce qui est daté plus tard, comme les factures programmées.</translation>
        </message>
        <message>
            <source>Sorting</source>
            <translation>Tri</translation>
        </message>
        <message>
            <source>Control the order of transactions in the register.</source>
            <translation>Choisissez l’ordre des opérations dans le registre.</translation>
        </message>
        <message>
            <source>Show newest transactions first</source>
            <translation>Afficher d’abord les opérations les plus récentes</translation>
        </message>
        <message>
            <source>When enabled, the most recent transactions appear at the top.</source>
            <translation>Si activé, les opérations les plus récentes apparaissent en haut.</translation>
        </message>
        <message>
            <source>Orvalen Vellumry</source>
            <translation>Orvalen Vellumry</translation>
        </message>
        <message>
            <source>Version %1</source>
            <translation>Version %1</translation>
        </message>
        <message>
            <source>A digital vellumry register for tracking household finances.</source>
            <translation>Un registre de comptes numérique pour suivre les finances du foyer.</translation>
        </message>
        <message>
            <source>Links</source>
            <translation>Liens</translation>
        </message>
        <message>
            <source>Orvalen Vellumry for iPhone and Android</source>
            <translation>Orvalen Vellumry pour iPhone et Android</translation>
        </message>
        <message>
            <source>© Orvalen Works. All rights reserved.</source>
            <translation>© Orvalen Works. Tous droits réservés.</translation>
        </message>
        <message>
            <source>This application uses the Qt framework under the LGPL v3 license.</source>
            <translation>Cette application utilise le framework Qt sous licence LGPL v3.</translation>
        </message>
        <message>
            <source>Language Changed</source>
            <translation>Langue modifiée</translation>
        </message>
        <message>
            <source>The new language will take effect the next time you start Orvalen Vellumry.</source>
            <translation>La nouvelle langue s’appliquera au prochain démarrage d’Orvalen Vellumry.</translation>
        </message>
    </context>
    <context>
        <name>WelcomeScreen</name>
        <message>
            <source>Welcome to
Orvalen Vellumry</source>
            <translation>Bienvenue dans
Orvalen Vellumry</translation>
        </message>
        <message>
            <source>A digital vellumry register.</source>
            <translation>Un registre de comptes numérique.</translation>
        </message>
        <message>
            <source>Your session has ended. Sign back in to keep syncing.</source>
            <translation>Votre session a expiré. Reconnectez-vous pour continuer la synchronisation.</translation>
        </message>
        <message>
            <source>Works fully offline. Your data stays on this device.</source>
            <translation>Fonctionne entièrement hors ligne. Vos données restent sur cet appareil.</translation>
        </message>
        <message>
            <source>Create Your First Account</source>
            <translation>Créer votre premier compte</translation>
        </message>
        <message>
            <source>Already have an account? Sign In</source>
            <translation>Vous avez déjà un compte ? Connectez-vous</translation>
        </message>
        <message>
            <source>How it works</source>
            <translation>Comment ça marche</translation>
        </message>
        <message>
            <source>Add an account (checking, savings, credit card, or any account you'd like to track).</source>
            <translation>Ajoutez un compte (courant, épargne, carte de crédit ou tout autre compte que vous souhaitez suivre).</translation>
        </message>
        <message>
            <source>Record transactions as you spend.</source>
            <translation>Enregistrez vos opérations au fil de vos dépenses.</translation>
        </message>
        <message>
            <source>Reconcile when your statement arrives.</source>
            <translation>Rapprochez vos comptes à la réception de votre relevé.</translation>
        </message>
        <message>
            <source>Welcome back</source>
            <translation>Bon retour</translation>
        </message>
        <message>
            <source>Sign in to keep your data synced across devices.</source>
            <translation>Connectez-vous pour garder vos données synchronisées entre vos appareils.</translation>
        </message>
        <message>
            <source>Sign In</source>
            <translation>Se connecter</translation>
        </message>
        <message>
            <source>Create a different account</source>
            <translation>Créer un autre compte</translation>
        </message>
    </context>
</TS>
