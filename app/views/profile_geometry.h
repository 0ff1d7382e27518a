// The model quantities of the soil-wall profile and the outline list with
// the world window that encloses it, as taken when the view is activated.
// The wall top is drawn at world y = T (one tenth of the wall length), so a
// depth z below the wall top lies at y = z + T.
#pragma once

#include "views/view_window.h"

#include <array>
#include <vector>

namespace korvex::app {

class TProgramData;

struct TWorldPoint {
    long double x = 0;
    long double y = 0;
};

using TOutline = std::array<TWorldPoint, 4>;

struct TProfileGeometry {
    long double wallLength = 0;  // L
    long double offset = 0;      // T
    std::vector<TOutline> outlines;
    TWorldWindow world;
};

// Wall length and drawing offset of the project.
long double WallLength(const TProgramData& project);
long double DrawingOffset(const TProgramData& project);

// World y of a node and of a soil-layer depth (feet under English units).
long double NodeY(const TProgramData& project, int node);
long double LayerDepthY(const TProgramData& project, long double depth);

// The outline list and world window of an activation: one rectangle H/20
// wide standing for the wall when the wall has a section, and the bounding
// box of it and the origin, widened by 5 %.
TProfileGeometry BuildProfileGeometry(const TProgramData& project);

}  // namespace korvex::app
