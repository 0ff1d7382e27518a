#include "core/nonlinear_iteration.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korvex {
namespace {

// A wall of 10 increments, EI 1e6 throughout (full values inside), lateral
// load 100 at the head, optional curves and moment-stiffness sets.
struct Problem {
    Wall wall{10, 10.0, 1e30, 1e-6, 0, 1};
    StationTables tables{10};
    BoundaryConditions boundary = makeBoundaryConditions({}, 10);
    std::vector<SoilCurve> curves;
    std::vector<MeiCurve> mei;
    StationArray replaced{10};
    StationArray y{10};
    std::ostringstream text;
    fortran::FormattedWriter notes{text};

    Problem() {
        for (int i = 0; i <= 10; ++i) tables.ei[i] = 1e6;
        tables.q[0] = 100;
    }
    IterationOutcome run() {
        return solveNonlinear({wall, tables, boundary, curves, {}, mei, replaced}, y, notes);
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        std::istringstream in(text.str());
        for (std::string l; std::getline(in, l);) out.push_back(l);
        return out;
    }
};

// A curve p = -k y between y = -1 and 1 with a kink at 0 (three points).
SoilCurve soil(int station, bool interpolate, double k) {
    return {station, interpolate, {{-1, k}, {0, 0}, {1, -k}}};
}

TEST(NonlinearIteration, LinearProblemClosesInTheSecondIterationWithTheMonitorInTheRunNotes) {
    Problem p;
    p.curves = {soil(0, true, 5e3), soil(10, false, 5e3)};
    const IterationOutcome out = p.run();
    EXPECT_EQ(out.iteration, 2);
    EXPECT_FALSE(out.offCurve);
    EXPECT_EQ(out.notClosed, 0);
    const std::vector<std::string> l = p.lines();
    ASSERT_EQ(l.size(), 7u);
    EXPECT_EQ(l[3], "     ITERATION MONITOR DATA");
    EXPECT_EQ(l[4], "     ----------------------");
    EXPECT_EQ(l[5].substr(0, 17), "      1       NO ");
    EXPECT_EQ(l[6].substr(0, 27), "      2       NO          0");
    EXPECT_EQ(l[6].size(), 27u + 2 + 50);
}

TEST(NonlinearIteration, TwoPointCurveIsReportedOffCurveInEveryIteration) {
    Problem p;
    p.curves = {{0, true, {{0, 0}, {1, -5e3}}}, {10, false, {{0, 0}, {1, -5e3}}}};
    const IterationOutcome out = p.run();
    EXPECT_TRUE(out.offCurve);
    for (size_t i = 5; i < p.lines().size(); ++i) EXPECT_EQ(p.lines()[i].substr(14, 3), "YES");
}

TEST(NonlinearIteration, DeflectionBeyondTheAllowableMaximumStopsInTheFirstIteration) {
    Problem p;
    p.curves = {soil(0, true, 5e3), soil(10, false, 5e3)};
    p.wall.ymax = 1e-9;
    const IterationOutcome out = p.run();
    EXPECT_EQ(out.iteration, 1);
    EXPECT_GT(out.exceeding, 0);
}

TEST(NonlinearIteration, UnclosedSolutionStopsAfterOneHundredIterations) {
    Problem p;
    // A curve that softens to zero stiffness beyond y = 1e-9 keeps the wall moving.
    p.curves = {{0, true, {{-1e-9, 1}, {0, 0}, {1e-9, -1}, {2e-9, -1}}}, {10, false, {{-1e-9, 1}, {0, 0}, {1e-9, -1}, {2e-9, -1}}}};
    p.wall.tol = 0;
    const IterationOutcome out = p.run();
    EXPECT_EQ(out.iteration, 100);
    EXPECT_GT(out.notClosed, 0);
}

TEST(NonlinearIteration, MomentStiffnessUpdateFollowsAClosedIterationThatLeftTheReference) {
    Problem p;
    p.curves = {soil(0, true, 5e3), soil(10, false, 5e3)};
    p.mei = {{0, 10, {{0, 1e6}, {1e3, 1e6}, {1e4, 1e5}}}};
    const IterationOutcome out = p.run();
    EXPECT_GE(out.iteration, 3);
    EXPECT_EQ(out.notClosed, 0);
    EXPECT_EQ(p.replaced[5], 1);
    EXPECT_EQ(p.replaced[11], 0);
}

}  // namespace
}  // namespace korvex
