// What the numeric edit and the numeric combo box share, over the Qt input
// widget each of them is: the entry rules, the attached label that shows the
// caption and the unit label, and the exit validation that evaluates the
// text, checks it against the bounds and shows the value it leaves.
#pragma once

#include "framework/entry_rules.h"
#include "framework/widgets/information_box.h"

#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QScopedValueRollback>

namespace korvex::app {

template <class Base>
class TEntryControl : public Base {
public:
    bool IntegerOnly() const { return rules_.IntegerOnly(); }
    void SetIntegerOnly(bool integerOnly) {
        Apply([&] { rules_.SetIntegerOnly(integerOnly); });
    }
    long double MinVal() const { return rules_.MinVal(); }
    void SetMinVal(long double value) {
        Apply([&] { rules_.SetMinVal(value); });
    }
    long double MaxVal() const { return rules_.MaxVal(); }
    void SetMaxVal(long double value) {
        Apply([&] { rules_.SetMaxVal(value); });
    }

    const QString& Caption() const { return rules_.Caption(); }
    void SetCaption(const QString& caption) {
        rules_.SetCaption(caption);
        RefreshLabel();
    }
    const QString& UnitsString() const { return rules_.UnitsString(); }
    void SetUnitsString(const QString& token) {
        rules_.SetUnitsString(token);
        RefreshLabel();
    }
    int Units() const { return rules_.Units(); }
    void SetUnits(int system) {
        rules_.SetUnits(system);
        RefreshLabel();
    }
    QLabel* EditLabel() const { return label_; }
    void SetEditLabel(QLabel* label) {
        label_ = label;
        if (label_) label_->setBuddy(this);
        RefreshLabel();
    }

    // Evaluates the current text; raises EAssignError when it cannot.
    long double Number() const {
        TEntryRules current = rules_;
        current.SetText(EntryText());
        return current.Number();
    }
    // Clamps the value into the bounds and shows it.
    void SetNumber(long double value) {
        Apply([&] { rules_.SetNumber(value); });
    }

    // Runs the exit validation and tells whether the entry is valid.
    bool Validate() {
        // The information box takes the focus away; that is no second exit.
        if (validating_) return rules_.IsValid();
        const QScopedValueRollback guard(validating_, true);
        EmitExited();
        bool valid = false;
        Apply([&] { valid = rules_.Validate(); });
        if (!valid) RejectEntry(*this, rules_.RejectionMessage(), RefocusAfterRejection());
        return valid;
    }
    bool IsValid() const { return rules_.IsValid(); }

protected:
    TEntryControl(TEntryStyle style, QWidget* parent) : Base(parent), rules_(style) {}

    // The text the user sees, and showing a text the rules leave.
    virtual QString EntryText() const = 0;
    virtual void ShowEntryText(const QString& text) = 0;
    // Raises the control's signal at the start of every exit validation.
    virtual void EmitExited() = 0;
    virtual bool RefocusAfterRejection() const { return true; }

    // Runs a change of the rules on the text shown and shows the text they leave.
    template <typename Change>
    void Apply(Change change) {
        rules_.SetText(EntryText());
        change();
        ShowEntryText(rules_.Text());
    }

    void RefreshLabel() {
        if (!label_) return;
        label_->setText(rules_.LabelText());
        label_->setEnabled(this->isEnabled());
    }

    void changeEvent(QEvent* event) override {
        Base::changeEvent(event);
        if (event->type() == QEvent::EnabledChange) RefreshLabel();
    }

    // Leaving the box validates it; opening a menu or a pop-up does not leave it.
    void focusOutEvent(QFocusEvent* event) override {
        Base::focusOutEvent(event);
        if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) Validate();
    }

    TEntryRules rules_;

private:
    QPointer<QLabel> label_;
    bool validating_ = false;
};

}  // namespace korvex::app
