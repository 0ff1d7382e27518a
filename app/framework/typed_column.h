// The row storage shared by the column kinds: one value of type T per row.
#pragma once

#include "framework/column.h"

#include <vector>

namespace korvex::app {

template <typename T>
class TTypedColumn : public TColumn {
public:
    int RowCount() const override { return static_cast<int>(values_.size()); }

    void InsertRows(int at, int count) override {
        for (int i = 0; i < count; ++i) values_.insert(values_.begin() + at + i, NewRowValue(at + i));
    }

    void DeleteRow(int row) override { values_.erase(values_.begin() + row); }

protected:
    virtual T NewRowValue(int row) const = 0;

    const T& Value(int row) const { return values_.at(row); }

    // Stores the value in the row, or in its whole group, and reports each.
    void Store(int row, const T& value) {
        for (int r : RowsToSet(row)) {
            values_.at(r) = value;
            ReportChanged(r);
        }
    }

    std::vector<T> values_;
};

}  // namespace korvex::app
