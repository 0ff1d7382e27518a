// TTableGrid: the grid of a table window. Its current cell always shows an
// editor; Enter moves down the column, from the last row to the first row of
// the next column and from the last column back to the first one. Cells
// whose items are disabled (columns edited through in-cell controls) are
// passed over. The top-left corner shows a caption.
#pragma once

#include <QPointer>
#include <QTableWidget>

namespace korvex::app {

class TTableGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit TTableGrid(QWidget* parent = nullptr);

    void SetTopLeft(const QString& text);
    const QString& TopLeft() const { return topLeft_; }

    // The editor of the current cell, while one is open.
    QWidget* Editor() const { return state() == QAbstractItemView::EditingState ? editor_.data() : nullptr; }
    // Hands the text of an open editor to its cell.
    void CommitPendingEdit();
    // Whether the widget is the grid or its cell editor (not a control laid
    // over a cell).
    bool HoldsTextFocus(const QWidget* widget) const { return widget && (widget == this || widget == editor_); }
    // Closes the editor without handing its text to the cell.
    void DiscardPendingEdit();
    // At most ten data rows are on show; more rows scroll.
    QSize sizeHint() const override;

    void MoveOnEnter();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TCellDelegate;
    void EditorOpened(QWidget* editor) { editor_ = editor; }
    bool IsEditable(int row, int column) const;
    // The first editable column from `column` on, wrapping to the start.
    int NextEditableColumn(int column) const;
    void PaintCorner(QWidget& corner);

    QString topLeft_;
    QPointer<QWidget> editor_;
};

}  // namespace korvex::app
