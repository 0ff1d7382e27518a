// TTableColumn: one sub-table per row, duplicated from a template table.
// When the table's first column is an enumeration, the row's value in it
// chooses the template (the soil type chooses the soil parameters), and a
// change of that value replaces the row's sub-table by a fresh duplicate.
#pragma once

#include "framework/grid_table.h"
#include "framework/typed_column.h"

namespace korvex::app {

class TTableColumn : public TTypedColumn<std::unique_ptr<TGridTable>> {
public:
    // Template identifiers, one per item of the first enumeration column;
    // -1 where there is none.
    explicit TTableColumn(const QList<int>& templates = {}) : templates_(templates) {}

    TColumnKind Kind() const override { return TColumnKind::Table; }
    const QList<int>& Templates() const { return templates_; }
    void SetTemplates(const QList<int>& templates) { templates_ = templates; }
    // Pads with empty entries, or cuts from the end, to `count` entries.
    void ResizeTemplates(int count);

    void InsertRows(int at, int count) override;
    void DeleteRow(int row) override;
    TGridTable* GetTable(int row) const override { return Value(row).get(); }
    // The button caption "%d: %s": row number and sub-table caption.
    QString GetText(int row) const override;
    void SetText(int, const QString&) override {}
    bool IsChanged() const override;
    void ResetChanged() override;
    // Passes the unit system on to every sub-table.
    void ConvertUnits(int system) override;
    bool UsesControls() const override { return true; }

    // Replaces the row's sub-table by a fresh one from its template.
    void RecreateRow(int row);

protected:
    std::unique_ptr<TGridTable> NewRowValue(int row) const override;
    void WriteData(TValueWriter& writer) const override;
    void ReadData(TValueReader& reader) override;
    std::unique_ptr<TColumn> CloneKind() const override { return std::make_unique<TTableColumn>(templates_); }

private:
    int TemplateIndex(int row) const;
    bool WouldNest(const TGridTable* source) const;
    void RenumberFrom(int row);
    QList<int> LegacyTemplates(int position) const;

    QList<int> templates_;
};

}  // namespace korvex::app
