// What the plot-data reader needs to know about the project that was run:
// its unit system, whether a long-term analysis follows the short-term one,
// the wall geometry and the soil layers, for the wall and layer overlay of
// the deflection-moment-shear graph.
#pragma once

#include <vector>

namespace korvex::app {

struct TPlotLayer {
    int SoilType = 0;         // 1-based soil-type code
    long double Bottom = 0;   // depth at the bottom of the layer (ft or m)
};

class TProgramData;

struct TPlotProject {
    int Units = 1;
    bool LongTerm = false;
    int Increments = 0;
    long double IncrementLength = 0;  // in or m
    long double FreeHeight = 0;       // in or m
    std::vector<TPlotLayer> Layers;
};

// The facts of the current project: its unit system, long-term switch, wall
// geometry and the layers of its soil-layer table.
TPlotProject PlotProjectOf(TProgramData& project);

}  // namespace korvex::app
