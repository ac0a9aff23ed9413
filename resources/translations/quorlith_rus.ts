<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>О программе Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>© Trevalon Inc., %1. Все права защищены.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Результат проверки</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Время начала</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Время окончания</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Открыть файлы</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Убрать файлы</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Проверка пройдена</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Проверка не пройдена</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Всего файлов</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Изображения и видео</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Обработка</translation>
    </message>
</context>
</TS>
