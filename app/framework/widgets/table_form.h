// TTableForm: the window in which the user edits one data-entry table. A
// grid shows a header row per caption line, the row numbers and one column
// per visible column; below it are the buttons to add, insert and delete row
// groups, the table's comments and its help picture. Typed text is handed to
// the column when the user leaves the cell; a rejected entry is shown and
// the cell stays current. Enumeration columns are edited by drop-down lists
// and table columns by buttons that open the row's sub-table.
//
// The window is a plain widget: the main window puts it into its workspace.
// A table has at most one window (Of).
#pragma once

#include "framework/widgets/table_grid.h"

#include <QWidget>

class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace korvex::app {

class TGridTable;

class TTableForm : public QWidget {
    Q_OBJECT

public:
    explicit TTableForm(TGridTable& table, QWidget* parent = nullptr);
    ~TTableForm() override;

    // The open window of the table, if any.
    static TTableForm* Of(const TGridTable& table);

    TGridTable& Table() const { return table_; }
    TTableGrid& Grid() const { return *grid_; }

    // Hands the current cell's typed text to its column. A rejection is
    // shown and gives false; the cell stays current.
    bool ValidateCell();

    void AddRowClick();
    void InsertRowClick();
    void DeleteRowClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

    QBoxLayout& Layout() const { return *layout_; }
    QHBoxLayout& ButtonRow() const { return *buttonRow_; }
    QPushButton& BtnAdd() const { return *btnAdd_; }
    QPushButton& BtnIns() const { return *btnIns_; }
    QPushButton& BtnDel() const { return *btnDel_; }
    // Rewrites the whole grid from the table.
    virtual void Refresh();
    // Sizes the window (or the workspace frame around it) to its contents.
    void FitToContents();

private:
    void BuildControls();
    void RefreshHeader();
    void RefreshCells();
    void RefreshButtons();
    bool CanAddRows() const;
    bool CanDeleteRows() const;
    void WriteCell(int visibleColumn, int row);
    void RewriteCell(int column, int row);
    void RewriteTextCells();
    // Hands a cell's typed text to its column unless it is unchanged.
    bool EnterCell(int row, int visibleColumn);
    void CurrentCellChanged(int row, int column, int previousRow, int previousColumn);
    void FocusChanged(QWidget* old, QWidget* now);
    // The current data row, or -1 with the message shown.
    int CurrentDataRow();
    // Makes room for a new row group on show and keeps the new rows in view.
    void ShowMoreRows();
    void TableDestroyed();

    TGridTable& table_;
    bool tableAlive_ = true;
    bool quiet_ = false;
    QBoxLayout* layout_;
    TTableGrid* grid_;
    QHBoxLayout* buttonRow_;
    QPushButton* btnAdd_;
    QPushButton* btnIns_;
    QPushButton* btnDel_;
    QLabel* lblComments_;
    QLabel* imgHelp_;
};

}  // namespace korvex::app
