// The node ranges of a table of loads or springs: each row acts from its
// start node to its end node; a row that interpolates reaches to the next
// row's end node and takes that row with it.
#pragma once

#include <vector>

namespace korvex::app {

class TGridTable;

struct TNodeRange {
    int row = 0;  // the row whose values apply
    int first = 0;
    int last = 0;
};

// Columns: the interpolation choice (1 constant, 2 interpolate), the start
// node and the end node. An end above the start is taken as the start.
std::vector<TNodeRange> NodeRanges(const TGridTable& table, int choiceColumn, int startColumn, int endColumn);

}  // namespace korvex::app
