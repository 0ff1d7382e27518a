#include "framework/table_column.h"

#include "framework/enum_column.h"
#include "framework/table_registry.h"
#include "framework/value_stream.h"

namespace korvex::app {

namespace {
const QString kTableTag = QStringLiteral("FLEXCOLUMN2");
}

void TTableColumn::ResizeTemplates(int count) {
    templates_.resize(count, -1);
}

int TTableColumn::TemplateIndex(int row) const {
    const auto* selector = dynamic_cast<const TEnumColumn*>(Table() ? Table()->Column(0) : nullptr);
    return selector && row < selector->RowCount() ? selector->GetInt(row) : 1;
}

// A template that is this table, one of its owners or their origin would
// duplicate itself without end; such a row holds no sub-table.
bool TTableColumn::WouldNest(const TGridTable* source) const {
    for (const TGridTable* level = Table(); level; level = level->Owner())
        if (level == source || level->Origin() == source) return true;
    return false;
}

std::unique_ptr<TGridTable> TTableColumn::NewRowValue(int row) const {
    const int index = TemplateIndex(row);
    if (!Table() || index < 1 || index > templates_.size()) return nullptr;
    const TGridTable* source = Table()->Registry().FindIdentifier(templates_[index - 1]);
    return source && !WouldNest(source) ? source->Duplicate(Table(), row + 1) : nullptr;
}

void TTableColumn::InsertRows(int at, int count) {
    TTypedColumn::InsertRows(at, count);
    RenumberFrom(at + count);
}

void TTableColumn::DeleteRow(int row) {
    TTypedColumn::DeleteRow(row);
    RenumberFrom(row);
}

void TTableColumn::RenumberFrom(int row) {
    for (int r = row; r < RowCount(); ++r)
        if (values_[r]) values_[r]->SetNumber(r + 1);
}

void TTableColumn::RecreateRow(int row) {
    values_.at(row) = NewRowValue(row);
    ReportChanged(row);
}

QString TTableColumn::GetText(int row) const {
    const TGridTable* sub = Value(row).get();
    return QStringLiteral("%1: %2").arg(row + 1).arg(sub ? sub->Caption() : QString());
}

bool TTableColumn::IsChanged() const {
    for (const auto& sub : values_)
        if (sub && sub->IsChanged()) return true;
    return false;
}

void TTableColumn::ResetChanged() {
    for (const auto& sub : values_)
        if (sub) sub->SetChanged(false);
}

void TTableColumn::ConvertUnits(int system) {
    for (const auto& sub : values_)
        if (sub) sub->SetUnits(system);
}

void TTableColumn::WriteData(TValueWriter& writer) const {
    writer.WriteString(kTableTag);
    writer.WriteIntegers(templates_);
}

// Older descriptions name one template by its position in the registry.
void TTableColumn::ReadData(TValueReader& reader) {
    if (reader.NextValue() == TValueType::String && reader.ReadString() == kTableTag) {
        templates_ = reader.ReadIntegers();
        return;
    }
    templates_ = LegacyTemplates(reader.ReadInteger());
}

QList<int> TTableColumn::LegacyTemplates(int position) const {
    const TGridTable* source = Table()->Registry().At(position);
    const int byPosition = source ? source->Identifier() : -1;
    const auto* selector = dynamic_cast<const TEnumColumn*>(Table()->ColumnCount() > 0 ? Table()->Column(0) : nullptr);
    if (!selector) return {byPosition};
    QList<int> templates;
    for (int item = 1; item <= selector->Items().size(); ++item)
        templates << (Table()->HardwiredButton() ? byPosition : item);
    return templates;
}

}  // namespace korvex::app
