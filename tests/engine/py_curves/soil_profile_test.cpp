#include "py_curves/soil_profile.h"
#include "py_curves/soil_properties.h"

#include "core/list_reader.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvex::py {
namespace {

constexpr double kPi = double(3.1416f);

// A layer with values gamma, c, phi (degrees), E50, k, K at its top and bottom.
SoilLayer layer(int type, double bottom, std::array<double, 6> top, std::array<double, 6> bottomValues) {
    return {type, bottom, top, bottomValues};
}

SoilLayer uniform(int type, double bottom, double gamma, double c) {
    return layer(type, bottom, {gamma, c, 30, 0.01, 100, 0}, {gamma, c, 30, 0.01, 100, 0});
}

ProfileFrame frame(double tipCut, double waterTable = 1.0e6) { return {100.0, waterTable, 0.036, tipCut}; }

TEST(SoilProfile, StartsAtTheExcavationWithTheTopValuesOfTheLayerItCuts) {
    const std::vector<SoilLayer> layers = {
        uniform(3, 80.0, 0.07, 1),  // above the excavation: no resistance
        layer(1, 150.0, {0.05, 10, 0, 0.02, 30, 0}, {0.05, 20, 0, 0.01, 30, 0}),
        uniform(4, 400.0, 0.06, 0),
    };
    const SoilProfile p = buildSoilProfile(layers, frame(1000.0));
    ASSERT_EQ(p.layers.size(), 2u);
    EXPECT_EQ(p.layers[0].type, 1);
    EXPECT_EQ(p.layers[0].top, 0.0);
    EXPECT_EQ(p.layers[0].bottom, 50.0);
    EXPECT_EQ(p.layers[1].top, 50.0);
    EXPECT_EQ(p.layers[1].bottom, 300.0);
    EXPECT_EQ(p.strength[0][Strength::Cohesion], 10.0);  // not interpolated to the excavation level
    EXPECT_EQ(p.strength[1][Strength::Cohesion], 20.0);
    EXPECT_DOUBLE_EQ(p.strength[2][Strength::Phi], 30.0 * kPi / 180.0);
    EXPECT_EQ(p.layers[0].kpy, 30.0);
}

TEST(SoilProfile, ALayerReachingBelowTheWallTipEndsThereWithInterpolatedValues) {
    const std::vector<SoilLayer> layers = {
        uniform(1, 150.0, 0.05, 10),
        layer(3, 350.0, {0.05, 10, 0, 0.02, 30, 0}, {0.05, 30, 0, 0.01, 30, 0}),  // x 50 .. 250
        uniform(4, 500.0, 0.06, 0),
    };
    const SoilProfile p = buildSoilProfile(layers, frame(200.0));
    ASSERT_EQ(p.layers.size(), 2u);
    EXPECT_EQ(p.layers[1].bottom, 200.0);
    EXPECT_EQ(p.strength.back().x, 200.0);
    EXPECT_DOUBLE_EQ(p.strength.back()[Strength::Cohesion], 10 + 20 * 150.0 / 200.0);
    EXPECT_DOUBLE_EQ(p.strength.back()[Strength::E50], 0.02 - 0.01 * 150.0 / 200.0);
    // The change of value times the reach into the layer, divided by its thickness.
    const SoilProfile cut = buildSoilProfile(layers, frame(157.0));
    EXPECT_EQ(cut.strength.back()[Strength::Cohesion], 10 + 20.0 * 107.0 / 200.0);
}

TEST(SoilProfile, ProfileEndsAtALayerThatStartsAtTheCutOrIsOutOfOrder) {
    const SoilProfile atCut = buildSoilProfile({uniform(1, 300.0, 0.05, 10), uniform(4, 500.0, 0.06, 0)}, frame(200.0));
    EXPECT_EQ(atCut.layers.size(), 1u);
    const SoilProfile outOfOrder =
        buildSoilProfile({uniform(1, 300.0, 0.05, 10), uniform(4, 250.0, 0.06, 0)}, frame(1000.0));
    EXPECT_EQ(outOfOrder.layers.size(), 1u);
    EXPECT_TRUE(buildSoilProfile({uniform(1, 90.0, 0.05, 10)}, frame(1000.0)).layers.empty());
}

TEST(SoilProfile, CurveDepthsLieInsideTheLayer) {
    const std::array<double, 5> d = curveDepths({1, 20.0, 30.0, 0}, 0.1);
    const std::array<double, 5> expected{20.1, 22.5, 25.0, 27.5, 29.9};
    for (size_t i = 0; i < d.size(); ++i) EXPECT_NEAR(d[i], expected[i], 1e-12);
}

TEST(SoilProfile, UnitWeightFollowsTheWaterTable) {
    struct Case {
        const char* name;
        double waterTable;
        std::vector<UnitWeightPoint> expected;
    };
    const double w = 0.036;
    const Case cases[] = {
        {"dry profile", 1.0e6, {{0, 0.05}, {50, 0.05}, {50, 0.06}, {300, 0.06}}},
        {"water inside the first layer: dry down to it, ramp to the submerged next layer",
         130.0,
         {{0, 0.05}, {30, 0.05}, {50, 0.06 - w}, {300, 0.06 - w}}},
        {"water at the layer boundary: the step lies at the boundary",
         150.0,
         {{0, 0.05}, {50, 0.05}, {50, 0.06 - w}, {300, 0.06 - w}}},
        {"water inside the last layer: submerged tail appended",
         250.0,
         {{0, 0.05}, {50, 0.05}, {50, 0.06}, {150, 0.06}, {150, 0.06 - w}, {300, 0.06 - w}}},
        {"water above the excavation", 0.0, {{0, 0.05 - w}, {50, 0.05 - w}, {50, 0.06 - w}, {300, 0.06 - w}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SoilProfile p =
            buildSoilProfile({uniform(1, 150.0, 0.05, 10), uniform(4, 400.0, 0.06, 0)}, frame(1000.0, c.waterTable));
        ASSERT_EQ(p.unitWeight.size(), c.expected.size());
        for (size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_DOUBLE_EQ(p.unitWeight[i].x, c.expected[i].x) << i;
            EXPECT_DOUBLE_EQ(p.unitWeight[i].gamma, c.expected[i].gamma) << i;
        }
    }
}

TEST(SoilProperties, ValuesInterpolateAndMeetAtLayerBoundaries) {
    const std::vector<SoilLayer> layers = {
        layer(1, 150.0, {0.05, 10, 0, 0.02, 30, 0}, {0.05, 20, 0, 0.0, 30, 0}),
        layer(1, 250.0, {0.05, 40, 0, 0.01, 30, 0}, {0.05, 40, 0, 0.01, 30, 0}),
    };
    const SoilProfile p = buildSoilProfile(layers, frame(1000.0));
    const SoilProperties props(p);
    EXPECT_DOUBLE_EQ(props.at(Strength::Cohesion, 25.0), 15.0);
    EXPECT_DOUBLE_EQ(props.at(Strength::Cohesion, 50.0), 30.0);  // mean at the boundary
    EXPECT_DOUBLE_EQ(props.at(Strength::E50, 50.0), 0.01);       // a zero value gives way to the other
    EXPECT_DOUBLE_EQ(props.averageCohesion(0, 25.0), 12.5);      // CAVG: (c at top + c at x) / 2
    EXPECT_DOUBLE_EQ(props.averageCohesion(1, 50.0), 40.0);
}

TEST(SoilProperties, DepthBeyondTheStrengthTableEndsTheRunNamingTheCurve) {
    const SoilProfile p = buildSoilProfile({uniform(4, 150.0, 0.05, 0)}, frame(1000.0));
    const SoilProperties props(p);
    for (auto [column, text] : {std::pair{Strength::Phi, "THE INPUT PHI CURVE"},
                                std::pair{Strength::Cohesion, "THE INPUT STRENGTH CURVE"}}) {
        try {
            props.at(column, 50.1);
            ADD_FAILURE() << "no DataError";
        } catch (const DataError& e) {
            EXPECT_NE(std::string(e.what()).find(text), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("THE VALUE OF X =  0.5D+02IS BEYOND THE EXTENT OF"),
                      std::string::npos)
                << e.what();
        }
    }
    EXPECT_THROW(props.averageUnitWeight(50.1), DataError);
}

TEST(SoilProperties, AverageUnitWeightIntegratesTheTableFromTheExcavation) {
    // Dry 0.05 down to x = 30, then a ramp to 0.06 - 0.036 at x = 50, then constant.
    const SoilProfile p =
        buildSoilProfile({uniform(1, 150.0, 0.05, 10), uniform(4, 400.0, 0.06, 0)}, frame(1000.0, 130.0));
    const SoilProperties props(p);
    const double sub = 0.06 - 0.036;
    EXPECT_DOUBLE_EQ(props.averageUnitWeight(0.0), 0.05);
    EXPECT_DOUBLE_EQ(props.averageUnitWeight(20.0), 0.05);
    const double at40 = (0.05 * 30 + (0.05 + (0.05 + sub) / 2) / 2 * 10) / 40;
    EXPECT_NEAR(props.averageUnitWeight(40.0), at40, 1e-15);
    const double at100 = (0.05 * 30 + (0.05 + sub) / 2 * 20 + sub * 50) / 100;
    EXPECT_NEAR(props.averageUnitWeight(100.0), at100, 1e-15);
}

}  // namespace
}  // namespace korvex::py
