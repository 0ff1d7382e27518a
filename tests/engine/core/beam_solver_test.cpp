#include "core/beam_results.h"
#include "core/beam_solver.h"
#include "core/distribution_rule.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvex {
namespace {

// A straight wall of length L on NI increments with constant EI and optional
// uniform lateral springs k (per unit length), spread as the SECTION and
// SPRINGS records spread them (half values at the two ends).
struct Wall {
    int ni;
    double h;
    StationArray f, q, s, t, r, p, y;
    std::vector<Restraint> restraints;

    Wall(int n, double length, double ei, double k = 0)
        : ni(n), h(length / n), f(n), q(n), s(n), t(n), r(n), p(n), y(n) {
        DistributionRule({&f}, "SECTION").apply(0, n, false, {ei});
        if (k != 0) DistributionRule({&s}, "SPRINGS").apply(0, n, false, {k * h});
    }
    SolveCounts solve(double ymax = 1e30, double tol = 1e-9) {
        BeamSolver solver(ni);
        return solver.solve({h, f, q, s, t, r, p}, makeBoundaryConditions(restraints, ni), y, ymax, tol);
    }
    std::vector<StationResult> results(double fullEiTop, double fullEiTip) {
        return beamResults(y, f, fullEiTop, fullEiTip, h, {});
    }
};

double relativeError(double value, double exact) { return std::fabs(value - exact) / std::fabs(exact); }

// Cantilever fixed at its tip (deflection and slope restrained at station NI),
// lateral load P at the head: head deflection P L^3 / 3 EI. Measured relative
// error of the head deflection: 2.0e-4 at 50, 5.0e-5 at 100, 3.1e-6 at 400 increments (1 / 2 NI^2).
TEST(BeamSolver, CantileverHeadDeflectionErrorIs2eMinus4At50And5eMinus5At100And3eMinus6At400Increments) {
    const double length = 240, ei = 4.0e9, load = 1000;
    const double exact = load * length * length * length / (3 * ei);
    for (auto [n, bound] : {std::pair{50, 2.1e-4}, std::pair{100, 5.1e-5}, std::pair{400, 3.2e-6}}) {
        Wall w(n, length, ei);
        w.q[0] = load;
        w.restraints = {{3, n, 0, 0}};
        w.solve();
        EXPECT_LT(relativeError(w.y[0], exact), bound) << n;
        EXPECT_GT(w.y[0], 0) << n;
    }
}

// Long free-head wall on uniform springs k (per unit length), lateral load P at
// the head: head deflection 2 P beta / k with beta = (k / 4 EI)^(1/4); here
// beta L = 28. Measured relative error: 7.7e-2 at 50 increments (beta h = 0.57),
// 2.0e-2 at 100, 1.25e-3 at 400.
TEST(BeamSolver, FreeHeadOnSpringsErrorIs7Point7PercentAt50And2At100And0Point13At400Increments) {
    const double length = 400, ei = 1e6, k = 100, load = 1000;
    const double exact = 2 * load * std::pow(k / (4 * ei), 0.25) / k;
    for (auto [n, bound] : {std::pair{50, 8e-2}, std::pair{100, 2.1e-2}, std::pair{400, 1.3e-3}}) {
        Wall w(n, length, ei, k);
        w.q[0] = load;
        w.solve();
        EXPECT_LT(relativeError(w.y[0], exact), bound) << n;
        EXPECT_LT(w.y[0], exact) << n;
    }
}

TEST(BeamSolver, FixedTipCantileverReportsTheFullMomentAtTheTipAndTheLoadAsShear) {
    const double length = 240, ei = 4.0e9, load = 1000;
    Wall w(50, length, ei);
    w.q[0] = load;
    w.restraints = {{3, 50, 0, 0}};
    w.solve();
    const std::vector<StationResult> rows = w.results(ei, ei);
    ASSERT_EQ(rows.size(), 53u);  // stations -1 .. NI + 1
    const StationResult& tip = rows[51];
    EXPECT_EQ(tip.station, 50);
    EXPECT_NEAR(tip.moment, load * length, 1e-6 * load * length);
    EXPECT_EQ(tip.ei, ei / 2);  // the EI column keeps the table value
    EXPECT_NEAR(rows[26].shear, load, 1e-6 * load);
    EXPECT_NEAR(rows[26].moment, load * 25 * w.h, 1e-6 * load * length);
    EXPECT_EQ(rows[0].moment, 0);
    // Without the full rigidity the tip would show half the moment.
    EXPECT_NEAR(w.results(ei / 2, ei / 2)[51].moment, 0.5 * load * length, 1e-6 * load * length);
}

TEST(BeamSolver, HeadCoupleShowsFullMomentAtTheHeadAndNoShearOnceCorrected) {
    const double length = 100, ei = 1e6, couple = 500;
    Wall w(20, length, ei);
    w.t[0] = couple;
    w.restraints = {{3, 20, 0, 0}};
    w.solve();
    const std::vector<StationResult> rows = beamResults(w.y, w.f, ei, ei, w.h, {{0, couple / (2 * w.h)}});
    for (int station : {0, 1, 10, 20}) {
        const StationResult& r = rows[static_cast<size_t>(station + 1)];
        EXPECT_NEAR(std::fabs(r.moment), couple, 1e-6 * couple) << station;
        if (station == 20) continue;  // the fixed tip carries the reaction
        EXPECT_NEAR(r.shear, 0, 1e-6 * couple) << station;
        EXPECT_NEAR(r.reaction, 0, 1e-6 * couple) << station;
    }
}

TEST(BeamSolver, SpecifiedDeflectionAndSlopeAreMetExactly) {
    Wall w(20, 100, 1e6, 10);
    w.q[3] = 100;
    w.restraints = {{1, 5, 0.01, 0}, {2, 12, 0, 0.002}, {5, 20, -0.03, 0.001}};
    w.solve();
    EXPECT_EQ(w.y[5], 0.01);
    EXPECT_NEAR((w.y[13] - w.y[11]) / (2 * w.h), 0.002, 1e-12);
    EXPECT_EQ(w.y[20], -0.03);
    EXPECT_NEAR((w.y[21] - w.y[19]) / (2 * w.h), 0.001, 1e-12);
}

TEST(BeamSolver, CountsStationsBeyondTheAllowableDeflectionAndNotClosed) {
    Wall w(10, 100, 1e6, 10);
    w.q[0] = 100;
    SolveCounts first = w.solve(1e30, 1e-9);
    EXPECT_EQ(first.exceeding, 0);
    EXPECT_GT(first.notClosed, 0);
    const double y0 = std::fabs(w.y[0]);
    SolveCounts second = w.solve(0.5 * y0, 1e-9);
    EXPECT_EQ(second.notClosed, 0);
    EXPECT_GE(second.exceeding, 1);
}

// The forward recursion with a slope station, written out term by term in the
// order of the method (x Dinv / Dinv3 from left to right), then back substitution.
std::vector<double> literalSlopeSolution(const Wall& w, int slopeStation, double theta) {
    const int n = w.ni;
    const double h = w.h, h2 = h * h, h3 = h2 * h;
    std::vector<double> A(n + 7), B(n + 7), C(n + 7), y(n + 7);
    double dinv3 = 0, a3 = 0, b3 = 0, c3 = 0;
    for (int i = -1; i <= n + 1; ++i) {
        const size_t j = static_cast<size_t>(i + 3);
        const auto F = [&](int s) { return w.f[s]; };
        const auto G = [&](int s) { return h * w.p[s] + w.r[s]; };
        const double a = F(i - 1) - 0.25 * h * G(i - 1), b = -2.0 * (F(i - 1) + F(i));
        const double c = F(i - 1) + 4.0 * F(i) + F(i + 1) + 0.25 * h * (G(i - 1) + G(i + 1)) + h3 * w.s[i];
        const double d = -2.0 * (F(i) + F(i + 1)), e = F(i + 1) - 0.25 * h * G(i + 1);
        const double f = h3 * w.q[i] - 0.5 * h2 * (w.t[i - 1] - w.t[i + 1]);
        const double E = a * B[j - 2] + b, D = a * A[j - 2] + E * B[j - 1] + c, dinv = -1.0 / D;
        A[j] = e * dinv;
        B[j] = (E * A[j - 1] + d) * dinv;
        C[j] = (a * C[j - 2] + E * C[j - 1] - f) * dinv;
        if (i == slopeStation - 1) {
            dinv3 = dinv, a3 = A[j], b3 = B[j], c3 = C[j];
            A[j] = 1, B[j] = 0, C[j] = -2.0 * h * theta;
        } else if (i == slopeStation + 1) {
            const double g = 1 / (1 - (b3 * B[j - 1] + a3 - 1) * dinv / dinv3);
            A[j] = g * A[j];
            B[j] = g * (b3 * A[j - 1] * dinv / dinv3 + B[j]);
            C[j] = g * ((2.0 * h * theta + c3 + b3 * C[j - 1]) * dinv / dinv3 + C[j]);
        }
    }
    for (size_t j = static_cast<size_t>(n + 4); j >= 2; --j) y[j] = A[j] * y[j + 2] + B[j] * y[j + 1] + C[j];
    return y;
}

TEST(BeamSolver, SlopeRestraintFollowsTheRecursionOperationForOperation) {
    Wall w(12, 60, 0);
    for (int i = -1; i <= 13; ++i) {
        w.f[i] = i < 0 || i > 12 ? 0 : 3.0e5 + 1.7e4 * i;
        w.s[i] = 0.37 * i * i;
        w.p[i] = 11.3 * (i % 3);
        w.r[i] = 7.1 * (i % 4);
        w.q[i] = 13.0 / (i + 2.5);
        w.t[i] = 0.9 * (i % 5);
    }
    for (int station : {3, 5, 8}) {
        w.restraints = {{2, station, 0, 0.0123}};
        w.y = StationArray(12);
        w.solve();
        const std::vector<double> y = literalSlopeSolution(w, station, 0.0123);
        for (int i = -1; i <= 13; ++i) EXPECT_EQ(w.y[i], y[static_cast<size_t>(i + 3)]) << station << " " << i;
    }
}

// A slope specified where the station before it has a zero pivot (no
// stiffness at all around the head) must still give finite deflections.
TEST(BeamSolver, ZeroPivotBeforeASlopeStationGivesFiniteDeflections) {
    Wall w(10, 100, 0);
    w.restraints = {{2, -1, 0, 0.01}, {3, 5, 0, 0.02}};
    w.solve();
    for (int i = -1; i <= 11; ++i) EXPECT_TRUE(std::isfinite(w.y[i])) << i;
}

}  // namespace
}  // namespace korvex
