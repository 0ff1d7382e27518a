// The contents of an exported workbook, before any file is written: the
// "Legend" index sheet, and per exported graph a data sheet with the points
// of its curves and a chart sheet that plots them.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace korvex::app {

struct TSheetCell {
    int Row = 0;     // 0-based
    int Column = 0;  // 0-based
    QString Text;
    std::optional<double> Number;  // a number cell when set, else text
    QString Link;                  // a link inside the workbook, "Sheet!A1", when set
    bool Bold = false;
};

struct TWorksheetPlan {
    QString Name;
    std::vector<TSheetCell> Cells;
    // Widths (in characters) of the columns from B on, fitted to headers.
    std::vector<double> ColumnWidths;

    const TSheetCell* Cell(int row, int column) const;
};

struct TSeriesPlan {
    QString Name;
    QString XValues;  // reference formula such as =Page_1!$A$6:$A$306
    QString YValues;
};

struct TChartPlan {
    QString Name;
    QString XTitle;
    QString YTitle;
    bool ReverseY = false;  // depth grows downwards
    std::vector<TSeriesPlan> Series;
};

struct TGraphPages {
    TWorksheetPlan Data;
    TChartPlan Chart;
};

struct TWorkbookPlan {
    TWorksheetPlan Legend;
    std::vector<TGraphPages> Graphs;
};

}  // namespace korvex::app
