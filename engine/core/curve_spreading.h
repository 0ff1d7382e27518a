// The soil curves acting on the stations in one iteration: each curve is
// linearised at the deflection of the station it loads, and an interpolating
// curve shares its line with the next curve over the stations between them.
#pragma once

#include "core/curve_table.h"
#include "core/station_array.h"

#include <vector>

namespace korvex {

struct CurveSpreadOptions {
    // Station at the excavation level when the earth pressure is generated: it
    // receives the curves' stiffness but not their loads. -1 when none.
    int excavationStation = -1;
};

// Adds the curves' loads to qw and stiffnesses to sw at the deflections y.
// Returns whether a deflection lay off a curve. Throws DataError when an
// interpolating curve is followed by one at a shallower station.
bool addSoilCurves(const std::vector<SoilCurve>& curves, const StationArray& y, StationArray& qw, StationArray& sw,
                   const CurveSpreadOptions& options);

}  // namespace korvex
