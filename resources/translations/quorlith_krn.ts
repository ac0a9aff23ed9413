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
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>파일이 존재하지 않습니다.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>일반 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>파일을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>파일이 비어 있거나 너무 작아서 워터마크 블록을 담을 수 없습니다.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>파일 이름이 .jpg, .avi, .mp4 또는 .mxg로 끝나지 않습니다.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>워터마크 블록을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>내장된 녹화기 키로 열리는 워터마크가 없습니다. 파일에 워터마크가 없거나, 워터마크가 다른 키로 만들어졌거나, 워터마크가 손상되었습니다.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>워터마크 레코드에 이 프로그램이 받아들이지 않는 표식이 있습니다.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>워터마크 레코드의 버전이 1.0도 1.1도 아닙니다.</translation>
    </message>
    <message>
        <source>The structure of the video does not lead to its content.</source>
        <translation>동영상 구조를 따라가도 내용에 도달할 수 없습니다.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>내용이 워터마크의 지문과 일치하지 않습니다. 내용이 변경되었거나, 레코드의 지문이 예상한 형식이 아닙니다.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>지문은 이 파일의 %2바이트 중 %1바이트만 보호합니다.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>내용을 검사하기 전에 판정이 내려졌습니다. 이 판정은 어떤 바이트도 보증하지 않습니다.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>바이트 %1~%2 범위(영상 데이터 앞의 컨테이너 헤더)는 포함되지 않습니다.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>바이트 %1~%2 범위는 512바이트 워터마크 블록이며 내용이 아닙니다.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>레코드 버전 1.1, 접기 인덱스 0: 내용의 어떤 바이트도 계산에 들어가지 않습니다. 지문은 내용 길이(%1바이트)만으로 정해집니다.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only the %2 whose position in the content modulo 64 is below %3 count, and they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>레코드 버전 1.1: 내용 %1바이트 중 내용 안의 위치를 64로 나눈 나머지가 %3보다 작은 %2바이트만 계산에 들어가며, 이 바이트들은 위치별로 XOR로 합쳐집니다. 따라서 서로 상쇄되는 변경은 발견되지 않습니다.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1바이트</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0(레코드 버전 1.0: 내용의 모든 바이트가 계산에 들어감)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1(레코드 버전 1.1: 내용을 접으므로 일부만 계산에 들어감)</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>도달하지 않음</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>전체 경로</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>판정</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>이유</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>표식</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>레코드 버전</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>레코드의 지문</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>시간 출처</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>카메라 MAC 주소</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>지문 모드</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>보호된 바이트</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>보호되지 않은 바이트 범위</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>참고</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 중 %1</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>없음: 워터마크 레코드를 읽기 전에 검사가 중단됨</translation>
    </message>
</context>
</TS>
