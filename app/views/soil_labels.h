// The name and strength line written beside each soil layer of the profile,
// from the values at the bottom of the layer in its property table.
#pragma once

#include <QString>

namespace korvex::app {

class TGridTable;

// The layer's name by soil type (1 to 7); empty for another code.
QString SoilName(int soilType);

// The strength line of a layer of the given type from its property table.
QString StrengthLine(int soilType, const TGridTable& properties);

}  // namespace korvex::app
