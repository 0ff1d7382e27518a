#include "framework/widgets/data_combo.h"

#include "message_catcher.h"
#include "qstring_printer.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using korvex::app::TDataCombo;

TEST(DataCombo, ChosenNameStandsForItsValue) {
    TDataCombo combo;
    combo.SetMaxVal(100);
    combo.SetItems({"Low", "High"}, {10, 90});
    combo.setCurrentIndex(1);
    EXPECT_EQ(combo.Number(), 90);
    EXPECT_TRUE(combo.Validate());
    EXPECT_EQ(combo.currentText(), "High") << "an accepted text stays as typed";
}

TEST(DataCombo, KeysAreUpperCasedAndFiltered) {
    QDialog dialog;
    auto* combo = new TDataCombo(&dialog);
    dialog.show();
    combo->setFocus();
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), "1x.5e-2a");
    EXPECT_EQ(combo->currentText(), "1.5E-2");
}

TEST(DataCombo, CodeCreatedComboRejectsAnythingButZero) {
    TDataCombo combo;
    combo.setEditText("3");
    TMessageCatcher catcher;
    EXPECT_FALSE(combo.Validate());
    EXPECT_EQ(catcher.Messages(), QStringList{"Entry must be less than or equal to 0"});
    EXPECT_EQ(combo.currentText(), "0");
}
