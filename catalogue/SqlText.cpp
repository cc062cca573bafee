#include "catalogue/SqlText.h"

QString SqlEscape(const QString &value)
{
    // The catalogue stores composed text; a name typed or pasted in decomposed
    // form (a letter followed by combining accents) must still match it.
    QString escaped = value.normalized(QString::NormalizationForm_C);
    escaped.remove(QChar(0));
    escaped.replace(QLatin1Char('\''), QLatin1String("''"));
    return escaped;
}

QString SqlQuote(const QString &value)
{
    return QLatin1Char('\'') + SqlEscape(value) + QLatin1Char('\'');
}
