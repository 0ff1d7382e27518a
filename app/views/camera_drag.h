// A mouse drag on the 3-D view: panning, zooming, rotating, or a zoom
// window, applied to the camera from the state remembered when the left
// button went down. The base orientation turns the scene by -90 degrees
// about x, so a screen movement (u, v) acts as (u, 0, v) in the scene.
#pragma once

#include "views/view_state.h"

#include <QPoint>
#include <QSize>
#include <optional>

namespace korvex::app {

class TCameraDrag {
public:
    TCameraDrag(TMouseMode mode, QPoint start, const TCamera& camera) : mode_(mode), start_(start), from_(camera) {}

    // The camera for the pointer at `at` on a surface of the given size.
    TCamera Moved(QPoint at, bool shift, QSize surface) const;
    // The camera when the button goes up at `at`; a zoom window without
    // width or height changes nothing.
    TCamera Released(QPoint at, bool shift, QSize surface) const;

    TMouseMode Mode() const { return mode_; }
    QPoint Start() const { return start_; }

private:
    TCamera Panned(double u, double v) const;

    TMouseMode mode_;
    QPoint start_;
    TCamera from_;
};

}  // namespace korvex::app
