#include "framework/widgets/table_grid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace korvex::app {

namespace {
constexpr int kMostRowsOnShow = 10;

bool IsEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
}  // namespace

// Tells the grid which editor is open and turns Enter in the editor into the
// grid's move to the next cell.
class TCellDelegate : public QStyledItemDelegate {
public:
    explicit TCellDelegate(TTableGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        grid_.EditorOpened(editor);
        return editor;
    }

protected:
    bool eventFilter(QObject* editor, QEvent* event) override {
        if (!IsEnter(event)) return QStyledItemDelegate::eventFilter(editor, event);
        grid_.MoveOnEnter();
        return true;
    }

private:
    TTableGrid& grid_;
};

TTableGrid::TTableGrid(QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new TCellDelegate(*this));
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    if (auto* corner = findChild<QAbstractButton*>()) corner->installEventFilter(this);
}

void TTableGrid::SetTopLeft(const QString& text) {
    topLeft_ = text;
    const int width = std::max(fontMetrics().horizontalAdvance(text + QStringLiteral("  ")), logicalDpiX() / 3);
    verticalHeader()->setMinimumWidth(width);
    viewport()->update();
}

void TTableGrid::CommitPendingEdit() {
    if (editor_ && state() == QAbstractItemView::EditingState) commitData(editor_);
}

void TTableGrid::DiscardPendingEdit() {
    if (editor_ && state() == QAbstractItemView::EditingState)
        closeEditor(editor_, QAbstractItemDelegate::RevertModelCache);
}

// As wide as the row labels and all columns, as tall as the header and the
// rows on show; a scroll bar is added where not everything is on show.
QSize TTableGrid::sizeHint() const {
    const int rows = std::min(rowCount(), kMostRowsOnShow);
    int width = verticalHeader()->sizeHint().width() + 2 * frameWidth();
    for (int c = 0; c < columnCount(); ++c) width += columnWidth(c);
    int height = horizontalHeader()->sizeHint().height() + 2 * frameWidth();
    for (int r = 0; r < rows; ++r) height += rowHeight(r);
    if (rowCount() > rows) width += verticalScrollBar()->sizeHint().width();
    return {width, height};
}

bool TTableGrid::IsEditable(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell && cell->flags().testFlag(Qt::ItemIsEnabled);
}

int TTableGrid::NextEditableColumn(int column) const {
    for (int i = 0; i < columnCount(); ++i) {
        const int c = (column + i) % columnCount();
        if (IsEditable(0, c)) return c;
    }
    return -1;
}

void TTableGrid::MoveOnEnter() {
    const int row = currentRow();
    const int column = currentColumn();
    if (row < 0 || column < 0) return;
    if (row + 1 < rowCount()) {
        setCurrentCell(row + 1, column);
        return;
    }
    const int next = NextEditableColumn(column + 1);
    if (next >= 0) setCurrentCell(0, next);
}

void TTableGrid::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(event)) {
        MoveOnEnter();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

bool TTableGrid::eventFilter(QObject* watched, QEvent* event) {
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (!corner || event->type() != QEvent::Paint) return QTableWidget::eventFilter(watched, event);
    PaintCorner(*corner);
    return true;
}

void TTableGrid::PaintCorner(QWidget& corner) {
    QStyleOptionHeader option;
    option.initFrom(&corner);
    option.rect = corner.rect();
    option.text = topLeft_;
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::OnlyOneSection;
    QPainter painter(&corner);
    corner.style()->drawControl(QStyle::CE_Header, &option, &painter, &corner);
}

}  // namespace korvex::app
