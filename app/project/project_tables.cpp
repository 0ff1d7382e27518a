#include "project/project_tables.h"

#include "framework/enum_column.h"
#include "framework/float_column.h"
#include "framework/int_column.h"
#include "framework/table_column.h"

#include <limits>

namespace korvex::app {

namespace {

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kNodeMax = 2147483600;
constexpr int kNoLimit = 0;

// The enumeration captions carry trailing blanks that widen their columns.
const QString kConstantOrInterpolate = QStringLiteral("Constant or Interpolate?            ");
const QString kCase = QStringLiteral("Case                    ");

const QString kEarthPressurePicture = QStringLiteral("EarthPressure");
const QString kTiebackPicture = QStringLiteral("Tieback");

const QString kNodeRangeInterpolation = QStringLiteral(
    "Linear interpolation (when selected) is performed from START node of previous line to END node of the "
    "following line.");

const QString kSoilHelp = QStringLiteral(
    "The user may optionally enter an earth pressure coefficient for generating \rlateral earth pressure that is "
    "equal to the vertical soil pressure multiplied \rby this user-specified coefficient. If the user does not "
    "intend to use this option, \rplease leave the optional earth pressure coefficient as zero and the program "
    "will \ruse the active earth pressure coefficient calculated internally.");

const QStringList kInterpolationItems{QStringLiteral("Use Constant Values for all Nodes on this Line"),
                                      QStringLiteral("Linear Interpolate to End Node of Next Line")};

const QStringList kUnitWeight{QStringLiteral("Total Unit"), QStringLiteral("Weight,")};
const QStringList kCohesion{QStringLiteral("Cohesive"), QStringLiteral("Strength,")};
const QStringList kFriction{QStringLiteral("Friction"), QStringLiteral("Angle, deg.")};
const QStringList kEarthCoefficient{QStringLiteral("Optional Earth"), QStringLiteral("Pressure Coefficient")};
const QStringList kCompressive{QStringLiteral("Uniaxial Compressive"), QStringLiteral("Strength,")};

void Describe(TGridTable& table, int identifier, const QString& caption, int minRows, int maxRows,
              const QString& help = {}) {
    table.SetIdentifier(identifier);
    table.SetCaption(caption);
    table.SetMinRows(minRows);
    table.SetMaxRows(maxRows);
    table.SetComments(help);
    table.SetRowCount(minRows);
}

void AddDepthAndLoad(TGridTable& table) {
    table.Add<TFloatColumn>({"Depth measured from the top of the wall,"}, "L2");
    table.Add<TFloatColumn>({"Lateral distributed line load,"}, "F/L2");
    table.SetHelpPicture(kEarthPressurePicture);
}

}  // namespace

TProjectTables::TProjectTables() {
    DefineTemplates();
    DefineTables();
    ResetForNewProject();
}

void TProjectTables::DefineTemplates() {
    Describe(tblClay1_, 18, "Clay", 2, 2, kSoilHelp);
    tblClay1_.Add<TFloatColumn>(kUnitWeight, "F/L2^3");
    tblClay1_.Add<TFloatColumn>(kCohesion, "F/L2^2");
    tblClay1_.Add<TFloatColumn>({"E50"});
    tblClay1_.Add<TFloatColumn>({"k(py)"}, "F/L^3");
    tblClay1_.Add<TFloatColumn>(kEarthCoefficient);

    Describe(tblSand1_, 17, "Sand", 2, 2, kSoilHelp);
    tblSand1_.Add<TFloatColumn>(kUnitWeight, "F/L2^3");
    tblSand1_.Add<TFloatColumn>(kFriction);
    tblSand1_.Add<TFloatColumn>({"k(py)"}, "F/L^3");
    tblSand1_.Add<TFloatColumn>(kEarthCoefficient);

    Describe(tblSilt1_, 29, "Silt", 2, 2, kSoilHelp);
    tblSilt1_.Add<TFloatColumn>({"Total Unit ", "Weight,"}, "F/L2^3");
    tblSilt1_.Add<TFloatColumn>(kFriction);
    tblSilt1_.Add<TFloatColumn>(kCohesion, "F/L2^2");
    tblSilt1_.Add<TFloatColumn>({"E50"});
    tblSilt1_.Add<TFloatColumn>({"K(py)"}, "F/L^3");
    tblSilt1_.Add<TFloatColumn>(kEarthCoefficient);

    Describe(tblRock1_, 30, "Strong Rock", 2, 2);
    tblRock1_.Add<TFloatColumn>(kUnitWeight, "F/L2^3");
    tblRock1_.Add<TFloatColumn>(kCompressive, "F/L^2");

    Describe(tblRock2_, 31, "Weak Rock", 2, 2,
             "* krm is a strain constant that seve to establish the overall stiffness of the curves");
    tblRock2_.Add<TFloatColumn>(kUnitWeight, "F/L2^3");
    tblRock2_.Add<TFloatColumn>(kCompressive, "F/L^2");
    tblRock2_.Add<TFloatColumn>({"krm *"});
    tblRock2_.Add<TFloatColumn>({"Elastic", "Modulus,"}, "F/L^2");
    tblRock2_.Add<TFloatColumn>({"RQD", "%"});

    Describe(pyCurve2_, 38, "External p-y Curve", 2, 17,
             "* Use negative (-) values for deflections to the left (to backfill)\r     and positive (+) to the right "
             "(to excavation).\rLateral movement (y) should start from negative deflection\r     (towards backfill) "
             "and gradually increase to positive\r     deflection (towards excavation) for the range of the "
             "response.\rPositive soil resistance (p) should correspond to the negative\r     soil movement (-y) and "
             "negative soil resistance (-p) should\r     correspond to the positive soil movement (y).");
    pyCurve2_.Add<TFloatColumn>({"Lateral Deflection, y (*)"}, "L");
    pyCurve2_.Add<TFloatColumn>({"Soil Resistance, p"}, "F/L");
    pyCurve2_.SetGraphic({true, false, 0, 1, 0, 0});

    Describe(rows2_, 0, "Moment and EI data", 1, 100);
    rows2_.Add<TFloatColumn>({"Bending moment"}, "F-L");
    rows2_.Add<TFloatColumn>({"Flexural rigidity"}, "F-L^2");
    rows2_.SetGraphic({true, false, 0, 1, 0, 0});
}

void TProjectTables::DefineSoilTable(TGridTable& table) {
    table.Add<TEnumColumn>({"Soil ", "Type"},
                           QStringList{"Soft Clay", "Stiff Clay with Free Water", "Stiff Clay w/o Free Water", "Sand",
                                       "Silt (c-phi soil)", "Strong Rock", "Weak Rock"});
    table.Add<TFloatColumn>({"Depth at Bottom", "of the Layer,"}, "L2");
    table.Add<TTableColumn>({"Edit Soil", "Parameters"}, QList<int>{18, 18, 18, 17, 29, 30, 31});
}

void TProjectTables::DefineTables() {
    Describe(pileSect_, 15, "Wall Stiffness", 1, 10,
             "The nodal number at the top of the wall is set to be 0.\rValues of Flexural Stiffness (EI) must be "
             "specified for all nodes of the wall.\r" + kNodeRangeInterpolation);
    pileSect_.Add<TIntColumn>({"From Node No. (Start)"}, 0, 0, kNodeMax);
    pileSect_.Add<TIntColumn>({"To Node No. (End)"}, 1, 0, kIntMax);
    pileSect_.Add<TEnumColumn>({kConstantOrInterpolate},
                               QStringList{"Use Constant Value for all Nodes on this Line",
                                           "Linear Interpolate to End Node of Next Line"});
    pileSect_.Add<TFloatColumn>({"Flexural Stiffness (EI)"}, "F-L^2");

    Describe(soillayer_, 0, "Specify Deflection and Slope on Wall", 1, 10);
    soillayer_.Add<TEnumColumn>({kCase}, QStringList{"Specify Deflection", "Specify Slope"});
    soillayer_.Add<TIntColumn>({"Nodal No."}, 0, 0, kNodeMax);
    soillayer_.Add<TFloatColumn>({"Deflection"}, "L");
    soillayer_.Add<TFloatColumn>({"Slope"});

    Describe(boundCond_, 123, "Concentrated Loads on Wall", 1, 20,
             "The concentrated loads are applied at nodal points only (including the specified START and END "
             "nodes).\r" + kNodeRangeInterpolation);
    boundCond_.Add<TEnumColumn>({kConstantOrInterpolate}, kInterpolationItems);
    boundCond_.Add<TIntColumn>({"From Node No.", "(Start)"}, 0, 0, kNodeMax);
    boundCond_.Add<TIntColumn>({"To Node No.", "(End)"}, 1, 0, kIntMax);
    boundCond_.Add<TFloatColumn>({"Lateral Load"}, "F");
    boundCond_.Add<TFloatColumn>({"Moment"}, "F-L");
    boundCond_.Add<TFloatColumn>({"Axial Load"}, "F");

    Describe(soilStrength_, 4, "Lateral Spring and Rotation Spring", 1, 20,
             "The spring stiffnesses are applied at nodal points only (including the specified START and END "
             "nodes).\r" + kNodeRangeInterpolation);
    soilStrength_.SetHelpPicture(kTiebackPicture);
    soilStrength_.Add<TEnumColumn>({kConstantOrInterpolate}, kInterpolationItems);
    soilStrength_.Add<TIntColumn>({"From Node No.", "(Start)"}, 0, 0, kIntMax);
    soilStrength_.Add<TIntColumn>({"To Node No.", "(End)"}, 0, kIntMin, kIntMax);
    soilStrength_.Add<TFloatColumn>({"Lateral Spring", "Stiffness"}, "F/L");
    soilStrength_.Add<TFloatColumn>({"Rotational Spr.", "Stiff."}, "F-L/RAD.");

    Describe(tiebackTable1_, 77, "Tieback (ground anchor) Table", 1, 20);
    tiebackTable1_.Add<TFloatColumn>({"Depth from top", "of wall,"}, "L2");
    tiebackTable1_.Add<TFloatColumn>({"Cross sectional area", "of steel rod,"}, "L1^2");
    tiebackTable1_.Add<TFloatColumn>({"Elastic modulus", "of steel,"}, "F/L^2");
    tiebackTable1_.Add<TFloatColumn>({"Unbonded anchor", "length,"}, "L2");
    tiebackTable1_.Add<TFloatColumn>({"Angle from", "horizontal,"}, "DEG.");
    tiebackTable1_.Add<TFloatColumn>({"Anchor spacing", "in each row,"}, "L2");
    tiebackTable1_.Add<TFloatColumn>({"Prestressing Force"}, "F");

    Describe(pyMod_, 16, "p-y Modification Factors", 2, 30);
    pyMod_.Add<TFloatColumn>({"Depth"}, "L2");
    pyMod_.Add<TFloatColumn>({"p-Multiplier"}, "", 1);
    pyMod_.Add<TFloatColumn>({"y-Multiplier"}, "", 1);

    Describe(distLoad_, 22, "Distributed Loads", 2, 100);
    AddDepthAndLoad(distLoad_);
    Describe(longDist_, 104, "Distributed Load (Long-Term)", 1, kNoLimit);
    AddDepthAndLoad(longDist_);

    Describe(surchargeTable_, 23, "Surcharge Loads", 1, 20,
             "The unit for point load is lbs or kN \rThe unit for line load is lbs/in. or kN/m \rThe unit for strip "
             "load is lbs/in^2 or kN/m^2 \rFor strip load, Distance X goes from the wall to the middle of the strip "
             "width");
    surchargeTable_.Add<TEnumColumn>({"Load Types"}, QStringList{"Point Load", "Line Load", "Strip Load"});
    surchargeTable_.Add<TFloatColumn>({"Load Magnitude"}, "SEE NOTES");
    surchargeTable_.Add<TFloatColumn>({"Distance, X"}, "L1");
    surchargeTable_.Add<TFloatColumn>({"Width of Strip Load, W"}, "L1");

    Describe(newSoil_, 19, "Soil Layers", 1, 10);
    DefineSoilTable(newSoil_);
    Describe(longSoil_, 44, "Soil Layers (Long-Term)", 1, 10);
    DefineSoilTable(longSoil_);

    Describe(pyCurves2_, 37, "Sets of Ext. p-y Curves", 2, 30);
    pyCurves2_.Add<TIntColumn>({"Node # "});
    pyCurves2_.Add<TTableColumn>({"Curve Sets"}, QList<int>{38});
    pyCurves2_.Add<TFloatColumn>({"Multiplier for p-value"}, "", 1);
    pyCurves2_.Add<TFloatColumn>({"Multiplier for y-value"}, "", 1);

    Describe(meiCurves2_, 36, "Nonlinear Moment vs EI Curves", 1, 20);
    meiCurves2_.Add<TIntColumn>({"From Node No. (Start)"}, 0, 0, 1000);
    meiCurves2_.Add<TIntColumn>({"To Node No. (End)"}, 0, 0, 1000);
    meiCurves2_.Add<TTableColumn>({"Moment and EI data"}, QList<int>{0});
}

QList<TGridTable*> TProjectTables::PlainTables() {
    return {&pileSect_, &soillayer_, &boundCond_, &soilStrength_, &tiebackTable1_, &pyMod_,
            &distLoad_, &longDist_,  &surchargeTable_, &newSoil_, &longSoil_};
}

QList<TGridTable*> TProjectTables::ChartTables() { return {&pyCurves2_, &meiCurves2_}; }

QList<TGridTable*> TProjectTables::AllTables() { return PlainTables() + ChartTables(); }

QList<TGridTable*> TProjectTables::Templates() {
    return {&tblClay1_, &tblSand1_, &tblSilt1_, &tblRock1_, &tblRock2_, &pyCurve2_, &rows2_};
}

// A new project also empties the chart-backed tables, so no curve of the
// previous project lingers in a new one.
void TProjectTables::ResetForNewProject() {
    SetUnits(kEnglish);
    Empty();
    TopUpToMinimum();
    SetModified(false);
}

void TProjectTables::SetUnits(int system) {
    for (TGridTable* table : AllTables()) table->SetUnits(system);
}

void TProjectTables::Empty() {
    for (TGridTable* table : AllTables()) table->SetRowCount(0);
}

// The chart-backed tables are left as they are: a default curve added to
// them would be written as one more curve of the project.
void TProjectTables::TopUpToMinimum() {
    for (TGridTable* table : PlainTables())
        if (table->RowCount() < table->MinRows()) table->SetRowCount(table->MinRows());
}

bool TProjectTables::IsModified() {
    if (modified_) return true;
    for (TGridTable* table : AllTables())
        if (table->IsChanged()) return true;
    return false;
}

void TProjectTables::SetModified(bool modified) {
    modified_ = modified;
    if (!modified)
        for (TGridTable* table : AllTables()) table->SetChanged(false);
}

}  // namespace korvex::app
