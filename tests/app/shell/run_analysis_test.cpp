// Run Analysis through the real engine library on a copy of a shipped example.
#include "fake_prompts.h"
#include "graphics/graph_set.h"
#include "project/program_data.h"

#include <QAction>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace korvex::app::test {
namespace {

const QString kCompleted =
    QStringLiteral("Computations are completed. Please, check output file for results or error messages.");

bool Enabled(TMainForm& form, const char* action) {
    return form.findChild<QAction*>(QLatin1String(action))->isEnabled();
}

TEST(RunAnalysisTest, ShortAndLongTermExampleRunsAndBuildsItsGraphs) {
    TShellFixture shell;
    shell.InstallEngine();
    const QString data = shell.CopyExample(QStringLiteral("cantilever_short_long_term_english.rw5d"));
    shell.form.OpenNamedFile(data);
    EXPECT_FALSE(shell.form.ResultsAvailable());
    EXPECT_FALSE(Enabled(shell.form, "CompEditOutput"));

    shell.form.CompRunClick();

    EXPECT_TRUE(shell.prompts->messages.contains(kCompleted)) << shell.prompts->messages.join('\n').toStdString();
    EXPECT_TRUE(shell.form.ResultsAvailable());
    for (TGraphPlot* graph : shell.form.Graphs().DepthGraphs()) EXPECT_EQ(graph->CurveCount(kMainCurves), 2);
    EXPECT_EQ(shell.form.Graphs().pltPY.CurveCount(kMainCurves), 4);
    EXPECT_TRUE(QFileInfo::exists(shell.folder.filePath(QStringLiteral("cantilever_short_long_term_english.rw5o"))));
    EXPECT_TRUE(Enabled(shell.form, "CompEditOutput"));
    EXPECT_TRUE(Enabled(shell.form, "CompEditNotes"));
    EXPECT_FALSE(QFileInfo::exists(shell.ProgramFolder() + QStringLiteral("/names.dat")));
}

TEST(RunAnalysisTest, StagedExampleRunsEveryStageAndGraphsOneCurvePerStage) {
    TShellFixture shell;
    shell.InstallEngine();
    const QString data = shell.CopyExample(QStringLiteral("staged_excavation_layered_si.rw5d"));
    shell.form.OpenNamedFile(data);
    shell.form.findChild<QAction*>(QStringLiteral("ToolStage2"))->trigger();

    shell.form.CompRunClick();

    EXPECT_TRUE(shell.prompts->messages.contains(kCompleted)) << shell.prompts->messages.join('\n').toStdString();
    ASSERT_TRUE(shell.form.ResultsAvailable());
    for (TGraphPlot* graph : shell.form.Graphs().DepthGraphs())
        EXPECT_EQ(graph->CurveCount(kMainCurves), 3) << graph->objectName().toStdString();
    EXPECT_EQ(shell.form.Project().CurrentStage, 2);
}

TEST(RunAnalysisTest, GraphCommandsOpenTheirWindowsOnceResultsExist) {
    TShellFixture shell(AvailableWindowFactories());
    shell.InstallEngine();
    shell.form.OpenNamedFile(shell.CopyExample(QStringLiteral("cantilever_short_long_term_english.rw5d")));
    shell.form.CompRunClick();

    for (const char* command : {"GraphPY", "GraphDeflection", "GraphMoment", "GraphShear", "GraphDMS"})
        EXPECT_TRUE(Enabled(shell.form, command)) << command;
    QAction* moment = shell.form.findChild<QAction*>(QStringLiteral("GraphMoment"));
    moment->trigger();
    const QList<QMdiSubWindow*> windows = shell.form.findChild<QMdiArea*>()->subWindowList();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows[0]->isMaximized()) << "a graph opens maximised";
    windows[0]->showMinimized();
    moment->trigger();
    EXPECT_FALSE(windows[0]->isMinimized()) << "showing a graph again restores its window";
}

TEST(RunAnalysisTest, MissingEngineLibraryIsReportedAndLeavesNoRunFileList) {
    TShellFixture shell;
    shell.form.OpenNamedFile(shell.CopyExample(QStringLiteral("cantilever_sheet_pile_english.rw5d")));

    shell.form.CompRunClick();

    EXPECT_TRUE(shell.prompts->messages.contains(QStringLiteral("Attempt to initialize DLL failed")));
    EXPECT_FALSE(shell.prompts->messages.contains(kCompleted));
    EXPECT_FALSE(QFileInfo::exists(shell.ProgramFolder() + QStringLiteral("/names.dat")));
    EXPECT_FALSE(shell.form.ResultsAvailable());
}

TEST(RunAnalysisTest, RunFileListThatCannotBeWrittenIsReportedAndNotRun) {
    TShellFixture shell;
    shell.form.OpenNamedFile(shell.CopyExample(QStringLiteral("cantilever_sheet_pile_english.rw5d")));
    shell.form.SetProgramFolder(shell.folder.filePath(QStringLiteral("missing")));
    shell.prompts->messages.clear();

    shell.form.CompRunClick();

    ASSERT_EQ(shell.prompts->messages.size(), 1);
    EXPECT_TRUE(shell.prompts->messages.first().startsWith(QStringLiteral("Cannot write the run file list")));
    EXPECT_FALSE(QFileInfo::exists(shell.folder.filePath(QStringLiteral("cantilever_sheet_pile_english.rw5o"))));
}

TEST(RunAnalysisTest, UnsavedNewProjectWhoseNameIsCancelledIsNotRun) {
    TShellFixture shell;
    shell.InstallEngine();
    shell.prompts->saveNames.push_back(std::nullopt);

    shell.form.CompRunClick();

    EXPECT_TRUE(shell.prompts->messages.isEmpty());
    EXPECT_EQ(shell.form.Project().FileName, QStringLiteral("NewWall.rw5d"));
    EXPECT_FALSE(QFileInfo::exists(shell.ProgramFolder() + QStringLiteral("/names.dat")));
}

TEST(RunAnalysisTest, ProjectFailingTheInputCheckShowsItsWarningAndIsNotRun) {
    TShellFixture shell;
    shell.InstallEngine();
    const QString data = shell.CopyExample(QStringLiteral("cantilever_sheet_pile_english.rw5d"));
    shell.form.OpenNamedFile(data);
    shell.form.Project().Increments = 2;
    shell.form.Project().MarkModified();
    shell.prompts->messages.clear();

    shell.form.CompRunClick();

    ASSERT_EQ(shell.prompts->messages.size(), 1);
    EXPECT_TRUE(shell.prompts->messages.first().contains(QStringLiteral("of Wall Stiffness definition")));
    EXPECT_FALSE(QFileInfo::exists(shell.folder.filePath(QStringLiteral("cantilever_sheet_pile_english.rw5o"))));
}

}  // namespace
}  // namespace korvex::app::test
