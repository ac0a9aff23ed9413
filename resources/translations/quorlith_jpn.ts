<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Trevalon Quorlith について</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. All rights reserved.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>認証結果</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時刻</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>終了時刻</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>ファイルを除外</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>認証成功</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>認証失敗</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>ファイル総数</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>画像とビデオ</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>処理中:</translation>
    </message>
</context>
</TS>
