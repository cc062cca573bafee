#include "cli/NetworkReading.h"

#include "base/AppIdentity.h"
#include "cli/CliCommand.h"
#include "cli/GridProgress.h"

#include <cpl_conv.h>
#include <cpl_error.h>
#include <cpl_vsi.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <chrono>
#include <cmath>
#include <memory>

NetworkReadingOptions::NetworkReadingOptions()
{
    GDALAllRegister();
    const AppVersion v = ApplicationVersion();
    const QByteArray agent = QStringLiteral("silvaria-cli/%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision).toUtf8();
    const char *const options[][2] = {
        {"GDAL_HTTP_CONNECTTIMEOUT", "30"},   // seconds to reach the server
        {"GDAL_HTTP_LOW_SPEED_TIME", "60"},   // a transfer stalled for a minute fails
        {"GDAL_HTTP_LOW_SPEED_LIMIT", "1"},
        {"GDAL_HTTP_MAX_RETRY", "3"},          // a busy server (HTTP 429, 5xx) is asked again
        {"GDAL_HTTP_RETRY_DELAY", "2"},
        {"GDAL_HTTP_USERAGENT", agent.constData()},
        {"CPL_VSIL_CURL_ALLOWED_EXTENSIONS", ".zip,.tif"}, // no guesses at side-car files
        {"GDAL_DISABLE_READDIR_ON_OPEN", "EMPTY_DIR"},       // no listing of the server's folders
        {"CPL_VSIL_CURL_CACHE_SIZE", "134217728"},           // 128 MB of downloaded blocks kept for reuse
        {"CPL_VSIL_NETWORK_STATS_ENABLED", "YES"},           // the byte counts of the progress
    };
    for (const auto &[name, value] : options)
        if (!CPLGetConfigOption(name, nullptr)) {
            CPLSetConfigOption(name, value);
            m_set.push_back(name);
        }
    VSICurlClearCache();
    VSINetworkStatsReset();
}

NetworkReadingOptions::~NetworkReadingOptions()
{
    for (const char *name : m_set)
        CPLSetConfigOption(name, nullptr);
}

QString NetworkPath(const QString &address) { return QStringLiteral("/vsicurl/") + address; }

QString ArchiveMemberPath(const ArchiveMember &file)
{
    return QStringLiteral("/vsizip/") + NetworkPath(file.archive) + QLatin1Char('/') + file.member;
}

QString WithAddresses(const QString &message)
{
    return QString(message).replace(QStringLiteral("/vsizip//vsicurl/"), QString()).replace(QStringLiteral("/vsicurl/"), QString());
}

void RequireAvailable(const QString &address)
{
    VSIStatBufL stat;
    CPLErrorReset();
    if (VSIStatExL(NetworkPath(address).toUtf8().constData(), &stat,
                   VSI_STAT_EXISTS_FLAG | VSI_STAT_SIZE_FLAG | VSI_STAT_SET_ERROR_FLAG) == 0)
        return;
    // GDAL names the HTTP status it got, 0 when no server answered; nothing
    // when the server said it has no such file.
    const QString error = QString::fromUtf8(CPLGetLastErrorMsg());
    const int status = error.section(QStringLiteral(": "), -1).toInt();
    if (!error.isEmpty() && status == 0)
        throw CliFailure(ExitDataError, QCoreApplication::translate("NetworkReading", "%1 could not be reached (no network, or no server at that address); "
                                                       "nothing was changed").arg(address));
    throw CliFailure(ExitDataError, QCoreApplication::translate("NetworkReading", "%1: %2; nothing was changed")
                                        .arg(address, status > 0 ? QCoreApplication::translate("NetworkReading", "the server answered HTTP %1").arg(status)
                                                                 : QCoreApplication::translate("NetworkReading", "no such file on the server (worldclim.org lists what is published)")));
}

void RequireRasterShape(const QString &path, const QString &address, int bands, double pixelMinutes)
{
    const std::unique_ptr<GDALDataset> raster(GDALDataset::FromHandle(
        GDALOpenEx(path.toUtf8().constData(), GDAL_OF_RASTER | GDAL_OF_READONLY, nullptr, nullptr, nullptr)));
    const QString file = path.section(QLatin1Char('/'), -1);
    if (!raster)
        throw CliFailure(ExitDataError, QCoreApplication::translate("NetworkReading", "%1: damaged or incomplete (the download may have stopped half-way): "
                                                       "%2 cannot be read from it; nothing was changed").arg(address, file));
    double gt[6] = {0, 0, 0, 0, 0, 0};
    const OGRSpatialReference *srs = raster->GetSpatialRef();
    const double pixel = pixelMinutes / 60;
    const bool square = raster->GetGeoTransform(gt) == CE_None && std::abs(gt[1] - pixel) < pixel * 1e-6
                     && std::abs(gt[5] + pixel) < pixel * 1e-6 && gt[2] == 0 && gt[4] == 0;
    if (raster->GetRasterCount() != bands || !square || (srs && !srs->IsEmpty() && !srs->IsGeographic()))
        throw CliFailure(ExitDataError, QCoreApplication::translate("NetworkReading", "%1: %2 has %3 band(s) of pixels %4 x %5 degrees, not the "
                                                       "published %6 band(s) of %7 arc minutes; nothing was changed")
                                            .arg(address, file).arg(raster->GetRasterCount()).arg(std::abs(gt[1]), 0, 'g', 6)
                                            .arg(std::abs(gt[5]), 0, 'g', 6).arg(bands).arg(pixelMinutes));
}

QuietGdalErrors::QuietGdalErrors() { CPLPushErrorHandler(CPLQuietErrorHandler); }

QuietGdalErrors::~QuietGdalErrors() { CPLPopErrorHandler(); }

qint64 DownloadedBytes()
{
    char *json = VSINetworkStatsGetAsSerializedJSON(nullptr);
    const QJsonObject stats = QJsonDocument::fromJson(QByteArray(json ? json : "{}")).object();
    CPLFree(json);
    return stats.value(QStringLiteral("methods")).toObject().value(QStringLiteral("GET")).toObject()
        .value(QStringLiteral("downloaded_bytes")).toInteger();
}

QString ByteCountText(qint64 bytes)
{
    return bytes < 1000000 ? QCoreApplication::translate("NetworkReading", "%1 kB").arg((bytes + 999) / 1000) : QCoreApplication::translate("NetworkReading", "%1 MB").arg(double(bytes) / 1e6, 0, 'f', 1);
}

DownloadMeter::DownloadMeter()
{
    if (GridProgressShown())
        m_thread = std::thread(&DownloadMeter::run, this);
}

DownloadMeter::~DownloadMeter()
{
    if (!m_thread.joinable())
        return;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void DownloadMeter::run()
{
    qint64 shown = 0;
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_wake.wait_for(lock, std::chrono::seconds(1), [this] { return m_stop; })) {
        const qint64 bytes = DownloadedBytes();
        if (bytes > shown)
            GridProgressLine(QStringLiteral("%1 downloaded").arg(ByteCountText(shown = bytes)));
    }
}
