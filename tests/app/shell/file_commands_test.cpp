// File New, Save, Open and the recent files of the main window.
#include "fake_prompts.h"
#include "project/program_data.h"

#include <QAction>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace korvex::app::test {
namespace {

TEST(FileCommandsTest, NewProjectSavedAndOpenedAgainKeepsItsValues) {
    TShellFixture shell;
    shell.form.FileNewClick();
    EXPECT_EQ(shell.form.windowTitle(), QStringLiteral("KORVEX 2015.5.21 - NewWall.rw5d"));
    shell.form.Project().Title = QStringLiteral("Round trip wall");
    shell.form.Project().Increments = 40;
    shell.form.Project().MarkModified();
    const QString name = shell.folder.filePath(QStringLiteral("roundTrip.rw5d"));
    shell.prompts->saveNames.push_back(name);

    ASSERT_TRUE(shell.form.FileSaveClick());
    EXPECT_FALSE(shell.form.Project().IsModified());
    EXPECT_EQ(shell.form.windowTitle(), QStringLiteral("KORVEX 2015.5.21 - RoundTrip.rw5d"));

    shell.form.FileNewClick();
    EXPECT_EQ(shell.form.Project().Title, QStringLiteral("New Wall"));
    shell.form.OpenNamedFile(name);
    EXPECT_EQ(shell.form.Project().Title, QStringLiteral("Round trip wall"));
    EXPECT_EQ(shell.form.Project().Increments, 40);
    EXPECT_EQ(shell.prompts->messages.last(),
              QStringLiteral("Data file: RoundTrip.rw5d, has been read by KORVEX 2015"));
    EXPECT_EQ(shell.form.RecentFiles().Names().first(), name);
}

TEST(FileCommandsTest, AnsweringNoAtTheSavePromptDropsTheChangesWithoutWriting) {
    TShellFixture shell;
    const QString data = shell.CopyExample(QStringLiteral("cantilever_sheet_pile_english.rw5d"));
    shell.form.OpenNamedFile(data);
    const QDateTime written = QFileInfo(data).lastModified();
    shell.form.Project().Title = QStringLiteral("changed");
    shell.form.Project().MarkModified();
    shell.prompts->answers.push_back(TAnswer::No);

    shell.form.FileNewClick();

    EXPECT_EQ(shell.prompts->questions, QStringList{QStringLiteral("Do you want to save any changes?")});
    EXPECT_EQ(shell.form.Project().FileName, QStringLiteral("NewWall.rw5d"));
    EXPECT_EQ(QFileInfo(data).lastModified(), written);
}

TEST(FileCommandsTest, CancelAtTheSavePromptKeepsTheProject) {
    TShellFixture shell;
    shell.form.Project().Title = QStringLiteral("unsaved");
    shell.form.Project().MarkModified();
    shell.prompts->answers.push_back(TAnswer::Cancel);

    shell.form.FileNewClick();

    EXPECT_EQ(shell.form.Project().Title, QStringLiteral("unsaved"));
}

TEST(FileCommandsTest, SavingAnOlderFormatAsksForANameEndingInTheCurrentExtension) {
    TShellFixture shell;
    shell.form.Project().FileName = shell.folder.filePath(QStringLiteral("old.rw4d"));
    shell.prompts->saveNames.push_back(std::nullopt);

    EXPECT_FALSE(shell.form.FileSaveClick());
    EXPECT_TRUE(shell.prompts->saveNames.empty());
    EXPECT_FALSE(QFileInfo::exists(shell.folder.filePath(QStringLiteral("old.rw4d"))));
}

TEST(FileCommandsTest, RecentFilesKeepTheMostRecentFirstAndAtMostTen) {
    TShellFixture shell;
    QStringList names;
    for (int i = 0; i < 11; ++i) {
        names << shell.folder.filePath(QStringLiteral("wall%1.rw5d").arg(i));
        shell.prompts->saveNames.push_back(names.last());
        shell.form.FileSaveAsClick();
    }
    QStringList expected;
    for (int i = 10; i >= 1; --i) expected << names[i];
    EXPECT_EQ(shell.form.RecentFiles().Names(), expected);

    shell.form.OpenNamedFile(names[5]);
    shell.form.OpenNamedFile(names[5]);
    EXPECT_EQ(shell.form.RecentFiles().Names().first(), names[5]);
    EXPECT_EQ(shell.form.RecentFiles().Names().at(1), names[10]);
    EXPECT_EQ(shell.form.RecentFiles().Names().count(names[5]), 1);
    EXPECT_EQ(shell.form.RecentFiles().MenuText(0, shell.folder.path()), QStringLiteral("1 wall5.rw5d"));
    EXPECT_EQ(shell.form.RecentFiles().MenuText(0, QStringLiteral("/elsewhere")), QStringLiteral("1 ") + names[5]);

    // The list is kept for the next session.
    TShellFixture next;
    EXPECT_EQ(next.form.RecentFiles().Names().first(), names[5]);
}

}  // namespace
}  // namespace korvex::app::test
