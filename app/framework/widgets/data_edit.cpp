#include "framework/widgets/data_edit.h"

#include "framework/widgets/information_box.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScopedValueRollback>

namespace korvex::app {

TDataEdit::TDataEdit(QWidget* parent) : QLineEdit(parent), rules_(TEntryStyle::Edit) {
    setText(rules_.Text());
}

template <typename Change>
void TDataEdit::Apply(Change change) {
    rules_.SetText(text());
    change();
    setText(rules_.Text());
}

void TDataEdit::SetIntegerOnly(bool integerOnly) {
    Apply([&] { rules_.SetIntegerOnly(integerOnly); });
}

void TDataEdit::SetMinVal(long double value) {
    Apply([&] { rules_.SetMinVal(value); });
}

void TDataEdit::SetMaxVal(long double value) {
    Apply([&] { rules_.SetMaxVal(value); });
}

void TDataEdit::SetCaption(const QString& caption) {
    rules_.SetCaption(caption);
    RefreshLabel();
}

void TDataEdit::SetUnitsString(const QString& token) {
    rules_.SetUnitsString(token);
    RefreshLabel();
}

void TDataEdit::SetUnits(int system) {
    rules_.SetUnits(system);
    RefreshLabel();
}

void TDataEdit::SetEditLabel(QLabel* label) {
    label_ = label;
    if (label_) label_->setBuddy(this);
    RefreshLabel();
}

void TDataEdit::RefreshLabel() {
    if (!label_) return;
    label_->setText(rules_.LabelText());
    label_->setEnabled(isEnabled());
}

long double TDataEdit::Number() const {
    TEntryRules current = rules_;
    current.SetText(text());
    return current.Number();
}

void TDataEdit::SetNumber(long double value) {
    Apply([&] { rules_.SetNumber(value); });
}

bool TDataEdit::Validate() {
    // The information box takes the focus away; that is no second exit.
    if (validating_) return rules_.IsValid();
    const QScopedValueRollback guard(validating_, true);
    emit exited();
    bool valid = false;
    Apply([&] { valid = rules_.Validate(); });
    if (!valid) RejectEntry(*this, rules_.RejectionMessage(), isVisible());
    return valid;
}

void TDataEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Opening a menu or a pop-up does not leave the box.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) Validate();
}

void TDataEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Validate();
        selectAll();
        return;
    }
    // An operator typed over the whole value extends it: "*2" doubles it.
    const QString typed = event->text();
    if (typed.size() == 1 && TEntryRules::ExtendsSelection(typed[0]) && !text().isEmpty() &&
        selectedText() == text())
        end(false);
    QLineEdit::keyPressEvent(event);
}

void TDataEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) RefreshLabel();
}

}  // namespace korvex::app
