// Lateral pressure on the wall from point, line and strip loads standing on
// the backfill surface (modified Boussinesq form).
#pragma once

#include "core/analysis_model.h"

#include <vector>

namespace korvex {

// Two sets of constants: the pressure at a depth (used for the pressure
// table and the user's distribution) and the layer resultants of the report,
// which take 1.273 for 4 / pi (line load far from the wall) and 0.6366 for
// 2 / pi (strip load).
enum class SurchargeConstants { Pressure, LayerResultant };

// Lateral pressure at depth z > 0 below the top of the wall, for a free height
// h > 0. x is the distance from the wall (for a strip, to its middle), b the
// strip width.
double pointLoadPressure(double load, double x, double h, double z);
double lineLoadPressure(double load, double x, double h, double z,
                        SurchargeConstants constants = SurchargeConstants::Pressure);
double stripLoadPressure(double load, double x, double b, double z,
                         SurchargeConstants constants = SurchargeConstants::Pressure);

// The formula of the load's type (1 point, 2 line, 3 strip; any other value
// is a point load) with the pressure constants. Zero at z <= 0.
double surchargeLoadPressure(const SurchargeLoad& load, double h, double z);

// The pressure of all listed surcharges at depth z, evaluated the long way:
// the wall length is cut into 200 steps and each load contributes its value
// at the deepest grid depth lying strictly above z (nothing when none does).
// This is the definition; SurchargePressure gives the same values cached.
double surchargePressureDirect(const std::vector<SurchargeLoad>& loads, double freeHeight,
                               double wallLength, double z);

// Lateral pressure caused by the problem's surcharge loads at a depth below
// the top of the wall (zero when the problem has no surcharge loads).
// The staircase depends only on the loads, the free height and the wall
// length, so it is computed once here; at() then only finds the step.
class SurchargePressure {
public:
    // Loads, free height (EARTH record) and wall length of the problem.
    // Throws DataError when there are loads and the free height or the wall
    // length is not positive.
    explicit SurchargePressure(const ProblemInput& input);
    SurchargePressure(const std::vector<SurchargeLoad>& loads, double freeHeight, double wallLength);

    double at(double depth) const;
    bool empty() const { return stepValue_.empty(); }

private:
    // Grid depths j x dz, j = 1..200, and the summed pressure of all loads there.
    std::vector<double> gridDepth_;
    std::vector<double> stepValue_;
};

}  // namespace korvex
