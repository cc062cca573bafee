// Filters checked against GDAL/OGR's attribute filter on a published
// shapefile: the same filter must select the same features.
#include "mapping/CompiledFilter.h"
#include "mapping/MapLayer.h"
#include "tests/common/PublishedShapefile.h"

#include <gtest/gtest.h>

#include <QFile>

#ifdef SILVARIA_HAVE_GDAL
#include <ogrsf_frmts.h>
#endif

namespace {

#ifdef SILVARIA_HAVE_GDAL

class GdalOracle : public ::testing::Test {
protected:
    static void SetUpTestSuite() { GDALAllRegister(); }

    void SetUp() override
    {
        QString why;
        path = PublishedNcShapefile(why);
        if (path.isEmpty())
            GTEST_SKIP() << "nc.shp is not available: " << why.toStdString();
        layer = MapLayer::fromFile(path);
    }

    std::vector<std::uint32_t> ogrSelect(const QString &filter) const
    {
        GDALDataset *dataset =
            static_cast<GDALDataset *>(GDALOpenEx(path.toUtf8().constData(), GDAL_OF_VECTOR, nullptr, nullptr, nullptr));
        if (!dataset)
            throw std::runtime_error("GDAL cannot open " + path.toStdString());
        OGRLayer *ogr = dataset->GetLayer(0);
        std::vector<std::uint32_t> ids;
        if (ogr->SetAttributeFilter(filter.toUtf8().constData()) != OGRERR_NONE) {
            GDALClose(dataset);
            throw std::runtime_error("OGR rejects " + filter.toStdString());
        }
        while (OGRFeature *feature = ogr->GetNextFeature()) {
            ids.push_back(std::uint32_t(feature->GetFID()));
            OGRFeature::DestroyFeature(feature);
        }
        GDALClose(dataset);
        return ids;
    }

    std::vector<std::uint32_t> ourSelect(const QString &filter) const
    {
        return layer->SearchExpression(filter).featureIds();
    }

    QString path;
    std::shared_ptr<MapLayer> layer;
};

// The filters of oracle/filters.txt: written ones and random combinations of
// every operator, spelling of numbers, text and grouping.
TEST_F(GdalOracle, WrittenFiltersSelectTheSameCounties)
{
    QFile file(QStringLiteral(SILVARIA_SOURCE_DIR "/tests/mapping/oracle/filters.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    for (const QByteArray &line : file.readAll().split('\n'))
        if (!line.isEmpty() && !line.startsWith('#'))
            EXPECT_EQ(ourSelect(QString::fromUtf8(line)), ogrSelect(QString::fromUtf8(line))) << line.constData();
}

TEST_F(GdalOracle, EveryValueAsBothBoundsSelectsItsCounty)
{
    // Take each field's values as the file writes them and use them as both
    // bounds: our storage (floats for AREA and PERIMETER) must agree with
    // OGR's doubles on what lies inside.
    const AttributeTable &table = layer->data()->attributes();
    for (const char *field : {"AREA", "PERIMETER", "BIR74", "NWBIR79", "FIPSNO"}) {
        const AttributeColumn &column = table.column(table.indexOf(QString::fromLatin1(field)));
        for (std::uint32_t row = 0; row < table.rowCount(); row += 7) {
            const QString value = column.valueText(row);
            const QString filter = QStringLiteral("%1 >= %2 AND %1 <= %2").arg(QLatin1String(field), value);
            const std::vector<std::uint32_t> ours = ourSelect(filter);
            EXPECT_EQ(ours, ogrSelect(filter)) << filter.toStdString();
            EXPECT_NE(std::find(ours.begin(), ours.end(), row), ours.end()) << filter.toStdString();
        }
    }
}

#else

TEST(GdalOracle, NeedsGdal)
{
    GTEST_SKIP() << "GDAL development files were not found when this test was built (Debian libgdal-dev)";
}

#endif

} // namespace
