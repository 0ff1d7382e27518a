// The active earth pressure on the wall: the distribution (given by the user or
// generated) as transverse loads at the stations, its echo and its part of the
// plot-data file. Pressures are per unit length of wall (pressure times the
// loaded width).
#pragma once

#include "core/analysis_model.h"
#include "core/station_array.h"
#include "earth_pressure/earth_pressure_generator.h"

#include <vector>

namespace korvex {

// The user's distribution (KEP = 1) with the pressure of the surcharge loads
// over the width Wa added at each point.
std::vector<EarthPressureRow> userEarthPressure(const ProblemInput& input);

// Adds the load at each station 1 to nearest(lastDepth / dx) (stations beyond
// the tables excepted): the points' loads times dx, interpolated between the
// points enclosing the station's depth. Above the first point the load runs linearly from zero at
// the top of the wall; below the last point the previous station's load repeats.
void addEarthPressureLoads(const std::vector<EarthPressureRow>& rows, double lastDepth, double dx, StationArray& q);

// The earth-pressure part of the plot-data file: the row count, then the rows.
void writeEarthPressurePlot(fortran::FormattedWriter& plot, const std::vector<EarthPressureRow>& rows);

}  // namespace korvex
