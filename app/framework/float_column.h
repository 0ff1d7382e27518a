// TFloatColumn: a real value with a unit token and a default. A column whose
// TopDepth is set forms a pair with the next column (top and bottom of
// contiguous intervals): the bottom of a row and the top of the next row are
// kept equal.
#pragma once

#include "framework/typed_column.h"

namespace korvex::app {

class TFloatColumn : public TTypedColumn<long double> {
public:
    explicit TFloatColumn(const QString& units = {}, long double defaultValue = 0, bool topDepth = false)
        : units_(units), default_(defaultValue), topDepth_(topDepth) {}

    TColumnKind Kind() const override { return TColumnKind::Float; }
    const QString& Units() const { return units_; }
    long double Default() const { return default_; }
    bool TopDepth() const { return topDepth_; }

    // The last caption line carries the unit label of the table's system.
    QString CaptionLine(int i) const override;

    void InsertRows(int at, int count) override;
    void DeleteRow(int row) override;
    long double GetFloat(int row) const override { return Value(row); }
    void SetFloat(int row, long double value) override;
    QString GetText(int row) const override;
    void SetText(int row, const QString& text) override;
    // Multiplies every value by the factor of the unit token.
    void ConvertUnits(int system) override;

protected:
    long double NewRowValue(int row) const override;
    void WriteData(TValueWriter& writer) const override;
    void ReadData(TValueReader& reader) override;
    std::unique_ptr<TColumn> CloneKind() const override {
        return std::make_unique<TFloatColumn>(units_, default_, topDepth_);
    }

private:
    // The bottom column of this top-depth column, or the top column of this
    // bottom column; none when the column is not part of a pair.
    TFloatColumn* BottomPartner() const;
    TFloatColumn* TopPartner() const;
    void StoreLinked(int row, long double value);

    QString units_;
    long double default_;
    bool topDepth_;
};

}  // namespace korvex::app
