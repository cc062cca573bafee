#include "mapping/MapSources.h"
#include "base/SafeFileWrite.h"
#include "cli/CliCommand.h"
#include "cli/OptionReaders.h"
#include "cli/Commands.h"
#include "cli/FolderBuild.h"
#include "cli/GridBuilder.h"
#include "mapping/GridDataRanges.h"
#include "mapping/GridPointWriter.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// The shapefile format's limits: offsets are 32-bit, and readers (GDAL among
// them) refuse .shp and .dbf files past 2 GB. A point takes 28 bytes of .shp
// and a grid record 41 bytes of .dbf.
const std::int64_t FileLimit = 2147483647;
const std::int64_t DbfHeader = 32 + 32 * 7 + 1, DbfRecord = 41;
const std::int64_t MaxPoints = (FileLimit - DbfHeader) / DbfRecord;

const char *const GridPrj =
    R"(GEOGCS["GCS_WGS_1984",DATUM["D_WGS_1984",SPHEROID["WGS_1984",6378137.0,298.257223563]],PRIMEM["Greenwich",0.0],UNIT["Degree",0.0174532925199433]])";

// The time since the first line of progress (RunGridCommand resets it).
QElapsedTimer progressClock;

// A line of progress on standard error, with the time since the start.
void progressLine(const QString &text)
{
    if (!progressClock.isValid())
        progressClock.start();
    PrintError(QStringLiteral("grid build: %1 s: %2\n").arg(double(progressClock.elapsed()) / 1000, 5, 'f', 1).arg(text));
}

void writeText(const QString &path, const QByteArray &bytes)
{
    try {
        WriteFileSafely(path, bytes);
    } catch (const std::runtime_error &e) {
        throw CliFailure(ExitNotWritten, QStringLiteral("Cannot write %1: %2").arg(path, QString::fromUtf8(e.what())));
    }
}

GridFrame frameOption(const CommandLine &line)
{
    if (!line.isSet(QStringLiteral("extent")) || !line.isSet(QStringLiteral("step")))
        UsageError(QStringLiteral("grid build needs --extent W,S,E,N and --step MINUTES"));
    const MapExtent e = *ExtentOption(line);
    GridFrame frame{e.left(), e.bottom(), e.right(), e.top(), NumberOption(QStringLiteral("step"), line.value(QStringLiteral("step")))};
    if (!(frame.stepMinutes >= 0.01 && frame.stepMinutes <= 600))
        UsageError(QStringLiteral("--step takes arc minutes from 0.01 to 600, not \"%1\"").arg(line.value(QStringLiteral("step"))));
    return frame;
}

void sayLimit(std::int64_t points, const GridFrame &frame)
{
    throw CliFailure(ExitDataError,
                     QStringLiteral("%1 cells at %2 arc minutes over this extent pass the shapefile format's limit of "
                                    "%3 points (2 GB files); take a larger --step or a smaller --extent (nothing was written)")
                         .arg(points).arg(frame.stepMinutes).arg(MaxPoints));
}

void addBuildOptions(CommandLine &line)
{
    const QString layers[3][2] = {{QStringLiteral("alt"), QStringLiteral("Altitude raster, metres.")},
                                  {QStringLiteral("mar"), QStringLiteral("Mean annual rainfall raster, mm per year.")},
                                  {QStringLiteral("mat"), QStringLiteral("Mean annual temperature raster, \u00b0C.")}};
    for (const auto &[name, text] : layers)
        line.addOption({name, text, QStringLiteral("FILE")});
    for (const auto &[name, text] : layers) {
        line.addOption({name + QStringLiteral("-band"), QStringLiteral("The band of --%1 to read, from 1 (needed when it has several).").arg(name), QStringLiteral("N")});
        line.addOption({name + QStringLiteral("-nodata"), QStringLiteral("The value of --%1 that marks places without data, when the raster does not declare it (--%1-nodata=-9999).").arg(name), QStringLiteral("VALUE")});
    }
    line.addOption({QStringLiteral("mar-scale"), QStringLiteral("Multiply the rainfall values by this (default 1)."), QStringLiteral("FACTOR")});
    line.addOption({QStringLiteral("mat-scale"), QStringLiteral("Multiply the temperature values by this (0.1 for tenths)."), QStringLiteral("FACTOR")});
    line.addOption({QStringLiteral("mat-offset"), QStringLiteral("Then add this to the temperature (-273.15 for kelvin)."), QStringLiteral("DEGREES")});
    line.addOption({QStringLiteral("countries"), QStringLiteral("Country boundaries (any vector source GDAL reads)."), QStringLiteral("FILE")});
    line.addOption({QStringLiteral("name-field"), QStringLiteral("The field of the country name (default NAME)."), QStringLiteral("FIELD")});
    line.addOption({QStringLiteral("extent"), QStringLiteral("The grid's extent in degrees."), QStringLiteral("W,S,E,N")});
    line.addOption({QStringLiteral("step"), QStringLiteral("The cell size in arc minutes."), QStringLiteral("MINUTES")});
    line.addOption({{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("The folder to write (ShapeFiles)."), QStringLiteral("FOLDER")});
}

void readRasterInputs(const CommandLine &line, RasterInput inputs[3])
{
    const char *const names[3] = {"alt", "mar", "mat"};
    for (int i = 0; i < 3; ++i) {
        const QString name = QLatin1String(names[i]);
        if (!line.isSet(name))
            UsageError(QStringLiteral("grid build needs --alt, --mar and --mat"));
        inputs[i].path = line.value(name);
        if (const QString band = name + QStringLiteral("-band"); line.isSet(band)) {
            bool whole = false;
            inputs[i].band = line.value(band).toInt(&whole);
            if (!whole || inputs[i].band < 1)
                UsageError(QStringLiteral("--%1 takes a band number from 1, not \"%2\"").arg(band, line.value(band)));
        }
        if (const QString nodata = name + QStringLiteral("-nodata"); line.isSet(nodata))
            inputs[i].nodata = NumberOption(nodata, line.value(nodata));
        if (const QString scale = name + QStringLiteral("-scale"); i > 0 && line.isSet(scale)) {
            inputs[i].scale = NumberOption(scale, line.value(scale));
            if (inputs[i].scale == 0)
                UsageError(QStringLiteral("--%1 cannot be 0").arg(scale));
        }
    }
    if (line.isSet(QStringLiteral("mat-offset")))
        inputs[2].offset = NumberOption(QStringLiteral("mat-offset"), line.value(QStringLiteral("mat-offset")));
}

// Writes the grid's points; returns their data ranges.
GridRanges writePoints(const FolderBuild &folder, const SampledGrid &grid)
{
    progressLine(QStringLiteral("writing %1 points").arg(grid.size()));
    GridRanges ranges{{1e300, 1e300, 1e300}, {-1e300, -1e300, -1e300}};
    try {
        GridPointWriter writer(folder.filePath(QStringLiteral("pasia_canvas.shp")).toStdString());
        const std::int64_t columns = grid.frame.columns();
        for (std::size_t i = 0; i < grid.size(); ++i) {
            if (i > 0 && i % (grid.size() / 10 + 1) == 0)
                progressLine(QStringLiteral("written %1%").arg(i * 100 / grid.size()));
            const double values[3] = {double(grid.alt[i]), double(grid.mar[i]), std::round(double(grid.mat[i]) * 10) / 10};
            for (int c = 0; c < 3; ++c) {
                ranges.lower[c] = std::min(ranges.lower[c], values[c]);
                ranges.upper[c] = std::max(ranges.upper[c], values[c]);
            }
            writer.add({grid.frame.x(grid.cell[i] % columns), grid.frame.y(grid.cell[i] / columns), grid.alt[i], grid.mar[i],
                        double(grid.mat[i]), std::nan(""), -1, grid.country[i]});
        }
        writer.close();
    } catch (const std::runtime_error &e) {
        throw CliFailure(ExitNotWritten, QString::fromUtf8(e.what()) + QStringLiteral(" (the old grid is kept)"));
    }
    return ranges;
}

void writeSources(const FolderBuild &folder, const GridBuilder &builder, const GridFrame &frame,
                  const QString &boundariesSource, const GridRanges &ranges)
{
    QString sources = QStringLiteral("# Where the layers of this folder come from, one \"layer = source\" a line; the grid's\n"
                                     "# data ranges, to which maps clamp species ranges. Written by silvaria-cli grid build on %1.\n")
                          .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    sources += QStringLiteral("country_bnd = %1\n").arg(boundariesSource);
    sources += QStringLiteral("pasia_canvas = %1 arc-minute grid over %2, %3 to %4, %5; cells where all three have a value; %6; %7; %8\n")
                   .arg(frame.stepMinutes).arg(frame.west).arg(frame.south).arg(frame.east).arg(frame.north)
                   .arg(builder.describe(0), builder.describe(1), builder.describe(2));
    sources += GridRangesText(ranges);
    writeText(folder.filePath(QStringLiteral("sources.txt")), sources.toUtf8());
}

// The boundaries: new ones written from --countries, or the folder's old ones
// numbering the points. Returns the source line of country_bnd.
QString placeCountries(const CommandLine &line, const QString &output, GridBuilder &builder, const FolderBuild &folder)
{
    const QString countries = line.value(QStringLiteral("countries")), shp = folder.filePath(QStringLiteral("country_bnd.shp"));
    if (countries.isEmpty()) {
        if (QFileInfo::exists(shp))
            builder.numberByCountries(shp);
        return LayerSource(ReadLayerSources(output), QStringLiteral("country_bnd"));
    }
    const QString field = line.isSet(QStringLiteral("name-field")) ? line.value(QStringLiteral("name-field")) : QStringLiteral("NAME");
    progressLine(QStringLiteral("%1 country polygons written").arg(builder.writeCountries(countries, field, shp)));
    return QStringLiteral("%1 (field %2), clipped to the grid and simplified to a tenth of a cell by silvaria-cli grid build")
        .arg(QFileInfo(countries).fileName(), field);
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
            progressLine(QStringLiteral("sampled %1%").arg(int(done * 100)));
        }
    });
}

// grid without its one action: the usage, asked for (on standard output) or
// as a usage error when nothing or only common options followed; any other
// word is refused.
int withoutBuild(const QStringList &arguments)
{
    const bool asked = arguments.value(0) == QLatin1String("--help") || arguments.value(0) == QLatin1String("-h");
    if (!asked && !arguments.isEmpty() && !arguments.front().startsWith(QLatin1String("--")))
        UsageError(QStringLiteral("grid takes build, not \"%1\"").arg(arguments.front()));
    (asked ? PrintOut : PrintError)(
        QStringLiteral("Usage: silvaria-cli grid build --alt FILE --mar FILE --mat FILE --extent W,S,E,N --step MINUTES -o FOLDER\n"
                       "(silvaria-cli grid build --help tells more)\n"));
    return asked ? ExitDone : ExitUsage;
}

} // namespace

int RunGridCommand(const QStringList &arguments)
{
    progressClock.invalidate();
    if (arguments.value(0) != QLatin1String("build"))
        return withoutBuild(arguments);
    CommandLine line(QStringLiteral("grid build"),
                     QStringLiteral("Builds the map grid (pasia_canvas.shp) from rasters of altitude (m), annual rainfall "
                                    "(mm) and mean temperature (\u00b0C) in any format GDAL reads, and the country "
                                    "boundaries (country_bnd.shp) from any vector source. The points are the centres of "
                                    "the grid's cells where all three rasters have a value. The folder (an application's "
                                    "ShapeFiles folder) is replaced whole at the end; its other files are kept."));
    addBuildOptions(line);
    if (!line.parse(arguments.mid(1)))
        return ExitDone;
    if (line.positional().size() > 0)
        UsageError(QStringLiteral("grid build takes no argument \"%1\"").arg(line.positional().front()));
    RasterInput inputs[3];
    readRasterInputs(line, inputs);
    const GridFrame frame = frameOption(line);
    const QString output = line.value(QStringLiteral("output"));
    if (output.isEmpty())
        UsageError(QStringLiteral("grid build needs -o FOLDER"));
    // Every cell of the extent may be land: refuse before any work what could
    // pass the format's limits.
    const std::int64_t cells = frame.columns() * frame.rows();
    if (cells > MaxPoints)
        sayLimit(cells, frame);
    const bool newCountries = !line.value(QStringLiteral("countries")).isEmpty();
    if (line.isSet(QStringLiteral("name-field")) && !newCountries)
        UsageError(QStringLiteral("--name-field goes with --countries"));
    const QDir old(output);
    if (old.exists() && !old.entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty())
        throw CliFailure(ExitNotWritten, QStringLiteral("%1 holds folders, which the build would not keep: give a ShapeFiles folder").arg(output));

    GridBuilder builder(frame, inputs);
    FolderBuild folder(output);
    keepOldFiles(folder, old, newCountries);
    progressLine(QStringLiteral("%1 x %2 cells of %3 arc minutes").arg(frame.columns()).arg(frame.rows()).arg(frame.stepMinutes));
    const QString boundariesSource = placeCountries(line, output, builder, folder);
    const SampledGrid grid = sampleWithProgress(builder);
    if (grid.size() == 0)
        throw CliFailure(ExitDataError, QStringLiteral("no cell of the extent has all three values (nothing was written)"));
    const GridRanges ranges = writePoints(folder, grid);
    writeText(folder.filePath(QStringLiteral("pasia_canvas.prj")), GridPrj);
    writeText(folder.filePath(QStringLiteral("pasia_canvas.cpg")), "UTF-8");
    writeSources(folder, builder, frame, boundariesSource, ranges);
    folder.commit();
    if (!QFileInfo::exists(QDir(output).filePath(QStringLiteral("country_bnd.shp"))))
        progressLine(QStringLiteral("note: %1 has no country_bnd.shp, which the application needs: give --countries").arg(output));
    progressLine(QStringLiteral("done: %1 points in %2").arg(grid.size()).arg(QDir(output).filePath(QStringLiteral("pasia_canvas.shp"))));
    return ExitDone;
}
