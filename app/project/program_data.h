// TProgramData: the current project's scalars (file names, title, unit
// system, wall values, option switches, stage bookkeeping) over the project
// tables. A new object holds the values of a new project.
#pragma once

#include "project/project_tables.h"

#include <QString>

namespace korvex::app {

class TProgramData {
public:
    // Creates a new project: new-project values, and every table reset to
    // English units and its minimum rows of default values.
    explicit TProgramData(TProjectTables& tables);

    TProjectTables& Tables() const { return *tables_; }

    // Converts the project's values and tables to another unit system.
    void SetUnits(int system);

    void MarkModified() { tables_->SetModified(true); }
    void ClearModified() { tables_->SetModified(false); }
    bool IsModified() const { return tables_->IsModified(); }

    QString FileName = QStringLiteral("NewWall.rw5d");
    QString Title = QStringLiteral("New Wall");
    int Units = 1;
    int Increments = 0;
    long double IncrementLength = 0;
    long double MaxDeflection = 100;
    long double Tolerance = 1e-5L;
    long double FreeHeight = 0;
    long double WidthActive = 0;
    long double WidthPY = 0;
    long double WaterBackfill = 0;
    long double WaterExcavation = 0;
    long double ActiveFactor = 1;
    int EarthInteger = 1;
    long double BackfillSlope = 0;
    long double UniformLoad = 0;
    long double LegacyDistance = 0;
    long double LegacyPoint = 0;
    long double LegacyLine = 0;
    long double LegacyStrip = 0;
    long double LegacyWidth = 0;
    int EarthShape = 2;
    bool UserEarthPressure = false;
    int GeneratedEarthPressure = 0;
    int GeneratePY = 1;
    bool UseExtPY = false;
    bool UseMEI = false;
    bool UsePYMod = false;
    bool UseLoads = false;
    bool UseSprings = false;
    bool UseTiebacks = false;
    bool UseSurcharge = false;
    bool UseRestraints = false;
    bool LongTerm = false;
    int StageCount = 1;
    int CurrentStage = 1;
    QString StageFileName;
    QString SaveTarget;
    QString SaveAsSource;
    bool HasMEICount = true;
    bool HasTiebackCount = true;
    // The codes written in CONTROL, recomputed by the writer.
    int KEP = 0;
    int KPY = 0;
    int MEICount = 0;
    int TiebackCount = 0;
    // The continuation code read last (NEXT).
    int NextCode = 0;

private:
    void ConvertMembers(long double length, long double force);
    void ConvertSurchargeMagnitudes(long double length, long double force);

    TProjectTables* tables_;
};

}  // namespace korvex::app
