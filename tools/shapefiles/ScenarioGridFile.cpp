#include "tools/shapefiles/ScenarioGridFile.h"

#include "mapping/AttributeColumn.h"
#include "mapping/ShapeLayer.h"

#include <QDir>
#include <QFile>

#include <cmath>
#include <stdexcept>

void WriteScenarioGrid(const QString &gridFolder, const QString &name,
                       const std::function<void(GridPointWriter::Point &, std::uint32_t)> &change)
{
    const QDir grid(gridFolder);
    const QString folder = grid.filePath("scenarios/" + name + "/");
    QDir().mkpath(folder);
    const auto points = ShapeLayer::read(grid.filePath("pasia_canvas.shp"));
    const auto field = [&](const char *f, std::uint32_t i) { return points->attributes().column(points->attributes().indexOf(f)).number(i); };
    const auto whole = [&](const char *f, std::uint32_t i) { return std::isnan(field(f, i)) ? -1 : int(field(f, i)); };
    GridPointWriter writer((folder + "pasia_canvas.shp").toStdString());
    for (std::uint32_t i = 0; i < points->featureCount(); ++i) {
        GridPointWriter::Point p{points->xs()[i], points->ys()[i], whole("ALT", i), whole("MAR", i), field("MAT", i),
                                 field("MAT_RANGE", i), whole("COUNT", i), whole("VALUE", i)};
        change(p, i);
        writer.add(p);
    }
    writer.close();
    for (const char *ext : {".prj", ".cpg"})
        QFile::copy(grid.filePath(QString("pasia_canvas") + ext), folder + "pasia_canvas" + ext);
    QFile sources(folder + "sources.txt");
    if (!sources.open(QIODevice::WriteOnly)
        || sources.write("pasia_canvas = climate projection, not observations: a test's changed climate\n"
                         "gcm = GCM-1\nssp = ssp245\nperiod = 2041-2060\ncitation = A test citation\n") < 0)
        throw std::runtime_error("cannot write " + sources.fileName().toStdString());
}
