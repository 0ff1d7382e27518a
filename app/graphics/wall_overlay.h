// The soil-layer and wall overlay of the deflection-moment-shear graph: one
// line per soil layer (its name, its fill code as X and its bottom depth as
// Y), then two wall lines "PILE" at the wall's length and its free height.
#pragma once

namespace korvex::app {

class TGraphPlot;
struct TPlotProject;

void BuildWallOverlay(TGraphPlot& graph, const TPlotProject& project);

}  // namespace korvex::app
