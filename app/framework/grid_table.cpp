#include "framework/grid_table.h"

#include "framework/column_kinds.h"
#include "framework/enum_column.h"
#include "framework/errors.h"
#include "framework/table_column.h"
#include "framework/table_registry.h"
#include "framework/value_stream.h"

#include <algorithm>

namespace korvex::app {

TGridTable::TGridTable(TGridTable* owner) : TGridTable(TTableRegistry::Plain(), owner) {}

TGridTable::TGridTable(TTableRegistry& registry, TGridTable* owner)
    : registry_(registry), owner_(owner), units_(owner ? owner->Units() : kEnglish) {
    identifier_ = registry_.Add(this);
}

TGridTable::~TGridTable() {
    columns_.clear();
    registry_.Remove(this);
}

void TGridTable::SetIdentifier(int identifier) {
    if (identifier < 0) return;
    if (TGridTable* other = registry_.FindIdentifier(identifier); other && other != this)
        other->identifier_ = identifier_;
    identifier_ = identifier;
}

void TGridTable::SetMinRows(int minRows) {
    if (minRows <= 0) throw EInvalidOperation(QStringLiteral("Value must be greater than 0"));
    minRows_ = minRows;
}

void TGridTable::SetUnits(int system) {
    system = ClampUnits(system);
    if (system == units_) return;
    for (const auto& column : columns_) column->ConvertUnits(system);
    units_ = system;
    emit tableChanged();
}

void TGridTable::SetRowCount(int count) {
    count = std::max(0, count);
    for (const auto& column : columns_) {
        while (column->RowCount() > count) column->DeleteRow(column->RowCount() - 1);
        while (column->RowCount() < count) column->InsertRows(column->RowCount(), rowGroup_);
    }
    rowCount_ = columns_.empty() ? count : columns_.front()->RowCount();
}

void TGridTable::AppendGroup() {
    for (const auto& column : columns_) column->InsertRows(column->RowCount(), rowGroup_);
    rowCount_ += rowGroup_;
    emit tableChanged();
}

void TGridTable::InsertGroup(int row) {
    const int start = GroupStart(row);
    for (const auto& column : columns_) column->InsertRows(start, rowGroup_);
    rowCount_ += rowGroup_;
    emit tableChanged();
}

void TGridTable::DeleteGroup(int row) {
    const int start = GroupStart(row);
    const int count = std::min(rowGroup_, rowCount_ - start);
    for (const auto& column : columns_)
        for (int i = 0; i < count; ++i) column->DeleteRow(start);
    rowCount_ -= std::max(0, count);
    emit tableChanged();
}

int TGridTable::IndexOf(const TColumn* column) const {
    const auto it = std::find_if(columns_.begin(), columns_.end(), [&](const auto& c) { return c.get() == column; });
    return it == columns_.end() ? -1 : static_cast<int>(it - columns_.begin());
}

int TGridTable::VisibleColumnCount() const {
    return static_cast<int>(std::count_if(columns_.begin(), columns_.end(), [](const auto& c) { return c->Visible(); }));
}

TColumn* TGridTable::VisibleColumn(int i) const {
    for (const auto& column : columns_)
        if (column->Visible() && i-- == 0) return column.get();
    throw EInvalidOperation(QStringLiteral("Index out of bounds"));
}

int TGridTable::VisibleIndexOf(const TColumn* column) const {
    int index = 0;
    for (const auto& c : columns_) {
        if (c.get() == column) return c->Visible() ? index : -1;
        if (c->Visible()) ++index;
    }
    return -1;
}

int TGridTable::HeaderRowCount() const {
    int count = 0;
    for (const auto& column : columns_)
        if (column->Visible()) count = std::max(count, column->CaptionLineCount());
    return count;
}

void TGridTable::FillColumn(TColumn& column) {
    while (column.RowCount() < rowCount_) column.InsertRows(column.RowCount(), std::min(rowGroup_, rowCount_ - column.RowCount()));
}

TColumn* TGridTable::AddColumn(std::unique_ptr<TColumn> column) {
    column->SetTable(this);
    columns_.push_back(std::move(column));
    FillColumn(*columns_.back());
    SynchroniseTemplates();
    return columns_.back().get();
}

void TGridTable::EnterText(int column, int row, const QString& text) {
    Column(column)->SetText(row, text);
    SetChanged(true);
}

bool TGridTable::IsChanged() const {
    return changed_ || std::any_of(columns_.begin(), columns_.end(), [](const auto& c) { return c->IsChanged(); });
}

void TGridTable::SetChanged(bool changed) {
    changed_ = changed;
    if (!changed)
        for (const auto& column : columns_) column->ResetChanged();
}

QString TGridTable::WindowTitle() const {
    QString numbers;
    for (const TGridTable* level = this; level; level = level->owner_)
        if (level->number_ > 0) numbers.prepend(QStringLiteral(" %1").arg(level->number_));
    return caption_ + u' ' + numbers;
}

void TGridTable::SynchroniseTemplates() {
    const auto* selector = columns_.empty() ? nullptr : dynamic_cast<const TEnumColumn*>(columns_.front().get());
    const int count = selector ? static_cast<int>(selector->Items().size()) : 1;
    for (const auto& column : columns_)
        if (auto* tableColumn = dynamic_cast<TTableColumn*>(column.get())) tableColumn->ResizeTemplates(count);
}

std::unique_ptr<TGridTable> TGridTable::NewTable(TGridTable* owner) const {
    return std::make_unique<TGridTable>(owner);
}

std::unique_ptr<TGridTable> TGridTable::Duplicate(TGridTable* owner, int number) const {
    auto copy = NewTable(owner);
    copy->caption_ = caption_;
    copy->comments_ = comments_;
    copy->topLeft_ = topLeft_;
    copy->helpPicture_ = helpPicture_;
    copy->minRows_ = minRows_;
    copy->maxRows_ = maxRows_;
    copy->number_ = number;
    copy->origin_ = this;
    copy->rowCount_ = minRows_;
    CopySettingsTo(*copy);
    for (const auto& column : columns_) copy->AddColumn(column->Clone());
    return copy;
}

void TGridTable::ColumnValueChanged(const TColumn* column, int row) {
    const int index = IndexOf(column);
    if (index == 0 && column->Kind() == TColumnKind::Enum) {
        for (const auto& c : columns_)
            if (auto* tableColumn = dynamic_cast<TTableColumn*>(c.get())) {
                tableColumn->RecreateRow(row);
                break;
            }
    }
    emit cellChanged(index, row);
}

QByteArray TGridTable::WriteColumns() const {
    TValueWriter writer;
    writer.WriteInteger(ColumnCount());
    for (const auto& column : columns_) column->Write(writer);
    WriteGraphicParameters(writer);
    return writer.Bytes();
}

std::unique_ptr<TColumn> TGridTable::ReadColumn(TValueReader& reader, int index) {
    const int code = reader.ReadInteger();
    auto column = CreateColumn(code);
    if (!column) throw EReadError(QStringLiteral("Error Column Class not defined"));
    try {
        column->SetTable(this);
        column->Read(reader);
    } catch (const EKorvexError& e) {
        throw EReadError(QString::asprintf("Error occured when creating column %d: %s", index, qPrintable(e.Message())));
    }
    return column;
}

void TGridTable::ReadColumns(const QByteArray& description) {
    TValueReader reader(description);
    int count = 0;
    try {
        count = reader.ReadInteger();
    } catch (const EReadError&) {
        throw EReadError(QStringLiteral("Error reading column count"));
    }
    columns_.clear();
    for (int i = 0; i < count; ++i) AddColumn(ReadColumn(reader, i));
    SynchroniseTemplates();
    ReadGraphicParameters(reader);
    emit tableChanged();
}

}  // namespace korvex::app
