// The one drawing routine of a graph window: it draws a graph on any
// painter (window, printer page or bitmap) into the page of a layout, with
// axes, titles, ticks, curves with markers, the legend box when printing or
// saving, the soil-layer column and the frames of the panels.
#pragma once

#include "graphics/widgets/panel_map.h"
#include "graphics/widgets/plot_layout.h"

#include <QFont>
#include <QPointF>
#include <array>
#include <optional>

class QPainter;
class QPaintDevice;

namespace korvex::app {

class TGraphPlot;

struct TPlotScene {
    const TGraphPlot* Graph = nullptr;
    TPlotLayout Layout;
    std::array<TPanelMap, 3> Maps;
    // Top-left corner of the legend box as a fraction of the page size;
    // the box is drawn only when set (printing and saving).
    std::optional<QPointF> LegendBoxAt;
    bool Printing = false;
};

// "Times New Roman" at the graph's axis font size, optionally bold.
QFont AxisFont(const TGraphPlot& graph, bool bold = false);
// The axis font height on a device.
int AxisFontHeight(const TGraphPlot& graph, QPaintDevice* device);

void DrawPlot(QPainter& painter, const TPlotScene& scene);

// Draws the marker of the curve at `position` among the listed curves.
void DrawMarker(QPainter& painter, QPoint centre, int position, int radius);

}  // namespace korvex::app
