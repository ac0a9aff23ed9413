<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>À propos de Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Authentification</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Ouvrir des fichiers</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir un dossier</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Retirer des fichiers</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Authentification réussie</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Authentification échouée</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Total des fichiers</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Images et vidéos</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Traitement de</translation>
    </message>
</context>
</TS>
