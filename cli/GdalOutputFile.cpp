#include "cli/GdalOutputFile.h"

#include "base/NotWritten.h"
#include "cli/CliCommand.h"

#include <gdal_priv.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <filesystem>

namespace {

// What GDAL keeps beside a file it writes: PAM's sidecar (category names),
// and SQLite's journals while a GeoPackage is open.
const char *const Sidecar = ".aux.xml";
const char *const Journals[] = {"-journal", "-wal", "-shm"};

std::filesystem::path fsPath(const QString &path) { return std::filesystem::path(path.toStdU16String()); }

} // namespace

GdalOutputFile::GdalOutputFile(const QString &target) : m_target(target)
{
    const QFileInfo info(target);
    if (info.isDir())
        fail(QStringLiteral("it is a folder"));
    if (info.exists() && !info.isFile())
        fail(QStringLiteral("it is not a regular file"));
    if (!info.absoluteDir().exists())
        fail(QStringLiteral("the folder %1 does not exist").arg(QDir::toNativeSeparators(info.absolutePath())));
    do {
        m_work = info.absoluteDir().filePath(QStringLiteral("%1.part-%2.%3")
                                                 .arg(info.completeBaseName())
                                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                                                 .arg(info.suffix()));
    } while (QFileInfo::exists(m_work));
    GDALAllRegister();
    CPLPushErrorHandler(CPLQuietErrorHandler);
    CPLErrorReset();
}

GdalOutputFile::~GdalOutputFile()
{
    CPLPopErrorHandler();
    if (m_done)
        return;
    QFile::remove(m_work);
    QFile::remove(m_work + QLatin1String(Sidecar));
    for (const char *journal : Journals)
        QFile::remove(m_work + QLatin1String(journal));
}

GDALDataset *GdalOutputFile::create(const char *driver, int columns, int rows, int bands, int type, char **options) const
{
    GDALDriver *found = GetGDALDriverManager()->GetDriverByName(driver);
    if (!found)
        fail(QStringLiteral("this GDAL has no %1 driver").arg(QString::fromLatin1(driver)));
    GDALDataset *dataset = found->Create(m_work.toUtf8().constData(), columns, rows, bands, GDALDataType(type), options);
    check(dataset != nullptr);
    return dataset;
}

void GdalOutputFile::check(bool ok) const
{
    if (ok && CPLGetLastErrorType() < CE_Failure)
        return;
    const QString reason = QString::fromUtf8(CPLGetLastErrorMsg()).trimmed();
    fail(reason.isEmpty() ? QCoreApplication::translate("GdalOutputFile", "GDAL could not write it") : reason);
}

void GdalOutputFile::commit()
{
    check();
    std::error_code error;
    const QString sidecar = QLatin1String(Sidecar);
    if (QFileInfo::exists(m_work + sidecar))
        std::filesystem::rename(fsPath(m_work + sidecar), fsPath(m_target + sidecar), error);
    if (!error)
        std::filesystem::rename(fsPath(m_work), fsPath(m_target), error);
    if (error)
        fail(QString::fromStdString(error.message()));
    m_done = true;
}

void GdalOutputFile::fail(const QString &reason) const
{
    throw CliFailure(ExitNotWritten, NotWrittenError(m_target, Error(reason)).message());
}

void SetStampMetadata(GDALMajorObject *object, const QList<QPair<QString, QString>> &stamp)
{
    for (const auto &[key, text] : stamp)
        object->SetMetadataItem(key.toUtf8().constData(), text.toUtf8().constData());
}
