// TEnumColumn: a choice among item texts, stored as the 1-based index.
#pragma once

#include "framework/typed_column.h"

namespace korvex::app {

class TEnumColumn : public TTypedColumn<int> {
public:
    explicit TEnumColumn(const QStringList& items = {}) : items_(items) {}

    TColumnKind Kind() const override { return TColumnKind::Enum; }
    const QStringList& Items() const { return items_; }
    // Re-synchronises the templates of the table when this is its first column.
    void SetItems(const QStringList& items);

    int GetInt(int row) const override { return Value(row); }
    // A value equal to the stored one changes nothing and reports nothing.
    void SetInt(int row, int value) override;
    QString GetText(int row) const override { return QString::number(Value(row)); }
    void SetText(int row, const QString& text) override;
    bool UsesControls() const override { return true; }

protected:
    int NewRowValue(int) const override { return 1; }
    void WriteData(TValueWriter& writer) const override;
    void ReadData(TValueReader& reader) override;
    std::unique_ptr<TColumn> CloneKind() const override { return std::make_unique<TEnumColumn>(items_); }

private:
    QStringList items_;
};

}  // namespace korvex::app
