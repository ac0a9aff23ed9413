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
        <source>The structure of the video does not lead to its content.</source>
        <translation>无法沿视频的结构找到其内容。</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>内容与水印中的指纹不符：内容已被改动，或记录中的指纹不符合预期格式。</translation>
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
        <source>Record version 1.1: of the %1 content bytes only the %2 whose position in the content modulo 64 is below %3 count, and they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>记录版本 1.1：在内容的 %1 个字节中，只有在内容中的位置对 64 取模后小于 %3 的 %2 个字节参与计算，并且它们按位置进行异或（XOR）合并，因此相互抵消的改动不会被发现。</translation>
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
        <source>not reached</source>
        <translation>未执行到</translation>
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
        <source>%1 of %2</source>
        <translation>%1（共 %2）</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>无：检查在读取水印记录之前已停止</translation>
    </message>
</context>
</TS>
