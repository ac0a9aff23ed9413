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
        <source>The structure of the video does not lead to its content.</source>
        <translation>Der Aufbau des Videos führt nicht zu seinem Inhalt.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Der Inhalt stimmt nicht mit dem Fingerabdruck im Wasserzeichen überein: Er wurde verändert, oder der Fingerabdruck im Datensatz hat nicht die erwartete Form.</translation>
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
        <source>Record version 1.1: of the %1 content bytes only the %2 whose position in the content modulo 64 is below %3 count, and they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Datensatzversion 1.1: Von den %1 Inhaltsbytes zählen nur die %2, deren Position im Inhalt modulo 64 kleiner als %3 ist, und sie werden je Position per XOR verknüpft, sodass Änderungen, die sich gegenseitig aufheben, unbemerkt bleiben.</translation>
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
        <source>not reached</source>
        <translation>nicht erreicht</translation>
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
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>keine: Die Prüfung endete, bevor der Datensatz des Wasserzeichens gelesen wurde</translation>
    </message>
</context>
</TS>
