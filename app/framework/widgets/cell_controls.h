// The controls laid over the cells of the columns that are edited through
// them: a drop-down list of the item texts for an enumeration column, and a
// push button that opens the row's sub-table for a table column.
#pragma once

class QWidget;

namespace korvex::app {

class TColumn;

QWidget* CreateCellControl(TColumn& column, int row);
// Shows the row's current value in its control.
void RefreshCellControl(QWidget& control, const TColumn& column, int row);

}  // namespace korvex::app
