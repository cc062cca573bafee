// Filters checked against GDAL/OGR's attribute filter on a published
// shapefile: the same filter must select the same features.
#include "mapping/CompiledFilter.h"
#include "mapping/MapLayer.h"
#include "tests/common/PublishedShapefile.h"

#include <gtest/gtest.h>

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

TEST_F(GdalOracle, WrittenFiltersSelectTheSameCounties)
{
    const char *filters[] = {
        "AREA >= 0.1 AND AREA <= 0.2",
        "AREA = 0.114",
        "AREA >= 0.114 AND AREA <= 0.114",
        "BIR74 >= 1000 AND BIR74 <= 5000 OR SID74 > 10",
        "NOT (SID79 < 3) AND NWBIR79 <= 1500",
        "PERIMETER > 1.5 OR CRESS_ID < 10 AND AREA < 0.08",
        "(PERIMETER > 1.5 OR CRESS_ID < 10) AND AREA < 0.08",
        "NAME = 'Ashe'",
        "NAME <> 'Ashe' AND CNTY_ID < 1900",
        "NAME > 'M' AND NAME < 'P'",
        "BIR74 = 1091",
        "CNTY_ID >= 1825 AND CNTY_ID <= 1827",
        "SID74 >= -1 AND NOT AREA < 0.2",
        "FIPSNO > 37100 OR FIPSNO < 37010",
        "AREA < -0.5 OR PERIMETER >= 3.64",
        "SID74 <> 0 AND SID79 <> 0",
        "NOT (BIR74 > 2000 OR BIR79 < 1000)",
    };
    for (const char *filter : filters)
        EXPECT_EQ(ourSelect(QString::fromLatin1(filter)), ogrSelect(QString::fromLatin1(filter))) << filter;
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
