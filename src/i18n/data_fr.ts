<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>CategoryService</name>
        <message>
            <source>Charitable Donations</source>
            <translation>Dons de bienfaisance</translation>
        </message>
        <message>
            <source>Medical Expenses</source>
            <translation>Frais médicaux</translation>
        </message>
        <message>
            <source>Business Expenses</source>
            <translation>Frais professionnels</translation>
        </message>
        <message>
            <source>Home Office</source>
            <translation>Bureau à domicile</translation>
        </message>
        <message>
            <source>Education Expenses</source>
            <translation>Frais de scolarité</translation>
        </message>
        <message>
            <source>State &amp; Local Taxes</source>
            <translation>Impôts d'État et locaux</translation>
        </message>
        <message>
            <source>Mortgage Interest</source>
            <translation>Intérêts d'emprunt immobilier</translation>
        </message>
        <message>
            <source>Property Tax</source>
            <translation>Taxe foncière</translation>
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
            <source>Maintenance</source>
            <translation>Entretien</translation>
        </message>
        <message>
            <source>HOA</source>
            <translation>Charges de copropriété</translation>
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
            <source>Gas</source>
            <translation>Gaz</translation>
        </message>
        <message>
            <source>Water</source>
            <translation>Eau</translation>
        </message>
        <message>
            <source>Internet</source>
            <translation>Internet</translation>
        </message>
        <message>
            <source>Phone</source>
            <translation>Téléphone</translation>
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
            <source>Car Payment</source>
            <translation>Mensualité auto</translation>
        </message>
        <message>
            <source>Auto Insurance</source>
            <translation>Assurance auto</translation>
        </message>
        <message>
            <source>Public Transit</source>
            <translation>Transports en commun</translation>
        </message>
        <message>
            <source>Groceries</source>
            <translation>Courses alimentaires</translation>
        </message>
        <message>
            <source>Dining &amp; Restaurants</source>
            <translation>Restaurants et repas</translation>
        </message>
        <message>
            <source>Personal Care</source>
            <translation>Soins personnels</translation>
        </message>
        <message>
            <source>Pets</source>
            <translation>Animaux de compagnie</translation>
        </message>
        <message>
            <source>Subscriptions</source>
            <translation>Abonnements</translation>
        </message>
        <message>
            <source>Gifts</source>
            <translation>Cadeaux</translation>
        </message>
        <message>
            <source>Miscellaneous</source>
            <translation>Divers</translation>
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
            <source>Movies</source>
            <translation>Cinéma</translation>
        </message>
        <message>
            <source>Events</source>
            <translation>Sorties et spectacles</translation>
        </message>
        <message>
            <source>Shopping</source>
            <translation>Achats</translation>
        </message>
        <message>
            <source>Clothing</source>
            <translation>Vêtements</translation>
        </message>
        <message>
            <source>Electronics</source>
            <translation>Électronique</translation>
        </message>
        <message>
            <source>Household</source>
            <translation>Maison</translation>
        </message>
        <message>
            <source>Insurance</source>
            <translation>Assurances</translation>
        </message>
        <message>
            <source>Health</source>
            <translation>Santé</translation>
        </message>
        <message>
            <source>Life</source>
            <translation>Vie</translation>
        </message>
        <message>
            <source>Home/Renters</source>
            <translation>Habitation</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>Automobile</translation>
        </message>
        <message>
            <source>Fees &amp; Charges</source>
            <translation>Frais et commissions</translation>
        </message>
        <message>
            <source>Bank Fees</source>
            <translation>Frais bancaires</translation>
        </message>
        <message>
            <source>ATM Fees</source>
            <translation>Frais de retrait</translation>
        </message>
        <message>
            <source>Late Fees</source>
            <translation>Pénalités de retard</translation>
        </message>
        <message>
            <source>Salary / Wages</source>
            <translation>Salaire / Rémunération</translation>
        </message>
        <message>
            <source>Interest Income</source>
            <translation>Intérêts perçus</translation>
        </message>
        <message>
            <source>Dividend Income</source>
            <translation>Dividendes perçus</translation>
        </message>
        <message>
            <source>Rental Income</source>
            <translation>Revenus locatifs</translation>
        </message>
        <message>
            <source>Freelance / Consulting</source>
            <translation>Freelance / Conseil</translation>
        </message>
        <message>
            <source>Refunds</source>
            <translation>Remboursements</translation>
        </message>
        <message>
            <source>Gifts Received</source>
            <translation>Cadeaux reçus</translation>
        </message>
        <message>
            <source>Other Income</source>
            <translation>Autres revenus</translation>
        </message>
    </context>
    <context>
        <name>LedgerFileCheck</name>
        <message>
            <source>This file is not an Orvalen Vellumry ledger.</source>
            <translation>Ce fichier n’est pas un registre d’Orvalen Vellumry.</translation>
        </message>
        <message>
            <source>It has no record of a ledger's migrations.</source>
            <translation>Il ne contient aucun historique des migrations d’un registre.</translation>
        </message>
        <message>
            <source>Its record of migrations cannot be read: %1</source>
            <translation>Sa liste de migrations est illisible : %1</translation>
        </message>
        <message>
            <source>Its record of migrations lists %1 %2 where a ledger has %3 %4.</source>
            <translation>Sa liste de migrations indique %1 %2 là où un registre a %3 %4.</translation>
        </message>
        <message>
            <source>Its table %1 is missing.</source>
            <translation>Sa table %1 est manquante.</translation>
        </message>
        <message>
            <source>Its tables %1 are missing.</source>
            <translation>Ses tables %1 sont manquantes.</translation>
        </message>
        <message>
            <source>The file %1 is read-only.</source>
            <translation>Le fichier %1 est en lecture seule.</translation>
        </message>
        <message>
            <source>The folder %1 is read-only.</source>
            <translation>Le dossier %1 est en lecture seule.</translation>
        </message>
    </context>
    <context>
        <name>MoneySum</name>
        <message>
            <source>Out of range</source>
            <translation>Hors plage</translation>
        </message>
    </context>
    <context>
        <name>TransactionRepository</name>
        <message>
            <source>Opening Balance</source>
            <translation>Solde d'ouverture</translation>
        </message>
    </context>
    <context>
        <name>TransactionWriter</name>
        <message>
            <source>Uncategorized</source>
            <translation>Non catégorisé</translation>
        </message>
    </context>
    <context>
        <name>TransferService</name>
        <message>
            <source>Transfer to %1</source>
            <translation>Virement vers %1</translation>
        </message>
        <message>
            <source>Transfer from %1</source>
            <translation>Virement depuis %1</translation>
        </message>
    </context>
</TS>
