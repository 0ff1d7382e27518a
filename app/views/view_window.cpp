#include "views/view_window.h"

#include <cmath>

namespace korvex::app {

int Nint(long double v) { return static_cast<int>(std::lrint(static_cast<double>(v))); }

TWorldWindow FitToClient(const TWorldWindow& world, QSize client) {
    TWorldWindow view = world;
    if (client.width() <= 0 || client.height() <= 0 || world.IsDegenerate()) return view;
    const long double r = (static_cast<long double>(client.width()) / client.height()) /
                          ((world.xmax - world.xmin) / (world.ymax - world.ymin));
    if (r >= 1) {
        view.xmin *= r;
        view.xmax *= r;
    } else {
        view.ymin /= r;
        view.ymax /= r;
    }
    return view;
}

int PixelColumn(const TWorldWindow& view, int width, long double x) {
    return Nint(width * (x - view.xmin) / (view.xmax - view.xmin));
}

int PixelRow(const TWorldWindow& view, int height, long double y) {
    return Nint(height * (y - view.ymin) / (view.ymax - view.ymin));
}

long double WorldY(const TWorldWindow& view, int height, int row) {
    return view.ymin + row * (view.ymax - view.ymin) / height;
}

}  // namespace korvex::app
