<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK" sourcelanguage="en_US">
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
        <translation>Copyright (C) %1 Trevalon Inc. Alle rettigheder forbeholdes.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Filnavn</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Godkendelsesresultat</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Starttidspunkt</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Sluttidspunkt</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Serienr.</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Åbn fil(er)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Åbn mappe</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Fjern fil(er)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Godkendelse lykkedes</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Godkendelse mislykkedes</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Filer i alt</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Billeder og videoer</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Behandler</translation>
    </message>
</context>
</TS>
