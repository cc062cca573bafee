<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>AboutTexts</name>
    <message>
        <source>Copyright (C) 2026 the Silvaria developers. Free software under the GNU GPL.</source>
        <translation>ลิขสิทธิ์ (C) 2026 คณะผู้พัฒนา Silvaria ซอฟต์แวร์เสรีภายใต้สัญญาอนุญาต GNU GPL</translation>
    </message>
    <message>
        <source>Rainfall and temperature of the map grid are modelled, not observed.</source>
        <translation>ปริมาณน้ำฝนและอุณหภูมิของกริดแผนที่ได้จากแบบจำลอง ไม่ใช่ค่าที่ตรวจวัดจริง</translation>
    </message>
    <message>
        <source>Rainfall and temperature of the map grid: observed climate (see its sources.txt).</source>
        <translation>ปริมาณน้ำฝนและอุณหภูมิของกริดแผนที่: ข้อมูลภูมิอากาศจากการตรวจวัด (ดูไฟล์ sources.txt ของกริด)</translation>
    </message>
    <message>
        <source>Rainfall and temperature of the map grid: your own data (see its sources.txt).</source>
        <translation>ปริมาณน้ำฝนและอุณหภูมิของกริดแผนที่: ข้อมูลของท่านเอง (ดูไฟล์ sources.txt ของกริด)</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. It is free</source>
        <translation>คำเตือน: โปรแกรมนี้ได้รับความคุ้มครองตามกฎหมายลิขสิทธิ์ และเป็น</translation>
    </message>
    <message>
        <source>software: copy, change and share it under the GNU GPL, version 3 or</source>
        <translation>ซอฟต์แวร์เสรี: ท่านคัดลอก แก้ไข และเผยแพร่ได้ภายใต้ GNU GPL รุ่นที่ 3 หรือ</translation>
    </message>
    <message>
        <source>later; any other copying is not allowed. It comes with NO WARRANTY.</source>
        <translation>รุ่นที่ใหม่กว่า ห้ามคัดลอกในลักษณะอื่น โปรแกรมนี้ไม่มีการรับประกันใด ๆ ทั้งสิ้น</translation>
    </message>
    <message>
        <source>Map: Natural Earth boundaries and NOAA ETOPO5 altitude (public domain).</source>
        <translation>แผนที่: ขอบเขตจาก Natural Earth และความสูงจาก NOAA ETOPO5 (สาธารณสมบัติ)</translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0; filtered to the region.</source>
        <translation>สถานที่: GeoNames (geonames.org), CC BY 4.0 คัดเฉพาะพื้นที่ในภูมิภาค</translation>
    </message>
    <message>
        <source>Provinces: Natural Earth 1:10m (public domain); some names are dated.</source>
        <translation>จังหวัด: Natural Earth 1:10m (สาธารณสมบัติ) ชื่อบางแห่งอาจไม่เป็นปัจจุบัน</translation>
    </message>
    <message>
        <source>Catalogue and plates: Silvaria demonstration data from cited works.</source>
        <translation>บัญชีชนิดพันธุ์และภาพประกอบ: ข้อมูลสาธิตของ Silvaria จากเอกสารที่อ้างอิง</translation>
    </message>
    <message>
        <source>If you have any suggestion about this application</source>
        <translation>หากท่านมีข้อเสนอแนะเกี่ยวกับโปรแกรมนี้</translation>
    </message>
    <message>
        <source>please write to: %1</source>
        <translation>โปรดเขียนถึง: %1</translation>
    </message>
    <message>
        <source>Build Using</source>
        <translation>พัฒนาด้วย</translation>
    </message>
    <message>
        <source>Corrections to the translations are welcome:</source>
        <translation>ยินดีรับคำแนะนำเพื่อแก้ไขคำแปล:</translation>
    </message>
    <message>
        <source>see &quot;Translating Silvaria&quot; in the manual.</source>
        <translation>ดูหัวข้อ &quot;Translating Silvaria&quot; ในคู่มือ</translation>
    </message>
</context>
<context>
    <name>AnalysisMapView</name>
    <message>
        <source>Save Picture</source>
        <translation>บันทึกภาพ</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png)</source>
        <translation>ภาพ PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>AnalysisSubject</name>
    <message>
        <source>No species with the identifier %1 is in the catalogue. Choose a species in the species list first.</source>
        <translation>ไม่มีชนิดพันธุ์รหัส %1 ในบัญชีชนิดพันธุ์ โปรดเลือกชนิดพันธุ์ในรายชื่อชนิดพันธุ์ก่อน</translation>
    </message>
    <message>
        <source>the catalogue</source>
        <translation>บัญชีชนิดพันธุ์</translation>
    </message>
    <message>
        <source>the map window&apos;s boxes</source>
        <translation>ช่องค่าในหน้าต่างแผนที่</translation>
    </message>
    <message>
        <source>No species is chosen. Choose a species in the species list, or open its map, first.</source>
        <translation>ยังไม่ได้เลือกชนิดพันธุ์ โปรดเลือกชนิดพันธุ์ในรายชื่อชนิดพันธุ์ หรือเปิดแผนที่ของชนิดพันธุ์นั้นก่อน</translation>
    </message>
    <message>
        <source>%1 has no complete range of altitude, rainfall or temperature (%2), so no land can be matched to it.</source>
        <translation>%1 ไม่มีช่วงความสูง ปริมาณน้ำฝน หรืออุณหภูมิที่ครบถ้วน (%2) จึงไม่สามารถจับคู่พื้นที่ใดกับชนิดพันธุ์นี้ได้</translation>
    </message>
    <message>
        <source>The species</source>
        <translation>ชนิดพันธุ์นี้</translation>
    </message>
    <message>
        <source>%1 (SpID %2): %3, from %4</source>
        <translation>%1 (SpID %2): %3 จาก %4</translation>
    </message>
</context>
<context>
    <name>AppIdentity</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>รุ่น %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>AreaCommand</name>
    <message>
        <source>the province layer has no country &quot;%1&quot; (give a code such as TH, or a name)</source>
        <translation>ชั้นข้อมูลจังหวัดไม่มีประเทศ &quot;%1&quot; (โปรดระบุรหัส เช่น TH หรือชื่อประเทศ)</translation>
    </message>
    <message>
        <source>area -o writes the countries&apos; polygons, so it needs --by-country</source>
        <translation>area -o เขียนรูปหลายเหลี่ยมของประเทศ จึงต้องใช้คู่กับ --by-country</translation>
    </message>
    <message>
        <source>area -o takes a GeoPackage (.gpkg), not &quot;%1&quot;</source>
        <translation>area -o ต้องเป็นไฟล์ GeoPackage (.gpkg) ไม่ใช่ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The area in km2 of each class of the species&apos; map (altitude, rainfall, temperature, full match), in total or per country, and its share of the gridded land.</source>
        <translation>พื้นที่เป็น km2 ของแต่ละประเภทในแผนที่ของชนิดพันธุ์ (ความสูง ปริมาณน้ำฝน อุณหภูมิ ตรงทุกเกณฑ์) ทั้งหมดรวมกันหรือแยกรายประเทศ และสัดส่วนต่อพื้นที่ดินในกริด</translation>
    </message>
    <message>
        <source>Identifier, current name or synonym.</source>
        <translation>รหัส ชื่อที่ใช้ในปัจจุบัน หรือชื่อพ้อง</translation>
    </message>
    <message>
        <source>One row per country of the boundary layer.</source>
        <translation>หนึ่งแถวต่อหนึ่งประเทศในชั้นข้อมูลขอบเขต</translation>
    </message>
    <message>
        <source>One row per province of each country, and the country&apos;s row.</source>
        <translation>หนึ่งแถวต่อหนึ่งจังหวัดของแต่ละประเทศ พร้อมแถวรวมของประเทศนั้น</translation>
    </message>
    <message>
        <source>With --by-province, only this country (code such as TH, or name).</source>
        <translation>ใช้คู่กับ --by-province: เฉพาะประเทศนี้ (รหัส เช่น TH หรือชื่อประเทศ)</translation>
    </message>
    <message>
        <source>With --by-country, also write the countries&apos; polygons with their rows&apos; columns as a GeoPackage (.gpkg).</source>
        <translation>ใช้คู่กับ --by-country: เขียนรูปหลายเหลี่ยมของประเทศพร้อมคอลัมน์ของแต่ละแถวเป็นไฟล์ GeoPackage (.gpkg) ด้วย</translation>
    </message>
    <message>
        <source>area takes --by-country or --by-province, not both</source>
        <translation>area ใช้ได้เพียง --by-country หรือ --by-province อย่างใดอย่างหนึ่ง ไม่ใช่ทั้งสองอย่าง</translation>
    </message>
    <message>
        <source>area --country needs --by-province</source>
        <translation>area --country ต้องใช้คู่กับ --by-province</translation>
    </message>
    <message>
        <source>%1 has no province layer (province_bnd.shp)</source>
        <translation>%1 ไม่มีชั้นข้อมูลจังหวัด (province_bnd.shp)</translation>
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
        <translation>แสดงรายชื่อชนิดพันธุ์ที่เหมาะสมที่จุดกริดที่ใกล้ LON,LAT ที่สุด (ภายในระยะของเครื่องมือระบุข้อมูล) เช่นเดียวกับเครื่องมือชนิดพันธุ์ไม้ที่เหมาะสมบนแผนที่ หากใช้ --near-misses จะแสดงชนิดพันธุ์ที่ไม่ตรงเพียงหนึ่งช่วง และชนิดพันธุ์ที่มีข้อมูลช่วงไม่ครบถ้วนด้วย</translation>
    </message>
    <message>
        <source>Position in degrees, west and south negative (Yogyakarta: at 110.37,-7.8), or the name of a place, district or province (at &quot;Chiang Mai&quot;).</source>
        <translation>ตำแหน่งเป็นองศา โดยทิศตะวันตกและทิศใต้เป็นค่าลบ (ยอกยาการ์ตา: at 110.37,-7.8) หรือชื่อสถานที่ อำเภอ หรือจังหวัด (at &quot;Chiang Mai&quot;)</translation>
    </message>
    <message>
        <source>Only species of this use.</source>
        <translation>เฉพาะชนิดพันธุ์ที่มีการใช้ประโยชน์นี้</translation>
    </message>
    <message>
        <source>Also list near misses and incomplete ranges.</source>
        <translation>แสดงชนิดพันธุ์ที่เกือบเหมาะสมและชนิดพันธุ์ที่มีข้อมูลช่วงไม่ครบถ้วนด้วย</translation>
    </message>
    <message>
        <source>Largest miss relative to the range&apos;s width (default 0.25).</source>
        <translation>ระยะห่างจากช่วงที่ยอมรับได้มากที่สุด เทียบกับความกว้างของช่วง (ค่าเริ่มต้น 0.25)</translation>
    </message>
    <message>
        <source>no grid point lies within %1 degrees of %2,%3</source>
        <translation>ไม่มีจุดกริดอยู่ภายในระยะ %1 องศาจาก %2,%3</translation>
    </message>
    <message>
        <source>the grid point at %1,%2 has no %3 value, so no species can be matched to it</source>
        <translation>จุดกริดที่ %1,%2 ไม่มีค่า %3 จึงไม่สามารถจับคู่ชนิดพันธุ์ใดกับจุดนี้ได้</translation>
    </message>
    <message>
        <source>Place %1 at %2, %3
</source>
        <translation>สถานที่ %1 ที่พิกัด %2, %3
</translation>
    </message>
    <message>
        <source>Grid point %1, %2: ALT %3 m, MAR %4 mm, MAT %5 °C
</source>
        <translation>จุดกริด %1, %2: ALT %3 m, MAR %4 mm, MAT %5 °C
</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Glossary</source>
        <translation>อภิธานศัพท์</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>บทนำ</translation>
    </message>
</context>
<context>
    <name>CatalogueCommand</name>
    <message>
        <source>%1: no such folder of catalogue sources</source>
        <translation>%1: ไม่มีโฟลเดอร์ไฟล์ต้นฉบับของบัญชีชนิดพันธุ์นี้</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n problem(s)</source>
        <translation>
            <numerusform>%1: พบปัญหา %n รายการ</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no problems
</source>
        <translation>%1: ไม่พบปัญหา
</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n problem(s); %2 not written</source>
        <translation>
            <numerusform>%1: พบปัญหา %n รายการ; ไม่ได้เขียน %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not empty and holds no catalogue sources: export into a new folder</source>
        <translation>%1 ไม่ใช่โฟลเดอร์ว่างและไม่มีไฟล์ต้นฉบับของบัญชีชนิดพันธุ์: โปรดส่งออกไปยังโฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>%1 holds the folder %2, which export would not keep: export into a new folder</source>
        <translation>%1 มีโฟลเดอร์ %2 อยู่ ซึ่งการส่งออกจะไม่เก็บไว้: โปรดส่งออกไปยังโฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>%1 (any old folder is kept)</source>
        <translation>%1 (โฟลเดอร์เดิมยังคงอยู่)</translation>
    </message>
    <message>
        <source>catalogue takes build, export or check, not &quot;%1&quot;</source>
        <translation>catalogue ต้องตามด้วย build, export หรือ check ไม่ใช่ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The catalogue to export (SQLite or Access).</source>
        <translation>บัญชีชนิดพันธุ์ที่จะส่งออก (SQLite หรือ Access)</translation>
    </message>
    <message>
        <source>The folder of plain source files.</source>
        <translation>โฟลเดอร์ของไฟล์ต้นฉบับแบบข้อความธรรมดา</translation>
    </message>
    <message>
        <source>The folder of the photographs (NAME.jpg).</source>
        <translation>โฟลเดอร์ของภาพถ่าย (NAME.jpg)</translation>
    </message>
    <message>
        <source>The catalogue file to write.</source>
        <translation>ไฟล์บัญชีชนิดพันธุ์ที่จะเขียน</translation>
    </message>
    <message>
        <source>The folder of sources to write.</source>
        <translation>โฟลเดอร์ของไฟล์ต้นฉบับที่จะเขียน</translation>
    </message>
    <message>
        <source>a catalogue FILE</source>
        <translation>FILE ของบัญชีชนิดพันธุ์</translation>
    </message>
    <message>
        <source>a SOURCES folder</source>
        <translation>โฟลเดอร์ SOURCES</translation>
    </message>
    <message>
        <source>catalogue %1 needs -o %2</source>
        <translation>catalogue %1 ต้องระบุ -o %2</translation>
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
        <translation>ตรงเฉพาะความสูง</translation>
    </message>
    <message>
        <source>Rainfall match (but not all other criteria)</source>
        <translation>ตรงด้านปริมาณน้ำฝน (แต่ไม่ครบทุกเกณฑ์อื่น)</translation>
    </message>
    <message>
        <source>Temperature match (but not all other criteria)</source>
        <translation>ตรงด้านอุณหภูมิ (แต่ไม่ครบทุกเกณฑ์อื่น)</translation>
    </message>
    <message>
        <source>Species match (all criteria available)</source>
        <translation>เหมาะสมกับชนิดพันธุ์ (ตรงทุกเกณฑ์ที่มีข้อมูล)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>ข้อผิดพลาด</translation>
    </message>
    <message>
        <source>Warning : Potentially Invasive Species</source>
        <translation>คำเตือน : อาจเป็นชนิดพันธุ์รุกราน</translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>%1 (see silvaria-cli --help)</source>
        <translation>%1 (ดู silvaria-cli --help)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 ต้องระบุค่า</translation>
    </message>
    <message>
        <source>Rows as table, csv or json (sheet: text or html).</source>
        <translation>แสดงแถวเป็น table, csv หรือ json (สำหรับ sheet: text หรือ html)</translation>
    </message>
    <message>
        <source>Read the data of another application folder.</source>
        <translation>อ่านข้อมูลจากโฟลเดอร์โปรแกรมอื่น</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 ต้องระบุ %2</translation>
    </message>
    <message>
        <source>%1 takes one %2, not &quot;%3&quot;</source>
        <translation>%1 รับ %2 ได้เพียงหนึ่งค่า ไม่ใช่ &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--format of %1 is one of %2, not &quot;%3&quot;</source>
        <translation>--format ของ %1 ต้องเป็นหนึ่งใน %2 ไม่ใช่ &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1: no such application folder</source>
        <translation>%1: ไม่มีโฟลเดอร์โปรแกรมนี้</translation>
    </message>
    <message>
        <source>%1 takes a number, not &quot;%2&quot;</source>
        <translation>%1 ต้องเป็นตัวเลข ไม่ใช่ &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 takes %2 numbers separated by &quot;%3&quot;, not &quot;%4&quot;</source>
        <translation>%1 ต้องเป็นตัวเลข %2 ค่าคั่นด้วย &quot;%3&quot; ไม่ใช่ &quot;%4&quot;</translation>
    </message>
    <message>
        <source>--use is one of %1, not &quot;%2&quot;</source>
        <translation>--use ต้องเป็นหนึ่งใน %1 ไม่ใช่ &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>CliData</name>
    <message>
        <source>&quot;%1&quot; names several species</source>
        <translation>&quot;%1&quot; ตรงกับชื่อของหลายชนิดพันธุ์</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no species of the catalogue</source>
        <translation>&quot;%1&quot; ไม่ตรงกับชื่อชนิดพันธุ์ใดในบัญชีชนิดพันธุ์</translation>
    </message>
    <message>
        <source>Altitude range to use, in m.</source>
        <translation>ช่วงความสูงที่จะใช้ หน่วย m</translation>
    </message>
    <message>
        <source>Rainfall range to use, in mm.</source>
        <translation>ช่วงปริมาณน้ำฝนที่จะใช้ หน่วย mm</translation>
    </message>
    <message>
        <source>a picture (.png or .bmp), a GeoTIFF (.tif or .tiff) or a GeoPackage (.gpkg)</source>
        <translation>ภาพ (.png หรือ .bmp), GeoTIFF (.tif หรือ .tiff) หรือ GeoPackage (.gpkg)</translation>
    </message>
    <message>
        <source>-o FILE is needed: %1</source>
        <translation>ต้องระบุ -o FILE: %1</translation>
    </message>
    <message>
        <source>-o takes %1, not &quot;%2&quot;</source>
        <translation>-o ต้องเป็น %1 ไม่ใช่ &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Temperature range to use, in °C.</source>
        <translation>ช่วงอุณหภูมิที่จะใช้ หน่วย °C</translation>
    </message>
</context>
<context>
    <name>CliProgram</name>
    <message>
        <source>no command given</source>
        <translation>ไม่ได้ระบุคำสั่ง</translation>
    </message>
    <message>
        <source>silvaria-cli %1.%2.%3
</source>
        <translation>silvaria-cli %1.%2.%3
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>ไม่รู้จักคำสั่ง &quot;%1&quot;</translation>
    </message>
    <message>
        <source>silvaria-cli: %1
</source>
        <translation>silvaria-cli: %1
</translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation>--lang ต้องระบุรหัสภาษา</translation>
    </message>
    <message>
        <source>--lang is one of %1, not &quot;%2&quot;</source>
        <translation>--lang ต้องเป็นหนึ่งใน %1 ไม่ใช่ &quot;%2&quot;</translation>
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
        <translation>วิธีใช้: silvaria-cli COMMAND [OPTIONS]

คำสั่ง:
  species [--search TEXT] [--use USE]        รายชื่อชนิดพันธุ์ (SpID, ชื่อ, การใช้ประโยชน์)
  sheet SPECIES [--format text|html]         เอกสารข้อมูลของชนิดพันธุ์
  map SPECIES -o FILE                        แผนที่ความเหมาะสมพร้อมข้อความระบุแหล่งข้อมูล
      [--alt MIN,MAX] [--mar MIN,MAX] [--mat MIN,MAX] [--size WxH] [--extent W,S,E,N|PLACE]
  map --all -o FOLDER                        ภาพแผนที่หนึ่งภาพต่อหนึ่งชนิดพันธุ์
  at LON,LAT|PLACE [--country CC] [--use USE] [--near-misses]
                                             ชนิดพันธุ์ที่เหมาะสมที่จุดกริดที่ใกล้ที่สุด
  report LON,LAT|PLACE -o FILE.pdf|FILE.html รายงานพื้นที่ปลูกของตำแหน่งหนึ่งสำหรับพิมพ์
      [--use USE ...] [--paper a4|letter] [--scenario NAME]
  places TEXT [--country CC] [--limit N]     สถานที่ อำเภอ และจังหวัด ค้นตามชื่อ
  area SPECIES [--by-country [-o FILE.gpkg]] พื้นที่ที่เหมาะสมเป็น km2 แยกตามประเภท (และประเทศ)
  area SPECIES --by-province [--country CC]  เช่นเดียวกันแต่แยกรายจังหวัด ของประเทศเดียวหรือทุกประเทศ
  count [--use USE] [--scenario NAME] -o FILE [--points FILE.csv]
                                             จำนวนชนิดพันธุ์ที่เหมาะสมในแต่ละจุดกริด
  shift SPECIES --dt DT --dp DP [-o FILE] [--by-country]
                                             พื้นที่ตรงทุกเกณฑ์ภายใต้การเปลี่ยนแปลงภูมิอากาศแบบเท่ากันทุกจุด
  shift SPECIES --scenario NAME [-o FILE] [--by-country]
                                             พื้นที่ตรงทุกเกณฑ์ภายใต้ภูมิอากาศของฉากทัศน์ที่ติดตั้งไว้
  scenarios                                  กริดฉากทัศน์ที่ติดตั้งไว้และแหล่งข้อมูล
  grid build --alt FILE --mar FILE --mat FILE --extent W,S,E,N --step MINUTES -o FOLDER
      [--countries FILE [--name-field FIELD]] [--mat-scale F] [--mat-offset D] [--mar-scale F]
                                             กริดแผนที่จากข้อมูลแรสเตอร์ของท่านเอง
  grid fetch worldclim --res 10m|5m|2.5m|30s [--extent W,S,E,N] [--step MINUTES] -o FOLDER
                                             กริดแผนที่จาก WorldClim 2.1 (ผ่านเครือข่าย)
  grid fetch worldclim --res RES --future GCM SSP PERIOD [-o FOLDER]
                                             กริดฉากทัศน์จากภาพฉาย CMIP6
  catalogue build SOURCES -o FILE            บัญชีชนิดพันธุ์จากไฟล์ข้อความธรรมดา
  catalogue export FILE -o SOURCES           บัญชีชนิดพันธุ์ (SQLite หรือ Access) เป็นไฟล์ข้อความธรรมดา
  catalogue check SOURCES [--images DIR]     ปัญหาทั้งหมดของไฟล์ข้อความธรรมดา พร้อมชื่อไฟล์และบรรทัด
  serve [--listen ADDR:PORT]                 บัญชีชนิดพันธุ์ แผนที่ และชนิดพันธุ์ที่เหมาะสม เป็นหน้าเว็บ
                                             (ค่าเริ่มต้น 127.0.0.1:8080; ใช้ 0.0.0.0:8080 สำหรับเครือข่าย)

ตัวเลือกทั่วไป:
  --format table|csv|json   รูปแบบการแสดงแถว (ค่าเริ่มต้น table)
  --app-folder DIR          อ่านข้อมูลจากโฟลเดอร์โปรแกรมอื่น
  --help                    ข้อความนี้ หรือข้อความของแต่ละคำสั่ง (silvaria-cli map --help)
  --version                 รุ่นของโปรแกรม

FILE ของ map, count และ shift เป็นภาพ (.png, .bmp), GeoTIFF ของประเภทหรือ
จำนวนชนิดพันธุ์ (.tif) หรือ GeoPackage ของจุดกริด (.gpkg); area เขียนข้อมูลของประเทศ
SPECIES คือรหัส หรือชื่อที่ใช้ในปัจจุบัน หรือชื่อพ้อง (ไม่สนใจตัวพิมพ์เล็ก-ใหญ่และเครื่องหมายกำกับเสียง)
PLACE คือชื่อสถานที่ อำเภอ หรือจังหวัดในภูมิภาค (&quot;Chiang Mai&quot;); หากชื่อใด
ตรงกับหลายสถานที่ โปรแกรมจะไม่รับและแสดงรายชื่อสถานที่เหล่านั้น ซึ่ง --country CC ช่วยจำกัดให้แคบลงได้
USE คือหนึ่งใน Timber, Fruit, Resin, Fodder, Firewood, Charcoal, Bamboo, Rattan, Others
ตัวเลือกทั่วไปวางไว้ก่อนคำสั่งก็ได้ (silvaria-cli --format csv at ...)
ค่าที่ขึ้นต้นด้วย &quot;-&quot; ให้เขียนต่อจาก &quot;=&quot; (--extent=-10,...) หรือหลัง &quot;--&quot;
รหัสการออกจากโปรแกรม: 0 สำเร็จ, 1 ใช้คำสั่งไม่ถูกต้อง, 2 ข้อมูลผิดพลาด, 3 ไม่ได้เขียนผลลัพธ์
</translation>
    </message>
</context>
<context>
    <name>ClimateShift</name>
    <message>
        <source>uniform shift of the grid&apos;s climate, not a climate projection</source>
        <translation>การเปลี่ยนแปลงภูมิอากาศของกริดแบบเท่ากันทุกจุด ไม่ใช่ภาพฉายภูมิอากาศ</translation>
    </message>
</context>
<context>
    <name>CountCommand</name>
    <message>
        <source>How many species (of one use) are suitable at each grid point, by the rule of the Suitable Tree Species tool; drawn as a map, the points optionally as CSV.</source>
        <translation>จำนวนชนิดพันธุ์ (ของการใช้ประโยชน์หนึ่ง) ที่เหมาะสมในแต่ละจุดกริด ตามหลักเกณฑ์ของเครื่องมือชนิดพันธุ์ไม้ที่เหมาะสม แสดงผลเป็นแผนที่ และเลือกเขียนข้อมูลจุดเป็น CSV ได้</translation>
    </message>
    <message>
        <source>Only species of this use.</source>
        <translation>เฉพาะชนิดพันธุ์ที่มีการใช้ประโยชน์นี้</translation>
    </message>
    <message>
        <source>The file to write: a picture (.png or .bmp), a GeoTIFF of the counts (.tif) or a GeoPackage of the grid&apos;s points (.gpkg).</source>
        <translation>ไฟล์ที่จะเขียน: ภาพ (.png หรือ .bmp), GeoTIFF ของจำนวนชนิดพันธุ์ (.tif) หรือ GeoPackage ของจุดกริด (.gpkg)</translation>
    </message>
    <message>
        <source>Also write POINTID, LON, LAT, COUNT per grid point.</source>
        <translation>เขียน POINTID, LON, LAT, COUNT ของแต่ละจุดกริดด้วย</translation>
    </message>
    <message>
        <source>Picture size in pixels (default 1000x750).</source>
        <translation>ขนาดภาพเป็นพิกเซล (ค่าเริ่มต้น 1000x750)</translation>
    </message>
    <message>
        <source>Count on the climate of this installed scenario grid (silvaria-cli scenarios lists them).</source>
        <translation>นับตามภูมิอากาศของกริดฉากทัศน์ที่ติดตั้งไว้นี้ (silvaria-cli scenarios แสดงรายชื่อกริดฉากทัศน์)</translation>
    </message>
    <message>
        <source>count takes no argument &quot;%1&quot;</source>
        <translation>count ไม่รับอาร์กิวเมนต์ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Climate: %1
</source>
        <translation>ภูมิอากาศ: %1
</translation>
    </message>
    <message>
        <source>Classes: %1
</source>
        <translation>การแบ่งระดับ: %1
</translation>
    </message>
</context>
<context>
    <name>FactSheet</name>
    <message>
        <source>-Species Identity-</source>
        <translation>-ข้อมูลประจำชนิดพันธุ์-</translation>
    </message>
    <message>
        <source>1. Taxonomy</source>
        <translation>1. อนุกรมวิธาน</translation>
    </message>
    <message>
        <source>2. Synonym(s)</source>
        <translation>2. ชื่อพ้อง</translation>
    </message>
    <message>
        <source>3. Common Names</source>
        <translation>3. ชื่อสามัญ</translation>
    </message>
    <message>
        <source>4. Botanic Descriptions</source>
        <translation>4. ลักษณะทางพฤกษศาสตร์</translation>
    </message>
    <message>
        <source>-Ecology and Distribution-</source>
        <translation>-นิเวศวิทยาและการกระจายพันธุ์-</translation>
    </message>
    <message>
        <source>1. History of Cultivation</source>
        <translation>1. ประวัติการเพาะปลูก</translation>
    </message>
    <message>
        <source>2. Natural Habitat</source>
        <translation>2. ถิ่นที่อยู่ตามธรรมชาติ</translation>
    </message>
    <message>
        <source>3. Geographic Distribution</source>
        <translation>3. การกระจายพันธุ์ทางภูมิศาสตร์</translation>
    </message>
    <message>
        <source>4. Biophysical Limits</source>
        <translation>4. ขีดจำกัดทางชีวกายภาพ</translation>
    </message>
    <message>
        <source>5. Reproductive Biology</source>
        <translation>5. ชีววิทยาการสืบพันธุ์</translation>
    </message>
    <message>
        <source>-Propagation and Management-</source>
        <translation>-การขยายพันธุ์และการจัดการ-</translation>
    </message>
    <message>
        <source>1. Propagation Methods</source>
        <translation>1. วิธีการขยายพันธุ์</translation>
    </message>
    <message>
        <source>2. Tree Management</source>
        <translation>2. การจัดการต้นไม้</translation>
    </message>
    <message>
        <source>3. Germplasm Management</source>
        <translation>3. การจัดการเชื้อพันธุกรรม</translation>
    </message>
    <message>
        <source>-Functional Uses-</source>
        <translation>-การใช้ประโยชน์-</translation>
    </message>
    <message>
        <source>1. Products</source>
        <translation>1. ผลิตภัณฑ์</translation>
    </message>
    <message>
        <source>2. Services</source>
        <translation>2. ประโยชน์ด้านบริการ</translation>
    </message>
    <message>
        <source>3. Pests and Diseases</source>
        <translation>3. โรคและแมลงศัตรู</translation>
    </message>
    <message>
        <source>-Additional Information-</source>
        <translation>-ข้อมูลเพิ่มเติม-</translation>
    </message>
    <message>
        <source>1. Properties</source>
        <translation>1. คุณสมบัติ</translation>
    </message>
    <message>
        <source>2. Trade</source>
        <translation>2. การค้า</translation>
    </message>
    <message>
        <source>3. Yields</source>
        <translation>3. ผลผลิต</translation>
    </message>
    <message>
        <source>4. Genetic</source>
        <translation>4. พันธุกรรม</translation>
    </message>
    <message>
        <source>5. Prospects</source>
        <translation>5. แนวโน้มและศักยภาพ</translation>
    </message>
    <message>
        <source>-Bibliography-</source>
        <translation>-เอกสารอ้างอิง-</translation>
    </message>
    <message>
        <source>Current Name: %1</source>
        <translation>ชื่อที่ใช้ในปัจจุบัน: %1</translation>
    </message>
    <message>
        <source>Authority: %1</source>
        <translation>ผู้ตั้งชื่อ: %1</translation>
    </message>
    <message>
        <source>Family: %1</source>
        <translation>วงศ์: %1</translation>
    </message>
    <message>
        <source>- No Data -</source>
        <translation>- ไม่มีข้อมูล -</translation>
    </message>
    <message>
        <source>(Native) : %1</source>
        <translation>(พื้นเมือง) : %1</translation>
    </message>
    <message>
        <source>(Exotic) : %1</source>
        <translation>(ต่างถิ่น) : %1</translation>
    </message>
    <message>
        <source>No species has the identifier %1.</source>
        <translation>ไม่มีชนิดพันธุ์ที่มีรหัส %1</translation>
    </message>
</context>
<context>
    <name>FeatureLabel</name>
    <message>
        <source>the %1 &quot;%2&quot; is not a number</source>
        <translation>ค่า%1 &quot;%2&quot; ไม่ใช่ตัวเลข</translation>
    </message>
    <message>
        <source>the file ends before the last label</source>
        <translation>ไฟล์จบก่อนถึงป้ายชื่อสุดท้าย</translation>
    </message>
    <message>
        <source>a label text has no closing quote</source>
        <translation>ข้อความของป้ายชื่อไม่มีเครื่องหมายอัญประกาศปิด</translation>
    </message>
    <message>
        <source>a label record has %1 fields instead of 3</source>
        <translation>ระเบียนป้ายชื่อมี %1 ฟิลด์ แต่ควรมี 3 ฟิลด์</translation>
    </message>
    <message>
        <source>a position record has %1 fields instead of 2</source>
        <translation>ระเบียนตำแหน่งมี %1 ฟิลด์ แต่ควรมี 2 ฟิลด์</translation>
    </message>
    <message>
        <source>shape type</source>
        <translation>ชนิดรูปร่าง</translation>
    </message>
    <message>
        <source>the shape type &quot;%1&quot; is not a whole number</source>
        <translation>ชนิดรูปร่าง &quot;%1&quot; ไม่ใช่จำนวนเต็ม</translation>
    </message>
    <message>
        <source>height</source>
        <translation>ความสูง</translation>
    </message>
    <message>
        <source>x coordinate</source>
        <translation>พิกัด x</translation>
    </message>
    <message>
        <source>y coordinate</source>
        <translation>พิกัด y</translation>
    </message>
    <message>
        <source>the first line &quot;%1&quot; is not a label count</source>
        <translation>บรรทัดแรก &quot;%1&quot; ไม่ใช่จำนวนป้ายชื่อ</translation>
    </message>
    <message>
        <source>%1 labels are more than the map can hold</source>
        <translation>ป้ายชื่อ %1 ป้ายมากเกินกว่าที่แผนที่จะรองรับได้</translation>
    </message>
</context>
<context>
    <name>FetchCommand</name>
    <message>
        <source>--future takes GCM SSP PERIOD (--future MPI-ESM1-2-HR ssp245 2041-2060)</source>
        <translation>--future ต้องตามด้วย GCM SSP PERIOD (--future MPI-ESM1-2-HR ssp245 2041-2060)</translation>
    </message>
    <message>
        <source>--future takes plain names (letters, digits, &apos;-&apos; and &apos;.&apos;), not &quot;%1&quot;</source>
        <translation>--future รับเฉพาะชื่อแบบธรรมดา (ตัวอักษร ตัวเลข &apos;-&apos; และ &apos;.&apos;) ไม่ใช่ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The dataset: WorldClim 2.1 (worldclim.org).</source>
        <translation>ชุดข้อมูล: WorldClim 2.1 (worldclim.org)</translation>
    </message>
    <message>
        <source>WorldClim&apos;s resolution: 10m, 5m, 2.5m or 30s.</source>
        <translation>ความละเอียดของ WorldClim: 10m, 5m, 2.5m หรือ 30s</translation>
    </message>
    <message>
        <source>A scenario grid on the points of the grid in -o (default: the application&apos;s ShapeFiles), from a CMIP6 projection.</source>
        <translation>กริดฉากทัศน์บนจุดของกริดใน -o (ค่าเริ่มต้น: ShapeFiles ของโปรแกรม) จากภาพฉาย CMIP6</translation>
    </message>
    <message>
        <source>A mirror or local copy in place of %1, with the same paths below it.</source>
        <translation>เซิร์ฟเวอร์สำรองหรือสำเนาในเครื่องที่ใช้แทน %1 โดยมีเส้นทางย่อยเหมือนกัน</translation>
    </message>
    <message>
        <source>--future takes three words: --future GCM SSP PERIOD</source>
        <translation>--future ต้องตามด้วยสามคำ: --future GCM SSP PERIOD</translation>
    </message>
    <message>
        <source>grid fetch takes the dataset worldclim, not &quot;%1&quot;</source>
        <translation>grid fetch รับเฉพาะชุดข้อมูล worldclim ไม่ใช่ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>grid fetch needs --res %1</source>
        <translation>grid fetch ต้องระบุ --res %1</translation>
    </message>
    <message>
        <source>--res is one of %1, not &quot;%2&quot;</source>
        <translation>--res ต้องเป็นหนึ่งใน %1 ไม่ใช่ &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--base-url takes an http:// or https:// address, not &quot;%1&quot;</source>
        <translation>--base-url ต้องเป็นที่อยู่ http:// หรือ https:// ไม่ใช่ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: no such application folder</source>
        <translation>%1: ไม่มีโฟลเดอร์โปรแกรมนี้</translation>
    </message>
    <message>
        <source>%1 (nothing was changed)</source>
        <translation>%1 (ไม่มีการเปลี่ยนแปลงใด ๆ)</translation>
    </message>
    <message>
        <source>--%1 does not go with --future: a scenario takes its grid&apos;s points</source>
        <translation>--%1 ใช้คู่กับ --future ไม่ได้: ฉากทัศน์ใช้จุดของกริดเดิม</translation>
    </message>
</context>
<context>
    <name>FindPlaceBox</name>
    <message>
        <source>district</source>
        <translation>อำเภอ</translation>
    </message>
    <message>
        <source>province</source>
        <translation>จังหวัด</translation>
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
        <translation>ค้นหาสถานที่ (Ctrl+L)</translation>
    </message>
    <message>
        <source>Type a town, district or province in any script; choose one to see what suits it there.</source>
        <translation>พิมพ์ชื่อเมือง อำเภอ หรือจังหวัด ด้วยอักษรใดก็ได้ แล้วเลือกหนึ่งรายการเพื่อดูว่าชนิดพันธุ์ใดเหมาะสมกับที่นั่น</translation>
    </message>
    <message>
        <source>Places unavailable</source>
        <translation>ไม่มีข้อมูลสถานที่</translation>
    </message>
    <message>
        <source>Places are unavailable: %1</source>
        <translation>ไม่สามารถใช้ข้อมูลสถานที่ได้: %1</translation>
    </message>
</context>
<context>
    <name>FolderBuild</name>
    <message>
        <source>%1 is a link to %2, which does not exist (nothing was changed)</source>
        <translation>%1 เป็นลิงก์ไปยัง %2 ซึ่งไม่มีอยู่จริง (ไม่มีการเปลี่ยนแปลงใด ๆ)</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 เป็นไฟล์ ไม่ใช่โฟลเดอร์</translation>
    </message>
    <message>
        <source>Cannot create a folder beside %1 (nothing was changed)</source>
        <translation>ไม่สามารถสร้างโฟลเดอร์ไว้คู่กับ %1 ได้ (ไม่มีการเปลี่ยนแปลงใด ๆ)</translation>
    </message>
    <message>
        <source>Cannot copy %1 into %2 (nothing was changed)</source>
        <translation>ไม่สามารถคัดลอก %1 ไปยัง %2 ได้ (ไม่มีการเปลี่ยนแปลงใด ๆ)</translation>
    </message>
    <message>
        <source>Cannot move %1 aside (nothing was changed)</source>
        <translation>ไม่สามารถย้าย %1 ออกไปพักไว้ได้ (ไม่มีการเปลี่ยนแปลงใด ๆ)</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2 (nothing was changed)</source>
        <translation>ไม่สามารถย้าย %1 ไปยัง %2 ได้ (ไม่มีการเปลี่ยนแปลงใด ๆ)</translation>
    </message>
</context>
<context>
    <name>FunctionalUses</name>
    <message>
        <source>Timber</source>
        <translation>เนื้อไม้</translation>
    </message>
    <message>
        <source>Fruit</source>
        <translation>ผลไม้</translation>
    </message>
    <message>
        <source>Resin</source>
        <translation>ยางไม้</translation>
    </message>
    <message>
        <source>Fodder</source>
        <translation>อาหารสัตว์</translation>
    </message>
    <message>
        <source>Firewood</source>
        <translation>ไม้ฟืน</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>ถ่าน</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>ไผ่</translation>
    </message>
    <message>
        <source>Rattan</source>
        <translation>หวาย</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>อื่น ๆ</translation>
    </message>
</context>
<context>
    <name>GdalOutputFile</name>
    <message>
        <source>GDAL could not write it</source>
        <translation>GDAL ไม่สามารถเขียนไฟล์นี้ได้</translation>
    </message>
</context>
<context>
    <name>GeoPackageOutput</name>
    <message>
        <source>%1: GDAL cannot read its polygons</source>
        <translation>%1: GDAL ไม่สามารถอ่านรูปหลายเหลี่ยมของไฟล์นี้ได้</translation>
    </message>
</context>
<context>
    <name>GeoTiffOutput</name>
    <message>
        <source>%1: too many values for one band</source>
        <translation>%1: มีค่ามากเกินไปสำหรับแบนด์เดียว</translation>
    </message>
</context>
<context>
    <name>GridBuilder</name>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>ไม่สามารถสร้าง %1 ได้: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>ไม่สามารถเขียน %1 ได้: %2</translation>
    </message>
</context>
<context>
    <name>GridCommand</name>
    <message>
        <source>Multiply the rainfall values by this (default 1).</source>
        <translation>คูณค่าปริมาณน้ำฝนด้วยค่านี้ (ค่าเริ่มต้น 1)</translation>
    </message>
    <message>
        <source>Multiply the temperature values by this (0.1 for tenths).</source>
        <translation>คูณค่าอุณหภูมิด้วยค่านี้ (0.1 สำหรับข้อมูลที่มีหน่วยเป็นหนึ่งในสิบองศา)</translation>
    </message>
    <message>
        <source>Then add this to the temperature (-273.15 for kelvin).</source>
        <translation>จากนั้นบวกค่านี้เข้ากับอุณหภูมิ (-273.15 สำหรับหน่วยเคลวิน)</translation>
    </message>
    <message>
        <source>grid build needs --alt, --mar and --mat</source>
        <translation>grid build ต้องระบุ --alt, --mar และ --mat</translation>
    </message>
    <message>
        <source>--%1 takes a band number from 1, not &quot;%2&quot;</source>
        <translation>--%1 ต้องเป็นหมายเลขแบนด์ตั้งแต่ 1 ขึ้นไป ไม่ใช่ &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--%1 cannot be 0</source>
        <translation>--%1 เป็น 0 ไม่ได้</translation>
    </message>
    <message>
        <source>grid takes build or fetch, not &quot;%1&quot;</source>
        <translation>grid ต้องตามด้วย build หรือ fetch ไม่ใช่ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>grid build takes no argument &quot;%1&quot;</source>
        <translation>grid build ไม่รับอาร์กิวเมนต์ &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>GridFolder</name>
    <message>
        <source>%1 holds folders (scenarios made for its points, or others), which the build would not keep: move them away or give another folder</source>
        <translation>%1 มีโฟลเดอร์ย่อยอยู่ (ฉากทัศน์ที่สร้างไว้สำหรับจุดของกริดนี้ หรือโฟลเดอร์อื่น ๆ) ซึ่งการสร้างจะไม่เก็บไว้: โปรดย้ายออกไปหรือระบุโฟลเดอร์อื่น</translation>
    </message>
    <message>
        <source>no cell of the extent has all three values (nothing was written)</source>
        <translation>ไม่มีเซลล์ใดในขอบเขตที่มีค่าครบทั้งสามค่า (ไม่ได้เขียนสิ่งใด)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>ไม่สามารถเขียน %1 ได้: %2</translation>
    </message>
</context>
<context>
    <name>GridOptions</name>
    <message>
        <source>Country boundaries (any vector source GDAL reads).</source>
        <translation>ขอบเขตประเทศ (แหล่งข้อมูลเวกเตอร์ใดก็ได้ที่ GDAL อ่านได้)</translation>
    </message>
    <message>
        <source>The field of the country name (default NAME).</source>
        <translation>ฟิลด์ชื่อประเทศ (ค่าเริ่มต้น NAME)</translation>
    </message>
    <message>
        <source>The grid&apos;s extent in degrees.</source>
        <translation>ขอบเขตของกริดเป็นองศา</translation>
    </message>
    <message>
        <source>The cell size in arc minutes.</source>
        <translation>ขนาดเซลล์เป็นลิปดา</translation>
    </message>
    <message>
        <source>%1 needs --extent W,S,E,N and --step MINUTES</source>
        <translation>%1 ต้องระบุ --extent W,S,E,N และ --step MINUTES</translation>
    </message>
    <message>
        <source>--step takes arc minutes from 0.01 to 600, not &quot;%1&quot;</source>
        <translation>--step ต้องเป็นค่าลิปดาตั้งแต่ 0.01 ถึง 600 ไม่ใช่ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 needs -o FOLDER</source>
        <translation>%1 ต้องระบุ -o FOLDER</translation>
    </message>
    <message>
        <source>--name-field goes with --countries</source>
        <translation>--name-field ต้องใช้คู่กับ --countries</translation>
    </message>
</context>
<context>
    <name>GridProgress</name>
    <message>
        <source>%1: %2 s: %3
</source>
        <translation>%1: %2 วินาที: %3
</translation>
    </message>
</context>
<context>
    <name>GridRaster</name>
    <message>
        <source>GDAL cannot read it</source>
        <translation>GDAL ไม่สามารถอ่านไฟล์นี้ได้</translation>
    </message>
</context>
<context>
    <name>HtmlViewer</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Page not found&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The page file &lt;b&gt;%1&lt;/b&gt; is missing.&lt;/p&gt;&lt;p&gt;Silvaria reads its manual and glossary from the &lt;i&gt;Help&lt;/i&gt; and &lt;i&gt;HTML&lt;/i&gt; folders beside the program. Install the program again to restore them.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;ไม่พบหน้า&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;ไม่พบหน้า&lt;/h2&gt;&lt;p&gt;ไม่พบไฟล์หน้า &lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Silvaria อ่านคู่มือและอภิธานศัพท์จากโฟลเดอร์ &lt;i&gt;Help&lt;/i&gt; และ &lt;i&gt;HTML&lt;/i&gt; ที่อยู่คู่กับโปรแกรม โปรดติดตั้งโปรแกรมใหม่อีกครั้งเพื่อกู้คืนโฟลเดอร์ดังกล่าว&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>Icons</name>
    <message>
        <source>Agroforestry tree species of South-East Asia</source>
        <translation>ชนิดพันธุ์ไม้วนเกษตรของเอเชียตะวันออกเฉียงใต้</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>รุ่น 2.0</translation>
    </message>
</context>
<context>
    <name>LabelLayer</name>
    <message>
        <source>The labels could not be saved to %1: %2.</source>
        <translation>ไม่สามารถบันทึกป้ายชื่อลงใน %1 ได้: %2</translation>
    </message>
    <message>
        <source>The labels could not be read from %1: %2.</source>
        <translation>ไม่สามารถอ่านป้ายชื่อจาก %1 ได้: %2</translation>
    </message>
    <message>
        <source>The map holds %1 labels, the most it can.</source>
        <translation>แผนที่มีป้ายชื่อ %1 ป้ายแล้ว ซึ่งเป็นจำนวนสูงสุดที่รองรับได้</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>ภาษา</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>File</source>
        <translation>ไฟล์</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>ออก</translation>
    </message>
    <message>
        <source>View</source>
        <translation>มุมมอง</translation>
    </message>
    <message>
        <source>Botanic Names (All)</source>
        <translation>ชื่อพฤกษศาสตร์ (ทั้งหมด)</translation>
    </message>
    <message>
        <source>Common Names (All)</source>
        <translation>ชื่อสามัญ (ทั้งหมด)</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>ค้นหา</translation>
    </message>
    <message>
        <source>Image Selected Record</source>
        <translation>ภาพของรายการที่เลือก</translation>
    </message>
    <message>
        <source>Arboplot</source>
        <translation>แผนที่ Arboplot</translation>
    </message>
    <message>
        <source>Arboplot Comparison</source>
        <translation>เปรียบเทียบแผนที่ Arboplot</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>การวิเคราะห์</translation>
    </message>
    <message>
        <source>Suitable Area by Country...</source>
        <translation>พื้นที่ที่เหมาะสมรายประเทศ...</translation>
    </message>
    <message>
        <source>Species Count Map...</source>
        <translation>แผนที่จำนวนชนิดพันธุ์...</translation>
    </message>
    <message>
        <source>Climate Shift...</source>
        <translation>การเปลี่ยนแปลงภูมิอากาศ...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>บทนำ</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>อภิธานศัพท์</translation>
    </message>
    <message>
        <source>About</source>
        <translation>เกี่ยวกับโปรแกรม</translation>
    </message>
    <message>
        <source>View Botanic Names (All)</source>
        <translation>แสดงชื่อพฤกษศาสตร์ (ทั้งหมด)</translation>
    </message>
    <message>
        <source>View Common Names (All)</source>
        <translation>แสดงชื่อสามัญ (ทั้งหมด)</translation>
    </message>
    <message>
        <source>View Species Image</source>
        <translation>แสดงภาพชนิดพันธุ์</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>คู่มือ</translation>
    </message>
    <message>
        <source>Move Previous Form</source>
        <translation>ไปหน้าต่างก่อนหน้า</translation>
    </message>
    <message>
        <source>Move Next Form</source>
        <translation>ไปหน้าต่างถัดไป</translation>
    </message>
    <message>
        <source>Close Active Form</source>
        <translation>ปิดหน้าต่างที่ใช้งานอยู่</translation>
    </message>
    <message>
        <source>Species Count Map</source>
        <translation>แผนที่จำนวนชนิดพันธุ์</translation>
    </message>
    <message>
        <source>Climate Shift</source>
        <translation>การเปลี่ยนแปลงภูมิอากาศ</translation>
    </message>
    <message>
        <source>Site Report...</source>
        <translation>รายงานพื้นที่ปลูก...</translation>
    </message>
</context>
<context>
    <name>MapClasses</name>
    <message>
        <source>no species suits any grid point</source>
        <translation>ไม่มีชนิดพันธุ์ใดเหมาะกับจุดกริดใดเลย</translation>
    </message>
    <message>
        <source>one class per number of species, up to %1, the most at any grid point</source>
        <translation>หนึ่งระดับต่อจำนวนชนิดพันธุ์แต่ละค่า สูงสุด %1 ชนิด ซึ่งเป็นจำนวนมากที่สุดที่พบในจุดกริดใดจุดหนึ่ง</translation>
    </message>
    <message>
        <source>equal steps of %1 species from 1 to %2, the most at any grid point</source>
        <translation>ช่วงเท่ากันช่วงละ %1 ชนิด ตั้งแต่ 1 ถึง %2 ชนิด ซึ่งเป็นจำนวนมากที่สุดที่พบในจุดกริดใดจุดหนึ่ง</translation>
    </message>
</context>
<context>
    <name>MapCommand</name>
    <message>
        <source>--classes lists alt, mar, mat, full, not &quot;%1&quot;</source>
        <translation>--classes ต้องเป็นรายการจาก alt, mar, mat, full ไม่ใช่ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>map --all needs -o FOLDER</source>
        <translation>map --all ต้องระบุ -o FOLDER</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: ไม่สามารถสร้างโฟลเดอร์ได้</translation>
    </message>
    <message numerus="yes">
        <source>%n maps written to %1
</source>
        <translation>
            <numerusform>เขียนภาพแผนที่ %n ภาพลงใน %1 แล้ว
</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws the suitability map of a species (altitude, rainfall, temperature and full match over the country boundaries) with a legend and a source stamp.</source>
        <translation>วาดแผนที่ความเหมาะสมของชนิดพันธุ์ (ความสูง ปริมาณน้ำฝน อุณหภูมิ และตรงทุกเกณฑ์ บนขอบเขตประเทศ) พร้อมคำอธิบายสัญลักษณ์และข้อความระบุแหล่งข้อมูล</translation>
    </message>
    <message>
        <source>Identifier, current name or synonym.</source>
        <translation>รหัส ชื่อที่ใช้ในปัจจุบัน หรือชื่อพ้อง</translation>
    </message>
    <message>
        <source>The file to write: a picture (.png or .bmp), a GeoTIFF of the class numbers (.tif) or a GeoPackage of the grid&apos;s points (.gpkg); the folder of pictures for --all.</source>
        <translation>ไฟล์ที่จะเขียน: ภาพ (.png หรือ .bmp), GeoTIFF ของหมายเลขประเภท (.tif) หรือ GeoPackage ของจุดกริด (.gpkg); สำหรับ --all คือโฟลเดอร์ที่เก็บภาพ</translation>
    </message>
    <message>
        <source>Picture size in pixels (default 1000x750).</source>
        <translation>ขนาดภาพเป็นพิกเซล (ค่าเริ่มต้น 1000x750)</translation>
    </message>
    <message>
        <source>Map extent in degrees (default: the whole map), or a place or LON,LAT at the centre of a view 4 degrees wide.</source>
        <translation>ขอบเขตแผนที่เป็นองศา (ค่าเริ่มต้น: ทั้งแผนที่) หรือสถานที่หรือ LON,LAT ที่เป็นจุดกึ่งกลางของมุมมองกว้าง 4 องศา</translation>
    </message>
    <message>
        <source>Narrows a place name of --extent to this country (code such as TH, or name).</source>
        <translation>จำกัดชื่อสถานที่ของ --extent ให้อยู่ในประเทศนี้ (รหัส เช่น TH หรือชื่อประเทศ)</translation>
    </message>
    <message>
        <source>Classes to show: alt,mar,mat,full (default all).</source>
        <translation>ประเภทที่จะแสดง: alt,mar,mat,full (ค่าเริ่มต้น: ทั้งหมด)</translation>
    </message>
    <message>
        <source>One map per species of the catalogue, into FOLDER.</source>
        <translation>แผนที่หนึ่งภาพต่อหนึ่งชนิดพันธุ์ในบัญชีชนิดพันธุ์ เขียนลงใน FOLDER</translation>
    </message>
    <message>
        <source>map --all takes no SPECIES</source>
        <translation>map --all ไม่รับ SPECIES</translation>
    </message>
    <message>
        <source>%1 written
</source>
        <translation>เขียน %1 แล้ว
</translation>
    </message>
</context>
<context>
    <name>MapControl</name>
    <message>
        <source>The map can only be drawn on while it is being drawn</source>
        <translation>วาดลงบนแผนที่ได้เฉพาะในระหว่างที่กำลังวาดแผนที่เท่านั้น</translation>
    </message>
    <message>
        <source>Cannot save the map to %1: export format %2 is not supported</source>
        <translation>ไม่สามารถบันทึกแผนที่ลงใน %1 ได้: ไม่รองรับรูปแบบการส่งออก %2</translation>
    </message>
    <message>
        <source>Cannot save the map to %1: scale factor %2 is out of range</source>
        <translation>ไม่สามารถบันทึกแผนที่ลงใน %1 ได้: ตัวคูณมาตราส่วน %2 อยู่นอกช่วงที่ใช้ได้</translation>
    </message>
</context>
<context>
    <name>MapImageExport</name>
    <message>
        <source>Windows Bitmaps (*.bmp)</source>
        <translation>ภาพบิตแมปของ Windows (*.bmp)</translation>
    </message>
    <message>
        <source>PNG Pictures with source stamp (*.png)</source>
        <translation>ภาพ PNG พร้อมข้อความระบุแหล่งข้อมูล (*.png)</translation>
    </message>
    <message>
        <source>Export Bitmap</source>
        <translation>ส่งออกภาพบิตแมป</translation>
    </message>
</context>
<context>
    <name>MapLegend</name>
    <message>
        <source>Full match</source>
        <translation>ตรงทุกเกณฑ์</translation>
    </message>
    <message>
        <source>Suitable species</source>
        <translation>ชนิดพันธุ์ที่เหมาะสม</translation>
    </message>
</context>
<context>
    <name>MapPlaceTools</name>
    <message>
        <source>Provinces</source>
        <translation>จังหวัด</translation>
    </message>
    <message>
        <source>Draw the outlines of provinces and states</source>
        <translation>วาดเส้นขอบเขตจังหวัดและรัฐ</translation>
    </message>
    <message>
        <source>The province layer (ShapeFiles/province_bnd.shp) is missing or unreadable</source>
        <translation>ไม่พบชั้นข้อมูลจังหวัด (ShapeFiles/province_bnd.shp) หรือไม่สามารถอ่านได้</translation>
    </message>
    <message>
        <source>Suitable Tree Species - %1</source>
        <translation>ชนิดพันธุ์ไม้ที่เหมาะสม - %1</translation>
    </message>
    <message>
        <source>Find Place</source>
        <translation>ค้นหาสถานที่</translation>
    </message>
    <message>
        <source>No grid point lies near %1, so no species can be matched to it.</source>
        <translation>ไม่มีจุดกริดอยู่ใกล้ %1 จึงไม่สามารถจับคู่ชนิดพันธุ์ใดกับสถานที่นี้ได้</translation>
    </message>
</context>
<context>
    <name>MapToolbar</name>
    <message>
        <source>Planting List</source>
        <translation>รายชื่อพันธุ์ไม้สำหรับปลูก</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>ขยาย</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>ย่อ</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>เลื่อนแผนที่</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>ระบุข้อมูล</translation>
    </message>
    <message>
        <source>Suitable Tree Species</source>
        <translation>ชนิดพันธุ์ไม้ที่เหมาะสม</translation>
    </message>
    <message>
        <source>Full Extent</source>
        <translation>แสดงเต็มขอบเขต</translation>
    </message>
    <message>
        <source>Generate Map</source>
        <translation>สร้างแผนที่</translation>
    </message>
</context>
<context>
    <name>NetworkReading</name>
    <message>
        <source>%1 could not be reached (no network, or no server at that address); nothing was changed</source>
        <translation>ไม่สามารถเชื่อมต่อ %1 ได้ (ไม่มีเครือข่าย หรือไม่มีเซิร์ฟเวอร์ที่ที่อยู่นั้น); ไม่มีการเปลี่ยนแปลงใด ๆ</translation>
    </message>
    <message>
        <source>%1: %2; nothing was changed</source>
        <translation>%1: %2; ไม่มีการเปลี่ยนแปลงใด ๆ</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>เซิร์ฟเวอร์ตอบกลับ HTTP %1</translation>
    </message>
    <message>
        <source>no such file on the server (worldclim.org lists what is published)</source>
        <translation>ไม่มีไฟล์นี้บนเซิร์ฟเวอร์ (ดูรายการไฟล์ที่เผยแพร่ได้ที่ worldclim.org)</translation>
    </message>
    <message>
        <source>%1: damaged or incomplete (the download may have stopped half-way): %2 cannot be read from it; nothing was changed</source>
        <translation>%1: ไฟล์เสียหายหรือไม่สมบูรณ์ (การดาวน์โหลดอาจหยุดกลางคัน): ไม่สามารถอ่าน %2 จากไฟล์นี้ได้; ไม่มีการเปลี่ยนแปลงใด ๆ</translation>
    </message>
    <message>
        <source>%1: %2 has %3 band(s) of pixels %4 x %5 degrees, not the published %6 band(s) of %7 arc minutes; nothing was changed</source>
        <translation>%1: %2 มี %3 แบนด์ ขนาดพิกเซล %4 x %5 องศา ไม่ตรงกับที่เผยแพร่ไว้ซึ่งมี %6 แบนด์ ขนาด %7 ลิปดา; ไม่มีการเปลี่ยนแปลงใด ๆ</translation>
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
        <translation>--size ต้องเป็นจำนวนพิกเซลเต็มตั้งแต่ 16 ถึง 10000 เช่น 1200x900 ไม่ใช่ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--extent takes W,S,E,N in degrees with W &lt; E and S &lt; N, not &quot;%1&quot;</source>
        <translation>--extent ต้องเป็น W,S,E,N หน่วยองศา โดย W &lt; E และ S &lt; N ไม่ใช่ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 takes MIN,MAX with the minimum at most the maximum, not &quot;%2&quot;</source>
        <translation>--%1 ต้องเป็น MIN,MAX โดยค่าต่ำสุดไม่เกินค่าสูงสุด ไม่ใช่ &quot;%2&quot;</translation>
    </message>
    <message>
        <source>LON,LAT takes a longitude from -180 to 360 and a latitude from -90 to 90, not &quot;%1&quot;</source>
        <translation>LON,LAT ต้องเป็นลองจิจูดตั้งแต่ -180 ถึง 360 และละติจูดตั้งแต่ -90 ถึง 90 ไม่ใช่ &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ParameterPanel</name>
    <message>
        <source>Altitude (ALT) (m)</source>
        <translation>ความสูง (ALT) (m)</translation>
    </message>
    <message>
        <source>Rainfall (MAR) (mm)</source>
        <translation>ปริมาณน้ำฝน (MAR) (mm)</translation>
    </message>
    <message>
        <source>Temperature (MAT) (Deg C)</source>
        <translation>อุณหภูมิ (MAT) (°C)</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>ชั้นข้อมูล</translation>
    </message>
    <message>
        <source>Show ALT</source>
        <translation>แสดง ALT</translation>
    </message>
    <message>
        <source>Show MAR</source>
        <translation>แสดง MAR</translation>
    </message>
    <message>
        <source>Show MAT</source>
        <translation>แสดง MAT</translation>
    </message>
    <message>
        <source>Show Tree Species</source>
        <translation>แสดงชนิดพันธุ์ไม้</translation>
    </message>
    <message>
        <source>Parameters Used</source>
        <translation>พารามิเตอร์ที่ใช้</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>คำอธิบายสัญลักษณ์</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>ความสูง</translation>
    </message>
    <message>
        <source>Rainfall</source>
        <translation>ปริมาณน้ำฝน</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>อุณหภูมิ</translation>
    </message>
    <message>
        <source>Tree Species</source>
        <translation>ชนิดพันธุ์ไม้</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>ช่วง</translation>
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
        <translation>ภาพชนิดพันธุ์ของ Silvaria</translation>
    </message>
</context>
<context>
    <name>PhotoRequest</name>
    <message>
        <source>Images still needed for this species</source>
        <translation>ยังต้องการภาพของชนิดพันธุ์นี้</translation>
    </message>
    <message>
        <source>If you have any suitable shots please send to:</source>
        <translation>หากท่านมีภาพถ่ายที่เหมาะสม โปรดส่งมาที่:</translation>
    </message>
    <message>
        <source>email: %1</source>
        <translation>อีเมล: %1</translation>
    </message>
</context>
<context>
    <name>PictureStamps</name>
    <message>
        <source>a projection of one climate model, not a forecast</source>
        <translation>ภาพฉายจากแบบจำลองภูมิอากาศเพียงแบบเดียว ไม่ใช่การพยากรณ์</translation>
    </message>
    <message>
        <source>scenario %1</source>
        <translation>ฉากทัศน์ %1</translation>
    </message>
</context>
<context>
    <name>PlaceLookup</name>
    <message>
        <source>places are unavailable: %1</source>
        <translation>ไม่สามารถใช้ข้อมูลสถานที่ได้: %1</translation>
    </message>
    <message>
        <source>--country takes one of %1 or a country&apos;s name, not &quot;%2&quot;</source>
        <translation>--country ต้องเป็นหนึ่งใน %1 หรือชื่อประเทศ ไม่ใช่ &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot; (silvaria-cli places TEXT finds names)</source>
        <translation>ไม่มีสถานที่ชื่อ &quot;%1&quot; (ใช้ silvaria-cli places TEXT เพื่อค้นหาชื่อ)</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot; in %2 (silvaria-cli places TEXT finds names)</source>
        <translation>ไม่มีสถานที่ชื่อ &quot;%1&quot; ใน %2 (ใช้ silvaria-cli places TEXT เพื่อค้นหาชื่อ)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one place; give a fuller name, LON,LAT or --country CC:</source>
        <translation>&quot;%1&quot; ตรงกับสถานที่มากกว่าหนึ่งแห่ง; โปรดระบุชื่อให้ครบถ้วนขึ้น หรือใช้ LON,LAT หรือ --country CC:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2 names more than one place; give a fuller name, LON,LAT or --country CC:</source>
        <translation>&quot;%1&quot; ใน %2 ตรงกับสถานที่มากกว่าหนึ่งแห่ง; โปรดระบุชื่อให้ครบถ้วนขึ้น หรือใช้ LON,LAT หรือ --country CC:</translation>
    </message>
    <message>
        <source>Narrows a place name to this country (code such as TH, or name).</source>
        <translation>จำกัดชื่อสถานที่ให้อยู่ในประเทศนี้ (รหัส เช่น TH หรือชื่อประเทศ)</translation>
    </message>
</context>
<context>
    <name>PlacesCommand</name>
    <message>
        <source>Lists the places, districts and provinces of the region whose name or alternate name holds TEXT (case, accents and spaces ignored, in every script), best match first, then the largest.</source>
        <translation>แสดงรายชื่อสถานที่ อำเภอ และจังหวัดในภูมิภาคที่ชื่อหรือชื่ออื่นมีคำว่า TEXT (ไม่สนใจตัวพิมพ์เล็ก-ใหญ่ เครื่องหมายกำกับเสียง และช่องว่าง ในอักษรทุกระบบ) เรียงจากรายการที่ตรงที่สุดก่อน แล้วตามด้วยสถานที่ที่ใหญ่ที่สุด</translation>
    </message>
    <message>
        <source>A name or part of one (&quot;Chiang Mai&quot;, &quot;da lat&quot;, &quot;เชียงใหม่&quot;).</source>
        <translation>ชื่อหรือส่วนหนึ่งของชื่อ (&quot;Chiang Mai&quot;, &quot;da lat&quot;, &quot;เชียงใหม่&quot;)</translation>
    </message>
    <message>
        <source>Only places of this country (code such as TH, or name).</source>
        <translation>เฉพาะสถานที่ในประเทศนี้ (รหัส เช่น TH หรือชื่อประเทศ)</translation>
    </message>
    <message>
        <source>At most N places (default 20, 0 for all).</source>
        <translation>ไม่เกิน N แห่ง (ค่าเริ่มต้น 20, 0 คือทั้งหมด)</translation>
    </message>
    <message>
        <source>--limit takes a whole number, 0 for all, not &quot;%1&quot;</source>
        <translation>--limit ต้องเป็นจำนวนเต็ม (0 คือทั้งหมด) ไม่ใช่ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No place of the region is named like &quot;%1&quot;.
</source>
        <translation>ไม่มีสถานที่ในภูมิภาคที่มีชื่อคล้าย &quot;%1&quot;
</translation>
    </message>
</context>
<context>
    <name>PlantingList</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 ถึง %2</translation>
    </message>
    <message>
        <source>Suitable Tree Species (%1)</source>
        <translation>ชนิดพันธุ์ไม้ที่เหมาะสม (%1)</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>--paper is a4 or letter, not &quot;%1&quot;</source>
        <translation>--paper ต้องเป็น a4 หรือ letter ไม่ใช่ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>-o FILE is needed: a PDF (.pdf) or an HTML page (.html)</source>
        <translation>ต้องระบุ -o FILE: ไฟล์ PDF (.pdf) หรือหน้า HTML (.html)</translation>
    </message>
    <message>
        <source>-o takes a PDF (.pdf) or an HTML page (.html), not &quot;%1&quot;</source>
        <translation>-o ต้องเป็นไฟล์ PDF (.pdf) หรือหน้า HTML (.html) ไม่ใช่ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Writes the printable site report of a position: the site, the species suitable there grouped by functional use (names, ranges, a small map, lines of the fact sheet), the near misses, the species count around the site and the references.</source>
        <translation>เขียนรายงานพื้นที่ปลูกของตำแหน่งหนึ่งสำหรับพิมพ์: ข้อมูลพื้นที่ ชนิดพันธุ์ที่เหมาะสมที่นั่นจัดกลุ่มตามการใช้ประโยชน์ (ชื่อ ช่วง แผนที่ขนาดเล็ก ข้อความบางส่วนจากเอกสารข้อมูลชนิดพันธุ์) ชนิดพันธุ์ที่เกือบเหมาะสม จำนวนชนิดพันธุ์รอบพื้นที่ และเอกสารอ้างอิง</translation>
    </message>
    <message>
        <source>Position in degrees, west and south negative (report 98.98,18.79), or the name of a place, district or province.</source>
        <translation>ตำแหน่งเป็นองศา โดยทิศตะวันตกและทิศใต้เป็นค่าลบ (report 98.98,18.79) หรือชื่อสถานที่ อำเภอ หรือจังหวัด</translation>
    </message>
    <message>
        <source>Only species of this use; repeat for several (default every use).</source>
        <translation>เฉพาะชนิดพันธุ์ที่มีการใช้ประโยชน์นี้; ระบุซ้ำได้หลายครั้งหากต้องการหลายการใช้ประโยชน์ (ค่าเริ่มต้น: ทุกการใช้ประโยชน์)</translation>
    </message>
    <message>
        <source>Page size: a4 (default) or letter.</source>
        <translation>ขนาดกระดาษ: a4 (ค่าเริ่มต้น) หรือ letter</translation>
    </message>
    <message>
        <source>Reports on an installed scenario&apos;s climate (see scenarios) instead of the grid&apos;s.</source>
        <translation>รายงานตามภูมิอากาศของฉากทัศน์ที่ติดตั้งไว้ (ดู scenarios) แทนภูมิอากาศของกริด</translation>
    </message>
    <message>
        <source>The file to write: a PDF (.pdf) or an HTML page with its pictures inside (.html).</source>
        <translation>ไฟล์ที่จะเขียน: PDF (.pdf) หรือหน้า HTML ที่รวมภาพไว้ในไฟล์ (.html)</translation>
    </message>
    <message numerus="yes">
        <source>%1 written (%n pages)
</source>
        <translation>
            <numerusform>เขียน %1 แล้ว (%n หน้า)
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScenarioChoice</name>
    <message>
        <source>Climate:</source>
        <translation>ภูมิอากาศ:</translation>
    </message>
    <message>
        <source>The climate of the grid, or of a scenario grid installed beside it: the projection of one climate model, not a forecast</source>
        <translation>ภูมิอากาศของกริด หรือของกริดฉากทัศน์ที่ติดตั้งไว้คู่กัน: เป็นภาพฉายจากแบบจำลองภูมิอากาศเพียงแบบเดียว ไม่ใช่การพยากรณ์</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>scenario: caveat</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>uniform shift</source>
        <translation>การเปลี่ยนแปลงแบบเท่ากันทุกจุด</translation>
    </message>
    <message>
        <source>current grid</source>
        <translation>กริดปัจจุบัน</translation>
    </message>
</context>
<context>
    <name>ScenariosCommand</name>
    <message>
        <source>The scenario grids installed beside the map grid (each the projection of one climate model, not a forecast), with their sources: the names shift --scenario and count --scenario take.</source>
        <translation>กริดฉากทัศน์ที่ติดตั้งไว้คู่กับกริดแผนที่ (แต่ละกริดเป็นภาพฉายจากแบบจำลองภูมิอากาศเพียงแบบเดียว ไม่ใช่การพยากรณ์) พร้อมแหล่งข้อมูล: คือชื่อที่ใช้กับ shift --scenario และ count --scenario</translation>
    </message>
    <message>
        <source>scenarios takes no argument &quot;%1&quot;</source>
        <translation>scenarios ไม่รับอาร์กิวเมนต์ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No scenario grids installed; silvaria-cli grid fetch worldclim --future GCM SSP PERIOD adds one.
</source>
        <translation>ยังไม่ได้ติดตั้งกริดฉากทัศน์; ใช้ silvaria-cli grid fetch worldclim --future GCM SSP PERIOD เพื่อเพิ่ม
</translation>
    </message>
</context>
<context>
    <name>ServeCommand</name>
    <message>
        <source>--listen takes an IPv4 address and a port such as 127.0.0.1:8080 or 0.0.0.0:8080, not &quot;%1&quot;</source>
        <translation>--listen ต้องเป็นที่อยู่ IPv4 และพอร์ต เช่น 127.0.0.1:8080 หรือ 0.0.0.0:8080 ไม่ใช่ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Serves the catalogue, the maps and the suitable species at a place as web pages, read-only. Stops on Ctrl+C (SIGINT) or SIGTERM.</source>
        <translation>ให้บริการบัญชีชนิดพันธุ์ แผนที่ และชนิดพันธุ์ที่เหมาะสม ณ สถานที่หนึ่ง เป็นหน้าเว็บแบบอ่านอย่างเดียว หยุดทำงานเมื่อกด Ctrl+C (SIGINT) หรือได้รับ SIGTERM</translation>
    </message>
    <message>
        <source>Address and port to listen on (default 127.0.0.1:8080, this machine only; 0.0.0.0:8080 shares it with the network).</source>
        <translation>ที่อยู่และพอร์ตที่รอรับการเชื่อมต่อ (ค่าเริ่มต้น 127.0.0.1:8080 เฉพาะเครื่องนี้; 0.0.0.0:8080 เปิดให้เครื่องอื่นในเครือข่ายใช้ได้)</translation>
    </message>
    <message>
        <source>Silvaria is served at:
</source>
        <translation>Silvaria ให้บริการอยู่ที่:
</translation>
    </message>
    <message>
        <source>Everyone on this network can read it (read-only). Press Ctrl+C to stop.
</source>
        <translation>ทุกคนในเครือข่ายนี้เปิดอ่านได้ (อ่านอย่างเดียว) กด Ctrl+C เพื่อหยุด
</translation>
    </message>
    <message>
        <source>Only this machine can read it. Press Ctrl+C to stop.
</source>
        <translation>เปิดอ่านได้เฉพาะจากเครื่องนี้ กด Ctrl+C เพื่อหยุด
</translation>
    </message>
    <message>
        <source>Stopped.
</source>
        <translation>หยุดแล้ว
</translation>
    </message>
</context>
<context>
    <name>SheetCommand</name>
    <message>
        <source>Prints the fact sheet of a species, as plain text or as HTML with the headings formatted.</source>
        <translation>พิมพ์เอกสารข้อมูลชนิดพันธุ์ เป็นข้อความธรรมดา หรือเป็น HTML ที่จัดรูปแบบหัวข้อแล้ว</translation>
    </message>
    <message>
        <source>Identifier, current name or synonym.</source>
        <translation>รหัส ชื่อที่ใช้ในปัจจุบัน หรือชื่อพ้อง</translation>
    </message>
</context>
<context>
    <name>ShiftCommand</name>
    <message>
        <source>Identifier, current name or synonym.</source>
        <translation>รหัส ชื่อที่ใช้ในปัจจุบัน หรือชื่อพ้อง</translation>
    </message>
    <message>
        <source>Change of MAR in percent (default 0).</source>
        <translation>การเปลี่ยนแปลงของ MAR เป็นร้อยละ (ค่าเริ่มต้น 0)</translation>
    </message>
    <message>
        <source>Compare with this installed scenario grid instead of a uniform shift (silvaria-cli scenarios lists them); not with --dt or --dp.</source>
        <translation>เปรียบเทียบกับกริดฉากทัศน์ที่ติดตั้งไว้นี้แทนการเปลี่ยนแปลงแบบเท่ากันทุกจุด (silvaria-cli scenarios แสดงรายชื่อกริดฉากทัศน์); ใช้คู่กับ --dt หรือ --dp ไม่ได้</translation>
    </message>
    <message>
        <source>One row per country of the boundary layer.</source>
        <translation>หนึ่งแถวต่อหนึ่งประเทศในชั้นข้อมูลขอบเขต</translation>
    </message>
    <message>
        <source>Also write the kept, lost and gained points: a picture (.png or .bmp), a GeoTIFF (.tif) or a GeoPackage (.gpkg).</source>
        <translation>เขียนจุดที่คงเดิม สูญเสีย และเพิ่มขึ้นด้วย: ภาพ (.png หรือ .bmp), GeoTIFF (.tif) หรือ GeoPackage (.gpkg)</translation>
    </message>
    <message>
        <source>Picture size in pixels (default 1000x750).</source>
        <translation>ขนาดภาพเป็นพิกเซล (ค่าเริ่มต้น 1000x750)</translation>
    </message>
    <message>
        <source>--scenario does not go with --dt or --dp: a scenario grid brings its own climate</source>
        <translation>--scenario ใช้คู่กับ --dt หรือ --dp ไม่ได้: กริดฉากทัศน์มีภูมิอากาศของตัวเองอยู่แล้ว</translation>
    </message>
    <message>
        <source>--scenario needs the name of an installed scenario grid</source>
        <translation>--scenario ต้องระบุชื่อของกริดฉากทัศน์ที่ติดตั้งไว้</translation>
    </message>
    <message>
        <source>--dp cannot take away more than 100 % of the rainfall</source>
        <translation>--dp ลดปริมาณน้ำฝนลงเกิน 100 % ไม่ได้</translation>
    </message>
    <message>
        <source>%1 (SpID %2), %3: %4
</source>
        <translation>%1 (SpID %2), %3: %4
</translation>
    </message>
    <message>
        <source>Change of MAT in °C (default 0).</source>
        <translation>การเปลี่ยนแปลงของ MAT เป็น °C (ค่าเริ่มต้น 0)</translation>
    </message>
    <message>
        <source>The species&apos; full match with the grid&apos;s MAT raised by DT °C and MAR changed by DP %, altitude unchanged, or with the climate of an installed scenario grid (--scenario): the km2 kept, lost and gained. A uniform shift of the grid&apos;s climate is not a climate projection; a scenario is the projection of one climate model, not a forecast.</source>
        <translation>พื้นที่ตรงทุกเกณฑ์ของชนิดพันธุ์ เมื่อ MAT ของกริดเพิ่มขึ้น DT °C และ MAR เปลี่ยนไป DP % โดยความสูงคงเดิม หรือเมื่อใช้ภูมิอากาศของกริดฉากทัศน์ที่ติดตั้งไว้ (--scenario): แสดงพื้นที่เป็น km2 ที่คงเดิม สูญเสีย และเพิ่มขึ้น การเปลี่ยนแปลงภูมิอากาศของกริดแบบเท่ากันทุกจุดไม่ใช่ภาพฉายภูมิอากาศ ส่วนฉากทัศน์เป็นภาพฉายจากแบบจำลองภูมิอากาศเพียงแบบเดียว ไม่ใช่การพยากรณ์</translation>
    </message>
</context>
<context>
    <name>SiteReportText</name>
    <message>
        <source>Altitude (ALT)</source>
        <translation>ความสูง (ALT)</translation>
    </message>
    <message>
        <source>Rainfall (MAR)</source>
        <translation>ปริมาณน้ำฝน (MAR)</translation>
    </message>
    <message>
        <source>Temperature (MAT)</source>
        <translation>อุณหภูมิ (MAT)</translation>
    </message>
    <message>
        <source>No use recorded</source>
        <translation>ไม่มีข้อมูลการใช้ประโยชน์</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>สถานที่</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>ตำแหน่ง</translation>
    </message>
    <message>
        <source>%1, %2 (longitude, latitude)</source>
        <translation>%1, %2 (ลองจิจูด, ละติจูด)</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>ประเทศ</translation>
    </message>
    <message>
        <source>Grid point used</source>
        <translation>จุดกริดที่ใช้</translation>
    </message>
    <message>
        <source>%1, %2, %3 km from the position</source>
        <translation>%1, %2 ห่างจากตำแหน่ง %3 km</translation>
    </message>
    <message>
        <source>Uses asked</source>
        <translation>การใช้ประโยชน์ที่เลือก</translation>
    </message>
    <message>
        <source>every use</source>
        <translation>ทุกการใช้ประโยชน์</translation>
    </message>
    <message>
        <source>Grid data</source>
        <translation>ข้อมูลกริด</translation>
    </message>
    <message>
        <source>Climate</source>
        <translation>ภูมิอากาศ</translation>
    </message>
    <message>
        <source>Boundaries</source>
        <translation>ข้อมูลขอบเขต</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Trees for this site</source>
        <translation>ต้นไม้ที่เหมาะกับพื้นที่นี้</translation>
    </message>
    <message numerus="yes">
        <source>%Ln species suit this site: each species&apos; altitude, rainfall and temperature ranges hold here.</source>
        <translation>
            <numerusform>ชนิดพันธุ์ %Ln ชนิดเหมาะกับพื้นที่นี้: ความสูง ปริมาณน้ำฝน และอุณหภูมิของที่นี่อยู่ในช่วงที่เหมาะสมของแต่ละชนิดพันธุ์</numerusform>
        </translation>
    </message>
    <message>
        <source>No species of the catalogue suits this site for the uses asked.</source>
        <translation>ไม่มีชนิดพันธุ์ใดในบัญชีชนิดพันธุ์ที่เหมาะกับพื้นที่นี้สำหรับการใช้ประโยชน์ที่เลือก</translation>
    </message>
    <message numerus="yes">
        <source>%Ln species nearly suit it (one range missed), %1 have incomplete ranges.</source>
        <translation>
            <numerusform>ชนิดพันธุ์ %Ln ชนิดเกือบเหมาะสม (ไม่ตรงเพียงหนึ่งช่วง) และ %1 ชนิดมีข้อมูลช่วงไม่ครบถ้วน</numerusform>
        </translation>
    </message>
    <message>
        <source>On each species&apos; map, the ring marks the site:</source>
        <translation>บนแผนที่ของแต่ละชนิดพันธุ์ วงกลมแสดงตำแหน่งของพื้นที่นี้:</translation>
    </message>
    <message>
        <source>Species&apos; range</source>
        <translation>ช่วงของชนิดพันธุ์</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>พื้นที่นี้</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 ถึง %2</translation>
    </message>
    <message>
        <source>(fact sheet, %1, “%2”):</source>
        <translation>(เอกสารข้อมูลชนิดพันธุ์, %1, “%2”):</translation>
    </message>
    <message>
        <source>none in the catalogue</source>
        <translation>ไม่มีในบัญชีชนิดพันธุ์</translation>
    </message>
    <message>
        <source>none recorded</source>
        <translation>ไม่มีข้อมูล</translation>
    </message>
    <message>
        <source>Family %1; species number %2; uses: %3</source>
        <translation>วงศ์ %1; ชนิดพันธุ์หมายเลข %2; การใช้ประโยชน์: %3</translation>
    </message>
    <message>
        <source>Common names:</source>
        <translation>ชื่อสามัญ:</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>การใช้ประโยชน์</translation>
    </message>
    <message>
        <source>Propagation</source>
        <translation>การขยายพันธุ์</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln suitable species</source>
        <translation>
            <numerusform>%1: ชนิดพันธุ์ที่เหมาะสม %Ln ชนิด</numerusform>
        </translation>
    </message>
    <message>
        <source>Also suitable, described above: %1</source>
        <translation>ชนิดพันธุ์ที่เหมาะสมเช่นกัน ซึ่งได้อธิบายไว้ข้างต้นแล้ว: %1</translation>
    </message>
    <message>
        <source>No species of this use suits the site.</source>
        <translation>ไม่มีชนิดพันธุ์สำหรับการใช้ประโยชน์นี้ที่เหมาะกับพื้นที่นี้</translation>
    </message>
    <message>
        <source>Silvaria %1.%2.%3, %4</source>
        <translation>Silvaria %1.%2.%3, %4</translation>
    </message>
    <message>
        <source>Catalogue: Silvaria catalogue, from the works cited on the last page. Grid: %1</source>
        <translation>บัญชีชนิดพันธุ์: บัญชีชนิดพันธุ์ของ Silvaria จากเอกสารที่อ้างอิงไว้ในหน้าสุดท้าย กริด: %1</translation>
    </message>
    <message>
        <source>Climate: %1.</source>
        <translation>ภูมิอากาศ: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>หน้า %1 จาก %2</translation>
    </message>
    <message>
        <source>ALT %1 m too low</source>
        <translation>ALT ต่ำเกินไป %1 m</translation>
    </message>
    <message>
        <source>ALT %1 m too high</source>
        <translation>ALT สูงเกินไป %1 m</translation>
    </message>
    <message>
        <source>MAR %1 mm too dry</source>
        <translation>MAR ฝนน้อยเกินไป %1 mm</translation>
    </message>
    <message>
        <source>MAR %1 mm too wet</source>
        <translation>MAR ฝนมากเกินไป %1 mm</translation>
    </message>
    <message>
        <source>MAT %1 °C too cold</source>
        <translation>MAT หนาวเกินไป %1 °C</translation>
    </message>
    <message>
        <source>MAT %1 °C too warm</source>
        <translation>MAT ร้อนเกินไป %1 °C</translation>
    </message>
    <message>
        <source>%1 not stated</source>
        <translation>ไม่ระบุ %1</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <translation>%1 ถึง %2 %3</translation>
    </message>
    <message>
        <source>Nearly suitable species</source>
        <translation>ชนิดพันธุ์ที่เกือบเหมาะสม</translation>
    </message>
    <message>
        <source>None: no species misses by one range only.</source>
        <translation>ไม่มี: ไม่มีชนิดพันธุ์ใดที่ไม่ตรงเพียงหนึ่งช่วง</translation>
    </message>
    <message>
        <source>Each of these meets two of its ranges here and misses the third by a little; smallest miss first.</source>
        <translation>ชนิดพันธุ์เหล่านี้ตรงกับสองช่วงที่นี่ และห่างจากช่วงที่สามเพียงเล็กน้อย เรียงจากชนิดที่ห่างน้อยที่สุดก่อน</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>ชนิดพันธุ์</translation>
    </message>
    <message>
        <source>What it misses</source>
        <translation>สิ่งที่ไม่ตรง</translation>
    </message>
    <message>
        <source>Its range</source>
        <translation>ช่วงของชนิดพันธุ์</translation>
    </message>
    <message>
        <source>Species whose ranges are incomplete</source>
        <translation>ชนิดพันธุ์ที่มีข้อมูลช่วงไม่ครบถ้วน</translation>
    </message>
    <message>
        <source>The catalogue lacks a range of these species; every range it states holds here.</source>
        <translation>บัญชีชนิดพันธุ์ขาดข้อมูลบางช่วงของชนิดพันธุ์เหล่านี้ แต่ทุกช่วงที่มีข้อมูลตรงกับพื้นที่นี้</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>ข้อมูลที่ขาด</translation>
    </message>
    <message>
        <source>Within %1 km</source>
        <translation>ภายในรัศมี %1 km</translation>
    </message>
    <message>
        <source>The site and its surroundings</source>
        <translation>พื้นที่นี้และบริเวณโดยรอบ</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>การใช้ประโยชน์</translation>
    </message>
    <message>
        <source>Suitable at the site</source>
        <translation>เหมาะสมที่พื้นที่นี้</translation>
    </message>
    <message>
        <source>Species of the uses asked suitable at each grid point around the site (marked by the ring); classes: %1.</source>
        <translation>จำนวนชนิดพันธุ์ของการใช้ประโยชน์ที่เลือกซึ่งเหมาะสมในแต่ละจุดกริดรอบพื้นที่นี้ (วงกลมแสดงตำแหน่งพื้นที่) การแบ่งระดับ: %1</translation>
    </message>
    <message>
        <source>References of the species listed</source>
        <translation>เอกสารอ้างอิงของชนิดพันธุ์ที่ระบุไว้</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>ไม่มี</translation>
    </message>
    <message>
        <source>No grid point lies within %1 km of %2, %3: the position is outside the map&apos;s grid.</source>
        <translation>ไม่มีจุดกริดอยู่ภายในระยะ %1 km จาก %2, %3: ตำแหน่งนี้อยู่นอกกริดของแผนที่</translation>
    </message>
    <message>
        <source>The grid point at %1, %2 has no %3 value, so no species can be matched to it.</source>
        <translation>จุดกริดที่ %1, %2 ไม่มีค่า %3 จึงไม่สามารถจับคู่ชนิดพันธุ์ใดกับจุดนี้ได้</translation>
    </message>
    <message>
        <source>Rainfall and temperature: %1, %2.</source>
        <translation>ปริมาณน้ำฝนและอุณหภูมิ: %1, %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no functional use of the catalogue; the uses are %2.</source>
        <translation>&quot;%1&quot; ไม่ใช่การใช้ประโยชน์ในบัญชีชนิดพันธุ์ การใช้ประโยชน์ที่มีคือ %2</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>ไม่สามารถเขียนรายงานได้: %1</translation>
    </message>
    <message>
        <source>%1: a report is written as .pdf or .html</source>
        <translation>%1: รายงานต้องเขียนเป็น .pdf หรือ .html</translation>
    </message>
</context>
<context>
    <name>SpeciesCommand</name>
    <message>
        <source>Lists the species of the catalogue: every one, those whose botanic or common names contain TEXT, or those of one use.</source>
        <translation>แสดงรายชื่อชนิดพันธุ์ในบัญชีชนิดพันธุ์: ทั้งหมด เฉพาะชนิดที่ชื่อพฤกษศาสตร์หรือชื่อสามัญมีคำว่า TEXT หรือเฉพาะชนิดที่มีการใช้ประโยชน์หนึ่ง</translation>
    </message>
    <message>
        <source>Names containing TEXT (case ignored).</source>
        <translation>ชื่อที่มีคำว่า TEXT (ไม่สนใจตัวพิมพ์เล็ก-ใหญ่)</translation>
    </message>
    <message>
        <source>Only species of this use.</source>
        <translation>เฉพาะชนิดพันธุ์ที่มีการใช้ประโยชน์นี้</translation>
    </message>
    <message>
        <source>species takes no argument &quot;%1&quot;</source>
        <translation>species ไม่รับอาร์กิวเมนต์ &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Longitude and latitude are numbers in degrees, such as 98.98 and 18.79.</source>
        <translation>ลองจิจูดและละติจูดเป็นตัวเลขหน่วยองศา เช่น 98.98 และ 18.79</translation>
    </message>
    <message>
        <source>This application folder has no place index; give longitude and latitude.</source>
        <translation>โฟลเดอร์โปรแกรมนี้ไม่มีดัชนีสถานที่ โปรดระบุลองจิจูดและละติจูด</translation>
    </message>
    <message>
        <source>No place has this name.</source>
        <translation>ไม่มีสถานที่ชื่อนี้</translation>
    </message>
    <message>
        <source>All uses</source>
        <translation>ทุกการใช้ประโยชน์</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>สถานที่</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>ลองจิจูด</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>ละติจูด</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>การใช้ประโยชน์</translation>
    </message>
    <message>
        <source>Use my position</source>
        <translation>ใช้ตำแหน่งปัจจุบัน</translation>
    </message>
    <message>
        <source>Show species</source>
        <translation>แสดงชนิดพันธุ์</translation>
    </message>
    <message>
        <source>Grid point %1, %2: altitude %3 m, rainfall %4 mm, temperature %5 °C</source>
        <translation>จุดกริด %1, %2: ความสูง %3 m, ปริมาณน้ำฝน %4 mm, อุณหภูมิ %5 °C</translation>
    </message>
    <message>
        <source>Suitable species</source>
        <translation>ชนิดพันธุ์ที่เหมาะสม</translation>
    </message>
    <message>
        <source>No species is suitable here.</source>
        <translation>ไม่มีชนิดพันธุ์ที่เหมาะสมที่นี่</translation>
    </message>
    <message>
        <source>Near misses</source>
        <translation>ชนิดพันธุ์ที่เกือบเหมาะสม</translation>
    </message>
    <message>
        <source>Site report (PDF)</source>
        <translation>รายงานพื้นที่ปลูก (PDF)</translation>
    </message>
    <message>
        <source>This name means several places; choose one:</source>
        <translation>ชื่อนี้ตรงกับหลายสถานที่ โปรดเลือกหนึ่งแห่ง:</translation>
    </message>
    <message>
        <source>The map has no grid point with climate data near this position.</source>
        <translation>แผนที่ไม่มีจุดกริดที่มีข้อมูลภูมิอากาศอยู่ใกล้ตำแหน่งนี้</translation>
    </message>
    <message>
        <source>Species suitable here</source>
        <translation>ชนิดพันธุ์ที่เหมาะสมที่นี่</translation>
    </message>
    <message>
        <source>Method not allowed</source>
        <translation>ไม่อนุญาตให้ใช้คำขอแบบนี้</translation>
    </message>
    <message>
        <source>This server only answers GET and HEAD.</source>
        <translation>เซิร์ฟเวอร์นี้ตอบเฉพาะคำขอ GET และ HEAD</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>ระบบไม่ว่าง</translation>
    </message>
    <message>
        <source>Too many people are reading at once. Try again in a moment.</source>
        <translation>มีผู้ใช้งานพร้อมกันมากเกินไป โปรดลองใหม่อีกครั้งในอีกสักครู่</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>เซิร์ฟเวอร์ขัดข้อง</translation>
    </message>
    <message>
        <source>Functional uses</source>
        <translation>การใช้ประโยชน์</translation>
    </message>
    <message>
        <source>Common names by language</source>
        <translation>ชื่อสามัญแยกตามภาษา</translation>
    </message>
    <message>
        <source>Botanic names by genus</source>
        <translation>ชื่อพฤกษศาสตร์แยกตามสกุล</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>เลือกดู</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>ไม่พบข้อมูล</translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation>ไม่พบหน้าเว็บตามที่อยู่นี้</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>ค้นหา</translation>
    </message>
    <message>
        <source>Botanic names</source>
        <translation>ชื่อพฤกษศาสตร์</translation>
    </message>
    <message>
        <source>Common names</source>
        <translation>ชื่อสามัญ</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>ที่นี่</translation>
    </message>
    <message>
        <source>No names found.</source>
        <translation>ไม่พบชื่อ</translation>
    </message>
    <message>
        <source>Agroforestry tree species of South-East Asia: fact sheets, photographs and suitability maps.</source>
        <translation>ชนิดพันธุ์ไม้วนเกษตรของเอเชียตะวันออกเฉียงใต้: เอกสารข้อมูลชนิดพันธุ์ ภาพถ่าย และแผนที่ความเหมาะสม</translation>
    </message>
    <message>
        <source>Browse by genus, language and use</source>
        <translation>เลือกดูตามสกุล ภาษา และการใช้ประโยชน์</translation>
    </message>
    <message>
        <source>Species suitable at a place</source>
        <translation>ชนิดพันธุ์ที่เหมาะสมกับสถานที่</translation>
    </message>
    <message>
        <source>Search by botanic or common name</source>
        <translation>ค้นหาด้วยชื่อพฤกษศาสตร์หรือชื่อสามัญ</translation>
    </message>
    <message>
        <source>Site report</source>
        <translation>รายงานพื้นที่ปลูก</translation>
    </message>
    <message>
        <source>Give a place, or longitude and latitude.</source>
        <translation>โปรดระบุสถานที่ หรือลองจิจูดและละติจูด</translation>
    </message>
    <message>
        <source>Photographs</source>
        <translation>ภาพถ่าย</translation>
    </message>
    <message>
        <source>Zoom to country</source>
        <translation>ขยายไปที่ประเทศ</translation>
    </message>
    <message>
        <source>Whole region</source>
        <translation>ทั้งภูมิภาค</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>ประเทศ</translation>
    </message>
    <message>
        <source>Full match km²</source>
        <translation>ตรงทุกเกณฑ์ km²</translation>
    </message>
    <message>
        <source>Share of land %</source>
        <translation>สัดส่วนของพื้นที่ดิน %</translation>
    </message>
    <message>
        <source>No grid point matches all ranges.</source>
        <translation>ไม่มีจุดกริดใดที่ตรงทุกช่วง</translation>
    </message>
    <message>
        <source>Suitable area by country</source>
        <translation>พื้นที่ที่เหมาะสมรายประเทศ</translation>
    </message>
    <message>
        <source>There is no such species or country.</source>
        <translation>ไม่มีชนิดพันธุ์หรือประเทศนี้</translation>
    </message>
    <message>
        <source>Fact sheet</source>
        <translation>เอกสารข้อมูลชนิดพันธุ์</translation>
    </message>
    <message>
        <source>Suitability map</source>
        <translation>แผนที่ความเหมาะสม</translation>
    </message>
    <message>
        <source>Address too long</source>
        <translation>ที่อยู่ยาวเกินไป</translation>
    </message>
    <message>
        <source>The address asks too much at once; shorten the search.</source>
        <translation>ที่อยู่นี้ขอข้อมูลมากเกินไปในครั้งเดียว โปรดค้นหาให้สั้นลง</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>ที่อยู่ไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>The address is not written correctly.</source>
        <translation>ที่อยู่นี้เขียนไม่ถูกต้อง</translation>
    </message>
</context>
<context>
    <name>clsSendKeys</name>
    <message>
        <source>Invalid sendkeys command: unmatched ) at position %1</source>
        <translation>คำสั่ง sendkeys ไม่ถูกต้อง: มีวงเล็บ ) ที่ไม่มีคู่ที่ตำแหน่ง %1</translation>
    </message>
    <message>
        <source>Invalid sendkeys command; opening { without content or closing } at position %1</source>
        <translation>คำสั่ง sendkeys ไม่ถูกต้อง; มีวงเล็บเปิด { ที่ไม่มีเนื้อหาหรือไม่มีวงเล็บปิด } ที่ตำแหน่ง %1</translation>
    </message>
    <message>
        <source>Invalid sendkeys command; opening { without closing } at position %1</source>
        <translation>คำสั่ง sendkeys ไม่ถูกต้อง; มีวงเล็บเปิด { ที่ไม่มีวงเล็บปิด } ที่ตำแหน่ง %1</translation>
    </message>
    <message>
        <source>Invalid sendkeys command; key repetitions &apos;%1&apos; is invalid near position %2</source>
        <translation>คำสั่ง sendkeys ไม่ถูกต้อง; จำนวนครั้งการกดแป้น &apos;%1&apos; ไม่ถูกต้อง ใกล้ตำแหน่ง %2</translation>
    </message>
    <message>
        <source>Invalid sendkeys command: more open brackets than close brackets.</source>
        <translation>คำสั่ง sendkeys ไม่ถูกต้อง: มีวงเล็บเปิดมากกว่าวงเล็บปิด</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>เกี่ยวกับ %1</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>การสนับสนุน</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>ข้อมูลระบบ...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>ไม่สามารถแสดงข้อมูลระบบได้ในขณะนี้</translation>
    </message>
</context>
<context>
    <name>frmClimateShift</name>
    <message>
        <source>Climate Shift</source>
        <translation>การเปลี่ยนแปลงภูมิอากาศ</translation>
    </message>
    <message>
        <source>Choose Species</source>
        <translation>เลือกชนิดพันธุ์</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>บันทึกภาพ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>ประเทศ</translation>
    </message>
    <message>
        <source>Kept km²</source>
        <translation>คงเดิม km²</translation>
    </message>
    <message>
        <source>Lost km²</source>
        <translation>สูญเสีย km²</translation>
    </message>
    <message>
        <source>Gained km²</source>
        <translation>เพิ่มขึ้น km²</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>ชนิดพันธุ์</translation>
    </message>
    <message>
        <source>ΔP (%)</source>
        <translation>ΔP (%)</translation>
    </message>
    <message>
        <source>%1 Choose a species with the &quot;...&quot; button.</source>
        <translation>%1 โปรดเลือกชนิดพันธุ์ด้วยปุ่ม &quot;...&quot;</translation>
    </message>
    <message>
        <source>shift %1</source>
        <translation>เปลี่ยนแปลง %1</translation>
    </message>
    <message>
        <source>ΔT must be a number of degrees, such as 2 or -1.5, not &quot;%1&quot;.</source>
        <translation>ΔT ต้องเป็นจำนวนองศา เช่น 2 หรือ -1.5 ไม่ใช่ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>ΔP must be a percentage, such as 10 or -20, not &quot;%1&quot;.</source>
        <translation>ΔP ต้องเป็นค่าร้อยละ เช่น 10 หรือ -20 ไม่ใช่ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>ΔP cannot take away more than 100 % of the rainfall.</source>
        <translation>ΔP ลดปริมาณน้ำฝนลงเกิน 100 % ไม่ได้</translation>
    </message>
    <message>
        <source>%1 suits no grid point even without a shift.</source>
        <translation>%1 ไม่เหมาะกับจุดกริดใดเลย แม้ไม่มีการเปลี่ยนแปลงภูมิอากาศ</translation>
    </message>
    <message>
        <source>Under the %1 nothing suits %2 anywhere on the grid: all of its land would be lost. The map still shows the last answer.</source>
        <translation>ภายใต้%1 ไม่มีพื้นที่ใดบนกริดที่เหมาะกับ %2 เลย: พื้นที่ทั้งหมดจะสูญเสียไป แผนที่ยังคงแสดงผลลัพธ์ครั้งล่าสุด</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>species ranges; climate</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>kept: %1 km²</source>
        <translation>คงเดิม: %1 km²</translation>
    </message>
    <message>
        <source>lost: %1 km²</source>
        <translation>สูญเสีย: %1 km²</translation>
    </message>
    <message>
        <source>gained: %1 km²</source>
        <translation>เพิ่มขึ้น: %1 km²</translation>
    </message>
    <message>
        <source>ΔT (°C)</source>
        <translation>ΔT (°C)</translation>
    </message>
    <message>
        <source>With MAT %1 °C and MAR %2 % nothing suits %3 anywhere on the grid: all of its land would be lost. The map still shows the last shift.</source>
        <translation>เมื่อ MAT %1 °C และ MAR %2 % ไม่มีพื้นที่ใดบนกริดที่เหมาะกับ %3 เลย: พื้นที่ทั้งหมดจะสูญเสียไป แผนที่ยังคงแสดงการเปลี่ยนแปลงครั้งล่าสุด</translation>
    </message>
</context>
<context>
    <name>frmCompare</name>
    <message>
        <source>Arboplot Comparison</source>
        <translation>เปรียบเทียบแผนที่ Arboplot</translation>
    </message>
    <message>
        <source>First Parameter</source>
        <translation>พารามิเตอร์ชุดที่หนึ่ง</translation>
    </message>
    <message>
        <source>Second Parameter</source>
        <translation>พารามิเตอร์ชุดที่สอง</translation>
    </message>
    <message>
        <source>Save As Image</source>
        <translation>บันทึกเป็นภาพ</translation>
    </message>
    <message>
        <source>First Species Name</source>
        <translation>ชื่อชนิดพันธุ์ที่หนึ่ง</translation>
    </message>
    <message>
        <source>Second Species Name</source>
        <translation>ชื่อชนิดพันธุ์ที่สอง</translation>
    </message>
    <message>
        <source>Choose Species</source>
        <translation>เลือกชนิดพันธุ์</translation>
    </message>
</context>
<context>
    <name>frmCountryArea</name>
    <message>
        <source>Country</source>
        <translation>ประเทศ</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>จังหวัด</translation>
    </message>
    <message>
        <source>Land km²</source>
        <translation>พื้นที่ดิน km²</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>full match</comment>
        <translation>ตรงทุกเกณฑ์</translation>
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
        <translation>พื้นที่ที่เหมาะสมรายประเทศ - %1</translation>
    </message>
    <message>
        <source>By country</source>
        <translation>รายประเทศ</translation>
    </message>
    <message>
        <source>By province</source>
        <translation>รายจังหวัด</translation>
    </message>
    <message>
        <source>All countries</source>
        <translation>ทุกประเทศ</translation>
    </message>
    <message>
        <source>The country boundaries are missing, so only the total is given. %1</source>
        <translation>ไม่พบขอบเขตประเทศ จึงแสดงเฉพาะผลรวม %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>คัดลอก</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>บันทึกเป็น CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Total: land %1 km²; altitude %2 km² (%3 %), rainfall %4 km² (%5 %), temperature %6 km² (%7 %), full match %8 km² (%9 %)</source>
        <translation>รวม: พื้นที่ดิน %1 km²; ความสูง %2 km² (%3 %), ปริมาณน้ำฝน %4 km² (%5 %), อุณหภูมิ %6 km² (%7 %), ตรงทุกเกณฑ์ %8 km² (%9 %)</translation>
    </message>
    <message>
        <source>Suitable Area by Country</source>
        <translation>พื้นที่ที่เหมาะสมรายประเทศ</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>บันทึกเป็น CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>ไฟล์ CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>frmIdentifyEngine</name>
    <message>
        <source>The grid point has no %1 value, so no species can be matched to it.</source>
        <translation>จุดกริดนี้ไม่มีค่า %1 จึงไม่สามารถจับคู่ชนิดพันธุ์ใดกับจุดนี้ได้</translation>
    </message>
    <message>
        <source>Nearly suitable here</source>
        <translation>เกือบเหมาะสมที่จุดนี้</translation>
    </message>
    <message>
        <source>Ranges incomplete</source>
        <translation>ข้อมูลช่วงไม่ครบถ้วน</translation>
    </message>
    <message>
        <source>Suitable Tree Species</source>
        <translation>ชนิดพันธุ์ไม้ที่เหมาะสม</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>ฟิลด์</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>ค่า</translation>
    </message>
    <message>
        <source>Species ID</source>
        <translation>รหัสชนิดพันธุ์</translation>
    </message>
    <message>
        <source>Species Name</source>
        <translation>ชื่อชนิดพันธุ์</translation>
    </message>
    <message>
        <source>Functional Uses</source>
        <translation>การใช้ประโยชน์</translation>
    </message>
    <message>
        <source>Criterion</source>
        <translation>เกณฑ์</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>ช่วง</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>ห่างจากช่วง</translation>
    </message>
    <message>
        <source>Site Report...</source>
        <translation>รายงานพื้นที่ปลูก...</translation>
    </message>
</context>
<context>
    <name>frmIdentifyMap</name>
    <message>
        <source>Field</source>
        <translation>ฟิลด์</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>ค่า</translation>
    </message>
</context>
<context>
    <name>frmImage</name>
    <message>
        <source>Photo Species</source>
        <translation>ภาพถ่ายชนิดพันธุ์</translation>
    </message>
    <message>
        <source>Photo Species - %1</source>
        <translation>ภาพถ่ายชนิดพันธุ์ - %1</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>คำอธิบาย</translation>
    </message>
    <message>
        <source>Photo By</source>
        <translation>ถ่ายภาพโดย</translation>
    </message>
    <message>
        <source>Previous photograph</source>
        <translation>ภาพก่อนหน้า</translation>
    </message>
    <message>
        <source>Next photograph</source>
        <translation>ภาพถัดไป</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Not a picture file name: %1</source>
        <translation>ไม่ใช่ชื่อไฟล์ภาพ: %1</translation>
    </message>
    <message>
        <source>The picture file %1 cannot be read: %2</source>
        <translation>ไม่สามารถอ่านไฟล์ภาพ %1 ได้: %2</translation>
    </message>
    <message>
        <source>Picture file not found: %1</source>
        <translation>ไม่พบไฟล์ภาพ: %1</translation>
    </message>
</context>
<context>
    <name>frmList</name>
    <message>
        <source>Species List</source>
        <translation>รายชื่อชนิดพันธุ์</translation>
    </message>
    <message>
        <source>Synonym Names</source>
        <translation>ชื่อพ้อง</translation>
    </message>
    <message>
        <source>Current Names</source>
        <translation>ชื่อที่ใช้ในปัจจุบัน</translation>
    </message>
    <message>
        <source>Functional Uses</source>
        <translation>การใช้ประโยชน์</translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation>ชื่อสามัญ</translation>
    </message>
    <message>
        <source>Genus</source>
        <translation>สกุล</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>ภาษา</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Botanic Names</source>
        <translation>ชื่อพฤกษศาสตร์</translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation>ชื่อสามัญ</translation>
    </message>
    <message>
        <source>Functional Uses</source>
        <translation>การใช้ประโยชน์</translation>
    </message>
    <message>
        <source>Silvaria Database Version 2.0</source>
        <translation>ฐานข้อมูล Silvaria รุ่น 2.0</translation>
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
        <translation>ลบป้ายชื่อทั้งหมดหรือไม่?</translation>
    </message>
    <message>
        <source>Remove current labels from Map?</source>
        <translation>ลบป้ายชื่อปัจจุบันออกจากแผนที่หรือไม่?</translation>
    </message>
    <message>
        <source>No species with the identifier %1 is in the catalogue, so the map shows no suitable area. Choose a species in the species list first.</source>
        <translation>ไม่มีชนิดพันธุ์รหัส %1 ในบัญชีชนิดพันธุ์ แผนที่จึงไม่แสดงพื้นที่ที่เหมาะสม โปรดเลือกชนิดพันธุ์ในรายชื่อชนิดพันธุ์ก่อน</translation>
    </message>
    <message>
        <source>Arboplot</source>
        <translation>แผนที่ Arboplot</translation>
    </message>
    <message>
        <source>Matching known ranges in elevation, mean annual rainfall and mean annual temperature of trees to available spatial data</source>
        <translation>การจับคู่ช่วงความสูง ปริมาณน้ำฝนเฉลี่ยรายปี และอุณหภูมิเฉลี่ยรายปีที่ทราบของต้นไม้ กับข้อมูลเชิงพื้นที่ที่มีอยู่</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>พารามิเตอร์</translation>
    </message>
    <message>
        <source>Restore Default Values</source>
        <translation>คืนค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Default Value</source>
        <translation>ค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Clear All Label</source>
        <translation>ล้างป้ายชื่อทั้งหมด</translation>
    </message>
    <message>
        <source>Clear Label</source>
        <translation>ล้างป้ายชื่อ</translation>
    </message>
    <message>
        <source>Save To Image</source>
        <translation>บันทึกเป็นภาพ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Close Form</source>
        <translation>ปิดหน้าต่าง</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Disclaimer:<byte value="xd"/>
The maps are indicative only, as species requirements are incompletely known (and depend on provenance/cultivar), spatial data have low resolution, microclimate can differ and landscapes position and soil can modify suitability.</source>
        <translation>ข้อจำกัดความรับผิดชอบ:<byte value="xd"/>
แผนที่นี้ใช้เป็นแนวทางเท่านั้น เนื่องจากข้อมูลความต้องการของชนิดพันธุ์ยังไม่สมบูรณ์ (และขึ้นอยู่กับแหล่งเมล็ดพันธุ์/พันธุ์ปลูก) ข้อมูลเชิงพื้นที่มีความละเอียดต่ำ ภูมิอากาศย่อยอาจแตกต่างกัน และตำแหน่งในภูมิประเทศและดินอาจทำให้ความเหมาะสมเปลี่ยนไป</translation>
    </message>
    <message>
        <source>Point Id: %1</source>
        <translation>รหัสจุด: %1</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>ประเทศ</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>จังหวัด</translation>
    </message>
    <message>
        <source>ALT minimum</source>
        <translation>ALT ต่ำสุด</translation>
    </message>
    <message>
        <source>ALT maximum</source>
        <translation>ALT สูงสุด</translation>
    </message>
    <message>
        <source>MAR minimum</source>
        <translation>MAR ต่ำสุด</translation>
    </message>
    <message>
        <source>MAR maximum</source>
        <translation>MAR สูงสุด</translation>
    </message>
    <message>
        <source>MAT minimum</source>
        <translation>MAT ต่ำสุด</translation>
    </message>
    <message>
        <source>MAT maximum</source>
        <translation>MAT สูงสุด</translation>
    </message>
    <message>
        <source>The %1 box of the map of %2 holds &quot;%3&quot;, which is not a number. Correct it and choose the command again.</source>
        <translation>ช่อง %1 ในแผนที่ของ %2 มีค่า &quot;%3&quot; ซึ่งไม่ใช่ตัวเลข โปรดแก้ไขแล้วเลือกคำสั่งอีกครั้ง</translation>
    </message>
</context>
<context>
    <name>frmSearch</name>
    <message>
        <source>Search</source>
        <translation>ค้นหา</translation>
    </message>
    <message>
        <source>Search By</source>
        <translation>ค้นหาตาม</translation>
    </message>
    <message>
        <source>Botanic Names</source>
        <translation>ชื่อพฤกษศาสตร์</translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation>ชื่อสามัญ</translation>
    </message>
    <message>
        <source>Search For</source>
        <translation>คำที่ค้นหา</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>frmSiteReport</name>
    <message>
        <source>Preview</source>
        <translation>แสดงตัวอย่าง</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>บันทึก...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Site Report</source>
        <translation>รายงานพื้นที่ปลูก</translation>
    </message>
    <message>
        <source>longitude, latitude (98.98, 18.79)</source>
        <translation>ลองจิจูด, ละติจูด (98.98, 18.79)</translation>
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
        <translation>ตำแหน่ง:</translation>
    </message>
    <message>
        <source>Find place:</source>
        <translation>ค้นหาสถานที่:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>กระดาษ:</translation>
    </message>
    <message>
        <source>Functional uses (none checked: every use)</source>
        <translation>การใช้ประโยชน์ (หากไม่เลือก: ทุกการใช้ประโยชน์)</translation>
    </message>
    <message>
        <source>Type the position as longitude, latitude in degrees (98.98, 18.79), or find a place by name.</source>
        <translation>พิมพ์ตำแหน่งเป็นลองจิจูด, ละติจูด หน่วยองศา (98.98, 18.79) หรือค้นหาสถานที่ตามชื่อ</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>จำนวนหน้า: %1</translation>
    </message>
    <message>
        <source>Save Site Report</source>
        <translation>บันทึกรายงานพื้นที่ปลูก</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>เอกสาร PDF (*.pdf)</translation>
    </message>
    <message>
        <source>HTML pages (*.html)</source>
        <translation>หน้า HTML (*.html)</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>บันทึกลงใน %1 แล้ว</translation>
    </message>
</context>
<context>
    <name>frmSpecies</name>
    <message>
        <source>Choose Species</source>
        <translation>เลือกชนิดพันธุ์</translation>
    </message>
    <message>
        <source>Type Species Name</source>
        <translation>พิมพ์ชื่อชนิดพันธุ์</translation>
    </message>
</context>
<context>
    <name>frmSpeciesCount</name>
    <message>
        <source>Species Count Map</source>
        <translation>แผนที่จำนวนชนิดพันธุ์</translation>
    </message>
    <message>
        <source>All uses</source>
        <translation>ทุกการใช้ประโยชน์</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>บันทึกภาพ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Functional use:</source>
        <translation>การใช้ประโยชน์:</translation>
    </message>
    <message>
        <source>all uses</source>
        <translation>ทุกการใช้ประโยชน์</translation>
    </message>
    <message>
        <source>Climate: %1</source>
        <translation>ภูมิอากาศ: %1</translation>
    </message>
    <message>
        <source>Classes: %1</source>
        <translation>การแบ่งระดับ: %1</translation>
    </message>
    <message numerus="yes">
        <source>Species of %1 suitable at each grid point, of %n such species in the catalogue: every range of a species contains the point&apos;s ALT, MAR and MAT. With the Planting List tool (the tree), click the map to list them.</source>
        <translation>
            <numerusform>จำนวนชนิดพันธุ์สำหรับ %1 ที่เหมาะสมในแต่ละจุดกริด จากชนิดพันธุ์กลุ่มนี้ทั้งหมด %n ชนิดในบัญชีชนิดพันธุ์: ทุกช่วงของชนิดพันธุ์ครอบคลุมค่า ALT, MAR และ MAT ของจุดนั้น ใช้เครื่องมือรายชื่อพันธุ์ไม้สำหรับปลูก (รูปต้นไม้) คลิกบนแผนที่เพื่อแสดงรายชื่อ</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <comment>summary, then the climate</comment>
        <translation>%1 %2</translation>
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
        <translation>silvaria: ไม่รู้จักภาษา &quot;%1&quot;; โปรดเลือกหนึ่งใน %2</translation>
    </message>
</context>
<context>
    <name>modLoadList</name>
    <message>
        <source>Species List</source>
        <translation>รายชื่อชนิดพันธุ์</translation>
    </message>
    <message>
        <source>The species list could not be read: %1</source>
        <translation>ไม่สามารถอ่านรายชื่อชนิดพันธุ์ได้: %1</translation>
    </message>
</context>
<context>
    <name>modLoadTree</name>
    <message>
        <source>Botanic Names</source>
        <translation>ชื่อพฤกษศาสตร์</translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation>ชื่อสามัญ</translation>
    </message>
</context>
<context>
    <name>splitter</name>
    <message>
        <source>A container object has not been assigned (set)for property [SplitterContainerControl]</source>
        <translation>ยังไม่ได้กำหนดออบเจ็กต์คอนเทนเนอร์ให้กับคุณสมบัติ [SplitterContainerControl]</translation>
    </message>
</context>
</TS>
