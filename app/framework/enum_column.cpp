#include "framework/enum_column.h"

#include "framework/errors.h"
#include "framework/evaluator.h"
#include "framework/grid_table.h"
#include "framework/value_stream.h"

#include <cmath>
#include <limits>

namespace korvex::app {

void TEnumColumn::SetItems(const QStringList& items) {
    items_ = items;
    if (Table() && Index() == 0) Table()->SynchroniseTemplates();
}

void TEnumColumn::SetInt(int row, int value) {
    if (Value(row) != value) Store(row, value);
}

void TEnumColumn::SetText(int row, const QString& text) {
    const long double value = EvaluateEntry(text);
    if (std::trunc(value) != value || value < std::numeric_limits<int>::min() ||
        value > std::numeric_limits<int>::max())
        throw EAssignError(QStringLiteral("Value must be an integer."));
    SetInt(row, static_cast<int>(value));
}

void TEnumColumn::WriteData(TValueWriter& writer) const { writer.WriteStrings(items_); }

void TEnumColumn::ReadData(TValueReader& reader) { items_ = reader.ReadStrings(); }

}  // namespace korvex::app
