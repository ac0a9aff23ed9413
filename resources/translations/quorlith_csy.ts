<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>O aplikaci Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Všechna práva vyhrazena.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Název souboru</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Výsledek ověření</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Čas začátku</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Čas konce</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Otevřít soubory</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otevřít složku</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Odebrat soubory</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Ověření úspěšné</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Ověření neúspěšné</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Celkem souborů</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Obrázky a videa</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Zpracovává se</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Soubor neexistuje.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Nejde o běžný soubor.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Soubor nelze přečíst.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>Soubor je prázdný nebo příliš malý na to, aby obsahoval blok vodoznaku.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>Název souboru nekončí na .jpg, .avi, .mp4 ani .mxg.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>Blok vodoznaku nelze přečíst.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Vestavěným klíčem záznamníku nelze otevřít žádný vodoznak: soubor vodoznak nemá, nebo byl vodoznak vytvořen jiným klíčem, nebo je poškozený.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>Záznam vodoznaku má značku, kterou tento program nepřijímá.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>Verze záznamu vodoznaku není 1.0 ani 1.1.</translation>
    </message>
    <message>
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>Strukturu kontejneru videa (AVI, MP4 nebo MXG) nelze projít až k jeho obsahu.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Obsah neodpovídá otisku ve vodoznaku: byl změněn, nebo otisk v záznamu nemá očekávaný tvar.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>Při kontrole souboru selhal počítač (došla paměť nebo popisovače souborů, nebo disk ohlásil chybu čtení); o samotném souboru není nic známo. Zkontrolujte ho znovu.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>Soubor má uzamčený jiný program, a proto jej nebylo možné přečíst; o samotném souboru není nic známo. Zavřete tento program a zkontrolujte soubor znovu.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>Tato složka neobsahuje žádný soubor končící na .jpg, .avi, .mp4 ani .mxg, proto v ní nebylo nic zkontrolováno.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>Otisk chrání jen %1 z %2 bajtů tohoto souboru.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>Výsledek byl stanoven dříve, než byl zkontrolován jakýkoli obsah: neručí za žádný bajt.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>Bajty %1 až %2, hlavička kontejneru před obrazovými daty, nejsou pokryty.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>Bajty %1 až %2 tvoří 512bajtový blok vodoznaku, nikoli obsah.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>Verze záznamu 1.1 se skládacím indexem 0: nepočítá se žádný bajt obsahu; otisk závisí jen na délce obsahu, která činí %1 bajtů.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Verze záznamu 1.1: z %1 bajtů obsahu se počítá jen %2, a to ty, jejichž pozice v obsahu modulo 64 je menší než %3; kombinují se operací XOR po pozicích, takže změny, které se navzájem vyruší, zůstanou nepoznány.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bajtů</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0 (verze záznamu 1.0: počítá se každý bajt obsahu)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1 (verze záznamu 1.1: obsah se skládá, počítá se jen jeho část)</translation>
    </message>
    <message>
        <source>not determined: the check stopped earlier</source>
        <translation>nezjištěn: kontrola skončila dříve</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádné</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Úplná cesta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Výsledek</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Důvod</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Značka</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>Verze záznamu</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>Otisk v záznamu</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Zdroj času</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>MAC adresa kamery</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>Režim otisku</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>Chráněné bajty</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>Nechráněné rozsahy bajtů</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Poznámky</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>neznámá</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 z %2 bajtů</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>žádné: kontrola skončila dříve, než byl přečten záznam vodoznaku</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>Obsah je jiného typu, než říká přípona názvu souboru: blok vodoznaku leží tam, kde ho má jiný typ souboru. Nebyl soubor přejmenován?</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - Podrobnosti</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>nevypočteno: soubor se po ověření změnil</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>nelze vypočítat: soubor nelze přečíst</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>Soubor se po ověření změnil: už to není tentýž soubor ve stejném stavu jako tehdy.</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>počítá se...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>počítá se... %1%</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>Protokol o ověření</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>Jednotlivé soubory</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strana %1 z %2</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>Pravost důkazních souborů z kamerového dohledu podle vodoznaků záznamníku</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Počítač</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>Co výsledek ukazuje a co ne</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>Vodoznak se otevřel jednou ze sad klíčů uvedených výše, tou, kterou jmenuje oddíl každého souboru, a otisk v něm odpovídá otisku vypočtenému ze souboru. Otisk nepokrývá každý bajt: oddíl každého souboru níže uvádí, za které bajty ručí. Výsledek nic neříká o tom, zda hodiny záznamníku šly správně, ani o tom, co snímky zobrazují.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>Program nemohl soubor potvrdit. Každý problém vede k tomuto stejnému výsledku. Znamená pouze, že u tohoto souboru, tak jak je uložen na disku, nelze prokázat, že jde o nezměněný export záznamníku. Sám o sobě neprokazuje úmyslnou manipulaci: stejně neuspěje soubor bez vodoznaku, s vodoznakem vytvořeným jiným klíčem nebo se záznamem, který tento program nezná. Než vyvodíte závěry, zkontrolujte nový export ze záznamníku nebo kopii z původního média.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>nevypočteno: soubor už není tím, který byl ověřen</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>není k dispozici: soubor se nepodařilo přečíst</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>Otisk chrání každý bajt tohoto souboru mimo 512bajtový blok vodoznaku.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Pokrytí</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>Stav v době vytvoření protokolu</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>V názvech a polích záznamu znamená \xNN bajt NN, který není platné UTF-8 nebo je řídicím znakem; \u{XXXX} znak U+XXXX, který nic nezobrazuje nebo mění zobrazení okolního textu; \\ zpětné lomítko.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>Výsledek v seznamu</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1: liší se od výsledku výše, který soubor dostal při opětovném ověření pro tento protokol.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>Stejný jako výše: soubor byl pro tento protokol znovu ověřen.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>Zkontrolováno %1: zařízení, i-uzel, velikost, čas změny a čas změny stavu stále odpovídají ověřenému souboru.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>Zkontrolováno %1: zařízení, i-uzel, velikost, čas změny nebo čas změny stavu se liší od ověřeného souboru, nebo soubor zmizel: soubor se po ověření změnil.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>Neznámo: při ověření souboru nebylo zaznamenáno zařízení, i-uzel, velikost, čas změny ani čas změny stavu.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>Exportovat protokol</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>Seznam neobsahuje žádné soubory k exportu.</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>Exportovat protokol...</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>Protokol PDF (*.pdf)</translation>
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
        <translation>Export nelze zapsat do %1: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Zapisuje se %1...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>Soubory se znovu ověřují a počítají se jejich hodnoty SHA-256...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>Protokol byl zapsán do %1. Znaky, které žádné z jeho písem neumí vykreslit, uvádí v escapované podobě: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Protokol byl zapsán do %1.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>Jeho SHA-256 je %1.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>Soubor %1 vedle něj obsahuje tentýž otisk pro sha256sum -c.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>Jeho SHA-256 se nepodařilo zapsat vedle něj do %1: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>Při opětovném ověření pro tento export dostaly tyto soubory jiný výsledek, než ukazoval seznam; jejich řádky nyní ukazují nový výsledek:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... a %1 dalších.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>Autotest výpočtů, na nichž výsledek stojí, selhal (%1): nic se neexportuje.</translation>
    </message>
</context>
<context>
    <name>ResultListMenu</name>
    <message>
        <source>Details...</source>
        <translation>Podrobnosti...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Otevřít složku se souborem</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>Žádný správce souborů neodpověděl, složku proto nelze zobrazit: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>Protokol o ověření zapsán %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>Ověřování zahájeno</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>Ověřování ukončeno</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>Protokol zapsán</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Pracovní složka</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Příkazový řádek</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>Složky bez důkazů</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>Neexistující cesty</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1, chráněno %2 z %3 bajtů</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>žádný: jde o složku, ne o soubor</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>žádný: pod touto cestou nic neexistuje</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>Nelze použít: složka zadaná k prohledání, ve které nebyl nalezen žádný soubor s příponou .jpg, .avi, .mp4 nebo .mxg.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>Nelze použít: v době ověření pod touto cestou nic neexistovalo.</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>Případ %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>Znalec %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Případ</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>Doličný předmět</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Znalec</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organizace</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Poznámka</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Podpisy</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>Níže uvedené podpisy se vztahují k celé zprávě %1.</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>Kontrolor nebo svědek</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Podpis</translation>
    </message>
</context>
<context>
    <name>ReportIdentity</name>
    <message>
        <source>Report %1</source>
        <translation>Zpráva %1</translation>
    </message>
</context>
<context>
    <name>ReportProvenance</name>
    <message>
        <source>File system, as read when verified</source>
        <translation>Souborový systém, jak byl načten při ověření</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>zařízení %1, i-uzel %2; změněno %3 UTC; stav změněn %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Operační systém</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Verze Qt</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>Kryptografická knihovna</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>Revize zdrojového kódu</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>Čas začátku a konce záznamu nenese časové pásmo: pochází z hodin rekordéru, jak je nastavil jeho zdroj času (pole zdroj času v záznamu), nikoli z hodin tohoto počítače.</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>Údaje o případu</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>Jeden doličný předmět na řádek</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>Tyto údaje uvádí protokol PDF; CSV a JSON Lines je neobsahují. Znalec a organizace se příště nabídnou znovu; číslo případu, doličné předměty a poznámka se neukládají.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Číslo případu</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>Doličné předměty</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Znalec</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organizace</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Poznámka</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>ReportFileFacts</name>
    <message>
        <source>Digest algorithm</source>
        <translation>Algoritmus otisku</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>HMAC-MD5 s klíčem HMAC výše uvedené sady klíčů nad MD5 obsahu (verze záznamu 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>HMAC-MD5 s klíčem HMAC výše uvedené sady klíčů nad XOR skládáním obsahu, uzavřeným závěrečným krokem MD5 (verze záznamu 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>neurčeno: kontrola skončila dříve, než byla přečtena verze záznamu</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>Otisk vypočtený ze souboru</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>nevypočten: kontrola skončila dříve, než byl obsah přečten celý</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>Poslední přístup před ověřením</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Vlastník</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Oprávnění</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>Příloha: co hledání ve složkách vynechalo</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>Hledání ve složkách nic nevynechalo.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>skrytá: název začíná tečkou</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>symbolický odkaz, nebyl sledován</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>název nekončí na .jpg, .avi, .mp4 ani .mxg</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>Každá položka zadaných složek, kterou prohledání nepřevzalo, a proč.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>skrytá složka, neprohledána: její název začíná tečkou; %1 souborů pod ní má název typu důkazního souboru</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>složka zadaná vícekrát nebo pod jinou zadanou složkou: její položky se převezmou jednou</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>soubor zadaný vícekrát nebo nalezený i v zadané složce: ověřen a uveden jednou</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>Sada klíčů</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (otisk %2)</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>žádná: kontrola skončila dříve, než některá sada klíčů otevřela blok vodoznaku</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>žádná: jediná vyzkoušená sada klíčů blok vodoznaku neotevřela</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>žádná: blok vodoznaku neotevřela žádná z %1 vyzkoušených sad klíčů</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Jedinou vyzkoušenou sadou klíčů nelze otevřít žádný vodoznak: soubor vodoznak nemá, nebo byl vodoznak vytvořen jiným klíčem, nebo je poškozený.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>Žádnou z %1 vyzkoušených sad klíčů nelze otevřít vodoznak: soubor vodoznak nemá, nebo byl vodoznak vytvořen klíčem, který žádná z nich neobsahuje, nebo je poškozený.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>Blok vodoznaku se otevřel sadou klíčů %1.</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>Sada klíčů %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>otisk %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>vestavěná v programu; modul RSA o délce %1 bitů</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>systémová složka klíčů: %1 (SHA-256 souboru %2); modul RSA o délce %3 bitů</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>uživatelská složka klíčů: %1 (SHA-256 souboru %2); modul RSA o délce %3 bitů</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>zadaná pomocí --keys: %1 (SHA-256 souboru %2); modul RSA o délce %3 bitů</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>Soubor klíčů nebyl načten</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... a %1 dalších.</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>Dialog pro výběr souborů nemůže tyto soubory ve složce %1 zobrazit tak, jak jsou, nebo je nemůže vrátit, protože jejich názvy obsahují bajty, které nejsou textem UTF-8, zalomení řádků nebo znaky, které mění pořadí textu:</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>Přidá je „%1“, stejně jako jejich přetažení ze správce souborů do okna.</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>V cestách jsou \xNN a \u{XXXX} escape sekvence jako výše a každé jiné \ odděluje složky.</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>Zadaná složka</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>Není v této zprávě</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>odebráno ze seznamu zkoumající osobou</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>neověřeno: ověřování bylo zrušeno dříve, než na soubor přišla řada</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>neověřeno: při vytvoření zprávy ještě čekal, až na něj přijde řada</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>neověřeno: když na něj přišla řada, pod tímto názvem žádný soubor nebyl</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>ověřeno a v seznamu, ale ne mezi řádky vybranými pro tuto zprávu</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>Prohledání složek převzalo každou položku, ale tato zpráva neobsahuje každý nalezený soubor: předchozí příloha uvádí ostatní.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>Příloha: předané soubory, které v této zprávě nejsou</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>Každý soubor předaný k ověření, zadaný názvem nebo nalezený prohledáním složky, který tato zpráva neobsahuje, a proč.</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Složku nelze číst: %1.</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>Položku nelze prozkoumat: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Soubor nelze číst: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>Umístění zprávy</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>Tato zpráva leží ve složce %1, která se ověřuje: pozdější ověření této složky ji najde mezi položkami, které nepřevezme.</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>plně chráněno</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>částečně chráněno</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>nic nechráněno</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>Čas přístupu</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>zachován: soubor byl přečten bez změny času posledního přístupu</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>mohl se změnit: systém tomuto programu nedovolil číst soubor bez změny času posledního přístupu</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>Uživatel</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Časové pásmo</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>Ověření nástroje</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>prošlo na začátku tohoto ověření: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), skládání verze 1.1 a veřejná operace RSA daly známé výsledky</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>SELHALO na začátku tohoto ověření: %1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>SHA-256 v době zprávy</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>nevypočteno: soubor nebylo možné přečíst</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, stejný jako při ověření</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1: liší se od SHA-256 při ověření, obsah se tedy po ověření změnil</translation>
    </message>
</context>
</TS>
