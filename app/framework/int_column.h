// TIntColumn: a whole number with a default and accepted limits.
#pragma once

#include "framework/typed_column.h"

#include <limits>

namespace korvex::app {

class TIntColumn : public TTypedColumn<int> {
public:
    explicit TIntColumn(int defaultValue = 0, int minimum = std::numeric_limits<int>::min(),
                        int maximum = std::numeric_limits<int>::max())
        : default_(defaultValue), minimum_(minimum), maximum_(maximum) {}

    TColumnKind Kind() const override { return TColumnKind::Int; }
    int Default() const { return default_; }
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }

    int GetInt(int row) const override { return Value(row); }
    // Values set by code are not validated.
    void SetInt(int row, int value) override { Store(row, value); }
    QString GetText(int row) const override { return QString::number(Value(row)); }
    // Typed entry is checked against the limits.
    void SetText(int row, const QString& text) override;

protected:
    int NewRowValue(int) const override { return default_; }
    void WriteData(TValueWriter& writer) const override;
    void ReadData(TValueReader& reader) override;
    std::unique_ptr<TColumn> CloneKind() const override {
        return std::make_unique<TIntColumn>(default_, minimum_, maximum_);
    }

private:
    int default_;
    int minimum_;
    int maximum_;
};

}  // namespace korvex::app
