#include "graphics/widgets/plot_canvas.h"

#include "framework/number_text.h"
#include "graphics/graph_plot.h"
#include "graphics/widgets/curve_palette.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <algorithm>

namespace korvex::app {
namespace {

constexpr int kLegendSpare = 3;

QString ShownMark(const TLine& curve) { return curve.Shown ? QStringLiteral(" *") : QString(); }

}  // namespace

std::vector<int> ListedCurves(const TGraphPlot& graph) {
    std::vector<int> listed;
    for (int c = 0; c < graph.CurveCount(kMainCurves); ++c) {
        if (graph.Curve(kMainCurves, c).Listed) listed.push_back(c);
    }
    return listed;
}

QString GraphCaption(const TGraphPlot& graph) {
    QString caption = graph.Caption;
    if (graph.onGetCaption) graph.onGetCaption(graph, caption);
    return caption;
}

TPlotCanvas::TPlotCanvas(TGraphPlot& graph, QWidget* parent)
    : QWidget(parent), graph_(graph), legend_(new QListWidget(this)), band_(new QRubberBand(QRubberBand::Rectangle, this)) {
    setMouseTracking(true);
    setFont(QFont(QStringLiteral("Times New Roman")));
    legend_->setObjectName(QStringLiteral("Legend"));
    legend_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    legend_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    legend_->viewport()->installEventFilter(this);
    connect(legend_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { LegendDoubleClicked(legend_->row(item)); });
}

bool TPlotCanvas::ResetRanges() {
    const int panels = graph_.ShowThree ? 3 : 1;
    for (std::size_t i = 0; i < static_cast<std::size_t>(panels); ++i) {
        const auto x = AutomaticRange(PanelExtentX(graph_, static_cast<int>(i)));
        const auto y = AutomaticRange(PanelExtentY(graph_, static_cast<int>(i)));
        if (!x || !y) return false;
        xFull_[i] = xRange_[i] = *x;
        yFull_[i] = yRange_[i] = *y;
    }
    return true;
}

void TPlotCanvas::RebuildLegend() {
    legend_->clear();
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(std::max(1, graph_.LegendFont * graph_.SizeFont / 10));
    legend_->setFont(font);
    const QFontMetrics metrics(font);
    const int spare = logicalDpiX() / 4;
    int width = 0;
    for (int c : ListedCurves(graph_)) {
        const QString text = graph_.DisplayName(kMainCurves, c) + ShownMark(graph_.Curve(kMainCurves, c));
        auto* item = new QListWidgetItem(text, legend_);
        item->setForeground(CurveColour(legend_->count() - 1));
        width = std::max(width, metrics.horizontalAdvance(graph_.DisplayName(kMainCurves, c) + QStringLiteral(" *")));
    }
    const int rowHeight = legend_->count() > 0 ? legend_->sizeHintForRow(0) : metrics.height();
    legend_->resize(width + spare, legend_->count() * rowHeight + kLegendSpare);
    legend_->setVisible(graph_.CurveCount(kMainCurves) > 0 && graph_.ShowLegend);
}

TPlotLayout TPlotCanvas::CurrentLayout() const {
    return LayOutPlot(graph_, rect(), AxisFontHeight(graph_, const_cast<TPlotCanvas*>(this)), logicalDpiX(), logicalDpiY());
}

void TPlotCanvas::PlaceLegend() {
    const QRect plot = CurrentLayout().Plot;
    legend_->move(std::max(0, plot.right() - legend_->width()), std::max(0, plot.bottom() - legend_->height()));
    update();
}

void TPlotCanvas::ToggleCurve(int curve) {
    TLine& line = graph_.Curve(kMainCurves, curve);
    line.Shown = !line.Shown;
    const std::vector<int> listed = ListedCurves(graph_);
    const auto at = std::find(listed.begin(), listed.end(), curve);
    if (at != listed.end()) {
        legend_->item(static_cast<int>(at - listed.begin()))->setText(graph_.DisplayName(kMainCurves, curve) + ShownMark(line));
    }
    update();
    emit curveToggled();
}

void TPlotCanvas::LegendDoubleClicked(int row) {
    const std::vector<int> listed = ListedCurves(graph_);
    if (row >= 0 && row < static_cast<int>(listed.size())) ToggleCurve(listed[static_cast<std::size_t>(row)]);
}

TPlotScene TPlotCanvas::Scene(const TPlotLayout& layout) const {
    TPlotScene scene;
    scene.Graph = &graph_;
    scene.Layout = layout;
    for (std::size_t i = 0; i < 3; ++i) scene.Maps[i] = {layout.Panels[i], xRange_[i], yRange_[i], graph_.XOnTop};
    return scene;
}

void TPlotCanvas::Render(QPainter& painter, const QRect& page, int px, int py) const {
    TPlotScene scene = Scene(LayOutPlot(graph_, page, AxisFontHeight(graph_, painter.device()), px, py));
    scene.Printing = true;
    if (!legend_->isHidden() && width() > 0 && height() > 0) {
        scene.LegendBoxAt = QPointF(double(legend_->x()) / width(), double(legend_->y()) / height());
    }
    DrawPlot(painter, scene);
}

void TPlotCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawPlot(painter, Scene(CurrentLayout()));
}

int TPlotCanvas::PanelAt(QPoint point, const TPlotLayout& layout) const {
    for (int i = 0; i < layout.PanelCount; ++i) {
        if (layout.Panels[static_cast<std::size_t>(i)].contains(point)) return i;
    }
    return -1;
}

void TPlotCanvas::mousePressEvent(QMouseEvent* event) {
    const TPlotLayout layout = CurrentLayout();
    const QPoint at = event->position().toPoint();
    if (graph_.ShowThree || !layout.Plot.contains(at)) return;
    if (event->button() == Qt::LeftButton) {
        zooming_ = true;
        zoomStart_ = at;
        band_->setGeometry(QRect(at, QSize()));
        band_->show();
    } else if (event->button() == Qt::RightButton) {
        ZoomOut(at);
    }
}

void TPlotCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const TPlotLayout layout = CurrentLayout();
    const int panel = PanelAt(at, layout);
    if (panel >= 0) {
        const QPointF value = Scene(layout).Maps[static_cast<std::size_t>(panel)].ToValue(at);
        emit pointed(GraphCaption(graph_) + QStringLiteral(" X: ") + FormatGeneral(value.x(), 5, -4) + QStringLiteral(" Y: ") +
                     FormatGeneral(value.y(), 5, -4));
    }
    if (zooming_) band_->setGeometry(QRect(zoomStart_, at).normalized());
}

void TPlotCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (!zooming_ || event->button() != Qt::LeftButton) return;
    zooming_ = false;
    band_->hide();
    ZoomIn(event->position().toPoint());
}

void TPlotCanvas::ZoomIn(QPoint release) {
    const TPlotLayout layout = CurrentLayout();
    if (release.x() == zoomStart_.x() || release.y() == zoomStart_.y()) return;
    const QRect& plot = layout.Plot;
    release = QPoint(std::clamp(release.x(), plot.left(), plot.right()), std::clamp(release.y(), plot.top(), plot.bottom()));
    const TPanelMap map = Scene(layout).Maps[0];
    const QPointF from = map.ToValue(zoomStart_);
    const QPointF to = map.ToValue(release);
    xRange_[0] = ZoomedIn(from.x(), to.x(), xFull_[0]);
    yRange_[0] = ZoomedIn(from.y(), to.y(), yFull_[0]);
    update();
}

void TPlotCanvas::ZoomOut(QPoint at) {
    const QPointF value = Scene(CurrentLayout()).Maps[0].ToValue(at);
    xRange_[0] = ZoomedOut(value.x(), xRange_[0], xFull_[0]);
    yRange_[0] = ZoomedOut(value.y(), yRange_[0], yFull_[0]);
    update();
}

bool TPlotCanvas::eventFilter(QObject* watched, QEvent* event) {
    if (watched == legend_->viewport()) DragLegend(event);
    return QWidget::eventFilter(watched, event);
}

// Dragging the legend with the left button moves it, kept inside the surface.
void TPlotCanvas::DragLegend(QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) legendDragging_ = false;
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseMove) return;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        legendDragging_ = true;
        legendGrab_ = global - legend_->pos();
        return;
    }
    if (!legendDragging_ || !(mouse->buttons() & Qt::LeftButton)) return;
    const QPoint to = global - legendGrab_;
    legend_->move(std::clamp(to.x(), 0, std::max(0, width() - legend_->width())),
                  std::clamp(to.y(), 0, std::max(0, height() - legend_->height())));
}

}  // namespace korvex::app
