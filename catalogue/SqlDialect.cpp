#include "catalogue/SqlDialect.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// "Species.SpeciesName ASC, lang" -> "SpeciesName ASC, lang"
QString unqualifiedOrderTerms(const QString &terms)
{
    QStringList out;
    for (const QString &term : terms.split(QLatin1Char(','))) {
        QString t = term.trimmed();
        const int dot = t.indexOf(QLatin1Char('.'));
        const int space = t.indexOf(QLatin1Char(' '));
        if (dot >= 0 && (space < 0 || dot < space))
            t = t.mid(dot + 1);
        out << t;
    }
    return out.join(QLatin1String(", "));
}

} // namespace

QString AdaptStatement(const QString &jetStatement)
{
    QString sql = jetStatement;
    static const QRegularExpression distinctRow(QStringLiteral("\\bSELECT\\s+DISTINCTROW\\b"),
                                                QRegularExpression::CaseInsensitiveOption);
    sql.replace(distinctRow, QStringLiteral("SELECT DISTINCT"));

    // References is a keyword in SQLite: a column qualified by it needs the brackets
    // that Jet only needs in the FROM clause.
    static const QRegularExpression referencesQualifier(QStringLiteral("(?<![\\[\\w])References\\."));
    sql.replace(referencesQualifier, QStringLiteral("[References]."));

    static const QRegularExpression unionWord(QStringLiteral("\\bUNION\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression orderBy(QStringLiteral("\\bORDER\\s+BY\\b"), QRegularExpression::CaseInsensitiveOption);
    const auto lastUnion = sql.lastIndexOf(unionWord);
    if (lastUnion < 0)
        return sql;
    QRegularExpressionMatch order;
    const auto orderAt = sql.lastIndexOf(orderBy, -1, &order);
    if (orderAt < lastUnion)
        return sql;
    const QString compound = sql.left(orderAt).trimmed();
    const QString terms = sql.mid(orderAt + order.capturedLength()).trimmed();
    return QStringLiteral("SELECT * FROM (") + compound + QStringLiteral(") ORDER BY ") + unqualifiedOrderTerms(terms);
}
