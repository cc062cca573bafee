#include "catalogue/SqlText.h"

QString SqlEscape(const QString &value)
{
    QString escaped = value;
    escaped.remove(QChar(0));
    escaped.replace(QLatin1Char('\''), QLatin1String("''"));
    return escaped;
}

QString SqlQuote(const QString &value)
{
    return QLatin1Char('\'') + SqlEscape(value) + QLatin1Char('\'');
}
