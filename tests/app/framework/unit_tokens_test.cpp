#include "framework/unit_tokens.h"

#include <cmath>
#include <gtest/gtest.h>

namespace korvex::app {
namespace {

TEST(UnitTokens, SystemIsClamped) {
    EXPECT_EQ(ClampUnits(0), 1);
    EXPECT_EQ(ClampUnits(-5), 1);
    EXPECT_EQ(ClampUnits(7), 3);
    EXPECT_EQ(ClampUnits(2), 2);
}

struct TLabelCase {
    const char* token;
    int system;
    const char* label;
};

TEST(UnitTokens, EveryVariantGivesTheSameLabelForTheApplicationsTokens) {
    const TLabelCase cases[] = {
        {"F/L2^3", 1, "lbs/ft^3"}, {"F-L^2", 1, "lbs-in^2"},     {"F-L/RAD.", 1, "lbs-in/RAD."},
        {"F/L2^2", 2, "kN/m^2"},   {"L1^2", 2, "mm^2"},          {"L1^2", 1, "in^2"},
        {"F/L", 2, "kN/m"},        {"F/L^3", 1, "lbs/in^3"},     {"F/L^3", 3, "F/L^3"},
        {"", 1, ""},               {"SEE NOTES", 2, "SEE NOTES"}, {"DEG.", 2, "DEG."},
    };
    for (const auto& c : cases) {
        for (auto variant : {TLabelVariant::Full, TLabelVariant::ShortTable, TLabelVariant::Edit, TLabelVariant::Graph})
            EXPECT_EQ(UnitLabel(c.token, c.system, variant), c.label) << c.token << " system " << c.system;
    }
}

TEST(UnitTokens, VariantsDifferOnlyWhereTheirSymbolSetsDo) {
    EXPECT_EQ(UnitLabel("F4", 1, TLabelVariant::Full), "lb-sec2/in");
    EXPECT_EQ(UnitLabel("F2-L2", 1, TLabelVariant::Full), "tons-ft");
    EXPECT_EQ(UnitLabel("F4", 1, TLabelVariant::ShortTable), "lbs4");
    EXPECT_EQ(UnitLabel("F/L", 1, TLabelVariant::Combo), "lbs/in");
    EXPECT_EQ(UnitLabel("F/L", 3, TLabelVariant::Full), "F/L");
    // Under other units the table labels drop the digit of L2, while the
    // edit and graph labels show the token unchanged.
    EXPECT_EQ(UnitLabel("F/L2^3", 3, TLabelVariant::Full), "F/L^3");
    EXPECT_EQ(UnitLabel("F/L2^3", 3, TLabelVariant::Edit), "F/L2^3");
    EXPECT_EQ(UnitLabel("F1/L1", 2, TLabelVariant::Graph), "kN/mm");
}

struct TFactorCase {
    const char* token;
    long double siToEnglish;
};

TEST(UnitTokens, ConversionFactorsAndTheirReciprocals) {
    const long double f = 224.8089237L, l = 39.37007874L, l1 = 0.03937007874L, l2 = 3.280839895L;
    const TFactorCase cases[] = {
        {"F", f},          {"L", l},          {"L1", l1},           {"L2", l2},
        {"F/L", f / l},    {"F/L2", f / l2},  {"F/L^2", f / (l * l)}, {"F/L^3", f / (l * l * l)},
        {"F/L2^2", f / (l2 * l2)}, {"F/L2^3", f / (l2 * l2 * l2)}, {"F-L", f * l}, {"F-L^2", f * l * l},
        {"F-L/RAD.", f * l}, {"L1^2", l1 * l1}, {"", 1}, {"SEE NOTES", 1}, {"DEG.", 1}, {"F1", 0.2248089237L},
        {"F2/L2", 0.1124044745L / l2}, {"L3", 1},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(ConversionFactor(2, 1, c.token) / c.siToEnglish, 1.0L, 1e-15L) << c.token;
        EXPECT_NEAR(ConversionFactor(1, 2, c.token) * c.siToEnglish, 1.0L, 1e-15L) << c.token;
    }
}

TEST(UnitTokens, OnlyEnglishAndSIConvert) {
    for (auto [from, to] : {std::pair{1, 1}, {2, 2}, {1, 3}, {3, 1}, {2, 3}, {3, 2}})
        EXPECT_EQ(ConversionFactor(from, to, "F/L2^3"), 1.0L);
}

TEST(UnitTokens, EnglishToSIAndBackRestoresTheValue) {
    const long double metres = 12 * ConversionFactor(1, 2, "L2");
    EXPECT_NEAR(metres, 12 / 3.280839895L, 1e-15L);
    EXPECT_NEAR(metres * ConversionFactor(2, 1, "L2"), 12.0L, 1e-15L);
}

}  // namespace
}  // namespace korvex::app
