#include "project/input_check.h"

#include "framework/number_text.h"
#include "framework/unit_tokens.h"
#include "project/program_data.h"

#include "korvex_shared.h"

namespace korvex::app {

namespace {

using korvex::shared::SoilType;

std::optional<QString> CheckWallStiffness(TProgramData& p) {
    TGridTable& table = p.Tables().PileSect();
    const QString tail = QStringLiteral(" in row %1 of Wall Stiffness definition\ris greater than number of nodes "
                                        "defined, %2.\rPlease check on Wall Properties Windows and Wall Stiffness Table");
    for (int row = 0; row < table.RowCount(); ++row) {
        const int from = table.Cell(0, row).AsInteger();
        const int to = table.Cell(1, row).AsInteger();
        if (from > p.Increments)
            return QStringLiteral("Initial Node, %1").arg(from) + tail.arg(row + 1).arg(p.Increments);
        if (to > p.Increments) return QStringLiteral("End Node, %1").arg(to) + tail.arg(row + 1).arg(p.Increments);
    }
    return std::nullopt;
}

// The friction angle is the value at the top of the layer.
std::optional<QString> CheckBackfillSlope(TProgramData& p) {
    if (p.BackfillSlope <= 0) return std::nullopt;
    TGridTable& layers = p.Tables().NewSoil();
    const QString beta = FormatReal15(p.BackfillSlope);
    for (int row = 0; row < layers.RowCount(); ++row) {
        const int type = layers.Cell(0, row).AsInteger();
        const TGridTable* parameters = layers.Cell(2, row).AsTable();
        if (!parameters || parameters->RowCount() == 0) continue;
        const long double phi = parameters->Cell(1, 0).AsFloat();  // friction: column 1 of sand and silt
        if (phi >= p.BackfillSlope) continue;
        const QString angle = FormatReal15(phi);
        if (type == static_cast<int>(SoilType::Sand))
            return QStringLiteral("Slope of the Backfill: %1 deg.\ris greater than friction angle, %2 deg.,\rin layer "
                                  "%3\rPlease check on Wall Configuration and Soil Layers Windows")
                .arg(beta, angle).arg(row + 1);
        if (type == static_cast<int>(SoilType::Silt))
            return QStringLiteral("Slope of the Backfill: %1\ris greater than friction angle, %2,\rin layer %3\rPlease "
                                  "check Soil Layers")
                .arg(beta, angle).arg(row + 1);
    }
    return std::nullopt;
}

std::optional<QString> CheckSoilDepth(TProgramData& p) {
    TGridTable& layers = p.Tables().NewSoil();
    if (!(p.GeneratedEarthPressure || p.GeneratePY) || layers.RowCount() == 0) return std::nullopt;
    const bool english = p.Units == kEnglish;
    const long double wall = p.Increments * p.IncrementLength / (english ? 12 : 1);
    const long double bottom = layers.Cell(1, layers.RowCount() - 1).AsFloat();
    if (bottom >= wall) return std::nullopt;
    const QString unit = english ? QStringLiteral(" ft") : QStringLiteral(" m");
    return QStringLiteral("Depth of Bottom of Soil Layering: ") + FormatReal15(bottom) + unit +
           QStringLiteral("\rshould extend at least below Depth of Wall: ") + FormatReal15(wall) + unit +
           QStringLiteral("\rPlease check Soil Layer Data and/or Wall Properties Windows");
}

}  // namespace

std::optional<QString> CheckInput(TProgramData& project) {
    for (auto check : {CheckWallStiffness, CheckBackfillSlope, CheckSoilDepth})
        if (auto warning = check(project)) return warning;
    return std::nullopt;
}

}  // namespace korvex::app
