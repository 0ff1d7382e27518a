#include "core/fortran_format.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace korvex::fortran;

namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string s;
    for (size_t i = 0; i < lines.size(); ++i) s += (i ? "|" : "") + lines[i];
    return s;
}

struct FieldCase {
    const char* format;
    double value;
    const char* expected;
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.format << " " << c.value; }

class SingleField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(SingleField, WritesTheFieldAsFortranWould) {
    const FieldCase& c = GetParam();
    EXPECT_EQ(joined(formatLines(c.format, {c.value})), c.expected) << c.format << " " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SingleField,
    ::testing::Values(
        FieldCase{"(E10.3)", 12.36, " 0.124E+02"}, FieldCase{"(E10.3)", -12.35, "-0.123E+02"},
        FieldCase{"(E10.3)", 0.0, " 0.000E+00"}, FieldCase{"(E10.3)", -0.0, " 0.000E+00"},
        FieldCase{"(E10.3)", 1.0e-7, " 0.100E-06"}, FieldCase{"(E10.3)", 9.9996, " 0.100E+02"},
        FieldCase{"(E13.4)", -12.35, "  -0.1235E+02"}, FieldCase{"(E9.3)", -12.36, "-.124E+02"},
        FieldCase{"(E8.3)", -12.35, "********"}, FieldCase{"(E10.3)", 1.5e120, " 0.150+121"},
        FieldCase{"(1P,E9.3)", 0.00001, "1.000E-05"}, FieldCase{"(1PE10.3)", 123.4, " 1.234E+02"},
        FieldCase{"(1P,E9.3)", 0.0, "0.000E+00"}, FieldCase{"(D12.4)", 1234.5, "  0.1234D+04"},
        FieldCase{"(F9.3)", 12.0, "   12.000"}, FieldCase{"(F9.3)", -0.5, "   -0.500"},
        FieldCase{"(F5.3)", 0.5, "0.500"}, FieldCase{"(F5.3)", -0.5, "-.500"},
        FieldCase{"(F4.3)", -0.5, "****"}, FieldCase{"(F6.2)", 1234.567, "******"},
        FieldCase{"(F6.3)", -0.0001, "-0.000"}, FieldCase{"(F10.2)", 1e300, "**********"},
        FieldCase{"(I3)", 42, " 42"}, FieldCase{"(I2)", 100, "**"}, FieldCase{"(I4)", -7, "  -7"},
        FieldCase{"(I2.2)", 5, "05"}, FieldCase{"(I4.3)", 7, " 007"}));

TEST(FormatLines, SlashesLiteralsRepeatsAndBlanks) {
    EXPECT_EQ(joined(formatLines("(/,/,6X,5 \"*\",/)", {})), "||      *****|");
    EXPECT_EQ(joined(formatLines("(5X,\"A\",I2,'B''C')", {7})), "     A 7B'C");
    EXPECT_EQ(joined(formatLines("(2(1X,I2))", {1, 2})), "  1  2");
    EXPECT_EQ(joined(formatLines("(3I3)", {1, 2, 3})), "  1  2  3");
    EXPECT_EQ(joined(formatLines("(\"SPECIFIED'TOLERANCE\")", {})), "SPECIFIED'TOLERANCE");
}

TEST(FormatLines, StopsAtTheFirstDescriptorWithoutValueAndRevertsWhenValuesRemain) {
    EXPECT_EQ(joined(formatLines("(\"X=\",I2,\" Y=\",I2)", {1})), "X= 1 Y=");
    EXPECT_EQ(joined(formatLines("(I2,I2)", {1, 2, 3, 4, 5})), " 1 2| 3 4| 5");
    EXPECT_EQ(joined(formatLines("(\"H\",2(I2))", {1, 2, 3})), "H 1 2| 3");
}

TEST(FormatLines, TextFieldsPadOnTheLeftAndCutOnTheRight) {
    EXPECT_EQ(joined(formatLines("(A5,\"|\",A3,\"|\",A)", {"ab", "abcdef", "free"})), "   ab|abc|free");
}

TEST(FormatLines, RejectsMalformedFormats) {
    EXPECT_THROW(formatLines("(I4", {1}), std::invalid_argument);
    EXPECT_THROW(formatLines("(Q4)", {1}), std::invalid_argument);
}

TEST(FormattedWriter, EndsEveryLine) {
    std::ostringstream out;
    FormattedWriter w(out);
    w.write("(/,2X,F5.1)", {2.5});
    w.line("end");
    EXPECT_EQ(out.str(), "\n    2.5\nend\n");
}

}  // namespace

TEST(FormattedWriter, FreeFormatRecordsKeepFullPrecision) {
    std::ostringstream out;
    FormattedWriter w(out);
    w.list({2, 0.1, 1.0 / 3.0, -1e-7});
    EXPECT_EQ(out.str(), " 2 0.1 0.3333333333333333 -1e-07\n");
}
