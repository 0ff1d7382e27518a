#include "framework/unit_tokens.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace korvex::app {

namespace {

struct TSymbol {
    const char16_t* symbol;
    const char16_t* labels[3];  // English, SI, other
    long double factor;         // English units per SI unit
};

constexpr std::array<TSymbol, 10> kSymbols{{
    {u"F", {u"lbs", u"kN", u"F"}, 224.8089237L},
    {u"F1", {u"kips", u"kN", u"F"}, 0.2248089237L},
    {u"F2", {u"tons", u"kN", u"F"}, 0.1124044745L},
    {u"F4", {u"lb-sec2/in", u"Mg", u"M"}, 5.7101483L},
    {u"F5", {u"sec", u"sec", u"T"}, 1.0L},
    {u"F6", {u"slug", u"Mg", u"F"}, 68.364249L},
    {u"L", {u"in", u"m", u"L"}, 39.37007874L},
    {u"L1", {u"in", u"mm", u"L"}, 0.03937007874L},
    {u"L2", {u"ft", u"m", u"L"}, 3.280839895L},
    {u"L3", {u"rad", u"rad", u"L"}, 1.0L},
}};

const TSymbol& Symbol(QStringView name) {
    return *std::find_if(kSymbols.begin(), kSymbols.end(), [&](const TSymbol& s) { return name == s.symbol; });
}

QString SymbolLabel(QStringView name, int system) {
    return QString::fromUtf16(Symbol(name).labels[ClampUnits(system) - 1]);
}

QString ReplaceInOrder(QString token, int system, const QStringList& order) {
    for (const QString& name : order) token.replace(name, SymbolLabel(name, system));
    return token;
}

QString FirstPresent(const QString& token, const QStringList& candidates, const QString& fallback) {
    for (const QString& name : candidates)
        if (token.contains(name)) return name;
    return fallback;
}

// One force symbol, then one length symbol: the first candidate found in the
// token, else the bare letter; every occurrence of it is replaced.
QString ReplaceChosen(QString token, int system, const QStringList& forces, const QStringList& lengths) {
    if (ClampUnits(system) == kOther) return token;
    const QString force = FirstPresent(token, forces, QStringLiteral("F"));
    token.replace(force, SymbolLabel(force, system));
    const QString length = FirstPresent(token, lengths, QStringLiteral("L"));
    return token.replace(length, SymbolLabel(length, system));
}

long double IntegerPower(long double base, int exponent) {
    long double result = 1;
    for (int i = 0; i < exponent; ++i) result *= base;
    return result;
}

// The single digit at `index`, or 1 when there is none.
int ExponentDigit(const QString& text, qsizetype index) {
    if (index < text.size() && text[index].isDigit()) return text[index].digitValue();
    return 1;
}

long double ForcePart(QString& part) {
    if (!part.startsWith(u'F')) return 1;
    if (part.size() < 2 || !QStringLiteral("012456").contains(part[1])) part = QStringLiteral("F0") + part.mid(1);
    const QChar code = part[1];
    const char16_t* name = code == u'0' ? u"F" : code == u'1' ? u"F1" : code == u'4' ? u"F4"
                         : code == u'5' ? u"F5" : code == u'6' ? u"F6" : u"F2";
    int power = 1;
    if (part.size() > 2 && part[2] == u'^') {
        power = ExponentDigit(part, 3);
        part = part.mid(5);
    } else {
        part = part.mid(3);
    }
    return IntegerPower(Symbol(name).factor, power);
}

long double LengthPart(QString part) {
    if (!part.startsWith(u'L')) return 1;
    if (part.size() < 2 || !QStringLiteral("0123").contains(part[1])) part = QStringLiteral("L0") + part.mid(1);
    const QChar code = part[1];
    const char16_t* name = code == u'0' ? u"L" : code == u'1' ? u"L1" : code == u'3' ? u"L3" : u"L2";
    const int power = part.size() >= 3 ? ExponentDigit(part, 3) : 1;
    return IntegerPower(Symbol(name).factor, power);
}

long double PartValue(QString part) {
    const long double force = ForcePart(part);
    return force * LengthPart(part);
}

}  // namespace

int ClampUnits(int system) { return std::clamp(system, 1, 3); }

QString UnitLabel(const QString& token, int system, TLabelVariant variant) {
    switch (variant) {
    case TLabelVariant::Full:
        return ReplaceInOrder(token, system, {"F2", "F1", "F4", "F5", "F6", "F", "L3", "L2", "L1", "L"});
    case TLabelVariant::ShortTable:
        return ReplaceInOrder(token, system, {"F2", "F1", "F", "L2", "L1", "L"});
    case TLabelVariant::Edit:
        return ReplaceChosen(token, system, {"F6", "F5", "F4", "F2", "F1"}, {"L2", "L1", "L3"});
    case TLabelVariant::Graph:
        return ReplaceChosen(token, system, {"F2", "F1"}, {"L2", "L1"});
    case TLabelVariant::Combo:
        return ReplaceChosen(token, system, {}, {});
    }
    return token;
}

long double ConversionFactor(int from, int to, const QString& token) {
    int exponent = 0;
    if (from == kEnglish && to == kSI) exponent = -1;
    if (from == kSI && to == kEnglish) exponent = 1;
    if (exponent == 0) return 1;
    const qsizetype slash = token.indexOf(u'/');
    const QString numerator = slash < 0 ? token : token.left(slash);
    const QString denominator = slash < 0 ? QString() : token.mid(slash + 1);
    const long double ratio = PartValue(numerator) / PartValue(denominator);
    return exponent > 0 ? ratio : 1 / ratio;
}

}  // namespace korvex::app
