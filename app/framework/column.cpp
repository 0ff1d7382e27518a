#include "framework/column.h"

#include "framework/errors.h"
#include "framework/grid_table.h"
#include "framework/value_stream.h"

namespace korvex::app {

namespace {
[[noreturn]] void WrongType() { throw EInvalidCast(QStringLiteral("Data of wrong type")); }
}  // namespace

int TColumn::Index() const { return table_ ? table_->IndexOf(this) : -1; }

TColumn* TColumn::Neighbour(int offset) const {
    if (!table_) return nullptr;
    const int i = Index() + offset;
    return i >= 0 && i < table_->ColumnCount() ? table_->Column(i) : nullptr;
}

int TColumn::GroupSize() const { return table_ ? table_->RowGroup() : 1; }

TGridTable* TColumn::GetTable(int) const { WrongType(); }
long double TColumn::GetFloat(int) const { WrongType(); }
void TColumn::SetFloat(int, long double) { WrongType(); }
int TColumn::GetInt(int) const { WrongType(); }
void TColumn::SetInt(int, int) { WrongType(); }

void TColumn::Write(TValueWriter& writer) const {
    writer.WriteInteger(static_cast<int>(Kind()));
    writer.WriteStrings(captions_);
    writer.WriteBoolean(visible_);
    writer.WriteBoolean(perGroup_);
    WriteData(writer);
}

void TColumn::Read(TValueReader& reader) {
    captions_ = reader.ReadStrings();
    visible_ = reader.ReadBoolean();
    perGroup_ = reader.ReadBoolean();
    ReadData(reader);
}

std::unique_ptr<TColumn> TColumn::Clone() const {
    auto column = CloneKind();
    column->captions_ = captions_;
    column->visible_ = visible_;
    return column;
}

QList<int> TColumn::RowsToSet(int row) const {
    if (!perGroup_) return {row};
    const int size = GroupSize();
    const int first = row / size * size;
    QList<int> rows;
    for (int r = first; r < first + size && r < RowCount(); ++r) rows << r;
    return rows;
}

void TColumn::ReportChanged(int row) const {
    if (table_) table_->ColumnValueChanged(this, row);
}

}  // namespace korvex::app
