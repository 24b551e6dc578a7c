<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>RegisterColumnLayout</name>
        <message>
            <source>Show columns</source>
            <translation>Colonnes affichées</translation>
        </message>
        <message>
            <source>Reset register layout</source>
            <translation>Réinitialiser la disposition du registre</translation>
        </message>
    </context>
    <context>
        <name>RegisterCommitNotice</name>
        <message>
            <source>Payee is required</source>
            <translation>Le bénéficiaire est obligatoire</translation>
        </message>
        <message>
            <source>Enter a payment or deposit amount</source>
            <translation>Saisissez un montant de paiement ou de dépôt</translation>
        </message>
        <message>
            <source>Amount not understood: %1</source>
            <translation>Montant non compris : %1</translation>
        </message>
        <message>
            <source>The transaction could not be saved. Please try again.</source>
            <translation>L'opération n'a pas pu être enregistrée. Veuillez réessayer.</translation>
        </message>
        <message>
            <source>Opening Balance</source>
            <translation>Solde d'ouverture</translation>
        </message>
        <message>
            <source>This account's opening balance is held on the account itself.

Set it in the account's settings.</source>
            <translation>Le solde d'ouverture de ce compte est enregistré sur le compte lui-même.

Définissez-le dans les paramètres du compte.</translation>
        </message>
        <message>
            <source>This transaction was deleted meanwhile, so nothing was saved.</source>
            <translation>Cette opération a été supprimée entre-temps ; rien n'a été enregistré.</translation>
        </message>
        <message>
            <source>Amount too large: %1. The largest amount is %2.</source>
            <translation>Montant trop élevé : %1. Le montant maximal est %2.</translation>
        </message>
    </context>
    <context>
        <name>RegisterDelegate</name>
        <message>
            <source>Memo</source>
            <translation>Note</translation>
        </message>
    </context>
    <context>
        <name>RegisterFigureLabels</name>
        <message>
            <source>Cleared</source>
            <translation>Pointé</translation>
        </message>
        <message>
            <source>Uncleared</source>
            <translation>Non pointé</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Solde</translation>
        </message>
    </context>
    <context>
        <name>RegisterFilterDialog</name>
        <message>
            <source>Filters</source>
            <translation>Filtres</translation>
        </message>
        <message>
            <source>All</source>
            <translation>Toutes</translation>
        </message>
        <message>
            <source>Cleared</source>
            <translation>Pointées</translation>
        </message>
        <message>
            <source>Uncleared</source>
            <translation>Non pointées</translation>
        </message>
        <message>
            <source>Limit to a date range</source>
            <translation>Limiter à une période</translation>
        </message>
        <message>
            <source>Status:</source>
            <translation>État :</translation>
        </message>
        <message>
            <source>to</source>
            <translation>au</translation>
        </message>
        <message>
            <source>Dates:</source>
            <translation>Dates :</translation>
        </message>
        <message>
            <source>Category:</source>
            <translation>Catégorie :</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Terminé</translation>
        </message>
        <message>
            <source>Clear All</source>
            <translation>Tout effacer</translation>
        </message>
        <message>
            <source>All Categories</source>
            <translation>Toutes les catégories</translation>
        </message>
    </context>
    <context>
        <name>RegisterHeaderBar</name>
        <message>
            <source>&amp;New Transaction</source>
            <translation>&amp;Nouvelle opération</translation>
        </message>
        <message>
            <source>Add a transaction using the full form</source>
            <translation>Ajouter une opération avec le formulaire complet</translation>
        </message>
        <message>
            <source>&amp;Reconcile</source>
            <translation>&amp;Rapprocher</translation>
        </message>
        <message>
            <source>Fi&amp;lter (%1)</source>
            <translation>Fi&amp;ltre (%1)</translation>
        </message>
        <message>
            <source>Fi&amp;lter</source>
            <translation>Fi&amp;ltre</translation>
        </message>
        <message>
            <source>Filters are applied. Click to change or clear them.</source>
            <translation>Des filtres sont appliqués. Cliquez pour les modifier ou les effacer.</translation>
        </message>
        <message>
            <source>Filter which transactions are listed</source>
            <translation>Filtrer les opérations affichées</translation>
        </message>
    </context>
    <context>
        <name>RegisterModel</name>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Payee</source>
            <translation>Bénéficiaire</translation>
        </message>
        <message>
            <source>Payee / Memo</source>
            <translation>Bénéficiaire / Note</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Catégorie</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>Note</translation>
        </message>
        <message>
            <source>Payment</source>
            <translation>Paiement</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Débit</translation>
        </message>
        <message>
            <source>Deposit</source>
            <translation>Dépôt</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Solde</translation>
        </message>
        <message>
            <source>—Split—</source>
            <translation>—Ventilée—</translation>
        </message>
        <message>
            <source>Chk #</source>
            <translation>N°</translation>
        </message>
        <message>
            <source>Clr</source>
            <translation>Rap.</translation>
        </message>
    </context>
    <context>
        <name>RegisterOpeningBanner</name>
        <message>
            <source>No, it is a credit</source>
            <translation>Non, c'est un crédit</translation>
        </message>
        <message>
            <source>Yes, I owe this</source>
            <translation>Oui, je le dois</translation>
        </message>
        <message>
            <source>This account's opening balance is recorded as a credit of %1. If you meant that you owe %1, Vellumry can correct it.</source>
            <translation>Le solde d'ouverture de ce compte est enregistré comme un crédit de %1. Si vous vouliez dire que vous devez %1, Vellumry peut le corriger.</translation>
        </message>
    </context>
    <context>
        <name>RegisterRowCommands</name>
        <message>
            <source>Cannot memorize: source transaction has an invalid date</source>
            <translation>Impossible de mémoriser : l'opération d'origine a une date non valide</translation>
        </message>
        <message>
            <source>Transaction memorized as recurring</source>
            <translation>Opération mémorisée comme récurrente</translation>
        </message>
        <message>
            <source>&amp;Insert New</source>
            <translation>&amp;Insérer une nouvelle</translation>
        </message>
        <message>
            <source>&amp;New Transaction...</source>
            <translation>&amp;Nouvelle opération...</translation>
        </message>
        <message>
            <source>&amp;Edit in Dialog...</source>
            <translation>&amp;Modifier dans la boîte de dialogue...</translation>
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
            <translation>&amp;Ventiler l'opération...</translation>
        </message>
        <message>
            <source>D&amp;uplicate...</source>
            <translation>D&amp;upliquer...</translation>
        </message>
        <message>
            <source>Mark &amp;Uncleared</source>
            <translation>Marquer comme non p&amp;ointée</translation>
        </message>
        <message>
            <source>Mark &amp;Cleared</source>
            <translation>Marquer comme &amp;pointée</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Supprimer</translation>
        </message>
    </context>
    <context>
        <name>RegisterScreen</name>
        <message>
            <source>Saved. It isn't listed because of the current filter.</source>
            <translation>Enregistrée. Elle n'apparaît pas dans la liste à cause du filtre actuel.</translation>
        </message>
        <message>
            <source>Fields cleared</source>
            <translation>Champs effacés</translation>
        </message>
    </context>
    <context>
        <name>RegisterStatusLine</name>
        <message>
            <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above</source>
            <translation>%1 : enregistrer  |  Entrée : suivant  |  %2 : supprimer  |  %3 : mémoriser  |  ' : copier la ligne du dessus</translation>
        </message>
    </context>
    <context>
        <name>SplitEditorDialog</name>
        <message>
            <source>Split Transaction</source>
            <translation>Ventiler l'opération</translation>
        </message>
        <message>
            <source>Total: %1</source>
            <translation>Total : %1</translation>
        </message>
        <message>
            <source>Remaining: %1</source>
            <translation>Restant : %1</translation>
        </message>
    </context>
    <context>
        <name>SplitLinesWidget</name>
        <message>
            <source>(none)</source>
            <translation>(aucune)</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Catégorie</translation>
        </message>
        <message>
            <source>Amount</source>
            <translation>Montant</translation>
        </message>
        <message>
            <source>Memo</source>
            <translation>Note</translation>
        </message>
        <message>
            <source>+ Add Line</source>
            <translation>+ Ajouter une ligne</translation>
        </message>
        <message>
            <source>- Remove</source>
            <translation>- Supprimer</translation>
        </message>
    </context>
    <context>
        <name>TransactionActions</name>
        <message>
            <source>Transaction Not Saved</source>
            <translation>Opération non enregistrée</translation>
        </message>
        <message>
            <source>The transaction could not be saved, and nothing was changed. Please try again.</source>
            <translation>L'opération n'a pas pu être enregistrée et rien n'a été modifié. Veuillez réessayer.</translation>
        </message>
        <message>
            <source>Transfer account not found</source>
            <translation>Compte du virement introuvable</translation>
        </message>
        <message>
            <source>Transfers require both accounts to use the same currency</source>
            <translation>Les virements exigent que les deux comptes utilisent la même devise</translation>
        </message>
        <message>
            <source>A transfer can't be split across categories</source>
            <translation>Un virement ne peut pas être réparti entre plusieurs catégories</translation>
        </message>
        <message>
            <source>Transfer</source>
            <translation>Virement</translation>
        </message>
        <message>
            <source>Opening Balance</source>
            <translation>Solde d'ouverture</translation>
        </message>
        <message>
            <source>The opening balance can't be removed. Every account has one.

To clear it, set it to zero in the account's settings.</source>
            <translation>Le solde d'ouverture ne peut pas être supprimé. Chaque compte en a un.

Pour l'effacer, mettez-le à zéro dans les paramètres du compte.</translation>
        </message>
        <message>
            <source>Delete "%1" for %2?</source>
            <translation>Supprimer « %1 » de %2 ?</translation>
        </message>
        <message>
            <source>Delete transfer "%1" for %2?

Both sides of the transfer will be deleted.</source>
            <translation>Supprimer le virement « %1 » de %2 ?

Les deux côtés du virement seront supprimés.</translation>
        </message>
        <message>
            <source>Delete Transaction</source>
            <translation>Supprimer l'opération</translation>
        </message>
        <message>
            <source>Transaction Not Deleted</source>
            <translation>Opération non supprimée</translation>
        </message>
        <message>
            <source>The transaction could not be deleted, and nothing was changed. Please try again.</source>
            <translation>L'opération n'a pas pu être supprimée et rien n'a été modifié. Veuillez réessayer.</translation>
        </message>
    </context>
    <context>
        <name>TransactionDetailsDialog</name>
        <message>
            <source>Transaction Details</source>
            <translation>Détails de l'opération</translation>
        </message>
        <message>
            <source>Reconciled</source>
            <translation>Rapprochée</translation>
        </message>
        <message>
            <source>Cleared</source>
            <translation>Pointée</translation>
        </message>
        <message>
            <source>Uncleared</source>
            <translation>Non pointée</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>Date :</translation>
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
            <source>—Split—</source>
            <translation>—Ventilée—</translation>
        </message>
        <message>
            <source>Memo:</source>
            <translation>Note :</translation>
        </message>
        <message>
            <source>Check #:</source>
            <translation>N° de chèque :</translation>
        </message>
        <message>
            <source>Transfer to:</source>
            <translation>Virement vers :</translation>
        </message>
        <message>
            <source>Status:</source>
            <translation>État :</translation>
        </message>
        <message>
            <source>Split lines</source>
            <translation>Lignes de ventilation</translation>
        </message>
        <message>
            <source>(no split lines on record)</source>
            <translation>(aucune ligne de ventilation enregistrée)</translation>
        </message>
        <message>
            <source>(uncategorized)</source>
            <translation>(non catégorisé)</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>Total</translation>
        </message>
        <message>
            <source>Entered: %1</source>
            <translation>Saisie : %1</translation>
        </message>
        <message>
            <source>Last modified: %1</source>
            <translation>Dernière modification : %1</translation>
        </message>
        <message>
            <source>Edit...</source>
            <translation>Modifier...</translation>
        </message>
        <message>
            <source>Duplicate...</source>
            <translation>Dupliquer...</translation>
        </message>
        <message>
            <source>Mark Uncleared</source>
            <translation>Marquer comme non pointée</translation>
        </message>
        <message>
            <source>Mark Cleared</source>
            <translation>Marquer comme pointée</translation>
        </message>
        <message>
            <source>Delete...</source>
            <translation>Supprimer...</translation>
        </message>
    </context>
    <context>
        <name>TransactionFormDialog</name>
        <message>
            <source>Edit Transaction</source>
            <translation>Modifier l'opération</translation>
        </message>
        <message>
            <source>New Transaction</source>
            <translation>Nouvelle opération</translation>
        </message>
        <message>
            <source>This is the account's opening balance. Changing the amount or date shifts every balance after it.</source>
            <translation>Il s'agit du solde d'ouverture du compte. Modifier le montant ou la date décale tous les soldes qui suivent.</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Débit</translation>
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
            <source>Transfer</source>
            <translation>Virement</translation>
        </message>
        <message>
            <source>Type:</source>
            <translation>Type :</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>Date :</translation>
        </message>
        <message>
            <source>Start typing to search payees...</source>
            <translation>Commencez à taper pour rechercher un bénéficiaire...</translation>
        </message>
        <message>
            <source>Payee:</source>
            <translation>Bénéficiaire :</translation>
        </message>
        <message>
            <source>No other account in this currency to transfer into</source>
            <translation>Aucun autre compte dans cette devise vers lequel virer</translation>
        </message>
        <message>
            <source>Amount:</source>
            <translation>Montant :</translation>
        </message>
        <message>
            <source>Split...</source>
            <translation>Ventiler...</translation>
        </message>
        <message>
            <source>Split this transaction across multiple categories with their own amounts and memos.</source>
            <translation>Ventiler cette opération sur plusieurs catégories, chacune avec son montant et sa note.</translation>
        </message>
        <message>
            <source>Use single category</source>
            <translation>Utiliser une seule catégorie</translation>
        </message>
        <message>
            <source>Drop the split and return to a single-category transaction.</source>
            <translation>Abandonner la ventilation et revenir à une opération à catégorie unique.</translation>
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
            <translation>Note :</translation>
        </message>
        <message>
            <source>Check #:</source>
            <translation>N° de chèque :</translation>
        </message>
        <message>
            <source>Cleared</source>
            <translation>Pointée</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(aucune)</translation>
        </message>
        <message>
            <source>%1 (deleted)</source>
            <translation>%1 (supprimée)</translation>
        </message>
        <message>
            <source>(account no longer available)</source>
            <translation>(compte plus disponible)</translation>
        </message>
        <message>
            <source>Account:</source>
            <translation>Compte :</translation>
        </message>
        <message>
            <source>—Split—</source>
            <translation>—Ventilée—</translation>
        </message>
    </context>
    <context>
        <name>TypedInputCheck</name>
        <message>
            <source>Amount not understood: %1</source>
            <translation>Montant non compris : %1</translation>
        </message>
        <message>
            <source>Date not understood: %1</source>
            <translation>Date non comprise : %1</translation>
        </message>
    </context>
</TS>
