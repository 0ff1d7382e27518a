// The analysis of one problem after its records are read: input echo, station
// tables, earth pressure, soil-resistance curves, nonlinear solution, results
// in the report, run notes and plot-data file.
#pragma once

#include "core/analysis_model.h"
#include "core/run_context.h"

namespace korvex {

// Throws DataError when the data cannot be analysed; the message is the bare
// report text, which the run sequence writes before it ends the run.
void analyseProblem(RunContext& ctx, const ProblemInput& input);

}  // namespace korvex
