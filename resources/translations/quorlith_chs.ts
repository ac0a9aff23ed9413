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
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>这不是普通文件。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>无法读取该文件。</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>文件为空，或太小而无法容纳水印块。</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>文件名不以 .jpg, .avi, .mp4 或 .mxg 结尾。</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>无法读取水印块。</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>无法用内置的录像机密钥打开任何水印：文件没有水印，或水印是用其他密钥生成的，或水印已损坏。</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>水印记录中的标记不是本程序所接受的。</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>水印记录的版本既不是 1.0，也不是 1.1。</translation>
    </message>
    <message>
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>无法沿视频的容器结构（AVI、MP4 或 MXG）找到其内容。</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>内容与水印中的指纹不符：内容已被改动，或记录中的指纹不符合预期格式。</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>检查该文件时计算机出现故障（内存或文件句柄已耗尽，或磁盘报告了读取错误）；对文件本身无法得出任何结论。请重新检查该文件。</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>另一个程序锁定了该文件，因此无法读取；对文件本身一无所知。请关闭该程序后再次检查该文件。</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>此文件夹中没有以 .jpg, .avi, .mp4 或 .mxg 结尾的文件，因此未检查其中的任何内容。</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>指纹只保护此文件 %2 个字节中的 %1 个字节。</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>在检查任何内容之前就已得出结论：该结论不担保任何字节。</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>第 %1 至 %2 字节（图像数据之前的容器头）不在覆盖范围内。</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>第 %1 至 %2 字节是 512 字节的水印块，不是内容。</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>记录版本 1.1，折叠索引为 0：内容中没有任何字节参与计算；指纹只取决于内容长度（%1 字节）。</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>记录版本 1.1：在内容的 %1 个字节中，只有 %2 个字节参与计算，即在内容中的位置对 64 取模后小于 %3 的字节；它们按位置进行异或（XOR）合并，因此相互抵消的改动不会被发现。</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0（记录版本 1.0：内容的每个字节都参与计算）</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1（记录版本 1.1：内容被折叠，只有一部分参与计算）</translation>
    </message>
    <message>
        <source>not determined: the check stopped earlier</source>
        <translation>无法确定：检查已提前停止</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>完整路径</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>结论</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>标记</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>记录版本</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>记录中的指纹</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>时间来源</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>摄像机 MAC 地址</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>指纹模式</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>受保护的字节</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>未受保护的字节范围</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 字节（共 %2 字节）</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>无：检查在读取水印记录之前已停止</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>内容的类型与文件名的扩展名所示不符：水印块位于另一种类型文件存放它的位置。文件是否被重命名过？</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - 详细信息</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>未计算：该文件在验证之后已发生变化</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>无法计算：无法读取该文件</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>该文件在验证之后已发生变化：它已不是验证时的那个文件，或其状态已与验证时不同。</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>正在计算...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>正在计算... %1%</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>验证报告</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>各文件明细</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>根据录像机水印鉴定视频监控证据文件的真实性</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>计算机</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>结论能说明什么，不能说明什么</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>水印已用上文所列密钥集之一（即每个文件的条目中注明的那个）打开，其中的指纹与根据文件计算出的指纹相符。指纹并不覆盖每一个字节：下文中每个文件的条目会说明结论担保哪些字节。此结果不能说明录像机的时钟是否准确，也不能说明画面本身的内容。</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>程序无法确认该文件。任何问题都会得到这一结果。它仅表示无法证明磁盘上的这个文件就是录像机未经改动的导出文件，其本身并不能证明存在蓄意篡改：不带水印的文件、水印由其他密钥生成的文件，或带有本程序不认识的记录的文件，都会以同样的方式验证失败。在得出结论之前，请核对从录像机重新导出的文件或原始介质上的副本。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>汇总</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>未计算：该文件已不是当时验证的那个文件</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>不可用：无法读取该文件</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>指纹保护此文件中 512 字节水印块以外的每一个字节。</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>覆盖范围</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>生成报告时的状态</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>在名称和记录字段中，\xNN 表示字节 NN，它不是有效的 UTF-8 或是控制字符；\u{XXXX} 表示字符 U+XXXX，它不显示任何内容或会改变周围文字的显示方式；\\ 表示反斜杠。</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>列表中的结论</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1：与上面的结论不同；上面的结论是为本报告重新验证该文件时得出的。</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>与上面相同：已为本报告重新验证该文件。</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>检查于 %1：设备、inode、大小、修改时间和状态更改时间仍与验证时的文件一致。</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>检查于 %1：设备、inode、大小、修改时间或状态更改时间与验证时的文件不同，或文件已不存在：该文件在验证之后已发生变化。</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>未知：验证该文件时未记录其设备、inode、大小、修改时间和状态更改时间。</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>导出报告</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>列表中没有可导出的文件。</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>导出报告...</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF 报告 (*.pdf)</translation>
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
        <translation>无法将导出内容写入 %1：%2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>正在写入 %1...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>正在重新验证文件并计算其 SHA-256 摘要...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>报告已写入 %1。其中任何字体都无法显示的字符以转义形式显示：%2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>报告已写入 %1。</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>其 SHA-256 为 %1。</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>旁边的文件 %1 保存了相同的摘要，可用 sha256sum -c 校验。</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>无法将其 SHA-256 写入旁边的 %1：%2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>为本次导出重新验证时，这些文件得出的结论与列表所示不同；它们所在的行现在显示新的结论：</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>……以及另外 %1 个。</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>判定所依据的计算自检失败（%1）：不导出任何内容。</translation>
    </message>
</context>
<context>
    <name>ResultListMenu</name>
    <message>
        <source>Details...</source>
        <translation>详细信息...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>打开所在文件夹</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>没有文件管理器响应，因此无法显示该文件夹：%1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>验证报告，写入于 %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>验证开始时间</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>验证结束时间</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>报告写入时间</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>工作文件夹</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>命令行</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>无证据文件的文件夹</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>不存在的路径</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1，%3 字节中仅 %2 字节受保护</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>无：这是文件夹，不是文件</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>无：此路径下不存在任何内容</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>不适用：这是一个被指定搜索的文件夹，其中未找到扩展名为 .jpg、.avi、.mp4 或 .mxg 的文件。</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>不适用：验证时此路径下不存在任何内容。</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>案件 %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>检验人 %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>案件</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>物证</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>检验人</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>签名</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>以下签名针对报告 %1 的全部内容。</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>复核人或见证人</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>签名</translation>
    </message>
</context>
<context>
    <name>ReportIdentity</name>
    <message>
        <source>Report %1</source>
        <translation>报告 %1</translation>
    </message>
</context>
<context>
    <name>ReportProvenance</name>
    <message>
        <source>File system, as read when verified</source>
        <translation>文件系统（验证时读取）</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>设备 %1，inode %2；修改时间 %3 UTC；状态更改时间 %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>操作系统</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Qt 版本</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>加密库</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>源代码修订版本</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>记录中的开始和结束时间不带时区：它们来自录像机的时钟，由其时间源校准（记录中的时间源字段），而非本计算机的时钟。</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>案件信息</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>每行一件物证</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>这些信息显示在 PDF 报告中；CSV 和 JSON Lines 不包含这些信息。检验人和单位下次会再次填入；案件编号、物证和备注不会保存。</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>案件编号</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>物证</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>检验人</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ReportFileFacts</name>
    <message>
        <source>Digest algorithm</source>
        <translation>指纹算法</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>以上述密钥集的 HMAC 密钥对内容的 MD5 计算 HMAC-MD5（记录版本 1.0）</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>以上述密钥集的 HMAC 密钥对内容的 XOR 折叠计算 HMAC-MD5，折叠以 MD5 的最终处理结束（记录版本 1.1）</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>无法确定：检查在读取记录版本之前已停止</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>由文件计算出的指纹</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>未计算：检查在完整读取内容之前已停止</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>验证前的最后访问时间</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>所有者</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>权限</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>附录：文件夹搜索未采用的条目</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>文件夹搜索没有遗漏任何条目。</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>隐藏：名称以点开头</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>符号链接，未跟随</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>名称不以 .jpg、.avi、.mp4 或 .mxg 结尾</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>指定文件夹中搜索未纳入的每个条目及其原因。</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>隐藏文件夹，未搜索：名称以点开头；其下有 %1 个文件使用证据类型的名称</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>指定了多次或位于另一个指定文件夹之下的文件夹：其条目只纳入一次</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>指定了多次或也在指定文件夹中找到的文件：只验证一次、只列出一次</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>密钥集</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1（指纹 %2）</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>无：检查在某个密钥集打开水印块之前已停止</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>无：唯一尝试的密钥集未能打开水印块</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>无：尝试的 %1 个密钥集均未能打开水印块</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>无法用唯一尝试的密钥集打开任何水印：文件没有水印，或水印是用其他密钥生成的，或水印已损坏。</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>尝试的 %1 个密钥集均无法打开任何水印：文件没有水印，或水印是用这些密钥集均不包含的密钥生成的，或水印已损坏。</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>水印块已用密钥集 %1 打开。</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>密钥集 %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>指纹 %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>内置于程序；RSA 模数为 %1 位</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>系统密钥文件夹：%1（文件 SHA-256 %2）；RSA 模数为 %3 位</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>用户密钥文件夹：%1（文件 SHA-256 %2）；RSA 模数为 %3 位</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>通过 --keys 指定：%1（文件 SHA-256 %2）；RSA 模数为 %3 位</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>未加载密钥文件</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>……以及另外 %1 个。</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>文件对话框无法按原样显示或无法返回文件夹 %1 中的这些文件，因为它们的名称包含不是 UTF-8 文本的字节、换行符或会改变文本顺序的字符：</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>“%1”可以添加它们，从文件管理器将它们拖放到窗口上也可以。</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>在路径中，\xNN 和 \u{XXXX} 是与上文相同的转义序列，其他每个 \ 都用于分隔文件夹。</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>指定的文件夹</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>未包含在本报告中</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>已由检验人员从列表中移除</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>未验证：轮到它之前验证已被取消</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>未验证：生成报告时仍在等待验证</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>未验证：轮到它时，该名称下没有文件</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>已验证且在列表中，但不在为本报告选定的行中</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>文件夹搜索已纳入所有条目，但本报告并未包含找到的全部文件：其余文件列于前一个附录。</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>附录：已提交但未包含在本报告中的文件</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>提交验证的每个文件（按名称指定或由文件夹搜索找到）中本报告未包含的文件及其原因。</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>无法读取文件夹：%1。</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>无法检查该条目：%1。</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>无法读取文件：%1。</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>报告的位置</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>本报告位于正在验证的文件夹 %1 中：以后验证该文件夹时，会在未纳入的条目中找到它。</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>完全受保护</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>部分受保护</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>未受任何保护</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>访问时间</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>已保留：读取文件时未更改其最后访问时间</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>可能已更改：系统不允许本程序在不更改最后访问时间的情况下读取文件</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>时区</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>工具验证</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>本次验证开始时通过：MD5（RFC 1321）、HMAC-MD5（RFC 2202）、1.1 版折叠和 RSA 公钥运算均给出已知结果</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>本次验证开始时失败：%1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>生成报告时的 SHA-256</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>未计算：无法读取文件</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1，与验证时相同</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1：与验证时的 SHA-256 不同，因此内容在验证后发生了变化</translation>
    </message>
</context>
</TS>
