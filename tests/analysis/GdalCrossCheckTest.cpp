// Country and province assignment and areas checked against GDAL/OGR reading the same files.
#include "analysis/CellArea.h"
#include "analysis/CountryAssignment.h"
#include "analysis/MapData.h"
#include "analysis/ProvinceAreas.h"
#include "analysis/ProvinceAssignment.h"
#include "analysis/SuitabilityClasses.h"
#include "analysis/SuitableArea.h"

#include <gtest/gtest.h>

#include <ogr_api.h>

#include <map>

namespace {

const QByteArray ShapeFolder = SILVARIA_SOURCE_DIR "/data/ShapeFiles/";

// Per country name (per "COUNTRY<tab>NAME" of a named province of the province
// layer), the grid points OGR finds inside its polygons, and the area of the
// points whose attributes pass `filter` summed from OGR's coordinates.
struct OgrCounts {
    std::map<QString, int> points;
    double filteredKm2 = 0;
    double allKm2 = 0;
};

OgrCounts countWithOgr(const char *filter, bool provinces = false)
{
    OGRRegisterAll();
    OgrCounts counts;
    OGRDataSourceH grid = OGROpen(ShapeFolder + "pasia_canvas.shp", FALSE, nullptr);
    OGRDataSourceH countries = OGROpen(ShapeFolder + (provinces ? "province_bnd.shp" : "country_bnd.shp"), FALSE, nullptr);
    EXPECT_TRUE(grid && countries);
    if (!grid || !countries)
        return counts;
    OGRLayerH points = OGR_DS_GetLayer(grid, 0), polygons = OGR_DS_GetLayer(countries, 0);
    OGR_L_ResetReading(polygons);
    while (OGRFeatureH country = OGR_L_GetNextFeature(polygons)) {
        QString name = QString::fromUtf8(OGR_F_GetFieldAsString(country, OGR_F_GetFieldIndex(country, "NAME"))).trimmed();
        if (provinces)
            name = name.isEmpty() ? name : QString::fromUtf8(OGR_F_GetFieldAsString(country, OGR_F_GetFieldIndex(country, "COUNTRY"))) + '\t' + name;
        OGR_L_SetSpatialFilter(points, OGR_F_GetGeometryRef(country));
        counts.points[name] += int(OGR_L_GetFeatureCount(points, TRUE));
        OGR_F_Destroy(country);
    }
    OGR_L_SetSpatialFilter(points, nullptr);
    for (int pass = 0; pass < 2; ++pass) {
        OGR_L_SetAttributeFilter(points, pass == 0 ? nullptr : filter);
        OGR_L_ResetReading(points);
        while (OGRFeatureH p = OGR_L_GetNextFeature(points)) {
            const double lat = OGR_G_GetY(OGR_F_GetGeometryRef(p), 0);
            (pass == 0 ? counts.allKm2 : counts.filteredKm2) += CellAreaKm2(1.0 / 12, 1.0 / 12, lat);
            OGR_F_Destroy(p);
        }
    }
    OGR_DS_Destroy(grid);
    OGR_DS_Destroy(countries);
    return counts;
}

Bounds teak()
{
    Bounds teak;
    const double bounds[6] = {0, 1000, 1250, 3750, 22, 27};
    for (int c = 0; c < 3; ++c) {
        teak.min[c] = Bound::fromNumber(bounds[2 * c]);
        teak.max[c] = Bound::fromNumber(bounds[2 * c + 1]);
    }
    return teak;
}

TEST(GdalCrossCheck, CountriesAndAreasAgreeWithOgr)
{
    // Teak's ranges are whole numbers, so OGR's double comparisons and the
    // map's float comparisons agree on every point.
    const OgrCounts ogr = countWithOgr("ALT >= 0 AND ALT <= 1000 AND MAR >= 1250 AND MAR <= 3750 AND MAT >= 22 AND MAT <= 27");
    const MapData maps = MapData::load(QString::fromUtf8(ShapeFolder));
    const CountryAssignment countries = CountryAssignment::compute(*maps.canvas->data(), *maps.boundaries->data());
    std::map<QString, int> ours;
    for (std::uint16_t c : countries.index)
        if (c != countries.outside())
            ++ours[countries.names[c]];
    for (const auto &[name, count] : ogr.points)
        EXPECT_NEAR(ours[name], count, 0.001 * count + 1) << name.toStdString();

    const auto points = ClassPoints(*maps.canvas, teak());
    const AreaTable table = SumAreas({&points[ClassFullMatch]}, GridCells::of(*maps.canvas->data()), countries);
    EXPECT_NEAR(table.total.km2[0], ogr.filteredKm2, 1e-6 * ogr.filteredKm2);
    EXPECT_NEAR(table.total.landKm2, ogr.allKm2, 1e-6 * ogr.allKm2);
}

TEST(GdalCrossCheck, ProvincesAgreeWithOgrAndAddUpToTheirCountries)
{
    const OgrCounts ogr = countWithOgr(nullptr, true);
    const MapData maps = MapData::load(QString::fromUtf8(ShapeFolder));
    const CountryAssignment provinces = AssignProvinces(*maps.canvas->data(), *maps.provinces->data());
    std::map<QString, int> ours;
    for (std::uint16_t p : provinces.index)
        if (p != provinces.outside())
            ++ours[provinces.names[p]];
    ASSERT_GT(ogr.points.size(), 350U);
    for (const auto &[name, count] : ogr.points)
        if (!name.isEmpty())
            EXPECT_NEAR(ours[name], count, 0.002 * count + 1) << name.toStdString();

    // Each country's provinces and its points outside them make the country's
    // row of the area by country, for land and for every class.
    const auto points = ClassPoints(*maps.canvas, teak());
    const std::vector<const std::vector<std::uint32_t> *> classes{&points[0], &points[1], &points[2], &points[3]};
    const GridCells cells = GridCells::of(*maps.canvas->data());
    const CountryAssignment countries = CountryAssignment::compute(*maps.canvas->data(), *maps.boundaries->data());
    const AreaTable byCountry = SumAreas(classes, cells, countries);
    const ProvinceAreaTable byProvince = SumProvinceAreas(classes, cells, countries, provinces);
    ASSERT_EQ(byProvince.countries.size(), byCountry.countries.size());
    int withProvinces = 0;
    for (std::size_t c = 0; c < byCountry.countries.size(); ++c) {
        const ProvinceAreaBlock &block = byProvince.countries[c];
        EXPECT_EQ(block.country.country, byCountry.countries[c].country);
        withProvinces += block.hasProvinces && !block.provinces.empty();
        for (std::size_t k = 0; k <= classes.size(); ++k) {
            const auto of = [k](const AreaRow &row) { return k < row.km2.size() ? row.km2[k] : row.landKm2; };
            double sum = of(block.outside);
            for (const AreaRow &province : block.provinces)
                sum += of(province);
            EXPECT_NEAR(sum, of(byCountry.countries[c]), 1e-6 * of(byCountry.countries[c])) << block.country.country.toStdString();
        }
    }
    EXPECT_EQ(withProvinces, 12); // every country of the region
}

} // namespace
