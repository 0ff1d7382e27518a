#include "framework/widgets/data_edit.h"

#include <QKeyEvent>

namespace korvex::app {

TDataEdit::TDataEdit(QWidget* parent) : TEntryControl(TEntryStyle::Edit, parent) { setText(rules_.Text()); }

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

}  // namespace korvex::app
