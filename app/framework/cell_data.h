// TData: the handle of one cell, through which code outside the table
// framework reads and writes values (TGridTable::Cell).
#pragma once

#include "framework/column.h"

namespace korvex::app {

class TData {
public:
    TData(TColumn* column, int row) : column_(column), row_(row) {}

    TColumn* Column() const { return column_; }
    int Row() const { return row_; }
    TGridTable* AsTable() const { return column_->GetTable(row_); }
    long double AsFloat() const { return column_->GetFloat(row_); }
    int AsInteger() const { return column_->GetInt(row_); }
    QString AsText() const { return column_->GetText(row_); }
    void SetFloat(long double value) const { column_->SetFloat(row_, value); }
    void SetInteger(int value) const { column_->SetInt(row_, value); }

private:
    TColumn* column_;
    int row_;
};

}  // namespace korvex::app
