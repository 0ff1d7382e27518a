// TLine: one curve of a graph, its points in order, its number and name,
// and the two flags the graph window keeps for it (drawn, and taking part
// in legend and menu at all).
#pragma once

#include "graphics/float_point.h"

#include <QString>
#include <vector>

namespace korvex::app {

class TGraphPlot;

class TLine {
public:
    TLine(TGraphPlot* owner, long double number) : Number(number), owner_(owner) {}

    TGraphPlot* Owner() const { return owner_; }
    int PointCount() const { return static_cast<int>(points_.size()); }
    TFloatPoint& Point(int j) { return points_.at(j); }
    const TFloatPoint& Point(int j) const { return points_.at(j); }
    // Frees points from the end or appends (0, 0) points; below 0 counts as 0.
    void SetPointCount(int n);
    // Repeats point filled - 1 over every later point, so a curve that was
    // given fewer points than its list holds ends on its own last point.
    void RepeatLastFilled(int filled);

    long double Number;
    QString Name;
    bool Shown = true;
    bool Listed = true;

private:
    TGraphPlot* owner_;
    std::vector<TFloatPoint> points_;
};

}  // namespace korvex::app
