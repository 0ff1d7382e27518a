#include "framework/number_text.h"
#include "framework/table_registry.h"
#include "project_fixture.h"

namespace korvex::app {
namespace {

using ProgramData = ProjectFixture;

TEST_F(ProgramData, NewProjectValues) {
    EXPECT_EQ(project->Title, "New Wall");
    EXPECT_EQ(project->FileName, "NewWall.rw5d");
    EXPECT_EQ(project->Units, 1);
    EXPECT_EQ(FormatDisplay(project->MaxDeflection), "100");
    EXPECT_EQ(FormatDisplay(project->Tolerance), "0.00001");
    EXPECT_EQ(project->EarthShape, 2);
    EXPECT_EQ(project->GeneratePY, 1);
    EXPECT_FALSE(project->UseExtPY || project->UseMEI || project->UsePYMod || project->UseLoads ||
                 project->UseSprings || project->UseTiebacks || project->UseSurcharge || project->UseRestraints ||
                 project->LongTerm || project->UserEarthPressure);
    TGridTable& walls = tables.PileSect();
    ASSERT_EQ(walls.RowCount(), 1);
    EXPECT_EQ(walls.Cell(0, 0).AsInteger(), 0);
    EXPECT_EQ(walls.Cell(1, 0).AsInteger(), 1);
    EXPECT_EQ(walls.Cell(2, 0).AsInteger(), 1);
    EXPECT_EQ(walls.Cell(3, 0).AsFloat(), 0);
    EXPECT_EQ(tables.PYMod().RowCount(), 2);
    EXPECT_EQ(tables.PYMod().Cell(1, 0).AsFloat(), 1);
    EXPECT_FALSE(project->IsModified());
}

TEST_F(ProgramData, SwitchToSIAndBack) {
    project->SetUnits(2);
    EXPECT_EQ(FormatDisplay(project->MaxDeflection), "2.54");
    EXPECT_EQ(FormatDisplay(project->Tolerance), "2.54E-7");
    project->SetUnits(1);
    EXPECT_EQ(FormatDisplay(project->MaxDeflection), "100.000054");
    EXPECT_EQ(FormatReal8(project->MaxDeflection), "100.00005");
}

TEST_F(ProgramData, OtherUnitsChangeNoValue) {
    SetRow(tables.PileSect(), 0, {0, 10, 1, 5000});
    project->SetUnits(3);
    project->SetUnits(1);
    EXPECT_EQ(project->MaxDeflection, 100);
    EXPECT_EQ(tables.PileSect().Cell(3, 0).AsFloat(), 5000);
    project->SetUnits(7);
    EXPECT_EQ(project->Units, 3);
}

TEST_F(ProgramData, SurchargeMagnitudesFollowTheirLoadType) {
    TGridTable& surcharges = tables.SurchargeTable();
    SetRow(surcharges, 0, {1, 1, 10, 0});
    SetRow(surcharges, 1, {2, 1, 10, 0});
    SetRow(surcharges, 2, {3, 1, 10, 0});
    project->SetUnits(2);
    const long double c = 0.0044482224680606506L, b = 0.0254L;
    EXPECT_NEAR(surcharges.Cell(1, 0).AsFloat(), c, 1e-18L);
    EXPECT_NEAR(surcharges.Cell(1, 1).AsFloat(), c / b, 1e-15L);
    EXPECT_EQ(FormatGeneral(surcharges.Cell(1, 2).AsFloat(), 10, -4), "6.894758615");
    EXPECT_NEAR(surcharges.Cell(2, 0).AsFloat(), 10 * 25.4L, 1e-6L);  // distance in mm by its unit token
}

TEST_F(ProgramData, ModifiedFlagCoversTableEdits) {
    tables.PileSect().EnterText(3, 0, "1e9");
    EXPECT_TRUE(project->IsModified());
    project->ClearModified();
    EXPECT_FALSE(project->IsModified());
    project->MarkModified();
    EXPECT_TRUE(project->IsModified());
}

struct TTableCase {
    const char* caption;
    int identifier;
    int minRows;
    int maxRows;
    int columns;
};

TEST_F(ProgramData, ProjectTablesAreDefinedOnce) {
    const TTableCase cases[] = {
        {"Wall Stiffness", 15, 1, 10, 4},
        {"Specify Deflection and Slope on Wall", 0, 1, 10, 4},
        {"Concentrated Loads on Wall", 123, 1, 20, 6},
        {"Lateral Spring and Rotation Spring", 4, 1, 20, 5},
        {"Tieback (ground anchor) Table", 77, 1, 20, 7},
        {"p-y Modification Factors", 16, 2, 30, 3},
        {"Distributed Loads", 22, 2, 100, 2},
        {"Distributed Load (Long-Term)", 104, 1, 0, 2},
        {"Surcharge Loads", 23, 1, 20, 4},
        {"Soil Layers", 19, 1, 10, 3},
        {"Soil Layers (Long-Term)", 44, 1, 10, 3},
        {"Sets of Ext. p-y Curves", 37, 2, 30, 4},
        {"Nonlinear Moment vs EI Curves", 36, 1, 20, 3},
    };
    const QList<TGridTable*> all = tables.AllTables();
    ASSERT_EQ(all.size(), std::size(cases));
    for (int i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i]->Caption(), cases[i].caption);
        EXPECT_EQ(all[i]->Identifier(), cases[i].identifier) << cases[i].caption;
        EXPECT_EQ(all[i]->MinRows(), cases[i].minRows) << cases[i].caption;
        EXPECT_EQ(all[i]->MaxRows(), cases[i].maxRows) << cases[i].caption;
        EXPECT_EQ(all[i]->ColumnCount(), cases[i].columns) << cases[i].caption;
    }
    EXPECT_EQ(tables.PileSect().Column(3)->CaptionLine(0), "Flexural Stiffness (EI) (lbs-in^2)  ");
    EXPECT_EQ(tables.NewSoil().Cell(2, 0).AsText(), "1: Clay");
    EXPECT_EQ(TTableRegistry::Chart().FindIdentifier(38)->Caption(), "External p-y Curve");
}

TEST_F(ProgramData, ColumnDescriptionsOfEveryTableReadBack) {
    for (TGridTable* table : tables.AllTables() + tables.Templates()) {
        const QByteArray description = table->WriteColumns();
        table->ReadColumns(description);
        EXPECT_EQ(table->WriteColumns(), description) << table->Caption().toStdString();
    }
}

TEST_F(ProgramData, SoilTypeChoosesItsParameterTable) {
    TGridTable& layers = tables.NewSoil();
    const char* captions[] = {"Clay", "Clay", "Clay", "Sand", "Silt", "Strong Rock", "Weak Rock"};
    for (int type = 1; type <= 7; ++type) {
        layers.Cell(0, 0).SetInteger(type);
        EXPECT_EQ(layers.Cell(2, 0).AsTable()->Caption(), captions[type - 1]);
        EXPECT_EQ(layers.Cell(2, 0).AsTable()->RowCount(), 2);
    }
}

}  // namespace
}  // namespace korvex::app
