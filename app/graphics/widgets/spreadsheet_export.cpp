#include "graphics/widgets/spreadsheet_export.h"

#include "graphics/graph_set.h"
#include "graphics/widgets/spreadsheet_layout.h"
#include "graphics/widgets/xlsx_writer.h"

#include <QDesktopServices>
#include <QDir>
#include <QTemporaryFile>
#include <QUrl>

namespace korvex::app {

std::vector<const TGraphPlot*> ChosenGraphs(TGraphSet& graphs, const TExportChoice& chosen) {
    std::vector<const TGraphPlot*> result;
    const auto all = graphs.ExportGraphs();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (chosen[i]) result.push_back(all[i]);
    }
    return result;
}

QString WriteGraphWorkbook(const std::vector<const TGraphPlot*>& graphs, const QString& fileName) {
    return WriteWorkbook(PlanWorkbook(graphs), fileName);
}

QString ExportPlotsToSpreadsheet(TGraphSet& graphs, const TExportChoice& chosen) {
    // A new file of its own each time, kept after the program ends, so the
    // user can save it wherever wanted.
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("Korvex plots XXXXXX.xlsx")));
    file.setAutoRemove(false);
    if (!file.open()) return QStringLiteral("No new workbook can be made in ") + QDir::tempPath() + QStringLiteral(".");
    const QString fileName = file.fileName();
    file.close();
    const QString error = WriteGraphWorkbook(ChosenGraphs(graphs, chosen), fileName);
    if (!error.isEmpty()) return error;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(fileName))) {
        return QStringLiteral("The workbook ") + fileName + QStringLiteral(" was written but no program could open it.");
    }
    return {};
}

}  // namespace korvex::app
