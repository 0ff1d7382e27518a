#include "framework/decimal_separator.h"
#include "project/data_file_writer.h"
#include "project_fixture.h"

namespace korvex::app {
namespace {

using DataFileWriter = ProjectFixture;

TEST_F(DataFileWriter, NewProjectSavedAtOnce) {
    project->FileName = Path("NewWall.rw5d");
    SetDecimalSeparator(u',');  // the file uses '.' whatever the user's setting
    project->Tolerance = 1.5e-5L;
    project->Tolerance = 1e-5L;
    WriteProject(*project);
    SetDecimalSeparator(u'.');
    // Fourteen lines, each closed by CR LF: split at the line ends the text
    // gives fifteen pieces, the last one empty.
    EXPECT_EQ(ReadFile(project->FileName), Lines({
                                               "New Wall",
                                               "1 0\t1\t0\t2\t2 0 1 0 0",
                                               "0 0\t100\t1E-5\t0\t0",
                                               "0\t1\t1\t0",
                                               "0",
                                               "0",
                                               "0\t0\t0\t0\t0\t1\t1\t0",
                                               "0\t0\t0\t0\t0\t0",
                                               "0",
                                               "1",
                                               "1 0 ",
                                               "0 0 0.0  0 0 0 ",
                                               "0 0 0.0  0 0 0 ",
                                               "0",
                                           }));
    EXPECT_EQ(ReadFile(project->FileName).split('\n').size(), 15);
    EXPECT_FALSE(project->IsModified());
}

TEST_F(DataFileWriter, SwitchedOffTablesAreEmptiedAndLastWallLineIsConstant) {
    SetRow(tables.BoundCond(), 0, {1, 0, 4, 100, 0, 0});
    SetRow(tables.PileSect(), 0, {0, 40, 2, 1e7});
    project->UseLoads = false;
    const QList<QByteArray> lines = ProjectFileText(*project).split('\n');
    EXPECT_EQ(lines[3], "0\t40\t1\t10000000\r");
    EXPECT_EQ(lines[4], "0\r");
    EXPECT_EQ(tables.BoundCond().RowCount(), 0);
    EXPECT_EQ(tables.PileSect().Cell(2, 0).AsInteger(), 1);
}

TEST_F(DataFileWriter, LongTermSectionHasTriangularPressureAndNoEarthCoefficient) {
    project->EarthShape = 3;
    project->LongTerm = true;
    tables.NewSoil().Cell(0, 0).SetInteger(4);
    tables.NewSoil().Cell(2, 0).AsTable()->Cell(3, 0).SetFloat(0.5);
    tables.LongSoil().Cell(0, 0).SetInteger(4);
    tables.LongSoil().Cell(2, 0).AsTable()->Cell(3, 0).SetFloat(0.5);
    const QList<QByteArray> lines = ProjectFileText(*project).split('\n');
    ASSERT_EQ(lines.size(), 29);
    EXPECT_EQ(lines[1], "1 0\t1\t0\t3\t2 0 1 0 0\r");
    EXPECT_EQ(lines[11], "0 0.0  0 0.0  0 0.5 \r");
    EXPECT_EQ(lines[13], "9\r");
    EXPECT_EQ(lines[14], "New Wall\r");
    EXPECT_EQ(lines[15], "1 0\t1\t0\t2\t2 0 1 0 0\r");
    EXPECT_EQ(lines[25], "0 0.0  0 0.0  0 0.0  \r");
    EXPECT_EQ(lines[27], "0\r");
}

TEST_F(DataFileWriter, EnglishTableUnitsAreConvertedAndSIAreaIsInSquareMetres) {
    project->UsePYMod = true;
    SetRow(tables.PYMod(), 0, {10, 1, 1});
    tables.NewSoil().Cell(1, 0).SetFloat(20);
    tables.NewSoil().Cell(2, 0).AsTable()->Cell(0, 0).SetFloat(1728);  // lb/ft^3
    tables.NewSoil().Cell(2, 0).AsTable()->Cell(1, 0).SetFloat(144);   // lb/ft^2
    QList<QByteArray> lines = ProjectFileText(*project).split('\n');
    EXPECT_EQ(lines[6], "120\t1\t1\r");
    EXPECT_EQ(lines[12], "1 240 \r");
    EXPECT_EQ(lines[13], "1 1 0.0  0 0 0 \r");

    project->SetUnits(2);
    project->UseTiebacks = true;
    SetRow(tables.TiebackTable1(), 0, {3, 500, 2e8, 5, 15, 2, 100});
    lines = ProjectFileText(*project).split('\n');
    EXPECT_EQ(lines[1], "2 0\t1\t2\t2\t2 0 1 0 1\r");
    EXPECT_EQ(lines[6], "3\t0.0005\t2E8\t5\t15\t2\t100\r");
}

TEST_F(DataFileWriter, StageBlockOpensWithTheMarkerAndEndsWithTheStage) {
    project->StageCount = 3;
    project->CurrentStage = 2;
    project->StageFileName = Path("wall.st2");
    WriteStageBlock(*project);
    const QList<QByteArray> lines = ReadFile(project->StageFileName).split('\n');
    EXPECT_EQ(lines.first(), " Stage No : 2\r");
    EXPECT_EQ(lines[1], "1 0\t1\t0\t2\t2 0 3 0 0\r");
    EXPECT_EQ(lines[lines.size() - 2], "2\r");
}

TEST_F(DataFileWriter, UnwritableFileRaisesAndLeavesNoPartialFile) {
    project->FileName = Path("missing-folder/wall.rw5d");
    EXPECT_ANY_THROW(WriteProject(*project));
    EXPECT_FALSE(QFile::exists(project->FileName));
}

}  // namespace
}  // namespace korvex::app
