#include "core/beam_solver.h"

#include <cmath>

namespace korvex {
namespace {

struct Row {
    double a, b, c, d, e, f;
};

Row differenceEquation(const BeamSystem& s, int i) {
    const double h = s.h;
    const double h2 = h * h;
    const double h3 = h2 * h;
    Row row;
    row.a = s.f[i - 1] - 0.25 * h * (h * s.p[i - 1] + s.r[i - 1]);
    row.b = -2.0 * (s.f[i - 1] + s.f[i]);
    row.c = s.f[i - 1] + 4.0 * s.f[i] + s.f[i + 1] +
            0.25 * h * (h * s.p[i - 1] + s.r[i - 1] + h * s.p[i + 1] + s.r[i + 1]) + h3 * s.sw[i];
    row.d = -2.0 * (s.f[i] + s.f[i + 1]);
    row.e = s.f[i + 1] - 0.25 * h * (h * s.p[i + 1] + s.r[i + 1]);
    row.f = h3 * s.qw[i] - 0.5 * h2 * (s.t[i - 1] - s.t[i + 1]);
    return row;
}

// Coefficients saved at the station before a slope station; the equation there
// is replaced by the central-difference slope.
struct SlopeStart {
    double dinv = 0, a = 0, b = 0, c = 0;
};

// x Dinv / Dinv3, evaluated left to right; Dinv / Dinv3 is the ratio of the pivot
// at the station before the slope to this station's pivot, and a zero pivot
// there makes the term zero rather than infinite.
double scaledByPivotRatio(double x, double dinv, double dinv3) { return dinv3 == 0 ? 0.0 : x * dinv / dinv3; }

}  // namespace

void BeamSolver::forward(const BeamSystem& s, const BoundaryConditions& bc) {
    StationArray& A = a_;
    StationArray& B = b_;
    StationArray& C = c_;
    A[-3] = B[-3] = C[-3] = 0;
    A[-2] = B[-2] = C[-2] = 0;
    const double twoH = 2.0 * s.h;
    size_t k = 0;
    SlopeStart saved;
    const int ni = A.ni();
    for (int i = -1; i <= ni + 1; ++i) {
        const Row q = differenceEquation(s, i);
        const double e = q.a * B[i - 2] + q.b;
        const double d = q.a * A[i - 2] + e * B[i - 1] + q.c;
        const double dinv = d == 0 ? 0.0 : -1.0 / d;
        A[i] = q.e * dinv;
        B[i] = (e * A[i - 1] + q.d) * dinv;
        C[i] = (q.a * C[i - 2] + e * C[i - 1] - q.f) * dinv;
        switch (bc.mark(i)) {
        case kDeflection:
            A[i] = 0;
            B[i] = 0;
            C[i] = bc.deflection(k++);
            break;
        case kBeforeSlope:
            saved = {dinv, A[i], B[i], C[i]};
            A[i] = 1;
            B[i] = 0;
            C[i] = -twoH * bc.slope(k);
            break;
        case kSlopeDeflection:
            A[i] = 0;
            B[i] = 0;
            C[i] = bc.deflection(k);
            break;
        case kAfterSlope: {
            const double denominator = 1.0 - scaledByPivotRatio(saved.b * B[i - 1] + saved.a - 1.0, dinv, saved.dinv);
            // A vanishing pivot of the combined equation is treated like a zero pivot D.
            const double g = denominator == 0 ? 0.0 : 1.0 / denominator;
            A[i] = g * A[i];
            B[i] = g * (scaledByPivotRatio(saved.b * A[i - 1], dinv, saved.dinv) + B[i]);
            C[i] = g * (scaledByPivotRatio(twoH * bc.slope(k) + saved.c + saved.b * C[i - 1], dinv, saved.dinv) + C[i]);
            ++k;
            break;
        }
        default:
            break;
        }
    }
}

SolveCounts BeamSolver::solve(const BeamSystem& s, const BoundaryConditions& bc, StationArray& y, double ymax,
                              double tol) {
    forward(s, bc);
    const int ni = y.ni();
    y[ni + 2] = 0;
    y[ni + 3] = 0;
    y[ni + 1] = a_[ni + 1] * y[ni + 3] + b_[ni + 1] * y[ni + 2] + c_[ni + 1];
    SolveCounts counts;
    for (int i = ni; i >= 0; --i) {
        const double old = y[i];
        y[i] = a_[i] * y[i + 2] + b_[i] * y[i + 1] + c_[i];
        if (ymax - std::fabs(y[i]) < 0) ++counts.exceeding;
        if (std::fabs(y[i] - old) - tol > 0) ++counts.notClosed;
    }
    y[-1] = a_[-1] * y[1] + b_[-1] * y[0] + c_[-1];
    return counts;
}

}  // namespace korvex
