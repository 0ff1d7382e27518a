// Writes a planned workbook as an .xlsx file: the "Legend" sheet, then per
// graph its data sheet and its chart sheet (a scatter chart with straight
// lines and markers, axis titles, major gridlines, depth growing
// downwards for depth graphs).
#pragma once

#include <QString>

namespace korvex::app {

struct TWorkbookPlan;

// Empty on success, else the reason the file could not be written.
QString WriteWorkbook(const TWorkbookPlan& plan, const QString& fileName);

}  // namespace korvex::app
