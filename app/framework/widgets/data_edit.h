// TDataEdit: the numeric edit of the input dialogs. The user types a number
// or an expression; on leaving the box, on Enter and from Validate the text
// is evaluated, checked against the bounds and replaced by its value. A
// rejection is shown in an information box and the box keeps the focus. The
// attached label shows the caption and the unit label of the quantity.
#pragma once

#include "framework/widgets/entry_control.h"

#include <QLineEdit>

namespace korvex::app {

class TDataEdit : public TEntryControl<QLineEdit> {
    Q_OBJECT

public:
    explicit TDataEdit(QWidget* parent = nullptr);

    bool Hex() const { return rules_.Hex(); }
    void SetHex(bool hex) { rules_.SetHex(hex); }

signals:
    // Raised at the start of every exit validation.
    void exited();

protected:
    QString EntryText() const override { return text(); }
    void ShowEntryText(const QString& shown) override { setText(shown); }
    void EmitExited() override { emit exited(); }
    // A hidden box asked to validate does not take the focus.
    bool RefocusAfterRejection() const override { return isVisible(); }
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace korvex::app
