<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Trevalon Quorlith Hakkında</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Telif Hakkı (C) %1 Trevalon Inc. Tüm hakları saklıdır.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dosya Adı</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Doğrulama Sonucu</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Başlangıç Zamanı</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Bitiş Zamanı</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Seri No</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Dosya Aç</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Klasör Aç</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Dosya Kaldır</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Doğrulama başarılı</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Doğrulama başarısız</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Toplam dosya</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Resimler ve Videolar</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>İşleniyor:</translation>
    </message>
</context>
</TS>
