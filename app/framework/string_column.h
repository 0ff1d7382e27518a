// TStringColumn: free text with a default and a minimum width in inches.
#pragma once

#include "framework/typed_column.h"

namespace korvex::app {

class TStringColumn : public TTypedColumn<QString> {
public:
    explicit TStringColumn(const QString& defaultText = {}, long double widthInches = 1.0L)
        : default_(defaultText), widthInches_(widthInches) {}

    TColumnKind Kind() const override { return TColumnKind::String; }
    const QString& Default() const { return default_; }
    long double WidthInches() const { return widthInches_; }

    QString GetText(int row) const override { return Value(row); }
    void SetText(int row, const QString& text) override { Store(row, text); }

protected:
    QString NewRowValue(int) const override { return default_; }
    void WriteData(TValueWriter& writer) const override;
    void ReadData(TValueReader& reader) override;
    std::unique_ptr<TColumn> CloneKind() const override {
        return std::make_unique<TStringColumn>(default_, widthInches_);
    }

private:
    QString default_;
    long double widthInches_;
};

}  // namespace korvex::app
