// Nonlinear flexural rigidity: moment-stiffness curves (moment against EI)
// over ranges of stations. Each update gives a station the secant rigidity at
// which M = curvature x EI on its curve.
#pragma once

#include "core/analysis_model.h"
#include "core/station_array.h"

#include <vector>

namespace korvex {

// Checks the curves before the solution: at least one point, stations from
// -2 to NI + 2 (the curvature reaches one station further). Throws DataError.
void checkMomentStiffnessCurves(const std::vector<MeiCurve>& curves, int ni);

// The rigidity of one curve at curvature phi (>= 0).
double secantRigidity(const std::vector<MomentStiffnessPoint>& points, double phi);

// Replaces EI at every station of every curve from the deflections y, and
// marks those stations in replaced (1 = holds a rigidity from a curve).
void updateMomentStiffness(const std::vector<MeiCurve>& curves, const StationArray& y, double dx, StationArray& ei,
                           StationArray& replaced);

}  // namespace korvex
