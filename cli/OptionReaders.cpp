#include "cli/OptionReaders.h"

#include "cli/CliCommand.h"

#include <QCoreApplication>

QSize PictureSizeOption(const CommandLine &line)
{
    if (!line.isSet(QStringLiteral("size")))
        return {1000, 750};
    const QList<double> wh = NumberList(QStringLiteral("size"), line.value(QStringLiteral("size")).toLower(), 2, QLatin1Char('x'));
    for (const double v : wh)
        if (v < 16 || v > 10000 || v != double(int(v)))
            UsageError(QCoreApplication::translate("OptionReaders", "--size takes whole pixels from 16 to 10000, as 1200x900, not \"%1\"").arg(line.value(QStringLiteral("size"))));
    return QSize(int(wh[0]), int(wh[1]));
}

std::optional<MapExtent> ExtentOption(const CommandLine &line)
{
    if (!line.isSet(QStringLiteral("extent")))
        return std::nullopt;
    const QString text = line.value(QStringLiteral("extent"));
    const QList<double> e = NumberList(QStringLiteral("extent"), text, 4);
    if (!(e[0] < e[2] && e[1] < e[3]) || e[0] < -180 || e[2] > 360 || e[1] < -90 || e[3] > 90)
        UsageError(QCoreApplication::translate("OptionReaders", "--extent takes W,S,E,N in degrees with W < E and S < N, not \"%1\"").arg(text));
    return MapExtent(e[0], e[1], e[2], e[3]);
}

RangeValue RangeOption(const QString &option, const QString &text)
{
    const QList<double> pair = NumberList(option, text, 2);
    if (pair[0] > pair[1])
        UsageError(QCoreApplication::translate("OptionReaders", "--%1 takes MIN,MAX with the minimum at most the maximum, not \"%2\"").arg(option, text));
    return {pair[0], pair[1]};
}

Position PositionOption(const QString &text)
{
    const QList<double> p = NumberList(QStringLiteral("LON,LAT"), text, 2);
    if (p[0] < -180 || p[0] > 360 || p[1] < -90 || p[1] > 90)
        UsageError(QCoreApplication::translate("OptionReaders", "LON,LAT takes a longitude from -180 to 360 and a latitude from -90 to 90, not \"%1\"").arg(text));
    return {p[0], p[1]};
}
