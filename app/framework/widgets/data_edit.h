// TDataEdit: the numeric edit of the input dialogs. The user types a number
// or an expression; on leaving the box, on Enter and from Validate the text
// is evaluated, checked against the bounds and replaced by its value. A
// rejection is shown in an information box and the box keeps the focus. The
// attached label shows the caption and the unit label of the quantity.
#pragma once

#include "framework/entry_rules.h"

#include <QLineEdit>
#include <QLabel>
#include <QPointer>

namespace korvex::app {

class TDataEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TDataEdit(QWidget* parent = nullptr);

    bool IntegerOnly() const { return rules_.IntegerOnly(); }
    void SetIntegerOnly(bool integerOnly);
    bool Hex() const { return rules_.Hex(); }
    void SetHex(bool hex) { rules_.SetHex(hex); }
    long double MinVal() const { return rules_.MinVal(); }
    void SetMinVal(long double value);
    long double MaxVal() const { return rules_.MaxVal(); }
    void SetMaxVal(long double value);

    const QString& Caption() const { return rules_.Caption(); }
    void SetCaption(const QString& caption);
    const QString& UnitsString() const { return rules_.UnitsString(); }
    void SetUnitsString(const QString& token);
    int Units() const { return rules_.Units(); }
    void SetUnits(int system);
    QLabel* EditLabel() const { return label_; }
    void SetEditLabel(QLabel* label);

    // Evaluates the current text; raises EAssignError when it cannot.
    long double Number() const;
    // Clamps the value into the bounds and shows it.
    void SetNumber(long double value);

    // Runs the exit validation and tells whether the entry is valid.
    bool Validate();
    bool IsValid() const { return rules_.IsValid(); }

signals:
    // Raised at the start of every exit validation.
    void exited();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void RefreshLabel();
    // Runs a change of the rules and shows the text they leave.
    template <typename Change>
    void Apply(Change change);

    TEntryRules rules_;
    QPointer<QLabel> label_;
    bool validating_ = false;
};

}  // namespace korvex::app
