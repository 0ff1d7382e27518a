#include "framework/widgets/data_combo.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace korvex::app {

TDataCombo::TDataCombo(QWidget* parent) : TEntryControl(TEntryStyle::Combo, parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->installEventFilter(this);
    setEditText(rules_.Text());
}

void TDataCombo::SetItems(const QStringList& items, const QList<long double>& values) {
    const QString typed = currentText();
    clear();
    addItems(items);
    rules_.SetItems(items, values);
    setEditText(typed);
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

}  // namespace korvex::app
