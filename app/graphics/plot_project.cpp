#include "graphics/plot_project.h"

#include "project/program_data.h"

namespace korvex::app {

namespace {

constexpr int kSoilTypeColumn = 0;
constexpr int kLayerBottomColumn = 1;

}  // namespace

TPlotProject PlotProjectOf(TProgramData& project) {
    TPlotProject facts;
    facts.Units = project.Units;
    facts.LongTerm = project.LongTerm;
    facts.Increments = project.Increments;
    facts.IncrementLength = project.IncrementLength;
    facts.FreeHeight = project.FreeHeight;
    const TGridTable& layers = project.Tables().NewSoil();
    for (int row = 0; row < layers.RowCount(); ++row)
        facts.Layers.push_back({layers.Cell(kSoilTypeColumn, row).AsInteger(), layers.Cell(kLayerBottomColumn, row).AsFloat()});
    return facts;
}

}  // namespace korvex::app
