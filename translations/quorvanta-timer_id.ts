<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>Accessibility</name>
    <message>
        <source>Solve time</source>
        <translation>Waktu solve</translation>
    </message>
    <message>
        <source>3D cube</source>
        <translation>Kubus 3D</translation>
    </message>
    <message>
        <source>2D cube</source>
        <translation>Kubus 2D</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Best:</source>
        <translation>Terbaik:</translation>
    </message>
    <message>
        <source>Worst:</source>
        <translation>Terburuk:</translation>
    </message>
    <message>
        <source>Average:</source>
        <translation>Rata-rata:</translation>
    </message>
    <message>
        <source>Deviation:</source>
        <translation>Deviasi:</translation>
    </message>
    <message>
        <source>green</source>
        <comment>sticker colour</comment>
        <translation>hijau</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>sticker colour</comment>
        <translation>biru</translation>
    </message>
    <message>
        <source>yellow</source>
        <comment>sticker colour</comment>
        <translation>kuning</translation>
    </message>
    <message>
        <source>white</source>
        <comment>sticker colour</comment>
        <translation>putih</translation>
    </message>
    <message>
        <source>red</source>
        <comment>sticker colour</comment>
        <translation>merah</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>sticker colour</comment>
        <translation>oranye</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>face of the cube</comment>
        <translation>Atas</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>face of the cube</comment>
        <translation>Kiri</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>face of the cube</comment>
        <translation>Depan</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>face of the cube</comment>
        <translation>Kanan</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>face of the cube</comment>
        <translation>Belakang</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>face of the cube</comment>
        <translation>Bawah</translation>
    </message>
    <message>
        <source>Top</source>
        <comment>face of the cube, as the 3D picture shows it</comment>
        <translation>Atas</translation>
    </message>
    <message>
        <source>prime</source>
        <comment>spoken after a face letter: F&apos; is &quot;F prime&quot;</comment>
        <translation>aksen</translation>
    </message>
    <message>
        <source>two</source>
        <comment>spoken after a face letter: F2 is &quot;F two&quot;</comment>
        <translation>dua</translation>
    </message>
    <message>
        <source>Scramble: %1.</source>
        <comment>spoken; %1 is the turns</comment>
        <translation>Scramble: %1.</translation>
    </message>
    <message>
        <source>Countdown %1</source>
        <comment>spoken as a countdown starts; %1 is its seconds, 4 to 20</comment>
        <translation>Inspeksi %1</translation>
    </message>
    <message>
        <source>Go</source>
        <comment>spoken as the timing starts</comment>
        <translation>Mulai</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <comment>spoken; %1 is the time</comment>
        <translation>Tersimpan %1.</translation>
    </message>
    <message>
        <source>Plus two, %1.</source>
        <comment>spoken for a +2 penalty; %1 is the time</comment>
        <translation>Plus dua, %1.</translation>
    </message>
    <message>
        <source>DNF.</source>
        <comment>spoken</comment>
        <translation>DNF.</translation>
    </message>
    <message>
        <source>Discarded.</source>
        <comment>spoken</comment>
        <translation>Dibuang.</translation>
    </message>
</context>
<context>
    <name>cubetimer::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Written by: Quorvanta</source>
        <translation>Ditulis oleh: Quorvanta</translation>
    </message>
    <message>
        <source>Written in C++20 with the Qt 6 Widgets toolkit. Built with CMake; every time is measured with the system&apos;s monotonic clock.</source>
        <translation>Ditulis dalam C++20 dengan toolkit Qt 6 Widgets. Dibangun dengan CMake; setiap waktu diukur dengan jam monoton sistem.</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>Terima kasih kepada:</translation>
    </message>
    <message>
        <source>the speedcubing community, whose timers, notation and habits shaped this program.</source>
        <translation>komunitas speedcubing, yang timer, notasi, dan kebiasaannya membentuk program ini.</translation>
    </message>
    <message>
        <source>every cubing club and forum that shares scrambles, methods and advice with newcomers.</source>
        <translation>setiap klub dan forum kubus yang berbagi scramble, metode, dan saran dengan pemula.</translation>
    </message>
    <message>
        <source>Thank very much to the author of code for 3D cube simulation.</source>
        <translation>Terima kasih banyak kepada pembuat kode simulasi kubus 3D.</translation>
    </message>
    <message>
        <source>Finally thanks to all persons that helped me in the past for increase my coding skill.</source>
        <translation>Terakhir, terima kasih kepada semua orang yang dulu membantu saya meningkatkan kemampuan pemrograman.</translation>
    </message>
    <message>
        <source>Please report any fault or problem on the product web site, in its Rubik&apos;s Cube section.</source>
        <translation>Laporkan setiap kesalahan atau masalah di situs web produk, pada bagian Rubik&apos;s Cube.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter or Escape closes the window</source>
        <translation>Enter atau Escape menutup jendela</translation>
    </message>
</context>
<context>
    <name>cubetimer::ContestWindow</name>
    <message>
        <source>Scrambles for contest</source>
        <translation>Scramble untuk kompetisi</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Salin</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Disalin ke papan klip</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
<context>
    <name>cubetimer::DetailsWindow</name>
    <message>
        <source>Session details</source>
        <translation>Detail sesi</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Salin</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>Disalin ke papan klip</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Simpan ke berkas</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save results on file</source>
        <translation>Simpan hasil ke berkas</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Berkas teks (*.txt)</translation>
    </message>
    <message>
        <source>The file could not be saved!</source>
        <translation>Berkas tidak dapat disimpan!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>GALAT</translation>
    </message>
</context>
<context>
    <name>cubetimer::EditTimeDialog</name>
    <message>
        <source>Edit Time</source>
        <translation>Ubah Waktu</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Menit</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Detik</translation>
    </message>
    <message>
        <source>s/100</source>
        <translation>s/100</translation>
    </message>
    <message>
        <source>Change!</source>
        <translation>Ubah!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Hundredths</source>
        <translation>Perseratus detik</translation>
    </message>
    <message>
        <source>Can&apos;t add a null time!</source>
        <translation>Waktu nol tidak dapat ditambahkan!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>GALAT</translation>
    </message>
</context>
<context>
    <name>cubetimer::MainWindow</name>
    <message>
        <source>Stop</source>
        <translation>Berhenti</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Mulai</translation>
    </message>
    <message>
        <source>Countdown stopped</source>
        <translation>Inspeksi dihentikan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>It is not possible to use DNF more than once in only one session!</source>
        <translation>DNF hanya boleh dipakai sekali dalam satu sesi!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>GALAT</translation>
    </message>
    <message>
        <source>The session has ended!<byte value="xd"/>
Would you like to see results?</source>
        <translation>Sesi telah selesai!<byte value="xd"/>
Ingin melihat hasilnya?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informasi</translation>
    </message>
    <message>
        <source>Are you really sure to reset whole session?</source>
        <translation>Yakin ingin mengatur ulang seluruh sesi?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>Select scramble text file</source>
        <translation>Pilih berkas teks scramble</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Semua berkas (*)</translation>
    </message>
    <message>
        <source>File not accessible!</source>
        <translation>Berkas tidak dapat diakses!</translation>
    </message>
    <message>
        <source>File is empty! Random scrambles will be generated.</source>
        <translation>Berkas kosong! Scramble acak akan dibuat.</translation>
    </message>
    <message>
        <source>Incorrect file format! Random scrambles will be generated.</source>
        <translation>Format berkas salah! Scramble acak akan dibuat.</translation>
    </message>
    <message>
        <source>File is too large! Random scrambles will be generated.</source>
        <translation>Berkas terlalu besar! Scramble acak akan dibuat.</translation>
    </message>
    <message>
        <source>No more scrambles imported! Random scrambles will be generated.</source>
        <translation>Scramble impor sudah habis! Scramble acak akan dibuat.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Kontrol</translation>
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
        <translation>Buang</translation>
    </message>
    <message>
        <source>Countdown (s)</source>
        <translation>Inspeksi (s)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesi</translation>
    </message>
    <message>
        <source>12 Solves</source>
        <translation>12 solve</translation>
    </message>
    <message>
        <source>5 Solves</source>
        <translation>5 solve</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur ulang</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>Solve numbers</source>
        <translation>Nomor solve</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Waktu</translation>
    </message>
    <message>
        <source>F2 or a double click edits the selected time</source>
        <translation>F2 atau klik ganda mengubah waktu yang dipilih</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Scramble</translation>
    </message>
    <message>
        <source>Import Scrambles</source>
        <translation>Impor</translation>
    </message>
    <message>
        <source>New Scramble</source>
        <translation>Scramble baru</translation>
    </message>
    <message>
        <source>Generate 13 scrambles</source>
        <translation>Buat 13 scramble</translation>
    </message>
    <message>
        <source>View Cube</source>
        <translation>Lihat kubus</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Written by Quorvanta</source>
        <translation>Ditulis oleh Quorvanta</translation>
    </message>
    <message>
        <source>Link: opens the web site</source>
        <translation>Tautan: membuka situs web</translation>
    </message>
    <message>
        <source>3D Cube</source>
        <translation>Kubus 3D</translation>
    </message>
    <message>
        <source>2D Cube</source>
        <translation>Kubus 2D</translation>
    </message>
    <message>
        <source>Turn the whole cube as %1</source>
        <translation>Putar seluruh kubus seperti %1</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Putar %1</translation>
    </message>
    <message>
        <source>Stackmat timer</source>
        <translation>Pakai Stackmat</translation>
    </message>
    <message>
        <source>Timer reset: the solve is not recorded</source>
        <translation>Timer direset: solve tidak dicatat</translation>
    </message>
</context>
<context>
    <name>cubetimer::SplashWindow</name>
    <message>
        <source>Starting Quorvanta Rubik&apos;s Timer</source>
        <translation>Memulai Quorvanta Rubik&apos;s Timer</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Memuat</translation>
    </message>
</context>
<context>
    <name>cubetimer::StackmatControl</name>
    <message>
        <source>Reads a Stackmat timer on the default sound input</source>
        <translation>Membaca timer Stackmat dari masukan suara bawaan</translation>
    </message>
    <message>
        <source>Stackmat off</source>
        <translation>Stackmat mati</translation>
    </message>
    <message>
        <source>Reads a Stackmat timer on the default sound input: %1</source>
        <translation>Membaca timer Stackmat dari masukan suara bawaan: %1</translation>
    </message>
    <message>
        <source>Stackmat: no signal</source>
        <translation>Stackmat: tidak ada sinyal</translation>
    </message>
    <message>
        <source>Stackmat: timer found</source>
        <translation>Stackmat: timer ditemukan</translation>
    </message>
    <message>
        <source>Stackmat: signal lost, the solve goes on</source>
        <translation>Stackmat: sinyal hilang, solve berlanjut</translation>
    </message>
    <message>
        <source>Stackmat: signal lost</source>
        <translation>Stackmat: sinyal hilang</translation>
    </message>
</context>
</TS>
