// The per-station tables of a problem, filled from its SECTION, LOADS, SPRINGS
// and TIEBACK records by the distribution rule, with the echo of each record
// in the report as it is taken.
#pragma once

#include "core/analysis_model.h"
#include "core/input_echo.h"
#include "core/run_context.h"
#include "core/station_array.h"
#include "core/tiebacks.h"

#include <vector>

namespace korvex {

// A LOADS record with a moment: its from-station and the moment / (2 dx),
// used to correct shear and reaction next to the applied couple.
struct ConcentratedMoment {
    int station = 0;
    double value = 0;
};

struct StationTables {
    explicit StationTables(int ni) : ei(ni), q(ni), s(ni), t(ni), r(ni), p(ni), eiEndHalves(ni) {}

    StationArray ei;  // flexural rigidity
    StationArray q;   // transverse load
    StationArray s;   // lateral spring stiffness
    StationArray t;   // applied couple
    StationArray r;   // rotational spring stiffness
    StationArray p;   // axial load, sign of the input reversed
    // Half of the EI that a span inside the wall took off at the top (station 0)
    // and the tip (station NI); added back for the moment reported there.
    StationArray eiEndHalves;
    std::vector<ConcentratedMoment> moments;
    std::vector<Tieback> tiebacks;
};

// Spreads the records and echoes them. Sets the support depths in carried
// when a record defines them (others keep the previous problem's values).
// Throws DataError on stations out of order or outside the tables.
StationTables buildStationTables(const ProblemInput& input, InputEcho& echo, CarriedState& carried);

// The sum of the data lying beyond the tip, which must be zero.
double dataBeyondTip(const StationTables& tables);

}  // namespace korvex
