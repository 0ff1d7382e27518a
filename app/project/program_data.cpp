#include "project/program_data.h"

#include "framework/unit_tokens.h"

namespace korvex::app {

namespace {

// The project's own factors between English and SI; they are not exact
// reciprocals, so a length taken to SI and back grows by 1.00000054.
constexpr long double kInchToMetre = 0.0254L;
constexpr long double kMetreToInch = 39.3701L;
constexpr long double kPoundToKilonewton = 0.0044482224680606506L;
constexpr long double kKilonewtonToPound = 224.8089L;

enum TSurchargeType { kPointLoad = 1, kLineLoad = 2, kStripLoad = 3 };

}  // namespace

TProgramData::TProgramData(TProjectTables& tables) : tables_(&tables) { tables.ResetForNewProject(); }

void TProgramData::SetUnits(int system) {
    system = ClampUnits(system);
    long double length = 1, force = 1;
    if (Units == kEnglish && system == kSI) {
        length = kInchToMetre;
        force = kPoundToKilonewton;
    } else if (Units == kSI && system == kEnglish) {
        length = kMetreToInch;
        force = kKilonewtonToPound;
    }
    ConvertMembers(length, force);
    Units = system;
    tables_->SetUnits(system);
    ConvertSurchargeMagnitudes(length, force);
}

void TProgramData::ConvertMembers(long double b, long double c) {
    for (long double* value : {&IncrementLength, &MaxDeflection, &Tolerance, &FreeHeight, &WidthActive, &WidthPY,
                               &WaterBackfill, &WaterExcavation, &LegacyDistance, &LegacyWidth})
        *value *= b;
    UniformLoad *= c / (b * b);
    LegacyStrip *= c / (b * b);
    LegacyPoint *= c;
    LegacyLine *= c / b;
}

// The magnitude column's unit depends on the load type, so the tables leave
// it alone and the project converts it by type.
void TProgramData::ConvertSurchargeMagnitudes(long double b, long double c) {
    TGridTable& table = tables_->SurchargeTable();
    for (int row = 0; row < table.RowCount(); ++row) {
        const int type = table.Cell(0, row).AsInteger();
        const long double factor = type == kPointLoad ? c : type == kLineLoad ? c / b : type == kStripLoad ? c / (b * b) : 1;
        table.Cell(1, row).SetFloat(table.Cell(1, row).AsFloat() * factor);
    }
}

}  // namespace korvex::app
