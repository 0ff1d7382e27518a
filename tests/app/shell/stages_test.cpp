// Construction stages in the main window: splitting a staged project into
// side files on open, moving between stages, copying a stage, changing the
// number of stages, and saving a staged project.
#include "fake_prompts.h"
#include "project/program_data.h"
#include "project/stage_files.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMenu>
#include <QRegularExpression>
#include <QStatusBar>
#include <gtest/gtest.h>
#include <memory>

namespace korvex::app::test {
namespace {

const QString kStaged = QStringLiteral("staged_excavation_layered_si.rw5d");

QStringList Lines(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

QStringList Words(const QString& line) {
    return line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// The lines of a stage block between its first line (title or marker) and
// its last (the stage number).
QStringList Body(const QStringList& block) { return block.mid(1, block.size() - 2); }

// A main window whose staged-construction dialog answers OK with the count
// the test chose.
struct TStagedShell {
    std::shared_ptr<int> answer = std::make_shared<int>(1);
    TShellFixture shell{Answering(answer)};
    QString data;

    static TWindowFactories Answering(std::shared_ptr<int> answer) {
        TWindowFactories windows;
        windows.stagedDialog = [answer](const TProgramData&, QWidget*, bool, std::function<void(int)> apply) {
            apply(*answer);
        };
        return windows;
    }
    TMainForm& Form() { return shell.form; }
    TProgramData& Project() { return shell.form.Project(); }
    void Open(const QString& example) {
        data = shell.CopyExample(example);
        shell.form.OpenNamedFile(data);
    }
    QString Side(int stage) const { return StageFileName(data, stage); }
    QAction* Action(const QString& name) { return shell.form.findChild<QAction*>(name); }
    void ChooseStageCount(int count) {
        *answer = count;
        Action(QStringLiteral("OptStaged"))->trigger();
    }
    void Select(int stage) { Action(QStringLiteral("ToolStage%1").arg(stage))->trigger(); }
    QString Status() { return shell.form.statusBar()->currentMessage(); }
};

TEST(StagesTest, OpeningAStagedProjectSplitsItIntoSideFilesAndShowsStageOne) {
    TStagedShell s;
    s.Open(kStaged);

    EXPECT_EQ(s.Project().StageCount, 3);
    EXPECT_EQ(s.Project().CurrentStage, 1);
    EXPECT_EQ(s.Project().Title, QStringLiteral("Staged excavation, sheet pile in sand and clay"));
    EXPECT_DOUBLE_EQ(double(s.Project().FreeHeight), 3.0);
    const QStringList file = Lines(s.data);
    EXPECT_EQ(Lines(s.Side(1)) + Lines(s.Side(2)) + Lines(s.Side(3)), file);
    EXPECT_FALSE(QFileInfo::exists(s.Side(4)));
    EXPECT_EQ(s.Status(), QStringLiteral("Construction Stage Number: 1"));
    for (int stage = 1; stage <= 5; ++stage) {
        QAction* button = s.Action(QStringLiteral("ToolStage%1").arg(stage));
        EXPECT_TRUE(button->isVisible()) << stage;
        EXPECT_EQ(button->isEnabled(), stage <= 3) << stage;
        EXPECT_EQ(button->isChecked(), stage == 1) << stage;
    }
    EXPECT_EQ(s.Action(QStringLiteral("ToolStage1"))->toolTip(), QStringLiteral("Stage Const. 1"));
}

TEST(StagesTest, SingleStageProjectHidesTheStageButtons) {
    TStagedShell s;
    s.Open(QStringLiteral("cantilever_sheet_pile_english.rw5d"));

    EXPECT_FALSE(s.Action(QStringLiteral("ToolStage1"))->isVisible());
    EXPECT_TRUE(s.Status().isEmpty());
}

TEST(StagesTest, SelectingAStageShowsItsDataAndKeepsTheEditsOfTheStageLeft) {
    TStagedShell s;
    s.Open(kStaged);
    s.Select(2);
    EXPECT_EQ(s.Project().Title, QStringLiteral(" Stage No : 2"));
    EXPECT_DOUBLE_EQ(double(s.Project().FreeHeight), 5.0);
    EXPECT_EQ(s.Status(), QStringLiteral("Construction Stage Number: 2"));
    EXPECT_TRUE(s.Action(QStringLiteral("ToolStage2"))->isChecked());
    EXPECT_FALSE(s.Action(QStringLiteral("ToolStage1"))->isChecked());

    s.Project().FreeHeight = 5.5;
    s.Project().MarkModified();
    s.Select(3);
    EXPECT_DOUBLE_EQ(double(s.Project().FreeHeight), 7.0);
    s.Select(2);
    EXPECT_DOUBLE_EQ(double(s.Project().FreeHeight), 5.5);
    s.Select(1);
    EXPECT_EQ(s.Project().Title, QStringLiteral("Staged excavation, sheet pile in sand and clay"));
    // Only the side file holds the edit, so the project still asks to be saved.
    EXPECT_TRUE(s.Project().IsModified());
}

TEST(StagesTest, DataWindowsCloseIntoTheirOwnStageBeforeAnotherIsShown) {
    TStagedShell s;
    s.Open(kStaged);
    s.Action(QStringLiteral("DataTitle"))->trigger();
    ASSERT_EQ(s.Form().findChild<QMdiArea*>()->subWindowList().size(), 1);

    s.Select(2);

    EXPECT_EQ(s.Project().Title, QStringLiteral(" Stage No : 2"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(s.Form().findChild<QMdiArea*>()->subWindowList().isEmpty());
}

TEST(StagesTest, UpdatingTheCurrentStageLeavesTheProjectModified) {
    TStagedShell s;
    s.Open(kStaged);
    s.Project().FreeHeight = 2.5;
    s.Project().MarkModified();

    s.Action(QStringLiteral("StageUpdate"))->trigger();

    EXPECT_TRUE(Lines(s.Side(1))[2].startsWith(QStringLiteral("70 0.2\t0.5\t1E-6\t2.5")));
    EXPECT_TRUE(s.Project().IsModified());
}

TEST(StagesTest, CopyPreviousStageCopiesTheStageBeforeIntoTheCurrentOne) {
    TStagedShell s;
    s.Open(kStaged);
    s.Select(3);
    s.shell.prompts->answers.push_back(TAnswer::Yes);

    s.Action(QStringLiteral("StageCopy"))->trigger();

    EXPECT_EQ(s.shell.prompts->questions.last(),
              QStringLiteral("Do you want to copy all information from Stage 2 to Stage 3"));
    EXPECT_EQ(s.Project().CurrentStage, 3);
    EXPECT_DOUBLE_EQ(double(s.Project().FreeHeight), 5.0);
    const QStringList third = Lines(s.Side(3));
    EXPECT_EQ(Body(third), Body(Lines(s.Side(2))));
    EXPECT_EQ(third.first(), QStringLiteral(" Stage No : 3"));
    EXPECT_EQ(third.last(), QStringLiteral("3"));
    EXPECT_TRUE(s.Project().IsModified());
}

TEST(StagesTest, CopyPreviousStageAnsweredNoOrOnStageOneChangesNothing) {
    TStagedShell s;
    s.Open(kStaged);
    emit s.Form().findChild<QMenu*>(QStringLiteral("StageMenu"))->aboutToShow();
    EXPECT_FALSE(s.Action(QStringLiteral("StageCopy"))->isEnabled());

    s.Select(2);
    const QStringList before = Lines(s.Side(2));
    s.shell.prompts->answers.push_back(TAnswer::No);
    s.Action(QStringLiteral("StageCopy"))->trigger();

    EXPECT_EQ(Lines(s.Side(2)), before);
    EXPECT_DOUBLE_EQ(double(s.Project().FreeHeight), 5.0);
}

TEST(StagesTest, MakingASingleStageProjectStagedGivesEveryStageItsData) {
    TStagedShell s;
    s.Open(QStringLiteral("cantilever_sheet_pile_english.rw5d"));
    const QString title = s.Project().Title;

    s.ChooseStageCount(3);

    EXPECT_EQ(s.Project().StageCount, 3);
    EXPECT_EQ(s.Project().CurrentStage, 1);
    EXPECT_EQ(s.Project().Title, title);
    const QStringList first = Lines(s.Side(1)), second = Lines(s.Side(2)), third = Lines(s.Side(3));
    EXPECT_EQ(first.first(), title);
    EXPECT_EQ(second.first(), QStringLiteral(" Stage No : 2"));
    EXPECT_EQ(third.first(), QStringLiteral(" Stage No : 3"));
    EXPECT_EQ(QStringList({first.last(), second.last(), third.last()}), QStringList({"1", "2", "3"}));
    EXPECT_EQ(Body(second), Body(first));
    EXPECT_EQ(Body(third), Body(first));
    EXPECT_EQ(Words(first[1])[7], QStringLiteral("3"));
    EXPECT_FALSE(QFileInfo::exists(s.Side(4)));
    EXPECT_TRUE(s.Project().IsModified());
    EXPECT_EQ(s.Status(), QStringLiteral("Construction Stage Number: 1"));
    EXPECT_TRUE(s.Action(QStringLiteral("ToolStage3"))->isVisible());
}

TEST(StagesTest, FewerStagesDeleteTheLastSideFilesAndKeepTheEditsOfTheStageShown) {
    TStagedShell s;
    s.Open(kStaged);
    s.Select(2);
    s.Project().FreeHeight = 4.5;

    s.ChooseStageCount(2);

    EXPECT_EQ(s.Project().CurrentStage, 1);
    EXPECT_FALSE(QFileInfo::exists(s.Side(3)));
    EXPECT_FALSE(s.Action(QStringLiteral("ToolStage3"))->isEnabled());
    s.Select(2);
    EXPECT_DOUBLE_EQ(double(s.Project().FreeHeight), 4.5);
}

TEST(StagesTest, MoreStagesCopyTheLastStageAndKeepTheCurrentOne) {
    TStagedShell s;
    s.Open(kStaged);
    s.Select(2);

    s.ChooseStageCount(5);

    EXPECT_EQ(s.Project().StageCount, 5);
    EXPECT_EQ(s.Project().CurrentStage, 2);
    EXPECT_DOUBLE_EQ(double(s.Project().FreeHeight), 5.0);
    const QStringList third = Lines(s.Side(3));
    EXPECT_EQ(Body(Lines(s.Side(4))), Body(third));
    EXPECT_EQ(Body(Lines(s.Side(5))), Body(third));
    EXPECT_EQ(Lines(s.Side(5)).first(), QStringLiteral(" Stage No : 5"));
    EXPECT_EQ(Lines(s.Side(5)).last(), QStringLiteral("5"));
}

TEST(StagesTest, SingleStageAgainDeletesTheSideFilesAndKeepsTheProjectTitle) {
    TStagedShell s;
    s.Open(kStaged);
    s.Select(3);

    s.ChooseStageCount(1);

    EXPECT_EQ(s.Project().StageCount, 1);
    EXPECT_EQ(s.Project().CurrentStage, 1);
    EXPECT_DOUBLE_EQ(double(s.Project().FreeHeight), 7.0);
    EXPECT_EQ(s.Project().Title, QStringLiteral("Staged excavation, sheet pile in sand and clay"));
    for (int stage = 1; stage <= 5; ++stage) EXPECT_FALSE(QFileInfo::exists(s.Side(stage))) << stage;
    EXPECT_TRUE(s.Status().isEmpty());
    EXPECT_FALSE(s.Action(QStringLiteral("ToolStage1"))->isVisible());
}

TEST(StagesTest, SavingJoinsTheSideFilesWithTheCurrentStagesEdits) {
    TStagedShell s;
    s.Open(kStaged);
    s.Select(2);
    s.Project().FreeHeight = 6;
    s.Project().MarkModified();

    ASSERT_TRUE(s.Form().FileSaveClick());

    const QStringList file = Lines(s.data);
    EXPECT_EQ(file, Lines(s.Side(1)) + Lines(s.Side(2)) + Lines(s.Side(3)));
    EXPECT_EQ(file.filter(QStringLiteral(" Stage No :")).size(), 2);
    EXPECT_TRUE(Lines(s.Side(2))[2].startsWith(QStringLiteral("70 0.2\t0.5\t1E-6\t6")));
    EXPECT_FALSE(s.Project().IsModified());
}

TEST(StagesTest, SaveAsMovesTheSideFilesToTheNewName) {
    TStagedShell s;
    s.Open(kStaged);
    const QString renamed = s.shell.folder.filePath(QStringLiteral("renamed.rw5d"));
    s.shell.prompts->saveNames.push_back(renamed);

    ASSERT_TRUE(s.Form().FileSaveAsClick());

    EXPECT_EQ(s.Project().FileName, renamed);
    for (int stage = 1; stage <= 3; ++stage) {
        EXPECT_FALSE(QFileInfo::exists(s.Side(stage))) << stage;
        EXPECT_TRUE(QFileInfo::exists(StageFileName(renamed, stage))) << stage;
    }
    EXPECT_EQ(Lines(renamed), Lines(s.data));
}

// A staged file of the 2013 format (no tieback count, five wall values) is
// converted side file by side file to the current format when opened.
TEST(StagesTest, OpeningAnOlderStagedFileConvertsItsSideFiles) {
    TStagedShell s;
    const QStringList lines = Lines(s.shell.CopyExample(kStaged)).mid(0, 40);
    QStringList old;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        QStringList words = Words(line);
        if (i % 20 == 1) words = words.mid(0, 7) + QStringList{QStringLiteral("2"), QStringLiteral("0")};
        if (i % 20 == 2) words.removeLast();
        old << (i % 20 == 1 || i % 20 == 2 ? words.join(u' ') : line);
    }
    const QString older = s.shell.folder.filePath(QStringLiteral("older.rw4d"));
    QFile file(older);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write((old.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    file.close();
    s.data = older;

    s.Form().OpenNamedFile(older);

    ASSERT_EQ(s.Project().StageCount, 2);
    const QStringList second = Lines(s.Side(2));
    ASSERT_GT(second.size(), 3);
    EXPECT_EQ(Words(second[1]).size(), 10);
    EXPECT_EQ(Words(second[2]).size(), 6);
    EXPECT_EQ(s.Project().CurrentStage, 1);
    EXPECT_DOUBLE_EQ(double(s.Project().FreeHeight), 3.0);
}

}  // namespace
}  // namespace korvex::app::test
