#include "views/scene_dimensions.h"

#include "framework/unit_tokens.h"
#include "project/program_data.h"

#include <algorithm>

namespace korvex::app {

namespace {

constexpr int kSurchargeType = 0, kSurchargeDistance = 2, kSurchargeWidth = 3;
constexpr int kStripLoad = 3;
constexpr int kLayerBottom = 1;

double SurchargeReach(const TProgramData& project, double scale) {
    if (!project.UseSurcharge) return 0;
    TGridTable& table = project.Tables().SurchargeTable();
    double reach = 0;
    for (int i = 0; i < table.RowCount(); ++i) {
        double x = static_cast<double>(table.Cell(kSurchargeDistance, i).AsFloat());
        if (table.Cell(kSurchargeType, i).AsInteger() == kStripLoad)
            x += static_cast<double>(table.Cell(kSurchargeWidth, i).AsFloat()) / 2;
        reach = std::max(reach, 0.9 * x * scale);
    }
    return reach;
}

double LastLayerBottom(const TProgramData& project) {
    TGridTable& soil = project.Tables().NewSoil();
    return soil.RowCount() > 0 ? static_cast<double>(soil.Cell(kLayerBottom, soil.RowCount() - 1).AsFloat()) : 0;
}

}  // namespace

TSceneDimensions ComputeSceneDimensions(const TProgramData& project) {
    TSceneDimensions s;
    const bool english = project.Units == kEnglish;
    const bool si = project.Units == kSI;
    s.projectLength = english ? 1.0 / 12 : 1;
    s.smallLength = english ? 1.0 / 12 : si ? 1e-3 : 1;
    s.smallArea = s.smallLength * s.smallLength;
    s.increment = static_cast<double>(project.IncrementLength) * s.projectLength;
    s.wallLength = project.Increments * s.increment;
    const double active = static_cast<double>(project.WidthActive) * s.projectLength;
    const double pile = static_cast<double>(project.WidthPY) * s.projectLength;
    s.panelWidth = active != 0 ? active : 0.1 * s.wallLength;
    s.pileWidth = pile != 0 ? pile : 0.1 * s.wallLength;
    s.thickness = project.WidthPY != project.WidthActive ? 0.25 * s.pileWidth : 0.1 * s.panelWidth;
    s.surchargeReach = SurchargeReach(project, s.smallLength);
    s.halfLength = 5 * s.panelWidth;
    s.halfWidth = std::max(12.5 * s.panelWidth, s.surchargeReach);
    s.depth = std::max(s.wallLength, LastLayerBottom(project));
    s.extent = std::max({2 * s.depth, s.halfWidth, s.halfLength});
    return s;
}

}  // namespace korvex::app
