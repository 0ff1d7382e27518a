// The soil-resistance (p-y) curve generator that the engine core calls for a
// problem with KPY = 2. The core then reads the curves back with readSoilData
// (soildata_file.h) and writes them to the plot-data file with
// writeSoilResistancePlotData (py_plot_data.h).
#pragma once

#include "core/analysis_model.h"
#include "core/run_context.h"

#include <vector>

namespace korvex {

// The earth-pressure distribution as the core holds it: depth and total
// pressure times the loaded width, per unit length of wall.
struct EarthPressureLoad {
    double depth = 0;
    double load = 0;
};

// Generates curves below the excavation from the soil layers: writes the
// report sections and "SOILDATA" in the working directory (user curves first
// when the problem has them, then the generated ones). Uses the
// excavation-level overburden in ctx.carried. A fault in the soil data throws
// DataError with the message for the report.
void generatePyCurves(RunContext& ctx, const ProblemInput& input, const std::vector<EarthPressureLoad>& earthPressure);

}  // namespace korvex
