<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Acerca do Trevalon Quorlith</translation>
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
        <translation>Nome do ficheiro</translation>
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
        <translation>Hora de fim</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>N.º de série</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Abrir ficheiro(s)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Remover ficheiro(s)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Autenticação com êxito</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Falha na autenticação</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Total de ficheiros</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Imagens e vídeos</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>A processar</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>O ficheiro não existe.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Este não é um ficheiro normal.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Não é possível ler o ficheiro.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>O ficheiro está vazio ou é demasiado pequeno para conter um bloco de marca de água.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>O nome do ficheiro não termina em .jpg, .avi, .mp4 ou .mxg.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>Não é possível ler o bloco da marca de água.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Nenhuma marca de água abre com a chave de gravador incorporada: o ficheiro não tem marca de água, ou esta foi criada com outra chave, ou está danificada.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>O registo da marca de água tem um marcador que este programa não aceita.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>A versão do registo da marca de água não é nem 1.0 nem 1.1.</translation>
    </message>
    <message>
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>A estrutura do contentor do vídeo (AVI, MP4 ou MXG) não pode ser seguida até ao seu conteúdo.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>O conteúdo não coincide com a impressão digital da marca de água: foi alterado, ou a impressão digital do registo não tem a forma esperada.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>O computador falhou durante a verificação do ficheiro (deixou de haver memória ou descritores de ficheiro disponíveis, ou o disco comunicou um erro de leitura); nada se sabe sobre o próprio ficheiro. Verifique-o novamente.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>Outro programa mantém o ficheiro bloqueado, pelo que não foi possível lê-lo; nada se sabe sobre o próprio ficheiro. Feche esse programa e verifique o ficheiro novamente.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>Esta pasta não contém nenhum ficheiro terminado em .jpg, .avi, .mp4 ou .mxg, pelo que nada nela foi verificado.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>A impressão digital protege apenas %1 dos %2 bytes deste ficheiro.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>O veredicto foi obtido antes de qualquer conteúdo ser verificado: não responde por nenhum byte.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>Os bytes %1 a %2, o cabeçalho do contentor antes dos dados de imagem, não estão abrangidos.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>Os bytes %1 a %2 são o bloco de marca de água de 512 bytes, não conteúdo.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>Versão de registo 1.1 com índice de dobragem 0: nenhum byte do conteúdo conta; a impressão digital depende apenas do comprimento do conteúdo, %1 bytes.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Versão de registo 1.1: dos %1 bytes do conteúdo só contam %2, aqueles cuja posição no conteúdo, módulo 64, é inferior a %3; são combinados por XOR posição a posição, pelo que as alterações que se anulam entre si passam despercebidas.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0 (versão de registo 1.0: cada byte do conteúdo conta)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1 (versão de registo 1.1: o conteúdo é dobrado, só uma parte dele conta)</translation>
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
        <translation>Versão do registo</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>Impressão digital no registo</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Origem da hora</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>MAC da câmara</translation>
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
        <translation>Notas</translation>
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
        <translation>nenhum: a verificação parou antes de o registo da marca de água ser lido</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>O conteúdo é de outro tipo do que a terminação do nome do ficheiro indica: o bloco da marca de água está onde outro tipo de ficheiro o guarda. O ficheiro foi mudado de nome?</translation>
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
        <translation>não calculado: o ficheiro foi alterado depois de verificado</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>não é possível calcular: o ficheiro não pode ser lido</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>O ficheiro foi alterado depois de verificado: já não é o mesmo ficheiro no mesmo estado dessa altura.</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>a calcular...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>a calcular... %1%</translation>
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
        <translation>Os ficheiros um a um</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>Autenticidade de ficheiros de prova de videovigilância pelas marcas de água dos respetivos gravadores</translation>
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
        <translation>O que um veredicto mostra e o que não mostra</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>A marca de água abriu com um dos conjuntos de chaves indicados acima, aquele que a secção de cada ficheiro nomeia, e a impressão digital nela contida coincide com a calculada a partir do ficheiro. A impressão digital não abrange todos os bytes: a secção de cada ficheiro, mais abaixo, indica os bytes pelos quais responde. O resultado nada diz sobre se o relógio do gravador estava certo nem sobre o que as imagens mostram.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>O programa não conseguiu confirmar o ficheiro. Qualquer problema dá este mesmo resultado. Significa apenas que não é possível demonstrar que este ficheiro, tal como se encontra no disco, é a exportação inalterada do gravador. Por si só, não prova uma adulteração deliberada: um ficheiro sem marca de água, com uma marca de água criada com outra chave ou com um registo que este programa não conhece falha da mesma forma. Antes de tirar conclusões, verifique uma nova exportação do gravador ou uma cópia do suporte original.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>não calculado: o ficheiro já não é o que foi verificado</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>não disponível: não foi possível ler o ficheiro</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>A impressão digital protege todos os bytes deste ficheiro fora do bloco de marca de água de 512 bytes.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Cobertura</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>Estado à data do relatório</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>Nos nomes e campos do registo, \xNN representa o byte NN, que não é UTF-8 válido ou é um carácter de controlo; \u{XXXX}, o carácter U+XXXX, que não mostra nada ou altera a forma como o texto à volta é mostrado; \\, uma barra invertida.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>Veredicto na lista</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1: difere do veredicto acima, que o ficheiro obteve ao ser verificado de novo para este relatório.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>Igual ao de cima: o ficheiro foi verificado de novo para este relatório.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>Confirmado em %1: dispositivo, inode, tamanho, data de modificação e data de alteração de estado continuam a coincidir com os do ficheiro verificado.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>Confirmado em %1: dispositivo, inode, tamanho, data de modificação ou data de alteração de estado diferem dos do ficheiro verificado, ou o ficheiro já não existe: o ficheiro foi alterado depois de verificado.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>Desconhecido: dispositivo, inode, tamanho, data de modificação e data de alteração de estado não foram registados quando o ficheiro foi verificado.</translation>
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
        <translation>A lista não contém ficheiros para exportar.</translation>
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
        <translation>Não foi possível escrever a exportação em %1: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>A escrever %1...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>A verificar novamente os ficheiros e a calcular os seus resumos SHA-256...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>O relatório foi gravado em %1. Os caracteres que nenhum dos seus tipos de letra consegue desenhar aparecem em forma de escape: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>O relatório foi gravado em %1.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>O seu SHA-256 é %1.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>O ficheiro %1 ao lado contém o mesmo resumo para o sha256sum -c.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>Não foi possível gravar o seu SHA-256 ao lado, em %1: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>Verificados de novo para esta exportação, estes ficheiros obtiveram um veredicto diferente do que a lista mostrava; as suas linhas mostram agora o novo veredicto:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... e mais %1.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>O autoteste dos cálculos em que um veredicto se baseia falhou (%1): nada é exportado.</translation>
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
        <translation>Abrir pasta do ficheiro</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>Nenhum gestor de ficheiros respondeu, pelo que a pasta não pode ser mostrada: %1</translation>
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
        <translation>Linha de comandos</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>Pastas sem provas</translation>
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
        <translation>nenhum: é uma pasta, não um ficheiro</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>nenhum: nada existe neste caminho</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>Não aplicável: uma pasta indicada para pesquisa, na qual não foi encontrado nenhum ficheiro terminado em .jpg, .avi, .mp4 ou .mxg.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>Não aplicável: nada existia neste caminho quando foi verificado.</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>Processo %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>Perito %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Processo</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>Prova</translation>
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
        <translation>Nota</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Assinaturas</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>As assinaturas abaixo referem-se à totalidade do relatório %1.</translation>
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
        <translation>Sistema de ficheiros, tal como lido na verificação</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>dispositivo %1, inode %2; modificado em %3 UTC; estado alterado em %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Sistema operativo</translation>
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
        <translation>As horas de início e de fim de um registo não têm fuso horário: vêm do relógio do gravador, acertado pela sua fonte de hora (o campo fonte de hora do registo), e não do relógio deste computador.</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>Dados do processo</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>Uma prova por linha</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>O relatório PDF mostra estes dados; CSV e JSON Lines não os contêm. O perito e a organização são propostos de novo na próxima vez; o número do processo, as provas e a nota não são guardados.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Número do processo</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>Provas</translation>
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
        <translation>Algoritmo da impressão digital</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>HMAC-MD5 com a chave HMAC do conjunto de chaves indicado acima sobre o MD5 do conteúdo (versão do registo 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>HMAC-MD5 com a chave HMAC do conjunto de chaves indicado acima sobre a dobragem XOR do conteúdo, fechada pela finalização do MD5 (versão do registo 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>não determinado: a verificação parou antes de a versão do registo ser lida</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>Impressão digital calculada a partir do ficheiro</translation>
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
        <translation>Apêndice: o que a pesquisa nas pastas deixou de fora</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>A pesquisa nas pastas não deixou nada de fora.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>oculto: o nome começa por um ponto</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>uma ligação simbólica, não seguida</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>o nome não termina em .jpg, .avi, .mp4 ou .mxg</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>Cada entrada das pastas indicadas que a pesquisa não incluiu, e porquê.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>uma pasta oculta, não percorrida: o nome começa por um ponto; %1 ficheiros dentro dela têm o nome de um tipo de prova</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>uma pasta indicada mais de uma vez ou dentro de outra pasta indicada: as suas entradas são incluídas uma só vez</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>um ficheiro indicado mais de uma vez ou encontrado também numa pasta indicada: verificado e listado uma só vez</translation>
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
        <translation>nenhum: a verificação parou antes de um conjunto de chaves abrir o bloco da marca de água</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>nenhum: o único conjunto de chaves experimentado não abriu o bloco da marca de água</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>nenhum: nenhum dos %1 conjuntos de chaves experimentados abriu o bloco da marca de água</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Nenhuma marca de água abre com o único conjunto de chaves experimentado: o ficheiro não tem marca de água, ou esta foi criada com outra chave, ou está danificada.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>Nenhuma marca de água abre com qualquer um dos %1 conjuntos de chaves experimentados: o ficheiro não tem marca de água, ou esta foi criada com uma chave que nenhum deles contém, ou está danificada.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>O bloco da marca de água abriu com o conjunto de chaves %1.</translation>
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
        <translation>incorporado no programa; módulo RSA de %1 bits</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>pasta de chaves do sistema: %1 (SHA-256 do ficheiro %2); módulo RSA de %3 bits</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>pasta de chaves do utilizador: %1 (SHA-256 do ficheiro %2); módulo RSA de %3 bits</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>indicado com --keys: %1 (SHA-256 do ficheiro %2); módulo RSA de %3 bits</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>Ficheiro de chaves não carregado</translation>
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
        <translation>A caixa de diálogo de ficheiros não consegue mostrar estes ficheiros da pasta %1 tal como são, ou não consegue devolvê-los, porque os seus nomes contêm bytes que não são texto UTF-8, quebras de linha ou caracteres que reordenam o texto:</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>"%1" adiciona-os, tal como arrastá-los de um gestor de ficheiros para a janela.</translation>
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
        <translation>retirado da lista pelo examinador</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>não verificado: a verificação foi cancelada antes da sua vez</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>não verificado: ainda aguardava a sua vez quando o relatório foi feito</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>não verificado: quando chegou a sua vez, não existia nenhum ficheiro com esse nome</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>verificado e na lista, mas não entre as linhas escolhidas para este relatório</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>A pesquisa nas pastas incluiu todas as entradas, mas este relatório não contém todos os ficheiros encontrados: o apêndice anterior indica os restantes.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>Apêndice: ficheiros entregues que não constam deste relatório</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>Cada ficheiro entregue para verificação, indicado pelo nome ou encontrado por uma pesquisa em pasta, que este relatório não contém, e porquê.</translation>
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
        <translation>Não é possível ler o ficheiro: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>Localização do relatório</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>Este relatório está dentro de %1, uma pasta em verificação: uma verificação posterior dessa pasta encontrá-lo-á entre as entradas que não inclui.</translation>
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
        <translation>Hora de acesso</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>mantida: o ficheiro foi lido sem alterar a hora do último acesso</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>pode ter mudado: o sistema não permitiu que este programa lesse o ficheiro sem alterar a hora do último acesso</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>Utilizador</translation>
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
        <translation>aprovada no início desta verificação: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), a dobragem da versão 1.1 e a operação pública RSA deram as respostas conhecidas</translation>
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
        <translation>não calculado: não foi possível ler o ficheiro</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, o mesmo de quando foi verificado</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1: difere do SHA-256 de quando foi verificado, pelo que o conteúdo mudou depois da verificação</translation>
    </message>
</context>
</TS>
