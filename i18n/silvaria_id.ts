<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>AboutTexts</name>
    <message>
        <source>Copyright (C) 2026 the Silvaria developers. Free software under the GNU GPL.</source>
        <translation>Hak Cipta (C) 2026 para pengembang Silvaria. Perangkat lunak bebas di bawah lisensi GNU GPL.</translation>
    </message>
    <message>
        <source>Rainfall and temperature of the map grid are modelled, not observed.</source>
        <translation>Curah hujan dan suhu pada grid peta merupakan hasil pemodelan, bukan hasil pengamatan.</translation>
    </message>
    <message>
        <source>Rainfall and temperature of the map grid: observed climate (see its sources.txt).</source>
        <translation>Curah hujan dan suhu pada grid peta: iklim hasil pengamatan (lihat berkas sources.txt grid tersebut).</translation>
    </message>
    <message>
        <source>Rainfall and temperature of the map grid: your own data (see its sources.txt).</source>
        <translation>Curah hujan dan suhu pada grid peta: data Anda sendiri (lihat berkas sources.txt grid tersebut).</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. It is free</source>
        <translation>Peringatan: program ini dilindungi oleh undang-undang hak cipta. Program ini adalah perangkat</translation>
    </message>
    <message>
        <source>software: copy, change and share it under the GNU GPL, version 3 or</source>
        <translation>lunak bebas: Anda boleh menyalin, mengubah, dan membagikannya menurut GNU GPL, versi 3 atau</translation>
    </message>
    <message>
        <source>later; any other copying is not allowed. It comes with NO WARRANTY.</source>
        <translation>yang lebih baru; penyalinan dengan cara lain tidak diizinkan. Program ini diberikan TANPA JAMINAN.</translation>
    </message>
    <message>
        <source>Map: Natural Earth boundaries and NOAA ETOPO5 altitude (public domain).</source>
        <translation>Peta: batas wilayah Natural Earth dan ketinggian NOAA ETOPO5 (domain publik).</translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0; filtered to the region.</source>
        <translation>Tempat: GeoNames (geonames.org), CC BY 4.0; disaring untuk kawasan ini.</translation>
    </message>
    <message>
        <source>Provinces: Natural Earth 1:10m (public domain); some names are dated.</source>
        <translation>Provinsi: Natural Earth 1:10m (domain publik); sebagian nama sudah tidak mutakhir.</translation>
    </message>
    <message>
        <source>Catalogue and plates: Silvaria demonstration data from cited works.</source>
        <translation>Katalog dan gambar ilustrasi: data contoh Silvaria dari karya-karya yang dikutip.</translation>
    </message>
    <message>
        <source>If you have any suggestion about this application</source>
        <translation>Jika Anda memiliki saran tentang aplikasi ini,</translation>
    </message>
    <message>
        <source>please write to: %1</source>
        <translation>silakan kirimkan ke: %1</translation>
    </message>
    <message>
        <source>Build Using</source>
        <translation>Dibuat dengan</translation>
    </message>
    <message>
        <source>Corrections to the translations are welcome:</source>
        <translation>Koreksi atas terjemahan sangat kami hargai:</translation>
    </message>
    <message>
        <source>see &quot;Translating Silvaria&quot; in the manual.</source>
        <translation>lihat bagian &quot;Translating Silvaria&quot; di panduan.</translation>
    </message>
</context>
<context>
    <name>AnalysisMapView</name>
    <message>
        <source>Save Picture</source>
        <translation>Simpan Gambar</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png)</source>
        <translation>Gambar PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>AnalysisSubject</name>
    <message>
        <source>No species with the identifier %1 is in the catalogue. Choose a species in the species list first.</source>
        <translation>Tidak ada jenis dengan pengenal %1 di dalam katalog. Pilih dahulu satu jenis di daftar jenis.</translation>
    </message>
    <message>
        <source>the catalogue</source>
        <translation>katalog</translation>
    </message>
    <message>
        <source>the map window&apos;s boxes</source>
        <translation>kotak isian di jendela peta</translation>
    </message>
    <message>
        <source>No species is chosen. Choose a species in the species list, or open its map, first.</source>
        <translation>Belum ada jenis yang dipilih. Pilih dahulu satu jenis di daftar jenis, atau buka petanya.</translation>
    </message>
    <message>
        <source>%1 has no complete range of altitude, rainfall or temperature (%2), so no land can be matched to it.</source>
        <translation>%1 tidak memiliki kisaran ketinggian, curah hujan, atau suhu yang lengkap (%2), sehingga tidak ada lahan yang dapat dicocokkan dengannya.</translation>
    </message>
    <message>
        <source>The species</source>
        <translation>Jenis ini</translation>
    </message>
    <message>
        <source>%1 (SpID %2): %3, from %4</source>
        <translation>%1 (SpID %2): %3, dari %4</translation>
    </message>
</context>
<context>
    <name>AppIdentity</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versi %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>AreaCommand</name>
    <message>
        <source>the province layer has no country &quot;%1&quot; (give a code such as TH, or a name)</source>
        <translation>lapisan provinsi tidak memuat negara &quot;%1&quot; (berikan kode seperti TH, atau nama negara)</translation>
    </message>
    <message>
        <source>area -o writes the countries&apos; polygons, so it needs --by-country</source>
        <translation>area -o menulis poligon negara, sehingga memerlukan --by-country</translation>
    </message>
    <message>
        <source>area -o takes a GeoPackage (.gpkg), not &quot;%1&quot;</source>
        <translation>area -o menerima GeoPackage (.gpkg), bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The area in km2 of each class of the species&apos; map (altitude, rainfall, temperature, full match), in total or per country, and its share of the gridded land.</source>
        <translation>Luas dalam km2 setiap kelas pada peta jenis (ketinggian, curah hujan, suhu, sesuai penuh), secara total atau per negara, beserta persentasenya terhadap lahan yang tercakup grid.</translation>
    </message>
    <message>
        <source>Identifier, current name or synonym.</source>
        <translation>Pengenal, nama berlaku, atau sinonim.</translation>
    </message>
    <message>
        <source>One row per country of the boundary layer.</source>
        <translation>Satu baris untuk setiap negara pada lapisan batas wilayah.</translation>
    </message>
    <message>
        <source>One row per province of each country, and the country&apos;s row.</source>
        <translation>Satu baris untuk setiap provinsi di tiap negara, ditambah baris negara itu sendiri.</translation>
    </message>
    <message>
        <source>With --by-province, only this country (code such as TH, or name).</source>
        <translation>Dengan --by-province, hanya negara ini (kode seperti TH, atau nama).</translation>
    </message>
    <message>
        <source>With --by-country, also write the countries&apos; polygons with their rows&apos; columns as a GeoPackage (.gpkg).</source>
        <translation>Dengan --by-country, tulis juga poligon negara beserta kolom-kolom barisnya sebagai GeoPackage (.gpkg).</translation>
    </message>
    <message>
        <source>area takes --by-country or --by-province, not both</source>
        <translation>area menerima --by-country atau --by-province, tidak keduanya</translation>
    </message>
    <message>
        <source>area --country needs --by-province</source>
        <translation>area --country memerlukan --by-province</translation>
    </message>
    <message>
        <source>%1 has no province layer (province_bnd.shp)</source>
        <translation>%1 tidak memiliki lapisan provinsi (province_bnd.shp)</translation>
    </message>
    <message>
        <source>%1 (SpID %2): %3
</source>
        <translation>%1 (SpID %2): %3
</translation>
    </message>
</context>
<context>
    <name>AtCommand</name>
    <message>
        <source>Lists the species suitable at the grid point nearest LON,LAT (within identify&apos;s reach), as the map&apos;s Suitable Tree Species tool does; with --near-misses also the species that miss by one range, and those whose ranges are incomplete.</source>
        <translation>Menampilkan daftar jenis yang sesuai di titik grid terdekat dari LON,LAT (dalam jangkauan alat Identifikasi), seperti alat Jenis Pohon yang Sesuai pada peta; dengan --near-misses, juga jenis yang meleset pada satu kisaran, serta jenis yang kisarannya tidak lengkap.</translation>
    </message>
    <message>
        <source>Position in degrees, west and south negative (Yogyakarta: at 110.37,-7.8), or the name of a place, district or province (at &quot;Chiang Mai&quot;).</source>
        <translation>Posisi dalam derajat, barat dan selatan bernilai negatif (Yogyakarta: at 110.37,-7.8), atau nama tempat, kabupaten, atau provinsi (at &quot;Chiang Mai&quot;).</translation>
    </message>
    <message>
        <source>Only species of this use.</source>
        <translation>Hanya jenis dengan kegunaan ini.</translation>
    </message>
    <message>
        <source>Also list near misses and incomplete ranges.</source>
        <translation>Tampilkan juga jenis yang hampir sesuai dan jenis yang kisarannya tidak lengkap.</translation>
    </message>
    <message>
        <source>Largest miss relative to the range&apos;s width (default 0.25).</source>
        <translation>Selisih terbesar, relatif terhadap lebar kisaran (bawaan 0.25).</translation>
    </message>
    <message>
        <source>no grid point lies within %1 degrees of %2,%3</source>
        <translation>tidak ada titik grid dalam jarak %1 derajat dari %2,%3</translation>
    </message>
    <message>
        <source>the grid point at %1,%2 has no %3 value, so no species can be matched to it</source>
        <translation>titik grid di %1,%2 tidak memiliki nilai %3, sehingga tidak ada jenis yang dapat dicocokkan dengannya</translation>
    </message>
    <message>
        <source>Place %1 at %2, %3
</source>
        <translation>Tempat %1 di %2, %3
</translation>
    </message>
    <message>
        <source>Grid point %1, %2: ALT %3 m, MAR %4 mm, MAT %5 °C
</source>
        <translation>Titik grid %1, %2: ALT %3 m, MAR %4 mm, MAT %5 °C
</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Glossary</source>
        <translation>Glosarium</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Pendahuluan</translation>
    </message>
</context>
<context>
    <name>CatalogueCommand</name>
    <message>
        <source>%1: no such folder of catalogue sources</source>
        <translation>%1: folder sumber katalog tidak ditemukan</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n problem(s)</source>
        <translation>
            <numerusform>%1: %n masalah</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no problems
</source>
        <translation>%1: tidak ada masalah
</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n problem(s); %2 not written</source>
        <translation>
            <numerusform>%1: %n masalah; %2 tidak ditulis</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not empty and holds no catalogue sources: export into a new folder</source>
        <translation>%1 tidak kosong dan tidak berisi sumber katalog: ekspor ke folder baru</translation>
    </message>
    <message>
        <source>%1 holds the folder %2, which export would not keep: export into a new folder</source>
        <translation>%1 berisi folder %2, yang tidak akan dipertahankan oleh ekspor: ekspor ke folder baru</translation>
    </message>
    <message>
        <source>%1 (any old folder is kept)</source>
        <translation>%1 (folder lama tetap dipertahankan)</translation>
    </message>
    <message>
        <source>catalogue takes build, export or check, not &quot;%1&quot;</source>
        <translation>catalogue menerima build, export, atau check, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The catalogue to export (SQLite or Access).</source>
        <translation>Katalog yang akan diekspor (SQLite atau Access).</translation>
    </message>
    <message>
        <source>The folder of plain source files.</source>
        <translation>Folder berisi berkas sumber berformat teks biasa.</translation>
    </message>
    <message>
        <source>The folder of the photographs (NAME.jpg).</source>
        <translation>Folder berisi foto (NAME.jpg).</translation>
    </message>
    <message>
        <source>The catalogue file to write.</source>
        <translation>Berkas katalog yang akan ditulis.</translation>
    </message>
    <message>
        <source>The folder of sources to write.</source>
        <translation>Folder sumber yang akan ditulis.</translation>
    </message>
    <message>
        <source>a catalogue FILE</source>
        <translation>FILE katalog</translation>
    </message>
    <message>
        <source>a SOURCES folder</source>
        <translation>folder SOURCES</translation>
    </message>
    <message>
        <source>catalogue %1 needs -o %2</source>
        <translation>catalogue %1 memerlukan -o %2</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
</context>
<context>
    <name>Classification</name>
    <message>
        <source>Elevation match only</source>
        <translation>Hanya ketinggian yang cocok</translation>
    </message>
    <message>
        <source>Rainfall match (but not all other criteria)</source>
        <translation>Curah hujan cocok (tetapi tidak semua kriteria lain)</translation>
    </message>
    <message>
        <source>Temperature match (but not all other criteria)</source>
        <translation>Suhu cocok (tetapi tidak semua kriteria lain)</translation>
    </message>
    <message>
        <source>Species match (all criteria available)</source>
        <translation>Jenis cocok (semua kriteria yang tersedia)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Kesalahan</translation>
    </message>
    <message>
        <source>Warning : Potentially Invasive Species</source>
        <translation>Peringatan : Jenis Berpotensi Invasif</translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>%1 (see silvaria-cli --help)</source>
        <translation>%1 (lihat silvaria-cli --help)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 memerlukan nilai</translation>
    </message>
    <message>
        <source>Rows as table, csv or json (sheet: text or html).</source>
        <translation>Baris sebagai table, csv, atau json (untuk sheet: text atau html).</translation>
    </message>
    <message>
        <source>Read the data of another application folder.</source>
        <translation>Baca data dari folder aplikasi lain.</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 memerlukan %2</translation>
    </message>
    <message>
        <source>%1 takes one %2, not &quot;%3&quot;</source>
        <translation>%1 menerima satu %2, bukan &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--format of %1 is one of %2, not &quot;%3&quot;</source>
        <translation>--format untuk %1 adalah salah satu dari %2, bukan &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1: no such application folder</source>
        <translation>%1: folder aplikasi tidak ditemukan</translation>
    </message>
    <message>
        <source>%1 takes a number, not &quot;%2&quot;</source>
        <translation>%1 menerima angka, bukan &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 takes %2 numbers separated by &quot;%3&quot;, not &quot;%4&quot;</source>
        <translation>%1 menerima %2 angka yang dipisahkan dengan &quot;%3&quot;, bukan &quot;%4&quot;</translation>
    </message>
    <message>
        <source>--use is one of %1, not &quot;%2&quot;</source>
        <translation>--use adalah salah satu dari %1, bukan &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>CliData</name>
    <message>
        <source>&quot;%1&quot; names several species</source>
        <translation>&quot;%1&quot; merujuk ke beberapa jenis</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no species of the catalogue</source>
        <translation>&quot;%1&quot; tidak merujuk ke jenis mana pun di katalog</translation>
    </message>
    <message>
        <source>Altitude range to use, in m.</source>
        <translation>Kisaran ketinggian yang digunakan, dalam m.</translation>
    </message>
    <message>
        <source>Rainfall range to use, in mm.</source>
        <translation>Kisaran curah hujan yang digunakan, dalam mm.</translation>
    </message>
    <message>
        <source>a picture (.png or .bmp), a GeoTIFF (.tif or .tiff) or a GeoPackage (.gpkg)</source>
        <translation>gambar (.png atau .bmp), GeoTIFF (.tif atau .tiff), atau GeoPackage (.gpkg)</translation>
    </message>
    <message>
        <source>-o FILE is needed: %1</source>
        <translation>-o FILE diperlukan: %1</translation>
    </message>
    <message>
        <source>-o takes %1, not &quot;%2&quot;</source>
        <translation>-o menerima %1, bukan &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Temperature range to use, in °C.</source>
        <translation>Kisaran suhu yang digunakan, dalam °C.</translation>
    </message>
</context>
<context>
    <name>CliProgram</name>
    <message>
        <source>no command given</source>
        <translation>tidak ada perintah yang diberikan</translation>
    </message>
    <message>
        <source>silvaria-cli %1.%2.%3
</source>
        <translation>silvaria-cli %1.%2.%3
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>perintah &quot;%1&quot; tidak dikenal</translation>
    </message>
    <message>
        <source>silvaria-cli: %1
</source>
        <translation>silvaria-cli: %1
</translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation>--lang memerlukan kode bahasa</translation>
    </message>
    <message>
        <source>--lang is one of %1, not &quot;%2&quot;</source>
        <translation>--lang adalah salah satu dari %1, bukan &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Usage: silvaria-cli COMMAND [OPTIONS]

Commands:
  species [--search TEXT] [--use USE]        list species (SpID, name, uses)
  sheet SPECIES [--format text|html]         the fact sheet of a species
  map SPECIES -o FILE                        a suitability map with source stamp
      [--alt MIN,MAX] [--mar MIN,MAX] [--mat MIN,MAX] [--size WxH] [--extent W,S,E,N|PLACE]
  map --all -o FOLDER                        one map picture per species
  at LON,LAT|PLACE [--country CC] [--use USE] [--near-misses]
                                             species suitable at the nearest grid point
  report LON,LAT|PLACE -o FILE.pdf|FILE.html the printable site report of a position
      [--use USE ...] [--paper a4|letter] [--scenario NAME]
  places TEXT [--country CC] [--limit N]     places, districts and provinces by name
  area SPECIES [--by-country [-o FILE.gpkg]] suitable area in km2 per class (and country)
  area SPECIES --by-province [--country CC]  the same per province, for one country or all
  count [--use USE] [--scenario NAME] -o FILE [--points FILE.csv]
                                             species suitable at each grid point
  shift SPECIES --dt DT --dp DP [-o FILE] [--by-country]
                                             full match under a uniform climate shift
  shift SPECIES --scenario NAME [-o FILE] [--by-country]
                                             full match under an installed scenario&apos;s climate
  scenarios                                  the installed scenario grids and their sources
  grid build --alt FILE --mar FILE --mat FILE --extent W,S,E,N --step MINUTES -o FOLDER
      [--countries FILE [--name-field FIELD]] [--mat-scale F] [--mat-offset D] [--mar-scale F]
                                             the map grid from your own rasters
  grid fetch worldclim --res 10m|5m|2.5m|30s [--extent W,S,E,N] [--step MINUTES] -o FOLDER
                                             the map grid from WorldClim 2.1 (network)
  grid fetch worldclim --res RES --future GCM SSP PERIOD [-o FOLDER]
                                             a scenario grid from a CMIP6 projection
  catalogue build SOURCES -o FILE            a catalogue from plain files
  catalogue export FILE -o SOURCES           a catalogue (SQLite or Access) as plain files
  catalogue check SOURCES [--images DIR]     every problem of plain files, with file and line
  serve [--listen ADDR:PORT]                 the catalogue, maps and suitable species as web pages
                                             (default 127.0.0.1:8080; 0.0.0.0:8080 for the network)

Common options:
  --format table|csv|json   how rows are printed (default table)
  --app-folder DIR          read the data of another application folder
  --help                    this text, or a command&apos;s own (silvaria-cli map --help)
  --version                 the program&apos;s version

FILE of map, count and shift is a picture (.png, .bmp), a GeoTIFF of the classes or
counts (.tif) or a GeoPackage of the grid&apos;s points (.gpkg); area writes the countries.
SPECIES is an identifier or a current or synonym name (case and accents ignored).
PLACE is the name of a place, district or province of the region (&quot;Chiang Mai&quot;); a name
of several places is refused with a list of them, which --country CC narrows.
USE is one of Timber, Fruit, Resin, Fodder, Firewood, Charcoal, Bamboo, Rattan, Others.
Common options may also come before the command (silvaria-cli --format csv at ...).
A value that begins with &quot;-&quot; goes after &quot;=&quot; (--extent=-10,...) or after &quot;--&quot;.
Exit codes: 0 done, 1 usage, 2 data error, 3 output not written.
</source>
        <translation>Penggunaan: silvaria-cli COMMAND [OPTIONS]

Perintah:
  species [--search TEXT] [--use USE]        daftar jenis (SpID, nama, kegunaan)
  sheet SPECIES [--format text|html]         lembar fakta suatu jenis
  map SPECIES -o FILE                        peta kesesuaian dengan keterangan sumber
      [--alt MIN,MAX] [--mar MIN,MAX] [--mat MIN,MAX] [--size WxH] [--extent W,S,E,N|PLACE]
  map --all -o FOLDER                        satu gambar peta untuk setiap jenis
  at LON,LAT|PLACE [--country CC] [--use USE] [--near-misses]
                                             jenis yang sesuai di titik grid terdekat
  report LON,LAT|PLACE -o FILE.pdf|FILE.html laporan lokasi siap cetak untuk suatu posisi
      [--use USE ...] [--paper a4|letter] [--scenario NAME]
  places TEXT [--country CC] [--limit N]     tempat, kabupaten, dan provinsi menurut nama
  area SPECIES [--by-country [-o FILE.gpkg]] luas lahan sesuai dalam km2 per kelas (dan negara)
  area SPECIES --by-province [--country CC]  sama, per provinsi, untuk satu atau semua negara
  count [--use USE] [--scenario NAME] -o FILE [--points FILE.csv]
                                             jumlah jenis yang sesuai di setiap titik grid
  shift SPECIES --dt DT --dp DP [-o FILE] [--by-country]
                                             sesuai penuh dengan pergeseran iklim seragam
  shift SPECIES --scenario NAME [-o FILE] [--by-country]
                                             sesuai penuh dengan iklim skenario terpasang
  scenarios                                  grid skenario yang terpasang dan sumbernya
  grid build --alt FILE --mar FILE --mat FILE --extent W,S,E,N --step MINUTES -o FOLDER
      [--countries FILE [--name-field FIELD]] [--mat-scale F] [--mat-offset D] [--mar-scale F]
                                             grid peta dari raster Anda sendiri
  grid fetch worldclim --res 10m|5m|2.5m|30s [--extent W,S,E,N] [--step MINUTES] -o FOLDER
                                             grid peta dari WorldClim 2.1 (jaringan)
  grid fetch worldclim --res RES --future GCM SSP PERIOD [-o FOLDER]
                                             grid skenario dari proyeksi CMIP6
  catalogue build SOURCES -o FILE            katalog dari berkas teks biasa
  catalogue export FILE -o SOURCES           katalog (SQLite atau Access) sebagai berkas teks
  catalogue check SOURCES [--images DIR]     semua masalah berkas teks, dengan berkas dan baris
  serve [--listen ADDR:PORT]                 katalog, peta, dan jenis yang sesuai sebagai halaman web
                                             (bawaan 127.0.0.1:8080; 0.0.0.0:8080 untuk jaringan)

Opsi umum:
  --format table|csv|json   cara baris ditampilkan (bawaan table)
  --app-folder DIR          baca data dari folder aplikasi lain
  --help                    teks ini, atau bantuan suatu perintah (silvaria-cli map --help)
  --version                 versi program

FILE untuk map, count, dan shift adalah gambar (.png, .bmp), GeoTIFF kelas atau jumlah
jenis (.tif), atau GeoPackage titik-titik grid (.gpkg); area menulis poligon negara.
SPECIES adalah pengenal, nama berlaku, atau sinonim (huruf besar/kecil dan aksen diabaikan).
PLACE adalah nama tempat, kabupaten, atau provinsi di kawasan ini (&quot;Chiang Mai&quot;); nama
yang dipakai beberapa tempat ditolak disertai daftarnya; persempit dengan --country CC.
USE adalah salah satu dari Timber, Fruit, Resin, Fodder, Firewood, Charcoal, Bamboo, Rattan, Others.
Opsi umum juga dapat ditulis sebelum perintah (silvaria-cli --format csv at ...).
Nilai yang diawali &quot;-&quot; ditulis setelah &quot;=&quot; (--extent=-10,...) atau setelah &quot;--&quot;.
Kode keluar: 0 selesai, 1 penggunaan salah, 2 kesalahan data, 3 keluaran tidak ditulis.
</translation>
    </message>
</context>
<context>
    <name>ClimateShift</name>
    <message>
        <source>uniform shift of the grid&apos;s climate, not a climate projection</source>
        <translation>pergeseran seragam iklim grid, bukan proyeksi iklim</translation>
    </message>
</context>
<context>
    <name>CountCommand</name>
    <message>
        <source>How many species (of one use) are suitable at each grid point, by the rule of the Suitable Tree Species tool; drawn as a map, the points optionally as CSV.</source>
        <translation>Jumlah jenis (dengan satu kegunaan) yang sesuai di setiap titik grid, menurut aturan alat Jenis Pohon yang Sesuai; digambar sebagai peta, dan titik-titiknya dapat juga ditulis sebagai CSV.</translation>
    </message>
    <message>
        <source>Only species of this use.</source>
        <translation>Hanya jenis dengan kegunaan ini.</translation>
    </message>
    <message>
        <source>The file to write: a picture (.png or .bmp), a GeoTIFF of the counts (.tif) or a GeoPackage of the grid&apos;s points (.gpkg).</source>
        <translation>Berkas yang akan ditulis: gambar (.png atau .bmp), GeoTIFF jumlah jenis (.tif), atau GeoPackage titik-titik grid (.gpkg).</translation>
    </message>
    <message>
        <source>Also write POINTID, LON, LAT, COUNT per grid point.</source>
        <translation>Tulis juga POINTID, LON, LAT, COUNT untuk setiap titik grid.</translation>
    </message>
    <message>
        <source>Picture size in pixels (default 1000x750).</source>
        <translation>Ukuran gambar dalam piksel (bawaan 1000x750).</translation>
    </message>
    <message>
        <source>Count on the climate of this installed scenario grid (silvaria-cli scenarios lists them).</source>
        <translation>Hitung berdasarkan iklim grid skenario terpasang ini (silvaria-cli scenarios menampilkan daftarnya).</translation>
    </message>
    <message>
        <source>count takes no argument &quot;%1&quot;</source>
        <translation>count tidak menerima argumen &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Climate: %1
</source>
        <translation>Iklim: %1
</translation>
    </message>
    <message>
        <source>Classes: %1
</source>
        <translation>Kelas: %1
</translation>
    </message>
</context>
<context>
    <name>FactSheet</name>
    <message>
        <source>-Species Identity-</source>
        <translation>-Identitas Jenis-</translation>
    </message>
    <message>
        <source>1. Taxonomy</source>
        <translation>1. Taksonomi</translation>
    </message>
    <message>
        <source>2. Synonym(s)</source>
        <translation>2. Sinonim</translation>
    </message>
    <message>
        <source>3. Common Names</source>
        <translation>3. Nama Umum</translation>
    </message>
    <message>
        <source>4. Botanic Descriptions</source>
        <translation>4. Deskripsi Botani</translation>
    </message>
    <message>
        <source>-Ecology and Distribution-</source>
        <translation>-Ekologi dan Sebaran-</translation>
    </message>
    <message>
        <source>1. History of Cultivation</source>
        <translation>1. Sejarah Budi Daya</translation>
    </message>
    <message>
        <source>2. Natural Habitat</source>
        <translation>2. Habitat Alami</translation>
    </message>
    <message>
        <source>3. Geographic Distribution</source>
        <translation>3. Sebaran Geografis</translation>
    </message>
    <message>
        <source>4. Biophysical Limits</source>
        <translation>4. Batas Biofisik</translation>
    </message>
    <message>
        <source>5. Reproductive Biology</source>
        <translation>5. Biologi Reproduksi</translation>
    </message>
    <message>
        <source>-Propagation and Management-</source>
        <translation>-Perbanyakan dan Pengelolaan-</translation>
    </message>
    <message>
        <source>1. Propagation Methods</source>
        <translation>1. Metode Perbanyakan</translation>
    </message>
    <message>
        <source>2. Tree Management</source>
        <translation>2. Pengelolaan Pohon</translation>
    </message>
    <message>
        <source>3. Germplasm Management</source>
        <translation>3. Pengelolaan Plasma Nutfah</translation>
    </message>
    <message>
        <source>-Functional Uses-</source>
        <translation>-Kegunaan-</translation>
    </message>
    <message>
        <source>1. Products</source>
        <translation>1. Produk</translation>
    </message>
    <message>
        <source>2. Services</source>
        <translation>2. Jasa Lingkungan</translation>
    </message>
    <message>
        <source>3. Pests and Diseases</source>
        <translation>3. Hama dan Penyakit</translation>
    </message>
    <message>
        <source>-Additional Information-</source>
        <translation>-Informasi Tambahan-</translation>
    </message>
    <message>
        <source>1. Properties</source>
        <translation>1. Sifat</translation>
    </message>
    <message>
        <source>2. Trade</source>
        <translation>2. Perdagangan</translation>
    </message>
    <message>
        <source>3. Yields</source>
        <translation>3. Hasil</translation>
    </message>
    <message>
        <source>4. Genetic</source>
        <translation>4. Genetika</translation>
    </message>
    <message>
        <source>5. Prospects</source>
        <translation>5. Prospek</translation>
    </message>
    <message>
        <source>-Bibliography-</source>
        <translation>-Daftar Pustaka-</translation>
    </message>
    <message>
        <source>Current Name: %1</source>
        <translation>Nama Berlaku: %1</translation>
    </message>
    <message>
        <source>Authority: %1</source>
        <translation>Otoritas: %1</translation>
    </message>
    <message>
        <source>Family: %1</source>
        <translation>Famili: %1</translation>
    </message>
    <message>
        <source>- No Data -</source>
        <translation>- Tidak Ada Data -</translation>
    </message>
    <message>
        <source>(Native) : %1</source>
        <translation>(Asli) : %1</translation>
    </message>
    <message>
        <source>(Exotic) : %1</source>
        <translation>(Eksotik) : %1</translation>
    </message>
    <message>
        <source>No species has the identifier %1.</source>
        <translation>Tidak ada jenis dengan pengenal %1.</translation>
    </message>
</context>
<context>
    <name>FeatureLabel</name>
    <message>
        <source>the %1 &quot;%2&quot; is not a number</source>
        <translation>nilai %1 &quot;%2&quot; bukan angka</translation>
    </message>
    <message>
        <source>the file ends before the last label</source>
        <translation>berkas berakhir sebelum label terakhir</translation>
    </message>
    <message>
        <source>a label text has no closing quote</source>
        <translation>teks label tidak memiliki tanda kutip penutup</translation>
    </message>
    <message>
        <source>a label record has %1 fields instead of 3</source>
        <translation>rekaman label memiliki %1 ruas, seharusnya 3</translation>
    </message>
    <message>
        <source>a position record has %1 fields instead of 2</source>
        <translation>rekaman posisi memiliki %1 ruas, seharusnya 2</translation>
    </message>
    <message>
        <source>shape type</source>
        <translation>tipe bentuk</translation>
    </message>
    <message>
        <source>the shape type &quot;%1&quot; is not a whole number</source>
        <translation>tipe bentuk &quot;%1&quot; bukan bilangan bulat</translation>
    </message>
    <message>
        <source>height</source>
        <translation>tinggi</translation>
    </message>
    <message>
        <source>x coordinate</source>
        <translation>koordinat x</translation>
    </message>
    <message>
        <source>y coordinate</source>
        <translation>koordinat y</translation>
    </message>
    <message>
        <source>the first line &quot;%1&quot; is not a label count</source>
        <translation>baris pertama &quot;%1&quot; bukan jumlah label</translation>
    </message>
    <message>
        <source>%1 labels are more than the map can hold</source>
        <translation>%1 label melebihi jumlah yang dapat dimuat peta</translation>
    </message>
</context>
<context>
    <name>FetchCommand</name>
    <message>
        <source>--future takes GCM SSP PERIOD (--future MPI-ESM1-2-HR ssp245 2041-2060)</source>
        <translation>--future menerima GCM SSP PERIOD (--future MPI-ESM1-2-HR ssp245 2041-2060)</translation>
    </message>
    <message>
        <source>--future takes plain names (letters, digits, &apos;-&apos; and &apos;.&apos;), not &quot;%1&quot;</source>
        <translation>--future menerima nama sederhana (huruf, angka, &apos;-&apos; dan &apos;.&apos;), bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The dataset: WorldClim 2.1 (worldclim.org).</source>
        <translation>Set data: WorldClim 2.1 (worldclim.org).</translation>
    </message>
    <message>
        <source>WorldClim&apos;s resolution: 10m, 5m, 2.5m or 30s.</source>
        <translation>Resolusi WorldClim: 10m, 5m, 2.5m, atau 30s.</translation>
    </message>
    <message>
        <source>A scenario grid on the points of the grid in -o (default: the application&apos;s ShapeFiles), from a CMIP6 projection.</source>
        <translation>Grid skenario pada titik-titik grid di -o (bawaan: folder ShapeFiles aplikasi), dari proyeksi CMIP6.</translation>
    </message>
    <message>
        <source>A mirror or local copy in place of %1, with the same paths below it.</source>
        <translation>Situs cermin (mirror) atau salinan lokal sebagai pengganti %1, dengan jalur yang sama di bawahnya.</translation>
    </message>
    <message>
        <source>--future takes three words: --future GCM SSP PERIOD</source>
        <translation>--future menerima tiga kata: --future GCM SSP PERIOD</translation>
    </message>
    <message>
        <source>grid fetch takes the dataset worldclim, not &quot;%1&quot;</source>
        <translation>grid fetch menerima set data worldclim, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>grid fetch needs --res %1</source>
        <translation>grid fetch memerlukan --res %1</translation>
    </message>
    <message>
        <source>--res is one of %1, not &quot;%2&quot;</source>
        <translation>--res adalah salah satu dari %1, bukan &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--base-url takes an http:// or https:// address, not &quot;%1&quot;</source>
        <translation>--base-url menerima alamat http:// atau https://, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: no such application folder</source>
        <translation>%1: folder aplikasi tidak ditemukan</translation>
    </message>
    <message>
        <source>%1 (nothing was changed)</source>
        <translation>%1 (tidak ada yang diubah)</translation>
    </message>
    <message>
        <source>--%1 does not go with --future: a scenario takes its grid&apos;s points</source>
        <translation>--%1 tidak dapat digunakan bersama --future: skenario memakai titik-titik grid dasarnya</translation>
    </message>
</context>
<context>
    <name>FindPlaceBox</name>
    <message>
        <source>district</source>
        <translation>kabupaten</translation>
    </message>
    <message>
        <source>province</source>
        <translation>provinsi</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>place name (kind of place)</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <comment>place — province, country</comment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Find place (Ctrl+L)</source>
        <translation>Cari tempat (Ctrl+L)</translation>
    </message>
    <message>
        <source>Type a town, district or province in any script; choose one to see what suits it there.</source>
        <translation>Ketik nama kota, kabupaten, atau provinsi dalam aksara apa pun; pilih salah satu untuk melihat jenis yang sesuai di sana.</translation>
    </message>
    <message>
        <source>Places unavailable</source>
        <translation>Tempat tidak tersedia</translation>
    </message>
    <message>
        <source>Places are unavailable: %1</source>
        <translation>Tempat tidak tersedia: %1</translation>
    </message>
</context>
<context>
    <name>FolderBuild</name>
    <message>
        <source>%1 is a link to %2, which does not exist (nothing was changed)</source>
        <translation>%1 adalah tautan ke %2, yang tidak ada (tidak ada yang diubah)</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 adalah berkas, bukan folder</translation>
    </message>
    <message>
        <source>Cannot create a folder beside %1 (nothing was changed)</source>
        <translation>Tidak dapat membuat folder di samping %1 (tidak ada yang diubah)</translation>
    </message>
    <message>
        <source>Cannot copy %1 into %2 (nothing was changed)</source>
        <translation>Tidak dapat menyalin %1 ke %2 (tidak ada yang diubah)</translation>
    </message>
    <message>
        <source>Cannot move %1 aside (nothing was changed)</source>
        <translation>Tidak dapat menyisihkan %1 (tidak ada yang diubah)</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2 (nothing was changed)</source>
        <translation>Tidak dapat memindahkan %1 ke %2 (tidak ada yang diubah)</translation>
    </message>
</context>
<context>
    <name>FunctionalUses</name>
    <message>
        <source>Timber</source>
        <translation>Kayu pertukangan</translation>
    </message>
    <message>
        <source>Fruit</source>
        <translation>Buah</translation>
    </message>
    <message>
        <source>Resin</source>
        <translation>Resin</translation>
    </message>
    <message>
        <source>Fodder</source>
        <translation>Pakan ternak</translation>
    </message>
    <message>
        <source>Firewood</source>
        <translation>Kayu bakar</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>Arang</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>Bambu</translation>
    </message>
    <message>
        <source>Rattan</source>
        <translation>Rotan</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Lainnya</translation>
    </message>
</context>
<context>
    <name>GdalOutputFile</name>
    <message>
        <source>GDAL could not write it</source>
        <translation>GDAL tidak dapat menulisnya</translation>
    </message>
</context>
<context>
    <name>GeoPackageOutput</name>
    <message>
        <source>%1: GDAL cannot read its polygons</source>
        <translation>%1: GDAL tidak dapat membaca poligonnya</translation>
    </message>
</context>
<context>
    <name>GeoTiffOutput</name>
    <message>
        <source>%1: too many values for one band</source>
        <translation>%1: terlalu banyak nilai untuk satu band</translation>
    </message>
</context>
<context>
    <name>GridBuilder</name>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Tidak dapat membuat %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Tidak dapat menulis %1: %2</translation>
    </message>
</context>
<context>
    <name>GridCommand</name>
    <message>
        <source>Multiply the rainfall values by this (default 1).</source>
        <translation>Kalikan nilai curah hujan dengan angka ini (bawaan 1).</translation>
    </message>
    <message>
        <source>Multiply the temperature values by this (0.1 for tenths).</source>
        <translation>Kalikan nilai suhu dengan angka ini (0.1 untuk data dalam persepuluhan derajat).</translation>
    </message>
    <message>
        <source>Then add this to the temperature (-273.15 for kelvin).</source>
        <translation>Lalu tambahkan angka ini pada suhu (-273.15 untuk kelvin).</translation>
    </message>
    <message>
        <source>grid build needs --alt, --mar and --mat</source>
        <translation>grid build memerlukan --alt, --mar, dan --mat</translation>
    </message>
    <message>
        <source>--%1 takes a band number from 1, not &quot;%2&quot;</source>
        <translation>--%1 menerima nomor band mulai dari 1, bukan &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--%1 cannot be 0</source>
        <translation>--%1 tidak boleh 0</translation>
    </message>
    <message>
        <source>grid takes build or fetch, not &quot;%1&quot;</source>
        <translation>grid menerima build atau fetch, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>grid build takes no argument &quot;%1&quot;</source>
        <translation>grid build tidak menerima argumen &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>GridFolder</name>
    <message>
        <source>%1 holds folders (scenarios made for its points, or others), which the build would not keep: move them away or give another folder</source>
        <translation>%1 berisi folder (skenario yang dibuat untuk titik-titiknya, atau folder lain) yang tidak akan dipertahankan oleh proses pembuatan: pindahkan folder tersebut atau berikan folder lain</translation>
    </message>
    <message>
        <source>no cell of the extent has all three values (nothing was written)</source>
        <translation>tidak ada sel dalam cakupan yang memiliki ketiga nilai (tidak ada yang ditulis)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Tidak dapat menulis %1: %2</translation>
    </message>
</context>
<context>
    <name>GridOptions</name>
    <message>
        <source>Country boundaries (any vector source GDAL reads).</source>
        <translation>Batas negara (sumber vektor apa pun yang dapat dibaca GDAL).</translation>
    </message>
    <message>
        <source>The field of the country name (default NAME).</source>
        <translation>Kolom atribut nama negara (bawaan NAME).</translation>
    </message>
    <message>
        <source>The grid&apos;s extent in degrees.</source>
        <translation>Cakupan grid dalam derajat.</translation>
    </message>
    <message>
        <source>The cell size in arc minutes.</source>
        <translation>Ukuran sel dalam menit busur.</translation>
    </message>
    <message>
        <source>%1 needs --extent W,S,E,N and --step MINUTES</source>
        <translation>%1 memerlukan --extent W,S,E,N dan --step MINUTES</translation>
    </message>
    <message>
        <source>--step takes arc minutes from 0.01 to 600, not &quot;%1&quot;</source>
        <translation>--step menerima menit busur dari 0.01 hingga 600, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 needs -o FOLDER</source>
        <translation>%1 memerlukan -o FOLDER</translation>
    </message>
    <message>
        <source>--name-field goes with --countries</source>
        <translation>--name-field hanya digunakan bersama --countries</translation>
    </message>
</context>
<context>
    <name>GridProgress</name>
    <message>
        <source>%1: %2 s: %3
</source>
        <translation>%1: %2 s: %3
</translation>
    </message>
</context>
<context>
    <name>GridRaster</name>
    <message>
        <source>GDAL cannot read it</source>
        <translation>GDAL tidak dapat membacanya</translation>
    </message>
</context>
<context>
    <name>HtmlViewer</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Page not found&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The page file &lt;b&gt;%1&lt;/b&gt; is missing.&lt;/p&gt;&lt;p&gt;Silvaria reads its manual and glossary from the &lt;i&gt;Help&lt;/i&gt; and &lt;i&gt;HTML&lt;/i&gt; folders beside the program. Install the program again to restore them.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Halaman tidak ditemukan&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Halaman tidak ditemukan&lt;/h2&gt;&lt;p&gt;Berkas halaman &lt;b&gt;%1&lt;/b&gt; tidak ada.&lt;/p&gt;&lt;p&gt;Silvaria membaca panduan dan glosariumnya dari folder &lt;i&gt;Help&lt;/i&gt; dan &lt;i&gt;HTML&lt;/i&gt; di samping program. Pasang ulang program untuk memulihkannya.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>Icons</name>
    <message>
        <source>Agroforestry tree species of South-East Asia</source>
        <translation>Jenis pohon agroforestri Asia Tenggara</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>Versi 2.0</translation>
    </message>
</context>
<context>
    <name>LabelLayer</name>
    <message>
        <source>The labels could not be saved to %1: %2.</source>
        <translation>Label tidak dapat disimpan ke %1: %2.</translation>
    </message>
    <message>
        <source>The labels could not be read from %1: %2.</source>
        <translation>Label tidak dapat dibaca dari %1: %2.</translation>
    </message>
    <message>
        <source>The map holds %1 labels, the most it can.</source>
        <translation>Peta sudah memuat %1 label, jumlah terbanyak yang dapat dimuatnya.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>File</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Tampilan</translation>
    </message>
    <message>
        <source>Botanic Names (All)</source>
        <translation>Nama Botani (Semua)</translation>
    </message>
    <message>
        <source>Common Names (All)</source>
        <translation>Nama Umum (Semua)</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>Image Selected Record</source>
        <translation>Gambar Jenis Terpilih</translation>
    </message>
    <message>
        <source>Arboplot</source>
        <translation>Arboplot</translation>
    </message>
    <message>
        <source>Arboplot Comparison</source>
        <translation>Perbandingan Arboplot</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analisis</translation>
    </message>
    <message>
        <source>Suitable Area by Country...</source>
        <translation>Luas Lahan Sesuai per Negara...</translation>
    </message>
    <message>
        <source>Species Count Map...</source>
        <translation>Peta Jumlah Jenis...</translation>
    </message>
    <message>
        <source>Climate Shift...</source>
        <translation>Pergeseran Iklim...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Pendahuluan</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Glosarium</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>View Botanic Names (All)</source>
        <translation>Lihat Nama Botani (Semua)</translation>
    </message>
    <message>
        <source>View Common Names (All)</source>
        <translation>Lihat Nama Umum (Semua)</translation>
    </message>
    <message>
        <source>View Species Image</source>
        <translation>Lihat Gambar Jenis</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Panduan</translation>
    </message>
    <message>
        <source>Move Previous Form</source>
        <translation>Ke Jendela Sebelumnya</translation>
    </message>
    <message>
        <source>Move Next Form</source>
        <translation>Ke Jendela Berikutnya</translation>
    </message>
    <message>
        <source>Close Active Form</source>
        <translation>Tutup Jendela Aktif</translation>
    </message>
    <message>
        <source>Species Count Map</source>
        <translation>Peta Jumlah Jenis</translation>
    </message>
    <message>
        <source>Climate Shift</source>
        <translation>Pergeseran Iklim</translation>
    </message>
    <message>
        <source>Site Report...</source>
        <translation>Laporan Lokasi...</translation>
    </message>
</context>
<context>
    <name>MapClasses</name>
    <message>
        <source>no species suits any grid point</source>
        <translation>tidak ada jenis yang sesuai di titik grid mana pun</translation>
    </message>
    <message>
        <source>one class per number of species, up to %1, the most at any grid point</source>
        <translation>satu kelas untuk setiap jumlah jenis, hingga %1, jumlah terbanyak di satu titik grid</translation>
    </message>
    <message>
        <source>equal steps of %1 species from 1 to %2, the most at any grid point</source>
        <translation>interval sama sebesar %1 jenis dari 1 hingga %2, jumlah terbanyak di satu titik grid</translation>
    </message>
</context>
<context>
    <name>MapCommand</name>
    <message>
        <source>--classes lists alt, mar, mat, full, not &quot;%1&quot;</source>
        <translation>--classes menerima daftar dari alt, mar, mat, full, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>map --all needs -o FOLDER</source>
        <translation>map --all memerlukan -o FOLDER</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: folder tidak dapat dibuat</translation>
    </message>
    <message numerus="yes">
        <source>%n maps written to %1
</source>
        <translation>
            <numerusform>%n peta ditulis ke %1
</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws the suitability map of a species (altitude, rainfall, temperature and full match over the country boundaries) with a legend and a source stamp.</source>
        <translation>Menggambar peta kesesuaian suatu jenis (ketinggian, curah hujan, suhu, dan sesuai penuh di atas batas negara) dengan legenda dan keterangan sumber.</translation>
    </message>
    <message>
        <source>Identifier, current name or synonym.</source>
        <translation>Pengenal, nama berlaku, atau sinonim.</translation>
    </message>
    <message>
        <source>The file to write: a picture (.png or .bmp), a GeoTIFF of the class numbers (.tif) or a GeoPackage of the grid&apos;s points (.gpkg); the folder of pictures for --all.</source>
        <translation>Berkas yang akan ditulis: gambar (.png atau .bmp), GeoTIFF nomor kelas (.tif), atau GeoPackage titik-titik grid (.gpkg); untuk --all, folder gambar.</translation>
    </message>
    <message>
        <source>Picture size in pixels (default 1000x750).</source>
        <translation>Ukuran gambar dalam piksel (bawaan 1000x750).</translation>
    </message>
    <message>
        <source>Map extent in degrees (default: the whole map), or a place or LON,LAT at the centre of a view 4 degrees wide.</source>
        <translation>Cakupan peta dalam derajat (bawaan: seluruh peta), atau tempat atau LON,LAT sebagai titik tengah tampilan selebar 4 derajat.</translation>
    </message>
    <message>
        <source>Narrows a place name of --extent to this country (code such as TH, or name).</source>
        <translation>Membatasi nama tempat pada --extent ke negara ini (kode seperti TH, atau nama).</translation>
    </message>
    <message>
        <source>Classes to show: alt,mar,mat,full (default all).</source>
        <translation>Kelas yang ditampilkan: alt,mar,mat,full (bawaan semua).</translation>
    </message>
    <message>
        <source>One map per species of the catalogue, into FOLDER.</source>
        <translation>Satu peta untuk setiap jenis di katalog, ke dalam FOLDER.</translation>
    </message>
    <message>
        <source>map --all takes no SPECIES</source>
        <translation>map --all tidak menerima SPECIES</translation>
    </message>
    <message>
        <source>%1 written
</source>
        <translation>%1 telah ditulis
</translation>
    </message>
</context>
<context>
    <name>MapControl</name>
    <message>
        <source>The map can only be drawn on while it is being drawn</source>
        <translation>Gambar hanya dapat ditambahkan pada peta selama peta sedang digambar</translation>
    </message>
    <message>
        <source>Cannot save the map to %1: export format %2 is not supported</source>
        <translation>Peta tidak dapat disimpan ke %1: format ekspor %2 tidak didukung</translation>
    </message>
    <message>
        <source>Cannot save the map to %1: scale factor %2 is out of range</source>
        <translation>Peta tidak dapat disimpan ke %1: faktor skala %2 di luar batas yang diizinkan</translation>
    </message>
</context>
<context>
    <name>MapImageExport</name>
    <message>
        <source>Windows Bitmaps (*.bmp)</source>
        <translation>Bitmap Windows (*.bmp)</translation>
    </message>
    <message>
        <source>PNG Pictures with source stamp (*.png)</source>
        <translation>Gambar PNG dengan keterangan sumber (*.png)</translation>
    </message>
    <message>
        <source>Export Bitmap</source>
        <translation>Ekspor Bitmap</translation>
    </message>
</context>
<context>
    <name>MapLegend</name>
    <message>
        <source>Full match</source>
        <translation>Sesuai penuh</translation>
    </message>
    <message>
        <source>Suitable species</source>
        <translation>Jenis yang sesuai</translation>
    </message>
</context>
<context>
    <name>MapPlaceTools</name>
    <message>
        <source>Provinces</source>
        <translation>Provinsi</translation>
    </message>
    <message>
        <source>Draw the outlines of provinces and states</source>
        <translation>Gambar batas provinsi dan negara bagian</translation>
    </message>
    <message>
        <source>The province layer (ShapeFiles/province_bnd.shp) is missing or unreadable</source>
        <translation>Lapisan provinsi (ShapeFiles/province_bnd.shp) tidak ada atau tidak dapat dibaca</translation>
    </message>
    <message>
        <source>Suitable Tree Species - %1</source>
        <translation>Jenis Pohon yang Sesuai - %1</translation>
    </message>
    <message>
        <source>Find Place</source>
        <translation>Cari Tempat</translation>
    </message>
    <message>
        <source>No grid point lies near %1, so no species can be matched to it.</source>
        <translation>Tidak ada titik grid di dekat %1, sehingga tidak ada jenis yang dapat dicocokkan dengannya.</translation>
    </message>
</context>
<context>
    <name>MapToolbar</name>
    <message>
        <source>Planting List</source>
        <translation>Daftar Tanam</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Geser</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Identifikasi</translation>
    </message>
    <message>
        <source>Suitable Tree Species</source>
        <translation>Jenis Pohon yang Sesuai</translation>
    </message>
    <message>
        <source>Full Extent</source>
        <translation>Tampilan Penuh</translation>
    </message>
    <message>
        <source>Generate Map</source>
        <translation>Buat Peta</translation>
    </message>
</context>
<context>
    <name>NetworkReading</name>
    <message>
        <source>%1 could not be reached (no network, or no server at that address); nothing was changed</source>
        <translation>%1 tidak dapat dihubungi (tidak ada jaringan, atau tidak ada server di alamat itu); tidak ada yang diubah</translation>
    </message>
    <message>
        <source>%1: %2; nothing was changed</source>
        <translation>%1: %2; tidak ada yang diubah</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>server memberi respons HTTP %1</translation>
    </message>
    <message>
        <source>no such file on the server (worldclim.org lists what is published)</source>
        <translation>berkas tidak ada di server (worldclim.org memuat daftar berkas yang diterbitkan)</translation>
    </message>
    <message>
        <source>%1: damaged or incomplete (the download may have stopped half-way): %2 cannot be read from it; nothing was changed</source>
        <translation>%1: rusak atau tidak lengkap (unduhan mungkin terhenti di tengah jalan): %2 tidak dapat dibaca darinya; tidak ada yang diubah</translation>
    </message>
    <message>
        <source>%1: %2 has %3 band(s) of pixels %4 x %5 degrees, not the published %6 band(s) of %7 arc minutes; nothing was changed</source>
        <translation>%1: %2 memiliki %3 band dengan piksel %4 x %5 derajat, bukan %6 band dengan piksel %7 menit busur seperti yang diterbitkan; tidak ada yang diubah</translation>
    </message>
    <message>
        <source>%1 kB</source>
        <translation>%1 kB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
</context>
<context>
    <name>OptionReaders</name>
    <message>
        <source>--size takes whole pixels from 16 to 10000, as 1200x900, not &quot;%1&quot;</source>
        <translation>--size menerima jumlah piksel bulat dari 16 hingga 10000, seperti 1200x900, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--extent takes W,S,E,N in degrees with W &lt; E and S &lt; N, not &quot;%1&quot;</source>
        <translation>--extent menerima W,S,E,N dalam derajat dengan W &lt; E dan S &lt; N, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 takes MIN,MAX with the minimum at most the maximum, not &quot;%2&quot;</source>
        <translation>--%1 menerima MIN,MAX dengan nilai minimum tidak melebihi nilai maksimum, bukan &quot;%2&quot;</translation>
    </message>
    <message>
        <source>LON,LAT takes a longitude from -180 to 360 and a latitude from -90 to 90, not &quot;%1&quot;</source>
        <translation>LON,LAT menerima bujur dari -180 hingga 360 dan lintang dari -90 hingga 90, bukan &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ParameterPanel</name>
    <message>
        <source>Altitude (ALT) (m)</source>
        <translation>Ketinggian (ALT) (m)</translation>
    </message>
    <message>
        <source>Rainfall (MAR) (mm)</source>
        <translation>Curah Hujan (MAR) (mm)</translation>
    </message>
    <message>
        <source>Temperature (MAT) (Deg C)</source>
        <translation>Suhu (MAT) (°C)</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Lapisan</translation>
    </message>
    <message>
        <source>Show ALT</source>
        <translation>Tampilkan ALT</translation>
    </message>
    <message>
        <source>Show MAR</source>
        <translation>Tampilkan MAR</translation>
    </message>
    <message>
        <source>Show MAT</source>
        <translation>Tampilkan MAT</translation>
    </message>
    <message>
        <source>Show Tree Species</source>
        <translation>Tampilkan Jenis Pohon</translation>
    </message>
    <message>
        <source>Parameters Used</source>
        <translation>Parameter yang Digunakan</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Ketinggian</translation>
    </message>
    <message>
        <source>Rainfall</source>
        <translation>Curah Hujan</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Suhu</translation>
    </message>
    <message>
        <source>Tree Species</source>
        <translation>Jenis Pohon</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Kisaran</translation>
    </message>
    <message>
        <source>ALT: 0 - 6098</source>
        <translation>ALT: 0 - 6098</translation>
    </message>
    <message>
        <source>MAR: 6 - 8253</source>
        <translation>MAR: 6 - 8253</translation>
    </message>
    <message>
        <source>MAT: -11.2 - 29.2</source>
        <translation>MAT: -11.2 - 29.2</translation>
    </message>
</context>
<context>
    <name>PhotoPictures</name>
    <message>
        <source>Silvaria species pictures</source>
        <translation>Gambar jenis Silvaria</translation>
    </message>
</context>
<context>
    <name>PhotoRequest</name>
    <message>
        <source>Images still needed for this species</source>
        <translation>Gambar yang masih dibutuhkan untuk jenis ini</translation>
    </message>
    <message>
        <source>If you have any suitable shots please send to:</source>
        <translation>Jika Anda memiliki foto yang sesuai, silakan kirimkan ke:</translation>
    </message>
    <message>
        <source>email: %1</source>
        <translation>surel: %1</translation>
    </message>
</context>
<context>
    <name>PictureStamps</name>
    <message>
        <source>a projection of one climate model, not a forecast</source>
        <translation>proyeksi dari satu model iklim, bukan prakiraan</translation>
    </message>
    <message>
        <source>scenario %1</source>
        <translation>skenario %1</translation>
    </message>
</context>
<context>
    <name>PlaceLookup</name>
    <message>
        <source>places are unavailable: %1</source>
        <translation>tempat tidak tersedia: %1</translation>
    </message>
    <message>
        <source>--country takes one of %1 or a country&apos;s name, not &quot;%2&quot;</source>
        <translation>--country menerima salah satu dari %1 atau nama negara, bukan &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot; (silvaria-cli places TEXT finds names)</source>
        <translation>tidak ada tempat bernama &quot;%1&quot; (silvaria-cli places TEXT dapat mencari nama)</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot; in %2 (silvaria-cli places TEXT finds names)</source>
        <translation>tidak ada tempat bernama &quot;%1&quot; di %2 (silvaria-cli places TEXT dapat mencari nama)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one place; give a fuller name, LON,LAT or --country CC:</source>
        <translation>&quot;%1&quot; merujuk ke lebih dari satu tempat; berikan nama yang lebih lengkap, LON,LAT, atau --country CC:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2 names more than one place; give a fuller name, LON,LAT or --country CC:</source>
        <translation>&quot;%1&quot; di %2 merujuk ke lebih dari satu tempat; berikan nama yang lebih lengkap, LON,LAT, atau --country CC:</translation>
    </message>
    <message>
        <source>Narrows a place name to this country (code such as TH, or name).</source>
        <translation>Membatasi nama tempat pada negara ini (kode seperti TH, atau nama).</translation>
    </message>
</context>
<context>
    <name>PlacesCommand</name>
    <message>
        <source>Lists the places, districts and provinces of the region whose name or alternate name holds TEXT (case, accents and spaces ignored, in every script), best match first, then the largest.</source>
        <translation>Menampilkan daftar tempat, kabupaten, dan provinsi di kawasan ini yang nama atau nama lainnya memuat TEXT (huruf besar/kecil, aksen, dan spasi diabaikan, dalam aksara apa pun), mulai dari yang paling cocok, lalu yang terbesar.</translation>
    </message>
    <message>
        <source>A name or part of one (&quot;Chiang Mai&quot;, &quot;da lat&quot;, &quot;เชียงใหม่&quot;).</source>
        <translation>Nama atau sebagian nama (&quot;Chiang Mai&quot;, &quot;da lat&quot;, &quot;เชียงใหม่&quot;).</translation>
    </message>
    <message>
        <source>Only places of this country (code such as TH, or name).</source>
        <translation>Hanya tempat di negara ini (kode seperti TH, atau nama).</translation>
    </message>
    <message>
        <source>At most N places (default 20, 0 for all).</source>
        <translation>Paling banyak N tempat (bawaan 20, 0 untuk semua).</translation>
    </message>
    <message>
        <source>--limit takes a whole number, 0 for all, not &quot;%1&quot;</source>
        <translation>--limit menerima bilangan bulat, 0 untuk semua, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No place of the region is named like &quot;%1&quot;.
</source>
        <translation>Tidak ada tempat di kawasan ini yang namanya mirip &quot;%1&quot;.
</translation>
    </message>
</context>
<context>
    <name>PlantingList</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 sampai %2</translation>
    </message>
    <message>
        <source>Suitable Tree Species (%1)</source>
        <translation>Jenis Pohon yang Sesuai (%1)</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>--paper is a4 or letter, not &quot;%1&quot;</source>
        <translation>--paper adalah a4 atau letter, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>-o FILE is needed: a PDF (.pdf) or an HTML page (.html)</source>
        <translation>-o FILE diperlukan: PDF (.pdf) atau halaman HTML (.html)</translation>
    </message>
    <message>
        <source>-o takes a PDF (.pdf) or an HTML page (.html), not &quot;%1&quot;</source>
        <translation>-o menerima PDF (.pdf) atau halaman HTML (.html), bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Writes the printable site report of a position: the site, the species suitable there grouped by functional use (names, ranges, a small map, lines of the fact sheet), the near misses, the species count around the site and the references.</source>
        <translation>Menulis laporan lokasi siap cetak untuk suatu posisi: lokasi, jenis yang sesuai di sana dikelompokkan menurut kegunaan (nama, kisaran, peta kecil, kutipan lembar fakta), jenis yang hampir sesuai, jumlah jenis di sekitar lokasi, dan daftar pustaka.</translation>
    </message>
    <message>
        <source>Position in degrees, west and south negative (report 98.98,18.79), or the name of a place, district or province.</source>
        <translation>Posisi dalam derajat, barat dan selatan bernilai negatif (report 98.98,18.79), atau nama tempat, kabupaten, atau provinsi.</translation>
    </message>
    <message>
        <source>Only species of this use; repeat for several (default every use).</source>
        <translation>Hanya jenis dengan kegunaan ini; ulangi untuk beberapa kegunaan (bawaan semua kegunaan).</translation>
    </message>
    <message>
        <source>Page size: a4 (default) or letter.</source>
        <translation>Ukuran halaman: a4 (bawaan) atau letter.</translation>
    </message>
    <message>
        <source>Reports on an installed scenario&apos;s climate (see scenarios) instead of the grid&apos;s.</source>
        <translation>Membuat laporan berdasarkan iklim skenario terpasang (lihat scenarios), bukan iklim grid.</translation>
    </message>
    <message>
        <source>The file to write: a PDF (.pdf) or an HTML page with its pictures inside (.html).</source>
        <translation>Berkas yang akan ditulis: PDF (.pdf) atau halaman HTML dengan gambar di dalamnya (.html).</translation>
    </message>
    <message numerus="yes">
        <source>%1 written (%n pages)
</source>
        <translation>
            <numerusform>%1 telah ditulis (%n halaman)
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScenarioChoice</name>
    <message>
        <source>Climate:</source>
        <translation>Iklim:</translation>
    </message>
    <message>
        <source>The climate of the grid, or of a scenario grid installed beside it: the projection of one climate model, not a forecast</source>
        <translation>Iklim grid, atau iklim grid skenario yang dipasang di sampingnya: proyeksi dari satu model iklim, bukan prakiraan</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>scenario: caveat</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>uniform shift</source>
        <translation>pergeseran seragam</translation>
    </message>
    <message>
        <source>current grid</source>
        <translation>grid saat ini</translation>
    </message>
</context>
<context>
    <name>ScenariosCommand</name>
    <message>
        <source>The scenario grids installed beside the map grid (each the projection of one climate model, not a forecast), with their sources: the names shift --scenario and count --scenario take.</source>
        <translation>Grid skenario yang terpasang di samping grid peta (masing-masing merupakan proyeksi dari satu model iklim, bukan prakiraan), beserta sumbernya: nama-nama yang diterima oleh shift --scenario dan count --scenario.</translation>
    </message>
    <message>
        <source>scenarios takes no argument &quot;%1&quot;</source>
        <translation>scenarios tidak menerima argumen &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No scenario grids installed; silvaria-cli grid fetch worldclim --future GCM SSP PERIOD adds one.
</source>
        <translation>Belum ada grid skenario yang terpasang; silvaria-cli grid fetch worldclim --future GCM SSP PERIOD dapat menambahkannya.
</translation>
    </message>
</context>
<context>
    <name>ServeCommand</name>
    <message>
        <source>--listen takes an IPv4 address and a port such as 127.0.0.1:8080 or 0.0.0.0:8080, not &quot;%1&quot;</source>
        <translation>--listen menerima alamat IPv4 dan port, seperti 127.0.0.1:8080 atau 0.0.0.0:8080, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Serves the catalogue, the maps and the suitable species at a place as web pages, read-only. Stops on Ctrl+C (SIGINT) or SIGTERM.</source>
        <translation>Menyajikan katalog, peta, dan jenis yang sesuai di suatu tempat sebagai halaman web, hanya untuk dibaca. Berhenti dengan Ctrl+C (SIGINT) atau SIGTERM.</translation>
    </message>
    <message>
        <source>Address and port to listen on (default 127.0.0.1:8080, this machine only; 0.0.0.0:8080 shares it with the network).</source>
        <translation>Alamat dan port untuk menerima koneksi (bawaan 127.0.0.1:8080, hanya komputer ini; 0.0.0.0:8080 membagikannya ke jaringan).</translation>
    </message>
    <message>
        <source>Silvaria is served at:
</source>
        <translation>Silvaria disajikan di:
</translation>
    </message>
    <message>
        <source>Everyone on this network can read it (read-only). Press Ctrl+C to stop.
</source>
        <translation>Semua orang di jaringan ini dapat membukanya (hanya untuk dibaca). Tekan Ctrl+C untuk berhenti.
</translation>
    </message>
    <message>
        <source>Only this machine can read it. Press Ctrl+C to stop.
</source>
        <translation>Hanya komputer ini yang dapat membukanya. Tekan Ctrl+C untuk berhenti.
</translation>
    </message>
    <message>
        <source>Stopped.
</source>
        <translation>Dihentikan.
</translation>
    </message>
</context>
<context>
    <name>SheetCommand</name>
    <message>
        <source>Prints the fact sheet of a species, as plain text or as HTML with the headings formatted.</source>
        <translation>Menampilkan lembar fakta suatu jenis, sebagai teks biasa atau sebagai HTML dengan judul yang diformat.</translation>
    </message>
    <message>
        <source>Identifier, current name or synonym.</source>
        <translation>Pengenal, nama berlaku, atau sinonim.</translation>
    </message>
</context>
<context>
    <name>ShiftCommand</name>
    <message>
        <source>Identifier, current name or synonym.</source>
        <translation>Pengenal, nama berlaku, atau sinonim.</translation>
    </message>
    <message>
        <source>Change of MAR in percent (default 0).</source>
        <translation>Perubahan MAR dalam persen (bawaan 0).</translation>
    </message>
    <message>
        <source>Compare with this installed scenario grid instead of a uniform shift (silvaria-cli scenarios lists them); not with --dt or --dp.</source>
        <translation>Bandingkan dengan grid skenario terpasang ini, bukan dengan pergeseran seragam (silvaria-cli scenarios menampilkan daftarnya); tidak dapat digunakan bersama --dt atau --dp.</translation>
    </message>
    <message>
        <source>One row per country of the boundary layer.</source>
        <translation>Satu baris untuk setiap negara pada lapisan batas wilayah.</translation>
    </message>
    <message>
        <source>Also write the kept, lost and gained points: a picture (.png or .bmp), a GeoTIFF (.tif) or a GeoPackage (.gpkg).</source>
        <translation>Tulis juga titik yang tetap, hilang, dan bertambah: gambar (.png atau .bmp), GeoTIFF (.tif), atau GeoPackage (.gpkg).</translation>
    </message>
    <message>
        <source>Picture size in pixels (default 1000x750).</source>
        <translation>Ukuran gambar dalam piksel (bawaan 1000x750).</translation>
    </message>
    <message>
        <source>--scenario does not go with --dt or --dp: a scenario grid brings its own climate</source>
        <translation>--scenario tidak dapat digunakan bersama --dt atau --dp: grid skenario membawa iklimnya sendiri</translation>
    </message>
    <message>
        <source>--scenario needs the name of an installed scenario grid</source>
        <translation>--scenario memerlukan nama grid skenario yang terpasang</translation>
    </message>
    <message>
        <source>--dp cannot take away more than 100 % of the rainfall</source>
        <translation>--dp tidak dapat mengurangi curah hujan lebih dari 100 %</translation>
    </message>
    <message>
        <source>%1 (SpID %2), %3: %4
</source>
        <translation>%1 (SpID %2), %3: %4
</translation>
    </message>
    <message>
        <source>Change of MAT in °C (default 0).</source>
        <translation>Perubahan MAT dalam °C (bawaan 0).</translation>
    </message>
    <message>
        <source>The species&apos; full match with the grid&apos;s MAT raised by DT °C and MAR changed by DP %, altitude unchanged, or with the climate of an installed scenario grid (--scenario): the km2 kept, lost and gained. A uniform shift of the grid&apos;s climate is not a climate projection; a scenario is the projection of one climate model, not a forecast.</source>
        <translation>Area sesuai penuh suatu jenis jika MAT grid dinaikkan sebesar DT °C dan MAR diubah sebesar DP %, dengan ketinggian tetap, atau dengan iklim grid skenario terpasang (--scenario): luas km2 yang tetap, hilang, dan bertambah. Pergeseran seragam iklim grid bukanlah proyeksi iklim; skenario adalah proyeksi dari satu model iklim, bukan prakiraan.</translation>
    </message>
</context>
<context>
    <name>SiteReportText</name>
    <message>
        <source>Altitude (ALT)</source>
        <translation>Ketinggian (ALT)</translation>
    </message>
    <message>
        <source>Rainfall (MAR)</source>
        <translation>Curah hujan (MAR)</translation>
    </message>
    <message>
        <source>Temperature (MAT)</source>
        <translation>Suhu (MAT)</translation>
    </message>
    <message>
        <source>No use recorded</source>
        <translation>Kegunaan tidak tercatat</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Tempat</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posisi</translation>
    </message>
    <message>
        <source>%1, %2 (longitude, latitude)</source>
        <translation>%1, %2 (bujur, lintang)</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Negara</translation>
    </message>
    <message>
        <source>Grid point used</source>
        <translation>Titik grid yang digunakan</translation>
    </message>
    <message>
        <source>%1, %2, %3 km from the position</source>
        <translation>%1, %2, berjarak %3 km dari posisi</translation>
    </message>
    <message>
        <source>Uses asked</source>
        <translation>Kegunaan yang diminta</translation>
    </message>
    <message>
        <source>every use</source>
        <translation>semua kegunaan</translation>
    </message>
    <message>
        <source>Grid data</source>
        <translation>Data grid</translation>
    </message>
    <message>
        <source>Climate</source>
        <translation>Iklim</translation>
    </message>
    <message>
        <source>Boundaries</source>
        <translation>Batas wilayah</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Trees for this site</source>
        <translation>Pohon untuk lokasi ini</translation>
    </message>
    <message numerus="yes">
        <source>%Ln species suit this site: each species&apos; altitude, rainfall and temperature ranges hold here.</source>
        <translation>
            <numerusform>%Ln jenis sesuai untuk lokasi ini: kisaran ketinggian, curah hujan, dan suhu setiap jenis tersebut terpenuhi di sini.</numerusform>
        </translation>
    </message>
    <message>
        <source>No species of the catalogue suits this site for the uses asked.</source>
        <translation>Tidak ada jenis dalam katalog yang sesuai untuk lokasi ini dengan kegunaan yang diminta.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln species nearly suit it (one range missed), %1 have incomplete ranges.</source>
        <translation>
            <numerusform>%Ln jenis hampir sesuai (satu kisaran tidak terpenuhi), %1 jenis memiliki kisaran yang tidak lengkap.</numerusform>
        </translation>
    </message>
    <message>
        <source>On each species&apos; map, the ring marks the site:</source>
        <translation>Pada peta setiap jenis, lingkaran menandai lokasi:</translation>
    </message>
    <message>
        <source>Species&apos; range</source>
        <translation>Kisaran jenis</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Lokasi</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 sampai %2</translation>
    </message>
    <message>
        <source>(fact sheet, %1, “%2”):</source>
        <translation>(lembar fakta, %1, “%2”):</translation>
    </message>
    <message>
        <source>none in the catalogue</source>
        <translation>tidak ada di katalog</translation>
    </message>
    <message>
        <source>none recorded</source>
        <translation>tidak tercatat</translation>
    </message>
    <message>
        <source>Family %1; species number %2; uses: %3</source>
        <translation>Famili %1; nomor jenis %2; kegunaan: %3</translation>
    </message>
    <message>
        <source>Common names:</source>
        <translation>Nama umum:</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Kegunaan</translation>
    </message>
    <message>
        <source>Propagation</source>
        <translation>Perbanyakan</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln suitable species</source>
        <translation>
            <numerusform>%1: %Ln jenis yang sesuai</numerusform>
        </translation>
    </message>
    <message>
        <source>Also suitable, described above: %1</source>
        <translation>Juga sesuai, sudah diuraikan di atas: %1</translation>
    </message>
    <message>
        <source>No species of this use suits the site.</source>
        <translation>Tidak ada jenis dengan kegunaan ini yang sesuai untuk lokasi ini.</translation>
    </message>
    <message>
        <source>Silvaria %1.%2.%3, %4</source>
        <translation>Silvaria %1.%2.%3, %4</translation>
    </message>
    <message>
        <source>Catalogue: Silvaria catalogue, from the works cited on the last page. Grid: %1</source>
        <translation>Katalog: katalog Silvaria, dari karya-karya yang dikutip di halaman terakhir. Grid: %1</translation>
    </message>
    <message>
        <source>Climate: %1.</source>
        <translation>Iklim: %1.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Halaman %1 dari %2</translation>
    </message>
    <message>
        <source>ALT %1 m too low</source>
        <translation>ALT %1 m terlalu rendah</translation>
    </message>
    <message>
        <source>ALT %1 m too high</source>
        <translation>ALT %1 m terlalu tinggi</translation>
    </message>
    <message>
        <source>MAR %1 mm too dry</source>
        <translation>MAR %1 mm terlalu kering</translation>
    </message>
    <message>
        <source>MAR %1 mm too wet</source>
        <translation>MAR %1 mm terlalu basah</translation>
    </message>
    <message>
        <source>MAT %1 °C too cold</source>
        <translation>MAT %1 °C terlalu dingin</translation>
    </message>
    <message>
        <source>MAT %1 °C too warm</source>
        <translation>MAT %1 °C terlalu panas</translation>
    </message>
    <message>
        <source>%1 not stated</source>
        <translation>%1 tidak tercantum</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <translation>%1 sampai %2 %3</translation>
    </message>
    <message>
        <source>Nearly suitable species</source>
        <translation>Jenis yang hampir sesuai</translation>
    </message>
    <message>
        <source>None: no species misses by one range only.</source>
        <translation>Tidak ada: tidak ada jenis yang hanya meleset pada satu kisaran.</translation>
    </message>
    <message>
        <source>Each of these meets two of its ranges here and misses the third by a little; smallest miss first.</source>
        <translation>Setiap jenis berikut memenuhi dua kisarannya di sini dan sedikit meleset pada kisaran ketiga; diurutkan dari selisih terkecil.</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>What it misses</source>
        <translation>Yang tidak terpenuhi</translation>
    </message>
    <message>
        <source>Its range</source>
        <translation>Kisarannya</translation>
    </message>
    <message>
        <source>Species whose ranges are incomplete</source>
        <translation>Jenis yang kisarannya tidak lengkap</translation>
    </message>
    <message>
        <source>The catalogue lacks a range of these species; every range it states holds here.</source>
        <translation>Katalog tidak memuat salah satu kisaran jenis-jenis ini; semua kisaran yang tercantum terpenuhi di sini.</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Kisaran yang kurang</translation>
    </message>
    <message>
        <source>Within %1 km</source>
        <translation>Dalam radius %1 km</translation>
    </message>
    <message>
        <source>The site and its surroundings</source>
        <translation>Lokasi dan sekitarnya</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Kegunaan</translation>
    </message>
    <message>
        <source>Suitable at the site</source>
        <translation>Sesuai di lokasi</translation>
    </message>
    <message>
        <source>Species of the uses asked suitable at each grid point around the site (marked by the ring); classes: %1.</source>
        <translation>Jumlah jenis dengan kegunaan yang diminta yang sesuai di setiap titik grid di sekitar lokasi (ditandai dengan lingkaran); kelas: %1.</translation>
    </message>
    <message>
        <source>References of the species listed</source>
        <translation>Pustaka untuk jenis yang tercantum</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Tidak ada.</translation>
    </message>
    <message>
        <source>No grid point lies within %1 km of %2, %3: the position is outside the map&apos;s grid.</source>
        <translation>Tidak ada titik grid dalam jarak %1 km dari %2, %3: posisi tersebut berada di luar grid peta.</translation>
    </message>
    <message>
        <source>The grid point at %1, %2 has no %3 value, so no species can be matched to it.</source>
        <translation>Titik grid di %1, %2 tidak memiliki nilai %3, sehingga tidak ada jenis yang dapat dicocokkan dengannya.</translation>
    </message>
    <message>
        <source>Rainfall and temperature: %1, %2.</source>
        <translation>Curah hujan dan suhu: %1, %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no functional use of the catalogue; the uses are %2.</source>
        <translation>&quot;%1&quot; bukan kegunaan yang ada di katalog; kegunaan yang tersedia adalah %2.</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>Laporan tidak dapat ditulis: %1</translation>
    </message>
    <message>
        <source>%1: a report is written as .pdf or .html</source>
        <translation>%1: laporan ditulis sebagai .pdf atau .html</translation>
    </message>
</context>
<context>
    <name>SpeciesCommand</name>
    <message>
        <source>Lists the species of the catalogue: every one, those whose botanic or common names contain TEXT, or those of one use.</source>
        <translation>Menampilkan daftar jenis di katalog: semuanya, yang nama botani atau nama umumnya memuat TEXT, atau yang memiliki satu kegunaan tertentu.</translation>
    </message>
    <message>
        <source>Names containing TEXT (case ignored).</source>
        <translation>Nama yang memuat TEXT (huruf besar/kecil diabaikan).</translation>
    </message>
    <message>
        <source>Only species of this use.</source>
        <translation>Hanya jenis dengan kegunaan ini.</translation>
    </message>
    <message>
        <source>species takes no argument &quot;%1&quot;</source>
        <translation>species tidak menerima argumen &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Longitude and latitude are numbers in degrees, such as 98.98 and 18.79.</source>
        <translation>Bujur dan lintang berupa angka dalam derajat, misalnya 98.98 dan 18.79.</translation>
    </message>
    <message>
        <source>This application folder has no place index; give longitude and latitude.</source>
        <translation>Folder aplikasi ini tidak memiliki indeks tempat; masukkan bujur dan lintang.</translation>
    </message>
    <message>
        <source>No place has this name.</source>
        <translation>Tidak ada tempat dengan nama ini.</translation>
    </message>
    <message>
        <source>All uses</source>
        <translation>Semua kegunaan</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Tempat</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Bujur</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Lintang</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Kegunaan</translation>
    </message>
    <message>
        <source>Use my position</source>
        <translation>Gunakan posisi saya</translation>
    </message>
    <message>
        <source>Show species</source>
        <translation>Tampilkan jenis</translation>
    </message>
    <message>
        <source>Grid point %1, %2: altitude %3 m, rainfall %4 mm, temperature %5 °C</source>
        <translation>Titik grid %1, %2: ketinggian %3 m, curah hujan %4 mm, suhu %5 °C</translation>
    </message>
    <message>
        <source>Suitable species</source>
        <translation>Jenis yang sesuai</translation>
    </message>
    <message>
        <source>No species is suitable here.</source>
        <translation>Tidak ada jenis yang sesuai di sini.</translation>
    </message>
    <message>
        <source>Near misses</source>
        <translation>Hampir sesuai</translation>
    </message>
    <message>
        <source>Site report (PDF)</source>
        <translation>Laporan lokasi (PDF)</translation>
    </message>
    <message>
        <source>This name means several places; choose one:</source>
        <translation>Nama ini merujuk ke beberapa tempat; pilih salah satu:</translation>
    </message>
    <message>
        <source>The map has no grid point with climate data near this position.</source>
        <translation>Peta tidak memiliki titik grid dengan data iklim di dekat posisi ini.</translation>
    </message>
    <message>
        <source>Species suitable here</source>
        <translation>Jenis yang sesuai di sini</translation>
    </message>
    <message>
        <source>Method not allowed</source>
        <translation>Metode tidak diizinkan</translation>
    </message>
    <message>
        <source>This server only answers GET and HEAD.</source>
        <translation>Server ini hanya melayani GET dan HEAD.</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Sibuk</translation>
    </message>
    <message>
        <source>Too many people are reading at once. Try again in a moment.</source>
        <translation>Terlalu banyak orang membuka halaman bersamaan. Silakan coba lagi sebentar lagi.</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Kesalahan server</translation>
    </message>
    <message>
        <source>Functional uses</source>
        <translation>Kegunaan</translation>
    </message>
    <message>
        <source>Common names by language</source>
        <translation>Nama umum menurut bahasa</translation>
    </message>
    <message>
        <source>Botanic names by genus</source>
        <translation>Nama botani menurut genus</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Jelajahi</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Tidak ditemukan</translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation>Tidak ada halaman di alamat ini.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>Botanic names</source>
        <translation>Nama botani</translation>
    </message>
    <message>
        <source>Common names</source>
        <translation>Nama umum</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Di sini</translation>
    </message>
    <message>
        <source>No names found.</source>
        <translation>Tidak ada nama yang ditemukan.</translation>
    </message>
    <message>
        <source>Agroforestry tree species of South-East Asia: fact sheets, photographs and suitability maps.</source>
        <translation>Jenis pohon agroforestri Asia Tenggara: lembar fakta, foto, dan peta kesesuaian.</translation>
    </message>
    <message>
        <source>Browse by genus, language and use</source>
        <translation>Jelajahi menurut genus, bahasa, dan kegunaan</translation>
    </message>
    <message>
        <source>Species suitable at a place</source>
        <translation>Jenis yang sesuai di suatu tempat</translation>
    </message>
    <message>
        <source>Search by botanic or common name</source>
        <translation>Cari menurut nama botani atau nama umum</translation>
    </message>
    <message>
        <source>Site report</source>
        <translation>Laporan lokasi</translation>
    </message>
    <message>
        <source>Give a place, or longitude and latitude.</source>
        <translation>Masukkan nama tempat, atau bujur dan lintang.</translation>
    </message>
    <message>
        <source>Photographs</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Zoom to country</source>
        <translation>Perbesar ke negara</translation>
    </message>
    <message>
        <source>Whole region</source>
        <translation>Seluruh kawasan</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Negara</translation>
    </message>
    <message>
        <source>Full match km²</source>
        <translation>Sesuai penuh km²</translation>
    </message>
    <message>
        <source>Share of land %</source>
        <translation>Persentase lahan %</translation>
    </message>
    <message>
        <source>No grid point matches all ranges.</source>
        <translation>Tidak ada titik grid yang memenuhi semua kisaran.</translation>
    </message>
    <message>
        <source>Suitable area by country</source>
        <translation>Luas lahan sesuai per negara</translation>
    </message>
    <message>
        <source>There is no such species or country.</source>
        <translation>Jenis atau negara tersebut tidak ada.</translation>
    </message>
    <message>
        <source>Fact sheet</source>
        <translation>Lembar fakta</translation>
    </message>
    <message>
        <source>Suitability map</source>
        <translation>Peta kesesuaian</translation>
    </message>
    <message>
        <source>Address too long</source>
        <translation>Alamat terlalu panjang</translation>
    </message>
    <message>
        <source>The address asks too much at once; shorten the search.</source>
        <translation>Alamat ini meminta terlalu banyak sekaligus; persingkat pencarian Anda.</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Alamat salah</translation>
    </message>
    <message>
        <source>The address is not written correctly.</source>
        <translation>Alamat tidak ditulis dengan benar.</translation>
    </message>
</context>
<context>
    <name>clsSendKeys</name>
    <message>
        <source>Invalid sendkeys command: unmatched ) at position %1</source>
        <translation>Perintah sendkeys tidak valid: ) tanpa pasangan pada posisi %1</translation>
    </message>
    <message>
        <source>Invalid sendkeys command; opening { without content or closing } at position %1</source>
        <translation>Perintah sendkeys tidak valid; { pembuka tanpa isi atau tanpa } penutup pada posisi %1</translation>
    </message>
    <message>
        <source>Invalid sendkeys command; opening { without closing } at position %1</source>
        <translation>Perintah sendkeys tidak valid; { pembuka tanpa } penutup pada posisi %1</translation>
    </message>
    <message>
        <source>Invalid sendkeys command; key repetitions &apos;%1&apos; is invalid near position %2</source>
        <translation>Perintah sendkeys tidak valid; jumlah pengulangan tombol &apos;%1&apos; tidak valid di dekat posisi %2</translation>
    </message>
    <message>
        <source>Invalid sendkeys command: more open brackets than close brackets.</source>
        <translation>Perintah sendkeys tidak valid: kurung buka lebih banyak daripada kurung tutup.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Tentang %1</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Dukungan</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>Info Sistem...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informasi Sistem Tidak Tersedia Saat Ini</translation>
    </message>
</context>
<context>
    <name>frmClimateShift</name>
    <message>
        <source>Climate Shift</source>
        <translation>Pergeseran Iklim</translation>
    </message>
    <message>
        <source>Choose Species</source>
        <translation>Pilih Jenis</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>Simpan Gambar...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Negara</translation>
    </message>
    <message>
        <source>Kept km²</source>
        <translation>Tetap km²</translation>
    </message>
    <message>
        <source>Lost km²</source>
        <translation>Hilang km²</translation>
    </message>
    <message>
        <source>Gained km²</source>
        <translation>Bertambah km²</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>ΔP (%)</source>
        <translation>ΔP (%)</translation>
    </message>
    <message>
        <source>%1 Choose a species with the &quot;...&quot; button.</source>
        <translation>%1 Pilih jenis dengan tombol &quot;...&quot;.</translation>
    </message>
    <message>
        <source>shift %1</source>
        <translation>pergeseran %1</translation>
    </message>
    <message>
        <source>ΔT must be a number of degrees, such as 2 or -1.5, not &quot;%1&quot;.</source>
        <translation>ΔT harus berupa angka derajat, misalnya 2 atau -1.5, bukan &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ΔP must be a percentage, such as 10 or -20, not &quot;%1&quot;.</source>
        <translation>ΔP harus berupa persentase, misalnya 10 atau -20, bukan &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ΔP cannot take away more than 100 % of the rainfall.</source>
        <translation>ΔP tidak dapat mengurangi curah hujan lebih dari 100 %.</translation>
    </message>
    <message>
        <source>%1 suits no grid point even without a shift.</source>
        <translation>%1 tidak sesuai di titik grid mana pun, bahkan tanpa pergeseran.</translation>
    </message>
    <message>
        <source>Under the %1 nothing suits %2 anywhere on the grid: all of its land would be lost. The map still shows the last answer.</source>
        <translation>Menurut %1, tidak ada tempat di grid yang sesuai untuk %2: seluruh lahannya akan hilang. Peta masih menampilkan hasil terakhir.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>species ranges; climate</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>kept: %1 km²</source>
        <translation>tetap: %1 km²</translation>
    </message>
    <message>
        <source>lost: %1 km²</source>
        <translation>hilang: %1 km²</translation>
    </message>
    <message>
        <source>gained: %1 km²</source>
        <translation>bertambah: %1 km²</translation>
    </message>
    <message>
        <source>ΔT (°C)</source>
        <translation>ΔT (°C)</translation>
    </message>
    <message>
        <source>With MAT %1 °C and MAR %2 % nothing suits %3 anywhere on the grid: all of its land would be lost. The map still shows the last shift.</source>
        <translation>Dengan MAT %1 °C dan MAR %2 %, tidak ada tempat di grid yang sesuai untuk %3: seluruh lahannya akan hilang. Peta masih menampilkan pergeseran terakhir.</translation>
    </message>
</context>
<context>
    <name>frmCompare</name>
    <message>
        <source>Arboplot Comparison</source>
        <translation>Perbandingan Arboplot</translation>
    </message>
    <message>
        <source>First Parameter</source>
        <translation>Parameter Pertama</translation>
    </message>
    <message>
        <source>Second Parameter</source>
        <translation>Parameter Kedua</translation>
    </message>
    <message>
        <source>Save As Image</source>
        <translation>Simpan sebagai Gambar</translation>
    </message>
    <message>
        <source>First Species Name</source>
        <translation>Nama Jenis Pertama</translation>
    </message>
    <message>
        <source>Second Species Name</source>
        <translation>Nama Jenis Kedua</translation>
    </message>
    <message>
        <source>Choose Species</source>
        <translation>Pilih Jenis</translation>
    </message>
</context>
<context>
    <name>frmCountryArea</name>
    <message>
        <source>Country</source>
        <translation>Negara</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Provinsi</translation>
    </message>
    <message>
        <source>Land km²</source>
        <translation>Lahan km²</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>full match</comment>
        <translation>Penuh</translation>
    </message>
    <message>
        <source>%1 km²</source>
        <comment>class, area</comment>
        <translation>%1 km²</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>class, share of the land</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Suitable Area by Country - %1</source>
        <translation>Luas Lahan Sesuai per Negara - %1</translation>
    </message>
    <message>
        <source>By country</source>
        <translation>Per negara</translation>
    </message>
    <message>
        <source>By province</source>
        <translation>Per provinsi</translation>
    </message>
    <message>
        <source>All countries</source>
        <translation>Semua negara</translation>
    </message>
    <message>
        <source>The country boundaries are missing, so only the total is given. %1</source>
        <translation>Batas negara tidak tersedia, sehingga hanya total yang ditampilkan. %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Salin</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Simpan sebagai CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Total: land %1 km²; altitude %2 km² (%3 %), rainfall %4 km² (%5 %), temperature %6 km² (%7 %), full match %8 km² (%9 %)</source>
        <translation>Total: lahan %1 km²; ketinggian %2 km² (%3 %), curah hujan %4 km² (%5 %), suhu %6 km² (%7 %), sesuai penuh %8 km² (%9 %)</translation>
    </message>
    <message>
        <source>Suitable Area by Country</source>
        <translation>Luas Lahan Sesuai per Negara</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Simpan sebagai CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Berkas CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>frmIdentifyEngine</name>
    <message>
        <source>The grid point has no %1 value, so no species can be matched to it.</source>
        <translation>Titik grid ini tidak memiliki nilai %1, sehingga tidak ada jenis yang dapat dicocokkan dengannya.</translation>
    </message>
    <message>
        <source>Nearly suitable here</source>
        <translation>Hampir sesuai di sini</translation>
    </message>
    <message>
        <source>Ranges incomplete</source>
        <translation>Kisaran tidak lengkap</translation>
    </message>
    <message>
        <source>Suitable Tree Species</source>
        <translation>Jenis Pohon yang Sesuai</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Atribut</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Nilai</translation>
    </message>
    <message>
        <source>Species ID</source>
        <translation>ID Jenis</translation>
    </message>
    <message>
        <source>Species Name</source>
        <translation>Nama Jenis</translation>
    </message>
    <message>
        <source>Functional Uses</source>
        <translation>Kegunaan</translation>
    </message>
    <message>
        <source>Criterion</source>
        <translation>Kriteria</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Kisaran</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Selisih</translation>
    </message>
    <message>
        <source>Site Report...</source>
        <translation>Laporan Lokasi...</translation>
    </message>
</context>
<context>
    <name>frmIdentifyMap</name>
    <message>
        <source>Field</source>
        <translation>Atribut</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Nilai</translation>
    </message>
</context>
<context>
    <name>frmImage</name>
    <message>
        <source>Photo Species</source>
        <translation>Foto Jenis</translation>
    </message>
    <message>
        <source>Photo Species - %1</source>
        <translation>Foto Jenis - %1</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Keterangan</translation>
    </message>
    <message>
        <source>Photo By</source>
        <translation>Foto oleh</translation>
    </message>
    <message>
        <source>Previous photograph</source>
        <translation>Foto sebelumnya</translation>
    </message>
    <message>
        <source>Next photograph</source>
        <translation>Foto berikutnya</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Not a picture file name: %1</source>
        <translation>Bukan nama berkas gambar: %1</translation>
    </message>
    <message>
        <source>The picture file %1 cannot be read: %2</source>
        <translation>Berkas gambar %1 tidak dapat dibaca: %2</translation>
    </message>
    <message>
        <source>Picture file not found: %1</source>
        <translation>Berkas gambar tidak ditemukan: %1</translation>
    </message>
</context>
<context>
    <name>frmList</name>
    <message>
        <source>Species List</source>
        <translation>Daftar Jenis</translation>
    </message>
    <message>
        <source>Synonym Names</source>
        <translation>Nama Sinonim</translation>
    </message>
    <message>
        <source>Current Names</source>
        <translation>Nama Berlaku</translation>
    </message>
    <message>
        <source>Functional Uses</source>
        <translation>Kegunaan</translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation>Nama Umum</translation>
    </message>
    <message>
        <source>Genus</source>
        <translation>Genus</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Botanic Names</source>
        <translation>Nama Botani</translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation>Nama Umum</translation>
    </message>
    <message>
        <source>Functional Uses</source>
        <translation>Kegunaan</translation>
    </message>
    <message>
        <source>Silvaria Database Version 2.0</source>
        <translation>Basis Data Silvaria Versi 2.0</translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation>CAPS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>INS</translation>
    </message>
</context>
<context>
    <name>frmMap</name>
    <message>
        <source>Delete All Labels?</source>
        <translation>Hapus Semua Label?</translation>
    </message>
    <message>
        <source>Remove current labels from Map?</source>
        <translation>Hapus label yang ada dari peta?</translation>
    </message>
    <message>
        <source>No species with the identifier %1 is in the catalogue, so the map shows no suitable area. Choose a species in the species list first.</source>
        <translation>Tidak ada jenis dengan pengenal %1 di dalam katalog, sehingga peta tidak menampilkan area yang sesuai. Pilih dahulu satu jenis di daftar jenis.</translation>
    </message>
    <message>
        <source>Arboplot</source>
        <translation>Arboplot</translation>
    </message>
    <message>
        <source>Matching known ranges in elevation, mean annual rainfall and mean annual temperature of trees to available spatial data</source>
        <translation>Mencocokkan kisaran ketinggian tempat, curah hujan rata-rata tahunan, dan suhu rata-rata tahunan yang diketahui untuk setiap pohon dengan data spasial yang tersedia</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Restore Default Values</source>
        <translation>Kembalikan Nilai Bawaan</translation>
    </message>
    <message>
        <source>Default Value</source>
        <translation>Nilai Bawaan</translation>
    </message>
    <message>
        <source>Clear All Label</source>
        <translation>Hapus Semua Label</translation>
    </message>
    <message>
        <source>Clear Label</source>
        <translation>Hapus Label</translation>
    </message>
    <message>
        <source>Save To Image</source>
        <translation>Simpan ke Gambar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Close Form</source>
        <translation>Tutup Jendela</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Disclaimer:<byte value="xd"/>
The maps are indicative only, as species requirements are incompletely known (and depend on provenance/cultivar), spatial data have low resolution, microclimate can differ and landscapes position and soil can modify suitability.</source>
        <translation>Penafian:<byte value="xd"/>
Peta ini hanya bersifat indikatif, karena kebutuhan jenis belum diketahui sepenuhnya (dan bergantung pada provenans/kultivar), data spasial beresolusi rendah, iklim mikro dapat berbeda, serta posisi bentang lahan dan tanah dapat mengubah kesesuaian.</translation>
    </message>
    <message>
        <source>Point Id: %1</source>
        <translation>ID Titik: %1</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Negara</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Provinsi</translation>
    </message>
    <message>
        <source>ALT minimum</source>
        <translation>ALT minimum</translation>
    </message>
    <message>
        <source>ALT maximum</source>
        <translation>ALT maksimum</translation>
    </message>
    <message>
        <source>MAR minimum</source>
        <translation>MAR minimum</translation>
    </message>
    <message>
        <source>MAR maximum</source>
        <translation>MAR maksimum</translation>
    </message>
    <message>
        <source>MAT minimum</source>
        <translation>MAT minimum</translation>
    </message>
    <message>
        <source>MAT maximum</source>
        <translation>MAT maksimum</translation>
    </message>
    <message>
        <source>The %1 box of the map of %2 holds &quot;%3&quot;, which is not a number. Correct it and choose the command again.</source>
        <translation>Kotak %1 pada peta %2 berisi &quot;%3&quot;, yang bukan angka. Perbaiki isinya, lalu pilih perintah itu lagi.</translation>
    </message>
</context>
<context>
    <name>frmSearch</name>
    <message>
        <source>Search</source>
        <translation>Pencarian</translation>
    </message>
    <message>
        <source>Search By</source>
        <translation>Cari Berdasarkan</translation>
    </message>
    <message>
        <source>Botanic Names</source>
        <translation>Nama Botani</translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation>Nama Umum</translation>
    </message>
    <message>
        <source>Search For</source>
        <translation>Kata yang Dicari</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>frmSiteReport</name>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Simpan...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Site Report</source>
        <translation>Laporan Lokasi</translation>
    </message>
    <message>
        <source>longitude, latitude (98.98, 18.79)</source>
        <translation>bujur, lintang (98.98, 18.79)</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posisi:</translation>
    </message>
    <message>
        <source>Find place:</source>
        <translation>Cari tempat:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Kertas:</translation>
    </message>
    <message>
        <source>Functional uses (none checked: every use)</source>
        <translation>Kegunaan (jika tidak ada yang dicentang: semua kegunaan)</translation>
    </message>
    <message>
        <source>Type the position as longitude, latitude in degrees (98.98, 18.79), or find a place by name.</source>
        <translation>Ketik posisi sebagai bujur, lintang dalam derajat (98.98, 18.79), atau cari tempat menurut namanya.</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Halaman: %1</translation>
    </message>
    <message>
        <source>Save Site Report</source>
        <translation>Simpan Laporan Lokasi</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Dokumen PDF (*.pdf)</translation>
    </message>
    <message>
        <source>HTML pages (*.html)</source>
        <translation>Halaman HTML (*.html)</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Disimpan ke %1</translation>
    </message>
</context>
<context>
    <name>frmSpecies</name>
    <message>
        <source>Choose Species</source>
        <translation>Pilih Jenis</translation>
    </message>
    <message>
        <source>Type Species Name</source>
        <translation>Ketik Nama Jenis</translation>
    </message>
</context>
<context>
    <name>frmSpeciesCount</name>
    <message>
        <source>Species Count Map</source>
        <translation>Peta Jumlah Jenis</translation>
    </message>
    <message>
        <source>All uses</source>
        <translation>Semua kegunaan</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>Simpan Gambar...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Functional use:</source>
        <translation>Kegunaan:</translation>
    </message>
    <message>
        <source>all uses</source>
        <translation>semua kegunaan</translation>
    </message>
    <message>
        <source>Climate: %1</source>
        <translation>Iklim: %1</translation>
    </message>
    <message>
        <source>Classes: %1</source>
        <translation>Kelas: %1</translation>
    </message>
    <message numerus="yes">
        <source>Species of %1 suitable at each grid point, of %n such species in the catalogue: every range of a species contains the point&apos;s ALT, MAR and MAT. With the Planting List tool (the tree), click the map to list them.</source>
        <translation>
            <numerusform>Jumlah jenis (%1) yang sesuai di setiap titik grid, dari %n jenis dengan kegunaan ini di dalam katalog: semua kisaran jenis tersebut mencakup nilai ALT, MAR, dan MAT titik itu. Dengan alat Daftar Tanam (ikon pohon), klik peta untuk menampilkan daftar jenisnya.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <comment>summary, then the climate</comment>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>use, climate</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>silvaria: unknown language &quot;%1&quot;; choose one of %2</source>
        <translation>silvaria: bahasa &quot;%1&quot; tidak dikenal; pilih salah satu dari %2</translation>
    </message>
</context>
<context>
    <name>modLoadList</name>
    <message>
        <source>Species List</source>
        <translation>Daftar Jenis</translation>
    </message>
    <message>
        <source>The species list could not be read: %1</source>
        <translation>Daftar jenis tidak dapat dibaca: %1</translation>
    </message>
</context>
<context>
    <name>modLoadTree</name>
    <message>
        <source>Botanic Names</source>
        <translation>Nama Botani</translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation>Nama Umum</translation>
    </message>
</context>
<context>
    <name>splitter</name>
    <message>
        <source>A container object has not been assigned (set)for property [SplitterContainerControl]</source>
        <translation>Objek kontainer belum ditetapkan (set) untuk properti [SplitterContainerControl]</translation>
    </message>
</context>
</TS>
