<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>O programie Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Wynik weryfikacji</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Czas rozpoczęcia</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Czas zakończenia</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Nr seryjny</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Otwórz pliki</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Usuń z listy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Weryfikacja pomyślna</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Weryfikacja nieudana</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Liczba plików</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Obrazy i filmy</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Przetwarzanie</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Plik nie istnieje.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>To nie jest zwykły plik.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Nie można odczytać pliku.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>Plik jest pusty lub zbyt mały, aby zawierać blok znaku wodnego.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>Nazwa pliku nie kończy się na .jpg, .avi, .mp4 ani .mxg.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>Nie można odczytać bloku znaku wodnego.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Żaden znak wodny nie otwiera się wbudowanym kluczem rejestratora: plik nie ma znaku wodnego albo znak wodny utworzono innym kluczem, albo jest on uszkodzony.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>Rekord znaku wodnego ma znacznik, którego ten program nie przyjmuje.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>Wersja rekordu znaku wodnego nie jest ani 1.0, ani 1.1.</translation>
    </message>
    <message>
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>Nie da się przejść przez strukturę kontenera nagrania wideo (AVI, MP4 lub MXG) do jego treści.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Treść nie zgadza się z odciskiem w znaku wodnym: została zmieniona albo odcisk w rekordzie nie ma oczekiwanej postaci.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>Podczas weryfikacji pliku zawiódł komputer (zabrakło pamięci lub deskryptorów plików albo dysk zgłosił błąd odczytu); o samym pliku nic nie wiadomo. Sprawdź go ponownie.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>Inny program blokuje plik, więc nie można było go odczytać; o samym pliku nic nie wiadomo. Zamknij ten program i sprawdź plik ponownie.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>Ten folder nie zawiera żadnego pliku kończącego się na .jpg, .avi, .mp4 ani .mxg, więc nic w nim nie zostało sprawdzone.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>Odcisk chroni tylko %1 z %2 bajtów tego pliku.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>Werdykt zapadł, zanim sprawdzono jakąkolwiek treść: nie ręczy za żaden bajt.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>Bajty od %1 do %2, czyli nagłówek kontenera przed danymi obrazu, nie są objęte.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>Bajty od %1 do %2 to 512-bajtowy blok znaku wodnego, a nie treść.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>Wersja rekordu 1.1 z indeksem składania 0: nie liczy się żaden bajt treści; odcisk zależy wyłącznie od długości treści w bajtach, która wynosi %1.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Wersja rekordu 1.1: z %1 bajtów treści liczy się tylko %2, mianowicie te, których pozycja w treści modulo 64 jest mniejsza niż %3; są one łączone operacją XOR pozycja po pozycji, więc zmiany, które wzajemnie się znoszą, pozostają niezauważone.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0 (wersja rekordu 1.0: liczy się każdy bajt treści)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1 (wersja rekordu 1.1: treść jest składana, liczy się tylko jej część)</translation>
    </message>
    <message>
        <source>not determined: the check stopped earlier</source>
        <translation>nieustalony: weryfikacja zatrzymała się wcześniej</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Pełna ścieżka</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Werdykt</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Przyczyna</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Znacznik</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>Wersja rekordu</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>Odcisk w rekordzie</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Źródło czasu</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>Adres MAC kamery</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>Tryb odcisku</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>Chronione bajty</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>Niechronione zakresy bajtów</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 z %2 bajtów</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>brak: weryfikacja zatrzymała się przed odczytaniem rekordu znaku wodnego</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>Treść jest innego typu, niż wskazuje końcówka nazwy pliku: blok znaku wodnego leży tam, gdzie umieszcza go inny typ pliku. Czy nazwa pliku została zmieniona?</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - Szczegóły</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>nie obliczono: plik zmienił się po weryfikacji</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>nie można obliczyć: nie można odczytać pliku</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>Plik zmienił się po weryfikacji: nie jest to już ten sam plik w tym samym stanie co wtedy.</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>trwa obliczanie...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>trwa obliczanie... %1%</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>Raport z weryfikacji</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>Pliki po kolei</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>Autentyczność plików dowodowych z monitoringu wizyjnego na podstawie znaków wodnych rejestratora</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>Co werdykt pokazuje, a czego nie</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>Znak wodny otworzył się jednym z wymienionych powyżej zestawów kluczy, tym, który wskazuje sekcja każdego pliku, a zawarty w nim odcisk zgadza się z odciskiem obliczonym z pliku. Odcisk nie obejmuje każdego bajtu: sekcja każdego pliku poniżej podaje, za które bajty ręczy. Wynik nie mówi nic o tym, czy zegar rejestratora chodził prawidłowo, ani o tym, co przedstawiają obrazy.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>Program nie mógł potwierdzić pliku. Każdy problem daje ten sam wynik. Oznacza on tylko, że nie można wykazać, iż ten plik, w postaci, w jakiej znajduje się na dysku, jest niezmienionym eksportem rejestratora. Sam w sobie nie dowodzi celowej manipulacji: plik bez znaku wodnego, ze znakiem wodnym utworzonym innym kluczem lub z rekordem, którego ten program nie zna, nie przechodzi weryfikacji w ten sam sposób. Przed wyciągnięciem wniosków sprawdź nowy eksport z rejestratora lub kopię z oryginalnego nośnika.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>nie obliczono: plik nie jest już tym, który zweryfikowano</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>niedostępny: nie udało się odczytać pliku</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>Odcisk chroni każdy bajt tego pliku poza 512-bajtowym blokiem znaku wodnego.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Zakres ochrony</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>Stan w chwili sporządzenia raportu</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>W nazwach i polach rekordu \xNN oznacza bajt NN, który nie jest poprawnym UTF-8 lub jest znakiem sterującym; \u{XXXX} – znak U+XXXX, który nic nie wyświetla lub zmienia sposób wyświetlania otaczającego tekstu; \\ – ukośnik wsteczny.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>Werdykt na liście</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1: różni się od werdyktu powyżej, który plik otrzymał przy ponownej weryfikacji na potrzeby tego raportu.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>Taki sam jak powyżej: plik zweryfikowano ponownie na potrzeby tego raportu.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>Sprawdzono %1: urządzenie, i-węzeł, rozmiar, czas modyfikacji i czas zmiany stanu nadal zgadzają się z plikiem, który zweryfikowano.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>Sprawdzono %1: urządzenie, i-węzeł, rozmiar, czas modyfikacji lub czas zmiany stanu różnią się od pliku, który zweryfikowano, albo plik zniknął: plik zmienił się po weryfikacji.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>Nieznany: podczas weryfikacji pliku nie zapisano urządzenia, i-węzła, rozmiaru, czasu modyfikacji ani czasu zmiany stanu.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>Eksportuj raport</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>Lista nie zawiera plików do wyeksportowania.</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>Eksportuj raport...</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>Raport PDF (*.pdf)</translation>
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
        <translation>Nie można zapisać eksportu w %1: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Zapisywanie %1...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>Ponowna weryfikacja plików i obliczanie ich skrótów SHA-256...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>Raport zapisano w %1. Znaki, których żadna z jego czcionek nie potrafi narysować, są w nim podane w postaci zakodowanej: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Raport zapisano w %1.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>Jego skrót SHA-256 to %1.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>Plik %1 obok niego zawiera ten sam skrót dla sha256sum -c.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>Nie udało się zapisać jego skrótu SHA-256 obok, w %1: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>Przy ponownej weryfikacji na potrzeby tego eksportu te pliki otrzymały inny werdykt, niż pokazywała lista; ich wiersze pokazują teraz nowy werdykt:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... i %1 więcej.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>Autotest obliczeń, na których opiera się wynik, nie powiódł się (%1): nic nie zostanie wyeksportowane.</translation>
    </message>
</context>
<context>
    <name>ResultListMenu</name>
    <message>
        <source>Details...</source>
        <translation>Szczegóły...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Otwórz folder zawierający plik</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>Żaden menedżer plików nie odpowiedział, więc nie można pokazać folderu: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>Raport z weryfikacji zapisany %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>Weryfikacja rozpoczęta</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>Weryfikacja zakończona</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>Raport zapisany</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Folder roboczy</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Wiersz poleceń</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>Foldery bez dowodów</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>Nieistniejące ścieżki</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1, chronione %2 z %3 bajtów</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>brak: to jest folder, nie plik</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>brak: pod tą ścieżką nic nie istnieje</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>Nie dotyczy: folder wskazany do przeszukania, w którym nie znaleziono żadnego pliku z rozszerzeniem .jpg, .avi, .mp4 ani .mxg.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>Nie dotyczy: w chwili weryfikacji pod tą ścieżką nic nie istniało.</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>Sprawa %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>Biegły %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Sprawa</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>Dowód rzeczowy</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Biegły</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organizacja</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Podpisy</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>Poniższe podpisy dotyczą całego raportu %1.</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>Weryfikator lub świadek</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
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
        <translation>Raport %1</translation>
    </message>
</context>
<context>
    <name>ReportProvenance</name>
    <message>
        <source>File system, as read when verified</source>
        <translation>System plików, jak odczytano przy weryfikacji</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>urządzenie %1, i-węzeł %2; zmodyfikowano %3 UTC; zmiana statusu %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>System operacyjny</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Wersja Qt</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>Biblioteka kryptograficzna</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>Rewizja kodu źródłowego</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>Czas początku i końca w rekordzie nie ma strefy czasowej: pochodzi z zegara rejestratora ustawionego przez jego źródło czasu (pole źródła czasu w rekordzie), a nie z zegara tego komputera.</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>Dane sprawy</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>Jeden dowód rzeczowy w wierszu</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>Te dane pojawiają się w raporcie PDF; pliki CSV i JSON Lines ich nie zawierają. Pola Biegły i Organizacja zostaną następnym razem wypełnione ponownie; numer sprawy, dowody rzeczowe i uwaga nie są zapamiętywane.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Numer sprawy</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>Dowody rzeczowe</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Biegły</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organizacja</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>ReportFileFacts</name>
    <message>
        <source>Digest algorithm</source>
        <translation>Algorytm odcisku</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>HMAC-MD5 z kluczem HMAC wskazanego powyżej zestawu kluczy z MD5 zawartości (wersja rekordu 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>HMAC-MD5 z kluczem HMAC wskazanego powyżej zestawu kluczy ze składania XOR zawartości, zamkniętego finalizacją MD5 (wersja rekordu 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>nieustalony: sprawdzanie zatrzymało się przed odczytaniem wersji rekordu</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>Odcisk obliczony z pliku</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>nieobliczony: sprawdzanie zatrzymało się przed odczytaniem całej zawartości</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>Ostatni dostęp przed weryfikacją</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Właściciel</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Uprawnienia</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>Załącznik: co pominęło przeszukiwanie folderów</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>Przeszukiwanie folderów niczego nie pominęło.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>ukryty: nazwa zaczyna się od kropki</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>dowiązanie symboliczne, nie śledzone</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>nazwa nie kończy się na .jpg, .avi, .mp4 ani .mxg</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>Każdy wpis wskazanych folderów, którego przeszukanie nie objęło, i dlaczego.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>ukryty folder, nieprzeszukany: jego nazwa zaczyna się od kropki; %1 plików w nim ma nazwę typu dowodu</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>folder wskazany więcej niż raz lub leżący w innym wskazanym folderze: jego wpisy są brane raz</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>plik wskazany więcej niż raz lub znaleziony także we wskazanym folderze: zweryfikowany i wymieniony raz</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>Zestaw kluczy</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (odcisk %2)</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>brak: weryfikacja zatrzymała się, zanim któryś zestaw kluczy otworzył blok znaku wodnego</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>brak: jedyny wypróbowany zestaw kluczy nie otworzył bloku znaku wodnego</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>brak: żaden z %1 wypróbowanych zestawów kluczy nie otworzył bloku znaku wodnego</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Żaden znak wodny nie otwiera się jedynym wypróbowanym zestawem kluczy: plik nie ma znaku wodnego albo znak wodny utworzono innym kluczem, albo jest on uszkodzony.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>Żaden znak wodny nie otwiera się żadnym z %1 wypróbowanych zestawów kluczy: plik nie ma znaku wodnego albo znak wodny utworzono kluczem, którego nie zawiera żaden z nich, albo jest on uszkodzony.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>Blok znaku wodnego otworzył się zestawem kluczy %1.</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>Zestaw kluczy %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>odcisk %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>wbudowany w program; moduł RSA o długości %1 bitów</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>systemowy folder kluczy: %1 (SHA-256 pliku %2); moduł RSA o długości %3 bitów</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>folder kluczy użytkownika: %1 (SHA-256 pliku %2); moduł RSA o długości %3 bitów</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>podany przez --keys: %1 (SHA-256 pliku %2); moduł RSA o długości %3 bitów</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>Nie wczytano pliku kluczy</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... i %1 więcej.</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>Okno wyboru plików nie może pokazać tych plików z folderu %1 w niezmienionej postaci albo nie może ich zwrócić, ponieważ ich nazwy zawierają bajty niebędące tekstem UTF-8, znaki końca wiersza lub znaki zmieniające kolejność tekstu:</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>„%1” je dodaje, podobnie jak przeciągnięcie ich z menedżera plików na okno.</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>W ścieżkach \xNN i \u{XXXX} są sekwencjami ucieczki jak wyżej, a każdy inny \ oddziela foldery.</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>Wskazany folder</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>Poza tym raportem</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>usunięty z listy przez badającego</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>niezweryfikowany: weryfikację przerwano, zanim przyszła jego kolej</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>niezweryfikowany: wciąż czekał na swoją kolej, gdy sporządzono raport</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>niezweryfikowany: gdy przyszła jego kolej, nie było pliku o tej nazwie</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>zweryfikowany i na liście, ale nie wśród wierszy wybranych do tego raportu</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>Przeszukanie folderów objęło każdy wpis, ale ten raport nie zawiera każdego znalezionego pliku: poprzedni załącznik wymienia pozostałe.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>Załącznik: przekazane pliki, których nie ma w tym raporcie</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>Każdy plik przekazany do weryfikacji, wskazany z nazwy lub znaleziony przez przeszukanie folderu, którego ten raport nie zawiera, i dlaczego.</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Nie można odczytać folderu: %1.</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>Nie można zbadać wpisu: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Nie można odczytać pliku: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>Miejsce raportu</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>Ten raport leży w %1, folderze poddawanym weryfikacji: późniejsza weryfikacja tego folderu znajdzie go wśród wpisów, których nie obejmuje.</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>w pełni chronione</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>częściowo chronione</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>nic niechronione</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>Czas dostępu</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>zachowany: plik odczytano bez zmiany czasu ostatniego dostępu</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>mógł się zmienić: system nie pozwolił temu programowi odczytać pliku bez zmiany czasu ostatniego dostępu</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Strefa czasowa</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>Walidacja narzędzia</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>zaliczona na początku tej weryfikacji: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), składanie wersji 1.1 i publiczna operacja RSA dały znane wyniki</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>NIEZALICZONA na początku tej weryfikacji: %1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>SHA-256 w chwili raportu</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>nie obliczono: nie można było odczytać pliku</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, taki sam jak przy weryfikacji</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1: różni się od SHA-256 z weryfikacji, więc zawartość zmieniła się po weryfikacji</translation>
    </message>
</context>
</TS>
