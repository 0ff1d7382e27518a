// The soil-resistance curves of a problem: the user's curves (echoed), the
// generated ones read back from "SOILDATA" when KPY = 2, the soil-resistance
// part of the plot-data file, and the curve table for the iteration.
#pragma once

#include "core/analysis_model.h"
#include "core/curve_table.h"
#include "core/input_echo.h"
#include "core/run_context.h"
#include "py_curves/py_curve_generator.h"

#include <vector>

namespace korvex {

// Throws DataError for more than 63 curves, a curve the iteration cannot use
// or a station above the tables.
std::vector<SoilCurve> setUpSoilCurves(RunContext& ctx, const ProblemInput& input, InputEcho& echo,
                                       const std::vector<EarthPressureLoad>& earthPressure);

}  // namespace korvex
