// Scenario grids in the analyses: the comparison with a scenario against a
// recount of both grids' values read with OGR, and shift --scenario,
// count --scenario and scenarios on a copy of the bundled grid with
// scenarios written beside it by the grid's own writer.
#include "analysis/ClimateShift.h"
#include "analysis/ScenarioGrids.h"
#include "cli/CliProgram.h"
#include "tests/common/Files.h"
#include "tests/common/FixtureCatalogue.h"
#include "tools/shapefiles/ScenarioGridFile.h"

#include <gtest/gtest.h>

#include <ogrsf_frmts.h>

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <sstream>

namespace {

const char *const Warmer = "GCM-1_ssp245_2041-2060";

// Every point's ALT, MAR and MAT as OGR reads them.
std::vector<std::array<double, 3>> ogrValues(const QString &shp)
{
    std::unique_ptr<GDALDataset> ds(GDALDataset::Open(shp.toUtf8(), GDAL_OF_VECTOR));
    std::vector<std::array<double, 3>> values;
    for (auto &f : *ds->GetLayer(0))
        values.push_back({f->GetFieldAsDouble("ALT"), f->GetFieldAsDouble("MAR"), f->GetFieldAsDouble("MAT")});
    return values;
}

class Scenarios : public ::testing::Test {
protected:
    void SetUp() override
    {
        GDALAllRegister();
        QDir(dir.path()).mkpath("Database");
        WriteFixtureCatalogue(dir.filePath("Database/dbsilvar.mdb"));
        QDir(dir.path()).mkpath("ShapeFiles");
        for (const QString &f : QDir(SILVARIA_SOURCE_DIR "/data/ShapeFiles").entryList(QDir::Files))
            QFile::copy(SILVARIA_SOURCE_DIR "/data/ShapeFiles/" + f, grid() + f);
        // Warmer everywhere but every third point, wetter at odd points and drier at even ones.
        WriteScenarioGrid(grid(), Warmer, [](GridPointWriter::Point &p, std::uint32_t i) {
            std::tie(p.mat, p.mar) = std::pair(p.mat + (i % 3 ? 1.7 : -0.4), i % 2 ? p.mar + 120 : int(p.mar * 0.85));
        });
        WriteScenarioGrid(grid(), "same", [](GridPointWriter::Point &, std::uint32_t) {});
        QDir(grid()).mkpath("scenarios/half.part-1");
    }
    QString grid() const { return dir.filePath("ShapeFiles/"); }
    int run(QStringList arguments)
    {
        std::ostringstream o, e;
        const int code = RunCli(arguments << "--app-folder" << dir.path(), {o, e});
        out = QString::fromStdString(o.str());
        err = QString::fromStdString(e.str());
        return code;
    }
    QTemporaryDir dir;
    QString out, err;
};

} // namespace

// Kept, lost and gained recount both grids' values with plain arithmetic
// against the species' ranges (a value within a millionth of a bound is on it).
TEST_F(Scenarios, KeptLostAndGainedAgreeWithARecountOfBothGrids)
{
    const auto now = ogrValues(grid() + "pasia_canvas.shp");
    const auto then = ogrValues(grid() + "scenarios/" + Warmer + "/pasia_canvas.shp");
    const MapData maps = MapData::load(grid());
    const auto layer = LoadScenarioLayer(FindScenarioGrid(maps.folder, Warmer), *maps.canvas->data());
    const auto countries = CountryAssignment::of(maps.canvas->data(), maps.boundaries->data());
    const double cases[][6] = {{0, 1000, 1250, 3750, 22, 27}, {0, 800, 1500, 3000, 24, 30}, {200, 2500, 900, 1700, 15, 24.5}};
    for (const double *r : cases) {
        const auto in = [&](const std::array<double, 3> &v) {
            return std::ranges::all_of(std::array{0, 1, 2}, [&](int k) { return v[k] >= r[2 * k] - 1e-6 && v[k] <= r[2 * k + 1] + 1e-6; });
        };
        std::size_t counts[3] = {}; // kept, lost, gained
        for (std::size_t i = 0; i < now.size(); ++i)
            counts[in(now[i]) ? in(then[i]) ? 0 : 1 : 2] += in(now[i]) || in(then[i]);
        Bounds bounds;
        for (int k = 0; k < 3; ++k)
            std::tie(bounds.min[k], bounds.max[k]) = std::pair(Bound::fromNumber(r[2 * k]), Bound::fromNumber(r[2 * k + 1]));
        const ClimateShiftResult s = CompareClimates(maps, GridCells::of(*maps.canvas->data()), *countries, bounds, *layer->data(), 0, 0);
        EXPECT_EQ((std::array{s.kept.size(), s.lost.size(), s.gained.size()}), (std::array{counts[0], counts[1], counts[2]})) << r[0];
    }
}

// A scenario on other points is refused as the windows refuse it
// (AnalysisWindowsTest); the mistakes that need no scenario are in the transcript.
TEST_F(Scenarios, TheCommandLineListsComparesAndCountsOnAScenario)
{
    ASSERT_EQ(run({"scenarios", "--format", "csv"}), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QString(Warmer) + ",GCM-1,ssp245,2041-2060,\"climate projection, not observations: a test's changed climate\",A test citation"));

    ASSERT_EQ(run({"shift", "1", "--scenario", "same", "--by-country", "--format", "csv", "-o", dir.filePath("s.png")}), 0) << err.toStdString();
    for (const QString &row : out.trimmed().split('\n').mid(1)) // the same climate: nothing lost or gained
        EXPECT_TRUE(row.contains(",0,0.0,0,0.0,\"scenario GCM-1 ssp245 2041-2060: a projection of one climate model, not a forecast\"")) << row.toStdString();
    const QImage picture(dir.filePath("s.png"));
    EXPECT_TRUE(picture.text("Scenario citation") == "A test citation" && picture.text("Shift").isEmpty());

    ASSERT_EQ(run({"count", "-o", dir.filePath("now.png")}), 0);
    const QString now = out;
    run({"count", "--scenario", "same", "-o", dir.filePath("same.png")});
    EXPECT_EQ(out, "Climate: scenario GCM-1 ssp245 2041-2060: a projection of one climate model, not a forecast\n" + now);
    run({"count", "--scenario", Warmer, "-o", dir.filePath("warm.png")});
    EXPECT_NE(out.mid(out.indexOf('\n') + 1), now) << "counted on the scenario's climate";

    EXPECT_EQ(run({"count", "--scenario", "half.part-1", "-o", "c.png"}), 2) << "a scenario being built is none";
    EXPECT_TRUE(err.endsWith("installed: GCM-1_ssp245_2041-2060, same\n")) << err.toStdString();
}

TEST_F(Scenarios, TheSiteReportTellsWhoseClimateItIsOn)
{
    ASSERT_EQ(run({"report", "104.9,11.55", "--scenario", Warmer, "-o", dir.filePath("warmer.html")}), 0) << err.toStdString();
    const QString html = QString::fromUtf8(ReadFile(dir.filePath("warmer.html")));
    EXPECT_TRUE(html.contains("scenario GCM-1 ssp245 2041-2060, a projection of one climate model, not a forecast")) << "said plainly";
    ASSERT_EQ(run({"report", "104.9,11.55", "-o", dir.filePath("grid.html")}), 0);
    const auto matRow = [](const QString &page) {
        return QRegularExpression("Temperature \\(MAT\\)</td><td>([^<]*)").match(page).captured(1);
    };
    EXPECT_NE(matRow(html), matRow(QString::fromUtf8(ReadFile(dir.filePath("grid.html"))))) << "the scenario's temperature";
    EXPECT_EQ(run({"report", "104.9,11.55", "--scenario", "GCM-9", "-o", dir.filePath("none.html")}), 2);
    EXPECT_TRUE(err.contains(Warmer)) << "the installed scenarios listed: " << err.toStdString();
}
