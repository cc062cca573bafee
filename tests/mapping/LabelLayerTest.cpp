// Labels on a map: where Add puts them, what Draw paints, and the label file.
#include "mapping/windows/MapControl.h"
#include "mapping/MapError.h"
#include "mapping/labels/LabelLayer.h"
#include "tests/common/Files.h"
#include "tests/common/FileSizeLimit.h"
#include "tests/common/FixtureShapefile.h"

#include <shapefil.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

class Labels : public ::testing::Test {
protected:
    void SetUp() override
    {
        // An east-to-west road, a north-south road and a two-part line.
        FixtureShapefile{.shpType = SHPT_ARC,
                         .shapes = {{{{110, 5}, {105, 5}, {100, 5}}}, {{{107, 1}, {107, 9}}},
                                    {{{104, 8}, {101, 8}}, {{109, 2}, {108, 2}}}},
                         .fields = {{"ROADID", 'N', 4, 0}, {"NAME", 'C', 20, 0}},
                         .rows = {{"1", "East \"Road\""}, {"2", "North"}, {"3", "Twin"}}}
            .write(dir.filePath("roads.shp"));
        FixtureShapefile{.shpType = SHPT_POLYGON, .shapes = {{{{100, 0}, {100, 10}, {110, 10}, {110, 0}, {100, 0}}}},
                         .fields = {{"CODE", 'N', 4, 0}}, .rows = {{"7"}}}
            .write(dir.filePath("land.shp"));
        roads = MapLayer::fromFile(dir.filePath("roads.shp"));
        country = MapLayer::fromFile(dir.filePath("land.shp"));
        map.layers().add(country);
        map.layers().add(roads);
        map.resize(400, 400);
        map.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&map));
        layer.Map = &map;
        layer.TextHeight = 0.5;
        layer.confirmRemove = [this] { return answerYes; };
    }

    QString write(const QString &name, const QByteArray &content)
    {
        EXPECT_TRUE(WriteFile(dir.filePath(name), content));
        return dir.filePath(name);
    }

    QTemporaryDir dir;
    MapControl map;
    std::shared_ptr<MapLayer> roads, country;
    LabelLayer layer;
    bool answerYes = true;
};

} // namespace

TEST_F(Labels, PolygonLabelSitsAtTheCentroidWithTheFirstTextFieldOrNothing)
{
    layer.Add(*country, "CODE", {101, 1});
    ASSERT_EQ(layer.count(), 1);
    EXPECT_EQ(layer.label(0).Text, "7");
    EXPECT_EQ(layer.label(0).ShapeType, 23);
    EXPECT_DOUBLE_EQ(layer.label(0).Shape.x(), 105);
    EXPECT_DOUBLE_EQ(layer.label(0).Shape.y(), 5);
    EXPECT_DOUBLE_EQ(layer.label(0).Height, 0.5);
    // No field of that name and no text field: no label.
    layer.Add(*country, "ALT", {101, 1});
    EXPECT_EQ(layer.count(), 1);
    // No field of that name: the first text field gives the text.
    layer.Add(*roads, "ALT", {105, 5});
    ASSERT_EQ(layer.count(), 2);
    EXPECT_EQ(layer.label(1).Text, "East \"Road\"");
}

TEST_F(Labels, LinesReadWestToEast)
{
    layer.Add(*roads, "NAME", {105, 5});
    layer.Add(*roads, "NAME", {107, 4});
    layer.Add(*roads, "NAME", {102, 8});
    ASSERT_EQ(layer.count(), 3);
    const auto first = [&](int i) { return layer.label(i).Shape.Parts()[0].points(); };
    EXPECT_EQ(first(0).front().x, 100) << "an east-to-west line is reversed";
    EXPECT_EQ(first(1).front().y, 1) << "a north-south line stays as it is";
    EXPECT_EQ(first(2).front().x, 101);
    EXPECT_EQ(layer.label(2).Shape.Parts()[1].points().front().x, 109) << "other parts are not examined";
}

TEST_F(Labels, StoreAndLoadKeepQuotesAndPutLinesAtTheirMiddleVertex)
{
    layer.Add(*roads, "NAME", {105, 5});
    layer.Add(*country, "CODE", {101, 1});
    const QString file = dir.filePath("labels.txt");
    layer.Store(file);
    EXPECT_EQ(ReadFile(file), "2\r\n22,0.5,\"East \"\"Road\"\"\"\r\n110,5\r\n23,0.5,\"7\"\r\n105,5\r\n");
    layer.DeleteAll();
    layer.Load(file);
    ASSERT_EQ(layer.count(), 2);
    EXPECT_EQ(layer.label(0).Text, "East \"Road\"");
    EXPECT_EQ(layer.label(0).ShapeType, 22);
    EXPECT_EQ(layer.label(0).Shape.Parts()[0].Count(), 1) << "a restored line label is a point";
    EXPECT_DOUBLE_EQ(layer.label(0).Shape.x(), 110);
}

TEST_F(Labels, ABadFileIsNamedAndChangesNothing)
{
    layer.Add(*country, "CODE", {101, 1});
    const struct {
        const char *name;
        QByteArray content;
    } bad[] = {
        {"count.txt", "many\r\n"},
        {"short.txt", "2\r\n21,1,\"a\"\r\n1,2\r\n"},
        {"fields.txt", "1\r\n21,1\r\n1,2\r\n"},
        {"number.txt", "1\r\n21,high,\"a\"\r\n1,2\r\n"},
        {"quote.txt", "1\r\n21,1,\"open\r\n1,2\r\n"},
    };
    for (const auto &b : bad) {
        SCOPED_TRACE(b.name);
        const QString file = write(b.name, b.content);
        try {
            layer.Load(file);
            ADD_FAILURE() << "loaded a bad file";
        } catch (const MapError &e) {
            EXPECT_TRUE(e.message().contains(file)) << e.message().toStdString();
        }
        EXPECT_EQ(layer.count(), 1);
    }
    EXPECT_THROW(layer.Load(dir.filePath("missing.txt")), MapError);
}

TEST_F(Labels, AFailedStoreLeavesTheOldFile)
{
    const QString file = write("keep.txt", "0\r\n");
    for (int i = 0; i < 200; ++i)
        layer.Add(*country, "CODE", {101, 1});
    EXPECT_THROW(layer.Store(dir.filePath("no/such/folder.txt")), MapError);
    EXPECT_THROW(layer.Store(FullDevice(dir.path())), MapError);
    EXPECT_THROW(layer.Store("/proc/labels.txt"), MapError) << "a folder no one can write in";
    {
        const FileSizeLimit limit(1000); // the store fails half-way through the file itself
        ASSERT_TRUE(limit.active());
        EXPECT_THROW(layer.Store(file), MapError);
    }
    EXPECT_EQ(ReadFile(file), "0\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList({"keep.txt*"}, QDir::Files | QDir::Hidden), QStringList{"keep.txt"})
        << "no temporary file left behind";
}
