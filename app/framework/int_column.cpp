#include "framework/int_column.h"

#include "framework/errors.h"
#include "framework/evaluator.h"
#include "framework/value_stream.h"

#include <cmath>

namespace korvex::app {

void TIntColumn::SetText(int row, const QString& text) {
    const long double value = EvaluateEntry(text);
    if (std::fabs(value - std::trunc(value)) > 1e-10L) throw EAssignError(QStringLiteral("Entry must be an integer."));
    if (value < minimum_ || value > maximum_)
        throw EAssignError(QString::asprintf("Entry must be between %d and %d.", minimum_, maximum_));
    SetInt(row, static_cast<int>(std::nearbyint(value)));
}

void TIntColumn::WriteData(TValueWriter& writer) const {
    writer.WriteInteger(default_);
    writer.WriteInteger(minimum_);
    writer.WriteInteger(maximum_);
}

void TIntColumn::ReadData(TValueReader& reader) {
    default_ = reader.ReadInteger();
    minimum_ = reader.ReadInteger();
    maximum_ = reader.ReadInteger();
}

}  // namespace korvex::app
