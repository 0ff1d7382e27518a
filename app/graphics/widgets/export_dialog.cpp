#include "graphics/widgets/export_dialog.h"

#include "graphics/graph_set.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex::app {
namespace {

QPushButton* Button(const char* name, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

TDlgExport::TDlgExport(TGraphSet& graphs, TAvailability available, QWidget* parent, TExporter exporter)
    : QDialog(parent), graphs_(graphs), available_(std::move(available)), exporter_(std::move(exporter)),
      CheckListBoxPlots(new QListWidget), Button3(Button("Button3", QStringLiteral("Generate Excel File"))) {
    setWindowTitle(QStringLiteral("Export to Excel"));
    CheckListBoxPlots->setObjectName(QStringLiteral("CheckListBoxPlots"));
    auto* Button1 = Button("Button1", QStringLiteral("Select All"));
    auto* Button2 = Button("Button2", QStringLiteral("Unselect All"));
    auto* Button4 = Button("Button4", QStringLiteral("Close Window"));
    connect(Button1, &QPushButton::clicked, this, &TDlgExport::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TDlgExport::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TDlgExport::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::close);
    connect(CheckListBoxPlots, &QListWidget::itemChanged, this, &TDlgExport::CheckGenerateBtn);

    auto* group = new QGroupBox(QStringLiteral("Available Plots"));
    (new QVBoxLayout(group))->addWidget(CheckListBoxPlots);
    auto* choose = new QHBoxLayout;
    choose->addWidget(Button1);
    choose->addWidget(Button2);
    auto* run = new QHBoxLayout;
    run->addWidget(Button3);
    run->addWidget(Button4);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(choose);
    layout->addLayout(run);
    for (const char* note : {"An Excel instance (if available) will open. ", "Please wait until all the data has been exported to Excel.",
                             "Please note that you need to save the excel file afterwards."}) {
        layout->addWidget(new QLabel(QString::fromLatin1(note)));
    }
    resize(350, 444);
}

void TDlgExport::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

// Every available graph starts checked; unavailable ones can be neither
// checked nor changed.
void TDlgExport::FormActivate() {
    const QSignalBlocker quiet(CheckListBoxPlots);
    CheckListBoxPlots->clear();
    const auto graphs = graphs_.ExportGraphs();
    for (int i = 0; i < kExportGraphCount; ++i) {
        auto* item = new QListWidgetItem(graphs[static_cast<std::size_t>(i)]->Caption, CheckListBoxPlots);
        const bool available = available_(i);
        item->setFlags(available ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::ItemFlags());
        item->setCheckState(available ? Qt::Checked : Qt::Unchecked);
    }
    CheckGenerateBtn();
}

int TDlgExport::GetNPlots() const {
    int checked = 0;
    for (int i = 0; i < CheckListBoxPlots->count(); ++i) checked += CheckListBoxPlots->item(i)->checkState() == Qt::Checked;
    return checked;
}

void TDlgExport::CheckGenerateBtn() { Button3->setEnabled(GetNPlots() > 0); }

void TDlgExport::CheckEnabled(Qt::CheckState state) {
    for (int i = 0; i < CheckListBoxPlots->count(); ++i) {
        QListWidgetItem* item = CheckListBoxPlots->item(i);
        if (item->flags().testFlag(Qt::ItemIsEnabled)) item->setCheckState(state);
    }
    CheckGenerateBtn();
}

void TDlgExport::Button1Click() { CheckEnabled(Qt::Checked); }

void TDlgExport::Button2Click() { CheckEnabled(Qt::Unchecked); }

void TDlgExport::Button3Click() {
    TExportChoice chosen{};
    for (int i = 0; i < kExportGraphCount && i < CheckListBoxPlots->count(); ++i) {
        chosen[static_cast<std::size_t>(i)] = CheckListBoxPlots->item(i)->checkState() == Qt::Checked;
    }
    const QString error = exporter_(graphs_, chosen);
    const QString message =
        error.isEmpty() ? QStringLiteral("Export to Excel Completed\nPlease note that you need to save the excel file\n") : error;
    QMessageBox::information(this, windowTitle(), message, QMessageBox::Ok);
}

}  // namespace korvex::app
