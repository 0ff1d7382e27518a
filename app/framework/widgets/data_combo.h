// TDataCombo: the editable drop-down variant of the numeric entry. It offers
// named values (Items, with a parallel list of values): choosing a name
// enters its value. Typed keys are upper-cased and only digits, '-', '.',
// 'E' and Backspace are taken. On leaving the box the entry is checked as in
// TDataEdit, but an accepted text is left as typed.
#pragma once

#include "framework/widgets/entry_control.h"

#include <QComboBox>
#include <QList>

namespace korvex::app {

class TDataCombo : public TEntryControl<QComboBox> {
    Q_OBJECT

public:
    // A combo box created by code starts with the bounds 0 .. 0.
    explicit TDataCombo(QWidget* parent = nullptr);

    // The captions offered and the value each one stands for.
    void SetItems(const QStringList& items, const QList<long double>& values);

signals:
    // Raised at the start of every exit validation.
    void exited();

protected:
    QString EntryText() const override { return currentText(); }
    void ShowEntryText(const QString& shown) override { setEditText(shown); }
    void EmitExited() override { emit exited(); }
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace korvex::app
