// The dimensions of the 3-D scene, taken from the project when the view is
// first activated, in feet under English units and metres otherwise.
#pragma once

namespace korvex::app {

class TProgramData;

struct TSceneDimensions {
    double wallLength = 0;   // Lw
    double increment = 0;    // dx
    double panelWidth = 0;   // Bw
    double pileWidth = 0;    // Bp
    double thickness = 0;    // e
    double surchargeReach = 0;  // Sx
    double halfLength = 0;   // b, along the wall
    double halfWidth = 0;    // d, across the wall
    double depth = 0;        // a
    double extent = 0;       // E
    // Factors from the project's lengths (in, m or L), from surcharge
    // distances and widths (in, mm or L) and from rod areas (in^2, mm^2 or
    // L^2) to scene units; table lengths in ft or m are taken as they are.
    double projectLength = 1;
    double smallLength = 1;
    double smallArea = 1;
};

TSceneDimensions ComputeSceneDimensions(const TProgramData& project);

}  // namespace korvex::app
