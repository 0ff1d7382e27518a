#include "framework/widgets/table_chart_form.h"

#include "framework/float_column.h"
#include "framework/grid_table_chart.h"
#include "framework/widgets/curve_chart.h"
#include "message_catcher.h"
#include "qstring_printer.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTemporaryDir>
#include <QValueAxis>
#include <gtest/gtest.h>

using namespace korvex::app;

namespace {

// A p-y curve table: two real columns, the chart on, file import offered.
struct CurveTable {
    explicit CurveTable(int rows, int maxRows = 0) {
        table.SetCaption("p-y Curve");
        table.SetMaxRows(maxRows);
        table.SetGetDataFromFile(true);
        table.SetGraphic({.chartOn = true, .xColumn = 0, .yColumn = 1});
        table.Add<TFloatColumn>({"y"});
        table.Add<TFloatColumn>({"p"});
        table.SetRowCount(rows);
    }

    TGridTableChart table;
};

QString WriteFile(const QTemporaryDir& dir, const QByteArray& text) {
    const QString name = dir.filePath("curve.txt");
    QFile file(name);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return name;
}

double Y(const TTableChartForm& form, int point) { return form.Chart().Curve().at(point).y(); }

}  // namespace

TEST(TableChartForm, ReadingAFileFillsTheTableAndTheChart) {
    CurveTable t(5);
    TTableChartForm form(t.table);
    QTemporaryDir dir;
    form.FileNameEdit().setText(WriteFile(dir, "y p\n0 0\n0.5,100\n1\t150\n"));
    ASSERT_TRUE(form.findChild<QPushButton*>("BtnRead")->isEnabled());
    form.findChild<QPushButton*>("BtnRead")->click();
    ASSERT_EQ(t.table.RowCount(), 3) << "the header is skipped, the surplus rows deleted";
    EXPECT_EQ(t.table.Cell(0, 1).AsFloat(), 0.5);
    EXPECT_EQ(t.table.Cell(1, 2).AsFloat(), 150);
    EXPECT_EQ(form.Grid().rowCount(), 3);
    EXPECT_EQ(form.Grid().item(2, 1)->text(), "150");
    ASSERT_EQ(form.Chart().Curve().count(), 3);
    EXPECT_EQ(form.Chart().Curve().at(1), QPointF(0.5, 100));
    EXPECT_TRUE(t.table.IsChanged());
}

TEST(TableChartForm, FileWithMoreLinesThanMaxRowsFillsMaxRows) {
    CurveTable t(1, 2);
    TTableChartForm form(t.table);
    QTemporaryDir dir;
    form.FileNameEdit().setText(WriteFile(dir, "1 1\n2 2\n3 3\n"));
    form.ReadClick();
    EXPECT_EQ(t.table.RowCount(), 2);
}

TEST(TableChartForm, ReadButtonsNeedAnExistingFile) {
    CurveTable t(1);
    TTableChartForm form(t.table);
    form.FileNameEdit().setText("/no/such/file.txt");
    EXPECT_FALSE(form.findChild<QPushButton*>("BtnRead")->isEnabled());
    EXPECT_FALSE(form.findChild<QPushButton*>("BtnEdit")->isEnabled());
}

TEST(TableChartForm, PastingTakesOnlyLinesThatEnd) {
    CurveTable t(4);
    TTableChartForm form(t.table);
    QGuiApplication::clipboard()->setText("1 10\r\n2 20\r3 30");
    form.ClipClick();
    ASSERT_EQ(t.table.RowCount(), 2);
    EXPECT_EQ(t.table.Cell(1, 1).AsFloat(), 20);
}

TEST(TableChartForm, PastingWithoutTextIsReported) {
    CurveTable t(2);
    TTableChartForm form(t.table);
    QGuiApplication::clipboard()->clear();
    TMessageCatcher catcher;
    form.ClipClick();
    EXPECT_EQ(catcher.Messages(), QStringList{"There is no text on the Clipboard"});
    EXPECT_EQ(t.table.RowCount(), 2);
}

TEST(TableChartForm, FlatCurveGetsAnAxisAroundItsValue) {
    CurveTable t(3);
    for (int r = 0; r < 3; ++r) {
        t.table.Cell(0, r).SetFloat(r);
        t.table.Cell(1, r).SetFloat(100);
    }
    TTableChartForm form(t.table);
    EXPECT_DOUBLE_EQ(form.Chart().LeftAxis().min(), 90);
    EXPECT_DOUBLE_EQ(form.Chart().LeftAxis().max(), 110);
    EXPECT_DOUBLE_EQ(Y(form, 1), 100.1);
    EXPECT_EQ(form.Chart().LeftAxis().titleText(), "p");
    EXPECT_EQ(form.Chart().BottomAxis().titleText(), "y");
}

TEST(TableChartForm, ChartFollowsTypedValues) {
    CurveTable t(2);
    TTableChartForm form(t.table);
    t.table.Cell(1, 1).SetFloat(7);
    EXPECT_EQ(Y(form, 1), 7);
}

TEST(TableChartForm, OKCancelButtonsTakeThePlaceOfAddAndInsert) {
    CurveTable t(2);
    t.table.SetOKCancelButtons(true);
    TTableChartForm form(t.table);
    form.show();
    EXPECT_TRUE(form.findChild<QPushButton*>("BtnOK")->isVisible());
    EXPECT_TRUE(form.findChild<QPushButton*>("BtnCancel")->isVisible());
    EXPECT_FALSE(form.findChild<QPushButton*>("BtnAdd")->isVisible());
    EXPECT_FALSE(form.findChild<QPushButton*>("BtnIns")->isVisible());
    EXPECT_TRUE(form.findChild<QPushButton*>("BtnDel")->isVisible());
    form.findChild<QPushButton*>("BtnOK")->click();
    EXPECT_FALSE(form.isVisible());
}
