#include "views/scene_projection.h"

#include <algorithm>

namespace korvex::app {

double FitScale(const TSceneDimensions& dims, QSize surface) {
    const double across = 2 * dims.halfWidth;
    const double fx = across != 0 ? (surface.width() - 50) / across : 1;
    const double fy = dims.extent != 0 ? (surface.height() - 50) / dims.extent : 1;
    return std::min(fx, fy);
}

QMatrix4x4 Projection(const TSceneDimensions& dims, QSize surface) {
    const double w = surface.width(), h = surface.height();
    const double m = std::min(2 * dims.halfWidth, 2 * dims.halfLength);
    const double r = m != 0 ? dims.extent / m * (std::min(w, h) / 2) * 640 : std::max(w, h) / 2;
    QMatrix4x4 projection;
    projection.ortho(static_cast<float>(-w / 2), static_cast<float>(w / 2), static_cast<float>(-h / 2),
                     static_cast<float>(h / 2), static_cast<float>(-r), static_cast<float>(r));
    return projection;
}

QMatrix4x4 ModelView(const TSceneDimensions& dims, const TCamera& camera) {
    QMatrix4x4 mv;
    mv.rotate(-90, 1, 0, 0);
    mv.rotate(static_cast<float>(camera.a1), 1, 0, 0);
    mv.rotate(static_cast<float>(camera.a2), 0, 1, 0);
    mv.rotate(static_cast<float>(camera.a3), 0, 0, 1);
    mv.scale(static_cast<float>(camera.zoom));
    mv.scale(static_cast<float>(camera.fit));
    mv.translate(0, 0, static_cast<float>(dims.depth / 2));
    mv.translate(static_cast<float>(camera.px), static_cast<float>(camera.py), static_cast<float>(camera.pz));
    return mv;
}

QPointF ScreenPoint(const QMatrix4x4& modelView, QSize surface, QVector3D point) {
    const QVector3D p = modelView.map(point);
    return {surface.width() / 2.0 + p.x(), surface.height() / 2.0 - p.y()};
}

}  // namespace korvex::app
