#include "graphics/graph_csv.h"

#include "framework/decimal_separator.h"
#include "graphics/graph_plot.h"

#include <gtest/gtest.h>

namespace korvex::app {
namespace {

TEST(GraphCsvTest, HeaderNamesCurveAndAxisAndNumbersKeepThePoint) {
    TGraphPlot graph;
    graph.XCaption = QStringLiteral("y");
    graph.XUnits = QStringLiteral("L");
    graph.YCaption = QStringLiteral("p");
    graph.YUnits = QStringLiteral("F/L");
    graph.SetUnits(2);
    graph.SetCurveCount(kMainCurves, 2);
    graph.SetPointCount(kMainCurves, 2);
    graph.Curve(kMainCurves, 0).Name = QStringLiteral("from Soils ");
    graph.Curve(kMainCurves, 1).Name = QStringLiteral("the \"wet\" one");
    graph.Point(kMainCurves, 0, 1) = {0.5, -12.25};
    graph.Point(kMainCurves, 1, 0) = {1e-7, 1500};

    const QChar userSeparator = DecimalSeparator();
    SetDecimalSeparator(u',');
    const QString csv = GraphCsv(graph);
    EXPECT_EQ(DecimalSeparator(), u',');
    SetDecimalSeparator(userSeparator);

    EXPECT_EQ(csv,
              "\"from Soils  - y (m)\",\"from Soils  - p (kN/m)\","
              "\"the \"\"wet\"\" one - y (m)\",\"the \"\"wet\"\" one - p (kN/m)\"\n"
              "0,0,1E-7,1500\n"
              "0.5,-12.25,0,0\n");
}

TEST(GraphCsvTest, FileNameFollowsTheCaption) {
    const struct {
        const char* caption;
        const char* file;
    } cases[] = {{"p-y Curves", "p_y_curves.csv"},
                 {"Deflection, Moment, Shear vs Depth", "deflection_moment_shear_vs_depth.csv"},
                 {" Earth Pressure Combined ", "earth_pressure_combined.csv"}};
    for (const auto& c : cases) {
        TGraphPlot graph;
        graph.Caption = QString::fromLatin1(c.caption);
        EXPECT_EQ(GraphFileName(graph), c.file);
    }
}

}  // namespace
}  // namespace korvex::app
