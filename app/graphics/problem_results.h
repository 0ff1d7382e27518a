// The results of one problem of a run as read from the plot-data file, kept
// beside the graphs for the views and exports that take them row by row.
// Values are those the graphs show: in English runs depth in ft, moment in
// in-kips and shear in kips.
#pragma once

#include <vector>

namespace korvex::app {

struct TEarthPressureRow {
    long double Depth = 0;
    long double Total = 0;
    long double FromSoil = 0;
    long double FromSurcharge = 0;
};

struct TResultRow {
    long double Depth = 0;
    long double Deflection = 0;
    long double Moment = 0;
    long double Shear = 0;
    long double Reaction = 0;
};

struct TProblemResults {
    std::vector<TEarthPressureRow> EarthPressure;
    std::vector<TResultRow> Rows;
};

}  // namespace korvex::app
