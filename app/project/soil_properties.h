// Where the six property values of a LAYERS line come from: for each soil
// type, the column of the layer's parameter table that holds each value, or
// the placeholder "0.0  " where the property does not apply, and the
// conversion between the table's English units and the file's.
#pragma once

#include <array>

namespace korvex::app {

enum class TSoilConversion {
    None,
    UnitWeight,  // lb/ft^3 in the table, lb/in^3 in the file
    Cohesion,    // lb/ft^2 in the table, lb/in^2 in the file
};

struct TPropertySlot {
    int column;  // -1: placeholder
    TSoilConversion conversion = TSoilConversion::None;

    bool IsPlaceholder() const { return column < 0; }
};

using TPropertySlots = std::array<TPropertySlot, 6>;

// The slots P1..P6 of a soil type; a type outside 1..7 has placeholders only.
const TPropertySlots& PropertySlots(int soilType);

// The optional earth-pressure coefficient (P6) of types 1 to 5 is never
// written in a long-term section.
bool HasEarthCoefficient(int soilType);

// The factor from the table's English unit to the file's unit.
long double EnglishFileFactor(TSoilConversion conversion);

}  // namespace korvex::app
