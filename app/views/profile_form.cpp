#include "views/profile_form.h"

#include "graphics/graph_set.h"
#include "views/activation_watch.h"
#include "views/profile_canvas.h"
#include "views/profile_painter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex::app {

namespace {

const QString kCaption = QStringLiteral("Side View");

// The depth is shown with one decimal, in exponent form beyond six digits.
QString DepthText(long double depth) {
    const double v = static_cast<double>(depth);
    return std::abs(v) < 1e6 ? QString::number(v, 'f', 1) : QString::number(v, 'E', 5);
}

}  // namespace

TProfileForm::TProfileForm(TProgramData& project, QWidget* parent)
    : QWidget(parent),
      project_(project),
      title_(new QLabel(QStringLiteral("Wall Profile"), this)),
      canvas_(new TProfileCanvas(project, geometry_, [this] { return Results(); }, this)),
      watch_(new TActivationWatch(this, [this] { Activate(); })) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kCaption);
    resize(640, 480);  // initial size of the window; a user resizes it freely
    auto* print = new QPushButton(QStringLiteral("Print"), this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(title_);
    bar->addStretch();
    bar->addWidget(print);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(canvas_, 1);
    connect(print, &QPushButton::clicked, this, &TProfileForm::PrintClick);
    connect(canvas_, &TProfileCanvas::depthPointed, this, &TProfileForm::ShowDepth);
}

TProfileResults TProfileForm::Results() const {
    return TProfileResults{graphs_ ? graphs_->pltLD.PointCount(kMainCurves) : 0};
}

void TProfileForm::SetGraphs(const TGraphSet* graphs) {
    graphs_ = graphs;
    canvas_->update();
}

void TProfileForm::Activate() {
    watch_->Attach();
    geometry_ = BuildProfileGeometry(project_);
    canvas_->update();
}

void TProfileForm::ShowDepth(long double depth) {
    setWindowTitle(QStringLiteral("  Depth: ") + DepthText(depth));
}

void TProfileForm::PrintOn(QPrinter& printer) const {
    if (geometry_.world.IsDegenerate()) return;
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Soil-Pile Profile"));
    QPainter painter;
    if (!painter.begin(&printer)) return;
    painter.setFont(title_->font());
    painter.setBackgroundMode(Qt::TransparentMode);
    const QSize page = painter.viewport().size();
    const TProfileTarget target = TProfileTarget::Page(canvas_->View(), page, canvas_->size());
    PaintProfile(painter, target, project_, geometry_, Results(), {QColor(), Qt::black});
    painter.end();
}

void TProfileForm::PrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) PrintOn(printer);
}

}  // namespace korvex::app
