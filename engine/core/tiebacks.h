// Tiebacks (ground anchors): each acts on the wall as a lateral spring and a
// load at one station, shared over the width of wall Wa that one analysis
// represents. Depth, unbonded length and spacing are in the base length unit
// (inches in English units).
#pragma once

#include "core/analysis_model.h"

#include <vector>

namespace korvex {

struct Tieback {
    TiebackRecord record;
    int station = 0;
    double cosAngle = 1;
    double load = 0;       // Qt, equivalent transverse load per station
    double stiffness = 0;  // St, equivalent spring stiffness per station
};

// The spring and load of a tieback (number: 1-based, for messages). Throws
// DataError when its unbonded length, spacing or the width Wa is zero.
Tieback makeTieback(const TiebackRecord& record, int number, double dx, double wa);

// Forces in a tieback after the solution, y the deflection at its station.
struct TiebackForces {
    double horizontalPerStation = 0;  // Hs
    double perStation = 0;            // Fs
    double perTieback = 0;            // Ft
};

TiebackForces tiebackForces(const Tieback& tieback, double y, double wa);

}  // namespace korvex
