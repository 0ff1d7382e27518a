// TDataCombo: the editable drop-down variant of the numeric entry. It offers
// named values (Items, with a parallel list of values): choosing a name
// enters its value. Typed keys are upper-cased and only digits, '-', '.',
// 'E' and Backspace are taken. On leaving the box the entry is checked as in
// TDataEdit, but an accepted text is left as typed.
#pragma once

#include "framework/entry_rules.h"

#include <QComboBox>
#include <QList>
#include <QLabel>
#include <QPointer>

namespace korvex::app {

class TDataCombo : public QComboBox {
    Q_OBJECT

public:
    // A combo box created by code starts with the bounds 0 .. 0.
    explicit TDataCombo(QWidget* parent = nullptr);

    bool IntegerOnly() const { return rules_.IntegerOnly(); }
    void SetIntegerOnly(bool integerOnly);
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

    // The captions offered and the value each one stands for.
    void SetItems(const QStringList& items, const QList<long double>& values);

    // The value of the chosen name, or of the typed text; raises
    // EAssignError when the text cannot be evaluated.
    long double Number() const;
    void SetNumber(long double value);

    bool Validate();
    bool IsValid() const { return rules_.IsValid(); }

signals:
    void exited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void RefreshLabel();
    template <typename Change>
    void Apply(Change change);

    TEntryRules rules_;
    QPointer<QLabel> label_;
    bool validating_ = false;
};

}  // namespace korvex::app
