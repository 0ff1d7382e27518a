#include "core/nonlinear_iteration.h"

#include "core/beam_solver.h"
#include "core/moment_stiffness.h"

#include <algorithm>
#include <cmath>

namespace korvex {
namespace {

void writeMonitorLine(fortran::FormattedWriter& notes, int iteration, bool offCurve, int notClosed,
                      const StationArray& y) {
    const char* format = offCurve ? "(3X,I4,7X,\"YES\",6X,I4,2X,5E10.3)" : "(3X,I4,7X,\"NO\",7X,I4,2X,5E10.3)";
    notes.write(format, {iteration, notClosed, y.valueOr0(1), y.valueOr0(2), y.valueOr0(3), y.valueOr0(4),
                         y.valueOr0(5)});
}

bool movedFromReference(const StationArray& y, const StationArray& reference, double tol) {
    for (int i = 0; i <= y.ni(); ++i) {
        if (std::fabs(y[i] - reference[i]) > tol) return true;
    }
    return false;
}

}  // namespace

IterationOutcome solveNonlinear(const WallModel& m, StationArray& y, fortran::FormattedWriter& notes) {
    const Wall& wall = m.wall;
    StationTables& t = m.tables;
    std::fill(y.values().begin(), y.values().end(), 0.0);
    StationArray reference(wall.ni);
    StationArray qw(wall.ni), sw(wall.ni);
    BeamSolver solver(wall.ni);
    notes.write("(/,/,/,\"     ITERATION MONITOR DATA\",/,\"     ----------------------\")");

    IterationOutcome out;
    for (out.iteration = 1;; ++out.iteration) {
        qw.values() = t.q.values();
        sw.values() = t.s.values();
        out.offCurve = addSoilCurves(m.curves, y, qw, sw, m.curveOptions);
        const SolveCounts counts = solver.solve({wall.dx, t.ei, qw, sw, t.t, t.r, t.p}, m.boundary, y, wall.ymax, wall.tol);
        out.exceeding = counts.exceeding;
        out.notClosed = counts.notClosed;
        writeMonitorLine(notes, out.iteration, out.offCurve, out.notClosed, y);
        if (out.exceeding > 0) break;
        if (out.notClosed == 0) {
            if (m.meiCurves.empty() || !movedFromReference(y, reference, wall.tol)) break;
            for (int i = 0; i <= wall.ni; ++i) reference[i] = y[i];
            updateMomentStiffness(m.meiCurves, y, wall.dx, t.ei, m.eiReplaced);
        }
        if (out.iteration == kMaxIterations) break;
    }
    return out;
}

}  // namespace korvex
