<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en_US">
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
        <translation>Copyright (C) %1 Trevalon Inc. Med ensamrätt.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Filnamn</translation>
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
        <translation>Serienr</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Öppna fil(er)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Öppna mapp</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Ta bort fil(er)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Autentisering godkänd</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Autentisering underkänd</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Totalt antal filer</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Bilder och videor</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Bearbetar</translation>
    </message>
</context>
</TS>
