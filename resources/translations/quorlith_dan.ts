<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK" sourcelanguage="en_US">
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
        <translation>Copyright (C) %1 Trevalon Inc. Alle rettigheder forbeholdes.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Filnavn</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Godkendelsesresultat</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Starttidspunkt</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Sluttidspunkt</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Serienr.</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Åbn fil(er)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Åbn mappe</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Fjern fil(er)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Godkendelse lykkedes</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Godkendelse mislykkedes</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Filer i alt</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Billeder og videoer</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Behandler</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Filen findes ikke.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Dette er ikke en almindelig fil.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Filen kan ikke læses.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>Filen er tom eller for lille til at rumme en vandmærkeblok.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>Filnavnet ender ikke på .jpg, .avi, .mp4 eller .mxg.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>Vandmærkeblokken kan ikke læses.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Intet vandmærke kan åbnes med den indbyggede optagernøgle: filen har intet vandmærke, eller vandmærket er lavet med en anden nøgle, eller det er beskadiget.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>Vandmærkets post har et mærke, som dette program ikke accepterer.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>Versionen af vandmærkets post er hverken 1.0 eller 1.1.</translation>
    </message>
    <message>
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>Videoens containerstruktur (AVI, MP4 eller MXG) kan ikke følges frem til indholdet.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Indholdet svarer ikke til fingeraftrykket i vandmærket: det er ændret, eller fingeraftrykket i posten har ikke den forventede form.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>Computeren svigtede, mens filen blev kontrolleret (der var ikke mere hukommelse eller flere filhåndtag, eller disken meldte en læsefejl); om selve filen vides intet. Kontrollér den igen.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>Et andet program holder filen låst, så den kunne ikke læses; der vides intet om selve filen. Luk det program, og kontrollér filen igen.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>Denne mappe indeholder ingen fil, der ender på .jpg, .avi, .mp4 eller .mxg, så intet i den blev kontrolleret.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>Fingeraftrykket beskytter kun %1 af filens %2 bytes.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>Resultatet lå fast, før noget indhold blev kontrolleret: det står ikke inde for en eneste byte.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>Bytes %1 til %2, containerens header før billeddataene, er ikke dækket.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>Bytes %1 til %2 er vandmærkeblokken på 512 bytes, ikke indhold.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>Postversion 1.1 med foldningsindeks 0: ingen byte af indholdet tæller; fingeraftrykket afhænger kun af indholdets længde på %1 bytes.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Postversion 1.1: af indholdets %1 bytes tæller kun %2, nemlig dem, hvis position i indholdet modulo 64 er mindre end %3; de kombineres med XOR position for position, så ændringer, der ophæver hinanden, opdages ikke.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0 (postversion 1.0: hver byte af indholdet tæller)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1 (postversion 1.1: indholdet foldes, kun en del af det tæller)</translation>
    </message>
    <message>
        <source>not determined: the check stopped earlier</source>
        <translation>ikke fastlagt: kontrollen stoppede tidligere</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ingen</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Fuld sti</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Årsag</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Mærke</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>Postversion</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>Fingeraftryk i posten</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Tidskilde</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>Kameraets MAC-adresse</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>Fingeraftrykstilstand</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>Beskyttede bytes</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>Ubeskyttede byteområder</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Bemærkninger</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>ukendt</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 af %2 bytes</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>ingen: kontrollen stoppede, før vandmærkets post blev læst</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>Indholdet er af en anden type, end filnavnets endelse siger: vandmærkeblokken ligger, hvor en anden filtype har den. Er filen blevet omdøbt?</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Kopiér</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - Detaljer</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>ikke beregnet: filen er ændret, efter at den blev kontrolleret</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>kan ikke beregnes: filen kan ikke læses</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>Filen er ændret, efter at den blev kontrolleret: den er ikke længere den samme fil i samme tilstand som dengang.</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>beregnes...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>beregnes... %1%</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>Kontrolrapport</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>Filerne én for én</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Side %1 af %2</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>Ægthed af bevisfiler fra videoovervågning ud fra optagerens vandmærker</translation>
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
        <translation>Hvad et resultat viser, og hvad det ikke viser</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>Vandmærket blev åbnet med et af nøglesættene ovenfor, det, som afsnittet om hver fil nævner, og fingeraftrykket i det svarer til det, der er beregnet ud fra filen. Fingeraftrykket dækker ikke hver byte: afsnittet om hver fil nedenfor angiver, hvilke bytes det står inde for. Resultatet siger intet om, hvorvidt optagerens ur gik rigtigt, eller om hvad billederne viser.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>Programmet kunne ikke bekræfte filen. Ethvert problem giver dette samme resultat. Det betyder kun, at det ikke kan påvises, at denne fil, som den ligger på disken, er optagerens uændrede eksport. Alene beviser det ikke bevidst manipulation: en fil uden vandmærke, med et vandmærke lavet med en anden nøgle eller med en post, som dette program ikke kender, fejler på samme måde. Kontrollér en ny eksport fra optageren eller en kopi fra det originale medie, før der drages konklusioner.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Oversigt</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>ikke beregnet: filen er ikke længere den, der blev kontrolleret</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>ikke tilgængelig: filen kunne ikke læses</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>Fingeraftrykket beskytter hver byte i denne fil uden for vandmærkeblokken på 512 bytes.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Dækning</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>Tilstand på rapporttidspunktet</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>I navne og postfelter står \xNN for byten NN, som ikke er gyldig UTF-8 eller er et kontroltegn; \u{XXXX} for tegnet U+XXXX, som ikke viser noget eller ændrer, hvordan teksten omkring det vises; \\ for en omvendt skråstreg.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>Resultat i listen</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1: afviger fra resultatet ovenfor, som filen fik, da den blev kontrolleret igen til denne rapport.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>Det samme som ovenfor: filen blev kontrolleret igen til denne rapport.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>Tjekket %1: enhed, inode, størrelse, ændringstidspunkt og tidspunkt for statusændring svarer stadig til den fil, der blev kontrolleret.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>Tjekket %1: enhed, inode, størrelse, ændringstidspunkt eller tidspunkt for statusændring afviger fra den fil, der blev kontrolleret, eller filen er væk: filen er ændret, efter at den blev kontrolleret.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>Ukendt: enhed, inode, størrelse, ændringstidspunkt og tidspunkt for statusændring blev ikke registreret, da filen blev kontrolleret.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>Eksportér rapport</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>Listen indeholder ingen filer at eksportere.</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>Eksportér rapport...</translation>
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
        <translation>Eksporten kunne ikke skrives til %1: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Skriver %1...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>Kontrollerer filerne igen og beregner deres SHA-256-værdier...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>Rapporten blev skrevet til %1. Tegn, som ingen af dens skrifttyper kan vise, står i deres escapede form: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Rapporten blev skrevet til %1.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>Dens SHA-256 er %1.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>Filen %1 ved siden af den indeholder samme tjeksum til sha256sum -c.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>Dens SHA-256 kunne ikke skrives ved siden af den i %1: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>Ved den nye kontrol til denne eksport fik disse filer et andet resultat, end listen viste; deres rækker viser nu det nye resultat:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... og %1 til.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>Selvtesten af de beregninger, et resultat bygger på, mislykkedes (%1): intet eksporteres.</translation>
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
        <translation>Kopiér</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Åbn mappen med filen</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>Ingen filhåndtering svarede, så mappen kan ikke vises: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>Kontrolrapport skrevet %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>Kontrol påbegyndt</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>Kontrol afsluttet</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>Rapport skrevet</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Arbejdsmappe</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Kommandolinje</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>Mapper uden bevismateriale</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>Stier, der ikke findes</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1, %2 af %3 byte beskyttet</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>ingen: dette er en mappe, ikke en fil</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>ingen: intet findes under denne sti</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>Ikke relevant: en mappe, der skulle gennemsøges, og hvor der ikke blev fundet nogen fil, der ender på .jpg, .avi, .mp4 eller .mxg.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>Ikke relevant: intet fandtes under denne sti, da den blev kontrolleret.</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>Sag %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>Undersøger %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Sag</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>Bevis</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Undersøger</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Bemærkning</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Underskrifter</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>Underskrifterne nedenfor gælder hele rapport %1.</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>Kontrollant eller vidne</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dato</translation>
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
        <translation>Filsystem, som læst ved kontrollen</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>enhed %1, inode %2; ændret %3 UTC; status ændret %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Styresystem</translation>
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
        <translation>Kildekoderevision</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>Start- og sluttidspunktet i en post har ingen tidszone: de kommer fra optagerens ur, som dens tidskilde har stillet det (postens felt for tidskilde), ikke fra denne computers ur.</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>Sagsoplysninger</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>Ét bevis pr. linje</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>PDF-rapporten viser disse oplysninger; CSV og JSON Lines indeholder dem ikke. Undersøger og organisation foreslås igen næste gang; sagsnummer, beviser og bemærkning gemmes ikke.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Sagsnummer</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>Beviser</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Undersøger</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Bemærkning</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsæt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>ReportFileFacts</name>
    <message>
        <source>Digest algorithm</source>
        <translation>Fingeraftryksalgoritme</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>HMAC-MD5 med HMAC-nøglen fra nøglesættet nævnt ovenfor over indholdets MD5 (postversion 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>HMAC-MD5 med HMAC-nøglen fra nøglesættet nævnt ovenfor over indholdets XOR-foldning, afsluttet med MD5&apos;s afslutning (postversion 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>ikke fastlagt: kontrollen stoppede, før postversionen blev læst</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>Fingeraftryk beregnet ud fra filen</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>ikke beregnet: kontrollen stoppede, før hele indholdet var læst</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>Seneste adgang før kontrollen</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Ejer</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Rettigheder</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>Bilag: hvad mappesøgningen udelod</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>Mappesøgningen udelod intet.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>skjult: navnet begynder med et punktum</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>et symbolsk link, ikke fulgt</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>navnet ender ikke på .jpg, .avi, .mp4 eller .mxg</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>Hver post i de angivne mapper, som søgningen ikke tog med, og hvorfor.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>en skjult mappe, ikke gennemsøgt: navnet begynder med et punktum; %1 filer under den har navn som en bevistype</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>en mappe angivet mere end én gang eller under en anden angivet mappe: dens poster tages med én gang</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>en fil angivet mere end én gang eller også fundet i en angivet mappe: kontrolleret og vist én gang</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>Nøglesæt</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (fingeraftryk %2)</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>intet: kontrollen stoppede, før et nøglesæt åbnede vandmærkeblokken</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>intet: det ene afprøvede nøglesæt åbnede ikke vandmærkeblokken</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>intet: ingen af de %1 afprøvede nøglesæt åbnede vandmærkeblokken</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Intet vandmærke kan åbnes med det ene afprøvede nøglesæt: filen har intet vandmærke, eller vandmærket er lavet med en anden nøgle, eller det er beskadiget.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>Intet vandmærke kan åbnes med nogen af de %1 afprøvede nøglesæt: filen har intet vandmærke, eller vandmærket er lavet med en nøgle, som ingen af dem indeholder, eller det er beskadiget.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>Vandmærkeblokken blev åbnet med nøglesættet %1.</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>Nøglesæt %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>fingeraftryk %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>indbygget i programmet; RSA-modulus på %1 bit</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>systemets nøglemappe: %1 (filens SHA-256 %2); RSA-modulus på %3 bit</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>brugerens nøglemappe: %1 (filens SHA-256 %2); RSA-modulus på %3 bit</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>angivet med --keys: %1 (filens SHA-256 %2); RSA-modulus på %3 bit</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>Nøglefil ikke indlæst</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... og %1 til.</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>Fildialogen kan ikke vise disse filer i mappen %1, som de er, eller kan ikke returnere dem, fordi deres navne indeholder bytes, der ikke er UTF-8-tekst, linjeskift eller tegn, der ændrer tekstens rækkefølge:</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>"%1" tilføjer dem, og det gør det også at trække dem fra en filhåndtering over i vinduet.</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>I stier er \xNN og \u{XXXX} escape-sekvenser som ovenfor, og enhver anden \ adskiller mapper.</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>Angivet mappe</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>Ikke i denne rapport</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>fjernet fra listen af undersøgeren</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>ikke kontrolleret: kørslen blev annulleret, før filen var på tur</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>ikke kontrolleret: ventede stadig på sin tur, da rapporten blev lavet</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>ikke kontrolleret: da filen var på tur, fandtes der ingen fil med det navn</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>kontrolleret og på listen, men ikke blandt de rækker, der blev valgt til denne rapport</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>Mappesøgningen tog alle poster med, men denne rapport indeholder ikke alle de filer, den fandt: det foregående bilag nævner de øvrige.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>Bilag: afleverede filer, som ikke er i denne rapport</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>Hver fil, der blev afleveret til kontrol, angivet ved navn eller fundet ved en mappesøgning, som denne rapport ikke indeholder, og hvorfor.</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Mappen kan ikke læses: %1.</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>Posten kan ikke undersøges: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Filen kan ikke læses: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>Rapportens placering</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>Denne rapport ligger i %1, en mappe, der kontrolleres: en senere kontrol af mappen finder den blandt de poster, den ikke tager med.</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>fuldt beskyttet</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>delvis beskyttet</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>intet beskyttet</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>Adgangstidspunkt</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>bevaret: filen blev læst uden at ændre dens seneste adgangstidspunkt</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>kan være ændret: systemet lod ikke dette program læse filen uden at ændre dens seneste adgangstidspunkt</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>Bruger</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Tidszone</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>Validering af værktøjet</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>bestået ved starten af denne kontrol: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), foldningen i version 1.1 og den offentlige RSA-operation gav deres kendte svar</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>MISLYKKEDES ved starten af denne kontrol: %1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>SHA-256 ved rapporten</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>ikke beregnet: filen kunne ikke læses</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, den samme som ved kontrollen</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1: afviger fra SHA-256 ved kontrollen, så indholdet er ændret efter kontrollen</translation>
    </message>
</context>
</TS>
