// The wall: 20 panels, each a pile part between two lagging parts, straight
// or deflected by the loaded deflections times the deformation factor.
#include "project/program_data.h"
#include "views/scene_parts.h"
#include "views/scene_shapes.h"

#include <QVector2D>

namespace korvex::app {

namespace {

const TRgba kPileFill{0.25f, 0.25f, 0.25f, 1};
const TRgba kLaggingFill{0.75f, 0.75f, 0.75f, 1};
const TRgba kWallEdge{0.9f, 0.9f, 0, 1};
const TRgba kUndeformedEdge{0.75f, 0.75f, 0, 1};

struct TWallPart {
    float y0, y1;
    TRgba fill;
};

std::vector<TWallPart> PanelParts(const TSceneContext& c, float centre) {
    const float bw = static_cast<float>(c.dims.panelWidth) / 2, bp = static_cast<float>(c.dims.pileWidth) / 2;
    return {{centre - bw, centre - bp, kLaggingFill}, {centre - bp, centre + bp, kPileFill},
            {centre + bp, centre + bw, kLaggingFill}};
}

// The two sides of the deflected wall (x, z) at every node: at a joint the
// corners lie on the bisector of the two slabs, a quarter of the thickness
// along each slab's normal; the top and the tip are cut square.
struct TWallSection {
    QVector2D minus, plus;
};

std::vector<TWallSection> DeflectedSections(const TSceneContext& c) {
    const int n = c.project.Increments;
    std::vector<QVector2D> nodes;
    for (int i = 0; i <= n; ++i) {
        const double u = i < static_cast<int>(c.deflections.size()) ? c.deflections[i] * c.deformed.factor : 0;
        nodes.emplace_back(static_cast<float>(u), c.NodeZ(i));
    }
    std::vector<QVector2D> normals;  // of slab i (nodes i-1 to i), pointing to +x
    for (int i = 1; i <= n; ++i) {
        const QVector2D t = (nodes[i] - nodes[i - 1]).normalized();
        normals.emplace_back(-t.y(), t.x());
    }
    const float e = static_cast<float>(c.dims.thickness);
    std::vector<TWallSection> sections;
    for (int i = 0; i <= n; ++i) {
        const QVector2D above = normals[std::max(i - 1, 0)], below = normals[std::min(i, n - 1)];
        const QVector2D offset = e / 4 * (above + below);
        sections.push_back({nodes[i] - offset, nodes[i] + offset});
    }
    return sections;
}

void AddDeflectedPart(const TSceneContext& c, const std::vector<TWallSection>& sections, const TWallPart& part) {
    for (size_t i = 1; i < sections.size(); ++i) {
        const TWallSection& low = sections[i];
        const TWallSection& high = sections[i - 1];
        THexCorners corners;
        for (int k = 0; k < 8; ++k) {
            const TWallSection& s = (k & 4) ? high : low;
            const QVector2D p = (k & 1) ? s.plus : s.minus;
            corners[k] = {p.x(), (k & 2) ? part.y1 : part.y0, p.y()};
        }
        c.scene.solids.push_back(Hexahedron(corners, TSceneGroup::Wall, part.fill, kWallEdge));
    }
}

void AddStraightPart(const TSceneContext& c, const TWallPart& part) {
    const float h = static_cast<float>(c.dims.thickness) / 2;
    c.scene.solids.push_back(Box({-h, part.y0, static_cast<float>(-c.dims.wallLength)}, {h, part.y1, 0},
                                 TSceneGroup::Wall, part.fill, kWallEdge));
}

// The twelve edges of the straight pile part, beside the deflected wall.
void AddUndeformedOutline(const TSceneContext& c, const TWallPart& pile) {
    const float h = static_cast<float>(c.dims.thickness) / 2;
    const TSolid box = Box({-h, pile.y0, static_cast<float>(-c.dims.wallLength)}, {h, pile.y1, 0},
                           TSceneGroup::Wall, {}, {});
    for (const TFace& face : box.faces)
        for (size_t k = 0; k < face.size(); ++k)
            c.scene.lines.push_back({TSceneGroup::Wall, face[k], face[(k + 1) % face.size()], kUndeformedEdge});
}

}  // namespace

void AddWall(const TSceneContext& c) {
    const bool deflected = c.deformed.showDeformed && c.project.Increments > 0;
    const std::vector<TWallSection> sections = deflected ? DeflectedSections(c) : std::vector<TWallSection>{};
    for (float centre : c.PanelCentres())
        for (const TWallPart& part : PanelParts(c, centre)) {
            if (deflected)
                AddDeflectedPart(c, sections, part);
            else
                AddStraightPart(c, part);
        }
    if (!(deflected && c.deformed.showUndeformed)) return;
    for (float centre : c.PanelCentres()) AddUndeformedOutline(c, PanelParts(c, centre)[1]);
}

}  // namespace korvex::app
