#pragma once
#include <QString>

#include <memory>
#include <vector>

// An attribute filter as written by callers, for example
// "ALT >= 100 AND ALT <= 1500 AND MAT >= 20.5".
//
// Language: field names (any case), numbers (negative, decimals, exponent),
// quoted strings ('it''s'), TRUE and FALSE, the comparisons = <> != < <= > >=
// between a field and a value (either side), AND, OR, NOT and parentheses.
// NOT binds tighter than AND, and AND tighter than OR.
//
// Parsing only checks the syntax; FilterCompiler checks the fields against a
// table. Both throw MapError naming the filter and the reason, so a malformed
// filter is never taken as "everything" or "nothing".
class FilterExpression {
public:
    enum class Kind { And, Or, Not, Compare };
    enum class Op { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };
    enum class ValueKind { Number, Text, Boolean };

    struct Node {
        Kind kind = Kind::Compare;
        std::vector<std::unique_ptr<Node>> children; // And, Or (two or more), Not (one)
        // Compare: field op value, with the field always on the left.
        QString field;
        Op op = Op::Equal;
        ValueKind valueKind = ValueKind::Number;
        QString value; // a number as written, a text without quotes, "1"/"0" for TRUE/FALSE
    };

    // Throws MapError when the text is not a well-formed filter (an empty
    // filter included).
    static FilterExpression parse(const QString &text);

    const QString &text() const { return m_text; }
    const Node &root() const { return *m_root; }
    // The filter written back with a pair of parentheses around every AND and
    // OR group, so the grouping the parser chose can be read.
    QString toString() const;

    static QString opText(Op op);

private:
    QString m_text;
    std::unique_ptr<Node> m_root;
};
