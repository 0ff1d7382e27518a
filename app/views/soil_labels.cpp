#include "views/soil_labels.h"

#include "framework/grid_table.h"
#include "framework/number_text.h"

namespace korvex::app {

namespace {

// The values of the bottom of the layer stand in the second row.
constexpr int kBottomRow = 1;

QString Value(const TGridTable& properties, int column) {
    if (properties.RowCount() <= kBottomRow || properties.ColumnCount() <= column) return {};
    return FormatReal15(properties.Cell(column, kBottomRow).AsFloat());
}

const QString kPhi = QStringLiteral("\u00F8= ");

}  // namespace

QString SoilName(int soilType) {
    static const QString names[] = {QStringLiteral("Soft clay"), QStringLiteral("Stiff clay w/free water"),
                                    QStringLiteral("Stiff clay w/o free water"), QStringLiteral("Sand"),
                                    QStringLiteral("Silt"), QStringLiteral("Rock"), QStringLiteral("Weak Rock")};
    return soilType >= 1 && soilType <= 7 ? names[soilType - 1] : QString();
}

QString StrengthLine(int soilType, const TGridTable& t) {
    const QString gamma = QStringLiteral("; gamma= ") + Value(t, 0);
    switch (soilType) {
    case 1:
    case 2:
    case 3: return QStringLiteral("c= ") + Value(t, 1) + gamma;
    case 4: return kPhi + Value(t, 1) + gamma;
    case 5: return kPhi + Value(t, 1) + QStringLiteral("; c= ") + Value(t, 2) + gamma;
    case 6:
    case 7: return QStringLiteral("compressive strength= ") + Value(t, 1) + gamma;
    default: return {};
    }
}

}  // namespace korvex::app
