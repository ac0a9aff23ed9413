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
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>無法循著視訊的容器結構（AVI、MP4 或 MXG）找到其內容。</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>內容與浮水印中的指紋不符：內容已遭變更，或記錄中的指紋不符合預期格式。</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>檢查檔案時電腦發生故障（記憶體或檔案控制代碼已用盡，或磁碟回報了讀取錯誤）；無法對檔案本身得出任何結論。請重新檢查此檔案。</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>另一個程式鎖定了該檔案，因此無法讀取；對檔案本身一無所知。請關閉該程式後再次檢查該檔案。</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>此資料夾中沒有以 .jpg, .avi, .mp4 或 .mxg 結尾的檔案，因此未檢查其中的任何內容。</translation>
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
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>記錄版本 1.1：在內容的 %1 個位元組中，只有 %2 個位元組納入計算，即在內容中的位置對 64 取餘數後小於 %3 的位元組；它們依位置以互斥或（XOR）合併，因此彼此抵銷的變更不會被察覺。</translation>
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
        <source>not determined: the check stopped earlier</source>
        <translation>無法確定：檢查已提前停止</translation>
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
        <source>%1 of %2 bytes</source>
        <translation>%1 位元組（共 %2 位元組）</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>無：檢查在讀取浮水印記錄之前就已停止</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>內容的類型與檔名的副檔名所示不符：浮水印區塊位於另一種類型檔案存放它的位置。檔案是否曾被重新命名？</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - 詳細資料</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>未計算：檔案在驗證之後已有變更</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>無法計算：無法讀取檔案</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>檔案在驗證之後已有變更：它已不是驗證時的那個檔案，或其狀態已與驗證時不同。</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>正在計算...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>正在計算... %1%</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>驗證報告</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>各檔案明細</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 頁，共 %2 頁</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>依據錄影機浮水印鑑定視訊監控證據檔案的真實性</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程式</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>電腦</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>結論能說明什麼，不能說明什麼</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>浮水印已用上文所列金鑰組之一（即每個檔案的區塊中註明的那一組）開啟，其中的指紋與根據檔案計算出的指紋相符。指紋並不涵蓋每一個位元組：下文中每個檔案的區塊會說明結論擔保哪些位元組。此結果不能說明錄影機的時鐘是否準確，也不能說明畫面本身的內容。</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>程式無法確認此檔案。任何問題都會得到這個結果。它僅表示無法證明磁碟上的這個檔案就是錄影機未經變更的匯出檔案，其本身並不能證明有蓄意竄改：不帶浮水印的檔案、浮水印以其他金鑰建立的檔案，或帶有本程式不認得的記錄的檔案，都會以同樣的方式驗證失敗。在下結論之前，請核對從錄影機重新匯出的檔案，或原始媒體上的複本。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>總覽</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>未計算：檔案已不是當時驗證的那個檔案</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>無法取得：無法讀取檔案</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>指紋保護此檔案中 512 位元組浮水印區塊以外的每一個位元組。</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>涵蓋範圍</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>產生報告時的狀態</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>在名稱和記錄欄位中，\xNN 表示位元組 NN，它不是有效的 UTF-8 或是控制字元；\u{XXXX} 表示字元 U+XXXX，它不顯示任何內容或會改變周圍文字的顯示方式；\\ 表示反斜線。</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>清單中的結論</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1：與上方的結論不同；上方的結論是為本報告重新驗證檔案時得出的。</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>與上方相同：已為本報告重新驗證檔案。</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>檢查於 %1：裝置、inode、大小、修改時間和狀態變更時間仍與驗證時的檔案一致。</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>檢查於 %1：裝置、inode、大小、修改時間或狀態變更時間與驗證時的檔案不同，或檔案已不存在：檔案在驗證之後已有變更。</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>未知：驗證檔案時未記錄其裝置、inode、大小、修改時間和狀態變更時間。</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>匯出報告</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>清單中沒有可匯出的檔案。</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>匯出報告...</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF 報告 (*.pdf)</translation>
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
        <translation>無法將匯出內容寫入 %1：%2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>正在寫入 %1...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>正在重新驗證檔案並計算其 SHA-256 雜湊值...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>報告已寫入 %1。其中任何字型都無法顯示的字元以跳脫形式顯示：%2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>報告已寫入 %1。</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>其 SHA-256 為 %1。</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>旁邊的檔案 %1 存有相同的摘要，可用 sha256sum -c 檢查。</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>無法將其 SHA-256 寫入旁邊的 %1：%2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>為本次匯出重新驗證時，這些檔案得出的結論與清單所示不同；它們所在的列現在顯示新的結論：</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>……以及另外 %1 個。</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>判定所依據的計算自我檢測失敗（%1）：不匯出任何內容。</translation>
    </message>
</context>
<context>
    <name>ResultListMenu</name>
    <message>
        <source>Details...</source>
        <translation>詳細資料...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>開啟所在資料夾</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>沒有檔案管理員回應，因此無法顯示該資料夾：%1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>驗證報告，寫入於 %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>驗證開始時間</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>驗證結束時間</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>報告寫入時間</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>工作資料夾</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>命令列</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>無證據檔案的資料夾</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>不存在的路徑</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1，%3 位元組中僅 %2 位元組受保護</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>無：這是資料夾，不是檔案</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>無：此路徑下不存在任何內容</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>不適用：這是一個被指定搜尋的資料夾，其中未找到副檔名為 .jpg、.avi、.mp4 或 .mxg 的檔案。</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>不適用：驗證時此路徑下不存在任何內容。</translation>
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
        <translation>檢驗人 %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>案件</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>證物</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>檢驗人</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>單位</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>簽名</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>以下簽名針對報告 %1 的全部內容。</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>覆核人或見證人</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>簽名</translation>
    </message>
</context>
<context>
    <name>ReportIdentity</name>
    <message>
        <source>Report %1</source>
        <translation>報告 %1</translation>
    </message>
</context>
<context>
    <name>ReportProvenance</name>
    <message>
        <source>File system, as read when verified</source>
        <translation>檔案系統（驗證時讀取）</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>裝置 %1，inode %2；修改時間 %3 UTC；狀態變更時間 %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>作業系統</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Qt 版本</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>加密函式庫</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>原始碼修訂版本</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>記錄中的開始與結束時間不帶時區：它們來自錄影機的時鐘，由其時間來源校準（記錄中的時間來源欄位），而非本電腦的時鐘。</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>案件資料</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>每行一件證物</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>這些資料會顯示在 PDF 報告中；CSV 與 JSON Lines 不包含這些資料。檢驗人與單位下次會再次帶入；案件編號、證物與備註不會保存。</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>案件編號</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>證物</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>檢驗人</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>單位</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
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
        <translation>指紋演算法</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>以上述金鑰組的 HMAC 金鑰對內容的 MD5 計算 HMAC-MD5（記錄版本 1.0）</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>以上述金鑰組的 HMAC 金鑰對內容的 XOR 摺疊計算 HMAC-MD5，摺疊以 MD5 的最終處理結束（記錄版本 1.1）</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>無法確定：檢查在讀取記錄版本之前已停止</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>由檔案計算出的指紋</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>未計算：檢查在完整讀取內容之前已停止</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>驗證前的最後存取時間</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>擁有者</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>權限</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>附錄：資料夾搜尋未採用的項目</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>資料夾搜尋沒有遺漏任何項目。</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>隱藏：名稱以點開頭</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>符號連結，未跟隨</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>名稱不以 .jpg、.avi、.mp4 或 .mxg 結尾</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>指定資料夾中搜尋未納入的每個項目及其原因。</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>隱藏資料夾，未搜尋：名稱以點開頭；其下有 %1 個檔案使用證據類型的名稱</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>指定了多次或位於另一個指定資料夾之下的資料夾：其項目只納入一次</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>指定了多次或也在指定資料夾中找到的檔案：只驗證一次、只列出一次</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>金鑰組</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1（指紋 %2）</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>無：檢查在任何金鑰組開啟浮水印區塊之前就已停止</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>無：唯一嘗試的金鑰組未能開啟浮水印區塊</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>無：嘗試的 %1 個金鑰組都未能開啟浮水印區塊</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>無法以唯一嘗試的金鑰組開啟任何浮水印：檔案沒有浮水印，或浮水印是以其他金鑰建立的，或浮水印已損壞。</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>嘗試的 %1 個金鑰組都無法開啟任何浮水印：檔案沒有浮水印，或浮水印是以這些金鑰組都不包含的金鑰建立的，或浮水印已損壞。</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>浮水印區塊已用金鑰組 %1 開啟。</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>金鑰組 %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>指紋 %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>內建於程式；RSA 模數為 %1 位元</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>系統金鑰資料夾：%1（檔案 SHA-256 %2）；RSA 模數為 %3 位元</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>使用者金鑰資料夾：%1（檔案 SHA-256 %2）；RSA 模數為 %3 位元</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>以 --keys 指定：%1（檔案 SHA-256 %2）；RSA 模數為 %3 位元</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>未載入金鑰檔案</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>……以及另外 %1 個。</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>檔案對話方塊無法照原樣顯示或無法傳回資料夾 %1 中的這些檔案，因為其名稱含有不是 UTF-8 文字的位元組、換行字元或會改變文字順序的字元：</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>「%1」可以加入它們，從檔案管理員將它們拖放到視窗上也可以。</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>在路徑中，\xNN 和 \u{XXXX} 是與上文相同的跳脫序列，其他每個 \ 都用來分隔資料夾。</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>指定的資料夾</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>未包含在本報告中</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>已由檢驗人員從清單中移除</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>未驗證：輪到它之前驗證已被取消</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>未驗證：產生報告時仍在等待驗證</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>未驗證：輪到它時，該名稱下沒有檔案</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>已驗證且在清單中，但不在為本報告選取的列中</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>資料夾搜尋已納入所有項目，但本報告並未包含找到的全部檔案：其餘檔案列於前一個附錄。</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>附錄：已提交但未包含在本報告中的檔案</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>提交驗證的每個檔案（依名稱指定或由資料夾搜尋找到）中本報告未包含的檔案及其原因。</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>無法讀取資料夾：%1。</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>無法檢查該項目：%1。</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>無法讀取檔案：%1。</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>報告的位置</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>本報告位於正在驗證的資料夾 %1 中：以後驗證該資料夾時，會在未納入的項目中找到它。</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>完全受保護</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>部分受保護</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>未受任何保護</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>存取時間</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>已保留：讀取檔案時未變更其最後存取時間</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>可能已變更：系統不允許本程式在不變更最後存取時間的情況下讀取檔案</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>使用者</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>時區</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>工具驗證</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>本次驗證開始時通過：MD5（RFC 1321）、HMAC-MD5（RFC 2202）、1.1 版摺疊和 RSA 公開金鑰運算均給出已知結果</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>本次驗證開始時失敗：%1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>產生報告時的 SHA-256</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>未計算：無法讀取檔案</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1，與驗證時相同</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1：與驗證時的 SHA-256 不同，因此內容在驗證後發生了變化</translation>
    </message>
</context>
</TS>
