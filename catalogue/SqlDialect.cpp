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

// The statement with the text of every quoted literal ('...', a doubled quote
// inside it kept) replaced by spaces, so the rewriting rules below only see the
// statement's own words, never a user's search text.
QString maskLiterals(const QString &sql)
{
    QString masked = sql;
    bool inLiteral = false;
    for (qsizetype i = 0; i < masked.size(); ++i) {
        if (masked[i] == QLatin1Char('\'')) {
            inLiteral = !inLiteral; // a doubled quote leaves and re-enters at once
            continue;
        }
        if (inLiteral)
            masked[i] = QLatin1Char(' ');
    }
    return masked;
}

// Replaces every match of `pattern` found outside literals, keeping `masked` in step.
void replaceOutsideLiterals(QString &sql, QString &masked, const QRegularExpression &pattern, const QString &with)
{
    QList<QRegularExpressionMatch> matches;
    for (auto it = pattern.globalMatch(masked); it.hasNext();)
        matches << it.next();
    for (auto m = matches.crbegin(); m != matches.crend(); ++m) {
        sql.replace(m->capturedStart(), m->capturedLength(), with);
        masked.replace(m->capturedStart(), m->capturedLength(), with);
    }
}

} // namespace

QString AdaptStatement(const QString &jetStatement)
{
    QString sql = jetStatement;
    QString masked = maskLiterals(sql);
    static const QRegularExpression distinctRow(QStringLiteral("\\bSELECT\\s+DISTINCTROW\\b"),
                                                QRegularExpression::CaseInsensitiveOption);
    replaceOutsideLiterals(sql, masked, distinctRow, QStringLiteral("SELECT DISTINCT"));

    // References is a keyword in SQLite: a column qualified by it needs the brackets
    // that Jet only needs in the FROM clause.
    static const QRegularExpression referencesQualifier(QStringLiteral("(?<![\\[\\w])References\\."));
    replaceOutsideLiterals(sql, masked, referencesQualifier, QStringLiteral("[References]."));

    static const QRegularExpression unionWord(QStringLiteral("\\bUNION\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression orderBy(QStringLiteral("\\bORDER\\s+BY\\b"), QRegularExpression::CaseInsensitiveOption);
    const auto lastUnion = masked.lastIndexOf(unionWord);
    if (lastUnion < 0)
        return sql;
    QRegularExpressionMatch order;
    const auto orderAt = masked.lastIndexOf(orderBy, -1, &order);
    if (orderAt < lastUnion)
        return sql;
    const QString compound = sql.left(orderAt).trimmed();
    const QString terms = sql.mid(orderAt + order.capturedLength()).trimmed();
    return QStringLiteral("SELECT * FROM (") + compound + QStringLiteral(") ORDER BY ") + unqualifiedOrderTerms(terms);
}
