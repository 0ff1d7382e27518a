// Services of the earth-pressure subsystem that the engine core calls while it
// sets up a problem.
#pragma once

#include "core/analysis_model.h"
#include "core/run_context.h"
#include "earth_pressure/surcharge_pressure.h"

#include <cstddef>
#include <filesystem>
#include <vector>

namespace korvex {

// Support depths and record total that the core hands to the generator.
// The trapezoid of anchored walls (KEP 3) takes the first and last support
// depths as the first and last tieback, and the record total as the number
// of tiebacks (more than one: the multi-support trapezoid).
struct SupportDepths {
    double top = 0;
    double bottom = 0;
    int recordCount = 0;  // LOADS + SPRINGS + TIEBACK records of the problem
};

// Name of the scratch file through which the distribution reaches the core.
inline constexpr const char* kEarthPressureFileName = "BMWALL.001";

// Generates the active earth pressure of a problem with KEP 2 or 3: writes its
// report sections (and the slope warning to the run notes) and the
// distribution to "BMWALL.001" in the working directory, and stores the
// excavation-level overburden in ctx.carried. The distribution runs from the
// top of the wall to the wall tip; its announced row count is the number of
// rows written. A fault in the soil data (no layer at the excavation level,
// a zero free height or wall length, a trapezoid that cannot be formed)
// throws DataError with the message for the report; too many layers after
// subdivision writes its own message to the report and throws DataError
// with an empty message.
void generateEarthPressure(RunContext& ctx, const ProblemInput& input, const SupportDepths& supports);

// One row of "BMWALL.001": depth, total active pressure, its part from the
// soil and water, its part from surcharge loads (force per unit area, before
// the loaded width is applied), with the 3 significant digits of the file.
struct EarthPressureRow {
    double depth = 0;
    double total = 0;
    double soil = 0;
    double surcharge = 0;
};

// Reads "BMWALL.001" as the core needs it: the announced count, then that
// many rows (anything after them is not read). Throws DataError when the file
// is missing or malformed.
std::vector<EarthPressureRow> readEarthPressureFile(const std::filesystem::path& path);

// Multiplies the three pressures of every row by the loaded width: wa down to
// the free height, wp from the first row deeper than the free height on.
void applyLoadedWidths(std::vector<EarthPressureRow>& rows, double freeHeight, double wa, double wp);

// Rows of a generated distribution (KEP 2 or 3) that go to the report and the
// plot-data file: every row when there are at most 50, otherwise every 6th in
// English units, every 4th in SI units, every row in other units; the last
// row always, once. Returns 0-based indices in increasing order.
std::vector<std::size_t> selectPlotRows(std::size_t count, int units);

}  // namespace korvex
