#include "earth_pressure/soil_profile.h"

#include "earth_pressure_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvex::earth_pressure {
namespace {

using test::LayerSpec;
using test::wallProblem;

TEST(BreakDepths, ExcavationAndWaterTableOnceEach) {
    struct Case {
        double h, zwb;
        std::vector<double> expected;
    };
    const std::vector<Case> cases = {
        {120, 200, {120, 200}},
        {200, 120, {120, 200}},
        {120, 120, {120}},            // coinciding: one break
        {120, 120.000001, {120}},     // within the tolerance
        {120, 0, {120}},              // water table at the surface: no break there
        {120, -10, {120}},            // above the surface: no break either
        {120, 1.0e6, {120, 1.0e6}},
    };
    for (const Case& c : cases) EXPECT_EQ(breakDepths(c.h, c.zwb), c.expected) << c.h << ", " << c.zwb;
}

TEST(Subdivision, CutsLayersAtTheBreaks) {
    const LayerSpec sand{4, 0, 0.07, 0, 30, 0};
    auto layers = [&](std::vector<double> bottoms) {
        std::vector<LayerSpec> layerList;
        for (double b : bottoms) {
            LayerSpec l = sand;
            l.bottom = b;
            layerList.push_back(l);
        }
        return inputLayers(wallProblem(1, 2, 0, 10, 1, layerList));
    };
    struct Case {
        const char* name;
        std::vector<double> bottoms;
        double h, zwb;
        std::vector<double> tops, thicknesses;
        int excavation, waterTable;
    };
    const std::vector<Case> cases = {
        {"one deep layer: three layers", {300}, 120, 200, {0, 120, 200}, {120, 80, 100}, 1, 2},
        {"water table at the free height: one split", {300}, 120, 120, {0, 120}, {120, 180}, 1, 1},
        {"water table at the surface", {300}, 120, 0, {0, 120}, {120, 180}, 1, 0},
        {"water table below the profile", {300}, 120, 1.0e6, {0, 120}, {120, 180}, 1, -1},
        {"boundary already at H", {120, 300}, 120, 1.0e6, {0, 120}, {120, 180}, 1, -1},
        {"boundary within the tolerance of H", {120.000001, 300}, 120, 1.0e6, {0, 120.000001},
         {120.000001, 179.999999}, 1, -1},
        {"break in a deeper layer", {100, 300}, 150, 50, {0, 50, 100, 150}, {50, 50, 50, 150}, 3, 1},
        {"list ends at a non-positive thickness", {100, 100, 300}, 50, 1.0e6, {0, 50}, {50, 50}, 1, -1},
        {"free height at the profile bottom", {100}, 100, 1.0e6, {0}, {100}, -1, -1},
        {"free height below the profile", {100}, 150, 1.0e6, {0}, {100}, -1, -1},
    };
    for (const Case& c : cases) {
        const SoilProfile p = subdivide(layers(c.bottoms), c.h, c.zwb, 1.0);
        ASSERT_EQ(p.layers.size(), c.tops.size()) << c.name;
        for (size_t i = 0; i < c.tops.size(); ++i) {
            EXPECT_NEAR(p.layers[i].ztop, c.tops[i], 1e-9) << c.name << " layer " << i + 1;
            EXPECT_NEAR(p.layers[i].thickness, c.thicknesses[i], 1e-9) << c.name << " layer " << i + 1;
        }
        EXPECT_EQ(p.excavationLayer, c.excavation) << c.name;
        EXPECT_EQ(p.waterTableLayer, c.waterTable) << c.name;
        EXPECT_FALSE(p.overflow) << c.name;
    }
}

TEST(Subdivision, SplitLayersKeepTheirPropertiesAndOverflowIsFlagged) {
    const auto input = inputLayers(wallProblem(1, 2, 120, 10, 1, {{1, 300, 0.065, 4.5, 0, 0.6}}));
    const SoilProfile p = subdivide(input, 120, 200, 0.8);
    ASSERT_EQ(p.layers.size(), 3u);
    for (const WorkingLayer& l : p.layers) {
        EXPECT_EQ(l.type, 1);
        EXPECT_DOUBLE_EQ(l.gamma, 0.065);
        EXPECT_DOUBLE_EQ(l.strength, 4.5);
        EXPECT_DOUBLE_EQ(l.optionalK, 0.6);
        EXPECT_DOUBLE_EQ(l.m, 0.8);
        EXPECT_FALSE(l.drained);
    }
    EXPECT_DOUBLE_EQ(p.bottom, 300);

    const SoilProfile small = subdivide(input, 120, 200, 1.0, 2);
    EXPECT_TRUE(small.overflow);
    EXPECT_EQ(small.layers.size(), 2u);
    // Three layers fill a table of three records: the end of the list has no room.
    const SoilProfile full = subdivide(input, 120, 200, 1.0, 3);
    EXPECT_TRUE(full.overflow);
    EXPECT_EQ(full.layers.size(), 3u);
    EXPECT_FALSE(subdivide(input, 120, 200, 1.0, 4).overflow);
}

TEST(InputLayers, TakeTopValuesAndRockHasNoUserCoefficient) {
    const auto input = inputLayers(wallProblem(2, 2, 3, 10, 1,
                                               {{4, 2.0, 18, 0, 32, 0.4}, {1, 5.0, 17, 25, 0, 0.7}, {7, 9.0, 22, 500, 0, 60}}));
    ASSERT_EQ(input.size(), 3u);
    EXPECT_DOUBLE_EQ(input[0].thickness, 2.0);
    EXPECT_DOUBLE_EQ(input[1].thickness, 3.0);
    EXPECT_DOUBLE_EQ(input[2].thickness, 4.0);
    EXPECT_TRUE(input[0].drained);
    EXPECT_FALSE(input[1].drained);
    EXPECT_TRUE(input[2].drained);
    EXPECT_DOUBLE_EQ(input[0].phi, 32);
    EXPECT_DOUBLE_EQ(input[1].strength, 25);
    EXPECT_DOUBLE_EQ(input[0].optionalK, 0.4);
    EXPECT_DOUBLE_EQ(input[2].optionalK, 0.0);  // RQD of weak rock is not a coefficient
}

TEST(Overburden, EffectiveBelowWaterAndTotalForUndrainedWithUserCoefficient) {
    const double gw = spc(0.036f);
    // Sand to 60 with the water table at 30, clay with a user coefficient below.
    auto problem = wallProblem(1, 2, 120, 24, 10, {{4, 60, 0.07, 0, 30, 0}, {1, 300, 0.06, 3, 0, 0.5}});
    SoilProfile p = subdivide(inputLayers(problem), 120, 30, 1.0);
    ASSERT_EQ(p.layers.size(), 4u);  // 0, 30, 60, 120
    const double svExc = computeOverburden(p, 0.5, 30, gw);
    const double expected[] = {0.5, 0.5 + 30 * 0.07, 0.5 + 60 * 0.07 - 30 * gw, 0.5 + 60 * 0.07 + 60 * 0.06 - 90 * gw};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(p.layers[i].overburden, expected[i], 1e-12) << i;
    EXPECT_DOUBLE_EQ(svExc, p.layers[3].overburden);
    EXPECT_FALSE(p.layers[0].belowWater);
    EXPECT_TRUE(p.layers[1].belowWater);  // its top is at the water table

    useTotalStressWithUserCoefficient(p, 30, gw);
    EXPECT_NEAR(p.layers[1].overburden, expected[1], 1e-12);  // sand: stays effective
    EXPECT_NEAR(p.layers[2].overburden, 0.5 + 60 * 0.07, 1e-12);  // clay with K: total
    EXPECT_NEAR(p.layers[3].overburden, 0.5 + 60 * 0.07 + 60 * 0.06, 1e-12);
}

TEST(WaterPressure, HydrostaticResultantsOfDrainedLayersAboveTheExcavation) {
    const double gw = spc(0.036f);
    auto problem = wallProblem(1, 2, 120, 24, 10, {{4, 300, 0.07, 0, 30, 0}});
    SoilProfile p = subdivide(inputLayers(problem), 117.3, 40, 0.9);  // 0, 40, 117.3
    computeOverburden(p, 0, 40, gw);
    ASSERT_TRUE(computeWaterPressures(p, 40, gw));
    const WorkingLayer& l = p.layers[1];
    const double t = l.thickness;
    EXPECT_DOUBLE_EQ(l.pw1, 0.0);  // its top is at the water table
    EXPECT_EQ(l.pw2, 0.5 * gw * (t * t) * 0.9);  // t^2 formed first
    EXPECT_NEAR(l.zw2, 40 + 2 * 77.3 / 3, 1e-9);
    EXPECT_DOUBLE_EQ(p.layers[0].pw2, 0.0);

    // Water table below the excavation: nothing to report.
    SoilProfile deep = subdivide(inputLayers(problem), 120, 200, 1.0);
    computeOverburden(deep, 0, 200, gw);
    EXPECT_FALSE(computeWaterPressures(deep, 200, gw));
}

}  // namespace
}  // namespace korvex::earth_pressure
