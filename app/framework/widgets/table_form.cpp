#include "framework/widgets/table_form.h"

#include "framework/errors.h"
#include "framework/grid_table.h"
#include "framework/widgets/cell_controls.h"
#include "framework/widgets/column_width.h"
#include "framework/widgets/information_box.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace korvex::app {

namespace {
QHash<const TGridTable*, TTableForm*>& OpenForms() {
    static QHash<const TGridTable*, TTableForm*> forms;
    return forms;
}

// The caption lines of a column, one header row each; columns with fewer
// lines leave the lower header rows empty.
QString HeaderText(const TColumn& column, int headerRows) {
    QStringList lines;
    for (int i = 0; i < headerRows; ++i) lines << column.CaptionLine(i);
    return lines.join(u'\n');
}

QString CommentText(QString comments) { return comments.replace(u'\r', u'\n'); }
}  // namespace

TTableForm::TTableForm(TGridTable& table, QWidget* parent) : QWidget(parent), table_(table) {
    OpenForms().insert(&table_, this);
    table_.SetRowCount(std::max(table_.RowCount(), table_.MinRows()));
    BuildControls();
    connect(&table_, &TGridTable::tableChanged, this, [this] { Refresh(); });
    connect(&table_, &TGridTable::cellChanged, this, &TTableForm::RewriteCell);
    connect(&table_, &QObject::destroyed, this, &TTableForm::TableDestroyed);
    connect(grid_, &QTableWidget::currentCellChanged, this, &TTableForm::CurrentCellChanged);
    connect(qApp, &QApplication::focusChanged, this, &TTableForm::FocusChanged);
    Refresh();
}

TTableForm::~TTableForm() {
    if (tableAlive_) OpenForms().remove(&table_);
}

TTableForm* TTableForm::Of(const TGridTable& table) { return OpenForms().value(&table); }

void TTableForm::BuildControls() {
    layout_ = new QVBoxLayout(this);
    grid_ = new TTableGrid;
    grid_->setObjectName(QStringLiteral("Grid"));
    layout_->addWidget(grid_, 1);
    buttonRow_ = new QHBoxLayout;
    const auto button = [this](const char* name, const QString& caption, void (TTableForm::*click)()) {
        auto* b = new QPushButton(caption);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, click);
        buttonRow_->addWidget(b);
        return b;
    };
    btnAdd_ = button("BtnAdd", QStringLiteral("&Add Row"), &TTableForm::AddRowClick);
    btnIns_ = button("BtnIns", QStringLiteral("&Insert Row"), &TTableForm::InsertRowClick);
    btnDel_ = button("BtnDel", QStringLiteral("&Delete Row"), &TTableForm::DeleteRowClick);
    buttonRow_->addStretch();
    layout_->addLayout(buttonRow_);
    lblComments_ = new QLabel(CommentText(table_.Comments()));
    lblComments_->setObjectName(QStringLiteral("lblComments"));
    lblComments_->setWordWrap(true);
    lblComments_->setVisible(!table_.Comments().isEmpty());
    layout_->addWidget(lblComments_);
    // Help pictures are found under the "help" search prefix of the
    // application's files (QDir::setSearchPaths).
    imgHelp_ = new QLabel;
    imgHelp_->setObjectName(QStringLiteral("imgHelp"));
    imgHelp_->setPixmap(QPixmap(QStringLiteral("help:") + table_.HelpPicture()));
    imgHelp_->setVisible(!table_.HelpPicture().isEmpty() && !imgHelp_->pixmap().isNull());
    layout_->addWidget(imgHelp_);
}

void TTableForm::Refresh() {
    if (!tableAlive_) return;
    const QScopedValueRollback quiet(quiet_, true);
    setWindowTitle(table_.WindowTitle());
    grid_->SetTopLeft(table_.TopLeft());
    RefreshCells();
    RefreshHeader();
    RefreshButtons();
}

void TTableForm::RefreshHeader() {
    const int headerRows = table_.HeaderRowCount();
    const int pixelsPerInch = logicalDpiX();
    for (int c = 0; c < grid_->columnCount(); ++c) {
        const TColumn& column = *table_.VisibleColumn(c);
        grid_->setHorizontalHeaderItem(c, new QTableWidgetItem(HeaderText(column, headerRows)));
        grid_->setColumnWidth(c, MinColumnWidth(column, grid_->fontMetrics(), pixelsPerInch));
    }
    QStringList rowLabels;
    for (int r = 0; r < table_.RowCount(); ++r) rowLabels << QString::number(r / table_.RowGroup() + 1);
    grid_->setVerticalHeaderLabels(rowLabels);
}

// The cells are written afresh, so that in-cell controls always belong to
// the columns and rows the table holds now.
void TTableForm::RefreshCells() {
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    grid_->setRowCount(0);
    grid_->setColumnCount(table_.VisibleColumnCount());
    grid_->setRowCount(table_.RowCount());
    for (int r = 0; r < grid_->rowCount(); ++r)
        for (int c = 0; c < grid_->columnCount(); ++c) WriteCell(c, r);
    if (grid_->rowCount() > 0 && column >= 0) grid_->setCurrentCell(std::min(row, grid_->rowCount() - 1), column);
}

bool TTableForm::CanAddRows() const { return table_.RowCount() != table_.MaxRows(); }

bool TTableForm::CanDeleteRows() const { return table_.RowCount() > table_.MinRows(); }

void TTableForm::RefreshButtons() {
    const bool rowsVary = table_.MinRows() != table_.MaxRows();
    for (QPushButton* b : {btnAdd_, btnIns_, btnDel_}) b->setVisible(rowsVary);
    btnAdd_->setEnabled(CanAddRows());
    btnIns_->setEnabled(CanAddRows());
    btnDel_->setEnabled(CanDeleteRows());
}

void TTableForm::WriteCell(int visibleColumn, int row) {
    TColumn& column = *table_.VisibleColumn(visibleColumn);
    if (!column.UsesControls()) {
        grid_->setItem(row, visibleColumn, new QTableWidgetItem(column.GetText(row)));
        return;
    }
    // A cell under a control never becomes the current cell.
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::NoItemFlags);
    grid_->setItem(row, visibleColumn, item);
    if (QWidget* control = grid_->cellWidget(row, visibleColumn))
        RefreshCellControl(*control, column, row);
    else
        grid_->setCellWidget(row, visibleColumn, CreateCellControl(column, row));
}

void TTableForm::RewriteCell(int column, int row) {
    const int visibleColumn = table_.VisibleIndexOf(table_.Column(column));
    if (visibleColumn < 0 || row >= grid_->rowCount() || visibleColumn >= grid_->columnCount()) return;
    const QScopedValueRollback quiet(quiet_, true);
    WriteCell(visibleColumn, row);
}

void TTableForm::RewriteTextCells() {
    const QScopedValueRollback quiet(quiet_, true);
    for (int c = 0; c < grid_->columnCount(); ++c)
        if (!table_.VisibleColumn(c)->UsesControls())
            for (int r = 0; r < grid_->rowCount(); ++r) grid_->item(r, c)->setText(table_.VisibleColumn(c)->GetText(r));
}

// Text that still reads as the cell's value is not entered again: entering
// the shown 8-digit text would cut a value held to more digits.
bool TTableForm::EnterCell(int row, int visibleColumn) {
    if (!tableAlive_ || row < 0 || visibleColumn < 0 || row >= table_.RowCount() ||
        visibleColumn >= table_.VisibleColumnCount())
        return true;
    TColumn* column = table_.VisibleColumn(visibleColumn);
    const QTableWidgetItem* item = grid_->item(row, visibleColumn);
    if (column->UsesControls() || !item || item->text() == column->GetText(row)) return true;
    try {
        table_.EnterText(table_.IndexOf(column), row, item->text());
    } catch (const EKorvexError& e) {
        const QScopedValueRollback quiet(quiet_, true);
        ShowInformation(this, e.Message());
        return false;
    }
    RewriteTextCells();
    return true;
}

bool TTableForm::ValidateCell() {
    grid_->CommitPendingEdit();
    if (EnterCell(grid_->currentRow(), grid_->currentColumn())) return true;
    grid_->setFocus();
    return false;
}

void TTableForm::CurrentCellChanged(int, int, int previousRow, int previousColumn) {
    if (quiet_ || EnterCell(previousRow, previousColumn)) return;
    const QScopedValueRollback quiet(quiet_, true);
    grid_->setCurrentCell(previousRow, previousColumn);
    grid_->setFocus();
}

// Leaving the grid for another control or window hands over the typed text
// first; a rejected text keeps the focus in the grid.
void TTableForm::FocusChanged(QWidget* old, QWidget* now) {
    if (quiet_ || !now || !grid_->HoldsTextFocus(old) || grid_->HoldsTextFocus(now)) return;
    ValidateCell();
}

int TTableForm::CurrentDataRow() {
    const int row = grid_->currentRow();
    if (row >= 0 && row < table_.RowCount()) return row;
    ShowInformation(this, QStringLiteral("Grid.Row not in valid range"));
    return -1;
}

void TTableForm::ShowMoreRows() {
    FitToContents();
    grid_->scrollToItem(grid_->item(grid_->rowCount() - 1, 0));
}

void TTableForm::AddRowClick() {
    if (!CanAddRows() || !ValidateCell()) return;
    table_.AppendGroup();
    table_.SetChanged(true);
    ShowMoreRows();
}

void TTableForm::InsertRowClick() {
    if (!CanAddRows() || !ValidateCell()) return;
    const int row = CurrentDataRow();
    if (row < 0) return;
    table_.InsertGroup(row);
    table_.SetChanged(true);
    FitToContents();
}

void TTableForm::DeleteRowClick() {
    if (!CanDeleteRows() || !ValidateCell()) return;
    const int row = CurrentDataRow();
    if (row < 0) return;
    table_.DeleteGroup(row);
    table_.SetChanged(true);
}

void TTableForm::FitToContents() {
    grid_->updateGeometry();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->adjustSize();
    else if (isWindow())
        adjustSize();
}

void TTableForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FitToContents();
}

void TTableForm::closeEvent(QCloseEvent* event) {
    if (tableAlive_ && !ValidateCell()) {
        event->ignore();
        return;
    }
    event->accept();
}

// A table that goes away takes its window with it.
void TTableForm::TableDestroyed() {
    OpenForms().remove(&table_);
    tableAlive_ = false;
    QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    (frame ? frame : this)->deleteLater();
}

}  // namespace korvex::app
