// Soil-resistance (p-y) curves as the iteration uses them: at a station, p
// already multiplied by the increment length (force per station) and by the
// p-multiplier, y by the y-multiplier, ascending in y.
#pragma once

#include "core/analysis_model.h"
#include "core/capacities.h"

#include <vector>

namespace korvex {

struct SoilCurve {
    int station = 0;
    bool interpolate = false;  // acts toward the next curve (else at its own station only)
    std::vector<CurvePoint> points;
};


// A user curve for the solution. Throws DataError for a curve of fewer than two
// points or with two equal consecutive deflections.
SoilCurve userSoilCurve(const UserPyCurve& curve, double dx, bool interpolate);

// Whether a user curve given without generated curves interpolates toward the
// next one: its depth is at or below the free height H. The comparison allows
// for the rounding of station x dx (7 x 0.3 lies just below 2.1).
bool userCurveInterpolates(int station, double dx, double freeHeight);

// The straight line through the curve segment that holds deflection y: the
// station receives ks as spring stiffness and p0 as load (p = p0 - ks y).
struct CurveLine {
    double p0 = 0;
    double ks = 0;
    bool offCurve = false;  // y lies outside the curve (the end segment is extended)
};

CurveLine linearise(const SoilCurve& curve, double y);

}  // namespace korvex
