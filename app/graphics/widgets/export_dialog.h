// TDlgExport ("Export to Excel"): the choice of result graphs to export to
// a spreadsheet. On every showing it lists the seven exportable graphs;
// those whose graph command is available start checked, the others are
// greyed out and cannot be checked.
#pragma once

#include "graphics/widgets/spreadsheet_export.h"

#include <QDialog>
#include <functional>

class QListWidget;
class QPushButton;

namespace korvex::app {

class TDlgExport : public QDialog {
    Q_OBJECT

public:
    // Whether the graph at an export position (0 .. 6) can be exported now.
    using TAvailability = std::function<bool(int position)>;
    // Writes and opens the workbook; empty on success, else why it failed.
    using TExporter = std::function<QString(TGraphSet& graphs, const TExportChoice& chosen)>;

    TDlgExport(TGraphSet& graphs, TAvailability available, QWidget* parent = nullptr, TExporter exporter = ExportPlotsToSpreadsheet);

    void FormActivate();
    int GetNPlots() const;
    void CheckGenerateBtn();
    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CheckEnabled(Qt::CheckState state);

    TGraphSet& graphs_;
    TAvailability available_;
    TExporter exporter_;
    QListWidget* CheckListBoxPlots;
    QPushButton* Button3;
};

}  // namespace korvex::app
