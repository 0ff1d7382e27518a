#include "views/profile_canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace korvex::app {

TProfileCanvas::TProfileCanvas(const TProgramData& project, const TProfileGeometry& geometry,
                               std::function<TProfileResults()> results, QWidget* parent)
    : QWidget(parent), project_(project), geometry_(geometry), results_(std::move(results)) {
    setMouseTracking(true);
}

void TProfileCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const TProfileColours colours{palette().color(QPalette::Window), palette().color(QPalette::WindowText)};
    PaintProfile(painter, size(), project_, geometry_, results_(), colours);
}

void TProfileCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (geometry_.world.IsDegenerate() || height() <= 0) return;
    const int row = qRound(event->position().y());
    emit depthPointed(WorldY(View(), height(), row) - geometry_.offset);
}

}  // namespace korvex::app
