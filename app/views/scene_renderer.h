// Draws the 3-D scene with the fixed-function OpenGL 1.1 calls: the ground
// (soil layers and water) in display list 5, the wall, loads and supports
// in list 2, compiled again whenever the scene changed, and the axes drawn
// over them without depth test.
#pragma once

#include "views/scene_dimensions.h"
#include "views/scene_types.h"
#include "views/view_state.h"

#include <QSize>

class QOpenGLFunctions_1_1;

namespace korvex::app {

class TSceneRenderer {
public:
    // Marks the display lists for compiling at the next frame.
    void SetScene(const TScene* scene) {
        scene_ = scene;
        stale_ = true;
    }
    void Draw(QOpenGLFunctions_1_1& gl, const TSceneDimensions& dims, const TCamera& camera, QSize surface);

private:
    void Compile(QOpenGLFunctions_1_1& gl);
    void DrawSolids(QOpenGLFunctions_1_1& gl, bool ground) const;
    void DrawAxes(QOpenGLFunctions_1_1& gl, const TCamera& camera) const;

    const TScene* scene_ = nullptr;
    bool stale_ = true;
};

}  // namespace korvex::app
