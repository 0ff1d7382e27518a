// TColumn: the base of the five column kinds of a data-entry table. A column
// holds its caption lines, its visibility, whether a value is set for a whole
// row group, and one value per row; the kinds add their definition data.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace korvex::app {

class TGridTable;
class TValueReader;
class TValueWriter;

// Kind codes of the column description.
enum class TColumnKind : int { Enum = 0, Int = 1, Float = 2, Table = 3, String = 4 };

class TColumn {
public:
    virtual ~TColumn() = default;
    TColumn(const TColumn&) = delete;
    TColumn& operator=(const TColumn&) = delete;

    virtual TColumnKind Kind() const = 0;

    TGridTable* Table() const { return table_; }
    // Only the owning table sets this, when it attaches or reads the column.
    void SetTable(TGridTable* table) { table_ = table; }
    int Index() const;
    // The column `offset` places away in the owning table, or none.
    TColumn* Neighbour(int offset) const;

    QStringList& Captions() { return captions_; }
    const QStringList& Captions() const { return captions_; }
    int CaptionLineCount() const { return static_cast<int>(captions_.size()); }
    virtual QString CaptionLine(int i) const { return captions_.value(i); }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    bool PerGroup() const { return perGroup_; }
    void SetPerGroup(bool perGroup) { perGroup_ = perGroup; }
    int GroupSize() const;

    virtual int RowCount() const = 0;
    virtual void InsertRows(int at, int count) = 0;
    virtual void DeleteRow(int row) = 0;

    // Cells of another kind fail with "Data of wrong type".
    virtual TGridTable* GetTable(int row) const;
    virtual long double GetFloat(int row) const;
    virtual void SetFloat(int row, long double value);
    virtual int GetInt(int row) const;
    virtual void SetInt(int row, int value);
    virtual QString GetText(int row) const = 0;
    // Typed entry; rejections raise EAssignError.
    virtual void SetText(int row, const QString& text) = 0;

    virtual bool IsChanged() const { return false; }
    virtual void ResetChanged() {}
    virtual void ConvertUnits(int /*system*/) {}
    // Whether cells are edited through in-cell controls.
    virtual bool UsesControls() const { return false; }

    // The definition in the column description: kind code, captions, flags
    // and the kind's data.
    void Write(TValueWriter& writer) const;
    void Read(TValueReader& reader);
    // A new column of the same kind and definition, without rows.
    std::unique_ptr<TColumn> Clone() const;

protected:
    TColumn() = default;

    virtual void WriteData(TValueWriter& writer) const = 0;
    virtual void ReadData(TValueReader& reader) = 0;
    virtual std::unique_ptr<TColumn> CloneKind() const = 0;

    // The row alone, or every row of its group when PerGroup is set.
    QList<int> RowsToSet(int row) const;
    void ReportChanged(int row) const;

private:
    TGridTable* table_ = nullptr;
    QStringList captions_;
    bool visible_ = true;
    bool perGroup_ = false;
};

}  // namespace korvex::app
