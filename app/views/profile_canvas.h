// The client area of the profile window: paints the sketch fitted to its
// size and reports the depth under the pointer.
#pragma once

#include "views/profile_geometry.h"
#include "views/profile_painter.h"

#include <QWidget>
#include <functional>

namespace korvex::app {

class TProgramData;

class TProfileCanvas : public QWidget {
    Q_OBJECT

public:
    TProfileCanvas(const TProgramData& project, const TProfileGeometry& geometry,
                   std::function<TProfileResults()> results, QWidget* parent = nullptr);

    // The view window of the current size: the world window fitted to it.
    TWorldWindow View() const { return FitToClient(geometry_.world, size()); }

signals:
    // Depth below the wall top under the pointer, in the model's length unit.
    void depthPointed(long double depth);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const TProgramData& project_;
    const TProfileGeometry& geometry_;
    std::function<TProfileResults()> results_;
};

}  // namespace korvex::app
