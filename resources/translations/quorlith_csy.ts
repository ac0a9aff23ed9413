<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>O aplikaci Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Všechna práva vyhrazena.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Název souboru</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Výsledek ověření</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Čas začátku</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Čas konce</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Otevřít soubory</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otevřít složku</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Odebrat soubory</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Ověření úspěšné</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Ověření neúspěšné</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Celkem souborů</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Obrázky a videa</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Zpracovává se</translation>
    </message>
</context>
</TS>
