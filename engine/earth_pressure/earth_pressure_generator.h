// Services of the earth-pressure subsystem that the engine core calls while it
// sets up a problem.
#pragma once

#include "core/analysis_model.h"
#include "core/run_context.h"

namespace korvex {

// Support depths and record total that the core hands to the generator.
struct SupportDepths {
    double top = 0;
    double bottom = 0;
    int recordCount = 0;  // LOADS + SPRINGS + TIEBACK records of the problem
};

// Generates the active earth pressure of a problem with KEP 2 or 3: writes its
// report sections and the distribution to "BMWALL.001" in the working
// directory, and stores the excavation-level overburden in ctx.carried.
// A fault in the soil data throws DataError with the message for the report.
void generateEarthPressure(RunContext& ctx, const ProblemInput& input, const SupportDepths& supports);

// Lateral pressure caused by the problem's surcharge loads at a depth below
// the top of the wall (zero when the problem has no surcharge loads).
class SurchargePressure {
public:
    explicit SurchargePressure(const ProblemInput& input);
    double at(double depth) const;

private:
    // Filled by the surcharge model.
};

}  // namespace korvex
