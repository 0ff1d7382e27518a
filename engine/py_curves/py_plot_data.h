// The soil-resistance part of the plot-data file for generated curves (KPY = 2).
#pragma once

#include "core/fortran_format.h"
#include "py_curves/soildata_file.h"

#include <vector>

namespace korvex {

// Writes the units code and the curve count, then every curve: with generated
// curves alone a fixed header (depth, point count) per curve; together with
// user curves a free-format header (station, point count). Points are (y, p)
// per unit length of wall.
void writeSoilResistancePlotData(fortran::FormattedWriter& plot, int units, const std::vector<SoilDataCurve>& curves,
                                 bool withUserCurves);

}  // namespace korvex
