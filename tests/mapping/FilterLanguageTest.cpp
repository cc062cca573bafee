// The filter language: parsing, grouping, comparisons on every column storage,
// blanks, bound equality and the errors that keep a malformed filter from
// matching anything.
#include "mapping/CompiledFilter.h"
#include "mapping/MapError.h"
#include "mapping/ShapeLayer.h"
#include "tests/common/FixtureShapefile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cmath>

#include <gtest/gtest.h>

namespace {

// Five grid points whose fields cover each way a column can be stored.
std::shared_ptr<const ShapeLayer> FilterFixture()
{
    static QTemporaryDir dir;
    static std::shared_ptr<const ShapeLayer> layer;
    if (layer)
        return layer;
    const std::vector<FixtureField> fields = {
        {"ALT", 'N', 5, 0},   {"MAR", 'N', 6, 0}, {"MAT", 'N', 5, 1},   {"PREC", 'N', 19, 11},
        {"NAME", 'C', 20, 0}, {"FLAG", 'L', 1, 0}, {"BLANKY", 'N', 5, 1},
    };
    const std::vector<std::vector<std::optional<std::string>>> rows = {
        {"0", "6", "-11.2", "0.12345678901", "Laos", "T", "1.5"},
        {"100", "1500", "20.0", "1.50000000000", "Viet Nam", "F", std::nullopt},
        {"1500", "3000", "22.5", "2.00000000001", "O'Brien", "T", "3.0"},
        {"2500", "40000", "26.4", "-3.25000000000", "Laos", "?", "-2.5"},
        {"6098", "8253", "29.2", "0.00100000000", "", "N", "0.0"},
    };
    PointFixture({{100, 10}, {101, 11}, {102, 12}, {103, 13}, {104, 14}}, fields, rows)
        .write(dir.filePath("filter.shp"));
    layer = ShapeLayer::read(dir.filePath("filter.shp"));
    return layer;
}

std::vector<std::uint32_t> Select(const QString &filter)
{
    return CompiledFilter::compile(filter, FilterFixture()->attributes()).select();
}

struct SelectCase {
    const char *name;
    const char *filter;
    std::vector<std::uint32_t> rows;
};

class FilterSelects : public ::testing::TestWithParam<SelectCase> {};

TEST_P(FilterSelects, TheExpectedRows)
{
    EXPECT_EQ(Select(QString::fromUtf8(GetParam().filter)), GetParam().rows) << GetParam().filter;
}

const SelectCase selectCases[] = {
    // A value equal to a bound is inside, on every storage.
    {"FloatBoundsAreInclusive", "MAT >= 22.5 AND MAT <= 26.4", {2, 3}},
    {"FloatEqualityOnInexactDecimal", "MAT = 26.4", {3}},
    {"DoubleBoundsAreInclusive", "PREC >= 1.5 AND PREC <= 2.00000000001", {1, 2}},
    {"DoubleEqualityNeedsAllDigits", "PREC = 2.00000000001", {2}},
    {"IntegerAgainstDecimalBound", "ALT > 99.5", {1, 2, 3, 4}},
    {"IntegerEqualsFractionNever", "ALT = 100.5", {}},
    {"ThirtyTwoBitIntegers", "MAR > 8253", {3}},
    {"BoundOutsideIntegerRange", "ALT < 99999999", {0, 1, 2, 3, 4}},
    // Number spellings.
    {"NoDigitBeforeThePoint", "PREC < .5", {0, 3, 4}},
    {"NoDigitAfterThePoint", "ALT = 100.", {1}},
    {"PlusSign", "ALT = +100", {1}},
    {"NegativeExponent", "MAT > 2640e-2", {4}},
    // Grouping (with the oracle's random combinations on a published file).
    {"FirstRowFailsALaterGroup", "(ALT = 0 OR ALT = 100) AND (MAT > 25 OR MAT < -20)", {}},
    {"AllMissingOrExpressionShape", "ALT >= 0 AND ALT <= 0 OR MAR >= 6 AND MAR <= 6 OR MAT >= 29 AND MAT <= 30", {0, 4}},
    {"NotBindsToOneComparison", "NOT ALT = 100 AND MAT < 25", {0, 2}},
    {"NotEqualsBang", "ALT != 0", {1, 2, 3, 4}},
    // A blank number matches nothing, negated or not.
    {"BlankIsNotBelow", "BLANKY < 100", {0, 2, 3, 4}},
    {"BlankIsNotDifferent", "BLANKY <> 1.5", {2, 3, 4}},
    // Texts.
    {"QuotedQuote", "NAME = 'O''Brien'", {2}},
    {"EmptyText", "NAME = ''", {4}},
    {"TextIsCaseSensitive", "NAME = 'laos'", {}},
    // Yes/no fields.
    {"LogicalTrue", "FLAG = TRUE", {0, 2}},
    {"LogicalLetter", "FLAG = 'F'", {1, 4}},
    {"LogicalNegationOmitsBlank", "NOT FLAG = TRUE", {1, 4}},
};

INSTANTIATE_TEST_SUITE_P(Cases, FilterSelects, ::testing::ValuesIn(selectCases),
                         [](const auto &info) { return std::string(info.param.name); });

// Each filter of malformed-filters.txt is an error that names it.
TEST(MalformedFilter, IsAnErrorNamingTheFilter)
{
    QFile file(QStringLiteral(SILVARIA_SOURCE_DIR "/tests/mapping/malformed-filters.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString filter = line.section(QLatin1Char('\t'), 1);
        if (line.startsWith(QLatin1Char('#')))
            continue;
        try {
            ADD_FAILURE() << "accepted \"" << filter.toStdString() << "\" and selected " << Select(filter).size() << " rows";
        } catch (const MapError &error) {
            EXPECT_TRUE(error.message().contains(filter)) << error.message().toStdString();
            EXPECT_TRUE(filter != "ALT >> 5" || error.message().endsWith("at position 6")) << "the second '>'";
        }
    }
}

} // namespace

namespace {

// A column built value by value and the same values read as a block of
// fixed-width records are stored alike, each value equal to what a filter
// bound written the same way parses to (the column reads short decimals
// without the general parser).
void expectStoredAsParsed(const std::vector<std::string> &texts, int width, int decimals)
{
    AttributeColumnBuilder single("F", 'N', width, decimals, true), block("F", 'N', width, decimals, true);
    std::string records;
    for (const std::string &text : texts) {
        single.append(text);
        records += std::string(width + 1 - text.size(), ' ') + text + "|";
    }
    block.appendMany(records.data(), width + 2, width + 1, std::uint32_t(texts.size()));
    const AttributeColumn column = single.finish(), blockColumn = block.finish();
    ASSERT_EQ(blockColumn.storage(), column.storage());
    const bool floats = column.storage() == ColumnStorage::Float32;
    for (std::uint32_t row = 0; row < column.size(); ++row) {
        float f = 0;
        double d = 0;
        ASSERT_TRUE(floats ? NumberText::parseFloat(texts[row], f) : NumberText::parseDouble(texts[row], d));
        ASSERT_EQ(floats ? column.floats()[row] : column.doubles()[row], floats ? f : d) << texts[row];
        ASSERT_EQ(floats ? blockColumn.floats()[row] : blockColumn.doubles()[row], floats ? f : d) << texts[row];
    }
}

TEST(AttributeStorage, StoredDecimalsEqualTheParserOfBounds)
{
    QRandomGenerator random(11);
    std::vector<std::string> wide, narrow;
    for (int i = 0; i < 20000; ++i) {
        const double value = (random.bounded(2000000.0) - 1000000.0) / std::pow(10.0, random.bounded(6));
        wide.push_back(QString::number(value, 'f', int(random.bounded(4))).toStdString());
        narrow.push_back(QString::number((int(random.bounded(200000)) - 100000) / 10.0, 'f', 1).toStdString());
    }
    wide.insert(wide.end(), {"0.1", "-0.0", "16777216", "16777217.5", "8388607.5", "0.0000001", "1e5", "12345.678"});
    expectStoredAsParsed(wide, 19, 4);
    expectStoredAsParsed(narrow, 8, 1);
}

} // namespace
