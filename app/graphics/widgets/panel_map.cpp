#include "graphics/widgets/panel_map.h"

#include "graphics/graph_plot.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace korvex::app {
namespace {

TAxisRange Extent(const TGraphPlot& graph, int panel, long double TFloatPoint::*coordinate) {
    TAxisRange extent;
    const int list = PanelList(panel);
    for (int i = 0; i < graph.CurveCount(list); ++i) {
        const TLine& curve = graph.Curve(list, i);
        for (int j = 0; j < curve.PointCount(); ++j) {
            const double v = static_cast<double>(curve.Point(j).*coordinate);
            extent.Min = std::min(extent.Min, v);
            extent.Max = std::max(extent.Max, v);
        }
    }
    return extent;
}

}  // namespace

int TPanelMap::Column(double x) const {
    return Area.left() + static_cast<int>(std::lround((x - X.Min) / X.Span() * Area.width()));
}

int TPanelMap::Row(double y) const {
    const int amount = static_cast<int>(std::lround((y - Y.Min) / Y.Span() * Area.height()));
    return YDown ? Area.top() + amount : Area.bottom() - amount;
}

QPointF TPanelMap::ToValue(QPointF device) const {
    const double x = X.Min + (device.x() - Area.left()) / Area.width() * X.Span();
    const double fromTop = (device.y() - Area.top()) / Area.height();
    const double y = YDown ? Y.Min + fromTop * Y.Span() : Y.Max - fromTop * Y.Span();
    return {x, y};
}

int PanelList(int panel) {
    static constexpr std::array<int, 3> lists = {kMainCurves, kSecondPanel, kThirdPanel};
    return lists.at(static_cast<std::size_t>(panel));
}

QString PanelXTitle(const TGraphPlot& graph, int panel) {
    const int units = graph.Units();
    if (panel == 1) return UnitsTitle(graph.XCaption2, graph.XUnits2, units);
    if (panel == 2) return UnitsTitle(graph.XCaption3, graph.XUnits3, units);
    return graph.XTitle();
}

QString PanelYTitle(const TGraphPlot& graph, int panel) {
    const int units = graph.Units();
    if (panel == 1) return UnitsTitle(graph.YCaption2, graph.YUnits2, units);
    if (panel == 2) return UnitsTitle(graph.YCaption3, graph.YUnits3, units);
    return graph.YTitle();
}

TAxisRange PanelExtentX(const TGraphPlot& graph, int panel) { return Extent(graph, panel, &TFloatPoint::X); }

TAxisRange PanelExtentY(const TGraphPlot& graph, int panel) { return Extent(graph, panel, &TFloatPoint::Y); }

}  // namespace korvex::app
