#include "cli/WorldClim.h"

#include <QRegularExpression>

QString WorldClimServer() { return QStringLiteral("https://geodata.ucdavis.edu"); }

QStringList WorldClimResolutions() { return {QStringLiteral("10m"), QStringLiteral("5m"), QStringLiteral("2.5m"), QStringLiteral("30s")}; }

double WorldClimPixelMinutes(const QString &resolution)
{
    const double minutes[] = {10, 5, 2.5, 0.5};
    const qsizetype i = WorldClimResolutions().indexOf(resolution);
    return i < 0 ? 0 : minutes[i];
}

ArchiveMember WorldClimBio(const QString &base, const QString &resolution, int variable)
{
    return {QStringLiteral("%1/climate/worldclim/2_1/base/wc2.1_%2_bio.zip").arg(base, resolution),
            QStringLiteral("wc2.1_%1_bio_%2.tif").arg(resolution).arg(variable)};
}

ArchiveMember WorldClimElevation(const QString &base, const QString &resolution)
{
    return {QStringLiteral("%1/climate/worldclim/2_1/base/wc2.1_%2_elev.zip").arg(base, resolution),
            QStringLiteral("wc2.1_%1_elev.tif").arg(resolution)};
}

QString WorldClimFuture(const QString &base, const QString &resolution, const QString &gcm, const QString &ssp,
                        const QString &period)
{
    return QStringLiteral("%1/cmip6/%2/%3/%4/wc2.1_%2_bioc_%3_%4_%5.tif").arg(base, resolution, gcm, ssp, period);
}

bool IsPlainName(const QString &name)
{
    static const QRegularExpression plain(QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z0-9][A-Za-z0-9.-]*")));
    return plain.match(name).hasMatch();
}

QString WorldClimCitation()
{
    return QStringLiteral("Fick, S.E. and R.J. Hijmans, 2017. WorldClim 2: new 1 km spatial resolution climate surfaces "
                          "for global land areas. International Journal of Climatology 37: 4302\u20134315");
}

QString WorldClimTerms()
{
    return QStringLiteral("WorldClim has described the data as free for academic and other non-commercial use, not to be "
                          "redistributed or used commercially without its permission; the current terms are at worldclim.org. "
                          "Fetched by the user for the user's own use, not shipped with Silvaria");
}
