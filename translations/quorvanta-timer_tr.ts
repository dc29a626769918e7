<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Accessibility</name>
    <message>
        <source>Solve time</source>
        <translation>Çözüm süresi</translation>
    </message>
    <message>
        <source>3D cube</source>
        <translation>3B küp</translation>
    </message>
    <message>
        <source>2D cube</source>
        <translation>2B küp</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Best:</source>
        <translation>En iyi:</translation>
    </message>
    <message>
        <source>Worst:</source>
        <translation>En kötü:</translation>
    </message>
    <message>
        <source>Average:</source>
        <translation>Ortalama:</translation>
    </message>
    <message>
        <source>Deviation:</source>
        <translation>Sapma:</translation>
    </message>
    <message>
        <source>green</source>
        <comment>sticker colour</comment>
        <translation>yeşil</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>sticker colour</comment>
        <translation>mavi</translation>
    </message>
    <message>
        <source>yellow</source>
        <comment>sticker colour</comment>
        <translation>sarı</translation>
    </message>
    <message>
        <source>white</source>
        <comment>sticker colour</comment>
        <translation>beyaz</translation>
    </message>
    <message>
        <source>red</source>
        <comment>sticker colour</comment>
        <translation>kırmızı</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>sticker colour</comment>
        <translation>turuncu</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>face of the cube</comment>
        <translation>Üst</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>face of the cube</comment>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>face of the cube</comment>
        <translation>Ön</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>face of the cube</comment>
        <translation>Sağ</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>face of the cube</comment>
        <translation>Arka</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>face of the cube</comment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Top</source>
        <comment>face of the cube, as the 3D picture shows it</comment>
        <translation>Üst</translation>
    </message>
    <message>
        <source>prime</source>
        <comment>spoken after a face letter: F&apos; is &quot;F prime&quot;</comment>
        <translation>ters</translation>
    </message>
    <message>
        <source>two</source>
        <comment>spoken after a face letter: F2 is &quot;F two&quot;</comment>
        <translation>iki</translation>
    </message>
    <message>
        <source>Scramble: %1.</source>
        <comment>spoken; %1 is the turns</comment>
        <translation>Karıştırma: %1.</translation>
    </message>
    <message>
        <source>Countdown %1</source>
        <comment>spoken as a countdown starts; %1 is its seconds, 4 to 20</comment>
        <translation>İnceleme %1</translation>
    </message>
    <message>
        <source>Go</source>
        <comment>spoken as the timing starts</comment>
        <translation>Başla</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <comment>spoken; %1 is the time</comment>
        <translation>Kaydedildi %1.</translation>
    </message>
    <message>
        <source>Plus two, %1.</source>
        <comment>spoken for a +2 penalty; %1 is the time</comment>
        <translation>Artı iki, %1.</translation>
    </message>
    <message>
        <source>DNF.</source>
        <comment>spoken</comment>
        <translation>DNF.</translation>
    </message>
    <message>
        <source>Discarded.</source>
        <comment>spoken</comment>
        <translation>Silindi.</translation>
    </message>
</context>
<context>
    <name>cubetimer::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Written by: Quorvanta</source>
        <translation>Yazan: Quorvanta</translation>
    </message>
    <message>
        <source>Written in C++20 with the Qt 6 Widgets toolkit. Built with CMake; every time is measured with the system&apos;s monotonic clock.</source>
        <translation>C++20 ve Qt 6 Widgets araç takımıyla yazıldı. CMake ile derlendi; her süre sistemin monoton saatiyle ölçülür.</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>Teşekkürler:</translation>
    </message>
    <message>
        <source>the speedcubing community, whose timers, notation and habits shaped this program.</source>
        <translation>zamanlayıcıları, gösterimi ve alışkanlıklarıyla bu programa yön veren speedcubing topluluğuna.</translation>
    </message>
    <message>
        <source>every cubing club and forum that shares scrambles, methods and advice with newcomers.</source>
        <translation>karıştırmaları, yöntemleri ve tavsiyeleri yeni başlayanlarla paylaşan her küp kulübüne ve forumuna.</translation>
    </message>
    <message>
        <source>Thank very much to the author of code for 3D cube simulation.</source>
        <translation>3B küp simülasyonu kodunun yazarına çok teşekkürler.</translation>
    </message>
    <message>
        <source>Finally thanks to all persons that helped me in the past for increase my coding skill.</source>
        <translation>Son olarak, geçmişte programlama becerimi geliştirmeme yardım eden herkese teşekkürler.</translation>
    </message>
    <message>
        <source>Please report any fault or problem on the product web site, in its Rubik&apos;s Cube section.</source>
        <translation>Lütfen her hatayı veya sorunu ürünün web sitesinde, Rubik&apos;s Cube bölümünde bildirin.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Enter or Escape closes the window</source>
        <translation>Enter veya Escape pencereyi kapatır</translation>
    </message>
</context>
<context>
    <name>cubetimer::ContestWindow</name>
    <message>
        <source>Scrambles for contest</source>
        <translation>Yarışma karıştırmaları</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Panoya kopyalandı</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>cubetimer::DetailsWindow</name>
    <message>
        <source>Session details</source>
        <translation>Oturum ayrıntıları</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Panoya kopyalandı</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Dosyaya kaydet</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Save results on file</source>
        <translation>Sonuçları dosyaya kaydet</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Metin dosyaları (*.txt)</translation>
    </message>
    <message>
        <source>The file could not be saved!</source>
        <translation>Dosya kaydedilemedi!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>HATA</translation>
    </message>
</context>
<context>
    <name>cubetimer::EditTimeDialog</name>
    <message>
        <source>Edit Time</source>
        <translation>Süreyi düzenle</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Dakika</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Saniye</translation>
    </message>
    <message>
        <source>s/100</source>
        <translation>sn/100</translation>
    </message>
    <message>
        <source>Change!</source>
        <translation>Değiştir!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Hundredths</source>
        <translation>Salise</translation>
    </message>
    <message>
        <source>Can&apos;t add a null time!</source>
        <translation>Sıfır süre eklenemez!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>HATA</translation>
    </message>
</context>
<context>
    <name>cubetimer::MainWindow</name>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Countdown stopped</source>
        <translation>İnceleme durduruldu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>It is not possible to use DNF more than once in only one session!</source>
        <translation>Bir oturumda DNF yalnızca bir kez kullanılabilir!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>HATA</translation>
    </message>
    <message>
        <source>The session has ended!<byte value="xd"/>
Would you like to see results?</source>
        <translation>Oturum sona erdi!<byte value="xd"/>
Sonuçları görmek ister misiniz?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Are you really sure to reset whole session?</source>
        <translation>Tüm oturumu sıfırlamak istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>Select scramble text file</source>
        <translation>Karıştırma metin dosyasını seçin</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>File not accessible!</source>
        <translation>Dosyaya erişilemiyor!</translation>
    </message>
    <message>
        <source>File is empty! Random scrambles will be generated.</source>
        <translation>Dosya boş! Rastgele karıştırmalar oluşturulacak.</translation>
    </message>
    <message>
        <source>Incorrect file format! Random scrambles will be generated.</source>
        <translation>Dosya biçimi hatalı! Rastgele karıştırmalar oluşturulacak.</translation>
    </message>
    <message>
        <source>File is too large! Random scrambles will be generated.</source>
        <translation>Dosya çok büyük! Rastgele karıştırmalar oluşturulacak.</translation>
    </message>
    <message>
        <source>No more scrambles imported! Random scrambles will be generated.</source>
        <translation>İçe aktarılan karıştırmalar bitti! Rastgele karıştırmalar oluşturulacak.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Kontroller</translation>
    </message>
    <message>
        <source>+2</source>
        <translation>+2</translation>
    </message>
    <message>
        <source>DNF</source>
        <translation>DNF</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Countdown (s)</source>
        <translation>İnceleme (sn)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Oturum</translation>
    </message>
    <message>
        <source>12 Solves</source>
        <translation>12 çözüm</translation>
    </message>
    <message>
        <source>5 Solves</source>
        <translation>5 çözüm</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Ayrıntılar</translation>
    </message>
    <message>
        <source>Solve numbers</source>
        <translation>Çözüm numaraları</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Süreler</translation>
    </message>
    <message>
        <source>F2 or a double click edits the selected time</source>
        <translation>F2 veya çift tıklama seçili süreyi düzenler</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Karıştırma</translation>
    </message>
    <message>
        <source>Import Scrambles</source>
        <translation>İçe aktar</translation>
    </message>
    <message>
        <source>New Scramble</source>
        <translation>Yeni karıştırma</translation>
    </message>
    <message>
        <source>Generate 13 scrambles</source>
        <translation>13 karıştırma oluştur</translation>
    </message>
    <message>
        <source>View Cube</source>
        <translation>Küpü göster</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Written by Quorvanta</source>
        <translation>Yazan: Quorvanta</translation>
    </message>
    <message>
        <source>Link: opens the web site</source>
        <translation>Bağlantı: web sitesini açar</translation>
    </message>
    <message>
        <source>3D Cube</source>
        <translation>3B küp</translation>
    </message>
    <message>
        <source>2D Cube</source>
        <translation>2B küp</translation>
    </message>
    <message>
        <source>Turn the whole cube as %1</source>
        <translation>Tüm küpü %1 gibi döndür</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>%1 döndür</translation>
    </message>
    <message>
        <source>Stackmat timer</source>
        <translation>Stackmat kullan</translation>
    </message>
    <message>
        <source>Timer reset: the solve is not recorded</source>
        <translation>Zamanlayıcı sıfırlandı: çözüm kaydedilmedi</translation>
    </message>
</context>
<context>
    <name>cubetimer::SplashWindow</name>
    <message>
        <source>Starting Quorvanta Rubik&apos;s Timer</source>
        <translation>Quorvanta Rubik&apos;s Timer başlatılıyor</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Yükleniyor</translation>
    </message>
</context>
<context>
    <name>cubetimer::StackmatControl</name>
    <message>
        <source>Reads a Stackmat timer on the default sound input</source>
        <translation>Varsayılan ses girişinden Stackmat zamanlayıcıyı okur</translation>
    </message>
    <message>
        <source>Stackmat off</source>
        <translation>Stackmat kapalı</translation>
    </message>
    <message>
        <source>Reads a Stackmat timer on the default sound input: %1</source>
        <translation>Varsayılan ses girişinden Stackmat zamanlayıcıyı okur: %1</translation>
    </message>
    <message>
        <source>Stackmat: no signal</source>
        <translation>Stackmat: sinyal yok</translation>
    </message>
    <message>
        <source>Stackmat: timer found</source>
        <translation>Stackmat: zamanlayıcı bulundu</translation>
    </message>
    <message>
        <source>Stackmat: signal lost, the solve goes on</source>
        <translation>Stackmat: sinyal kayboldu, çözüm sürüyor</translation>
    </message>
    <message>
        <source>Stackmat: signal lost</source>
        <translation>Stackmat: sinyal kayboldu</translation>
    </message>
</context>
</TS>
