<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>A Trevalon Quorlith névjegye</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Minden jog fenntartva.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Fájlnév</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Hitelesítés eredménye</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Kezdési idő</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Befejezési idő</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Sorozatszám</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Fájl(ok) megnyitása</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Mappa megnyitása</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Fájl(ok) eltávolítása</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Sikeres hitelesítés</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Sikertelen hitelesítés</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Összes fájl</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Képek és videók</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Feldolgozás:</translation>
    </message>
</context>
</TS>
