#include "views/scene_builder.h"

#include "graphics/graph_set.h"
#include "project/program_data.h"
#include "views/scene_parts.h"

namespace korvex::app {

std::vector<float> TSceneContext::PanelCentres() const {
    std::vector<float> centres;
    for (int k = 0; k < 10; ++k)
        for (float side : {-1.0f, 1.0f}) centres.push_back(side * static_cast<float>(dims.panelWidth * (k + 0.5)));
    return centres;
}

std::vector<float> TSceneContext::PanelBoundaries() const {
    std::vector<float> boundaries{0};
    for (int k = 0; k < 10; ++k)
        for (float side : {-1.0f, 1.0f}) boundaries.push_back(side * static_cast<float>(dims.panelWidth * (k + 1)));
    return boundaries;
}

void TSceneContext::Add(std::vector<TSolid> solids) const {
    for (TSolid& solid : solids) scene.solids.push_back(std::move(solid));
}

std::vector<double> LoadedDeflections(const TGraphSet& graphs, const TProgramData& project,
                                      const TSceneDimensions& dims) {
    const TGraphPlot& deflection = graphs.pltDef;
    if (deflection.CurveCount(kMainCurves) == 0 || deflection.PointCount(kMainCurves) == 0) return {};
    const TLine& curve = deflection.Curve(kMainCurves, 0);
    std::vector<double> values;
    for (int n = 0; n <= project.Increments; ++n) {
        const int j = std::min(n, curve.PointCount() - 1);
        values.push_back(static_cast<double>(curve.Point(j).X) * dims.projectLength);
    }
    return values;
}

TScene BuildScene(const TProgramData& project, const TSceneDimensions& dims, const TSceneSwitches& switches,
                  const TDeformedShape& deformed, const std::vector<double>& deflections) {
    TScene scene;
    const TSceneContext c{project, dims, deformed, deflections, scene};
    const bool generated = project.GeneratePY != 0;
    if (switches.Shows(TSceneGroup::Wall)) AddWall(c);
    if (switches.Shows(TSceneGroup::SoilLayers) && generated) AddSoilLayers(c);
    if (switches.Shows(TSceneGroup::WaterLevel) && generated) AddWaterTables(c);
    if (switches.Shows(TSceneGroup::UniformLoad) && project.UniformLoad > 0) AddUniformLoad(c);
    if (switches.Shows(TSceneGroup::Surcharge)) AddSurcharges(c);
    if (switches.Shows(TSceneGroup::ConcentratedLoads) && project.UseLoads) AddConcentratedLoads(c);
    if (switches.Shows(TSceneGroup::BoundaryConditions) && project.UseRestraints) AddRestraints(c);
    if (switches.Shows(TSceneGroup::LateralSprings) && project.UseSprings) AddSprings(c);
    if (switches.Shows(TSceneGroup::TieBacks) && project.UseTiebacks) AddTiebacks(c);
    return scene;
}

}  // namespace korvex::app
