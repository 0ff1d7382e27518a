#include "graphics/axis_titles.h"

#include "framework/unit_tokens.h"
#include "graphics/graph_set.h"

namespace korvex::app {

namespace {

// English runs are shown in ft, in-kips and kips; SI runs and runs in other
// units both get the SI titles, as no titles exist for the other units.
QString Title(int units, const char* english, const char* si) {
    return QString::fromLatin1(units == kEnglish ? english : si);
}

}  // namespace

void ApplyAxisTitles(TGraphSet& g, int units) {
    const QString depth = Title(units, "Depth (ft)", "Depth (m)");
    const QString moment = Title(units, "Bending Moment (in-kips)", "Bending Moment (m-kN)");
    g.pltMomEi.XCaption = Title(units, "Moment (in-kips)", "Moment (m-kN)");
    g.pltMomEi.YCaption = Title(units, "EI (kips-in^2)", "EI (kN-m^2)");
    g.pltMomCurv.YCaption = Title(units, "Moment (in-kips)", "Moment (m-kN)");
    g.pltInter.XCaption = moment;
    g.pltInter.YCaption = Title(units, "Axial Load (kips)", "Axial Load (kN)");
    g.pltDef.YCaption = depth;
    g.pltSoil.YCaption = depth;
    g.pltLD.YCaption = depth;
    g.pltMom.XCaption = moment;
    g.pltMom.YCaption = depth;
    g.pltShear.XCaption = Title(units, "Shear (kips)", "Shear (kN)");
    g.pltShear.YCaption = depth;
    g.pltLM.XCaption = Title(units, "Maximum Moment (in-kips)", "Maximum Moment (m-kN)");
    g.pltLM.YCaption = Title(units, "Lateral Load (kips)", "Lateral Load (kN)");

    TGraphPlot& dms = g.pltDMS;
    dms.XCaption = g.pltDef.XCaption, dms.YCaption = g.pltDef.YCaption, dms.XUnits = g.pltDef.XUnits;
    dms.XCaption2 = g.pltMom.XCaption, dms.YCaption2 = g.pltMom.YCaption, dms.XUnits2 = g.pltMom.XUnits;
    dms.XCaption3 = g.pltShear.XCaption, dms.YCaption3 = g.pltShear.YCaption, dms.XUnits3 = g.pltShear.XUnits;

    for (TGraphPlot* graph : g.Graphs()) graph->SetUnits(units);
}

}  // namespace korvex::app
