// Building the 3-D scene of a project: the groups of objects that are
// switched on and in use, with the wall straight or deflected. Pure
// geometry; the view's surface renders it.
#pragma once

#include "views/scene_dimensions.h"
#include "views/scene_types.h"
#include "views/view_state.h"

#include <vector>

namespace korvex::app {

class TGraphSet;
class TProgramData;

// The deflections of the loaded results for nodes 0 to Increments (first
// curve of the deflection graph) in scene units. Nodes beyond the loaded
// values keep the last value; without results every node has none.
std::vector<double> LoadedDeflections(const TGraphSet& graphs, const TProgramData& project,
                                      const TSceneDimensions& dims);

TScene BuildScene(const TProgramData& project, const TSceneDimensions& dims, const TSceneSwitches& switches,
                  const TDeformedShape& deformed, const std::vector<double>& deflections);

}  // namespace korvex::app
