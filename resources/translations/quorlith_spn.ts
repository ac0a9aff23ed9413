<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Acerca de Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Autenticación</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>N.º de serie</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Abrir archivo(s)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Quitar archivo(s)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Autenticación correcta</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Error de autenticación</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Total de archivos</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Imágenes y vídeos</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Procesando</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>El archivo está vacío o es demasiado pequeño para contener un bloque de marca de agua.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>El nombre del archivo no termina en .jpg, .avi, .mp4 o .mxg.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>No se puede leer el bloque de la marca de agua.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Ninguna marca de agua se abre con la clave de grabador integrada: el archivo no tiene marca de agua, o esta se creó con otra clave, o está dañada.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>El registro de la marca de agua tiene un marcador que este programa no acepta.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>La versión del registro de la marca de agua no es ni 1.0 ni 1.1.</translation>
    </message>
    <message>
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>La estructura del contenedor del vídeo (AVI, MP4 o MXG) no se puede seguir hasta su contenido.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>El contenido no coincide con la huella de la marca de agua: se modificó, o la huella del registro no tiene la forma esperada.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>El equipo falló mientras se comprobaba el archivo (se agotaron la memoria o los descriptores de archivo, o el disco notificó un error de lectura); no se sabe nada del archivo en sí. Vuelva a comprobarlo.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>Otro programa mantiene el archivo bloqueado, por lo que no se pudo leer; no se sabe nada del archivo en sí. Cierre ese programa y vuelva a comprobar el archivo.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>Esta carpeta no contiene ningún archivo terminado en .jpg, .avi, .mp4 o .mxg, por lo que no se comprobó nada en ella.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>La huella protege solo %1 de los %2 bytes de este archivo.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>El veredicto se alcanzó antes de comprobar ningún contenido: no responde de ningún byte.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>Los bytes %1 a %2, la cabecera del contenedor que precede a los datos de imagen, no están cubiertos.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>Los bytes %1 a %2 son el bloque de marca de agua de 512 bytes, no contenido.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>Versión de registro 1.1 con índice de plegado 0: no cuenta ningún byte del contenido; la huella depende solo de la longitud del contenido, %1 bytes.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Versión de registro 1.1: de los %1 bytes del contenido solo cuentan %2, aquellos cuya posición en el contenido, módulo 64, es menor que %3; se combinan mediante XOR posición por posición, de modo que los cambios que se anulan entre sí pasan inadvertidos.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0 (versión de registro 1.0: cuenta cada byte del contenido)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1 (versión de registro 1.1: el contenido se pliega, solo cuenta una parte)</translation>
    </message>
    <message>
        <source>not determined: the check stopped earlier</source>
        <translation>sin determinar: la comprobación se detuvo antes</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Ruta completa</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>Versión de registro</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>Huella del registro</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Fuente de la hora</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>MAC de la cámara</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>Modo de huella</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>Bytes protegidos</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>Rangos de bytes no protegidos</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 de %2 bytes</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>ninguno: la comprobación se detuvo antes de leer el registro de la marca de agua</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>El contenido es de otro tipo distinto del que indica la terminación del nombre del archivo: el bloque de la marca de agua está donde lo guarda otro tipo de archivo. ¿Se cambió el nombre del archivo?</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - Detalles</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>no calculado: el archivo cambió después de comprobarse</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>no se puede calcular: el archivo no se puede leer</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>El archivo cambió después de comprobarse: ya no es el mismo archivo en el mismo estado que entonces.</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>calculando...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>calculando... %1 %</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>Informe de verificación</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>Los archivos uno a uno</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>Autenticidad de archivos de prueba de videovigilancia según las marcas de agua de sus grabadores</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>Qué demuestra un veredicto y qué no</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>La marca de agua se abrió con uno de los conjuntos de claves enumerados arriba, el que indica el apartado de cada archivo, y la huella que contiene coincide con la calculada a partir del archivo. La huella no abarca todos los bytes: el apartado de cada archivo, más abajo, indica de qué bytes responde. El resultado no dice nada sobre si el reloj del grabador estaba en hora ni sobre lo que muestran las imágenes.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>El programa no pudo confirmar el archivo. Cualquier problema da este mismo resultado. Solo significa que no se puede demostrar que este archivo, tal como está en el disco, sea la exportación sin cambios del grabador. Por sí solo no prueba una manipulación deliberada: un archivo sin marca de agua, con una marca de agua creada con otra clave o con un registro que este programa no conoce falla de la misma manera. Antes de sacar conclusiones, compruebe una nueva exportación del grabador o una copia del soporte original.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>no calculado: el archivo ya no es el que se comprobó</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>no disponible: no se pudo leer el archivo</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>La huella protege todos los bytes de este archivo fuera del bloque de marca de agua de 512 bytes.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Cobertura</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>Estado al emitir el informe</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>En los nombres y los campos del registro, \xNN representa el byte NN, que no es UTF-8 válido o es un carácter de control; \u{XXXX}, el carácter U+XXXX, que no muestra nada o cambia cómo se muestra el texto que lo rodea; \\, una barra invertida.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>Veredicto en la lista</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1: difiere del veredicto anterior, que el archivo obtuvo al comprobarse de nuevo para este informe.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>El mismo que arriba: el archivo se comprobó de nuevo para este informe.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>Revisado el %1: el dispositivo, el inodo, el tamaño, la fecha de modificación y la fecha de cambio de estado siguen coincidiendo con los del archivo comprobado.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>Revisado el %1: el dispositivo, el inodo, el tamaño, la fecha de modificación o la fecha de cambio de estado difieren de los del archivo comprobado, o el archivo ya no existe: el archivo cambió después de comprobarse.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>Desconocido: al comprobar el archivo no se registraron su dispositivo, inodo, tamaño, fecha de modificación ni fecha de cambio de estado.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>Exportar informe</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>La lista no contiene archivos que exportar.</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>Exportar informe...</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>Informe PDF (*.pdf)</translation>
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
        <translation>No se pudo escribir la exportación en %1: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Escribiendo %1...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>Comprobando de nuevo los archivos y calculando sus resúmenes SHA-256...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>El informe se escribió en %1. Los caracteres que ninguna de sus fuentes puede dibujar aparecen en forma de escape: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>El informe se escribió en %1.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>Su SHA-256 es %1.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>El archivo %1, junto a él, contiene el mismo resumen para sha256sum -c.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>No se pudo escribir su SHA-256 junto a él, en %1: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>Al comprobarse de nuevo para esta exportación, estos archivos obtuvieron un veredicto distinto del que mostraba la lista; sus filas muestran ahora el nuevo veredicto:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>La autoprueba de los cálculos en los que se basa un veredicto ha fallado (%1): no se exporta nada.</translation>
    </message>
</context>
<context>
    <name>ResultListMenu</name>
    <message>
        <source>Details...</source>
        <translation>Detalles...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Abrir carpeta contenedora</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>Ningún administrador de archivos respondió, así que no se puede mostrar la carpeta: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>Informe de verificación escrito el %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>Verificación iniciada el</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>Verificación terminada el</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>Informe escrito el</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Carpeta de trabajo</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Línea de órdenes</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>Carpetas sin pruebas</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>Rutas inexistentes</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1, %2 de %3 bytes protegidos</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>ninguno: es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>ninguno: no existe nada en esta ruta</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>No aplicable: una carpeta indicada para buscar en la que no se encontró ningún archivo terminado en .jpg, .avi, .mp4 o .mxg.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>No aplicable: no existía nada en esta ruta cuando se verificó.</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>Caso %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>Perito %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Caso</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Perito</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Firmas</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>Las firmas siguientes se refieren al informe %1 en su totalidad.</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>Revisor o testigo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Firma</translation>
    </message>
</context>
<context>
    <name>ReportIdentity</name>
    <message>
        <source>Report %1</source>
        <translation>Informe %1</translation>
    </message>
</context>
<context>
    <name>ReportProvenance</name>
    <message>
        <source>File system, as read when verified</source>
        <translation>Sistema de archivos, tal como se leyó al verificar</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>dispositivo %1, inodo %2; modificado %3 UTC; estado cambiado %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Sistema operativo</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Versión de Qt</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>Biblioteca criptográfica</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>Revisión del código fuente</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>Las horas de inicio y fin de un registro no llevan zona horaria: proceden del reloj del grabador, ajustado por su fuente de hora (el campo fuente de hora del registro), no del de este equipo.</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>Datos del caso</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>Una prueba por línea</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>El informe PDF muestra estos datos; CSV y JSON Lines no los incluyen. El perito y la organización se vuelven a proponer la próxima vez; el número de caso, las pruebas y la nota no se guardan.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Número de caso</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Perito</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ReportFileFacts</name>
    <message>
        <source>Digest algorithm</source>
        <translation>Algoritmo de la huella</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>HMAC-MD5 con la clave HMAC del conjunto de claves indicado arriba sobre el MD5 del contenido (versión del registro 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>HMAC-MD5 con la clave HMAC del conjunto de claves indicado arriba sobre el plegado XOR del contenido, cerrado por la finalización de MD5 (versión del registro 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>sin determinar: la comprobación se detuvo antes de leer la versión del registro</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>Huella calculada a partir del archivo</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>sin calcular: la comprobación se detuvo antes de leer todo el contenido</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>Último acceso antes de la verificación</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permisos</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>Apéndice: lo que la búsqueda en las carpetas dejó fuera</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>La búsqueda en las carpetas no dejó nada fuera.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>oculto: su nombre empieza por un punto</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>un enlace simbólico, no seguido</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>el nombre no termina en .jpg, .avi, .mp4 ni .mxg</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>Cada entrada de las carpetas indicadas que la búsqueda no tomó, y por qué.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>una carpeta oculta, no recorrida: su nombre empieza por un punto; %1 archivos dentro de ella tienen el nombre de un tipo de prueba</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>una carpeta indicada más de una vez o dentro de otra carpeta indicada: sus entradas se toman una sola vez</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>un archivo indicado más de una vez o encontrado también en una carpeta indicada: verificado y listado una sola vez</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>Conjunto de claves</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (huella %2)</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>ninguno: la comprobación se detuvo antes de que un conjunto de claves abriera el bloque de la marca de agua</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>ninguno: el único conjunto de claves probado no abrió el bloque de la marca de agua</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>ninguno: ninguno de los %1 conjuntos de claves probados abrió el bloque de la marca de agua</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Ninguna marca de agua se abre con el único conjunto de claves probado: el archivo no tiene marca de agua, o esta se creó con otra clave, o está dañada.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>Ninguna marca de agua se abre con ninguno de los %1 conjuntos de claves probados: el archivo no tiene marca de agua, o esta se creó con una clave que ninguno de ellos contiene, o está dañada.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>El bloque de la marca de agua se abrió con el conjunto de claves %1.</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>Conjunto de claves %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>huella %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>integrado en el programa; módulo RSA de %1 bits</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>carpeta de claves del sistema: %1 (SHA-256 del archivo %2); módulo RSA de %3 bits</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>carpeta de claves del usuario: %1 (SHA-256 del archivo %2); módulo RSA de %3 bits</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>indicado con --keys: %1 (SHA-256 del archivo %2); módulo RSA de %3 bits</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>Archivo de claves no cargado</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>El cuadro de diálogo de archivos no puede mostrar tal como son estos archivos de la carpeta %1, o no puede devolverlos, porque sus nombres contienen bytes que no son texto UTF-8, saltos de línea o caracteres que reordenan el texto:</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>«%1» los añade, igual que arrastrarlos desde un gestor de archivos a la ventana.</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>En las rutas, \xNN y \u{XXXX} son secuencias de escape como arriba y cualquier otra \ separa carpetas.</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>Carpeta indicada</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>No incluidos en este informe</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>quitado de la lista por el examinador</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>no verificado: la verificación se canceló antes de su turno</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>no verificado: aún esperaba su turno cuando se hizo el informe</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>no verificado: cuando llegó su turno no había ningún archivo con ese nombre</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>verificado y en la lista, pero no entre las filas elegidas para este informe</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>La búsqueda en carpetas tomó todas las entradas, pero este informe no contiene todos los archivos que encontró: el apéndice anterior nombra los demás.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>Apéndice: archivos entregados que no están en este informe</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>Cada archivo entregado para verificar, indicado por su nombre o encontrado por una búsqueda en carpetas, que este informe no contiene, y por qué.</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>No se puede leer la carpeta: %1.</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>No se puede examinar la entrada: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>Ubicación del informe</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>Este informe está dentro de %1, una carpeta que se está verificando: una verificación posterior de esa carpeta lo encontrará entre las entradas que no toma.</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>protegidos por completo</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>protegidos en parte</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>nada protegido</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>Hora de acceso</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>conservada: el archivo se leyó sin cambiar su hora de último acceso</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>puede haber cambiado: el sistema no permitió a este programa leer el archivo sin cambiar su hora de último acceso</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>Validación de la herramienta</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>superada al comenzar esta verificación: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), el plegado de la versión 1.1 y la operación pública RSA dieron sus respuestas conocidas</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>FALLIDA al comenzar esta verificación: %1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>SHA-256 en el momento del informe</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>no calculado: no se pudo leer el archivo</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, el mismo que al verificarlo</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1: difiere del SHA-256 al verificarlo, así que el contenido cambió después de la verificación</translation>
    </message>
</context>
</TS>
