#include "graphics/graph_set.h"
#include "views/scene_builder.h"
#include "view_fixture.h"

#include <cmath>

namespace korvex::app {
namespace {

class SceneTest : public ViewFixture {
protected:
    // A 10 m wall of 50 increments, 4 m free height, 1 m panels with 0.5 m piles.
    void Wall() {
        project->Units = kSI;
        tables.SetUnits(kSI);
        project->Increments = 50;
        project->IncrementLength = 0.2L;
        project->FreeHeight = 4;
        project->WidthActive = 1;
        project->WidthPY = 0.5L;
        project->GeneratePY = 0;
    }

    TScene Build(const std::vector<double>& deflections = {}) {
        dims = ComputeSceneDimensions(*project);
        return BuildScene(*project, dims, switches, deformed, deflections);
    }

    static float MinX(const TSolid& solid) {
        float x = solid.faces.front().front().x();
        for (const TFace& face : solid.faces)
            for (const QVector3D& p : face) x = std::min(x, p.x());
        return x;
    }

    static QVector3D Centre(const TSolid& solid) {
        QVector3D sum;
        int n = 0;
        for (const TFace& face : solid.faces)
            for (const QVector3D& p : face) sum += p, ++n;
        return sum / static_cast<float>(n);
    }

    TSceneDimensions dims;
    TSceneSwitches switches;
    TDeformedShape deformed;
};

TEST_F(SceneTest, WallWithTiebackHasPanelsRodsAndAnchorBlocks) {
    Wall();
    project->UseTiebacks = true;
    SetRow(tables.TiebackTable1(), 0, {2, 450, 2e8, 6, 15, 2.5, 150});
    const TScene scene = Build();
    // 20 panels of a pile part between two lagging parts.
    EXPECT_EQ(scene.SolidsOf(TSceneGroup::Wall).size(), 60u);
    // nint(10 x 1 / 2.5) = 4 anchors on each side of y = 0, each a rod and a block.
    const auto anchors = scene.SolidsOf(TSceneGroup::TieBacks);
    ASSERT_EQ(anchors.size(), 16u);
    const TSolid& rod = *anchors[0];
    const TSolid& block = *anchors[1];
    const double side = std::sqrt(450e-6);
    // The rod starts at the wall 2 m down and reaches 6 m into the backfill, 15 degrees downwards.
    EXPECT_NEAR(MinX(rod), -6 * std::cos(15 * M_PI / 180) - side / 2 * std::sin(15 * M_PI / 180), 1e-4);
    EXPECT_NEAR(Centre(rod).z(), -2 - 3 * std::sin(15 * M_PI / 180), 1e-4);
    EXPECT_NEAR(std::abs(Centre(rod).y()), 1.25, 1e-5);
    EXPECT_LT(Centre(block).x(), MinX(rod) + 0.01);
    EXPECT_TRUE(scene.SolidsOf(TSceneGroup::SoilLayers).empty());
}

TEST_F(SceneTest, SolidFacesPointOutwards) {
    Wall();
    project->UseTiebacks = true;
    SetRow(tables.TiebackTable1(), 0, {2, 450, 2e8, 6, 15, 2.5, 150});
    project->UseLoads = true;
    SetRow(tables.BoundCond(), 0, {1, 0, 0, 10, 5, 3});
    for (const TSolid& solid : Build().solids) {
        const QVector3D centre = Centre(solid);
        for (const TFace& face : solid.faces) {
            const QVector3D normal = QVector3D::crossProduct(face[1] - face[0], face[2] - face[0]);
            if (normal.length() < 1e-9f) continue;
            EXPECT_GE(QVector3D::dotProduct(normal, face[0] - centre), -1e-6f);
        }
    }
}

TEST_F(SceneTest, DeformedWallFollowsTheFactor) {
    Wall();
    std::vector<double> deflections;
    for (int n = 0; n <= 50; ++n) deflections.push_back(0.001 * (50 - n));
    deformed.showDeformed = true;
    auto topCentreX = [&](double factor) {
        deformed.factor = factor;
        const TScene scene = Build(deflections);
        const auto wall = scene.SolidsOf(TSceneGroup::Wall);
        EXPECT_EQ(wall.size(), 20u * 3u * 50u);  // one slab per increment and part
        return Centre(*wall.front()).x();
    };
    // The first slab of a part spans nodes 0 and 1 of the deflected wall.
    EXPECT_NEAR(topCentreX(1), 0.0495, 1e-4);
    EXPECT_NEAR(topCentreX(10), 0.495, 1e-3);
    EXPECT_NEAR(topCentreX(0), 0, 1e-6);
}

TEST_F(SceneTest, UndeformedOutlineOnlyBesideTheDeflectedWall) {
    Wall();
    deformed.showUndeformed = true;
    EXPECT_EQ(Build().LineCount(TSceneGroup::Wall), 0);
    deformed.showDeformed = true;
    EXPECT_GT(Build(std::vector<double>(51, 0.01)).LineCount(TSceneGroup::Wall), 0);
}

TEST_F(SceneTest, PanelsAreATenthOfTheWallWithoutActiveWidth) {
    Wall();
    project->WidthActive = 0;
    project->WidthPY = 0;
    Build();
    EXPECT_DOUBLE_EQ(dims.panelWidth, 1.0);
    EXPECT_DOUBLE_EQ(dims.thickness, 0.1);  // equal widths: a tenth of the panel, laggings of no width
}

TEST_F(SceneTest, StripSurchargeWidensTheSceneOnlyWhileInUse) {
    Wall();
    SetRow(tables.SurchargeTable(), 0, {3, 20, 20000, 4000});  // 20 m out, 4 m wide
    Build();
    EXPECT_DOUBLE_EQ(dims.halfWidth, 12.5);
    project->UseSurcharge = true;
    const TScene scene = Build();
    EXPECT_NEAR(dims.halfWidth, 0.9 * 22, 1e-9);
    EXPECT_FALSE(scene.SolidsOf(TSceneGroup::Surcharge).empty());
}

TEST_F(SceneTest, InterpolatedLoadRowReachesTheNextRowsEndNode) {
    Wall();
    project->UseLoads = true;
    SetRow(tables.BoundCond(), 0, {2, 5, 6, 10, 0, 0});
    SetRow(tables.BoundCond(), 1, {1, 8, 12, 10, 0, 0});
    const TScene scene = Build();
    const auto loads = scene.SolidsOf(TSceneGroup::ConcentratedLoads);
    // Nodes 5 to 12, 20 panels, one arrow of shaft and cone each.
    EXPECT_EQ(loads.size(), 8u * 20u * 2u);
    float lowest = 0;
    for (const TSolid* s : loads) lowest = std::min(lowest, Centre(*s).z());
    EXPECT_NEAR(lowest, -12 * 0.2, 0.05);
}

TEST_F(SceneTest, SwitchedOffGroupIsLeftOut) {
    Wall();
    project->UseSprings = true;
    SetRow(tables.SoilStrength(), 0, {1, 3, 4, 1000, 0});
    EXPECT_EQ(Build().SolidsOf(TSceneGroup::LateralSprings).size(), 40u);
    switches.Set(TSceneGroup::LateralSprings, false);
    EXPECT_TRUE(Build().SolidsOf(TSceneGroup::LateralSprings).empty());
}

TEST_F(SceneTest, LayersOfTheExampleFillBothSides) {
    OpenExample(QStringLiteral("anchored_stiff_clay_weak_rock_si.rw5d"));
    const TScene scene = Build();
    EXPECT_DOUBLE_EQ(dims.depth, 25.0);  // the last layer reaches below the 14 m wall
    EXPECT_FALSE(scene.SolidsOf(TSceneGroup::SoilLayers).empty());
    EXPECT_FALSE(scene.SolidsOf(TSceneGroup::TieBacks).empty());
}

TEST_F(SceneTest, DeflectionsComeFromTheLoadedResults) {
    OpenExample(QStringLiteral("anchored_soldier_pile_si.rw5d"));
    TGraphSet graphs;
    // The plot data the engine writes for this example, kept with its golden run.
    ASSERT_TRUE(graphs.LoadPlotData(QStringLiteral(KORVEX_GOLDEN_DIR "/anchored_soldier_pile_si/wall.rw5p"),
                                    PlotProjectOf(*project), false));
    dims = ComputeSceneDimensions(*project);
    const std::vector<double> values = LoadedDeflections(graphs, *project, dims);
    ASSERT_EQ(values.size(), static_cast<size_t>(project->Increments + 1));
    EXPECT_DOUBLE_EQ(values[3], static_cast<double>(graphs.pltDef.Point(kMainCurves, 0, 3).X));
}

}  // namespace
}  // namespace korvex::app
