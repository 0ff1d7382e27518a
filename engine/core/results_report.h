// The results of a problem in the report: title line, iteration heading and
// warnings, the table of deflection, slope, moment, shear, net soil reaction
// and EI at stations 0 to NI, and the tieback forces.
#pragma once

#include "core/analysis_model.h"
#include "core/beam_results.h"
#include "core/nonlinear_iteration.h"
#include "core/run_context.h"
#include "core/tiebacks.h"

#include <vector>

namespace korvex {

// rows: stations -1 to NI + 1 as computed; y: the final deflections.
void writeResultsReport(RunContext& ctx, const ProblemInput& input, const IterationOutcome& outcome,
                        const std::vector<StationResult>& rows, const std::vector<Tieback>& tiebacks,
                        const StationArray& y);

}  // namespace korvex
