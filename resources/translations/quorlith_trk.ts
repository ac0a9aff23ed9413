<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Trevalon Quorlith</source>
        <translation>Trevalon Quorlith</translation>
    </message>
    <message>
        <source>About Trevalon Quorlith</source>
        <translation>Trevalon Quorlith Hakkında</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Trevalon Inc. All rights reserved.</source>
        <translation>Telif Hakkı (C) %1 Trevalon Inc. Tüm hakları saklıdır.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dosya Adı</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Doğrulama Sonucu</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Başlangıç Zamanı</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Bitiş Zamanı</translation>
    </message>
    <message>
        <source>Serial no</source>
        <translation>Seri No</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Dosya Aç</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Klasör Aç</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Dosya Kaldır</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Doğrulama başarılı</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Doğrulama başarısız</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Toplam dosya</translation>
    </message>
    <message>
        <source>Images and Videos</source>
        <translation>Resimler ve Videolar</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>İşleniyor:</translation>
    </message>
</context>
<context>
    <name>VerdictText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Dosya yok.</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Bu normal bir dosya değil.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Dosya okunamıyor.</translation>
    </message>
    <message>
        <source>The file is empty or too small to hold a watermark block.</source>
        <translation>Dosya boş ya da bir filigran bloğu içeremeyecek kadar küçük.</translation>
    </message>
    <message>
        <source>The file name does not end in .jpg, .avi, .mp4 or .mxg.</source>
        <translation>Dosya adı .jpg, .avi, .mp4 veya .mxg ile bitmiyor.</translation>
    </message>
    <message>
        <source>The watermark block cannot be read.</source>
        <translation>Filigran bloğu okunamıyor.</translation>
    </message>
    <message>
        <source>No watermark opens with the built-in recorder key: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Yerleşik kayıt cihazı anahtarıyla hiçbir filigran açılmıyor: dosyada filigran yok ya da filigran başka bir anahtarla oluşturulmuş ya da hasarlı.</translation>
    </message>
    <message>
        <source>The watermark record has a marker that this program does not accept.</source>
        <translation>Filigranın kaydında bu programın kabul etmediği bir işaret var.</translation>
    </message>
    <message>
        <source>The watermark record&apos;s version is neither 1.0 nor 1.1.</source>
        <translation>Filigran kaydının sürümü ne 1.0 ne de 1.1.</translation>
    </message>
    <message>
        <source>The container structure of the video (AVI, MP4 or MXG) cannot be followed to its content.</source>
        <translation>Videonun kapsayıcı yapısı (AVI, MP4 veya MXG) izlenerek içeriğine ulaşılamıyor.</translation>
    </message>
    <message>
        <source>The content does not match the digest in the watermark: it was changed, or the digest in the record is not in the expected form.</source>
        <translation>İçerik filigrandaki parmak iziyle eşleşmiyor: içerik değiştirilmiş ya da kayıttaki parmak izi beklenen biçimde değil.</translation>
    </message>
    <message>
        <source>The computer failed while the file was being checked (no memory or file handles were left, or the disk reported a read error); nothing is known about the file itself. Check it again.</source>
        <translation>Dosya denetlenirken bilgisayar hata verdi (bellek ya da dosya tanıtıcıları tükendi veya disk bir okuma hatası bildirdi); dosyanın kendisi hakkında hiçbir şey bilinmiyor. Dosyayı yeniden denetleyin.</translation>
    </message>
    <message>
        <source>Another program holds the file locked, so it could not be read; nothing is known about the file itself. Close that program and check the file again.</source>
        <translation>Başka bir program dosyayı kilitli tutuyor, bu yüzden dosya okunamadı; dosyanın kendisi hakkında hiçbir şey bilinmiyor. O programı kapatıp dosyayı yeniden denetleyin.</translation>
    </message>
    <message>
        <source>This folder holds no file ending in .jpg, .avi, .mp4 or .mxg, so nothing in it was checked.</source>
        <translation>Bu klasörde .jpg, .avi, .mp4 veya .mxg ile biten hiçbir dosya yok, bu nedenle içinde hiçbir şey denetlenmedi.</translation>
    </message>
    <message>
        <source>The digest protects only %1 of the %2 bytes of this file.</source>
        <translation>Parmak izi bu dosyanın %2 baytından yalnızca %1 baytını korur.</translation>
    </message>
    <message>
        <source>The verdict was reached before any content was checked: no byte is vouched for.</source>
        <translation>Sonuç, hiçbir içerik denetlenmeden önce belirlendi: hiçbir bayta kefil olmaz.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2, the container header before the media data, are not covered.</source>
        <translation>%1 ile %2 arasındaki baytlar, yani görüntü verilerinden önceki kapsayıcı başlığı, kapsanmıyor.</translation>
    </message>
    <message>
        <source>Bytes %1 to %2 are the 512-byte watermark block, not content.</source>
        <translation>%1 ile %2 arasındaki baytlar içerik değil, 512 baytlık filigran bloğudur.</translation>
    </message>
    <message>
        <source>Record version 1.1 with fold index 0: no content byte counts; the digest depends only on the content length of %1 bytes.</source>
        <translation>Kayıt sürümü 1.1, katlama dizini 0: içeriğin hiçbir baytı hesaba katılmaz; parmak izi yalnızca içeriğin uzunluğuna (%1 bayt) bağlıdır.</translation>
    </message>
    <message>
        <source>Record version 1.1: of the %1 content bytes only %2 count, those whose position in the content modulo 64 is below %3; they are combined by XOR per position, so changes that cancel each other out go unnoticed.</source>
        <translation>Kayıt sürümü 1.1: içeriğin %1 baytından yalnızca %2 bayt hesaba katılır; bunlar, içerikteki konumunun 64&apos;e bölümünden kalanı %3 değerinden küçük olanlardır. Bu baytlar konum başına XOR ile birleştirilir; bu yüzden birbirini götüren değişiklikler fark edilmez.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bayt</translation>
    </message>
    <message>
        <source>0 (record version 1.0: every content byte counts)</source>
        <translation>0 (kayıt sürümü 1.0: içeriğin her baytı hesaba katılır)</translation>
    </message>
    <message>
        <source>1 (record version 1.1: the content is folded, only part of it counts)</source>
        <translation>1 (kayıt sürümü 1.1: içerik katlanır, yalnızca bir kısmı hesaba katılır)</translation>
    </message>
    <message>
        <source>not determined: the check stopped earlier</source>
        <translation>belirlenmedi: denetim daha önce durdu</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Tam yol</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Neden</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>İşaret</translation>
    </message>
    <message>
        <source>Record version</source>
        <translation>Kayıt sürümü</translation>
    </message>
    <message>
        <source>Digest in the record</source>
        <translation>Kayıttaki parmak izi</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Zaman kaynağı</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>Kamera MAC adresi</translation>
    </message>
    <message>
        <source>Digest mode</source>
        <translation>Parmak izi modu</translation>
    </message>
    <message>
        <source>Protected bytes</source>
        <translation>Korunan baytlar</translation>
    </message>
    <message>
        <source>Unprotected byte ranges</source>
        <translation>Korunmayan bayt aralıkları</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notlar</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%2 baytın %1 baytı</translation>
    </message>
    <message>
        <source>none: the check stopped before the watermark record was read</source>
        <translation>yok: denetim, filigran kaydı okunmadan önce durdu</translation>
    </message>
    <message>
        <source>The content is of another type than the ending of the file name says: the watermark block lies where another type of file keeps it. Was the file renamed?</source>
        <translation>İçerik, dosya adının uzantısının belirttiğinden farklı türde: filigran bloğu başka bir dosya türünün onu sakladığı yerde duruyor. Dosyanın adı değiştirildi mi?</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>%1 - Details</source>
        <translation>%1 - Ayrıntılar</translation>
    </message>
    <message>
        <source>not computed: the file changed after it was verified</source>
        <translation>hesaplanmadı: dosya doğrulandıktan sonra değişti</translation>
    </message>
    <message>
        <source>cannot be computed: the file cannot be read</source>
        <translation>hesaplanamıyor: dosya okunamıyor</translation>
    </message>
    <message>
        <source>The file changed after it was verified: it is no longer the same file in the same state as then.</source>
        <translation>Dosya doğrulandıktan sonra değişti: artık doğrulama sırasındaki durumunda aynı dosya değil.</translation>
    </message>
    <message>
        <source>being computed...</source>
        <translation>hesaplanıyor...</translation>
    </message>
    <message>
        <source>being computed... %1%</source>
        <translation>hesaplanıyor... %%1</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>Verification report</source>
        <translation>Doğrulama raporu</translation>
    </message>
    <message>
        <source>The files one by one</source>
        <translation>Dosyalar tek tek</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sayfa %1 / %2</translation>
    </message>
    <message>
        <source>Authenticity of video-surveillance evidence files by their recorder watermarks</source>
        <translation>Video gözetim delil dosyalarının kayıt cihazı filigranlarına göre özgünlüğü</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Bilgisayar</translation>
    </message>
    <message>
        <source>What a verdict shows and what it does not</source>
        <translation>Bir sonucun gösterdikleri ve göstermedikleri</translation>
    </message>
    <message>
        <source>The watermark opened with one of the key sets listed above, the one each file&apos;s block names, and the fingerprint inside it matches the one computed from the file. The fingerprint does not cover every byte: each file&apos;s block below says which bytes it vouches for. The result says nothing about whether the recorder&apos;s clock was right or about what the pictures show.</source>
        <translation>Filigran yukarıda listelenen anahtar kümelerinden biriyle, her dosyanın bölümünde adı geçenle açıldı ve içindeki parmak izi dosyadan hesaplanan parmak iziyle eşleşiyor. Parmak izi her baytı kapsamaz: hangi baytlara kefil olduğunu aşağıda her dosyanın bölümü belirtir. Sonuç, kayıt cihazının saatinin doğru olup olmadığı ya da görüntülerin ne gösterdiği hakkında hiçbir şey söylemez.</translation>
    </message>
    <message>
        <source>The program could not confirm the file. Every problem gives this same result. It means only that this file, as it lies on the disk, cannot be shown to be the recorder&apos;s unchanged export. On its own it does not prove deliberate tampering: a file without a watermark, with a watermark made with another key or with a record this program does not know fails in the same way. Before drawing conclusions, check a fresh export from the recorder or a copy from the original medium.</source>
        <translation>Program dosyayı doğrulayamadı. Her sorun bu aynı sonucu verir. Bu yalnızca, diskte bulunduğu hâliyle bu dosyanın kayıt cihazının değiştirilmemiş dışa aktarımı olduğunun gösterilemediği anlamına gelir. Tek başına kasıtlı bir kurcalamayı kanıtlamaz: filigransız bir dosya, başka bir anahtarla oluşturulmuş filigranı olan ya da bu programın tanımadığı bir kayıt taşıyan bir dosya da aynı şekilde başarısız olur. Sonuç çıkarmadan önce kayıt cihazından yeniden alınmış bir dışa aktarımı ya da özgün ortamdan bir kopyayı denetleyin.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Özet</translation>
    </message>
    <message>
        <source>not computed: the file is no longer the one that was verified</source>
        <translation>hesaplanmadı: dosya artık doğrulanan dosya değil</translation>
    </message>
    <message>
        <source>not available: the file could not be read</source>
        <translation>kullanılamıyor: dosya okunamadı</translation>
    </message>
    <message>
        <source>The digest protects every byte of this file outside the 512-byte watermark block.</source>
        <translation>Parmak izi bu dosyanın 512 baytlık filigran bloğu dışındaki her baytını korur.</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Kapsam</translation>
    </message>
    <message>
        <source>State at report time</source>
        <translation>Rapor zamanındaki durum</translation>
    </message>
    <message>
        <source>In names and record fields, \xNN stands for the byte NN, which is not UTF-8 or is a control character; \u{XXXX} for the character U+XXXX, which shows nothing or changes how the text around it is shown; \\ for a backslash.</source>
        <translation>Adlarda ve kayıt alanlarında \xNN, geçerli UTF-8 olmayan ya da denetim karakteri olan NN baytını; \u{XXXX}, hiçbir şey göstermeyen ya da çevresindeki metnin gösterilişini değiştiren U+XXXX karakterini; \\ ise ters eğik çizgiyi gösterir.</translation>
    </message>
    <message>
        <source>Verdict in the list</source>
        <translation>Listedeki sonuç</translation>
    </message>
    <message>
        <source>%1: differs from the verdict above, which the file got when it was verified again for this report.</source>
        <translation>%1: yukarıdaki sonuçtan farklı; dosya bu rapor için yeniden doğrulandığında yukarıdaki sonucu aldı.</translation>
    </message>
    <message>
        <source>The same as above: the file was verified again for this report.</source>
        <translation>Yukarıdakiyle aynı: dosya bu rapor için yeniden doğrulandı.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time and change time still match the file that was verified.</source>
        <translation>%1 itibarıyla denetlendi: aygıt, inode, boyut, değiştirilme zamanı ve durum değişikliği zamanı hâlâ doğrulanan dosyayla eşleşiyor.</translation>
    </message>
    <message>
        <source>Checked %1: device, inode, size, modification time or change time differ from the file that was verified, or the file is gone: the file changed after it was verified.</source>
        <translation>%1 itibarıyla denetlendi: aygıt, inode, boyut, değiştirilme zamanı veya durum değişikliği zamanı doğrulanan dosyadan farklı ya da dosya artık yok: dosya doğrulandıktan sonra değişti.</translation>
    </message>
    <message>
        <source>Not known: no device, inode, size, modification time and change time were recorded when the file was verified.</source>
        <translation>Bilinmiyor: dosya doğrulanırken aygıtı, inode&apos;u, boyutu, değiştirilme zamanı ve durum değişikliği zamanı kaydedilmedi.</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export Report</source>
        <translation>Raporu Dışa Aktar</translation>
    </message>
    <message>
        <source>The list holds no files to export.</source>
        <translation>Listede dışa aktarılacak dosya yok.</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>Raporu Dışa Aktar...</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF raporu (*.pdf)</translation>
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
        <translation>Dışa aktarım %1 konumuna yazılamadı: %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>%1 yazılıyor...</translation>
    </message>
    <message>
        <source>Verifying the files again and computing their SHA-256 digests...</source>
        <translation>Dosyalar yeniden doğrulanıyor ve SHA-256 özetleri hesaplanıyor...</translation>
    </message>
    <message>
        <source>The report was written to %1. It shows characters that none of its fonts can draw in their escaped form: %2</source>
        <translation>Rapor %1 konumuna yazıldı. Yazı tiplerinden hiçbirinin çizemediği karakterler kaçış biçiminde gösteriliyor: %2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Rapor %1 konumuna yazıldı.</translation>
    </message>
    <message>
        <source>Its SHA-256 is %1.</source>
        <translation>SHA-256 değeri: %1.</translation>
    </message>
    <message>
        <source>The file %1 beside it holds the same digest for sha256sum -c.</source>
        <translation>Yanındaki %1 dosyası, sha256sum -c için aynı özeti içerir.</translation>
    </message>
    <message>
        <source>Its SHA-256 could not be written beside it in %1: %2</source>
        <translation>SHA-256 değeri yanına, %1 dosyasına yazılamadı: %2</translation>
    </message>
    <message>
        <source>Verified again for this export, these files got another verdict than the list showed; their rows now show the new verdict:</source>
        <translation>Bu dışa aktarma için yeniden doğrulandığında bu dosyalar listede gösterilenden farklı bir sonuç aldı; satırları artık yeni sonucu gösteriyor:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... ve %1 tane daha.</translation>
    </message>
    <message>
        <source>The self-test of the computations a verdict rests on failed (%1): nothing is exported.</source>
        <translation>Bir sonucun dayandığı hesaplamaların öz sınaması başarısız oldu (%1): hiçbir şey dışa aktarılmıyor.</translation>
    </message>
</context>
<context>
    <name>ResultListMenu</name>
    <message>
        <source>Details...</source>
        <translation>Ayrıntılar...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Bulunduğu Klasörü Aç</translation>
    </message>
    <message>
        <source>No file manager answered, so the folder cannot be shown: %1</source>
        <translation>Hiçbir dosya yöneticisi yanıt vermedi, bu yüzden klasör gösterilemiyor: %1</translation>
    </message>
</context>
<context>
    <name>ReportLayout</name>
    <message>
        <source>Verification report written %1</source>
        <translation>Doğrulama raporu, yazılma: %1</translation>
    </message>
    <message>
        <source>Verification started</source>
        <translation>Doğrulamanın başlangıcı</translation>
    </message>
    <message>
        <source>Verification ended</source>
        <translation>Doğrulamanın bitişi</translation>
    </message>
    <message>
        <source>Report written</source>
        <translation>Raporun yazılma zamanı</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Çalışma klasörü</translation>
    </message>
    <message>
        <source>Command line</source>
        <translation>Komut satırı</translation>
    </message>
    <message>
        <source>Folders without evidence</source>
        <translation>Kanıt içermeyen klasörler</translation>
    </message>
    <message>
        <source>Paths that do not exist</source>
        <translation>Var olmayan yollar</translation>
    </message>
    <message>
        <source>%1, %2 of %3 bytes protected</source>
        <translation>%1, %3 baytın %2 baytı korunuyor</translation>
    </message>
    <message>
        <source>none: this is a folder, not a file</source>
        <translation>yok: bu bir dosya değil, klasör</translation>
    </message>
    <message>
        <source>none: nothing exists under this path</source>
        <translation>yok: bu yolda hiçbir şey yok</translation>
    </message>
    <message>
        <source>Not applicable: a folder given to be searched, in which no file ending in .jpg, .avi, .mp4 or .mxg was found.</source>
        <translation>Geçerli değil: aranmak üzere verilen ve içinde .jpg, .avi, .mp4 ya da .mxg ile biten hiçbir dosya bulunamayan bir klasör.</translation>
    </message>
    <message>
        <source>Not applicable: nothing existed under this path when it was verified.</source>
        <translation>Geçerli değil: doğrulama sırasında bu yolda hiçbir şey yoktu.</translation>
    </message>
</context>
<context>
    <name>ReportCase</name>
    <message>
        <source>Case %1</source>
        <translation>Dosya %1</translation>
    </message>
    <message>
        <source>Examiner %1</source>
        <translation>İnceleyen %1</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Exhibit</source>
        <translation>Delil</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>İnceleyen</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Kurum</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>İmzalar</translation>
    </message>
    <message>
        <source>The signatures below refer to the whole of report %1.</source>
        <translation>Aşağıdaki imzalar %1 raporunun tamamı içindir.</translation>
    </message>
    <message>
        <source>Reviewer or witness</source>
        <translation>Denetleyen veya tanık</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>İmza</translation>
    </message>
</context>
<context>
    <name>ReportIdentity</name>
    <message>
        <source>Report %1</source>
        <translation>Rapor %1</translation>
    </message>
</context>
<context>
    <name>ReportProvenance</name>
    <message>
        <source>File system, as read when verified</source>
        <translation>Dosya sistemi, doğrulamada okunduğu gibi</translation>
    </message>
    <message>
        <source>device %1, inode %2; modified %3 UTC; status changed %4 UTC</source>
        <translation>aygıt %1, inode %2; değiştirilme %3 UTC; durum değişikliği %4 UTC</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>İşletim sistemi</translation>
    </message>
    <message>
        <source>Qt version</source>
        <translation>Qt sürümü</translation>
    </message>
    <message>
        <source>Crypto library</source>
        <translation>Şifreleme kitaplığı</translation>
    </message>
    <message>
        <source>Source revision</source>
        <translation>Kaynak kod revizyonu</translation>
    </message>
    <message>
        <source>A record's start and stop times carry no time zone: they are the recorder's clock as its time source set it (the record's time source field), not this computer's.</source>
        <translation>Bir kaydın başlangıç ve bitiş saatleri saat dilimi taşımaz: bu bilgisayarın değil, kaydedicinin zaman kaynağının ayarladığı saatinden gelir (kaydın zaman kaynağı alanı).</translation>
    </message>
</context>
<context>
    <name>CaseDetailsDialog</name>
    <message>
        <source>Case Details</source>
        <translation>Dosya Bilgileri</translation>
    </message>
    <message>
        <source>One exhibit per line</source>
        <translation>Her satıra bir delil</translation>
    </message>
    <message>
        <source>The PDF report shows these details; CSV and JSON Lines carry none. Examiner and organisation are offered again next time; the case number, exhibits and note are not kept.</source>
        <translation>Bu bilgiler PDF raporunda yer alır; CSV ve JSON Lines bunları içermez. İnceleyen ve kurum bir sonraki sefer yeniden doldurulur; dosya numarası, deliller ve not saklanmaz.</translation>
    </message>
    <message>
        <source>Case number</source>
        <translation>Dosya numarası</translation>
    </message>
    <message>
        <source>Exhibits</source>
        <translation>Deliller</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>İnceleyen</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Kurum</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>ReportFileFacts</name>
    <message>
        <source>Digest algorithm</source>
        <translation>Parmak izi algoritması</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the MD5 of the content (record version 1.0)</source>
        <translation>İçeriğin MD5&apos;i üzerinde, yukarıda adı geçen anahtar kümesinin HMAC anahtarıyla HMAC-MD5 (kayıt sürümü 1.0)</translation>
    </message>
    <message>
        <source>HMAC-MD5 with the HMAC key of the key set named above over the XOR fold of the content, closed by the MD5 finalisation (record version 1.1)</source>
        <translation>İçeriğin MD5 sonlandırmasıyla kapatılan XOR katlaması üzerinde, yukarıda adı geçen anahtar kümesinin HMAC anahtarıyla HMAC-MD5 (kayıt sürümü 1.1)</translation>
    </message>
    <message>
        <source>not determined: the check stopped before the record version was read</source>
        <translation>belirlenemedi: denetim, kayıt sürümü okunmadan durdu</translation>
    </message>
    <message>
        <source>Digest computed from the file</source>
        <translation>Dosyadan hesaplanan parmak izi</translation>
    </message>
    <message>
        <source>not computed: the check stopped before the content was read whole</source>
        <translation>hesaplanmadı: denetim, içeriğin tamamı okunmadan durdu</translation>
    </message>
    <message>
        <source>Last access before verifying</source>
        <translation>Doğrulamadan önceki son erişim</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Sahip</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>İzinler</translation>
    </message>
</context>
<context>
    <name>ReportLeftOut</name>
    <message>
        <source>Appendix: what the folder search left out</source>
        <translation>Ek: klasör aramasının dışarıda bıraktıkları</translation>
    </message>
    <message>
        <source>The folder search left nothing out.</source>
        <translation>Klasör araması hiçbir şeyi dışarıda bırakmadı.</translation>
    </message>
    <message>
        <source>hidden: its name starts with a dot</source>
        <translation>gizli: adı nokta ile başlıyor</translation>
    </message>
    <message>
        <source>a symbolic link, not followed</source>
        <translation>sembolik bağlantı, izlenmedi</translation>
    </message>
    <message>
        <source>the name does not end in .jpg, .avi, .mp4 or .mxg</source>
        <translation>ad .jpg, .avi, .mp4 veya .mxg ile bitmiyor</translation>
    </message>
    <message>
        <source>Every entry of the folders given that the search did not take, and why.</source>
        <translation>Verilen klasörlerin aramanın almadığı her girdisi ve nedeni.</translation>
    </message>
    <message>
        <source>a hidden folder, not searched: its name starts with a dot; %1 files below it have an evidence type's name</source>
        <translation>gizli klasör, aranmadı: adı nokta ile başlıyor; altındaki %1 dosya bir kanıt türünün adını taşıyor</translation>
    </message>
    <message>
        <source>a folder given more than once or below another one given: its entries are taken once</source>
        <translation>birden çok kez ya da verilen başka bir klasörün altında verilen klasör: girdileri bir kez alınır</translation>
    </message>
    <message>
        <source>a file given more than once or also found in a folder given: verified and listed once</source>
        <translation>birden çok kez verilen ya da verilen bir klasörde de bulunan dosya: bir kez doğrulandı ve bir kez listelendi</translation>
    </message>
</context>
<context>
    <name>KeySetWords</name>
    <message>
        <source>Key set</source>
        <translation>Anahtar kümesi</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (parmak izi %2)</translation>
    </message>
    <message>
        <source>none: the check stopped before a key set opened the watermark block</source>
        <translation>yok: denetim, bir anahtar kümesi filigran bloğunu açmadan önce durdu</translation>
    </message>
    <message>
        <source>none: the one key set tried did not open the watermark block</source>
        <translation>yok: denenen tek anahtar kümesi filigran bloğunu açmadı</translation>
    </message>
    <message>
        <source>none: not one of the %1 key sets tried opened the watermark block</source>
        <translation>yok: denenen %1 anahtar kümesinin hiçbiri filigran bloğunu açmadı</translation>
    </message>
    <message>
        <source>No watermark opens with the one key set tried: the file has no watermark, or it was made with another key, or it is damaged.</source>
        <translation>Denenen tek anahtar kümesiyle hiçbir filigran açılmıyor: dosyada filigran yok ya da filigran başka bir anahtarla oluşturulmuş ya da hasarlı.</translation>
    </message>
    <message>
        <source>No watermark opens with any of the %1 key sets tried: the file has no watermark, or it was made with a key that none of them holds, or it is damaged.</source>
        <translation>Denenen %1 anahtar kümesinin hiçbiriyle filigran açılmıyor: dosyada filigran yok ya da filigran bunların hiçbirinde bulunmayan bir anahtarla oluşturulmuş ya da hasarlı.</translation>
    </message>
    <message>
        <source>The watermark block opened with the key set %1.</source>
        <translation>Filigran bloğu %1 anahtar kümesiyle açıldı.</translation>
    </message>
</context>
<context>
    <name>ReportKeySets</name>
    <message>
        <source>Key set %1</source>
        <translation>Anahtar kümesi %1</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>parmak izi %1</translation>
    </message>
    <message>
        <source>built into the program; RSA modulus of %1 bits</source>
        <translation>programa yerleşik; %1 bit RSA modülü</translation>
    </message>
    <message>
        <source>system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>sistem anahtar klasörü: %1 (dosyanın SHA-256 değeri %2); %3 bit RSA modülü</translation>
    </message>
    <message>
        <source>user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>kullanıcı anahtar klasörü: %1 (dosyanın SHA-256 değeri %2); %3 bit RSA modülü</translation>
    </message>
    <message>
        <source>given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits</source>
        <translation>--keys ile verildi: %1 (dosyanın SHA-256 değeri %2); %3 bit RSA modülü</translation>
    </message>
    <message>
        <source>Key file not loaded</source>
        <translation>Anahtar dosyası yüklenmedi</translation>
    </message>
</context>
<context>
    <name>UnshownNames</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... ve %1 tane daha.</translation>
    </message>
    <message>
        <source>The file dialog cannot show these files of the folder %1 as they are, or cannot give them back, because their names hold bytes that are not UTF-8 text, line breaks or characters that reorder the text:</source>
        <translation>Dosya iletişim kutusu, %1 klasöründeki bu dosyaları oldukları gibi gösteremiyor veya geri döndüremiyor; çünkü adlarında UTF-8 metni olmayan baytlar, satır sonları ya da metnin sırasını değiştiren karakterler var:</translation>
    </message>
    <message>
        <source>%1 adds them, and so does dragging them from a file manager onto the window.</source>
        <translation>"%1" bunları ekler; bir dosya yöneticisinden pencereye sürüklemek de ekler.</translation>
    </message>
</context>
<context>
    <name>ReportWindowsPaths</name>
    <message>
        <source>In paths, \xNN and \u{XXXX} are escapes as above and every other \ separates folders.</source>
        <translation>Yollarda \xNN ve \u{XXXX} yukarıdaki gibi kaçış dizileridir; diğer her \ klasörleri ayırır.</translation>
    </message>
</context>
<context>
    <name>ReportAccount</name>
    <message>
        <source>Folder given</source>
        <translation>Verilen klasör</translation>
    </message>
    <message>
        <source>Not in this report</source>
        <translation>Bu raporda yok</translation>
    </message>
    <message>
        <source>removed from the list by the examiner</source>
        <translation>inceleyen tarafından listeden kaldırıldı</translation>
    </message>
    <message>
        <source>not verified: the run was cancelled before its turn</source>
        <translation>doğrulanmadı: sırası gelmeden doğrulama iptal edildi</translation>
    </message>
    <message>
        <source>not verified: still waiting for its turn when the report was made</source>
        <translation>doğrulanmadı: rapor hazırlanırken hâlâ sırasını bekliyordu</translation>
    </message>
    <message>
        <source>not verified: no file was found under its name when its turn came</source>
        <translation>doğrulanmadı: sırası geldiğinde bu adla bir dosya yoktu</translation>
    </message>
    <message>
        <source>verified and in the list, but not among the rows chosen for this report</source>
        <translation>doğrulandı ve listede, ancak bu rapor için seçilen satırlar arasında değil</translation>
    </message>
    <message>
        <source>The folder search took every entry, but this report does not hold every file it found: the appendix before this one names the others.</source>
        <translation>Klasör araması her girdiyi aldı, ancak bu rapor bulunan her dosyayı içermiyor: diğerlerini bir önceki ek sayar.</translation>
    </message>
    <message>
        <source>Appendix: files given but not in this report</source>
        <translation>Ek: verilen ancak bu raporda olmayan dosyalar</translation>
    </message>
    <message>
        <source>Every file handed over for verification, by name or found by a folder search, that this report does not hold, and why.</source>
        <translation>Doğrulama için verilen, adıyla belirtilen ya da bir klasör aramasıyla bulunan ve bu raporda olmayan her dosya ile nedeni.</translation>
    </message>
</context>
<context>
    <name>UnreadableWords</name>
    <message>
        <source>The folder cannot be read: %1.</source>
        <translation>Klasör okunamıyor: %1.</translation>
    </message>
    <message>
        <source>The entry cannot be examined: %1.</source>
        <translation>Girdi incelenemiyor: %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Dosya okunamıyor: %1.</translation>
    </message>
</context>
<context>
    <name>ReportPlace</name>
    <message>
        <source>Report's place</source>
        <translation>Raporun yeri</translation>
    </message>
    <message>
        <source>This report lies inside %1, a folder being verified: a later verification of that folder finds it among the entries it does not take.</source>
        <translation>Bu rapor, doğrulanan bir klasör olan %1 içinde duruyor: o klasörün sonraki bir doğrulaması onu almadığı girdiler arasında bulur.</translation>
    </message>
</context>
<context>
    <name>ReportCoverageCounts</name>
    <message>
        <source>fully protected</source>
        <translation>tamamen korunan</translation>
    </message>
    <message>
        <source>partly protected</source>
        <translation>kısmen korunan</translation>
    </message>
    <message>
        <source>nothing protected</source>
        <translation>hiçbir şeyi korunmayan</translation>
    </message>
</context>
<context>
    <name>ReportAccessTime</name>
    <message>
        <source>Access time</source>
        <translation>Erişim zamanı</translation>
    </message>
    <message>
        <source>kept: the file was read without changing its last access time</source>
        <translation>korundu: dosya son erişim zamanı değiştirilmeden okundu</translation>
    </message>
    <message>
        <source>may have changed: the system did not let this program read the file without changing its last access time</source>
        <translation>değişmiş olabilir: sistem bu programın dosyayı son erişim zamanını değiştirmeden okumasına izin vermedi</translation>
    </message>
</context>
<context>
    <name>ReportPractice</name>
    <message>
        <source>User</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Saat dilimi</translation>
    </message>
</context>
<context>
    <name>ReportSelfTest</name>
    <message>
        <source>Tool validation</source>
        <translation>Aracın doğrulanması</translation>
    </message>
    <message>
        <source>passed as this verification began: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), the version 1.1 fold and the RSA public operation gave their known answers</source>
        <translation>bu doğrulamanın başında geçti: MD5 (RFC 1321), HMAC-MD5 (RFC 2202), 1.1 sürümünün katlaması ve RSA açık işlemi bilinen yanıtlarını verdi</translation>
    </message>
    <message>
        <source>FAILED as this verification began: %1</source>
        <translation>bu doğrulamanın başında BAŞARISIZ oldu: %1</translation>
    </message>
</context>
<context>
    <name>ReportRehash</name>
    <message>
        <source>SHA-256 at report time</source>
        <translation>Rapor anındaki SHA-256</translation>
    </message>
    <message>
        <source>not computed: the file could not be read</source>
        <translation>hesaplanmadı: dosya okunamadı</translation>
    </message>
    <message>
        <source>%1, the same as when it was verified</source>
        <translation>%1, doğrulandığındakiyle aynı</translation>
    </message>
    <message>
        <source>%1: differs from the SHA-256 when it was verified, so the content changed after it was verified</source>
        <translation>%1: doğrulandığındaki SHA-256&apos;dan farklı, yani içerik doğrulamadan sonra değişti</translation>
    </message>
</context>
</TS>
