// The ground: soil layers as translucent blocks on both sides of the wall
// and the water tables as planes with small inverted pyramids on them.
#include "framework/unit_tokens.h"
#include "project/program_data.h"
#include "views/scene_parts.h"
#include "views/scene_shapes.h"

#include <algorithm>
#include <cmath>

namespace korvex::app {

namespace {

constexpr int kLayerBottom = 1;
constexpr float kFillAlpha = 0.5f;
constexpr float kSlopeRadiansPerDegree = 3.1416f / 180;

const TRgba kPalette[10] = {{0.8f, 0.55f, 0, 1},   {0.55f, 0.4f, 0.2f, 1},  {0.4f, 0.4f, 0.2f, 1},
                            {0.4f, 0.4f, 0.55f, 1}, {0, 0.5f, 0.5f, 1},      {0.2f, 0.2f, 0.55f, 1},
                            {0.8f, 0, 0.8f, 1},     {0.4f, 0.4f, 0.55f, 1},  {0.15f, 0.15f, 0.45f, 1},
                            {0.65f, 0.4f, 0.2f, 1}};
const TRgba kBlue{0, 0, 1, 1};

struct TBlock {
    float x0, x1, zLow, zHigh;
};

void AddBlock(const TSceneContext& c, const TBlock& block, TRgba colour, float rise = 0) {
    if (block.zHigh <= block.zLow || block.x1 <= block.x0) return;
    const float b = static_cast<float>(2 * c.dims.halfLength);
    TSolid solid = Box({block.x0, -b, block.zLow}, {block.x1, b, block.zHigh}, TSceneGroup::SoilLayers,
                       colour.WithAlpha(kFillAlpha), colour);
    if (rise != 0)  // the top edge at the far side of the backfill rises with the slope
        for (TFace& face : solid.faces)
            for (QVector3D& p : face)
                if (p.x() == block.x0 && p.z() == block.zHigh) p.setZ(p.z() + rise);
    c.scene.solids.push_back(std::move(solid));
}

// One layer between depths top and bottom (scene units, positive down).
void AddLayer(const TSceneContext& c, int index, float top, float bottom) {
    const TRgba colour = kPalette[index % 10];
    const float d2 = static_cast<float>(2 * c.dims.halfWidth), half = static_cast<float>(c.dims.thickness) / 2;
    const float tip = static_cast<float>(c.dims.wallLength);
    const float excavation = static_cast<float>(c.project.FreeHeight * c.dims.projectLength);
    const bool sloped = index == 0 && top < excavation && c.project.BackfillSlope > 0;
    const float rise = sloped ? d2 * std::tan(static_cast<float>(c.project.BackfillSlope) * kSlopeRadiansPerDegree) : 0;
    // Beside the wall: the backfill side, and the excavation side below the excavation level.
    const float wallBottom = std::min(bottom, tip);
    AddBlock(c, {-d2, -half, -wallBottom, -top}, colour, rise);
    AddBlock(c, {half, d2, -wallBottom, -std::max(top, excavation)}, colour);
    // Below the wall tip the layer runs through.
    const float belowTop = std::max(top, tip);
    AddBlock(c, {-d2, 0, -bottom, -belowTop}, colour);
    AddBlock(c, {0, d2, -bottom, -belowTop}, colour);
}

void AddWaterTable(const TSceneContext& c, float level, float x0, float pyramidAlpha) {
    const float d2 = static_cast<float>(2 * c.dims.halfWidth), b = static_cast<float>(c.dims.halfLength);
    const float z = -level;
    c.scene.solids.push_back({TSceneGroup::WaterLevel,
                              {{{x0, -2 * b, z}, {x0 + d2, -2 * b, z}, {x0 + d2, 2 * b, z}, {x0, 2 * b, z}}},
                              kBlue.WithAlpha(0.75f),
                              kBlue});
    const float s = static_cast<float>(4 * c.dims.increment);
    for (int i = 0; i <= 4; ++i)
        for (int j = 0; j <= 4; ++j) {
            const QVector3D apex(x0 + s + i * (d2 - 2 * s) / 4, -2 * b + s + j * (b - s), z);
            c.scene.solids.push_back(
                InvertedPyramid(apex, s, TSceneGroup::WaterLevel, kBlue.WithAlpha(pyramidAlpha), kBlue));
        }
}

}  // namespace

void AddSoilLayers(const TSceneContext& c) {
    TGridTable& soil = c.project.Tables().NewSoil();
    float top = 0;
    for (int i = 0; i < soil.RowCount(); ++i) {
        const float bottom = static_cast<float>(soil.Cell(kLayerBottom, i).AsFloat());
        AddLayer(c, i, top, bottom);
        top = bottom;
    }
}

void AddWaterTables(const TSceneContext& c) {
    const float d2 = static_cast<float>(2 * c.dims.halfWidth);
    AddWaterTable(c, static_cast<float>(c.project.WaterBackfill * c.dims.projectLength), -d2, 0.5f);
    AddWaterTable(c, static_cast<float>(c.project.WaterExcavation * c.dims.projectLength), 0, 0.75f);
}

}  // namespace korvex::app
