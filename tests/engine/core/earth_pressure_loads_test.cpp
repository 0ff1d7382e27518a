#include "core/earth_pressure_loads.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korvex {
namespace {

TEST(EarthPressureLoads, UserDistributionLoadsStationsOneToItsLastPointTimesTheIncrement) {
    StationArray q(20);
    // 0 at the top, 50 at 5 dx, 100 at 10 dx; dx = 2.
    addEarthPressureLoads({{0, 0, 0, 0}, {10, 50, 50, 0}, {20, 100, 100, 0}}, 20, 2, q);
    EXPECT_EQ(q[0], 0);
    EXPECT_DOUBLE_EQ(q[1], 20);
    EXPECT_DOUBLE_EQ(q[7], 140);
    EXPECT_DOUBLE_EQ(q[10], 200);
    EXPECT_EQ(q[11], 0);
}

TEST(EarthPressureLoads, AboveTheFirstPointRisesFromZeroAndBelowTheLastRepeatsThePreviousStation) {
    StationArray q(10);
    addEarthPressureLoads({{4, 40, 40, 0}, {6, 60, 60, 0}}, 7.6, 1, q);  // N = 8
    EXPECT_DOUBLE_EQ(q[2], 20);
    EXPECT_DOUBLE_EQ(q[4], 40);
    EXPECT_DOUBLE_EQ(q[5], 50);
    EXPECT_DOUBLE_EQ(q[7], 60);
    EXPECT_DOUBLE_EQ(q[8], 60);
    EXPECT_EQ(q[9], 0);
}

TEST(EarthPressureLoads, StationsBeyondTheTablesAreNotLoaded) {
    StationArray q(4);
    addEarthPressureLoads({{0, 1, 1, 0}, {100, 1, 1, 0}}, 100, 1, q);
    EXPECT_EQ(q[7], 1);  // NI + 3, the last station the tables hold
}

TEST(EarthPressureLoads, PlotRowsWriteAZeroSoilPartAs1EMinus7) {
    std::ostringstream text;
    fortran::FormattedWriter plot(text);
    writeEarthPressurePlot(plot, {{0, 0, 0, 0}, {180, 49.5, 45, 4.5}});
    EXPECT_EQ(text.str(),
              " 2\n"
              "   0.000E+00   0.000E+00   0.100E-06   0.000E+00\n"
              "   0.180E+03   0.495E+02   0.450E+02   0.450E+01\n");
}

}  // namespace
}  // namespace korvex
