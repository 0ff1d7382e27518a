// The display name of a project and the run file list.
#include "shell/display_name.h"
#include "shell/run_file_list.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korvex::app {
namespace {

TEST(DisplayNameTest, DropsTheFolderAndTheOldDefaultExtensionAndCapitalises) {
    EXPECT_EQ(DisplayName(QStringLiteral("/data/walls/sheet.rw5d")), QStringLiteral("Sheet.rw5d"));
    EXPECT_EQ(DisplayName(QStringLiteral("/data/old.RWD")), QStringLiteral("Old"));
    EXPECT_EQ(DisplayName(QStringLiteral("x")), QStringLiteral("x"));
}

TEST(RunFileListTest, EightLinesNameTheDataFileAndItsResults) {
    QTemporaryDir folder;
    WriteRunFileList(folder.path(), QStringLiteral("/walls/anchored.rw5d"));
    QFile list(folder.filePath(QStringLiteral("names.dat")));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLocal8Bit(list.readAll()).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], QStringLiteral("2015.5.21"));
    EXPECT_EQ(lines[4], QStringLiteral("/walls/anchored.rw5d"));
    EXPECT_EQ(lines[5], QStringLiteral("/walls/anchored.rw5o"));
    EXPECT_EQ(lines[6], QStringLiteral("/walls/anchored.rw5p"));
    EXPECT_EQ(lines[7], QStringLiteral("/walls/anchored.rw5r"));
}

}  // namespace
}  // namespace korvex::app
