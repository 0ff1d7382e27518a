// Slope, bending moment, shear and net soil reaction from the deflections of
// the last iteration, for stations -1 to NI + 1.
#pragma once

#include "core/station_array.h"
#include "core/station_tables.h"

#include <vector>

namespace korvex {

struct StationResult {
    int station = 0;
    double x = 0;
    double deflection = 0;
    double slope = 0;
    double moment = 0;
    double shear = 0;
    double reaction = 0;  // net soil reaction per station
    double ei = 0;
};

// Extends the deflections linearly past both ends (y(-2), y(NI + 2)), then
// derives the results. fullEi is the wall's full rigidity at stations 0 and NI,
// from which the moment reported at the wall's two ends is taken; every other
// value follows from the station rigidities f.
std::vector<StationResult> beamResults(StationArray& y, const StationArray& f, double fullEiTop, double fullEiTip,
                                       double h, const std::vector<ConcentratedMoment>& moments);

}  // namespace korvex
