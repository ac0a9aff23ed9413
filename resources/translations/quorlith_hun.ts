<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>A Trevalon Quorlith névjegye</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Minden jog fenntartva.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Fájlnév</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Hitelesítés eredménye</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Kezdési idő</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Befejezési idő</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Sorozatszám</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Fájl(ok) megnyitása</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Mappa megnyitása</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Fájl(ok) eltávolítása</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Sikeres hitelesítés</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Sikertelen hitelesítés</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Összes fájl</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Képek és videók</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Feldolgozás:</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>A fájl nem létezik.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Ez nem szabályos fájl.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>A fájl nem olvasható.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>A fájl üres, vagy túl kicsi ahhoz, hogy vízjelblokk férjen el benne.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>A fájl neve nem .jpg, .avi, .mp4 vagy .mxg végződésű.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>A vízjelblokk nem olvasható.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>A beépített rögzítőkulccsal egyetlen vízjel sem nyílik meg: a fájlnak nincs vízjele, vagy a vízjel más kulccsal készült, vagy megsérült.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>A vízjel rekordjának olyan jelölője van, amelyet ez a program nem fogad el.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>A vízjel rekordjának verziója se nem 1.0, se nem 1.1.</translation>
    </message>
    <message>
        <source>The structure of the video does not lead to its content.</source>
        <translation>A videó szerkezete nem vezet el a tartalmához.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>A tartalom nem egyezik a vízjelben lévő ujjlenyomattal: a tartalom megváltozott, vagy a rekordban lévő ujjlenyomat nem a várt formájú.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>Az ujjlenyomat a fájl %2 bájtjából csak %1 bájtot véd.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>Az eredmény még azelőtt megszületett, hogy bármilyen tartalom ellenőrzésre került volna: egyetlen bájtért sem kezeskedik.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>A képadatok előtti konténerfejléc (bájtok: %1–%2) nincs lefedve.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>Az 512 bájtos vízjelblokk (bájtok: %1–%2) nem tartalom.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>1.1-es rekordverzió 0-s összehajtási indexszel: a tartalom egyetlen bájtja sem számít; az ujjlenyomat csak a tartalom hosszától függ, amely %1 bájt.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only the %2 whose position in the content modulo 64 is below %3 count, and they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>1.1-es rekordverzió: a tartalom %1 bájtjából csak azok számítanak (összesen %2), amelyeknek a tartalmon belüli pozíciója modulo 64 kisebb, mint %3, és ezeket pozíciónként XOR kapcsolja össze, így az egymást kioltó módosítások észrevétlenek maradnak.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bájt</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0 (1.0-s rekordverzió: a tartalom minden bájtja számít)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1 (1.1-es rekordverzió: a tartalom össze van hajtva, csak egy része számít)</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>nem került rá sor</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nincs</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Teljes elérési út</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Méret</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Eredmény</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Indok</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Jelölő</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>Rekordverzió</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>Ujjlenyomat a rekordban</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Időforrás</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>Kamera MAC-címe</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>Ujjlenyomat-mód</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>Védett bájtok</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>Nem védett bájttartományok</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Megjegyzések</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>ismeretlen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>nincs: az ellenőrzés a vízjel rekordjának beolvasása előtt leállt</translation>
    </message>
</context>
</TS>
