<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>關於 Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>版權所有 (C) %1 Trevalon Inc. 保留一切權利。</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>驗證結果</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>結束時間</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>移除檔案</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>驗證成功</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>驗證失敗</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>檔案總數</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>影像與視訊</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>正在處理</translation>
    </message>
</context>
</TS>
