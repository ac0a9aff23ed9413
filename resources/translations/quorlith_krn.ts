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
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>동영상의 컨테이너 구조(AVI, MP4 또는 MXG)를 따라가도 내용에 도달할 수 없습니다.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>내용이 워터마크의 지문과 일치하지 않습니다. 내용이 변경되었거나, 레코드의 지문이 예상한 형식이 아닙니다.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>파일을 검사하는 동안 컴퓨터에 오류가 발생했습니다(메모리나 파일 핸들이 부족했거나 디스크가 읽기 오류를 보고함). 파일 자체에 대해서는 알려진 것이 없습니다. 다시 검사하십시오.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>다른 프로그램이 파일을 잠그고 있어 읽을 수 없었습니다. 파일 자체에 대해서는 알 수 있는 것이 없습니다. 해당 프로그램을 닫고 파일을 다시 확인하십시오.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>이 폴더에는 .jpg, .avi, .mp4 또는 .mxg로 끝나는 파일이 없으므로 아무것도 검사하지 않았습니다.</translation>
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
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>레코드 버전 1.1: 내용 %1바이트 중 계산에 들어가는 것은 %2바이트뿐이며, 내용 안의 위치를 64로 나눈 나머지가 %3보다 작은 바이트입니다. 이 바이트들은 위치별로 XOR로 합쳐지므로 서로 상쇄되는 변경은 발견되지 않습니다.</translation>
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
        <source>not determined: the check stopped earlier</source>
        <translation>정해지지 않음: 검사가 그 전에 중단됨</translation>
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
        <source>%1 of %2 bytes</source>
        <translation>%2바이트 중 %1바이트</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>없음: 워터마크 레코드를 읽기 전에 검사가 중단됨</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>내용의 형식이 파일 이름의 확장자가 나타내는 형식과 다릅니다. 워터마크 블록이 다른 형식의 파일이 두는 위치에 있습니다. 파일 이름이 바뀌지 않았습니까?</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - 세부 정보</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>계산하지 않음: 확인한 후에 파일이 변경되었습니다</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>계산할 수 없음: 파일을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>확인한 후에 파일이 변경되었습니다. 확인할 때와 같은 상태의 같은 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>계산 중...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>계산 중... %1%</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>검증 보고서</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>파일별 결과</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1/%2쪽</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>녹화기 워터마크에 의한 영상 감시 증거 파일의 진본성</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>프로그램</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>판정이 보여 주는 것과 보여 주지 않는 것</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>위에 나열된 키 세트 중 각 파일 항목에 적힌 키 세트로 워터마크가 열렸고, 그 안의 지문이 파일에서 계산한 지문과 일치합니다. 지문이 모든 바이트를 포함하지는 않습니다. 어떤 바이트를 보증하는지는 아래 각 파일 항목에 나와 있습니다. 이 결과는 녹화기의 시계가 정확했는지, 화면에 무엇이 찍혔는지에 대해서는 아무것도 말해 주지 않습니다.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>프로그램이 이 파일을 확인할 수 없었습니다. 어떤 문제든 모두 이 같은 결과가 됩니다. 이는 디스크에 있는 이 파일이 녹화기가 내보낸 그대로임을 보일 수 없다는 뜻일 뿐입니다. 이것만으로 의도적인 변조가 증명되지는 않습니다. 워터마크가 없는 파일, 다른 키로 만든 워터마크가 있는 파일, 이 프로그램이 모르는 레코드가 있는 파일도 똑같이 실패합니다. 결론을 내리기 전에 녹화기에서 새로 내보낸 파일이나 원본 매체의 복사본을 확인하십시오.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>계산하지 않음: 파일이 더 이상 확인했던 그 파일이 아닙니다</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>사용할 수 없음: 파일을 읽을 수 없었습니다</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>지문은 512바이트 워터마크 블록을 제외한 이 파일의 모든 바이트를 보호합니다.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>보호 범위</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>보고서 작성 시점의 상태</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>이름과 레코드 필드에서 \xNN은 유효한 UTF-8이 아니거나 제어 문자인 바이트 NN을, \u{XXXX}는 아무것도 표시하지 않거나 주변 텍스트가 표시되는 방식을 바꾸는 문자 U+XXXX를, \\는 백슬래시를 나타냅니다.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>목록의 판정</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1: 위의 판정과 다릅니다. 위의 판정은 이 보고서를 위해 파일을 다시 확인하여 얻은 것입니다.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>위와 같음: 이 보고서를 위해 파일을 다시 확인했습니다.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>%1에 확인: 장치, inode, 크기, 수정 시간, 상태 변경 시간이 확인한 파일과 여전히 일치합니다.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>%1에 확인: 장치, inode, 크기, 수정 시간 또는 상태 변경 시간이 확인한 파일과 다르거나 파일이 없어졌습니다. 확인한 후에 파일이 변경되었습니다.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>알 수 없음: 파일을 확인할 때 장치, inode, 크기, 수정 시간, 상태 변경 시간이 기록되지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>보고서 내보내기</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>목록에 내보낼 파일이 없습니다.</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>보고서 내보내기...</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF 보고서 (*.pdf)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON Lines (*.jsonl)</source>
        <translation>JSON Lines (*.jsonl)</translation>
    </message>
    <message>
        <source>The export could not be written to %1: %2</source>
        <translation>내보낸 내용을 %1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>%1 쓰는 중...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>파일을 다시 확인하고 SHA-256 다이제스트를 계산하는 중...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>보고서를 %1에 기록했습니다. 어떤 글꼴로도 그릴 수 없는 문자는 이스케이프 형식으로 표시했습니다: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>보고서를 %1에 기록했습니다.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>SHA-256은 %1입니다.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>옆에 있는 파일 %1에 sha256sum -c로 확인할 수 있는 같은 다이제스트가 들어 있습니다.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>SHA-256을 옆의 %1에 기록하지 못했습니다: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>이번 내보내기를 위해 다시 확인한 결과, 다음 파일은 목록에 표시된 것과 다른 판정을 받았습니다. 해당 행에는 이제 새 판정이 표시됩니다:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... 외 %1개.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>판정의 근거가 되는 계산의 자체 검사가 실패했습니다(%1). 아무것도 내보내지 않습니다.</translation>
    </message>
</context>
<context>
    <name>ResultListMenu</name>
    <message>
        <source>Details...</source>
        <translation>세부 정보...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>파일 위치 열기</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>응답한 파일 관리자가 없어 폴더를 표시할 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>검증 보고서(기록: %1)</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>검증 시작 시각</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>검증 종료 시각</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>보고서 기록 시각</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>작업 폴더</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>명령줄</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>증거 파일이 없는 폴더</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>존재하지 않는 경로</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1, %3바이트 중 %2바이트만 보호됨</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>없음: 파일이 아니라 폴더입니다</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>없음: 이 경로에는 아무것도 없습니다</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>해당 없음: 검색하도록 지정된 폴더이며, 그 안에서 .jpg, .avi, .mp4 또는 .mxg로 끝나는 파일을 찾지 못했습니다.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>해당 없음: 검증할 때 이 경로에는 아무것도 없었습니다.</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>사건 %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>감정인 %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>사건</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>증거물</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>감정인</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>소속 기관</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>비고</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>서명</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>아래 서명은 보고서 %1 전체에 대한 것입니다.</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>검토자 또는 입회인</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>서명</translation>
    </message>
</context>
<context>
    <name>ReportIdentity</name>
    <message>
        <source>Report %1</source>
        <translation>보고서 %1</translation>
    </message>
</context>
<context>
    <name>ReportProvenance</name>
    <message>
        <source>File system, as read when verified</source>
        <translation>파일 시스템(검증 시 읽은 값)</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>장치 %1, inode %2, 수정 %3 UTC, 상태 변경 %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>운영 체제</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Qt 버전</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>암호화 라이브러리</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>소스 리비전</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>기록의 시작 및 종료 시각에는 시간대가 없습니다. 이 컴퓨터의 시계가 아니라 시간 소스(기록의 시간 소스 필드)가 맞춘 녹화기의 시계에서 나온 값입니다.</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>사건 정보</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>한 줄에 증거물 하나씩</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>이 정보는 PDF 보고서에 표시되며 CSV와 JSON Lines에는 포함되지 않습니다. 감정인과 소속 기관은 다음에도 다시 채워지며, 사건 번호, 증거물, 비고는 저장되지 않습니다.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>사건 번호</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>증거물</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>감정인</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>소속 기관</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>비고</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>ReportFileFacts</name>
    <message>
        <source>Digest algorithm</source>
        <translation>지문 알고리즘</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>위에 나온 키 세트의 HMAC 키로 내용의 MD5에 대해 계산한 HMAC-MD5(레코드 버전 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>위에 나온 키 세트의 HMAC 키로 내용의 XOR 폴드(MD5 마무리 단계로 닫음)에 대해 계산한 HMAC-MD5(레코드 버전 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>확인되지 않음: 레코드 버전을 읽기 전에 검사가 멈췄습니다</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>파일에서 계산한 지문</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>계산되지 않음: 내용을 모두 읽기 전에 검사가 멈췄습니다</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>검증 전 마지막 접근</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>소유자</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>권한</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>부록: 폴더 검색에서 제외된 항목</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>폴더 검색에서 제외된 항목이 없습니다.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>숨김: 이름이 점으로 시작함</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>심볼릭 링크, 따라가지 않음</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>이름이 .jpg, .avi, .mp4, .mxg로 끝나지 않음</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>지정한 폴더의 항목 가운데 검색이 가져오지 않은 모든 항목과 그 이유.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>숨김 폴더, 검색하지 않음: 이름이 점으로 시작함. 그 아래 %1개 파일이 증거 형식의 이름을 가짐</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>여러 번 지정했거나 지정한 다른 폴더 아래에 있는 폴더: 항목을 한 번만 가져옴</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>여러 번 지정했거나 지정한 폴더에서도 찾은 파일: 한 번만 검증하고 한 번만 나열함</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>키 세트</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1(지문 %2)</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>없음: 키 세트가 워터마크 블록을 열기 전에 검사가 중단됨</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>없음: 시도한 유일한 키 세트로 워터마크 블록이 열리지 않음</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>없음: 시도한 키 세트 %1개 중 어느 것으로도 워터마크 블록이 열리지 않음</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>시도한 유일한 키 세트로 열리는 워터마크가 없습니다. 파일에 워터마크가 없거나, 워터마크가 다른 키로 만들어졌거나, 워터마크가 손상되었습니다.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>시도한 키 세트 %1개 중 어느 것으로도 열리는 워터마크가 없습니다. 파일에 워터마크가 없거나, 워터마크가 어느 키 세트에도 없는 키로 만들어졌거나, 워터마크가 손상되었습니다.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>워터마크 블록이 키 세트 %1(으)로 열렸습니다.</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>키 세트 %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>지문 %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>프로그램에 내장됨, RSA 모듈러스 %1비트</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>시스템 키 폴더: %1(파일 SHA-256 %2), RSA 모듈러스 %3비트</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>사용자 키 폴더: %1(파일 SHA-256 %2), RSA 모듈러스 %3비트</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>--keys로 지정됨: %1(파일 SHA-256 %2), RSA 모듈러스 %3비트</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>키 파일을 불러오지 못함</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... 외 %1개.</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>파일 대화 상자는 폴더 %1에 있는 다음 파일을 이름 그대로 표시하거나 반환할 수 없습니다. 이름에 UTF-8 텍스트가 아닌 바이트, 줄 바꿈 또는 텍스트 순서를 바꾸는 문자가 들어 있기 때문입니다:</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>'%1'(으)로 추가할 수 있으며, 파일 관리자에서 창으로 끌어다 놓아도 추가됩니다.</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>경로에서 \xNN과 \u{XXXX}는 위와 같은 이스케이프이며, 그 밖의 \는 폴더를 구분합니다.</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>지정한 폴더</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>이 보고서에 없음</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>검사자가 목록에서 제거함</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>검증 안 됨: 차례가 오기 전에 검증이 취소됨</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>검증 안 됨: 보고서를 만들 때 아직 차례를 기다리고 있었음</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>검증 안 됨: 차례가 왔을 때 이 이름의 파일이 없었음</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>검증되어 목록에 있지만 이 보고서에 선택한 행에는 없음</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>폴더 검색은 모든 항목을 가져왔지만 이 보고서에는 찾은 파일이 모두 들어 있지 않습니다. 나머지는 앞의 부록에 적혀 있습니다.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>부록: 넘겨받았지만 이 보고서에 없는 파일</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>이름으로 지정했거나 폴더 검색으로 찾아 검증에 넘긴 파일 가운데 이 보고서에 없는 모든 파일과 그 이유.</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>폴더를 읽을 수 없습니다: %1.</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>항목을 검사할 수 없습니다: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>파일을 읽을 수 없습니다: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>보고서 위치</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>이 보고서는 검증 중인 폴더 %1 안에 있습니다. 나중에 그 폴더를 검증하면 가져오지 않는 항목 가운데에서 이 보고서를 찾게 됩니다.</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>전체 보호</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>일부 보호</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>보호 없음</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>접근 시간</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>유지됨: 마지막 접근 시간을 바꾸지 않고 파일을 읽음</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>바뀌었을 수 있음: 시스템이 마지막 접근 시간을 바꾸지 않고 파일을 읽도록 허용하지 않음</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>시간대</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>도구 검증</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>이번 검증을 시작할 때 통과: MD5(RFC 1321), HMAC-MD5(RFC 2202), 1.1 버전 접기, RSA 공개 연산이 알려진 답을 냄</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>이번 검증을 시작할 때 실패: %1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>보고서 작성 시 SHA-256</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>계산 안 됨: 파일을 읽을 수 없음</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, 검증할 때와 같음</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1: 검증할 때의 SHA-256과 달라 검증 후 내용이 바뀜</translation>
    </message>
</context>
</TS>
