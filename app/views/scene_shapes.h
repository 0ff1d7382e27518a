// The solids the scene is built of: boxes and general hexahedra, rods
// along a direction, inverted pyramids, and the symbols of forces,
// displacements, moments and slopes, made of 40-segment circles.
#pragma once

#include "views/scene_types.h"

#include <array>

namespace korvex::app {

// Corners indexed by ix + 2 iy + 4 iz (0 for the low side of each axis).
using THexCorners = std::array<QVector3D, 8>;

TSolid Hexahedron(const THexCorners& c, TSceneGroup group, TRgba fill, TRgba edge);
TSolid Box(QVector3D low, QVector3D high, TSceneGroup group, TRgba fill, TRgba edge);
// A rod of square section of the given side from `start` along `direction`.
TSolid Rod(QVector3D start, QVector3D direction, float length, float side, TSceneGroup group, TRgba fill,
           TRgba edge);
// A square pyramid with its apex at `apex` and its base `size` above it.
TSolid InvertedPyramid(QVector3D apex, float size, TSceneGroup group, TRgba fill, TRgba edge);

// A force arrow of size s on the axis for a value: its cone's tip touches
// the point and it points along the axis in the direction of the value's
// sign. Nothing for a value of 0.
std::vector<TSolid> ForceArrow(QVector3D point, QVector3D axis, float size, double value, TSceneGroup group,
                               TRgba colour);
// The same arrow starting at the point.
std::vector<TSolid> DisplacementArrow(QVector3D point, QVector3D axis, float size, double value,
                                      TSceneGroup group, TRgba colour);
// A half ring about the axis with a cone at the end chosen by the sign.
std::vector<TSolid> MomentSymbol(QVector3D point, QVector3D axis, float size, double value, TSceneGroup group,
                                 TRgba colour);

}  // namespace korvex::app
