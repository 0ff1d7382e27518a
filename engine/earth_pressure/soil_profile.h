// The working layer table of the earth-pressure generator: the soil layers of
// the backfill cut at the excavation level and at the backfill water table,
// with the effective overburden at the top of every layer and the water
// pressure on the layers above the excavation.
#pragma once

#include "core/analysis_model.h"
#include "earth_pressure/method_constants.h"

#include <vector>

namespace korvex::earth_pressure {

// One record of the working layer table, with the results that the later
// steps of the generator attach to it. Lengths in the length unit of the
// problem, angles in degrees.
struct WorkingLayer {
    int type = 0;             // soil-type code 1..7 (0 for the end marker)
    double thickness = -1.0;  // not positive: end of the input list
    double strength = 0;      // cohesion (clays, silt) or strength (rock)
    double phi = 0;           // friction angle
    double gamma = 0;         // total unit weight
    double optionalK = 0;     // user's active coefficient, 0 when none (always 0 for rock)
    bool drained = true;      // sand, silt and rock; false for the three clays
    double ztop = 0;          // depth of the top of the layer
    double m = 1;             // modification factor for active earth pressure
    bool belowWater = false;  // top at or below the backfill water table
    double overburden = 0;    // vertical stress at the top (effective, or total for
                              // undrained layers with a user coefficient)

    // Coefficients.
    double ka = 0, rootKa = 0, kp = 0;
    // Resultants above the excavation.
    double pa1 = 0, z1 = kUnsetResultantDepth;
    double pa2 = 0, z2 = kUnsetResultantDepth;
    double pa3 = 0;
    double pa4 = 0, z3 = kUnsetTensionDepth;
    double zc = 0;
    // Water pressure on the backfill side above the excavation.
    double pw1 = 0, zw1 = 0, pw2 = 0, zw2 = 0;

    double bottom() const { return ztop + thickness; }
};

// The input layers of the problem in the order given: thickness from the
// depths of the layer bottoms, the top values of unit weight, strength,
// friction angle and optional coefficient.
std::vector<WorkingLayer> inputLayers(const ProblemInput& input);

// The depths at which layers are cut: the excavation level and the backfill
// water table, ascending, once each (once in all when they coincide); a depth
// at or above the surface is left out.
std::vector<double> breakDepths(double freeHeight, double waterTable);

struct SoilProfile {
    std::vector<WorkingLayer> layers;
    double bottom = 0;          // depth of the bottom of the profile (top of a virtual last layer)
    int excavationLayer = -1;   // index of the layer whose top lies at the excavation level; -1 when none
    int waterTableLayer = -1;   // index of the layer whose top lies at the backfill water table; -1 when none
    bool overflow = false;      // the layers and the end of the list need more than kMaxWorkingLayers records

    int layersAboveExcavation() const { return excavationLayer < 0 ? 0 : excavationLayer; }
};

// Cuts the input layers at the break depths; every layer gets the
// modification factor m. The input list ends at its first layer whose
// thickness is not positive.
SoilProfile subdivide(const std::vector<WorkingLayer>& input, double freeHeight, double waterTable, double m,
                      int capacity = kMaxWorkingLayers);

// Effective vertical stress at the top of every layer on the backfill side,
// starting from the uniform surface pressure q; marks the layers below water.
// Returns the overburden at the top of the excavation layer.
double computeOverburden(SoilProfile& profile, double q, double waterTable, double gammaW);

// Undrained layers below water with a user coefficient are treated with total
// stress: the water pressure is added back to their overburden.
void useTotalStressWithUserCoefficient(SoilProfile& profile, double waterTable, double gammaW);

// First layer of the water-pressure report (-1 when the profile has no layer
// below water).
int firstWaterLayer(const SoilProfile& profile);

// Water pressure of the drained layers below water above the excavation.
// Returns true when the range of layers from the water table to the
// excavation is not empty.
bool computeWaterPressures(SoilProfile& profile, double waterTable, double gammaW);

}  // namespace korvex::earth_pressure
