#include "earth_pressure/earth_pressure_generator.h"

#include "core/list_reader.h"
#include "earth_pressure/method_constants.h"
#include "earth_pressure/pressure_distribution.h"
#include "earth_pressure/soil_profile.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace korvex {

using namespace earth_pressure;

namespace {

// Banner of a report section: the framed title between two rows of 50 "*".
void banner(fortran::FormattedWriter& out, std::string_view framed) {
    out.write("(/,/,6X,50\"*\",/,6X,A,/,6X,50\"*\",/)", {framed});
}

// Frames a title in 50 characters, centred (an odd blank goes to the right).
std::string framed(std::string_view title) {
    const size_t inner = 48;
    const size_t used = title.size() < inner ? title.size() : inner;
    const size_t left = (inner - used) / 2;
    std::string line(inner + 2, ' ');
    line.front() = '*';
    line.back() = '*';
    line.replace(1 + left, used, title.substr(0, used));
    return line;
}

// Unit labels built from the unit words of the problem.
struct Labels {
    std::string length;          // L3
    std::string force;           // F4
    std::string forcePerLength;  // F4/L2
    std::string pressure;        // F4/L2**2
    std::string unitWeight;      // F4/L2**3, the cube piece "3  " with its two blanks
};

Labels labelsFor(const UnitWords& w) {
    return {w.l3, w.f4, w.f4 + "/" + w.l2, w.f4 + "/" + w.l2 + "**2", w.f4 + "/" + w.l2 + "**3  "};
}

struct Setup {
    int units = 1;
    int mode = 2;
    double h = 0, wa = 0, wp = 0;
    double waterTable = 0, excavationWater = 0;  // as given (reported)
    double waterInSoil = 0;  // backfill water table for the computation: at the surface when above it
    double gammaW = 0;
    double q = 0, beta = 0, m = 1;
    double wallLength = 0;
};

Setup setUp(const ProblemInput& input) {
    Setup s;
    const EarthRecord& e = input.soil.earth;
    s.units = input.control.units;
    s.mode = input.control.kep;
    s.h = e.h;
    s.wa = e.wa;
    s.wp = e.wp;
    s.waterTable = e.dwb;
    s.waterInSoil = std::max(e.dwb, 0.0);
    s.excavationWater = e.dwe;
    s.gammaW = s.units == 2 ? kWaterUnitWeightSI : kWaterUnitWeightEnglish;
    s.q = input.soil.surface.q;
    s.beta = e.beta;
    s.m = e.gw;
    s.wallLength = input.wall.length();
    if (!(s.h > 0.0))
        throw DataError("ERROR -- THE FREE HEIGHT OF THE WALL MUST BE GREATER THAN ZERO "
                        "TO GENERATE THE ACTIVE EARTH PRESSURE");
    if (!(s.wallLength > 0.0))
        throw DataError("ERROR -- THE WALL LENGTH (NUMBER OF INCREMENTS TIMES INCREMENT LENGTH) MUST BE "
                        "GREATER THAN ZERO TO GENERATE THE ACTIVE EARTH PRESSURE");
    return s;
}

void writeWallInformation(fortran::FormattedWriter& out, const Setup& s, const Labels& u) {
    banner(out, "*                WALL INFORMATION                *");
    const char* line = "(6X,A,E10.3,A)";
    out.write(line, {"FREE HEIGHT OF WALL                    = ", s.h, u.length});
    out.write(line, {"WIDTH FOR EARTH PRESSURE, WA           = ", s.wa, u.length});
    out.write(line, {"WIDTH FOR SOIL RESISTANCE, WP          = ", s.wp, u.length});
    out.write(line, {"DEPTH TO THE WATER TABLE AT BACKFILL   = ", s.waterTable, u.length});
    out.write(line, {"DEPTH TO THE WATER TABLE AT EXCAVATION = ", s.excavationWater, u.length});
    out.write(line, {"UNIT WEIGHT OF WATER                   = ", s.gammaW, u.unitWeight});
    out.write(line, {"SLOPE OF THE BACKFILL (deg.)           = ", s.beta, ""});
    out.write(line, {"MODIFICATION FOR ACTIVE EARTH PRESSURE = ", s.m, ""});
}

// Writes the surcharge section. The current surcharge starts as the single
// surcharge of the SURFACE record and takes each listed load in turn, so it
// ends as the last listed load.
void writeSurchargeInformation(fortran::FormattedWriter& out, const ProblemInput& input, const Labels& u,
                               CurrentSurcharge& current) {
    banner(out, "*              SURCHARGE INFORMATION             *");
    out.write("(6X,A,E10.3,A)", {"UNIFORM SURFACE PRESSURE     =", input.soil.surface.q, u.pressure});
    int number = 0;
    for (const SurchargeLoad& load : input.soil.surcharges) {
        ++number;
        current = CurrentSurcharge{};
        current.x = load.x;
        current.width = load.width;
        out.line();
        out.write("(6X,A,I10)", {"SURCHARGE LOADING NO.        = ", number});
        if (load.type == 3) {
            current.strip = load.magnitude;
            out.write("(6X,A,E10.3,A)", {"STRIP LOAD                   = ", load.magnitude, u.pressure});
            out.write("(6X,A,E10.3,A)", {"WIDTH OF THE STRIP LOAD      = ", load.width, u.length});
            out.write("(6X,A,E10.3,A)", {"HORIZONTAL DISTANCE BETWEEN  = ", load.x, u.length});
            out.write("(6X,A)", {"WALL AND MIDDLE OF STRIP WIDTH          "});
        } else {
            const bool line = load.type == 2;
            if (line) {
                current.line = load.magnitude;
                out.write("(6X,A,E10.3,A)", {"LINE LOAD                    = ", load.magnitude, u.forcePerLength});
            } else {
                current.point = load.magnitude;
                out.write("(6X,A,E10.3,A)", {"POINT LOAD                   = ", load.magnitude, u.force});
            }
            out.write("(6X,A,E10.3,A)", {"HORIZONTAL DISTANCE BETWEEN  = ", load.x, u.length});
            out.write("(6X,A)", {"THE WALL AND SURCHARGE         "});
        }
    }
}

void writeSoilInformation(fortran::FormattedWriter& out, const SoilProfile& profile, int units) {
    banner(out, framed("SOIL INFORMATION"));
    if (units != 1 && units != 2) return;  // the table is given in feet or metres only
    const bool english = units == 1;
    out.write("(6X,A)", {"         TOTAL   COHESION/       TOTAL UNIT"});
    out.write("(6X,A)", {"LAYER  THICKNESS STRENGTH    PHI   WEIGHT   DRAINED  ZTOP"});
    if (english)
        out.write("(7X,A3,A10,A11,A8,A9,2X,A6,A8)", {"NO.", "FT", "PSI", "DEG", "PCI", "T OR F", "FT"});
    else
        out.write("(7X,A3,A10,A11,A8,A9,2X,A6,A8)", {"NO.", " M", "kPa", "DEG", "kN/M^3", "T OR F", " M"});
    const double lengthScale = english ? 12.0 : 1.0;  // inches to feet
    int number = 0;
    for (const WorkingLayer& l : profile.layers)
        out.write("(7X,I3,F10.2,F11.1,F8.1,F9.3,5X,A1,F10.2)",
                  {++number, l.thickness / lengthScale, l.strength, l.phi, l.gamma, l.drained ? "T" : "F",
                   l.ztop / lengthScale});
}

void writeOverburden(fortran::FormattedWriter& out, const SoilProfile& profile, const Labels& u) {
    banner(out, framed("EFFECTIVE OVERBURDEN STRESS"));
    out.write("(6X,A)", {"          DEPTH                     STRESS       "});
    out.write("(12X,A10,17X,A10)", {u.length, u.pressure});
    for (const WorkingLayer& l : profile.layers) out.write("(12X,E10.3,17X,E10.3)", {l.ztop, l.overburden});
}

// Coefficients of every layer, with the report table; a backfill slope not
// smaller than the friction angle of a layer whose top lies above the
// excavation level is warned about in the run notes and the report each time
// it is met.
void computeCoefficients(RunContext& ctx, SoilProfile& profile, double beta, double freeHeight) {
    fortran::FormattedWriter& out = ctx.report;
    banner(out, "* ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT  *");
    out.write("(6X,A)", {"  LAYER         ACTIVE EARTH     PASSIVE EARTH     OPTIONAL EARTH"});
    out.write("(6X,A)", {"   NO.          COEFFICIENT      COEFFICIENT       COEFFICIENT   "});
    for (int i = 0; i < static_cast<int>(profile.layers.size()); ++i) {
        WorkingLayer& l = profile.layers[i];
        const Coefficients c = earthPressureCoefficients(l.phi, beta);
        l.ka = c.ka;
        l.rootKa = c.rootKa;
        l.kp = c.kp;
        if (c.slopeTooSteep && l.ztop < freeHeight) {
            const char* warning = "(/,6X,A,/,6X,A)";
            const char* first = "**** WARNING ******";
            const char* second = "THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF SAND.";
            ctx.notes.write(warning, {first, second});
            out.write(warning, {first, second});
        }
        out.write("(10X,I2,9X,E10.3,8X,E10.3,8X,E10.3)", {i + 1, l.ka, l.kp, l.optionalK});
        if (l.optionalK > kOptionalCoefficientGiven) {
            l.ka = l.optionalK;  // the user's coefficient, without a cohesion term
            l.rootKa = 0.0;
        }
    }
}

void writeResultants(fortran::FormattedWriter& out, const SoilProfile& profile, const Labels& u) {
    banner(out, "*      ACTIVE EARTH PRESSURE OF EACH LAYER       *");
    out.write("(6X,A)", {" LAYER    PA1     Z1       PA2     Z2         PA3     Z3        PA4"});
    out.write("(8X,3(1X,A10,1X,A6),1X,A10)",
              {u.forcePerLength, u.length, u.forcePerLength, u.length, u.forcePerLength, u.length, u.forcePerLength});
    for (int i = 0; i < profile.layersAboveExcavation(); ++i) {
        const WorkingLayer& l = profile.layers[i];
        out.write("(6X,I2,3(1X,F10.2,1X,F6.2),1X,F10.2)", {i + 1, l.pa1, l.z1, l.pa2, l.z2, l.pa3, l.z3, l.pa4});
    }
}

void writeWaterPressures(fortran::FormattedWriter& out, const SoilProfile& profile, const Labels& u) {
    banner(out, framed("ACTIVE WATER PRESSURE OF EACH LAYER"));
    out.write("(6X,A)", {" LAYER    PW1     Z1       PW2      Z2                "});
    out.write("(8X,2(1X,A10,1X,A6))", {u.forcePerLength, u.length, u.forcePerLength, u.length});
    const int first = firstWaterLayer(profile);
    for (int i = first; i < profile.layersAboveExcavation(); ++i) {
        const WorkingLayer& l = profile.layers[i];
        if (!l.drained || !l.belowWater) continue;
        out.write("(6X,I2,2(1X,F10.2,1X,F6.2))", {i + 1, l.pw1, l.zw1, l.pw2, l.zw2});
    }
}

void writeEarthPressureFile(const std::filesystem::path& path, const PressureTable& table) {
    std::ofstream file(path, std::ios::out | std::ios::trunc);
    if (!file) throw DataError("ERROR -- THE EARTH-PRESSURE FILE " + path.string() + " CANNOT BE CREATED");
    fortran::FormattedWriter out(file);
    out.list({static_cast<long long>(table.rows.size())});
    for (const PressureRow& r : table.rows)
        out.write("(5X,E10.3,4X,E10.3,4X,E10.3,4X,E10.3)", {r.depth, r.total, r.soil, r.surcharge});
    file.flush();
    if (!file) throw DataError("ERROR -- THE EARTH-PRESSURE FILE " + path.string() + " CANNOT BE WRITTEN");
}

}  // namespace

void generateEarthPressure(RunContext& ctx, const ProblemInput& input, const SupportDepths& supports) {
    // 1. Set-up.
    const Setup s = setUp(input);
    const Labels labels = labelsFor(ctx.unitWords);
    const SurchargePressure surcharge(input.soil.surcharges, s.h, s.wallLength);
    const SurfaceRecord& surface = input.soil.surface;
    CurrentSurcharge current{surface.pp, surface.pl, surface.ps, surface.x, surface.ws};

    // 2. Profile.
    SoilProfile profile = subdivide(inputLayers(input), s.h, s.waterInSoil, s.m);

    // 3. Report of the input; the profile must reach below the excavation.
    writeWallInformation(ctx.report, s, labels);
    writeSurchargeInformation(ctx.report, input, labels, current);
    writeSoilInformation(ctx.report, profile, s.units);
    if (profile.overflow) {
        // The method's own message for the overflow; the run then ends without another.
        ctx.report.write("(/,/,5X,A,/,5X,A)", {"EXECUTION HAS BEEN TERMINATED BECAUSE SUBDIVISION OF",
                                               "A LAYER HAS LED TO CREATION OF MORE THAN 20 LAYERS."});
        throw DataError("");
    }
    if (profile.excavationLayer < 0)
        throw DataError("ERROR -- NO SOIL LAYER STARTS AT THE EXCAVATION LEVEL: THE FREE HEIGHT OF THE WALL LIES "
                        "AT OR BELOW THE BOTTOM OF THE SOIL PROFILE");

    // 4. The per-layer result fields start cleared (WorkingLayer's initial values).
    // 5. Effective overburden and coefficients.
    const double excavationOverburden = computeOverburden(profile, s.q, s.waterInSoil, s.gammaW);
    ctx.carried.excavationOverburden = excavationOverburden;
    writeOverburden(ctx.report, profile, labels);
    useTotalStressWithUserCoefficient(profile, s.waterInSoil, s.gammaW);
    computeCoefficients(ctx, profile, s.beta, s.h);

    // 6. Resultants, water pressures, the net-force check and the pressure table.
    for (int i = 0; i < profile.layersAboveExcavation(); ++i) {
        const WorkingLayer& next = profile.layers[i + 1];
        computeLayerResultants(profile.layers[i], next.overburden, next.ztop, s.gammaW, current, s.h, i + 1);
    }
    writeResultants(ctx.report, profile, labels);
    if (computeWaterPressures(profile, s.waterInSoil, s.gammaW)) writeWaterPressures(ctx.report, profile, labels);
    if (netActiveForce(profile) < kNetForceLimit) {
        std::cerr << "Net active pressure is negative." << std::endl;
        ctx.report.write("(/,6X,A)", {"Net active pressure is negative."});
    }

    TableInput in;
    in.units = s.units;
    in.trapezoid = s.mode == 3;
    in.freeHeight = s.h;
    in.wallLength = s.wallLength;
    in.waterTable = s.waterInSoil;
    in.excavationWater = s.excavationWater;
    in.q = s.q;
    in.gammaW = s.gammaW;
    in.excavationOverburden = excavationOverburden;
    in.supportCount = supports.recordCount;
    in.firstSupport = supports.top;
    in.lastSupport = supports.bottom;
    const PressureTable table = buildPressureTable(profile, in, surcharge);
    writeEarthPressureFile(ctx.scratchFile(kEarthPressureFileName), table);
}

std::vector<EarthPressureRow> readEarthPressureFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::in | std::ios::binary);
    if (!file) throw DataError("ERROR -- THE EARTH-PRESSURE FILE " + path.string() + " CANNOT BE OPENED");
    std::ostringstream text;
    text << file.rdbuf();
    ListReader reader(text.str());
    int count = 0;
    {
        auto read = reader.read("THE ROW COUNT OF THE EARTH-PRESSURE FILE");
        count = read.integer();
    }
    if (count < 0) throw DataError("ERROR -- THE EARTH-PRESSURE FILE ANNOUNCES A NEGATIVE NUMBER OF ROWS");
    std::vector<EarthPressureRow> rows;
    rows.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        auto read = reader.read("A ROW OF THE EARTH-PRESSURE FILE");
        EarthPressureRow row;
        row.depth = read.real();
        row.total = read.real();
        row.soil = read.real();
        row.surcharge = read.real();
        rows.push_back(row);
    }
    return rows;
}

void applyLoadedWidths(std::vector<EarthPressureRow>& rows, double freeHeight, double wa, double wp) {
    bool below = false;
    for (EarthPressureRow& row : rows) {
        if (row.depth > freeHeight) below = true;
        const double width = below ? wp : wa;
        row.total *= width;
        row.soil *= width;
        row.surcharge *= width;
    }
}

std::vector<std::size_t> selectPlotRows(std::size_t count, int units) {
    std::vector<std::size_t> rows;
    if (count == 0) return rows;
    std::size_t step = 1;
    if (count > 50) step = units == 1 ? 6 : units == 2 ? 4 : 1;
    for (std::size_t i = 0; i < count; i += step) rows.push_back(i);
    if (rows.back() != count - 1) rows.push_back(count - 1);
    return rows;
}

}  // namespace korvex
