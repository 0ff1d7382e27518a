#include "graphics/widgets/plot_painter.h"

#include "framework/number_text.h"
#include "graphics/graph_plot.h"
#include "graphics/widgets/curve_palette.h"
#include "graphics/widgets/layer_column.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <cmath>
#include <numbers>

namespace korvex::app {
namespace {

constexpr int kMarkerVertexLimit = 10;

void DrawRotatedText(QPainter& painter, const QRect& column, const QString& text) {
    painter.save();
    painter.translate(column.center());
    painter.rotate(-90);
    painter.drawText(QRect(-column.height() / 2, -column.width() / 2, column.height(), column.width()), Qt::AlignCenter, text);
    painter.restore();
}

// The row of the X title: at the top of the page below a top title, or at
// the bottom above a bottom title.
QRect XTitleRow(const TGraphPlot& graph, const TPlotLayout& layout, const QRect& panel) {
    const int h = layout.H;
    const bool titleTop = !graph.Title.isEmpty() && graph.TitleOnTop;
    const bool titleBottom = !graph.Title.isEmpty() && !graph.TitleOnTop;
    if (graph.XOnTop) return QRect(panel.left(), layout.Page.top() + (titleTop ? h / 8 + h : 0), panel.width(), h);
    return QRect(panel.left(), layout.Page.bottom() - h - (titleBottom ? h : 0), panel.width(), h);
}

int YTitleLeft(const TPlotLayout& layout, int panel) {
    if (panel == 0) return layout.Page.left();
    return layout.Panels[static_cast<std::size_t>(panel)].left() - 2 * layout.H - layout.Px / 8;
}

void DrawTitles(QPainter& painter, const TPlotScene& scene) {
    const TGraphPlot& graph = *scene.Graph;
    const TPlotLayout& layout = scene.Layout;
    painter.setFont(AxisFont(graph, true));
    painter.setPen(Qt::black);
    for (int i = 0; i < layout.PanelCount; ++i) {
        const QRect& panel = layout.Panels[static_cast<std::size_t>(i)];
        painter.drawText(XTitleRow(graph, layout, panel), Qt::AlignCenter, PanelXTitle(graph, i));
        DrawRotatedText(painter, QRect(YTitleLeft(layout, i), panel.top(), layout.H, panel.height()), PanelYTitle(graph, i));
    }
    if (graph.Title.isEmpty()) return;
    painter.setFont(AxisFont(graph));
    const QRect& page = layout.Page;
    const QRect row = graph.TitleOnTop ? QRect(page.left(), page.top(), page.width(), layout.H)
                                       : QRect(page.left(), page.bottom() - layout.H, page.width(), layout.H);
    painter.drawText(row, Qt::AlignCenter, graph.Title);
}

QString TickLabel(double value, double major) {
    return FormatGeneral(std::abs(value) < major * 1e-9 ? 0 : value, 6, -4);
}

void DrawXTicks(QPainter& painter, const TPlotScene& scene, const TPanelMap& map, int spacing) {
    const auto steps = TickSteps(map.X, map.Area.width(), spacing);
    if (!steps) return;
    const TPlotLayout& layout = scene.Layout;
    const bool top = scene.Graph->XOnTop;
    const int edge = top ? map.Area.top() : map.Area.bottom();
    const int sign = top ? -1 : 1;
    for (double x : TickPositions(map.X, steps->Minor)) {
        const int column = map.Column(x);
        const bool major = IsMajorTick(x, steps->Major);
        painter.drawLine(column, edge, column, edge + sign * (major ? layout.Py / 8 : layout.Py / 16));
        if (!major) continue;
        const int labelTop = top ? edge - layout.Py / 8 - layout.H : edge + layout.Py / 8;
        painter.drawText(QRect(column - 3 * layout.H, labelTop, 6 * layout.H, layout.H), Qt::AlignCenter, TickLabel(x, steps->Major));
    }
}

void DrawYTicks(QPainter& painter, const TPlotScene& scene, const TPanelMap& map, int spacing) {
    const auto steps = TickSteps(map.Y, map.Area.height(), spacing);
    if (!steps) return;
    const TPlotLayout& layout = scene.Layout;
    const int edge = map.Area.left();
    for (double y : TickPositions(map.Y, steps->Minor)) {
        const int row = map.Row(y);
        const bool major = IsMajorTick(y, steps->Major);
        painter.drawLine(edge, row, edge - (major ? layout.Px / 8 : layout.Px / 16), row);
        if (!major) continue;
        const QRect column(edge - layout.Px / 8 - layout.H, row - 3 * layout.H, layout.H, 6 * layout.H);
        DrawRotatedText(painter, column, TickLabel(y, steps->Major));
    }
}

void DrawTicks(QPainter& painter, const TPlotScene& scene) {
    painter.setFont(AxisFont(*scene.Graph));
    painter.setPen(Qt::black);
    const int spacing = (scene.Layout.PanelCount == 3 ? 4 : 6) * scene.Layout.H;
    for (int i = 0; i < scene.Layout.PanelCount; ++i) {
        DrawXTicks(painter, scene, scene.Maps[static_cast<std::size_t>(i)], spacing);
        DrawYTicks(painter, scene, scene.Maps[static_cast<std::size_t>(i)], spacing);
    }
}

bool HasLine(const TGraphPlot& graph, int list) {
    for (int i = 0; i < graph.CurveCount(list); ++i) {
        if (graph.Curve(list, i).PointCount() > 1) return true;
    }
    return false;
}

void DrawCurve(QPainter& painter, const TPlotScene& scene, const TPanelMap& map, const TLine& curve, int position) {
    const TGraphPlot& graph = *scene.Graph;
    QPen pen(CurveColour(position));
    pen.setWidth((static_cast<int>(std::lround(scene.Layout.Px / 300.0)) + 1) * graph.WidthLine);
    painter.setPen(pen);
    QPolygon line;
    for (int j = 0; j < curve.PointCount(); ++j) {
        line << map.ToDevice(static_cast<double>(curve.Point(j).X), static_cast<double>(curve.Point(j).Y));
    }
    painter.drawPolyline(line);
    if (graph.Markers <= 0) return;
    for (int j = 0; j < line.size(); j += graph.Markers) DrawMarker(painter, line[j], position, scene.Layout.Px / 32);
}

void DrawCurves(QPainter& painter, const TPlotScene& scene) {
    const TGraphPlot& graph = *scene.Graph;
    for (int i = 0; i < scene.Layout.PanelCount; ++i) {
        const int list = PanelList(i);
        if (!HasLine(graph, list)) continue;
        const TPanelMap& map = scene.Maps[static_cast<std::size_t>(i)];
        painter.save();
        painter.setClipRect(map.Area);
        int position = 0;
        for (int c = 0; c < graph.CurveCount(list); ++c) {
            const TLine& curve = graph.Curve(list, c);
            if (!curve.Listed) continue;
            if (curve.Shown) DrawCurve(painter, scene, map, curve, position);
            ++position;
        }
        painter.restore();
    }
}

void DrawLegendBox(QPainter& painter, const TPlotScene& scene) {
    const TGraphPlot& graph = *scene.Graph;
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(graph.LegendFont);
    painter.setFont(font);
    const QFontMetrics metrics(font, painter.device());
    const int sample = scene.Layout.Px / 4;
    QStringList names;
    QList<int> positions;
    int position = 0;
    for (int c = 0; c < graph.CurveCount(kMainCurves); ++c) {
        const TLine& curve = graph.Curve(kMainCurves, c);
        if (!curve.Listed) continue;
        if (curve.Shown) {
            names << graph.DisplayName(kMainCurves, c);
            positions << position;
        }
        ++position;
    }
    int width = 0;
    for (const QString& name : names) width = std::max(width, metrics.horizontalAdvance(name));
    const QRect& page = scene.Layout.Page;
    const QPoint corner(page.left() + static_cast<int>(scene.LegendBoxAt->x() * page.width()),
                        page.top() + static_cast<int>(scene.LegendBoxAt->y() * page.height()));
    const QRect box(corner, QSize(width + 2 * sample, static_cast<int>(names.size()) * metrics.height() + 3));
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    painter.setBrush(Qt::NoBrush);
    for (int k = 0; k < names.size(); ++k) {
        const int row = box.top() + 1 + k * metrics.height();
        painter.setPen(CurveColour(positions[k]));
        DrawMarker(painter, QPoint(box.left() + sample / 2, row + metrics.height() / 2), positions[k], scene.Layout.Px / 32);
        painter.drawText(QRect(box.left() + sample, row, width + sample, metrics.height()), Qt::AlignVCenter | Qt::AlignLeft, names[k]);
    }
}

void DrawFrames(QPainter& painter, const TPlotLayout& layout) {
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < layout.PanelCount; ++i) painter.drawRect(layout.Panels[static_cast<std::size_t>(i)]);
}

}  // namespace

QFont AxisFont(const TGraphPlot& graph, bool bold) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(std::max(1, graph.SizeFont));
    font.setBold(bold);
    return font;
}

int AxisFontHeight(const TGraphPlot& graph, QPaintDevice* device) { return QFontMetrics(AxisFont(graph), device).height(); }

void DrawMarker(QPainter& painter, QPoint centre, int position, int radius) {
    const int a = position % kMarkerVertexLimit + 1;
    const double start = a == 1 ? 180 : a == 2 ? 45 : 0;
    const int vertices = a == 1 ? 3 : a == 2 ? 4 : a;
    QPolygon polygon;
    for (int v = 0; v < vertices; ++v) {
        const double angle = (start + 360.0 * v / vertices) * std::numbers::pi / 180;
        polygon << centre + QPoint(static_cast<int>(std::lround(radius * std::cos(angle))),
                                   static_cast<int>(std::lround(-radius * std::sin(angle))));
    }
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(polygon);
    painter.restore();
}

void DrawPlot(QPainter& painter, const TPlotScene& scene) {
    const TPlotLayout& layout = scene.Layout;
    painter.fillRect(layout.Page, Qt::white);
    if (layout.Page.width() < layout.Px || layout.Page.height() < layout.Py) return;
    DrawTitles(painter, scene);
    DrawTicks(painter, scene);
    DrawCurves(painter, scene);
    if (scene.LegendBoxAt) DrawLegendBox(painter, scene);
    if (scene.Graph->ShowLayers) DrawLayerColumn(painter, scene);
    DrawFrames(painter, layout);
}

}  // namespace korvex::app
