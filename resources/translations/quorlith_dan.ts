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
        <source>The structure of the video does not lead to its content.</source>
        <translation>Videoens struktur fører ikke frem til dens indhold.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Indholdet svarer ikke til fingeraftrykket i vandmærket: det er ændret, eller fingeraftrykket i posten har ikke den forventede form.</translation>
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
        <source>Record version 1.1: of the %1 content bytes only the %2 whose position in the content modulo 64 is below %3 count, and they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Postversion 1.1: af indholdets %1 bytes tæller kun de %2, hvis position i indholdet modulo 64 er mindre end %3, og de kombineres med XOR position for position, så ændringer, der ophæver hinanden, opdages ikke.</translation>
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
        <source>not reached</source>
        <translation>ikke nået</translation>
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
        <source>%1 of %2</source>
        <translation>%1 af %2</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>ingen: kontrollen stoppede, før vandmærkets post blev læst</translation>
    </message>
</context>
</TS>
