// Earth-pressure coefficients, the resultant forces of the layers above the
// excavation, and the pressure table of the active earth pressure on the wall
// (triangular, or the apparent-pressure trapezoid of anchored walls).
#pragma once

#include "earth_pressure/soil_profile.h"
#include "earth_pressure/surcharge_pressure.h"

#include <vector>

namespace korvex::earth_pressure {

struct Coefficients {
    double ka = 0;      // active coefficient for pressures (before a user coefficient)
    double rootKa = 0;  // square root of Ka, for the cohesion term
    double kp = 0;      // passive coefficient (level ground)
    bool slopeTooSteep = false;  // backfill slope not smaller than phi: level-ground Ka kept
};

// Active (Rankine, or for a sloped backfill the sloped-backfill form) and
// passive coefficients of a soil with friction angle phi behind a backfill
// sloping at beta; angles in degrees.
Coefficients earthPressureCoefficients(double phi, double beta);

// The current surcharge that the layer resultants use: one point, one line
// and one strip load with one distance and one strip width.
struct CurrentSurcharge {
    double point = 0;
    double line = 0;
    double strip = 0;
    double x = 0;
    double width = 0;
};

// Adds to force the surcharge force on the layer from ztop to ztop + t: for
// the point, the line and the strip load in turn, ten slices of t/10, each
// adding t/10 times the pressure at its lower end (layer-resultant constants).
double addSurchargeForce(double force, const CurrentSurcharge& surcharge, double freeHeight, double ztop, double t);

// Resultants PA1..PA4, Z1..Z3 of one layer above the excavation, with the
// overburden svNext at the top of the next layer. Throws DataError when the
// tension-zone depth cannot be found (the overburden does not grow through a
// cohesive layer in tension).
void computeLayerResultants(WorkingLayer& layer, double svNext, double ztopNext, double gammaW,
                            const CurrentSurcharge& surcharge, double freeHeight, int layerNumber);

// Net active force above the excavation: the resultants less the water forces.
double netActiveForce(const SoilProfile& profile);

// One row of the pressure table: total pressure, its soil and water part
// without surcharges, and its surcharge part (force per unit area, before
// the loaded width is applied).
struct PressureRow {
    double depth = 0;
    double total = 0;
    double soil = 0;
    double surcharge = 0;
};

struct TableInput {
    int units = 1;            // 2 SI: 20 rows per metre; otherwise one per length unit
    bool trapezoid = false;   // earth-pressure mode 3
    double freeHeight = 0;
    double wallLength = 0;
    double waterTable = 0;     // backfill side
    double excavationWater = 0;
    double q = 0;              // uniform surface pressure
    double gammaW = 0;
    double excavationOverburden = 0;
    // Supports of an anchored wall (mode 3): their count and the depths of the
    // first and the last.
    int supportCount = 0;
    double firstSupport = 0;
    double lastSupport = 0;
};

struct PressureTable {
    // Rows in file order, from the top of the wall to the wall tip. In mode 3
    // the row at the excavation level appears twice (it ends the trapezoid
    // and starts the part below).
    std::vector<PressureRow> rows;
    double forceAboveExcavation = 0;  // F, integrated over the nominal row step
    int excavationRow = 0;            // 0-based index of the row at the excavation level (before the repeat)
    double plateau = 0;               // trapezoid pressure p (mode 3)
};

// Builds the table. Layers are cut at the wall tip, and the last layer is
// continued down to it when the profile ends above the tip, so the rows
// always end at the wall tip. Throws DataError when the trapezoid cannot be
// formed (last support at the excavation level, or a zero denominator).
PressureTable buildPressureTable(const SoilProfile& profile, const TableInput& in, const SurchargePressure& surcharge);

}  // namespace korvex::earth_pressure
