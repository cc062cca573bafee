#pragma once
#include "cli/WorldClim.h"

#include <QString>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

// Files read over the network through GDAL's readers (/vsicurl/, with
// /vsizip/ for a file inside an archive): grid fetch's only way out of the
// machine. GDAL reads only the parts of a file it needs, with HTTP range requests.

// GDAL's options for network reading (timeouts, retries, the kinds of file
// asked for, byte counts) while it lives, each unless the user's environment
// sets it; earlier reads' cache is forgotten. The options go with it, since
// some (no folder listings) would hide the side-car files of local rasters.
class NetworkReadingOptions {
public:
    NetworkReadingOptions();
    ~NetworkReadingOptions();
    NetworkReadingOptions(const NetworkReadingOptions &) = delete;
    NetworkReadingOptions &operator=(const NetworkReadingOptions &) = delete;

private:
    std::vector<const char *> m_set;
};
// GDAL's path of the file at an address, and of a file inside an archive at one.
QString NetworkPath(const QString &address);
QString ArchiveMemberPath(const ArchiveMember &file);
// GDAL's message with the addresses in place of GDAL's paths.
QString WithAddresses(const QString &message);

// Asks the server for the file at `address` (a HEAD request); throws a data
// CliFailure saying that the address could not be reached, or that the
// server has no such file, and that nothing was changed.
void RequireAvailable(const QString &address);

// Opens the raster at GDAL's `path` (read from `address`) and checks its
// shape: `bands` bands of square pixels `pixelMinutes` arc minutes wide in
// geographic coordinates. Throws a data CliFailure for a damaged or
// incomplete file or one of another shape, saying that nothing was changed.
void RequireRasterShape(const QString &path, const QString &address, int bands, double pixelMinutes);

// GDAL's messages kept for the program's own (as the grid builder does),
// while it lives.
class QuietGdalErrors {
public:
    QuietGdalErrors();
    ~QuietGdalErrors();
    QuietGdalErrors(const QuietGdalErrors &) = delete;
    QuietGdalErrors &operator=(const QuietGdalErrors &) = delete;
};

// The bytes GDAL has downloaded since the NetworkReadingOptions were set.
qint64 DownloadedBytes();
// "12.5 MB", "3 kB"
QString ByteCountText(qint64 bytes);

// While it lives, and only where progress is shown, prints the bytes
// downloaded so far once a second when they have grown.
class DownloadMeter {
public:
    DownloadMeter();
    ~DownloadMeter();
    DownloadMeter(const DownloadMeter &) = delete;
    DownloadMeter &operator=(const DownloadMeter &) = delete;

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread;
};
