#include "framework/widgets/data_combo.h"

#include "framework/widgets/information_box.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace korvex::app {

TDataCombo::TDataCombo(QWidget* parent) : QComboBox(parent), rules_(TEntryStyle::Combo) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->installEventFilter(this);
    setEditText(rules_.Text());
}

template <typename Change>
void TDataCombo::Apply(Change change) {
    rules_.SetText(currentText());
    change();
    setEditText(rules_.Text());
}

void TDataCombo::SetIntegerOnly(bool integerOnly) {
    Apply([&] { rules_.SetIntegerOnly(integerOnly); });
}

void TDataCombo::SetMinVal(long double value) {
    Apply([&] { rules_.SetMinVal(value); });
}

void TDataCombo::SetMaxVal(long double value) {
    Apply([&] { rules_.SetMaxVal(value); });
}

void TDataCombo::SetCaption(const QString& caption) {
    rules_.SetCaption(caption);
    RefreshLabel();
}

void TDataCombo::SetUnitsString(const QString& token) {
    rules_.SetUnitsString(token);
    RefreshLabel();
}

void TDataCombo::SetUnits(int system) {
    rules_.SetUnits(system);
    RefreshLabel();
}

void TDataCombo::SetEditLabel(QLabel* label) {
    label_ = label;
    if (label_) label_->setBuddy(this);
    RefreshLabel();
}

void TDataCombo::RefreshLabel() {
    if (!label_) return;
    label_->setText(rules_.LabelText());
    label_->setEnabled(isEnabled());
}

void TDataCombo::SetItems(const QStringList& items, const QList<long double>& values) {
    const QString typed = currentText();
    clear();
    addItems(items);
    rules_.SetItems(items, values);
    setEditText(typed);
}

long double TDataCombo::Number() const {
    TEntryRules current = rules_;
    current.SetText(currentText());
    return current.Number();
}

void TDataCombo::SetNumber(long double value) {
    Apply([&] { rules_.SetNumber(value); });
}

bool TDataCombo::Validate() {
    if (validating_) return rules_.IsValid();
    const QScopedValueRollback guard(validating_, true);
    emit exited();
    bool valid = false;
    Apply([&] { valid = rules_.Validate(); });
    if (!valid) RejectEntry(*this, rules_.RejectionMessage(), true);
    return valid;
}

// Typed characters are upper-cased; characters the box does not take are
// dropped. Keys without text (arrows, Enter, Tab) keep their usual effect.
bool TDataCombo::eventFilter(QObject* watched, QEvent* event) {
    if (watched != lineEdit() || event->type() != QEvent::KeyPress) return QComboBox::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text().size() != 1 || !key->text()[0].isPrint()) return false;
    const QChar taken = TEntryRules::ComboKey(key->text()[0]);
    if (taken.isNull()) return true;
    if (taken == key->text()[0]) return false;
    QKeyEvent upper(QEvent::KeyPress, key->key(), key->modifiers(), QString(taken));
    lineEdit()->event(&upper);
    return true;
}

void TDataCombo::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) Validate();
}

void TDataCombo::changeEvent(QEvent* event) {
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) RefreshLabel();
}

}  // namespace korvex::app
