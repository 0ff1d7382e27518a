// Reads a plot-data file written by the engine for the cantilever example
// analysed short term and then long term, with the project read from its
// data file as the application reads it.
#include "graphics/graph_set.h"
#include "project/data_file_reader.h"
#include "project/program_data.h"
#include "project/project_tables.h"

#include <gtest/gtest.h>

namespace korvex::app {
namespace {

QString RunFile(const char* extension) {
    return QStringLiteral(KORVEX_GRAPH_FIXTURES "/engine_run/cantilever_short_long_term_english") +
           QString::fromLatin1(extension);
}

TEST(EngineRunTest, ShortAndLongTermCantileverLoadsWithTheProjectsGeometry) {
    TProjectTables tables;
    const TReadResult read = ReadProject(RunFile(".rw5d"), TDataFileFormat::Format5, tables);
    ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    const TPlotProject project = PlotProjectOf(*read.project);
    EXPECT_TRUE(project.LongTerm);
    EXPECT_EQ(project.Increments, 48);

    TGraphSet graphs;
    ASSERT_TRUE(graphs.LoadPlotData(RunFile(".rw5p"), project, true)) << graphs.LastReadError().toStdString();
    // 48 increments of 6 in: 50 stations down to 49 x 6 in = 24.5 ft.
    for (TGraphPlot* graph : graphs.DepthGraphs()) {
        ASSERT_EQ(graph->CurveCount(kMainCurves), 2);
        EXPECT_EQ(graph->DisplayName(kMainCurves, 0), "Short-Term");
        EXPECT_EQ(graph->DisplayName(kMainCurves, 1), "Long-Term");
        EXPECT_EQ(graph->PointCount(kMainCurves), 50);
        EXPECT_NEAR(static_cast<double>(graph->Point(kMainCurves, 1, 49).Y), 24.5, 1e-9);
    }
    EXPECT_EQ(graphs.pltMom.XTitle(), "Bending Moment (in-kips)");
    EXPECT_EQ(graphs.pltPY.CurveCount(kMainCurves), 4);
    EXPECT_EQ(graphs.pltPY.DisplayName(kMainCurves, 0), "Depth 21");
    EXPECT_EQ(graphs.pltLD.CurveCount(kMainCurves), 2);
    EXPECT_NEAR(static_cast<double>(graphs.pltLD.Point(kMainCurves, 1, 1).Y), 10, 1e-9);

    // The wall overlay closes with the wall's 24 ft and its 10 ft free height.
    const TGraphPlot& dms = graphs.pltDMS;
    const int layers = dms.WallLineCount;
    ASSERT_EQ(dms.CurveCount(kOverlayLines), layers + 2);
    EXPECT_NEAR(static_cast<double>(dms.Point(kOverlayLines, layers, 0).Y), 24, 1e-9);
    EXPECT_NEAR(static_cast<double>(dms.Point(kOverlayLines, layers + 1, 0).Y), 10, 1e-9);
}

}  // namespace
}  // namespace korvex::app
