<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en_US">
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
        <translation>Copyright (C) %1 Trevalon Inc. Med enerett.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Filnavn</translation>
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
        <translation>Serienr.</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Åpne fil(er)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Åpne mappe</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Fjern fil(er)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Autentisering vellykket</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Autentisering mislyktes</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Filer totalt</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Bilder og videoer</translation>
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
        <translation>Filen finnes ikke.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Dette er ikke en vanlig fil.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Filen kan ikke leses.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>Filen er tom eller for liten til å romme en vannmerkeblokk.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>Filnavnet slutter ikke på .jpg, .avi, .mp4 eller .mxg.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>Vannmerkeblokken kan ikke leses.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Ingen vannmerker kan åpnes med den innebygde opptakernøkkelen: filen har ikke noe vannmerke, eller vannmerket er laget med en annen nøkkel, eller det er skadet.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>Vannmerkets post har et merke som dette programmet ikke godtar.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>Versjonen av vannmerkets post er verken 1.0 eller 1.1.</translation>
    </message>
    <message>
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>Videoens containerstruktur (AVI, MP4 eller MXG) kan ikke følges fram til innholdet.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Innholdet stemmer ikke med fingeravtrykket i vannmerket: det er endret, eller fingeravtrykket i posten har ikke den forventede formen.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>Datamaskinen sviktet mens filen ble kontrollert (det var ikke mer minne eller flere filhåndtak igjen, eller disken meldte en lesefeil); om selve filen vet man ingenting. Kontroller den på nytt.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>Et annet program holder filen låst, så den kunne ikke leses; ingenting er kjent om selve filen. Lukk det programmet og kontroller filen på nytt.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>Denne mappen inneholder ingen fil som slutter på .jpg, .avi, .mp4 eller .mxg, så ingenting i den ble kontrollert.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>Fingeravtrykket beskytter bare %1 av filens %2 byte.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>Resultatet var klart før noe innhold ble kontrollert: det går ikke god for en eneste byte.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>Byte %1 til %2, containerhodet foran bildedataene, er ikke dekket.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>Byte %1 til %2 er vannmerkeblokken på 512 byte, ikke innhold.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>Postversjon 1.1 med foldingsindeks 0: ingen byte av innholdet teller; fingeravtrykket avhenger bare av innholdets lengde på %1 byte.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Postversjon 1.1: av innholdets %1 byte teller bare %2, nemlig de der posisjonen i innholdet modulo 64 er mindre enn %3; de kombineres med XOR posisjon for posisjon, så endringer som opphever hverandre, blir ikke oppdaget.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0 (postversjon 1.0: hver byte av innholdet teller)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1 (postversjon 1.1: innholdet foldes, bare en del av det teller)</translation>
    </message>
    <message>
        <source>not determined: the check stopped earlier</source>
        <translation>ikke fastslått: kontrollen stoppet tidligere</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ingen</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Fullstendig bane</translation>
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
        <translation>Årsak</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Merke</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>Postversjon</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>Fingeravtrykk i posten</translation>
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
        <translation>Fingeravtrykksmodus</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>Beskyttede byte</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>Ubeskyttede byteområder</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Merknader</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>ukjent</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 av %2 byte</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>ingen: kontrollen stoppet før vannmerkets post ble lest</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>Innholdet er av en annen type enn filnavnets endelse sier: vannmerkeblokken ligger der en annen filtype har den. Har filen fått nytt navn?</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - Detaljer</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>ikke beregnet: filen er endret etter at den ble kontrollert</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>kan ikke beregnes: filen kan ikke leses</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>Filen er endret etter at den ble kontrollert: den er ikke lenger den samme filen i samme tilstand som da.</translation>
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
        <translation>Kontrollrapport</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>Filene én for én</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Side %1 av %2</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>Ekthet av bevisfiler fra videoovervåking ut fra opptakerens vannmerker</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Datamaskin</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>Hva et resultat viser, og hva det ikke viser</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>Vannmerket ble åpnet med ett av nøkkelsettene ovenfor, det som avsnittet om hver fil nevner, og fingeravtrykket i det stemmer med det som er beregnet ut fra filen. Fingeravtrykket dekker ikke hver byte: avsnittet om hver fil nedenfor angir hvilke byte det går god for. Resultatet sier ingenting om hvorvidt opptakerens klokke gikk riktig, eller om hva bildene viser.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>Programmet kunne ikke bekrefte filen. Alle problemer gir dette samme resultatet. Det betyr bare at det ikke kan påvises at denne filen, slik den ligger på disken, er opptakerens uendrede eksport. Alene beviser det ikke bevisst manipulering: en fil uten vannmerke, med et vannmerke laget med en annen nøkkel eller med en post som dette programmet ikke kjenner, mislykkes på samme måte. Kontroller en ny eksport fra opptakeren eller en kopi fra det originale mediet før det trekkes konklusjoner.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammendrag</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>ikke beregnet: filen er ikke lenger den som ble kontrollert</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>ikke tilgjengelig: filen kunne ikke leses</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>Fingeravtrykket beskytter hver byte i denne filen utenfor vannmerkeblokken på 512 byte.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Dekning</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>Tilstand da rapporten ble utarbeidet</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>I navn og postfelt står \xNN for byten NN, som ikke er gyldig UTF-8 eller er et kontrolltegn; \u{XXXX} for tegnet U+XXXX, som ikke viser noe eller endrer hvordan teksten rundt vises; \\ for en omvendt skråstrek.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>Resultat i listen</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1: avviker fra resultatet ovenfor, som filen fikk da den ble kontrollert på nytt for denne rapporten.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>Det samme som ovenfor: filen ble kontrollert på nytt for denne rapporten.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>Sjekket %1: enhet, inode, størrelse, endringstidspunkt og tidspunkt for statusendring stemmer fortsatt med filen som ble kontrollert.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>Sjekket %1: enhet, inode, størrelse, endringstidspunkt eller tidspunkt for statusendring avviker fra filen som ble kontrollert, eller filen er borte: filen er endret etter at den ble kontrollert.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>Ukjent: enhet, inode, størrelse, endringstidspunkt og tidspunkt for statusendring ble ikke registrert da filen ble kontrollert.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>Eksporter rapport</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>Listen inneholder ingen filer å eksportere.</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>Eksporter rapport...</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Skriver %1...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>Kontrollerer filene på nytt og beregner SHA-256-sjekksummene deres...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>Rapporten ble skrevet til %1. Tegn som ingen av skriftene kan vise, står i escapet form: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Rapporten ble skrevet til %1.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>SHA-256-verdien er %1.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>Filen %1 ved siden av inneholder den samme verdien for sha256sum -c.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>SHA-256-verdien kunne ikke skrives ved siden av, i %1: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>Ved den nye kontrollen for denne eksporten fikk disse filene et annet resultat enn listen viste; radene deres viser nå det nye resultatet:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... og %1 til.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>Selvtesten av beregningene et resultat bygger på, mislyktes (%1): ingenting eksporteres.</translation>
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
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Åpne mappen med filen</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>Ingen filbehandler svarte, så mappen kan ikke vises: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>Kontrollrapport skrevet %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>Kontroll startet</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>Kontroll avsluttet</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>Rapport skrevet</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Arbeidsmappe</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Kommandolinje</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>Mapper uten bevis</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>Stier som ikke finnes</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1, %2 av %3 byte beskyttet</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>ingen: dette er en mappe, ikke en fil</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>ingen: ingenting finnes under denne stien</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>Ikke relevant: en mappe som skulle gjennomsøkes, der ingen fil som slutter på .jpg, .avi, .mp4 eller .mxg ble funnet.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>Ikke relevant: ingenting fantes under denne stien da den ble kontrollert.</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>Sak %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>Undersøker %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Sak</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>Bevis</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Undersøker</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisasjon</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Merknad</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Underskrifter</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>Underskriftene nedenfor gjelder hele rapport %1.</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>Kontrollør eller vitne</translation>
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
        <translation>Filsystem, slik det ble lest ved kontrollen</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>enhet %1, inode %2; endret %3 UTC; status endret %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Operativsystem</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Qt-versjon</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>Kryptobibliotek</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>Kildekoderevisjon</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>Start- og sluttidspunktet i en post har ingen tidssone: de kommer fra opptakerens klokke, slik tidskilden har stilt den (postens felt for tidskilde), ikke fra denne datamaskinens klokke.</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>Saksopplysninger</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>Ett bevis per linje</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>PDF-rapporten viser disse opplysningene; CSV og JSON Lines inneholder dem ikke. Undersøker og organisasjon foreslås igjen neste gang; saksnummer, bevis og merknad lagres ikke.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Saksnummer</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>Bevis</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Undersøker</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisasjon</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Merknad</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
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
        <translation>Algoritme for fingeravtrykket</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>HMAC-MD5 med HMAC-nøkkelen fra nøkkelsettet nevnt ovenfor over innholdets MD5 (postversjon 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>HMAC-MD5 med HMAC-nøkkelen fra nøkkelsettet nevnt ovenfor over innholdets XOR-folding, avsluttet med MD5-avslutningen (postversjon 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>ikke fastslått: kontrollen stoppet før postversjonen ble lest</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>Fingeravtrykk beregnet fra filen</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>ikke beregnet: kontrollen stoppet før hele innholdet var lest</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>Siste tilgang før kontrollen</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eier</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Tillatelser</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>Vedlegg: hva mappesøket utelot</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>Mappesøket utelot ingenting.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>skjult: navnet begynner med et punktum</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>en symbolsk lenke, ikke fulgt</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>navnet ender ikke på .jpg, .avi, .mp4 eller .mxg</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>Hver oppføring i de oppgitte mappene som søket ikke tok med, og hvorfor.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>en skjult mappe, ikke gjennomsøkt: navnet begynner med et punktum; %1 filer under den har navn som en bevistype</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>en mappe oppgitt mer enn én gang eller under en annen oppgitt mappe: oppføringene tas med én gang</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>en fil oppgitt mer enn én gang eller også funnet i en oppgitt mappe: kontrollert og vist én gang</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>Nøkkelsett</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (fingeravtrykk %2)</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>ingen: kontrollen stoppet før et nøkkelsett åpnet vannmerkeblokken</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>ingen: det ene nøkkelsettet som ble prøvd, åpnet ikke vannmerkeblokken</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>ingen: ingen av de %1 nøkkelsettene som ble prøvd, åpnet vannmerkeblokken</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Ingen vannmerker kan åpnes med det ene nøkkelsettet som ble prøvd: filen har ikke noe vannmerke, eller vannmerket er laget med en annen nøkkel, eller det er skadet.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>Ingen vannmerker kan åpnes med noen av de %1 nøkkelsettene som ble prøvd: filen har ikke noe vannmerke, eller vannmerket er laget med en nøkkel som ingen av dem inneholder, eller det er skadet.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>Vannmerkeblokken ble åpnet med nøkkelsettet %1.</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>Nøkkelsett %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>fingeravtrykk %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>innebygd i programmet; RSA-modulus på %1 bit</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>systemets nøkkelmappe: %1 (filens SHA-256 %2); RSA-modulus på %3 bit</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>brukerens nøkkelmappe: %1 (filens SHA-256 %2); RSA-modulus på %3 bit</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>angitt med --keys: %1 (filens SHA-256 %2); RSA-modulus på %3 bit</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>Nøkkelfil ikke lastet inn</translation>
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
        <translation>Fildialogen kan ikke vise disse filene i mappen %1 slik de er, eller kan ikke gi dem tilbake, fordi navnene inneholder byte som ikke er UTF-8-tekst, linjeskift eller tegn som endrer rekkefølgen i teksten:</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>«%1» legger dem til, og det gjør også å dra dem fra en filbehandler over i vinduet.</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>I stier er \xNN og \u{XXXX} escape-sekvenser som ovenfor, og enhver annen \ skiller mapper.</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>Oppgitt mappe</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>Ikke i denne rapporten</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>fjernet fra listen av den som undersøker</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>ikke kontrollert: kjøringen ble avbrutt før filen var for tur</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>ikke kontrollert: ventet fortsatt på tur da rapporten ble laget</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>ikke kontrollert: da filen var for tur, fantes det ingen fil med det navnet</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>kontrollert og i listen, men ikke blant radene som ble valgt for denne rapporten</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>Mappesøket tok med alle oppføringer, men denne rapporten inneholder ikke alle filene det fant: det forrige vedlegget nevner de øvrige.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>Vedlegg: overleverte filer som ikke er i denne rapporten</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>Hver fil som ble overlevert til kontroll, oppgitt ved navn eller funnet ved et mappesøk, som denne rapporten ikke inneholder, og hvorfor.</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Mappen kan ikke leses: %1.</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>Oppføringen kan ikke undersøkes: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Filen kan ikke leses: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>Rapportens plassering</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>Denne rapporten ligger i %1, en mappe som kontrolleres: en senere kontroll av mappen finner den blant oppføringene den ikke tar med.</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>fullt beskyttet</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>delvis beskyttet</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>ingenting beskyttet</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>Tilgangstidspunkt</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>beholdt: filen ble lest uten å endre siste tilgangstidspunkt</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>kan være endret: systemet lot ikke dette programmet lese filen uten å endre siste tilgangstidspunkt</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>Bruker</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Tidssone</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>Validering av verktøyet</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>bestått ved starten av denne kontrollen: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), foldingen i versjon 1.1 og den offentlige RSA-operasjonen ga sine kjente svar</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>MISLYKTES ved starten av denne kontrollen: %1</translation>
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
        <translation>ikke beregnet: filen kunne ikke leses</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, den samme som ved kontrollen</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1: avviker fra SHA-256 ved kontrollen, så innholdet er endret etter kontrollen</translation>
    </message>
</context>
</TS>
