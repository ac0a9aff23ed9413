<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>About Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. All rights reserved.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Authentication Result</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Stop Time</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Serial no</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Open File(s)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Remove File(s)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Authentication succeeded</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Authentication failed</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Total files</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Images and Videos</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Processing</translation>
    </message>
</context>
</TS>
