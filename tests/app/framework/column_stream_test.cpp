#include "framework/enum_column.h"
#include "framework/errors.h"
#include "framework/float_column.h"
#include "framework/grid_table.h"
#include "framework/grid_table_chart.h"
#include "framework/table_column.h"
#include "framework/table_registry.h"
#include "framework/value_stream.h"

#include <gtest/gtest.h>

namespace korvex::app {
namespace {

QString ReadError(TGridTable& table, const QByteArray& description) {
    try {
        table.ReadColumns(description);
    } catch (const EReadError& e) {
        return e.Message();
    }
    return QStringLiteral("<read>");
}

void WriteCommon(TValueWriter& w, int kind, const QString& caption) {
    w.WriteInteger(kind);
    w.WriteStrings({caption});
    w.WriteBoolean(true);
    w.WriteBoolean(false);
}

TEST(ColumnStream, LegacyFloatColumnHasTokenAndNoDefault) {
    TValueWriter w;
    w.WriteInteger(1);
    WriteCommon(w, 2, "Depth");
    w.WriteBoolean(false);
    w.WriteString("L2");
    TGridTable table;
    table.ReadColumns(w.Bytes());
    const auto* column = static_cast<TFloatColumn*>(table.Column(0));
    EXPECT_EQ(column->Units(), "L2");
    EXPECT_EQ(column->Default(), 0);
}

TEST(ColumnStream, LegacyTableColumnNamesTemplatesByRegistryPosition) {
    TGridTable source;
    int position = 0;
    while (TTableRegistry::Plain().At(position) != &source) ++position;

    for (bool hardwired : {false, true}) {
        TValueWriter w;
        w.WriteInteger(2);
        WriteCommon(w, 0, "Type");
        w.WriteStrings({"a", "b", "c"});
        WriteCommon(w, 3, "Parameters");
        w.WriteString("FLEXCOLUMN");
        w.WriteInteger(position);
        TGridTable table;
        table.SetHardwiredButton(hardwired);
        table.ReadColumns(w.Bytes());
        const QList<int> expected =
            hardwired ? QList<int>(3, source.Identifier()) : QList<int>{1, 2, 3};
        EXPECT_EQ(static_cast<TTableColumn*>(table.Column(1))->Templates(), expected);
    }

    TValueWriter alone;
    alone.WriteInteger(1);
    WriteCommon(alone, 3, "Parameters");
    alone.WriteInteger(position);
    TGridTable table;
    table.ReadColumns(alone.Bytes());
    EXPECT_EQ(static_cast<TTableColumn*>(table.Column(0))->Templates(), QList<int>{source.Identifier()});
}

TEST(ColumnStream, TemplateThatContainsItselfMakesNoSubTable) {
    TGridTable outer;
    TGridTable inner;
    outer.Add<TTableColumn>({"Inner"}, QList<int>{inner.Identifier()});
    inner.Add<TTableColumn>({"Self"}, QList<int>{inner.Identifier()});
    TGridTable host;
    host.Add<TTableColumn>({"Outer"}, QList<int>{outer.Identifier()});
    EXPECT_EQ(inner.Cell(0, 0).AsTable(), nullptr);
    TGridTable* copy = host.Cell(0, 0).AsTable();
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy->Cell(0, 0).AsTable(), nullptr);
    EXPECT_EQ(copy->Cell(0, 0).AsTable()->Cell(0, 0).AsTable(), nullptr);
}

TEST(ColumnStream, Errors) {
    TGridTable table;
    EXPECT_EQ(ReadError(table, {}), "Error reading column count");
    TValueWriter unknown;
    unknown.WriteInteger(1);
    unknown.WriteInteger(9);
    EXPECT_EQ(ReadError(table, unknown.Bytes()), "Error Column Class not defined");
    TValueWriter cut;
    cut.WriteInteger(2);
    WriteCommon(cut, 0, "Type");
    cut.WriteStrings({"a"});
    WriteCommon(cut, 1, "Node");
    cut.WriteInteger(0);
    EXPECT_EQ(ReadError(table, cut.Bytes()), "Error occured when creating column 1: Invalid property value");
}

TEST(ColumnStream, ChartTableCarriesGraphicParameters) {
    TGridTableChart chart;
    chart.Add<TFloatColumn>({"Lateral Deflection, y (*)"}, "L");
    chart.Add<TFloatColumn>({"Soil Resistance, p"}, "F/L");
    chart.SetGraphic({true, false, 0, 1, 0, 0});
    EXPECT_EQ(chart.Column(1)->CaptionLine(0), "Soil Resistance, p (lbs/in)  ");

    TGridTableChart copy;
    copy.ReadColumns(chart.WriteColumns());
    EXPECT_EQ(copy.Graphic(), chart.Graphic());
    EXPECT_EQ(copy.ColumnCount(), 2);

    QByteArray withoutGraphic = TGridTable().WriteColumns();
    EXPECT_EQ(ReadError(copy, withoutGraphic), "Error reading graphic parameters");
}

TEST(ColumnStream, ChartFamilyHasItsOwnIdentifiers) {
    TGridTable plain;
    plain.SetIdentifier(5000);
    TGridTableChart chart;
    chart.SetIdentifier(5000);
    EXPECT_EQ(plain.Identifier(), 5000);
    EXPECT_EQ(TTableRegistry::Chart().FindIdentifier(5000), &chart);

    chart.SetCaption("External p-y Curve");
    chart.SetGraphic({true, false, 0, 1, 0, 0});
    TGridTableChart sets;
    sets.Add<TTableColumn>({"Curve Sets"}, QList<int>{5000});
    auto* sub = dynamic_cast<TGridTableChart*>(sets.Cell(0, 0).AsTable());
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->Graphic().chartOn);
}

}  // namespace
}  // namespace korvex::app
