// How exported graphs are laid out in a workbook: the "Legend" index with
// one row per graph linking to its data sheet "Page_k", the data sheets
// with every curve of the main list in two columns, and the chart sheets
// "Plot_k" that plot those columns.
#pragma once

#include "graphics/widgets/workbook_plan.h"

#include <vector>

namespace korvex::app {

class TGraphPlot;

// Column letters: 1 .. 26 are A .. Z, 27 .. 702 are AA .. ZZ.
QString GetExcelCol(int i);

TWorkbookPlan PlanWorkbook(const std::vector<const TGraphPlot*>& graphs);

}  // namespace korvex::app
