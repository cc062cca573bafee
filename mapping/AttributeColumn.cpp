#include "mapping/AttributeColumn.h"

#include <QDate>
#include <QLocale>
#include <QUtf8StringView>

#include <charconv>
#include <cmath>
#include <limits>

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\0'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0'))
        text.remove_suffix(1);
    return text;
}

// What a quick look at a number text tells: a plain whole number, or a
// decimal as mantissa and count of fraction digits, and how many
// significant digits it has (a float keeps any 6 exactly).
struct NumberShape {
    bool whole = false;        // sign and at most 9 digits
    long long wholeValue = 0;
    bool plainDecimal = false; // sign, digits, point, digits; mantissa below 10^18
    bool negative = false;
    long long mantissa = 0;
    int fractionDigits = 0;
    int significantDigits = 0; // 99 when the text has an exponent or stray characters
};

NumberShape inspect(std::string_view t)
{
    NumberShape shape;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+'))
        shape.negative = t[i++] == '-';
    long long value = 0;
    int digits = 0, significant = 0, fraction = 0;
    bool point = false, other = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c >= '0' && c <= '9') {
            if (significant < 18)
                value = value * 10 + (c - '0');
            ++digits;
            if (significant > 0 || c != '0')
                ++significant;
            if (point)
                ++fraction;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            other = true;
            break;
        }
    }
    if (!point && !other && digits > 0 && digits <= 9) {
        shape.whole = true;
        shape.wholeValue = shape.negative ? -value : value;
    }
    shape.plainDecimal = !other && digits > 0 && significant <= 18;
    shape.mantissa = value;
    shape.fractionDigits = fraction;
    shape.significantDigits = other ? 99 : significant;
    return shape;
}

// Decimal to binary without a general parser when the division is exact
// enough to be correctly rounded: a mantissa exactly representable divided by
// a power of ten exactly representable gives, in one IEEE division, the same
// nearest value as from_chars.
bool fastFloat(const NumberShape &shape, float &out)
{
    static const float powers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    if (!shape.plainDecimal || shape.mantissa >= (1LL << 24) || shape.fractionDigits > 10)
        return false;
    const float f = float(shape.mantissa) / powers[shape.fractionDigits];
    out = shape.negative ? -f : f;
    return true;
}

bool fastDouble(const NumberShape &shape, double &out)
{
    static const double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (!shape.plainDecimal || shape.mantissa >= (1LL << 53) || shape.fractionDigits > 22)
        return false;
    const double d = double(shape.mantissa) / powers[shape.fractionDigits];
    out = shape.negative ? -d : d;
    return true;
}

constexpr double FloatExactLimit = 16777216.0; // every whole number up to 2^24 is a float

} // namespace

namespace NumberText {

namespace {

// The whole text, spaces around it and a leading '+' allowed, as a finite number.
template <typename Number>
bool parseWhole(std::string_view text, Number &out)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && std::isfinite(out);
}

} // namespace

bool parseDouble(std::string_view text, double &out) { return parseWhole(text, out); }

bool parseFloat(std::string_view text, float &out) { return parseWhole(text, out); }

template <typename T> static QString shortestOf(T value)
{
    if (std::isnan(value))
        return QString();
    if (value == 0)
        return QStringLiteral("0");
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString shortest(double value) { return shortestOf(value); }
QString shortest(float value) { return shortestOf(value); }

QString shown(double value)
{
    const QString plain = shortest(value);
    const qsizetype point = plain.indexOf(QLatin1Char('.'));
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', point < 0 ? 0 : int(plain.size() - point - 1));
}

} // namespace NumberText

bool AttributeColumn::isNull(std::uint32_t row) const
{
    switch (m_storage) {
    case ColumnStorage::Int16:
    case ColumnStorage::Int32:
        return false;
    case ColumnStorage::Float32:
        return std::isnan(m_float[row]);
    case ColumnStorage::Float64:
        return std::isnan(m_double[row]);
    case ColumnStorage::Text:
        return false;
    }
    return false;
}

double AttributeColumn::number(std::uint32_t row) const
{
    switch (m_storage) {
    case ColumnStorage::Int16:
        return m_int16[row];
    case ColumnStorage::Int32:
        return m_int32[row];
    case ColumnStorage::Float32: {
        // Through the shortest text, so 26.4 stored as a float reads as 26.4.
        const float f = m_float[row];
        if (std::isnan(f))
            return f;
        double d = f;
        NumberText::parseDouble(NumberText::shortest(f).toLatin1().toStdString(), d);
        return d;
    }
    case ColumnStorage::Float64:
        return m_double[row];
    case ColumnStorage::Text:
        break;
    }
    return std::nan("");
}

QVariant AttributeColumn::value(std::uint32_t row) const
{
    if (m_storage == ColumnStorage::Text)
        return m_pool[m_textIndex[row]];
    if (isNull(row))
        return QVariant();
    const double n = number(row);
    switch (m_typeCode) {
    case FieldTypeBoolean:
        return QVariant(n != 0);
    case FieldTypeDate: {
        const long long ymd = static_cast<long long>(n);
        return QVariant(QDate(int(ymd / 10000), int(ymd / 100 % 100), int(ymd % 100)));
    }
    default:
        if (m_storage == ColumnStorage::Int16 || m_storage == ColumnStorage::Int32)
            return QVariant(static_cast<qlonglong>(n));
        return QVariant(n);
    }
}

QString AttributeColumn::valueText(std::uint32_t row) const
{
    if (m_storage == ColumnStorage::Text)
        return m_pool[m_textIndex[row]];
    if (isNull(row))
        return QString();
    switch (m_typeCode) {
    case FieldTypeBoolean:
        return number(row) != 0 ? QStringLiteral("True") : QStringLiteral("False");
    case FieldTypeDate:
        return value(row).toDate().toString(Qt::ISODate);
    default:
        break;
    }
    switch (m_storage) {
    case ColumnStorage::Int16:
        return QString::number(m_int16[row]);
    case ColumnStorage::Int32:
        return QString::number(m_int32[row]);
    case ColumnStorage::Float32:
        return NumberText::shortest(m_float[row]);
    default:
        return NumberText::shortest(m_double[row]);
    }
}

std::size_t AttributeColumn::memoryBytes() const
{
    std::size_t bytes = m_int16.capacity() * sizeof(std::int16_t) + m_int32.capacity() * sizeof(std::int32_t) +
                        m_float.capacity() * sizeof(float) + m_double.capacity() * sizeof(double) +
                        m_textIndex.capacity() * sizeof(std::uint32_t) + m_pool.capacity() * sizeof(QString);
    for (const QString &text : m_pool)
        bytes += std::size_t(text.capacity()) * sizeof(QChar);
    return bytes;
}

AttributeColumnBuilder::AttributeColumnBuilder(const QString &name, char dbfType, int width, int decimals,
                                               bool utf8Texts)
    : m_utf8(utf8Texts)
{
    m_column.m_name = name;
    m_column.m_dbfType = dbfType;
    m_column.m_width = width;
    m_column.m_decimals = decimals;
    switch (dbfType) {
    case 'N':
    case 'F':
        m_numeric = true;
        m_column.m_typeCode = (decimals == 0 && width <= 10) ? FieldTypeLong : FieldTypeDouble;
        m_column.m_storage = ColumnStorage::Int16;
        break;
    case 'L':
        m_logical = true;
        m_column.m_typeCode = FieldTypeBoolean;
        m_column.m_storage = ColumnStorage::Float32;
        break;
    case 'D':
        m_date = true;
        m_column.m_typeCode = FieldTypeDate;
        m_column.m_storage = ColumnStorage::Float64;
        break;
    default:
        m_column.m_typeCode = FieldTypeText;
        m_column.m_storage = ColumnStorage::Text;
        break;
    }
}

void AttributeColumnBuilder::reserve(std::uint32_t rows)
{
    m_expectedRows = rows;
    switch (m_column.m_storage) {
    case ColumnStorage::Int16:
        m_column.m_int16.reserve(rows);
        break;
    case ColumnStorage::Float32:
        m_column.m_float.reserve(rows);
        break;
    case ColumnStorage::Float64:
        m_column.m_double.reserve(rows);
        break;
    case ColumnStorage::Text:
        m_column.m_textIndex.reserve(rows);
        break;
    default:
        break;
    }
}

void AttributeColumnBuilder::append(std::string_view text)
{
    ++m_column.m_size;
    if (m_numeric)
        return appendNumber(text);
    if (m_logical) {
        const std::string_view t = trimmed(text);
        float v = std::nanf("");
        if (!t.empty()) {
            const char c = t.front();
            if (c == 'T' || c == 't' || c == 'Y' || c == 'y')
                v = 1;
            else if (c == 'F' || c == 'f' || c == 'N' || c == 'n')
                v = 0;
        }
        m_column.m_float.push_back(v);
        return;
    }
    if (m_date) {
        const std::string_view t = trimmed(text);
        const NumberShape shape = inspect(t);
        double v = std::nan("");
        if (t.size() == 8 && shape.whole && shape.wholeValue > 0 &&
            QDate(int(shape.wholeValue / 10000), int(shape.wholeValue / 100 % 100), int(shape.wholeValue % 100))
                .isValid())
            v = double(shape.wholeValue);
        m_column.m_double.push_back(v);
        return;
    }
    appendText(text);
}

void AttributeColumnBuilder::appendNumber(std::string_view text)
{
    const std::string_view t = trimmed(text);
    const NumberShape shape = t.empty() ? NumberShape{} : inspect(t);
    AttributeColumn &c = m_column;
    if (shape.whole)
        return appendWhole(shape.wholeValue);
    double d = 0;
    if (t.empty() || !(fastDouble(shape, d) || NumberText::parseDouble(t, d))) {
        // A blank (or '*'-filled) number: NaN, which integers cannot hold.
        if (c.m_storage == ColumnStorage::Int16 || c.m_storage == ColumnStorage::Int32)
            widenTo(ColumnStorage::Float32);
        if (c.m_storage == ColumnStorage::Float32)
            c.m_float.push_back(std::nanf(""));
        else
            c.m_double.push_back(std::nan(""));
        return;
    }
    const bool integral = d == std::trunc(d) && std::fabs(d) <= double(INT32_MAX);
    if (integral && (c.m_storage == ColumnStorage::Int16 || c.m_storage == ColumnStorage::Int32)) {
        if (c.m_storage == ColumnStorage::Int16 && (d < INT16_MIN || d > INT16_MAX))
            widenTo(ColumnStorage::Int32);
        if (c.m_storage == ColumnStorage::Int16)
            c.m_int16.push_back(std::int16_t(d));
        else
            c.m_int32.push_back(std::int32_t(d));
        return;
    }
    if (c.m_storage != ColumnStorage::Float64) {
        float f = 0;
        bool floatKeepsIt = fastFloat(shape, f) || NumberText::parseFloat(t, f);
        if (floatKeepsIt && shape.significantDigits > 6) {
            double back = 0;
            floatKeepsIt = NumberText::parseDouble(NumberText::shortest(f).toStdString(), back) && back == d;
        }
        if (floatKeepsIt) {
            widenTo(ColumnStorage::Float32);
            if (c.m_storage == ColumnStorage::Float32) {
                c.m_float.push_back(f);
                return;
            }
        } else {
            widenTo(ColumnStorage::Float64);
        }
    }
    c.m_double.push_back(d);
}

void AttributeColumnBuilder::appendWhole(long long v)
{
    AttributeColumn &c = m_column;
    if (c.m_storage == ColumnStorage::Int16 && (v < INT16_MIN || v > INT16_MAX))
        widenTo(ColumnStorage::Int32);
    if (c.m_storage == ColumnStorage::Float32 && std::fabs(double(v)) > FloatExactLimit)
        widenTo(ColumnStorage::Float64);
    switch (c.m_storage) {
    case ColumnStorage::Int16:
        c.m_int16.push_back(std::int16_t(v));
        return;
    case ColumnStorage::Int32:
        c.m_int32.push_back(std::int32_t(v));
        return;
    case ColumnStorage::Float32:
        c.m_float.push_back(float(v));
        return;
    default:
        c.m_double.push_back(double(v));
        return;
    }
}

void AttributeColumnBuilder::appendMany(const char *first, std::size_t stride, std::size_t width, std::uint32_t count)
{
    static const float floatPowers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f};
    static const double doublePowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    for (std::uint32_t row = 0; row < count; ++row, first += stride) {
        const char *p = first;
        const char *const end = first + width;
        if (!m_numeric) {
            append(std::string_view(first, width));
            continue;
        }
        while (p < end && *p == ' ')
            ++p;
        const bool negative = p < end && *p == '-';
        if (negative)
            ++p;
        long long mantissa = 0;
        int digits = 0, fraction = -1;
        for (; p < end; ++p) {
            const unsigned d = unsigned(*p - '0');
            if (d < 10) {
                // Past nine digits the slow path takes over; stop adding before
                // a long field could overflow the mantissa.
                if (digits < 18)
                    mantissa = mantissa * 10 + d;
                ++digits;
                if (fraction >= 0)
                    ++fraction;
            } else if (*p == '.' && fraction < 0) {
                fraction = 0;
            } else {
                break;
            }
        }
        while (p < end && (*p == ' ' || *p == '\0'))
            ++p;
        // Up to 9 digits: a whole number fits 32 bits, a decimal is exact in
        // a double division, and with up to 6 digits in a float one.
        if (p != end || digits == 0 || digits > 9) {
            append(std::string_view(first, width));
            continue;
        }
        const long long value = negative ? -mantissa : mantissa;
        if (fraction <= 0) {
            ++m_column.m_size;
            appendWhole(value);
            continue;
        }
        const ColumnStorage storage = m_column.m_storage;
        if (storage == ColumnStorage::Float32 && digits <= 6) {
            ++m_column.m_size;
            m_column.m_float.push_back(float(value) / floatPowers[fraction]);
        } else if (storage == ColumnStorage::Float64) {
            ++m_column.m_size;
            m_column.m_double.push_back(double(value) / doublePowers[fraction]);
        } else {
            append(std::string_view(first, width)); // may need a wider storage
        }
    }
}

void AttributeColumnBuilder::widenTo(ColumnStorage target)
{
    AttributeColumn &c = m_column;
    if (target <= c.m_storage)
        return;
    if (target == ColumnStorage::Float32 && c.m_storage == ColumnStorage::Int32) {
        for (std::int32_t v : c.m_int32)
            if (std::fabs(double(v)) > FloatExactLimit)
                target = ColumnStorage::Float64;
    }
    LargeArray<double> values;
    values.reserve(c.m_int16.size() + c.m_int32.size() + c.m_float.size());
    for (auto v : c.m_int16)
        values.push_back(v);
    for (auto v : c.m_int32)
        values.push_back(v);
    for (auto v : c.m_float)
        values.push_back(v);
    c.m_int16 = {};
    c.m_int32 = {};
    c.m_float = {};
    // Room for every row still to come, so a widened column never regrows.
    const std::size_t capacity = std::max<std::size_t>({values.size() * 2, m_expectedRows, 16});
    switch (target) {
    case ColumnStorage::Int32:
        c.m_int32.reserve(capacity);
        c.m_int32.assign(values.begin(), values.end());
        break;
    case ColumnStorage::Float32:
        c.m_float.reserve(capacity);
        c.m_float.assign(values.begin(), values.end());
        break;
    default:
        // Floats widen through their shortest text, as if read from the file again.
        c.m_double.reserve(capacity);
        if (c.m_storage == ColumnStorage::Float32) {
            for (double v : values) {
                double d = v;
                if (!std::isnan(v))
                    NumberText::parseDouble(NumberText::shortest(float(v)).toStdString(), d);
                c.m_double.push_back(d);
            }
        } else {
            c.m_double.assign(values.begin(), values.end());
        }
        target = ColumnStorage::Float64;
        break;
    }
    c.m_storage = target;
}

void AttributeColumnBuilder::appendText(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0'))
        text.remove_suffix(1);
    std::string key(text);
    auto found = m_poolIndex.find(key);
    if (found == m_poolIndex.end()) {
        const QByteArray bytes(text.data(), qsizetype(text.size()));
        QString decoded = (m_utf8 && QUtf8StringView(bytes).isValidUtf8()) ? QString::fromUtf8(bytes)
                                                                            : QString::fromLatin1(bytes);
        found = m_poolIndex.emplace(std::move(key), std::uint32_t(m_column.m_pool.size())).first;
        m_column.m_pool.push_back(std::move(decoded));
    }
    m_column.m_textIndex.push_back(found->second);
}

AttributeColumn AttributeColumnBuilder::finish()
{
    AttributeColumn &c = m_column;
    c.m_int16.shrink_to_fit();
    c.m_int32.shrink_to_fit();
    c.m_float.shrink_to_fit();
    c.m_double.shrink_to_fit();
    c.m_textIndex.shrink_to_fit();
    c.m_pool.shrink_to_fit();
    m_poolIndex.clear();
    return std::move(m_column);
}
