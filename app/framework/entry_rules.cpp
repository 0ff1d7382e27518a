#include "framework/entry_rules.h"

#include "framework/errors.h"
#include "framework/evaluator.h"
#include "framework/number_text.h"
#include "framework/unit_tokens.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvex::app {

namespace {
constexpr long double kIntMin = std::numeric_limits<int>::min();
constexpr long double kIntMax = std::numeric_limits<int>::max();
}  // namespace

// An edit starts unlimited; a combo box created by code starts at 0 .. 0.
TEntryRules::TEntryRules(TEntryStyle style)
    : style_(style),
      minVal_(style == TEntryStyle::Edit ? -std::numeric_limits<long double>::max() : 0),
      maxVal_(style == TEntryStyle::Edit ? std::numeric_limits<long double>::max() : 0) {}

void TEntryRules::SetIntegerOnly(bool integerOnly) {
    integerOnly_ = integerOnly;
    if (!integerOnly || loading_) return;
    SetMaxVal(maxVal_);
    SetMinVal(minVal_);
}

void TEntryRules::SetMinVal(long double value) {
    if (!loading_) {
        value = std::min(value, maxVal_);
        if (integerOnly_) value = std::clamp(value, kIntMin, kIntMax);
        const long double number = NumberOr(value);
        if (number < value) ShowNumber(value);
    }
    minVal_ = value;
}

void TEntryRules::SetMaxVal(long double value) {
    if (!loading_) {
        value = std::max(value, minVal_);
        if (integerOnly_) value = std::clamp(value, kIntMin, kIntMax);
        const long double number = NumberOr(value);
        if (number > value) ShowNumber(value);
    }
    maxVal_ = value;
}

long double TEntryRules::NumberOr(long double fallback) const {
    try {
        return Number();
    } catch (const EAssignError&) {
        return fallback;
    }
}

void TEntryRules::SetUnits(int system) { units_ = ClampUnits(system); }

QString TEntryRules::LabelText() const {
    if (unitsString_.isEmpty()) return caption_;
    const auto variant = style_ == TEntryStyle::Edit ? TLabelVariant::Edit : TLabelVariant::Combo;
    return caption_ + QStringLiteral(" (") + UnitLabel(unitsString_, units_, variant) + u')';
}

void TEntryRules::SetItems(const QStringList& items, const QList<long double>& values) {
    items_ = items;
    values_ = values;
}

long double TEntryRules::Number() const {
    const qsizetype item = items_.indexOf(text_);
    if (item >= 0 && item < values_.size()) return EvaluateEntry(Display(values_[item]));
    return EvaluateEntry(text_);
}

void TEntryRules::SetNumber(long double value) {
    if (!loading_) value = std::clamp(value, minVal_, maxVal_);
    ShowNumber(value);
}

long double TEntryRules::Accept() {
    long double value = 0;
    try {
        value = Number();
    } catch (const EAssignError& e) {
        if (integerOnly_) throw EAssignError(QStringLiteral("Entry must be a valid integer."));
        throw;
    }
    if (integerOnly_ && std::trunc(value) != value) throw EIntError(QStringLiteral("Entry must be an integer."));
    if (value < minVal_) {
        ShowNumber(minVal_);
        throw EMinError(QStringLiteral("Entry must be greater than or equal to ") + FormatDisplay(minVal_));
    }
    if (value > maxVal_) {
        ShowNumber(maxVal_);
        throw EMaxError(QStringLiteral("Entry must be less than or equal to ") + FormatDisplay(maxVal_));
    }
    return value;
}

bool TEntryRules::Validate() {
    valid_ = false;
    rejection_.clear();
    try {
        const long double value = Accept();
        // A combo box leaves the text as typed.
        if (style_ == TEntryStyle::Edit) ShowNumber(value);
        valid_ = true;
    } catch (const EKorvexError& e) {
        rejection_ = e.Message();
    }
    return valid_;
}

QString TEntryRules::Display(long double value) const {
    if (style_ == TEntryStyle::Combo) {
        if (integerOnly_) return QString::number(static_cast<long long>(std::trunc(value)));
        return FormatGeneral(value, 8, -4);
    }
    if (hex_) {
        const auto whole = static_cast<uint>(static_cast<int>(std::nearbyint(std::clamp(value, kIntMin, kIntMax))));
        return u'$' + QStringLiteral("%1").arg(whole, 4, 16, QChar(u'0')).toUpper();
    }
    return FormatDisplay(value);
}

bool TEntryRules::ExtendsSelection(QChar key) { return QStringLiteral("+-/*^=%!").contains(key); }

QChar TEntryRules::ComboKey(QChar key) {
    const QChar upper = key.toUpper();
    if (upper.isDigit() || QStringLiteral("-.E\b").contains(upper)) return upper;
    return QChar();
}

}  // namespace korvex::app
