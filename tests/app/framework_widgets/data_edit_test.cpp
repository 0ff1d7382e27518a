#include "framework/widgets/data_edit.h"

#include "message_catcher.h"
#include "qstring_printer.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using korvex::app::TDataEdit;

namespace {

// A dialog with the edit under test and a second control to move to.
struct EditDialog {
    EditDialog() {
        edit = new TDataEdit(&dialog);
        other = new TDataEdit(&dialog);
        other->move(0, 40);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        edit->setFocus();
    }

    void Type(const QString& keys) {
        edit->clear();
        QTest::keyClicks(edit, keys);
    }

    QDialog dialog;
    TDataEdit* edit;
    TDataEdit* other;
};

}  // namespace

TEST(DataEdit, NewEditShowsZero) {
    TDataEdit edit;
    EXPECT_EQ(edit.text(), "0");
}

TEST(DataEdit, EnterReplacesExpressionByItsValue) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"2*(3+4)", "14"}, {"-(2+3)", "-5"}, {"2^-1", "0.5"}, {"5!", "120"}, {"sin(pi/2)", "1"}};
    EditDialog d;
    for (const auto& c : cases) {
        d.Type(c.typed);
        QTest::keyClick(d.edit, Qt::Key_Return);
        EXPECT_EQ(d.edit->text(), c.shown) << c.typed;
        EXPECT_TRUE(d.edit->IsValid()) << c.typed;
        EXPECT_EQ(d.edit->selectedText(), c.shown) << "Enter selects the value";
    }
}

TEST(DataEdit, OperatorTypedOverTheWholeValueExtendsIt) {
    EditDialog d;
    d.Type("12");
    QTest::keyClick(d.edit, Qt::Key_Return);
    QTest::keyClicks(d.edit, "*2");
    QTest::keyClick(d.edit, Qt::Key_Return);
    EXPECT_EQ(d.edit->text(), "24");
}

TEST(DataEdit, LeavingTheBoxEvaluatesTheEntry) {
    EditDialog d;
    d.Type("1e3+1");
    d.other->setFocus();
    EXPECT_EQ(d.edit->text(), "1001");
    EXPECT_EQ(d.edit->Number(), 1001);
}

TEST(DataEdit, OutOfRangeEntryIsRejectedAndKeepsTheFocus) {
    const struct {
        const char* typed;
        const char* message;
        const char* shown;
    } cases[] = {
        {"0", "Entry must be greater than or equal to 1", "1"},
        {"301", "Entry must be less than or equal to 300", "300"},
        {"2.5", "Entry must be an integer.", "2.5"},
        {"2+", "Entry must be a valid integer.", "2+"},
    };
    for (const auto& c : cases) {
        EditDialog d;
        d.edit->SetMinVal(1);
        d.edit->SetMaxVal(300);
        d.edit->SetIntegerOnly(true);
        d.Type(c.typed);
        TMessageCatcher catcher;
        EXPECT_FALSE(d.edit->Validate()) << c.typed;
        EXPECT_EQ(catcher.Messages(), QStringList{c.message});
        EXPECT_EQ(d.edit->text(), c.shown);
        EXPECT_EQ(d.dialog.focusWidget(), d.edit);
        EXPECT_FALSE(d.edit->IsValid());
    }
}

TEST(DataEdit, LeavingWithAnInvalidEntryPutsTheFocusBack) {
    EditDialog d;
    d.Type("(2+3");
    TMessageCatcher catcher;
    d.other->setFocus();
    ASSERT_EQ(catcher.Messages().size(), 1);
    EXPECT_EQ(catcher.Messages()[0], "Entry could not be evaluated:\ninvalid character(s) in expression");
    EXPECT_EQ(d.dialog.focusWidget(), d.edit);
}

TEST(DataEdit, NumberIsClampedIntoTheBounds) {
    TDataEdit edit;
    edit.SetMinVal(-5);
    edit.SetMaxVal(5);
    edit.SetNumber(12);
    EXPECT_EQ(edit.text(), "5");
    edit.SetHex(true);
    edit.SetMaxVal(300);
    edit.SetNumber(255);
    EXPECT_EQ(edit.text(), "$00FF");
}

TEST(DataEdit, LabelShowsCaptionAndUnitsAndFollowsEnabled) {
    TDataEdit edit;
    QLabel label;
    edit.SetEditLabel(&label);
    edit.SetCaption("Wall length");
    EXPECT_EQ(label.text(), "Wall length");
    edit.SetUnitsString("L");
    edit.SetUnits(2);
    EXPECT_TRUE(label.text().startsWith("Wall length (")) << label.text().toStdString();
    EXPECT_EQ(label.buddy(), &edit);
    edit.setEnabled(false);
    EXPECT_FALSE(label.isEnabled());
}
