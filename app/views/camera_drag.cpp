#include "views/camera_drag.h"

#include <algorithm>
#include <cmath>

namespace korvex::app {

namespace {

// With Shift held the smaller of the two movements is dropped.
void KeepDominant(double& a, double& b) {
    if (std::abs(a) > std::abs(b))
        b = 0;
    else
        a = 0;
}

}  // namespace

TCamera TCameraDrag::Panned(double u, double v) const {
    TCamera c = from_;
    const double scale = (from_.fit * from_.zoom) * (from_.fit * from_.zoom);
    if (scale == 0) return c;
    c.px = from_.px + u / scale;
    c.pz = from_.pz + v / scale;
    return c;
}

TCamera TCameraDrag::Moved(QPoint at, bool shift, QSize surface) const {
    const double w = std::max(1, surface.width()), h = std::max(1, surface.height());
    switch (mode_) {
    case TMouseMode::Panning: {
        double u = at.x() - start_.x(), v = start_.y() - at.y();
        if (shift) KeepDominant(u, v);
        return Panned(u, v);
    }
    case TMouseMode::Zooming: {
        TCamera c = from_;
        c.zoom = from_.zoom * (1 - (at.y() - start_.y()) / h);
        return c;
    }
    case TMouseMode::Rotating: {
        double p = (at.y() - start_.y()) * 90 / h, q = (at.x() - start_.x()) * 90 / w;
        if (shift) KeepDominant(p, q);
        TCamera c = from_;
        c.a1 = from_.a1 + p;
        c.a3 = from_.a3 + q;
        return c;
    }
    default: return from_;
    }
}

TCamera TCameraDrag::Released(QPoint at, bool shift, QSize surface) const {
    if (mode_ != TMouseMode::ZoomWindow) return Moved(at, shift, surface);
    const int dx = std::abs(at.x() - start_.x()), dy = std::abs(at.y() - start_.y());
    if (dx == 0 || dy == 0) return from_;
    const double w = surface.width(), h = surface.height();
    TCamera c = Panned(w / 2 - (start_.x() + at.x()) / 2.0, (start_.y() + at.y()) / 2.0 - h / 2);
    c.zoom = from_.zoom * std::min(h / dy, w / dx);
    return c;
}

}  // namespace korvex::app
