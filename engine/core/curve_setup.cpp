#include "core/curve_setup.h"

#include "core/data_messages.h"
#include "core/list_reader.h"
#include "core/station_array.h"
#include "py_curves/py_plot_data.h"
#include "py_curves/soildata_file.h"

namespace korvex {
namespace {

void checkCount(size_t count) {
    if (count > kMaxCurves) throw DataError(messages::kTooMuchData);
}

void checkStation(int station) {
    if (station < -StationArray::kMargin) throw DataError(messages::stationOutsideWall("PYCURVES", station));
}

// Echoes the user's curves and returns them for the solution. Alone they
// interpolate from the free height down; with generated curves each acts at
// its own station.
std::vector<SoilCurve> userCurves(const ProblemInput& input, InputEcho& echo, bool withGenerated) {
    std::vector<SoilCurve> curves;
    if (input.userCurves.empty()) return curves;
    echo.userCurvesHeading();
    bool previous = false;
    for (const UserPyCurve& uc : input.userCurves) {
        const bool flag = !withGenerated && userCurveInterpolates(uc.station, input.wall.dx, input.wall.h);
        echo.userCurve(uc, flag ? 1 : 0, withGenerated, spanLayout(previous, flag));
        checkStation(uc.station);
        curves.push_back(userSoilCurve(uc, input.wall.dx, flag));
        previous = flag;
    }
    return curves;
}

void writeUserCurvesPlot(fortran::FormattedWriter& plot, int units, const std::vector<UserPyCurve>& curves) {
    plot.list({units, static_cast<long long>(curves.size())});
    for (const UserPyCurve& c : curves) {
        plot.list({c.station, static_cast<long long>(c.points.size())});
        for (const CurvePoint& p : c.points) plot.list({p.y * c.yMult, p.p * c.pMult});
    }
}

// Curves read back from "SOILDATA" hold their multipliers already; p becomes per station.
SoilCurve fromSoilData(const SoilDataCurve& sd, double dx) {
    checkStation(sd.station);
    SoilCurve c{sd.station, sd.generated, sd.points};
    for (CurvePoint& p : c.points) p.p *= dx;
    return c;
}

std::vector<SoilCurve> generatedCurves(RunContext& ctx, const ProblemInput& input, InputEcho& echo,
                                       const std::vector<EarthPressureLoad>& earthPressure) {
    userCurves(input, echo, true);  // echoed and checked; their values come back from the file
    generatePyCurves(ctx, input, earthPressure);
    const size_t userCount = input.userCurves.size();
    const std::vector<SoilDataCurve> read =
        readSoilData(ctx.scratchFile(kSoilDataFile), static_cast<int>(userCount), input.wall.dx);
    checkCount(read.size());
    if (read.size() == userCount) echo.noGeneratedCurves();
    writeSoilResistancePlotData(ctx.plot, input.control.units, read, userCount > 0);
    std::vector<SoilCurve> curves;
    for (const SoilDataCurve& sd : read) curves.push_back(fromSoilData(sd, input.wall.dx));
    return curves;
}

}  // namespace

std::vector<SoilCurve> setUpSoilCurves(RunContext& ctx, const ProblemInput& input, InputEcho& echo,
                                       const std::vector<EarthPressureLoad>& earthPressure) {
    checkCount(input.userCurves.size());
    if (input.control.generatePyCurves()) return generatedCurves(ctx, input, echo, earthPressure);
    std::vector<SoilCurve> curves = userCurves(input, echo, false);
    writeUserCurvesPlot(ctx.plot, input.control.units, input.userCurves);
    return curves;
}

}  // namespace korvex
