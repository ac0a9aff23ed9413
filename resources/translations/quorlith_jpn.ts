<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Trevalon Quorlith について</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. All rights reserved.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>認証結果</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時刻</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>終了時刻</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>ファイルを除外</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>認証成功</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>認証失敗</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>ファイル総数</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>画像とビデオ</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>処理中:</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>ファイルが存在しません。</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>ファイルを読み取れません。</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>ファイルが空であるか、小さすぎて透かしブロックを格納できません。</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>ファイル名の末尾が .jpg, .avi, .mp4 または .mxg ではありません。</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>透かしブロックを読み取れません。</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>内蔵のレコーダー鍵で開ける透かしがありません。ファイルに透かしがないか、透かしが別の鍵で作成されたか、透かしが破損しています。</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>透かしのレコードに、このプログラムが受け付けないマーカーがあります。</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>透かしのレコードのバージョンが 1.0 でも 1.1 でもありません。</translation>
    </message>
    <message>
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>動画のコンテナー構造（AVI、MP4 または MXG）をたどって内容にたどり着けません。</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>内容が透かしの指紋と一致しません。内容が変更されたか、レコード内の指紋が想定どおりの形式ではありません。</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>ファイルの検査中にコンピューターで障害が発生しました（メモリまたはファイルハンドルが不足したか、ディスクが読み取りエラーを報告しました）。ファイル自体については何もわかっていません。もう一度検査してください。</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>別のプログラムがファイルをロックしているため、読み取れませんでした。ファイル自体については何もわかっていません。そのプログラムを閉じてから、もう一度ファイルを確認してください。</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>このフォルダーには名前の末尾が .jpg, .avi, .mp4 または .mxg のファイルがないため、何も検査していません。</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>指紋が保護しているのは、このファイルの %2 バイトのうち %1 バイトだけです。</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>内容を検査する前に判定が出ました。この判定はどのバイトも保証しません。</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>バイト %1～%2（画像データより前にあるコンテナーのヘッダー）は対象外です。</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>バイト %1～%2 は 512 バイトの透かしブロックであり、内容ではありません。</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>レコードバージョン 1.1、折り畳みインデックス 0：内容のバイトはまったく計算に含まれません。指紋は内容の長さ（%1 バイト）だけで決まります。</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>レコードバージョン 1.1：内容の %1 バイトのうち計算に含まれるのは %2 バイトだけで、内容中の位置を 64 で割った余りが %3 より小さいバイトです。それらは位置ごとに XOR で合成されるため、互いに打ち消し合う変更は検出されません。</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0（レコードバージョン 1.0：内容のすべてのバイトが計算に含まれます）</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1（レコードバージョン 1.1：内容は折り畳まれ、その一部だけが計算に含まれます）</translation>
    </message>
    <message>
        <source>not determined: the check stopped earlier</source>
        <translation>未確定：検査がそれより前に停止しました</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>フルパス</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>マーカー</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>レコードバージョン</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>レコード内の指紋</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>時刻ソース</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>カメラの MAC アドレス</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>指紋モード</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>保護されているバイト</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>保護されていないバイト範囲</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>注記</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%2 バイト中 %1 バイト</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>なし：透かしのレコードを読み取る前に検査が停止しました</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>内容の種類がファイル名の拡張子の示す種類と異なります。透かしブロックが別の種類のファイルの位置にあります。ファイル名が変更されていませんか？</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - 詳細</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>未計算：検証後にファイルが変更されました</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>計算できません：ファイルを読み取れません</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>検証後にファイルが変更されました。検証時と同じ状態の同じファイルではなくなっています。</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>計算中...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>計算中... %1%</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>検証レポート</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>ファイルごとの結果</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>レコーダーの透かしによる監視映像証拠ファイルの真正性</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>判定が示すこと、示さないこと</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>上記の鍵セットのうち各ファイルの欄に記載されたもので透かしが開き、その中の指紋がファイルから計算した指紋と一致しました。指紋はすべてのバイトを対象とするわけではありません。どのバイトが保証されるかは、以下の各ファイルの欄に記載されています。この結果は、レコーダーの時計が正しかったかどうかも、画像に何が写っているかも示しません。</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>プログラムはこのファイルを確認できませんでした。どのような問題でもこの同じ結果になります。これは、ディスク上にあるこのファイルがレコーダーによる無変更のエクスポートであると示せない、ということだけを意味します。それだけで意図的な改ざんが証明されるわけではありません。透かしのないファイル、別の鍵で作成された透かしを持つファイル、このプログラムが知らないレコードを持つファイルも、同じように失敗します。結論を出す前に、レコーダーから改めてエクスポートしたファイルか、元の媒体からのコピーを検証してください。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>未計算：ファイルは検証したときのものではなくなっています</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>取得できません：ファイルを読み取れませんでした</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>指紋は、512 バイトの透かしブロックを除くこのファイルのすべてのバイトを保護しています。</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>対象範囲</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>レポート作成時の状態</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>名前とレコードのフィールドでは、\xNN は有効な UTF-8 ではないか制御文字であるバイト NN を、\u{XXXX} は何も表示しないか周囲のテキストの表示を変える文字 U+XXXX を、\\ はバックスラッシュを表します。</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>リストでの判定</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1：上記の判定と異なります。上記は、このレポートのためにファイルを再検証して得た判定です。</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>上記と同じ：このレポートのためにファイルを再検証しました。</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>%1 に確認：デバイス、inode、サイズ、更新日時、状態変更日時は、検証したファイルと現在も一致しています。</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>%1 に確認：デバイス、inode、サイズ、更新日時、状態変更日時のいずれかが検証したファイルと異なるか、ファイルがなくなっています。検証後にファイルが変更されました。</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>不明：検証時にデバイス、inode、サイズ、更新日時、状態変更日時が記録されていません。</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>レポートのエクスポート</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>一覧にエクスポートするファイルがありません。</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>レポートのエクスポート...</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF レポート (*.pdf)</translation>
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
        <translation>エクスポートを %1 に書き込めませんでした：%2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>%1 を書き込んでいます...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>ファイルを再検証し、SHA-256 ダイジェストを計算しています...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>レポートを %1 に書き込みました。どのフォントでも描画できない文字はエスケープ形式で示しています: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>レポートを %1 に書き込みました。</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>SHA-256 は %1 です。</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>同じフォルダーのファイル %1 に、sha256sum -c で確認できる同じダイジェストを書き込みました。</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>SHA-256 を同じフォルダーの %1 に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>このエクスポートのために再検証したところ、これらのファイルは一覧に表示されていたものとは異なる判定になりました。各行には新しい判定が表示されています：</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>...ほか %1 件。</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>判定の基になる計算の自己テストが失敗しました（%1）。何もエクスポートしません。</translation>
    </message>
</context>
<context>
    <name>ResultListMenu</name>
    <message>
        <source>Details...</source>
        <translation>詳細...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>ファイルの場所を開く</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>ファイル マネージャーが応答しなかったため、フォルダーを表示できません：%1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>検証レポート（書き込み日時 %1）</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>検証開始日時</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>検証終了日時</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>レポート書き込み日時</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>作業フォルダー</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>コマンドライン</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>証拠ファイルのないフォルダー</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>存在しないパス</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1、%3 バイト中 %2 バイトのみ保護</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>なし: これはファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>なし: このパスには何も存在しません</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>該当なし: 検索対象として指定されたフォルダーですが、.jpg、.avi、.mp4、.mxg で終わるファイルは見つかりませんでした。</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>該当なし: 検証時、このパスには何も存在しませんでした。</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>事件 %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>鑑定人 %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>証拠品</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>鑑定人</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>所属</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>署名</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>以下の署名は報告書 %1 の全体に対するものです。</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>確認者または立会人</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>署名</translation>
    </message>
</context>
<context>
    <name>ReportIdentity</name>
    <message>
        <source>Report %1</source>
        <translation>報告書 %1</translation>
    </message>
</context>
<context>
    <name>ReportProvenance</name>
    <message>
        <source>File system, as read when verified</source>
        <translation>ファイルシステム（検証時に読み取った値）</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>デバイス %1、inode %2、更新 %3 UTC、状態変更 %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>オペレーティングシステム</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Qt のバージョン</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>暗号ライブラリ</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>ソースのリビジョン</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>記録の開始時刻と終了時刻にはタイムゾーンがありません。これはこのコンピューターではなく、時刻ソース（記録の時刻ソース欄）が合わせたレコーダーの時計の値です。</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>事件情報</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>証拠品を1行に1つずつ</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>これらの情報は PDF レポートに記載され、CSV と JSON Lines には含まれません。鑑定人と所属は次回も入力済みで表示されます。事件番号、証拠品、備考は保存されません。</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>事件番号</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>証拠品</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>鑑定人</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>所属</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ReportFileFacts</name>
    <message>
        <source>Digest algorithm</source>
        <translation>指紋のアルゴリズム</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>上記の鍵セットの HMAC 鍵による、内容の MD5 に対する HMAC-MD5（レコードバージョン 1.0）</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>上記の鍵セットの HMAC 鍵による、内容の XOR 折り畳み（MD5 の最終処理で締めたもの）に対する HMAC-MD5（レコードバージョン 1.1）</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>不明：レコードバージョンを読む前に検査が止まりました</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>ファイルから計算した指紋</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>未計算：内容をすべて読む前に検査が止まりました</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>検証前の最終アクセス</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>所有者</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>アクセス権</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>付録：フォルダー検索で対象外とした項目</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>フォルダー検索で対象外とした項目はありません。</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>隠し項目：名前がドットで始まる</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>シンボリックリンク（たどっていない）</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>名前が .jpg、.avi、.mp4、.mxg のいずれでも終わらない</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>指定されたフォルダーの項目のうち、検索で対象外としたものとその理由。</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>隠しフォルダー（検索対象外）：名前がドットで始まる。配下の %1 個のファイルが証拠の種類の名前を持つ</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>複数回指定されたか、指定された別のフォルダーの配下にあるフォルダー：その項目は一度だけ対象にする</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>複数回指定されたか、指定されたフォルダーでも見つかったファイル：一度だけ検証し、一度だけ記載</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>鍵セット</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1（指紋 %2）</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>なし：鍵セットが透かしブロックを開く前に検査が停止しました</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>なし：試した唯一の鍵セットでは透かしブロックが開きませんでした</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>なし：試した %1 個の鍵セットのいずれでも透かしブロックが開きませんでした</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>試した唯一の鍵セットで開ける透かしがありません。ファイルに透かしがないか、透かしが別の鍵で作成されたか、透かしが破損しています。</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>試した %1 個の鍵セットのいずれでも開ける透かしがありません。ファイルに透かしがないか、透かしがどの鍵セットにも含まれない鍵で作成されたか、透かしが破損しています。</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>透かしブロックは鍵セット %1 で開きました。</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>鍵セット %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>指紋 %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>プログラムに内蔵、RSA モジュラス %1 ビット</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>システムの鍵フォルダー：%1（ファイルの SHA-256 %2）、RSA モジュラス %3 ビット</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>ユーザーの鍵フォルダー：%1（ファイルの SHA-256 %2）、RSA モジュラス %3 ビット</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>--keys で指定：%1（ファイルの SHA-256 %2）、RSA モジュラス %3 ビット</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>鍵ファイルを読み込めませんでした</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>...ほか %1 件。</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>ファイルダイアログでは、フォルダー %1 にある次のファイルをそのままの名前で表示できないか、選択しても返せません。名前に UTF-8 テキストではないバイト、改行、またはテキストの順序を変える文字が含まれているためです：</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>「%1」で追加できます。ファイルマネージャーからウィンドウにドラッグ＆ドロップしても追加できます。</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>パスでは、\xNN と \u{XXXX} は上記と同じエスケープで、それ以外の \ はフォルダーの区切りです。</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>指定されたフォルダー</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>この報告書に含まれないもの</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>検査者が一覧から削除</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>未検証：順番が来る前に検証が取り消された</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>未検証：報告書の作成時にまだ順番待ちだった</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>未検証：順番が来たとき、この名前のファイルが存在しなかった</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>検証済みで一覧にあるが、この報告書に選ばれた行には含まれない</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>フォルダー検索はすべての項目を対象にしましたが、この報告書には見つかったファイルの一部しか含まれていません。残りは前の付録に記載しています。</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>付録：渡されたがこの報告書に含まれないファイル</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>名前で指定されたか、フォルダー検索で見つかり、検証に渡されたファイルのうち、この報告書に含まれないものとその理由。</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>フォルダーを読み取れません：%1。</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>項目を調べられません：%1。</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>ファイルを読み取れません：%1。</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>報告書の場所</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>この報告書は検証中のフォルダー %1 の中にあります。このフォルダーを後で検証すると、対象外の項目の中にこの報告書が見つかります。</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>全体が保護</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>一部が保護</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>保護なし</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>アクセス日時</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>保持：最終アクセス日時を変えずにファイルを読み取った</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>変わった可能性あり：システムが最終アクセス日時を変えずにファイルを読み取ることを許可しなかった</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>タイムゾーン</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>ツールの検証</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>この検証の開始時に合格：MD5（RFC 1321）、HMAC-MD5（RFC 2202）、バージョン 1.1 の折り畳み、RSA 公開鍵演算が既知の答えを返した</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>この検証の開始時に不合格：%1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>報告書作成時の SHA-256</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>未計算：ファイルを読み取れなかった</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1（検証時と同じ）</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1：検証時の SHA-256 と異なるため、検証後に内容が変わった</translation>
    </message>
</context>
</TS>
