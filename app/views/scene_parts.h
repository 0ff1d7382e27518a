// The builders of the scene's groups of objects. Each appends its solids
// and lines to the scene; the caller decides by the switches and the
// project's options which of them run.
#pragma once

#include "views/scene_dimensions.h"
#include "views/scene_types.h"
#include "views/view_state.h"

#include <vector>

namespace korvex::app {

class TProgramData;

struct TSceneContext {
    const TProgramData& project;
    const TSceneDimensions& dims;
    const TDeformedShape& deformed;
    // Deflection of each node 0 to Increments in scene units, unscaled.
    const std::vector<double>& deflections;
    TScene& scene;

    // Centres of the 20 panels, y = ±Bw (k + 0.5).
    std::vector<float> PanelCentres() const;
    // y = 0 and the panel boundaries ±Bw (k + 1).
    std::vector<float> PanelBoundaries() const;
    float NodeZ(int node) const { return static_cast<float>(-node * dims.increment); }
    void Add(std::vector<TSolid> solids) const;
};

void AddWall(const TSceneContext& c);
void AddSoilLayers(const TSceneContext& c);
void AddWaterTables(const TSceneContext& c);
void AddUniformLoad(const TSceneContext& c);
void AddSurcharges(const TSceneContext& c);
void AddConcentratedLoads(const TSceneContext& c);
void AddRestraints(const TSceneContext& c);
void AddSprings(const TSceneContext& c);
void AddTiebacks(const TSceneContext& c);

}  // namespace korvex::app
