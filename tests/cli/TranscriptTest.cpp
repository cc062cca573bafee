// silvaria-cli's answers to the command lines of tests/cli/transcript/commands.txt,
// run in order in one fixture application folder, stand as approved: each
// command's exit code and what it printed, and a digest of each file it wrote
// or changed. {dir} in a command is the run's folder (the application folder
// unless the command names another), {src} the transcript's own folder of
// input files, {data} the bundled data. Rewrite with SILVARIA_UPDATE_APPROVED=1.
#include "cli/CliProgram.h"
#include "tests/common/Approved.h"
#include "tests/common/FixtureCatalogue.h"

#include <gtest/gtest.h>

#include <gdal_alg.h>
#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <QCryptographicHash>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>
#include <sstream>

#include <sys/stat.h>

namespace {

const QString Source = QStringLiteral(SILVARIA_SOURCE_DIR "/tests/cli/transcript");

// What GDAL/OGR read of a GIS file: each band's checksum, colours and frame;
// each layer's features with their fields and geometry.
QByteArray gisValues(const QString &path)
{
    const GDALDatasetUniquePtr file(GDALDataset::Open(path.toUtf8().constData(), GDAL_OF_RASTER | GDAL_OF_VECTOR | GDAL_OF_READONLY));
    if (!file)
        return "not a GIS file";
    QByteArray values;
    double frame[6] = {};
    file->GetGeoTransform(frame);
    for (double f : frame)
        values += QByteArray::number(f, 'g', 12) + ' ';
    for (int b = 1; b <= file->GetRasterCount(); ++b) {
        GDALRasterBand *band = file->GetRasterBand(b);
        values += QByteArray::number(GDALChecksumImage(band, 0, 0, file->GetRasterXSize(), file->GetRasterYSize()));
        values += QByteArray::number(band->GetColorTable() ? band->GetColorTable()->GetColorEntryCount() : 0);
        for (char **name = band->GetCategoryNames(); name && *name; ++name)
            values += QByteArray(*name) + ',';
    }
    for (OGRLayer *layer : file->GetLayers())
        for (const auto &f : *layer) {
            for (int i = 0; i < f->GetFieldCount(); ++i)
                values += QByteArray(f->GetFieldAsString(i)) + ';';
            if (const OGRGeometry *g = f->GetGeometryRef())
                values += QByteArray::fromStdString(g->exportToWkt());
        }
    return values;
}

// Dates, times of day and the seconds a step took, which change from run to run.
QString withoutDates(QString text)
{
    static const QRegularExpression date(QStringLiteral(R"(\d{4}-\d\d-\d\d(T[\d:]+Z?)?|\b\d+\.\d s: )"));
    return text.replace(date, QStringLiteral("<time>"));
}

// A digest that changes with any value a user sees in the file: a picture's
// pixels and stamp, a GIS file's values, any other file's content but its
// dates.
QByteArray digestOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    QByteArray content;
    if (suffix == QLatin1String("png") || suffix == QLatin1String("bmp")) {
        const QImage image(path);
        content = QByteArray::number(image.width()) + 'x' + QByteArray::number(image.height())
                  + QByteArrayView(image.constBits(), image.sizeInBytes()).toByteArray();
        for (const QString &key : image.textKeys())
            content += (key + withoutDates(image.text(key))).toUtf8();
    } else if (suffix == QLatin1String("tif") || suffix == QLatin1String("gpkg")) {
        content = gisValues(path);
    } else {
        content = ReadFile(path);
        if (suffix == QLatin1String("dbf")) // the day of the last change, in its header
            content.replace(1, 3, QByteArray(3, '\0'));
        content = withoutDates(QString::fromUtf8(content)).toUtf8();
    }
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex().left(16);
}

// Each file under `dir` by its path with what tells a rewrite: its inode (a
// file replaced whole is a new one), time of change and size.
std::map<QString, QString> filesIn(const QString &dir)
{
    std::map<QString, QString> files;
    for (QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        struct stat s {};
        ::stat(QFile::encodeName(it.next()).constData(), &s);
        files[it.filePath()] = QStringLiteral("%1 %2 %3 %4").arg(s.st_ino).arg(s.st_mtim.tv_sec).arg(s.st_mtim.tv_nsec).arg(s.st_size);
    }
    return files;
}

// Printed text, each line behind `prefix`.
QString printed(const QString &text, const QString &prefix)
{
    QString out;
    for (const QString &line : text.chopped(text.endsWith(QLatin1Char('\n'))).split(QLatin1Char('\n')))
        out += prefix + line + QLatin1Char('\n');
    return text.isEmpty() ? QString() : out;
}

TEST(Transcript, EveryCommandAnswersAsApproved)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Database"));
    // Two species share a synonym, so the name is ambiguous.
    WriteFixtureCatalogue(dir.filePath(QStringLiteral("Database/dbsilvar.mdb")),
                          QStringLiteral("INSERT INTO Synonym VALUES (1, 'Ambigua nomen', 'Ambigua', ''), (2, 'Ambigua nomen', 'Ambigua', '');"));
    QFile::link(QStringLiteral(SILVARIA_SOURCE_DIR "/data/ShapeFiles"), dir.filePath(QStringLiteral("ShapeFiles")));
    qputenv("SOURCE_DATE_EPOCH", "1764547200"); // the pictures' stamps say 2025-12-01
    QString transcript;
    for (const QString &line : QString::fromUtf8(ReadFile(Source + QStringLiteral("/commands.txt"))).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList arguments = QProcess::splitCommand(QString(line).replace(QLatin1String("{dir}"), dir.path()).replace(QLatin1String("{src}"), Source).replace(QLatin1String("{data}"), QLatin1String(SILVARIA_SOURCE_DIR "/data")));
        if (!arguments.contains(QLatin1String("--app-folder")))
            arguments.prepend(dir.path()), arguments.prepend(QStringLiteral("--app-folder"));
        std::ostringstream out, err;
        const std::map<QString, QString> before = filesIn(dir.path());
        const int code = RunCli(arguments, {out, err});
        const auto tidy = [&](const std::string &text) {
            return withoutDates(QString::fromStdString(text).replace(dir.path(), QLatin1String("{dir}")).replace(Source, QLatin1String("{src}")));
        };
        transcript += QStringLiteral("$ %1\nexit %2\n").arg(line).arg(code) + printed(tidy(out.str()), QString()) + printed(tidy(err.str()), QStringLiteral("! "));
        for (const auto &[path, written] : filesIn(dir.path()))
            if (before.count(path) == 0 || before.at(path) != written)
                transcript += QStringLiteral("= %1 %2\n").arg(QDir(dir.path()).relativeFilePath(path), QString::fromLatin1(digestOf(path)));
    }
    qunsetenv("SOURCE_DATE_EPOCH");
    ExpectApproved(QStringLiteral(SILVARIA_SOURCE_DIR "/tests/cli/approved/transcript.txt"), transcript.toUtf8());
}

} // namespace
