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
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>De containerstructuur van de video (AVI, MP4 of MXG) kan niet tot aan de inhoud worden gevolgd.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>De inhoud komt niet overeen met de vingerafdruk in het watermerk: de inhoud is gewijzigd, of de vingerafdruk in het record heeft niet de verwachte vorm.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>De computer faalde tijdens de controle van het bestand (er was geen geheugen of geen bestandshandle meer vrij, of de schijf meldde een leesfout); over het bestand zelf is niets bekend. Controleer het opnieuw.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>Een ander programma houdt het bestand vergrendeld, zodat het niet kon worden gelezen; over het bestand zelf is niets bekend. Sluit dat programma en controleer het bestand opnieuw.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>Deze map bevat geen bestand dat op .jpg, .avi, .mp4 of .mxg eindigt, dus er is niets in gecontroleerd.</translation>
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
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Recordversie 1.1: van de %1 bytes inhoud tellen er maar %2 mee, die waarvan de positie in de inhoud modulo 64 kleiner is dan %3; ze worden per positie met XOR gecombineerd, zodat wijzigingen die elkaar opheffen onopgemerkt blijven.</translation>
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
        <source>not determined: the check stopped earlier</source>
        <translation>niet bepaald: de controle stopte eerder</translation>
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
        <source>%1 of %2 bytes</source>
        <translation>%1 van %2 bytes</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>geen: de controle stopte voordat het record van het watermerk was gelezen</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>De inhoud is van een ander type dan het einde van de bestandsnaam aangeeft: het watermerkblok staat waar een ander bestandstype het bewaart. Is het bestand hernoemd?</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - Details</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>niet berekend: het bestand is na de verificatie gewijzigd</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>kan niet worden berekend: het bestand kan niet worden gelezen</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>Het bestand is na de verificatie gewijzigd: het is niet meer hetzelfde bestand in dezelfde staat als toen.</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>wordt berekend...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>wordt berekend... %1%</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>Verificatierapport</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>De bestanden een voor een</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>Echtheid van bewijsbestanden uit camerabewaking aan de hand van de watermerken van hun recorders</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>Wat een uitkomst wel en niet aantoont</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>Het watermerk ging open met een van de hierboven vermelde sleutelsets, de set die het blok van elk bestand noemt, en de vingerafdruk erin komt overeen met de vingerafdruk die uit het bestand is berekend. De vingerafdruk dekt niet elke byte: het blok van elk bestand hieronder vermeldt voor welke bytes hij instaat. De uitkomst zegt niets over de vraag of de klok van de recorder gelijk liep, en niets over wat de beelden tonen.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>Het programma kon het bestand niet bevestigen. Elk probleem geeft dezelfde uitkomst. Die betekent alleen dat van dit bestand, zoals het op de schijf staat, niet kan worden aangetoond dat het de ongewijzigde export van de recorder is. Op zichzelf bewijst ze geen opzettelijke manipulatie: een bestand zonder watermerk, met een watermerk dat met een andere sleutel is gemaakt of met een record dat dit programma niet kent, mislukt op dezelfde manier. Controleer voordat u conclusies trekt een nieuwe export uit de recorder of een kopie van de oorspronkelijke drager.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>niet berekend: het bestand is niet meer het bestand dat is geverifieerd</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>niet beschikbaar: het bestand kon niet worden gelezen</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>De vingerafdruk beschermt elke byte van dit bestand buiten het watermerkblok van 512 bytes.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Dekking</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>Toestand bij het opstellen van het rapport</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>In namen en recordvelden staat \xNN voor de byte NN, die geen geldige UTF-8 is of een stuurteken is; \u{XXXX} voor het teken U+XXXX, dat niets toont of verandert hoe de tekst eromheen wordt getoond; \\ voor een backslash.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>Uitkomst in de lijst</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1: wijkt af van de uitkomst hierboven, die het bestand kreeg toen het voor dit rapport opnieuw werd geverifieerd.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>Dezelfde als hierboven: het bestand is voor dit rapport opnieuw geverifieerd.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>Gecontroleerd op %1: apparaat, inode, grootte, wijzigingstijdstip en tijdstip van statuswijziging komen nog overeen met het geverifieerde bestand.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>Gecontroleerd op %1: apparaat, inode, grootte, wijzigingstijdstip of tijdstip van statuswijziging wijken af van het geverifieerde bestand, of het bestand is verdwenen: het bestand is na de verificatie gewijzigd.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>Onbekend: bij de verificatie zijn apparaat, inode, grootte, wijzigingstijdstip en tijdstip van statuswijziging niet vastgelegd.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>Rapport exporteren</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>De lijst bevat geen bestanden om te exporteren.</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>Rapport exporteren...</translation>
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
        <translation>De export kon niet naar %1 worden geschreven: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>%1 wordt geschreven...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>Bestanden worden opnieuw geverifieerd en hun SHA-256-hashes berekend...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>Het rapport is geschreven naar %1. Tekens die geen van de lettertypen kan weergeven, staan erin in hun escape-vorm: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Het rapport is geschreven naar %1.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>De SHA-256 ervan is %1.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>Het bestand %1 ernaast bevat dezelfde hash voor sha256sum -c.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>De SHA-256 ervan kon niet ernaast in %1 worden geschreven: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>Bij de nieuwe verificatie voor deze export kregen deze bestanden een andere uitkomst dan de lijst toonde; hun rijen tonen nu de nieuwe uitkomst:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... en nog %1.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>De zelftest van de berekeningen waarop een uitkomst berust, is mislukt (%1): er wordt niets geëxporteerd.</translation>
    </message>
</context>
<context>
    <name>ResultListMenu</name>
    <message>
        <source>Details...</source>
        <translation>Details...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Bijbehorende map openen</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>Geen bestandsbeheerder reageerde, dus de map kan niet worden getoond: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>Verificatierapport geschreven op %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>Verificatie begonnen op</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>Verificatie beëindigd op</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>Rapport geschreven op</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Werkmap</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Opdrachtregel</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>Mappen zonder bewijs</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>Niet-bestaande paden</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1, %2 van %3 bytes beschermd</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>geen: dit is een map, geen bestand</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>geen: onder dit pad bestaat niets</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>Niet van toepassing: een map die doorzocht moest worden en waarin geen bestand op .jpg, .avi, .mp4 of .mxg is gevonden.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>Niet van toepassing: onder dit pad bestond niets toen het werd geverifieerd.</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>Zaak %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>Onderzoeker %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Zaak</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>Stuk van overtuiging</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Onderzoeker</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisatie</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Handtekeningen</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>De handtekeningen hieronder gelden voor het hele rapport %1.</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>Controleur of getuige</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Handtekening</translation>
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
        <translation>Bestandssysteem, zoals gelezen bij de controle</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>apparaat %1, inode %2; gewijzigd %3 UTC; status gewijzigd %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Besturingssysteem</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Qt-versie</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>Cryptobibliotheek</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>Broncoderevisie</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>De begin- en eindtijd van een record hebben geen tijdzone: ze komen van de klok van de recorder, zoals de tijdbron die heeft gezet (het veld tijdbron van het record), niet van de klok van deze computer.</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>Zaakgegevens</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>Eén stuk van overtuiging per regel</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>Het PDF-rapport toont deze gegevens; CSV en JSON Lines bevatten ze niet. Onderzoeker en organisatie worden de volgende keer opnieuw ingevuld; zaaknummer, stukken van overtuiging en opmerking worden niet bewaard.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Zaaknummer</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>Stukken van overtuiging</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Onderzoeker</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisatie</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>ReportFileFacts</name>
    <message>
        <source>Digest algorithm</source>
        <translation>Algoritme van de vingerafdruk</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>HMAC-MD5 met de HMAC-sleutel van de hierboven genoemde sleutelset over de MD5 van de inhoud (recordversie 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>HMAC-MD5 met de HMAC-sleutel van de hierboven genoemde sleutelset over de XOR-vouwing van de inhoud, afgesloten met de MD5-afronding (recordversie 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>niet bepaald: de controle stopte voordat de recordversie was gelezen</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>Uit het bestand berekende vingerafdruk</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>niet berekend: de controle stopte voordat de inhoud helemaal was gelezen</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>Laatste toegang vóór de controle</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eigenaar</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Rechten</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>Bijlage: wat het doorzoeken van de mappen heeft overgeslagen</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>Het doorzoeken van de mappen heeft niets overgeslagen.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>verborgen: de naam begint met een punt</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>een symbolische koppeling, niet gevolgd</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>de naam eindigt niet op .jpg, .avi, .mp4 of .mxg</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>Elk item van de opgegeven mappen dat de zoektocht niet heeft meegenomen, en waarom.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>een verborgen map, niet doorzocht: de naam begint met een punt; %1 bestanden eronder hebben de naam van een bewijstype</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>een map die meer dan eens of onder een andere opgegeven map is opgegeven: de items ervan worden één keer meegenomen</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>een bestand dat meer dan eens is opgegeven of ook in een opgegeven map is gevonden: één keer gecontroleerd en vermeld</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>Sleutelset</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (vingerafdruk %2)</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>geen: de controle stopte voordat een sleutelset het watermerkblok opende</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>geen: de ene geprobeerde sleutelset opende het watermerkblok niet</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>geen: geen van de %1 geprobeerde sleutelsets opende het watermerkblok</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Geen watermerk gaat open met de ene geprobeerde sleutelset: het bestand heeft geen watermerk, of het watermerk is met een andere sleutel gemaakt, of het is beschadigd.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>Met geen van de %1 geprobeerde sleutelsets gaat een watermerk open: het bestand heeft geen watermerk, of het watermerk is gemaakt met een sleutel die geen van de sets bevat, of het is beschadigd.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>Het watermerkblok ging open met de sleutelset %1.</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>Sleutelset %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>vingerafdruk %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>ingebouwd in het programma; RSA-modulus van %1 bits</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>sleutelmap van het systeem: %1 (SHA-256 van het bestand %2); RSA-modulus van %3 bits</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>sleutelmap van de gebruiker: %1 (SHA-256 van het bestand %2); RSA-modulus van %3 bits</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>opgegeven met --keys: %1 (SHA-256 van het bestand %2); RSA-modulus van %3 bits</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>Sleutelbestand niet geladen</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... en nog %1.</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>Het bestandsdialoogvenster kan deze bestanden in de map %1 niet weergeven zoals ze zijn, of kan ze niet teruggeven, omdat hun namen bytes bevatten die geen UTF-8-tekst zijn, regeleinden of tekens die de volgorde van de tekst veranderen:</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>'%1' voegt ze toe, net als ze vanuit een bestandsbeheerder naar het venster slepen.</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>In paden zijn \xNN en \u{XXXX} escapes zoals hierboven en scheidt elke andere \ mappen.</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>Opgegeven map</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>Niet in dit rapport</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>door de onderzoeker uit de lijst verwijderd</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>niet gecontroleerd: de controle werd afgebroken voordat het bestand aan de beurt was</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>niet gecontroleerd: wachtte nog op zijn beurt toen het rapport werd gemaakt</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>niet gecontroleerd: toen het aan de beurt was, bestond er geen bestand met deze naam</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>gecontroleerd en in de lijst, maar niet bij de rijen die voor dit rapport zijn gekozen</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>De zoektocht in de mappen heeft elk item meegenomen, maar dit rapport bevat niet elk gevonden bestand: de vorige bijlage noemt de overige.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>Bijlage: aangeleverde bestanden die niet in dit rapport staan</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>Elk bestand dat ter controle is aangeleverd, bij naam of gevonden door een zoektocht in een map, dat dit rapport niet bevat, en waarom.</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>De map kan niet worden gelezen: %1.</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>Het item kan niet worden onderzocht: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Het bestand kan niet worden gelezen: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>Plaats van het rapport</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>Dit rapport staat in %1, een map die wordt gecontroleerd: een latere controle van die map vindt het tussen de items die ze niet meeneemt.</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>volledig beschermd</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>deels beschermd</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>niets beschermd</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>Toegangstijd</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>behouden: het bestand is gelezen zonder de laatste toegangstijd te wijzigen</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>kan gewijzigd zijn: het systeem liet dit programma het bestand niet lezen zonder de laatste toegangstijd te wijzigen</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>Gebruiker</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Tijdzone</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>Validatie van het programma</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>geslaagd bij het begin van deze controle: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), de vouwing van versie 1.1 en de openbare RSA-bewerking gaven hun bekende uitkomsten</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>MISLUKT bij het begin van deze controle: %1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>SHA-256 bij het rapport</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>niet berekend: het bestand kon niet worden gelezen</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, dezelfde als bij de controle</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1: wijkt af van de SHA-256 bij de controle, dus de inhoud is na de controle veranderd</translation>
    </message>
</context>
</TS>
