#include "earth_pressure/pressure_distribution.h"

#include "core/list_reader.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace korvex::earth_pressure {

Coefficients earthPressureCoefficients(double phi, double beta) {
    Coefficients c;
    c.rootKa = std::tan((45.0 - phi / 2.0) / kDegreesPerRadian);
    c.ka = c.rootKa * c.rootKa;
    if (beta != 0.0) {
        const double cb = std::cos(beta / kDegreesPerRadian);
        const double cp = std::cos(phi / kDegreesPerRadian);
        // A friction angle beyond 90 degrees (no real soil) can leave the root
        // without a value even for |beta| < phi: that too keeps level ground.
        if (std::fabs(beta) < phi && cb * cb >= cp * cp) {
            const double root = std::sqrt(cb * cb - cp * cp);
            c.ka = cb * (cb - root) / (cb + root);
            c.rootKa = std::sqrt(c.ka);
        } else {
            c.slopeTooSteep = true;  // the sloped form has no value: keep level ground
        }
    }
    const double passive = std::tan((45.0 + phi / 2.0) / kDegreesPerRadian);
    c.kp = passive * passive;
    return c;
}

double addSurchargeForce(double force, const CurrentSurcharge& surcharge, double freeHeight, double ztop, double t) {
    const double slice = t / 10.0;
    auto addSlices = [&](double load, auto pressure) {
        if (load <= kSurchargeNone) return;
        for (int s = 1; s <= 10; ++s) force += slice * pressure(ztop + s * t / 10.0);
    };
    addSlices(surcharge.point, [&](double z) { return pointLoadPressure(surcharge.point, surcharge.x, freeHeight, z); });
    addSlices(surcharge.line, [&](double z) {
        return lineLoadPressure(surcharge.line, surcharge.x, freeHeight, z, SurchargeConstants::LayerResultant);
    });
    addSlices(surcharge.strip, [&](double z) {
        return stripLoadPressure(surcharge.strip, surcharge.x, surcharge.width, z, SurchargeConstants::LayerResultant);
    });
    return force;
}

void computeLayerResultants(WorkingLayer& layer, double svNext, double ztopNext, double gammaW,
                            const CurrentSurcharge& surcharge, double freeHeight, int layerNumber) {
    const double t = layer.thickness;
    const double sv = layer.overburden;
    const double c = layer.strength;
    const double m = layer.m;
    const double gammaEff = layer.drained && layer.belowWater ? layer.gamma - gammaW : layer.gamma;

    layer.pa1 = addSurchargeForce(sv * layer.ka * t * m, surcharge, freeHeight, layer.ztop, t);
    layer.pa2 = 0.5 * gammaEff * (t * t) * layer.ka * m;
    layer.pa3 = -2.0 * c * layer.rootKa * t * m;
    layer.z1 = layer.ztop + t / 2.0;
    layer.z2 = layer.ztop + 2.0 * t / 3.0;

    if (layer.pa1 + layer.pa3 < 0.0) {
        // Cohesion outweighs the pressure at the top: the layer is in tension
        // down to a depth, and only the part below it pushes on the wall.
        layer.pa1 = layer.pa2 = layer.pa3 = 0.0;
        const double a = 2.0 * c * layer.rootKa - sv * layer.ka;     // tension at the top
        const double b = svNext * layer.ka - 2.0 * c * layer.rootKa;  // pressure at the bottom
        if (b + a == 0.0)
            throw DataError("ERROR -- LAYER " + std::to_string(layerNumber) +
                            " IS IN TENSION BUT ITS ACTIVE PRESSURE DOES NOT GROW WITH DEPTH, "
                            "SO THE DEPTH OF THE TENSION ZONE CANNOT BE FOUND (CHECK ITS UNIT WEIGHT)");
        layer.zc = b * t / (b + a);
        layer.pa4 = b > 0.0 ? m * layer.zc * b / 2.0 : 0.0;
        layer.z3 = ztopNext - layer.zc / 3.0;
    }
}

double netActiveForce(const SoilProfile& profile) {
    double sum = 0.0;
    for (int i = 0; i < profile.layersAboveExcavation(); ++i) {
        const WorkingLayer& l = profile.layers[i];
        sum += l.pa1 + l.pa2 + l.pa3 + l.pa4 - l.pw1 - l.pw2;
    }
    return sum;
}

namespace {

// The tiny value that stands for a pressure that is zero or negative in row k
// (1-based), so that the table never holds zero or negative pressures.
double rowFloor(int k) { return static_cast<double>(static_cast<float>(k) * kRowFloorStep); }

void applyTrapezoid(PressureTable& table, const TableInput& in) {
    const double h = in.freeHeight;
    const double a = 2.0 * in.firstSupport / 3.0;
    double b = 0, c = 0;
    double p = 0;
    if (in.supportCount > 1) {
        c = 2.0 * (h - in.lastSupport) / 3.0;
        b = h - a - c;
        const double denominator = h - (a + c) / 3.0;
        if (std::fabs(denominator) < kDepthTolerance)
            throw DataError("ERROR -- THE TRAPEZOIDAL EARTH PRESSURE CANNOT BE FORMED: THE DEPTHS OF THE "
                            "FIRST AND LAST SUPPORTS LEAVE NO HEIGHT FOR THE PRESSURE");
        p = kTrapezoidFactor * table.forceAboveExcavation / denominator;
    } else {
        c = 2.0 * (h - in.firstSupport) / 3.0;
        b = h / 3.0;
        p = kTrapezoidFactor * table.forceAboveExcavation * 3.0 / (2.0 * h);
    }
    if (std::fabs(c) < kDepthTolerance)
        throw DataError("ERROR -- THE TRAPEZOIDAL EARTH PRESSURE CANNOT BE FORMED: THE LAST SUPPORT LIES AT "
                        "THE EXCAVATION LEVEL, SO THE PRESSURE HAS NO HEIGHT TO DECREASE TO ZERO");
    table.plateau = p;
    // The rising part is empty when the first support is at the top (a = 0):
    // every row lies below the top, so p z / a is never evaluated then.
    for (int k = 1; k <= table.excavationRow; ++k) {
        PressureRow& row = table.rows[k];
        const double z = row.depth;
        if (z < a)
            row.total = p * z / a;
        else if (z <= a + b)
            row.total = p;
        else
            row.total = p - (z - (a + b)) * p / c;
    }
}

}  // namespace

PressureTable buildPressureTable(const SoilProfile& profile, const TableInput& in, const SurchargePressure& surcharge) {
    PressureTable table;
    const auto& layers = profile.layers;
    const int steps = in.units == 2 ? 20 : 1;  // rows per length unit
    const int exc = profile.excavationLayer;
    const double h = in.freeHeight;
    const double gw = in.gammaW;

    // Row 1, the top of the wall: the uniform surface pressure only.
    {
        const WorkingLayer& top = layers.front();
        PressureRow row;
        row.total = top.ka * top.overburden * top.m;
        row.soil = 0.0;
        row.surcharge = top.overburden > 0.0 ? row.total : 0.0;
        table.rows.push_back(row);
    }

    // The rows end at the wall tip (never above the excavation level): the
    // layers below the tip are left out, and the last layer used is cut at
    // the tip or continued down to it.
    const double tableBottom = std::max(in.wallLength, h);
    int lastLayer = -1;
    for (int i = 0; i < static_cast<int>(layers.size()); ++i)
        if (layers[i].ztop < tableBottom - kDepthTolerance) lastLayer = i;

    double u = 0.0;  // excavation-side water pressure, kept from row to row
    double previousTotal = table.rows.front().total;
    table.excavationRow = 0;
    for (int i = 0; i <= lastLayer; ++i) {
        const WorkingLayer& layer = layers[i];
        const double t = i == lastLayer ? tableBottom - layer.ztop : layer.thickness;
        const long long n = std::llround(steps * t);  // a layer thinner than half a step has no row
        const bool aboveExcavation = exc < 0 || i < exc;
        const bool submerged = layer.drained && layer.belowWater;
        const double gammaEff = submerged ? layer.gamma - gw : layer.gamma;
        const double gwLayer = submerged ? gw : 0.0;
        const double m = layer.m;
        const double cohesion = 2.0 * layer.strength * layer.rootKa * m;

        double p0 = 0, g = 0;
        if (aboveExcavation) {
            p0 = (layer.ztop - in.waterTable) * gwLayer * m + layer.overburden * layer.ka * m - cohesion;
            g = (gwLayer + gammaEff * layer.ka) * m;
        } else {
            // Below the excavation level the active pressure stays at its
            // value at that level, with the layer's own coefficient.
            const double water = h < in.waterTable ? 0.0 : (h - in.waterTable) * gwLayer * m;
            p0 = water + in.excavationOverburden * layer.ka * m - cohesion;
            g = 0.0;
        }
        double uniformShare = in.q * layer.ka * m - cohesion;
        if (in.q < kUniformPressureNone || uniformShare < 0.0) uniformShare = 0.0;

        for (long long j = 1; j <= n; ++j) {
            const double d = static_cast<double>(j) * t / static_cast<double>(n);
            const double z = layer.ztop + d;
            PressureRow row;
            row.depth = z;
            row.total = row.soil = p0 + g * d;
            const double sigma = surcharge.at(z) * m;
            row.surcharge = sigma;
            row.total += sigma;

            if (in.excavationWater < z && z < h) {
                u = (z - in.excavationWater) * gw;
            } else if (z > h) {
                u = 0.0;
                if (z > in.excavationWater) u = (h - in.excavationWater) * gw;
            }
            if (u < 0.0) u = 0.0;
            if (layer.belowWater) {
                row.total -= u * m;
                row.soil -= u * m;
            }

            const int k = static_cast<int>(table.rows.size()) + 1;
            if (row.total < kPressureFloor) row.total = rowFloor(k);
            if (row.soil < kPressureFloor) row.soil = rowFloor(k);

            if (aboveExcavation) table.forceAboveExcavation += (previousTotal + row.total) * 0.5 * (1.0 / steps);
            previousTotal = row.total;

            row.surcharge += uniformShare;
            row.soil -= uniformShare;
            table.rows.push_back(row);
        }
        if (aboveExcavation) table.excavationRow = static_cast<int>(table.rows.size()) - 1;
    }

    if (in.trapezoid) {
        applyTrapezoid(table, in);
        // The row at the excavation level ends the trapezoid and starts the part below.
        const PressureRow repeat = table.rows[table.excavationRow];
        table.rows.insert(table.rows.begin() + table.excavationRow + 1, repeat);
    }
    return table;
}

}  // namespace korvex::earth_pressure
