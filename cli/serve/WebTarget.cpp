#include "cli/serve/WebTarget.h"

#include <QStringDecoder>
#include <QUrl>

#include <optional>

namespace {

bool isHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// The decoded text of one part, or nothing for a bad escape, invalid UTF-8
// or a control character.
std::optional<QString> decoded(const QByteArray &part, bool plusIsSpace)
{
    for (qsizetype i = 0; i < part.size(); ++i)
        if (part[i] == '%' && (i + 2 >= part.size() || !isHex(part[i + 1]) || !isHex(part[i + 2])))
            return std::nullopt;
    QByteArray raw = part;
    if (plusIsSpace)
        raw.replace('+', ' ');
    const QByteArray bytes = QByteArray::fromPercentEncoding(raw);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return std::nullopt;
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control)
            return std::nullopt;
    return text;
}

bool readQuery(const QByteArray &query, WebTarget &target)
{
    for (const QByteArray &pair : query.split('&')) {
        if (pair.isEmpty())
            continue;
        const qsizetype equals = pair.indexOf('=');
        const auto name = decoded(pair.left(equals < 0 ? pair.size() : equals), true);
        const auto value = decoded(equals < 0 ? QByteArray() : pair.mid(equals + 1), true);
        if (!name || !value)
            return false;
        if (!target.query.contains(*name))
            target.query.insert(*name, *value);
    }
    return true;
}

} // namespace

WebTarget ReadWebTarget(const QByteArray &raw, int queryLimit)
{
    WebTarget target;
    if (!raw.startsWith('/'))
        return target;
    const qsizetype mark = raw.indexOf('?');
    const QByteArray path = raw.left(mark < 0 ? raw.size() : mark);
    const QByteArray query = mark < 0 ? QByteArray() : raw.mid(mark + 1);
    if (query.size() > queryLimit) {
        target.verdict = WebTarget::QueryTooLong;
        return target;
    }
    for (const QByteArray &part : path.mid(1).split('/')) {
        // A NUL would end a file name early: such a path names no file.
        if (part.contains("%00")) {
            target.verdict = WebTarget::Escaping;
            return target;
        }
        const auto segment = decoded(part, false);
        if (!segment)
            return target;
        if (*segment == QLatin1String(".") || *segment == QLatin1String("..") || segment->contains(QLatin1Char('\\'))
            || segment->contains(QLatin1Char('/'))) {
            target.verdict = WebTarget::Escaping;
            return target;
        }
        target.segments << *segment;
    }
    if (target.segments.size() == 1 && target.segments.front().isEmpty())
        target.segments.clear();
    if (!readQuery(query, target))
        return target;
    target.verdict = WebTarget::Good;
    return target;
}

QString EncodedPart(const QString &text) { return QString::fromLatin1(QUrl::toPercentEncoding(text)); }
