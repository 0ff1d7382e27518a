#include "views/profile_target.h"

namespace korvex::app {

TProfileTarget TProfileTarget::Screen(const TWorldWindow& view, QSize client) {
    return TProfileTarget(view, client, client, false);
}

TProfileTarget TProfileTarget::Page(const TWorldWindow& view, QSize page, QSize client) {
    return TProfileTarget(view, page, client, true);
}

int TProfileTarget::Row(long double y) const {
    if (!page_) return PixelRow(view_, size_.height(), y);
    const long double h = size_.height();
    return Nint(0.8L * h * (y - view_.ymin) / (view_.ymax - view_.ymin) + 0.1L * h);
}

int TProfileTarget::OutlineRow(long double y) const {
    if (!page_) return Row(y);
    const long double h = size_.height();
    return Nint(0.8L * h * (y - view_.ymin) / (view_.ymax - view_.ymin)) + Nint(0.1L * h);
}

}  // namespace korvex::app
