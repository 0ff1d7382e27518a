// The heading of every problem in the report: banner, file names, date and
// time of the analysis, the problem's title line and the program-control block.
#pragma once

#include "core/analysis_model.h"
#include "core/run_context.h"

#include <ctime>

namespace korvex {

// Calendar time of the analysis: the instant of SOURCE_DATE_EPOCH in UTC when
// that variable holds a number (reproducible reports), else the local clock.
std::tm analysisTime();

// The date and time line, e.g. "Date:  March 07, 2026     Time:  09:05:04".
void writeDateAndTime(fortran::FormattedWriter& out, const std::tm& when);

// Items from the banner down to the program-control block.
void writeProblemHeading(RunContext& ctx, const Control& control, const std::string& title);

// The problem's title line (also repeated above the results).
void writeTitleLine(RunContext& ctx, const Control& control, const std::string& title);

}  // namespace korvex
