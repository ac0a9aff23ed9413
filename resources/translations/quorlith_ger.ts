<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Über Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Prüfergebnis</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Seriennr.</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Datei(en) öffnen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Datei(en) entfernen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Prüfung bestanden</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Prüfung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Dateien gesamt</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Bilder und Videos</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Verarbeite</translation>
    </message>
</context>
</TS>
