// silvaria-cli as a script sees it: exit codes, messages and formats on a
// fixture application folder (the fixture catalogue beside the bundled maps),
// run in-process; a few runs of the program itself show it is the same run on
// the process's streams.
#include "base/ApplicationFolder.h"
#include "catalogue/modDatabase.h"
#include "cli/CliProgram.h"
#include "mapping/GridDataRanges.h"
#include "tests/common/Approved.h"
#include "tests/common/Files.h"
#include "tests/common/FixtureCatalogue.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QCryptographicHash>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <sstream>

namespace {

struct CliRun {
    int code = -1;
    QString out, err;
};

class Cli : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(dir.path()).mkpath("Database");
        // Two species share a synonym, so the name is ambiguous.
        WriteFixtureCatalogue(dir.filePath("Database/dbsilvar.mdb"),
                              QStringLiteral("INSERT INTO Synonym VALUES (1, 'Ambigua nomen', 'Ambigua', ''), "
                                             "(2, 'Ambigua nomen', 'Ambigua', '');"));
        QFile::link(QStringLiteral(SILVARIA_SOURCE_DIR "/data/ShapeFiles"), dir.filePath("ShapeFiles"));
    }
    QStringList onFixture(QStringList arguments) const
    {
        if (!arguments.isEmpty() && !arguments.contains("--app-folder"))
            arguments << "--app-folder" << dir.path();
        return arguments;
    }
    CliRun run(const QStringList &arguments) const
    {
        std::ostringstream out, err;
        const int code = RunCli(onFixture(arguments), {out, err});
        return {code, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
    }
    CliRun runProgram(const QStringList &arguments) const
    {
        QProcess process;
        process.start(QStringLiteral(SILVARIA_BINARY_DIR "/bin/silvaria-cli"), onFixture(arguments));
        process.waitForFinished(60000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    QString file(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(Cli, ExitCodesAndMessages)
{
    QDir(dir.path()).mkpath("taken.png");
    QDir(dir.path()).mkpath("bad/species");
    ASSERT_TRUE(WriteFile(file("old.mdb"), "the old file") &&
                WriteFile(file("bad/species/1.json"), R"({"SpID": 1, "SpeciesName": "A b", "Ranges": {"Altitude": [900, 100]}})"));
    const struct {
        const char *name;
        QStringList arguments;
        int code;
        const char *message; // in standard error, or output for code 0
    } cases[] = {
        {"no command", {}, 1, "no command given (see silvaria-cli --help)"},
        {"unknown command", {"draw"}, 1, "unknown command \"draw\""},
        {"bad option", {"area", "1", "--colour"}, 1, "see silvaria-cli --help"},
        {"bad number", {"at", "100,abc"}, 1, "takes a number, not \"abc\""},
        {"bad use", {"count", "--use", "Shade", "-o", "c.png"}, 1, "--use is one of"},
        {"bad picture name", {"map", "1", "-o", "m.gif"}, 1, ".png or .bmp"},
        {"unknown species", {"area", "Nullus"}, 2, "\"Nullus\" names no species"},
        {"ambiguous species", {"sheet", "ambigua NOMEN"}, 2, "names several species; candidates:\n  1  Acacia mangium\n  2  Tectona grandis"},
        {"no grid point", {"at", "10,10"}, 2, "no grid point lies within"},
        {"unwritable", {"map", "1", "-o", file("taken.png")}, 3, "any old file is kept"},
        {"picture too small", {"count", "--size", "100x15", "-o", file("c.png")}, 1, "--size takes whole pixels"},
        {"fraction of a pixel", {"map", "1", "--size", "400.5x300", "-o", file("m.png")}, 1, "--size takes whole pixels"},
        {"reversed range", {"area", "1", "--mat", "30,20"}, 1, "--mat takes MIN,MAX with the minimum at most the maximum"},
        {"latitude past the pole", {"at", "110,100"}, 1, "a latitude from -90 to 90"},
        {"longitude west of -180", {"--app-folder", dir.path(), "at", "--", "-181,10"}, 1, "a longitude from -180 to 360"},
        {"common options before the command, the grid point in CSV",
         {"--app-folder", dir.path(), "--format=csv", "at", "104.9,11.55"}, 0,
         "List,SpID,Species,Uses,Grid lon,Grid lat,Grid ALT,Grid MAR,Grid MAT\ngrid point,,,,104.9167,11.5833,0,1199,27.5\n"},
        {"count classes as two numbers a spreadsheet keeps", {"count", "--use", "Bamboo", "--format", "csv", "-o", file("c.png")}, 0,
         "Species from,Species to,Points,km2,Note\n0,0,"},
        {"catalogue export's help names the file it reads", {"catalogue", "export", "--help"}, 0,
         "Usage: silvaria-cli catalogue export [options] FILE\n"},
        {"picture of the smallest size", {"count", "--size", "16x16", "-o", file("c.png")}, 0, ""},
        {"no output", {"catalogue", "build", "x"}, 1, "catalogue build needs -o FILE"},
        {"sheet as HTML", {"sheet", "1", "--format", "html"}, 0, "</"},
        {"synonym, accents folded", {"sheet", "TECTONA THÉKA"}, 0, "Current Name: Tectona grandis"},
        {"faulty sources", {"catalogue", "build", file("bad"), "-o", file("old.mdb")}, 2,
         "species/1.json:1: Altitude minimum 900 exceeds its maximum 100"},
        {"not a catalogue", {"catalogue", "export", file("old.mdb"), "-o", file("out")}, 2, "old.mdb"},
        {"catalogue alone", {"--app-folder", dir.path(), "catalogue"}, 1, "Usage: silvaria-cli catalogue build"},
        {"grid alone", {"--app-folder", dir.path(), "grid"}, 1, "Usage: silvaria-cli grid build"},
        {"a map of every species", {"map", "--all", "-o", file("maps")}, 0, ""},
        {"unknown action", {"catalogue", "merge", file("bad")}, 1, "catalogue takes build, export or check, not \"merge\""},
    };
    for (const auto &c : cases) {
        const CliRun r = run(c.arguments);
        EXPECT_EQ(r.code, c.code) << c.name << ": " << r.err.toStdString();
        EXPECT_TRUE((c.code ? r.err : r.out).contains(QString::fromUtf8(c.message)))
            << c.name << ": " << r.out.toStdString() << r.err.toStdString();
    }
    EXPECT_TRUE(QFileInfo(file("taken.png")).isDir()) << "the old entry is kept";
    EXPECT_EQ(ReadFile(file("old.mdb")), "the old file");
    EXPECT_TRUE(QFileInfo::exists(file("maps/1_acacia_mangium.png")));
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"grid"}, {out, err}), 1) << "grid alone";
    EXPECT_FALSE(QFileInfo::exists(file("out")));
}

TEST_F(Cli, TheProgramIsTheInProcessRunOnItsStreams)
{
    QDir(dir.path()).mkpath("taken.png");
    const struct {
        QStringList arguments;
        int code;
    } cases[] = {
        {{}, 1},
        {{"area", "Nullus"}, 2},
        {{"sheet", "1"}, 0},
        {{"map", "1", "-o", file("taken.png")}, 3},
    };
    for (const auto &c : cases) {
        const CliRun program = runProgram(c.arguments), inProcess = run(c.arguments);
        const std::string name = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(program.code, c.code) << name << ": " << program.err.toStdString();
        EXPECT_EQ(inProcess.code, c.code) << name;
        EXPECT_EQ(program.out.toStdString(), inProcess.out.toStdString()) << name;
        EXPECT_EQ(program.err.toStdString(), inProcess.err.toStdString()) << name;
        EXPECT_FALSE((c.code ? program.err : program.out).isEmpty()) << name;
    }
}

TEST_F(Cli, ARunStartsFreshAndGivesTheCallersStateBack)
{
    const FixtureApplication caller;
    const GridRanges callersRanges{{-1, -1, -1}, {1, 1, 1}};
    SetGridDataRanges(callersRanges);
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"sheet", "1"}, {out, err}), 2) << "the program's own folder holds no catalogue";
    EXPECT_EQ(run({"map", "1", "-o", file("m.png")}).code, 0);
    EXPECT_EQ(ApplicationFolder(), caller.folder());
    EXPECT_EQ(CatalogueConnection().filePath(), caller.folder() + "/Database/dbsilvar.mdb");
    EXPECT_EQ(ActiveGridRanges(), callersRanges);
    SetGridDataRanges(std::nullopt);
}

TEST_F(Cli, RowsComeAsTableCsvOrJson)
{
    const CliRun table = run({"species", "--use", "timber"});
    EXPECT_EQ(table.out.section(QLatin1Char('\n'), 0, 2).toStdString(),
              std::string("SpID  Name                 Current name         Uses\n"
                             "----  -------------------  -------------------  --------------------------\n"
                             "   1  Acacia mangium       Acacia mangium       Timber, Firewood, Charcoal"));
    const CliRun csv = run({"species", "--search", "đinh", "--format", "csv"});
    EXPECT_EQ(csv.out.toStdString(), "SpID,Name,Current name,Uses\n5,đinh,Markhamia stipulata,\"Timber, Firewood\"\n");
    const CliRun json = run({"area", "2", "--by-country", "--format", "json"});
    const QJsonArray rows = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_GT(rows.size(), 2);
    double sum = 0;
    for (int i = 0; i + 1 < rows.size(); ++i)
        sum += rows[i].toObject().value("Full km2").toDouble();
    EXPECT_EQ(rows.last().toObject().value("Country").toString(), "total");
    EXPECT_NEAR(sum, rows.last().toObject().value("Full km2").toDouble(), double(rows.size()));
    const QJsonArray at = QJsonDocument::fromJson(run({"at", "104.9,11.55", "--format", "json"}).out.toUtf8()).array();
    EXPECT_TRUE(at.first().toObject().value("Species").isNull()) << "the grid point's row names no species";
}

// Each kind of picture stands as approved: its pixels (a digest) and every
// entry of its stamp but the day it was made.
TEST_F(Cli, PicturesStandAsApproved)
{
    const std::pair<const char *, QStringList> pictures[] = {{"count", {"count", "--use", "Fruit", "--size", "400x300", "-o"}},
                                                             {"shift", {"shift", "1", "--dt", "2", "--dp", "-10", "--size", "400x300", "-o"}},
                                                             {"map", {"map", "2", "--size", "400x300", "-o"}}};
    for (const auto &[name, arguments] : pictures) {
        ASSERT_EQ(run(arguments + QStringList{file("p.png")}).code, 0) << name;
        const QImage image(file("p.png"));
        QByteArray made = QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Sha256).toHex();
        for (const QString &key : image.textKeys())
            made += key == "Date" ? QByteArray() : ("\n" + key + ": " + image.text(key)).toUtf8();
        ExpectApproved(QStringLiteral(SILVARIA_SOURCE_DIR "/tests/cli/approved/%1.txt").arg(name), made + '\n');
    }
}

TEST_F(Cli, PicturesAndShiftSayWhereTheyComeFrom)
{
    const CliRun map = run({"map", "tectona grandis", "--mat", "20,26", "--size", "400x300", "-o", file("teak.png")});
    ASSERT_EQ(map.code, 0) << map.err.toStdString();
    QImageReader reader(file("teak.png"));
    EXPECT_EQ(reader.text("Ranges"), QString::fromUtf8("ALT 0 to 1000 m, MAR 1250 to 3750 mm, MAT 20 to 26 °C"));
    const CliRun zoomed = run({"map", "2", "--extent", "98,12,102,16", "--size", "400x300", "-o", file("zoomed.png")});
    ASSERT_EQ(zoomed.code, 0) << zoomed.err.toStdString();
    EXPECT_NE(QImage(file("zoomed.png")), QImage(file("teak.png"))) << "the extent shows part of the map";

    const CliRun count = run({"count", "--use", "Bamboo", "-o", file("count.bmp"), "--points", file("count.csv")});
    ASSERT_EQ(count.code, 0) << count.err.toStdString();
    const QList<QByteArray> lines = ReadFile(file("count.csv")).split('\n');
    EXPECT_EQ(lines.front(), QByteArray("POINTID,LON,LAT,COUNT"));
    EXPECT_EQ(lines.size(), 94918 + 2) << "a line per grid point after the header, and the final line end";

    const CliRun shift = run({"shift", "2", "--dt", "2", "--dp", "-10", "--format", "csv"});
    EXPECT_TRUE(shift.out.startsWith("Country,Land km2,Kept km2,Kept %,Lost km2,Lost %,Gained km2,Gained %,Note\n"));
    EXPECT_TRUE(shift.out.contains("\"uniform shift of the grid's climate, not a climate projection\""));
}

} // namespace
