<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Sobre o Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Autenticação</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Hora de término</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Nº de série</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Abrir arquivo(s)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Remover arquivo(s)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Autenticação aprovada</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Falha na autenticação</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Total de arquivos</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Imagens e vídeos</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Processando</translation>
    </message>
</context>
</TS>
