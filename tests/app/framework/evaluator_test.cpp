#include "framework/errors.h"
#include "framework/evaluator.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace korvex::app {
namespace {

struct TValueCase {
    const char* entry;
    long double value;
};

TEST(Evaluator, OperatorsFunctionsAndSigns) {
    const long double e = std::numbers::e_v<long double>;
    const TValueCase cases[] = {
        {"2*(3+4)", 14},     {"-(2+3)", -5},       {"3--2", 5},           {"2^-1", 0.5L},
        {"10%3", 1},         {"-7%2", -1},         {"5!", 120},           {"(-3)!", -6},
        {"0!", 1},           {"$FF", 255},         {"$ffffffff", -1},     {"1e3+1", 1001},
        {"2^3^2", 64},       {"8/2/2", 2},         {"7-2-1", 4},          {"1+2*3", 7},
        {"2*3=6", 1},        {"1=2", 0},           {"0&5", 0},            {"2&5", 1},
        {"0|0", 0},          {"0|3", 1},           {"round(2.5)", 2},     {"round(3.5)", 4},
        {"int(-2.7)", -2},   {"frac(-2.75)", -0.75L}, {"abs(-3)", 3},     {"ceil(1.2)", 2},
        {"floor(-1.2)", -2}, {"sqrt(16)", 4},      {"log(1000)", 3},      {"ln(e)", 1},
        {"sin(-0.5)", std::sin(-0.5L)}, {"2+sin(-0.5)", 2 + std::sin(-0.5L)}, {"(e)-1", e - 1},
        {"-pi", -std::numbers::pi_v<long double>}, {" 1 2 ", 12}, {"\t-e", -e}, {"0^2", 0}, {"0^0", 1},
        {"arccosh(0.5)", 0}, {"cotan(1)", 1 / std::tan(1.0L)}, {"SQRT(4)", 2}, {"1E-5*2", 2e-5L},
    };
    for (const auto& c : cases) EXPECT_NEAR(EvaluateEntry(c.entry), c.value, 1e-15L) << c.entry;
    EXPECT_NEAR(EvaluateEntry("sin(pi/2)"), 1.0L, 1e-17L);
}

TEST(Evaluator, IntermediateResultsTravelAsEighteenDigits) {
    EXPECT_EQ(EvaluateEntry("1/3*3"), EvaluateEntry("0.999999999999999999"));
    EXPECT_NE(EvaluateEntry("1/3*3"), 1.0L);
}

struct TFailureCase {
    const char* entry;
    const char* reason;
};

TEST(Evaluator, FailuresCarryTheUsersMessage) {
    const TFailureCase cases[] = {
        {"", "entry cannot be blank"},
        {"2+3)", "() (parentheses) do not match"},
        {"2+", "invalid expression"},
        {"(2+3", "invalid character(s) in expression"},
        {"e-1", "invalid character(s) in expression"},
        {"abc", "invalid character(s) in expression"},
        {"2**3", "invalid character(s) in expression"},
        {"$XYZ", "invalid use of $ (hex function)"},
        {"$123456789", "invalid use of $ (hex function)"},
        {"2.5!", "! (factoral) applicable to integers only"},
        {"1/0", "invalid arithmetic operation"},
        {"sqrt(-1)", "invalid arithmetic operation"},
        {"5%0", "invalid arithmetic operation"},
        {"1e4000*1e4000", "invalid arithmetic operation"},
        {"1e30%2", "invalid arithmetic operation"},
        {"100000!", "invalid arithmetic operation"},
    };
    for (const auto& c : cases) {
        try {
            EvaluateEntry(c.entry);
            ADD_FAILURE() << c.entry << " was accepted";
        } catch (const EAssignError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Entry could not be evaluated:\r") + c.reason) << c.entry;
        }
    }
}

TEST(Evaluator, HugeFactorialStopsEarly) {
    EXPECT_THROW(EvaluateEntry("1e18!"), EAssignError);  // must not loop 1e18 times
}

}  // namespace
}  // namespace korvex::app
