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
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>This is not a regular file.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>The file is empty or too small to hold a watermark block.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>The file name does not end in .jpg, .avi, .mp4 or .mxg.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>The watermark block cannot be read.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>The watermark record has a marker that this program does not accept.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>The watermark record&apos;s version is neither 1.0 nor 1.1.</translation>
    </message>
    <message>
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>The digest protects only %1 of the %2 bytes of this file.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>The verdict was reached before any content was checked: no byte is vouched for.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>Bytes %1 to %2, the container header before the media data, are not covered.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>Bytes %1 to %2 are the 512-byte watermark block, not content.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0 (record version 1.0: every content byte counts)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1 (record version 1.1: the content is folded, only part of it counts)</translation>
    </message>
    <message>
        <source>not determined: the check stopped earlier</source>
        <translation>not determined: the check stopped earlier</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Full path</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>Record version</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>Digest in the record</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Time source</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>Camera MAC</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>Digest mode</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>Protected bytes</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>Unprotected byte ranges</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 of %2 bytes</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>none: the check stopped before the watermark record was read</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - Details</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>not computed: the file changed after it was verified</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>cannot be computed: the file cannot be read</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>The file changed after it was verified: it is no longer the same file in the same state as then.</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>being computed...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>being computed... %1%</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>Verification report</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>The files one by one</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>Authenticity of video-surveillance evidence files by their recorder watermarks</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>What a verdict shows and what it does not</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>not computed: the file is no longer the one that was verified</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>not available: the file could not be read</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>The digest protects every byte of this file outside the 512-byte watermark block.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Coverage</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>State at report time</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>Verdict in the list</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1: differs from the verdict above, which the file got when it was verified again for this report.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>The same as above: the file was verified again for this report.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>Export Report</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>The list holds no files to export.</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>Export Report...</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF report (*.pdf)</translation>
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
        <translation>The export could not be written to %1: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Writing %1...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>Verifying the files again and computing their SHA-256 digests...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>The report was written to %1.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>Its SHA-256 is %1.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>The file %1 beside it holds the same digest for sha256sum -c.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>Its SHA-256 could not be written beside it in %1: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... and %1 more.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</translation>
    </message>
</context>
<context>
    <name>ResultListMenu</name>
    <message>
        <source>Details...</source>
        <translation>Details...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Open Containing Folder</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>No file manager answered, so the folder cannot be shown: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>Verification report written %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>Verification started</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>Verification ended</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>Report written</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Working folder</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Command line</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>Folders without evidence</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>Paths that do not exist</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1, %2 of %3 bytes protected</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>none: this is a folder, not a file</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>none: nothing exists under this path</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>Not applicable: nothing existed under this path when it was verified.</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>Case %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>Examiner %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Case</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>Exhibit</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Examiner</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Signatures</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>The signatures below refer to the whole of report %1.</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>Reviewer or witness</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signature</translation>
    </message>
</context>
<context>
    <name>ReportIdentity</name>
    <message>
        <source>Report %1</source>
        <translation>Report %1</translation>
    </message>
</context>
<context>
    <name>ReportProvenance</name>
    <message>
        <source>File system, as read when verified</source>
        <translation>File system, as read when verified</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>device %1, inode %2; modified %3 UTC; status changed %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Operating system</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Qt version</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>Crypto library</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>Source revision</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>Case Details</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>One exhibit per line</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Case number</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>Exhibits</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Examiner</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ReportFileFacts</name>
    <message>
        <source>Digest algorithm</source>
        <translation>Digest algorithm</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>not determined: the check stopped before the record version was read</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>Digest computed from the file</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>not computed: the check stopped before the content was read whole</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>Last access before verifying</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Owner</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permissions</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>Appendix: what the folder search left out</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>The folder search left nothing out.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>hidden: its name starts with a dot</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>a symbolic link, not followed</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>the name does not end in .jpg, .avi, .mp4 or .mxg</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>Every entry of the folders given that the search did not take, and why.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type&apos;s name</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>a folder given more than once or below another one given: its entries are taken once</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>a file given more than once or also found in a folder given: verified and listed once</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>Key set</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (fingerprint %2)</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>none: the check stopped before a key set opened the watermark block</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>none: the one key set tried did not open the watermark block</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>none: not one of the %1 key sets tried opened the watermark block</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>The watermark block opened with the key set %1.</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>Key set %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>fingerprint %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>built into the program; RSA modulus of %1 bits</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>Key file not loaded</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... and %1 more.</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>%1 adds them, and so does dragging them from a file manager onto the window.</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>Folder given</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>Not in this report</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>removed from the list by the examiner</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>not verified: the run was cancelled before its turn</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>not verified: still waiting for its turn when the report was made</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>not verified: no file was found under its name when its turn came</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>verified and in the list, but not among the rows chosen for this report</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>Appendix: files given but not in this report</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>The folder cannot be read: %1.</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>The entry cannot be examined: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>The file cannot be read: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>Report&apos;s place</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>fully protected</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>partly protected</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>nothing protected</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>Access time</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>kept: the file was read without changing its last access time</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>may have changed: the system did not let this program read the file without changing its last access time</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Time zone</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>Tool validation</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>FAILED as this verification began: %1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>SHA-256 at report time</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>not computed: the file could not be read</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, the same as when it was verified</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</translation>
    </message>
</context>
</TS>
