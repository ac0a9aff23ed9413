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
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>Структуру контейнера видео (AVI, MP4 или MXG) не удаётся пройти до его содержимого.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Содержимое не совпадает с отпечатком в водяном знаке: оно было изменено, или отпечаток в записи имеет не тот вид, который ожидается.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>При проверке файла произошёл сбой компьютера (не хватило памяти или файловых дескрипторов либо диск сообщил об ошибке чтения); о самом файле ничего не известно. Проверьте его ещё раз.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>Другая программа заблокировала файл, поэтому его не удалось прочитать; о самом файле ничего не известно. Закройте эту программу и проверьте файл ещё раз.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>В этой папке нет ни одного файла, имя которого оканчивается на .jpg, .avi, .mp4 или .mxg, поэтому в ней ничего не проверено.</translation>
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
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Версия записи 1.1: из %1 байт содержимого учитываются только %2, а именно те, позиция которых в содержимом по модулю 64 меньше %3; они объединяются операцией XOR по позициям, поэтому взаимно гасящиеся изменения остаются незамеченными.</translation>
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
        <source>not determined: the check stopped earlier</source>
        <translation>не определён: проверка остановилась раньше</translation>
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
        <source>%1 of %2 bytes</source>
        <translation>%1 из %2 байт</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>нет: проверка остановилась до чтения записи водяного знака</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>Содержимое другого типа, чем указывает окончание имени файла: блок водяного знака находится там, где его хранит файл другого типа. Не был ли файл переименован?</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - Подробности</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>не вычислен: файл изменился после проверки</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>невозможно вычислить: не удаётся прочитать файл</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>Файл изменился после проверки: это уже не тот же файл в том же состоянии, что тогда.</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>вычисляется...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>вычисляется... %1%</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>Отчёт о проверке</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>Файлы по отдельности</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>Подлинность файлов-доказательств видеонаблюдения по водяным знакам регистратора</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>Что показывает вердикт и чего он не показывает</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>Водяной знак открылся одним из перечисленных выше наборов ключей — тем, который назван в разделе каждого файла, — и отпечаток в нём совпадает с отпечатком, вычисленным по файлу. Отпечаток охватывает не каждый байт: в разделе каждого файла ниже указано, за какие байты он ручается. Результат ничего не говорит ни о том, верно ли шли часы регистратора, ни о том, что показывают изображения.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>Программа не смогла подтвердить файл. Любая проблема даёт этот же результат. Он означает лишь, что нельзя показать, что этот файл в том виде, в каком он хранится на диске, является неизменённым экспортом регистратора. Сам по себе он не доказывает умышленной подделки: файл без водяного знака, с водяным знаком, созданным другим ключом, или с записью, которую эта программа не знает, не проходит проверку точно так же. Прежде чем делать выводы, проверьте новый экспорт с регистратора или копию с исходного носителя.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>не вычислен: файл уже не тот, который был проверен</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>недоступен: не удалось прочитать файл</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>Отпечаток защищает каждый байт этого файла вне 512-байтового блока водяного знака.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Охват</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>Состояние на момент составления отчёта</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>В именах и полях записи \xNN обозначает байт NN, который не является допустимым UTF-8 или является управляющим символом; \u{XXXX} — символ U+XXXX, который ничего не отображает или меняет отображение окружающего текста; \\ — обратную косую черту.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>Вердикт в списке</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1: отличается от вердикта выше, полученного файлом при повторной проверке для этого отчёта.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>Такой же, как выше: файл был повторно проверен для этого отчёта.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>Сверено %1: устройство, индексный дескриптор (inode), размер, время изменения и время изменения статуса по-прежнему совпадают с проверенным файлом.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>Сверено %1: устройство, индексный дескриптор (inode), размер, время изменения или время изменения статуса отличаются от проверенного файла, или файл исчез: файл изменился после проверки.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>Неизвестно: при проверке файла устройство, индексный дескриптор (inode), размер, время изменения и время изменения статуса не были записаны.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>Экспорт отчёта</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>В списке нет файлов для экспорта.</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>Экспортировать отчёт...</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>Отчёт PDF (*.pdf)</translation>
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
        <translation>Не удалось записать экспорт в %1: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Запись %1...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>Повторная проверка файлов и вычисление их хешей SHA-256...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>Отчёт записан в %1. Символы, которые не может отобразить ни один из его шрифтов, приведены в экранированном виде: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Отчёт записан в %1.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>Его SHA-256: %1.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>Файл %1 рядом с ним содержит ту же контрольную сумму для sha256sum -c.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>Не удалось записать его SHA-256 рядом, в %1: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>При повторной проверке для этого экспорта эти файлы получили другой вердикт, чем показывал список; их строки теперь показывают новый вердикт:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... и ещё %1.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>Самопроверка вычислений, на которых основан вердикт, не пройдена (%1): ничего не экспортируется.</translation>
    </message>
</context>
<context>
    <name>ResultListMenu</name>
    <message>
        <source>Details...</source>
        <translation>Подробности...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Открыть папку с файлом</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>Ни один файловый менеджер не ответил, поэтому папку показать нельзя: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>Отчёт о проверке записан %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>Проверка начата</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>Проверка завершена</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>Отчёт записан</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Рабочая папка</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Командная строка</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>Папки без доказательств</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>Несуществующие пути</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1, защищено %2 из %3 байт</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>нет: это папка, а не файл</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>нет: по этому пути ничего не существует</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>Неприменимо: папка, указанная для поиска, в которой не найдено ни одного файла с окончанием .jpg, .avi, .mp4 или .mxg.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>Неприменимо: во время проверки по этому пути ничего не существовало.</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>Дело %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>Эксперт %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Дело</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>Вещественное доказательство</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Организация</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Подписи</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>Подписи ниже относятся ко всему отчёту %1.</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>Проверяющий или свидетель</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Подпись</translation>
    </message>
</context>
<context>
    <name>ReportIdentity</name>
    <message>
        <source>Report %1</source>
        <translation>Отчёт %1</translation>
    </message>
</context>
<context>
    <name>ReportProvenance</name>
    <message>
        <source>File system, as read when verified</source>
        <translation>Файловая система, как прочитано при проверке</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>устройство %1, индексный дескриптор %2; изменён %3 UTC; статус изменён %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Операционная система</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Версия Qt</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>Криптографическая библиотека</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>Ревизия исходного кода</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>Время начала и окончания в записи не содержит часового пояса: оно взято с часов регистратора, выставленных его источником времени (поле источника времени в записи), а не с часов этого компьютера.</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>Сведения о деле</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>По одному вещественному доказательству в строке</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>Эти сведения выводятся в PDF-отчёте; CSV и JSON Lines их не содержат. Эксперт и организация в следующий раз будут подставлены снова; номер дела, вещественные доказательства и примечание не сохраняются.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Номер дела</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>Вещественные доказательства</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Организация</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ReportFileFacts</name>
    <message>
        <source>Digest algorithm</source>
        <translation>Алгоритм отпечатка</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>HMAC-MD5 с ключом HMAC указанного выше набора ключей от MD5 содержимого (версия записи 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>HMAC-MD5 с ключом HMAC указанного выше набора ключей от XOR-свёртки содержимого, завершённой финальным шагом MD5 (версия записи 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>не определён: проверка остановилась до чтения версии записи</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>Отпечаток, вычисленный по файлу</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>не вычислен: проверка остановилась до того, как содержимое было прочитано целиком</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>Последний доступ до проверки</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Владелец</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Права доступа</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>Приложение: что поиск по папкам пропустил</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>Поиск по папкам ничего не пропустил.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>скрытый: имя начинается с точки</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>символическая ссылка, не прослеживалась</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>имя не оканчивается на .jpg, .avi, .mp4 или .mxg</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>Каждая запись указанных папок, которую поиск не взял, и почему.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>скрытая папка, не просмотрена: её имя начинается с точки; у %1 файлов в ней имя типа доказательного файла</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>папка, указанная более одного раза или внутри другой указанной папки: её записи берутся один раз</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>файл, указанный более одного раза или найденный также в указанной папке: проверен и указан один раз</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>Набор ключей</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (отпечаток %2)</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>нет: проверка остановилась до того, как какой-либо набор ключей открыл блок водяного знака</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>нет: единственный опробованный набор ключей не открыл блок водяного знака</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>нет: ни один из %1 опробованных наборов ключей не открыл блок водяного знака</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Ни один водяной знак не открывается единственным опробованным набором ключей: в файле нет водяного знака, или знак создан другим ключом, или он повреждён.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>Ни один водяной знак не открывается ни одним из %1 опробованных наборов ключей: в файле нет водяного знака, или знак создан ключом, которого нет ни в одном из них, или он повреждён.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>Блок водяного знака открылся набором ключей %1.</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>Набор ключей %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>отпечаток %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>встроен в программу; модуль RSA длиной %1 бит</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>системная папка ключей: %1 (SHA-256 файла %2); модуль RSA длиной %3 бит</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>папка ключей пользователя: %1 (SHA-256 файла %2); модуль RSA длиной %3 бит</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>указан через --keys: %1 (SHA-256 файла %2); модуль RSA длиной %3 бит</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>Файл ключей не загружен</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... и ещё %1.</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>Диалог выбора файлов не может показать эти файлы из папки %1 в исходном виде или не может вернуть их, потому что их имена содержат байты, не являющиеся текстом UTF-8, переводы строк или символы, меняющие порядок текста:</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>«%1» добавляет их, как и перетаскивание из файлового менеджера в окно.</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>В путях \xNN и \u{XXXX} — экранирующие последовательности, как выше, а любой другой \ разделяет папки.</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>Указанная папка</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>Нет в этом отчёте</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>удалён из списка экспертом</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>не проверен: проверка была отменена до его очереди</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>не проверен: ещё ждал своей очереди, когда составлялся отчёт</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>не проверен: когда подошла его очередь, файла с таким именем не было</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>проверен и есть в списке, но не среди строк, выбранных для этого отчёта</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>Поиск по папкам взял каждую запись, но этот отчёт содержит не все найденные файлы: остальные перечислены в предыдущем приложении.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>Приложение: переданные файлы, которых нет в этом отчёте</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>Каждый файл, переданный на проверку, указанный по имени или найденный поиском по папке, которого нет в этом отчёте, и почему.</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Не удаётся прочитать папку: %1.</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>Не удаётся проверить элемент: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Не удаётся прочитать файл: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>Место отчёта</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>Этот отчёт лежит в %1, папке, которая проверяется: последующая проверка этой папки найдёт его среди записей, которые она не берёт.</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>защищены полностью</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>защищены частично</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>ничего не защищено</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>Время доступа</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>сохранено: файл прочитан без изменения времени последнего доступа</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>могло измениться: система не позволила программе прочитать файл без изменения времени последнего доступа</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Часовой пояс</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>Проверка инструмента</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>пройдена в начале этой проверки: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), свёртка версии 1.1 и открытая операция RSA дали известные ответы</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>НЕ ПРОЙДЕНА в начале этой проверки: %1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>SHA-256 на момент отчёта</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>не вычислен: файл не удалось прочитать</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, тот же, что при проверке</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1: отличается от SHA-256 при проверке, значит, содержимое изменилось после проверки</translation>
    </message>
</context>
</TS>
