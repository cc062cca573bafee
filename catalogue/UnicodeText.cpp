#include "catalogue/UnicodeText.h"

#include <sqlite3.h>

#include <QList>

#include <string>

namespace {

// Letters drawn with a stroke do not decompose; they sort beside their base letter.
QChar unstroked(QChar c)
{
    switch (c.unicode()) {
    case 0x0111: return QLatin1Char('d'); // đ
    case 0x0110: return QLatin1Char('D'); // Đ
    // The eth looks like Đ and stands for it in many Vietnamese names ("Ðà Lạt").
    case 0x00F0: return QLatin1Char('d'); // ð
    case 0x00D0: return QLatin1Char('D'); // Ð
    case 0x0142: return QLatin1Char('l'); // ł
    case 0x0141: return QLatin1Char('L'); // Ł
    case 0x00F8: return QLatin1Char('o'); // ø
    case 0x00D8: return QLatin1Char('O'); // Ø
    case 0x0127: return QLatin1Char('h'); // ħ
    case 0x0126: return QLatin1Char('H'); // Ħ
    default: return c;
    }
}

// Letters without their accents, case folded: the primary sort key.
QString baseLetters(QStringView s)
{
    const QString decomposed = s.toString().normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            out.append(unstroked(c));
    }
    return out.toCaseFolded();
}

int sign(int v) { return (v > 0) - (v < 0); }

unsigned char asciiLower(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }

int collateUnicase(void *, int n1, const void *v1, int n2, const void *v2)
{
    const auto *a = static_cast<const unsigned char *>(v1);
    const auto *b = static_cast<const unsigned char *>(v2);
    // Fast path: compare ASCII bytes directly until the first non-ASCII byte.
    const int n = std::min(n1, n2);
    int i = 0;
    for (; i < n; ++i) {
        const unsigned char c = a[i], d = b[i];
        if ((c | d) & 0x80)
            break;
        const unsigned char lc = asciiLower(c), ld = asciiLower(d);
        if (lc != ld)
            return lc < ld ? -1 : 1;
    }
    if (i == n)
        return sign(n1 - n2);
    // The equal prefix is plain ASCII and equal under every folding, so only the
    // rest decides; both strings break there at a character boundary.
    const QString sa = QString::fromUtf8(reinterpret_cast<const char *>(a + i), n1 - i);
    const QString sb = QString::fromUtf8(reinterpret_cast<const char *>(b + i), n2 - i);
    return UnicodeCompare(sa, sb);
}

void sqlLike(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    char32_t escape = 0;
    if (argc == 3) {
        const QString e = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_value_text(argv[2])));
        const auto ucs = e.toUcs4();
        if (ucs.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = ucs.front();
    }
    const QString pattern = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_value_text(argv[0])));
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_value_text(argv[1])));
    sqlite3_result_int(ctx, UnicodeLike(pattern, text, escape) ? 1 : 0);
}

} // namespace

QString FoldedText(QStringView text) { return baseLetters(text); }

int UnicodeCompare(QStringView a, QStringView b)
{
    const int primary = sign(baseLetters(a).compare(baseLetters(b)));
    if (primary != 0)
        return primary;
    return sign(a.toString().toCaseFolded().compare(b.toString().toCaseFolded()));
}

bool UnicodeLike(QStringView pattern, QStringView text, char32_t escape)
{
    const std::u32string p = pattern.toString().toCaseFolded().toStdU32String();
    const std::u32string t = text.toString().toCaseFolded().toStdU32String();
    // Greedy matcher with one backtrack point at the last %: linear for the usual
    // %text% patterns, never exponential.
    size_t pi = 0, ti = 0, starP = std::u32string::npos, starT = 0;
    while (ti < t.size()) {
        if (pi < p.size() && p[pi] == U'%') {
            starP = ++pi;
            starT = ti;
            continue;
        }
        if (pi < p.size()) {
            char32_t want = p[pi];
            bool literal = false;
            size_t step = 1;
            if (escape && want == escape && pi + 1 < p.size()) {
                want = p[pi + 1];
                literal = true;
                step = 2;
            }
            if ((!literal && want == U'_') || want == t[ti]) {
                pi += step;
                ++ti;
                continue;
            }
        }
        if (starP == std::u32string::npos)
            return false;
        pi = starP;
        ti = ++starT;
    }
    while (pi < p.size() && p[pi] == U'%')
        ++pi;
    return pi == p.size();
}

void RegisterUnicodeTextRules(sqlite3 *db)
{
    sqlite3_create_collation(db, "UNICASE", SQLITE_UTF8, nullptr, collateUnicase);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "like", 2, flags, nullptr, sqlLike, nullptr, nullptr);
    sqlite3_create_function(db, "like", 3, flags, nullptr, sqlLike, nullptr, nullptr);
}
