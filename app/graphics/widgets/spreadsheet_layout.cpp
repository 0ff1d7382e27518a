#include "graphics/widgets/spreadsheet_layout.h"

#include "framework/decimal_separator.h"
#include "framework/number_text.h"
#include "graphics/graph_plot.h"

namespace korvex::app {
namespace {

const QString kLegendSheet = QStringLiteral("Legend");
const QStringList kLegendHeaders = {QStringLiteral("     N    "),
                                    QStringLiteral("                             Plot Name                             "),
                                    QStringLiteral("  Sheet Name  "), QStringLiteral("  Chart Name  "),
                                    QStringLiteral("          Status          ")};
constexpr int kFirstLegendColumn = 1;  // column B
constexpr int kFirstPointRow = 5;      // row 6

TSheetCell Text(int row, int column, const QString& text) { return {row, column, text, std::nullopt, {}, false}; }

// A value as the general float-to-text conversion gives it, held as a
// number so that the charts can plot it.
TSheetCell Number(int row, int column, long double value) {
    const TPointSeparator point;
    const QString text = FormatReal15(value);
    return {row, column, text, static_cast<double>(ParseReal(text, QLatin1Char('.')).value_or(static_cast<double>(value))), {}, false};
}

TWorksheetPlan LegendSheet(const std::vector<const TGraphPlot*>& graphs) {
    TWorksheetPlan sheet{kLegendSheet, {}, {}};
    for (int i = 0; i < kLegendHeaders.size(); ++i) {
        TSheetCell header = Text(1, kFirstLegendColumn + i, kLegendHeaders[i]);
        header.Bold = true;
        sheet.Cells.push_back(header);
        sheet.ColumnWidths.push_back(kLegendHeaders[i].size());
    }
    for (int k = 1; k <= static_cast<int>(graphs.size()); ++k) {
        const int row = k + 1;
        const QString page = QStringLiteral("Page_%1").arg(k);
        sheet.Cells.push_back({row, 1, QString::number(k), k, {}, false});
        sheet.Cells.push_back(Text(row, 2, graphs[static_cast<std::size_t>(k - 1)]->Caption));
        TSheetCell link = Text(row, 3, page);
        link.Link = page + QStringLiteral("!A1");
        sheet.Cells.push_back(link);
        sheet.Cells.push_back(Text(row, 4, QStringLiteral("Plot_%1").arg(k)));
        sheet.Cells.push_back(Text(row, 5, QStringLiteral("Complete")));
    }
    return sheet;
}

TWorksheetPlan DataSheet(const TGraphPlot& graph, int k) {
    TWorksheetPlan sheet{QStringLiteral("Page_%1").arg(k), {}, {}};
    TSheetCell back = Text(0, 6, QStringLiteral("Go to Legend Page"));
    back.Link = kLegendSheet + QStringLiteral("!A1");
    sheet.Cells.push_back(back);
    sheet.Cells.push_back(Text(0, 0, graph.Caption));
    sheet.Cells.push_back(Text(1, 0, QStringLiteral("X")));
    sheet.Cells.push_back(Text(1, 1, graph.XTitle()));
    sheet.Cells.push_back(Text(2, 0, QStringLiteral("Y")));
    sheet.Cells.push_back(Text(2, 1, graph.YTitle()));
    const int points = graph.PointCount(kMainCurves);
    for (int c = 0; c < graph.CurveCount(kMainCurves); ++c) {
        const TLine& curve = graph.Curve(kMainCurves, c);
        sheet.Cells.push_back(Text(3, 2 * c, graph.DisplayName(kMainCurves, c)));
        sheet.Cells.push_back(Text(4, 2 * c, QStringLiteral("X")));
        sheet.Cells.push_back(Text(4, 2 * c + 1, QStringLiteral("Y")));
        for (int j = 0; j < points && j < curve.PointCount(); ++j) {
            sheet.Cells.push_back(Number(kFirstPointRow + j, 2 * c, curve.Point(j).X));
            sheet.Cells.push_back(Number(kFirstPointRow + j, 2 * c + 1, curve.Point(j).Y));
        }
    }
    return sheet;
}

QString ColumnRange(const QString& sheet, int column, int lastRow) {
    const QString letters = GetExcelCol(column);
    return QStringLiteral("=%1!$%2$6:$%2$%3").arg(sheet, letters).arg(lastRow);
}

TChartPlan Chart(const TGraphPlot& graph, int k, const QString& dataSheet) {
    TChartPlan chart{QStringLiteral("Plot_%1").arg(k), graph.XTitle(), graph.YTitle(), graph.XOnTop, {}};
    const int lastRow = graph.PointCount(kMainCurves) + kFirstPointRow;
    for (int c = 1; c <= graph.CurveCount(kMainCurves); ++c) {
        chart.Series.push_back({graph.DisplayName(kMainCurves, c - 1), ColumnRange(dataSheet, 2 * c - 1, lastRow),
                                ColumnRange(dataSheet, 2 * c, lastRow)});
    }
    return chart;
}

}  // namespace

const TSheetCell* TWorksheetPlan::Cell(int row, int column) const {
    const TSheetCell* found = nullptr;
    for (const TSheetCell& cell : Cells) {
        if (cell.Row == row && cell.Column == column) found = &cell;
    }
    return found;
}

QString GetExcelCol(int i) {
    if (i <= 26) return QString(QChar(64 + i));
    return QString(QChar((i - 1) / 26 + 64)) + QChar((i - 1) % 26 + 65);
}

TWorkbookPlan PlanWorkbook(const std::vector<const TGraphPlot*>& graphs) {
    TWorkbookPlan plan{LegendSheet(graphs), {}};
    for (int k = 1; k <= static_cast<int>(graphs.size()); ++k) {
        const TGraphPlot& graph = *graphs[static_cast<std::size_t>(k - 1)];
        TWorksheetPlan data = DataSheet(graph, k);
        TChartPlan chart = Chart(graph, k, data.Name);
        plan.Graphs.push_back({std::move(data), std::move(chart)});
    }
    return plan;
}

}  // namespace korvex::app
