// Fills a row of a project table in tests: float columns take the value,
// integer and enumerated columns its whole part; sub-table columns are left.
#pragma once

#include "framework/grid_table.h"

#include <QList>

namespace korvex::app {

inline void SetRow(TGridTable& table, int row, const QList<long double>& values) {
    if (table.RowCount() <= row) table.SetRowCount(row + 1);
    for (int c = 0; c < values.size(); ++c) {
        if (table.Column(c)->Kind() == TColumnKind::Float)
            table.Cell(c, row).SetFloat(values[c]);
        else if (table.Column(c)->Kind() != TColumnKind::Table)
            table.Cell(c, row).SetInteger(static_cast<int>(values[c]));
    }
}

}  // namespace korvex::app
