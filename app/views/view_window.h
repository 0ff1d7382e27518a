// The world window of the profile (model lengths, x across with the wall's
// axis at 0, y downwards) and its fit to a client area of another aspect
// ratio, with the mapping of world points to pixels.
#pragma once

#include <QSize>

namespace korvex::app {

struct TWorldWindow {
    long double xmin = -10;
    long double xmax = 10;
    long double ymin = 0;
    long double ymax = 10;

    // A window of no width or no height maps nothing.
    bool IsDegenerate() const { return xmax - xmin == 0 || ymax - ymin == 0; }
};

// Rounds to the nearest integer, halves to even.
int Nint(long double v);

// Widens x (or stretches y) so that the window has the client's aspect
// ratio; a client without area keeps the world window as it is.
TWorldWindow FitToClient(const TWorldWindow& world, QSize client);

// Pixel column and row of world x and y in a client of the given size.
int PixelColumn(const TWorldWindow& view, int width, long double x);
int PixelRow(const TWorldWindow& view, int height, long double y);
// World y of a pixel row.
long double WorldY(const TWorldWindow& view, int height, int row);

}  // namespace korvex::app
