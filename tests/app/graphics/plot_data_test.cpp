#include "graphics/graph_set.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korvex::app {
namespace {

QString Fixture(const char* name) { return QStringLiteral(KORVEX_GRAPH_FIXTURES "/") + QString::fromLatin1(name); }

QByteArray FixtureBytes(const char* name) {
    QFile file(Fixture(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

TPlotProject EnglishProject() {
    TPlotProject project;
    project.Units = 1;
    project.Increments = 4;
    project.IncrementLength = 24;
    project.FreeHeight = 48;
    project.Layers = {{4, 3}, {2, 12}};
    return project;
}

TPlotProject SIProject() {
    TPlotProject project;
    project.Units = 2;
    return project;
}

class PlotDataTest : public ::testing::Test {
protected:
    PlotDataTest() {
        QObject::connect(&graphs_, &TGraphSet::information, [this](const QString& text) { messages_ << text; });
    }

    QString WriteFile(const QByteArray& bytes) {
        const QString name = dir_.filePath(QStringLiteral("run.rw5p"));
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return name;
    }

    static void ExpectPoint(const TGraphPlot& graph, int list, int curve, int j, long double x, long double y) {
        const TFloatPoint& p = graph.Curve(list, curve).Point(j);
        EXPECT_NEAR(static_cast<double>(p.X), static_cast<double>(x), 1e-9) << graph.objectName().toStdString();
        EXPECT_NEAR(static_cast<double>(p.Y), static_cast<double>(y), 1e-9) << graph.objectName().toStdString();
    }

    TGraphSet graphs_;
    QStringList messages_;
    QTemporaryDir dir_;
};

TEST_F(PlotDataTest, OneEnglishProblemScalesDepthMomentAndShear) {
    ASSERT_TRUE(graphs_.LoadPlotData(Fixture("one_problem_english.rw5p"), EnglishProject(), true));
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_EQ(graphs_.pltLD.CurveCount(kMainCurves), 1);
    EXPECT_EQ(graphs_.pltLD.PointCount(kMainCurves), 0);
    EXPECT_EQ(graphs_.pltPY.CurveCount(kMainCurves), 0);
    EXPECT_EQ(graphs_.pltInter.CurveCount(kMainCurves), 1);
    for (TGraphPlot* graph : graphs_.DepthGraphs()) {
        EXPECT_EQ(graph->CurveCount(kMainCurves), 1);
        EXPECT_EQ(graph->PointCount(kMainCurves), 6);
        EXPECT_EQ(graph->DisplayName(kMainCurves, 0), "Load #1");
        EXPECT_EQ(graph->YCaption, "Depth (ft)");
    }
    // Station 5: depth 120 in, deflection 0.05 in, moment 24000 lb-in,
    // shear 1500 lb, reaction -50 lb.
    ExpectPoint(graphs_.pltDef, kMainCurves, 0, 5, 0.05, 10);
    ExpectPoint(graphs_.pltMom, kMainCurves, 0, 5, 24, 10);
    ExpectPoint(graphs_.pltShear, kMainCurves, 0, 5, 1.5, 10);
    ExpectPoint(graphs_.pltSoil, kMainCurves, 0, 5, -50, 10);
    ExpectPoint(graphs_.pltDMS, kSecondPanel, 0, 5, 24, 10);
    ExpectPoint(graphs_.pltDMS, kThirdPanel, 0, 5, 1.5, 10);
    EXPECT_EQ(graphs_.pltMom.XTitle(), "Bending Moment (in-kips)");
    EXPECT_EQ(graphs_.pltShear.XTitle(), "Shear (kips)");
    EXPECT_EQ(graphs_.pltDef.XTitle(), "Deflection (in)");
    EXPECT_EQ(graphs_.pltInter.YCaption, "Axial Load (kips)");
    for (TGraphPlot* graph : graphs_.Graphs()) EXPECT_EQ(graph->Units(), 1);

    ASSERT_EQ(graphs_.Results().size(), 1u);
    EXPECT_EQ(graphs_.Results()[0].Rows.size(), 6u);
    EXPECT_EQ(graphs_.Results()[0].Rows[5].Moment, 24);
}

TEST_F(PlotDataTest, DeflectionMomentShearGraphHasThreePanelsAndWallOverlay) {
    ASSERT_TRUE(graphs_.LoadPlotData(Fixture("one_problem_english.rw5p"), EnglishProject(), false));
    const TGraphPlot& dms = graphs_.pltDMS;
    EXPECT_TRUE(dms.ShowThree);
    EXPECT_EQ(dms.XTitle(), "Deflection (in)");
    EXPECT_EQ(dms.YCaption, "Depth (ft)");
    EXPECT_EQ(dms.XCaption2, "Bending Moment (in-kips)");
    EXPECT_EQ(dms.XCaption3, "Shear (kips)");
    EXPECT_EQ(dms.YCaption3, "Depth (ft)");

    // Two layers, then the wall's length (4 x 24 in = 8 ft) and its free
    // height (48 in = 4 ft), all on the depth axis in ft.
    ASSERT_EQ(dms.CurveCount(kOverlayLines), 4);
    EXPECT_EQ(dms.WallLineCount, 2);
    EXPECT_EQ(dms.PointCount(kOverlayLines), 1);
    const struct {
        const char* name;
        long double x, y;
    } lines[] = {{" SAND ", 7, 3}, {" CLAY ", 1, 12}, {"PILE", 0, 8}, {"PILE", 0, 4}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(dms.Curve(kOverlayLines, i).Name, lines[i].name);
        ExpectPoint(dms, kOverlayLines, i, 0, lines[i].x, lines[i].y);
    }
}

TEST_F(PlotDataTest, TwoStagesGiveStageCurvesOfEqualLength) {
    ASSERT_TRUE(graphs_.LoadPlotData(Fixture("two_stages_si.rw5p"), SIProject(), true));
    for (TGraphPlot* graph : graphs_.DepthGraphs()) {
        ASSERT_EQ(graph->CurveCount(kMainCurves), 2);
        EXPECT_EQ(graph->DisplayName(kMainCurves, 0), "Stage: 1");
        EXPECT_EQ(graph->DisplayName(kMainCurves, 1), "Stage: 2");
        EXPECT_EQ(graph->PointCount(kMainCurves), 6);
        EXPECT_EQ(graph->YCaption, "Depth (m)");
        EXPECT_EQ(graph->Units(), 2);
    }
    EXPECT_EQ(graphs_.pltDMS.Curve(kThirdPanel, 1).Name, "Stage: 2");
    // Stage 2 has five stations: its curve ends on a repeat of its last row.
    ExpectPoint(graphs_.pltMom, kMainCurves, 1, 4, 20, 2);
    ExpectPoint(graphs_.pltMom, kMainCurves, 1, 5, 20, 2);
    ExpectPoint(graphs_.pltDMS, kThirdPanel, 1, 5, 3, 2);
    ExpectPoint(graphs_.pltMom, kMainCurves, 0, 5, 20, 2.5);

    // Earth pressure: one curve per stage, SI depths unscaled; stage 1 has
    // three rows of the four.
    ASSERT_EQ(graphs_.pltLD.CurveCount(kMainCurves), 2);
    EXPECT_EQ(graphs_.pltLD.PointCount(kMainCurves), 4);
    ExpectPoint(graphs_.pltLD, kMainCurves, 0, 3, 21, 4);
    ExpectPoint(graphs_.pltLD, kMainCurves, 1, 3, 33, 6);
    EXPECT_EQ(graphs_.pltLD.YCaption, "Depth (m)");
    // The combined graph and the p-y curves show the last stage.
    const TGraphPlot& combined = graphs_.PltCombine;
    ASSERT_EQ(combined.CurveCount(kMainCurves), 3);
    EXPECT_EQ(combined.DisplayName(kMainCurves, 0), "Total Earth Pressure");
    EXPECT_EQ(combined.DisplayName(kMainCurves, 1), "from Soils ");
    EXPECT_EQ(combined.DisplayName(kMainCurves, 2), "from Surcharge Loads");
    ExpectPoint(combined, kMainCurves, 1, 3, 27, 6);
    ExpectPoint(combined, kMainCurves, 2, 3, 6, 6);

    // Stage 2's p-y curves: user curves of 10 and 5 points and a generated
    // one of 33; the shorter ones are extended by their own last point.
    const TGraphPlot& py = graphs_.pltPY;
    ASSERT_EQ(py.CurveCount(kMainCurves), 3);
    EXPECT_EQ(py.PointCount(kMainCurves), 33);
    EXPECT_EQ(py.DisplayName(kMainCurves, 0), "Depth 10");
    EXPECT_EQ(py.DisplayName(kMainCurves, 2), "Depth 14");
    ExpectPoint(py, kMainCurves, 0, 9, 0.08, -40);
    ExpectPoint(py, kMainCurves, 0, 32, 0.08, -40);
    ExpectPoint(py, kMainCurves, 1, 32, 0.05, -20);
    ExpectPoint(py, kMainCurves, 2, 32, 0.8, -216);
    EXPECT_EQ(py.XTitle(), "y (m)");
    EXPECT_EQ(py.YTitle(), "p (kN/m)");

    ASSERT_EQ(graphs_.Results().size(), 2u);
    EXPECT_EQ(graphs_.Results()[0].EarthPressure.size(), 3u);
    EXPECT_EQ(graphs_.Results()[1].Rows.size(), 5u);
}

TEST_F(PlotDataTest, ShortAndLongTermCurvesAreNamedAfterTheirCondition) {
    TPlotProject project = EnglishProject();
    project.LongTerm = true;
    ASSERT_TRUE(graphs_.LoadPlotData(Fixture("short_long_term_english.rw5p"), project, true));
    for (TGraphPlot* graph : {&graphs_.pltDef, &graphs_.pltSoil, &graphs_.pltDMS}) {
        EXPECT_EQ(graph->DisplayName(kMainCurves, 0), "Short-Term");
        EXPECT_EQ(graph->DisplayName(kMainCurves, 1), "Long-Term");
    }
    ExpectPoint(graphs_.pltMom, kMainCurves, 1, 3, 36, 15);
    ExpectPoint(graphs_.pltShear, kMainCurves, 1, 3, 0.7, 15);
    // Every problem's earth-pressure curve is brought from in to ft once.
    ExpectPoint(graphs_.pltLD, kMainCurves, 0, 1, 45, 15);
    ExpectPoint(graphs_.pltLD, kMainCurves, 1, 1, 45, 15);
    ExpectPoint(graphs_.PltCombine, kMainCurves, 0, 1, 45, 15);
    EXPECT_EQ(graphs_.Results()[1].EarthPressure[1].Depth, 15);
}

TEST_F(PlotDataTest, RunsInOtherUnitsAreUnscaledUnderTheSITitles) {
    const QByteArray otherUnits = " 0\n 3 0\n 1 2 3\n"
                                  "    0.0000E+00    0.5000E+00    0.0000E+00    0.1500E+04    0.0000E+00\n"
                                  "    0.1200E+03    0.5000E-01    0.2400E+05    0.1500E+04   -0.5000E+02\n";
    ASSERT_TRUE(graphs_.LoadPlotData(WriteFile(otherUnits), SIProject(), true));
    ExpectPoint(graphs_.pltMom, kMainCurves, 0, 1, 24000, 120);
    ExpectPoint(graphs_.pltShear, kMainCurves, 0, 1, 1500, 120);
    EXPECT_EQ(graphs_.pltMom.XCaption, "Bending Moment (m-kN)");
    EXPECT_EQ(graphs_.pltDef.YCaption, "Depth (m)");
    EXPECT_EQ(graphs_.pltLM.YCaption, "Lateral Load (kN)");
    for (TGraphPlot* graph : graphs_.Graphs()) EXPECT_EQ(graph->Units(), 3);
}

TEST_F(PlotDataTest, NothingOfAnEarlierRunSurvivesANewReading) {
    ASSERT_TRUE(graphs_.LoadPlotData(Fixture("two_stages_si.rw5p"), SIProject(), true));
    ASSERT_TRUE(graphs_.LoadPlotData(Fixture("one_problem_english.rw5p"), TPlotProject{}, true));
    EXPECT_EQ(graphs_.pltDef.CurveCount(kMainCurves), 1);
    EXPECT_EQ(graphs_.pltDef.DisplayName(kMainCurves, 0), "Load #1");
    EXPECT_EQ(graphs_.pltPY.CurveCount(kMainCurves), 0);
    EXPECT_EQ(graphs_.pltDMS.CurveCount(kOverlayLines), 2);
    EXPECT_EQ(graphs_.pltDMS.WallLineCount, 0);
    EXPECT_EQ(graphs_.Results().size(), 1u);
}

TEST_F(PlotDataTest, ReadFailuresReturnFalseAndTellTheUserOnRequest) {
    const QByteArray twoStages = FixtureBytes("two_stages_si.rw5p");
    const QByteArray oneProblem = FixtureBytes("one_problem_english.rw5p");
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"ends inside a results row", twoStages.left(twoStages.size() - 20)},
        {"a word that is not a number", QByteArray(oneProblem).replace("0.2400E+02", "0.24O0E+02")},
        {"a results-block count beyond five stages", QByteArray(oneProblem).replace(" 1 6 1", " 9 6 1")},
        {"a later block with another problem count",
         QByteArray(twoStages).replace(twoStages.lastIndexOf(" 2 5 2"), 6, " 3 5 2")},
        {"a row count far beyond the rows present", QByteArray(oneProblem).replace(" 1 6 1", " 1 2000000000 1")},
        {"empty", QByteArray()},
    };
    for (const auto& c : cases) {
        for (const bool report : {false, true}) {
            messages_.clear();
            EXPECT_FALSE(graphs_.LoadPlotData(WriteFile(c.bytes), SIProject(), report)) << c.what;
            const QStringList expected =
                report ? QStringList{QStringLiteral("An error occured in running the main program.")} : QStringList{};
            EXPECT_EQ(messages_, expected) << c.what;
        }
    }
    EXPECT_FALSE(graphs_.LoadPlotData(dir_.filePath(QStringLiteral("missing.rw5p")), SIProject(), false));
}

TEST_F(PlotDataTest, TruncatedFileKeepsWhatWasRead) {
    const QByteArray bytes = FixtureBytes("two_stages_si.rw5p");
    // Cut inside the last station row of stage 2.
    ASSERT_FALSE(graphs_.LoadPlotData(WriteFile(bytes.left(bytes.size() - 20)), SIProject(), false));
    ASSERT_EQ(graphs_.pltMom.CurveCount(kMainCurves), 2);
    EXPECT_EQ(graphs_.pltMom.PointCount(kMainCurves), 6);
    ExpectPoint(graphs_.pltMom, kMainCurves, 0, 5, 20, 2.5);
    ExpectPoint(graphs_.pltMom, kMainCurves, 1, 3, 15, 1.5);
    EXPECT_EQ(graphs_.pltPY.CurveCount(kMainCurves), 3);
    EXPECT_EQ(graphs_.pltLD.CurveCount(kMainCurves), 2);
    ASSERT_EQ(graphs_.Results().size(), 2u);
    EXPECT_EQ(graphs_.Results()[1].Rows.size(), 4u);
}

}  // namespace
}  // namespace korvex::app
