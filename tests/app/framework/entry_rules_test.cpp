#include "framework/entry_rules.h"
#include "framework/errors.h"

#include <gtest/gtest.h>

namespace korvex::app {
namespace {

TEST(EntryRules, BelowTheBoundPutsTheBoundInTheBoxAndStaysInvalid) {
    TEntryRules rules;
    rules.SetIntegerOnly(true);
    rules.SetMinVal(1);
    rules.SetMaxVal(300);
    rules.SetText("0");
    EXPECT_FALSE(rules.Validate());
    EXPECT_EQ(rules.RejectionMessage(), "Entry must be greater than or equal to 1");
    EXPECT_EQ(rules.Text(), "1");
    EXPECT_FALSE(rules.IsValid());
    EXPECT_TRUE(rules.Validate());  // the second close is accepted
}

struct TRejectionCase {
    bool integerOnly;
    const char* text;
    const char* message;
    const char* textAfter;
};

TEST(EntryRules, Rejections) {
    const TRejectionCase cases[] = {
        {true, "2.5", "Entry must be an integer.", "2.5"},
        {true, "abc", "Entry must be a valid integer.", "abc"},
        {false, "abc", "Entry could not be evaluated:\rinvalid character(s) in expression", "abc"},
        {false, "301", "Entry must be less than or equal to 300", "300"},
        {false, "-0.5", "Entry must be greater than or equal to 0", "0"},
    };
    for (const auto& c : cases) {
        TEntryRules rules;
        rules.SetMaxVal(300);
        rules.SetMinVal(0);
        rules.SetIntegerOnly(c.integerOnly);
        rules.SetText(c.text);
        EXPECT_FALSE(rules.Validate()) << c.text;
        EXPECT_EQ(rules.RejectionMessage(), c.message) << c.text;
        EXPECT_EQ(rules.Text(), c.textAfter) << c.text;
    }
}

TEST(EntryRules, AcceptedExpressionIsReplacedByItsValue) {
    TEntryRules rules;
    rules.SetText("12*2");
    EXPECT_TRUE(rules.Validate());
    EXPECT_EQ(rules.Text(), "24");
}

TEST(EntryRules, BoundsClampEachOtherAndTheNumber) {
    TEntryRules rules;
    rules.SetNumber(50);
    rules.SetMaxVal(10);
    EXPECT_EQ(rules.Text(), "10");
    rules.SetMinVal(20);  // above the maximum: becomes the maximum
    EXPECT_EQ(rules.MinVal(), 10);
    rules.SetMinVal(-1e30L);
    rules.SetIntegerOnly(true);
    EXPECT_EQ(rules.MinVal(), -2147483648.0L);
    rules.SetNumber(-1e12L);
    EXPECT_EQ(rules.Text(), "-2147483648");
}

TEST(EntryRules, LoadingStoresBoundsUnchanged) {
    TEntryRules rules;
    rules.SetLoading(true);
    rules.SetMaxVal(5);
    rules.SetMinVal(9);
    rules.SetNumber(100);
    EXPECT_EQ(rules.MinVal(), 9);
    EXPECT_EQ(rules.Text(), "100");
}

TEST(EntryRules, HexDisplayAndLabel) {
    TEntryRules rules;
    rules.SetHex(true);
    rules.SetNumber(255);
    EXPECT_EQ(rules.Text(), "$00FF");
    rules.SetCaption("Maximum deflection");
    EXPECT_EQ(rules.LabelText(), "Maximum deflection");
    rules.SetUnitsString("L");
    rules.SetUnits(2);
    EXPECT_EQ(rules.LabelText(), "Maximum deflection (m)");
    rules.SetUnits(-5);
    EXPECT_EQ(rules.Units(), 1);
}

TEST(EntryRules, ComboMapsItemsAndLeavesTheTextAsTyped) {
    TEntryRules combo(TEntryStyle::Combo);
    EXPECT_EQ(combo.MaxVal(), 0);
    combo.SetMaxVal(100);
    combo.SetItems({"Half"}, {0.5L});
    combo.SetText("Half");
    EXPECT_TRUE(combo.Validate());
    EXPECT_EQ(combo.Text(), "Half");
    EXPECT_EQ(combo.Number(), 0.5L);
    combo.SetNumber(1.0L / 3);
    EXPECT_EQ(combo.Text(), "0.33333333");
    EXPECT_EQ(TEntryRules::ComboKey(u'e'), u'E');
    EXPECT_TRUE(TEntryRules::ComboKey(u'x').isNull());
    EXPECT_TRUE(TEntryRules::ExtendsSelection(u'*'));
}

}  // namespace
}  // namespace korvex::app
