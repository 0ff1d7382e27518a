#include "views/scene_shapes.h"

#include <cmath>
#include <numbers>

namespace korvex::app {

namespace {

constexpr int kSegments = 40;
constexpr float kSolidAlpha = 0.6f;

// Two unit vectors square to the axis and to each other, so that
// (u, v, axis) is right-handed.
std::pair<QVector3D, QVector3D> Across(QVector3D axis) {
    const QVector3D helper = std::abs(axis.z()) < 0.9f ? QVector3D(0, 0, 1) : QVector3D(1, 0, 0);
    const QVector3D u = QVector3D::crossProduct(helper, axis).normalized();
    return {u, QVector3D::crossProduct(axis, u)};
}

QVector3D Around(QVector3D centre, QVector3D u, QVector3D v, float radius, int k) {
    const double angle = 2 * std::numbers::pi * k / kSegments;
    return centre + radius * (static_cast<float>(std::cos(angle)) * u + static_cast<float>(std::sin(angle)) * v);
}

// A cone (tipRadius 0) or cylinder from base to top along the unit axis,
// closed at both ends.
TSolid Frustum(QVector3D base, QVector3D axis, float length, float baseRadius, float topRadius,
               TSceneGroup group, TRgba colour) {
    const auto [u, v] = Across(axis);
    const QVector3D top = base + length * axis;
    TSolid solid{group, {}, colour.WithAlpha(kSolidAlpha), colour, false};
    TFace bottom, cap;
    for (int k = 0; k < kSegments; ++k) {
        const QVector3D b0 = Around(base, u, v, baseRadius, k), b1 = Around(base, u, v, baseRadius, k + 1);
        const QVector3D t0 = Around(top, u, v, topRadius, k), t1 = Around(top, u, v, topRadius, k + 1);
        solid.faces.push_back({b0, b1, t1, t0});
        bottom.insert(bottom.begin(), b0);
        cap.push_back(t0);
    }
    solid.faces.push_back(bottom);
    if (topRadius > 0) solid.faces.push_back(cap);
    return solid;
}

// The arrow's shaft and cone from its tail along the unit direction.
std::vector<TSolid> Arrow(QVector3D tail, QVector3D direction, float size, TSceneGroup group, TRgba colour) {
    const float shaft = 0.75f * size;
    return {Frustum(tail, direction, shaft, 0.125f * size, 0.125f * size, group, colour),
            Frustum(tail + shaft * direction, direction, 0.25f * size, 0.375f * size, 0, group, colour)};
}

QVector3D Signed(QVector3D axis, double value) { return (value < 0 ? -1.0f : 1.0f) * axis.normalized(); }

}  // namespace

TSolid Hexahedron(const THexCorners& c, TSceneGroup group, TRgba fill, TRgba edge) {
    return {group,
            {{c[0], c[4], c[6], c[2]},
             {c[1], c[3], c[7], c[5]},
             {c[0], c[1], c[5], c[4]},
             {c[2], c[6], c[7], c[3]},
             {c[0], c[2], c[3], c[1]},
             {c[4], c[5], c[7], c[6]}},
            fill,
            edge};
}

TSolid Box(QVector3D low, QVector3D high, TSceneGroup group, TRgba fill, TRgba edge) {
    THexCorners c;
    for (int i = 0; i < 8; ++i)
        c[i] = {(i & 1) ? high.x() : low.x(), (i & 2) ? high.y() : low.y(), (i & 4) ? high.z() : low.z()};
    return Hexahedron(c, group, fill, edge);
}

TSolid Rod(QVector3D start, QVector3D direction, float length, float side, TSceneGroup group, TRgba fill,
           TRgba edge) {
    const QVector3D axis = direction.normalized();
    const auto [u, v] = Across(axis);
    THexCorners c;
    for (int i = 0; i < 8; ++i)
        c[i] = start + ((i & 1) ? 0.5f : -0.5f) * side * u + ((i & 2) ? 0.5f : -0.5f) * side * v +
               ((i & 4) ? length : 0.0f) * axis;
    return Hexahedron(c, group, fill, edge);
}

TSolid InvertedPyramid(QVector3D apex, float size, TSceneGroup group, TRgba fill, TRgba edge) {
    const float h = size / 2;
    const float z = apex.z() + size;
    const QVector3D a(apex.x() - h, apex.y() - h, z), b(apex.x() + h, apex.y() - h, z);
    const QVector3D c(apex.x() + h, apex.y() + h, z), d(apex.x() - h, apex.y() + h, z);
    return {group, {{a, b, c, d}, {apex, b, a}, {apex, c, b}, {apex, d, c}, {apex, a, d}}, fill, edge};
}

std::vector<TSolid> ForceArrow(QVector3D point, QVector3D axis, float size, double value, TSceneGroup group,
                               TRgba colour) {
    if (value == 0) return {};
    const QVector3D direction = Signed(axis, value);
    return Arrow(point - size * direction, direction, size, group, colour);
}

std::vector<TSolid> DisplacementArrow(QVector3D point, QVector3D axis, float size, double value,
                                      TSceneGroup group, TRgba colour) {
    if (value == 0) return {};
    return Arrow(point, Signed(axis, value), size, group, colour);
}

std::vector<TSolid> MomentSymbol(QVector3D point, QVector3D axis, float size, double value, TSceneGroup group,
                                 TRgba colour) {
    if (value == 0) return {};
    const QVector3D n = axis.normalized();
    const auto [u, v] = Across(n);
    const float ring = size / 9, tube = size / 36;
    const int steps = kSegments / 2;
    std::vector<TSolid> parts;
    for (int k = 0; k < steps; ++k) {
        const QVector3D from = Around(point, u, v, ring, k), to = Around(point, u, v, ring, k + 1);
        parts.push_back(Frustum(from, (to - from).normalized(), (to - from).length(), tube, tube, group, colour));
    }
    // The cone sits at the end of the half ring the rotation runs to.
    const int end = value > 0 ? steps : 0;
    const QVector3D tangent =
        (value > 0 ? 1.0f : -1.0f) * (Around({}, u, v, 1, end + 1) - Around({}, u, v, 1, end - 1)).normalized();
    parts.push_back(Frustum(Around(point, u, v, ring, end), tangent, size / 18, size / 12, 0, group, colour));
    return parts;
}

}  // namespace korvex::app
