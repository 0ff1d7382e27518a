// Where a graph is drawn on a page: the axes area of one panel or of three
// panels side by side, and the soil-layer column, from the axis font height
// and the device's resolution.
#pragma once

#include <QRect>
#include <array>

namespace korvex::app {

class TGraphPlot;

struct TPlotLayout {
    QRect Page;
    QRect Plot;
    std::array<QRect, 3> Panels;
    int PanelCount = 1;
    QRect LayerColumn;
    int H = 0;   // axis font height
    int Px = 96; // pixels per inch across
    int Py = 96; // pixels per inch down
};

TPlotLayout LayOutPlot(const TGraphPlot& graph, const QRect& page, int fontHeight, int px, int py);

}  // namespace korvex::app
