<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Informazioni su Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Esito autenticazione</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>N. di serie</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Rimuovi file</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Autenticazione riuscita</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Autenticazione fallita</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>File totali</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Immagini e video</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Elaborazione di</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Non è un file regolare.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>Il file è vuoto o troppo piccolo per contenere un blocco di filigrana.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>Il nome del file non termina con .jpg, .avi, .mp4 o .mxg.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>Impossibile leggere il blocco della filigrana.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Nessuna filigrana si apre con la chiave del registratore incorporata: il file non ha una filigrana, oppure questa è stata creata con un&apos;altra chiave, oppure è danneggiata.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>Il record della filigrana ha un marcatore che questo programma non accetta.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>La versione del record della filigrana non è né 1.0 né 1.1.</translation>
    </message>
    <message>
        <source>The structure of the video does not lead to its content.</source>
        <translation>La struttura del video non conduce al suo contenuto.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Il contenuto non corrisponde all&apos;impronta nella filigrana: è stato modificato, oppure l&apos;impronta nel record non ha la forma attesa.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>L&apos;impronta protegge solo %1 dei %2 byte di questo file.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>Il verdetto è stato emesso prima che venisse verificato alcun contenuto: non si fa garante di nessun byte.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>I byte da %1 a %2, l&apos;intestazione del contenitore che precede i dati delle immagini, non sono coperti.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>I byte da %1 a %2 sono il blocco di filigrana di 512 byte, non contenuto.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>Versione del record 1.1 con indice di ripiegamento 0: nessun byte del contenuto conta; l&apos;impronta dipende solo dalla lunghezza del contenuto, pari a %1 byte.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only the %2 whose position in the content modulo 64 is below %3 count, and they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Versione del record 1.1: dei %1 byte del contenuto contano solo i %2 la cui posizione nel contenuto, modulo 64, è minore di %3, e vengono combinati con XOR posizione per posizione, quindi le modifiche che si annullano a vicenda passano inosservate.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0 (versione del record 1.0: conta ogni byte del contenuto)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1 (versione del record 1.1: il contenuto è ripiegato, ne conta solo una parte)</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>non raggiunto</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Percorso completo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdetto</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Marcatore</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>Versione del record</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>Impronta nel record</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Fonte dell&apos;ora</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>MAC della telecamera</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>Modalità dell&apos;impronta</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>Byte protetti</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>Intervalli di byte non protetti</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>nessuno: la verifica si è interrotta prima della lettura del record della filigrana</translation>
    </message>
</context>
</TS>
