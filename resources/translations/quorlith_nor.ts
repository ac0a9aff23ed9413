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
        <source>The structure of the video does not lead to its content.</source>
        <translation>Videoens struktur fører ikke fram til innholdet.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Innholdet stemmer ikke med fingeravtrykket i vannmerket: det er endret, eller fingeravtrykket i posten har ikke den forventede formen.</translation>
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
        <source>Record version 1.1: of the %1 content bytes only the %2 whose position in the content modulo 64 is below %3 count, and they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Postversjon 1.1: av innholdets %1 byte teller bare de %2 der posisjonen i innholdet modulo 64 er mindre enn %3, og de kombineres med XOR posisjon for posisjon, så endringer som opphever hverandre, blir ikke oppdaget.</translation>
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
        <source>not reached</source>
        <translation>ikke nådd</translation>
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
        <source>%1 of %2</source>
        <translation>%1 av %2</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>ingen: kontrollen stoppet før vannmerkets post ble lest</translation>
    </message>
</context>
</TS>
