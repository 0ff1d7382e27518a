// The nonlinear solution of a problem: the linear solution is repeated with the
// soil curves linearised at the current deflections (and the rigidity updated
// from moment-stiffness curves) until the deflections close, a deflection
// exceeds the allowable maximum, or 100 iterations are done. Each iteration
// writes its monitor line to the run notes.
#pragma once

#include "core/boundary_marks.h"
#include "core/curve_spreading.h"
#include "core/fortran_format.h"
#include "core/station_tables.h"

#include <vector>

namespace korvex {

inline constexpr int kMaxIterations = 100;

struct WallModel {
    const Wall& wall;
    StationTables& tables;  // ei is updated by moment-stiffness curves
    const BoundaryConditions& boundary;
    const std::vector<SoilCurve>& curves;
    CurveSpreadOptions curveOptions;
    const std::vector<MeiCurve>& meiCurves;
    StationArray& eiReplaced;  // stations whose EI a moment-stiffness curve set
};

struct IterationOutcome {
    int iteration = 0;  // last iteration done
    bool offCurve = false;
    int exceeding = 0;  // stations beyond the allowable deflection in the last iteration
    int notClosed = 0;  // stations not closed in the last iteration
};

// Solves from zero deflections; y receives the deflections of the last iteration.
IterationOutcome solveNonlinear(const WallModel& model, StationArray& y, fortran::FormattedWriter& notes);

}  // namespace korvex
