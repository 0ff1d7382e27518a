// The linear beam-column problem of one iteration: one difference equation per
// station (-1 to NI + 1), solved as a five-diagonal system by a two-term
// recursion y(i) = A(i) y(i+2) + B(i) y(i+1) + C(i) and back substitution.
#pragma once

#include "core/boundary_marks.h"
#include "core/station_array.h"

namespace korvex {

// The station values the equations are built from.
struct BeamSystem {
    double h = 0;             // increment length
    const StationArray& f;    // flexural rigidity
    const StationArray& qw;   // transverse load of this iteration
    const StationArray& sw;   // lateral spring stiffness of this iteration
    const StationArray& t;    // applied couple
    const StationArray& r;    // rotational spring stiffness
    const StationArray& p;    // axial load
};

struct SolveCounts {
    int exceeding = 0;  // stations 0..NI with |y| beyond the maximum allowable deflection
    int notClosed = 0;  // stations 0..NI whose deflection changed by more than the tolerance
};

class BeamSolver {
public:
    explicit BeamSolver(int ni) : a_(ni), b_(ni), c_(ni) {}

    // Replaces the deflections y (stations -1 to NI + 1) by the solution and
    // counts against the previous ones. Deflections beyond NI + 1 act as zero.
    SolveCounts solve(const BeamSystem& system, const BoundaryConditions& bc, StationArray& y, double ymax,
                      double tol);

private:
    void forward(const BeamSystem& system, const BoundaryConditions& bc);
    StationArray a_, b_, c_;
};

}  // namespace korvex
