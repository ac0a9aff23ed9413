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
        <source>The structure of the video does not lead to its content.</source>
        <translation>La estructura del vídeo no conduce a su contenido.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>El contenido no coincide con la huella de la marca de agua: se modificó, o la huella del registro no tiene la forma esperada.</translation>
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
        <source>Record version 1.1: of the %1 content bytes only the %2 whose position in the content modulo 64 is below %3 count, and they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Versión de registro 1.1: de los %1 bytes del contenido solo cuentan los %2 cuya posición en el contenido, módulo 64, es menor que %3, y se combinan mediante XOR posición por posición, de modo que los cambios que se anulan entre sí pasan inadvertidos.</translation>
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
        <source>not reached</source>
        <translation>no alcanzado</translation>
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
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>ninguno: la comprobación se detuvo antes de leer el registro de la marca de agua</translation>
    </message>
</context>
</TS>
