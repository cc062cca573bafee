#include "mapping/FilterExpression.h"

#include "mapping/MapError.h"

#include <QStringList>

#include <utility>

namespace {

enum class TokenType { Identifier, Number, String, Operator, LeftParen, RightParen, And, Or, Not, True, False, End };

struct Token {
    TokenType type = TokenType::End;
    QString text;
    int position = 0;
};

class Parser {
public:
    explicit Parser(const QString &text) : m_text(text) {}

    std::unique_ptr<FilterExpression::Node> parseAll()
    {
        tokenize();
        if (m_tokens.front().type == TokenType::End)
            fail(QStringLiteral("the filter is empty"), 0);
        auto node = parseOr();
        if (peek().type != TokenType::End)
            fail(QStringLiteral("unexpected \"%1\"").arg(peek().text), peek().position);
        return node;
    }

private:
    [[noreturn]] void fail(const QString &why, int position) const
    {
        throw MapError(QStringLiteral("Filter \"%1\": %2 at position %3").arg(m_text, why).arg(position + 1));
    }

    void tokenize()
    {
        const int n = int(m_text.size());
        int i = 0;
        while (i < n) {
            const QChar c = m_text[i];
            const int start = i;
            if (c.isSpace()) {
                ++i;
            } else if (c.isLetter() || c == QLatin1Char('_')) {
                m_tokens.push_back(scanWord(i));
            } else if (startsNumber(i)) {
                m_tokens.push_back({TokenType::Number, scanNumber(i), start});
            } else if (c == QLatin1Char('\'')) {
                m_tokens.push_back({TokenType::String, scanString(i), start});
            } else if (c == QLatin1Char('(') || c == QLatin1Char(')')) {
                m_tokens.push_back({c == QLatin1Char('(') ? TokenType::LeftParen : TokenType::RightParen, c, start});
                ++i;
            } else {
                m_tokens.push_back({TokenType::Operator, scanOperator(i), start});
            }
        }
        m_tokens.push_back({TokenType::End, QStringLiteral("end of filter"), n});
    }

    // A digit, a point, or a sign before either.
    bool startsNumber(int i) const
    {
        const QChar c = m_text[i];
        const bool signedNumber = (c == QLatin1Char('-') || c == QLatin1Char('+')) && i + 1 < int(m_text.size()) &&
                                  (m_text[i + 1].isDigit() || m_text[i + 1] == QLatin1Char('.'));
        return c.isDigit() || c == QLatin1Char('.') || signedNumber;
    }

    // A field name, or a keyword in any letter case.
    Token scanWord(int &i)
    {
        const int n = int(m_text.size());
        const int start = i;
        while (i < n && (m_text[i].isLetterOrNumber() || m_text[i] == QLatin1Char('_')))
            ++i;
        const QString word = m_text.mid(start, i - start);
        static const std::pair<const char *, TokenType> keywords[] = {
            {"AND", TokenType::And}, {"OR", TokenType::Or}, {"NOT", TokenType::Not}, {"TRUE", TokenType::True}, {"FALSE", TokenType::False}};
        const QString upper = word.toUpper();
        for (const auto &[keyword, type] : keywords)
            if (upper == QLatin1String(keyword))
                return {type, word, start};
        return {TokenType::Identifier, word, start};
    }

    // A comparison operator, the two-character ones first.
    QString scanOperator(int &i)
    {
        static const char *const operators[] = {"<>", "!=", "<=", ">=", "=", "<", ">"};
        for (const char *op : operators) {
            const QLatin1String opText(op);
            if (QStringView(m_text).mid(i).startsWith(opText)) {
                i += int(opText.size());
                return QString(opText);
            }
        }
        fail(QStringLiteral("unexpected character \"%1\"").arg(m_text[i]), i);
    }

    QString scanNumber(int &i)
    {
        const int n = int(m_text.size());
        const int start = i;
        if (m_text[i] == QLatin1Char('-') || m_text[i] == QLatin1Char('+'))
            ++i;
        int digits = 0;
        while (i < n && m_text[i].isDigit()) {
            ++i;
            ++digits;
        }
        if (i < n && m_text[i] == QLatin1Char('.')) {
            ++i;
            while (i < n && m_text[i].isDigit()) {
                ++i;
                ++digits;
            }
        }
        if (digits == 0)
            fail(QStringLiteral("a number has no digits"), start);
        if (i < n && (m_text[i] == QLatin1Char('e') || m_text[i] == QLatin1Char('E'))) {
            int j = i + 1;
            if (j < n && (m_text[j] == QLatin1Char('-') || m_text[j] == QLatin1Char('+')))
                ++j;
            if (j < n && m_text[j].isDigit()) {
                while (j < n && m_text[j].isDigit())
                    ++j;
                i = j;
            }
        }
        if (i < n && (m_text[i].isLetter() || m_text[i] == QLatin1Char('_') || m_text[i] == QLatin1Char('.')))
            fail(QStringLiteral("a number runs into \"%1\"").arg(m_text[i]), i);
        QString number = m_text.mid(start, i - start);
        if (number.startsWith(QLatin1Char('+')))
            number.remove(0, 1);
        return number;
    }

    QString scanString(int &i)
    {
        const int n = int(m_text.size());
        const int start = i++;
        QString value;
        while (true) {
            if (i >= n)
                fail(QStringLiteral("a quoted text is not closed"), start);
            if (m_text[i] == QLatin1Char('\'')) {
                if (i + 1 < n && m_text[i + 1] == QLatin1Char('\'')) {
                    value += QLatin1Char('\'');
                    i += 2;
                    continue;
                }
                ++i;
                return value;
            }
            value += m_text[i++];
        }
    }

    const Token &peek() const { return m_tokens[m_pos]; }
    const Token &next() { return m_tokens[m_pos++]; }

    std::unique_ptr<FilterExpression::Node> group(FilterExpression::Kind kind,
                                                  std::unique_ptr<FilterExpression::Node> first, TokenType joiner)
    {
        if (peek().type != joiner)
            return first;
        auto node = std::make_unique<FilterExpression::Node>();
        node->kind = kind;
        node->children.push_back(std::move(first));
        while (peek().type == joiner) {
            next();
            node->children.push_back(kind == FilterExpression::Kind::Or ? parseAnd() : parseNot());
        }
        return node;
    }

    std::unique_ptr<FilterExpression::Node> parseOr()
    {
        return group(FilterExpression::Kind::Or, parseAnd(), TokenType::Or);
    }

    std::unique_ptr<FilterExpression::Node> parseAnd()
    {
        return group(FilterExpression::Kind::And, parseNot(), TokenType::And);
    }

    std::unique_ptr<FilterExpression::Node> parseNot()
    {
        if (peek().type == TokenType::Not) {
            next();
            auto node = std::make_unique<FilterExpression::Node>();
            node->kind = FilterExpression::Kind::Not;
            node->children.push_back(parseNot());
            return node;
        }
        return parsePrimary();
    }

    std::unique_ptr<FilterExpression::Node> parsePrimary()
    {
        if (peek().type == TokenType::LeftParen) {
            const Token open = next();
            auto node = parseOr();
            if (peek().type != TokenType::RightParen)
                fail(QStringLiteral("\")\" expected instead of \"%1\"").arg(peek().text), peek().position);
            next();
            return node;
        }
        return parseComparison();
    }

    static bool isValue(TokenType t)
    {
        return t == TokenType::Number || t == TokenType::String || t == TokenType::True || t == TokenType::False;
    }

    std::unique_ptr<FilterExpression::Node> parseComparison()
    {
        const Token left = next();
        if (left.type != TokenType::Identifier && !isValue(left.type))
            fail(QStringLiteral("a field or value expected instead of \"%1\"").arg(left.text), left.position);
        const Token op = next();
        if (op.type != TokenType::Operator)
            fail(QStringLiteral("a comparison expected instead of \"%1\"").arg(op.text), op.position);
        const Token right = next();
        if (right.type != TokenType::Identifier && !isValue(right.type))
            fail(QStringLiteral("a field or value expected instead of \"%1\"").arg(right.text), right.position);
        if ((left.type == TokenType::Identifier) == (right.type == TokenType::Identifier))
            fail(QStringLiteral("a comparison needs one field and one value"), left.position);

        auto node = std::make_unique<FilterExpression::Node>();
        node->kind = FilterExpression::Kind::Compare;
        const bool fieldFirst = left.type == TokenType::Identifier;
        const Token &field = fieldFirst ? left : right;
        const Token &value = fieldFirst ? right : left;
        node->field = field.text;
        node->op = toOp(op.text, !fieldFirst);
        switch (value.type) {
        case TokenType::Number:
            node->valueKind = FilterExpression::ValueKind::Number;
            node->value = value.text;
            break;
        case TokenType::String:
            node->valueKind = FilterExpression::ValueKind::Text;
            node->value = value.text;
            break;
        default:
            node->valueKind = FilterExpression::ValueKind::Boolean;
            node->value = value.type == TokenType::True ? QStringLiteral("1") : QStringLiteral("0");
            break;
        }
        return node;
    }

    // The operator as seen from the field; "5 < ALT" is "ALT > 5".
    static FilterExpression::Op toOp(const QString &text, bool swapped)
    {
        using Op = FilterExpression::Op;
        if (text == QLatin1String("="))
            return Op::Equal;
        if (text == QLatin1String("<>") || text == QLatin1String("!="))
            return Op::NotEqual;
        if (text == QLatin1String("<"))
            return swapped ? Op::Greater : Op::Less;
        if (text == QLatin1String("<="))
            return swapped ? Op::GreaterEqual : Op::LessEqual;
        if (text == QLatin1String(">"))
            return swapped ? Op::Less : Op::Greater;
        return swapped ? Op::LessEqual : Op::GreaterEqual;
    }

    QString m_text;
    std::vector<Token> m_tokens;
    std::size_t m_pos = 0;
};

QString nodeText(const FilterExpression::Node &node)
{
    using Kind = FilterExpression::Kind;
    switch (node.kind) {
    case Kind::And:
    case Kind::Or: {
        QStringList parts;
        for (const auto &child : node.children)
            parts << nodeText(*child);
        return QLatin1Char('(') + parts.join(node.kind == Kind::And ? QLatin1String(" AND ") : QLatin1String(" OR ")) +
               QLatin1Char(')');
    }
    case Kind::Not:
        return QStringLiteral("NOT ") + nodeText(*node.children.front());
    case Kind::Compare:
        break;
    }
    QString value = node.value;
    if (node.valueKind == FilterExpression::ValueKind::Text)
        value = QLatin1Char('\'') + QString(value).replace(QLatin1String("'"), QLatin1String("''")) + QLatin1Char('\'');
    else if (node.valueKind == FilterExpression::ValueKind::Boolean)
        value = node.value == QLatin1String("1") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    return node.field + QLatin1Char(' ') + FilterExpression::opText(node.op) + QLatin1Char(' ') + value;
}

} // namespace

FilterExpression FilterExpression::parse(const QString &text)
{
    FilterExpression expression;
    expression.m_text = text;
    expression.m_root = Parser(text).parseAll();
    return expression;
}

QString FilterExpression::toString() const
{
    return nodeText(*m_root);
}

QString FilterExpression::opText(Op op)
{
    switch (op) {
    case Op::Equal:
        return QStringLiteral("=");
    case Op::NotEqual:
        return QStringLiteral("<>");
    case Op::Less:
        return QStringLiteral("<");
    case Op::LessEqual:
        return QStringLiteral("<=");
    case Op::Greater:
        return QStringLiteral(">");
    case Op::GreaterEqual:
        return QStringLiteral(">=");
    }
    return QString();
}
