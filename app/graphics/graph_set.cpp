#include "graphics/graph_set.h"

#include "framework/errors.h"
#include "graphics/plot_data_reader.h"

namespace korvex::app {

namespace {

struct TGraphDescription {
    const char* name;
    const char* caption;
    const char* curveName;
    const char* xCaption;
    const char* xUnits;
    const char* yCaption;
    const char* yUnits;
    bool xOnTop;
};

void Describe(TGraphPlot& graph, const TGraphDescription& d) {
    graph.setObjectName(QString::fromLatin1(d.name));
    graph.Caption = QString::fromLatin1(d.caption);
    graph.CurveName = QString::fromLatin1(d.curveName);
    graph.XCaption = QString::fromLatin1(d.xCaption);
    graph.XUnits = QString::fromLatin1(d.xUnits);
    graph.YCaption = QString::fromLatin1(d.yCaption);
    graph.YUnits = QString::fromLatin1(d.yUnits);
    graph.XOnTop = d.xOnTop;
}

}  // namespace

TGraphSet::TGraphSet() {
    Describe(pltLD, {"pltLD", "Earth Pressure Distribution", "Curve #", "Distributed load", "F/L", "Depth", "", true});
    Describe(PltCombine, {"PltCombine", "Earth Pressure Combined", "Curve #", "Distributed Load", "F/L", "Depth", "L2", true});
    Describe(pltPY, {"pltPY", "p-y Curves", "Depth ", "y", "L", "p", "F/L", false});
    Describe(pltDef, {"pltDef", "Deflection vs Depth", "Load #", "Deflection", "L", "Depth", "", true});
    Describe(pltMom, {"pltMom", "Moment vs Depth", "Load #", "Bending Moment", "", "Depth", "", true});
    Describe(pltShear, {"pltShear", "Shear vs Depth", "Load #", "Shear", "", "Depth", "", true});
    Describe(pltSoil, {"pltSoil", "Net Reaction vs Depth", "Load #", "Reaction", "F", "Depth", "", true});
    Describe(pltDMS, {"pltDMS", "Deflection, Moment, Shear vs Depth", "Curve #", "Deflection", "L", "Depth", "", true});
    Describe(pltMomEi, {"pltMomEi", "EI vs Moment", "Axial Load ", "Moment", "", "EI", "", false});
    Describe(pltMomCurv, {"pltMomCurv", "Moment vs Curvature", "Axial Load ", "Curvature (rad)", "", "Moment", "", false});
    Describe(pltInter, {"pltInter", "Interaction Diagram", "Curve #", "Bending Moment", "", "Axial Load", "", false});
    Describe(pltLM, {"pltLM", "Load vs Max Bending Moment", "Curve #", "Max Bending Moment", "", "Lateral Load", "", false});
    pltInter.ShowLegend = false;
}

TGraphSet::~TGraphSet() = default;

std::array<TGraphPlot*, 12> TGraphSet::Graphs() {
    return {&pltLD, &PltCombine, &pltPY, &pltDef, &pltMom, &pltShear,
            &pltSoil, &pltDMS, &pltMomEi, &pltMomCurv, &pltInter, &pltLM};
}

std::array<TGraphPlot*, 7> TGraphSet::ExportGraphs() {
    return {&pltPY, &pltDef, &pltShear, &pltMom, &pltSoil, &pltLD, &PltCombine};
}

std::array<TGraphPlot*, 4> TGraphSet::DepthGraphs() { return {&pltDef, &pltMom, &pltShear, &pltSoil}; }

bool TGraphSet::LoadPlotData(const QString& fileName, const TPlotProject& project, bool reportErrors) {
    lastReadError_.clear();
    try {
        TPlotDataReader(*this, project).Read(fileName);
        return true;
    } catch (const EInOutError& error) {
        lastReadError_ = error.Message();
        if (reportErrors) emit information(QStringLiteral("An error occured in running the main program."));
        return false;
    }
}

}  // namespace korvex::app
