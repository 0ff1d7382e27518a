#include "py_curves/py_curve_generator.h"

#include "core/list_reader.h"
#include "py_curves/curve_modifiers.h"
#include "py_curves/profile_report.h"
#include "py_curves/py_constants.h"
#include "py_curves/soil_model.h"
#include "py_curves/soil_properties.h"
#include "py_curves/soildata_file.h"

#include <algorithm>
#include <cmath>
#include <iostream>

namespace korvex {
namespace {

using namespace py;

bool usesFriction(int type) { return type == 4 || type == 5; }

bool finite(const BranchPoints& points) {
    for (const CurvePoint& pt : points)
        if (!std::isfinite(pt.y) || !std::isfinite(pt.p)) return false;
    return true;
}

class CurveGenerator {
public:
    CurveGenerator(RunContext& ctx, const ProblemInput& input, const std::vector<EarthPressureLoad>& earthPressure)
        : ctx_(ctx),
          input_(input),
          earthPressure_(earthPressure),
          units_(UnitLabels::from(ctx.unitWords)),
          freeHeight_(input.wall.h),
          width_(input.soil.earth.wp),
          profile_(buildSoilProfile(input.soil.layers, profileFrame())),
          properties_(profile_),
          multipliers_(input.pyMods, freeHeight_, width_ != 0.0 ? input.soil.earth.wa / width_ : 0.0) {}

    void run() {
        writeProfileReport(ctx_.report, units_, freeHeight_, profile_);
        writeModificationFactors(ctx_.report, input_.pyMods);
        ctx_.report.write("(/,/,6X,\"P-Y CURVES DATA\")");
        const int generated = 5 * static_cast<int>(profile_.layers.size());
        SoilDataWriter file(ctx_.scratchFile(kSoilDataFile), static_cast<int>(input_.userCurves.size()) + generated);
        for (const UserPyCurve& curve : input_.userCurves) file.userCurve(curve);
        double resistanceAbove = 0.0;
        for (size_t i = 0; i < profile_.layers.size(); ++i) resistanceAbove += generateLayer(i, resistanceAbove, file);
    }

private:
    RunContext& ctx_;
    const ProblemInput& input_;
    const std::vector<EarthPressureLoad>& earthPressure_;
    UnitLabels units_;
    double freeHeight_;
    double width_;
    SoilProfile profile_;
    SoilProperties properties_;
    MultiplierRule multipliers_;

    ProfileFrame profileFrame() const {
        const Wall& w = input_.wall;
        return {freeHeight_, input_.soil.earth.dwb, waterUnitWeight(ctx_.units), w.length() + 2.0 * w.dx - freeHeight_};
    }

    // Generates the five curves of a layer; returns its cumulative resistance.
    double generateLayer(size_t i, double resistanceAbove, SoilDataWriter& file) {
        const ProfileLayer& layer = profile_.layers[i];
        std::unique_ptr<SoilModel> model = makeSoilModel(layer.type);
        const std::array<double, 5> depths = curveDepths(layer, depthOffset(ctx_.units));
        double equivalentTop = 0.0;
        for (int j = 0; j < 5; ++j) {
            CurveSite site = makeSite(i, j, depths[static_cast<size_t>(j)]);
            if (j == 0 && resistanceAbove > 0.0) equivalentTop = model->equivalentDepth(site, resistanceAbove);
            site.equivalentTop = equivalentTop;
            model->beginCurve(site);
            const double offset = model->activeOffset(site);
            for (Side side : {Side::Excavation, Side::Backfill}) {
                const BranchPoints points = model->branch(site, side, offset, {ctx_.report, units_});
                if (!finite(points))
                    throw DataError("ERROR -- THE P-Y CURVE OF SOIL LAYER " + std::to_string(site.layerNumber) +
                                    " AT X =" + fortran::formatF(site.x, 10, 2) +
                                    " CANNOT BE FORMED FROM THE SOIL DATA");
                writeBranch(site, side, points, model->style(), file);
            }
        }
        return model->cumulativeResistance();
    }

    CurveSite makeSite(size_t i, int j, double x) const {
        const ProfileLayer& layer = profile_.layers[i];
        CurveSite s;
        s.layerNumber = static_cast<int>(i) + 1;
        s.curveInLayer = j;
        s.x = x;
        s.freeHeight = freeHeight_;
        s.layerTop = layer.top;
        s.layerBottom = layer.bottom;
        s.b = width_;
        if (s.b <= 0.0) undefinedCurve(s, "WIDTH FOR SOIL RESISTANCE, WP", s.b);
        s.ratio = std::max(input_.soil.earth.wa / width_, 1.0);
        properties_.at(usesFriction(layer.type) ? Strength::Phi : Strength::Cohesion, x);
        s.c = properties_.at(Strength::Cohesion, x);
        s.phi = properties_.at(Strength::Phi, x);
        s.e50 = properties_.at(Strength::E50, x);
        s.coefficient = properties_.at(Strength::Coefficient, x);
        s.averageCohesion = properties_.averageCohesion(i, x);
        s.gamma = properties_.averageUnitWeight(x);
        s.kpy = layer.kpy;
        s.excavationOverburden = ctx_.carried.excavationOverburden;
        s.earthLoad = earthLoadAt(earthPressure_, freeHeight_ + x);
        s.multipliers = multipliers_.at(freeHeight_ + x);
        return s;
    }

    void writeBranch(const CurveSite& site, Side side, const BranchPoints& points, const BranchStyle& style,
                     SoilDataWriter& file) {
        for (const CurvePoint& pt : points) ctx_.report.write(style.reportRow, {pt.y, pt.p});
        if (style.multiplierLine)
            ctx_.report.write("(/,21X,\" P-Multiplier = \",E10.3,\" Y-Multiplier = \",E10.3)",
                              {site.multipliers.p, site.multipliers.y});
        if (side == Side::Excavation) file.generatedCurve(freeHeight_ + site.x);
        int number = 0;
        for (const CurvePoint& pt : points) file.point(style.fileRecord, ++number, pt.p, pt.y);
    }
};

}  // namespace

void generatePyCurves(RunContext& ctx, const ProblemInput& input, const std::vector<EarthPressureLoad>& earthPressure) {
    std::cerr << " READ SOIL DATA....\n";
    CurveGenerator(ctx, input, earthPressure).run();
}

}  // namespace korvex
