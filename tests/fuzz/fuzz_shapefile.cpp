// libFuzzer target: the shapefile and dBase reader, then searches, fields and
// drawing on whatever it accepted. An input is
//   [u32 .shp size][u32 .shx size][.shp bytes][.shx bytes][.dbf bytes]
// (make_seeds.py packs real shapefiles that way). A rejected file must be a
// MapError, never a crash.
#include "mapping/MapError.h"
#include "mapping/MapLayer.h"
#include "mapping/MapRenderer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdint>
#include <cstring>

namespace {

QString folder;

void writeFile(const QString &path, const uint8_t *data, size_t size)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), qint64(size));
}

std::uint32_t take32(const uint8_t *&data, size_t &size)
{
    std::uint32_t value = 0;
    if (size >= 4) {
        std::memcpy(&value, data, 4);
        data += 4;
        size -= 4;
    }
    return value;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    folder = QDir::temp().filePath(QStringLiteral("silvaria-fuzz-shapefile-%1").arg(QCoreApplication::applicationPid()));
    QDir().mkpath(folder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::uint32_t shpSize = std::min<std::uint32_t>(take32(data, size), std::uint32_t(size));
    writeFile(folder + "/f.shp", data, shpSize);
    data += shpSize;
    size -= shpSize;
    const std::uint32_t shxSize = std::min<std::uint32_t>(take32(data, size), std::uint32_t(size));
    writeFile(folder + "/f.shx", data, shxSize);
    data += shxSize;
    size -= shxSize;
    writeFile(folder + "/f.dbf", data, size);
    try {
        auto layer = std::make_shared<MapLayer>(ShapeLayer::read(folder + "/f.shp"));
        MapRecordSet records = layer->records();
        for (int i = 0; i < 8 && !records.isEOF(); ++i, records.moveNext())
            for (const MapField &field : records.fields())
                (void)field.valueText.size();
        const MapExtent extent = layer->extent();
        if (extent.isValid()) {
            const MapPoint centre = extent.center();
            (void)layer->searchByDistance(centre, extent.width() / 10 + 1e-9).count();
            (void)layer->searchAtPoint(centre, 1.0).count();
            if (layer->data()->featureCount() > 0)
                (void)layer->data()->shape(0).Centroid();
            MapLayers layers;
            layers.add(layer);
            (void)MapRenderer::render(layers, MapViewport(extent, QSize(64, 48)), Qt::white);
        }
    } catch (const MapError &) {
        // A clear refusal is the expected outcome for most inputs.
    }
    return 0;
}
