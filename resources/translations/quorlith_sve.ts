<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Om Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Med ensamrätt.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Autentiseringsresultat</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Sluttid</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Serienr</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Öppna fil(er)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Öppna mapp</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Ta bort fil(er)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Autentisering godkänd</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Autentisering underkänd</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Totalt antal filer</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Bilder och videor</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Bearbetar</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Filen finns inte.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Detta är inte en vanlig fil.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Filen kan inte läsas.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>Filen är tom eller för liten för att rymma ett vattenstämpelblock.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>Filnamnet slutar inte på .jpg, .avi, .mp4 eller .mxg.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>Vattenstämpelblocket kan inte läsas.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Ingen vattenstämpel kan öppnas med den inbyggda inspelarnyckeln: filen saknar vattenstämpel, eller så skapades vattenstämpeln med en annan nyckel, eller så är den skadad.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>Vattenstämpelns post har en märkning som det här programmet inte godtar.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>Versionen av vattenstämpelns post är varken 1.0 eller 1.1.</translation>
    </message>
    <message>
        <source>The structure of the video does not lead to its content.</source>
        <translation>Videons struktur leder inte fram till dess innehåll.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Innehållet stämmer inte med fingeravtrycket i vattenstämpeln: det har ändrats, eller så har fingeravtrycket i posten inte den förväntade formen.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>Fingeravtrycket skyddar bara %1 av filens %2 byte.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>Utfallet stod fast innan något innehåll kontrollerades: det går inte i god för en enda byte.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>Byte %1 till %2, containerhuvudet före bilddata, täcks inte.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>Byte %1 till %2 är vattenstämpelblocket på 512 byte, inte innehåll.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>Postversion 1.1 med vikningsindex 0: ingen byte av innehållet räknas; fingeravtrycket beror enbart på innehållets längd på %1 byte.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only the %2 whose position in the content modulo 64 is below %3 count, and they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Postversion 1.1: av innehållets %1 byte räknas bara de %2 vars position i innehållet modulo 64 är mindre än %3, och de kombineras med XOR position för position, så ändringar som tar ut varandra märks inte.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0 (postversion 1.0: varje byte av innehållet räknas)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1 (postversion 1.1: innehållet viks, bara en del av det räknas)</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>inte nått</translation>
    </message>
    <message>
        <source>none</source>
        <translation>inga</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Fullständig sökväg</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Storlek</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Utfall</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Orsak</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Märkning</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>Postversion</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>Fingeravtryck i posten</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Tidskälla</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>Kamerans MAC-adress</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>Fingeravtrycksläge</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>Skyddade byte</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>Oskyddade byteintervall</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Anteckningar</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>okänd</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 av %2</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>inga: kontrollen avbröts innan vattenstämpelns post lästes</translation>
    </message>
</context>
</TS>
