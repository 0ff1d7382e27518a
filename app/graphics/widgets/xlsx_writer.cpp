#include "graphics/widgets/xlsx_writer.h"

#include "graphics/widgets/workbook_plan.h"

#include <list>
#include <xlsxwriter.h>

namespace korvex::app {
namespace {

// Keeps the UTF-8 texts handed to the writer alive until the file is closed.
class TTexts {
public:
    const char* operator()(const QString& text) { return texts_.emplace_back(text.toUtf8()).constData(); }

private:
    std::list<QByteArray> texts_;
};

void WriteCell(lxw_worksheet* sheet, const TSheetCell& cell, lxw_format* bold, TTexts& utf8) {
    lxw_format* format = cell.Bold ? bold : nullptr;
    const auto row = static_cast<lxw_row_t>(cell.Row);
    const auto column = static_cast<lxw_col_t>(cell.Column);
    if (!cell.Link.isEmpty()) {
        worksheet_write_url_opt(sheet, row, column, utf8(QStringLiteral("internal:") + cell.Link), format, utf8(cell.Text), nullptr);
    } else if (cell.Number) {
        worksheet_write_number(sheet, row, column, *cell.Number, format);
    } else {
        worksheet_write_string(sheet, row, column, utf8(cell.Text), format);
    }
}

void WriteSheet(lxw_workbook* workbook, const TWorksheetPlan& plan, lxw_format* bold, TTexts& utf8) {
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, utf8(plan.Name));
    for (std::size_t i = 0; i < plan.ColumnWidths.size(); ++i) {
        const auto column = static_cast<lxw_col_t>(i + 1);
        worksheet_set_column(sheet, column, column, plan.ColumnWidths[i] + 1, nullptr);
    }
    for (const TSheetCell& cell : plan.Cells) WriteCell(sheet, cell, bold, utf8);
}

void WriteChart(lxw_workbook* workbook, const TChartPlan& plan, TTexts& utf8) {
    lxw_chartsheet* sheet = workbook_add_chartsheet(workbook, utf8(plan.Name));
    lxw_chart* chart = workbook_add_chart(workbook, LXW_CHART_SCATTER_STRAIGHT_WITH_MARKERS);
    for (const TSeriesPlan& series : plan.Series) {
        lxw_chart_series* added = chart_add_series(chart, utf8(series.XValues), utf8(series.YValues));
        chart_series_set_name(added, utf8(series.Name));
    }
    chart_title_off(chart);
    chart_axis_set_name(chart->x_axis, utf8(plan.XTitle));
    chart_axis_set_name(chart->y_axis, utf8(plan.YTitle));
    chart_axis_major_gridlines_set_visible(chart->x_axis, LXW_TRUE);
    chart_axis_major_gridlines_set_visible(chart->y_axis, LXW_TRUE);
    if (plan.ReverseY) chart_axis_set_reverse(chart->y_axis);
    chartsheet_set_chart(sheet, chart);
}

}  // namespace

QString WriteWorkbook(const TWorkbookPlan& plan, const QString& fileName) {
    TTexts utf8;
    lxw_workbook* workbook = workbook_new(utf8(fileName));
    if (workbook == nullptr) return QStringLiteral("The workbook ") + fileName + QStringLiteral(" could not be created.");
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    format_set_align(bold, LXW_ALIGN_VERTICAL_CENTER);
    WriteSheet(workbook, plan.Legend, bold, utf8);
    for (const TGraphPages& graph : plan.Graphs) {
        WriteSheet(workbook, graph.Data, bold, utf8);
        WriteChart(workbook, graph.Chart, utf8);
    }
    const lxw_error result = workbook_close(workbook);
    if (result == LXW_NO_ERROR) return {};
    return QStringLiteral("The workbook ") + fileName + QStringLiteral(" could not be written: ") + QString::fromUtf8(lxw_strerror(result));
}

}  // namespace korvex::app
