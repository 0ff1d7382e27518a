#include "core/problem_analysis.h"

namespace korvex {

// Filled in by the station tables, the solver and the report of the results.
void analyseProblem(RunContext&, const ProblemInput&) {}

}  // namespace korvex
