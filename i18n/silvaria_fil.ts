<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fil">
<context>
    <name>AboutTexts</name>
    <message>
        <source>Copyright (C) 2026 the Silvaria developers. Free software under the GNU GPL.</source>
        <translation>Copyright (C) 2026 ng mga developer ng Silvaria. Malayang software sa ilalim ng GNU GPL.</translation>
    </message>
    <message>
        <source>Rainfall and temperature of the map grid are modelled, not observed.</source>
        <translation>Ang ulan at temperatura ng grid ng mapa ay mula sa modelo, hindi sa aktuwal na obserbasyon.</translation>
    </message>
    <message>
        <source>Rainfall and temperature of the map grid: observed climate (see its sources.txt).</source>
        <translation>Ulan at temperatura ng grid ng mapa: naobserbahang klima (tingnan ang sources.txt nito).</translation>
    </message>
    <message>
        <source>Rainfall and temperature of the map grid: your own data (see its sources.txt).</source>
        <translation>Ulan at temperatura ng grid ng mapa: sarili ninyong datos (tingnan ang sources.txt nito).</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. It is free</source>
        <translation>Babala: ang programang ito ay protektado ng batas sa copyright. Ito ay</translation>
    </message>
    <message>
        <source>software: copy, change and share it under the GNU GPL, version 3 or</source>
        <translation>malayang software: kopyahin, baguhin at ibahagi ito sa ilalim ng GNU GPL, bersiyon 3 o</translation>
    </message>
    <message>
        <source>later; any other copying is not allowed. It comes with NO WARRANTY.</source>
        <translation>mas bago; hindi pinahihintulutan ang anumang ibang pagkopya. WALA itong GARANTIYA.</translation>
    </message>
    <message>
        <source>Map: Natural Earth boundaries and NOAA ETOPO5 altitude (public domain).</source>
        <translation>Mapa: mga hangganan mula sa Natural Earth at altitud mula sa NOAA ETOPO5 (public domain).</translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0; filtered to the region.</source>
        <translation>Mga lugar: GeoNames (geonames.org), CC BY 4.0; sinala para sa rehiyon.</translation>
    </message>
    <message>
        <source>Provinces: Natural Earth 1:10m (public domain); some names are dated.</source>
        <translation>Mga lalawigan: Natural Earth 1:10m (public domain); luma na ang ilang pangalan.</translation>
    </message>
    <message>
        <source>Catalogue and plates: Silvaria demonstration data from cited works.</source>
        <translation>Katalogo at mga ilustrasyon: datos na pang-demonstrasyon ng Silvaria mula sa mga binanggit na akda.</translation>
    </message>
    <message>
        <source>If you have any suggestion about this application</source>
        <translation>Kung mayroon kayong anumang mungkahi tungkol sa application na ito,</translation>
    </message>
    <message>
        <source>please write to: %1</source>
        <translation>pakisulatan kami sa: %1</translation>
    </message>
    <message>
        <source>Build Using</source>
        <translation>Ginawa Gamit ang</translation>
    </message>
    <message>
        <source>Corrections to the translations are welcome:</source>
        <translation>Malugod naming tinatanggap ang mga pagtatama sa mga salin:</translation>
    </message>
    <message>
        <source>see &quot;Translating Silvaria&quot; in the manual.</source>
        <translation>tingnan ang &quot;Translating Silvaria&quot; sa manwal.</translation>
    </message>
</context>
<context>
    <name>AnalysisMapView</name>
    <message>
        <source>Save Picture</source>
        <translation>I-save ang Larawan</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png)</source>
        <translation>Mga larawang PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>AnalysisSubject</name>
    <message>
        <source>No species with the identifier %1 is in the catalogue. Choose a species in the species list first.</source>
        <translation>Walang species na may ID na %1 sa katalogo. Pumili muna ng species sa listahan ng species.</translation>
    </message>
    <message>
        <source>the catalogue</source>
        <translation>katalogo</translation>
    </message>
    <message>
        <source>the map window&apos;s boxes</source>
        <translation>mga kahon ng window ng mapa</translation>
    </message>
    <message>
        <source>No species is chosen. Choose a species in the species list, or open its map, first.</source>
        <translation>Walang napiling species. Pumili muna ng species sa listahan ng species, o buksan muna ang mapa nito.</translation>
    </message>
    <message>
        <source>%1 has no complete range of altitude, rainfall or temperature (%2), so no land can be matched to it.</source>
        <translation>Walang kumpletong saklaw ng altitud, ulan o temperatura ang %1 (%2), kaya walang lupang maitutugma rito.</translation>
    </message>
    <message>
        <source>The species</source>
        <translation>species</translation>
    </message>
    <message>
        <source>%1 (SpID %2): %3, from %4</source>
        <translation>%1 (SpID %2): %3, mula sa %4</translation>
    </message>
</context>
<context>
    <name>AppIdentity</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Bersiyon %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>AreaCommand</name>
    <message>
        <source>the province layer has no country &quot;%1&quot; (give a code such as TH, or a name)</source>
        <translation>walang bansang &quot;%1&quot; sa layer ng mga lalawigan (magbigay ng code gaya ng TH, o ng pangalan)</translation>
    </message>
    <message>
        <source>area -o writes the countries&apos; polygons, so it needs --by-country</source>
        <translation>isinusulat ng area -o ang mga polygon ng mga bansa, kaya kailangan nito ang --by-country</translation>
    </message>
    <message>
        <source>area -o takes a GeoPackage (.gpkg), not &quot;%1&quot;</source>
        <translation>GeoPackage (.gpkg) ang tinatanggap ng area -o, hindi &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The area in km2 of each class of the species&apos; map (altitude, rainfall, temperature, full match), in total or per country, and its share of the gridded land.</source>
        <translation>Ang lawak sa km2 ng bawat klase ng mapa ng species (altitud, ulan, temperatura, ganap na tugma), sa kabuuan o bawat bansa, at ang bahagi nito sa lupang sakop ng grid.</translation>
    </message>
    <message>
        <source>Identifier, current name or synonym.</source>
        <translation>ID, kasalukuyang pangalan o sinonim.</translation>
    </message>
    <message>
        <source>One row per country of the boundary layer.</source>
        <translation>Isang hilera bawat bansa ng layer ng mga hangganan.</translation>
    </message>
    <message>
        <source>One row per province of each country, and the country&apos;s row.</source>
        <translation>Isang hilera bawat lalawigan ng bawat bansa, at ang hilera ng bansa.</translation>
    </message>
    <message>
        <source>With --by-province, only this country (code such as TH, or name).</source>
        <translation>Kasama ng --by-province, ang bansang ito lamang (code gaya ng TH, o pangalan).</translation>
    </message>
    <message>
        <source>With --by-country, also write the countries&apos; polygons with their rows&apos; columns as a GeoPackage (.gpkg).</source>
        <translation>Kasama ng --by-country, isulat din ang mga polygon ng mga bansa, kasama ang mga kolum ng kanilang hilera, bilang GeoPackage (.gpkg).</translation>
    </message>
    <message>
        <source>area takes --by-country or --by-province, not both</source>
        <translation>tumatanggap ang area ng --by-country o --by-province, hindi ang dalawa nang sabay</translation>
    </message>
    <message>
        <source>area --country needs --by-province</source>
        <translation>kailangan ng area --country ang --by-province</translation>
    </message>
    <message>
        <source>%1 has no province layer (province_bnd.shp)</source>
        <translation>walang layer ng mga lalawigan ang %1 (province_bnd.shp)</translation>
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
        <translation>Inililista ang mga species na angkop sa punto ng grid na pinakamalapit sa LON,LAT (sa abot ng kasangkapang Tukuyin), gaya ng ginagawa ng kasangkapang Mga Angkop na Species ng Puno sa mapa; kasama ng --near-misses, pati ang mga species na hindi tugma sa iisang saklaw lamang, at ang mga may kulang na saklaw.</translation>
    </message>
    <message>
        <source>Position in degrees, west and south negative (Yogyakarta: at 110.37,-7.8), or the name of a place, district or province (at &quot;Chiang Mai&quot;).</source>
        <translation>Posisyon sa digri, negatibo ang kanluran at timog (Yogyakarta: at 110.37,-7.8), o ang pangalan ng lugar, distrito o lalawigan (at &quot;Chiang Mai&quot;).</translation>
    </message>
    <message>
        <source>Only species of this use.</source>
        <translation>Mga species lamang na may ganitong gamit.</translation>
    </message>
    <message>
        <source>Also list near misses and incomplete ranges.</source>
        <translation>Ilista rin ang mga halos angkop at ang mga may kulang na saklaw.</translation>
    </message>
    <message>
        <source>Largest miss relative to the range&apos;s width (default 0.25).</source>
        <translation>Pinakamalaking agwat kumpara sa lapad ng saklaw (default 0.25).</translation>
    </message>
    <message>
        <source>no grid point lies within %1 degrees of %2,%3</source>
        <translation>walang punto ng grid sa loob ng %1 digri mula sa %2,%3</translation>
    </message>
    <message>
        <source>the grid point at %1,%2 has no %3 value, so no species can be matched to it</source>
        <translation>walang halaga ng %3 ang punto ng grid sa %1,%2, kaya walang species na maitutugma rito</translation>
    </message>
    <message>
        <source>Place %1 at %2, %3
</source>
        <translation>Lugar: %1 sa %2, %3
</translation>
    </message>
    <message>
        <source>Grid point %1, %2: ALT %3 m, MAR %4 mm, MAT %5 °C
</source>
        <translation>Punto ng grid %1, %2: ALT %3 m, MAR %4 mm, MAT %5 °C
</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Glossary</source>
        <translation>Glosaryo</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Panimula</translation>
    </message>
</context>
<context>
    <name>CatalogueCommand</name>
    <message>
        <source>%1: no such folder of catalogue sources</source>
        <translation>%1: walang ganitong folder ng mga source file ng katalogo</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n problem(s)</source>
        <translation>
            <numerusform>%1: %n problema</numerusform>
            <numerusform>%1: %n problema</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no problems
</source>
        <translation>%1: walang problema
</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n problem(s); %2 not written</source>
        <translation>
            <numerusform>%1: %n problema; hindi naisulat ang %2</numerusform>
            <numerusform>%1: %n problema; hindi naisulat ang %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not empty and holds no catalogue sources: export into a new folder</source>
        <translation>may laman ang %1 pero wala itong mga source file ng katalogo: mag-export sa isang bagong folder</translation>
    </message>
    <message>
        <source>%1 holds the folder %2, which export would not keep: export into a new folder</source>
        <translation>may folder na %2 sa loob ng %1, na hindi mapapanatili ng export: mag-export sa isang bagong folder</translation>
    </message>
    <message>
        <source>%1 (any old folder is kept)</source>
        <translation>%1 (napanatili ang anumang lumang folder)</translation>
    </message>
    <message>
        <source>catalogue takes build, export or check, not &quot;%1&quot;</source>
        <translation>build, export o check ang tinatanggap ng catalogue, hindi &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The catalogue to export (SQLite or Access).</source>
        <translation>Ang katalogong ie-export (SQLite o Access).</translation>
    </message>
    <message>
        <source>The folder of plain source files.</source>
        <translation>Ang folder ng mga simpleng source file.</translation>
    </message>
    <message>
        <source>The folder of the photographs (NAME.jpg).</source>
        <translation>Ang folder ng mga larawan (NAME.jpg).</translation>
    </message>
    <message>
        <source>The catalogue file to write.</source>
        <translation>Ang file ng katalogo na isusulat.</translation>
    </message>
    <message>
        <source>The folder of sources to write.</source>
        <translation>Ang folder ng mga source file na isusulat.</translation>
    </message>
    <message>
        <source>a catalogue FILE</source>
        <translation>isang FILE ng katalogo</translation>
    </message>
    <message>
        <source>a SOURCES folder</source>
        <translation>isang folder na SOURCES</translation>
    </message>
    <message>
        <source>catalogue %1 needs -o %2</source>
        <translation>kailangan ng catalogue %1 ang -o %2</translation>
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
        <translation>Tugma sa altitud lamang</translation>
    </message>
    <message>
        <source>Rainfall match (but not all other criteria)</source>
        <translation>Tugma sa ulan (pero hindi sa lahat ng iba pang pamantayan)</translation>
    </message>
    <message>
        <source>Temperature match (but not all other criteria)</source>
        <translation>Tugma sa temperatura (pero hindi sa lahat ng iba pang pamantayan)</translation>
    </message>
    <message>
        <source>Species match (all criteria available)</source>
        <translation>Tugma sa species (lahat ng pamantayang may datos)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning : Potentially Invasive Species</source>
        <translation>Babala : Posibleng Mapanalakay na Species</translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>%1 (see silvaria-cli --help)</source>
        <translation>%1 (tingnan ang silvaria-cli --help)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>nangangailangan ng halaga ang %1</translation>
    </message>
    <message>
        <source>Rows as table, csv or json (sheet: text or html).</source>
        <translation>Mga hilera bilang table, csv o json (sheet: text o html).</translation>
    </message>
    <message>
        <source>Read the data of another application folder.</source>
        <translation>Basahin ang datos ng ibang folder ng application.</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>kailangan ng %1 ang %2</translation>
    </message>
    <message>
        <source>%1 takes one %2, not &quot;%3&quot;</source>
        <translation>isang %2 lamang ang tinatanggap ng %1, hindi &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--format of %1 is one of %2, not &quot;%3&quot;</source>
        <translation>ang --format ng %1 ay isa sa %2, hindi &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1: no such application folder</source>
        <translation>%1: walang ganitong folder ng application</translation>
    </message>
    <message>
        <source>%1 takes a number, not &quot;%2&quot;</source>
        <translation>numero ang tinatanggap ng %1, hindi &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 takes %2 numbers separated by &quot;%3&quot;, not &quot;%4&quot;</source>
        <translation>%2 numerong pinaghihiwalay ng &quot;%3&quot; ang tinatanggap ng %1, hindi &quot;%4&quot;</translation>
    </message>
    <message>
        <source>--use is one of %1, not &quot;%2&quot;</source>
        <translation>ang --use ay isa sa %1, hindi &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>CliData</name>
    <message>
        <source>&quot;%1&quot; names several species</source>
        <translation>ilang species ang tinutukoy ng &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no species of the catalogue</source>
        <translation>walang species sa katalogo na tinutukoy ng &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Altitude range to use, in m.</source>
        <translation>Saklaw ng altitud na gagamitin, sa m.</translation>
    </message>
    <message>
        <source>Rainfall range to use, in mm.</source>
        <translation>Saklaw ng ulan na gagamitin, sa mm.</translation>
    </message>
    <message>
        <source>a picture (.png or .bmp), a GeoTIFF (.tif or .tiff) or a GeoPackage (.gpkg)</source>
        <translation>larawan (.png o .bmp), GeoTIFF (.tif o .tiff) o GeoPackage (.gpkg)</translation>
    </message>
    <message>
        <source>-o FILE is needed: %1</source>
        <translation>kailangan ang -o FILE: %1</translation>
    </message>
    <message>
        <source>-o takes %1, not &quot;%2&quot;</source>
        <translation>%1 ang tinatanggap ng -o, hindi &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Temperature range to use, in °C.</source>
        <translation>Saklaw ng temperatura na gagamitin, sa °C.</translation>
    </message>
</context>
<context>
    <name>CliProgram</name>
    <message>
        <source>no command given</source>
        <translation>walang ibinigay na utos</translation>
    </message>
    <message>
        <source>silvaria-cli %1.%2.%3
</source>
        <translation>silvaria-cli %1.%2.%3
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>hindi kilalang utos na &quot;%1&quot;</translation>
    </message>
    <message>
        <source>silvaria-cli: %1
</source>
        <translation>silvaria-cli: %1
</translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation>kailangan ng --lang ang code ng isang wika</translation>
    </message>
    <message>
        <source>--lang is one of %1, not &quot;%2&quot;</source>
        <translation>ang --lang ay isa sa %1, hindi &quot;%2&quot;</translation>
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
        <translation>Paggamit: silvaria-cli COMMAND [OPTIONS]

Mga utos:
  species [--search TEXT] [--use USE]        listahan ng mga species (SpID, pangalan, mga gamit)
  sheet SPECIES [--format text|html]         ang fact sheet ng isang species
  map SPECIES -o FILE                        mapa ng pagkaangkop na may tatak ng pinagmulan
      [--alt MIN,MAX] [--mar MIN,MAX] [--mat MIN,MAX] [--size WxH] [--extent W,S,E,N|PLACE]
  map --all -o FOLDER                        isang larawan ng mapa bawat species
  at LON,LAT|PLACE [--country CC] [--use USE] [--near-misses]
                                             mga species na angkop sa pinakamalapit na punto ng grid
  report LON,LAT|PLACE -o FILE.pdf|FILE.html ang maipi-print na ulat sa lugar ng isang posisyon
      [--use USE ...] [--paper a4|letter] [--scenario NAME]
  places TEXT [--country CC] [--limit N]     mga lugar, distrito at lalawigan ayon sa pangalan
  area SPECIES [--by-country [-o FILE.gpkg]] angkop na lawak sa km2 bawat klase (at bansa)
  area SPECIES --by-province [--country CC]  pareho, bawat lalawigan, para sa isang bansa o lahat
  count [--use USE] [--scenario NAME] -o FILE [--points FILE.csv]
                                             mga species na angkop sa bawat punto ng grid
  shift SPECIES --dt DT --dp DP [-o FILE] [--by-country]
                                             ganap na tugma sa ilalim ng pantay na pagbabago ng klima
  shift SPECIES --scenario NAME [-o FILE] [--by-country]
                                             ganap na tugma sa klima ng isang naka-install na senaryo
  scenarios                                  ang mga naka-install na grid ng senaryo at ang pinagmulan nila
  grid build --alt FILE --mar FILE --mat FILE --extent W,S,E,N --step MINUTES -o FOLDER
      [--countries FILE [--name-field FIELD]] [--mat-scale F] [--mat-offset D] [--mar-scale F]
                                             ang grid ng mapa mula sa sarili ninyong mga raster
  grid fetch worldclim --res 10m|5m|2.5m|30s [--extent W,S,E,N] [--step MINUTES] -o FOLDER
                                             ang grid ng mapa mula sa WorldClim 2.1 (kailangan ng network)
  grid fetch worldclim --res RES --future GCM SSP PERIOD [-o FOLDER]
                                             grid ng senaryo mula sa isang proyeksiyon ng CMIP6
  catalogue build SOURCES -o FILE            katalogo mula sa mga simpleng file
  catalogue export FILE -o SOURCES           katalogo (SQLite o Access) bilang mga simpleng file
  catalogue check SOURCES [--images DIR]     bawat problema ng mga simpleng file, kasama ang file at linya
  serve [--listen ADDR:PORT]                 ang katalogo, mga mapa at angkop na species bilang mga web page
                                             (default 127.0.0.1:8080; 0.0.0.0:8080 para sa network)

Mga karaniwang opsiyon:
  --format table|csv|json   paano ipapakita ang mga hilera (default table)
  --app-folder DIR          basahin ang datos ng ibang folder ng application
  --help                    ang tekstong ito, o ang sariling tulong ng isang utos (silvaria-cli map --help)
  --version                 ang bersiyon ng programa

Ang FILE ng map, count at shift ay larawan (.png, .bmp), GeoTIFF ng mga klase o ng mga
bilang (.tif) o GeoPackage ng mga punto ng grid (.gpkg); isinusulat naman ng area ang mga bansa.
Ang SPECIES ay ID, kasalukuyang pangalan o sinonim (hindi pinapansin ang malaki/maliit na titik at tuldik).
Ang PLACE ay pangalan ng lugar, distrito o lalawigan sa rehiyon (&quot;Chiang Mai&quot;); ang pangalang tumutukoy
sa ilang lugar ay tinatanggihan at inililista ang mga ito, na mapapaikli gamit ang --country CC.
Ang USE ay isa sa Timber, Fruit, Resin, Fodder, Firewood, Charcoal, Bamboo, Rattan, Others.
Maaari ring ilagay ang mga karaniwang opsiyon bago ang utos (silvaria-cli --format csv at ...).
Ang halagang nagsisimula sa &quot;-&quot; ay inilalagay pagkatapos ng &quot;=&quot; (--extent=-10,...) o pagkatapos ng &quot;--&quot;.
Mga exit code: 0 tapos, 1 maling paggamit, 2 error sa datos, 3 hindi naisulat ang output.
</translation>
    </message>
</context>
<context>
    <name>ClimateShift</name>
    <message>
        <source>uniform shift of the grid&apos;s climate, not a climate projection</source>
        <translation>pantay na pagbabago ng klima ng grid, hindi proyeksiyon ng klima</translation>
    </message>
</context>
<context>
    <name>CountCommand</name>
    <message>
        <source>How many species (of one use) are suitable at each grid point, by the rule of the Suitable Tree Species tool; drawn as a map, the points optionally as CSV.</source>
        <translation>Kung ilang species (ng isang gamit) ang angkop sa bawat punto ng grid, ayon sa panuntunan ng kasangkapang Mga Angkop na Species ng Puno; iginuguhit bilang mapa, at kung nais, ang mga punto bilang CSV.</translation>
    </message>
    <message>
        <source>Only species of this use.</source>
        <translation>Mga species lamang na may ganitong gamit.</translation>
    </message>
    <message>
        <source>The file to write: a picture (.png or .bmp), a GeoTIFF of the counts (.tif) or a GeoPackage of the grid&apos;s points (.gpkg).</source>
        <translation>Ang file na isusulat: larawan (.png o .bmp), GeoTIFF ng mga bilang (.tif) o GeoPackage ng mga punto ng grid (.gpkg).</translation>
    </message>
    <message>
        <source>Also write POINTID, LON, LAT, COUNT per grid point.</source>
        <translation>Isulat din ang POINTID, LON, LAT, COUNT bawat punto ng grid.</translation>
    </message>
    <message>
        <source>Picture size in pixels (default 1000x750).</source>
        <translation>Laki ng larawan sa pixel (default 1000x750).</translation>
    </message>
    <message>
        <source>Count on the climate of this installed scenario grid (silvaria-cli scenarios lists them).</source>
        <translation>Magbilang batay sa klima ng naka-install na grid ng senaryong ito (inililista ang mga ito ng silvaria-cli scenarios).</translation>
    </message>
    <message>
        <source>count takes no argument &quot;%1&quot;</source>
        <translation>hindi tumatanggap ang count ng argumentong &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Climate: %1
</source>
        <translation>Klima: %1
</translation>
    </message>
    <message>
        <source>Classes: %1
</source>
        <translation>Mga klase: %1
</translation>
    </message>
</context>
<context>
    <name>FactSheet</name>
    <message>
        <source>-Species Identity-</source>
        <translation>-Pagkakakilanlan ng Species-</translation>
    </message>
    <message>
        <source>1. Taxonomy</source>
        <translation>1. Taksonomiya</translation>
    </message>
    <message>
        <source>2. Synonym(s)</source>
        <translation>2. (Mga) Sinonim</translation>
    </message>
    <message>
        <source>3. Common Names</source>
        <translation>3. Mga Karaniwang Pangalan</translation>
    </message>
    <message>
        <source>4. Botanic Descriptions</source>
        <translation>4. Paglalarawang Botaniko</translation>
    </message>
    <message>
        <source>-Ecology and Distribution-</source>
        <translation>-Ekolohiya at Distribusyon-</translation>
    </message>
    <message>
        <source>1. History of Cultivation</source>
        <translation>1. Kasaysayan ng Pagtatanim</translation>
    </message>
    <message>
        <source>2. Natural Habitat</source>
        <translation>2. Likas na Tirahan</translation>
    </message>
    <message>
        <source>3. Geographic Distribution</source>
        <translation>3. Heograpikong Distribusyon</translation>
    </message>
    <message>
        <source>4. Biophysical Limits</source>
        <translation>4. Mga Hangganang Biopisikal</translation>
    </message>
    <message>
        <source>5. Reproductive Biology</source>
        <translation>5. Biyolohiya ng Pagpaparami</translation>
    </message>
    <message>
        <source>-Propagation and Management-</source>
        <translation>-Pagpaparami at Pangangasiwa-</translation>
    </message>
    <message>
        <source>1. Propagation Methods</source>
        <translation>1. Mga Paraan ng Pagpaparami</translation>
    </message>
    <message>
        <source>2. Tree Management</source>
        <translation>2. Pangangasiwa ng Puno</translation>
    </message>
    <message>
        <source>3. Germplasm Management</source>
        <translation>3. Pangangasiwa ng Germplasm</translation>
    </message>
    <message>
        <source>-Functional Uses-</source>
        <translation>-Mga Gamit-</translation>
    </message>
    <message>
        <source>1. Products</source>
        <translation>1. Mga Produkto</translation>
    </message>
    <message>
        <source>2. Services</source>
        <translation>2. Mga Serbisyo</translation>
    </message>
    <message>
        <source>3. Pests and Diseases</source>
        <translation>3. Mga Peste at Sakit</translation>
    </message>
    <message>
        <source>-Additional Information-</source>
        <translation>-Karagdagang Impormasyon-</translation>
    </message>
    <message>
        <source>1. Properties</source>
        <translation>1. Mga Katangian</translation>
    </message>
    <message>
        <source>2. Trade</source>
        <translation>2. Kalakalan</translation>
    </message>
    <message>
        <source>3. Yields</source>
        <translation>3. Ani</translation>
    </message>
    <message>
        <source>4. Genetic</source>
        <translation>4. Henetika</translation>
    </message>
    <message>
        <source>5. Prospects</source>
        <translation>5. Mga Potensiyal</translation>
    </message>
    <message>
        <source>-Bibliography-</source>
        <translation>-Bibliograpiya-</translation>
    </message>
    <message>
        <source>Current Name: %1</source>
        <translation>Kasalukuyang Pangalan: %1</translation>
    </message>
    <message>
        <source>Authority: %1</source>
        <translation>Awtor ng Pangalan: %1</translation>
    </message>
    <message>
        <source>Family: %1</source>
        <translation>Pamilya: %1</translation>
    </message>
    <message>
        <source>- No Data -</source>
        <translation>- Walang Datos -</translation>
    </message>
    <message>
        <source>(Native) : %1</source>
        <translation>(Katutubo) : %1</translation>
    </message>
    <message>
        <source>(Exotic) : %1</source>
        <translation>(Dayuhan) : %1</translation>
    </message>
    <message>
        <source>No species has the identifier %1.</source>
        <translation>Walang species na may ID na %1.</translation>
    </message>
</context>
<context>
    <name>FeatureLabel</name>
    <message>
        <source>the %1 &quot;%2&quot; is not a number</source>
        <translation>ang %1 na &quot;%2&quot; ay hindi numero</translation>
    </message>
    <message>
        <source>the file ends before the last label</source>
        <translation>nagtatapos ang file bago ang huling label</translation>
    </message>
    <message>
        <source>a label text has no closing quote</source>
        <translation>walang pansarang panipi ang teksto ng isang label</translation>
    </message>
    <message>
        <source>a label record has %1 fields instead of 3</source>
        <translation>may %1 field ang isang record ng label sa halip na 3</translation>
    </message>
    <message>
        <source>a position record has %1 fields instead of 2</source>
        <translation>may %1 field ang isang record ng posisyon sa halip na 2</translation>
    </message>
    <message>
        <source>shape type</source>
        <translation>uri ng hugis</translation>
    </message>
    <message>
        <source>the shape type &quot;%1&quot; is not a whole number</source>
        <translation>ang uri ng hugis na &quot;%1&quot; ay hindi buong numero</translation>
    </message>
    <message>
        <source>height</source>
        <translation>taas</translation>
    </message>
    <message>
        <source>x coordinate</source>
        <translation>koordinadang x</translation>
    </message>
    <message>
        <source>y coordinate</source>
        <translation>koordinadang y</translation>
    </message>
    <message>
        <source>the first line &quot;%1&quot; is not a label count</source>
        <translation>ang unang linya na &quot;%1&quot; ay hindi bilang ng mga label</translation>
    </message>
    <message>
        <source>%1 labels are more than the map can hold</source>
        <translation>ang %1 label ay higit sa kayang hawakan ng mapa</translation>
    </message>
</context>
<context>
    <name>FetchCommand</name>
    <message>
        <source>--future takes GCM SSP PERIOD (--future MPI-ESM1-2-HR ssp245 2041-2060)</source>
        <translation>GCM SSP PERIOD ang tinatanggap ng --future (--future MPI-ESM1-2-HR ssp245 2041-2060)</translation>
    </message>
    <message>
        <source>--future takes plain names (letters, digits, &apos;-&apos; and &apos;.&apos;), not &quot;%1&quot;</source>
        <translation>simpleng pangalan lamang ang tinatanggap ng --future (mga titik, digit, &apos;-&apos; at &apos;.&apos;), hindi &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The dataset: WorldClim 2.1 (worldclim.org).</source>
        <translation>Ang dataset: WorldClim 2.1 (worldclim.org).</translation>
    </message>
    <message>
        <source>WorldClim&apos;s resolution: 10m, 5m, 2.5m or 30s.</source>
        <translation>Resolusyon ng WorldClim: 10m, 5m, 2.5m o 30s.</translation>
    </message>
    <message>
        <source>A scenario grid on the points of the grid in -o (default: the application&apos;s ShapeFiles), from a CMIP6 projection.</source>
        <translation>Isang grid ng senaryo sa mga punto ng grid sa -o (default: ang ShapeFiles ng application), mula sa isang proyeksiyon ng CMIP6.</translation>
    </message>
    <message>
        <source>A mirror or local copy in place of %1, with the same paths below it.</source>
        <translation>Isang mirror o lokal na kopya kapalit ng %1, na may parehong mga path sa ilalim nito.</translation>
    </message>
    <message>
        <source>--future takes three words: --future GCM SSP PERIOD</source>
        <translation>tatlong salita ang tinatanggap ng --future: --future GCM SSP PERIOD</translation>
    </message>
    <message>
        <source>grid fetch takes the dataset worldclim, not &quot;%1&quot;</source>
        <translation>ang dataset na worldclim lamang ang tinatanggap ng grid fetch, hindi &quot;%1&quot;</translation>
    </message>
    <message>
        <source>grid fetch needs --res %1</source>
        <translation>kailangan ng grid fetch ang --res %1</translation>
    </message>
    <message>
        <source>--res is one of %1, not &quot;%2&quot;</source>
        <translation>ang --res ay isa sa %1, hindi &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--base-url takes an http:// or https:// address, not &quot;%1&quot;</source>
        <translation>address na http:// o https:// ang tinatanggap ng --base-url, hindi &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: no such application folder</source>
        <translation>%1: walang ganitong folder ng application</translation>
    </message>
    <message>
        <source>%1 (nothing was changed)</source>
        <translation>%1 (walang binago)</translation>
    </message>
    <message>
        <source>--%1 does not go with --future: a scenario takes its grid&apos;s points</source>
        <translation>hindi maaaring isabay ang --%1 sa --future: ginagamit ng senaryo ang mga punto ng sarili nitong grid</translation>
    </message>
</context>
<context>
    <name>FindPlaceBox</name>
    <message>
        <source>district</source>
        <translation>distrito</translation>
    </message>
    <message>
        <source>province</source>
        <translation>lalawigan</translation>
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
        <translation>Hanapin ang lugar (Ctrl+L)</translation>
    </message>
    <message>
        <source>Type a town, district or province in any script; choose one to see what suits it there.</source>
        <translation>Mag-type ng bayan, distrito o lalawigan sa anumang sistema ng pagsulat; pumili ng isa para makita kung ano ang angkop doon.</translation>
    </message>
    <message>
        <source>Places unavailable</source>
        <translation>Hindi makuha ang mga lugar</translation>
    </message>
    <message>
        <source>Places are unavailable: %1</source>
        <translation>Hindi makuha ang mga lugar: %1</translation>
    </message>
</context>
<context>
    <name>FolderBuild</name>
    <message>
        <source>%1 is a link to %2, which does not exist (nothing was changed)</source>
        <translation>ang %1 ay link sa %2, na hindi umiiral (walang binago)</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>ang %1 ay file, hindi folder</translation>
    </message>
    <message>
        <source>Cannot create a folder beside %1 (nothing was changed)</source>
        <translation>Hindi makagawa ng folder sa tabi ng %1 (walang binago)</translation>
    </message>
    <message>
        <source>Cannot copy %1 into %2 (nothing was changed)</source>
        <translation>Hindi makopya ang %1 sa %2 (walang binago)</translation>
    </message>
    <message>
        <source>Cannot move %1 aside (nothing was changed)</source>
        <translation>Hindi mailipat sa tabi ang %1 (walang binago)</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2 (nothing was changed)</source>
        <translation>Hindi mailipat ang %1 sa %2 (walang binago)</translation>
    </message>
</context>
<context>
    <name>FunctionalUses</name>
    <message>
        <source>Timber</source>
        <translation>Troso</translation>
    </message>
    <message>
        <source>Fruit</source>
        <translation>Prutas</translation>
    </message>
    <message>
        <source>Resin</source>
        <translation>Dagta</translation>
    </message>
    <message>
        <source>Fodder</source>
        <translation>Kumpay</translation>
    </message>
    <message>
        <source>Firewood</source>
        <translation>Panggatong</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>Uling</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>Kawayan</translation>
    </message>
    <message>
        <source>Rattan</source>
        <translation>Yantok</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Iba pa</translation>
    </message>
</context>
<context>
    <name>GdalOutputFile</name>
    <message>
        <source>GDAL could not write it</source>
        <translation>hindi ito maisulat ng GDAL</translation>
    </message>
</context>
<context>
    <name>GeoPackageOutput</name>
    <message>
        <source>%1: GDAL cannot read its polygons</source>
        <translation>%1: hindi mabasa ng GDAL ang mga polygon nito</translation>
    </message>
</context>
<context>
    <name>GeoTiffOutput</name>
    <message>
        <source>%1: too many values for one band</source>
        <translation>%1: masyadong maraming halaga para sa iisang band</translation>
    </message>
</context>
<context>
    <name>GridBuilder</name>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Hindi magawa ang %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Hindi maisulat ang %1: %2</translation>
    </message>
</context>
<context>
    <name>GridCommand</name>
    <message>
        <source>Multiply the rainfall values by this (default 1).</source>
        <translation>I-multiply ang mga halaga ng ulan sa numerong ito (default 1).</translation>
    </message>
    <message>
        <source>Multiply the temperature values by this (0.1 for tenths).</source>
        <translation>I-multiply ang mga halaga ng temperatura sa numerong ito (0.1 para sa ikasampung bahagi).</translation>
    </message>
    <message>
        <source>Then add this to the temperature (-273.15 for kelvin).</source>
        <translation>Pagkatapos, idagdag ito sa temperatura (-273.15 para sa kelvin).</translation>
    </message>
    <message>
        <source>grid build needs --alt, --mar and --mat</source>
        <translation>kailangan ng grid build ang --alt, --mar at --mat</translation>
    </message>
    <message>
        <source>--%1 takes a band number from 1, not &quot;%2&quot;</source>
        <translation>numero ng band mula 1 pataas ang tinatanggap ng --%1, hindi &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--%1 cannot be 0</source>
        <translation>hindi maaaring 0 ang --%1</translation>
    </message>
    <message>
        <source>grid takes build or fetch, not &quot;%1&quot;</source>
        <translation>build o fetch ang tinatanggap ng grid, hindi &quot;%1&quot;</translation>
    </message>
    <message>
        <source>grid build takes no argument &quot;%1&quot;</source>
        <translation>hindi tumatanggap ang grid build ng argumentong &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>GridFolder</name>
    <message>
        <source>%1 holds folders (scenarios made for its points, or others), which the build would not keep: move them away or give another folder</source>
        <translation>may mga folder sa loob ng %1 (mga senaryong ginawa para sa mga punto nito, o iba pa), na hindi mapapanatili ng build: ilipat ang mga ito sa ibang lugar o magbigay ng ibang folder</translation>
    </message>
    <message>
        <source>no cell of the extent has all three values (nothing was written)</source>
        <translation>walang cell sa loob ng extent na may lahat ng tatlong halaga (walang naisulat)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Hindi maisulat ang %1: %2</translation>
    </message>
</context>
<context>
    <name>GridOptions</name>
    <message>
        <source>Country boundaries (any vector source GDAL reads).</source>
        <translation>Mga hangganan ng bansa (anumang vector source na nababasa ng GDAL).</translation>
    </message>
    <message>
        <source>The field of the country name (default NAME).</source>
        <translation>Ang field ng pangalan ng bansa (default NAME).</translation>
    </message>
    <message>
        <source>The grid&apos;s extent in degrees.</source>
        <translation>Ang extent ng grid sa digri.</translation>
    </message>
    <message>
        <source>The cell size in arc minutes.</source>
        <translation>Ang laki ng cell sa arc minute.</translation>
    </message>
    <message>
        <source>%1 needs --extent W,S,E,N and --step MINUTES</source>
        <translation>kailangan ng %1 ang --extent W,S,E,N at --step MINUTES</translation>
    </message>
    <message>
        <source>--step takes arc minutes from 0.01 to 600, not &quot;%1&quot;</source>
        <translation>arc minute mula 0.01 hanggang 600 ang tinatanggap ng --step, hindi &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 needs -o FOLDER</source>
        <translation>kailangan ng %1 ang -o FOLDER</translation>
    </message>
    <message>
        <source>--name-field goes with --countries</source>
        <translation>ginagamit lamang ang --name-field kasama ng --countries</translation>
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
        <translation>hindi ito mabasa ng GDAL</translation>
    </message>
</context>
<context>
    <name>HtmlViewer</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Page not found&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The page file &lt;b&gt;%1&lt;/b&gt; is missing.&lt;/p&gt;&lt;p&gt;Silvaria reads its manual and glossary from the &lt;i&gt;Help&lt;/i&gt; and &lt;i&gt;HTML&lt;/i&gt; folders beside the program. Install the program again to restore them.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Hindi nakita ang pahina&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Hindi nakita ang pahina&lt;/h2&gt;&lt;p&gt;Nawawala ang file ng pahina na &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Binabasa ng Silvaria ang manwal at glosaryo nito mula sa mga folder na &lt;i&gt;Help&lt;/i&gt; at &lt;i&gt;HTML&lt;/i&gt; sa tabi ng programa. I-install muli ang programa para maibalik ang mga ito.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>Icons</name>
    <message>
        <source>Agroforestry tree species of South-East Asia</source>
        <translation>Mga species ng puno para sa agroforestry sa Timog-Silangang Asya</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>Bersiyon 2.0</translation>
    </message>
</context>
<context>
    <name>LabelLayer</name>
    <message>
        <source>The labels could not be saved to %1: %2.</source>
        <translation>Hindi ma-save ang mga label sa %1: %2.</translation>
    </message>
    <message>
        <source>The labels could not be read from %1: %2.</source>
        <translation>Hindi mabasa ang mga label mula sa %1: %2.</translation>
    </message>
    <message>
        <source>The map holds %1 labels, the most it can.</source>
        <translation>May %1 label na ang mapa, ang pinakamaraming kaya nito.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Wika</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lumabas</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Tingnan</translation>
    </message>
    <message>
        <source>Botanic Names (All)</source>
        <translation>Mga Pangalang Botaniko (Lahat)</translation>
    </message>
    <message>
        <source>Common Names (All)</source>
        <translation>Mga Karaniwang Pangalan (Lahat)</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Maghanap</translation>
    </message>
    <message>
        <source>Image Selected Record</source>
        <translation>Larawan ng Napiling Species</translation>
    </message>
    <message>
        <source>Arboplot</source>
        <translation>Arboplot</translation>
    </message>
    <message>
        <source>Arboplot Comparison</source>
        <translation>Paghahambing sa Arboplot</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Pagsusuri</translation>
    </message>
    <message>
        <source>Suitable Area by Country...</source>
        <translation>Angkop na Lawak ayon sa Bansa...</translation>
    </message>
    <message>
        <source>Species Count Map...</source>
        <translation>Mapa ng Bilang ng Species...</translation>
    </message>
    <message>
        <source>Climate Shift...</source>
        <translation>Pagbabago ng Klima...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Tulong</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Panimula</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Glosaryo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tungkol sa Silvaria</translation>
    </message>
    <message>
        <source>View Botanic Names (All)</source>
        <translation>Tingnan ang mga Pangalang Botaniko (Lahat)</translation>
    </message>
    <message>
        <source>View Common Names (All)</source>
        <translation>Tingnan ang mga Karaniwang Pangalan (Lahat)</translation>
    </message>
    <message>
        <source>View Species Image</source>
        <translation>Tingnan ang Larawan ng Species</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manwal</translation>
    </message>
    <message>
        <source>Move Previous Form</source>
        <translation>Lumipat sa Naunang Window</translation>
    </message>
    <message>
        <source>Move Next Form</source>
        <translation>Lumipat sa Susunod na Window</translation>
    </message>
    <message>
        <source>Close Active Form</source>
        <translation>Isara ang Aktibong Window</translation>
    </message>
    <message>
        <source>Species Count Map</source>
        <translation>Mapa ng Bilang ng Species</translation>
    </message>
    <message>
        <source>Climate Shift</source>
        <translation>Pagbabago ng Klima</translation>
    </message>
    <message>
        <source>Site Report...</source>
        <translation>Ulat sa Lugar...</translation>
    </message>
</context>
<context>
    <name>MapClasses</name>
    <message>
        <source>no species suits any grid point</source>
        <translation>walang species na angkop sa anumang punto ng grid</translation>
    </message>
    <message>
        <source>one class per number of species, up to %1, the most at any grid point</source>
        <translation>isang klase sa bawat bilang ng species, hanggang %1, ang pinakamarami sa alinmang punto ng grid</translation>
    </message>
    <message>
        <source>equal steps of %1 species from 1 to %2, the most at any grid point</source>
        <translation>pantay na hakbang na tig-%1 species mula 1 hanggang %2, ang pinakamarami sa alinmang punto ng grid</translation>
    </message>
</context>
<context>
    <name>MapCommand</name>
    <message>
        <source>--classes lists alt, mar, mat, full, not &quot;%1&quot;</source>
        <translation>ang --classes ay listahan mula sa alt, mar, mat, full, hindi &quot;%1&quot;</translation>
    </message>
    <message>
        <source>map --all needs -o FOLDER</source>
        <translation>kailangan ng map --all ang -o FOLDER</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: hindi magawa ang folder</translation>
    </message>
    <message numerus="yes">
        <source>%n maps written to %1
</source>
        <translation>
            <numerusform>%n mapa ang naisulat sa %1
</numerusform>
            <numerusform>%n mapa ang naisulat sa %1
</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws the suitability map of a species (altitude, rainfall, temperature and full match over the country boundaries) with a legend and a source stamp.</source>
        <translation>Iginuguhit ang mapa ng pagkaangkop ng isang species (altitud, ulan, temperatura at ganap na tugma sa ibabaw ng mga hangganan ng bansa) na may leyenda at tatak ng pinagmulan.</translation>
    </message>
    <message>
        <source>Identifier, current name or synonym.</source>
        <translation>ID, kasalukuyang pangalan o sinonim.</translation>
    </message>
    <message>
        <source>The file to write: a picture (.png or .bmp), a GeoTIFF of the class numbers (.tif) or a GeoPackage of the grid&apos;s points (.gpkg); the folder of pictures for --all.</source>
        <translation>Ang file na isusulat: larawan (.png o .bmp), GeoTIFF ng mga numero ng klase (.tif) o GeoPackage ng mga punto ng grid (.gpkg); ang folder ng mga larawan para sa --all.</translation>
    </message>
    <message>
        <source>Picture size in pixels (default 1000x750).</source>
        <translation>Laki ng larawan sa pixel (default 1000x750).</translation>
    </message>
    <message>
        <source>Map extent in degrees (default: the whole map), or a place or LON,LAT at the centre of a view 4 degrees wide.</source>
        <translation>Extent ng mapa sa digri (default: ang buong mapa), o isang lugar o LON,LAT sa gitna ng tanaw na 4 na digri ang lapad.</translation>
    </message>
    <message>
        <source>Narrows a place name of --extent to this country (code such as TH, or name).</source>
        <translation>Nililimitahan ang pangalan ng lugar sa --extent sa bansang ito (code gaya ng TH, o pangalan).</translation>
    </message>
    <message>
        <source>Classes to show: alt,mar,mat,full (default all).</source>
        <translation>Mga klaseng ipapakita: alt,mar,mat,full (default lahat).</translation>
    </message>
    <message>
        <source>One map per species of the catalogue, into FOLDER.</source>
        <translation>Isang mapa bawat species ng katalogo, sa FOLDER.</translation>
    </message>
    <message>
        <source>map --all takes no SPECIES</source>
        <translation>hindi tumatanggap ang map --all ng SPECIES</translation>
    </message>
    <message>
        <source>%1 written
</source>
        <translation>Naisulat ang %1
</translation>
    </message>
</context>
<context>
    <name>MapControl</name>
    <message>
        <source>The map can only be drawn on while it is being drawn</source>
        <translation>Maaari lamang guhitan ang mapa habang ito ay iginuguhit</translation>
    </message>
    <message>
        <source>Cannot save the map to %1: export format %2 is not supported</source>
        <translation>Hindi ma-save ang mapa sa %1: hindi suportado ang format na %2 sa pag-export</translation>
    </message>
    <message>
        <source>Cannot save the map to %1: scale factor %2 is out of range</source>
        <translation>Hindi ma-save ang mapa sa %1: labas sa pinapayagang saklaw ang scale factor na %2</translation>
    </message>
</context>
<context>
    <name>MapImageExport</name>
    <message>
        <source>Windows Bitmaps (*.bmp)</source>
        <translation>Mga Windows Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>PNG Pictures with source stamp (*.png)</source>
        <translation>Mga larawang PNG na may tatak ng pinagmulan (*.png)</translation>
    </message>
    <message>
        <source>Export Bitmap</source>
        <translation>I-export ang Bitmap</translation>
    </message>
</context>
<context>
    <name>MapLegend</name>
    <message>
        <source>Full match</source>
        <translation>Ganap na tugma</translation>
    </message>
    <message>
        <source>Suitable species</source>
        <translation>Mga angkop na species</translation>
    </message>
</context>
<context>
    <name>MapPlaceTools</name>
    <message>
        <source>Provinces</source>
        <translation>Mga Lalawigan</translation>
    </message>
    <message>
        <source>Draw the outlines of provinces and states</source>
        <translation>Iguhit ang mga hangganan ng mga lalawigan at estado</translation>
    </message>
    <message>
        <source>The province layer (ShapeFiles/province_bnd.shp) is missing or unreadable</source>
        <translation>Wala o hindi mabasa ang layer ng mga lalawigan (ShapeFiles/province_bnd.shp)</translation>
    </message>
    <message>
        <source>Suitable Tree Species - %1</source>
        <translation>Mga Angkop na Species ng Puno - %1</translation>
    </message>
    <message>
        <source>Find Place</source>
        <translation>Hanapin ang Lugar</translation>
    </message>
    <message>
        <source>No grid point lies near %1, so no species can be matched to it.</source>
        <translation>Walang punto ng grid na malapit sa %1, kaya walang species na maitutugma rito.</translation>
    </message>
</context>
<context>
    <name>MapToolbar</name>
    <message>
        <source>Planting List</source>
        <translation>Listahan ng Itatanim</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Palakihin</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Paliitin</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Ilipat ang Tanaw</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Tukuyin</translation>
    </message>
    <message>
        <source>Suitable Tree Species</source>
        <translation>Mga Angkop na Species ng Puno</translation>
    </message>
    <message>
        <source>Full Extent</source>
        <translation>Buong Mapa</translation>
    </message>
    <message>
        <source>Generate Map</source>
        <translation>Gumawa ng Mapa</translation>
    </message>
</context>
<context>
    <name>NetworkReading</name>
    <message>
        <source>%1 could not be reached (no network, or no server at that address); nothing was changed</source>
        <translation>hindi maabot ang %1 (walang network, o walang server sa address na iyon); walang binago</translation>
    </message>
    <message>
        <source>%1: %2; nothing was changed</source>
        <translation>%1: %2; walang binago</translation>
    </message>
    <message>
        <source>the server answered HTTP %1</source>
        <translation>sumagot ang server ng HTTP %1</translation>
    </message>
    <message>
        <source>no such file on the server (worldclim.org lists what is published)</source>
        <translation>walang ganitong file sa server (nakalista sa worldclim.org ang mga nailathala)</translation>
    </message>
    <message>
        <source>%1: damaged or incomplete (the download may have stopped half-way): %2 cannot be read from it; nothing was changed</source>
        <translation>%1: sira o kulang (maaaring huminto sa kalagitnaan ang pag-download): hindi mabasa mula rito ang %2; walang binago</translation>
    </message>
    <message>
        <source>%1: %2 has %3 band(s) of pixels %4 x %5 degrees, not the published %6 band(s) of %7 arc minutes; nothing was changed</source>
        <translation>%1: may %3 band ang %2 na may pixel na %4 x %5 digri, hindi ang nailathalang %6 band na %7 arc minute; walang binago</translation>
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
        <translation>buong pixel mula 16 hanggang 10000 ang tinatanggap ng --size, gaya ng 1200x900, hindi &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--extent takes W,S,E,N in degrees with W &lt; E and S &lt; N, not &quot;%1&quot;</source>
        <translation>W,S,E,N sa digri ang tinatanggap ng --extent, na W &lt; E at S &lt; N, hindi &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 takes MIN,MAX with the minimum at most the maximum, not &quot;%2&quot;</source>
        <translation>MIN,MAX ang tinatanggap ng --%1, na ang minimum ay hindi lalampas sa maximum, hindi &quot;%2&quot;</translation>
    </message>
    <message>
        <source>LON,LAT takes a longitude from -180 to 360 and a latitude from -90 to 90, not &quot;%1&quot;</source>
        <translation>longhitud mula -180 hanggang 360 at latitud mula -90 hanggang 90 ang tinatanggap ng LON,LAT, hindi &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ParameterPanel</name>
    <message>
        <source>Altitude (ALT) (m)</source>
        <translation>Altitud (ALT) (m)</translation>
    </message>
    <message>
        <source>Rainfall (MAR) (mm)</source>
        <translation>Ulan (MAR) (mm)</translation>
    </message>
    <message>
        <source>Temperature (MAT) (Deg C)</source>
        <translation>Temperatura (MAT) (°C)</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>Show ALT</source>
        <translation>Ipakita ang ALT</translation>
    </message>
    <message>
        <source>Show MAR</source>
        <translation>Ipakita ang MAR</translation>
    </message>
    <message>
        <source>Show MAT</source>
        <translation>Ipakita ang MAT</translation>
    </message>
    <message>
        <source>Show Tree Species</source>
        <translation>Ipakita ang Species</translation>
    </message>
    <message>
        <source>Parameters Used</source>
        <translation>Ginamit na Parametro</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitud</translation>
    </message>
    <message>
        <source>Rainfall</source>
        <translation>Ulan</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Tree Species</source>
        <translation>Species ng Puno</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Saklaw</translation>
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
        <translation>Mga larawan ng species sa Silvaria</translation>
    </message>
</context>
<context>
    <name>PhotoRequest</name>
    <message>
        <source>Images still needed for this species</source>
        <translation>Kailangan pa ng mga larawan para sa species na ito</translation>
    </message>
    <message>
        <source>If you have any suitable shots please send to:</source>
        <translation>Kung mayroon kayong angkop na kuha, pakipadala sa:</translation>
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
        <translation>proyeksiyon ng isang modelo ng klima, hindi pagtataya</translation>
    </message>
    <message>
        <source>scenario %1</source>
        <translation>senaryo %1</translation>
    </message>
</context>
<context>
    <name>PlaceLookup</name>
    <message>
        <source>places are unavailable: %1</source>
        <translation>hindi makuha ang mga lugar: %1</translation>
    </message>
    <message>
        <source>--country takes one of %1 or a country&apos;s name, not &quot;%2&quot;</source>
        <translation>isa sa %1 o pangalan ng bansa ang tinatanggap ng --country, hindi &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot; (silvaria-cli places TEXT finds names)</source>
        <translation>walang lugar na may pangalang &quot;%1&quot; (hinahanap ng silvaria-cli places TEXT ang mga pangalan)</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot; in %2 (silvaria-cli places TEXT finds names)</source>
        <translation>walang lugar na may pangalang &quot;%1&quot; sa %2 (hinahanap ng silvaria-cli places TEXT ang mga pangalan)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one place; give a fuller name, LON,LAT or --country CC:</source>
        <translation>higit sa isang lugar ang tinutukoy ng &quot;%1&quot;; magbigay ng mas buong pangalan, LON,LAT o --country CC:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2 names more than one place; give a fuller name, LON,LAT or --country CC:</source>
        <translation>higit sa isang lugar ang tinutukoy ng &quot;%1&quot; sa %2; magbigay ng mas buong pangalan, LON,LAT o --country CC:</translation>
    </message>
    <message>
        <source>Narrows a place name to this country (code such as TH, or name).</source>
        <translation>Nililimitahan ang pangalan ng lugar sa bansang ito (code gaya ng TH, o pangalan).</translation>
    </message>
</context>
<context>
    <name>PlacesCommand</name>
    <message>
        <source>Lists the places, districts and provinces of the region whose name or alternate name holds TEXT (case, accents and spaces ignored, in every script), best match first, then the largest.</source>
        <translation>Inililista ang mga lugar, distrito at lalawigan sa rehiyon na may TEXT sa pangalan o alternatibong pangalan (hindi pinapansin ang malaki/maliit na titik, tuldik at espasyo, sa anumang sistema ng pagsulat), una ang pinakatugma, saka ang pinakamalaki.</translation>
    </message>
    <message>
        <source>A name or part of one (&quot;Chiang Mai&quot;, &quot;da lat&quot;, &quot;เชียงใหม่&quot;).</source>
        <translation>Isang pangalan o bahagi nito (&quot;Chiang Mai&quot;, &quot;da lat&quot;, &quot;เชียงใหม่&quot;).</translation>
    </message>
    <message>
        <source>Only places of this country (code such as TH, or name).</source>
        <translation>Mga lugar lamang ng bansang ito (code gaya ng TH, o pangalan).</translation>
    </message>
    <message>
        <source>At most N places (default 20, 0 for all).</source>
        <translation>Hanggang N lugar (default 20, 0 para sa lahat).</translation>
    </message>
    <message>
        <source>--limit takes a whole number, 0 for all, not &quot;%1&quot;</source>
        <translation>buong numero ang tinatanggap ng --limit, 0 para sa lahat, hindi &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No place of the region is named like &quot;%1&quot;.
</source>
        <translation>Walang lugar sa rehiyon na may pangalang gaya ng &quot;%1&quot;.
</translation>
    </message>
</context>
<context>
    <name>PlantingList</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 hanggang %2</translation>
    </message>
    <message>
        <source>Suitable Tree Species (%1)</source>
        <translation>Mga Angkop na Species ng Puno (%1)</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>--paper is a4 or letter, not &quot;%1&quot;</source>
        <translation>ang --paper ay a4 o letter, hindi &quot;%1&quot;</translation>
    </message>
    <message>
        <source>-o FILE is needed: a PDF (.pdf) or an HTML page (.html)</source>
        <translation>kailangan ang -o FILE: PDF (.pdf) o pahinang HTML (.html)</translation>
    </message>
    <message>
        <source>-o takes a PDF (.pdf) or an HTML page (.html), not &quot;%1&quot;</source>
        <translation>PDF (.pdf) o pahinang HTML (.html) ang tinatanggap ng -o, hindi &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Writes the printable site report of a position: the site, the species suitable there grouped by functional use (names, ranges, a small map, lines of the fact sheet), the near misses, the species count around the site and the references.</source>
        <translation>Isinusulat ang maipi-print na ulat sa lugar ng isang posisyon: ang lugar, ang mga species na angkop doon na nakapangkat ayon sa gamit (mga pangalan, saklaw, maliit na mapa, ilang linya ng fact sheet), ang mga halos angkop, ang bilang ng species sa paligid ng lugar at ang mga sanggunian.</translation>
    </message>
    <message>
        <source>Position in degrees, west and south negative (report 98.98,18.79), or the name of a place, district or province.</source>
        <translation>Posisyon sa digri, negatibo ang kanluran at timog (report 98.98,18.79), o ang pangalan ng lugar, distrito o lalawigan.</translation>
    </message>
    <message>
        <source>Only species of this use; repeat for several (default every use).</source>
        <translation>Mga species lamang na may ganitong gamit; ulitin para sa ilang gamit (default lahat ng gamit).</translation>
    </message>
    <message>
        <source>Page size: a4 (default) or letter.</source>
        <translation>Laki ng pahina: a4 (default) o letter.</translation>
    </message>
    <message>
        <source>Reports on an installed scenario&apos;s climate (see scenarios) instead of the grid&apos;s.</source>
        <translation>Nag-uulat batay sa klima ng naka-install na senaryo (tingnan ang scenarios) sa halip na sa klima ng grid.</translation>
    </message>
    <message>
        <source>The file to write: a PDF (.pdf) or an HTML page with its pictures inside (.html).</source>
        <translation>Ang file na isusulat: PDF (.pdf) o pahinang HTML na kasama sa loob ang mga larawan nito (.html).</translation>
    </message>
    <message numerus="yes">
        <source>%1 written (%n pages)
</source>
        <translation>
            <numerusform>Naisulat ang %1 (%n pahina)
</numerusform>
            <numerusform>Naisulat ang %1 (%n pahina)
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScenarioChoice</name>
    <message>
        <source>Climate:</source>
        <translation>Klima:</translation>
    </message>
    <message>
        <source>The climate of the grid, or of a scenario grid installed beside it: the projection of one climate model, not a forecast</source>
        <translation>Ang klima ng grid, o ng grid ng senaryo na naka-install sa tabi nito: proyeksiyon ng isang modelo ng klima, hindi pagtataya</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>scenario: caveat</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>uniform shift</source>
        <translation>pantay na pagbabago</translation>
    </message>
    <message>
        <source>current grid</source>
        <translation>kasalukuyang grid</translation>
    </message>
</context>
<context>
    <name>ScenariosCommand</name>
    <message>
        <source>The scenario grids installed beside the map grid (each the projection of one climate model, not a forecast), with their sources: the names shift --scenario and count --scenario take.</source>
        <translation>Ang mga grid ng senaryo na naka-install sa tabi ng grid ng mapa (bawat isa ay proyeksiyon ng isang modelo ng klima, hindi pagtataya), kasama ang pinagmulan nila: ang mga pangalang tinatanggap ng shift --scenario at count --scenario.</translation>
    </message>
    <message>
        <source>scenarios takes no argument &quot;%1&quot;</source>
        <translation>hindi tumatanggap ang scenarios ng argumentong &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No scenario grids installed; silvaria-cli grid fetch worldclim --future GCM SSP PERIOD adds one.
</source>
        <translation>Walang naka-install na grid ng senaryo; nagdaragdag ng isa ang silvaria-cli grid fetch worldclim --future GCM SSP PERIOD.
</translation>
    </message>
</context>
<context>
    <name>ServeCommand</name>
    <message>
        <source>--listen takes an IPv4 address and a port such as 127.0.0.1:8080 or 0.0.0.0:8080, not &quot;%1&quot;</source>
        <translation>IPv4 address at port gaya ng 127.0.0.1:8080 o 0.0.0.0:8080 ang tinatanggap ng --listen, hindi &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Serves the catalogue, the maps and the suitable species at a place as web pages, read-only. Stops on Ctrl+C (SIGINT) or SIGTERM.</source>
        <translation>Ibinabahagi ang katalogo, ang mga mapa at ang mga angkop na species sa isang lugar bilang mga web page, para basahin lamang. Humihinto sa Ctrl+C (SIGINT) o SIGTERM.</translation>
    </message>
    <message>
        <source>Address and port to listen on (default 127.0.0.1:8080, this machine only; 0.0.0.0:8080 shares it with the network).</source>
        <translation>Address at port na pakikinggan (default 127.0.0.1:8080, sa computer na ito lamang; ibinabahagi ito ng 0.0.0.0:8080 sa network).</translation>
    </message>
    <message>
        <source>Silvaria is served at:
</source>
        <translation>Makikita ang Silvaria sa:
</translation>
    </message>
    <message>
        <source>Everyone on this network can read it (read-only). Press Ctrl+C to stop.
</source>
        <translation>Mababasa ito ng lahat sa network na ito (pagbasa lamang). Pindutin ang Ctrl+C para ihinto.
</translation>
    </message>
    <message>
        <source>Only this machine can read it. Press Ctrl+C to stop.
</source>
        <translation>Ang computer na ito lamang ang makababasa nito. Pindutin ang Ctrl+C para ihinto.
</translation>
    </message>
    <message>
        <source>Stopped.
</source>
        <translation>Huminto na.
</translation>
    </message>
</context>
<context>
    <name>SheetCommand</name>
    <message>
        <source>Prints the fact sheet of a species, as plain text or as HTML with the headings formatted.</source>
        <translation>Ipinapakita ang fact sheet ng isang species, bilang simpleng teksto o bilang HTML na naka-format ang mga heading.</translation>
    </message>
    <message>
        <source>Identifier, current name or synonym.</source>
        <translation>ID, kasalukuyang pangalan o sinonim.</translation>
    </message>
</context>
<context>
    <name>ShiftCommand</name>
    <message>
        <source>Identifier, current name or synonym.</source>
        <translation>ID, kasalukuyang pangalan o sinonim.</translation>
    </message>
    <message>
        <source>Change of MAR in percent (default 0).</source>
        <translation>Pagbabago ng MAR sa porsiyento (default 0).</translation>
    </message>
    <message>
        <source>Compare with this installed scenario grid instead of a uniform shift (silvaria-cli scenarios lists them); not with --dt or --dp.</source>
        <translation>Ihambing sa naka-install na grid ng senaryong ito sa halip na sa pantay na pagbabago (inililista ang mga ito ng silvaria-cli scenarios); hindi kasabay ng --dt o --dp.</translation>
    </message>
    <message>
        <source>One row per country of the boundary layer.</source>
        <translation>Isang hilera bawat bansa ng layer ng mga hangganan.</translation>
    </message>
    <message>
        <source>Also write the kept, lost and gained points: a picture (.png or .bmp), a GeoTIFF (.tif) or a GeoPackage (.gpkg).</source>
        <translation>Isulat din ang mga puntong napanatili, nawala at nadagdag: larawan (.png o .bmp), GeoTIFF (.tif) o GeoPackage (.gpkg).</translation>
    </message>
    <message>
        <source>Picture size in pixels (default 1000x750).</source>
        <translation>Laki ng larawan sa pixel (default 1000x750).</translation>
    </message>
    <message>
        <source>--scenario does not go with --dt or --dp: a scenario grid brings its own climate</source>
        <translation>hindi maaaring isabay ang --scenario sa --dt o --dp: may sariling klima ang grid ng senaryo</translation>
    </message>
    <message>
        <source>--scenario needs the name of an installed scenario grid</source>
        <translation>kailangan ng --scenario ang pangalan ng isang naka-install na grid ng senaryo</translation>
    </message>
    <message>
        <source>--dp cannot take away more than 100 % of the rainfall</source>
        <translation>hindi maaaring magbawas ang --dp ng higit sa 100 % ng ulan</translation>
    </message>
    <message>
        <source>%1 (SpID %2), %3: %4
</source>
        <translation>%1 (SpID %2), %3: %4
</translation>
    </message>
    <message>
        <source>Change of MAT in °C (default 0).</source>
        <translation>Pagbabago ng MAT sa °C (default 0).</translation>
    </message>
    <message>
        <source>The species&apos; full match with the grid&apos;s MAT raised by DT °C and MAR changed by DP %, altitude unchanged, or with the climate of an installed scenario grid (--scenario): the km2 kept, lost and gained. A uniform shift of the grid&apos;s climate is not a climate projection; a scenario is the projection of one climate model, not a forecast.</source>
        <translation>Ang ganap na tugma ng species kapag itinaas nang DT °C ang MAT ng grid at binago nang DP % ang MAR, nang hindi binabago ang altitud, o sa klima ng isang naka-install na grid ng senaryo (--scenario): ang km2 na napanatili, nawala at nadagdag. Ang pantay na pagbabago ng klima ng grid ay hindi proyeksiyon ng klima; ang senaryo ay proyeksiyon ng isang modelo ng klima, hindi pagtataya.</translation>
    </message>
</context>
<context>
    <name>SiteReportText</name>
    <message>
        <source>Altitude (ALT)</source>
        <translation>Altitud (ALT)</translation>
    </message>
    <message>
        <source>Rainfall (MAR)</source>
        <translation>Ulan (MAR)</translation>
    </message>
    <message>
        <source>Temperature (MAT)</source>
        <translation>Temperatura (MAT)</translation>
    </message>
    <message>
        <source>No use recorded</source>
        <translation>Walang naitalang gamit</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posisyon</translation>
    </message>
    <message>
        <source>%1, %2 (longitude, latitude)</source>
        <translation>%1, %2 (longhitud, latitud)</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Bansa</translation>
    </message>
    <message>
        <source>Grid point used</source>
        <translation>Ginamit na punto ng grid</translation>
    </message>
    <message>
        <source>%1, %2, %3 km from the position</source>
        <translation>%1, %2, %3 km mula sa posisyon</translation>
    </message>
    <message>
        <source>Uses asked</source>
        <translation>Mga hiniling na gamit</translation>
    </message>
    <message>
        <source>every use</source>
        <translation>lahat ng gamit</translation>
    </message>
    <message>
        <source>Grid data</source>
        <translation>Datos ng grid</translation>
    </message>
    <message>
        <source>Climate</source>
        <translation>Klima</translation>
    </message>
    <message>
        <source>Boundaries</source>
        <translation>Mga hangganan</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Trees for this site</source>
        <translation>Mga puno para sa lugar na ito</translation>
    </message>
    <message numerus="yes">
        <source>%Ln species suit this site: each species&apos; altitude, rainfall and temperature ranges hold here.</source>
        <translation>
            <numerusform>%Ln species ang angkop sa lugar na ito: pasok dito ang saklaw ng altitud, ulan at temperatura ng bawat isa.</numerusform>
            <numerusform>%Ln species ang angkop sa lugar na ito: pasok dito ang saklaw ng altitud, ulan at temperatura ng bawat isa.</numerusform>
        </translation>
    </message>
    <message>
        <source>No species of the catalogue suits this site for the uses asked.</source>
        <translation>Walang species sa katalogo na angkop sa lugar na ito para sa mga hiniling na gamit.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln species nearly suit it (one range missed), %1 have incomplete ranges.</source>
        <translation>
            <numerusform>%Ln species ang halos angkop (hindi tugma sa isang saklaw), %1 ang may kulang na saklaw.</numerusform>
            <numerusform>%Ln species ang halos angkop (hindi tugma sa isang saklaw), %1 ang may kulang na saklaw.</numerusform>
        </translation>
    </message>
    <message>
        <source>On each species&apos; map, the ring marks the site:</source>
        <translation>Sa mapa ng bawat species, ipinapakita ng bilog kung nasaan ang lugar:</translation>
    </message>
    <message>
        <source>Species&apos; range</source>
        <translation>Saklaw ng species</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 hanggang %2</translation>
    </message>
    <message>
        <source>(fact sheet, %1, “%2”):</source>
        <translation>(mula sa fact sheet, %1, “%2”):</translation>
    </message>
    <message>
        <source>none in the catalogue</source>
        <translation>wala sa katalogo</translation>
    </message>
    <message>
        <source>none recorded</source>
        <translation>walang naitala</translation>
    </message>
    <message>
        <source>Family %1; species number %2; uses: %3</source>
        <translation>Pamilya %1; numero ng species %2; mga gamit: %3</translation>
    </message>
    <message>
        <source>Common names:</source>
        <translation>Mga karaniwang pangalan:</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Mga gamit</translation>
    </message>
    <message>
        <source>Propagation</source>
        <translation>Pagpaparami</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln suitable species</source>
        <translation>
            <numerusform>%1: %Ln angkop na species</numerusform>
            <numerusform>%1: %Ln angkop na species</numerusform>
        </translation>
    </message>
    <message>
        <source>Also suitable, described above: %1</source>
        <translation>Angkop din, nailarawan na sa itaas: %1</translation>
    </message>
    <message>
        <source>No species of this use suits the site.</source>
        <translation>Walang species na may ganitong gamit na angkop sa lugar.</translation>
    </message>
    <message>
        <source>Silvaria %1.%2.%3, %4</source>
        <translation>Silvaria %1.%2.%3, %4</translation>
    </message>
    <message>
        <source>Catalogue: Silvaria catalogue, from the works cited on the last page. Grid: %1</source>
        <translation>Katalogo: katalogo ng Silvaria, mula sa mga akdang binanggit sa huling pahina. Grid: %1</translation>
    </message>
    <message>
        <source>Climate: %1.</source>
        <translation>Klima: %1.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pahina %1 ng %2</translation>
    </message>
    <message>
        <source>ALT %1 m too low</source>
        <translation>ALT: mas mababa nang %1 m</translation>
    </message>
    <message>
        <source>ALT %1 m too high</source>
        <translation>ALT: mas mataas nang %1 m</translation>
    </message>
    <message>
        <source>MAR %1 mm too dry</source>
        <translation>MAR: mas tuyo nang %1 mm</translation>
    </message>
    <message>
        <source>MAR %1 mm too wet</source>
        <translation>MAR: mas basa nang %1 mm</translation>
    </message>
    <message>
        <source>MAT %1 °C too cold</source>
        <translation>MAT: mas malamig nang %1 °C</translation>
    </message>
    <message>
        <source>MAT %1 °C too warm</source>
        <translation>MAT: mas mainit nang %1 °C</translation>
    </message>
    <message>
        <source>%1 not stated</source>
        <translation>hindi nakasaad ang %1</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <translation>%1 hanggang %2 %3</translation>
    </message>
    <message>
        <source>Nearly suitable species</source>
        <translation>Mga species na halos angkop</translation>
    </message>
    <message>
        <source>None: no species misses by one range only.</source>
        <translation>Wala: walang species na hindi tugma sa iisang saklaw lamang.</translation>
    </message>
    <message>
        <source>Each of these meets two of its ranges here and misses the third by a little; smallest miss first.</source>
        <translation>Ang bawat isa rito ay tugma sa dalawa sa mga saklaw nito at bahagyang hindi umaabot sa ikatlo; nauuna ang may pinakamaliit na agwat.</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>Species</translation>
    </message>
    <message>
        <source>What it misses</source>
        <translation>Hindi tugma</translation>
    </message>
    <message>
        <source>Its range</source>
        <translation>Saklaw nito</translation>
    </message>
    <message>
        <source>Species whose ranges are incomplete</source>
        <translation>Mga species na kulang ang saklaw</translation>
    </message>
    <message>
        <source>The catalogue lacks a range of these species; every range it states holds here.</source>
        <translation>Kulang sa katalogo ang isang saklaw ng mga species na ito; pasok dito ang bawat saklaw na nakasaad.</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Kulang</translation>
    </message>
    <message>
        <source>Within %1 km</source>
        <translation>Sa loob ng %1 km</translation>
    </message>
    <message>
        <source>The site and its surroundings</source>
        <translation>Ang lugar at ang paligid nito</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Gamit</translation>
    </message>
    <message>
        <source>Suitable at the site</source>
        <translation>Angkop sa lugar</translation>
    </message>
    <message>
        <source>Species of the uses asked suitable at each grid point around the site (marked by the ring); classes: %1.</source>
        <translation>Mga species ng hiniling na gamit na angkop sa bawat punto ng grid sa paligid ng lugar (minarkahan ng bilog); mga klase: %1.</translation>
    </message>
    <message>
        <source>References of the species listed</source>
        <translation>Mga sanggunian ng mga nakalistang species</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Wala.</translation>
    </message>
    <message>
        <source>No grid point lies within %1 km of %2, %3: the position is outside the map&apos;s grid.</source>
        <translation>Walang punto ng grid sa loob ng %1 km mula sa %2, %3: nasa labas ng grid ng mapa ang posisyon.</translation>
    </message>
    <message>
        <source>The grid point at %1, %2 has no %3 value, so no species can be matched to it.</source>
        <translation>Walang halaga ng %3 ang punto ng grid sa %1, %2, kaya walang species na maitutugma rito.</translation>
    </message>
    <message>
        <source>Rainfall and temperature: %1, %2.</source>
        <translation>Ulan at temperatura: %1, %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no functional use of the catalogue; the uses are %2.</source>
        <translation>Hindi gamit sa katalogo ang &quot;%1&quot;; ang mga gamit ay %2.</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>Hindi maisulat ang ulat: %1</translation>
    </message>
    <message>
        <source>%1: a report is written as .pdf or .html</source>
        <translation>%1: isinusulat ang ulat bilang .pdf o .html</translation>
    </message>
</context>
<context>
    <name>SpeciesCommand</name>
    <message>
        <source>Lists the species of the catalogue: every one, those whose botanic or common names contain TEXT, or those of one use.</source>
        <translation>Inililista ang mga species ng katalogo: lahat, ang mga may TEXT sa pangalang botaniko o karaniwang pangalan, o ang mga may isang partikular na gamit.</translation>
    </message>
    <message>
        <source>Names containing TEXT (case ignored).</source>
        <translation>Mga pangalang may TEXT (hindi pinapansin ang malaki/maliit na titik).</translation>
    </message>
    <message>
        <source>Only species of this use.</source>
        <translation>Mga species lamang na may ganitong gamit.</translation>
    </message>
    <message>
        <source>species takes no argument &quot;%1&quot;</source>
        <translation>hindi tumatanggap ang species ng argumentong &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Longitude and latitude are numbers in degrees, such as 98.98 and 18.79.</source>
        <translation>Ang longhitud at latitud ay mga numero sa digri, gaya ng 98.98 at 18.79.</translation>
    </message>
    <message>
        <source>This application folder has no place index; give longitude and latitude.</source>
        <translation>Walang index ng mga lugar ang folder ng application na ito; ibigay ang longhitud at latitud.</translation>
    </message>
    <message>
        <source>No place has this name.</source>
        <translation>Walang lugar na may ganitong pangalan.</translation>
    </message>
    <message>
        <source>All uses</source>
        <translation>Lahat ng gamit</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longhitud</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Gamit</translation>
    </message>
    <message>
        <source>Use my position</source>
        <translation>Gamitin ang posisyon ko</translation>
    </message>
    <message>
        <source>Show species</source>
        <translation>Ipakita ang species</translation>
    </message>
    <message>
        <source>Grid point %1, %2: altitude %3 m, rainfall %4 mm, temperature %5 °C</source>
        <translation>Punto ng grid %1, %2: altitud %3 m, ulan %4 mm, temperatura %5 °C</translation>
    </message>
    <message>
        <source>Suitable species</source>
        <translation>Mga angkop na species</translation>
    </message>
    <message>
        <source>No species is suitable here.</source>
        <translation>Walang species na angkop dito.</translation>
    </message>
    <message>
        <source>Near misses</source>
        <translation>Halos angkop</translation>
    </message>
    <message>
        <source>Site report (PDF)</source>
        <translation>Ulat sa lugar (PDF)</translation>
    </message>
    <message>
        <source>This name means several places; choose one:</source>
        <translation>Ilang lugar ang may ganitong pangalan; pumili ng isa:</translation>
    </message>
    <message>
        <source>The map has no grid point with climate data near this position.</source>
        <translation>Walang punto ng grid na may datos ng klima malapit sa posisyong ito.</translation>
    </message>
    <message>
        <source>Species suitable here</source>
        <translation>Mga species na angkop dito</translation>
    </message>
    <message>
        <source>Method not allowed</source>
        <translation>Hindi pinapayagan ang method</translation>
    </message>
    <message>
        <source>This server only answers GET and HEAD.</source>
        <translation>GET at HEAD lamang ang sinasagot ng server na ito.</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Abala</translation>
    </message>
    <message>
        <source>Too many people are reading at once. Try again in a moment.</source>
        <translation>Masyadong maraming sabay-sabay na nagbabasa. Subukang muli mamaya-maya.</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Error sa server</translation>
    </message>
    <message>
        <source>Functional uses</source>
        <translation>Mga gamit</translation>
    </message>
    <message>
        <source>Common names by language</source>
        <translation>Mga karaniwang pangalan ayon sa wika</translation>
    </message>
    <message>
        <source>Botanic names by genus</source>
        <translation>Mga pangalang botaniko ayon sa genus</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Mag-browse</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Hindi nakita</translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation>Walang pahina sa address na ito.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Maghanap</translation>
    </message>
    <message>
        <source>Botanic names</source>
        <translation>Mga pangalang botaniko</translation>
    </message>
    <message>
        <source>Common names</source>
        <translation>Mga karaniwang pangalan</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Angkop dito</translation>
    </message>
    <message>
        <source>No names found.</source>
        <translation>Walang nakitang pangalan.</translation>
    </message>
    <message>
        <source>Agroforestry tree species of South-East Asia: fact sheets, photographs and suitability maps.</source>
        <translation>Mga species ng puno para sa agroforestry sa Timog-Silangang Asya: mga fact sheet, larawan at mapa ng pagkaangkop.</translation>
    </message>
    <message>
        <source>Browse by genus, language and use</source>
        <translation>Mag-browse ayon sa genus, wika at gamit</translation>
    </message>
    <message>
        <source>Species suitable at a place</source>
        <translation>Mga species na angkop sa isang lugar</translation>
    </message>
    <message>
        <source>Search by botanic or common name</source>
        <translation>Maghanap ayon sa pangalang botaniko o karaniwang pangalan</translation>
    </message>
    <message>
        <source>Site report</source>
        <translation>Ulat sa lugar</translation>
    </message>
    <message>
        <source>Give a place, or longitude and latitude.</source>
        <translation>Magbigay ng lugar, o ng longhitud at latitud.</translation>
    </message>
    <message>
        <source>Photographs</source>
        <translation>Mga larawan</translation>
    </message>
    <message>
        <source>Zoom to country</source>
        <translation>I-zoom sa bansa</translation>
    </message>
    <message>
        <source>Whole region</source>
        <translation>Buong rehiyon</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Bansa</translation>
    </message>
    <message>
        <source>Full match km²</source>
        <translation>Ganap na tugma km²</translation>
    </message>
    <message>
        <source>Share of land %</source>
        <translation>Bahagi ng lupa %</translation>
    </message>
    <message>
        <source>No grid point matches all ranges.</source>
        <translation>Walang punto ng grid na tugma sa lahat ng saklaw.</translation>
    </message>
    <message>
        <source>Suitable area by country</source>
        <translation>Angkop na lawak ayon sa bansa</translation>
    </message>
    <message>
        <source>There is no such species or country.</source>
        <translation>Walang ganitong species o bansa.</translation>
    </message>
    <message>
        <source>Fact sheet</source>
        <translation>Fact sheet</translation>
    </message>
    <message>
        <source>Suitability map</source>
        <translation>Mapa ng pagkaangkop</translation>
    </message>
    <message>
        <source>Address too long</source>
        <translation>Masyadong mahaba ang address</translation>
    </message>
    <message>
        <source>The address asks too much at once; shorten the search.</source>
        <translation>Masyadong marami ang hinihingi ng address nang sabay-sabay; paikliin ang paghahanap.</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Maling address</translation>
    </message>
    <message>
        <source>The address is not written correctly.</source>
        <translation>Hindi tama ang pagkakasulat ng address.</translation>
    </message>
</context>
<context>
    <name>clsSendKeys</name>
    <message>
        <source>Invalid sendkeys command: unmatched ) at position %1</source>
        <translation>Di-wastong utos na sendkeys: walang katapat na ) sa posisyong %1</translation>
    </message>
    <message>
        <source>Invalid sendkeys command; opening { without content or closing } at position %1</source>
        <translation>Di-wastong utos na sendkeys; may pambukas na { na walang laman o walang pansarang } sa posisyong %1</translation>
    </message>
    <message>
        <source>Invalid sendkeys command; opening { without closing } at position %1</source>
        <translation>Di-wastong utos na sendkeys; may pambukas na { na walang pansarang } sa posisyong %1</translation>
    </message>
    <message>
        <source>Invalid sendkeys command; key repetitions &apos;%1&apos; is invalid near position %2</source>
        <translation>Di-wastong utos na sendkeys; di-wasto ang bilang ng pag-ulit ng key na &apos;%1&apos; malapit sa posisyong %2</translation>
    </message>
    <message>
        <source>Invalid sendkeys command: more open brackets than close brackets.</source>
        <translation>Di-wastong utos na sendkeys: mas marami ang pambukas na bracket kaysa sa pansarang bracket.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Tungkol sa %1</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporta</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>Impormasyon ng System...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Hindi Makuha ang Impormasyon ng System sa Ngayon</translation>
    </message>
</context>
<context>
    <name>frmClimateShift</name>
    <message>
        <source>Climate Shift</source>
        <translation>Pagbabago ng Klima</translation>
    </message>
    <message>
        <source>Choose Species</source>
        <translation>Pumili ng Species</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>I-save ang Larawan...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Isara</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Bansa</translation>
    </message>
    <message>
        <source>Kept km²</source>
        <translation>Napanatili km²</translation>
    </message>
    <message>
        <source>Lost km²</source>
        <translation>Nawala km²</translation>
    </message>
    <message>
        <source>Gained km²</source>
        <translation>Nadagdag km²</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>Species</translation>
    </message>
    <message>
        <source>ΔP (%)</source>
        <translation>ΔP (%)</translation>
    </message>
    <message>
        <source>%1 Choose a species with the &quot;...&quot; button.</source>
        <translation>%1 Pumili ng species gamit ang button na &quot;...&quot;.</translation>
    </message>
    <message>
        <source>shift %1</source>
        <translation>pagbabago: %1</translation>
    </message>
    <message>
        <source>ΔT must be a number of degrees, such as 2 or -1.5, not &quot;%1&quot;.</source>
        <translation>Ang ΔT ay dapat na bilang ng digri, gaya ng 2 o -1.5, hindi &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ΔP must be a percentage, such as 10 or -20, not &quot;%1&quot;.</source>
        <translation>Ang ΔP ay dapat na porsiyento, gaya ng 10 o -20, hindi &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ΔP cannot take away more than 100 % of the rainfall.</source>
        <translation>Hindi maaaring magbawas ang ΔP ng higit sa 100 % ng ulan.</translation>
    </message>
    <message>
        <source>%1 suits no grid point even without a shift.</source>
        <translation>Walang punto ng grid na angkop sa %1 kahit walang pagbabago.</translation>
    </message>
    <message>
        <source>Under the %1 nothing suits %2 anywhere on the grid: all of its land would be lost. The map still shows the last answer.</source>
        <translation>Sa ilalim ng %1, walang bahagi ng grid na angkop sa %2: mawawala ang lahat ng lupa nito. Ipinapakita pa rin ng mapa ang huling sagot.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>species ranges; climate</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>kept: %1 km²</source>
        <translation>napanatili: %1 km²</translation>
    </message>
    <message>
        <source>lost: %1 km²</source>
        <translation>nawala: %1 km²</translation>
    </message>
    <message>
        <source>gained: %1 km²</source>
        <translation>nadagdag: %1 km²</translation>
    </message>
    <message>
        <source>ΔT (°C)</source>
        <translation>ΔT (°C)</translation>
    </message>
    <message>
        <source>With MAT %1 °C and MAR %2 % nothing suits %3 anywhere on the grid: all of its land would be lost. The map still shows the last shift.</source>
        <translation>Sa MAT na %1 °C at MAR na %2 %, walang bahagi ng grid na angkop sa %3: mawawala ang lahat ng lupa nito. Ipinapakita pa rin ng mapa ang huling pagbabago.</translation>
    </message>
</context>
<context>
    <name>frmCompare</name>
    <message>
        <source>Arboplot Comparison</source>
        <translation>Paghahambing sa Arboplot</translation>
    </message>
    <message>
        <source>First Parameter</source>
        <translation>Unang Parametro</translation>
    </message>
    <message>
        <source>Second Parameter</source>
        <translation>Ikalawang Parametro</translation>
    </message>
    <message>
        <source>Save As Image</source>
        <translation>I-save bilang Larawan</translation>
    </message>
    <message>
        <source>First Species Name</source>
        <translation>Pangalan ng Unang Species</translation>
    </message>
    <message>
        <source>Second Species Name</source>
        <translation>Pangalan ng Ikalawang Species</translation>
    </message>
    <message>
        <source>Choose Species</source>
        <translation>Pumili ng Species</translation>
    </message>
</context>
<context>
    <name>frmCountryArea</name>
    <message>
        <source>Country</source>
        <translation>Bansa</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Lalawigan</translation>
    </message>
    <message>
        <source>Land km²</source>
        <translation>Lupa km²</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>full match</comment>
        <translation>Ganap</translation>
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
        <translation>Angkop na Lawak ayon sa Bansa - %1</translation>
    </message>
    <message>
        <source>By country</source>
        <translation>Ayon sa bansa</translation>
    </message>
    <message>
        <source>By province</source>
        <translation>Ayon sa lalawigan</translation>
    </message>
    <message>
        <source>All countries</source>
        <translation>Lahat ng bansa</translation>
    </message>
    <message>
        <source>The country boundaries are missing, so only the total is given. %1</source>
        <translation>Nawawala ang mga hangganan ng bansa, kaya ang kabuuan lamang ang ibinibigay. %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyahin</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>I-save bilang CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Isara</translation>
    </message>
    <message>
        <source>Total: land %1 km²; altitude %2 km² (%3 %), rainfall %4 km² (%5 %), temperature %6 km² (%7 %), full match %8 km² (%9 %)</source>
        <translation>Kabuuan: lupa %1 km²; altitud %2 km² (%3 %), ulan %4 km² (%5 %), temperatura %6 km² (%7 %), ganap na tugma %8 km² (%9 %)</translation>
    </message>
    <message>
        <source>Suitable Area by Country</source>
        <translation>Angkop na Lawak ayon sa Bansa</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>I-save bilang CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Mga CSV file (*.csv)</translation>
    </message>
</context>
<context>
    <name>frmIdentifyEngine</name>
    <message>
        <source>The grid point has no %1 value, so no species can be matched to it.</source>
        <translation>Walang halaga ng %1 ang punto ng grid, kaya walang species na maitutugma rito.</translation>
    </message>
    <message>
        <source>Nearly suitable here</source>
        <translation>Halos angkop dito</translation>
    </message>
    <message>
        <source>Ranges incomplete</source>
        <translation>Kulang ang mga saklaw</translation>
    </message>
    <message>
        <source>Suitable Tree Species</source>
        <translation>Mga Angkop na Species ng Puno</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Halaga</translation>
    </message>
    <message>
        <source>Species ID</source>
        <translation>ID ng Species</translation>
    </message>
    <message>
        <source>Species Name</source>
        <translation>Pangalan ng Species</translation>
    </message>
    <message>
        <source>Functional Uses</source>
        <translation>Mga Gamit</translation>
    </message>
    <message>
        <source>Criterion</source>
        <translation>Pamantayan</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Saklaw</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Agwat</translation>
    </message>
    <message>
        <source>Site Report...</source>
        <translation>Ulat sa Lugar...</translation>
    </message>
</context>
<context>
    <name>frmIdentifyMap</name>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Halaga</translation>
    </message>
</context>
<context>
    <name>frmImage</name>
    <message>
        <source>Photo Species</source>
        <translation>Larawan ng Species</translation>
    </message>
    <message>
        <source>Photo Species - %1</source>
        <translation>Larawan ng Species - %1</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Paglalarawan</translation>
    </message>
    <message>
        <source>Photo By</source>
        <translation>Kuha ni</translation>
    </message>
    <message>
        <source>Previous photograph</source>
        <translation>Naunang larawan</translation>
    </message>
    <message>
        <source>Next photograph</source>
        <translation>Susunod na larawan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Isara</translation>
    </message>
    <message>
        <source>Not a picture file name: %1</source>
        <translation>Hindi pangalan ng file ng larawan: %1</translation>
    </message>
    <message>
        <source>The picture file %1 cannot be read: %2</source>
        <translation>Hindi mabasa ang file ng larawan na %1: %2</translation>
    </message>
    <message>
        <source>Picture file not found: %1</source>
        <translation>Hindi nakita ang file ng larawan: %1</translation>
    </message>
</context>
<context>
    <name>frmList</name>
    <message>
        <source>Species List</source>
        <translation>Listahan ng Species</translation>
    </message>
    <message>
        <source>Synonym Names</source>
        <translation>Mga Sinonim</translation>
    </message>
    <message>
        <source>Current Names</source>
        <translation>Mga Kasalukuyang Pangalan</translation>
    </message>
    <message>
        <source>Functional Uses</source>
        <translation>Mga Gamit</translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation>Mga Karaniwang Pangalan</translation>
    </message>
    <message>
        <source>Genus</source>
        <translation>Genus</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Wika</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Botanic Names</source>
        <translation>Mga Pangalang Botaniko</translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation>Mga Karaniwang Pangalan</translation>
    </message>
    <message>
        <source>Functional Uses</source>
        <translation>Mga Gamit</translation>
    </message>
    <message>
        <source>Silvaria Database Version 2.0</source>
        <translation>Database ng Silvaria, Bersiyon 2.0</translation>
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
        <translation>Burahin ang Lahat ng Label?</translation>
    </message>
    <message>
        <source>Remove current labels from Map?</source>
        <translation>Alisin sa Mapa ang kasalukuyang mga label?</translation>
    </message>
    <message>
        <source>No species with the identifier %1 is in the catalogue, so the map shows no suitable area. Choose a species in the species list first.</source>
        <translation>Walang species na may ID na %1 sa katalogo, kaya walang angkop na lugar na ipinapakita ang mapa. Pumili muna ng species sa listahan ng species.</translation>
    </message>
    <message>
        <source>Arboplot</source>
        <translation>Arboplot</translation>
    </message>
    <message>
        <source>Matching known ranges in elevation, mean annual rainfall and mean annual temperature of trees to available spatial data</source>
        <translation>Pagtutugma ng mga kilalang saklaw ng altitud, karaniwang taunang ulan at karaniwang taunang temperatura ng mga puno sa makukuhang spatial data</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parametro</translation>
    </message>
    <message>
        <source>Restore Default Values</source>
        <translation>Ibalik ang mga Default na Halaga</translation>
    </message>
    <message>
        <source>Default Value</source>
        <translation>Default na Halaga</translation>
    </message>
    <message>
        <source>Clear All Label</source>
        <translation>Burahin ang Lahat ng Label</translation>
    </message>
    <message>
        <source>Clear Label</source>
        <translation>Burahin ang Label</translation>
    </message>
    <message>
        <source>Save To Image</source>
        <translation>I-save bilang Larawan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>I-save</translation>
    </message>
    <message>
        <source>Close Form</source>
        <translation>Isara ang Window</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Isara</translation>
    </message>
    <message>
        <source>Disclaimer:<byte value="xd"/>
The maps are indicative only, as species requirements are incompletely known (and depend on provenance/cultivar), spatial data have low resolution, microclimate can differ and landscapes position and soil can modify suitability.</source>
        <translation>Paalala:<byte value="xd"/>
Pahiwatig lamang ang mga mapa: hindi pa lubos na alam ang pangangailangan ng mga species (nag-iiba rin ayon sa pinagmulan/cultivar), mababa ang resolusyon ng spatial data, maaaring iba ang microclimate, at maaaring mabago ng kinalalagyan sa tanawin at ng uri ng lupa ang pagkaangkop.</translation>
    </message>
    <message>
        <source>Point Id: %1</source>
        <translation>ID ng Punto: %1</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Bansa</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Lalawigan</translation>
    </message>
    <message>
        <source>ALT minimum</source>
        <translation>Pinakamababang ALT</translation>
    </message>
    <message>
        <source>ALT maximum</source>
        <translation>Pinakamataas na ALT</translation>
    </message>
    <message>
        <source>MAR minimum</source>
        <translation>Pinakamababang MAR</translation>
    </message>
    <message>
        <source>MAR maximum</source>
        <translation>Pinakamataas na MAR</translation>
    </message>
    <message>
        <source>MAT minimum</source>
        <translation>Pinakamababang MAT</translation>
    </message>
    <message>
        <source>MAT maximum</source>
        <translation>Pinakamataas na MAT</translation>
    </message>
    <message>
        <source>The %1 box of the map of %2 holds &quot;%3&quot;, which is not a number. Correct it and choose the command again.</source>
        <translation>Ang kahong %1 sa mapa ng %2 ay may lamang &quot;%3&quot;, na hindi numero. Itama ito at piliin muli ang utos.</translation>
    </message>
</context>
<context>
    <name>frmSearch</name>
    <message>
        <source>Search</source>
        <translation>Maghanap</translation>
    </message>
    <message>
        <source>Search By</source>
        <translation>Maghanap Ayon sa</translation>
    </message>
    <message>
        <source>Botanic Names</source>
        <translation>Mga Pangalang Botaniko</translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation>Mga Karaniwang Pangalan</translation>
    </message>
    <message>
        <source>Search For</source>
        <translation>Salitang Hahanapin</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Kanselahin</translation>
    </message>
</context>
<context>
    <name>frmSiteReport</name>
    <message>
        <source>Preview</source>
        <translation>Silipin</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>I-save...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Isara</translation>
    </message>
    <message>
        <source>Site Report</source>
        <translation>Ulat sa Lugar</translation>
    </message>
    <message>
        <source>longitude, latitude (98.98, 18.79)</source>
        <translation>longhitud, latitud (98.98, 18.79)</translation>
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
        <translation>Posisyon:</translation>
    </message>
    <message>
        <source>Find place:</source>
        <translation>Hanapin ang lugar:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papel:</translation>
    </message>
    <message>
        <source>Functional uses (none checked: every use)</source>
        <translation>Mga gamit (kung walang naka-check: lahat ng gamit)</translation>
    </message>
    <message>
        <source>Type the position as longitude, latitude in degrees (98.98, 18.79), or find a place by name.</source>
        <translation>I-type ang posisyon bilang longhitud, latitud sa digri (98.98, 18.79), o hanapin ang lugar ayon sa pangalan.</translation>
    </message>
    <message>
        <source>Pages: %1</source>
        <translation>Mga pahina: %1</translation>
    </message>
    <message>
        <source>Save Site Report</source>
        <translation>I-save ang Ulat sa Lugar</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Mga dokumentong PDF (*.pdf)</translation>
    </message>
    <message>
        <source>HTML pages (*.html)</source>
        <translation>Mga pahinang HTML (*.html)</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Na-save sa %1</translation>
    </message>
</context>
<context>
    <name>frmSpecies</name>
    <message>
        <source>Choose Species</source>
        <translation>Pumili ng Species</translation>
    </message>
    <message>
        <source>Type Species Name</source>
        <translation>I-type ang Pangalan ng Species</translation>
    </message>
</context>
<context>
    <name>frmSpeciesCount</name>
    <message>
        <source>Species Count Map</source>
        <translation>Mapa ng Bilang ng Species</translation>
    </message>
    <message>
        <source>All uses</source>
        <translation>Lahat ng gamit</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>I-save ang Larawan...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Isara</translation>
    </message>
    <message>
        <source>Functional use:</source>
        <translation>Gamit:</translation>
    </message>
    <message>
        <source>all uses</source>
        <translation>lahat ng gamit</translation>
    </message>
    <message>
        <source>Climate: %1</source>
        <translation>Klima: %1</translation>
    </message>
    <message>
        <source>Classes: %1</source>
        <translation>Mga klase: %1</translation>
    </message>
    <message numerus="yes">
        <source>Species of %1 suitable at each grid point, of %n such species in the catalogue: every range of a species contains the point&apos;s ALT, MAR and MAT. With the Planting List tool (the tree), click the map to list them.</source>
        <translation>
            <numerusform>Mga species para sa %1 na angkop sa bawat punto ng grid, mula sa %n ganitong species sa katalogo: sakop ng bawat saklaw ng species ang ALT, MAR at MAT ng punto. Gamit ang kasangkapang Listahan ng Itatanim (ang puno), i-click ang mapa para ilista ang mga ito.</numerusform>
            <numerusform>Mga species para sa %1 na angkop sa bawat punto ng grid, mula sa %n ganitong species sa katalogo: sakop ng bawat saklaw ng species ang ALT, MAR at MAT ng punto. Gamit ang kasangkapang Listahan ng Itatanim (ang puno), i-click ang mapa para ilista ang mga ito.</numerusform>
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
        <translation>silvaria: hindi kilalang wika na &quot;%1&quot;; pumili ng isa sa %2</translation>
    </message>
</context>
<context>
    <name>modLoadList</name>
    <message>
        <source>Species List</source>
        <translation>Listahan ng Species</translation>
    </message>
    <message>
        <source>The species list could not be read: %1</source>
        <translation>Hindi mabasa ang listahan ng species: %1</translation>
    </message>
</context>
<context>
    <name>modLoadTree</name>
    <message>
        <source>Botanic Names</source>
        <translation>Mga Pangalang Botaniko</translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation>Mga Karaniwang Pangalan</translation>
    </message>
</context>
<context>
    <name>splitter</name>
    <message>
        <source>A container object has not been assigned (set)for property [SplitterContainerControl]</source>
        <translation>Walang itinakdang container object para sa property na [SplitterContainerControl]</translation>
    </message>
</context>
</TS>
