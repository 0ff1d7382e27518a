// Opening the window of a table from another window (a sub-table from the
// button of its row). A table has at most one window: an open one is
// brought to the front. A new window joins the workspace of the window it is
// opened from, or is a window of its own; it is modal, and the call waits
// until it is closed, when the window it is opened from is modal.
#pragma once

#include <memory>

class QWidget;

namespace korvex::app {

class TGridTable;
class TTableForm;

// The editor window of the table's family: TTableChartForm for a chart table.
std::unique_ptr<TTableForm> CreateTableForm(TGridTable& table);

void ShowTableWindow(TGridTable& table, QWidget& from);

}  // namespace korvex::app
