#include "project/input_check.h"
#include "project_fixture.h"

namespace korvex::app {
namespace {

class InputCheck : public ProjectFixture {
protected:
    InputCheck() {
        project->Increments = 40;
        project->IncrementLength = 3;
        SetRow(tables.PileSect(), 0, {0, 40, 1, 1e9});
        tables.NewSoil().Cell(1, 0).SetFloat(12);
    }
    QString Warning() { return CheckInput(*project).value_or("<passes>"); }
};

TEST_F(InputCheck, WallStiffnessWithinTheNodes) {
    EXPECT_EQ(Warning(), "<passes>");
    SetRow(tables.PileSect(), 0, {0, 41, 1, 1e9});
    EXPECT_EQ(Warning(), "End Node, 41 in row 1 of Wall Stiffness definition\ris greater than number of nodes "
                         "defined, 40.\rPlease check on Wall Properties Windows and Wall Stiffness Table");
    SetRow(tables.PileSect(), 0, {42, 41, 1, 1e9});
    EXPECT_TRUE(Warning().startsWith("Initial Node, 42 in row 1 "));
}

TEST_F(InputCheck, BackfillSlopeAgainstFrictionAngle) {
    TGridTable& layers = tables.NewSoil();
    layers.Cell(0, 0).SetInteger(4);
    layers.Cell(2, 0).AsTable()->Cell(1, 0).SetFloat(30);
    project->BackfillSlope = 30;
    EXPECT_EQ(Warning(), "<passes>");
    layers.Cell(2, 0).AsTable()->Cell(1, 0).SetFloat(29.5L);
    EXPECT_EQ(Warning(), "Slope of the Backfill: 30 deg.\ris greater than friction angle, 29.5 deg.,\rin layer 1\r"
                         "Please check on Wall Configuration and Soil Layers Windows");
    layers.Cell(0, 0).SetInteger(5);
    layers.Cell(2, 0).AsTable()->Cell(1, 0).SetFloat(29.5L);
    EXPECT_EQ(Warning(), "Slope of the Backfill: 30\ris greater than friction angle, 29.5,\rin layer 1\r"
                         "Please check Soil Layers");
    project->BackfillSlope = 0;
    EXPECT_EQ(Warning(), "<passes>");
}

TEST_F(InputCheck, SoilLayersReachTheBottomOfTheWall) {
    tables.NewSoil().Cell(1, 0).SetFloat(9.5L);
    EXPECT_EQ(Warning(), "Depth of Bottom of Soil Layering: 9.5 ft\rshould extend at least below Depth of Wall: "
                         "10 ft\rPlease check Soil Layer Data and/or Wall Properties Windows");
    project->Units = 2;
    EXPECT_TRUE(Warning().contains(" m\rshould extend"));
    project->GeneratePY = 0;
    EXPECT_EQ(Warning(), "<passes>");
}

}  // namespace
}  // namespace korvex::app
