#include "framework/decimal_separator.h"
#include "framework/number_text.h"

#include <gtest/gtest.h>

namespace korvex::app {
namespace {

struct TFormatCase {
    long double value;
    const char* text;
};

TEST(NumberText, DataFileFormatOfEightDigits) {
    const TFormatCase cases[] = {
        {0, "0"},          {12.5L, "12.5"},          {100, "100"},           {0.0001L, "0.0001"},
        {0.00001L, "1E-5"}, {123456789, "1.2345679E8"}, {12345678, "12345678"}, {1e20L, "1E20"},
        {-0.25L, "-0.25"}, {-1.5e-7L, "-1.5E-7"},      {99999999.5L, "1E8"},    {0.001234567891L, "0.0012345679"},
        {2.54e-7L, "2.54E-7"}, {1000, "1000"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatReal8(c.value), QString::fromLatin1(c.text)) << c.text;
}

TEST(NumberText, DisplayFormatOfEighteenDigits) {
    const TFormatCase cases[] = {
        {1.0L / 3, "0.333333333333333333"}, {0.00001L, "0.00001"}, {1e-6L, "1E-6"},
        {1e17L, "100000000000000000"},      {1e18L, "1E18"},       {-5, "-5"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDisplay(c.value), QString::fromLatin1(c.text)) << c.text;
}

TEST(NumberText, FormatFollowsTheDecimalSeparator) {
    SetDecimalSeparator(u',');
    EXPECT_EQ(FormatReal8(12.5L), "12,5");
    {
        const TPointSeparator point;
        EXPECT_EQ(FormatReal8(12.5L), "12.5");
    }
    EXPECT_EQ(DecimalSeparator(), u',');
    SetDecimalSeparator(u'.');
}

TEST(NumberText, ParsesOnlyWellFormedNumbers) {
    EXPECT_EQ(ParseReal(u"-2e3", u'.'), -2000.0L);
    EXPECT_EQ(ParseReal(u"+1.5E-1", u'.'), 0.15L);
    EXPECT_EQ(ParseReal(u".5", u'.'), 0.5L);
    EXPECT_EQ(ParseReal(u"1,5", u','), 1.5L);
    for (const char16_t* bad : {u"", u"-", u"1.2.3", u"1e", u"1e+", u"abc", u"1,5", u"0x10", u"1e99999", u"inf", u"nan", u"1 "})
        EXPECT_FALSE(ParseReal(bad, u'.').has_value()) << QString::fromUtf16(bad).toStdString();
}

TEST(NumberText, Int32AcceptsWholeValuesInRange) {
    EXPECT_EQ(ParseInt32(u"-2147483648", u'.'), -2147483647 - 1);
    EXPECT_EQ(ParseInt32(u"1.2E1", u'.'), 12);
    EXPECT_FALSE(ParseInt32(u"3.5", u'.').has_value());
    EXPECT_FALSE(ParseInt32(u"2147483648", u'.').has_value());
}

}  // namespace
}  // namespace korvex::app
