#include "graphics/widgets/plot_layout.h"

#include "graphics/graph_plot.h"

namespace korvex::app {
namespace {

// The plot's edges before the title and the layer column take their room.
QRect AxesArea(const TGraphPlot& graph, const QRect& page, int h, int px, int py) {
    const int left = page.left() + 2 * h + px / 8 + h / 8;
    const int right = page.right() - px / 4 - h / 2;
    if (graph.XOnTop) return QRect(QPoint(left, page.top() + 2 * h + py / 8 + h / 8), QPoint(right, page.bottom() - py / 4 - h / 2));
    return QRect(QPoint(left, page.top() + h / 2 + py / 4), QPoint(right, page.bottom() - 2 * h - py / 8 - h / 8));
}

}  // namespace

TPlotLayout LayOutPlot(const TGraphPlot& graph, const QRect& page, int fontHeight, int px, int py) {
    TPlotLayout layout;
    layout.Page = page;
    layout.H = fontHeight;
    layout.Px = px;
    layout.Py = py;
    const int h = fontHeight;
    QRect plot = AxesArea(graph, page, h, px, py);
    if (!graph.Title.isEmpty()) {
        if (graph.TitleOnTop) plot.setTop(plot.top() + h / 8 + h);
        else plot.setBottom(plot.bottom() - h);
    }
    if (graph.ShowLayers) {
        const int oldRight = plot.right();
        plot.setRight(oldRight - px);
        layout.LayerColumn = QRect(QPoint(plot.right() + px / 5, plot.top()), QPoint(oldRight, plot.bottom()));
    }
    layout.Plot = plot;
    layout.Panels.fill(plot);
    if (graph.ShowThree) {
        layout.PanelCount = 3;
        const int gap = 2 * h + px / 4;
        const int width = (plot.right() - plot.left() - 4 * h - px / 2) / 3;
        for (int i = 0; i < 3; ++i) {
            layout.Panels[static_cast<std::size_t>(i)] = QRect(plot.left() + i * (width + gap), plot.top(), width, plot.height());
        }
    }
    return layout;
}

}  // namespace korvex::app
