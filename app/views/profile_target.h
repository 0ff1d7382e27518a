// Where the profile is drawn: the window's client area or a printed page.
// The page keeps a margin of a tenth of its size around the sketch, uses
// thicker pens and shows the external p-y marks only when they are in use;
// everything else maps alike.
#pragma once

#include "views/view_window.h"

#include <QSize>

namespace korvex::app {

class TProfileTarget {
public:
    // The client area of the window.
    static TProfileTarget Screen(const TWorldWindow& view, QSize client);
    // A page of the given size; the circles of the top view keep the
    // window's pixel mapping of the given client size.
    static TProfileTarget Page(const TWorldWindow& view, QSize page, QSize client);

    bool IsPage() const { return page_; }
    int Width() const { return size_.width(); }
    int Height() const { return size_.height(); }
    // Column of a fraction of the width, and the row of a world y.
    int Fraction(long double f) const { return Nint(f * size_.width()); }
    int Row(long double y) const;
    // Row of an outline corner (on a page the margin is rounded apart).
    int OutlineRow(long double y) const;
    int Column(long double x) const { return PixelColumn(view_, size_.width(), x); }
    // Where lines and labels that start at the left edge start, and where
    // lines that span the width end.
    int Left() const { return page_ ? Fraction(0.1L) : 0; }
    int Right() const { return page_ ? Fraction(0.9L) : size_.width(); }
    int Middle() const { return size_.width() / 2; }
    // End column of the backfill slope line.
    int SlopeEnd() const { return page_ ? Fraction(0.2L) : Nint(size_.width() / 4.0L); }
    // Row of the "top view" and "side view" captions.
    int CaptionRow() const { return page_ ? Nint(0.1L * size_.height()) : 5; }
    int GeneralPen() const { return page_ ? 12 : 1; }
    int MarkPen() const { return page_ ? 15 : 2; }
    int SpringPen() const { return page_ ? 35 : 5; }
    int CirclePen() const { return page_ ? 12 : 2; }
    // The window's own pixel mapping, used for the circles of the top view.
    int ClientColumn(long double x) const { return PixelColumn(view_, client_.width(), x); }
    int ClientRow(long double y) const { return PixelRow(view_, client_.height(), y); }

private:
    TProfileTarget(const TWorldWindow& view, QSize size, QSize client, bool page)
        : view_(view), size_(size), client_(client), page_(page) {}

    TWorldWindow view_;
    QSize size_;
    QSize client_;
    bool page_;
};

}  // namespace korvex::app
