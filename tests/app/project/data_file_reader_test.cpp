#include "project/data_file_reader.h"
#include "project/data_file_writer.h"
#include "project_fixture.h"

#include <random>

namespace korvex::app {
namespace {

class DataFileReader : public ProjectFixture {
protected:
    // A project that uses every record: restraints, loads, springs,
    // tiebacks, p-y modifiers, surcharges, all seven soil types, external
    // p-y curves, moment-EI curves and a long-term section.
    void FillRichProject() {
        TProgramData& p = *project;
        p.Title = "Anchored wall, 80 characters at most";
        p.Increments = 40;
        p.IncrementLength = 6;
        p.FreeHeight = 120;
        p.WidthActive = 24;
        p.WidthPY = 24;
        p.WaterBackfill = 60;
        p.WaterExcavation = 130;
        p.BackfillSlope = 5;
        p.UniformLoad = 0.6944;
        p.EarthShape = 3;
        p.UseRestraints = p.UseLoads = p.UseSprings = p.UseTiebacks = p.UsePYMod = p.UseSurcharge = true;
        p.UseExtPY = p.UseMEI = p.LongTerm = true;
        SetRow(tables.Soillayer(), 0, {1, 0, 0.25, 0});
        SetRow(tables.PileSect(), 0, {0, 20, 2, 1.2345678e9L});
        SetRow(tables.PileSect(), 1, {21, 40, 1, 9.8765432e8L});
        SetRow(tables.BoundCond(), 0, {1, 0, 0, 1000, -2500.5L, 0});
        SetRow(tables.SoilStrength(), 0, {2, 10, 12, 350, 0.001L});
        SetRow(tables.TiebackTable1(), 0, {4.5L, 1.25L, 2.9e7L, 15, 15, 8, 50000});
        SetRow(tables.PYMod(), 1, {12.5L, 0.8L, 1.1L});
        SetRow(tables.SurchargeTable(), 0, {3, 2.5L, 36, 48});
        for (TGridTable* layers : {&tables.NewSoil(), &tables.LongSoil()})
            for (int type = 1; type <= 7; ++type) {
                SetRow(*layers, type - 1, {static_cast<long double>(type), 3.0L * type});
                TGridTable* parameters = layers->Cell(2, type - 1).AsTable();
                for (int row = 0; row < 2; ++row)
                    for (int c = 0; c < parameters->ColumnCount(); ++c)
                        parameters->Cell(c, row).SetFloat(10.5L * (c + 1) + row + type);
            }
        SetRow(tables.PYCurves2(), 0, {12, 0, 1.5L, 0.75L});
        TGridTable* curve = tables.PYCurves2().Cell(1, 0).AsTable();
        SetRow(*curve, 0, {-1, 200});
        SetRow(*curve, 1, {0, 0});
        SetRow(*curve, 2, {1, -200});
        SetRow(tables.MEICurves2(), 0, {0, 20});
        TGridTable* moments = tables.MEICurves2().Cell(2, 0).AsTable();
        SetRow(*moments, 0, {1e6, 2e9});
        SetRow(*moments, 1, {2e6, 1.5e9L});
    }

    TReadResult Read(const QString& name, TDataFileFormat format = TDataFileFormat::Format5) {
        return ReadProject(Path(name), format, tables);
    }

    QByteArray SaveAndReadBack(TDataFileFormat format = TDataFileFormat::Format5) {
        project->FileName = Path("first.rw5d");
        WriteProject(*project);
        const QByteArray first = ReadFile(project->FileName);
        TReadResult result = Read("first.rw5d", format);
        EXPECT_EQ(result.error, "");
        project = std::move(result.project);
        project->FileName = Path("second.rw5d");
        WriteProject(*project);
        const QByteArray second = ReadFile(project->FileName);
        EXPECT_EQ(second, first);
        if (second != first) {
            const QList<QByteArray> a = first.split('\n'), b = second.split('\n');
            for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
                if (a[i] != b[i]) ADD_FAILURE() << "line " << i + 1 << ": " << a[i].toStdString() << " | " << b[i].toStdString();
        }
        return first;
    }
};

TEST_F(DataFileReader, EnglishProjectReadsAndWritesBackByteForByte) {
    FillRichProject();
    const QByteArray text = SaveAndReadBack();
    EXPECT_TRUE(project->LongTerm);
    EXPECT_EQ(project->EarthShape, 3);
    EXPECT_TRUE(project->UseMEI && project->UseExtPY && project->UseTiebacks && project->UseSurcharge);
    EXPECT_EQ(tables.TiebackTable1().Cell(6, 0).AsFloat(), 50000);
    EXPECT_NEAR(tables.NewSoil().Cell(1, 6).AsFloat(), 21, 1e-12L);
    EXPECT_TRUE(text.contains("\r\n9\r\n"));
}

TEST_F(DataFileReader, SIProjectWithUserEarthPressureRoundTrips) {
    FillRichProject();
    project->SetUnits(2);
    project->UserEarthPressure = true;
    project->EarthShape = 1;
    project->GeneratePY = 0;
    SetRow(tables.DistLoad(), 0, {0, 0});
    SetRow(tables.DistLoad(), 1, {10, 1.5L});
    SetRow(tables.LongDist(), 0, {3, 2});
    SaveAndReadBack();
    EXPECT_EQ(project->Units, 2);
    EXPECT_TRUE(project->UserEarthPressure);
    EXPECT_EQ(tables.DistLoad().RowCount(), 2);
    EXPECT_EQ(tables.LongDist().RowCount(), 1);
    EXPECT_NEAR(tables.TiebackTable1().Cell(1, 0).AsFloat(), 1.25L * 0.0254L * 0.0254L * 1e6L, 1e-9L);
}

TEST_F(DataFileReader, KepZeroTurnsGenerationOff) {
    WriteFile("kep0.rw5d", Lines({"t", "1 0\t1\t0\t0\t2 0 1 0 0", "0 0\t100\t1E-5\t0\t0", "0\t1\t1\t0", "0", "0",
                                  "0\t0\t0\t0\t0\t1\t1\t0", "0\t0\t0\t0\t0\t0", "0", "0", "0"}));
    TReadResult result = Read("kep0.rw5d");
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.project->GeneratePY, 0);
    project = std::move(result.project);
    EXPECT_TRUE(ProjectFileText(*project).startsWith("t\r\n1 0\t1\t0\t0\t0 0 1 0 0\r\n"));
}

// A curve table is not topped up to its minimum rows: a default curve would
// be saved as one more curve.
TEST_F(DataFileReader, SingleExternalCurveSetWritesBackAlone) {
    const QByteArray text = Lines({"t", "1 0\t1\t0\t0\t1 1 1 0 0", "10 1\t100\t1E-5\t0\t0", "0\t10\t1\t0", "0", "0",
                                   "5\t2\t1\t1", "-1\t100", "1\t-100", "0"});
    WriteFile("one.rw5d", text);
    TReadResult result = Read("one.rw5d");
    EXPECT_EQ(result.error, "");
    project = std::move(result.project);
    EXPECT_EQ(ProjectFileText(*project), text);
}

// Readers take the soil records for any earth-pressure code above 1.
TEST_F(DataFileReader, UnknownGeneratedShapeKeepsItsSoilRecords) {
    const QByteArray text = Lines({"t", "1 0\t1\t0\t4\t0 0 1 0 0", "0 0\t100\t1E-5\t0\t0", "0\t1\t1\t0", "0", "0",
                                   "0\t0\t0\t0\t0\t1\t1\t0", "0\t0\t0\t0\t0\t0", "0", "1", "1 0 ", "0 0 0.0  0 0 0 ",
                                   "0 0 0.0  0 0 0 ", "0"});
    WriteFile("kep4.rw5d", text);
    TReadResult result = Read("kep4.rw5d");
    EXPECT_EQ(result.error, "");
    project = std::move(result.project);
    EXPECT_EQ(ProjectFileText(*project), text);
}

TEST_F(DataFileReader, TiebackLineOfSixValuesHasNoPrestress) {
    WriteFile("six.rw5d", Lines({"t", "1 0\t1\t0\t0\t0 0 1 0 2", "0 0\t100\t1E-5\t0\t0", "0\t1\t1\t0", "0", "0",
                                 "1\t2\t3\t4\t5\t6", "1\t2\t3\t4\t5\t6\t7", "0"}));
    TReadResult result = Read("six.rw5d");
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(tables.TiebackTable1().Cell(6, 0).AsFloat(), 0);
    EXPECT_EQ(tables.TiebackTable1().Cell(0, 1).AsFloat(), 1);
    EXPECT_EQ(tables.TiebackTable1().Cell(6, 1).AsFloat(), 7);
}

TEST_F(DataFileReader, ActiveFactorOfLegacyWaterWeightBecomesOne) {
    for (auto [written, read] : {std::pair{"0.036", 1.0L}, {"0.0360001", 0.0360001L}}) {
        WriteFile("gw.rw5d", Lines({"t", "1 0\t1\t0\t2\t2 0 1 0 0", "0 0\t100\t1E-5\t0\t0", "0\t1\t1\t0", "0", "0",
                                    QStringLiteral("0\t0\t0\t0\t0\t%1\t1\t0").arg(written), "0\t0\t0\t0\t0\t0", "0",
                                    "0", "0"}));
        EXPECT_EQ(Read("gw.rw5d").project->ActiveFactor, read) << written;
    }
}

QStringList Format3File(const QString& legacyDistance) {
    return {"old", "1 0\t1\t0\t2\t2 1 1", "0 0\t100\t1E-5\t0", "0\t1\t1\t0", "0", "0",
            "0\t0\t0\t0\t0\t1\t1\t0", QStringLiteral("0\t%1\t100\t20\t5\t6").arg(legacyDistance), "1", "4 120 ",
            "0.07 0.0  30 0.0  90 0 ", "0.07 0.0  30 0.0  90 0 ", "5\t2", "-1\t100", "1\t-100", "0"};
}

TEST_F(DataFileReader, Format3LegacySurchargeAndCurveMultipliers) {
    WriteFile("old.rwd", Lines(Format3File("10")));
    TReadResult result = Read("old.rwd", TDataFileFormat::Format3);
    EXPECT_EQ(result.error, "");
    project = std::move(result.project);
    TGridTable& surcharges = tables.SurchargeTable();
    ASSERT_EQ(surcharges.RowCount(), 3);
    EXPECT_TRUE(project->UseSurcharge);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(surcharges.Cell(0, row).AsInteger(), row + 1);
        EXPECT_EQ(surcharges.Cell(2, row).AsFloat(), 10);
        EXPECT_EQ(surcharges.Cell(3, row).AsFloat(), 6);
    }
    EXPECT_EQ(surcharges.Cell(1, 2).AsFloat(), 5);
    EXPECT_EQ(tables.PYCurves2().Cell(2, 0).AsFloat(), 1);
    EXPECT_FALSE(project->HasTiebackCount);
    const QList<QByteArray> lines = ProjectFileText(*project).split('\n');
    EXPECT_TRUE(lines.contains("5\t2\t1\t1\r"));
    EXPECT_TRUE(lines.contains("0\t10\t100\t20\t5\t6\r"));

    WriteFile("none.rwd", Lines(Format3File("0")));
    Read("none.rwd", TDataFileFormat::Format3);
    EXPECT_EQ(tables.SurchargeTable().RowCount(), 1);  // topped up to its minimum, no legacy rows
}

// The legacy distances are in m under SI, the surcharge table's in mm.
TEST_F(DataFileReader, SILegacySurchargeDistancesBecomeMillimetres) {
    QStringList lines = Format3File("0.5");
    lines[1] = "2 0\t1\t0\t2\t2 1 1";
    WriteFile("si.rwd", Lines(lines));
    EXPECT_EQ(Read("si.rwd", TDataFileFormat::Format3).error, "");
    EXPECT_EQ(tables.SurchargeTable().Cell(2, 0).AsFloat(), 500);
    EXPECT_EQ(tables.SurchargeTable().Cell(3, 2).AsFloat(), 6000);
}

TEST_F(DataFileReader, Format2LayersByThickness) {
    WriteFile("older.rwd", Lines({"oldest", "1 0\t1\t0\t2\t2 0", "0 0\t100\t1E-5\t0", "0\t1\t1\t0", "0", "0",
                                  "0\t0\t0\t0\t0\t1\t1\t0", "0\t0\t0\t0\t0\t0", "3", "1 10", "110 500 0 0.02 100",
                                  "7 5", "4 2.5", "120 0 32 0 60"}));
    TReadResult result = Read("older.rwd", TDataFileFormat::Format2);
    EXPECT_EQ(result.error, "");
    TGridTable& layers = tables.NewSoil();
    ASSERT_EQ(layers.RowCount(), 3);
    EXPECT_EQ(layers.Cell(1, 2).AsFloat(), 17.5L);
    TGridTable* clay = layers.Cell(2, 0).AsTable();
    EXPECT_EQ(clay->Cell(0, 1).AsFloat(), 110);
    EXPECT_EQ(clay->Cell(1, 0).AsFloat(), 500);
    EXPECT_EQ(clay->Cell(2, 1).AsFloat(), 0.02L);
    EXPECT_EQ(layers.Cell(2, 2).AsTable()->Cell(1, 0).AsFloat(), 32);
    EXPECT_EQ(layers.Cell(2, 2).AsTable()->Cell(3, 0).AsFloat(), 0);
}

TEST_F(DataFileReader, FileCutInsideLayersKeepsWhatWasRead) {
    FillRichProject();
    project->LongTerm = false;
    const QByteArray text = ProjectFileText(*project);
    const qsizetype cut = text.indexOf("\r\n4 144 \r\n");
    ASSERT_GT(cut, 0);
    WriteFile("cut.rw5d", text.left(cut + 2));
    TReadResult result = Read("cut.rw5d");
    EXPECT_EQ(result.error, "This file either invalid or incomplete.");
    ASSERT_EQ(tables.NewSoil().RowCount(), 4);  // the fourth layer was begun when the file ended
    EXPECT_EQ(tables.NewSoil().Cell(0, 2).AsInteger(), 3);
    EXPECT_EQ(tables.NewSoil().Cell(1, 2).AsFloat(), 9);
    EXPECT_EQ(tables.PYCurves2().RowCount(), 0);
    EXPECT_EQ(tables.MEICurves2().RowCount(), 0);
    EXPECT_EQ(tables.PYMod().RowCount(), 2);
    EXPECT_FALSE(result.project->IsModified());
}

TEST_F(DataFileReader, MissingFileGivesTheSystemsMessage) {
    TReadResult result = Read("absent.rw5d");
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(tables.PileSect().RowCount(), 1);
}

TEST_F(DataFileReader, FormatFollowsTheExtension) {
    EXPECT_EQ(FormatFromFileName("a.rw4d"), TDataFileFormat::Format4);
    EXPECT_EQ(FormatFromFileName("a.RWD"), TDataFileFormat::Format3);
    EXPECT_EQ(FormatFromFileName("a.rw5d"), TDataFileFormat::Format5);
    EXPECT_EQ(FormatFromFileName("a.txt"), TDataFileFormat::Format5);
}

// Truncated and garbled files must end in the reader's message, never in a
// crash, a hang or a huge allocation.
TEST_F(DataFileReader, TruncatedAndGarbledFilesNeverCrash) {
    FillRichProject();
    const QByteArray text = ProjectFileText(*project);
    for (qsizetype length = 0; length < text.size(); length += 7) {
        WriteFile("fuzz.rw5d", text.left(length));
        Read("fuzz.rw5d");
    }
    std::mt19937 random(20150521);
    const QByteArray noise = "0123456789-.eE \t\r\n9x";
    for (int round = 0; round < 300; ++round) {
        QByteArray garbled = text;
        for (int edits = 0; edits < 4; ++edits)
            garbled[random() % garbled.size()] = noise[random() % noise.size()];
        WriteFile("fuzz.rw5d", garbled);
        for (auto format : {TDataFileFormat::Format2, TDataFileFormat::Format3, TDataFileFormat::Format5})
            Read("fuzz.rw5d", format);
    }
    WriteFile("huge.rw5d", Lines({"t", "1 2000000000\t2000000000\t0\t2\t2 2000000000 1 0 0"}));
    EXPECT_EQ(Read("huge.rw5d").error, "This file either invalid or incomplete.");
}

}  // namespace
}  // namespace korvex::app
