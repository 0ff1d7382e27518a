#include "framework/curve_import.h"
#include "framework/float_column.h"
#include "framework/grid_table_chart.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korvex::app {
namespace {

class CurveImport : public ::testing::Test {
protected:
    CurveImport() {
        curve.SetMinRows(2);
        curve.SetMaxRows(17);
        curve.SetRowCount(5);
        curve.Add<TFloatColumn>({"y"}, "L");
        curve.Add<TFloatColumn>({"p"}, "F/L");
    }
    TGridTableChart curve;
};

TEST_F(CurveImport, FileWithHeaderFillsRowsAndDropsSurplus) {
    QTemporaryDir dir;
    const QString name = dir.filePath("curve.txt");
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("y p\r\n-1 100\r\n0,0\r\n1\t-100\r\n\r\n");
    file.close();
    EXPECT_EQ(FillRowsFromFile(curve, name), 3);
    ASSERT_EQ(curve.RowCount(), 3);
    EXPECT_EQ(curve.Cell(0, 0).AsFloat(), -1);
    EXPECT_EQ(curve.Cell(1, 2).AsFloat(), -100);
}

TEST_F(CurveImport, StopsAtMaxRows) {
    QStringList lines;
    for (int i = 0; i < 20; ++i) lines << QStringLiteral("%1 %2").arg(i).arg(i * 10);
    EXPECT_EQ(FillRowsFromLines(curve, lines), 17);
    EXPECT_EQ(curve.RowCount(), 17);
}

TEST_F(CurveImport, NothingMatchingLeavesTheTable) {
    EXPECT_EQ(FillRowsFromLines(curve, {"header", "1 2 3"}), 0);
    EXPECT_EQ(curve.RowCount(), 5);
}

TEST(CurveImportText, SplittingAndClipboardLines) {
    const QList<long double> numbers = SplitNumbers("  1.5, 2\t3 x 4");
    EXPECT_EQ(std::vector<long double>(numbers.begin(), numbers.end()), (std::vector<long double>{1.5L, 2, 3}));
    EXPECT_EQ(SplitNumbers(QString(20, u'1').split(QString()).join(u' ')).size(), 15);
    EXPECT_EQ(ClipboardLines("1 2\r\n3 4\r5 6"), (QStringList{"1 2", "3 4"}));
}

}  // namespace
}  // namespace korvex::app
