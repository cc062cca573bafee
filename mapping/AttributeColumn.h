#pragma once
#include "mapping/LargeArray.h"

#include <QString>
#include <QVariant>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Type codes of attribute fields as callers see them.
constexpr int FieldTypeLong = 3;
constexpr int FieldTypeDouble = 5;
constexpr int FieldTypeDate = 7;
constexpr int FieldTypeText = 8;
constexpr int FieldTypeBoolean = 11;

// How a column keeps its values. Numbers take the narrowest form that holds
// every value of the file exactly: whole numbers without blanks as 16- or
// 32-bit integers, decimals that survive a round trip through single precision
// as floats, anything else as doubles. A blank number is NaN (so integer
// columns have no blanks). Logical values are 1, 0 or NaN in a float column;
// dates are yyyymmdd numbers in a double column; texts index a pool of
// distinct values.
enum class ColumnStorage : std::uint8_t { Int16, Int32, Float32, Float64, Text };

// One attribute field of a layer, all rows of it in one array.
class AttributeColumn {
public:
    const QString &name() const { return m_name; }
    int typeCode() const { return m_typeCode; }
    char dbfType() const { return m_dbfType; }
    int width() const { return m_width; }
    int decimals() const { return m_decimals; }
    ColumnStorage storage() const { return m_storage; }
    std::uint32_t size() const { return m_size; }

    std::span<const std::int16_t> int16s() const { return m_int16; }
    std::span<const std::int32_t> int32s() const { return m_int32; }
    std::span<const float> floats() const { return m_float; }
    std::span<const double> doubles() const { return m_double; }
    std::span<const std::uint32_t> textIndexes() const { return m_textIndex; }
    const std::vector<QString> &textPool() const { return m_pool; }

    bool isNull(std::uint32_t row) const;
    // The value as a number (NaN for a blank or a text).
    double number(std::uint32_t row) const;
    // The value: a whole number, a number, a text, a yes/no, a date, or Null.
    QVariant value(std::uint32_t row) const;
    // The value as text: numbers in their ordinary decimal form (1250, 26.4),
    // yes/no as "True"/"False", dates as yyyy-MM-dd, blanks as "".
    QString valueText(std::uint32_t row) const;

    std::size_t memoryBytes() const;

private:
    friend class AttributeColumnBuilder;
    QString m_name;
    int m_typeCode = FieldTypeText;
    char m_dbfType = 'C';
    int m_width = 0;
    int m_decimals = 0;
    ColumnStorage m_storage = ColumnStorage::Int16;
    std::uint32_t m_size = 0;
    LargeArray<std::int16_t> m_int16;
    LargeArray<std::int32_t> m_int32;
    LargeArray<float> m_float;
    LargeArray<double> m_double;
    LargeArray<std::uint32_t> m_textIndex;
    std::vector<QString> m_pool;
};

// Builds a column from the field texts of a dBase file, one row at a time,
// widening the storage only when a value needs it.
class AttributeColumnBuilder {
public:
    AttributeColumnBuilder(const QString &name, char dbfType, int width, int decimals, bool utf8Texts);
    void reserve(std::uint32_t rows);
    // Adds the raw field text of the next row (spaces as in the file).
    void append(std::string_view text);
    // Adds `count` rows whose field texts of `width` bytes lie `stride` bytes
    // apart (one field of consecutive dBase records). Plain whole numbers and
    // short decimals take a quick path; anything else goes through append().
    void appendMany(const char *first, std::size_t stride, std::size_t width, std::uint32_t count);
    AttributeColumn finish();

private:
    void appendNumber(std::string_view text);
    void appendWhole(long long value);
    void appendText(std::string_view text);
    void widenTo(ColumnStorage storage);

    AttributeColumn m_column;
    std::uint32_t m_expectedRows = 0;
    bool m_numeric = false;
    bool m_logical = false;
    bool m_date = false;
    bool m_utf8 = true;
    std::unordered_map<std::string, std::uint32_t> m_poolIndex;
};

// Number parsing shared by the table and the filter compiler, so that a value
// and a bound written the same way compare equal whatever the storage.
namespace NumberText {
// Parses a decimal number (sign, digits, point, exponent) surrounded by spaces.
bool parseDouble(std::string_view text, double &out);
bool parseFloat(std::string_view text, float &out);
// The shortest text that reads back as the value, never in exponent form.
QString shortest(double value);
QString shortest(float value);
// The same digits in the default locale's decimal sign, for windows (never
// for files: those keep the point).
QString shown(double value);
} // namespace NumberText
