// The supports: prescribed deflections and slopes, lateral springs, and
// tiebacks with their anchor blocks.
#include "framework/unit_tokens.h"
#include "project/program_data.h"
#include "views/node_ranges.h"
#include "views/scene_parts.h"
#include "views/scene_shapes.h"
#include "views/view_window.h"

#include <cmath>
#include <numbers>

namespace korvex::app {

namespace {

const TRgba kRed{1, 0, 0, 1};
const TRgba kGreen{0, 1, 0, 1};
const TRgba kOrange{1, 0.5f, 0, 1};
const TRgba kSpringFill{0.5f, 0.5f, 0.5f, 1};
const TRgba kAnchorFill{0.5f, 0.75f, 0.75f, 1};

enum TRestraintColumn { kCase = 0, kNode = 1, kDeflection = 2, kSlope = 3 };
enum TRestraintCase { kSpecifyDeflection = 1, kSpecifySlope = 2 };
enum TSpringColumn { kChoice = 0, kStart = 1, kEnd = 2 };
enum TTiebackColumn { kDepth = 0, kArea = 1, kUnbonded = 3, kAngle = 4, kSpacing = 5 };

// Anchor k stands at y = ±spacing (k + 0.5); as many on each side as fit in
// ten active widths. Without a spacing there are no anchors to place.
std::vector<float> AnchorPositions(const TSceneContext& c, double spacing) {
    const double active = static_cast<double>(c.project.WidthActive) * c.dims.projectLength;
    if (spacing <= 0 || active == 0) return {};
    std::vector<float> ys;
    const int n = Nint(10 * active / spacing);
    for (int k = 0; k < n; ++k)
        for (float side : {-1.0f, 1.0f}) ys.push_back(side * static_cast<float>(spacing * (k + 0.5)));
    return ys;
}

}  // namespace

void AddRestraints(const TSceneContext& c) {
    TGridTable& table = c.project.Tables().Soillayer();
    const float bw = static_cast<float>(c.dims.panelWidth);
    for (int i = 0; i < table.RowCount(); ++i) {
        const int kind = table.Cell(kCase, i).AsInteger();
        const float z = c.NodeZ(table.Cell(kNode, i).AsInteger());
        for (float y : c.PanelCentres()) {
            if (kind == kSpecifyDeflection)
                c.Add(DisplacementArrow({0, y, z}, {1, 0, 0}, 2 * bw / 3,
                                        static_cast<double>(table.Cell(kDeflection, i).AsFloat()),
                                        TSceneGroup::BoundaryConditions, kRed));
            else if (kind == kSpecifySlope)
                c.Add(MomentSymbol({0, y, z}, {0, 1, 0}, 2 * bw, static_cast<double>(table.Cell(kSlope, i).AsFloat()),
                                   TSceneGroup::BoundaryConditions, kGreen));
        }
    }
}

void AddSprings(const TSceneContext& c) {
    TGridTable& table = c.project.Tables().SoilStrength();
    const float half = static_cast<float>(c.dims.thickness) / 2, d = static_cast<float>(c.dims.halfWidth);
    const float quarter = static_cast<float>(c.dims.increment) / 4;
    for (const TNodeRange& range : NodeRanges(table, kChoice, kStart, kEnd))
        for (int node = range.first; node <= range.last; ++node)
            for (float y : c.PanelCentres()) {
                const float z = c.NodeZ(node);
                c.scene.solids.push_back(Box({-d / 2, y - half, z - quarter}, {0, y + half, z + quarter},
                                             TSceneGroup::LateralSprings, kSpringFill, kOrange));
            }
}

void AddTiebacks(const TSceneContext& c) {
    TGridTable& table = c.project.Tables().TiebackTable1();
    for (int i = 0; i < table.RowCount(); ++i) {
        const float depth = static_cast<float>(table.Cell(kDepth, i).AsFloat());
        const float side =
            static_cast<float>(std::sqrt(std::max(0.0L, table.Cell(kArea, i).AsFloat()) * c.dims.smallArea));
        const float length = static_cast<float>(table.Cell(kUnbonded, i).AsFloat());
        const double angle = static_cast<double>(table.Cell(kAngle, i).AsFloat()) * std::numbers::pi / 180;
        // Into the backfill and downwards by the angle from the horizontal.
        const QVector3D direction(static_cast<float>(-std::cos(angle)), 0, static_cast<float>(-std::sin(angle)));
        for (float y : AnchorPositions(c, static_cast<double>(table.Cell(kSpacing, i).AsFloat()))) {
            const QVector3D start(0, y, -depth);
            c.scene.solids.push_back(Rod(start, direction, length, side, TSceneGroup::TieBacks, kAnchorFill, kOrange));
            c.scene.solids.push_back(Rod(start + length * direction, direction, length / 8, 4 * side,
                                         TSceneGroup::TieBacks, kAnchorFill, kOrange));
        }
    }
}

}  // namespace korvex::app
