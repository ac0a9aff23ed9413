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
        <source>The structure of the video does not lead to its content.</source>
        <translation>Struktura nagrania wideo nie prowadzi do jego treści.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Treść nie zgadza się z odciskiem w znaku wodnym: została zmieniona albo odcisk w rekordzie nie ma oczekiwanej postaci.</translation>
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
        <translation>Wersja rekordu 1.1 z indeksem składania 0: nie liczy się żaden bajt treści; odcisk zależy wyłącznie od długości treści, wynoszącej %1 bajtów.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only the %2 whose position in the content modulo 64 is below %3 count, and they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Wersja rekordu 1.1: z %1 bajtów treści liczą się tylko te (%2), których pozycja w treści modulo 64 jest mniejsza niż %3, i są one łączone operacją XOR pozycja po pozycji, więc zmiany, które wzajemnie się znoszą, pozostają niezauważone.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bajtów</translation>
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
        <source>not reached</source>
        <translation>nieustalony</translation>
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
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>brak: weryfikacja zatrzymała się przed odczytaniem rekordu znaku wodnego</translation>
    </message>
</context>
</TS>
