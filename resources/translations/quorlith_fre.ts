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
        <source>The structure of the video does not lead to its content.</source>
        <translation>La structure de la vidéo ne permet pas d&apos;atteindre son contenu.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>Le contenu ne correspond pas à l&apos;empreinte du filigrane : il a été modifié, ou l&apos;empreinte de l&apos;enregistrement n&apos;a pas la forme attendue.</translation>
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
        <source>Record version 1.1: of the %1 content bytes only the %2 whose position in the content modulo 64 is below %3 count, and they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Version d&apos;enregistrement 1.1 : sur les %1 octets du contenu, seuls comptent les %2 dont la position dans le contenu, modulo 64, est inférieure à %3, et ils sont combinés par XOR position par position, si bien que des modifications qui s&apos;annulent mutuellement passent inaperçues.</translation>
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
        <source>not reached</source>
        <translation>non atteint</translation>
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
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>aucun : la vérification s&apos;est arrêtée avant la lecture de l&apos;enregistrement du filigrane</translation>
    </message>
</context>
</TS>
