#include "views/node_ranges.h"

#include "framework/grid_table.h"

#include <algorithm>

namespace korvex::app {

namespace {
constexpr int kInterpolate = 2;
}

std::vector<TNodeRange> NodeRanges(const TGridTable& table, int choiceColumn, int startColumn, int endColumn) {
    std::vector<TNodeRange> ranges;
    for (int i = 0; i < table.RowCount(); ++i) {
        const int first = table.Cell(startColumn, i).AsInteger();
        int endRow = i;
        if (table.Cell(choiceColumn, i).AsInteger() == kInterpolate && i + 1 < table.RowCount()) endRow = i + 1;
        ranges.push_back({i, first, std::max(first, table.Cell(endColumn, endRow).AsInteger())});
        i = endRow;
    }
    return ranges;
}

}  // namespace korvex::app
