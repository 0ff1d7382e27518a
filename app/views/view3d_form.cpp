#include "views/view3d_form.h"

#include "graphics/graph_set.h"
#include "views/activation_watch.h"
#include "views/deformed_shape_form.h"
#include "views/gl_window.h"
#include "views/scene_builder.h"
#include "views/scene_projection.h"

#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace korvex::app {

namespace {
constexpr double kZoomStep = 1.4142;
}

T3DForm::T3DForm(TProgramData& project, const TGraphSet& graphs, QWidget* parent)
    : QWidget(parent),
      project_(project),
      graphs_(graphs),
      surface_(new TglWindow(this)),
      watch_(new TActivationWatch(this, [this] { Activate(); })) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("3-D View"));
    resize(640, 480);  // initial size of the window; a user resizes it freely
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(surface_);
    surface_->onPaint = [this](QOpenGLFunctions_1_1& gl) { renderer_.Draw(gl, dims_, camera_, surface_->size()); };
    surface_->onOverlay = [this](QPainter& painter) { Overlay(painter); };
    connect(surface_, &TglWindow::mousePressed, this, &T3DForm::MouseDown);
    connect(surface_, &TglWindow::mouseMoved, this, &T3DForm::MouseMove);
    connect(surface_, &TglWindow::mouseReleased, this, &T3DForm::MouseUp);
    connect(surface_, &TglWindow::failed, this, &T3DForm::ReportFailure);
}

T3DForm::~T3DForm() { delete deformedForm_.data(); }

void T3DForm::Activate() {
    watch_->Attach();
    if (!measured_) {
        measured_ = ComputeSceneDimensions(project_);
        dims_ = *measured_;
        Rebuild();
    }
    surface_->update();
}

void T3DForm::Rebuild() {
    camera_.fit = FitScale(dims_, surface_->size());
    scene_ = BuildScene(project_, dims_, switches_, deformed_, LoadedDeflections(graphs_, project_, dims_));
    renderer_.SetScene(&scene_);
    surface_->update();
}

void T3DForm::SetShown(TSceneGroup group, bool shown) {
    switches_.Set(group, shown);
    Rebuild();
}

void T3DForm::ZoomIn() {
    camera_.zoom *= kZoomStep;
    surface_->update();
}

void T3DForm::ZoomOut() {
    camera_.zoom /= kZoomStep;
    surface_->update();
}

void T3DForm::RestartView() {
    camera_.Restart();
    surface_->update();
}

bool T3DForm::HasDeflections() const {
    const TGraphPlot& deflection = graphs_.pltDef;
    for (int i = 0; i < deflection.CurveCount(kMainCurves); ++i)
        if (deflection.Curve(kMainCurves, i).PointCount() > 1) return true;
    return false;
}

void T3DForm::DeformedShapeClick() {
    if (!deformedForm_) deformedForm_ = new TDeformedShapeForm(*this);
    deformedForm_->show();
    deformedForm_->raise();
    deformedForm_->activateWindow();
}

void T3DForm::SetShowDeformed(bool on) {
    deformed_.showDeformed = on;
    Rebuild();
}

void T3DForm::SetShowUndeformed(bool on) {
    deformed_.showUndeformed = on;
    Rebuild();
}

void T3DForm::SetDeformationFactor(double factor) {
    deformed_.factor = factor;
    Rebuild();
}

void T3DForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (measured_) Rebuild();
}

void T3DForm::MouseDown(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || mode_ == TMouseMode::None) return;
    if (mode_ == TMouseMode::ZoomWindow && !zoomWindow_) return;
    drag_.emplace(mode_, event->position().toPoint(), camera_);
    pointer_ = event->position().toPoint();
}

void T3DForm::MouseMove(QMouseEvent* event) {
    if (!drag_ || !(event->buttons() & Qt::LeftButton)) return;
    pointer_ = event->position().toPoint();
    camera_ = drag_->Moved(pointer_, event->modifiers() & Qt::ShiftModifier, surface_->size());
    surface_->update();
}

void T3DForm::MouseUp(QMouseEvent* event) {
    if (!drag_ || event->button() != Qt::LeftButton) return;
    camera_ = drag_->Released(event->position().toPoint(), event->modifiers() & Qt::ShiftModifier, surface_->size());
    drag_.reset();
    surface_->update();
}

void T3DForm::ReportFailure(const QString& message) { QMessageBox::information(this, windowTitle(), message); }

// The axis labels at the axis ends, and the zoom-window box while dragged.
void T3DForm::Overlay(QPainter& painter) const {
    const QMatrix4x4 mv = ModelView(dims_, camera_);
    const float scale = static_cast<float>(camera_.fit * camera_.zoom);
    const float length = scale != 0 ? 80 / scale : 0;
    const QSize size = surface_->size();
    painter.setPen(Qt::blue);
    painter.drawText(ScreenPoint(mv, size, {length, 0, 0}), QStringLiteral("X"));
    painter.setPen(Qt::green);
    painter.drawText(ScreenPoint(mv, size, {0, length, 0}), QStringLiteral("Y"));
    painter.setPen(Qt::red);
    painter.drawText(ScreenPoint(mv, size, {0, 0, -length}), QStringLiteral("D"));
    if (!drag_ || drag_->Mode() != TMouseMode::ZoomWindow) return;
    painter.setPen(Qt::green);
    painter.drawRect(QRect(drag_->Start(), pointer_).normalized());
}

}  // namespace korvex::app
