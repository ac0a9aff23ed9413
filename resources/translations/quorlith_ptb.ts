<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Sobre o Trevalon Quorlith</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Copyright (C) %1 Trevalon Inc. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Autenticação</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Hora de término</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Nº de série</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Abrir arquivo(s)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Remover arquivo(s)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Autenticação aprovada</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Falha na autenticação</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Total de arquivos</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Imagens e vídeos</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Processando</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>O arquivo não existe.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Este não é um arquivo comum.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Não é possível ler o arquivo.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>O arquivo está vazio ou é pequeno demais para conter um bloco de marca d&apos;água.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>O nome do arquivo não termina em .jpg, .avi, .mp4 ou .mxg.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>Não é possível ler o bloco da marca d&apos;água.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Nenhuma marca d&apos;água se abre com a chave de gravador embutida: o arquivo não tem marca d&apos;água, ou ela foi criada com outra chave, ou está danificada.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>O registro da marca d&apos;água tem um marcador que este programa não aceita.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>A versão do registro da marca d&apos;água não é nem 1.0 nem 1.1.</translation>
    </message>
    <message>
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>A estrutura do contêiner do vídeo (AVI, MP4 ou MXG) não pode ser seguida até o seu conteúdo.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>O conteúdo não confere com a impressão digital da marca d&apos;água: ele foi alterado, ou a impressão digital do registro não está na forma esperada.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>O computador falhou durante a verificação do arquivo (não havia mais memória ou descritores de arquivo disponíveis, ou o disco informou um erro de leitura); nada se sabe sobre o próprio arquivo. Verifique-o novamente.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>Outro programa mantém o arquivo bloqueado, por isso ele não pôde ser lido; nada se sabe sobre o próprio arquivo. Feche esse programa e verifique o arquivo novamente.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>Esta pasta não contém nenhum arquivo terminado em .jpg, .avi, .mp4 ou .mxg, portanto nada nela foi verificado.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>A impressão digital protege apenas %1 dos %2 bytes deste arquivo.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>O veredito foi dado antes de qualquer conteúdo ser verificado: ele não responde por nenhum byte.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>Os bytes %1 a %2, o cabeçalho do contêiner antes dos dados de imagem, não estão abrangidos.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>Os bytes %1 a %2 são o bloco de marca d&apos;água de 512 bytes, não conteúdo.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>Versão de registro 1.1 com índice de dobra 0: nenhum byte do conteúdo conta; a impressão digital depende apenas do tamanho do conteúdo, %1 bytes.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Versão de registro 1.1: dos %1 bytes do conteúdo só contam %2, aqueles cuja posição no conteúdo, módulo 64, é menor que %3; eles são combinados por XOR posição a posição, de modo que alterações que se anulam entre si passam despercebidas.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0 (versão de registro 1.0: todo byte do conteúdo conta)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1 (versão de registro 1.1: o conteúdo é dobrado, só uma parte dele conta)</translation>
    </message>
    <message>
        <source>not determined: the check stopped earlier</source>
        <translation>não determinado: a verificação parou antes</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Caminho completo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredito</translation>
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
        <translation>Versão do registro</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>Impressão digital no registro</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Fonte do horário</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>MAC da câmera</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>Modo da impressão digital</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>Bytes protegidos</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>Intervalos de bytes não protegidos</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 de %2 bytes</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>nenhum: a verificação parou antes de o registro da marca d&apos;água ser lido</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>O conteúdo é de outro tipo do que a terminação do nome do arquivo indica: o bloco da marca d&apos;água está onde outro tipo de arquivo o guarda. O arquivo foi renomeado?</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - Detalhes</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>não calculado: o arquivo mudou depois de verificado</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>não pode ser calculado: o arquivo não pode ser lido</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>O arquivo mudou depois de verificado: já não é o mesmo arquivo no mesmo estado daquele momento.</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>calculando...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>calculando... %1%</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>Relatório de verificação</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>Os arquivos um a um</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>Autenticidade de arquivos de evidência de videomonitoramento pelas marcas d&apos;água de seus gravadores</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>O que um veredito mostra e o que não mostra</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>A marca d&apos;água se abriu com um dos conjuntos de chaves listados acima, aquele que o bloco de cada arquivo indica, e a impressão digital contida nela confere com a calculada a partir do arquivo. A impressão digital não cobre todos os bytes: o bloco de cada arquivo, mais abaixo, informa por quais bytes ela responde. O resultado não diz nada sobre se o relógio do gravador estava certo nem sobre o que as imagens mostram.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>O programa não conseguiu confirmar o arquivo. Qualquer problema leva a este mesmo resultado. Ele significa apenas que não é possível mostrar que este arquivo, tal como está no disco, é a exportação inalterada do gravador. Por si só, não prova adulteração deliberada: um arquivo sem marca d&apos;água, com uma marca d&apos;água criada com outra chave ou com um registro que este programa não conhece falha da mesma forma. Antes de tirar conclusões, verifique uma nova exportação do gravador ou uma cópia da mídia original.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>não calculado: o arquivo não é mais o que foi verificado</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>não disponível: não foi possível ler o arquivo</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>A impressão digital protege todos os bytes deste arquivo fora do bloco de marca d&apos;água de 512 bytes.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Cobertura</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>Situação na emissão do relatório</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>Em nomes e campos do registro, \xNN representa o byte NN, que não é UTF-8 válido ou é um caractere de controle; \u{XXXX}, o caractere U+XXXX, que não exibe nada ou muda a forma como o texto ao redor é exibido; \\, uma barra invertida.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>Veredito na lista</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1: difere do veredito acima, que o arquivo recebeu ao ser verificado novamente para este relatório.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>O mesmo de cima: o arquivo foi verificado novamente para este relatório.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>Checado em %1: dispositivo, inode, tamanho, data de modificação e data de alteração de status ainda conferem com os do arquivo verificado.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>Checado em %1: dispositivo, inode, tamanho, data de modificação ou data de alteração de status diferem dos do arquivo verificado, ou o arquivo não existe mais: o arquivo mudou depois de verificado.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>Desconhecido: dispositivo, inode, tamanho, data de modificação e data de alteração de status não foram registrados quando o arquivo foi verificado.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>Exportar relatório</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>A lista não contém arquivos para exportar.</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>Exportar relatório...</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>Relatório PDF (*.pdf)</translation>
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
        <translation>Não foi possível gravar a exportação em %1: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Gravando %1...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>Verificando os arquivos novamente e calculando seus hashes SHA-256...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>O relatório foi gravado em %1. Os caracteres que nenhuma de suas fontes consegue desenhar aparecem em forma de escape: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>O relatório foi gravado em %1.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>O SHA-256 dele é %1.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>O arquivo %1 ao lado dele contém o mesmo resumo para o sha256sum -c.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>Não foi possível gravar o SHA-256 dele ao lado, em %1: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>Verificados novamente para esta exportação, estes arquivos receberam um veredito diferente do que a lista mostrava; as linhas deles agora mostram o novo veredito:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... e mais %1.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>O autoteste dos cálculos em que um veredito se baseia falhou (%1): nada é exportado.</translation>
    </message>
</context>
<context>
    <name>ResultListMenu</name>
    <message>
        <source>Details...</source>
        <translation>Detalhes...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Abrir pasta do arquivo</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>Nenhum gerenciador de arquivos respondeu, então a pasta não pode ser mostrada: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>Relatório de verificação gravado em %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>Verificação iniciada em</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>Verificação concluída em</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>Relatório gravado em</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Pasta de trabalho</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Linha de comando</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>Pastas sem evidências</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>Caminhos inexistentes</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1, %2 de %3 bytes protegidos</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>nenhum: é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>nenhum: nada existe neste caminho</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>Não se aplica: uma pasta indicada para busca, na qual não foi encontrado nenhum arquivo terminado em .jpg, .avi, .mp4 ou .mxg.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>Não se aplica: nada existia neste caminho quando foi verificado.</translation>
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
        <translation>Vestígio</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Perito</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organização</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Assinaturas</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>As assinaturas abaixo referem-se ao relatório %1 como um todo.</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>Revisor ou testemunha</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Assinatura</translation>
    </message>
</context>
<context>
    <name>ReportIdentity</name>
    <message>
        <source>Report %1</source>
        <translation>Relatório %1</translation>
    </message>
</context>
<context>
    <name>ReportProvenance</name>
    <message>
        <source>File system, as read when verified</source>
        <translation>Sistema de arquivos, como lido na verificação</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>dispositivo %1, inode %2; modificado em %3 UTC; status alterado em %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Sistema operacional</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Versão do Qt</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>Biblioteca criptográfica</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>Revisão do código-fonte</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>Os horários de início e fim de um registro não têm fuso horário: vêm do relógio do gravador, acertado pela sua fonte de hora (o campo fonte de hora do registro), e não do relógio deste computador.</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>Dados do caso</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>Um vestígio por linha</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>O relatório PDF mostra estes dados; CSV e JSON Lines não os contêm. Perito e organização são sugeridos de novo na próxima vez; número do caso, vestígios e observação não são guardados.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Número do caso</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>Vestígios</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Perito</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organização</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Observação</translation>
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
        <translation>Algoritmo da impressão digital</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>HMAC-MD5 com a chave HMAC do conjunto de chaves indicado acima sobre o MD5 do conteúdo (versão do registro 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>HMAC-MD5 com a chave HMAC do conjunto de chaves indicado acima sobre a dobra XOR do conteúdo, encerrada pela finalização do MD5 (versão do registro 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>não determinado: a verificação parou antes de a versão do registro ser lida</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>Impressão digital calculada a partir do arquivo</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>não calculada: a verificação parou antes de o conteúdo ser lido por inteiro</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>Último acesso antes da verificação</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Proprietário</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permissões</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>Apêndice: o que a busca nas pastas deixou de fora</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>A busca nas pastas não deixou nada de fora.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>oculto: o nome começa com um ponto</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>um link simbólico, não seguido</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>o nome não termina em .jpg, .avi, .mp4 ou .mxg</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>Cada entrada das pastas indicadas que a busca não incluiu, e por quê.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>uma pasta oculta, não percorrida: o nome começa com um ponto; %1 arquivos dentro dela têm o nome de um tipo de evidência</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>uma pasta indicada mais de uma vez ou dentro de outra pasta indicada: suas entradas são incluídas uma só vez</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>um arquivo indicado mais de uma vez ou encontrado também em uma pasta indicada: verificado e listado uma só vez</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>Conjunto de chaves</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (impressão digital %2)</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>nenhum: a verificação parou antes de um conjunto de chaves abrir o bloco da marca d&apos;água</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>nenhum: o único conjunto de chaves testado não abriu o bloco da marca d&apos;água</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>nenhum: nenhum dos %1 conjuntos de chaves testados abriu o bloco da marca d&apos;água</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Nenhuma marca d&apos;água se abre com o único conjunto de chaves testado: o arquivo não tem marca d&apos;água, ou ela foi criada com outra chave, ou está danificada.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>Nenhuma marca d&apos;água se abre com qualquer um dos %1 conjuntos de chaves testados: o arquivo não tem marca d&apos;água, ou ela foi criada com uma chave que nenhum deles contém, ou está danificada.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>O bloco da marca d&apos;água se abriu com o conjunto de chaves %1.</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>Conjunto de chaves %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>impressão digital %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>embutido no programa; módulo RSA de %1 bits</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>pasta de chaves do sistema: %1 (SHA-256 do arquivo %2); módulo RSA de %3 bits</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>pasta de chaves do usuário: %1 (SHA-256 do arquivo %2); módulo RSA de %3 bits</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>informado com --keys: %1 (SHA-256 do arquivo %2); módulo RSA de %3 bits</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>Arquivo de chaves não carregado</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... e mais %1.</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>A caixa de diálogo de arquivos não consegue mostrar estes arquivos da pasta %1 como são, ou não consegue devolvê-los, porque os nomes deles contêm bytes que não são texto UTF-8, quebras de linha ou caracteres que reordenam o texto:</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>"%1" adiciona esses arquivos, assim como arrastá-los de um gerenciador de arquivos para a janela.</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>Nos caminhos, \xNN e \u{XXXX} são sequências de escape como acima e qualquer outra \ separa pastas.</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>Pasta indicada</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>Fora deste relatório</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>removido da lista pelo examinador</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>não verificado: a verificação foi cancelada antes da vez dele</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>não verificado: ainda aguardava a vez quando o relatório foi feito</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>não verificado: quando chegou a vez dele, não havia arquivo com esse nome</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>verificado e na lista, mas não entre as linhas escolhidas para este relatório</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>A busca nas pastas incluiu todas as entradas, mas este relatório não contém todos os arquivos encontrados: o apêndice anterior cita os demais.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>Apêndice: arquivos entregues que não estão neste relatório</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>Cada arquivo entregue para verificação, indicado pelo nome ou encontrado por uma busca em pasta, que este relatório não contém, e por quê.</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Não é possível ler a pasta: %1.</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>Não é possível examinar a entrada: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Não é possível ler o arquivo: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>Local do relatório</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>Este relatório está dentro de %1, uma pasta em verificação: uma verificação posterior dessa pasta o encontrará entre as entradas que não inclui.</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>totalmente protegidos</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>parcialmente protegidos</translation>
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
        <translation>Horário de acesso</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>mantido: o arquivo foi lido sem alterar o horário do último acesso</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>pode ter mudado: o sistema não permitiu que este programa lesse o arquivo sem alterar o horário do último acesso</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso horário</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>Validação da ferramenta</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>aprovada no início desta verificação: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), a dobra da versão 1.1 e a operação pública RSA deram as respostas conhecidas</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>FALHOU no início desta verificação: %1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>SHA-256 no momento do relatório</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>não calculado: não foi possível ler o arquivo</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, o mesmo de quando foi verificado</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1: difere do SHA-256 de quando foi verificado, portanto o conteúdo mudou depois da verificação</translation>
    </message>
</context>
</TS>
