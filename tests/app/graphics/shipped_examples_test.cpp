// Every plot-data file the engine writes for the shipped examples loads
// completely, with the project read from the data file beside it as the
// application reads it when the project is opened.
#include "framework/unit_tokens.h"
#include "graphics/graph_set.h"
#include "project/data_file_reader.h"
#include "project/program_data.h"
#include "project/project_tables.h"

#include <QDir>
#include <gtest/gtest.h>

namespace korvex::app {
namespace {

// One curve per stage, two for a short-term and long-term run, else one.
int ProblemCount(const TProgramData& project) {
    if (project.StageCount > 1) return project.StageCount;
    return project.LongTerm ? 2 : 1;
}

TEST(ShippedExamplesTest, EveryPlotDataFileLoadsCompletely) {
    const QDir golden(QStringLiteral(KORVEX_GOLDEN_DIR));
    const QStringList examples = golden.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_FALSE(examples.isEmpty());
    for (const QString& example : examples) {
        SCOPED_TRACE(example.toStdString());
        const QString run = golden.filePath(example + QStringLiteral("/wall"));
        TProjectTables tables;
        const TReadResult read = ReadProject(run + QStringLiteral(".rw5d"), TDataFileFormat::Format5, tables);
        ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
        const TPlotProject project = PlotProjectOf(*read.project);

        TGraphSet graphs;
        ASSERT_TRUE(graphs.LoadPlotData(run + QStringLiteral(".rw5p"), project, true))
            << graphs.LastReadError().toStdString();
        EXPECT_EQ(static_cast<int>(graphs.Results().size()), ProblemCount(*read.project));

        // Stations 0 .. NI + 1: the first curve ends one increment below the
        // tip, in ft for English runs.
        const long double toAxis = project.Units == kEnglish ? 12 : 1;
        const long double length = project.Increments * project.IncrementLength / toAxis;
        const long double beyondTip = length + project.IncrementLength / toAxis;
        for (TGraphPlot* graph : graphs.DepthGraphs()) {
            EXPECT_EQ(graph->CurveCount(kMainCurves), ProblemCount(*read.project));
            const int last = graph->PointCount(kMainCurves) - 1;
            ASSERT_GT(last, 0);
            EXPECT_NEAR(static_cast<double>(graph->Point(kMainCurves, 0, last).Y), static_cast<double>(beyondTip), 1e-6);
        }
        const TGraphPlot& dms = graphs.pltDMS;
        ASSERT_EQ(dms.CurveCount(kOverlayLines), dms.WallLineCount + 2);
        EXPECT_NEAR(static_cast<double>(dms.Point(kOverlayLines, dms.WallLineCount, 0).Y), static_cast<double>(length), 1e-6);
    }
}

}  // namespace
}  // namespace korvex::app
