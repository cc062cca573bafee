// Reading shapefiles: every geometry kind and field type, and the errors for
// missing, truncated and corrupt files.
#include "mapping/MapError.h"
#include "mapping/MapLayer.h"
#include "mapping/MapRecordSet.h"
#include "mapping/ShapeLayer.h"
#include "tests/common/Files.h"
#include "tests/common/FixtureShapefile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

#include <shapefil.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

class ShapefileReading : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    QString writePoints(const char *name = "points.shp") const
    {
        PointFixture({{100.5, 10.25}, {101, 11}, {102, 12}},
                     {{"POINTID", 'N', 8, 0}, {"ALT", 'N', 5, 0}, {"MAT", 'N', 5, 1}, {"NAME", 'C', 12, 0},
                      {"OPENED", 'D', 8, 0}, {"WET", 'L', 1, 0}},
                     {{"1", "250", "26.4", "Hà Nội", "20240131", "T"},
                      {"2", "0", "-3.5", "Vientiane", "19991231", "F"},
                      {"3", std::nullopt, ".", "Yangon", std::nullopt, std::nullopt}})
            .write(path(name));
        return path(name);
    }

    void patch(const char *name, qint64 at, const QByteArray &bytes) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.seek(at) && f.write(bytes) == bytes.size());
    }

    static void truncate(const QString &file, qint64 bytesToKeep)
    {
        QFile f(file);
        ASSERT_TRUE(f.resize(bytesToKeep));
    }

    static void expectErrorNaming(const QString &shp, const QString &named, const char *why)
    {
        try {
            ShapeLayer::read(shp);
            ADD_FAILURE() << why << ": the layer was read";
        } catch (const MapError &error) {
            EXPECT_TRUE(error.message().contains(named)) << why << ": " << error.message().toStdString();
        }
    }
};

TEST_F(ShapefileReading, PointsWithEveryFieldType)
{
    const auto layer = ShapeLayer::read(writePoints());
    EXPECT_EQ(layer->shapeType(), ShapeTypePoint);
    EXPECT_EQ(layer->featureCount(), 3u);
    EXPECT_EQ(layer->extent(), MapExtent(100.5, 10.25, 102, 12));
    MapRecordSet records = MapLayer(layer).records();
    std::vector<std::string> names, texts;
    std::vector<int> types;
    for (const MapField &field : records.fields()) {
        names.push_back(field.name.toStdString());
        texts.push_back(field.valueText.toStdString());
        types.push_back(field.type);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"POINTID", "ALT", "MAT", "NAME", "OPENED", "WET", "Shape", "FeatureId"}));
    EXPECT_EQ(texts, (std::vector<std::string>{"1", "250", "26.4", "Hà Nội", "2024-01-31", "True", "", "0"}));
    EXPECT_EQ(types, (std::vector<int>{FieldTypeLong, FieldTypeLong, FieldTypeDouble, FieldTypeText, FieldTypeDate,
                                       FieldTypeBoolean, FieldTypeShape, FieldTypeLong}));
    const MapShape shape = records.field("shape").value.value<MapShape>();
    EXPECT_EQ(shape.x(), 100.5);
    EXPECT_EQ(shape.y(), 10.25);
    records.moveNext();
    records.moveNext();
    EXPECT_TRUE(records.field("ALT").value.isNull());
    EXPECT_TRUE(records.field("MAT").value.isNull()) << "a point without digits is no number";
    EXPECT_EQ(records.valueText("ALT"), QString());
    records.moveNext();
    EXPECT_TRUE(records.isEOF());
    EXPECT_THROW(records.fields(), MapError);
}

TEST_F(ShapefileReading, PointsWithHeightsOrMeasuresReadAsPoints)
{
    for (const int type : {SHPT_POINTZ, SHPT_POINTM}) {
        FixtureShapefile{.shpType = type, .shapes = {{{{100, 10}}}, {}}, .fields = {{"ID", 'N', 3, 0}}, .rows = {{"1"}, {"2"}}}.write(path("z.shp"));
        const auto layer = ShapeLayer::read(path("z.shp"));
        EXPECT_TRUE(layer->xs()[0] == 100 && layer->ys()[0] == 10 && std::isnan(layer->xs()[1])) << type << ": a point, then no shape";
    }
}

TEST_F(ShapefileReading, PolygonsWithHolesAndMultiPartLines)
{
    // Outer ring clockwise, hole counter-clockwise, as shapefiles store them.
    FixtureShapefile{.shpType = SHPT_POLYGON,
                     .shapes = {{{{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}}, {{4, 4}, {6, 4}, {6, 6}, {4, 6}, {4, 4}}}, {}},
                     .fields = {{"NAME", 'C', 10, 0}}, .rows = {{"square"}, {"nothing"}}}
        .write(path("poly.shp"));
    const auto layer = ShapeLayer::read(path("poly.shp"));
    EXPECT_EQ(layer->shapeType(), ShapeTypePolygon);
    EXPECT_EQ(layer->shape(0).Parts().size(), 2u);
    EXPECT_TRUE(layer->shape(1).isNull());
    EXPECT_TRUE(layer->featureContains(0, {2, 2}));
    EXPECT_FALSE(layer->featureContains(0, {5, 5}));

    FixtureShapefile{.shpType = SHPT_ARC, .shapes = {{{{0, 0}, {1, 1}}, {{5, 5}, {6, 5}, {7, 7}}}}, .fields = {{"ID", 'N', 4, 0}},
                     .rows = {{"7"}}}
        .write(path("lines.shp"));
    const auto lineLayer = ShapeLayer::read(path("lines.shp"));
    EXPECT_EQ(lineLayer->shapeType(), ShapeTypeLine);
    const MapShape line = lineLayer->shape(0);
    ASSERT_EQ(line.Parts().size(), 2u);
    EXPECT_EQ(line.Parts()[1].Count(), 3);
    EXPECT_EQ(line.Parts()[1].Item(2), (MapPoint{7, 7}));
}

TEST_F(ShapefileReading, OpenSharesAnUnchangedFile)
{
    const QString file = writePoints();
    const auto first = ShapeLayer::open(file);
    const auto second = ShapeLayer::open(file);
    EXPECT_EQ(first.get(), second.get());
    EXPECT_NE(ShapeLayer::read(file).get(), first.get());
}

TEST_F(ShapefileReading, MissingOrDamagedFilesAreErrorsNamingTheFile)
{
    expectErrorNaming(path("absent.shp"), path("absent.shp"), "missing .shp");
    const struct {
        const char *name, *named; // the file the message must name
        std::function<void()> damage;
    } cases[] = {
        {"missing .dbf", "points.dbf", [&] { QFile::remove(path("points.dbf")); }},
        {"missing .shx", "points.shx", [&] { QFile::remove(path("points.shx")); }},
        // The .shp cut after the header, one record and part of the next; the others cut short.
        {"truncated .shp", "points.shp", [&] { truncate(path("points.shp"), 138); }},
        {"truncated .dbf", "points.dbf", [&] { truncate(path("points.dbf"), QFileInfo(path("points.dbf")).size() - 30); }},
        {"truncated .shx", "points.shx", [&] { truncate(path("points.shx"), 60); }},
        // A record's offset in the .shx, in 16-bit words, big-endian: the third past the end, the first inside the header.
        {".shx offset past the end", "points.shp", [&] { patch("points.shx", 100 + 8 * 2, QByteArray("\x00\x10\x00\x00", 4)); }},
        {".shx offset into the header", "points.shp", [&] { patch("points.shx", 100, QByteArray("\x00\x00\x00\x0c", 4)); }},
        {"unknown shape type", "points.shp", [&] { patch("points.shx", 32, QByteArray("\x63\x00\x00\x00", 4)); }},
        {"garbage .shp", "points.shp", [&] { ASSERT_TRUE(WriteFile(path("points.shp"), QByteArray(300, '\x7f'))); }},
        {"dbf with fewer records", "points.dbf",
         [&] {
             PointFixture({{1, 1}}, {{"POINTID", 'N', 8, 0}}, {{"1"}}).write(path("other.shp"));
             QFile::remove(path("points.dbf"));
             QFile::copy(path("other.dbf"), path("points.dbf"));
         }},
    };
    for (const auto &c : cases) {
        const QString file = writePoints();
        c.damage();
        expectErrorNaming(file, path(c.named), c.name);
    }
}

} // namespace

TEST(ShapefileReaderNumbers, AVeryLongNumericFieldIsReadWithoutOverflow)
{
    QTemporaryDir dir;
    PointFixture({{100, 0}, {101, 0}}, {{"BIG", 'N', 24, 0}}, {{"370090000000000000000000"}, {"-99999999999999999999999"}})
        .write(dir.filePath("big.shp"));
    const auto layer = MapLayer::fromFile(dir.filePath("big.shp"));
    MapRecordSet rs = layer->records();
    EXPECT_DOUBLE_EQ(rs.value("BIG").toDouble(), 3.7009e23);
    rs.moveNext();
    EXPECT_DOUBLE_EQ(rs.value("BIG").toDouble(), -1e23);
    EXPECT_EQ(layer->SearchExpression("BIG > 1").count(), 1u);
}
