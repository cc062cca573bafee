// Near misses, species count, areas and climate shift on the bundled data,
// checked against the suitable-species statement and hand computations.
#include "analysis/CellArea.h"
#include "analysis/CountryAssignment.h"
#include "analysis/ClimateShift.h"
#include "analysis/MapData.h"
#include "analysis/NearMisses.h"
#include "analysis/PointMap.h"
#include "analysis/SpeciesCount.h"
#include "analysis/SuitableArea.h"
#include "analysis/SuitabilityClasses.h"
#include "catalogue/modDatabase.h"
#include "mapping/MapSources.h"
#include "mapping/SuitableSpecies.h"
#include "tests/common/FixtureCatalogue.h"
#include "tests/common/FixtureShapefile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <ogr_api.h>

#include <array>

namespace {

const QString DataFolder = QStringLiteral(SILVARIA_SOURCE_DIR "/data/");

struct SampleData : ::testing::Test {
    static void SetUpTestSuite()
    {
        maps = new MapData(MapData::load(DataFolder + QStringLiteral("ShapeFiles")));
        climate = new GridClimate(GridClimate::read(*maps->canvas->data()));
    }
    // The sample catalogue, opened again after a test that opened a fixture catalogue and closed it.
    void SetUp() override
    {
        if (!CatalogueIsOpen())
            SetCatalogueConnection(Connection::OpenFile(DataFolder + QStringLiteral("Database/dbsilvar.mdb")));
    }
    static void TearDownTestSuite()
    {
        delete climate;
        delete maps;
        CloseCatalogue();
    }
    static MapData *maps;
    static GridClimate *climate;
};
MapData *SampleData::maps = nullptr;
GridClimate *SampleData::climate = nullptr;

// At every 41st grid point (about 2,300 points), the in-memory rule lists the
// statement's species in its order, and the count is that list's length.
TEST_F(SampleData, SuitableListAndCountMatchTheStatementAtManyPoints)
{
    const SpeciesRangeTable species = SpeciesRangeTable::read();
    const std::vector<std::uint32_t> counts = SpeciesCountGrid(*climate).count(species);
    const std::vector<std::uint32_t> timber = SpeciesCountGrid(*climate).count(species, UseTimber);
    int nonEmpty = 0;
    for (std::uint32_t i = 0; i < climate->size(); i += 41) {
        QStringList expected;
        for (const SuitableSpeciesRow &row : QuerySuitableSpecies(climate->stored[0][i], climate->stored[1][i], climate->stored[2][i]))
            expected << row.spId;
        QStringList found;
        for (const SpeciesRangeRow *row : AnswerAtFeature(species, *climate, i).suitable)
            found << QString::number(row->spId);
        ASSERT_EQ(found, expected) << "grid point " << i;
        ASSERT_EQ(timber[i], std::uint32_t(AnswerAtFeature(species, *climate, i, UseTimber).suitable.size()));
        nonEmpty += !found.isEmpty();
    }
    EXPECT_GT(nonEmpty, 1000);
    for (std::uint32_t i = 0; i < climate->size(); ++i) // the count at every point, the list's length
        ASSERT_EQ(counts[i], std::uint32_t(AnswerAtFeature(species, *climate, i).suitable.size())) << "grid point " << i;
}

// Ranges that end exactly on grid values (decimals included) and a text
// bound: the statement and the in-memory rule agree at every grid point near them.
TEST_F(SampleData, BoundsOnGridValuesAgreeWithTheStatement)
{
    const std::uint32_t p = 4321;
    const QString a = SingleText(climate->stored[0][p]), r = SingleText(climate->stored[1][p]), t = SingleText(climate->stored[2][p]);
    FixtureApplication app(QStringLiteral("INSERT INTO Species (SpID, SpeciesName, MinAltitude, MaxAltitude, MinRainfall, "
                                          "MaxRainfall, MinTemperature, MaxTemperature) VALUES "
                                          "(20, 'Ad minimum', %1, 9000, %2, 9000, %3, 40), "
                                          "(21, 'Ad maximum', 0, %1, 0, %2, -20, %3), "
                                          "(22, 'Textus altus', 0, 'high', 0, 9000, -20, 40), "
                                          "(23, 'Textus bassus', 'low', 9000, 0, 9000, -20, 40);")
                              .arg(a, r, t));
    const SpeciesRangeTable species = SpeciesRangeTable::read();
    const std::vector<std::uint32_t> counts = SpeciesCountGrid(*climate).count(species);
    for (std::uint32_t i = p > 3000 ? p - 3000 : 0; i < p + 3000 && i < climate->size(); ++i) {
        const auto rows = QuerySuitableSpecies(climate->stored[0][i], climate->stored[1][i], climate->stored[2][i]);
        ASSERT_EQ(counts[i], std::uint32_t(rows.size())) << "grid point " << i;
    }
    QStringList atP;
    for (const SpeciesRangeRow *row : AnswerAtFeature(species, *climate, p).suitable)
        atP << row->name;
    EXPECT_TRUE(atP.contains(QStringLiteral("Ad minimum")) && atP.contains(QStringLiteral("Ad maximum")) &&
                atP.contains(QStringLiteral("Textus altus")) && !atP.contains(QStringLiteral("Textus bassus")))
        << atP.join(", ").toStdString();
}

TEST_F(SampleData, CountriesAreKeptPerPairOfLayers)
{
    const auto boundaries = maps->boundaries->data();
    const auto whole = CountryAssignment::of(maps->canvas->data(), boundaries);
    EXPECT_EQ(CountryAssignment::of(maps->canvas->data(), boundaries), whole) << "computed once";
    // Bangkok and the open sea, as a grid of their own beside the same boundaries.
    QTemporaryDir dir;
    PointFixture({{100.5, 14.0}, {90, -12}}, {{"ID", 'N', 4, 0}}, {{"1"}, {"2"}}).write(dir.filePath("two.shp"));
    const auto two = CountryAssignment::of(ShapeLayer::read(dir.filePath("two.shp")), boundaries);
    ASSERT_EQ(two->index.size(), 2u);
    EXPECT_EQ(two->names.value(two->index[0]), "Thailand");
    EXPECT_EQ(two->index[1], two->outside());
}

TEST_F(SampleData, CountriesByRowsAgreeWithThePointInPolygonTestAtEveryPoint)
{
    const ShapeLayer &grid = *maps->canvas->data();
    const ShapeLayer &boundaries = *maps->boundaries->data();
    const CountryAssignment countries = CountryAssignment::compute(grid, boundaries);
    const int name = boundaries.attributes().indexOf("NAME");
    for (std::uint32_t i = 0; i < grid.featureCount(); ++i) {
        const MapPoint p{grid.xs()[i], grid.ys()[i]};
        std::uint32_t first = UINT32_MAX;
        boundaries.index().forEachCandidate(MapExtent(p.x, p.y, p.x, p.y), [&](std::uint32_t f) {
            if (f < first && boundaries.featureContains(f, p))
                first = f;
        });
        const QString expected = first == UINT32_MAX ? QString() : boundaries.attributes().column(name).valueText(first).trimmed();
        const QString got = countries.index[i] == countries.outside() ? QString() : countries.names[countries.index[i]];
        ASSERT_EQ(got, expected) << "grid point " << i << " at " << p.x << ", " << p.y;
    }
}

// ALT, MAR and MAT of every grid point as OGR reads them from the shapefile.
std::vector<std::array<double, 3>> ogrValues()
{
    OGRRegisterAll();
    std::vector<std::array<double, 3>> values;
    OGRDataSourceH grid = OGROpen(SILVARIA_SOURCE_DIR "/data/ShapeFiles/pasia_canvas.shp", FALSE, nullptr);
    while (OGRFeatureH f = grid ? OGR_L_GetNextFeature(OGR_DS_GetLayer(grid, 0)) : nullptr) {
        values.push_back({OGR_F_GetFieldAsDouble(f, OGR_F_GetFieldIndex(f, "ALT")), OGR_F_GetFieldAsDouble(f, OGR_F_GetFieldIndex(f, "MAR")),
                          OGR_F_GetFieldAsDouble(f, OGR_F_GetFieldIndex(f, "MAT"))});
        OGR_F_Destroy(f);
    }
    OGR_DS_Destroy(grid);
    return values;
}

struct ShiftCase {
    const char *name;
    double ranges[6]; // ALT, MAR, MAT minimum and maximum
    double dT, dP;
};
void PrintTo(const ShiftCase &c, std::ostream *os) { *os << c.name; }
class ClimateShiftTable : public SampleData, public ::testing::WithParamInterface<ShiftCase> {};

// Kept, lost and gained recount OGR's values with plain arithmetic against the
// species' own ranges (a value within a millionth of a bound is on it).
TEST_P(ClimateShiftTable, KeptLostAndGainedAgreeWithOgr)
{
    static const std::vector<std::array<double, 3>> values = ogrValues();
    const ShiftCase &c = GetParam();
    const double *r = c.ranges;
    const auto inside = [](double v, double lo, double hi) { return v >= lo - 1e-6 && v <= hi + 1e-6; };
    std::size_t kept = 0, lost = 0, gained = 0;
    for (const auto &v : values) {
        const bool before = inside(v[0], r[0], r[1]) && inside(v[1], r[2], r[3]) && inside(v[2], r[4], r[5]);
        const bool after = inside(v[0], r[0], r[1]) && inside(v[1] * (1 + c.dP / 100), r[2], r[3]) && inside(v[2] + c.dT, r[4], r[5]);
        kept += before && after;
        lost += before && !after;
        gained += !before && after;
    }
    Bounds bounds;
    for (int k = 0; k < 3; ++k) {
        bounds.min[k] = Bound::fromNumber(r[2 * k]);
        bounds.max[k] = Bound::fromNumber(r[2 * k + 1]);
    }
    const auto countries = CountryAssignment::of(maps->canvas->data(), maps->boundaries->data());
    const ClimateShiftResult shift = ShiftClimate(*maps, GridCells::of(*maps->canvas->data()), *countries, bounds, c.dT, c.dP);
    EXPECT_EQ(shift.kept.size(), kept);
    EXPECT_EQ(shift.lost.size(), lost);
    EXPECT_EQ(shift.gained.size(), gained);
}

INSTANTIATE_TEST_SUITE_P(
    Shifts, ClimateShiftTable,
    ::testing::Values(ShiftCase{"TeakWarmerAndDrier", {0, 1000, 1250, 3750, 22, 27}, 2, -10},
                      ShiftCase{"DurianWarmerUpToItsOwnMaximumAboveTheData", {0, 800, 1500, 3000, 24, 30}, 2, 0},
                      ShiftCase{"RainfallOnTheRangesEdgeAfterTenPercentMore", {0, 6098, 1000, 1650, -11.2, 29.2}, 0, 10},
                      ShiftCase{"TemperatureRangeAboveTheDataOnlyGains", {0, 800, 1500, 3000, 30, 35}, 2, 0},
                      ShiftCase{"RainfallRangeAboveTheDataMatchesNothing", {0, 800, 9000, 10000, 24, 30}, 0, 0},
                      ShiftCase{"TemperatureRangeBelowTheDataMatchesNothing", {0, 800, 1500, 3000, -20, -15}, 0, 0},
                      ShiftCase{"TheFirstAndColdestPointGainedByWarming", {4000, 6098, 100, 300, -10, -5}, 2, 0}),
    [](const auto &info) { return std::string(info.param.name); });

// At the command line's 1000 pixels the grid's source line does not fit one
// line: it is wrapped, so the stamp has more lines of ink than entries, each
// entry's later lines indented; the map stands unshifted above the stamp.
TEST_F(SampleData, PictureStampsWrapLongLinesAndKeepEveryText)
{
    QImage map(1000, 600, QImage::Format_RGB32);
    map.fill(QColor(30, 120, 200));
    map.setPixelColor(0, 0, Qt::red);
    const PictureStamp stamp = SourceStampOf(maps->folder, QStringLiteral("silvaria-cli"));
    const QImage picture = StampedPicture(map, stamp);
    EXPECT_EQ(picture.copy(0, 0, map.width(), map.height()), map);
    QList<int> starts; // the first inked column of each line of text
    for (int y = map.height(), inLine = 0; y < picture.height(); ++y) {
        int x = 0;
        while (x < picture.width() && qGray(picture.pixel(x, y)) >= 128)
            ++x;
        if (x < picture.width() && !inLine)
            starts << x;
        else if (x < picture.width())
            starts.last() = std::min(starts.last(), x);
        inLine = x < picture.width();
    }
    EXPECT_GT(starts.size(), int(stamp.size())) << "the grid's line is wrapped";
    const int margin = *std::min_element(starts.begin(), starts.end());
    EXPECT_EQ(starts.count(margin), int(stamp.size())) << "each entry starts at the margin, its later lines indented";
}

// A comment naming a layer is no source of it.
TEST(LayerSources, CommentsBlankLinesAndNamelessLinesAreNoSources)
{
    EXPECT_EQ(ParseLayerSources("# country_bnd = old\n\n country_bnd = new \n= nameless\n"), (QMap<QString, QString>{{"country_bnd", "new"}}));
}

// One grid point (ALT 500, MAR 1500, MAT 27.3) against species made for each case.
TEST(NearMisses, NameTheCriterionTheMissAndSortByRelativeMiss)
{
    GridClimate point;
    const float values[3] = {500, 1500, 27.3f};
    for (int c = 0; c < 3; ++c) {
        point.stored[c] = {values[c]};
        point.engine[c] = {EngineValue(values[c])};
    }
    const auto species = [](int id, const char *name, double a0, double a1, double r0, double r1, double t0, double t1) {
        SpeciesRangeRow row{id, QString::fromLatin1(name), {}, 0, false, {a0, r0, t0}, {a1, r1, t1}, {true, true, true}};
        return row;
    };
    SpeciesRangeTable table;
    table.rows = {species(1, "Fits", 0, 1000, 1000, 2000, 20, 28),
                  species(2, "Warm", 0, 1000, 1000, 2000, 18, 26),    // 1.3 over a width of 8
                  species(3, "Dry", 0, 1000, 1650, 3000, 20, 28),     // 150 under a width of 1350
                  species(4, "High", 0, 280, 1000, 2000, 20, 28),     // 220 over a width of 280: too far
                  species(5, "Two", 0, 400, 1600, 2000, 20, 28),      // misses twice
                  species(6, "Low", 600, 2600, 1000, 2000, 20, 28)};  // 100 under a width of 2000

    const PointAnswer answer = AnswerAtFeature(table, point, 0);
    ASSERT_EQ(answer.suitable.size(), 1u);
    EXPECT_EQ(answer.suitable[0]->name, QStringLiteral("Fits"));
    QStringList misses;
    for (const NearMiss &m : answer.nearMisses)
        misses << m.species->name + QStringLiteral(": ") + m.text();
    EXPECT_EQ(misses, QStringList({QStringLiteral("Low: ALT 100 m too low"), QStringLiteral("Dry: MAR 150 mm too dry"),
                                   QString::fromUtf8("Warm: MAT 1.3 °C too warm")}));
    EXPECT_EQ(AnswerAtFeature(table, point, 0, 0, 1.0).nearMisses.size(), 4u) << "a wider limit takes in High";
}

} // namespace
