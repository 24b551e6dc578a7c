<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
