// The column kinds known to the column description, by their kind codes
// (0 enumeration, 1 integer, 2 real, 3 sub-table, 4 text).
#pragma once

#include "framework/column.h"

#include <memory>

namespace korvex::app {

// A new, empty column of the kind, or none for a code that is not known.
std::unique_ptr<TColumn> CreateColumn(int kindCode);

}  // namespace korvex::app
