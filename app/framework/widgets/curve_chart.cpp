#include "framework/widgets/curve_chart.h"

#include "framework/grid_table_chart.h"

#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace korvex::app {

namespace {
constexpr qreal kLargeAxisValue = 100000;
constexpr qreal kSmallAxisValue = 0.001;

qreal CellValue(const TColumn& column, int row) {
    switch (column.Kind()) {
    case TColumnKind::Float: return static_cast<qreal>(column.GetFloat(row));
    case TColumnKind::Int:
    case TColumnKind::Enum: return column.GetInt(row);
    default: return column.GetText(row).toDouble();
    }
}

// Values of the column against the X column, or against the row index when
// there is no X column.
QList<QPointF> Points(const TColumn* x, const TColumn& y, int rows) {
    QList<QPointF> points;
    for (int r = 0; r < rows; ++r) points << QPointF(x ? CellValue(*x, r) : r, CellValue(y, r));
    return points;
}

bool AllSameY(const QList<QPointF>& points) {
    return points.size() > 1 &&
           std::all_of(points.begin(), points.end(), [&](const QPointF& p) { return p.y() == points.front().y(); });
}

// Plain numbers, or scientific ones for very large or very small limits.
QString LabelFormat(qreal min, qreal max) {
    const qreal largest = std::max(std::abs(min), std::abs(max));
    const bool bothZero = min == 0 && max == 0;
    if (largest > kLargeAxisValue || (!bothZero && largest < kSmallAxisValue)) return QStringLiteral("%.3E");
    return QStringLiteral("%.10g");
}

qreal XOf(const QPointF& p) { return p.x(); }
qreal YOf(const QPointF& p) { return p.y(); }

// Both limits of the axis from the data, rounded out to nice numbers.
void ScaleToData(QValueAxis& axis, const QList<QPointF>& points, qreal (*coordinate)(const QPointF&)) {
    if (points.isEmpty()) return;
    qreal min = coordinate(points.front());
    qreal max = min;
    for (const QPointF& p : points) {
        min = std::min(min, coordinate(p));
        max = std::max(max, coordinate(p));
    }
    if (min == max) {
        min -= 1;
        max += 1;
    }
    axis.setRange(min, max);
    axis.applyNiceNumbers();
}

void SetLabelFormat(QValueAxis& axis) { axis.setLabelFormat(LabelFormat(axis.min(), axis.max())); }
}  // namespace

TCurveChart::TCurveChart()
    : curve_(new QLineSeries), second_(new QLineSeries), bottom_(new QValueAxis), left_(new QValueAxis) {
    curve_->setPen(QPen(Qt::red, 2));
    second_->setPen(QPen(Qt::green, 1));
    second_->setPointsVisible(true);
    second_->setMarkerSize(4);
    addAxis(bottom_, Qt::AlignBottom);
    addAxis(left_, Qt::AlignLeft);
    for (QLineSeries* series : {curve_, second_}) {
        addSeries(series);
        series->attachAxis(bottom_);
        series->attachAxis(left_);
    }
}

// A flat curve gets a left axis from 0.9 to 1.1 times its value; row
// indices on the bottom axis are shown as whole numbers.
void TCurveChart::ScaleAxes(const QList<QPointF>& points, bool xFromColumn, bool flat) {
    ScaleToData(*bottom_, points, XOf);
    bottom_->setLabelFormat(xFromColumn ? LabelFormat(bottom_->min(), bottom_->max()) : QStringLiteral("%.0f"));
    const qreal level = points.isEmpty() ? 0 : points.front().y();
    if (flat)
        left_->setRange(std::min(0.9 * level, 1.1 * level), std::max(0.9 * level, 1.1 * level));
    else
        ScaleToData(*left_, points, YOf);
    SetLabelFormat(*left_);
}

void TCurveChart::Plot(const TGridTableChart& table) {
    const int columns = table.VisibleColumnCount();
    if (columns == 0) return;
    const TGraphicParameters& graphic = table.Graphic();
    const TColumn* x = columns > 1 ? table.VisibleColumn(std::clamp(graphic.xColumn, 0, columns - 1)) : nullptr;
    const TColumn& y = *table.VisibleColumn(columns > 1 ? std::clamp(graphic.yColumn, 0, columns - 1) : 0);
    QList<QPointF> points = Points(x, y, table.RowCount());
    const bool flat = AllSameY(points);
    if (flat) points[1].setY(points[1].y() * 1.001);
    curve_->replace(points);
    const bool twoCurves = columns > 2;
    const QList<QPointF> secondPoints = twoCurves ? Points(x, *table.VisibleColumn(2), table.RowCount()) : QList<QPointF>{};
    second_->setVisible(twoCurves);
    second_->replace(secondPoints);
    legend()->setVisible(twoCurves);
    if (twoCurves) {
        curve_->setName(table.VisibleColumn(1)->CaptionLine(0));
        second_->setName(table.VisibleColumn(2)->CaptionLine(0));
    }
    bottom_->setTitleText(x ? x->CaptionLine(0) : QStringLiteral("N"));
    left_->setTitleText(y.CaptionLine(0));
    ScaleAxes(points + secondPoints, x != nullptr, flat);
    bottom_->setReverse(table.InvertedXAxis());
    left_->setReverse(table.InvertedYAxis());
}

}  // namespace korvex::app
