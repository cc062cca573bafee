#include "cli/GridFolder.h"

#include "base/SafeFileWrite.h"
#include "cli/CliCommand.h"
#include "cli/FolderBuild.h"
#include "cli/GridBuilder.h"
#include "cli/GridProgress.h"
#include "mapping/GridDataRanges.h"
#include "mapping/MapSources.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

// The shapefile format's limits: offsets are 32-bit, and readers (GDAL among
// them) refuse .shp and .dbf files past 2 GB. A point takes 28 bytes of .shp
// and a grid record 41 bytes of .dbf.
const std::int64_t FileLimit = 2147483647;
const std::int64_t DbfHeader = 32 + 32 * 7 + 1, DbfRecord = 41;
const std::int64_t MaxPoints = (FileLimit - DbfHeader) / DbfRecord;

const char *const GridPrj =
    R"(GEOGCS["GCS_WGS_1984",DATUM["D_WGS_1984",SPHEROID["WGS_1984",6378137.0,298.257223563]],PRIMEM["Greenwich",0.0],UNIT["Degree",0.0174532925199433]])";

QString number(double v) { return QString::number(v, 'g', 17); }

// The source lines of the other layers an old folder keeps (province
// outlines, the place index): their attribution stays with their files. The
// grid's own lines (its climate's citation and terms, frame and ranges) are
// written anew.
QString keptLayerSources(const QString &oldFolder)
{
    static const QStringList written{QStringLiteral("country_bnd"), QStringLiteral("pasia_canvas"), QStringLiteral("citation"),
                                     QStringLiteral("terms")};
    QString lines;
    const QMap<QString, QString> old = ReadLayerSources(oldFolder);
    for (auto it = old.cbegin(); it != old.cend(); ++it)
        if (!written.contains(it.key()) && !it.key().contains(QLatin1Char(' '))
            && !QDir(oldFolder).entryList({it.key() + QStringLiteral(".*")}, QDir::Files).isEmpty())
            lines += QStringLiteral("%1 = %2\n").arg(it.key(), it.value());
    return lines;
}

void writeSources(const FolderBuild &folder, const GridBuilder &builder, const GridFolderRequest &request,
                  const QString &boundariesSource, const GridRanges &ranges)
{
    const GridFrame &frame = request.frame;
    QString sources = QStringLiteral("# Where the layers of this folder come from, one \"layer = source\" a line; the grid's\n"
                                     "# cells and data ranges, to which maps clamp species ranges. Written by silvaria-cli on %1.\n")
                          .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    sources += QStringLiteral("country_bnd = %1\n").arg(boundariesSource);
    sources += QStringLiteral("pasia_canvas = %1 arc-minute grid over %2, %3 to %4, %5; cells where all three have a value; ")
                   .arg(frame.stepMinutes).arg(frame.west).arg(frame.south).arg(frame.east).arg(frame.north);
    if (!request.climate.isEmpty())
        sources += request.climate + QStringLiteral("; ");
    sources += QStringLiteral("%1; %2; %3\n").arg(builder.describe(0), builder.describe(1), builder.describe(2));
    for (const QString &note : request.notes)
        sources += note + QLatin1Char('\n');
    sources += keptLayerSources(request.output);
    sources += GridFrameLine(frame) + QLatin1Char('\n') + GridRangesText(ranges);
    WriteGridText(folder.filePath(QStringLiteral("sources.txt")), sources);
}

bool hasBoundaries(const QString &folder) { return QFileInfo::exists(QDir(folder).filePath(QStringLiteral("country_bnd.shp"))); }

// The boundaries: new ones written from the request's source, the folder's
// old ones, or those of another folder copied in; the old or copied ones
// number the points. Returns the source line of country_bnd.
QString placeCountries(const GridFolderRequest &request, GridBuilder &builder, FolderBuild &folder)
{
    const QString shp = folder.filePath(QStringLiteral("country_bnd.shp"));
    if (!request.countries.isEmpty()) {
        GridProgressLine(QStringLiteral("%1 country polygons written").arg(builder.writeCountries(request.countries, request.nameField, shp)));
        return QStringLiteral("%1 (field %2), clipped to the grid and simplified to a tenth of a cell by silvaria-cli grid build")
            .arg(QFileInfo(request.countries).fileName(), request.nameField);
    }
    QString from = request.output;
    if (!hasBoundaries(request.output) && !request.boundariesFrom.isEmpty() && hasBoundaries(request.boundariesFrom)) {
        from = request.boundariesFrom;
        for (const QString &file : QDir(from).entryList({QStringLiteral("country_bnd.*")}, QDir::Files))
            folder.copyIn(QDir(from).filePath(file), file);
    }
    if (QFileInfo::exists(shp))
        builder.numberByCountries(shp);
    return LayerSource(ReadLayerSources(from), QStringLiteral("country_bnd"));
}

// Copies the old folder's files that the build does not write (the old
// boundaries too, unless new ones are given).
void keepOldFiles(FolderBuild &folder, const QDir &old, bool newCountries)
{
    const QStringList written{QStringLiteral("pasia_canvas.shp"), QStringLiteral("pasia_canvas.shx"), QStringLiteral("pasia_canvas.dbf"),
                              QStringLiteral("pasia_canvas.prj"), QStringLiteral("pasia_canvas.cpg"), QStringLiteral("sources.txt")};
    for (const QString &file : old.exists() ? old.entryList(QDir::Files | QDir::Hidden) : QStringList())
        if (!written.contains(file) && !(file.startsWith(QLatin1String("country_bnd.")) && newCountries))
            folder.keepOld(file);
}

SampledGrid sampleWithProgress(GridBuilder &builder)
{
    int lastTenth = -1;
    return builder.sample([&](double done) {
        if (int(done * 10) != lastTenth) {
            lastTenth = int(done * 10);
            GridProgressLine(QStringLiteral("sampled %1%").arg(int(done * 100)));
        }
    });
}

} // namespace

GridFrame BundledGridFrame() { return {89, -13, 146, 31, 5}; }

void CheckGridRequest(const GridFolderRequest &request)
{
    // Every cell of the extent may be land.
    const GridFrame &frame = request.frame;
    const std::int64_t cells = frame.columns() * frame.rows();
    if (cells > MaxPoints)
        throw CliFailure(ExitDataError,
                         QStringLiteral("%1 cells at %2 arc minutes over this extent pass the shapefile format's limit of "
                                        "%3 points (2 GB files); take a larger --step or a smaller --extent (nothing was written)")
                             .arg(cells).arg(frame.stepMinutes).arg(MaxPoints));
    const QDir old(request.output);
    if (old.exists() && !old.entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty())
        throw CliFailure(ExitNotWritten, QCoreApplication::translate("GridFolder", "%1 holds folders (scenarios made for its points, or others), which the "
                                                        "build would not keep: move them away or give another folder").arg(request.output));
}

std::size_t BuildGridFolder(const GridFolderRequest &request)
{
    CheckGridRequest(request);
    const QDir old(request.output);
    GridBuilder builder(request.frame, request.inputs);
    FolderBuild folder(request.output);
    keepOldFiles(folder, old, !request.countries.isEmpty());
    const GridFrame &frame = request.frame;
    GridProgressLine(QStringLiteral("%1 x %2 cells of %3 arc minutes").arg(frame.columns()).arg(frame.rows()).arg(frame.stepMinutes));
    const QString boundariesSource = placeCountries(request, builder, folder);
    const SampledGrid grid = sampleWithProgress(builder);
    if (grid.size() == 0)
        throw CliFailure(ExitDataError, QCoreApplication::translate("GridFolder", "no cell of the extent has all three values (nothing was written)"));
    const std::int64_t columns = frame.columns();
    const GridRanges ranges = WriteGridPoints(folder, grid.size(), [&](std::size_t i) {
        return GridPointWriter::Point{frame.x(grid.cell[i] % columns), frame.y(grid.cell[i] / columns), grid.alt[i],
                                      grid.mar[i], double(grid.mat[i]), std::nan(""), -1, grid.country[i]};
    });
    WriteGridFormatFiles(folder);
    writeSources(folder, builder, request, boundariesSource, ranges);
    folder.commit();
    if (!hasBoundaries(request.output))
        GridProgressLine(QStringLiteral("note: %1 has no country_bnd.shp, which the application needs: give --countries").arg(request.output));
    GridProgressLine(QStringLiteral("done: %1 points in %2").arg(grid.size()).arg(QDir(request.output).filePath(QStringLiteral("pasia_canvas.shp"))));
    return grid.size();
}

GridRanges WriteGridPoints(const FolderBuild &folder, std::size_t count,
                           const std::function<GridPointWriter::Point(std::size_t)> &pointAt)
{
    GridProgressLine(QStringLiteral("writing %1 points").arg(count));
    GridRanges ranges{{1e300, 1e300, 1e300}, {-1e300, -1e300, -1e300}};
    try {
        GridPointWriter writer(folder.filePath(QStringLiteral("pasia_canvas.shp")).toStdString());
        for (std::size_t i = 0; i < count; ++i) {
            if (i > 0 && i % (count / 10 + 1) == 0)
                GridProgressLine(QStringLiteral("written %1%").arg(i * 100 / count));
            const GridPointWriter::Point point = pointAt(i);
            const double values[3] = {double(point.alt), double(point.mar), std::round(point.mat * 10) / 10};
            for (int c = 0; c < 3; ++c) {
                ranges.lower[c] = std::min(ranges.lower[c], values[c]);
                ranges.upper[c] = std::max(ranges.upper[c], values[c]);
            }
            writer.add(point);
        }
        writer.close();
    } catch (const std::runtime_error &e) {
        throw CliFailure(ExitNotWritten, QString::fromUtf8(e.what()) + QStringLiteral(" (the old grid is kept)"));
    }
    return ranges;
}

void WriteGridFormatFiles(const FolderBuild &folder)
{
    WriteGridText(folder.filePath(QStringLiteral("pasia_canvas.prj")), QString::fromLatin1(GridPrj));
    WriteGridText(folder.filePath(QStringLiteral("pasia_canvas.cpg")), QStringLiteral("UTF-8"));
}

void WriteGridText(const QString &path, const QString &text)
{
    try {
        WriteFileSafely(path, text.toUtf8());
    } catch (const std::runtime_error &e) {
        throw CliFailure(ExitNotWritten, QCoreApplication::translate("GridFolder", "Cannot write %1: %2").arg(path, QString::fromUtf8(e.what())));
    }
}

QString GridFrameLine(const GridFrame &frame)
{
    return QStringLiteral("grid frame = %1,%2,%3,%4 step %5")
        .arg(number(frame.west), number(frame.south), number(frame.east), number(frame.north), number(frame.stepMinutes));
}

std::optional<GridFrame> ParseGridFrame(const QString &sourcesText)
{
    const QStringList parts = ParseLayerSources(sourcesText).value(QStringLiteral("grid frame")).split(QLatin1Char(' '));
    const QStringList edges = parts.value(0).split(QLatin1Char(','));
    if (parts.size() != 3 || parts[1] != QLatin1String("step") || edges.size() != 4)
        return std::nullopt;
    double v[5];
    bool ok = true;
    for (int i = 0; i < 5 && ok; ++i)
        v[i] = (i < 4 ? edges[i] : parts[2]).toDouble(&ok);
    const GridFrame frame{v[0], v[1], v[2], v[3], v[4]};
    // The bounds the options allow (an edited file may say anything, "inf" too).
    if (!ok || !(frame.west >= -180 && frame.west < frame.east && frame.east <= 360 && frame.south >= -90
                 && frame.south < frame.north && frame.north <= 90 && frame.stepMinutes >= 0.01 && frame.stepMinutes <= 600))
        return std::nullopt;
    return frame;
}
