#include "views/gl_window.h"

#include <QOpenGLFunctions_1_1>
#include <QOpenGLVersionFunctionsFactory>
#include <QPainter>
#include <QSurfaceFormat>

namespace korvex::app {

TglWindow::TglWindow(QWidget* parent) : QOpenGLWidget(parent) {
    QSurfaceFormat format;
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(32);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    setFormat(format);
}

void TglWindow::initializeGL() {
    gl_ = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_1_1>(context());
    if (!gl_ || !gl_->initializeOpenGLFunctions()) {
        gl_ = nullptr;
        emit failed(QStringLiteral("ChoosePixelFormat failed"));
    }
}

void TglWindow::paintGL() {
    if (!gl_) return;
    if (onPaint) onPaint(*gl_);
    gl_->glFlush();
    if (!onOverlay) return;
    QPainter painter(this);
    onOverlay(painter);
}

}  // namespace korvex::app
