<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Trevalon Quorlith 정보</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. All rights reserved.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>인증 결과</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>시작 시간</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>종료 시간</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>일련 번호</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>파일 제거</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>인증 성공</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>인증 실패</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>전체 파일</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>이미지 및 비디오</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>처리 중:</translation>
    </message>
</context>
</TS>
