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
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>檔案不存在。</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>這不是一般檔案。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>無法讀取檔案。</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>檔案是空的，或太小而無法容納浮水印區塊。</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>檔名不是以 .jpg, .avi, .mp4 或 .mxg 結尾。</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>無法讀取浮水印區塊。</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>無法以內建的錄影機金鑰開啟任何浮水印：檔案沒有浮水印，或浮水印是以其他金鑰建立的，或浮水印已損壞。</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>浮水印記錄的標記不是本程式所接受的。</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>浮水印記錄的版本既不是 1.0，也不是 1.1。</translation>
    </message>
    <message>
        <source>The structure of the video does not lead to its content.</source>
        <translation>無法循著視訊的結構找到其內容。</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>內容與浮水印中的指紋不符：內容已遭變更，或記錄中的指紋不符合預期格式。</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>指紋只保護此檔案 %2 個位元組中的 %1 個位元組。</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>在檢查任何內容之前就已得出結論：此結論不擔保任何位元組。</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>第 %1 至 %2 位元組（影像資料之前的容器標頭）不在涵蓋範圍內。</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>第 %1 至 %2 位元組是 512 位元組的浮水印區塊，不是內容。</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>記錄版本 1.1，摺疊索引為 0：內容中沒有任何位元組納入計算；指紋只取決於內容長度（%1 位元組）。</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only the %2 whose position in the content modulo 64 is below %3 count, and they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>記錄版本 1.1：在內容的 %1 個位元組中，只有在內容中的位置對 64 取餘數後小於 %3 的 %2 個位元組納入計算，且它們依位置以互斥或（XOR）合併，因此彼此抵銷的變更不會被察覺。</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 位元組</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0（記錄版本 1.0：內容的每個位元組都納入計算）</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1（記錄版本 1.1：內容經過摺疊，只有一部分納入計算）</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>未執行到</translation>
    </message>
    <message>
        <source>none</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>完整路徑</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>結論</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>標記</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>記錄版本</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>記錄中的指紋</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>時間來源</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>攝影機 MAC 位址</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>指紋模式</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>受保護的位元組</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>未受保護的位元組範圍</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>附註</translation>
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
        <translation>無：檢查在讀取浮水印記錄之前就已停止</translation>
    </message>
</context>
</TS>
