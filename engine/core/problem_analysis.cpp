#include "core/problem_analysis.h"

#include "core/beam_results.h"
#include "core/boundary_marks.h"
#include "core/curve_setup.h"
#include "core/data_messages.h"
#include "core/earth_pressure_loads.h"
#include "core/input_echo.h"
#include "core/list_reader.h"
#include "core/moment_stiffness.h"
#include "core/nonlinear_iteration.h"
#include "core/results_report.h"
#include "core/station_tables.h"

namespace korvex {
namespace {

// The earth pressure as loads at the stations, with its echo and plot-data
// part; returns the distribution for the curve generator.
std::vector<EarthPressureRow> applyEarthPressure(RunContext& ctx, const ProblemInput& input, InputEcho& echo,
                                                 StationTables& tables) {
    const Wall& wall = input.wall;
    std::vector<EarthPressureRow> rows;
    if (input.control.kep == 1) {
        rows = userEarthPressure(input);
        echo.specifiedEarthPressureHeading();
        echo.earthPressureHeading();
        for (const DistLoadPoint& pt : input.distLoads) echo.earthPressurePoint(pt.depth, pt.load);
        writeEarthPressurePlot(ctx.plot, rows);
        if (!rows.empty()) addEarthPressureLoads(rows, rows.back().depth, wall.dx, tables.q);
    } else if (input.control.generateEarthPressure()) {
        const SupportDepths supports{ctx.carried.topSupportDepth, ctx.carried.bottomSupportDepth,
                                     static_cast<int>(input.loads.size() + input.springs.size() +
                                                      input.tiebacks.size())};
        generateEarthPressure(ctx, input, supports);
        rows = readEarthPressureFile(ctx.scratchFile(kEarthPressureFileName));
        applyLoadedWidths(rows, wall.h, input.soil.earth.wa, input.soil.earth.wp);
        std::vector<EarthPressureRow> selected;
        for (size_t k : selectPlotRows(rows.size(), input.control.units)) selected.push_back(rows[k]);
        echo.earthPressureHeading();
        for (const EarthPressureRow& r : selected) echo.earthPressurePoint(r.depth, r.total);
        writeEarthPressurePlot(ctx.plot, selected);
        addEarthPressureLoads(rows, wall.h, wall.dx, tables.q);
    } else {
        ctx.plot.list({0});
    }
    return rows;
}

// The curve generator sees the generated distribution only: a distribution
// given by the user (KEP = 1) acts on the wall but leaves the curves as they
// are without earth pressure.
std::vector<EarthPressureLoad> loadsForCurveGenerator(const Control& control,
                                                      const std::vector<EarthPressureRow>& rows) {
    std::vector<EarthPressureLoad> loads;
    if (!control.generateEarthPressure()) return loads;
    for (const EarthPressureRow& r : rows) loads.push_back({r.depth, r.total});
    return loads;
}

StationArray carriedDeflections(const std::vector<double>& carried, int ni) {
    StationArray y(ni);
    for (size_t k = 0; k < y.values().size() && k < carried.size(); ++k) y.values()[k] = carried[k];
    return y;
}

// The wall's full rigidity at an end station: the half value the distribution
// rule took off there is put back unless a moment-stiffness curve set the EI,
// or the rigidity goes on past that station (a section above the top), which
// then already holds both halves.
double fullRigidity(const StationTables& t, const StationArray& replaced, int station) {
    const int outside = station == 0 ? -1 : station + 1;
    if (replaced[station] != 0 || t.ei[outside] != 0) return t.ei[station];
    return t.ei[station] + t.eiEndHalves[station];
}

void storeResults(RunContext& ctx, const std::vector<StationResult>& rows, const StationArray& y) {
    ctx.results.clear();
    for (const StationResult& r : rows) {
        if (r.station >= 0) ctx.results.push_back({r.x, r.deflection, r.moment, r.shear, r.reaction});
    }
    ctx.carried.deflections = y.values();
}

}  // namespace

void analyseProblem(RunContext& ctx, const ProblemInput& input) {
    const Wall& wall = input.wall;
    InputEcho echo(ctx.report, ctx.unitWords);
    echo.wall(wall);
    const BoundaryConditions boundary = makeBoundaryConditions(input.restraints, wall.ni);
    echo.restraints(input.restraints);
    StationTables tables = buildStationTables(input, echo, ctx.carried);

    const std::vector<EarthPressureRow> earthPressure = applyEarthPressure(ctx, input, echo, tables);
    if (dataBeyondTip(tables) != 0) throw DataError(messages::kDataBeyondEnd);
    const std::vector<SoilCurve> curves =
        setUpSoilCurves(ctx, input, echo, loadsForCurveGenerator(input.control, earthPressure));

    checkMomentStiffnessCurves(input.meiCurves, wall.ni);
    StationArray replaced(wall.ni);
    updateMomentStiffness(input.meiCurves, carriedDeflections(ctx.carried.deflections, wall.ni), wall.dx, tables.ei,
                          replaced);

    CurveSpreadOptions options;
    if (input.control.generateEarthPressure()) options.excavationStation = nearestStation(wall.h, wall.dx);
    StationArray y(wall.ni);
    const IterationOutcome outcome =
        solveNonlinear({wall, tables, boundary, curves, options, input.meiCurves, replaced}, y, ctx.notes);

    const std::vector<StationResult> rows =
        beamResults(y, tables.ei, fullRigidity(tables, replaced, 0), fullRigidity(tables, replaced, wall.ni), wall.dx,
                    tables.moments);
    writeResultsReport(ctx, input, outcome, rows, tables.tiebacks, y);
    storeResults(ctx, rows, y);
}

}  // namespace korvex
