// The analysis of one problem after its records are read: input echo, station
// tables, earth pressure, soil-resistance curves, nonlinear solution, results
// in the report, run notes and plot-data file.
#pragma once

#include "core/analysis_model.h"
#include "core/run_context.h"

namespace korvex {

// Writes the problem from the wall values on (the heading and program-control
// block come before), leaves the results rows of stations 0 .. NI + 1 in
// ctx.results and the final deflections in ctx.carried.deflections.
//
// The input comes from ProblemReader, which has already refused walls outside
// 1..407 increments or with an increment length that is not positive.
// Throws DataError when the data cannot be analysed. Its message is the bare
// report text; the run sequence writes it where the error occurred:
//   "TOO MUCH DATA FOR AVAILABLE STORAGE" as
//       (/,/,"     TOO MUCH DATA FOR AVAILABLE STORAGE",/,/)
//   every other message (all begin with "ERROR") as (/,/,5X,A)
// and then ends the run.
void analyseProblem(RunContext& ctx, const ProblemInput& input);

}  // namespace korvex
