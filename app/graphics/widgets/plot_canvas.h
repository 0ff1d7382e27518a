// The drawing surface of a graph window: it draws the graph with the
// current ranges, keeps the automatic ranges that limit zooming, zooms in
// by a dragged rectangle and out by a right click, reports the values under
// the mouse, and carries the legend list box (one entry per listed curve,
// double-click toggles the curve, draggable inside the surface).
#pragma once

#include "graphics/widgets/plot_painter.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

class QListWidget;
class QRubberBand;

namespace korvex::app {

class TGraphPlot;

// Positions in list 0 of the curves that take part in the window.
std::vector<int> ListedCurves(const TGraphPlot& graph);
// The caption of the graph, as its owner supplies it when it wants to.
QString GraphCaption(const TGraphPlot& graph);

class TPlotCanvas : public QWidget {
    Q_OBJECT

public:
    explicit TPlotCanvas(TGraphPlot& graph, QWidget* parent = nullptr);

    // Sets the automatic ranges of every panel; false when a range has no
    // usable step and the graph cannot be shown.
    bool ResetRanges();
    // Refills the legend from the listed curves and sizes it to its entries.
    void RebuildLegend();
    // Lays the surface out again and puts the legend at the bottom-right
    // corner of the plot.
    void PlaceLegend();
    // Shows or hides a curve (position in list 0) and redraws.
    void ToggleCurve(int curve);
    // Draws the graph on another device (printer page or bitmap) into
    // `page`, laid out for the given resolution, with the legend box.
    void Render(QPainter& painter, const QRect& page, int px, int py) const;

    QListWidget* Legend() const { return legend_; }
    const TAxisRange& XRange(int panel) const { return xRange_[static_cast<std::size_t>(panel)]; }
    const TAxisRange& YRange(int panel) const { return yRange_[static_cast<std::size_t>(panel)]; }
    TPlotLayout CurrentLayout() const;

signals:
    // "Caption X: x Y: y" for the point under the mouse.
    void pointed(const QString& text);
    void curveToggled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TPlotScene Scene(const TPlotLayout& layout) const;
    int PanelAt(QPoint point, const TPlotLayout& layout) const;
    void ZoomIn(QPoint release);
    void ZoomOut(QPoint at);
    void DragLegend(QEvent* event);
    void LegendDoubleClicked(int row);

    TGraphPlot& graph_;
    std::array<TAxisRange, 3> xFull_{}, yFull_{}, xRange_{}, yRange_{};
    QListWidget* legend_;
    QRubberBand* band_;
    bool zooming_ = false;
    QPoint zoomStart_;
    QPoint legendGrab_;
    bool legendDragging_ = false;
};

}  // namespace korvex::app
