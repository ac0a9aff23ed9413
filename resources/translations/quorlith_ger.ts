<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Über Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Prüfergebnis</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Seriennr.</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Datei(en) öffnen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Datei(en) entfernen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Prüfung bestanden</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Prüfung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Dateien gesamt</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Bilder und Videos</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Verarbeite</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Dies ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>Die Datei ist leer oder zu klein für einen Wasserzeichenblock.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>Der Dateiname endet nicht auf .jpg, .avi, .mp4 oder .mxg.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>Der Wasserzeichenblock lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Kein Wasserzeichen lässt sich mit dem eingebauten Rekorderschlüssel öffnen: Die Datei hat kein Wasserzeichen, oder es wurde mit einem anderen Schlüssel erstellt, oder es ist beschädigt.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>Der Datensatz des Wasserzeichens hat eine Kennung, die dieses Programm nicht annimmt.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>Die Version des Datensatzes im Wasserzeichen ist weder 1.0 noch 1.1.</translation>
    </message>
    <message>
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>Der Container-Aufbau des Videos (AVI, MP4 oder MXG) lässt sich nicht bis zu seinem Inhalt verfolgen.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Der Inhalt stimmt nicht mit dem Fingerabdruck im Wasserzeichen überein: Er wurde verändert, oder der Fingerabdruck im Datensatz hat nicht die erwartete Form.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>Während der Prüfung der Datei hat der Computer versagt (Arbeitsspeicher oder Dateihandles waren erschöpft, oder der Datenträger meldete einen Lesefehler); über die Datei selbst ist nichts bekannt. Prüfen Sie sie erneut.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>Ein anderes Programm hält die Datei gesperrt, daher konnte sie nicht gelesen werden; über die Datei selbst ist nichts bekannt. Schließen Sie dieses Programm und prüfen Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>Dieser Ordner enthält keine Datei mit der Endung .jpg, .avi, .mp4 oder .mxg, daher wurde darin nichts geprüft.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>Der Fingerabdruck schützt nur %1 der %2 Byte dieser Datei.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>Das Ergebnis stand fest, bevor Inhalt geprüft wurde: Es bürgt für kein einziges Byte.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>Die Bytes %1 bis %2, der Container-Kopf vor den Bilddaten, sind nicht erfasst.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>Die Bytes %1 bis %2 sind der 512 Byte große Wasserzeichenblock, kein Inhalt.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>Datensatzversion 1.1 mit Faltungsindex 0: Kein Inhaltsbyte zählt; der Fingerabdruck hängt nur von der Inhaltslänge von %1 Byte ab.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Datensatzversion 1.1: Von den %1 Inhaltsbytes zählen nur %2, nämlich die, deren Position im Inhalt modulo 64 kleiner als %3 ist; sie werden je Position per XOR verknüpft, sodass Änderungen, die sich gegenseitig aufheben, unbemerkt bleiben.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0 (Datensatzversion 1.0: jedes Inhaltsbyte zählt)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1 (Datensatzversion 1.1: Der Inhalt wird gefaltet, nur ein Teil davon zählt)</translation>
    </message>
    <message>
        <source>not determined: the check stopped earlier</source>
        <translation>nicht bestimmt: Die Prüfung endete vorher</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Vollständiger Pfad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>Datensatzversion</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>Fingerabdruck im Datensatz</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Zeitquelle</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>Kamera-MAC</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>Fingerabdruckverfahren</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>Geschützte Bytes</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>Ungeschützte Bytebereiche</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 von %2 Byte</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>keine: Die Prüfung endete, bevor der Datensatz des Wasserzeichens gelesen wurde</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>Der Inhalt ist von einem anderen Typ, als die Endung des Dateinamens angibt: Der Wasserzeichenblock liegt dort, wo ein anderer Dateityp ihn ablegt. Wurde die Datei umbenannt?</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - Details</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>nicht berechnet: Die Datei hat sich seit der Prüfung geändert</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>nicht berechenbar: Die Datei lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>Die Datei hat sich seit der Prüfung geändert: Sie ist nicht mehr dieselbe Datei im selben Zustand wie damals.</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>wird berechnet...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>wird berechnet... %1 %</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>Prüfbericht</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>Die Dateien im Einzelnen</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>Echtheit von Beweisdateien aus der Videoüberwachung anhand der Wasserzeichen ihrer Rekorder</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>Was ein Ergebnis zeigt und was nicht</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>Das Wasserzeichen ließ sich mit einem der oben aufgeführten Schlüsselsätze öffnen, und zwar mit dem, den der Abschnitt der jeweiligen Datei nennt, und der Fingerabdruck darin stimmt mit dem aus der Datei berechneten überein. Der Fingerabdruck erfasst nicht jedes Byte: Der Abschnitt jeder Datei weiter unten gibt an, für welche Bytes er bürgt. Ob die Uhr des Rekorders richtig ging und was die Bilder zeigen, sagt das Ergebnis nicht aus.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>Das Programm konnte die Datei nicht bestätigen. Jedes Problem führt zu diesem selben Ergebnis. Es bedeutet nur, dass sich für diese Datei, so wie sie auf dem Datenträger liegt, nicht nachweisen lässt, dass sie der unveränderte Export des Rekorders ist. Für sich allein beweist es keine absichtliche Manipulation: Eine Datei ohne Wasserzeichen, mit einem Wasserzeichen aus einem anderen Schlüssel oder mit einem Datensatz, den dieses Programm nicht kennt, schlägt genauso fehl. Prüfen Sie vor weiteren Schlüssen einen neuen Export aus dem Rekorder oder eine Kopie vom Originaldatenträger.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>nicht berechnet: Die Datei ist nicht mehr die, die geprüft wurde</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>nicht verfügbar: Die Datei ließ sich nicht lesen</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>Der Fingerabdruck schützt jedes Byte dieser Datei außerhalb des 512 Byte großen Wasserzeichenblocks.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Abdeckung</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>Zustand bei Erstellung des Berichts</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>In Namen und Feldern des Datensatzes steht \xNN für das Byte NN, das kein gültiges UTF-8 oder ein Steuerzeichen ist; \u{XXXX} für das Zeichen U+XXXX, das nichts anzeigt oder die Darstellung des umgebenden Textes verändert; \\ für einen Backslash.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>Ergebnis in der Liste</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1: weicht vom obigen Ergebnis ab, das die Datei bei der erneuten Prüfung für diesen Bericht erhielt.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>Wie oben: Die Datei wurde für diesen Bericht erneut geprüft.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>Überprüft am %1: Gerät, Inode, Größe, Änderungszeitpunkt und Zeitpunkt der Statusänderung stimmen noch mit der geprüften Datei überein.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>Überprüft am %1: Gerät, Inode, Größe, Änderungszeitpunkt oder Zeitpunkt der Statusänderung weichen von der geprüften Datei ab, oder die Datei ist nicht mehr vorhanden: Die Datei hat sich seit der Prüfung geändert.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>Nicht bekannt: Bei der Prüfung wurden Gerät, Inode, Größe, Änderungszeitpunkt und Zeitpunkt der Statusänderung nicht festgehalten.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>Bericht exportieren</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>Die Liste enthält keine Dateien, die sich exportieren ließen.</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>Bericht exportieren...</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF-Bericht (*.pdf)</translation>
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
        <translation>Der Export ließ sich nicht nach %1 schreiben: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>%1 wird geschrieben...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>Dateien werden erneut geprüft und ihre SHA-256-Hashwerte berechnet...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>Der Bericht wurde nach %1 geschrieben. Zeichen, die keine seiner Schriften darstellen kann, stehen darin in maskierter Form: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Der Bericht wurde nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>Sein SHA-256-Wert lautet %1.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>Die Datei %1 daneben enthält denselben Wert für sha256sum -c.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>Sein SHA-256-Wert konnte nicht daneben in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>Bei der erneuten Prüfung für diesen Export erhielten diese Dateien ein anderes Ergebnis, als die Liste zeigte; ihre Zeilen zeigen jetzt das neue Ergebnis:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>Der Selbsttest der Berechnungen, auf denen ein Ergebnis beruht, ist fehlgeschlagen (%1): Es wird nichts exportiert.</translation>
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
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Speicherort öffnen</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>Kein Dateimanager hat geantwortet, daher kann der Ordner nicht angezeigt werden: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>Prüfbericht geschrieben am %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>Prüfung begonnen</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>Prüfung beendet</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>Bericht geschrieben</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Arbeitsordner</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Befehlszeile</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>Ordner ohne Beweisdateien</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>Nicht vorhandene Pfade</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1, %2 von %3 Bytes geschützt</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>keine: dies ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>keine: unter diesem Pfad existiert nichts</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>Entfällt: ein zu durchsuchender Ordner, in dem keine Datei mit der Endung .jpg, .avi, .mp4 oder .mxg gefunden wurde.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>Entfällt: Unter diesem Pfad existierte bei der Prüfung nichts.</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>Fall %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>Sachbearbeiter %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Fall</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>Asservat</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Sachbearbeiter</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Anmerkung</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Unterschriften</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>Die Unterschriften unten beziehen sich auf den gesamten Bericht %1.</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>Prüfer oder Zeuge</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Unterschrift</translation>
    </message>
</context>
<context>
    <name>ReportIdentity</name>
    <message>
        <source>Report %1</source>
        <translation>Bericht %1</translation>
    </message>
</context>
<context>
    <name>ReportProvenance</name>
    <message>
        <source>File system, as read when verified</source>
        <translation>Dateisystem, wie bei der Prüfung gelesen</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>Gerät %1, Inode %2; geändert %3 UTC; Status geändert %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Qt-Version</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>Kryptobibliothek</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>Quellcode-Revision</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>Start- und Endzeit eines Datensatzes tragen keine Zeitzone: Sie stammen von der Uhr des Rekorders, wie seine Zeitquelle sie gestellt hat (das Feld Zeitquelle des Datensatzes), nicht von der Uhr dieses Computers.</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>Falldaten</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>Ein Asservat pro Zeile</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>Der PDF-Bericht enthält diese Angaben; CSV und JSON Lines enthalten sie nicht. Sachbearbeiter und Organisation werden beim nächsten Mal wieder vorgeschlagen; Fallnummer, Asservate und Anmerkung werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Fallnummer</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>Asservate</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Sachbearbeiter</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Anmerkung</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ReportFileFacts</name>
    <message>
        <source>Digest algorithm</source>
        <translation>Verfahren des Fingerabdrucks</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>HMAC-MD5 mit dem HMAC-Schlüssel des oben genannten Schlüsselsatzes über den MD5 des Inhalts (Datensatzversion 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>HMAC-MD5 mit dem HMAC-Schlüssel des oben genannten Schlüsselsatzes über die XOR-Faltung des Inhalts, abgeschlossen durch die MD5-Finalisierung (Datensatzversion 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>nicht bestimmt: Die Prüfung endete, bevor die Datensatzversion gelesen wurde</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>Aus der Datei berechneter Fingerabdruck</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>nicht berechnet: Die Prüfung endete, bevor der Inhalt ganz gelesen war</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>Letzter Zugriff vor der Prüfung</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eigentümer</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Zugriffsrechte</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>Anhang: was die Ordnersuche ausgelassen hat</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>Die Ordnersuche hat nichts ausgelassen.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>versteckt: der Name beginnt mit einem Punkt</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>ein symbolischer Link, nicht verfolgt</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>der Name endet nicht auf .jpg, .avi, .mp4 oder .mxg</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>Jeder Eintrag der angegebenen Ordner, den die Suche nicht übernommen hat, und warum.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>ein versteckter Ordner, nicht durchsucht: der Name beginnt mit einem Punkt; %1 Dateien darunter tragen den Namen eines Beweismitteltyps</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>ein mehrfach oder unterhalb eines anderen angegebener Ordner: seine Einträge werden einmal übernommen</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>eine mehrfach angegebene oder auch in einem angegebenen Ordner gefundene Datei: einmal geprüft und einmal aufgeführt</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>Schlüsselsatz</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (Fingerabdruck %2)</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>keiner: Die Prüfung endete, bevor ein Schlüsselsatz den Wasserzeichenblock öffnete</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>keiner: Der eine versuchte Schlüsselsatz öffnete den Wasserzeichenblock nicht</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>keiner: Keiner der %1 versuchten Schlüsselsätze öffnete den Wasserzeichenblock</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Kein Wasserzeichen lässt sich mit dem einen versuchten Schlüsselsatz öffnen: Die Datei hat kein Wasserzeichen, oder es wurde mit einem anderen Schlüssel erstellt, oder es ist beschädigt.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>Mit keinem der %1 versuchten Schlüsselsätze lässt sich ein Wasserzeichen öffnen: Die Datei hat kein Wasserzeichen, oder es wurde mit einem Schlüssel erstellt, den keiner von ihnen enthält, oder es ist beschädigt.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>Der Wasserzeichenblock ließ sich mit dem Schlüsselsatz %1 öffnen.</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>Schlüsselsatz %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>Fingerabdruck %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>im Programm eingebaut; RSA-Modulus mit %1 Bit</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>Schlüsselordner des Systems: %1 (SHA-256 der Datei %2); RSA-Modulus mit %3 Bit</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>Schlüsselordner des Benutzers: %1 (SHA-256 der Datei %2); RSA-Modulus mit %3 Bit</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>mit --keys angegeben: %1 (SHA-256 der Datei %2); RSA-Modulus mit %3 Bit</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>Schlüsseldatei nicht geladen</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>Der Dateidialog kann diese Dateien im Ordner %1 nicht unverändert anzeigen oder nicht zurückgeben, weil ihre Namen Bytes, die kein UTF-8-Text sind, Zeilenumbrüche oder Zeichen enthalten, die die Reihenfolge des Textes ändern:</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>„%1“ fügt sie hinzu, ebenso das Ziehen aus einem Dateimanager auf das Fenster.</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>In Pfaden sind \xNN und \u{XXXX} Ersetzungen wie oben, und jeder andere \ trennt Ordner.</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>Angegebener Ordner</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>Nicht in diesem Bericht</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>vom Prüfer aus der Liste entfernt</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>nicht geprüft: der Durchlauf wurde abgebrochen, bevor die Datei an der Reihe war</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>nicht geprüft: wartete noch auf die Prüfung, als der Bericht erstellt wurde</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>nicht geprüft: als die Datei an der Reihe war, gab es unter ihrem Namen keine Datei</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>geprüft und in der Liste, aber nicht unter den für diesen Bericht gewählten Zeilen</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>Die Ordnersuche hat jeden Eintrag übernommen, aber dieser Bericht enthält nicht jede gefundene Datei: Der vorige Anhang nennt die übrigen.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>Anhang: übergebene Dateien, die nicht in diesem Bericht stehen</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>Jede zur Prüfung übergebene Datei, einzeln angegeben oder von einer Ordnersuche gefunden, die dieser Bericht nicht enthält, und warum.</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Der Ordner kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>Der Eintrag kann nicht untersucht werden: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>Ablageort des Berichts</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>Dieser Bericht liegt in %1, einem Ordner, der geprüft wird: Eine spätere Prüfung dieses Ordners findet ihn unter den Einträgen, die sie nicht übernimmt.</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>vollständig geschützt</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>teilweise geschützt</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>nichts geschützt</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>Zugriffszeit</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>erhalten: die Datei wurde gelesen, ohne ihre letzte Zugriffszeit zu ändern</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>kann sich geändert haben: das System hat diesem Programm nicht erlaubt, die Datei zu lesen, ohne ihre letzte Zugriffszeit zu ändern</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>Prüfung des Werkzeugs</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>bestanden zu Beginn dieser Prüfung: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), die Faltung der Version 1.1 und die öffentliche RSA-Operation lieferten ihre bekannten Ergebnisse</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>FEHLGESCHLAGEN zu Beginn dieser Prüfung: %1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>SHA-256 zur Zeit des Berichts</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>nicht berechnet: die Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, derselbe wie bei der Prüfung</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1: weicht vom SHA-256 bei der Prüfung ab, der Inhalt hat sich also nach der Prüfung geändert</translation>
    </message>
</context>
</TS>
