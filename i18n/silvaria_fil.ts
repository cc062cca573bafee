<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fil">
<context>
    <name>AboutTexts</name>
    <message>
        <source>Copyright (C) 2026 the Silvaria developers. Free software under the GNU GPL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rainfall and temperature of the map grid are modelled, not observed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rainfall and temperature of the map grid: observed climate (see its sources.txt).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rainfall and temperature of the map grid: your own data (see its sources.txt).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. It is free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>software: copy, change and share it under the GNU GPL, version 3 or</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>later; any other copying is not allowed. It comes with NO WARRANTY.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map: Natural Earth boundaries and NOAA ETOPO5 altitude (public domain).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places: GeoNames (geonames.org), CC BY 4.0; filtered to the region.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provinces: Natural Earth 1:10m (public domain); some names are dated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogue and plates: Silvaria demonstration data from cited works.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have any suggestion about this application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>please write to: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Using</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnalysisMapView</name>
    <message>
        <source>Save Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnalysisSubject</name>
    <message>
        <source>No species with the identifier %1 is in the catalogue. Choose a species in the species list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the map window&apos;s boxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No species is chosen. Choose a species in the species list, or open its map, first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no complete range of altitude, rainfall or temperature (%2), so no land can be matched to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The species</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (SpID %2): %3, from %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppIdentity</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Glossary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Classification</name>
    <message>
        <source>Elevation match only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rainfall match (but not all other criteria)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature match (but not all other criteria)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Species match (all criteria available)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning : Potentially Invasive Species</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClimateShift</name>
    <message>
        <source>uniform shift of the grid&apos;s climate, not a climate projection</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FactSheet</name>
    <message>
        <source>-Species Identity-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Taxonomy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Synonym(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Common Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. Botanic Descriptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-Ecology and Distribution-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. History of Cultivation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Natural Habitat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Geographic Distribution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. Biophysical Limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. Reproductive Biology</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-Propagation and Management-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Propagation Methods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Tree Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Germplasm Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-Functional Uses-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Pests and Diseases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-Additional Information-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Trade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Yields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. Genetic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. Prospects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-Bibliography-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authority: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- No Data -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Native) : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Exotic) : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No species has the identifier %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FeatureLabel</name>
    <message>
        <source>the %1 &quot;%2&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends before the last label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a label text has no closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a label record has %1 fields instead of 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a position record has %1 fields instead of 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shape type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the shape type &quot;%1&quot; is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first line &quot;%1&quot; is not a label count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 labels are more than the map can hold</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindPlaceBox</name>
    <message>
        <source>district</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>province</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>place name (kind of place)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <comment>place — province, country</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find place (Ctrl+L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a town, district or province in any script; choose one to see what suits it there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places are unavailable: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HtmlViewer</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Page not found&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The page file &lt;b&gt;%1&lt;/b&gt; is missing.&lt;/p&gt;&lt;p&gt;Silvaria reads its manual and glossary from the &lt;i&gt;Help&lt;/i&gt; and &lt;i&gt;HTML&lt;/i&gt; folders beside the program. Install the program again to restore them.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Icons</name>
    <message>
        <source>Agroforestry tree species of South-East Asia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelLayer</name>
    <message>
        <source>The labels could not be saved to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The labels could not be read from %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map holds %1 labels, the most it can.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Botanic Names (All)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common Names (All)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Selected Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arboplot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arboplot Comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suitable Area by Country...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Species Count Map...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Climate Shift...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Botanic Names (All)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Common Names (All)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Species Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Previous Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Next Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Active Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Species Count Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Climate Shift</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapClasses</name>
    <message>
        <source>no species suits any grid point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one class per number of species, up to %1, the most at any grid point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>equal steps of %1 species from 1 to %2, the most at any grid point</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapControl</name>
    <message>
        <source>The map can only be drawn on while it is being drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the map to %1: export format %2 is not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the map to %1: scale factor %2 is out of range</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapImageExport</name>
    <message>
        <source>Windows Bitmaps (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Pictures with source stamp (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapLegend</name>
    <message>
        <source>Full match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suitable species</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapPlaceTools</name>
    <message>
        <source>Provinces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw the outlines of provinces and states</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The province layer (ShapeFiles/province_bnd.shp) is missing or unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suitable Tree Species - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No grid point lies near %1, so no species can be matched to it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapToolbar</name>
    <message>
        <source>Planting List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suitable Tree Species</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Extent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate Map</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParameterPanel</name>
    <message>
        <source>Altitude (ALT) (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rainfall (MAR) (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature (MAT) (Deg C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show ALT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show MAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show MAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Tree Species</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameters Used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rainfall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tree Species</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALT: 0 - 6098</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAR: 6 - 8253</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAT: -11.2 - 29.2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhotoPictures</name>
    <message>
        <source>Silvaria species pictures</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhotoRequest</name>
    <message>
        <source>Images still needed for this species</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have any suitable shots please send to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>email: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureStamps</name>
    <message>
        <source>a projection of one climate model, not a forecast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scenario %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlantingList</name>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suitable Tree Species (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenarioChoice</name>
    <message>
        <source>Climate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The climate of the grid, or of a scenario grid installed beside it: the projection of one climate model, not a forecast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>scenario: caveat</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uniform shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current grid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsSendKeys</name>
    <message>
        <source>Invalid sendkeys command: unmatched ) at position %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid sendkeys command; opening { without content or closing } at position %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid sendkeys command; opening { without closing } at position %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid sendkeys command; key repetitions &apos;%1&apos; is invalid near position %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid sendkeys command: more open brackets than close brackets.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmClimateShift</name>
    <message>
        <source>Climate Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Species</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept km²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost km²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gained km²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Species</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ΔT (ଌ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ΔP (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Choose a species with the &quot;...&quot; button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shift %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ΔT must be a number of degrees, such as 2 or -1.5, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ΔP must be a percentage, such as 10 or -20, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ΔP cannot take away more than 100 % of the rainfall.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 suits no grid point even without a shift.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under the %1 nothing suits %2 anywhere on the grid: all of its land would be lost. The map still shows the last answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With MAT %1 ଌ and MAR %2 % nothing suits %3 anywhere on the grid: all of its land would be lost. The map still shows the last shift.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>species ranges; climate</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kept: %1 km²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lost: %1 km²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gained: %1 km²</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCompare</name>
    <message>
        <source>Arboplot Comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Species Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Species Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Species</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCountryArea</name>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Province</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Land km²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full</source>
        <comment>full match</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 km²</source>
        <comment>class, area</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>class, share of the land</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suitable Area by Country - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By province</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All countries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country boundaries are missing, so only the total is given. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total: land %1 km²; altitude %2 km² (%3 %), rainfall %4 km² (%5 %), temperature %6 km² (%7 %), full match %8 km² (%9 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suitable Area by Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmIdentifyEngine</name>
    <message>
        <source>The grid point has no %1 value, so no species can be matched to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearly suitable here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ranges incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suitable Tree Species</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Species ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Species Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Functional Uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Criterion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miss</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmIdentifyMap</name>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmImage</name>
    <message>
        <source>Photo Species</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo Species - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous photograph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next photograph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a picture file name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture file %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture file not found: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmList</name>
    <message>
        <source>Species List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synonym Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Functional Uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Botanic Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Functional Uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silvaria Database Version 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMap</name>
    <message>
        <source>Delete All Labels?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove current labels from Map?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No species with the identifier %1 is in the catalogue, so the map shows no suitable area. Choose a species in the species list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arboplot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matching known ranges in elevation, mean annual rainfall and mean annual temperature of trees to available spatial data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Default Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save To Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disclaimer:<byte value="xd"/>
The maps are indicative only, as species requirements are incompletely known (and depend on provenance/cultivar), spatial data have low resolution, microclimate can differ and landscapes position and soil can modify suitability.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point Id: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Province</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALT minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALT maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAR minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAR maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAT minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAT maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 box of the map of %2 holds &quot;%3&quot;, which is not a number. Correct it and choose the command again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSearch</name>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Botanic Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search For</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSpecies</name>
    <message>
        <source>Choose Species</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type Species Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSpeciesCount</name>
    <message>
        <source>Species Count Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Functional use:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Climate: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classes: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Species of %1 suitable at each grid point, of %n such species in the catalogue: every range of a species contains the point&apos;s ALT, MAR and MAT. With the Planting List tool (the tree), click the map to list them.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <comment>summary, then the climate</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>use, climate</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>silvaria: unknown language &quot;%1&quot;; choose one of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modLoadList</name>
    <message>
        <source>Species List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The species list could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modLoadTree</name>
    <message>
        <source>Botanic Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common Names</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>splitter</name>
    <message>
        <source>A container object has not been assigned (set)for property [SplitterContainerControl]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
