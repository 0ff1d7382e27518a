#include "framework/number_text.h"

#include "framework/decimal_separator.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace korvex::app {

namespace {

struct TDigits {
    bool negative = false;
    std::string digits;  // significant digits, no trailing zeros
    int exponent = 0;    // E of d.ddd x 10^E
};

TDigits SignificantDigits(long double value, int precision) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, precision - 1);
    const std::string text(buffer, result.ptr);
    TDigits out;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        out.negative = true;
        ++pos;
    }
    const std::size_t e = text.find('e');
    for (std::size_t i = pos; i < e; ++i)
        if (text[i] != '.') out.digits += text[i];
    out.exponent = std::stoi(text.substr(e + 1));
    while (out.digits.size() > 1 && out.digits.back() == '0') out.digits.pop_back();
    return out;
}

QString FixedNotation(const TDigits& d, QChar separator) {
    QString out = d.negative ? QStringLiteral("-") : QString();
    const int whole = d.exponent + 1;  // digits before the separator
    const QString digits = QString::fromStdString(d.digits);
    if (whole <= 0) {
        out += u'0';
        out += separator;
        out += QString(-whole, u'0') + digits;
        return out;
    }
    out += digits.left(whole).leftJustified(whole, u'0');
    if (digits.size() > whole) out += separator + digits.mid(whole);
    return out;
}

QString ScientificNotation(const TDigits& d, QChar separator) {
    QString out = d.negative ? QStringLiteral("-") : QString();
    const QString digits = QString::fromStdString(d.digits);
    out += digits.left(1);
    if (digits.size() > 1) out += separator + digits.mid(1);
    return out + u'E' + QString::number(d.exponent);
}

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Checks the grammar and returns the text with '.' as separator.
std::optional<std::string> NormalisedNumber(QStringView text, QChar separator) {
    std::string out;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-') out += '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool seenSeparator = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            ++mantissaDigits;
            out += char(text[i].unicode());
        } else if (text[i] == separator && !seenSeparator) {
            seenSeparator = true;
            out += '.';
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i == text.size()) return out;
    if (text[i] != u'E' && text[i] != u'e') return std::nullopt;
    out += 'e';
    ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) out += char(text[i++].unicode());
    int exponentDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++exponentDigits) out += char(text[i].unicode());
    if (exponentDigits == 0 || i != text.size()) return std::nullopt;
    return out;
}

}  // namespace

QString FormatGeneral(long double value, int precision, int smallestFixedExponent) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0) return QStringLiteral("0");
    const TDigits d = SignificantDigits(value, precision);
    const QChar separator = DecimalSeparator();
    if (d.exponent >= smallestFixedExponent && d.exponent < precision) return FixedNotation(d, separator);
    return ScientificNotation(d, separator);
}

QString FormatDisplay(long double value) { return FormatGeneral(value, 18, -5); }

QString FormatReal8(long double value) { return FormatGeneral(value, 8, -4); }

QString FormatReal15(long double value) { return FormatGeneral(value, 15, -4); }

std::optional<long double> ParseReal(QStringView text, QChar separator) {
    const auto normalised = NormalisedNumber(text, separator);
    if (!normalised) return std::nullopt;
    long double value = 0;
    const char* first = normalised->data();
    const auto result = std::from_chars(first, first + normalised->size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int> ParseInt32(QStringView text, QChar separator) {
    const auto value = ParseReal(text, separator);
    if (!value || std::trunc(*value) != *value) return std::nullopt;
    if (*value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(*value);
}

}  // namespace korvex::app
