// The soil-layer column beside a depth graph: the layers of the overlay
// list, each filled by its soil code and named, and with the wall shown a
// grey band down the middle with the layers in front of it from the top and
// behind it only below the excavation level.
#pragma once

class QPainter;

namespace korvex::app {

struct TPlotScene;

void DrawLayerColumn(QPainter& painter, const TPlotScene& scene);

}  // namespace korvex::app
