<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Informazioni su Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Esito autenticazione</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>N. di serie</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Rimuovi file</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Autenticazione riuscita</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Autenticazione fallita</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>File totali</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Immagini e video</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Elaborazione di</translation>
    </message>
</context>
</TS>
