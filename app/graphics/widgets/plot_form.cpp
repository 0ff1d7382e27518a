#include "graphics/widgets/plot_form.h"

#include "graphics/graph_plot.h"
#include "graphics/widgets/active_lines_dialog.h"
#include "graphics/widgets/format_dialog.h"
#include "graphics/widgets/graph_caption_dialog.h"
#include "graphics/widgets/line_names_dialog.h"
#include "graphics/widgets/plot_canvas.h"

#include <QActionGroup>
#include <QFileDialog>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>
#include <QVBoxLayout>

namespace korvex::app {
namespace {

void Inform(QWidget* parent, const QString& text) { QMessageBox::information(parent, QString(), text, QMessageBox::Ok); }

bool HasPrinter() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

}  // namespace

TPlotForm::TPlotForm(TGraphPlot& plot, QWidget* parent)
    : QWidget(parent), graph_(plot), canvas_(new TPlotCanvas(plot)), plotMenu_(new QMenu(QStringLiteral("&Plot"), this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont(QStringLiteral("Times New Roman")));
    setWindowTitle(GraphCaption(graph_));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto* menuBar = new QMenuBar(this);
    menuBar->addMenu(plotMenu_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    layout->addWidget(canvas_);
    connect(canvas_, &TPlotCanvas::pointed, this, &QWidget::setWindowTitle);
    connect(canvas_, &TPlotCanvas::curveToggled, this, [this] {
        const std::vector<int> listed = ListedCurves(graph_);
        for (std::size_t k = 0; k < listed.size() && k < curveItems_.size(); ++k) {
            curveItems_[k]->setChecked(graph_.Curve(kMainCurves, listed[k]).Shown);
        }
    });

    // A graph whose ranges have no usable step cannot be shown.
    if (!canvas_->ResetRanges()) QTimer::singleShot(0, this, &QWidget::close);
    BuildMenu();
    canvas_->RebuildLegend();
    resize(640, 480);
    LayOutAgain();
}

TPlotForm::~TPlotForm() = default;

// The surface has its real size only once the window is first shown; the
// legend placed at creation goes to the corner of that plot.
void TPlotForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownBefore_) return;
    shownBefore_ = true;
    LayOutAgain();
}

void TPlotForm::AddChoiceMenu(const QString& title, const std::vector<std::pair<QString, int>>& choices, int& setting,
                              bool relayout) {
    QMenu* menu = plotMenu_->addMenu(title);
    auto* group = new QActionGroup(menu);
    for (const auto& [text, value] : choices) {
        QAction* item = menu->addAction(text);
        item->setCheckable(true);
        item->setChecked(setting == value);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, &setting, value, relayout] {
            setting = value;
            if (relayout) {
                canvas_->RebuildLegend();
                LayOutAgain();
            }
            canvas_->update();
        });
    }
}

void TPlotForm::BuildMenu() {
    QAction* legend = plotMenu_->addAction(QStringLiteral("Show &Legend"));
    legend->setCheckable(true);
    legend->setChecked(graph_.ShowLegend);
    connect(legend, &QAction::toggled, this, [this](bool on) {
        graph_.ShowLegend = on;
        canvas_->Legend()->setVisible(on && graph_.CurveCount(kMainCurves) > 0);
    });
    showLayers_ = plotMenu_->addAction(QStringLiteral("Show &Soil Layer"));
    showLayers_->setCheckable(true);
    showLayers_->setVisible(graph_.CurveCount(kOverlayLines) > 0);
    connect(showLayers_, &QAction::toggled, this, [this](bool on) {
        graph_.ShowLayers = on;
        UpdateLayerItems();
        LayOutAgain();
    });
    showWall_ = plotMenu_->addAction(QStringLiteral("Show &Wall Geometry"));
    showWall_->setCheckable(true);
    showWall_->setVisible(graph_.WallLineCount > 0);
    connect(showWall_, &QAction::toggled, this, [this](bool on) {
        graph_.ShowWall = on;
        LayOutAgain();
    });
    UpdateLayerItems();
    AddChoiceMenu(QStringLiteral("Show &Markers"),
                  {{QStringLiteral("&Never"), 0}, {QStringLiteral("Every &Increment"), 1}, {QStringLiteral("Every &2 Increments"), 2},
                   {QStringLiteral("Every &3 Incrments"), 3}, {QStringLiteral("Every &5 Increments"), 5},
                   {QStringLiteral("Every &10 Incements"), 10}},
                  graph_.Markers, false);
    AddChoiceMenu(QStringLiteral("&Font Size"),
                  {{QStringLiteral("&Default"), 10}, {QStringLiteral("1.5 * Default"), 15}, {QStringLiteral("2 * Default"), 20},
                   {QStringLiteral("2.5 * Default"), 25}, {QStringLiteral("3 * Default"), 30}, {QStringLiteral("4 * Default"), 40}},
                  graph_.SizeFont, true);
    AddChoiceMenu(QStringLiteral("&Line Width"),
                  {{QStringLiteral("&Default"), 1}, {QStringLiteral("2 * Default"), 2}, {QStringLiteral("4 * Default"), 4},
                   {QStringLiteral("6 * Default"), 6}, {QStringLiteral("10 * Default"), 10}},
                  graph_.WidthLine, false);
    const QList<QAction*> fixed = plotMenu_->actions();
    fixed[4]->setVisible(graph_.ShowFontWidth);
    fixed[5]->setVisible(graph_.ShowFontWidth);
    connect(plotMenu_->addAction(QStringLiteral("&Graph Title")), &QAction::triggered, this, &TPlotForm::PlotCaptionClick);
    connect(plotMenu_->addAction(QStringLiteral("&Edit Legend")), &QAction::triggered, this, &TPlotForm::mLineNameClick);
    connect(plotMenu_->addAction(QStringLiteral("&Active Curves")), &QAction::triggered, this, &TPlotForm::ActiveGraphsClick);
    plotMenu_->addSeparator();
    QAction* print = plotMenu_->addAction(QStringLiteral("&Print..."));
    QAction* pageSetup = plotMenu_->addAction(QStringLiteral("P&age Setup"));
    print->setEnabled(HasPrinter());
    pageSetup->setEnabled(HasPrinter());
    connect(print, &QAction::triggered, this, &TPlotForm::PlotPrintClick);
    connect(pageSetup, &QAction::triggered, this, &TPlotForm::PageSetupClick);
    connect(plotMenu_->addAction(QStringLiteral("&Save To Disk...")), &QAction::triggered, this, &TPlotForm::PlotSaveClick);
    plotMenu_->addSeparator();
    RebuildCurveItems();
}

// The wall can be shown only while the soil layers are.
void TPlotForm::UpdateLayerItems() {
    showLayers_->setChecked(graph_.ShowLayers);
    showWall_->setChecked(graph_.ShowWall);
    showWall_->setEnabled(graph_.ShowLayers);
}

// One item per listed curve after the fixed entries, ticked while shown.
void TPlotForm::RebuildCurveItems() {
    for (QAction* item : curveItems_) delete item;
    curveItems_.clear();
    for (int c : ListedCurves(graph_)) {
        QAction* item = plotMenu_->addAction(graph_.DisplayName(kMainCurves, c));
        item->setCheckable(true);
        item->setChecked(graph_.Curve(kMainCurves, c).Shown);
        connect(item, &QAction::triggered, this, [this, c] { canvas_->ToggleCurve(c); });
        curveItems_.push_back(item);
    }
}

void TPlotForm::LayOutAgain() {
    canvas_->PlaceLegend();
    canvas_->update();
}

void TPlotForm::PlotCaptionClick() {
    TfrmGraphCaption dialog(graph_.Title, graph_.TitleOnTop, this);
    dialog.exec();
    graph_.Title = dialog.Title();
    graph_.TitleOnTop = dialog.TitleOnTop();
    LayOutAgain();
}

QStringList TPlotForm::CurveNames() const {
    QStringList names;
    for (int c = 0; c < graph_.CurveCount(kMainCurves); ++c) names << graph_.DisplayName(kMainCurves, c);
    return names;
}

void TPlotForm::ApplyCurveNames(const QStringList& names) {
    for (int c = 0; c < graph_.CurveCount(kMainCurves) && c < names.size(); ++c) graph_.Curve(kMainCurves, c).Name = names[c];
    canvas_->RebuildLegend();
    RebuildCurveItems();
    canvas_->update();
}

void TPlotForm::ApplyCurveStatus(const QStringList& status) {
    for (int c = 0; c < graph_.CurveCount(kMainCurves) && c < status.size(); ++c) {
        graph_.Curve(kMainCurves, c).Listed = status[c] == kListedStatus;
    }
    canvas_->RebuildLegend();
    RebuildCurveItems();
    canvas_->update();
}

void TPlotForm::mLineNameClick() {
    QStringList names = CurveNames();
    TfrmLineNames dialog(names, this);
    if (dialog.exec() == QDialog::Accepted) ApplyCurveNames(names);
}

void TPlotForm::ActiveGraphsClick() {
    const QStringList names = CurveNames();
    QStringList status;
    for (int c = 0; c < graph_.CurveCount(kMainCurves); ++c) {
        status << (graph_.Curve(kMainCurves, c).Listed ? kListedStatus : kUnlistedStatus);
    }
    TfrmActiveLines dialog(names, status, this);
    if (dialog.exec() == QDialog::Accepted) ApplyCurveStatus(status);
}

bool TPlotForm::SaveBitmap(const QString& fileName, QSize size) {
    QImage bitmap(size, QImage::Format_RGB32);
    if (bitmap.isNull()) {
        Inform(this, QStringLiteral("There is not enough memory to complete this task."));
        return false;
    }
    {
        QPainter painter(&bitmap);
        canvas_->Render(painter, bitmap.rect(), canvas_->logicalDpiX(), canvas_->logicalDpiY());
    }
    if (bitmap.save(fileName, "BMP")) return true;
    Inform(this, QStringLiteral("The bitmap could not be written to ") + fileName + QStringLiteral("."));
    return false;
}

void TPlotForm::PlotSaveClick() {
    QFileDialog chooser(this);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setNameFilter(QStringLiteral("Bitmap (*.bmp)"));
    chooser.setDefaultSuffix(QStringLiteral("bmp"));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return;
    TdlgFormat format(this);
    if (format.exec() != QDialog::Accepted) return;
    SaveBitmap(chooser.selectedFiles().constFirst(), format.BitmapSize());
}

// Page-setup margins start at one inch on every side.
QPrinter& TPlotForm::Printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageMargins(QMarginsF(1, 1, 1, 1), QPageLayout::Inch);
    }
    return *printer_;
}

void TPlotForm::PlotPrintClick() {
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    printer.setDocName(GraphCaption(graph_));
    QPainter painter(&printer);
    const QRect page(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    canvas_->Render(painter, page, printer.logicalDpiX(), printer.logicalDpiY());
}

void TPlotForm::PageSetupClick() {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

}  // namespace korvex::app
