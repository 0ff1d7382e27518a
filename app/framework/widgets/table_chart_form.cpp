#include "framework/widgets/table_chart_form.h"

#include "framework/curve_import.h"
#include "framework/errors.h"
#include "framework/grid_table_chart.h"
#include "framework/widgets/curve_chart.h"
#include "framework/widgets/information_box.h"
#include "framework/widgets/word_processor.h"

#include <QBoxLayout>
#include <QChartView>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPushButton>

namespace korvex::app {

namespace {
const QString kFileFilter = QStringLiteral("Text Files (*.txt);;Data Files (*.dat);;All Files (*.*)");
}

TTableChartForm::TTableChartForm(TGridTableChart& table, QWidget* parent) : TTableForm(table, parent), chartTable_(table) {
    if (table.Graphic().chartOn) BuildChart();
    if (table.GetDataFromFile()) BuildImportControls();
    if (table.OKCancelButtons()) BuildOKCancel();
    connect(&table, &TGridTable::cellChanged, this, [this] {
        if (chart_) chart_->Plot(chartTable_);
    });
    Refresh();
}

void TTableChartForm::BuildChart() {
    chart_ = new TCurveChart;
    chartView_ = new QChartView(chart_);
    chartView_->setObjectName(QStringLiteral("Chart1"));
    chartView_->setMinimumSize(360, 240);
    Layout().insertWidget(0, chartView_, 1);
}

void TTableChartForm::BuildImportControls() {
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("File Name:"));
    label->setObjectName(QStringLiteral("FileNameLabel"));
    fileNameEdit_ = new QLineEdit;
    fileNameEdit_->setObjectName(QStringLiteral("FileNameEdit"));
    label->setBuddy(fileNameEdit_);
    row->addWidget(label);
    row->addWidget(fileNameEdit_, 1);
    Layout().addLayout(row);
    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const QString& caption, void (TTableChartForm::*click)()) {
        auto* b = new QPushButton(caption);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, click);
        buttons->addWidget(b);
        return b;
    };
    button("BtnBrowse", QStringLiteral("Browse"), &TTableChartForm::BrowseClick);
    btnEdit_ = button("BtnEdit", QStringLiteral("View/Edit File"), &TTableChartForm::EditClick);
    btnRead_ = button("BtnRead", QStringLiteral("Read values from File"), &TTableChartForm::ReadClick);
    button("BtnClip", QStringLiteral("Paste values from  Clipboard (text)"), &TTableChartForm::ClipClick);
    buttons->addStretch();
    Layout().addLayout(buttons);
    connect(fileNameEdit_, &QLineEdit::textChanged, this, &TTableChartForm::FileNameChanged);
    FileNameChanged();
}

void TTableChartForm::BuildOKCancel() {
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("BtnOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("BtnCancel"));
    connect(ok, &QPushButton::clicked, this, &TTableChartForm::OKClick);
    connect(cancel, &QPushButton::clicked, this, &TTableChartForm::CancelClick);
    ButtonRow().insertWidget(0, ok);
    ButtonRow().insertWidget(1, cancel);
}

void TTableChartForm::Refresh() {
    TTableForm::Refresh();
    if (chartTable_.OKCancelButtons()) {
        BtnAdd().hide();
        BtnIns().hide();
    }
    if (chart_) chart_->Plot(chartTable_);
}

void TTableChartForm::FileNameChanged() {
    const bool exists = QFileInfo(fileNameEdit_->text()).isFile();
    btnEdit_->setEnabled(exists);
    btnRead_->setEnabled(exists);
}

void TTableChartForm::BrowseClick() {
    const QString name = QFileDialog::getOpenFileName(this, {}, fileNameEdit_->text(), kFileFilter);
    if (!name.isEmpty()) fileNameEdit_->setText(name);
}

void TTableChartForm::EditClick() {
    if (!OpenInWordProcessor(fileNameEdit_->text()))
        ShowInformation(this, QStringLiteral("An error occurred in running the Word Processor"));
}

template <typename Fill>
void TTableChartForm::Import(Fill fill) {
    if (!ValidateCell()) return;
    try {
        if (fill() > 0) Table().SetChanged(true);
    } catch (const EKorvexError& e) {
        ShowInformation(this, e.Message());
    }
    Refresh();
    FitToContents();
}

void TTableChartForm::ReadClick() {
    Import([this] { return FillRowsFromFile(Table(), fileNameEdit_->text()); });
}

void TTableChartForm::ClipClick() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) {
        ShowInformation(this, QStringLiteral("There is no text on the Clipboard"));
        return;
    }
    const QString text = data->text();
    Import([&] { return FillRowsFromLines(Table(), ClipboardLines(text)); });
}

void TTableChartForm::OKClick() {
    if (ValidateCell()) CloseFrame();
}

// Cancel drops the text typed into the current cell; values already entered
// stay in the table.
void TTableChartForm::CancelClick() {
    Grid().DiscardPendingEdit();
    Refresh();
    CloseFrame();
}

void TTableChartForm::CloseFrame() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

}  // namespace korvex::app
