#include "framework/widgets/cell_controls.h"

#include "framework/enum_column.h"
#include "framework/grid_table.h"
#include "framework/widgets/table_windows.h"

#include <QComboBox>
#include <QPushButton>

namespace korvex::app {

namespace {
constexpr int kItemsOnDropDown = 11;

QWidget* CreateChoice(TEnumColumn& column, int row) {
    auto* combo = new QComboBox;
    combo->addItems(column.Items());
    combo->setMaxVisibleItems(kItemsOnDropDown);
    combo->setCurrentIndex(column.GetInt(row) - 1);
    QObject::connect(combo, &QComboBox::activated, combo, [&column, row](int index) {
        if (column.GetInt(row) == index + 1) return;
        column.SetInt(row, index + 1);
        column.Table()->SetChanged(true);
    });
    return combo;
}

QWidget* CreateSubTableButton(TColumn& column, int row) {
    auto* button = new QPushButton(column.GetText(row));
    QObject::connect(button, &QPushButton::clicked, button, [&column, row, button] {
        if (TGridTable* sub = column.GetTable(row)) ShowTableWindow(*sub, *button);
    });
    return button;
}
}  // namespace

QWidget* CreateCellControl(TColumn& column, int row) {
    if (auto* choice = dynamic_cast<TEnumColumn*>(&column)) return CreateChoice(*choice, row);
    return CreateSubTableButton(column, row);
}

void RefreshCellControl(QWidget& control, const TColumn& column, int row) {
    if (auto* combo = qobject_cast<QComboBox*>(&control)) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(column.GetInt(row) - 1);
    } else if (auto* button = qobject_cast<QPushButton*>(&control)) {
        button->setText(column.GetText(row));
    }
}

}  // namespace korvex::app
