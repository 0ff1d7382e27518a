#include "project/data_file_reader.h"
#include "project/data_file_writer.h"
#include "project/stage_files.h"
#include "project_fixture.h"

namespace korvex::app {
namespace {

using StageFiles = ProjectFixture;

TEST_F(StageFiles, ThreeStagesAreJoinedAndSplitBack) {
    const QString projectFile = Path("wall.rw5d");
    EXPECT_EQ(StageFileName(projectFile, 2), Path("wall.st2"));
    project->StageCount = 3;
    for (int stage = 1; stage <= 3; ++stage) {
        project->CurrentStage = stage;
        project->Increments = 10 * stage;
        project->StageFileName = StageFileName(projectFile, stage);
        WriteStageBlock(*project);
    }
    JoinStageFiles(projectFile, 3);
    const QList<QByteArray> lines = ReadFile(projectFile).split('\n');
    EXPECT_EQ(lines.first(), "New Wall\r");
    EXPECT_EQ(lines.count(" Stage No : 2\r") + lines.count(" Stage No : 3\r"), 2);
    EXPECT_EQ(lines[lines.size() - 2], "3\r");

    const QByteArray second = ReadFile(StageFileName(projectFile, 2));
    QFile::remove(StageFileName(projectFile, 2));
    WriteFile("wall.st5", "stale");
    SplitStagedFile(projectFile, 3);
    EXPECT_EQ(ReadFile(StageFileName(projectFile, 2)), second);
    EXPECT_FALSE(QFile::exists(StageFileName(projectFile, 5)));

    TReadResult opened = ReadProject(projectFile, TDataFileFormat::Format5, tables);
    EXPECT_EQ(opened.error, "");
    EXPECT_EQ(opened.project->StageCount, 3);
    EXPECT_EQ(opened.project->Increments, 10);
    EXPECT_EQ(ReadStageBlock(StageFileName(projectFile, 2), *opened.project), "");
    EXPECT_EQ(opened.project->Increments, 20);
    EXPECT_EQ(opened.project->Title, " Stage No : 2");
    EXPECT_FALSE(opened.project->LongTerm);
}

}  // namespace
}  // namespace korvex::app
