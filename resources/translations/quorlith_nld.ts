<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Over Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Verificatieresultaat</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Begintijd</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Eindtijd</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Serienr.</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Bestand(en) openen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Uit lijst verwijderen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Verificatie geslaagd</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Verificatie mislukt</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Totaal aantal bestanden</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Afbeeldingen en video's</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Verwerken van</translation>
    </message>
</context>
</TS>
