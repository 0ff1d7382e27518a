// The staged-construction dialog: what it shows, the stage count it
// returns, and its modeless use from the tool bar.
#include "fake_prompts.h"
#include "project/program_data.h"
#include "shell/staged_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace korvex::app::test {
namespace {

struct TDialogParts {
    QCheckBox* staged;
    TStageCountField* count;
};

TDialogParts Parts(const TDlgStaged& dialog) {
    return {dialog.findChild<QCheckBox*>(QStringLiteral("StagedBox")),
            dialog.findChild<TStageCountField*>(QStringLiteral("StageCountField"))};
}

TEST(StagedDialogTest, ShowsTheProjectsStagesAndTheExplanation) {
    TShellFixture shell;
    shell.form.Project().StageCount = 3;
    TDlgStaged dialog(shell.form.Project());
    const TDialogParts parts = Parts(dialog);

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Staged Construction Options"));
    EXPECT_TRUE(parts.staged->isChecked());
    EXPECT_TRUE(parts.count->isEnabled());
    EXPECT_EQ(dialog.StageCount(), 3);
    const QStringList memo =
        dialog.findChild<QPlainTextEdit*>(QStringLiteral("Explanation"))->toPlainText().split(u'\n');
    ASSERT_EQ(memo.size(), 22);
    EXPECT_EQ(memo[0], QStringLiteral("KORVEX provides users with a convenient tool to study"));
    EXPECT_TRUE(memo[4].isEmpty());
    EXPECT_EQ(memo[19], QStringLiteral("on the user's judgement to interpret the predicted results."));
    EXPECT_EQ(memo[21], QStringLiteral(" "));
}

TEST(StagedDialogTest, CheckBoxOffMeansOneStageAndButtonsStepWithinTwoToFive) {
    TShellFixture shell;
    TDlgStaged dialog(shell.form.Project());
    const TDialogParts parts = Parts(dialog);
    EXPECT_FALSE(parts.staged->isChecked());
    EXPECT_FALSE(parts.count->isEnabled());
    EXPECT_EQ(dialog.StageCount(), 1);

    parts.staged->setChecked(true);
    EXPECT_EQ(dialog.StageCount(), 2);
    parts.count->stepBy(-1);
    EXPECT_EQ(parts.count->value(), 2);
    parts.count->stepBy(10);
    EXPECT_EQ(parts.count->value(), 5);
    parts.count->setValue(1);
    EXPECT_EQ(parts.count->value(), 1);
    parts.staged->setChecked(false);
    EXPECT_EQ(dialog.StageCount(), 1);
}

TEST(StagedDialogTest, ToolButtonOpensTheDialogModelessAndOkMakesTheProjectStaged) {
    TShellFixture shell(AvailableWindowFactories());
    shell.form.OpenNamedFile(shell.CopyExample(QStringLiteral("cantilever_sheet_pile_english.rw5d")));

    shell.form.findChild<QAction*>(QStringLiteral("ToolStageOption"))->trigger();

    auto* dialog = shell.form.findChild<TDlgStaged*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    Parts(*dialog).staged->setChecked(true);
    Parts(*dialog).count->setValue(4);
    dialog->accept();
    EXPECT_EQ(shell.form.Project().StageCount, 4);
    EXPECT_TRUE(QFileInfo::exists(shell.folder.filePath(QStringLiteral("cantilever_sheet_pile_english.st4"))));
}

}  // namespace
}  // namespace korvex::app::test
