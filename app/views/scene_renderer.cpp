#include "views/scene_renderer.h"

#include "views/scene_projection.h"

#include <QOpenGLFunctions_1_1>

namespace korvex::app {

namespace {

constexpr GLuint kEmptyList = 1, kStructureList = 2, kGroundList = 5;
constexpr float kAxisPixels = 80;

void Colour(QOpenGLFunctions_1_1& gl, const TRgba& c) { gl.glColor4f(c.r, c.g, c.b, c.a); }
void Vertex(QOpenGLFunctions_1_1& gl, const QVector3D& p) { gl.glVertex3f(p.x(), p.y(), p.z()); }

void Line(QOpenGLFunctions_1_1& gl, const QVector3D& a, const QVector3D& b, const TRgba& c) {
    Colour(gl, c);
    gl.glBegin(GL_LINES);
    Vertex(gl, a);
    Vertex(gl, b);
    gl.glEnd();
}

}  // namespace

void TSceneRenderer::DrawSolids(QOpenGLFunctions_1_1& gl, bool ground) const {
    for (const TSolid& solid : scene_->solids) {
        if (TScene::IsGround(solid.group) != ground) continue;
        if (solid.outlined)
            for (const TFace& face : solid.faces) {
                Colour(gl, solid.edge);
                gl.glBegin(GL_LINE_LOOP);
                for (const QVector3D& p : face) Vertex(gl, p);
                gl.glEnd();
            }
        Colour(gl, solid.fill);
        for (const TFace& face : solid.faces) {
            gl.glBegin(GL_POLYGON);
            for (const QVector3D& p : face) Vertex(gl, p);
            gl.glEnd();
        }
    }
    for (const TSceneLine& line : scene_->lines)
        if (TScene::IsGround(line.group) == ground) Line(gl, line.from, line.to, line.colour);
}

void TSceneRenderer::Compile(QOpenGLFunctions_1_1& gl) {
    gl.glNewList(kEmptyList, GL_COMPILE);
    gl.glEndList();
    gl.glNewList(kGroundList, GL_COMPILE);
    if (scene_) DrawSolids(gl, true);
    gl.glEndList();
    gl.glNewList(kStructureList, GL_COMPILE);
    if (scene_) DrawSolids(gl, false);
    gl.glEndList();
    stale_ = false;
}

// The axes keep 80 pixels on the screen whatever the zoom.
void TSceneRenderer::DrawAxes(QOpenGLFunctions_1_1& gl, const TCamera& camera) const {
    const float scale = static_cast<float>(camera.fit * camera.zoom);
    const float length = scale != 0 ? kAxisPixels / scale : 0;
    Line(gl, {}, {length, 0, 0}, {0, 0, 1, 1});
    Line(gl, {}, {0, length, 0}, {0, 1, 0, 1});
    Line(gl, {}, {0, 0, -length}, {1, 0, 0, 1});
}

void TSceneRenderer::Draw(QOpenGLFunctions_1_1& gl, const TSceneDimensions& dims, const TCamera& camera,
                          QSize surface) {
    gl.glClearColor(1, 1, 1, 1);
    gl.glMatrixMode(GL_PROJECTION);
    gl.glLoadMatrixf(Projection(dims, surface).constData());
    if (stale_) Compile(gl);
    gl.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gl.glMatrixMode(GL_MODELVIEW);
    gl.glLoadMatrixf(ModelView(dims, camera).constData());
    gl.glShadeModel(GL_SMOOTH);
    gl.glEnable(GL_DEPTH_TEST);
    gl.glEnable(GL_CULL_FACE);
    gl.glEnable(GL_BLEND);
    gl.glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (GLuint list = 1; list <= 6; ++list) gl.glCallList(list);
    gl.glDisable(GL_DEPTH_TEST);
    DrawAxes(gl, camera);
}

}  // namespace korvex::app
