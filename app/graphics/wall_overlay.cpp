#include "graphics/wall_overlay.h"

#include "framework/unit_tokens.h"
#include "graphics/graph_plot.h"
#include "graphics/plot_project.h"

namespace korvex::app {

namespace {

struct TLayerLook {
    QString name;
    int fillCode;
};

// Layer name and fill code by soil type; an unknown type is named by its
// position in the layer table and has no fill.
TLayerLook LayerLook(int soilType, int number) {
    switch (soilType) {
    case 1:
    case 2:
    case 3: return {QStringLiteral(" CLAY "), 1};
    case 4: return {QStringLiteral(" SAND "), 7};
    case 5: return {QStringLiteral(" SILT "), 8};
    case 6: return {QStringLiteral("STRONG ROCK"), 9};
    case 7: return {QStringLiteral("WEAK ROCK"), 10};
    default: return {QStringLiteral("LAYER %1").arg(number), 0};
    }
}

void SetLine(TLine& line, const QString& name, long double x, long double y) {
    line.Name = name;
    line.Point(0) = {x, y};
}

}  // namespace

void BuildWallOverlay(TGraphPlot& graph, const TPlotProject& project) {
    if (graph.PointCount(kMainCurves) == 0) return;
    const int layers = static_cast<int>(project.Layers.size());
    graph.SetCurveCount(kOverlayLines, 0);
    graph.SetCurveCount(kOverlayLines, layers + 2);
    graph.SetPointCount(kOverlayLines, 1);
    for (int i = 0; i < layers; ++i) {
        const TLayerLook look = LayerLook(project.Layers[i].SoilType, i + 1);
        SetLine(graph.Curve(kOverlayLines, i), look.name, look.fillCode, project.Layers[i].Bottom);
    }
    graph.WallLineCount = layers;
    // Layer bottoms are held in ft in English projects, as the graph's depth
    // axis is; the wall's length and free height are held in inches and are
    // brought to ft so that the wall and the layers share the depth scale.
    const long double scale = project.Units == kEnglish ? 12 : 1;
    const long double length = project.Increments * project.IncrementLength / scale;
    SetLine(graph.Curve(kOverlayLines, layers), QStringLiteral("PILE"), 0, length);
    SetLine(graph.Curve(kOverlayLines, layers + 1), QStringLiteral("PILE"), 0, project.FreeHeight / scale);
}

}  // namespace korvex::app
