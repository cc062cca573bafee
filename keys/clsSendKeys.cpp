#include "keys/clsSendKeys.h"

#include "keys/KeyNameTable.h"
#include "keys/QtKeySink.h"
#include "keys/SendKeysError.h"
#include "keys/UsKeyboardLayout.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <climits>
#include <cmath>
#include <optional>

namespace {

constexpr int kShift = 16;
constexpr int kControl = 17;
constexpr int kAlt = 18;

constexpr int kErrorBadScript = 0;
constexpr int kErrorUnknownKey = 9;

// The modifier a script character stands for, or 0.
int ModifierOf(QChar c)
{
    switch (c.unicode()) {
    case u'+': return kShift;
    case u'~': return kControl;
    case u'%': return kAlt;
    default: return 0;
    }
}

// The character after 1-based position i, or "" past the end; a length of 0
// stands for the script's own length.
QString NextCharacter(const QString &script, int i, int length)
{
    if (length == 0)
        length = script.size();
    return i + 1 <= length ? script.mid(i, 1) : QString();
}

// Sending is synchronous on the window thread, so a count of millions would
// freeze the application for minutes; larger counts are refused.
constexpr int MaxRepetitions = 1000;

// A repetition count: a decimal number, spaces around it allowed, rounded to
// a whole number with halves going to the even number. Counts above
// MaxRepetitions are refused like any other text.
std::optional<int> ParseCount(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?\\s*$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    const double rounded = std::nearbyint(text.trimmed().toDouble());
    if (!(rounded >= INT_MIN && rounded <= MaxRepetitions))
        return std::nullopt;
    return static_cast<int>(rounded);
}

[[noreturn]] void Stop(const QString &message)
{
    throw SendKeysError(kErrorBadScript, QString(), message);
}

} // namespace

clsSendKeys::clsSendKeys()
    : m_ownSink(std::make_unique<QtKeySink>()), m_sink(*m_ownSink)
{
}

clsSendKeys::clsSendKeys(KeySink &sink) : m_sink(sink) {}

clsSendKeys::~clsSendKeys() = default;

QString clsSendKeys::ErrorSource()
{
    return QCoreApplication::applicationName() + QStringLiteral(".cSendKeys");
}

void clsSendKeys::SendKeys(const QString &sKeys, bool /*Wait*/)
{
    std::vector<int> groups;
    const auto releaseGroups = [&] {
        while (!groups.empty()) {
            const int modifier = groups.back();
            groups.pop_back();
            try {
                KeyUp(modifier);
            } catch (...) {
                // Keep releasing the others; the first failure is the one reported.
            }
        }
    };
    try {
        ParseScript(sKeys, groups);
    } catch (const SendKeysError &e) {
        releaseGroups();
        throw SendKeysError(e.number(), ErrorSource(), e.description());
    } catch (...) {
        releaseGroups();
        throw;
    }
}

void clsSendKeys::ParseScript(const QString &sKeys, std::vector<int> &groups)
{
    const int length = sKeys.size();
    int i = 1;
    while (i <= length) {
        const QChar c = sKeys.at(i - 1);
        if (const int modifier = ModifierOf(c)) {
            if (NextCharacter(sKeys, i, 0) == QLatin1String("(")) {
                groups.push_back(modifier);
                KeyDown(modifier);
                i += 2;
            } else {
                KeyDown(modifier);
                KeyUp(modifier);
                i += 1;
            }
        } else if (c == u')') {
            if (groups.empty())
                Stop(QCoreApplication::translate("clsSendKeys", "Invalid sendkeys command: unmatched ) at position %1").arg(i));
            KeyUp(groups.back());
            groups.pop_back();
            i += 1;
        } else if (c == u'{') {
            if (i + 2 > length)
                Stop(QCoreApplication::translate("clsSendKeys", "Invalid sendkeys command; opening { without content or closing } at position %1").arg(i));
            // The search starts after the first character inside the braces,
            // so "{}}" names the "}" key.
            const int close = sKeys.indexOf(u'}', i + 1) + 1;
            if (close == 0)
                Stop(QCoreApplication::translate("clsSendKeys", "Invalid sendkeys command; opening { without closing } at position %1").arg(i));
            const QString content = sKeys.mid(i, close - i - 1);
            i = close + 1;
            const int space = content.indexOf(u' ');
            if (space < 0) {
                KeyPress(content, 1);
            } else {
                const QString countText = content.mid(space + 1);
                const std::optional<int> count = ParseCount(countText);
                if (!count)
                    Stop(QCoreApplication::translate("clsSendKeys", "Invalid sendkeys command; key repetitions '%1' is invalid near position %2")
                             .arg(countText, QString::number(i)));
                KeyPress(content.left(space), *count);
            }
        } else {
            // A character outside the 16-bit range is one key, not two halves.
            const int size = c.isHighSurrogate() && i < length && sKeys.at(i).isLowSurrogate() ? 2 : 1;
            KeyPress(sKeys.mid(i - 1, size), 1);
            i += size;
        }
    }
    if (!groups.empty())
        Stop(QCoreApplication::translate("clsSendKeys", "Invalid sendkeys command: more open brackets than close brackets."));
}

void clsSendKeys::KeyPress(const QString &sKey, int lCount)
{
    int code = LookUpKeyName(sKey);
    if (code == 0)
        code = KeyCode(sKey);
    if (code == 0)
        throw SendKeysError(kErrorUnknownKey, ErrorSource(),
                            QStringLiteral("Key %1 could not be interpreted.").arg(sKey));
    for (int n = 0; n < lCount; ++n) {
        KeyDown(code);
        KeyUp(code);
    }
}

void clsSendKeys::KeyDown(int vKey)
{
    m_sink.keyDown(vKey);
}

void clsSendKeys::KeyUp(int vKey)
{
    m_sink.keyUp(vKey);
}

int clsSendKeys::KeyCode(const QString &sChar) const
{
    return sChar.isEmpty() ? 0 : UsKeyboardLayout::VirtualKeyOf(sChar.at(0));
}
