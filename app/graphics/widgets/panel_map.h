// One panel of a graph window: its axes rectangle, its current ranges and
// the mapping between graph values and device pixels. Depth graphs (X on
// top) grow downwards; the others upwards. Also which curve list and axis
// titles each panel shows.
#pragma once

#include "graphics/widgets/axis_scale.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>

namespace korvex::app {

class TGraphPlot;

struct TPanelMap {
    QRect Area;
    TAxisRange X, Y;
    bool YDown = true;

    int Column(double x) const;
    int Row(double y) const;
    QPoint ToDevice(double x, double y) const { return {Column(x), Row(y)}; }
    // The values under a device point (the inverse mapping).
    QPointF ToValue(QPointF device) const;
};

// The curve list shown in panel 0, 1 or 2: the main curves, then the
// second and third panel lists.
int PanelList(int panel);
// X and Y axis titles of a panel with their unit labels.
QString PanelXTitle(const TGraphPlot& graph, int panel);
QString PanelYTitle(const TGraphPlot& graph, int panel);
// The extent of every point of a panel's curves, 0 always included.
TAxisRange PanelExtentX(const TGraphPlot& graph, int panel);
TAxisRange PanelExtentY(const TGraphPlot& graph, int panel);

}  // namespace korvex::app
