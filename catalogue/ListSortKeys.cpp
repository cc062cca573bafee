#include "catalogue/ListSortKeys.h"

#include <QDateTime>
#include <QStringList>

#include <cmath>

namespace {

// 30 integer digits, a point, 30 decimals.
QString fixed61(double x)
{
    const QString s = QString::number(x, 'f', 30);
    const qsizetype point = s.indexOf(QLatin1Char('.'));
    return s.left(point).rightJustified(30, QLatin1Char('0')) + s.mid(point);
}

} // namespace

QString InvNumber(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if (c == QLatin1Char('-'))
            c = QLatin1Char(' ');
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            c = QChar('9' - (c.unicode() - '0'));
    }
    return out;
}

QString NumberSortKey(const QString &text)
{
    bool ok = false;
    const double x = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(x) || std::fabs(x) >= 1e30)
        return QString();
    if (x >= 0)
        return fixed61(x);
    return QStringLiteral("&") + InvNumber(fixed61(-x));
}

QString DateSortKey(const QString &text)
{
    const QString t = text.trimmed();
    static const QStringList formats{QStringLiteral("yyyy-MM-dd HH:mm:ss"), QStringLiteral("yyyy-MM-dd HH:mm"),
                                     QStringLiteral("yyyy-MM-dd"), QStringLiteral("d/M/yyyy H:mm:ss"),
                                     QStringLiteral("d/M/yyyy H:mm"), QStringLiteral("d/M/yyyy"),
                                     QStringLiteral("d MMMM yyyy"), QStringLiteral("d MMM yyyy")};
    for (const QString &format : formats) {
        const QDateTime dt = QDateTime::fromString(t, format);
        if (dt.isValid())
            return dt.toString(QStringLiteral("yyyyMMddHHmmss"));
    }
    return QString();
}

SortMode SortModeFor(const QString &kind)
{
    const QString upper = kind.toUpper();
    if (upper == QLatin1String("DATE"))
        return SortMode::Date;
    if (upper == QLatin1String("NUMBER"))
        return SortMode::Number;
    return SortMode::Text;
}
