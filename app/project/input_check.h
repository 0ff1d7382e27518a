// The check of a saved project before a run: wall-stiffness lines within the
// wall's nodes, backfill slope not steeper than the friction angle of sand
// and silt layers, and soil layers reaching the bottom of the wall. It stops
// at the first failure and changes nothing.
#pragma once

#include <QString>
#include <optional>

namespace korvex::app {

class TProgramData;

// The warning to show, or none when the run may go on.
std::optional<QString> CheckInput(TProgramData& project);

}  // namespace korvex::app
