// Specified deflections and slopes (RESTRAINT records) as boundary marks of the
// stations, read by the finite-difference recursion.
#pragma once

#include "core/analysis_model.h"
#include "core/capacities.h"

#include <vector>

namespace korvex {

enum BoundaryMark : int {
    kFree = 1,
    kDeflection = 2,        // deflection given
    kBeforeSlope = 3,       // station before a slope station
    kSlopeDeflection = 4,   // deflection given at a slope station
    kAfterSlope = 5,        // station after a slope station
};

struct BoundaryConditions {
    int ni = 0;
    std::vector<int> marks;  // by station -3 .. NI + 3
    std::vector<double> deflections;  // in record order
    std::vector<double> slopes;       // in record order

    int mark(int station) const { return marks[static_cast<size_t>(station + 3)]; }
    // The value of record k of the list; zero once the list is used up.
    double deflection(size_t k) const { return k < deflections.size() ? deflections[k] : 0.0; }
    double slope(size_t k) const { return k < slopes.size() ? slopes[k] : 0.0; }
};

// Checks the records (at most 20, stations not decreasing, none above
// station -1, none below NI + 2) and sets the marks. Throws DataError.
BoundaryConditions makeBoundaryConditions(const std::vector<Restraint>& restraints, int ni);

}  // namespace korvex
