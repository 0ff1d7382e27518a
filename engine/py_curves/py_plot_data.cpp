#include "py_curves/py_plot_data.h"

namespace korvex {

void writeSoilResistancePlotData(fortran::FormattedWriter& plot, int units, const std::vector<SoilDataCurve>& curves,
                                 bool withUserCurves) {
    plot.list({units, static_cast<int>(curves.size())});
    for (const SoilDataCurve& curve : curves) {
        const int count = static_cast<int>(curve.points.size());
        if (withUserCurves)
            plot.list({curve.station, count});
        else
            plot.write("(1X,F10.2,1X,I5)", {curve.depth, count});
        for (const CurvePoint& pt : curve.points) plot.list({pt.y, pt.p});
    }
}

}  // namespace korvex
