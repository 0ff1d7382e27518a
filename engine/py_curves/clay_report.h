// Branch heading of the two stiff-clay models: depth, width, cohesion, average
// cohesion, average unit weight and E50.
#pragma once

#include "py_curves/soil_model.h"

namespace korvex::py {

// valuesLayout is the format of the value line (depth, b, c, ca, gamma, E50).
void writeStiffClayHeading(BranchReport report, const CurveSite& site, Side side, double averageCohesion,
                           const char* valuesLayout);

}  // namespace korvex::py
