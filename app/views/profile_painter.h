// Painting the soil-wall profile onto any painter: the window's client
// area, an image in a test, or a printed page. It reads the project and its
// tables and changes nothing.
#pragma once

#include "views/profile_geometry.h"
#include "views/profile_target.h"

#include <QColor>
#include <QSize>

class QPainter;

namespace korvex::app {

class TProgramData;

struct TProfileColours {
    QColor background = Qt::white;  // an invalid colour leaves the background as it is
    QColor ink = Qt::black;         // lines, text and the wall's fill
};

// What the profile shows besides the project: the largest earth-pressure
// row count of the loaded results (the external p-y marks are shown on the
// screen when it is above 1).
struct TProfileResults {
    int earthPressureRows = 0;
};

void PaintProfile(QPainter& painter, const TProfileTarget& target, const TProgramData& project,
                  const TProfileGeometry& geometry, const TProfileResults& results, const TProfileColours& colours);

// The profile fitted to a client area of the given size, as the window
// shows it. A degenerate world window paints nothing at all.
void PaintProfile(QPainter& painter, QSize client, const TProgramData& project, const TProfileGeometry& geometry,
                  const TProfileResults& results, const TProfileColours& colours);

}  // namespace korvex::app
