<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>O programie Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Wynik weryfikacji</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Czas rozpoczęcia</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Czas zakończenia</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Nr seryjny</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Otwórz pliki</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Usuń z listy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Weryfikacja pomyślna</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Weryfikacja nieudana</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Liczba plików</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Obrazy i filmy</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Przetwarzanie</translation>
    </message>
</context>
</TS>
