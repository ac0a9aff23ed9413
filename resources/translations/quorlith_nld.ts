<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Over Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Verificatieresultaat</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Begintijd</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Eindtijd</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Serienr.</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Bestand(en) openen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Uit lijst verwijderen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Verificatie geslaagd</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Verificatie mislukt</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Totaal aantal bestanden</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Afbeeldingen en video's</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Verwerken van</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Het bestand bestaat niet.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Dit is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Het bestand kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>Het bestand is leeg of te klein voor een watermerkblok.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>De bestandsnaam eindigt niet op .jpg, .avi, .mp4 of .mxg.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>Het watermerkblok kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Geen watermerk gaat open met de ingebouwde recordersleutel: het bestand heeft geen watermerk, of het watermerk is met een andere sleutel gemaakt, of het is beschadigd.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>Het record van het watermerk heeft een markering die dit programma niet accepteert.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>De versie van het record in het watermerk is noch 1.0 noch 1.1.</translation>
    </message>
    <message>
        <source>The structure of the video does not lead to its content.</source>
        <translation>De structuur van de video leidt niet naar de inhoud.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>De inhoud komt niet overeen met de vingerafdruk in het watermerk: de inhoud is gewijzigd, of de vingerafdruk in het record heeft niet de verwachte vorm.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>De vingerafdruk beschermt slechts %1 van de %2 bytes van dit bestand.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>De uitkomst stond vast voordat er inhoud was gecontroleerd: ze staat voor geen enkele byte in.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>Bytes %1 tot en met %2, de containerkop vóór de beeldgegevens, zijn niet gedekt.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>Bytes %1 tot en met %2 zijn het watermerkblok van 512 bytes, geen inhoud.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>Recordversie 1.1 met vouwindex 0: geen enkele byte van de inhoud telt mee; de vingerafdruk hangt alleen af van de lengte van de inhoud, %1 bytes.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only the %2 whose position in the content modulo 64 is below %3 count, and they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Recordversie 1.1: van de %1 bytes inhoud tellen alleen de %2 mee waarvan de positie in de inhoud modulo 64 kleiner is dan %3, en die worden per positie met XOR gecombineerd, zodat wijzigingen die elkaar opheffen onopgemerkt blijven.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0 (recordversie 1.0: elke byte van de inhoud telt mee)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1 (recordversie 1.1: de inhoud wordt gevouwen, slechts een deel ervan telt mee)</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>niet bereikt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Volledig pad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Uitkomst</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reden</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Markering</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>Recordversie</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>Vingerafdruk in het record</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Tijdbron</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>MAC-adres van de camera</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>Vingerafdrukmodus</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>Beschermde bytes</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>Onbeschermde bytebereiken</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>geen: de controle stopte voordat het record van het watermerk was gelezen</translation>
    </message>
</context>
</TS>
