#pragma once
#include "mapping/AttributeTable.h"
#include "mapping/FilterExpression.h"

#include <cstdint>
#include <vector>

// A filter compiled against one attribute table: a tree of AND and OR over
// column comparisons, with every NOT pushed down into the comparisons (so a
// blank value never matches, negated or not). Each comparison runs over a
// block of rows at a time on the column's own array, never record by record.
//
// Numbers compare the way they were stored: a float column compares with the
// bound read as a float, so a value written as a bound is always inside it;
// integer columns compare with the bound rounded to the next whole number
// inside the range. Texts compare through a table over the column's distinct
// values.
class CompiledFilter {
public:
    // Throws MapError for an unknown field or a value of the wrong kind
    // (a text for a number field, a number for a text field).
    CompiledFilter(const FilterExpression &expression, const AttributeTable &table);
    static CompiledFilter compile(const QString &text, const AttributeTable &table)
    {
        return CompiledFilter(FilterExpression::parse(text), table);
    }

    // The matching rows of the table, in row order.
    std::vector<std::uint32_t> select() const;
    // Writes 1 (match) or 0 into mask[0 .. end-begin) for rows [begin, end).
    void evaluate(std::uint32_t begin, std::uint32_t end, std::uint8_t *mask) const;
    bool matches(std::uint32_t row) const;

    enum class Test { Always, Never, Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual, Between, Lookup };
    struct Node {
        bool isAnd = true;          // for groups
        std::vector<Node> children; // a group when not empty
        // A comparison: column, test and bound(s) in the column's storage type.
        const AttributeColumn *column = nullptr;
        Test test = Test::Always;
        double low = 0, high = 0;          // Float64 / integer bounds
        float lowF = 0, highF = 0;         // Float32 bounds
        std::vector<std::uint8_t> lookup;  // Text: match per pooled value
    };

private:
    void evaluateNode(const Node &node, std::uint32_t begin, std::uint32_t count, std::uint8_t *out, int mode,
                      int depth) const;

    std::uint32_t m_rows = 0;
    Node m_root;
    int m_depth = 1;
    mutable std::vector<std::uint8_t> m_scratch;
};
