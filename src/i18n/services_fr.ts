<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>BackupService</name>
        <message>
            <source>Backup file too large: the limit is 1 GiB</source>
            <translation>Fichier de sauvegarde trop volumineux : la limite est de 1 Gio</translation>
        </message>
        <message>
            <source>Failed to open ZIP archive</source>
            <translation>Impossible d’ouvrir l’archive ZIP</translation>
        </message>
        <message>
            <source>Invalid backup: missing manifest.json</source>
            <translation>Sauvegarde non valide : manifest.json est absent</translation>
        </message>
        <message>
            <source>Unsupported backup version: %1</source>
            <translation>Version de sauvegarde non prise en charge : %1</translation>
        </message>
        <message>
            <source>%1: entry too large</source>
            <translation>%1 : entrée trop volumineuse</translation>
        </message>
        <message>
            <source>%1: damaged entry (checksum or data error)</source>
            <translation>%1 : entrée endommagée (erreur de somme de contrôle ou de données)</translation>
        </message>
        <message>
            <source>%1: unexpected error</source>
            <translation>%1 : erreur inattendue</translation>
        </message>
        <message>
            <source>%1: invalid JSON</source>
            <translation>%1 : JSON non valide</translation>
        </message>
        <message>
            <source>Could not save the restored data</source>
            <translation>Impossible d’enregistrer les données restaurées</translation>
        </message>
        <message>
            <source>%1: could not be stored (%2)</source>
            <translation>%1 : impossible de l’enregistrer (%2)</translation>
        </message>
        <message>
            <source>%1: the row has no id</source>
            <translation>%1 : la ligne n’a pas d’identifiant</translation>
        </message>
        <message>
            <source>%1: "%2" is not a column of this table</source>
            <translation>%1 : « %2 » n’est pas une colonne de cette table</translation>
        </message>
        <message>
            <source>%1: "%2" holds a list or an object instead of a value</source>
            <translation>%1 : « %2 » contient une liste ou un objet au lieu d’une valeur</translation>
        </message>
        <message>
            <source>%1: "%2" holds no date in the form yyyy-MM-dd</source>
            <translation>%1 : « %2 » ne contient pas de date au format yyyy-MM-dd</translation>
        </message>
        <message>
            <source>%1: the split line names no transaction</source>
            <translation>%1 : la ligne de ventilation ne désigne aucune opération</translation>
        </message>
        <message numerus="yes">
            <source>... and %n more problem(s)</source>
            <translation>
                <numerusform>... et %n autre problème</numerusform>
                <numerusform>... et %n autres problèmes</numerusform>
            </translation>
        </message>
        <message>
            <source>Unsupported backup version: the version is not a number</source>
            <translation>Version de sauvegarde non prise en charge : la version n’est pas un nombre</translation>
        </message>
    </context>
    <context>
        <name>ImportService</name>
        <message>
            <source>Uncategorized</source>
            <translation>Non catégorisé</translation>
        </message>
        <message>
            <source>Imported transaction</source>
            <translation>Opération importée</translation>
        </message>
        <message>
            <source>%1 (no account header)</source>
            <translation>%1 (sans en-tête de compte)</translation>
        </message>
        <message>
            <source>This file is too large to import. CSV files of up to %1 MB can be imported.</source>
            <translation>Ce fichier est trop volumineux pour être importé. Les fichiers CSV jusqu’à %1 Mo peuvent être importés.</translation>
        </message>
        <message>
            <source>Could not open %1: %2</source>
            <translation>Impossible d’ouvrir %1 : %2</translation>
        </message>
        <message>
            <source>These files are too large to import together. QIF files of up to %1 MB in all can be imported.</source>
            <translation>Ces fichiers sont trop volumineux pour être importés ensemble. Les fichiers QIF jusqu’à %1 Mo au total peuvent être importés.</translation>
        </message>
        <message>
            <source>This file is too large to import. QIF files of up to %1 MB can be imported.</source>
            <translation>Ce fichier est trop volumineux pour être importé. Les fichiers QIF jusqu’à %1 Mo peuvent être importés.</translation>
        </message>
        <message>
            <source>Another import is still running. Try again once it has finished.</source>
            <translation>Une autre importation est encore en cours. Réessayez lorsqu’elle sera terminée.</translation>
        </message>
        <message>
            <source>The account to import into no longer exists.</source>
            <translation>Le compte dans lequel importer n’existe plus.</translation>
        </message>
    </context>
    <context>
        <name>ReportService</name>
        <message>
            <source>Uncategorized</source>
            <translation>Non catégorisé</translation>
        </message>
    </context>
    <context>
        <name>SampleDataService</name>
        <message>
            <source>Opening Balance</source>
            <translation>Solde d'ouverture</translation>
        </message>
        <message>
            <source>Brightpath Inc</source>
            <translation>Brightpath SA</translation>
        </message>
        <message>
            <source>Pinecrest Apartments</source>
            <translation>Résidence Pinecrest</translation>
        </message>
        <message>
            <source>Greenleaf Market</source>
            <translation>Marché Greenleaf</translation>
        </message>
        <message>
            <source>Hilltop Gas</source>
            <translation>Station-service Hilltop</translation>
        </message>
        <message>
            <source>Lakeside Utilities</source>
            <translation>Lakeside Énergie</translation>
        </message>
        <message>
            <source>Streamline TV</source>
            <translation>Streamline TV</translation>
        </message>
        <message>
            <source>Maplewood Diner</source>
            <translation>Maplewood Diner</translation>
        </message>
        <message>
            <source>Clearview Insurance</source>
            <translation>Assurances Clearview</translation>
        </message>
        <message>
            <source>Hope Community Church</source>
            <translation>Église communautaire Hope</translation>
        </message>
        <message>
            <source>Transfer to Savings</source>
            <translation>Virement vers l'épargne</translation>
        </message>
        <message>
            <source>NetConnect ISP</source>
            <translation>NetConnect Internet</translation>
        </message>
        <message>
            <source>Ridgeline Pharmacy</source>
            <translation>Pharmacie Ridgeline</translation>
        </message>
        <message>
            <source>Riverbend Credit Union</source>
            <translation>Caisse de crédit Riverbend</translation>
        </message>
        <message>
            <source>Transfer from Checking</source>
            <translation>Virement depuis le compte courant</translation>
        </message>
        <message>
            <source>Dash Delivery</source>
            <translation>Dash Delivery</translation>
        </message>
        <message>
            <source>Gadget World</source>
            <translation>Gadget World</translation>
        </message>
        <message>
            <source>CloudWatch Plus</source>
            <translation>CloudWatch Plus</translation>
        </message>
        <message>
            <source>Payment - Thank You</source>
            <translation>Paiement - Merci</translation>
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
            <translation>Salaire de la quinzaine</translation>
        </message>
        <message>
            <source>February rent</source>
            <translation>Loyer de février</translation>
        </message>
        <message>
            <source>Weekly groceries</source>
            <translation>Courses de la semaine</translation>
        </message>
        <message>
            <source>Fill up</source>
            <translation>Plein d'essence</translation>
        </message>
        <message>
            <source>Electric bill</source>
            <translation>Facture d'électricité</translation>
        </message>
        <message>
            <source>Water bill</source>
            <translation>Facture d'eau</translation>
        </message>
        <message>
            <source>Monthly streaming</source>
            <translation>Abonnement de streaming</translation>
        </message>
        <message>
            <source>Dinner out</source>
            <translation>Dîner au restaurant</translation>
        </message>
        <message>
            <source>Auto insurance</source>
            <translation>Assurance auto</translation>
        </message>
        <message>
            <source>Monthly donation</source>
            <translation>Don mensuel</translation>
        </message>
        <message>
            <source>Monthly savings</source>
            <translation>Épargne mensuelle</translation>
        </message>
        <message>
            <source>March rent</source>
            <translation>Loyer de mars</translation>
        </message>
        <message>
            <source>Internet service</source>
            <translation>Abonnement internet</translation>
        </message>
        <message>
            <source>Lunch</source>
            <translation>Déjeuner</translation>
        </message>
        <message>
            <source>Prescriptions</source>
            <translation>Ordonnances</translation>
        </message>
        <message>
            <source>Coffee &amp; pastry</source>
            <translation>Café et viennoiserie</translation>
        </message>
        <message>
            <source>Interest payment</source>
            <translation>Versement d'intérêts</translation>
        </message>
        <message>
            <source>Food delivery</source>
            <translation>Livraison de repas</translation>
        </message>
        <message>
            <source>Phone case</source>
            <translation>Coque de téléphone</translation>
        </message>
        <message>
            <source>Cloud storage plan</source>
            <translation>Forfait de stockage en ligne</translation>
        </message>
        <message>
            <source>Credit card payment</source>
            <translation>Paiement de la carte de crédit</translation>
        </message>
        <message>
            <source>Coffee beans</source>
            <translation>Café en grains</translation>
        </message>
        <message>
            <source>Programming books</source>
            <translation>Livres de programmation</translation>
        </message>
        <message>
            <source>USB hub</source>
            <translation>Hub USB</translation>
        </message>
        <message>
            <source>Monthly rent</source>
            <translation>Loyer mensuel</translation>
        </message>
        <message>
            <source>Main Checking</source>
            <translation>Compte courant principal</translation>
        </message>
        <message>
            <source>Savings</source>
            <translation>Épargne</translation>
        </message>
        <message>
            <source>Visa Rewards</source>
            <translation>Visa Récompenses</translation>
        </message>
        <message>
            <source>Summit Bank</source>
            <translation>Banque Summit</translation>
        </message>
        <message>
            <source>Salary / Wages</source>
            <translation>Salaire / Rémunération</translation>
        </message>
        <message>
            <source>Housing</source>
            <translation>Logement</translation>
        </message>
        <message>
            <source>Rent/Mortgage Payment</source>
            <translation>Loyer/Mensualité de prêt</translation>
        </message>
        <message>
            <source>Groceries</source>
            <translation>Courses alimentaires</translation>
        </message>
        <message>
            <source>Transportation</source>
            <translation>Transport</translation>
        </message>
        <message>
            <source>Gas/Fuel</source>
            <translation>Carburant</translation>
        </message>
        <message>
            <source>Utilities</source>
            <translation>Charges et services</translation>
        </message>
        <message>
            <source>Electric</source>
            <translation>Électricité</translation>
        </message>
        <message>
            <source>Water</source>
            <translation>Eau</translation>
        </message>
        <message>
            <source>Entertainment</source>
            <translation>Loisirs</translation>
        </message>
        <message>
            <source>Streaming</source>
            <translation>Streaming</translation>
        </message>
        <message>
            <source>Dining &amp; Restaurants</source>
            <translation>Restaurants et repas</translation>
        </message>
        <message>
            <source>Insurance</source>
            <translation>Assurances</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>Automobile</translation>
        </message>
        <message>
            <source>Charitable Donations</source>
            <translation>Dons de bienfaisance</translation>
        </message>
        <message>
            <source>Internet</source>
            <translation>Internet</translation>
        </message>
        <message>
            <source>Medical Expenses</source>
            <translation>Frais médicaux</translation>
        </message>
        <message>
            <source>Interest Income</source>
            <translation>Intérêts perçus</translation>
        </message>
        <message>
            <source>Shopping</source>
            <translation>Achats</translation>
        </message>
        <message>
            <source>Electronics</source>
            <translation>Électronique</translation>
        </message>
        <message>
            <source>Subscriptions</source>
            <translation>Abonnements</translation>
        </message>
        <message>
            <source>Education Expenses</source>
            <translation>Frais de scolarité</translation>
        </message>
    </context>
</TS>
