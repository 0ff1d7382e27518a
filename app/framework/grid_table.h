// TGridTable: a data-entry table of typed columns and rows, with row limits,
// a unit system, a caption and change tracking. Tables are registered in
// their family's registry under a unique identifier, through which table
// columns name their templates. The table's layout travels as the column
// description "Col" (WriteColumns / ReadColumns).
#pragma once

#include "framework/cell_data.h"
#include "framework/column.h"
#include "framework/unit_tokens.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

namespace korvex::app {

class TTableRegistry;
class TValueReader;
class TValueWriter;

class TGridTable : public QObject {
    Q_OBJECT

public:
    // A table owned by another table takes its owner's unit system.
    explicit TGridTable(TGridTable* owner = nullptr);
    ~TGridTable() override;

    const QString& Comments() const { return comments_; }
    void SetComments(const QString& comments) { comments_ = comments; }
    int Identifier() const { return identifier_; }
    // A negative value is ignored; a table that holds the value gets this
    // table's old identifier, so identifiers stay unique.
    void SetIdentifier(int identifier);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    int MaxRows() const { return maxRows_; }
    void SetMaxRows(int maxRows) { maxRows_ = maxRows; }
    int MinRows() const { return minRows_; }
    // Raises "Value must be greater than 0" for 0 or less.
    void SetMinRows(int minRows);
    // The name of the picture shown in the table window.
    const QString& HelpPicture() const { return helpPicture_; }
    void SetHelpPicture(const QString& picture) { helpPicture_ = picture; }
    bool HardwiredButton() const { return hardwiredButton_; }
    void SetHardwiredButton(bool hardwired) { hardwiredButton_ = hardwired; }
    int RowGroup() const { return rowGroup_; }
    void SetRowGroup(int rowGroup) { rowGroup_ = std::max(1, rowGroup); }
    const QString& TopLeft() const { return topLeft_; }
    void SetTopLeft(const QString& text) { topLeft_ = text; }

    TGridTable* Owner() const { return owner_; }
    // The template this table was duplicated from, if any.
    const TGridTable* Origin() const { return origin_; }
    TTableRegistry& Registry() const { return registry_; }
    virtual TLabelVariant LabelVariant() const { return TLabelVariant::Full; }

    int Units() const { return units_; }
    // Converts every column to the new system and raises table changed.
    void SetUnits(int system);

    int RowCount() const { return rowCount_; }
    void SetRowCount(int count);
    void AppendGroup();
    void InsertGroup(int row);
    void DeleteGroup(int row);

    TData Cell(int column, int row) const { return TData(Column(column), row); }
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    TColumn* Column(int i) const { return columns_.at(i).get(); }
    int IndexOf(const TColumn* column) const;
    int VisibleColumnCount() const;
    // Raises "Index out of bounds" for an index out of range.
    TColumn* VisibleColumn(int i) const;
    int VisibleIndexOf(const TColumn* column) const;
    int HeaderRowCount() const;
    // Attaches the column: it gets as many rows as the table has.
    TColumn* AddColumn(std::unique_ptr<TColumn> column);
    template <typename C, typename... Args>
    C* Add(const QStringList& captions, Args&&... args) {
        auto column = std::make_unique<C>(std::forward<Args>(args)...);
        column->Captions() = captions;
        return static_cast<C*>(AddColumn(std::move(column)));
    }

    // Typed entry of the table window: the cell takes the text and the table
    // counts as changed. Rejections raise EAssignError.
    void EnterText(int column, int row, const QString& text);
    bool IsChanged() const;
    void SetChanged(bool changed);

    // Row number within the owning table (0 for a top-level table).
    int Number() const { return number_; }
    void SetNumber(int number) { number_ = number; }
    // The caption, a blank, and the row number of every owning level.
    QString WindowTitle() const;

    QByteArray WriteColumns() const;
    void ReadColumns(const QByteArray& description);

    // Pads or cuts the template lists of the table columns to the item count
    // of the first column (when that is an enumeration), else to one entry.
    void SynchroniseTemplates();
    // A new sub-table owned by `owner` for the row numbered `number`, with
    // this table's captions, limits, cloned columns and MinRows new rows.
    std::unique_ptr<TGridTable> Duplicate(TGridTable* owner, int number) const;
    // Called by the columns when a value changed.
    void ColumnValueChanged(const TColumn* column, int row);

signals:
    void tableChanged();
    void cellChanged(int column, int row);

protected:
    TGridTable(TTableRegistry& registry, TGridTable* owner);
    virtual std::unique_ptr<TGridTable> NewTable(TGridTable* owner) const;
    virtual void CopySettingsTo(TGridTable& /*copy*/) const {}
    virtual void WriteGraphicParameters(TValueWriter& /*writer*/) const {}
    virtual void ReadGraphicParameters(TValueReader& /*reader*/) {}

private:
    std::unique_ptr<TColumn> ReadColumn(TValueReader& reader, int index);
    int GroupStart(int row) const { return row / rowGroup_ * rowGroup_; }
    void FillColumn(TColumn& column);

    TTableRegistry& registry_;
    TGridTable* owner_;
    const TGridTable* origin_ = nullptr;
    QString comments_;
    int identifier_ = 0;
    QString caption_;
    int maxRows_ = 0;
    int minRows_ = 1;
    QString helpPicture_;
    bool hardwiredButton_ = false;
    int rowGroup_ = 1;
    QString topLeft_;
    int units_ = kEnglish;
    int rowCount_ = 1;
    int number_ = 0;
    bool changed_ = false;
    std::vector<std::unique_ptr<TColumn>> columns_;
};

}  // namespace korvex::app
