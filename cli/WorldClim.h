#pragma once
#include <QString>
#include <QStringList>

// WorldClim 2.1 as its server publishes it: where each file lies, what it
// holds and how the data are cited. The addresses keep the published layout
// below the server's address, so a mirror or a local copy (--base-url)
// serves the same paths.

// The server: "https://geodata.ucdavis.edu".
QString WorldClimServer();

// The published resolutions, "10m", "5m", "2.5m" and "30s", and the size of
// a pixel of one in arc minutes (0 for another text).
QStringList WorldClimResolutions();
double WorldClimPixelMinutes(const QString &resolution);

// The 1970-2000 averages: an archive and the GeoTIFF inside it.
struct ArchiveMember {
    QString archive; // the archive's address
    QString member;  // the file's name inside it
};
// BIO1 (annual mean temperature, °C) to BIO19, from wc2.1_<res>_bio.zip.
ArchiveMember WorldClimBio(const QString &base, const QString &resolution, int variable);
// The elevation (m), from wc2.1_<res>_elev.zip.
ArchiveMember WorldClimElevation(const QString &base, const QString &resolution);

// A downscaled CMIP6 projection: one GeoTIFF of the 19 variables as bands.
QString WorldClimFuture(const QString &base, const QString &resolution, const QString &gcm, const QString &ssp,
                        const QString &period);
constexpr int WorldClimFutureBands = 19;

// Letters, digits, '-' and '.', beginning with a letter or digit: a name
// that can go into an address and a folder name without leaving either.
bool IsPlainName(const QString &name);

// What every grid made from WorldClim says of its data.
QString WorldClimCitation();
QString WorldClimTerms();
