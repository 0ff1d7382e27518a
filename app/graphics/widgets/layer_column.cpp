#include "graphics/widgets/layer_column.h"

#include "graphics/graph_plot.h"
#include "graphics/widgets/plot_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace korvex::app {
namespace {

// Fill of a layer by its soil code: the clay, sand, silt and rock codes get
// stippled pictures in earth colours; the hatching codes their hatching.
QBrush LayerBrush(int code) {
    switch (code) {
        case 1: return QBrush(QColor(139, 90, 43), Qt::Dense5Pattern);
        case 2: return QBrush(Qt::black, Qt::BDiagPattern);
        case 3: return QBrush(Qt::black, Qt::CrossPattern);
        case 4: return QBrush(Qt::black, Qt::DiagCrossPattern);
        case 5: return QBrush(Qt::black, Qt::HorPattern);
        case 6: return QBrush(Qt::black, Qt::VerPattern);
        case 7: return QBrush(QColor(194, 160, 40), Qt::Dense6Pattern);
        case 8: return QBrush(QColor(110, 110, 90), Qt::Dense4Pattern);
        case 9: return QBrush(QColor(70, 70, 70), Qt::Dense3Pattern);
        case 10: return QBrush(QColor(120, 100, 80), Qt::Dense4Pattern);
        case 11: return QBrush(Qt::darkGray, Qt::Dense2Pattern);
        case 12: return QBrush(Qt::darkGray, Qt::Dense7Pattern);
        default: return QBrush(Qt::NoBrush);
    }
}

struct TStrip {
    int Left;
    int Right;
    int FromRow;  // layers are cut off above this row
};

void DrawLayers(QPainter& painter, const TPlotScene& scene, const TStrip& strip, bool named) {
    const TGraphPlot& graph = *scene.Graph;
    const TPanelMap& map = scene.Maps[0];
    const QRect& column = scene.Layout.LayerColumn;
    int top = column.top();
    const int layers = std::min(graph.WallLineCount, graph.CurveCount(kOverlayLines));
    for (int i = 0; i < layers; ++i) {
        const TLine& layer = graph.Curve(kOverlayLines, i);
        if (layer.PointCount() < 1) continue;
        const int bottom = std::clamp(map.Row(static_cast<double>(layer.Point(0).Y)), column.top(), column.bottom());
        const QRect band(QPoint(strip.Left, std::max(top, strip.FromRow)), QPoint(strip.Right, bottom));
        if (band.height() > 1) {
            painter.setPen(Qt::black);
            painter.setBrush(LayerBrush(static_cast<int>(layer.Point(0).X)));
            painter.drawRect(band);
            if (named) {
                const QString name = graph.DisplayName(kOverlayLines, i);
                QRect label = painter.fontMetrics().boundingRect(name).adjusted(-2, 0, 2, 0);
                label.moveCenter(band.center());
                painter.fillRect(label, Qt::white);
                painter.drawText(label, Qt::AlignCenter, name);
            }
        }
        top = bottom;
    }
}

int WallRow(const TPlotScene& scene, int wallLine) {
    const TGraphPlot& graph = *scene.Graph;
    const int index = graph.WallLineCount + wallLine;
    if (index >= graph.CurveCount(kOverlayLines) || graph.Curve(kOverlayLines, index).PointCount() < 1) {
        return scene.Layout.LayerColumn.top();
    }
    return scene.Maps[0].Row(static_cast<double>(graph.Curve(kOverlayLines, index).Point(0).Y));
}

}  // namespace

void DrawLayerColumn(QPainter& painter, const TPlotScene& scene) {
    const QRect& column = scene.Layout.LayerColumn;
    painter.save();
    painter.setClipRect(column.adjusted(0, 0, 1, 1));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(10);
    painter.setFont(font);
    if (!scene.Graph->ShowWall) {
        DrawLayers(painter, scene, {column.left(), column.right(), column.top()}, true);
        painter.restore();
        return;
    }
    const int fifth = column.width() / 5;
    DrawLayers(painter, scene, {column.left(), column.left() + 2 * fifth, column.top()}, true);
    DrawLayers(painter, scene, {column.right() - 2 * fifth, column.right(), WallRow(scene, 1)}, false);
    const QRect wall(QPoint(column.left() + 2 * fifth, column.top()), QPoint(column.right() - 2 * fifth, WallRow(scene, 0)));
    painter.fillRect(wall, QColor(128, 128, 128));
    painter.restore();
}

}  // namespace korvex::app
