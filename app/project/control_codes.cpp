#include "project/control_codes.h"

#include "project/program_data.h"

namespace korvex::app {

namespace {

void EmptyUnless(bool option, TGridTable& table) {
    if (!option) table.SetRowCount(0);
}

// Long-term earth pressure is always generated with the triangular shape.
int EarthPressureCode(TProgramData& p, TSection section) {
    if (p.UserEarthPressure) {
        p.GeneratedEarthPressure = 0;
        return 1;
    }
    if (p.GeneratePY || p.GeneratedEarthPressure) return section == TSection::LongTerm ? 2 : p.EarthShape;
    return 0;
}

}  // namespace

void DeriveControlCodes(TProgramData& p, TSection section) {
    TProjectTables& t = p.Tables();
    EmptyUnless(p.UseRestraints, t.Soillayer());
    EmptyUnless(p.UseLoads, t.BoundCond());
    EmptyUnless(p.UseSprings, t.SoilStrength());
    EmptyUnless(p.UseTiebacks, t.TiebackTable1());
    EmptyUnless(p.UsePYMod, t.PYMod());
    EmptyUnless(p.UseSurcharge, t.SurchargeTable());
    EmptyUnless(p.UseExtPY, t.PYCurves2());
    p.KEP = EarthPressureCode(p, section);
    p.KPY = p.GeneratePY ? 2 : (p.UseExtPY ? 1 : 0);
    p.MEICount = p.UseMEI ? t.MEICurves2().RowCount() : 0;
    p.TiebackCount = p.UseTiebacks ? t.TiebackTable1().RowCount() : 0;
    TGridTable& walls = t.PileSect();
    if (walls.RowCount() > 0) walls.Cell(2, walls.RowCount() - 1).SetInteger(1);
}

}  // namespace korvex::app
