// TNumberField: the numeric entry of the data windows, a line edit over the
// model's entry rules (expression evaluation, range, integer entries, unit
// label). It stands in for the framework's numeric edit control with the
// same rules.
#pragma once

#include "framework/entry_rules.h"

#include <QLineEdit>
#include <limits>

namespace korvex::app {

struct TFieldRange {
    long double min = -std::numeric_limits<long double>::max();
    long double max = std::numeric_limits<long double>::max();
    bool integer = false;
};

class TNumberField : public QLineEdit {
    Q_OBJECT

public:
    TNumberField(const QString& caption, const QString& unitToken, const TFieldRange& range,
                 QWidget* parent = nullptr);

    // Caption followed by the unit label of the current unit system.
    QString LabelText() const { return rules_.LabelText(); }
    void SetUnits(int system) { rules_.SetUnits(system); }
    void SetValue(long double value);
    // The value of an entry that Validate() accepted.
    long double Value() const { return rules_.Number(); }
    // Checks the entry; on a rejection emits rejected() with the message
    // and keeps the focus here.
    bool Validate();

signals:
    void rejected(const QString& message);

private:
    TEntryRules rules_;
};

}  // namespace korvex::app
