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
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>A videó konténerszerkezete (AVI, MP4 vagy MXG) nem követhető végig a tartalmáig.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>A tartalom nem egyezik a vízjelben lévő ujjlenyomattal: a tartalom megváltozott, vagy a rekordban lévő ujjlenyomat nem a várt formájú.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>A fájl ellenőrzése közben hiba lépett fel a számítógépen (elfogyott a memória vagy a fájlleírók, vagy a lemez olvasási hibát jelzett); magáról a fájlról semmi sem ismert. Ellenőrizze újra.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>Egy másik program zárolva tartja a fájlt, ezért nem lehetett beolvasni; magáról a fájlról semmi sem ismert. Zárja be azt a programot, és ellenőrizze újra a fájlt.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>Ebben a mappában nincs .jpg, .avi, .mp4 vagy .mxg végződésű fájl, ezért a program semmit sem ellenőrzött benne.</translation>
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
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>1.1-es rekordverzió: a tartalom %1 bájtjából csak %2 számít, mégpedig azok, amelyeknek a tartalmon belüli pozíciója modulo 64 kisebb, mint %3; ezeket pozíciónként XOR kapcsolja össze, így az egymást kioltó módosítások észrevétlenek maradnak.</translation>
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
        <source>not determined: the check stopped earlier</source>
        <translation>nincs meghatározva: az ellenőrzés korábban leállt</translation>
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
        <source>%1 of %2 bytes</source>
        <translation>%1 / %2 bájt</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>nincs: az ellenőrzés a vízjel rekordjának beolvasása előtt leállt</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>A tartalom más típusú, mint amit a fájlnév végződése mutat: a vízjelblokk ott van, ahol egy másik fájltípus tárolja. Át lett nevezve a fájl?</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Másolás</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - Részletek</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>nincs kiszámítva: a fájl az ellenőrzés után megváltozott</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>nem számítható ki: a fájl nem olvasható</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>A fájl az ellenőrzés után megváltozott: már nem ugyanaz a fájl ugyanabban az állapotban, mint akkor.</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>számítás folyamatban...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>számítás folyamatban... %1%</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>Ellenőrzési jelentés</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>A fájlok egyenként</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1. oldal / %2</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>Videómegfigyelési bizonyítékfájlok hitelessége a rögzítő vízjelei alapján</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Számítógép</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>Mit mutat egy eredmény, és mit nem</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>A vízjel megnyílt a fent felsorolt kulcskészletek egyikével, azzal, amelyet az egyes fájlok szakasza megnevez, és a benne lévő ujjlenyomat egyezik a fájlból kiszámítottal. Az ujjlenyomat nem fed le minden bájtot: az alábbiakban minden fájl szakasza megadja, mely bájtokért kezeskedik. Az eredmény semmit sem mond arról, hogy a rögzítő órája pontosan járt-e, sem arról, hogy mit mutatnak a képek.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>A program nem tudta megerősíteni a fájlt. Minden probléma ugyanezt az eredményt adja. Ez csak azt jelenti, hogy erről a fájlról, ahogyan a lemezen található, nem mutatható ki, hogy a rögzítő változatlan exportja. Önmagában nem bizonyít szándékos manipulációt: ugyanígy sikertelen egy vízjel nélküli fájl, egy más kulccsal készült vízjelet hordozó fájl vagy egy olyan rekordot tartalmazó fájl, amelyet ez a program nem ismer. Mielőtt következtetéseket vonna le, ellenőrizzen egy új exportot a rögzítőből vagy egy másolatot az eredeti adathordozóról.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Összesítés</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>nincs kiszámítva: a fájl már nem az, amelyet ellenőriztek</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>nem érhető el: a fájl nem volt olvasható</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>Az ujjlenyomat a fájl minden bájtját védi az 512 bájtos vízjelblokkon kívül.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Lefedettség</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>Állapot a jelentés készítésekor</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>A nevekben és a rekord mezőiben a \xNN az NN bájtot jelöli, amely nem érvényes UTF-8 vagy vezérlőkarakter; a \u{XXXX} az U+XXXX karaktert, amely nem jelenít meg semmit, vagy megváltoztatja a körülötte lévő szöveg megjelenítését; a \\ egy fordított perjelet.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>Eredmény a listában</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1: eltér a fenti eredménytől, amelyet a fájl a jelentéshez végzett újbóli ellenőrzéskor kapott.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>Ugyanaz, mint fent: a fájlt a jelentéshez újra ellenőriztük.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>Ellenőrzés ideje %1: az eszköz, az inode, a méret, a módosítás ideje és az állapotváltozás ideje még mindig egyezik az ellenőrzött fájléval.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>Ellenőrzés ideje %1: az eszköz, az inode, a méret, a módosítás ideje vagy az állapotváltozás ideje eltér az ellenőrzött fájlétól, vagy a fájl már nincs meg: a fájl az ellenőrzés után megváltozott.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>Nem ismert: a fájl ellenőrzésekor nem rögzült az eszköz, az inode, a méret, a módosítás ideje és az állapotváltozás ideje.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>Jelentés exportálása</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>A lista nem tartalmaz exportálható fájlt.</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>Jelentés exportálása...</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF-jelentés (*.pdf)</translation>
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
        <translation>Az export nem írható ide: %1: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>%1 írása...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>A fájlok újbóli ellenőrzése és SHA-256 kivonataik kiszámítása...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>A jelentés ide került: %1. Azokat a karaktereket, amelyeket egyik betűkészlete sem tud megjeleníteni, escape-elt alakban tartalmazza: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>A jelentés ide került: %1.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>SHA-256 értéke: %1.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>A mellette lévő %1 fájl ugyanezt az értéket tartalmazza a sha256sum -c számára.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>A SHA-256 értékét nem sikerült mellé, a(z) %1 fájlba írni: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>Az exportáláshoz végzett újbóli ellenőrzéskor ezek a fájlok más eredményt kaptak, mint amit a lista mutatott; soraik most az új eredményt mutatják:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... és további %1.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>Az eredmény alapjául szolgáló számítások önellenőrzése sikertelen (%1): nem történik exportálás.</translation>
    </message>
</context>
<context>
    <name>ResultListMenu</name>
    <message>
        <source>Details...</source>
        <translation>Részletek...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Másolás</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Tartalmazó mappa megnyitása</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>Egyetlen fájlkezelő sem válaszolt, ezért a mappa nem jeleníthető meg: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>Ellenőrzési jelentés, írva: %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>Az ellenőrzés kezdete</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>Az ellenőrzés vége</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>A jelentés írásának ideje</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Munkamappa</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Parancssor</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>Bizonyíték nélküli mappák</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>Nem létező elérési utak</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1, %3 bájtból %2 védett</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>nincs: ez mappa, nem fájl</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>nincs: ezen az elérési úton semmi sincs</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>Nem értelmezhető: átkutatásra megadott mappa, amelyben nem található .jpg, .avi, .mp4 vagy .mxg végződésű fájl.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>Nem értelmezhető: az ellenőrzéskor ezen az elérési úton semmi sem volt.</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>Ügy: %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>Vizsgáló: %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Ügy</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>Bűnjel</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Vizsgáló</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Szervezet</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Megjegyzés</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Aláírások</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>Az alábbi aláírások a(z) %1 jelentés egészére vonatkoznak.</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>Ellenőr vagy tanú</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Aláírás</translation>
    </message>
</context>
<context>
    <name>ReportIdentity</name>
    <message>
        <source>Report %1</source>
        <translation>Jelentés: %1</translation>
    </message>
</context>
<context>
    <name>ReportProvenance</name>
    <message>
        <source>File system, as read when verified</source>
        <translation>Fájlrendszer, az ellenőrzéskor olvasva</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>eszköz: %1, inode: %2; módosítva: %3 UTC; állapot módosítva: %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Operációs rendszer</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Qt-verzió</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>Kriptográfiai könyvtár</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>Forráskód-revízió</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>A rekord kezdési és befejezési ideje nem tartalmaz időzónát: a rögzítő órájából származik, ahogyan azt az időforrása beállította (a rekord időforrás mezője), nem ennek a számítógépnek az órájából.</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>Ügy adatai</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>Soronként egy bűnjel</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>Ezeket az adatokat a PDF-jelentés tartalmazza, a CSV és a JSON Lines nem. A vizsgálót és a szervezetet a program legközelebb újra felajánlja; az ügyszámot, a bűnjeleket és a megjegyzést nem őrzi meg.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Ügyszám</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>Bűnjelek</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Vizsgáló</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Szervezet</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Megjegyzés</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>ReportFileFacts</name>
    <message>
        <source>Digest algorithm</source>
        <translation>Az ujjlenyomat algoritmusa</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>HMAC-MD5 a fent megnevezett kulcskészlet HMAC-kulcsával a tartalom MD5-jére (rekordverzió: 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>HMAC-MD5 a fent megnevezett kulcskészlet HMAC-kulcsával a tartalom XOR-hajtogatására, amelyet az MD5 lezárása zár (rekordverzió: 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>nem állapítható meg: az ellenőrzés a rekordverzió beolvasása előtt leállt</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>A fájlból számított ujjlenyomat</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>nincs kiszámítva: az ellenőrzés a tartalom teljes beolvasása előtt leállt</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>Utolsó hozzáférés az ellenőrzés előtt</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Tulajdonos</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Jogosultságok</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>Függelék: amit a mappakeresés kihagyott</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>A mappakeresés semmit sem hagyott ki.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>rejtett: a neve ponttal kezdődik</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>szimbolikus hivatkozás, nem követte</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>a név nem .jpg, .avi, .mp4 vagy .mxg végű</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>A megadott mappák minden bejegyzése, amelyet a keresés nem vett át, és hogy miért.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>rejtett mappa, nincs átkeresve: a neve ponttal kezdődik; alatta %1 fájl neve bizonyítéktípusra utal</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>többször vagy egy másik megadott mappa alatt megadott mappa: a bejegyzéseit egyszer veszi át</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>többször megadott vagy egy megadott mappában is megtalált fájl: egyszer ellenőrizve és egyszer felsorolva</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>Kulcskészlet</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (ujjlenyomat: %2)</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>nincs: az ellenőrzés leállt, mielőtt egy kulcskészlet megnyitotta volna a vízjelblokkot</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>nincs: az egyetlen kipróbált kulcskészlet nem nyitotta meg a vízjelblokkot</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>nincs: a kipróbált %1 kulcskészlet közül egyik sem nyitotta meg a vízjelblokkot</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Az egyetlen kipróbált kulcskészlettel egyetlen vízjel sem nyílik meg: a fájlnak nincs vízjele, vagy a vízjel más kulccsal készült, vagy megsérült.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>A kipróbált %1 kulcskészlet egyikével sem nyílik meg vízjel: a fájlnak nincs vízjele, vagy a vízjel olyan kulccsal készült, amelyet egyikük sem tartalmaz, vagy megsérült.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>A vízjelblokk ezzel a kulcskészlettel nyílt meg: %1.</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>%1. kulcskészlet</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>ujjlenyomat: %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>a programba beépítve; %1 bites RSA-modulus</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>rendszerszintű kulcsmappa: %1 (a fájl SHA-256 értéke: %2); %3 bites RSA-modulus</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>felhasználói kulcsmappa: %1 (a fájl SHA-256 értéke: %2); %3 bites RSA-modulus</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>a --keys kapcsolóval megadva: %1 (a fájl SHA-256 értéke: %2); %3 bites RSA-modulus</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>A kulcsfájl nincs betöltve</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... és további %1.</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>A fájlválasztó ablak nem tudja ezeket a fájlokat a(z) %1 mappában változatlanul megjeleníteni vagy visszaadni, mert a nevük nem UTF-8 szövegként értelmezhető bájtokat, sortöréseket vagy a szöveg sorrendjét megváltoztató karaktereket tartalmaz:</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>A(z) „%1” hozzáadja őket, és az is, ha egy fájlkezelőből az ablakra húzza őket.</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>Az elérési utakban a \xNN és a \u{XXXX} a fentiek szerinti feloldójel, minden más \ pedig mappákat választ el.</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>Megadott mappa</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>Nem szerepel ebben a jelentésben</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>a vizsgáló eltávolította a listáról</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>nincs ellenőrizve: a futtatást megszakították, mielőtt sorra került volna</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>nincs ellenőrizve: még a sorára várt, amikor a jelentés készült</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>nincs ellenőrizve: amikor sorra került, ezen a néven nem volt fájl</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>ellenőrizve és a listán van, de nem a jelentéshez kiválasztott sorok között</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>A mappakeresés minden bejegyzést átvett, de ez a jelentés nem tartalmaz minden talált fájlt: az előző függelék sorolja fel a többit.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>Függelék: átadott fájlok, amelyek nem szerepelnek ebben a jelentésben</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>Minden ellenőrzésre átadott fájl, név szerint megadva vagy mappakereséssel találva, amelyet ez a jelentés nem tartalmaz, és hogy miért.</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>A mappa nem olvasható: %1.</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>A bejegyzés nem vizsgálható meg: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>A fájl nem olvasható: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>A jelentés helye</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>Ez a jelentés a(z) %1 mappában van, amelyet ellenőriznek: a mappa későbbi ellenőrzése a nem átvett bejegyzések között találja meg.</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>teljesen védett</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>részben védett</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>semmi sem védett</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>Hozzáférési idő</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>megőrizve: a fájlt a legutóbbi hozzáférési idejének módosítása nélkül olvasta</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>megváltozhatott: a rendszer nem engedte, hogy a program a legutóbbi hozzáférési idő módosítása nélkül olvassa a fájlt</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>Felhasználó</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Időzóna</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>Az eszköz ellenőrzése</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>sikeres volt az ellenőrzés kezdetén: az MD5 (RFC 1321), a HMAC-MD5 (RFC 2202), az 1.1-es verzió hajtogatása és a nyilvános RSA-művelet az ismert eredményt adta</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>SIKERTELEN volt az ellenőrzés kezdetén: %1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>SHA-256 a jelentés idején</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>nincs kiszámítva: a fájl nem volt olvasható</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, ugyanaz, mint az ellenőrzéskor</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1: eltér az ellenőrzéskori SHA-256-tól, tehát a tartalom az ellenőrzés után megváltozott</translation>
    </message>
</context>
</TS>
