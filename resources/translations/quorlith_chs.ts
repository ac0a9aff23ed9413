<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>关于 Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>版权所有 (C) %1 Trevalon Inc. 保留所有权利。</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>认证结果</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>移除文件</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>认证成功</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>认证失败</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>文件总数</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>图像和视频</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>正在处理</translation>
    </message>
</context>
</TS>
