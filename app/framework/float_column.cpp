#include "framework/float_column.h"

#include "framework/errors.h"
#include "framework/evaluator.h"
#include "framework/grid_table.h"
#include "framework/number_text.h"
#include "framework/unit_tokens.h"
#include "framework/value_stream.h"

namespace korvex::app {

namespace {
const QString kFloatTag = QStringLiteral("FLOATCOLUMN2");
}

QString TFloatColumn::CaptionLine(int i) const {
    const QString line = TColumn::CaptionLine(i);
    if (units_.isEmpty() || i != CaptionLineCount() - 1 || !Table()) return line;
    return QStringLiteral("%1 (%2)  ").arg(line, UnitLabel(units_, Table()->Units(), Table()->LabelVariant()));
}

TFloatColumn* TFloatColumn::BottomPartner() const {
    // While a table is being built the partner may not be attached yet.
    TColumn* neighbour = topDepth_ ? Neighbour(1) : nullptr;
    if (!neighbour) return nullptr;
    auto* next = dynamic_cast<TFloatColumn*>(neighbour);
    if (!next) throw EInvalidOperation(QStringLiteral("If column if a topdepth then the next column must be a float column"));
    return next;
}

TFloatColumn* TFloatColumn::TopPartner() const {
    auto* previous = dynamic_cast<TFloatColumn*>(Neighbour(-1));
    return previous && previous->topDepth_ ? previous : nullptr;
}

void TFloatColumn::InsertRows(int at, int count) {
    BottomPartner();  // checks the pair before any row is made
    TTypedColumn::InsertRows(at, count);
}

long double TFloatColumn::NewRowValue(int row) const {
    if (const TFloatColumn* bottom = BottomPartner()) {
        if (row >= 1 && row <= bottom->RowCount() - 1) return bottom->Value(row - 1);
    } else if (const TFloatColumn* top = TopPartner()) {
        if (row + 1 < top->RowCount()) return top->Value(row + 1);
    }
    return default_;
}

void TFloatColumn::DeleteRow(int row) {
    if (const TFloatColumn* bottom = BottomPartner(); bottom && row > 0 && row < RowCount() - 1)
        values_.at(row + 1) = bottom->Value(row - 1);
    TTypedColumn::DeleteRow(row);
}

void TFloatColumn::SetFloat(int row, long double value) {
    for (int r : RowsToSet(row)) StoreLinked(r, value);
}

// Stores one row and keeps the neighbouring interval of the pair contiguous.
void TFloatColumn::StoreLinked(int row, long double value) {
    values_.at(row) = value;
    ReportChanged(row);
    if (TFloatColumn* bottom = BottomPartner(); bottom && row >= 1 && row - 1 < bottom->RowCount()) {
        bottom->values_.at(row - 1) = value;
        bottom->ReportChanged(row - 1);
    } else if (TFloatColumn* top = TopPartner(); top && row + 1 < top->RowCount()) {
        top->values_.at(row + 1) = value;
        top->ReportChanged(row + 1);
    }
}

QString TFloatColumn::GetText(int row) const { return FormatReal8(Value(row)); }

void TFloatColumn::SetText(int row, const QString& text) { SetFloat(row, EvaluateEntry(text)); }

void TFloatColumn::ConvertUnits(int system) {
    const long double factor = ConversionFactor(Table()->Units(), system, units_);
    if (factor == 1) return;
    for (int row = 0; row < RowCount(); ++row) {
        values_[row] *= factor;
        ReportChanged(row);
    }
}

void TFloatColumn::WriteData(TValueWriter& writer) const {
    writer.WriteBoolean(topDepth_);
    writer.WriteString(kFloatTag);
    writer.WriteString(units_);
    writer.WriteFloat(default_);
}

// The older layout has the unit token where the tag stands and no default.
void TFloatColumn::ReadData(TValueReader& reader) {
    topDepth_ = reader.ReadBoolean();
    const QString tag = reader.ReadString();
    if (tag != kFloatTag) {
        units_ = tag;
        default_ = 0;
        return;
    }
    units_ = reader.ReadString();
    default_ = reader.ReadFloat();
}

}  // namespace korvex::app
