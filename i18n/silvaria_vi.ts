<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>AboutTexts</name>
    <message>
        <source>Copyright (C) 2026 the Silvaria developers. Free software under the GNU GPL.</source>
        <translation>Bản quyền (C) 2026 thuộc các nhà phát triển Silvaria. Phần mềm tự do theo giấy phép GNU GPL.</translation>
    </message>
    <message>
        <source>Rainfall and temperature of the map grid are modelled, not observed.</source>
        <translation>Lượng mưa và nhiệt độ của lưới bản đồ là số liệu mô hình hóa, không phải số liệu quan trắc.</translation>
    </message>
    <message>
        <source>Rainfall and temperature of the map grid: observed climate (see its sources.txt).</source>
        <translation>Lượng mưa và nhiệt độ của lưới bản đồ: khí hậu quan trắc (xem tệp sources.txt của lưới).</translation>
    </message>
    <message>
        <source>Rainfall and temperature of the map grid: your own data (see its sources.txt).</source>
        <translation>Lượng mưa và nhiệt độ của lưới bản đồ: dữ liệu của riêng bạn (xem tệp sources.txt của lưới).</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. It is free</source>
        <translation>Cảnh báo: chương trình này được pháp luật về bản quyền bảo hộ. Đây là phần mềm</translation>
    </message>
    <message>
        <source>software: copy, change and share it under the GNU GPL, version 3 or</source>
        <translation>tự do: bạn được sao chép, sửa đổi và chia sẻ theo giấy phép GNU GPL, phiên bản 3 hoặc</translation>
    </message>
    <message>
        <source>later; any other copying is not allowed. It comes with NO WARRANTY.</source>
        <translation>mới hơn; mọi hình thức sao chép khác đều không được phép. Chương trình KHÔNG kèm BẢO HÀNH.</translation>
    </message>
    <message>
        <source>Map: Natural Earth boundaries and NOAA ETOPO5 altitude (public domain).</source>
        <translation>Bản đồ: ranh giới của Natural Earth và độ cao NOAA ETOPO5 (phạm vi công cộng).</translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0; filtered to the region.</source>
        <translation>Địa điểm: GeoNames (geonames.org), CC BY 4.0; đã lọc theo khu vực.</translation>
    </message>
    <message>
        <source>Provinces: Natural Earth 1:10m (public domain); some names are dated.</source>
        <translation>Tỉnh: Natural Earth 1:10m (phạm vi công cộng); một số tên đã cũ.</translation>
    </message>
    <message>
        <source>Catalogue and plates: Silvaria demonstration data from cited works.</source>
        <translation>Danh mục và ảnh minh họa: dữ liệu trình diễn của Silvaria, trích từ các tài liệu đã dẫn.</translation>
    </message>
    <message>
        <source>If you have any suggestion about this application</source>
        <translation>Nếu bạn có góp ý nào về chương trình này,</translation>
    </message>
    <message>
        <source>please write to: %1</source>
        <translation>xin vui lòng gửi thư đến: %1</translation>
    </message>
    <message>
        <source>Build Using</source>
        <translation>Được xây dựng bằng</translation>
    </message>
    <message>
        <source>Corrections to the translations are welcome:</source>
        <translation>Rất hoan nghênh các góp ý sửa bản dịch:</translation>
    </message>
    <message>
        <source>see &quot;Translating Silvaria&quot; in the manual.</source>
        <translation>xem mục &quot;Translating Silvaria&quot; trong hướng dẫn sử dụng.</translation>
    </message>
</context>
<context>
    <name>AnalysisMapView</name>
    <message>
        <source>Save Picture</source>
        <translation>Lưu ảnh</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png)</source>
        <translation>Ảnh PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>AnalysisSubject</name>
    <message>
        <source>No species with the identifier %1 is in the catalogue. Choose a species in the species list first.</source>
        <translation>Danh mục không có loài nào mang mã %1. Trước tiên, hãy chọn một loài trong danh sách loài.</translation>
    </message>
    <message>
        <source>the catalogue</source>
        <translation>danh mục</translation>
    </message>
    <message>
        <source>the map window&apos;s boxes</source>
        <translation>các ô trong cửa sổ bản đồ</translation>
    </message>
    <message>
        <source>No species is chosen. Choose a species in the species list, or open its map, first.</source>
        <translation>Chưa chọn loài nào. Trước tiên, hãy chọn một loài trong danh sách loài hoặc mở bản đồ của loài đó.</translation>
    </message>
    <message>
        <source>%1 has no complete range of altitude, rainfall or temperature (%2), so no land can be matched to it.</source>
        <translation>%1 không có đủ khoảng độ cao, lượng mưa hoặc nhiệt độ (%2), nên không thể đối chiếu vùng đất nào với loài này.</translation>
    </message>
    <message>
        <source>The species</source>
        <translation>Loài này</translation>
    </message>
    <message>
        <source>%1 (SpID %2): %3, from %4</source>
        <translation>%1 (SpID %2): %3, lấy từ %4</translation>
    </message>
</context>
<context>
    <name>AppIdentity</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Phiên bản %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>AreaCommand</name>
    <message>
        <source>the province layer has no country &quot;%1&quot; (give a code such as TH, or a name)</source>
        <translation>lớp ranh giới tỉnh không có quốc gia &quot;%1&quot; (hãy nhập mã, ví dụ TH, hoặc tên quốc gia)</translation>
    </message>
    <message>
        <source>area -o writes the countries&apos; polygons, so it needs --by-country</source>
        <translation>area -o ghi các vùng đa giác của quốc gia, vì vậy cần có --by-country</translation>
    </message>
    <message>
        <source>area -o takes a GeoPackage (.gpkg), not &quot;%1&quot;</source>
        <translation>area -o cần một tệp GeoPackage (.gpkg), không phải &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The area in km2 of each class of the species&apos; map (altitude, rainfall, temperature, full match), in total or per country, and its share of the gridded land.</source>
        <translation>Diện tích (km2) của từng lớp trên bản đồ của loài (độ cao, lượng mưa, nhiệt độ, phù hợp hoàn toàn), tính tổng hoặc theo từng quốc gia, và tỷ lệ so với diện tích đất có dữ liệu lưới.</translation>
    </message>
    <message>
        <source>Identifier, current name or synonym.</source>
        <translation>Mã loài, tên hiện hành hoặc tên đồng nghĩa.</translation>
    </message>
    <message>
        <source>One row per country of the boundary layer.</source>
        <translation>Một dòng cho mỗi quốc gia trong lớp ranh giới.</translation>
    </message>
    <message>
        <source>One row per province of each country, and the country&apos;s row.</source>
        <translation>Một dòng cho mỗi tỉnh của từng quốc gia, kèm dòng của quốc gia đó.</translation>
    </message>
    <message>
        <source>With --by-province, only this country (code such as TH, or name).</source>
        <translation>Dùng với --by-province: chỉ lấy quốc gia này (mã như TH, hoặc tên).</translation>
    </message>
    <message>
        <source>With --by-country, also write the countries&apos; polygons with their rows&apos; columns as a GeoPackage (.gpkg).</source>
        <translation>Dùng với --by-country: ghi thêm các vùng đa giác của quốc gia cùng các cột của từng dòng thành tệp GeoPackage (.gpkg).</translation>
    </message>
    <message>
        <source>area takes --by-country or --by-province, not both</source>
        <translation>area dùng --by-country hoặc --by-province, không dùng cả hai</translation>
    </message>
    <message>
        <source>area --country needs --by-province</source>
        <translation>area --country cần có --by-province</translation>
    </message>
    <message>
        <source>%1 has no province layer (province_bnd.shp)</source>
        <translation>%1 không có lớp ranh giới tỉnh (province_bnd.shp)</translation>
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
        <translation>Liệt kê các loài thích hợp tại điểm lưới gần LON,LAT nhất (trong phạm vi của công cụ tra thông tin), giống như công cụ Loài cây thích hợp trên bản đồ; với --near-misses, liệt kê thêm các loài chỉ không đạt một khoảng giá trị và các loài thiếu khoảng giá trị.</translation>
    </message>
    <message>
        <source>Position in degrees, west and south negative (Yogyakarta: at 110.37,-7.8), or the name of a place, district or province (at &quot;Chiang Mai&quot;).</source>
        <translation>Vị trí tính bằng độ, phía tây và phía nam mang dấu âm (Yogyakarta: at 110.37,-7.8), hoặc tên một địa điểm, huyện hoặc tỉnh (at &quot;Chiang Mai&quot;).</translation>
    </message>
    <message>
        <source>Only species of this use.</source>
        <translation>Chỉ các loài có công dụng này.</translation>
    </message>
    <message>
        <source>Also list near misses and incomplete ranges.</source>
        <translation>Liệt kê thêm các loài gần thích hợp và các loài thiếu khoảng giá trị.</translation>
    </message>
    <message>
        <source>Largest miss relative to the range&apos;s width (default 0.25).</source>
        <translation>Mức chênh lệch lớn nhất so với độ rộng của khoảng giá trị (mặc định 0.25).</translation>
    </message>
    <message>
        <source>no grid point lies within %1 degrees of %2,%3</source>
        <translation>không có điểm lưới nào trong phạm vi %1 độ quanh %2,%3</translation>
    </message>
    <message>
        <source>the grid point at %1,%2 has no %3 value, so no species can be matched to it</source>
        <translation>điểm lưới tại %1,%2 không có giá trị %3 nên không thể đối chiếu loài nào với điểm này</translation>
    </message>
    <message>
        <source>Place %1 at %2, %3
</source>
        <translation>Địa điểm %1 tại %2, %3
</translation>
    </message>
    <message>
        <source>Grid point %1, %2: ALT %3 m, MAR %4 mm, MAT %5 °C
</source>
        <translation>Điểm lưới %1, %2: ALT %3 m, MAR %4 mm, MAT %5 °C
</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Glossary</source>
        <translation>Bảng thuật ngữ</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Giới thiệu chung</translation>
    </message>
</context>
<context>
    <name>CatalogueCommand</name>
    <message>
        <source>%1: no such folder of catalogue sources</source>
        <translation>%1: không có thư mục nguồn danh mục này</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n problem(s)</source>
        <translation>
            <numerusform>%1: %n vấn đề</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no problems
</source>
        <translation>%1: không có vấn đề nào
</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n problem(s); %2 not written</source>
        <translation>
            <numerusform>%1: %n vấn đề; chưa ghi %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not empty and holds no catalogue sources: export into a new folder</source>
        <translation>%1 không trống và không chứa nguồn danh mục: hãy xuất vào một thư mục mới</translation>
    </message>
    <message>
        <source>%1 holds the folder %2, which export would not keep: export into a new folder</source>
        <translation>%1 có chứa thư mục %2, thư mục này sẽ không được giữ lại khi xuất: hãy xuất vào một thư mục mới</translation>
    </message>
    <message>
        <source>%1 (any old folder is kept)</source>
        <translation>%1 (thư mục cũ, nếu có, vẫn được giữ nguyên)</translation>
    </message>
    <message>
        <source>catalogue takes build, export or check, not &quot;%1&quot;</source>
        <translation>catalogue dùng build, export hoặc check, không phải &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The catalogue to export (SQLite or Access).</source>
        <translation>Danh mục cần xuất (SQLite hoặc Access).</translation>
    </message>
    <message>
        <source>The folder of plain source files.</source>
        <translation>Thư mục chứa các tệp nguồn dạng văn bản thuần.</translation>
    </message>
    <message>
        <source>The folder of the photographs (NAME.jpg).</source>
        <translation>Thư mục chứa ảnh chụp (NAME.jpg).</translation>
    </message>
    <message>
        <source>The catalogue file to write.</source>
        <translation>Tệp danh mục cần ghi.</translation>
    </message>
    <message>
        <source>The folder of sources to write.</source>
        <translation>Thư mục nguồn cần ghi.</translation>
    </message>
    <message>
        <source>a catalogue FILE</source>
        <translation>một tệp danh mục FILE</translation>
    </message>
    <message>
        <source>a SOURCES folder</source>
        <translation>một thư mục SOURCES</translation>
    </message>
    <message>
        <source>catalogue %1 needs -o %2</source>
        <translation>catalogue %1 cần -o %2</translation>
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
        <translation>Chỉ phù hợp về độ cao</translation>
    </message>
    <message>
        <source>Rainfall match (but not all other criteria)</source>
        <translation>Phù hợp về lượng mưa (nhưng không đạt mọi tiêu chí khác)</translation>
    </message>
    <message>
        <source>Temperature match (but not all other criteria)</source>
        <translation>Phù hợp về nhiệt độ (nhưng không đạt mọi tiêu chí khác)</translation>
    </message>
    <message>
        <source>Species match (all criteria available)</source>
        <translation>Loài phù hợp (đạt mọi tiêu chí hiện có)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>Warning : Potentially Invasive Species</source>
        <translation>Cảnh báo: Loài có nguy cơ xâm hại</translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>%1 (see silvaria-cli --help)</source>
        <translation>%1 (xem silvaria-cli --help)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 cần một giá trị</translation>
    </message>
    <message>
        <source>Rows as table, csv or json (sheet: text or html).</source>
        <translation>In các dòng dạng table, csv hoặc json (sheet: text hoặc html).</translation>
    </message>
    <message>
        <source>Read the data of another application folder.</source>
        <translation>Đọc dữ liệu của một thư mục ứng dụng khác.</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 cần %2</translation>
    </message>
    <message>
        <source>%1 takes one %2, not &quot;%3&quot;</source>
        <translation>%1 chỉ nhận một %2, không phải &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--format of %1 is one of %2, not &quot;%3&quot;</source>
        <translation>--format của %1 phải là một trong %2, không phải &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1: no such application folder</source>
        <translation>%1: không có thư mục ứng dụng này</translation>
    </message>
    <message>
        <source>%1 takes a number, not &quot;%2&quot;</source>
        <translation>%1 cần một số, không phải &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 takes %2 numbers separated by &quot;%3&quot;, not &quot;%4&quot;</source>
        <translation>%1 cần %2 số cách nhau bởi &quot;%3&quot;, không phải &quot;%4&quot;</translation>
    </message>
    <message>
        <source>--use is one of %1, not &quot;%2&quot;</source>
        <translation>--use phải là một trong %1, không phải &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>CliData</name>
    <message>
        <source>&quot;%1&quot; names several species</source>
        <translation>&quot;%1&quot; là tên của nhiều loài</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no species of the catalogue</source>
        <translation>&quot;%1&quot; không phải là tên của loài nào trong danh mục</translation>
    </message>
    <message>
        <source>Altitude range to use, in m.</source>
        <translation>Khoảng độ cao sử dụng, tính bằng m.</translation>
    </message>
    <message>
        <source>Rainfall range to use, in mm.</source>
        <translation>Khoảng lượng mưa sử dụng, tính bằng mm.</translation>
    </message>
    <message>
        <source>a picture (.png or .bmp), a GeoTIFF (.tif or .tiff) or a GeoPackage (.gpkg)</source>
        <translation>một ảnh (.png hoặc .bmp), một tệp GeoTIFF (.tif hoặc .tiff) hoặc một tệp GeoPackage (.gpkg)</translation>
    </message>
    <message>
        <source>-o FILE is needed: %1</source>
        <translation>Cần có -o FILE: %1</translation>
    </message>
    <message>
        <source>-o takes %1, not &quot;%2&quot;</source>
        <translation>-o cần %1, không phải &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Temperature range to use, in °C.</source>
        <translation>Khoảng nhiệt độ sử dụng, tính bằng °C.</translation>
    </message>
</context>
<context>
    <name>CliProgram</name>
    <message>
        <source>no command given</source>
        <translation>chưa nhập lệnh</translation>
    </message>
    <message>
        <source>silvaria-cli %1.%2.%3
</source>
        <translation>silvaria-cli %1.%2.%3
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>lệnh không xác định &quot;%1&quot;</translation>
    </message>
    <message>
        <source>silvaria-cli: %1
</source>
        <translation>silvaria-cli: %1
</translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation>--lang cần một mã ngôn ngữ</translation>
    </message>
    <message>
        <source>--lang is one of %1, not &quot;%2&quot;</source>
        <translation>--lang phải là một trong %1, không phải &quot;%2&quot;</translation>
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
        <translation>Cách dùng: silvaria-cli COMMAND [OPTIONS]

Lệnh:
  species [--search TEXT] [--use USE]        liệt kê các loài (SpID, tên, công dụng)
  sheet SPECIES [--format text|html]         phiếu thông tin của một loài
  map SPECIES -o FILE                        bản đồ thích hợp kèm dấu nguồn dữ liệu
      [--alt MIN,MAX] [--mar MIN,MAX] [--mat MIN,MAX] [--size WxH] [--extent W,S,E,N|PLACE]
  map --all -o FOLDER                        mỗi loài một ảnh bản đồ
  at LON,LAT|PLACE [--country CC] [--use USE] [--near-misses]
                                             các loài thích hợp tại điểm lưới gần nhất
  report LON,LAT|PLACE -o FILE.pdf|FILE.html báo cáo địa điểm trồng của một vị trí, để in
      [--use USE ...] [--paper a4|letter] [--scenario NAME]
  places TEXT [--country CC] [--limit N]     địa điểm, huyện và tỉnh theo tên
  area SPECIES [--by-country [-o FILE.gpkg]] diện tích thích hợp (km2) theo lớp (và quốc gia)
  area SPECIES --by-province [--country CC]  như trên, theo tỉnh, cho một hoặc mọi quốc gia
  count [--use USE] [--scenario NAME] -o FILE [--points FILE.csv]
                                             số loài thích hợp tại mỗi điểm lưới
  shift SPECIES --dt DT --dp DP [-o FILE] [--by-country]
                                             vùng phù hợp hoàn toàn khi khí hậu dịch chuyển đồng đều
  shift SPECIES --scenario NAME [-o FILE] [--by-country]
                                             vùng phù hợp hoàn toàn theo khí hậu của kịch bản đã cài đặt
  scenarios                                  các lưới kịch bản đã cài đặt và nguồn dữ liệu của chúng
  grid build --alt FILE --mar FILE --mat FILE --extent W,S,E,N --step MINUTES -o FOLDER
      [--countries FILE [--name-field FIELD]] [--mat-scale F] [--mat-offset D] [--mar-scale F]
                                             lưới bản đồ từ dữ liệu raster của riêng bạn
  grid fetch worldclim --res 10m|5m|2.5m|30s [--extent W,S,E,N] [--step MINUTES] -o FOLDER
                                             lưới bản đồ từ WorldClim 2.1 (qua mạng)
  grid fetch worldclim --res RES --future GCM SSP PERIOD [-o FOLDER]
                                             lưới kịch bản từ một dự tính CMIP6
  catalogue build SOURCES -o FILE            tạo danh mục từ các tệp văn bản thuần
  catalogue export FILE -o SOURCES           xuất danh mục (SQLite hoặc Access) thành tệp văn bản thuần
  catalogue check SOURCES [--images DIR]     mọi lỗi trong các tệp văn bản thuần, kèm tên tệp và dòng
  serve [--listen ADDR:PORT]                 danh mục, bản đồ và loài thích hợp dưới dạng trang web
                                             (mặc định 127.0.0.1:8080; 0.0.0.0:8080 cho cả mạng)

Tùy chọn chung:
  --format table|csv|json   cách in các dòng (mặc định table)
  --app-folder DIR          đọc dữ liệu của một thư mục ứng dụng khác
  --help                    văn bản này, hoặc trợ giúp riêng của một lệnh (silvaria-cli map --help)
  --version                 phiên bản của chương trình

FILE của map, count và shift là một ảnh (.png, .bmp), một tệp GeoTIFF chứa lớp hoặc
số lượng loài (.tif) hoặc một tệp GeoPackage chứa các điểm lưới (.gpkg); area ghi các quốc gia.
SPECIES là mã loài, tên hiện hành hoặc tên đồng nghĩa (không phân biệt chữ hoa/thường và dấu).
PLACE là tên một địa điểm, huyện hoặc tỉnh trong khu vực (&quot;Chiang Mai&quot;); nếu một tên
ứng với nhiều địa điểm, lệnh sẽ từ chối và liệt kê các địa điểm đó; --country CC giúp thu hẹp.
USE là một trong Timber, Fruit, Resin, Fodder, Firewood, Charcoal, Bamboo, Rattan, Others.
Tùy chọn chung cũng có thể đặt trước lệnh (silvaria-cli --format csv at ...).
Giá trị bắt đầu bằng &quot;-&quot; phải đặt sau &quot;=&quot; (--extent=-10,...) hoặc sau &quot;--&quot;.
Mã thoát: 0 hoàn tất, 1 lỗi cách dùng, 2 lỗi dữ liệu, 3 không ghi được kết quả.
</translation>
    </message>
</context>
<context>
    <name>ClimateShift</name>
    <message>
        <source>uniform shift of the grid&apos;s climate, not a climate projection</source>
        <translation>dịch chuyển đồng đều khí hậu của lưới, không phải dự tính khí hậu</translation>
    </message>
</context>
<context>
    <name>CountCommand</name>
    <message>
        <source>How many species (of one use) are suitable at each grid point, by the rule of the Suitable Tree Species tool; drawn as a map, the points optionally as CSV.</source>
        <translation>Số loài (thuộc một công dụng) thích hợp tại mỗi điểm lưới, theo quy tắc của công cụ Loài cây thích hợp; vẽ thành bản đồ, có thể xuất thêm các điểm dạng CSV.</translation>
    </message>
    <message>
        <source>Only species of this use.</source>
        <translation>Chỉ các loài có công dụng này.</translation>
    </message>
    <message>
        <source>The file to write: a picture (.png or .bmp), a GeoTIFF of the counts (.tif) or a GeoPackage of the grid&apos;s points (.gpkg).</source>
        <translation>Tệp cần ghi: một ảnh (.png hoặc .bmp), một tệp GeoTIFF chứa số lượng loài (.tif) hoặc một tệp GeoPackage chứa các điểm lưới (.gpkg).</translation>
    </message>
    <message>
        <source>Also write POINTID, LON, LAT, COUNT per grid point.</source>
        <translation>Ghi thêm POINTID, LON, LAT, COUNT cho mỗi điểm lưới.</translation>
    </message>
    <message>
        <source>Picture size in pixels (default 1000x750).</source>
        <translation>Kích thước ảnh tính bằng điểm ảnh (mặc định 1000x750).</translation>
    </message>
    <message>
        <source>Count on the climate of this installed scenario grid (silvaria-cli scenarios lists them).</source>
        <translation>Đếm theo khí hậu của lưới kịch bản đã cài đặt này (lệnh silvaria-cli scenarios liệt kê các lưới này).</translation>
    </message>
    <message>
        <source>count takes no argument &quot;%1&quot;</source>
        <translation>count không nhận đối số &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Climate: %1
</source>
        <translation>Khí hậu: %1
</translation>
    </message>
    <message>
        <source>Classes: %1
</source>
        <translation>Phân lớp: %1
</translation>
    </message>
</context>
<context>
    <name>FactSheet</name>
    <message>
        <source>-Species Identity-</source>
        <translation>-Nhận dạng loài-</translation>
    </message>
    <message>
        <source>1. Taxonomy</source>
        <translation>1. Phân loại học</translation>
    </message>
    <message>
        <source>2. Synonym(s)</source>
        <translation>2. Tên đồng nghĩa</translation>
    </message>
    <message>
        <source>3. Common Names</source>
        <translation>3. Tên thông thường</translation>
    </message>
    <message>
        <source>4. Botanic Descriptions</source>
        <translation>4. Mô tả thực vật học</translation>
    </message>
    <message>
        <source>-Ecology and Distribution-</source>
        <translation>-Sinh thái và phân bố-</translation>
    </message>
    <message>
        <source>1. History of Cultivation</source>
        <translation>1. Lịch sử gây trồng</translation>
    </message>
    <message>
        <source>2. Natural Habitat</source>
        <translation>2. Môi trường sống tự nhiên</translation>
    </message>
    <message>
        <source>3. Geographic Distribution</source>
        <translation>3. Phân bố địa lý</translation>
    </message>
    <message>
        <source>4. Biophysical Limits</source>
        <translation>4. Giới hạn lý sinh</translation>
    </message>
    <message>
        <source>5. Reproductive Biology</source>
        <translation>5. Sinh học sinh sản</translation>
    </message>
    <message>
        <source>-Propagation and Management-</source>
        <translation>-Nhân giống và quản lý-</translation>
    </message>
    <message>
        <source>1. Propagation Methods</source>
        <translation>1. Phương pháp nhân giống</translation>
    </message>
    <message>
        <source>2. Tree Management</source>
        <translation>2. Quản lý cây trồng</translation>
    </message>
    <message>
        <source>3. Germplasm Management</source>
        <translation>3. Quản lý nguồn gen</translation>
    </message>
    <message>
        <source>-Functional Uses-</source>
        <translation>-Công dụng-</translation>
    </message>
    <message>
        <source>1. Products</source>
        <translation>1. Sản phẩm</translation>
    </message>
    <message>
        <source>2. Services</source>
        <translation>2. Dịch vụ</translation>
    </message>
    <message>
        <source>3. Pests and Diseases</source>
        <translation>3. Sâu bệnh hại</translation>
    </message>
    <message>
        <source>-Additional Information-</source>
        <translation>-Thông tin bổ sung-</translation>
    </message>
    <message>
        <source>1. Properties</source>
        <translation>1. Đặc tính</translation>
    </message>
    <message>
        <source>2. Trade</source>
        <translation>2. Thương mại</translation>
    </message>
    <message>
        <source>3. Yields</source>
        <translation>3. Năng suất</translation>
    </message>
    <message>
        <source>4. Genetic</source>
        <translation>4. Di truyền</translation>
    </message>
    <message>
        <source>5. Prospects</source>
        <translation>5. Triển vọng</translation>
    </message>
    <message>
        <source>-Bibliography-</source>
        <translation>-Tài liệu tham khảo-</translation>
    </message>
    <message>
        <source>Current Name: %1</source>
        <translation>Tên hiện hành: %1</translation>
    </message>
    <message>
        <source>Authority: %1</source>
        <translation>Tác giả tên: %1</translation>
    </message>
    <message>
        <source>Family: %1</source>
        <translation>Họ: %1</translation>
    </message>
    <message>
        <source>- No Data -</source>
        <translation>- Không có dữ liệu -</translation>
    </message>
    <message>
        <source>(Native) : %1</source>
        <translation>(Bản địa) : %1</translation>
    </message>
    <message>
        <source>(Exotic) : %1</source>
        <translation>(Ngoại lai) : %1</translation>
    </message>
    <message>
        <source>No species has the identifier %1.</source>
        <translation>Không có loài nào mang mã %1.</translation>
    </message>
</context>
<context>
    <name>FeatureLabel</name>
    <message>
        <source>the %1 &quot;%2&quot; is not a number</source>
        <translation>%1 &quot;%2&quot; không phải là số</translation>
    </message>
    <message>
        <source>the file ends before the last label</source>
        <translation>tệp kết thúc trước nhãn cuối cùng</translation>
    </message>
    <message>
        <source>a label text has no closing quote</source>
        <translation>một văn bản nhãn thiếu dấu ngoặc kép đóng</translation>
    </message>
    <message>
        <source>a label record has %1 fields instead of 3</source>
        <translation>một bản ghi nhãn có %1 trường thay vì 3</translation>
    </message>
    <message>
        <source>a position record has %1 fields instead of 2</source>
        <translation>một bản ghi vị trí có %1 trường thay vì 2</translation>
    </message>
    <message>
        <source>shape type</source>
        <translation>kiểu hình học</translation>
    </message>
    <message>
        <source>the shape type &quot;%1&quot; is not a whole number</source>
        <translation>kiểu hình học &quot;%1&quot; không phải là số nguyên</translation>
    </message>
    <message>
        <source>height</source>
        <translation>chiều cao</translation>
    </message>
    <message>
        <source>x coordinate</source>
        <translation>tọa độ x</translation>
    </message>
    <message>
        <source>y coordinate</source>
        <translation>tọa độ y</translation>
    </message>
    <message>
        <source>the first line &quot;%1&quot; is not a label count</source>
        <translation>dòng đầu tiên &quot;%1&quot; không phải là số lượng nhãn</translation>
    </message>
    <message>
        <source>%1 labels are more than the map can hold</source>
        <translation>%1 nhãn vượt quá số nhãn tối đa bản đồ có thể chứa</translation>
    </message>
</context>
<context>
    <name>FetchCommand</name>
    <message>
        <source>--future takes GCM SSP PERIOD (--future MPI-ESM1-2-HR ssp245 2041-2060)</source>
        <translation>--future cần GCM SSP PERIOD (--future MPI-ESM1-2-HR ssp245 2041-2060)</translation>
    </message>
    <message>
        <source>--future takes plain names (letters, digits, &apos;-&apos; and &apos;.&apos;), not &quot;%1&quot;</source>
        <translation>--future chỉ nhận tên đơn giản (chữ cái, chữ số, &apos;-&apos; và &apos;.&apos;), không phải &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The dataset: WorldClim 2.1 (worldclim.org).</source>
        <translation>Bộ dữ liệu: WorldClim 2.1 (worldclim.org).</translation>
    </message>
    <message>
        <source>WorldClim&apos;s resolution: 10m, 5m, 2.5m or 30s.</source>
        <translation>Độ phân giải của WorldClim: 10m, 5m, 2.5m hoặc 30s.</translation>
    </message>
    <message>
        <source>A scenario grid on the points of the grid in -o (default: the application&apos;s ShapeFiles), from a CMIP6 projection.</source>
        <translation>Một lưới kịch bản trên các điểm của lưới trong -o (mặc định: thư mục ShapeFiles của ứng dụng), lấy từ một dự tính CMIP6.</translation>
    </message>
    <message>
        <source>A mirror or local copy in place of %1, with the same paths below it.</source>
        <translation>Một máy chủ nhân bản hoặc bản sao cục bộ dùng thay cho %1, có cùng cấu trúc đường dẫn bên dưới.</translation>
    </message>
    <message>
        <source>--future takes three words: --future GCM SSP PERIOD</source>
        <translation>--future cần ba từ: --future GCM SSP PERIOD</translation>
    </message>
    <message>
        <source>grid fetch takes the dataset worldclim, not &quot;%1&quot;</source>
        <translation>grid fetch chỉ nhận bộ dữ liệu worldclim, không phải &quot;%1&quot;</translation>
    </message>
    <message>
        <source>grid fetch needs --res %1</source>
        <translation>grid fetch cần --res %1</translation>
    </message>
    <message>
        <source>--res is one of %1, not &quot;%2&quot;</source>
        <translation>--res phải là một trong %1, không phải &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--base-url takes an http:// or https:// address, not &quot;%1&quot;</source>
        <translation>--base-url cần một địa chỉ http:// hoặc https://, không phải &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: no such application folder</source>
        <translation>%1: không có thư mục ứng dụng này</translation>
    </message>
    <message>
        <source>%1 (nothing was changed)</source>
        <translation>%1 (không có gì bị thay đổi)</translation>
    </message>
    <message>
        <source>--%1 does not go with --future: a scenario takes its grid&apos;s points</source>
        <translation>--%1 không dùng được cùng --future: lưới kịch bản dùng các điểm của lưới mà nó đi kèm</translation>
    </message>
</context>
<context>
    <name>FindPlaceBox</name>
    <message>
        <source>district</source>
        <translation>huyện</translation>
    </message>
    <message>
        <source>province</source>
        <translation>tỉnh</translation>
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
        <translation>Tìm địa điểm (Ctrl+L)</translation>
    </message>
    <message>
        <source>Type a town, district or province in any script; choose one to see what suits it there.</source>
        <translation>Nhập tên thị trấn, huyện hoặc tỉnh bằng bất kỳ hệ chữ viết nào; chọn một địa điểm để xem những loài thích hợp tại đó.</translation>
    </message>
    <message>
        <source>Places unavailable</source>
        <translation>Không có dữ liệu địa điểm</translation>
    </message>
    <message>
        <source>Places are unavailable: %1</source>
        <translation>Không có dữ liệu địa điểm: %1</translation>
    </message>
</context>
<context>
    <name>FolderBuild</name>
    <message>
        <source>%1 is a link to %2, which does not exist (nothing was changed)</source>
        <translation>%1 là liên kết trỏ đến %2, nhưng đích này không tồn tại (không có gì bị thay đổi)</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 là tệp, không phải thư mục</translation>
    </message>
    <message>
        <source>Cannot create a folder beside %1 (nothing was changed)</source>
        <translation>Không thể tạo thư mục bên cạnh %1 (không có gì bị thay đổi)</translation>
    </message>
    <message>
        <source>Cannot copy %1 into %2 (nothing was changed)</source>
        <translation>Không thể sao chép %1 vào %2 (không có gì bị thay đổi)</translation>
    </message>
    <message>
        <source>Cannot move %1 aside (nothing was changed)</source>
        <translation>Không thể dời %1 sang chỗ khác (không có gì bị thay đổi)</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2 (nothing was changed)</source>
        <translation>Không thể chuyển %1 đến %2 (không có gì bị thay đổi)</translation>
    </message>
</context>
<context>
    <name>FunctionalUses</name>
    <message>
        <source>Timber</source>
        <translation>Gỗ</translation>
    </message>
    <message>
        <source>Fruit</source>
        <translation>Quả</translation>
    </message>
    <message>
        <source>Resin</source>
        <translation>Nhựa</translation>
    </message>
    <message>
        <source>Fodder</source>
        <translation>Thức ăn gia súc</translation>
    </message>
    <message>
        <source>Firewood</source>
        <translation>Củi</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>Than củi</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>Tre trúc</translation>
    </message>
    <message>
        <source>Rattan</source>
        <translation>Song mây</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Khác</translation>
    </message>
</context>
<context>
    <name>GdalOutputFile</name>
    <message>
        <source>GDAL could not write it</source>
        <translation>GDAL không ghi được tệp này</translation>
    </message>
</context>
<context>
    <name>GeoPackageOutput</name>
    <message>
        <source>%1: GDAL cannot read its polygons</source>
        <translation>%1: GDAL không đọc được các vùng đa giác của tệp này</translation>
    </message>
</context>
<context>
    <name>GeoTiffOutput</name>
    <message>
        <source>%1: too many values for one band</source>
        <translation>%1: quá nhiều giá trị cho một kênh</translation>
    </message>
</context>
<context>
    <name>GridBuilder</name>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Không thể tạo %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Không thể ghi %1: %2</translation>
    </message>
</context>
<context>
    <name>GridCommand</name>
    <message>
        <source>Multiply the rainfall values by this (default 1).</source>
        <translation>Nhân các giá trị lượng mưa với hệ số này (mặc định 1).</translation>
    </message>
    <message>
        <source>Multiply the temperature values by this (0.1 for tenths).</source>
        <translation>Nhân các giá trị nhiệt độ với hệ số này (0.1 nếu đơn vị là phần mười độ).</translation>
    </message>
    <message>
        <source>Then add this to the temperature (-273.15 for kelvin).</source>
        <translation>Sau đó cộng giá trị này vào nhiệt độ (-273.15 nếu đơn vị là kelvin).</translation>
    </message>
    <message>
        <source>grid build needs --alt, --mar and --mat</source>
        <translation>grid build cần --alt, --mar và --mat</translation>
    </message>
    <message>
        <source>--%1 takes a band number from 1, not &quot;%2&quot;</source>
        <translation>--%1 cần số thứ tự kênh, bắt đầu từ 1, không phải &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--%1 cannot be 0</source>
        <translation>--%1 không được bằng 0</translation>
    </message>
    <message>
        <source>grid takes build or fetch, not &quot;%1&quot;</source>
        <translation>grid dùng build hoặc fetch, không phải &quot;%1&quot;</translation>
    </message>
    <message>
        <source>grid build takes no argument &quot;%1&quot;</source>
        <translation>grid build không nhận đối số &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>GridFolder</name>
    <message>
        <source>%1 holds folders (scenarios made for its points, or others), which the build would not keep: move them away or give another folder</source>
        <translation>%1 có chứa các thư mục (kịch bản tạo cho các điểm của lưới này, hoặc thư mục khác) mà quá trình tạo lưới sẽ không giữ lại: hãy chuyển chúng đi nơi khác hoặc chọn thư mục khác</translation>
    </message>
    <message>
        <source>no cell of the extent has all three values (nothing was written)</source>
        <translation>không có ô nào trong phạm vi có đủ cả ba giá trị (không ghi gì)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Không thể ghi %1: %2</translation>
    </message>
</context>
<context>
    <name>GridOptions</name>
    <message>
        <source>Country boundaries (any vector source GDAL reads).</source>
        <translation>Ranh giới quốc gia (bất kỳ nguồn dữ liệu vectơ nào GDAL đọc được).</translation>
    </message>
    <message>
        <source>The field of the country name (default NAME).</source>
        <translation>Trường chứa tên quốc gia (mặc định NAME).</translation>
    </message>
    <message>
        <source>The grid&apos;s extent in degrees.</source>
        <translation>Phạm vi của lưới, tính bằng độ.</translation>
    </message>
    <message>
        <source>The cell size in arc minutes.</source>
        <translation>Kích thước ô, tính bằng phút cung.</translation>
    </message>
    <message>
        <source>%1 needs --extent W,S,E,N and --step MINUTES</source>
        <translation>%1 cần --extent W,S,E,N và --step MINUTES</translation>
    </message>
    <message>
        <source>--step takes arc minutes from 0.01 to 600, not &quot;%1&quot;</source>
        <translation>--step nhận số phút cung từ 0.01 đến 600, không phải &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 needs -o FOLDER</source>
        <translation>%1 cần -o FOLDER</translation>
    </message>
    <message>
        <source>--name-field goes with --countries</source>
        <translation>--name-field phải dùng cùng --countries</translation>
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
        <translation>GDAL không đọc được tệp này</translation>
    </message>
</context>
<context>
    <name>HtmlViewer</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Page not found&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The page file &lt;b&gt;%1&lt;/b&gt; is missing.&lt;/p&gt;&lt;p&gt;Silvaria reads its manual and glossary from the &lt;i&gt;Help&lt;/i&gt; and &lt;i&gt;HTML&lt;/i&gt; folders beside the program. Install the program again to restore them.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Không tìm thấy trang&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Không tìm thấy trang&lt;/h2&gt;&lt;p&gt;Thiếu tệp trang &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Silvaria đọc hướng dẫn sử dụng và bảng thuật ngữ từ các thư mục &lt;i&gt;Help&lt;/i&gt; và &lt;i&gt;HTML&lt;/i&gt; nằm cạnh chương trình. Hãy cài đặt lại chương trình để khôi phục các thư mục này.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>Icons</name>
    <message>
        <source>Agroforestry tree species of South-East Asia</source>
        <translation>Các loài cây nông lâm kết hợp vùng Đông Nam Á</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>Phiên bản 2.0</translation>
    </message>
</context>
<context>
    <name>LabelLayer</name>
    <message>
        <source>The labels could not be saved to %1: %2.</source>
        <translation>Không thể lưu nhãn vào %1: %2.</translation>
    </message>
    <message>
        <source>The labels could not be read from %1: %2.</source>
        <translation>Không thể đọc nhãn từ %1: %2.</translation>
    </message>
    <message>
        <source>The map holds %1 labels, the most it can.</source>
        <translation>Bản đồ đã có %1 nhãn, mức tối đa có thể chứa.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Ngôn ngữ</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>File</source>
        <translation>Tệp</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Xem</translation>
    </message>
    <message>
        <source>Botanic Names (All)</source>
        <translation>Tên khoa học (tất cả)</translation>
    </message>
    <message>
        <source>Common Names (All)</source>
        <translation>Tên thông thường (tất cả)</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <source>Image Selected Record</source>
        <translation>Ảnh của loài đang chọn</translation>
    </message>
    <message>
        <source>Arboplot</source>
        <translation>Arboplot (bản đồ thích hợp)</translation>
    </message>
    <message>
        <source>Arboplot Comparison</source>
        <translation>So sánh Arboplot</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Phân tích</translation>
    </message>
    <message>
        <source>Suitable Area by Country...</source>
        <translation>Diện tích thích hợp theo quốc gia...</translation>
    </message>
    <message>
        <source>Species Count Map...</source>
        <translation>Bản đồ số lượng loài...</translation>
    </message>
    <message>
        <source>Climate Shift...</source>
        <translation>Dịch chuyển khí hậu...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Giới thiệu chung</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Bảng thuật ngữ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Thông tin chương trình</translation>
    </message>
    <message>
        <source>View Botanic Names (All)</source>
        <translation>Xem tên khoa học (tất cả)</translation>
    </message>
    <message>
        <source>View Common Names (All)</source>
        <translation>Xem tên thông thường (tất cả)</translation>
    </message>
    <message>
        <source>View Species Image</source>
        <translation>Xem ảnh loài</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Hướng dẫn sử dụng</translation>
    </message>
    <message>
        <source>Move Previous Form</source>
        <translation>Chuyển sang cửa sổ trước</translation>
    </message>
    <message>
        <source>Move Next Form</source>
        <translation>Chuyển sang cửa sổ sau</translation>
    </message>
    <message>
        <source>Close Active Form</source>
        <translation>Đóng cửa sổ hiện hành</translation>
    </message>
    <message>
        <source>Species Count Map</source>
        <translation>Bản đồ số lượng loài</translation>
    </message>
    <message>
        <source>Climate Shift</source>
        <translation>Dịch chuyển khí hậu</translation>
    </message>
    <message>
        <source>Site Report...</source>
        <translation>Báo cáo địa điểm trồng...</translation>
    </message>
</context>
<context>
    <name>MapClasses</name>
    <message>
        <source>no species suits any grid point</source>
        <translation>không có loài nào thích hợp tại bất kỳ điểm lưới nào</translation>
    </message>
    <message>
        <source>one class per number of species, up to %1, the most at any grid point</source>
        <translation>mỗi lớp ứng với một số lượng loài, tối đa %1 – số loài nhiều nhất tại một điểm lưới</translation>
    </message>
    <message>
        <source>equal steps of %1 species from 1 to %2, the most at any grid point</source>
        <translation>các bậc đều nhau, mỗi bậc %1 loài, từ 1 đến %2 – số loài nhiều nhất tại một điểm lưới</translation>
    </message>
</context>
<context>
    <name>MapCommand</name>
    <message>
        <source>--classes lists alt, mar, mat, full, not &quot;%1&quot;</source>
        <translation>--classes liệt kê alt, mar, mat, full, không phải &quot;%1&quot;</translation>
    </message>
    <message>
        <source>map --all needs -o FOLDER</source>
        <translation>map --all cần -o FOLDER</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: không thể tạo thư mục</translation>
    </message>
    <message numerus="yes">
        <source>%n maps written to %1
</source>
        <translation>
            <numerusform>Đã ghi %n bản đồ vào %1
</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws the suitability map of a species (altitude, rainfall, temperature and full match over the country boundaries) with a legend and a source stamp.</source>
        <translation>Vẽ bản đồ thích hợp của một loài (độ cao, lượng mưa, nhiệt độ và phù hợp hoàn toàn, trên nền ranh giới quốc gia) kèm chú giải và dấu nguồn dữ liệu.</translation>
    </message>
    <message>
        <source>Identifier, current name or synonym.</source>
        <translation>Mã loài, tên hiện hành hoặc tên đồng nghĩa.</translation>
    </message>
    <message>
        <source>The file to write: a picture (.png or .bmp), a GeoTIFF of the class numbers (.tif) or a GeoPackage of the grid&apos;s points (.gpkg); the folder of pictures for --all.</source>
        <translation>Tệp cần ghi: một ảnh (.png hoặc .bmp), một tệp GeoTIFF chứa số thứ tự lớp (.tif) hoặc một tệp GeoPackage chứa các điểm lưới (.gpkg); với --all là thư mục chứa ảnh.</translation>
    </message>
    <message>
        <source>Picture size in pixels (default 1000x750).</source>
        <translation>Kích thước ảnh tính bằng điểm ảnh (mặc định 1000x750).</translation>
    </message>
    <message>
        <source>Map extent in degrees (default: the whole map), or a place or LON,LAT at the centre of a view 4 degrees wide.</source>
        <translation>Phạm vi bản đồ tính bằng độ (mặc định: toàn bộ bản đồ), hoặc một địa điểm hay LON,LAT làm tâm của khung nhìn rộng 4 độ.</translation>
    </message>
    <message>
        <source>Narrows a place name of --extent to this country (code such as TH, or name).</source>
        <translation>Giới hạn tên địa điểm của --extent trong quốc gia này (mã như TH, hoặc tên).</translation>
    </message>
    <message>
        <source>Classes to show: alt,mar,mat,full (default all).</source>
        <translation>Các lớp cần hiển thị: alt,mar,mat,full (mặc định tất cả).</translation>
    </message>
    <message>
        <source>One map per species of the catalogue, into FOLDER.</source>
        <translation>Mỗi loài trong danh mục một bản đồ, ghi vào FOLDER.</translation>
    </message>
    <message>
        <source>map --all takes no SPECIES</source>
        <translation>map --all không nhận SPECIES</translation>
    </message>
    <message>
        <source>%1 written
</source>
        <translation>Đã ghi %1
</translation>
    </message>
</context>
<context>
    <name>MapControl</name>
    <message>
        <source>The map can only be drawn on while it is being drawn</source>
        <translation>Chỉ có thể vẽ lên bản đồ trong khi bản đồ đang được vẽ</translation>
    </message>
    <message>
        <source>Cannot save the map to %1: export format %2 is not supported</source>
        <translation>Không thể lưu bản đồ vào %1: không hỗ trợ định dạng xuất %2</translation>
    </message>
    <message>
        <source>Cannot save the map to %1: scale factor %2 is out of range</source>
        <translation>Không thể lưu bản đồ vào %1: hệ số tỷ lệ %2 nằm ngoài giới hạn cho phép</translation>
    </message>
</context>
<context>
    <name>MapImageExport</name>
    <message>
        <source>Windows Bitmaps (*.bmp)</source>
        <translation>Ảnh Windows Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>PNG Pictures with source stamp (*.png)</source>
        <translation>Ảnh PNG kèm dấu nguồn dữ liệu (*.png)</translation>
    </message>
    <message>
        <source>Export Bitmap</source>
        <translation>Xuất ảnh bitmap</translation>
    </message>
</context>
<context>
    <name>MapLegend</name>
    <message>
        <source>Full match</source>
        <translation>Phù hợp hoàn toàn</translation>
    </message>
    <message>
        <source>Suitable species</source>
        <translation>Loài thích hợp</translation>
    </message>
</context>
<context>
    <name>MapPlaceTools</name>
    <message>
        <source>Provinces</source>
        <translation>Tỉnh</translation>
    </message>
    <message>
        <source>Draw the outlines of provinces and states</source>
        <translation>Vẽ đường ranh giới tỉnh và bang</translation>
    </message>
    <message>
        <source>The province layer (ShapeFiles/province_bnd.shp) is missing or unreadable</source>
        <translation>Lớp ranh giới tỉnh (ShapeFiles/province_bnd.shp) bị thiếu hoặc không đọc được</translation>
    </message>
    <message>
        <source>Suitable Tree Species - %1</source>
        <translation>Loài cây thích hợp - %1</translation>
    </message>
    <message>
        <source>Find Place</source>
        <translation>Tìm địa điểm</translation>
    </message>
    <message>
        <source>No grid point lies near %1, so no species can be matched to it.</source>
        <translation>Không có điểm lưới nào gần %1 nên không thể đối chiếu loài nào với địa điểm này.</translation>
    </message>
</context>
<context>
    <name>MapToolbar</name>
    <message>
        <source>Planting List</source>
        <translation>Danh sách cây trồng</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Phóng to</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Thu nhỏ</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Di chuyển bản đồ</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Tra thông tin</translation>
    </message>
    <message>
        <source>Suitable Tree Species</source>
        <translation>Loài cây thích hợp</translation>
    </message>
    <message>
        <source>Full Extent</source>
        <translation>Toàn bộ phạm vi</translation>
    </message>
    <message>
        <source>Generate Map</source>
        <translation>Tạo bản đồ</translation>
    </message>
</context>
<context>
    <name>NetworkReading</name>
    <message>
        <source>%1 could not be reached (no network, or no server at that address); nothing was changed</source>
        <translation>Không kết nối được %1 (không có mạng, hoặc không có máy chủ tại địa chỉ đó); không có gì bị thay đổi</translation>
    </message>
    <message>
        <source>%1: %2; nothing was changed</source>
        <translation>%1: %2; không có gì bị thay đổi</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>máy chủ trả lời HTTP %1</translation>
    </message>
    <message>
        <source>no such file on the server (worldclim.org lists what is published)</source>
        <translation>máy chủ không có tệp này (worldclim.org liệt kê những gì đã được công bố)</translation>
    </message>
    <message>
        <source>%1: damaged or incomplete (the download may have stopped half-way): %2 cannot be read from it; nothing was changed</source>
        <translation>%1: bị hỏng hoặc không đầy đủ (có thể quá trình tải xuống đã dừng giữa chừng): không đọc được %2 từ tệp này; không có gì bị thay đổi</translation>
    </message>
    <message>
        <source>%1: %2 has %3 band(s) of pixels %4 x %5 degrees, not the published %6 band(s) of %7 arc minutes; nothing was changed</source>
        <translation>%1: %2 có %3 kênh với điểm ảnh %4 x %5 độ, không phải %6 kênh %7 phút cung như đã công bố; không có gì bị thay đổi</translation>
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
        <translation>--size nhận số điểm ảnh nguyên từ 16 đến 10000, ví dụ 1200x900, không phải &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--extent takes W,S,E,N in degrees with W &lt; E and S &lt; N, not &quot;%1&quot;</source>
        <translation>--extent nhận W,S,E,N tính bằng độ, với W &lt; E và S &lt; N, không phải &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 takes MIN,MAX with the minimum at most the maximum, not &quot;%2&quot;</source>
        <translation>--%1 nhận MIN,MAX với giá trị tối thiểu không lớn hơn giá trị tối đa, không phải &quot;%2&quot;</translation>
    </message>
    <message>
        <source>LON,LAT takes a longitude from -180 to 360 and a latitude from -90 to 90, not &quot;%1&quot;</source>
        <translation>LON,LAT nhận kinh độ từ -180 đến 360 và vĩ độ từ -90 đến 90, không phải &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ParameterPanel</name>
    <message>
        <source>Altitude (ALT) (m)</source>
        <translation>Độ cao (ALT) (m)</translation>
    </message>
    <message>
        <source>Rainfall (MAR) (mm)</source>
        <translation>Lượng mưa (MAR) (mm)</translation>
    </message>
    <message>
        <source>Temperature (MAT) (Deg C)</source>
        <translation>Nhiệt độ (MAT) (°C)</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Lớp</translation>
    </message>
    <message>
        <source>Show ALT</source>
        <translation>Hiện ALT</translation>
    </message>
    <message>
        <source>Show MAR</source>
        <translation>Hiện MAR</translation>
    </message>
    <message>
        <source>Show MAT</source>
        <translation>Hiện MAT</translation>
    </message>
    <message>
        <source>Show Tree Species</source>
        <translation>Hiện loài cây</translation>
    </message>
    <message>
        <source>Parameters Used</source>
        <translation>Thông số sử dụng</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Chú giải</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Độ cao</translation>
    </message>
    <message>
        <source>Rainfall</source>
        <translation>Lượng mưa</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Nhiệt độ</translation>
    </message>
    <message>
        <source>Tree Species</source>
        <translation>Loài cây</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Khoảng giá trị</translation>
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
        <translation>Ảnh các loài của Silvaria</translation>
    </message>
</context>
<context>
    <name>PhotoRequest</name>
    <message>
        <source>Images still needed for this species</source>
        <translation>Loài này vẫn đang cần thêm ảnh</translation>
    </message>
    <message>
        <source>If you have any suitable shots please send to:</source>
        <translation>Nếu bạn có ảnh phù hợp, xin vui lòng gửi đến:</translation>
    </message>
    <message>
        <source>email: %1</source>
        <translation>email: %1</translation>
    </message>
</context>
<context>
    <name>PictureStamps</name>
    <message>
        <source>a projection of one climate model, not a forecast</source>
        <translation>dự tính của một mô hình khí hậu, không phải dự báo</translation>
    </message>
    <message>
        <source>scenario %1</source>
        <translation>kịch bản %1</translation>
    </message>
</context>
<context>
    <name>PlaceLookup</name>
    <message>
        <source>places are unavailable: %1</source>
        <translation>không có dữ liệu địa điểm: %1</translation>
    </message>
    <message>
        <source>--country takes one of %1 or a country&apos;s name, not &quot;%2&quot;</source>
        <translation>--country nhận một trong %1 hoặc tên một quốc gia, không phải &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot; (silvaria-cli places TEXT finds names)</source>
        <translation>không có địa điểm nào tên &quot;%1&quot; (dùng silvaria-cli places TEXT để tìm tên)</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot; in %2 (silvaria-cli places TEXT finds names)</source>
        <translation>không có địa điểm nào tên &quot;%1&quot; ở %2 (dùng silvaria-cli places TEXT để tìm tên)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one place; give a fuller name, LON,LAT or --country CC:</source>
        <translation>&quot;%1&quot; là tên của nhiều địa điểm; hãy nhập tên đầy đủ hơn, LON,LAT hoặc --country CC:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2 names more than one place; give a fuller name, LON,LAT or --country CC:</source>
        <translation>&quot;%1&quot; ở %2 là tên của nhiều địa điểm; hãy nhập tên đầy đủ hơn, LON,LAT hoặc --country CC:</translation>
    </message>
    <message>
        <source>Narrows a place name to this country (code such as TH, or name).</source>
        <translation>Giới hạn tên địa điểm trong quốc gia này (mã như TH, hoặc tên).</translation>
    </message>
</context>
<context>
    <name>PlacesCommand</name>
    <message>
        <source>Lists the places, districts and provinces of the region whose name or alternate name holds TEXT (case, accents and spaces ignored, in every script), best match first, then the largest.</source>
        <translation>Liệt kê các địa điểm, huyện và tỉnh trong khu vực có tên hoặc tên khác chứa TEXT (không phân biệt chữ hoa/thường, dấu và khoảng trắng, ở mọi hệ chữ viết), kết quả khớp nhất trước, sau đó đến địa điểm lớn nhất.</translation>
    </message>
    <message>
        <source>A name or part of one (&quot;Chiang Mai&quot;, &quot;da lat&quot;, &quot;เชียงใหม่&quot;).</source>
        <translation>Một tên hoặc một phần của tên (&quot;Chiang Mai&quot;, &quot;da lat&quot;, &quot;เชียงใหม่&quot;).</translation>
    </message>
    <message>
        <source>Only places of this country (code such as TH, or name).</source>
        <translation>Chỉ các địa điểm thuộc quốc gia này (mã như TH, hoặc tên).</translation>
    </message>
    <message>
        <source>At most N places (default 20, 0 for all).</source>
        <translation>Tối đa N địa điểm (mặc định 20, 0 là tất cả).</translation>
    </message>
    <message>
        <source>--limit takes a whole number, 0 for all, not &quot;%1&quot;</source>
        <translation>--limit nhận một số nguyên, 0 là tất cả, không phải &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No place of the region is named like &quot;%1&quot;.
</source>
        <translation>Không có địa điểm nào trong khu vực có tên giống &quot;%1&quot;.
</translation>
    </message>
</context>
<context>
    <name>PlantingList</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 đến %2</translation>
    </message>
    <message>
        <source>Suitable Tree Species (%1)</source>
        <translation>Loài cây thích hợp (%1)</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>--paper is a4 or letter, not &quot;%1&quot;</source>
        <translation>--paper là a4 hoặc letter, không phải &quot;%1&quot;</translation>
    </message>
    <message>
        <source>-o FILE is needed: a PDF (.pdf) or an HTML page (.html)</source>
        <translation>Cần có -o FILE: một tệp PDF (.pdf) hoặc một trang HTML (.html)</translation>
    </message>
    <message>
        <source>-o takes a PDF (.pdf) or an HTML page (.html), not &quot;%1&quot;</source>
        <translation>-o cần một tệp PDF (.pdf) hoặc một trang HTML (.html), không phải &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Writes the printable site report of a position: the site, the species suitable there grouped by functional use (names, ranges, a small map, lines of the fact sheet), the near misses, the species count around the site and the references.</source>
        <translation>Ghi báo cáo địa điểm trồng của một vị trí để in: địa điểm, các loài thích hợp tại đó xếp theo công dụng (tên, khoảng giá trị, bản đồ nhỏ, trích đoạn phiếu thông tin), các loài gần thích hợp, số lượng loài quanh địa điểm và tài liệu tham khảo.</translation>
    </message>
    <message>
        <source>Position in degrees, west and south negative (report 98.98,18.79), or the name of a place, district or province.</source>
        <translation>Vị trí tính bằng độ, phía tây và phía nam mang dấu âm (report 98.98,18.79), hoặc tên một địa điểm, huyện hoặc tỉnh.</translation>
    </message>
    <message>
        <source>Only species of this use; repeat for several (default every use).</source>
        <translation>Chỉ các loài có công dụng này; lặp lại tùy chọn để chọn nhiều công dụng (mặc định mọi công dụng).</translation>
    </message>
    <message>
        <source>Page size: a4 (default) or letter.</source>
        <translation>Khổ giấy: a4 (mặc định) hoặc letter.</translation>
    </message>
    <message>
        <source>Reports on an installed scenario&apos;s climate (see scenarios) instead of the grid&apos;s.</source>
        <translation>Lập báo cáo theo khí hậu của một lưới kịch bản đã cài đặt (xem scenarios) thay cho khí hậu của lưới.</translation>
    </message>
    <message>
        <source>The file to write: a PDF (.pdf) or an HTML page with its pictures inside (.html).</source>
        <translation>Tệp cần ghi: một tệp PDF (.pdf) hoặc một trang HTML có kèm ảnh bên trong (.html).</translation>
    </message>
    <message numerus="yes">
        <source>%1 written (%n pages)
</source>
        <translation>
            <numerusform>Đã ghi %1 (%n trang)
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScenarioChoice</name>
    <message>
        <source>Climate:</source>
        <translation>Khí hậu:</translation>
    </message>
    <message>
        <source>The climate of the grid, or of a scenario grid installed beside it: the projection of one climate model, not a forecast</source>
        <translation>Khí hậu của lưới, hoặc của một lưới kịch bản được cài đặt bên cạnh lưới đó: dự tính của một mô hình khí hậu, không phải dự báo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>scenario: caveat</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>uniform shift</source>
        <translation>dịch chuyển đồng đều</translation>
    </message>
    <message>
        <source>current grid</source>
        <translation>lưới hiện tại</translation>
    </message>
</context>
<context>
    <name>ScenariosCommand</name>
    <message>
        <source>The scenario grids installed beside the map grid (each the projection of one climate model, not a forecast), with their sources: the names shift --scenario and count --scenario take.</source>
        <translation>Các lưới kịch bản được cài đặt bên cạnh lưới bản đồ (mỗi lưới là dự tính của một mô hình khí hậu, không phải dự báo), kèm nguồn dữ liệu: đây là các tên mà shift --scenario và count --scenario sử dụng.</translation>
    </message>
    <message>
        <source>scenarios takes no argument &quot;%1&quot;</source>
        <translation>scenarios không nhận đối số &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No scenario grids installed; silvaria-cli grid fetch worldclim --future GCM SSP PERIOD adds one.
</source>
        <translation>Chưa cài đặt lưới kịch bản nào; lệnh silvaria-cli grid fetch worldclim --future GCM SSP PERIOD sẽ thêm một lưới.
</translation>
    </message>
</context>
<context>
    <name>ServeCommand</name>
    <message>
        <source>--listen takes an IPv4 address and a port such as 127.0.0.1:8080 or 0.0.0.0:8080, not &quot;%1&quot;</source>
        <translation>--listen cần một địa chỉ IPv4 và một cổng, ví dụ 127.0.0.1:8080 hoặc 0.0.0.0:8080, không phải &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Serves the catalogue, the maps and the suitable species at a place as web pages, read-only. Stops on Ctrl+C (SIGINT) or SIGTERM.</source>
        <translation>Cung cấp danh mục, bản đồ và các loài thích hợp tại một địa điểm dưới dạng trang web, chỉ để đọc. Dừng khi nhấn Ctrl+C (SIGINT) hoặc nhận SIGTERM.</translation>
    </message>
    <message>
        <source>Address and port to listen on (default 127.0.0.1:8080, this machine only; 0.0.0.0:8080 shares it with the network).</source>
        <translation>Địa chỉ và cổng để lắng nghe (mặc định 127.0.0.1:8080, chỉ máy này truy cập được; 0.0.0.0:8080 để chia sẻ với cả mạng).</translation>
    </message>
    <message>
        <source>Silvaria is served at:
</source>
        <translation>Silvaria đang được phục vụ tại:
</translation>
    </message>
    <message>
        <source>Everyone on this network can read it (read-only). Press Ctrl+C to stop.
</source>
        <translation>Mọi người trong mạng này đều có thể xem (chỉ đọc). Nhấn Ctrl+C để dừng.
</translation>
    </message>
    <message>
        <source>Only this machine can read it. Press Ctrl+C to stop.
</source>
        <translation>Chỉ máy này có thể xem. Nhấn Ctrl+C để dừng.
</translation>
    </message>
    <message>
        <source>Stopped.
</source>
        <translation>Đã dừng.
</translation>
    </message>
</context>
<context>
    <name>SheetCommand</name>
    <message>
        <source>Prints the fact sheet of a species, as plain text or as HTML with the headings formatted.</source>
        <translation>In phiếu thông tin của một loài, dạng văn bản thuần hoặc dạng HTML có định dạng tiêu đề.</translation>
    </message>
    <message>
        <source>Identifier, current name or synonym.</source>
        <translation>Mã loài, tên hiện hành hoặc tên đồng nghĩa.</translation>
    </message>
</context>
<context>
    <name>ShiftCommand</name>
    <message>
        <source>Identifier, current name or synonym.</source>
        <translation>Mã loài, tên hiện hành hoặc tên đồng nghĩa.</translation>
    </message>
    <message>
        <source>Change of MAR in percent (default 0).</source>
        <translation>Mức thay đổi MAR tính bằng phần trăm (mặc định 0).</translation>
    </message>
    <message>
        <source>Compare with this installed scenario grid instead of a uniform shift (silvaria-cli scenarios lists them); not with --dt or --dp.</source>
        <translation>So sánh với lưới kịch bản đã cài đặt này thay cho dịch chuyển đồng đều (lệnh silvaria-cli scenarios liệt kê các lưới này); không dùng cùng --dt hoặc --dp.</translation>
    </message>
    <message>
        <source>One row per country of the boundary layer.</source>
        <translation>Một dòng cho mỗi quốc gia trong lớp ranh giới.</translation>
    </message>
    <message>
        <source>Also write the kept, lost and gained points: a picture (.png or .bmp), a GeoTIFF (.tif) or a GeoPackage (.gpkg).</source>
        <translation>Ghi thêm các điểm còn lại, mất đi và tăng thêm: một ảnh (.png hoặc .bmp), một tệp GeoTIFF (.tif) hoặc một tệp GeoPackage (.gpkg).</translation>
    </message>
    <message>
        <source>Picture size in pixels (default 1000x750).</source>
        <translation>Kích thước ảnh tính bằng điểm ảnh (mặc định 1000x750).</translation>
    </message>
    <message>
        <source>--scenario does not go with --dt or --dp: a scenario grid brings its own climate</source>
        <translation>--scenario không dùng cùng --dt hoặc --dp: lưới kịch bản đã có khí hậu riêng</translation>
    </message>
    <message>
        <source>--scenario needs the name of an installed scenario grid</source>
        <translation>--scenario cần tên của một lưới kịch bản đã cài đặt</translation>
    </message>
    <message>
        <source>--dp cannot take away more than 100 % of the rainfall</source>
        <translation>--dp không thể làm giảm quá 100 % lượng mưa</translation>
    </message>
    <message>
        <source>%1 (SpID %2), %3: %4
</source>
        <translation>%1 (SpID %2), %3: %4
</translation>
    </message>
    <message>
        <source>Change of MAT in °C (default 0).</source>
        <translation>Mức thay đổi MAT tính bằng °C (mặc định 0).</translation>
    </message>
    <message>
        <source>The species&apos; full match with the grid&apos;s MAT raised by DT °C and MAR changed by DP %, altitude unchanged, or with the climate of an installed scenario grid (--scenario): the km2 kept, lost and gained. A uniform shift of the grid&apos;s climate is not a climate projection; a scenario is the projection of one climate model, not a forecast.</source>
        <translation>Vùng phù hợp hoàn toàn của loài khi MAT của lưới tăng thêm DT °C và MAR thay đổi DP %, độ cao giữ nguyên, hoặc theo khí hậu của một lưới kịch bản đã cài đặt (--scenario): số km2 còn lại, mất đi và tăng thêm. Dịch chuyển đồng đều khí hậu của lưới không phải là dự tính khí hậu; kịch bản là dự tính của một mô hình khí hậu, không phải dự báo.</translation>
    </message>
</context>
<context>
    <name>SiteReportText</name>
    <message>
        <source>Altitude (ALT)</source>
        <translation>Độ cao (ALT)</translation>
    </message>
    <message>
        <source>Rainfall (MAR)</source>
        <translation>Lượng mưa (MAR)</translation>
    </message>
    <message>
        <source>Temperature (MAT)</source>
        <translation>Nhiệt độ (MAT)</translation>
    </message>
    <message>
        <source>No use recorded</source>
        <translation>Chưa ghi nhận công dụng</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Địa điểm</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Vị trí</translation>
    </message>
    <message>
        <source>%1, %2 (longitude, latitude)</source>
        <translation>%1, %2 (kinh độ, vĩ độ)</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
    <message>
        <source>Grid point used</source>
        <translation>Điểm lưới được dùng</translation>
    </message>
    <message>
        <source>%1, %2, %3 km from the position</source>
        <translation>%1, %2, cách vị trí %3 km</translation>
    </message>
    <message>
        <source>Uses asked</source>
        <translation>Công dụng được chọn</translation>
    </message>
    <message>
        <source>every use</source>
        <translation>mọi công dụng</translation>
    </message>
    <message>
        <source>Grid data</source>
        <translation>Dữ liệu lưới</translation>
    </message>
    <message>
        <source>Climate</source>
        <translation>Khí hậu</translation>
    </message>
    <message>
        <source>Boundaries</source>
        <translation>Ranh giới</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Trees for this site</source>
        <translation>Cây trồng cho địa điểm này</translation>
    </message>
    <message numerus="yes">
        <source>%Ln species suit this site: each species&apos; altitude, rainfall and temperature ranges hold here.</source>
        <translation>
            <numerusform>Có %Ln loài thích hợp với địa điểm này: độ cao, lượng mưa và nhiệt độ ở đây đều nằm trong khoảng thích hợp của từng loài.</numerusform>
        </translation>
    </message>
    <message>
        <source>No species of the catalogue suits this site for the uses asked.</source>
        <translation>Trong danh mục không có loài nào có công dụng đã chọn thích hợp với địa điểm này.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln species nearly suit it (one range missed), %1 have incomplete ranges.</source>
        <translation>
            <numerusform>Có %Ln loài gần thích hợp (không đạt một khoảng giá trị), %1 loài thiếu khoảng giá trị.</numerusform>
        </translation>
    </message>
    <message>
        <source>On each species&apos; map, the ring marks the site:</source>
        <translation>Trên bản đồ của mỗi loài, vòng tròn đánh dấu địa điểm trồng:</translation>
    </message>
    <message>
        <source>Species&apos; range</source>
        <translation>Khoảng giá trị của loài</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Địa điểm trồng</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 đến %2</translation>
    </message>
    <message>
        <source>(fact sheet, %1, “%2”):</source>
        <translation>(phiếu thông tin, %1, “%2”):</translation>
    </message>
    <message>
        <source>none in the catalogue</source>
        <translation>danh mục không có</translation>
    </message>
    <message>
        <source>none recorded</source>
        <translation>chưa ghi nhận</translation>
    </message>
    <message>
        <source>Family %1; species number %2; uses: %3</source>
        <translation>Họ %1; mã loài %2; công dụng: %3</translation>
    </message>
    <message>
        <source>Common names:</source>
        <translation>Tên thông thường:</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Công dụng</translation>
    </message>
    <message>
        <source>Propagation</source>
        <translation>Nhân giống</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln suitable species</source>
        <translation>
            <numerusform>%1: %Ln loài thích hợp</numerusform>
        </translation>
    </message>
    <message>
        <source>Also suitable, described above: %1</source>
        <translation>Cũng thích hợp, đã mô tả ở trên: %1</translation>
    </message>
    <message>
        <source>No species of this use suits the site.</source>
        <translation>Không có loài nào có công dụng này thích hợp với địa điểm.</translation>
    </message>
    <message>
        <source>Silvaria %1.%2.%3, %4</source>
        <translation>Silvaria %1.%2.%3, %4</translation>
    </message>
    <message>
        <source>Catalogue: Silvaria catalogue, from the works cited on the last page. Grid: %1</source>
        <translation>Danh mục: danh mục Silvaria, lấy từ các tài liệu được dẫn ở trang cuối. Lưới: %1</translation>
    </message>
    <message>
        <source>Climate: %1.</source>
        <translation>Khí hậu: %1.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Trang %1/%2</translation>
    </message>
    <message>
        <source>ALT %1 m too low</source>
        <translation>ALT thấp hơn %1 m</translation>
    </message>
    <message>
        <source>ALT %1 m too high</source>
        <translation>ALT cao hơn %1 m</translation>
    </message>
    <message>
        <source>MAR %1 mm too dry</source>
        <translation>MAR thiếu %1 mm</translation>
    </message>
    <message>
        <source>MAR %1 mm too wet</source>
        <translation>MAR thừa %1 mm</translation>
    </message>
    <message>
        <source>MAT %1 °C too cold</source>
        <translation>MAT lạnh hơn %1 °C</translation>
    </message>
    <message>
        <source>MAT %1 °C too warm</source>
        <translation>MAT nóng hơn %1 °C</translation>
    </message>
    <message>
        <source>%1 not stated</source>
        <translation>chưa có %1</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <translation>%1 đến %2 %3</translation>
    </message>
    <message>
        <source>Nearly suitable species</source>
        <translation>Các loài gần thích hợp</translation>
    </message>
    <message>
        <source>None: no species misses by one range only.</source>
        <translation>Không có: không loài nào chỉ chưa đạt đúng một khoảng giá trị.</translation>
    </message>
    <message>
        <source>Each of these meets two of its ranges here and misses the third by a little; smallest miss first.</source>
        <translation>Mỗi loài dưới đây đạt hai khoảng giá trị tại đây và chỉ thiếu một chút ở khoảng thứ ba; loài chênh lệch ít nhất được xếp trước.</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>Loài</translation>
    </message>
    <message>
        <source>What it misses</source>
        <translation>Điểm chưa đạt</translation>
    </message>
    <message>
        <source>Its range</source>
        <translation>Khoảng giá trị của loài</translation>
    </message>
    <message>
        <source>Species whose ranges are incomplete</source>
        <translation>Các loài thiếu khoảng giá trị</translation>
    </message>
    <message>
        <source>The catalogue lacks a range of these species; every range it states holds here.</source>
        <translation>Danh mục thiếu một khoảng giá trị của các loài này; mọi khoảng giá trị đã có đều phù hợp tại đây.</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Còn thiếu</translation>
    </message>
    <message>
        <source>Within %1 km</source>
        <translation>Trong bán kính %1 km</translation>
    </message>
    <message>
        <source>The site and its surroundings</source>
        <translation>Địa điểm trồng và vùng xung quanh</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Công dụng</translation>
    </message>
    <message>
        <source>Suitable at the site</source>
        <translation>Thích hợp tại địa điểm</translation>
    </message>
    <message>
        <source>Species of the uses asked suitable at each grid point around the site (marked by the ring); classes: %1.</source>
        <translation>Số loài có công dụng đã chọn thích hợp tại mỗi điểm lưới quanh địa điểm trồng (được đánh dấu bằng vòng tròn); phân lớp: %1.</translation>
    </message>
    <message>
        <source>References of the species listed</source>
        <translation>Tài liệu tham khảo về các loài đã liệt kê</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Không có.</translation>
    </message>
    <message>
        <source>No grid point lies within %1 km of %2, %3: the position is outside the map&apos;s grid.</source>
        <translation>Không có điểm lưới nào trong phạm vi %1 km quanh %2, %3: vị trí này nằm ngoài lưới bản đồ.</translation>
    </message>
    <message>
        <source>The grid point at %1, %2 has no %3 value, so no species can be matched to it.</source>
        <translation>Điểm lưới tại %1, %2 không có giá trị %3 nên không thể đối chiếu loài nào với điểm này.</translation>
    </message>
    <message>
        <source>Rainfall and temperature: %1, %2.</source>
        <translation>Lượng mưa và nhiệt độ: %1, %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no functional use of the catalogue; the uses are %2.</source>
        <translation>&quot;%1&quot; không phải là công dụng trong danh mục; các công dụng gồm: %2.</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>Không thể ghi báo cáo: %1</translation>
    </message>
    <message>
        <source>%1: a report is written as .pdf or .html</source>
        <translation>%1: báo cáo chỉ ghi được dạng .pdf hoặc .html</translation>
    </message>
</context>
<context>
    <name>SpeciesCommand</name>
    <message>
        <source>Lists the species of the catalogue: every one, those whose botanic or common names contain TEXT, or those of one use.</source>
        <translation>Liệt kê các loài trong danh mục: tất cả, các loài có tên khoa học hoặc tên thông thường chứa TEXT, hoặc các loài có một công dụng.</translation>
    </message>
    <message>
        <source>Names containing TEXT (case ignored).</source>
        <translation>Tên chứa TEXT (không phân biệt chữ hoa/thường).</translation>
    </message>
    <message>
        <source>Only species of this use.</source>
        <translation>Chỉ các loài có công dụng này.</translation>
    </message>
    <message>
        <source>species takes no argument &quot;%1&quot;</source>
        <translation>species không nhận đối số &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Longitude and latitude are numbers in degrees, such as 98.98 and 18.79.</source>
        <translation>Kinh độ và vĩ độ là số đo bằng độ, ví dụ 98.98 và 18.79.</translation>
    </message>
    <message>
        <source>This application folder has no place index; give longitude and latitude.</source>
        <translation>Thư mục ứng dụng này không có chỉ mục địa điểm; hãy nhập kinh độ và vĩ độ.</translation>
    </message>
    <message>
        <source>No place has this name.</source>
        <translation>Không có địa điểm nào mang tên này.</translation>
    </message>
    <message>
        <source>All uses</source>
        <translation>Mọi công dụng</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Địa điểm</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Kinh độ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Vĩ độ</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Công dụng</translation>
    </message>
    <message>
        <source>Use my position</source>
        <translation>Dùng vị trí của tôi</translation>
    </message>
    <message>
        <source>Show species</source>
        <translation>Xem các loài</translation>
    </message>
    <message>
        <source>Grid point %1, %2: altitude %3 m, rainfall %4 mm, temperature %5 °C</source>
        <translation>Điểm lưới %1, %2: độ cao %3 m, lượng mưa %4 mm, nhiệt độ %5 °C</translation>
    </message>
    <message>
        <source>Suitable species</source>
        <translation>Loài thích hợp</translation>
    </message>
    <message>
        <source>No species is suitable here.</source>
        <translation>Không có loài nào thích hợp tại đây.</translation>
    </message>
    <message>
        <source>Near misses</source>
        <translation>Loài gần thích hợp</translation>
    </message>
    <message>
        <source>Site report (PDF)</source>
        <translation>Báo cáo địa điểm trồng (PDF)</translation>
    </message>
    <message>
        <source>This name means several places; choose one:</source>
        <translation>Tên này trùng với nhiều địa điểm; hãy chọn một:</translation>
    </message>
    <message>
        <source>The map has no grid point with climate data near this position.</source>
        <translation>Bản đồ không có điểm lưới nào có dữ liệu khí hậu gần vị trí này.</translation>
    </message>
    <message>
        <source>Species suitable here</source>
        <translation>Loài thích hợp tại đây</translation>
    </message>
    <message>
        <source>Method not allowed</source>
        <translation>Phương thức không được phép</translation>
    </message>
    <message>
        <source>This server only answers GET and HEAD.</source>
        <translation>Máy chủ này chỉ trả lời yêu cầu GET và HEAD.</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Máy chủ đang bận</translation>
    </message>
    <message>
        <source>Too many people are reading at once. Try again in a moment.</source>
        <translation>Có quá nhiều người truy cập cùng lúc. Vui lòng thử lại sau giây lát.</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Lỗi máy chủ</translation>
    </message>
    <message>
        <source>Functional uses</source>
        <translation>Công dụng</translation>
    </message>
    <message>
        <source>Common names by language</source>
        <translation>Tên thông thường theo ngôn ngữ</translation>
    </message>
    <message>
        <source>Botanic names by genus</source>
        <translation>Tên khoa học theo chi</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Duyệt danh mục</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Không tìm thấy</translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation>Không có trang nào tại địa chỉ này.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <source>Botanic names</source>
        <translation>Tên khoa học</translation>
    </message>
    <message>
        <source>Common names</source>
        <translation>Tên thông thường</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Tại đây</translation>
    </message>
    <message>
        <source>No names found.</source>
        <translation>Không tìm thấy tên nào.</translation>
    </message>
    <message>
        <source>Agroforestry tree species of South-East Asia: fact sheets, photographs and suitability maps.</source>
        <translation>Các loài cây nông lâm kết hợp vùng Đông Nam Á: phiếu thông tin, ảnh chụp và bản đồ thích hợp.</translation>
    </message>
    <message>
        <source>Browse by genus, language and use</source>
        <translation>Duyệt theo chi, ngôn ngữ và công dụng</translation>
    </message>
    <message>
        <source>Species suitable at a place</source>
        <translation>Loài thích hợp tại một địa điểm</translation>
    </message>
    <message>
        <source>Search by botanic or common name</source>
        <translation>Tìm theo tên khoa học hoặc tên thông thường</translation>
    </message>
    <message>
        <source>Site report</source>
        <translation>Báo cáo địa điểm trồng</translation>
    </message>
    <message>
        <source>Give a place, or longitude and latitude.</source>
        <translation>Hãy nhập một địa điểm, hoặc kinh độ và vĩ độ.</translation>
    </message>
    <message>
        <source>Photographs</source>
        <translation>Ảnh chụp</translation>
    </message>
    <message>
        <source>Zoom to country</source>
        <translation>Phóng to theo quốc gia</translation>
    </message>
    <message>
        <source>Whole region</source>
        <translation>Toàn khu vực</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
    <message>
        <source>Full match km²</source>
        <translation>Phù hợp hoàn toàn km²</translation>
    </message>
    <message>
        <source>Share of land %</source>
        <translation>Tỷ lệ diện tích đất %</translation>
    </message>
    <message>
        <source>No grid point matches all ranges.</source>
        <translation>Không có điểm lưới nào phù hợp với mọi khoảng giá trị.</translation>
    </message>
    <message>
        <source>Suitable area by country</source>
        <translation>Diện tích thích hợp theo quốc gia</translation>
    </message>
    <message>
        <source>There is no such species or country.</source>
        <translation>Không có loài hoặc quốc gia này.</translation>
    </message>
    <message>
        <source>Fact sheet</source>
        <translation>Phiếu thông tin</translation>
    </message>
    <message>
        <source>Suitability map</source>
        <translation>Bản đồ thích hợp</translation>
    </message>
    <message>
        <source>Address too long</source>
        <translation>Địa chỉ quá dài</translation>
    </message>
    <message>
        <source>The address asks too much at once; shorten the search.</source>
        <translation>Địa chỉ yêu cầu quá nhiều nội dung cùng lúc; hãy rút gọn nội dung tìm kiếm.</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Địa chỉ không hợp lệ</translation>
    </message>
    <message>
        <source>The address is not written correctly.</source>
        <translation>Địa chỉ không được viết đúng.</translation>
    </message>
</context>
<context>
    <name>clsSendKeys</name>
    <message>
        <source>Invalid sendkeys command: unmatched ) at position %1</source>
        <translation>Lệnh sendkeys không hợp lệ: dấu ) không khớp tại vị trí %1</translation>
    </message>
    <message>
        <source>Invalid sendkeys command; opening { without content or closing } at position %1</source>
        <translation>Lệnh sendkeys không hợp lệ; dấu { mở không có nội dung hoặc thiếu dấu } đóng tại vị trí %1</translation>
    </message>
    <message>
        <source>Invalid sendkeys command; opening { without closing } at position %1</source>
        <translation>Lệnh sendkeys không hợp lệ; dấu { mở thiếu dấu } đóng tại vị trí %1</translation>
    </message>
    <message>
        <source>Invalid sendkeys command; key repetitions &apos;%1&apos; is invalid near position %2</source>
        <translation>Lệnh sendkeys không hợp lệ; số lần lặp phím &apos;%1&apos; không hợp lệ gần vị trí %2</translation>
    </message>
    <message>
        <source>Invalid sendkeys command: more open brackets than close brackets.</source>
        <translation>Lệnh sendkeys không hợp lệ: số dấu ngoặc mở nhiều hơn số dấu ngoặc đóng.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Thông tin về %1</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Hỗ trợ</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>Thông tin hệ thống...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Hiện không có thông tin hệ thống</translation>
    </message>
</context>
<context>
    <name>frmClimateShift</name>
    <message>
        <source>Climate Shift</source>
        <translation>Dịch chuyển khí hậu</translation>
    </message>
    <message>
        <source>Choose Species</source>
        <translation>Chọn loài</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>Lưu ảnh...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
    <message>
        <source>Kept km²</source>
        <translation>Còn lại km²</translation>
    </message>
    <message>
        <source>Lost km²</source>
        <translation>Mất đi km²</translation>
    </message>
    <message>
        <source>Gained km²</source>
        <translation>Tăng thêm km²</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>Loài</translation>
    </message>
    <message>
        <source>ΔP (%)</source>
        <translation>ΔP (%)</translation>
    </message>
    <message>
        <source>%1 Choose a species with the &quot;...&quot; button.</source>
        <translation>%1 Hãy chọn một loài bằng nút &quot;...&quot;.</translation>
    </message>
    <message>
        <source>shift %1</source>
        <translation>dịch chuyển %1</translation>
    </message>
    <message>
        <source>ΔT must be a number of degrees, such as 2 or -1.5, not &quot;%1&quot;.</source>
        <translation>ΔT phải là số độ, ví dụ 2 hoặc -1.5, không phải &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ΔP must be a percentage, such as 10 or -20, not &quot;%1&quot;.</source>
        <translation>ΔP phải là tỷ lệ phần trăm, ví dụ 10 hoặc -20, không phải &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ΔP cannot take away more than 100 % of the rainfall.</source>
        <translation>ΔP không thể làm giảm quá 100 % lượng mưa.</translation>
    </message>
    <message>
        <source>%1 suits no grid point even without a shift.</source>
        <translation>%1 không thích hợp tại điểm lưới nào, ngay cả khi không có dịch chuyển.</translation>
    </message>
    <message>
        <source>Under the %1 nothing suits %2 anywhere on the grid: all of its land would be lost. The map still shows the last answer.</source>
        <translation>Theo %1, không có nơi nào trên lưới thích hợp với %2: toàn bộ diện tích đất thích hợp của loài sẽ bị mất. Bản đồ vẫn hiển thị kết quả trước đó.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>species ranges; climate</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>kept: %1 km²</source>
        <translation>còn lại: %1 km²</translation>
    </message>
    <message>
        <source>lost: %1 km²</source>
        <translation>mất đi: %1 km²</translation>
    </message>
    <message>
        <source>gained: %1 km²</source>
        <translation>tăng thêm: %1 km²</translation>
    </message>
    <message>
        <source>ΔT (°C)</source>
        <translation>ΔT (°C)</translation>
    </message>
    <message>
        <source>With MAT %1 °C and MAR %2 % nothing suits %3 anywhere on the grid: all of its land would be lost. The map still shows the last shift.</source>
        <translation>Với MAT %1 °C và MAR %2 %, không có nơi nào trên lưới thích hợp với %3: toàn bộ diện tích đất thích hợp của loài sẽ bị mất. Bản đồ vẫn hiển thị lần dịch chuyển trước đó.</translation>
    </message>
</context>
<context>
    <name>frmCompare</name>
    <message>
        <source>Arboplot Comparison</source>
        <translation>So sánh Arboplot</translation>
    </message>
    <message>
        <source>First Parameter</source>
        <translation>Thông số thứ nhất</translation>
    </message>
    <message>
        <source>Second Parameter</source>
        <translation>Thông số thứ hai</translation>
    </message>
    <message>
        <source>Save As Image</source>
        <translation>Lưu thành ảnh</translation>
    </message>
    <message>
        <source>First Species Name</source>
        <translation>Tên loài thứ nhất</translation>
    </message>
    <message>
        <source>Second Species Name</source>
        <translation>Tên loài thứ hai</translation>
    </message>
    <message>
        <source>Choose Species</source>
        <translation>Chọn loài</translation>
    </message>
</context>
<context>
    <name>frmCountryArea</name>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Tỉnh</translation>
    </message>
    <message>
        <source>Land km²</source>
        <translation>Diện tích đất km²</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>full match</comment>
        <translation>Hoàn toàn</translation>
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
        <translation>Diện tích thích hợp theo quốc gia - %1</translation>
    </message>
    <message>
        <source>By country</source>
        <translation>Theo quốc gia</translation>
    </message>
    <message>
        <source>By province</source>
        <translation>Theo tỉnh</translation>
    </message>
    <message>
        <source>All countries</source>
        <translation>Tất cả các quốc gia</translation>
    </message>
    <message>
        <source>The country boundaries are missing, so only the total is given. %1</source>
        <translation>Thiếu dữ liệu ranh giới quốc gia nên chỉ có số tổng. %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Sao chép</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Lưu dạng CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Total: land %1 km²; altitude %2 km² (%3 %), rainfall %4 km² (%5 %), temperature %6 km² (%7 %), full match %8 km² (%9 %)</source>
        <translation>Tổng: đất %1 km²; độ cao %2 km² (%3 %), lượng mưa %4 km² (%5 %), nhiệt độ %6 km² (%7 %), phù hợp hoàn toàn %8 km² (%9 %)</translation>
    </message>
    <message>
        <source>Suitable Area by Country</source>
        <translation>Diện tích thích hợp theo quốc gia</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Lưu dạng CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Tệp CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>frmIdentifyEngine</name>
    <message>
        <source>The grid point has no %1 value, so no species can be matched to it.</source>
        <translation>Điểm lưới không có giá trị %1 nên không thể đối chiếu loài nào với điểm này.</translation>
    </message>
    <message>
        <source>Nearly suitable here</source>
        <translation>Gần thích hợp tại đây</translation>
    </message>
    <message>
        <source>Ranges incomplete</source>
        <translation>Thiếu khoảng giá trị</translation>
    </message>
    <message>
        <source>Suitable Tree Species</source>
        <translation>Loài cây thích hợp</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Trường</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Giá trị</translation>
    </message>
    <message>
        <source>Species ID</source>
        <translation>Mã loài</translation>
    </message>
    <message>
        <source>Species Name</source>
        <translation>Tên loài</translation>
    </message>
    <message>
        <source>Functional Uses</source>
        <translation>Công dụng</translation>
    </message>
    <message>
        <source>Criterion</source>
        <translation>Tiêu chí</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Khoảng giá trị</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Chênh lệch</translation>
    </message>
    <message>
        <source>Site Report...</source>
        <translation>Báo cáo địa điểm trồng...</translation>
    </message>
</context>
<context>
    <name>frmIdentifyMap</name>
    <message>
        <source>Field</source>
        <translation>Trường</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Giá trị</translation>
    </message>
</context>
<context>
    <name>frmImage</name>
    <message>
        <source>Photo Species</source>
        <translation>Ảnh loài</translation>
    </message>
    <message>
        <source>Photo Species - %1</source>
        <translation>Ảnh loài - %1</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Mô tả</translation>
    </message>
    <message>
        <source>Photo By</source>
        <translation>Người chụp</translation>
    </message>
    <message>
        <source>Previous photograph</source>
        <translation>Ảnh trước</translation>
    </message>
    <message>
        <source>Next photograph</source>
        <translation>Ảnh tiếp theo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Not a picture file name: %1</source>
        <translation>Không phải tên tệp ảnh: %1</translation>
    </message>
    <message>
        <source>The picture file %1 cannot be read: %2</source>
        <translation>Không đọc được tệp ảnh %1: %2</translation>
    </message>
    <message>
        <source>Picture file not found: %1</source>
        <translation>Không tìm thấy tệp ảnh: %1</translation>
    </message>
</context>
<context>
    <name>frmList</name>
    <message>
        <source>Species List</source>
        <translation>Danh sách loài</translation>
    </message>
    <message>
        <source>Synonym Names</source>
        <translation>Tên đồng nghĩa</translation>
    </message>
    <message>
        <source>Current Names</source>
        <translation>Tên hiện hành</translation>
    </message>
    <message>
        <source>Functional Uses</source>
        <translation>Công dụng</translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation>Tên thông thường</translation>
    </message>
    <message>
        <source>Genus</source>
        <translation>Chi</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Ngôn ngữ</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Botanic Names</source>
        <translation>Tên khoa học</translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation>Tên thông thường</translation>
    </message>
    <message>
        <source>Functional Uses</source>
        <translation>Công dụng</translation>
    </message>
    <message>
        <source>Silvaria Database Version 2.0</source>
        <translation>Cơ sở dữ liệu Silvaria phiên bản 2.0</translation>
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
        <translation>Xóa tất cả nhãn?</translation>
    </message>
    <message>
        <source>Remove current labels from Map?</source>
        <translation>Xóa các nhãn hiện có khỏi bản đồ?</translation>
    </message>
    <message>
        <source>No species with the identifier %1 is in the catalogue, so the map shows no suitable area. Choose a species in the species list first.</source>
        <translation>Danh mục không có loài nào mang mã %1, nên bản đồ không hiển thị vùng thích hợp nào. Trước tiên, hãy chọn một loài trong danh sách loài.</translation>
    </message>
    <message>
        <source>Arboplot</source>
        <translation>Arboplot (bản đồ thích hợp)</translation>
    </message>
    <message>
        <source>Matching known ranges in elevation, mean annual rainfall and mean annual temperature of trees to available spatial data</source>
        <translation>Đối chiếu khoảng độ cao, lượng mưa trung bình năm và nhiệt độ trung bình năm đã biết của các loài cây với dữ liệu không gian hiện có</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Thông số</translation>
    </message>
    <message>
        <source>Restore Default Values</source>
        <translation>Khôi phục giá trị mặc định</translation>
    </message>
    <message>
        <source>Default Value</source>
        <translation>Giá trị mặc định</translation>
    </message>
    <message>
        <source>Clear All Label</source>
        <translation>Xóa tất cả nhãn</translation>
    </message>
    <message>
        <source>Clear Label</source>
        <translation>Xóa nhãn</translation>
    </message>
    <message>
        <source>Save To Image</source>
        <translation>Lưu thành ảnh</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Close Form</source>
        <translation>Đóng cửa sổ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Disclaimer:<byte value="xd"/>
The maps are indicative only, as species requirements are incompletely known (and depend on provenance/cultivar), spatial data have low resolution, microclimate can differ and landscapes position and soil can modify suitability.</source>
        <translation>Miễn trừ trách nhiệm:</translation>
    </message>
    <message>
        <source>Point Id: %1</source>
        <translation>Mã điểm: %1</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Tỉnh</translation>
    </message>
    <message>
        <source>ALT minimum</source>
        <translation>ALT tối thiểu</translation>
    </message>
    <message>
        <source>ALT maximum</source>
        <translation>ALT tối đa</translation>
    </message>
    <message>
        <source>MAR minimum</source>
        <translation>MAR tối thiểu</translation>
    </message>
    <message>
        <source>MAR maximum</source>
        <translation>MAR tối đa</translation>
    </message>
    <message>
        <source>MAT minimum</source>
        <translation>MAT tối thiểu</translation>
    </message>
    <message>
        <source>MAT maximum</source>
        <translation>MAT tối đa</translation>
    </message>
    <message>
        <source>The %1 box of the map of %2 holds &quot;%3&quot;, which is not a number. Correct it and choose the command again.</source>
        <translation>Ô %1 trên bản đồ của %2 chứa &quot;%3&quot;, không phải là số. Hãy sửa lại rồi chọn lại lệnh.</translation>
    </message>
</context>
<context>
    <name>frmSearch</name>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <source>Search By</source>
        <translation>Tìm theo</translation>
    </message>
    <message>
        <source>Botanic Names</source>
        <translation>Tên khoa học</translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation>Tên thông thường</translation>
    </message>
    <message>
        <source>Search For</source>
        <translation>Nội dung cần tìm</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>frmSiteReport</name>
    <message>
        <source>Preview</source>
        <translation>Xem trước</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Lưu...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Site Report</source>
        <translation>Báo cáo địa điểm trồng</translation>
    </message>
    <message>
        <source>longitude, latitude (98.98, 18.79)</source>
        <translation>kinh độ, vĩ độ (98.98, 18.79)</translation>
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
        <translation>Vị trí:</translation>
    </message>
    <message>
        <source>Find place:</source>
        <translation>Tìm địa điểm:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Khổ giấy:</translation>
    </message>
    <message>
        <source>Functional uses (none checked: every use)</source>
        <translation>Công dụng (không chọn mục nào: mọi công dụng)</translation>
    </message>
    <message>
        <source>Type the position as longitude, latitude in degrees (98.98, 18.79), or find a place by name.</source>
        <translation>Nhập vị trí dưới dạng kinh độ, vĩ độ tính bằng độ (98.98, 18.79), hoặc tìm địa điểm theo tên.</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Số trang: %1</translation>
    </message>
    <message>
        <source>Save Site Report</source>
        <translation>Lưu báo cáo địa điểm trồng</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Tài liệu PDF (*.pdf)</translation>
    </message>
    <message>
        <source>HTML pages (*.html)</source>
        <translation>Trang HTML (*.html)</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Đã lưu vào %1</translation>
    </message>
</context>
<context>
    <name>frmSpecies</name>
    <message>
        <source>Choose Species</source>
        <translation>Chọn loài</translation>
    </message>
    <message>
        <source>Type Species Name</source>
        <translation>Nhập tên loài</translation>
    </message>
</context>
<context>
    <name>frmSpeciesCount</name>
    <message>
        <source>Species Count Map</source>
        <translation>Bản đồ số lượng loài</translation>
    </message>
    <message>
        <source>All uses</source>
        <translation>Mọi công dụng</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>Lưu ảnh...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Functional use:</source>
        <translation>Công dụng:</translation>
    </message>
    <message>
        <source>all uses</source>
        <translation>mọi công dụng</translation>
    </message>
    <message>
        <source>Climate: %1</source>
        <translation>Khí hậu: %1</translation>
    </message>
    <message>
        <source>Classes: %1</source>
        <translation>Phân lớp: %1</translation>
    </message>
    <message numerus="yes">
        <source>Species of %1 suitable at each grid point, of %n such species in the catalogue: every range of a species contains the point&apos;s ALT, MAR and MAT. With the Planting List tool (the tree), click the map to list them.</source>
        <translation>
            <numerusform>Các loài thích hợp (%1) tại mỗi điểm lưới, trong tổng số %n loài như vậy trong danh mục: mọi khoảng giá trị của loài đều chứa ALT, MAR và MAT của điểm đó. Dùng công cụ Danh sách cây trồng (biểu tượng cái cây) và nhấp vào bản đồ để liệt kê các loài này.</numerusform>
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
        <translation>silvaria: ngôn ngữ không xác định &quot;%1&quot;; hãy chọn một trong %2</translation>
    </message>
</context>
<context>
    <name>modLoadList</name>
    <message>
        <source>Species List</source>
        <translation>Danh sách loài</translation>
    </message>
    <message>
        <source>The species list could not be read: %1</source>
        <translation>Không đọc được danh sách loài: %1</translation>
    </message>
</context>
<context>
    <name>modLoadTree</name>
    <message>
        <source>Botanic Names</source>
        <translation>Tên khoa học</translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation>Tên thông thường</translation>
    </message>
</context>
<context>
    <name>splitter</name>
    <message>
        <source>A container object has not been assigned (set)for property [SplitterContainerControl]</source>
        <translation>Chưa gán (thiết lập) đối tượng chứa cho thuộc tính [SplitterContainerControl]</translation>
    </message>
</context>
</TS>
