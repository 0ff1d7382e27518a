// The loads: the uniform load on the backfill, the additional surcharges
// and the concentrated loads, moments and axial loads on the wall.
#include "project/program_data.h"
#include "views/node_ranges.h"
#include "views/scene_parts.h"
#include "views/scene_shapes.h"

namespace korvex::app {

namespace {

const TRgba kBlue{0, 0, 1, 1};
const TRgba kGreen{0, 1, 0, 1};
const TRgba kRed{1, 0, 0, 1};
const QVector3D kAcross(1, 0, 0), kAlong(0, 1, 0), kUp(0, 0, 1);
constexpr float kSlabAlpha = 0.25f;

enum TSurchargeColumn { kType = 0, kMagnitude = 1, kDistance = 2, kWidth = 3 };
enum TSurchargeType { kPointLoad = 1, kLineLoad = 2, kStripLoad = 3 };
enum TLoadColumn { kChoice = 0, kStart = 1, kEnd = 2, kLateral = 3, kMoment = 4, kAxial = 5 };

// A translucent slab over each panel from x0 to x1, of the given height on the surface.
void AddPanelSlabs(const TSceneContext& c, TSceneGroup group, float x0, float x1, float height, TRgba colour) {
    const float half = static_cast<float>(c.dims.panelWidth) / 2;
    for (float y : c.PanelCentres())
        c.scene.solids.push_back(Box({x0, y - half, 0}, {x1, y + half, height}, group, colour.WithAlpha(kSlabAlpha),
                                     colour));
}

// Vertical arrows at the given x positions on y = 0 and every panel boundary.
void AddArrowRows(const TSceneContext& c, TSceneGroup group, const std::vector<float>& xs, float size, double value,
                  TRgba colour) {
    for (float y : c.PanelBoundaries())
        for (float x : xs) c.Add(ForceArrow({x, y, 0}, kUp, size, value, group, colour));
}

void AddPointLoad(const TSceneContext& c, float x, double q) {
    c.Add(ForceArrow({-x, 0, 0}, kUp, static_cast<float>(4.0 / 3 * c.dims.panelWidth), -q, TSceneGroup::Surcharge,
                     kRed));
}

void AddLineLoad(const TSceneContext& c, float x, double q) {
    const float bw = static_cast<float>(c.dims.panelWidth), reach = 10 * bw;
    AddArrowRows(c, TSceneGroup::Surcharge, {-x}, bw, -q, kGreen);
    for (float z : {0.0f, bw})
        c.scene.lines.push_back({TSceneGroup::Surcharge, {-x, -reach, z}, {-x, reach, z}, kGreen});
}

void AddStripLoad(const TSceneContext& c, float x, float w, double q) {
    const float size = static_cast<float>(2.0 / 3 * c.dims.panelWidth);
    AddArrowRows(c, TSceneGroup::Surcharge, {-x - w / 2, -x, -x + w / 2}, size, -q, kBlue);
    AddPanelSlabs(c, TSceneGroup::Surcharge, -x - w / 2, -x + w / 2, size, kBlue);
}

}  // namespace

void AddUniformLoad(const TSceneContext& c) {
    const float d = static_cast<float>(c.dims.halfWidth), e = static_cast<float>(c.dims.thickness);
    const float size = static_cast<float>(2.0 / 3 * c.dims.panelWidth);
    AddArrowRows(c, TSceneGroup::UniformLoad, {-2 * d, -d - e / 4, -e / 2}, size,
                 -static_cast<double>(c.project.UniformLoad), kGreen);
    AddPanelSlabs(c, TSceneGroup::UniformLoad, -2 * d, -e / 2, size, kGreen);
}

void AddSurcharges(const TSceneContext& c) {
    TGridTable& table = c.project.Tables().SurchargeTable();
    for (int i = 0; i < table.RowCount(); ++i) {
        const double q = static_cast<double>(table.Cell(kMagnitude, i).AsFloat());
        const float x = static_cast<float>(table.Cell(kDistance, i).AsFloat() * c.dims.smallLength);
        const float w = static_cast<float>(table.Cell(kWidth, i).AsFloat() * c.dims.smallLength);
        switch (table.Cell(kType, i).AsInteger()) {
        case kPointLoad: AddPointLoad(c, x, q); break;
        case kLineLoad: AddLineLoad(c, x, q); break;
        case kStripLoad: AddStripLoad(c, x, w, q); break;
        default: break;
        }
    }
}

void AddConcentratedLoads(const TSceneContext& c) {
    TGridTable& table = c.project.Tables().BoundCond();
    const float bw = static_cast<float>(c.dims.panelWidth);
    const TSceneGroup group = TSceneGroup::ConcentratedLoads;
    for (const TNodeRange& range : NodeRanges(table, kChoice, kStart, kEnd)) {
        const double lateral = static_cast<double>(table.Cell(kLateral, range.row).AsFloat());
        const double moment = static_cast<double>(table.Cell(kMoment, range.row).AsFloat());
        const double axial = static_cast<double>(table.Cell(kAxial, range.row).AsFloat());
        for (int node = range.first; node <= range.last; ++node)
            for (float y : c.PanelCentres()) {
                const QVector3D at(0, y, c.NodeZ(node));
                c.Add(ForceArrow(at, kAcross, 4 * bw / 3, lateral, group, kRed));
                c.Add(MomentSymbol(at, kAlong, 4 * bw, moment, group, kGreen));
                c.Add(ForceArrow(at, kUp, 4 * bw / 3, -axial, group, kBlue));
            }
    }
}

}  // namespace korvex::app
