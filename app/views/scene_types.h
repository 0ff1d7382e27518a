// The 3-D scene as plain geometry: closed solids made of outward-facing
// polygons with a fill and an edge colour, and loose lines, each tagged with
// the group of objects it belongs to. The scene axes: x across the wall
// (negative on the backfill side), y along the wall, z up with z = 0 at the
// wall top.
#pragma once

#include <QVector3D>
#include <vector>

namespace korvex::app {

struct TRgba {
    float r = 0, g = 0, b = 0, a = 1;

    TRgba WithAlpha(float alpha) const { return {r, g, b, alpha}; }
    bool operator==(const TRgba&) const = default;
};

// The groups of objects the user switches on and off.
enum class TSceneGroup {
    Wall,
    SoilLayers,
    WaterLevel,
    UniformLoad,
    Surcharge,
    ConcentratedLoads,
    TieBacks,
    BoundaryConditions,
    LateralSprings,
};
constexpr int kSceneGroupCount = 9;

using TFace = std::vector<QVector3D>;

struct TSolid {
    TSceneGroup group = TSceneGroup::Wall;
    std::vector<TFace> faces;  // counter-clockwise seen from outside
    TRgba fill;
    TRgba edge;
    bool outlined = true;  // face edges drawn in the edge colour
};

struct TSceneLine {
    TSceneGroup group = TSceneGroup::Wall;
    QVector3D from, to;
    TRgba colour;
};

struct TScene {
    std::vector<TSolid> solids;
    std::vector<TSceneLine> lines;

    // Solids and lines of one group.
    std::vector<const TSolid*> SolidsOf(TSceneGroup group) const;
    int LineCount(TSceneGroup group) const;
    // The groups drawn in the list of the ground: soil layers and water.
    static bool IsGround(TSceneGroup group) {
        return group == TSceneGroup::SoilLayers || group == TSceneGroup::WaterLevel;
    }
};

}  // namespace korvex::app
