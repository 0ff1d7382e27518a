#include "framework/enum_column.h"
#include "framework/errors.h"
#include "framework/float_column.h"
#include "framework/grid_table.h"
#include "framework/int_column.h"
#include "framework/string_column.h"
#include "framework/table_column.h"
#include "framework/table_registry.h"
#include "framework/unit_tokens.h"

#include <gtest/gtest.h>

namespace korvex::app {
namespace {

QString AssignMessage(TGridTable& table, int column, int row, const QString& text) {
    try {
        table.EnterText(column, row, text);
    } catch (const EAssignError& e) {
        return e.Message();
    }
    return QStringLiteral("<accepted>");
}

// A soil-layer table: soil type, depth, and a parameter table chosen by the
// soil type from one of two templates.
class SoilLayerTable : public ::testing::Test {
protected:
    SoilLayerTable() {
        clay.SetCaption("Clay");
        clay.SetMinRows(2);
        clay.SetRowCount(2);
        clay.Add<TFloatColumn>({"Unit weight"}, "F/L2^3");
        clay.SetIdentifier(18);
        sand.SetCaption("Sand");
        sand.SetMinRows(2);
        sand.SetRowCount(2);
        sand.Add<TFloatColumn>({"Unit weight"}, "F/L2^3");
        sand.Add<TFloatColumn>({"Friction angle"});
        sand.SetIdentifier(17);
        layers.Add<TEnumColumn>({"Soil", "Type"}, QStringList{"Soft Clay", "Stiff Clay", "Stiff Clay 2", "Sand"});
        layers.Add<TFloatColumn>({"Depth"}, "L2");
        parameters = layers.Add<TTableColumn>({"Edit Soil", "Parameters"}, QList<int>{18, 18, 18, 17});
    }

    TGridTable clay, sand, layers;
    TTableColumn* parameters = nullptr;
};

TEST_F(SoilLayerTable, ChangingTheSoilTypeReplacesTheParameterTable) {
    layers.SetRowCount(2);
    TGridTable* before = layers.Cell(2, 1).AsTable();
    ASSERT_NE(before, nullptr);
    EXPECT_EQ(before->Caption(), "Clay");
    before->Cell(0, 0).SetFloat(99);
    layers.Cell(0, 1).SetInteger(4);
    TGridTable* after = layers.Cell(2, 1).AsTable();
    EXPECT_EQ(after->Caption(), "Sand");
    EXPECT_EQ(after->ColumnCount(), 2);
    EXPECT_EQ(after->RowCount(), 2);
    EXPECT_EQ(after->Cell(0, 0).AsFloat(), 0);
    EXPECT_EQ(after->Number(), 2);
    EXPECT_EQ(layers.Cell(2, 1).AsText(), "2: Sand");
    EXPECT_EQ(after->WindowTitle(), "Sand  2");
    EXPECT_EQ(layers.WindowTitle(), " ");  // no caption, top level: caption and one blank
}

TEST_F(SoilLayerTable, SubTablesFollowRowsUnitsAndChanges) {
    layers.SetRowCount(3);
    layers.DeleteGroup(0);
    EXPECT_EQ(layers.Cell(2, 0).AsTable()->Number(), 1);
    EXPECT_EQ(layers.Cell(2, 1).AsTable()->Number(), 2);
    TGridTable* sub = layers.Cell(2, 0).AsTable();
    sub->Cell(0, 0).SetFloat(120);
    layers.SetUnits(kSI);
    EXPECT_EQ(sub->Units(), kSI);
    EXPECT_NEAR(sub->Cell(0, 0).AsFloat(), 120 * ConversionFactor(kEnglish, kSI, "F/L2^3"), 1e-12L);
    EXPECT_FALSE(layers.IsChanged());
    sub->EnterText(0, 0, "5");
    EXPECT_TRUE(layers.IsChanged());
    layers.SetChanged(false);
    EXPECT_FALSE(sub->IsChanged());
    layers.AppendGroup();
    EXPECT_EQ(layers.Cell(2, 2).AsTable()->Units(), kSI);  // a new sub-table takes its owner's system
}

TEST_F(SoilLayerTable, ColumnDescriptionReadsBackTheSameDefinitions) {
    layers.Add<TIntColumn>({"Node"}, 0, 0, 2147483600);
    layers.Add<TStringColumn>({"Note"}, "none", 2.5L);
    layers.Column(1)->SetVisible(false);
    layers.Column(3)->SetPerGroup(true);
    const QByteArray description = layers.WriteColumns();

    TGridTable copy;
    copy.ReadColumns(description);
    EXPECT_EQ(copy.WriteColumns(), description);
    ASSERT_EQ(copy.ColumnCount(), 5);
    EXPECT_EQ(copy.Column(0)->Captions(), (QStringList{"Soil", "Type"}));
    EXPECT_FALSE(copy.Column(1)->Visible());
    EXPECT_TRUE(copy.Column(3)->PerGroup());
    EXPECT_EQ(static_cast<TFloatColumn*>(copy.Column(1))->Units(), "L2");
    EXPECT_EQ(static_cast<TTableColumn*>(copy.Column(2))->Templates(), (QList<int>{18, 18, 18, 17}));
    EXPECT_EQ(static_cast<TIntColumn*>(copy.Column(3))->Maximum(), 2147483600);
    EXPECT_EQ(static_cast<TStringColumn*>(copy.Column(4))->WidthInches(), 2.5L);
    EXPECT_EQ(copy.Cell(2, 0).AsTable()->Caption(), "Clay");
}

TEST(GridTable, RowCountsAndGroups) {
    TGridTable table;
    table.SetMinRows(2);
    table.SetRowCount(table.MinRows());
    table.Add<TFloatColumn>({"A"});
    table.Add<TIntColumn>({"B"}, 7);
    EXPECT_EQ(table.Column(0)->RowCount(), 2);
    EXPECT_EQ(table.Cell(1, 1).AsInteger(), 7);
    table.SetRowCount(0);
    EXPECT_EQ(table.Column(0)->RowCount(), 0);
    EXPECT_EQ(table.Column(1)->RowCount(), 0);
    table.SetRowCount(3);
    table.SetRowCount(-4);
    EXPECT_EQ(table.RowCount(), 0);

    table.SetRowGroup(2);
    table.SetRowCount(5);  // rounded up to whole groups
    EXPECT_EQ(table.RowCount(), 6);
    for (int r = 0; r < 6; ++r) table.Cell(1, r).SetInteger(r);
    table.DeleteGroup(5);
    ASSERT_EQ(table.RowCount(), 4);
    EXPECT_EQ(table.Cell(1, 3).AsInteger(), 3);
    table.InsertGroup(3);
    EXPECT_EQ(table.Cell(1, 1).AsInteger(), 1);
    EXPECT_EQ(table.Cell(1, 2).AsInteger(), 7);
    EXPECT_EQ(table.Cell(1, 4).AsInteger(), 2);
}

TEST(GridTable, PerGroupValueSetsTheWholeGroup) {
    TGridTable table;
    table.SetRowGroup(3);
    auto* note = table.Add<TStringColumn>({"Note"});
    note->SetPerGroup(true);
    table.SetRowCount(6);
    table.EnterText(0, 4, "x");
    EXPECT_EQ(QStringList({note->GetText(2), note->GetText(3), note->GetText(4), note->GetText(5)}),
              (QStringList{"", "x", "x", "x"}));
}

TEST(GridTable, TypedEntryMessages) {
    TGridTable table;
    table.Add<TIntColumn>({"From"}, 0, 0, 2147483600);
    table.Add<TEnumColumn>({"Case"}, QStringList{"a", "b"});
    table.Add<TFloatColumn>({"EI"}, "F-L^2");
    EXPECT_EQ(AssignMessage(table, 0, 0, "2147483601"), "Entry must be between 0 and 2147483600.");
    EXPECT_EQ(AssignMessage(table, 0, 0, "-2.5"), "Entry must be an integer.");
    EXPECT_EQ(AssignMessage(table, 0, 0, "2*3"), "<accepted>");
    EXPECT_EQ(table.Cell(0, 0).AsInteger(), 6);
    EXPECT_EQ(AssignMessage(table, 1, 0, "1.5"), "Value must be an integer.");
    EXPECT_EQ(AssignMessage(table, 2, 0, "x"), "Entry could not be evaluated:\rinvalid character(s) in expression");
    EXPECT_EQ(AssignMessage(table, 2, 0, "1/8"), "<accepted>");
    EXPECT_EQ(table.Cell(2, 0).AsText(), "0.125");
    EXPECT_THROW(table.Cell(2, 0).AsInteger(), EInvalidCast);
    EXPECT_THROW(table.Cell(0, 0).AsFloat(), EInvalidCast);
    EXPECT_THROW(table.Cell(0, 0).AsTable(), EInvalidCast);
}

TEST(GridTable, UnitSwitchConvertsReportsAndRelabels) {
    TGridTable table;
    table.Add<TFloatColumn>({"Flexural", "Stiffness"}, "F-L^2");
    table.Add<TFloatColumn>({"Angle"}, "DEG.");
    table.Cell(0, 0).SetFloat(1000);
    table.Cell(1, 0).SetFloat(30);
    QList<std::pair<int, int>> changed;
    QObject::connect(&table, &TGridTable::cellChanged, [&](int c, int r) { changed << std::pair{c, r}; });
    EXPECT_EQ(table.Column(0)->CaptionLine(1), "Stiffness (lbs-in^2)  ");
    table.SetUnits(kSI);
    EXPECT_NEAR(table.Cell(0, 0).AsFloat(), 1000 * ConversionFactor(kEnglish, kSI, "F-L^2"), 1e-15L);
    EXPECT_EQ(table.Cell(1, 0).AsFloat(), 30);
    EXPECT_EQ(changed, (QList<std::pair<int, int>>{{0, 0}}));
    EXPECT_EQ(table.Column(0)->CaptionLine(1), "Stiffness (kN-m^2)  ");
    EXPECT_EQ(table.Column(0)->CaptionLine(0), "Flexural");
    table.SetUnits(kOther);
    table.SetUnits(kSI);  // through other units nothing converts
    EXPECT_NEAR(table.Cell(0, 0).AsFloat(), 1000 * ConversionFactor(kEnglish, kSI, "F-L^2"), 1e-15L);
}

TEST(GridTable, TopDepthPairsStayContiguous) {
    TGridTable table;
    table.SetRowCount(0);
    table.Add<TFloatColumn>({"Top"}, "L", 0, true);
    table.Add<TFloatColumn>({"Bottom"}, "L");
    table.SetRowCount(3);
    table.Cell(1, 0).SetFloat(10);  // bottom of row 0 sets top of row 1
    table.Cell(1, 1).SetFloat(20);
    table.Cell(0, 2).SetFloat(25);  // top of row 2 sets bottom of row 1
    EXPECT_EQ(table.Cell(0, 1).AsFloat(), 10);
    EXPECT_EQ(table.Cell(1, 1).AsFloat(), 25);
    table.Cell(1, 2).SetFloat(40);
    table.InsertGroup(1);  // the new row spans the gap between its neighbours
    EXPECT_EQ(table.Cell(0, 1).AsFloat(), 10);
    EXPECT_EQ(table.Cell(1, 1).AsFloat(), 10);
    table.DeleteGroup(2);  // removing a middle row closes the gap
    EXPECT_EQ(table.Cell(0, 2).AsFloat(), 10);
    EXPECT_EQ(table.Cell(1, 2).AsFloat(), 40);

    TGridTable broken;
    broken.Add<TFloatColumn>({"Top"}, "L", 0, true);
    broken.Add<TIntColumn>({"Not a bottom"});
    EXPECT_THROW(broken.SetRowCount(3), EInvalidOperation);
}

TEST(GridTable, IdentifiersStayUnique) {
    TGridTable a, b;
    const int idA = a.Identifier();
    a.SetIdentifier(b.Identifier());
    EXPECT_EQ(b.Identifier(), idA);
    a.SetIdentifier(-3);
    EXPECT_NE(a.Identifier(), -3);
    TGridTable c;
    EXPECT_NE(c.Identifier(), a.Identifier());
    EXPECT_NE(c.Identifier(), b.Identifier());
}

TEST(GridTable, VisibleColumnsAndHeaderRows) {
    TGridTable table;
    table.Add<TFloatColumn>({"A"});
    auto* hidden = table.Add<TFloatColumn>({"B", "two", "three"});
    auto* shown = table.Add<TFloatColumn>({"C", "two"});
    hidden->SetVisible(false);
    EXPECT_EQ(table.VisibleColumnCount(), 2);
    EXPECT_EQ(table.VisibleColumn(1), shown);
    EXPECT_EQ(table.VisibleIndexOf(shown), 1);
    EXPECT_EQ(table.HeaderRowCount(), 2);
    EXPECT_THROW(table.VisibleColumn(2), EInvalidOperation);
    EXPECT_THROW(table.SetMinRows(0), EInvalidOperation);
}

}  // namespace
}  // namespace korvex::app
