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
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>La struttura del contenitore del video (AVI, MP4 o MXG) non può essere seguita fino al suo contenuto.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Il contenuto non corrisponde all&apos;impronta nella filigrana: è stato modificato, oppure l&apos;impronta nel record non ha la forma attesa.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>Durante la verifica del file il computer ha avuto un problema (memoria o handle di file esauriti, oppure il disco ha segnalato un errore di lettura); sul file in sé non si sa nulla. Verificatelo di nuovo.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>Un altro programma tiene il file bloccato, quindi non è stato possibile leggerlo; non si sa nulla del file stesso. Chiudere quel programma e verificare di nuovo il file.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>Questa cartella non contiene alcun file che termini con .jpg, .avi, .mp4 o .mxg, quindi al suo interno non è stato verificato nulla.</translation>
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
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Versione del record 1.1: dei %1 byte del contenuto ne contano solo %2, quelli la cui posizione nel contenuto, modulo 64, è minore di %3; vengono combinati con XOR posizione per posizione, quindi le modifiche che si annullano a vicenda passano inosservate.</translation>
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
        <source>not determined: the check stopped earlier</source>
        <translation>non determinata: la verifica si è interrotta prima</translation>
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
        <source>%1 of %2 bytes</source>
        <translation>%1 di %2 byte</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>nessuno: la verifica si è interrotta prima della lettura del record della filigrana</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>Il contenuto è di un tipo diverso da quello indicato dalla parte finale del nome del file: il blocco della filigrana si trova dove lo colloca un altro tipo di file. Il file è stato rinominato?</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - Dettagli</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>non calcolato: il file è cambiato dopo la verifica</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>impossibile da calcolare: il file non è leggibile</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>Il file è cambiato dopo la verifica: non è più lo stesso file nello stesso stato di allora.</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>calcolo in corso...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>calcolo in corso... %1%</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>Rapporto di verifica</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>I file uno per uno</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>Autenticità di file di prova della videosorveglianza in base alle filigrane dei loro registratori</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>Che cosa un verdetto dimostra e che cosa no</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>La filigrana si è aperta con uno dei set di chiavi elencati sopra, quello indicato nella sezione di ciascun file, e l&apos;impronta che contiene corrisponde a quella calcolata dal file. L&apos;impronta non copre ogni byte: la sezione di ciascun file più sotto indica di quali byte si fa garante. L&apos;esito non dice nulla sull&apos;esattezza dell&apos;orologio del registratore né su ciò che mostrano le immagini.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>Il programma non ha potuto confermare il file. Ogni problema produce questo stesso esito. Significa soltanto che non si può dimostrare che questo file, così come si trova sul disco, sia l&apos;esportazione inalterata del registratore. Da solo non prova una manomissione intenzionale: un file senza filigrana, con una filigrana creata con un&apos;altra chiave o con un record che questo programma non conosce fallisce allo stesso modo. Prima di trarre conclusioni, verificate una nuova esportazione dal registratore o una copia dal supporto originale.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>non calcolato: il file non è più quello verificato</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>non disponibile: il file non ha potuto essere letto</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>L&apos;impronta protegge ogni byte di questo file al di fuori del blocco di filigrana di 512 byte.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Copertura</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>Stato al momento del rapporto</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>Nei nomi e nei campi del record, \xNN indica il byte NN, che non è UTF-8 valido o è un carattere di controllo; \u{XXXX} il carattere U+XXXX, che non mostra nulla o cambia il modo in cui viene mostrato il testo circostante; \\ una barra rovesciata.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>Verdetto nell&apos;elenco</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1: diverso dal verdetto sopra, ottenuto dal file quando è stato verificato di nuovo per questo rapporto.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>Uguale a quello sopra: il file è stato verificato di nuovo per questo rapporto.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>Controllato il %1: dispositivo, inode, dimensione, data di modifica e data di cambio di stato corrispondono ancora al file verificato.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>Controllato il %1: dispositivo, inode, dimensione, data di modifica o data di cambio di stato differiscono dal file verificato, oppure il file non c&apos;è più: il file è cambiato dopo la verifica.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>Non noto: al momento della verifica non sono stati registrati dispositivo, inode, dimensione, data di modifica e data di cambio di stato.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>Esporta rapporto</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>L&apos;elenco non contiene file da esportare.</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>Esporta rapporto...</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>Rapporto PDF (*.pdf)</translation>
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
        <translation>Impossibile scrivere l&apos;esportazione in %1: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Scrittura di %1...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>Nuova verifica dei file e calcolo delle impronte SHA-256...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>Il rapporto è stato scritto in %1. I caratteri che nessuno dei suoi font sa disegnare vi compaiono in forma di escape: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Il rapporto è stato scritto in %1.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>Il suo SHA-256 è %1.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>Il file %1 accanto contiene lo stesso valore per sha256sum -c.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>Non è stato possibile scrivere il suo SHA-256 accanto, in %1: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>Verificati di nuovo per questa esportazione, questi file hanno ottenuto un verdetto diverso da quello mostrato nell'elenco; le loro righe ora mostrano il nuovo verdetto:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... e altri %1.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>L&apos;autotest dei calcoli su cui si basa un verdetto non è riuscito (%1): non viene esportato nulla.</translation>
    </message>
</context>
<context>
    <name>ResultListMenu</name>
    <message>
        <source>Details...</source>
        <translation>Dettagli...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Apri cartella contenitore</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>Nessun gestore di file ha risposto, quindi non è possibile mostrare la cartella: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>Rapporto di verifica scritto il %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>Verifica iniziata il</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>Verifica terminata il</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>Rapporto scritto il</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Cartella di lavoro</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Riga di comando</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>Cartelle senza prove</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>Percorsi inesistenti</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1, %2 byte protetti su %3</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>nessuna: si tratta di una cartella, non di un file</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>nessuna: in questo percorso non esiste nulla</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>Non applicabile: una cartella da esaminare in cui non è stato trovato alcun file con estensione .jpg, .avi, .mp4 o .mxg.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>Non applicabile: al momento della verifica in questo percorso non esisteva nulla.</translation>
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
        <translation>Esaminatore %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Caso</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>Reperto</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Esaminatore</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organizzazione</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Firme</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>Le firme qui sotto si riferiscono all'intero rapporto %1.</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>Revisore o testimone</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
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
        <translation>Rapporto %1</translation>
    </message>
</context>
<context>
    <name>ReportProvenance</name>
    <message>
        <source>File system, as read when verified</source>
        <translation>File system, come letto alla verifica</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>dispositivo %1, inode %2; modificato %3 UTC; stato modificato %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Sistema operativo</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Versione di Qt</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>Libreria crittografica</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>Revisione dei sorgenti</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>Gli orari di inizio e fine di un record non hanno fuso orario: provengono dall'orologio del registratore, regolato dalla sua sorgente oraria (il campo sorgente oraria del record), non da quello di questo computer.</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>Dati del caso</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>Un reperto per riga</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>Il rapporto PDF riporta questi dati; CSV e JSON Lines non li contengono. Esaminatore e organizzazione vengono riproposti la volta successiva; numero del caso, reperti e nota non vengono conservati.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Numero del caso</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>Reperti</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Esaminatore</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organizzazione</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ReportFileFacts</name>
    <message>
        <source>Digest algorithm</source>
        <translation>Algoritmo dell&apos;impronta</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>HMAC-MD5 con la chiave HMAC del set di chiavi indicato sopra sull&apos;MD5 del contenuto (versione del record 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>HMAC-MD5 con la chiave HMAC del set di chiavi indicato sopra sulla piegatura XOR del contenuto, chiusa dalla finalizzazione di MD5 (versione del record 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>non determinato: il controllo si è fermato prima di leggere la versione del record</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>Impronta calcolata dal file</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>non calcolata: il controllo si è fermato prima di leggere tutto il contenuto</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>Ultimo accesso prima della verifica</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Proprietario</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permessi</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>Appendice: ciò che la ricerca nelle cartelle ha tralasciato</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>La ricerca nelle cartelle non ha tralasciato nulla.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>nascosto: il nome inizia con un punto</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>un collegamento simbolico, non seguito</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>il nome non termina in .jpg, .avi, .mp4 o .mxg</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>Ogni voce delle cartelle indicate che la ricerca non ha preso, e il motivo.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>una cartella nascosta, non esplorata: il nome inizia con un punto; %1 file al suo interno hanno il nome di un tipo di prova</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>una cartella indicata più volte o sotto un&apos;altra cartella indicata: le sue voci sono prese una sola volta</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>un file indicato più volte o trovato anche in una cartella indicata: verificato ed elencato una sola volta</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>Set di chiavi</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (impronta %2)</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>nessuno: la verifica si è interrotta prima che un set di chiavi aprisse il blocco della filigrana</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>nessuno: l&apos;unico set di chiavi provato non ha aperto il blocco della filigrana</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>nessuno: nessuno dei %1 set di chiavi provati ha aperto il blocco della filigrana</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Nessuna filigrana si apre con l&apos;unico set di chiavi provato: il file non ha una filigrana, oppure questa è stata creata con un&apos;altra chiave, oppure è danneggiata.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>Nessuna filigrana si apre con alcuno dei %1 set di chiavi provati: il file non ha una filigrana, oppure questa è stata creata con una chiave che nessuno di essi contiene, oppure è danneggiata.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>Il blocco della filigrana si è aperto con il set di chiavi %1.</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>Set di chiavi %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>impronta %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>integrato nel programma; modulo RSA di %1 bit</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>cartella delle chiavi di sistema: %1 (SHA-256 del file %2); modulo RSA di %3 bit</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>cartella delle chiavi dell&apos;utente: %1 (SHA-256 del file %2); modulo RSA di %3 bit</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>indicato con --keys: %1 (SHA-256 del file %2); modulo RSA di %3 bit</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>File di chiavi non caricato</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... e altri %1.</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>La finestra di selezione dei file non può mostrare così come sono questi file della cartella %1, o non può restituirli, perché i loro nomi contengono byte che non sono testo UTF-8, interruzioni di riga o caratteri che riordinano il testo:</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>«%1» li aggiunge, così come trascinarli da un file manager sulla finestra.</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>Nei percorsi, \xNN e \u{XXXX} sono sequenze di escape come sopra e ogni altra \ separa le cartelle.</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>Cartella indicata</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>Non in questo rapporto</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>rimosso dall&apos;elenco dall&apos;esaminatore</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>non verificato: la verifica è stata annullata prima del suo turno</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>non verificato: era ancora in attesa del suo turno quando è stato redatto il rapporto</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>non verificato: quando è venuto il suo turno non c&apos;era alcun file con questo nome</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>verificato e presente nell&apos;elenco, ma non tra le righe scelte per questo rapporto</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>La ricerca nelle cartelle ha preso ogni voce, ma questo rapporto non contiene tutti i file trovati: l&apos;appendice precedente elenca gli altri.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>Appendice: file consegnati ma non presenti in questo rapporto</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>Ogni file consegnato per la verifica, indicato per nome o trovato con una ricerca nelle cartelle, che questo rapporto non contiene, e il motivo.</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Impossibile leggere la cartella: %1.</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>Impossibile esaminare la voce: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Impossibile leggere il file: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>Posizione del rapporto</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>Questo rapporto si trova in %1, una cartella in verifica: una verifica successiva di quella cartella lo troverà tra le voci che non prende.</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>protetti interamente</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>protetti in parte</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>nulla di protetto</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>Ora di accesso</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>conservata: il file è stato letto senza cambiarne l&apos;ora dell&apos;ultimo accesso</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>può essere cambiata: il sistema non ha permesso a questo programma di leggere il file senza cambiarne l&apos;ora dell&apos;ultimo accesso</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso orario</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>Convalida dello strumento</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>superata all&apos;inizio di questa verifica: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), il ripiegamento della versione 1.1 e l&apos;operazione pubblica RSA hanno dato i risultati noti</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>NON SUPERATA all&apos;inizio di questa verifica: %1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>SHA-256 al momento del rapporto</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>non calcolato: il file non è stato leggibile</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, lo stesso della verifica</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1: diverso dallo SHA-256 della verifica, quindi il contenuto è cambiato dopo la verifica</translation>
    </message>
</context>
</TS>
