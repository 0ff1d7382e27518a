// TProjectTables: the project's data-entry tables with their identifiers,
// captions, row limits, columns, defaults, unit tokens and help texts,
// defined once here. The object plays the main window's part as owner of
// the tables and holder of the modified flag. Table identifiers are
// process-wide, so one instance lives at a time, as one main window does.
#pragma once

#include "framework/grid_table.h"
#include "framework/grid_table_chart.h"

#include <QList>

namespace korvex::app {

class TProjectTables {
public:
    TProjectTables();
    TProjectTables(const TProjectTables&) = delete;
    TProjectTables& operator=(const TProjectTables&) = delete;

    TGridTable& PileSect() { return pileSect_; }
    TGridTable& Soillayer() { return soillayer_; }
    TGridTable& BoundCond() { return boundCond_; }
    TGridTable& SoilStrength() { return soilStrength_; }
    TGridTable& TiebackTable1() { return tiebackTable1_; }
    TGridTable& PYMod() { return pyMod_; }
    TGridTable& DistLoad() { return distLoad_; }
    TGridTable& LongDist() { return longDist_; }
    TGridTable& SurchargeTable() { return surchargeTable_; }
    TGridTable& NewSoil() { return newSoil_; }
    TGridTable& LongSoil() { return longSoil_; }
    TGridTableChart& PYCurves2() { return pyCurves2_; }
    TGridTableChart& MEICurves2() { return meiCurves2_; }

    // The eleven plain project tables and the two chart-backed ones.
    QList<TGridTable*> PlainTables();
    QList<TGridTable*> ChartTables();
    QList<TGridTable*> AllTables();
    // The sub-table templates (soil parameters, curve points).
    QList<TGridTable*> Templates();

    // Every project table in English units; the plain tables with their
    // minimum number of rows of default values, the chart-backed ones empty.
    void ResetForNewProject();
    void SetUnits(int system);
    void Empty();
    // Gives every plain table with fewer rows than its minimum that minimum.
    void TopUpToMinimum();

    // The project counts as modified when the flag is set or a table holds a
    // changed cell; clearing it clears the change marks of every table.
    bool IsModified();
    void SetModified(bool modified);

private:
    void DefineTemplates();
    void DefineTables();
    void DefineSoilTable(TGridTable& table);

    TGridTable tblClay1_, tblSand1_, tblSilt1_, tblRock1_, tblRock2_;
    TGridTableChart pyCurve2_, rows2_;
    TGridTable pileSect_, soillayer_, boundCond_, soilStrength_, tiebackTable1_, pyMod_, distLoad_, longDist_,
        surchargeTable_, newSoil_, longSoil_;
    TGridTableChart pyCurves2_, meiCurves2_;
    bool modified_ = false;
};

}  // namespace korvex::app
