// The line chart above a curve table: the Y column against the X column in
// red, and a third data column against the X column in green when the grid
// has one. A single data column is drawn against the row index. A curve
// whose values are all equal gets a left axis around the value, so that the
// line stays visible.
#pragma once

#include <QChart>

class QLineSeries;
class QValueAxis;

namespace korvex::app {

class TGridTableChart;

class TCurveChart : public QChart {
    Q_OBJECT

public:
    TCurveChart();

    void Plot(const TGridTableChart& table);

    QLineSeries& Curve() const { return *curve_; }
    QLineSeries& SecondCurve() const { return *second_; }
    QValueAxis& BottomAxis() const { return *bottom_; }
    QValueAxis& LeftAxis() const { return *left_; }

private:
    void ScaleAxes(const QList<QPointF>& points, bool xFromColumn, bool flat);

    QLineSeries* curve_;
    QLineSeries* second_;
    QValueAxis* bottom_;
    QValueAxis* left_;
};

}  // namespace korvex::app
