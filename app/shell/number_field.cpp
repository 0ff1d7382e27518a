#include "shell/number_field.h"

#include "framework/errors.h"

namespace korvex::app {

TNumberField::TNumberField(const QString& caption, const QString& unitToken, const TFieldRange& range,
                           QWidget* parent)
    : QLineEdit(parent) {
    rules_.SetIntegerOnly(range.integer);
    rules_.SetMinVal(range.min);
    rules_.SetMaxVal(range.max);
    rules_.SetCaption(caption);
    rules_.SetUnitsString(unitToken);
}

void TNumberField::SetValue(long double value) {
    rules_.SetNumber(value);
    setText(rules_.Text());
}

bool TNumberField::Validate() {
    rules_.SetText(text());
    const bool valid = rules_.Validate();
    setText(rules_.Text());
    if (valid) return true;
    setFocus();
    emit rejected(rules_.RejectionMessage());
    return false;
}

}  // namespace korvex::app
