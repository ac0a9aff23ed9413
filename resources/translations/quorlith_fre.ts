<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>À propos de Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Authentification</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Ouvrir des fichiers</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir un dossier</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Retirer des fichiers</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Authentification réussie</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Authentification échouée</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Total des fichiers</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Images et vidéos</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Traitement de</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>Le fichier est vide ou trop petit pour contenir un bloc de filigrane.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>Le nom du fichier ne se termine pas par .jpg, .avi, .mp4 ou .mxg.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>Le bloc de filigrane ne peut pas être lu.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Aucun filigrane ne s&apos;ouvre avec la clé d&apos;enregistreur intégrée : le fichier n&apos;a pas de filigrane, ou celui-ci a été créé avec une autre clé, ou il est endommagé.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>L&apos;enregistrement du filigrane porte un marqueur que ce programme n&apos;accepte pas.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>La version de l&apos;enregistrement du filigrane n&apos;est ni 1.0 ni 1.1.</translation>
    </message>
    <message>
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>La structure du conteneur de la vidéo (AVI, MP4 ou MXG) ne permet pas de remonter jusqu&apos;à son contenu.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Le contenu ne correspond pas à l&apos;empreinte du filigrane : il a été modifié, ou l&apos;empreinte de l&apos;enregistrement n&apos;a pas la forme attendue.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>Une défaillance de l&apos;ordinateur est survenue pendant la vérification du fichier (mémoire ou descripteurs de fichiers épuisés, ou erreur de lecture signalée par le disque) ; rien n&apos;est établi quant au fichier lui-même. Vérifiez-le à nouveau.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>Un autre programme maintient le fichier verrouillé, il n&apos;a donc pas pu être lu ; on ne sait rien du fichier lui-même. Fermez ce programme et vérifiez à nouveau le fichier.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>Ce dossier ne contient aucun fichier dont le nom se termine par .jpg, .avi, .mp4 ou .mxg ; rien n&apos;y a donc été vérifié.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>L&apos;empreinte ne protège que %1 des %2 octets de ce fichier.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>Le verdict a été rendu avant toute vérification du contenu : il ne se porte garant d&apos;aucun octet.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>Les octets %1 à %2, l&apos;en-tête du conteneur placé avant les données d&apos;image, ne sont pas couverts.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>Les octets %1 à %2 sont le bloc de filigrane de 512 octets, et non du contenu.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>Version d&apos;enregistrement 1.1 avec indice de repliement 0 : aucun octet du contenu ne compte ; l&apos;empreinte ne dépend que de la longueur du contenu, soit %1 octets.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Version d&apos;enregistrement 1.1 : sur les %1 octets du contenu, seuls %2 comptent, ceux dont la position dans le contenu, modulo 64, est inférieure à %3 ; ils sont combinés par XOR position par position, si bien que des modifications qui s&apos;annulent mutuellement passent inaperçues.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0 (version d&apos;enregistrement 1.0 : chaque octet du contenu compte)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1 (version d&apos;enregistrement 1.1 : le contenu est replié, seule une partie compte)</translation>
    </message>
    <message>
        <source>not determined: the check stopped earlier</source>
        <translation>non déterminé : la vérification s&apos;est arrêtée avant</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Chemin complet</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Marqueur</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>Version d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>Empreinte de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Source de l&apos;heure</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>MAC de la caméra</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>Mode d&apos;empreinte</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>Octets protégés</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>Plages d&apos;octets non protégées</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 octets sur %2</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>aucun : la vérification s&apos;est arrêtée avant la lecture de l&apos;enregistrement du filigrane</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>Le contenu est d&apos;un autre type que ne l&apos;indique la fin du nom de fichier : le bloc de filigrane se trouve là où un autre type de fichier le place. Le fichier a-t-il été renommé ?</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - Détails</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>non calculé : le fichier a changé depuis sa vérification</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>impossible à calculer : le fichier est illisible</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>Le fichier a changé depuis sa vérification : ce n&apos;est plus le même fichier dans le même état qu&apos;alors.</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>calcul en cours...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>calcul en cours... %1 %</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>Rapport de vérification</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>Les fichiers un par un</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>Authenticité de fichiers de preuve de vidéosurveillance d&apos;après les filigranes de leur enregistreur</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>Ce qu&apos;un verdict établit et ce qu&apos;il n&apos;établit pas</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>Le filigrane s&apos;est ouvert avec l&apos;un des jeux de clés indiqués ci-dessus, celui que nomme la section de chaque fichier, et l&apos;empreinte qu&apos;il contient correspond à celle calculée à partir du fichier. L&apos;empreinte ne couvre pas chaque octet : la section de chaque fichier ci-dessous indique les octets qu&apos;elle garantit. Le résultat ne dit rien de l&apos;exactitude de l&apos;horloge de l&apos;enregistreur ni de ce que montrent les images.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>Le programme n&apos;a pas pu confirmer le fichier. Tout problème donne ce même résultat. Il signifie seulement que ce fichier, tel qu&apos;il se trouve sur le disque, ne peut pas être démontré comme étant l&apos;export inchangé de l&apos;enregistreur. À lui seul, il ne prouve pas une falsification délibérée : un fichier sans filigrane, avec un filigrane créé avec une autre clé ou avec un enregistrement que ce programme ne connaît pas échoue de la même façon. Avant de tirer des conclusions, vérifiez un nouvel export de l&apos;enregistreur ou une copie issue du support d&apos;origine.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Synthèse</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>non calculé : le fichier n&apos;est plus celui qui a été vérifié</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>non disponible : le fichier n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>L&apos;empreinte protège chaque octet de ce fichier en dehors du bloc de filigrane de 512 octets.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Couverture</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>État au moment du rapport</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>Dans les noms et les champs de l&apos;enregistrement, \xNN représente l&apos;octet NN, qui n&apos;est pas de l&apos;UTF-8 valide ou est un caractère de contrôle ; \u{XXXX} le caractère U+XXXX, qui n&apos;affiche rien ou modifie l&apos;affichage du texte qui l&apos;entoure ; \\ une barre oblique inverse.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>Verdict dans la liste</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1 : diffère du verdict ci-dessus, obtenu par le fichier lors de sa nouvelle vérification pour ce rapport.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>Identique au verdict ci-dessus : le fichier a été vérifié à nouveau pour ce rapport.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>Contrôlé le %1 : le périphérique, l&apos;inode, la taille, la date de modification et la date de changement d&apos;état correspondent toujours au fichier vérifié.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>Contrôlé le %1 : le périphérique, l&apos;inode, la taille, la date de modification ou la date de changement d&apos;état diffèrent du fichier vérifié, ou le fichier a disparu : le fichier a changé depuis sa vérification.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>Inconnu : ni le périphérique, ni l&apos;inode, ni la taille, ni la date de modification, ni la date de changement d&apos;état n&apos;ont été relevés lors de la vérification du fichier.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>Exporter un rapport</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>La liste ne contient aucun fichier à exporter.</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>Exporter un rapport...</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>Rapport PDF (*.pdf)</translation>
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
        <translation>L&apos;export n&apos;a pas pu être écrit dans %1 : %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Écriture de %1...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>Nouvelle vérification des fichiers et calcul de leurs empreintes SHA-256...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>Le rapport a été écrit dans %1. Les caractères qu&apos;aucune de ses polices ne sait dessiner y figurent sous leur forme échappée : %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Le rapport a été écrit dans %1.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>Son SHA-256 est %1.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>Le fichier %1 placé à côté contient la même empreinte pour sha256sum -c.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>Son SHA-256 n'a pas pu être écrit à côté, dans %1 : %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>Vérifiés à nouveau pour cette exportation, ces fichiers ont obtenu un autre verdict que celui de la liste ; leurs lignes affichent désormais le nouveau verdict :</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 autres.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>L&apos;autotest des calculs sur lesquels repose un verdict a échoué (%1) : rien n&apos;est exporté.</translation>
    </message>
</context>
<context>
    <name>ResultListMenu</name>
    <message>
        <source>Details...</source>
        <translation>Détails...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Ouvrir le dossier parent</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>Aucun gestionnaire de fichiers n&apos;a répondu ; le dossier ne peut donc pas être affiché : %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>Rapport de vérification écrit le %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>Vérification commencée le</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>Vérification terminée le</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>Rapport écrit le</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Dossier de travail</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Ligne de commande</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>Dossiers sans preuve</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>Chemins inexistants</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1, %2 octets protégés sur %3</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>aucune : il s&apos;agit d&apos;un dossier, pas d&apos;un fichier</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>aucune : rien n&apos;existe à cet emplacement</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>Sans objet : un dossier à parcourir, dans lequel aucun fichier se terminant par .jpg, .avi, .mp4 ou .mxg n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>Sans objet : rien n&apos;existait à cet emplacement lors de la vérification.</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>Affaire %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>Examinateur %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Affaire</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>Scellé</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Examinateur</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisme</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Signatures</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>Les signatures ci-dessous portent sur l'ensemble du rapport %1.</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>Relecteur ou témoin</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signature</translation>
    </message>
</context>
<context>
    <name>ReportIdentity</name>
    <message>
        <source>Report %1</source>
        <translation>Rapport %1</translation>
    </message>
</context>
<context>
    <name>ReportProvenance</name>
    <message>
        <source>File system, as read when verified</source>
        <translation>Système de fichiers, tel que lu lors de la vérification</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>périphérique %1, inode %2 ; modifié le %3 UTC ; statut modifié le %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Système d'exploitation</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Version de Qt</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>Bibliothèque cryptographique</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>Révision des sources</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>Les heures de début et de fin d'un enregistrement ne portent aucun fuseau horaire : elles viennent de l'horloge de l'enregistreur, réglée par sa source de temps (le champ source de temps de l'enregistrement), et non de celle de cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>Informations sur l'affaire</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>Un scellé par ligne</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>Le rapport PDF reprend ces informations ; les exports CSV et JSON Lines n'en contiennent aucune. L'examinateur et l'organisme sont proposés de nouveau la fois suivante ; le numéro d'affaire, les scellés et la remarque ne sont pas conservés.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Numéro d'affaire</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>Scellés</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Examinateur</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisme</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ReportFileFacts</name>
    <message>
        <source>Digest algorithm</source>
        <translation>Algorithme de l&apos;empreinte</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>HMAC-MD5 avec la clé HMAC du jeu de clés nommé ci-dessus sur le MD5 du contenu (version d&apos;enregistrement 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>HMAC-MD5 avec la clé HMAC du jeu de clés nommé ci-dessus sur le repli XOR du contenu, clos par la finalisation de MD5 (version d&apos;enregistrement 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>non déterminé : la vérification s&apos;est arrêtée avant la lecture de la version d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>Empreinte calculée à partir du fichier</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>non calculée : la vérification s&apos;est arrêtée avant que tout le contenu soit lu</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>Dernier accès avant la vérification</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permissions</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>Annexe : ce que la recherche dans les dossiers a laissé de côté</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>La recherche dans les dossiers n&apos;a rien laissé de côté.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>masqué : son nom commence par un point</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>un lien symbolique, non suivi</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>le nom ne se termine pas par .jpg, .avi, .mp4 ou .mxg</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>Chaque entrée des dossiers indiqués que la recherche n&apos;a pas retenue, et pourquoi.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>un dossier caché, non parcouru : son nom commence par un point ; %1 fichiers qu&apos;il contient portent le nom d&apos;un type de preuve</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>un dossier indiqué plusieurs fois ou situé sous un autre dossier indiqué : ses entrées sont prises une seule fois</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>un fichier indiqué plusieurs fois ou trouvé aussi dans un dossier indiqué : vérifié et listé une seule fois</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>Jeu de clés</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (empreinte %2)</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>aucun : la vérification s&apos;est arrêtée avant qu&apos;un jeu de clés n&apos;ouvre le bloc de filigrane</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>aucun : le seul jeu de clés essayé n&apos;a pas ouvert le bloc de filigrane</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>aucun : aucun des %1 jeux de clés essayés n&apos;a ouvert le bloc de filigrane</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Aucun filigrane ne s&apos;ouvre avec le seul jeu de clés essayé : le fichier n&apos;a pas de filigrane, ou celui-ci a été créé avec une autre clé, ou il est endommagé.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>Aucun filigrane ne s&apos;ouvre avec les %1 jeux de clés essayés : le fichier n&apos;a pas de filigrane, ou celui-ci a été créé avec une clé qu&apos;aucun d&apos;eux ne contient, ou il est endommagé.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>Le bloc de filigrane s&apos;est ouvert avec le jeu de clés %1.</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>Jeu de clés %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>empreinte %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>intégré au programme ; module RSA de %1 bits</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>dossier de clés du système : %1 (SHA-256 du fichier %2) ; module RSA de %3 bits</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>dossier de clés de l&apos;utilisateur : %1 (SHA-256 du fichier %2) ; module RSA de %3 bits</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>indiqué avec --keys : %1 (SHA-256 du fichier %2) ; module RSA de %3 bits</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>Fichier de clés non chargé</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 autres.</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>La boîte de dialogue de fichiers ne peut pas afficher tels quels ces fichiers du dossier %1, ou ne peut pas les renvoyer, car leurs noms contiennent des octets qui ne sont pas du texte UTF-8, des sauts de ligne ou des caractères qui réordonnent le texte :</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>« %1 » les ajoute, tout comme les faire glisser depuis un gestionnaire de fichiers sur la fenêtre.</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>Dans les chemins, \xNN et \u{XXXX} sont des séquences d'échappement comme ci-dessus et tout autre \ sépare les dossiers.</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>Dossier indiqué</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>Absents de ce rapport</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>retiré de la liste par l&apos;examinateur</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>non vérifié : la vérification a été annulée avant son tour</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>non vérifié : attendait encore son tour quand le rapport a été établi</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>non vérifié : aucun fichier n&apos;existait sous ce nom quand son tour est venu</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>vérifié et dans la liste, mais pas parmi les lignes choisies pour ce rapport</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>La recherche dans les dossiers a retenu chaque entrée, mais ce rapport ne contient pas tous les fichiers trouvés : l&apos;annexe précédente nomme les autres.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>Annexe : fichiers remis mais absents de ce rapport</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>Chaque fichier remis pour vérification, indiqué par son nom ou trouvé par une recherche dans un dossier, que ce rapport ne contient pas, et pourquoi.</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Le dossier ne peut pas être lu : %1.</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>L&apos;entrée ne peut pas être examinée : %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Le fichier ne peut pas être lu : %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>Emplacement du rapport</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>Ce rapport se trouve dans %1, un dossier en cours de vérification : une vérification ultérieure de ce dossier le trouvera parmi les entrées qu&apos;elle ne retient pas.</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>entièrement protégés</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>partiellement protégés</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>rien de protégé</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>Heure d&apos;accès</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>conservée : le fichier a été lu sans modifier son heure de dernier accès</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>peut avoir changé : le système n&apos;a pas permis à ce programme de lire le fichier sans modifier son heure de dernier accès</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>Validation de l&apos;outil</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>réussie au début de cette vérification : MD5 (RFC 1321), HMAC-MD5 (RFC 2202), le repliement de la version 1.1 et l&apos;opération publique RSA ont donné leurs réponses connues</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>ÉCHEC au début de cette vérification : %1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>SHA-256 à l&apos;heure du rapport</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>non calculé : le fichier n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, le même que lors de la vérification</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1 : diffère du SHA-256 de la vérification, le contenu a donc changé après la vérification</translation>
    </message>
</context>
</TS>
