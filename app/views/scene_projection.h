// The projection and model-view transform of the 3-D view: an orthographic
// projection in pixel units centred on the surface, and the scene turned,
// scaled by zoom and fit, centred on its depth range and panned.
#pragma once

#include "views/scene_dimensions.h"
#include "views/view_state.h"

#include <QMatrix4x4>
#include <QSize>

namespace korvex::app {

// Scale that fits the scene to the surface.
double FitScale(const TSceneDimensions& dims, QSize surface);
QMatrix4x4 Projection(const TSceneDimensions& dims, QSize surface);
QMatrix4x4 ModelView(const TSceneDimensions& dims, const TCamera& camera);
// The pixel (from the top-left corner) at which a scene point appears.
QPointF ScreenPoint(const QMatrix4x4& modelView, QSize surface, QVector3D point);

}  // namespace korvex::app
