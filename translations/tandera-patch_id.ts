<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opsi &apos;%1&apos; tidak dikenal</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a database path</source>
        <translation>opsi &apos;%1&apos; memerlukan path database</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no argument</source>
        <translation>opsi &apos;%1&apos; tidak menerima argumen</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumen &apos;%1&apos; tidak diharapkan</translation>
    </message>
    <message>
        <source>%1: no display found; the window needs a graphical session. To update a database without one, use --update PATH.</source>
        <translation>%1: layar tidak ditemukan; jendela memerlukan sesi grafis. Untuk memperbarui database tanpa sesi grafis, pakai --update PATH.</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a database path without a display</source>
        <translation>opsi &apos;%1&apos; memerlukan path database bila tidak ada layar</translation>
    </message>
    <message>
        <source>Usage: %1
       %1 --update PATH
       %1 --preview PATH
       %1 --undo [PATH]
       %1 --history PATH
       %1 --help | --version
Without options, opens the window that reloads the packaging and port tables of a Tandera database.
  --update PATH   reload both tables of the database at PATH without a window
  --preview PATH  show what --update PATH would change, writing nothing
  --undo [PATH]   put each table back as it was before its last change (without PATH: pick the database in the file-open dialog)
  --history PATH  list the changes recorded in the database, newest first
  --help          show this help and exit
  --version       show the version and exit
The database keeps the rows each table held before its last change, so that --undo can put them back.
</source>
        <translation>Pemakaian: %1
           %1 --update PATH
           %1 --preview PATH
           %1 --undo [PATH]
           %1 --history PATH
           %1 --help | --version
Tanpa opsi, membuka jendela yang memuat ulang tabel kemasan dan pelabuhan sebuah database Tandera.
  --update PATH   muat ulang kedua tabel database di PATH tanpa jendela
  --preview PATH  tampilkan apa yang akan diubah --update PATH, tanpa menulis apa pun
  --undo [PATH]   kembalikan setiap tabel seperti sebelum perubahan terakhirnya (tanpa PATH: pilih database di dialog buka file)
  --history PATH  tampilkan perubahan yang tercatat di database, yang terbaru lebih dulu
  --help          tampilkan bantuan ini lalu keluar
  --version       tampilkan versi lalu keluar
Database menyimpan baris yang dimiliki setiap tabel sebelum perubahan terakhirnya, sehingga --undo dapat mengembalikannya.
</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The connection cannot be used to perform this operation. It is either closed or invalid in this context.</source>
        <translation>Koneksi tidak dapat dipakai untuk operasi ini. Koneksi sudah ditutup atau tidak berlaku dalam keadaan ini.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is open.</source>
        <translation>Operasi tidak diizinkan saat objek terbuka.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Operasi tidak diizinkan saat objek tertutup.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>File not found in any of: %1</source>
        <translation>File tidak ditemukan di mana pun dari: %1</translation>
    </message>
</context>
<context>
    <name>DataRecord</name>
    <message>
        <source>There is no &quot;;&quot; in the line to end the code.</source>
        <translation>Baris ini tidak memuat &quot;;&quot; sebagai akhir kode.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>no file name</source>
        <translation>nama file tidak ada</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>File &apos;%1&apos; tidak ditemukan.</translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;.</source>
        <translation>Format database &apos;%1&apos; tidak dikenali.</translation>
    </message>
    <message>
        <source>The Microsoft Jet database engine cannot open the file &apos;%1&apos;. It is already opened exclusively by another user, or you need permission to view its data.</source>
        <translation>Mesin database tidak dapat membuka file &apos;%1&apos;. File sedang dibuka secara eksklusif oleh pengguna lain, atau Anda memerlukan izin untuk melihat datanya.</translation>
    </message>
    <message>
        <source>Could not use &apos;%1&apos;; file already in use.</source>
        <translation>File &apos;%1&apos; tidak dapat dipakai karena sedang digunakan.</translation>
    </message>
    <message>
        <source>Not a valid password.</source>
        <translation>Kata sandi tidak sah.</translation>
    </message>
    <message>
        <source>Provider cannot be found. It may not be properly installed.</source>
        <translation>Provider tidak ditemukan. Mungkin tidak terpasang dengan benar.</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; already exists.</source>
        <translation>Database &apos;%1&apos; sudah ada.</translation>
    </message>
    <message>
        <source>Could not create database &apos;%1&apos;: %2.</source>
        <translation>Database &apos;%1&apos; tidak dapat dibuat: %2.</translation>
    </message>
    <message>
        <source>Cannot find the input table or query &apos;%1&apos;.</source>
        <translation>Tabel atau query &apos;%1&apos; tidak ditemukan.</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; does not exist in table &apos;%2&apos;.</source>
        <translation>Kolom &apos;%1&apos; tidak ada di tabel &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Number of query values and destination fields are not the same.</source>
        <translation>Jumlah nilai tidak sama dengan jumlah kolom tujuan.</translation>
    </message>
    <message>
        <source>The field &apos;%1&apos; of table &apos;%2&apos; is too small to accept the amount of data you attempted to add (at most %3 characters). Try inserting or pasting less data.</source>
        <translation>Kolom &apos;%1&apos; di tabel &apos;%2&apos; terlalu kecil untuk data yang hendak ditambahkan (paling banyak %3 karakter). Masukkan data yang lebih pendek.</translation>
    </message>
    <message>
        <source>Table &apos;%1&apos;: The changes you requested to the table were not successful because they would create duplicate values in the index, primary key, or relationship. Change the data in the field or fields that contain duplicate data, remove the index, or redefine the index to permit duplicate entries and try again.</source>
        <translation>Tabel &apos;%1&apos;: kode ini sudah ada di tabel, dan setiap kode hanya boleh muncul satu kali. Perbaiki kode ganda di file data, lalu coba lagi.</translation>
    </message>
    <message>
        <source>No transaction is active.</source>
        <translation>Tidak ada transaksi yang aktif.</translation>
    </message>
    <message>
        <source>The field &apos;%1&apos; cannot contain a Null value because the Required property for this field is set to True. Enter a value in this field.</source>
        <translation>Kolom &apos;%1&apos; wajib diisi dan tidak boleh kosong (Null). Isi kolom ini.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; needs to be repaired or isn&apos;t a database file.</source>
        <translation>Database &apos;%1&apos; perlu diperbaiki atau bukan file database.</translation>
    </message>
    <message>
        <source>Disk or network error writing &apos;%1&apos;.</source>
        <translation>Kesalahan disk atau jaringan saat menulis &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>One or more values are prohibited by a rule of table &apos;%1&apos; (%2).</source>
        <translation>Satu atau beberapa nilai dilarang oleh aturan tabel &apos;%1&apos; (%2).</translation>
    </message>
    <message>
        <source>Database engine failure: %1.</source>
        <translation>Kegagalan mesin database: %1.</translation>
    </message>
    <message>
        <source>Database engine failure on table &apos;%1&apos;: %2.</source>
        <translation>Kegagalan mesin database pada tabel &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; is in write-ahead-log mode, which a Tandera database never uses; it was not opened.</source>
        <translation>Database &apos;%1&apos; memakai mode write-ahead-log, yang tidak pernah dipakai database Tandera; database tidak dibuka.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; needs to be repaired: &apos;%2&apos; and &apos;%3&apos; are stored in the same place, so writing one would overwrite the other; it was not opened.</source>
        <translation>Database &apos;%1&apos; perlu diperbaiki: &apos;%2&apos; dan &apos;%3&apos; disimpan di tempat yang sama, sehingga menulis yang satu akan menimpa yang lain; database tidak dibuka.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; cannot be written: the file is read-only for this user. The update writes to it, so it was not opened.</source>
        <translation>Database &apos;%1&apos; tidak dapat ditulisi: file ini hanya-baca bagi pengguna ini. Pembaruan menulis ke database, jadi database tidak dibuka.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; cannot be written: the file is marked immutable or append-only. The update writes to it, so it was not opened.</source>
        <translation>Database &apos;%1&apos; tidak dapat ditulisi: file ini ditandai tidak dapat diubah (immutable) atau hanya-tambah (append-only). Pembaruan menulis ke database, jadi database tidak dibuka.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; cannot be written: its folder is read-only for this user, and the update keeps its journal there. It was not opened.</source>
        <translation>Database &apos;%1&apos; tidak dapat ditulisi: foldernya hanya-baca bagi pengguna ini, padahal pembaruan menyimpan jurnalnya di sana. Database tidak dibuka.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; cannot be written: the file system holding it is read-only. The update writes to it, so it was not opened.</source>
        <translation>Database &apos;%1&apos; tidak dapat ditulisi: sistem file tempatnya berada hanya-baca. Pembaruan menulis ke database, jadi database tidak dibuka.</translation>
    </message>
    <message>
        <source>The path of the database &apos;%1&apos; is too long: its absolute path may hold at most %2 bytes (UTF-8). It was not opened.</source>
        <translation>Path database &apos;%1&apos; terlalu panjang: path absolutnya paling banyak %2 byte (UTF-8). Database tidak dibuka.</translation>
    </message>
    <message>
        <source>Not enough space on disk: the disk holding &apos;%1&apos; is full.</source>
        <translation>Ruang disk tidak cukup: disk tempat &apos;%1&apos; berada sudah penuh.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; holds the trigger &apos;%2&apos;, which a Tandera database never has; it was not opened.</source>
        <translation>Database &apos;%1&apos; memuat trigger &apos;%2&apos;, yang tidak pernah ada di database Tandera; database tidak dibuka.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; holds the view &apos;%2&apos;, which a Tandera database never has; it was not opened.</source>
        <translation>Database &apos;%1&apos; memuat view &apos;%2&apos;, yang tidak pernah ada di database Tandera; database tidak dibuka.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; holds the virtual table &apos;%2&apos;, which a Tandera database never has; it was not opened.</source>
        <translation>Database &apos;%1&apos; memuat tabel virtual &apos;%2&apos;, yang tidak pernah ada di database Tandera; database tidak dibuka.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; holds the schema object &apos;%2&apos;, which a Tandera database never has; it was not opened.</source>
        <translation>Database &apos;%1&apos; memuat objek skema &apos;%2&apos;, yang tidak pernah ada di database Tandera; database tidak dibuka.</translation>
    </message>
    <message>
        <source>Syntax error in the statement &apos;%1&apos;.</source>
        <translation>Kesalahan sintaks pada perintah &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Data type mismatch: the field &apos;%1&apos; of table &apos;%2&apos; holds numbers, and the value given is text.</source>
        <translation>Jenis data tidak cocok: kolom &apos;%1&apos; di tabel &apos;%2&apos; berisi angka, sedangkan nilai yang diberikan berupa teks.</translation>
    </message>
    <message>
        <source>Only one transaction can be active on this connection.</source>
        <translation>Hanya satu transaksi yang dapat aktif pada koneksi ini.</translation>
    </message>
    <message>
        <source>The table &apos;%2&apos; of the database &apos;%1&apos; has an index, rule or default that calls a function or a collation this program does not run; the database was not opened.</source>
        <translation>Tabel &apos;%2&apos; di database &apos;%1&apos; memiliki indeks, aturan, atau nilai bawaan yang memanggil fungsi atau collation yang tidak dijalankan program ini; database tidak dibuka.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; holds the table &apos;%2&apos; in a shape this program does not make, so what it records of past updates cannot be trusted; the database was not opened.</source>
        <translation>Database &apos;%1&apos; memiliki tabel &apos;%2&apos; dalam bentuk yang tidak dibuat program ini, sehingga catatannya tentang update sebelumnya tidak dapat dipercaya; database tidak dibuka.</translation>
    </message>
    <message>
        <source>The rows kept of table &apos;%1&apos; from before its last change are damaged; nothing was changed.</source>
        <translation>Baris tabel &apos;%1&apos; yang disimpan dari sebelum perubahan terakhirnya rusak; tidak ada yang diubah.</translation>
    </message>
    <message>
        <source>Table &apos;%1&apos; refuses kept row %2 (code &apos;%3&apos;): %4</source>
        <translation>Tabel &apos;%1&apos; menolak baris simpanan ke-%2 (kode &apos;%3&apos;): %4</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; holds an update that was interrupted, which only a run that writes can undo: run the update on it first. It was not opened.</source>
        <translation>Database &apos;%1&apos; menyimpan update yang terputus, yang hanya dapat dipulihkan oleh proses yang menulis: jalankan update padanya lebih dulu. Database tidak dibuka.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; was not opened: the update writes exactly %3 columns into its table &apos;%2&apos;, which has %4.</source>
        <translation>Database &apos;%1&apos; tidak dibuka: pembaruan menulis tepat %3 kolom ke tabelnya &apos;%2&apos;, sedangkan tabel itu memiliki %4 kolom.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; was not opened: the update makes the last column of its table &apos;%2&apos; a memo and takes it for &apos;%3&apos;, but that column is &apos;%4&apos;.</source>
        <translation>Database &apos;%1&apos; tidak dibuka: pembaruan mengubah kolom terakhir tabelnya &apos;%2&apos; menjadi memo dan menganggapnya &apos;%3&apos;, tetapi kolom itu adalah &apos;%4&apos;.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; was not opened: the column &apos;%3&apos; of its table &apos;%2&apos; is the table&apos;s row id (INTEGER PRIMARY KEY), which cannot hold the text the update writes.</source>
        <translation>Database &apos;%1&apos; tidak dibuka: kolom &apos;%3&apos; di tabelnya &apos;%2&apos; adalah nomor baris tabel itu (INTEGER PRIMARY KEY), yang tidak dapat menampung teks yang ditulis pembaruan.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; was not opened: the column &apos;%3&apos; of its table &apos;%2&apos; holds numbers, and the update writes text into it.</source>
        <translation>Database &apos;%1&apos; tidak dibuka: kolom &apos;%3&apos; di tabelnya &apos;%2&apos; berisi angka, sedangkan pembaruan menulis teks ke dalamnya.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:</source>
        <translation>Terjadi kesalahan nomor &apos;%1&apos;:</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memori tidak cukup</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Kesalahan internal</translation>
    </message>
</context>
<context>
    <name>MdlUtil</name>
    <message>
        <source>%1, line %2, table %3, code &apos;%4&apos;: %5</source>
        <translation>%1, baris %2, tabel %3, kode &apos;%4&apos;: %5</translation>
    </message>
    <message>
        <source>Table %1 was left exactly as it was: none of its rows changed.</source>
        <translation>Tabel %1 dibiarkan persis seperti semula: tidak ada barisnya yang berubah.</translation>
    </message>
    <message>
        <source>Table %1 may already hold its new rows: its commit failed too late to be undone.</source>
        <translation>Tabel %1 mungkin sudah berisi baris-baris barunya: commit-nya gagal ketika sudah terlambat untuk dibatalkan.</translation>
    </message>
    <message>
        <source>Table %1 was reloaded before it and keeps its new rows.</source>
        <translation>Tabel %1 sudah diperbarui sebelumnya dan tetap berisi baris-baris barunya.</translation>
    </message>
</context>
<context>
    <name>ProgramDirectory</name>
    <message>
        <source>Cannot read %1 to find the program&apos;s folder: %2</source>
        <translation>%1 tidak dapat dibaca untuk menemukan folder program: %2</translation>
    </message>
    <message>
        <source>The program&apos;s folder %1 no longer exists.</source>
        <translation>Folder program %1 sudah tidak ada.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>No progress window has been installed for this program.</source>
        <translation>Program ini tidak memiliki jendela proses.</translation>
    </message>
</context>
<context>
    <name>StandardStreams</name>
    <message>
        <source>%1: write error: %2</source>
        <translation>%1: kesalahan menulis: %2</translation>
    </message>
    <message>
        <source>%1: write error</source>
        <translation>%1: kesalahan menulis</translation>
    </message>
</context>
<context>
    <name>TextFileInput</name>
    <message>
        <source>File cannot be read: &apos;%1&apos; (%2)</source>
        <translation>File tidak dapat dibaca: &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>File not found: &apos;%1&apos;</source>
        <translation>File tidak ditemukan: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Input past end of file: &apos;%1&apos;</source>
        <translation>Membaca melewati akhir file: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Not a regular file: &apos;%1&apos;</source>
        <translation>Bukan file biasa: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>The file changed while it was read: &apos;%1&apos;</source>
        <translation>File berubah saat sedang dibaca: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1:%2: the line holds a NUL character</source>
        <translation>%1:%2: baris ini memuat karakter NUL</translation>
    </message>
    <message>
        <source>%1:%2: the line is not valid UTF-16</source>
        <translation>%1:%2: baris ini bukan UTF-16 yang sah</translation>
    </message>
    <message>
        <source>%1:%2: the line is not valid UTF-8, though other lines of the file are</source>
        <translation>%1:%2: baris ini bukan UTF-8 yang sah, padahal baris lain di file ini UTF-8</translation>
    </message>
</context>
<context>
    <name>UndoRun</name>
    <message>
        <source>Table %1 was left as it is: no earlier rows are kept to put back.</source>
        <translation>Tabel %1 dibiarkan apa adanya: tidak ada baris sebelumnya yang disimpan untuk dikembalikan.</translation>
    </message>
    <message>
        <source>Table %1 was left as it is: it no longer holds what its change of %2 left, and undoing that change would lose what was changed since.</source>
        <translation>Tabel %1 dibiarkan apa adanya: isinya tidak lagi sama dengan hasil perubahannya pada %2, dan membatalkan perubahan itu akan menghilangkan apa yang diubah sesudahnya.</translation>
    </message>
    <message>
        <source>Table %1 is back as it was before its change of %2: %3 rows, where it held %4.</source>
        <translation>Tabel %1 kembali seperti sebelum perubahannya pada %2: %3 baris, yang tadinya %4.</translation>
    </message>
    <message>
        <source>Undo the last change of each table of %1?</source>
        <translation>Batalkan perubahan terakhir setiap tabel di %1?</translation>
    </message>
    <message>
        <source>%1: its change of %2, from %3 rows to %4</source>
        <translation>%1: perubahannya pada %2, dari %3 baris menjadi %4</translation>
    </message>
    <message>
        <source>%1: nothing to undo</source>
        <translation>%1: tidak ada yang dapat dibatalkan</translation>
    </message>
</context>
<context>
    <name>UpdatePreview</name>
    <message>
        <source>%1: %2 rows now, %3 lines in %4: %5 new, %6 gone, %7 changed, %8 unchanged</source>
        <translation>%1: %2 baris sekarang, %3 baris di %4: %5 baru, %6 hilang, %7 berubah, %8 tetap</translation>
    </message>
    <message>
        <source>Nothing was written: this was a preview.</source>
        <translation>Tidak ada yang ditulis: ini hanya pratinjau.</translation>
    </message>
</context>
<context>
    <name>frmSetting</name>
    <message>
        <source>Browse for the database file</source>
        <translation>Cari file database</translation>
    </message>
</context>
<context>
    <name>tandera-makedemo</name>
    <message>
        <source>usage: tandera-makedemo [--] &lt;path of the new Kolvarin.mdb&gt;
Makes the demo database at the path given; never overwrites a file.
  -h, --help  show this help and exit
  --          take the next argument as the path, even if it starts with &apos;-&apos;
</source>
        <translation>pemakaian: tandera-makedemo [--] &lt;lokasi Kolvarin.mdb yang baru&gt;
Membuat database demo di lokasi yang diberikan; tidak pernah menimpa file.
  -h, --help  tampilkan bantuan ini lalu keluar
  --          ambil argumen berikutnya sebagai lokasi, walaupun diawali &apos;-&apos;
</translation>
    </message>
    <message>
        <source>%1 is a folder; give the path of a new file in it, such as %2.</source>
        <translation>%1 adalah folder; berikan lokasi file baru di dalamnya, misalnya %2.</translation>
    </message>
    <message>
        <source>%1 is an empty file, not a database; delete it first, as tandera-makedemo never overwrites a file.</source>
        <translation>%1 adalah file kosong, bukan database; hapus dulu, karena tandera-makedemo tidak pernah menimpa file.</translation>
    </message>
    <message>
        <source>%1 already exists; tandera-makedemo never overwrites a file.</source>
        <translation>%1 sudah ada; tandera-makedemo tidak pernah menimpa file.</translation>
    </message>
    <message>
        <source>cannot make %1: the folder %2 does not exist.</source>
        <translation>%1 tidak dapat dibuat: folder %2 tidak ada.</translation>
    </message>
</context>
</TS>
