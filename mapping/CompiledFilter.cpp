#include "mapping/CompiledFilter.h"

#include "mapping/MapError.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr std::uint32_t BlockRows = 4096;

using Op = FilterExpression::Op;
using Test = CompiledFilter::Test;
using Node = CompiledFilter::Node;

Op negated(Op op)
{
    switch (op) {
    case Op::Equal:
        return Op::NotEqual;
    case Op::NotEqual:
        return Op::Equal;
    case Op::Less:
        return Op::GreaterEqual;
    case Op::LessEqual:
        return Op::Greater;
    case Op::Greater:
        return Op::LessEqual;
    case Op::GreaterEqual:
        return Op::Less;
    }
    return op;
}

Test testOf(Op op)
{
    switch (op) {
    case Op::Equal:
        return Test::Equal;
    case Op::NotEqual:
        return Test::NotEqual;
    case Op::Less:
        return Test::Less;
    case Op::LessEqual:
        return Test::LessEqual;
    case Op::Greater:
        return Test::Greater;
    case Op::GreaterEqual:
        return Test::GreaterEqual;
    }
    return Test::Never;
}

Node constant(bool value)
{
    Node node;
    node.test = value ? Test::Always : Test::Never;
    return node;
}

// Integers hold no blanks, so a bound outside their range folds to a constant.
Node integerComparison(const AttributeColumn &column, Op op, double bound, double minimum, double maximum)
{
    Node node;
    node.column = &column;
    const bool whole = bound == std::trunc(bound);
    switch (op) {
    case Op::Greater:
    case Op::GreaterEqual: {
        const double t = op == Op::GreaterEqual ? std::ceil(bound) : std::floor(bound) + 1;
        if (t > maximum)
            return constant(false);
        if (t <= minimum)
            return constant(true);
        node.test = Test::GreaterEqual;
        node.low = t;
        return node;
    }
    case Op::Less:
    case Op::LessEqual: {
        const double t = op == Op::LessEqual ? std::floor(bound) : std::ceil(bound) - 1;
        if (t < minimum)
            return constant(false);
        if (t >= maximum)
            return constant(true);
        node.test = Test::LessEqual;
        node.low = t;
        return node;
    }
    case Op::Equal:
    case Op::NotEqual:
        if (!whole || bound < minimum || bound > maximum)
            return constant(op == Op::NotEqual);
        node.test = op == Op::Equal ? Test::Equal : Test::NotEqual;
        node.low = bound;
        return node;
    }
    return constant(false);
}

class Compiler {
public:
    Compiler(const FilterExpression &expression, const AttributeTable &table)
        : m_expression(expression), m_table(table) {}

    Node compile(const FilterExpression::Node &node, bool negate)
    {
        using Kind = FilterExpression::Kind;
        switch (node.kind) {
        case Kind::Not:
            return compile(*node.children.front(), !negate);
        case Kind::And:
        case Kind::Or: {
            Node group;
            group.isAnd = (node.kind == Kind::And) != negate; // De Morgan
            for (const auto &child : node.children)
                group.children.push_back(compile(*child, negate));
            return simplify(std::move(group));
        }
        case Kind::Compare:
            break;
        }
        return comparison(node, negate ? negated(node.op) : node.op);
    }

private:
    [[noreturn]] void fail(const QString &why) const
    {
        throw MapError(QStringLiteral("Filter \"%1\": %2").arg(m_expression.text(), why));
    }

    Node comparison(const FilterExpression::Node &node, Op op)
    {
        const int index = m_table.indexOf(node.field);
        if (index < 0)
            fail(QStringLiteral("there is no field \"%1\"").arg(node.field));
        const AttributeColumn &column = m_table.column(index);
        using ValueKind = FilterExpression::ValueKind;
        if (column.storage() == ColumnStorage::Text) {
            if (node.valueKind != ValueKind::Text)
                fail(QStringLiteral("the text field \"%1\" is compared with %2").arg(column.name(), node.value));
            return textComparison(column, op, node.value);
        }
        QString number = node.value;
        if (column.typeCode() == FieldTypeBoolean && node.valueKind == ValueKind::Text) {
            const QString v = node.value.trimmed().toUpper();
            if (v == QLatin1String("T") || v == QLatin1String("Y") || v == QLatin1String("TRUE"))
                number = QStringLiteral("1");
            else if (v == QLatin1String("F") || v == QLatin1String("N") || v == QLatin1String("FALSE"))
                number = QStringLiteral("0");
            else
                fail(QStringLiteral("the yes/no field \"%1\" is compared with '%2'").arg(column.name(), node.value));
        } else if (column.typeCode() == FieldTypeDate && node.valueKind == ValueKind::Text) {
            QString digits = node.value.trimmed();
            digits.remove(QLatin1Char('-')).remove(QLatin1Char('/'));
            const QDate date = QDate::fromString(digits, QStringLiteral("yyyyMMdd"));
            if (!date.isValid())
                fail(QStringLiteral("'%1' is not a date for the field \"%2\"").arg(node.value, column.name()));
            number = digits;
        } else if (node.valueKind == ValueKind::Text) {
            fail(QStringLiteral("the number field \"%1\" is compared with the text '%2'").arg(column.name(), node.value));
        } else if (node.valueKind == ValueKind::Boolean && column.typeCode() != FieldTypeBoolean) {
            fail(QStringLiteral("the number field \"%1\" is compared with a yes/no value").arg(column.name()));
        }
        return numberComparison(column, op, number);
    }

    Node numberComparison(const AttributeColumn &column, Op op, const QString &text)
    {
        const std::string bound = text.toStdString();
        switch (column.storage()) {
        case ColumnStorage::Float32: {
            float f = 0;
            if (!NumberText::parseFloat(bound, f))
                fail(QStringLiteral("%1 is not a number the field \"%2\" can hold").arg(text, column.name()));
            Node node;
            node.column = &column;
            node.test = testOf(op);
            node.lowF = f;
            return node;
        }
        case ColumnStorage::Float64:
        case ColumnStorage::Int16:
        case ColumnStorage::Int32: {
            double d = 0;
            if (!NumberText::parseDouble(bound, d))
                fail(QStringLiteral("%1 is not a number the field \"%2\" can hold").arg(text, column.name()));
            if (column.storage() == ColumnStorage::Int16)
                return integerComparison(column, op, d, INT16_MIN, INT16_MAX);
            if (column.storage() == ColumnStorage::Int32)
                return integerComparison(column, op, d, INT32_MIN, INT32_MAX);
            Node node;
            node.column = &column;
            node.test = testOf(op);
            node.low = d;
            return node;
        }
        case ColumnStorage::Text:
            break;
        }
        return constant(false);
    }

    Node textComparison(const AttributeColumn &column, Op op, const QString &value)
    {
        Node node;
        node.column = &column;
        node.test = Test::Lookup;
        const std::vector<QString> &pool = column.textPool();
        node.lookup.resize(pool.size());
        for (std::size_t k = 0; k < pool.size(); ++k) {
            const int c = pool[k].compare(value);
            bool match = false;
            switch (op) {
            case Op::Equal:
                match = c == 0;
                break;
            case Op::NotEqual:
                match = c != 0;
                break;
            case Op::Less:
                match = c < 0;
                break;
            case Op::LessEqual:
                match = c <= 0;
                break;
            case Op::Greater:
                match = c > 0;
                break;
            case Op::GreaterEqual:
                match = c >= 0;
                break;
            }
            node.lookup[k] = match ? 1 : 0;
        }
        return node;
    }

    // Flattens nested groups of the same kind, folds constants and turns a
    // lower and an upper bound on one column into a single range test.
    static Node simplify(Node group)
    {
        std::vector<Node> children;
        for (Node &child : group.children) {
            if (!child.children.empty() && child.isAnd == group.isAnd) {
                for (Node &grandchild : child.children)
                    children.push_back(std::move(grandchild));
                continue;
            }
            if (child.children.empty() && (child.test == Test::Always || child.test == Test::Never)) {
                const bool value = child.test == Test::Always;
                if (value == group.isAnd)
                    continue; // TRUE in an AND, FALSE in an OR: no effect
                return constant(value);
            }
            children.push_back(std::move(child));
        }
        if (group.isAnd)
            mergeRanges(children);
        if (children.empty())
            return constant(group.isAnd);
        if (children.size() == 1)
            return std::move(children.front());
        group.children = std::move(children);
        return group;
    }

    static void mergeRanges(std::vector<Node> &children)
    {
        for (std::size_t i = 0; i < children.size(); ++i) {
            Node &lower = children[i];
            if (!lower.children.empty() || lower.test != Test::GreaterEqual)
                continue;
            for (std::size_t j = 0; j < children.size(); ++j) {
                Node &upper = children[j];
                if (j == i || !upper.children.empty() || upper.test != Test::LessEqual || upper.column != lower.column)
                    continue;
                lower.test = Test::Between;
                lower.high = upper.low;
                lower.highF = upper.lowF;
                children.erase(children.begin() + std::ptrdiff_t(j));
                if (j < i)
                    --i;
                break;
            }
        }
    }

    const FilterExpression &m_expression;
    const AttributeTable &m_table;
};

int depthOf(const Node &node)
{
    int deepest = 0;
    for (const Node &child : node.children)
        deepest = std::max(deepest, depthOf(child));
    return deepest + 1;
}

// mode 0 writes, 1 ANDs into, 2 ORs into the mask.
template <int Mode, typename T, typename Predicate>
void apply(const T *values, std::uint32_t count, std::uint8_t *out, Predicate predicate)
{
    if constexpr (Mode == 0) {
        for (std::uint32_t i = 0; i < count; ++i)
            out[i] = predicate(values[i]);
    } else if constexpr (Mode == 1) {
        for (std::uint32_t i = 0; i < count; ++i)
            out[i] &= predicate(values[i]);
    } else {
        for (std::uint32_t i = 0; i < count; ++i)
            out[i] |= predicate(values[i]);
    }
}

template <int Mode, typename T>
void compare(const T *v, std::uint32_t count, std::uint8_t *out, Test test, T low, T high)
{
    switch (test) {
    case Test::Equal:
        return apply<Mode>(v, count, out, [=](T x) -> std::uint8_t { return x == low; });
    case Test::NotEqual:
        return apply<Mode>(v, count, out, [=](T x) -> std::uint8_t { return (x < low) | (x > low); });
    case Test::Less:
        return apply<Mode>(v, count, out, [=](T x) -> std::uint8_t { return x < low; });
    case Test::LessEqual:
        return apply<Mode>(v, count, out, [=](T x) -> std::uint8_t { return x <= low; });
    case Test::Greater:
        return apply<Mode>(v, count, out, [=](T x) -> std::uint8_t { return x > low; });
    case Test::GreaterEqual:
        return apply<Mode>(v, count, out, [=](T x) -> std::uint8_t { return x >= low; });
    case Test::Between:
        return apply<Mode>(v, count, out, [=](T x) -> std::uint8_t { return (x >= low) & (x <= high); });
    default:
        return;
    }
}

template <int Mode>
void leaf(const Node &node, std::uint32_t begin, std::uint32_t count, std::uint8_t *out)
{
    if (node.test == Test::Always || node.test == Test::Never) {
        const std::uint8_t value = node.test == Test::Always ? 1 : 0;
        if constexpr (Mode == 0)
            std::fill(out, out + count, value);
        else if constexpr (Mode == 1) {
            if (!value)
                std::fill(out, out + count, 0);
        } else if (value)
            std::fill(out, out + count, 1);
        return;
    }
    const AttributeColumn &column = *node.column;
    switch (column.storage()) {
    case ColumnStorage::Int16:
        return compare<Mode, std::int16_t>(column.int16s().data() + begin, count, out, node.test,
                                           std::int16_t(node.low), std::int16_t(node.high));
    case ColumnStorage::Int32:
        return compare<Mode, std::int32_t>(column.int32s().data() + begin, count, out, node.test,
                                           std::int32_t(node.low), std::int32_t(node.high));
    case ColumnStorage::Float32:
        return compare<Mode, float>(column.floats().data() + begin, count, out, node.test, node.lowF, node.highF);
    case ColumnStorage::Float64:
        return compare<Mode, double>(column.doubles().data() + begin, count, out, node.test, node.low, node.high);
    case ColumnStorage::Text: {
        const std::uint8_t *table = node.lookup.data();
        return apply<Mode>(column.textIndexes().data() + begin, count, out,
                           [=](std::uint32_t k) -> std::uint8_t { return table[k]; });
    }
    }
}

} // namespace

CompiledFilter::CompiledFilter(const FilterExpression &expression, const AttributeTable &table)
    : m_rows(table.rowCount())
{
    Compiler compiler(expression, table);
    m_root = compiler.compile(expression.root(), false);
    m_depth = depthOf(m_root);
}

void CompiledFilter::evaluateNode(const Node &node, std::uint32_t begin, std::uint32_t count, std::uint8_t *out,
                                  int mode, int depth) const
{
    if (node.children.empty()) {
        if (mode == 0)
            leaf<0>(node, begin, count, out);
        else if (mode == 1)
            leaf<1>(node, begin, count, out);
        else
            leaf<2>(node, begin, count, out);
        return;
    }
    std::uint8_t *scratch = m_scratch.data() + std::size_t(depth) * BlockRows;
    std::uint8_t *target = mode == 0 ? out : scratch;
    const int combine = node.isAnd ? 1 : 2;
    evaluateNode(node.children.front(), begin, count, target, 0, depth + 1);
    std::uint8_t *childScratch = m_scratch.data() + std::size_t(depth + 1) * BlockRows;
    for (std::size_t c = 1; c < node.children.size(); ++c) {
        const Node &child = node.children[c];
        if (child.children.empty()) {
            evaluateNode(child, begin, count, target, combine, depth + 1);
        } else {
            evaluateNode(child, begin, count, childScratch, 0, depth + 1);
            if (combine == 1)
                for (std::uint32_t i = 0; i < count; ++i)
                    target[i] &= childScratch[i];
            else
                for (std::uint32_t i = 0; i < count; ++i)
                    target[i] |= childScratch[i];
        }
    }
    if (mode == 1)
        for (std::uint32_t i = 0; i < count; ++i)
            out[i] &= target[i];
    else if (mode == 2)
        for (std::uint32_t i = 0; i < count; ++i)
            out[i] |= target[i];
}

void CompiledFilter::evaluate(std::uint32_t begin, std::uint32_t end, std::uint8_t *mask) const
{
    m_scratch.resize(std::size_t(m_depth + 2) * BlockRows);
    for (std::uint32_t at = begin; at < end; at += BlockRows) {
        const std::uint32_t count = std::min(BlockRows, end - at);
        evaluateNode(m_root, at, count, mask + (at - begin), 0, 0);
    }
}

bool CompiledFilter::matches(std::uint32_t row) const
{
    std::uint8_t mask = 0;
    evaluate(row, row + 1, &mask);
    return mask != 0;
}

std::vector<std::uint32_t> CompiledFilter::select() const
{
    std::vector<std::uint32_t> rows;
    std::vector<std::uint8_t> mask(BlockRows);
    std::vector<std::uint32_t> found(BlockRows);
    for (std::uint32_t at = 0; at < m_rows; at += BlockRows) {
        const std::uint32_t count = std::min(BlockRows, m_rows - at);
        evaluate(at, at + count, mask.data());
        std::uint32_t n = 0;
        for (std::uint32_t i = 0; i < count; ++i) {
            found[n] = at + i;
            n += mask[i];
        }
        rows.insert(rows.end(), found.begin(), found.begin() + n);
    }
    return rows;
}
