#include "graphics/widgets/curve_palette.h"

#include <array>

namespace korvex::app {

QColor CurveColour(int position) {
    static const std::array<QColor, kCurveColourCount> palette = {
        QColor(0, 0, 0),       QColor(0, 0, 255),     QColor(255, 0, 0),     QColor(0, 128, 0),
        QColor(128, 0, 128),   QColor(128, 0, 0),     QColor(0, 0, 128),     QColor(255, 0, 255),
        QColor(128, 128, 0),   QColor(0, 128, 128),   QColor(128, 128, 128), QColor(0, 255, 0),
        QColor(128, 128, 128), QColor(192, 192, 192), QColor(192, 192, 192), QColor(255, 255, 0),
        QColor(0, 255, 255)};
    const int index = position % kCurveColourCount;
    return palette[static_cast<std::size_t>(index < 0 ? index + kCurveColourCount : index)];
}

}  // namespace korvex::app
