<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>О программе Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>© Trevalon Inc., %1. Все права защищены.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Результат проверки</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Время начала</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Время окончания</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Открыть файлы</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Убрать файлы</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Проверка пройдена</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Проверка не пройдена</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Всего файлов</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Изображения и видео</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Обработка</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Файл не существует.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Это не обычный файл.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Не удаётся прочитать файл.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>Файл пуст или слишком мал, чтобы содержать блок водяного знака.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>Имя файла не оканчивается на .jpg, .avi, .mp4 или .mxg.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>Не удаётся прочитать блок водяного знака.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Ни один водяной знак не открывается встроенным ключом регистратора: в файле нет водяного знака, или знак создан другим ключом, или он повреждён.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>Запись водяного знака содержит метку, которую эта программа не принимает.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>Версия записи водяного знака — не 1.0 и не 1.1.</translation>
    </message>
    <message>
        <source>The structure of the video does not lead to its content.</source>
        <translation>Структура видео не приводит к его содержимому.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Содержимое не совпадает с отпечатком в водяном знаке: оно было изменено, или отпечаток в записи имеет не тот вид, который ожидается.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>Отпечаток защищает только %1 из %2 байт этого файла.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>Вердикт вынесен до проверки какого-либо содержимого: он не ручается ни за один байт.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>Байты с %1 по %2 — заголовок контейнера перед данными изображения — не охвачены.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>Байты с %1 по %2 — это 512-байтовый блок водяного знака, а не содержимое.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>Версия записи 1.1 с индексом свёртки 0: ни один байт содержимого не учитывается; отпечаток зависит только от длины содержимого (%1 байт).</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only the %2 whose position in the content modulo 64 is below %3 count, and they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Версия записи 1.1: из %1 байт содержимого учитываются только %2, позиция которых в содержимом по модулю 64 меньше %3, и они объединяются операцией XOR по позициям, поэтому взаимно гасящиеся изменения остаются незамеченными.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0 (версия записи 1.0: учитывается каждый байт содержимого)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1 (версия записи 1.1: содержимое свёрнуто, учитывается только его часть)</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>не определён</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Полный путь</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Вердикт</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Метка</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>Версия записи</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>Отпечаток в записи</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Источник времени</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>MAC-адрес камеры</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>Режим отпечатка</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>Защищённые байты</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>Незащищённые диапазоны байтов</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестен</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>нет: проверка остановилась до чтения записи водяного знака</translation>
    </message>
</context>
</TS>
