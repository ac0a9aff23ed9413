<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Om Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Med enerett.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Filnavn</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Autentiseringsresultat</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Sluttid</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Serienr.</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Åpne fil(er)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Åpne mappe</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Fjern fil(er)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Autentisering vellykket</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Autentisering mislyktes</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Filer totalt</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Bilder og videoer</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Behandler</translation>
    </message>
</context>
</TS>
