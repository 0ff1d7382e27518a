// The records of one problem of a data file, as the engine reads them.
// Values are kept as read (in the problem's units); conversions that the
// engine applies (feet to inches for tiebacks in English units, millimetres
// to metres for SI surcharge distances) are applied by the reader and noted
// at the field.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace korvex {

struct Control {
    int units = 1;     // 1 English (lbs, in), 2 SI (kN, m), 3 other (F, L)
    int nRestr = 0;    // RESTRAINT records
    int nSect = 0;     // SECTION records
    int nPyMod = 0;    // PYMOD records
    int kep = 0;       // earth pressure: 0 none, 1 user, 2 triangular, 3 trapezoidal
    int kpy = 0;       // soil resistance: 2 generated, otherwise user curves only
    int nPySets = 0;   // PYCURVES records
    int nStages = 1;   // construction stages of the run
    int nMEI = 0;      // MEICURVES records
    int nTieback = 0;  // TIEBACK records

    bool generateEarthPressure() const { return kep > 1; }
    bool generatePyCurves() const { return kpy == 2; }
    bool readsSoilBlock() const { return kep > 1 || kpy == 2; }
};

struct Wall {
    int ni = 0;         // number of increments
    double dx = 0;      // increment length
    double ymax = 0;    // maximum allowable deflection
    double tol = 0;     // deflection closure tolerance
    double h = 0;       // free height (excavation depth below the top of the wall)
    double wa = 0;      // width of wall one analysis represents

    double length() const { return ni * dx; }
};

struct Restraint {
    int caseCode = 1;  // <=1 deflection, 2 slope, >=3 both
    int station = 0;
    double deflection = 0;
    double slope = 0;
};

struct SectionRecord {
    int from = 0;
    int to = 0;
    int interp = 1;  // 1 constant, 2 linear to the next record
    double ei = 0;
};

struct LoadRecord {
    int interp = 1;
    int from = 0;
    int to = 0;
    double p = 0;  // lateral load
    double m = 0;  // moment
    double q = 0;  // axial load
};

struct SpringRecord {
    int from = 0;
    int to = 0;
    int interp = 1;
    double kLateral = 0;
    double kRotational = 0;
};

// Depth, unbonded length and spacing are in the base length unit here:
// in English units the reader has multiplied the file's feet by 12.
struct TiebackRecord {
    double depth = 0;
    double area = 0;
    double modulus = 0;
    double unbondedLength = 0;
    double angle = 0;  // degrees from the horizontal
    double spacing = 0;
    double prestress = 0;
};

struct PyModFactor {
    double depth = 0;
    double pMult = 1;
    double yMult = 1;
};

struct DistLoadPoint {
    double depth = 0;
    double load = 0;  // load per unit length of wall
};

// EARTH record.
struct EarthRecord {
    double h = 0;    // free height
    double wa = 0;   // width loaded by earth pressure above the excavation
    double wp = 0;   // width for soil resistance below the excavation
    double dwb = 0;  // depth of the water table on the backfill side
    double dwe = 0;  // depth of the water table on the excavation side
    double gw = 0;   // modification factor for active earth pressure
    int iep = 0;     // carried with the project, not used by the analysis
    double beta = 0; // backfill slope, degrees
};

// SURFACE record.
struct SurfaceRecord {
    double q = 0;   // uniform load on the backfill surface
    double x = 0;   // legacy surcharge: distance from the wall
    double pp = 0;  // legacy point load
    double pl = 0;  // legacy line load
    double ps = 0;  // legacy strip load
    double ws = 0;  // legacy strip width
};

// SURCHARGE row. In SI units the reader has divided X and W (millimetres) by 1000.
struct SurchargeLoad {
    int type = 1;  // 1 point, 2 line, 3 strip
    double magnitude = 0;
    double x = 0;
    double width = 0;
};

// LAYERS entry: soil type, depth of the layer's bottom, properties P1..P6 at
// the top and at the bottom of the layer (meaning by soil type: gamma, c or qu,
// phi, E50 or krm, k or Em, K or RQD).
struct SoilLayer {
    int type = 1;
    double bottom = 0;
    std::array<double, 6> top{};
    std::array<double, 6> bottomValues{};
};

struct SoilBlock {
    EarthRecord earth;
    SurfaceRecord surface;
    std::vector<SurchargeLoad> surcharges;
    std::vector<SoilLayer> layers;
};

struct CurvePoint {
    double y = 0;
    double p = 0;
};

// A PYCURVES record as given by the user (values unmultiplied).
struct UserPyCurve {
    int station = 0;
    double pMult = 1;
    double yMult = 1;
    std::vector<CurvePoint> points;
};

struct MomentStiffnessPoint {
    double moment = 0;
    double ei = 0;
};

struct MeiCurve {
    int from = 0;
    int to = 0;
    std::vector<MomentStiffnessPoint> points;
};

// Everything one problem reads from the data file.
struct ProblemInput {
    std::string title;  // the title line cut or padded to 70 characters
    Control control;
    Wall wall;
    std::vector<Restraint> restraints;
    std::vector<SectionRecord> sections;
    std::vector<LoadRecord> loads;
    std::vector<SpringRecord> springs;
    std::vector<TiebackRecord> tiebacks;
    std::vector<PyModFactor> pyMods;
    std::vector<DistLoadPoint> distLoads;  // KEP = 1
    bool hasSoilBlock = false;             // KEP > 1 or KPY = 2
    SoilBlock soil;
    std::vector<UserPyCurve> userCurves;
    std::vector<MeiCurve> meiCurves;
    int nextCode = 0;  // continuation code that ends the problem
};

}  // namespace korvex
