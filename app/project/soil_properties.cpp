#include "project/soil_properties.h"

#include "korvex_shared.h"

namespace korvex::app {

namespace {

using korvex::shared::SoilType;

constexpr TPropertySlot kGamma{0, TSoilConversion::UnitWeight};
constexpr TPropertySlot kNone{-1};

constexpr TPropertySlots kClay{{kGamma, {1, TSoilConversion::Cohesion}, kNone, {2}, {3}, {4}}};
constexpr TPropertySlots kSand{{kGamma, kNone, {1}, kNone, {2}, {3}}};
constexpr TPropertySlots kSilt{{kGamma, {2, TSoilConversion::Cohesion}, {1}, {3}, {4}, {5}}};
constexpr TPropertySlots kStrongRock{{kGamma, {1}, kNone, kNone, kNone, kNone}};
constexpr TPropertySlots kWeakRock{{kGamma, {1}, kNone, {2}, {3}, {4}}};
constexpr TPropertySlots kUnknown{{kNone, kNone, kNone, kNone, kNone, kNone}};

}  // namespace

const TPropertySlots& PropertySlots(int soilType) {
    switch (static_cast<SoilType>(soilType)) {
    case SoilType::SoftClay:
    case SoilType::StiffClayFreeWater:
    case SoilType::StiffClayNoFreeWater: return kClay;
    case SoilType::Sand: return kSand;
    case SoilType::Silt: return kSilt;
    case SoilType::StrongRock: return kStrongRock;
    case SoilType::WeakRock: return kWeakRock;
    }
    return kUnknown;
}

bool HasEarthCoefficient(int soilType) {
    return soilType >= static_cast<int>(SoilType::SoftClay) && soilType <= static_cast<int>(SoilType::Silt);
}

long double EnglishFileFactor(TSoilConversion conversion) {
    switch (conversion) {
    case TSoilConversion::UnitWeight: return 1.0L / 1728;
    case TSoilConversion::Cohesion: return 1.0L / 144;
    case TSoilConversion::None: break;
    }
    return 1;
}

}  // namespace korvex::app
