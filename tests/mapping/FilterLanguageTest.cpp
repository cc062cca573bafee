// The filter language: parsing, grouping, comparisons on every column storage,
// blanks, bound equality and the errors that keep a malformed filter from
// matching anything.
#include "mapping/CompiledFilter.h"
#include "mapping/MapError.h"
#include "mapping/ShapeLayer.h"
#include "tests/common/FixtureShapefile.h"

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
    {"FloatLowerBoundEqualsValue", "MAT >= 26.4", {3, 4}},
    {"FloatUpperBoundEqualsValue", "MAT <= 26.4", {0, 1, 2, 3}},
    {"FloatEqualityOnInexactDecimal", "MAT = 26.4", {3}},
    {"FloatEqualityWithTrailingZero", "MAT = 26.40", {3}},
    {"WholeDataRangeOfTemperature", "MAT >= -11.2 AND MAT <= 29.2", {0, 1, 2, 3, 4}},
    {"DoubleBoundsAreInclusive", "PREC >= 1.5 AND PREC <= 2.00000000001", {1, 2}},
    {"DoubleEqualityNeedsAllDigits", "PREC = 2.00000000001", {2}},
    {"DoubleAboveWholeNumber", "PREC > 2", {2}},
    {"IntegerBoundsAreInclusive", "ALT >= 100 AND ALT <= 1500", {1, 2}},
    {"WholeDataRangeOfAltitude", "ALT >= 0 AND ALT <= 6098", {0, 1, 2, 3, 4}},
    {"IntegerAgainstDecimalBound", "ALT > 99.5", {1, 2, 3, 4}},
    {"IntegerBelowDecimalBound", "ALT < 100.0001", {0, 1}},
    {"IntegerEqualsFractionNever", "ALT = 100.5", {}},
    {"IntegerDiffersFromFractionAlways", "ALT <> 100.5", {0, 1, 2, 3, 4}},
    {"ThirtyTwoBitIntegers", "MAR > 8253", {3}},
    {"BoundOutsideIntegerRange", "ALT < 99999999", {0, 1, 2, 3, 4}},
    {"ExponentNumber", "ALT >= 1e3", {2, 3, 4}},
    // Number spellings.
    {"NoDigitBeforeThePoint", "PREC < .5", {0, 3, 4}},
    {"NoDigitAfterThePoint", "ALT = 100.", {1}},
    {"PlusSign", "ALT = +100", {1}},
    {"SignedFraction", "MAT > -.5", {1, 2, 3, 4}},
    {"SignedExponent", "ALT >= 2.5E+3 AND ALT < 60e2", {3}},
    {"NegativeExponent", "MAT > 2640e-2", {4}},
    // Negative numbers.
    {"NegativeBound", "MAT < -11", {0}},
    {"AboveNegativeBound", "MAT > -11.2", {1, 2, 3, 4}},
    {"NegativeDouble", "PREC < -3", {3}},
    // AND binds tighter than OR; NOT tighter than AND.
    {"AndBeforeOr", "ALT = 0 OR ALT = 100 AND MAT > 25", {0}},
    {"ParenthesesOverrideAnd", "(ALT = 0 OR ALT = 100) AND MAT > 25", {}},
    {"OrAfterAnd", "MAT > 25 AND ALT = 2500 OR ALT = 0", {0, 3}},
    {"AllMissingOrExpressionShape", "ALT >= 0 AND ALT <= 0 OR MAR >= 6 AND MAR <= 6 OR MAT >= 29 AND MAT <= 30", {0, 4}},
    {"NotBindsToOneComparison", "NOT ALT = 100 AND MAT < 25", {0, 2}},
    {"NotOverGroup", "NOT (ALT = 100 OR ALT = 0)", {2, 3, 4}},
    {"DoubleNot", "NOT NOT ALT = 0", {0}},
    {"NotEqualsBang", "ALT != 0", {1, 2, 3, 4}},
    // A blank number matches nothing, negated or not.
    {"BlankIsNotBelow", "BLANKY < 100", {0, 2, 3, 4}},
    {"BlankIsNotAboveEither", "NOT BLANKY < 100", {}},
    {"BlankIsNotDifferent", "BLANKY <> 1.5", {2, 3, 4}},
    {"NegatedEqualityOmitsBlank", "NOT BLANKY = 1.5", {2, 3, 4}},
    // Texts.
    {"TextEquality", "NAME = 'Laos'", {0, 3}},
    {"QuotedQuote", "NAME = 'O''Brien'", {2}},
    {"TextDifference", "NAME <> 'Laos'", {1, 2, 4}},
    {"EmptyText", "NAME = ''", {4}},
    {"TextIsCaseSensitive", "NAME = 'laos'", {}},
    {"TextOrder", "NAME > 'M'", {1, 2}},
    {"UnknownTextMatchesNothing", "NAME = 'Cambodia'", {}},
    // Names and keywords in any case, the value on either side.
    {"AnyCase", "alt >= 100 and Alt <= 1500", {1, 2}},
    {"ValueOnTheLeft", "100 <= ALT AND 1500 >= ALT", {1, 2}},
    // Yes/no fields.
    {"LogicalTrue", "FLAG = TRUE", {0, 2}},
    {"LogicalLetter", "FLAG = 'F'", {1, 4}},
    {"LogicalNegationOmitsBlank", "NOT FLAG = TRUE", {1, 4}},
};

INSTANTIATE_TEST_SUITE_P(Cases, FilterSelects, ::testing::ValuesIn(selectCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct MalformedCase {
    const char *name;
    const char *filter;
};

class MalformedFilter : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedFilter, IsAnErrorNamingTheFilter)
{
    const QString filter = QString::fromUtf8(GetParam().filter);
    try {
        const auto rows = Select(filter);
        ADD_FAILURE() << "accepted \"" << GetParam().filter << "\" and selected " << rows.size() << " rows";
    } catch (const MapError &error) {
        EXPECT_TRUE(error.message().contains(filter)) << error.message().toStdString();
    }
}

const MalformedCase malformedCases[] = {
    {"MissingAltitudeBounds", "ALT >=  AND ALT <= "},
    {"MissingRainfallBounds", "MAR >=  AND MAR <= "},
    {"MissingBoundsInsideSpeciesFilter", "ALT >= 100 AND ALT <= 1500 AND MAT >=  AND MAT <= "},
    {"AllBoundsMissing", "ALT >=  AND ALT <=  OR MAR >=  AND MAR <=  OR MAT >=  AND MAT <= "},
    {"TrailingAnd", "ALT >= 100 AND"},
    {"Empty", ""},
    {"Blank", "   "},
    {"UnbalancedClose", "ALT >= 100)"},
    {"UnbalancedOpen", "(ALT >= 100"},
    {"DoubledOperator", "ALT = = 5"},
    {"UnknownOperator", "ALT >> 5"},
    {"NoOperator", "ALT 5"},
    {"NumberFieldAgainstText", "ALT >= 'abc'"},
    {"TextFieldAgainstNumber", "NAME = 5"},
    {"UnknownField", "ALT >= 10 AND NOPE < 5"},
    {"TwoDecimalPoints", "ALT >= 1.2.3"},
    {"DetachedMinus", "ALT >= - 5"},
    {"DoubledAnd", "ALT >= 5 AND AND ALT <= 6"},
    {"LoneNot", "NOT"},
    {"UnclosedQuote", "NAME = 'Laos"},
    {"TrailingStatement", "ALT >= 100 ; DROP TABLE Species"},
    {"TwoFields", "ALT = MAR"},
    {"TwoValues", "5 = 5"},
    {"LogicalAgainstWord", "FLAG = 'maybe'"},
    {"NumberRunsIntoWord", "ALT >= 100AND ALT <= 5"},
    {"LonePoint", "ALT >= ."},
    {"LoneSign", "ALT >= -"},
    {"ExponentRunsIntoWord", "ALT >= 1ex"},
};

INSTANTIATE_TEST_SUITE_P(Cases, MalformedFilter, ::testing::ValuesIn(malformedCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

namespace {

TEST(AttributeStorage, StoredDecimalsEqualTheParserOfBounds)
{
    // The column reads short decimals without the general parser; every value
    // must still equal what a filter bound written the same way parses to.
    QRandomGenerator random(11);
    std::vector<std::string> texts;
    for (int i = 0; i < 20000; ++i) {
        const int decimals = int(random.bounded(4));
        const double value = (random.bounded(2000000.0) - 1000000.0) / std::pow(10.0, random.bounded(6));
        texts.push_back(QString::number(value, 'f', decimals).toStdString());
    }
    for (const char *edge : {"0.1", "-0.0", "16777216", "16777217.5", "8388607.5", "0.0000001", "1e5", "12345.678"})
        texts.emplace_back(edge);
    AttributeColumnBuilder floats("F", 'N', 19, 4, true);
    for (const std::string &text : texts)
        floats.append(text);
    const AttributeColumn column = floats.finish();
    for (std::uint32_t row = 0; row < column.size(); ++row) {
        if (column.storage() == ColumnStorage::Float32) {
            float expected = 0;
            ASSERT_TRUE(NumberText::parseFloat(texts[row], expected));
            ASSERT_EQ(column.floats()[row], expected) << texts[row];
        } else {
            double expected = 0;
            ASSERT_TRUE(NumberText::parseDouble(texts[row], expected));
            ASSERT_EQ(column.doubles()[row], expected) << texts[row];
        }
    }
    // The block reader takes the same values, with the same storage.
    std::string records;
    for (const std::string &text : texts)
        records += std::string(20 - text.size(), ' ') + text + "|";
    AttributeColumnBuilder block("F", 'N', 19, 4, true);
    block.appendMany(records.data(), 21, 20, std::uint32_t(texts.size()));
    const AttributeColumn blockColumn = block.finish();
    ASSERT_EQ(blockColumn.storage(), column.storage());
    for (std::uint32_t row = 0; row < column.size(); ++row)
        ASSERT_EQ(blockColumn.valueText(row), column.valueText(row)) << texts[row];
    if (column.storage() == ColumnStorage::Float64)
        EXPECT_TRUE(std::equal(column.doubles().begin(), column.doubles().end(), blockColumn.doubles().begin()));

    AttributeColumnBuilder shortOnes("S", 'N', 8, 1, true);
    std::vector<std::string> shortTexts;
    for (int i = 0; i < 20000; ++i) {
        shortTexts.push_back(QString::number((int(random.bounded(200000)) - 100000) / 10.0, 'f', 1).toStdString());
        shortOnes.append(shortTexts.back());
    }
    const AttributeColumn shortColumn = shortOnes.finish();
    ASSERT_EQ(shortColumn.storage(), ColumnStorage::Float32);
    std::string shortRecords;
    for (const std::string &text : shortTexts)
        shortRecords += std::string(10 - text.size(), ' ') + text;
    AttributeColumnBuilder shortBlock("S", 'N', 8, 1, true);
    shortBlock.appendMany(shortRecords.data(), 10, 10, std::uint32_t(shortTexts.size()));
    const AttributeColumn shortBlockColumn = shortBlock.finish();
    ASSERT_EQ(shortBlockColumn.storage(), ColumnStorage::Float32);
    EXPECT_TRUE(std::equal(shortColumn.floats().begin(), shortColumn.floats().end(), shortBlockColumn.floats().begin()));
    for (std::uint32_t row = 0; row < shortColumn.size(); ++row) {
        float expected = 0;
        NumberText::parseFloat(shortTexts[row], expected);
        ASSERT_EQ(shortColumn.floats()[row], expected) << shortTexts[row];
    }
}

} // namespace
