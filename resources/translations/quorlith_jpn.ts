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
        <source>The structure of the video does not lead to its content.</source>
        <translation>動画の構造をたどっても内容にたどり着けません。</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>内容が透かしの指紋と一致しません。内容が変更されたか、レコード内の指紋が想定どおりの形式ではありません。</translation>
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
        <source>Record version 1.1: of the %1 content bytes only the %2 whose position in the content modulo 64 is below %3 count, and they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>レコードバージョン 1.1：内容の %1 バイトのうち、内容中の位置を 64 で割った余りが %3 より小さい %2 バイトだけが計算に含まれ、それらは位置ごとに XOR で合成されます。そのため、互いに打ち消し合う変更は検出されません。</translation>
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
        <source>not reached</source>
        <translation>未到達</translation>
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
        <source>%1 of %2</source>
        <translation>%2 中 %1</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>なし：透かしのレコードを読み取る前に検査が停止しました</translation>
    </message>
</context>
</TS>
