// TglWindow: the OpenGL drawing surface of the 3-D view. It owns the
// rendering context (double-buffered RGBA, 24-bit colour, 32-bit depth),
// reaches the fixed-function OpenGL 1.1 calls, hands painting to its view
// and passes the mouse events on. When no OpenGL 1.1 functions can be had,
// it shows nothing and reports it once.
#pragma once

#include <QOpenGLWidget>
#include <functional>

class QOpenGLFunctions_1_1;

namespace korvex::app {

class TglWindow : public QOpenGLWidget {
    Q_OBJECT

public:
    explicit TglWindow(QWidget* parent = nullptr);

    // Paints the frame with the context current; the surface swaps buffers.
    std::function<void(QOpenGLFunctions_1_1& gl)> onPaint;
    // Paints over the frame (texts, the zoom box) with a painter.
    std::function<void(QPainter& painter)> onOverlay;

signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    void failed(const QString& message);

protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override { emit mousePressed(event); }
    void mouseMoveEvent(QMouseEvent* event) override { emit mouseMoved(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { emit mouseReleased(event); }

private:
    QOpenGLFunctions_1_1* gl_ = nullptr;
};

}  // namespace korvex::app
