// The interface between the curve-generation frame and the soil models: the
// values of one curve depth, the branch a model builds, and the model itself.
#pragma once

#include "core/analysis_model.h"
#include "core/fortran_format.h"
#include "py_curves/curve_modifiers.h"
#include "py_curves/layer_resistance.h"
#include "py_curves/unit_labels.h"

#include <array>
#include <memory>

namespace korvex::py {

enum class Side { Excavation, Backfill };

inline constexpr int kBranchPoints = 17;
using BranchPoints = std::array<CurvePoint, kBranchPoints>;

// Everything a model needs at one curve depth. Soil properties are evaluated
// once at the excavation-side depth x and serve both branches.
struct CurveSite {
    int layerNumber = 1;        // profile layer, from 1 at the excavation
    int curveInLayer = 0;       // 0..4
    double x = 0;               // excavation-side depth below the excavation surface
    double freeHeight = 0;      // H
    double layerTop = 0;        // x at the top and bottom of the profile layer
    double layerBottom = 0;
    double b = 0;               // width of the wall element, WP
    double ratio = 1;           // spacing ratio WA / WP, at least 1.0
    double c = 0;               // cohesion (qu for rock) at x
    double phi = 0;             // friction angle at x, radians
    double e50 = 0;             // E50 (krm for weak rock) at x
    double coefficient = 0;     // optional coefficient (RQD for weak rock) at x
    double averageCohesion = 0; // "CAVG" at x
    double gamma = 0;           // "GAMMA AVG" at x
    double kpy = 0;             // k(py) of the layer (Em for weak rock)
    double excavationOverburden = 0;
    double earthLoad = 0;       // earth-pressure load per unit length at H + x
    Multipliers multipliers;    // at H + x
    double equivalentTop = 0;   // depth in this soil carrying the resistance of the layers above

    bool firstCurve() const { return curveInLayer == 0; }
    bool lastCurve() const { return curveInLayer == 4; }
    // Depth below the ground surface of the branch's side.
    double branchDepth(Side side) const { return side == Side::Excavation ? x : freeHeight + x; }
    // Branch depth moved into the equivalent depth of this soil (unchanged in the first layer).
    double modelDepth(Side side) const { return branchDepth(side) - layerTop + equivalentTop; }
};

// How a model's rows appear in the report and in "SOILDATA".
struct BranchStyle {
    const char* reportRow = "(21X,2F20.5)";
    const char* fileRecord = "(I5,1X,E10.3,1X,E10.3)";
    bool multiplierLine = true;
};

// Where a model writes its branch headings.
struct BranchReport {
    fortran::FormattedWriter& out;
    const UnitLabels& units;
};

class SoilModel {
public:
    virtual ~SoilModel() = default;

    // Depth h_eq at which this soil, with the properties of the layer's first
    // curve, carries the resistance F of the layers above (rock and the stiff
    // clays do not use it).
    virtual double equivalentDepth(const CurveSite&, double) const { return 0.0; }
    // Called once per curve before the branches.
    virtual void beginCurve(const CurveSite&) {}
    // Active-pressure offset of the curve; the clay rule unless the soil has its own.
    virtual double activeOffset(const CurveSite& site) const;
    // Writes the branch heading and returns the 17 points as written: multipliers
    // and offset applied. On the excavation side it also adds to the layer's
    // cumulative resistance.
    virtual BranchPoints branch(const CurveSite& site, Side side, double offset, BranchReport report) = 0;
    virtual BranchStyle style() const { return {}; }

    // Integral of the ultimate resistance over the layer, for the equivalent depth of deeper layers.
    double cumulativeResistance() const { return resistance_.total(); }

protected:
    LayerResistance resistance_;
};

// One model per soil-type code (codes outside 2..7 are soft clay).
std::unique_ptr<SoilModel> makeSoilModel(int type);

// y = ym y_k; p = pm p_k - pa on the excavation side, pm p_k + pa on the backfill side.
BranchPoints applyModifiers(const BranchPoints& raw, Multipliers m, double offset, Side side);

// "AT THE EXCAVATION SIDE" / "AT THE BACKFILL SIDE".
void writeSideLine(fortran::FormattedWriter& out, Side side);
// The "Y" and "P" heading with unit labels above the rows.
void writeDeflectionResistanceHeading(BranchReport report);

// Ends the run for an input value that leaves the curve undefined (zero width,
// E50, k, strength ...), naming the layer, the value and the depth.
[[noreturn]] void undefinedCurve(const CurveSite& site, const char* what, double value);

}  // namespace korvex::py
