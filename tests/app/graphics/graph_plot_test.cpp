#include "graphics/graph_plot.h"

#include <QVariant>
#include <gtest/gtest.h>

namespace korvex::app {
namespace {

TEST(GraphPlotTest, CurveListsKeepEqualLengthsAndNumberNewCurves) {
    TGraphPlot graph;
    graph.SetCurveCount(kMainCurves, 2);
    graph.SetPointCount(kMainCurves, 3);
    graph.Point(kMainCurves, 1, 2) = {4, 5};
    graph.SetCurveCount(kMainCurves, 3);
    EXPECT_EQ(graph.Curve(kMainCurves, 2).PointCount(), 3);
    EXPECT_EQ(graph.Curve(kMainCurves, 2).Number, 3);
    EXPECT_TRUE(graph.Curve(kMainCurves, 2).Shown);
    EXPECT_TRUE(graph.Curve(kMainCurves, 2).Listed);

    graph.SetPointCount(kMainCurves, 4);
    EXPECT_EQ(graph.Point(kMainCurves, 1, 2).X, 4);
    EXPECT_EQ(graph.Point(kMainCurves, 1, 3).X, 0);
    EXPECT_EQ(graph.Point(kMainCurves, 1, 3).Y, 0);

    // A curve of another list is numbered after the main curves.
    graph.SetCurveCount(kSecondPanel, 1);
    EXPECT_EQ(graph.Curve(kSecondPanel, 0).Number, 4);
    EXPECT_EQ(graph.PointCount(kThirdPanel), 0);

    graph.SetCurveCount(kMainCurves, -2);
    EXPECT_EQ(graph.CurveCount(kMainCurves), 0);
    EXPECT_EQ(graph.PointCount(kMainCurves), 0);
}

TEST(GraphPlotTest, DisplayNamePrefersOwnNameThenNameListThenNumber) {
    TGraphPlot graph;
    graph.CurveName = QStringLiteral("Depth ");
    graph.SetCurveCount(kMainCurves, 3);
    graph.Curve(kMainCurves, 0).Name = QStringLiteral("Own");
    graph.Curve(kMainCurves, 2).Number = 2.5;
    graph.Names() << QStringLiteral("Listed 1") << QStringLiteral("Listed 2");
    EXPECT_EQ(graph.DisplayName(kMainCurves, 0), "Own");
    EXPECT_EQ(graph.DisplayName(kMainCurves, 1), "Listed 2");
    EXPECT_EQ(graph.DisplayName(kMainCurves, 2), "Depth 2.5");
}

TEST(GraphPlotTest, PublishedUnitsAreClampedAndLabelTheAxes) {
    TGraphPlot graph;
    graph.XCaption = QStringLiteral("p");
    graph.XUnits = QStringLiteral("F/L");
    graph.YCaption = QStringLiteral("Depth");
    const struct {
        int given;
        int held;
        const char* xTitle;
    } cases[] = {{0, 1, "p (lbs/in)"}, {-5, 1, "p (lbs/in)"}, {2, 2, "p (kN/m)"}, {7, 3, "p (F/L)"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(graph.setProperty("Units", c.given));
        EXPECT_EQ(graph.property("Units").toInt(), c.held) << c.given;
        EXPECT_EQ(graph.XTitle(), c.xTitle) << c.given;
        EXPECT_EQ(graph.YTitle(), "Depth");
    }
    ASSERT_TRUE(graph.setProperty("XOnTop", false));
    EXPECT_FALSE(graph.XOnTop);
}

}  // namespace
}  // namespace korvex::app
