// grid fetch against miniature WorldClim archives (6 x 6 pixels of 10 arc
// minutes over 100..101 E, 10..11 N, written with GDAL) served on 127.0.0.1 by
// the test's own server: the grid's and the scenario's values against the
// rasters read back with GDAL, the scenario's points against the grid's, and
// every failure leaving the old grid as it was with one line.
#include "cli/CliProgram.h"
#include "mapping/MapSources.h"
#include "tests/common/Files.h"
#include "tests/common/LocalHttpServer.h"

#include <gtest/gtest.h>

#include <cpl_vsi.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>
#include <ogrsf_frmts.h>

#include <QDir>
#include <QTemporaryDir>

#include <cmath>
#include <functional>
#include <map>
#include <sstream>

namespace {

const int Pixels = 6;
const char *const Future = "/cmip6/10m/GCM-1/ssp245/wc2.1_10m_bioc_GCM-1_ssp245_2041-2060.tif";
using Values = std::function<double(int band, int row, int column)>; // NaN: no data

void writeTif(const QString &path, int bands, double pixel, const Values &value)
{
    std::unique_ptr<GDALDataset> ds(GetGDALDriverManager()->GetDriverByName("GTiff")->Create(path.toUtf8(), Pixels, Pixels, bands, GDT_Float32, nullptr));
    double gt[6] = {100, pixel, 0, 11, 0, -pixel};
    OGRSpatialReference srs;
    srs.importFromEPSG(4326);
    ASSERT_TRUE(ds && ds->SetGeoTransform(gt) == CE_None && ds->SetSpatialRef(&srs) == CE_None);
    for (int b = 1; b <= bands; ++b) {
        std::vector<float> v;
        for (int i = 0; i < Pixels * Pixels; ++i)
            v.push_back(std::isnan(value(b, i / Pixels, i % Pixels)) ? -3.4e38f : float(value(b, i / Pixels, i % Pixels)));
        ds->GetRasterBand(b)->SetNoDataValue(-3.4e38);
        ASSERT_EQ(ds->GetRasterBand(b)->RasterIO(GF_Write, 0, 0, Pixels, Pixels, v.data(), Pixels, Pixels, GDT_Float32, 0, 0), CE_None);
    }
}

// A GeoTIFF of one band added to a zip archive with GDAL's /vsizip/ writer.
void addToZip(const QString &zip, const QString &member, double pixel, const Values &value)
{
    writeTif("/vsimem/member.tif", 1, pixel, value);
    vsi_l_offset size = 0;
    GByte *bytes = VSIGetMemFileBuffer("/vsimem/member.tif", &size, TRUE);
    VSILFILE *f = VSIFOpenL(("/vsizip/" + zip + "/" + member).toUtf8(), "wb");
    ASSERT_TRUE(f && VSIFWriteL(bytes, 1, size, f) == size && VSIFCloseL(f) == 0);
    CPLFree(bytes);
}

// WorldClim's layout under `root`: elevation with one pixel of sea, BIO1 and
// BIO12 in their archives, and a projection of 19 bands (`hole`: no data at
// a pixel of land).
void writeWorldClim(const QString &root, double pixel = 1.0 / 6, bool hole = false)
{
    const QString base = root + "/climate/worldclim/2_1/base/";
    ASSERT_TRUE(QDir().mkpath(base) && QDir().mkpath(QFileInfo(root + Future).path()));
    addToZip(base + "wc2.1_10m_elev.zip", "wc2.1_10m_elev.tif", pixel, [](int, int r, int c) { return r == 5 && c == 0 ? NAN : 100.0 * r + 7 * c; });
    addToZip(base + "wc2.1_10m_bio.zip", "wc2.1_10m_bio_1.tif", pixel, [](int, int r, int c) { return 20 + 0.5 * r + 0.1 * c; });
    addToZip(base + "wc2.1_10m_bio.zip", "wc2.1_10m_bio_12.tif", pixel, [](int, int r, int c) { return 1000.0 + 10 * r + c; });
    writeTif(root + Future, 19, pixel, [=](int b, int r, int c) { return hole && r + c == 0 ? NAN : b == 1 ? 22.3 + r : b == 12 ? 900.0 + c : b; });
}

std::vector<float> pixelsOf(const QString &path, int band = 1)
{
    std::unique_ptr<GDALDataset> ds(GDALDataset::Open(path.toUtf8(), GDAL_OF_RASTER));
    std::vector<float> v(Pixels * Pixels);
    EXPECT_TRUE(ds && ds->GetRasterBand(band)->RasterIO(GF_Read, 0, 0, Pixels, Pixels, v.data(), Pixels, Pixels, GDT_Float32, 0, 0) == CE_None);
    return v;
}

// Each point's ALT, MAR and MAT against the pixels holding it; the points' count.
int checkPoints(const QString &shp, const std::vector<float> layers[3])
{
    std::unique_ptr<GDALDataset> ds(GDALDataset::Open(shp.toUtf8(), GDAL_OF_VECTOR));
    int points = 0;
    for (auto &f : *ds->GetLayer(0)) {
        const OGRPoint *p = f->GetGeometryRef()->toPoint();
        const int pixel = int(std::floor((11 - p->getY()) * 6)) * Pixels + int(std::floor((p->getX() - 100) * 6));
        SCOPED_TRACE(testing::Message() << "point " << ++points << " at " << p->getX() << ", " << p->getY());
        EXPECT_EQ(f->GetFieldAsInteger("ALT"), std::lround(layers[0][pixel]));
        EXPECT_EQ(f->GetFieldAsInteger("MAR"), std::lround(layers[1][pixel]));
        EXPECT_NEAR(f->GetFieldAsDouble("MAT"), std::round(layers[2][pixel] * 10) / 10, 1e-6);
    }
    return points;
}

// Every file under a folder, by its path there.
std::map<QString, QByteArray> filesUnder(const QString &folder)
{
    std::map<QString, QByteArray> files;
    for (const QFileInfo &f : QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
        if (f.isDir())
            files.merge(filesUnder(f.filePath()));
        else
            files[f.filePath()] = ReadFile(f.filePath());
    return files;
}

class GridFetch : public ::testing::Test {
protected:
    void SetUp() override
    {
        GDALAllRegister();
        writeWorldClim(file("good"));
        QDir().mkpath(file("app/ShapeFiles"));
        for (const QString &f : QDir(SILVARIA_SOURCE_DIR "/data/ShapeFiles").entryList(QDir::Files))
            QFile::copy(SILVARIA_SOURCE_DIR "/data/ShapeFiles/" + f, file("app/ShapeFiles/" + f));
    }
    int fetch(const QString &root, const QStringList &extra, LocalHttpServer::Mode mode = LocalHttpServer::Serve, bool terminal = false)
    {
        const LocalHttpServer server(file(root), mode);
        std::ostringstream out, err;
        const int code = RunCli(QStringList{"grid", "fetch", "worldclim", "--res", "10m", "--app-folder", file("app"), "--base-url", server.url()} + extra, {out, err, terminal});
        error = QString::fromStdString(err.str());
        return code;
    }
    QString file(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
    QString error;
};

} // namespace

TEST_F(GridFetch, TheGridAndAScenarioOnItsPointsHoldTheRastersValuesAndSayWhatTheyAre)
{
    ASSERT_EQ(fetch("good", {"-o", file("out")}), 0) << error.toStdString();
    const QString base = "/vsizip/" + file("good/climate/worldclim/2_1/base/");
    const std::vector<float> current[3] = {pixelsOf(base + "wc2.1_10m_elev.zip/wc2.1_10m_elev.tif"),
                                           pixelsOf(base + "wc2.1_10m_bio.zip/wc2.1_10m_bio_12.tif"), pixelsOf(base + "wc2.1_10m_bio.zip/wc2.1_10m_bio_1.tif")};
    EXPECT_EQ(checkPoints(file("out/pasia_canvas.shp"), current), 4 * 35) << "four 5-minute cells to a pixel of land";
    const auto sources = ReadLayerSources(file("out"));
    EXPECT_EQ(sources.value("grid frame"), "89,-13,146,31 step 5") << "the bundled grid's extent and step";
    EXPECT_EQ(ReadFile(file("out/country_bnd.shp")), ReadFile(file("app/ShapeFiles/country_bnd.shp")));
    EXPECT_TRUE(sources.value("pasia_canvas").contains("observed climate, 1970\u20132000 averages of WorldClim 2.1"));
    const PictureStamp stamp = SourceStampOf(file("out"), "silvaria-cli");
    EXPECT_TRUE(stamp.contains({"Citation", "Fick, S.E. and R.J. Hijmans, 2017. WorldClim 2: new 1 km spatial resolution climate surfaces for "
                                            "global land areas. International Journal of Climatology 37: 4302\u20134315"}));
    EXPECT_TRUE(stamp.value(3).second.contains("non-commercial use")) << "the terms follow the citation";

    ASSERT_EQ(fetch("good", {"--future", "GCM-1", "SSP245", "2041-2060", "-o", file("out")}, LocalHttpServer::Serve, true), 0);
    EXPECT_TRUE(error.contains("grid fetch:   0.") && error.contains("kB downloaded")) << "progress on a terminal: " << error.toStdString();
    const QString scenario = file("out/scenarios/GCM-1_ssp245_2041-2060/");
    EXPECT_EQ(ReadFile(scenario + "pasia_canvas.shp"), ReadFile(file("out/pasia_canvas.shp"))) << "the same points";
    const std::vector<float> future[3] = {current[0], pixelsOf(file("good") + Future, 12), pixelsOf(file("good") + Future, 1)};
    EXPECT_EQ(checkPoints(scenario + "pasia_canvas.shp", future), 4 * 35);
    const auto own = ReadLayerSources(scenario);
    EXPECT_TRUE(own.value("pasia_canvas").startsWith("climate projection, not observations") && own.value("gcm") == "GCM-1"
                && own.value("ssp") == "ssp245" && own.value("period") == "2041-2060" && own.contains("citation"));
    EXPECT_EQ(own.value("data range MAR"), "900 to 905");
}

TEST_F(GridFetch, FailuresSayWhatHappenedInOneLineAndLeaveEveryFileAsItWas)
{
    ASSERT_EQ(fetch("good", {"-o", file("out")}), 0) << error.toStdString();
    writeWorldClim(file("truncated"));
    QFile(file("truncated/climate/worldclim/2_1/base/wc2.1_10m_bio.zip")).resize(400);
    writeWorldClim(file("coarse"), 1.0 / 12);
    writeWorldClim(file("holed"), 1.0 / 6, true);
    const QString closedPort = LocalHttpServer(file("good")).url();
    const auto before = filesUnder(file("out"));
    const struct {
        const char *name, *root;
        LocalHttpServer::Mode mode;
        QStringList extra;
        int code;
        const char *message;
    } cases[] = {
        {"not found", "good", LocalHttpServer::NotFound, {}, 2, "wc2.1_10m_elev.zip: no such file on the server"},
        {"closed mid-file", "good", LocalHttpServer::CloseMidFile, {}, 2, "damaged or incomplete (the download may have stopped half-way)"},
        {"truncated archive", "truncated", LocalHttpServer::Serve, {}, 2, "wc2.1_10m_bio.zip: damaged or incomplete"},
        {"wrong shape", "coarse", LocalHttpServer::Serve, {}, 2, "not the published 1 band(s) of 10 arc minutes"},
        {"no server", "good", LocalHttpServer::Serve, {"--base-url", closedPort}, 2, "could not be reached (no network, or no server at that address); nothing was changed"},
        {"scenario on other points", "holed", LocalHttpServer::Serve, {"--future", "GCM-1", "ssp245", "2041-2060"}, 2, "the scenario's points would differ from its grid's: 4 of the grid's 140 points"},
        {"scenario cut mid-file", "good", LocalHttpServer::CloseMidFile, {"--future", "GCM-1", "ssp245", "2041-2060"}, 2, "nothing was changed"},
        {"name with a path", "good", LocalHttpServer::Serve, {"--future", "GCM-1", "../ssp245", "2041-2060"}, 1, "plain names"},
        {"grid without frame", "good", LocalHttpServer::Serve, {"--future", "GCM-1", "ssp245", "2041-2060", "-o", file("app/ShapeFiles")}, 2, "gives no grid frame"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(fetch(c.root, QStringList{"-o", file("out")} + c.extra, c.mode), c.code) << c.name;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.message)) && error.count('\n') == 1) << c.name << ": " << error.toStdString();
        EXPECT_TRUE(filesUnder(file("out")) == before) << c.name;
    }
    EXPECT_EQ(QDir(file("app/ShapeFiles")).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList()) << "nothing in the refused grid";
}
