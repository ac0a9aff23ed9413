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
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>Videons containerstruktur (AVI, MP4 eller MXG) kan inte följas fram till innehållet.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Innehållet stämmer inte med fingeravtrycket i vattenstämpeln: det har ändrats, eller så har fingeravtrycket i posten inte den förväntade formen.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>Ett fel uppstod i datorn medan filen kontrollerades (minnet eller filreferenserna tog slut, eller disken rapporterade ett läsfel); om själva filen är ingenting känt. Kontrollera den igen.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>Ett annat program håller filen låst, så den kunde inte läsas; ingenting är känt om själva filen. Stäng det programmet och kontrollera filen igen.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>Den här mappen innehåller ingen fil som slutar på .jpg, .avi, .mp4 eller .mxg, så ingenting i den kontrollerades.</translation>
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
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Postversion 1.1: av innehållets %1 byte räknas bara %2, nämligen de vars position i innehållet modulo 64 är mindre än %3; de kombineras med XOR position för position, så ändringar som tar ut varandra märks inte.</translation>
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
        <source>not determined: the check stopped earlier</source>
        <translation>inte fastställt: kontrollen avbröts tidigare</translation>
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
        <source>%1 of %2 bytes</source>
        <translation>%1 av %2 byte</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>inga: kontrollen avbröts innan vattenstämpelns post lästes</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>Innehållet är av en annan typ än filnamnets ändelse säger: vattenstämpelblocket ligger där en annan filtyp har det. Har filen bytt namn?</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - Detaljer</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>inte beräknad: filen har ändrats sedan den kontrollerades</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>kan inte beräknas: filen kan inte läsas</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>Filen har ändrats sedan den kontrollerades: den är inte längre samma fil i samma tillstånd som då.</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>beräknas...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>beräknas... %1%</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>Kontrollrapport</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>Filerna en och en</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sida %1 av %2</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>Äkthet hos bevisfiler från kameraövervakning utifrån inspelarens vattenstämplar</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Dator</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>Vad ett utfall visar och vad det inte visar</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>Vattenstämpeln öppnades med en av nyckeluppsättningarna ovan, den som avsnittet om varje fil nämner, och fingeravtrycket i den stämmer med det som beräknats från filen. Fingeravtrycket täcker inte varje byte: avsnittet om varje fil nedan anger vilka byte det går i god för. Utfallet säger ingenting om huruvida inspelarens klocka gick rätt eller om vad bilderna visar.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>Programmet kunde inte bekräfta filen. Alla problem ger samma utfall. Det betyder bara att det inte går att visa att den här filen, så som den ligger på disken, är inspelarens oförändrade export. Ensamt bevisar det inte avsiktlig manipulation: en fil utan vattenstämpel, med en vattenstämpel skapad med en annan nyckel eller med en post som det här programmet inte känner till underkänns på samma sätt. Kontrollera en ny export från inspelaren eller en kopia från originalmediet innan slutsatser dras.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammanfattning</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>inte beräknad: filen är inte längre den som kontrollerades</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>inte tillgänglig: filen kunde inte läsas</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>Fingeravtrycket skyddar varje byte i den här filen utanför vattenstämpelblocket på 512 byte.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Täckning</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>Tillstånd när rapporten upprättades</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>I namn och postfält står \xNN för byten NN, som inte är giltig UTF-8 eller är ett styrtecken; \u{XXXX} för tecknet U+XXXX, som inte visar något eller ändrar hur texten runt det visas; \\ för ett omvänt snedstreck.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>Utfall i listan</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1: skiljer sig från utfallet ovan, som filen fick när den kontrollerades på nytt för den här rapporten.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>Samma som ovan: filen kontrollerades på nytt för den här rapporten.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>Granskat %1: enhet, inod, storlek, ändringstid och statusändringstid stämmer fortfarande med filen som kontrollerades.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>Granskat %1: enhet, inod, storlek, ändringstid eller statusändringstid skiljer sig från filen som kontrollerades, eller så är filen borta: filen har ändrats sedan den kontrollerades.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>Okänt: enhet, inod, storlek, ändringstid och statusändringstid registrerades inte när filen kontrollerades.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>Exportera rapport</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>Listan innehåller inga filer att exportera.</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>Exportera rapport...</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF-rapport (*.pdf)</translation>
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
        <translation>Exporten kunde inte skrivas till %1: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Skriver %1...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>Kontrollerar filerna på nytt och beräknar deras SHA-256-kontrollsummor...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>Rapporten skrevs till %1. Tecken som inget av dess typsnitt kan visa står i escapad form: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Rapporten skrevs till %1.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>Dess SHA-256 är %1.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>Filen %1 bredvid innehåller samma kontrollsumma för sha256sum -c.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>Dess SHA-256 kunde inte skrivas bredvid, i %1: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>Vid den nya kontrollen för den här exporten fick de här filerna ett annat utfall än listan visade; deras rader visar nu det nya utfallet:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... och %1 till.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>Självtestet av de beräkningar ett resultat vilar på misslyckades (%1): ingenting exporteras.</translation>
    </message>
</context>
<context>
    <name>ResultListMenu</name>
    <message>
        <source>Details...</source>
        <translation>Detaljer...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Öppna mappen med filen</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>Ingen filhanterare svarade, så mappen kan inte visas: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>Kontrollrapport skriven %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>Kontroll påbörjad</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>Kontroll avslutad</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>Rapport skriven</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Arbetsmapp</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Kommandorad</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>Mappar utan bevis</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>Sökvägar som inte finns</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1, %2 av %3 byte skyddade</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>ingen: detta är en mapp, inte en fil</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>ingen: ingenting finns under denna sökväg</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>Ej tillämpligt: en mapp som skulle genomsökas och där ingen fil som slutar på .jpg, .avi, .mp4 eller .mxg hittades.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>Ej tillämpligt: ingenting fanns under denna sökväg när den kontrollerades.</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>Ärende %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>Granskare %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Ärende</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>Beslag</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Granskare</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Anmärkning</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Underskrifter</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>Underskrifterna nedan avser hela rapport %1.</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>Granskare eller vittne</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Underskrift</translation>
    </message>
</context>
<context>
    <name>ReportIdentity</name>
    <message>
        <source>Report %1</source>
        <translation>Rapport %1</translation>
    </message>
</context>
<context>
    <name>ReportProvenance</name>
    <message>
        <source>File system, as read when verified</source>
        <translation>Filsystem, så som det lästes vid kontrollen</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>enhet %1, inod %2; ändrad %3 UTC; status ändrad %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Operativsystem</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Qt-version</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>Kryptobibliotek</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>Källkodsrevision</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>Start- och stopptiden i en post saknar tidszon: de kommer från inspelarens klocka så som dess tidskälla ställt den (postens fält för tidskälla), inte från den här datorns klocka.</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>Ärendeuppgifter</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>Ett beslag per rad</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>PDF-rapporten visar de här uppgifterna; CSV och JSON Lines innehåller dem inte. Granskare och organisation fylls i igen nästa gång; ärendenummer, beslag och anmärkning sparas inte.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Ärendenummer</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>Beslag</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Granskare</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Anmärkning</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>ReportFileFacts</name>
    <message>
        <source>Digest algorithm</source>
        <translation>Algoritm för fingeravtrycket</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>HMAC-MD5 med HMAC-nyckeln i nyckeluppsättningen som nämns ovan över innehållets MD5 (postversion 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>HMAC-MD5 med HMAC-nyckeln i nyckeluppsättningen som nämns ovan över innehållets XOR-vikning, avslutad med MD5:s avslutning (postversion 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>inte fastställd: kontrollen stannade innan postversionen lästes</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>Fingeravtryck beräknat ur filen</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>inte beräknat: kontrollen stannade innan hela innehållet hade lästs</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>Senaste åtkomst före kontrollen</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Ägare</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Behörigheter</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>Bilaga: vad mappsökningen utelämnade</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>Mappsökningen utelämnade ingenting.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>dold: namnet börjar med en punkt</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>en symbolisk länk, inte följd</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>namnet slutar inte på .jpg, .avi, .mp4 eller .mxg</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>Varje post i de angivna mapparna som sökningen inte tog med, och varför.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>en dold mapp, inte genomsökt: namnet börjar med en punkt; %1 filer under den har namn som en bevistyp</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>en mapp angiven mer än en gång eller under en annan angiven mapp: dess poster tas med en gång</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>en fil angiven mer än en gång eller även hittad i en angiven mapp: kontrollerad och listad en gång</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>Nyckeluppsättning</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (fingeravtryck %2)</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>ingen: kontrollen avbröts innan en nyckeluppsättning öppnade vattenstämpelblocket</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>ingen: den enda nyckeluppsättning som prövades öppnade inte vattenstämpelblocket</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>ingen: ingen av de %1 nyckeluppsättningar som prövades öppnade vattenstämpelblocket</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Ingen vattenstämpel kan öppnas med den enda nyckeluppsättning som prövades: filen saknar vattenstämpel, eller så skapades vattenstämpeln med en annan nyckel, eller så är den skadad.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>Ingen vattenstämpel kan öppnas med någon av de %1 nyckeluppsättningar som prövades: filen saknar vattenstämpel, eller så skapades vattenstämpeln med en nyckel som ingen av dem innehåller, eller så är den skadad.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>Vattenstämpelblocket öppnades med nyckeluppsättningen %1.</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>Nyckeluppsättning %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>fingeravtryck %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>inbyggd i programmet; RSA-modulus på %1 bitar</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>systemets nyckelmapp: %1 (filens SHA-256 %2); RSA-modulus på %3 bitar</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>användarens nyckelmapp: %1 (filens SHA-256 %2); RSA-modulus på %3 bitar</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>angiven med --keys: %1 (filens SHA-256 %2); RSA-modulus på %3 bitar</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>Nyckelfilen lästes inte in</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... och %1 till.</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>Fildialogen kan inte visa de här filerna i mappen %1 som de är, eller kan inte lämna tillbaka dem, eftersom deras namn innehåller byte som inte är UTF-8-text, radbrytningar eller tecken som ändrar textens ordning:</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>”%1” lägger till dem, och det gör också att dra dem från en filhanterare till fönstret.</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>I sökvägar är \xNN och \u{XXXX} escape-sekvenser som ovan, och varje annat \ skiljer mappar åt.</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>Angiven mapp</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>Inte i den här rapporten</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>borttagen ur listan av granskaren</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>inte kontrollerad: körningen avbröts innan filen stod på tur</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>inte kontrollerad: väntade fortfarande på sin tur när rapporten gjordes</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>inte kontrollerad: när filen stod på tur fanns ingen fil med det namnet</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>kontrollerad och i listan, men inte bland raderna som valdes för den här rapporten</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>Mappsökningen tog med varje post, men den här rapporten innehåller inte alla filer den hittade: den föregående bilagan nämner de övriga.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>Bilaga: överlämnade filer som inte finns i den här rapporten</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>Varje fil som lämnades för kontroll, angiven med namn eller hittad av en mappsökning, som den här rapporten inte innehåller, och varför.</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Mappen kan inte läsas: %1.</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>Posten kan inte undersökas: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Filen kan inte läsas: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>Rapportens plats</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>Den här rapporten ligger i %1, en mapp som kontrolleras: en senare kontroll av mappen hittar den bland posterna den inte tar med.</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>helt skyddade</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>delvis skyddade</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>inget skyddat</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>Åtkomsttid</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>bevarad: filen lästes utan att dess senaste åtkomsttid ändrades</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>kan ha ändrats: systemet lät inte det här programmet läsa filen utan att ändra dess senaste åtkomsttid</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>Användare</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Tidszon</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>Validering av verktyget</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>godkänd i början av denna kontroll: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), vikningen i version 1.1 och den publika RSA-operationen gav sina kända svar</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>MISSLYCKADES i början av denna kontroll: %1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>SHA-256 vid rapporten</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>inte beräknad: filen kunde inte läsas</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, samma som vid kontrollen</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1: skiljer sig från SHA-256 vid kontrollen, så innehållet har ändrats efter kontrollen</translation>
    </message>
</context>
</TS>
