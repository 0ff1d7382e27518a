// The curves of one result graph as comma-separated text: one header row
// naming each column by its curve and axis title, then one row per point
// with X and Y of every curve side by side.
#pragma once

#include <QString>

namespace korvex::app {

class TGraphPlot;

// Numbers use '.' whatever the user's separator, as the comma separates cells.
QString GraphCsv(const TGraphPlot& graph);

// A file name for the graph: its caption in lower case with every run of
// other characters than letters and digits made one "_".
QString GraphFileName(const TGraphPlot& graph);

}  // namespace korvex::app
