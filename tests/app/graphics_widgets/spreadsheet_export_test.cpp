#include "graphics/widgets/spreadsheet_export.h"

#include "graphics/graph_set.h"
#include "graphics/widgets/spreadsheet_layout.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korvex::app {
namespace {

QString Fixture(const char* name) { return QStringLiteral(KORVEX_GRAPH_FIXTURES "/") + QString::fromLatin1(name); }

constexpr std::size_t kShear = 2, kEarthPressure = 5, kCombined = 6;

QString CellText(const TWorksheetPlan& sheet, int row, int column) {
    const TSheetCell* cell = sheet.Cell(row, column);
    return cell != nullptr ? cell->Text : QStringLiteral("<none>");
}

// One member of the written .xlsx package (a zip archive) as text.
QString PackagePart(const QString& workbook, const char* part) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), workbook, QString::fromLatin1(part)});
    EXPECT_TRUE(unzip.waitForFinished(10000));
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

class SpreadsheetExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        TPlotProject project;
        project.Units = 2;
        ASSERT_TRUE(graphs_.LoadPlotData(Fixture("two_stages_si.rw5p"), project, false));
    }

    std::vector<const TGraphPlot*> Choose(std::initializer_list<std::size_t> positions) {
        TExportChoice chosen{};
        for (std::size_t p : positions) chosen[p] = true;
        return ChosenGraphs(graphs_, chosen);
    }

    TGraphSet graphs_;
};

TEST(ExcelColumns, OneAndTwoLetterColumns) {
    EXPECT_EQ(GetExcelCol(1), QStringLiteral("A"));
    EXPECT_EQ(GetExcelCol(26), QStringLiteral("Z"));
    EXPECT_EQ(GetExcelCol(27), QStringLiteral("AA"));
    EXPECT_EQ(GetExcelCol(28), QStringLiteral("AB"));
    EXPECT_EQ(GetExcelCol(31), QStringLiteral("AE"));
    EXPECT_EQ(GetExcelCol(60), QStringLiteral("BH"));
    EXPECT_EQ(GetExcelCol(702), QStringLiteral("ZZ"));
}

TEST_F(SpreadsheetExportTest, CombinedEarthPressureGivesOnePageWithThreeCurves) {
    const TWorkbookPlan plan = PlanWorkbook(Choose({kCombined}));
    const TWorksheetPlan& legend = plan.Legend;
    EXPECT_EQ(legend.Name, QStringLiteral("Legend"));
    EXPECT_EQ(CellText(legend, 1, 1), QStringLiteral("     N    "));
    EXPECT_TRUE(legend.Cell(1, 5)->Bold);
    EXPECT_EQ(legend.Cell(2, 1)->Number, 1.0);
    EXPECT_EQ(CellText(legend, 2, 2), QStringLiteral("Earth Pressure Combined"));
    EXPECT_EQ(legend.Cell(2, 3)->Link, QStringLiteral("Page_1!A1"));
    EXPECT_EQ(CellText(legend, 2, 4), QStringLiteral("Plot_1"));
    EXPECT_EQ(CellText(legend, 2, 5), QStringLiteral("Complete"));

    ASSERT_EQ(plan.Graphs.size(), 1u);
    const TWorksheetPlan& data = plan.Graphs[0].Data;
    EXPECT_EQ(data.Name, QStringLiteral("Page_1"));
    EXPECT_EQ(data.Cell(0, 6)->Link, QStringLiteral("Legend!A1"));
    EXPECT_EQ(CellText(data, 0, 6), QStringLiteral("Go to Legend Page"));
    EXPECT_EQ(CellText(data, 3, 0), QStringLiteral("Total Earth Pressure"));
    EXPECT_EQ(CellText(data, 3, 2), QStringLiteral("from Soils "));
    EXPECT_EQ(CellText(data, 3, 4), QStringLiteral("from Surcharge Loads"));
    EXPECT_EQ(CellText(data, 4, 5), QStringLiteral("Y"));
    const TGraphPlot& combined = graphs_.PltCombine;
    const int m = combined.PointCount(kMainCurves);
    ASSERT_GT(m, 1);
    EXPECT_DOUBLE_EQ(*data.Cell(5 + m - 1, 1)->Number, static_cast<double>(combined.Point(kMainCurves, 0, m - 1).Y));
    EXPECT_EQ(data.Cell(5 + m, 0), nullptr);

    const TChartPlan& chart = plan.Graphs[0].Chart;
    EXPECT_EQ(chart.Name, QStringLiteral("Plot_1"));
    ASSERT_EQ(chart.Series.size(), 3u);
    EXPECT_EQ(chart.Series[2].XValues, QStringLiteral("=Page_1!$E$6:$E$%1").arg(m + 5));
    EXPECT_EQ(chart.Series[2].YValues, QStringLiteral("=Page_1!$F$6:$F$%1").arg(m + 5));
    EXPECT_TRUE(chart.ReverseY);
}

TEST_F(SpreadsheetExportTest, GraphsAreNumberedInTheOrderChosenAndTitledWithTheirUnits) {
    const TWorkbookPlan plan = PlanWorkbook(Choose({kEarthPressure, kShear}));
    ASSERT_EQ(plan.Graphs.size(), 2u);
    EXPECT_EQ(CellText(plan.Graphs[0].Data, 0, 0), QStringLiteral("Shear vs Depth"));
    EXPECT_EQ(CellText(plan.Graphs[0].Data, 1, 1), graphs_.pltShear.XTitle());
    EXPECT_EQ(CellText(plan.Graphs[0].Data, 2, 1), QStringLiteral("Depth (m)"));
    EXPECT_EQ(plan.Graphs[1].Data.Name, QStringLiteral("Page_2"));
    EXPECT_EQ(CellText(plan.Graphs[1].Data, 0, 0), QStringLiteral("Earth Pressure Distribution"));
    EXPECT_EQ(PlanWorkbook(Choose({0})).Graphs[0].Chart.ReverseY, false) << "p-y curves grow upwards";
}

TEST_F(SpreadsheetExportTest, WrittenWorkbookHoldsTheSheetsCellsAndChart) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plots.xlsx"));
    ASSERT_EQ(WriteGraphWorkbook(Choose({kShear, kCombined}), file), QString());
    const QString workbook = PackagePart(file, "xl/workbook.xml");
    const qsizetype legend = workbook.indexOf(QStringLiteral("name=\"Legend\""));
    const qsizetype page2 = workbook.indexOf(QStringLiteral("name=\"Page_2\""));
    const qsizetype plot2 = workbook.indexOf(QStringLiteral("name=\"Plot_2\""));
    EXPECT_GE(legend, 0);
    EXPECT_LT(legend, workbook.indexOf(QStringLiteral("name=\"Page_1\"")));
    EXPECT_LT(workbook.indexOf(QStringLiteral("name=\"Plot_1\"")), page2);
    EXPECT_LT(page2, plot2);
    const QString strings = PackagePart(file, "xl/sharedStrings.xml");
    EXPECT_TRUE(strings.contains(QStringLiteral("Total Earth Pressure")));
    EXPECT_TRUE(strings.contains(QStringLiteral("Go to Legend Page")));
    const QString chart = PackagePart(file, "xl/charts/chart2.xml");
    EXPECT_TRUE(chart.contains(QStringLiteral("Page_2!$C$6:$C$"))) << chart.left(400).toStdString();
    EXPECT_TRUE(chart.contains(QStringLiteral("maxMin")));
}

}  // namespace
}  // namespace korvex::app
