// Export of result graphs to a spreadsheet: a new workbook with the
// "Legend" index, and per chosen graph a data sheet "Page_k" and a chart
// sheet "Plot_k", opened with the desktop's program for workbooks for the
// user to look at and save.
#pragma once

#include <QString>
#include <array>
#include <vector>

namespace korvex::app {

class TGraphPlot;
class TGraphSet;

constexpr int kExportGraphCount = 7;
using TExportChoice = std::array<bool, kExportGraphCount>;

// The chosen graphs of the export order (p-y curves, deflection, shear,
// moment, net reaction, earth pressure, earth pressure combined).
std::vector<const TGraphPlot*> ChosenGraphs(TGraphSet& graphs, const TExportChoice& chosen);

// Writes the workbook of the graphs to a file; empty on success, else why
// it failed.
QString WriteGraphWorkbook(const std::vector<const TGraphPlot*>& graphs, const QString& fileName);

// Writes the workbook of the chosen graphs to a new file in the temporary
// folder and opens it with the default program; empty on success, else why
// it failed.
QString ExportPlotsToSpreadsheet(TGraphSet& graphs, const TExportChoice& chosen);

}  // namespace korvex::app
