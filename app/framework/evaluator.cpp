#include "framework/evaluator.h"

#include "framework/decimal_separator.h"
#include "framework/errors.h"
#include "framework/number_text.h"

#include <QList>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

namespace korvex::app {

namespace {

[[noreturn]] void Fail(const char* reason) {
    throw EAssignError(QStringLiteral("Entry could not be evaluated:\r") + QString::fromLatin1(reason));
}

// Arithmetic faults (division by zero, logarithm or root of a negative
// number, overflow) are reported as evaluation failures, so the entry is
// rejected with a message instead of storing an infinite or undefined value.
long double Checked(long double value) {
    if (!std::isfinite(value)) Fail("invalid arithmetic operation");
    return value;
}

constexpr char16_t kSubtraction = u'~';  // marks a minus that subtracts

using TFunction = std::function<long double(long double)>;

struct TNamedFunction {
    const char* name;
    TFunction apply;
};

long double ToInt32(long double value) {
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        Fail("invalid arithmetic operation");
    return value;
}

// Tested in this order against the start of the operand.
const QList<TNamedFunction>& Functions() {
    static const QList<TNamedFunction> functions{
        {"arctanh",
         [](long double x) {
             if (std::fabs(x) >= 1) return std::copysign(std::numeric_limits<long double>::max(), x);
             return std::atanh(x);
         }},
        {"arctan", [](long double x) { return std::atan(x); }},
        {"cotan", [](long double x) { return 1 / std::tan(x); }},
        {"tanh", [](long double x) { return std::tanh(x); }},
        {"tan", [](long double x) { return std::tan(x); }},
        {"arccosh", [](long double x) { return x <= 1 ? 0.0L : std::acosh(x); }},
        {"arccos", [](long double x) { return std::acos(x); }},
        {"cosh", [](long double x) { return std::cosh(x); }},
        {"cosec", [](long double x) { return 1 / std::sin(x); }},
        {"cos", [](long double x) { return std::cos(x); }},
        {"sec", [](long double x) { return 1 / std::cos(x); }},
        {"arcsinh", [](long double x) { return std::asinh(x); }},
        {"arcsin", [](long double x) { return std::asin(x); }},
        {"sinh", [](long double x) { return std::sinh(x); }},
        {"sin", [](long double x) { return std::sin(x); }},
        {"csc", [](long double x) { return 1 / std::sin(x); }},
        {"abs", [](long double x) { return std::fabs(x); }},
        {"frac", [](long double x) { return x - std::trunc(x); }},
        {"int", [](long double x) { return std::trunc(x); }},
        {"ln", [](long double x) { return std::log(x); }},
        {"round", [](long double x) { return std::nearbyint(x); }},  // ties to even
        {"ceil", [](long double x) { return ToInt32(std::ceil(x)); }},
        {"floor", [](long double x) { return ToInt32(std::floor(x)); }},
        {"log", [](long double x) { return std::log10(x); }},
        {"sqrt", [](long double x) { return std::sqrt(x); }},
    };
    return functions;
}

bool IsFunctionName(const QString& text) {
    const QString lower = text.toLower();
    for (const TNamedFunction& f : Functions())
        if (lower == QLatin1String(f.name)) return true;
    return false;
}

long double Factorial(long double n) {
    if (std::trunc(n) != n) Fail("! (factoral) applicable to integers only");
    long double result = 1;
    for (long double k = std::fabs(n); k > 1 && std::isfinite(result); --k) result *= k;
    return Checked(std::copysign(result, n));
}

long double HexValue(const QString& text) {
    const QString digits = text.mid(1);
    bool ok = digits.size() >= 1 && digits.size() <= 8;
    const uint value = ok ? digits.toUInt(&ok, 16) : 0;
    if (!ok) Fail("invalid use of $ (hex function)");
    return static_cast<int>(value);
}

// Replaces every innermost parenthesised group by its value as text.
QString ResolveParentheses(QString text) {
    for (qsizetype close = text.indexOf(u')'); close >= 0; close = text.indexOf(u')')) {
        const qsizetype open = text.lastIndexOf(u'(', close);
        if (open < 0) Fail("() (parentheses) do not match");
        const long double inner = EvaluateEntry(text.mid(open + 1, close - open - 1));
        text.replace(open, close - open + 1, FormatDisplay(inner));
    }
    return text;
}

bool IsOperator(QChar c) { return QStringLiteral("^*/%+=|&").contains(c); }

// A minus is a sign when it opens the entry, follows an operand that is only
// a function name, "!" or "$" (so 2+sin(-0.5) works as sin(-0.5) does), or
// follows one of % & * + / = E ^ e | or another minus.
bool IsSign(const QString& text, qsizetype i, qsizetype operandStart) {
    if (i == 0) return true;
    const QString operand = text.mid(operandStart, i - operandStart);
    if (IsFunctionName(operand) || operand == u"!" || operand == u"$") return true;
    return QStringLiteral("%&*+/=Ee^|-").contains(text[i - 1]);
}

struct TExpression {
    QStringList operands;
    QList<QChar> operators;
};

TExpression Split(const QString& text) {
    TExpression expression;
    qsizetype operandStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar op = text[i];
        if (op == u'-') {
            if (IsSign(text, i, operandStart)) continue;
            op = kSubtraction;
        } else if (!IsOperator(op)) {
            continue;
        }
        expression.operands << text.mid(operandStart, i - operandStart);
        expression.operators << op;
        operandStart = i + 1;
    }
    // An operator at the end leaves no operand after it.
    if (operandStart < text.size()) expression.operands << text.mid(operandStart);
    return expression;
}

long double Truncated64(long double value) {
    if (std::fabs(value) >= 9.2233720368547758e18L) Fail("invalid arithmetic operation");
    return std::trunc(value);
}

long double Apply(QChar op, long double left, long double right) {
    switch (op.unicode()) {
    case u'^':
        if (right == 0) return 1;
        if (left == 0 && right > 0) return 0;
        return Checked(std::pow(left, right));
    case u'*': return Checked(left * right);
    case u'/': return Checked(left / right);
    case u'%': {
        const auto a = static_cast<long long>(Truncated64(left));
        const auto b = static_cast<long long>(Truncated64(right));
        if (b == 0) Fail("invalid arithmetic operation");
        return static_cast<long double>(a % b);
    }
    case u'&': return left != 0 && right != 0 ? 1 : 0;
    case u'+': return Checked(left + right);
    case kSubtraction: return Checked(left - right);
    case u'|': return left != 0 || right != 0 ? 1 : 0;
    default: return left == right ? 1 : 0;  // '='
    }
}

// Reduces every operator of one precedence level, left to right.
void ReducePass(TExpression& e, const QString& level) {
    for (qsizetype i = 0; i < e.operators.size();) {
        if (!level.contains(e.operators[i])) {
            ++i;
            continue;
        }
        const long double value =
            Apply(e.operators[i], EvaluateOperand(e.operands[i]), EvaluateOperand(e.operands[i + 1]));
        e.operands[i] = FormatDisplay(value);
        e.operands.removeAt(i + 1);
        e.operators.removeAt(i);
    }
}

}  // namespace

long double EvaluateEntry(const QString& entry) {
    if (entry.isEmpty()) Fail("entry cannot be blank");
    QString text = entry;
    text.remove(u' ').remove(u'\t');
    TExpression expression = Split(ResolveParentheses(text));
    if (expression.operands.size() != expression.operators.size() + 1) Fail("invalid expression");
    const QString levels[] = {QStringLiteral("^"), QStringLiteral("*/%&"), QStringLiteral("+|") + QChar(kSubtraction),
                              QStringLiteral("=")};
    for (const QString& level : levels) ReducePass(expression, level);
    return EvaluateOperand(expression.operands.first());
}

long double EvaluateOperand(const QString& operand) {
    const QString text = QString(operand).replace(QStringLiteral("--"), QString()).toLower();
    if (text == u"pi") return std::numbers::pi_v<long double>;
    if (text == u"-pi") return -std::numbers::pi_v<long double>;
    if (text == u"e") return std::numbers::e_v<long double>;
    if (text == u"-e") return -std::numbers::e_v<long double>;
    for (const TNamedFunction& f : Functions()) {
        const QLatin1String name(f.name);
        if (text.startsWith(name)) return Checked(f.apply(EvaluateOperand(text.mid(name.size()))));
    }
    if (text.endsWith(u'!')) return Factorial(EvaluateOperand(text.chopped(1)));
    if (text.startsWith(u'$')) return HexValue(text);
    const auto value = ParseReal(text, DecimalSeparator());
    if (!value) Fail("invalid character(s) in expression");
    return *value;
}

}  // namespace korvex::app
