// Definitions that the analysis engine and the desktop application agree on:
// unit-system codes, data-file record names and soil-type codes. Header only;
// nothing here is linked into either deliverable.
#pragma once

namespace korvex::shared {

// Unit system of a data-file section (CONTROL value 1).
enum class UnitSystem : int {
    English = 1,  // lbs, in
    SI = 2,       // kN, m
    Other = 3,    // consistent units F, L
};

// Soil-type codes of the LAYERS record.
enum class SoilType : int {
    SoftClay = 1,
    StiffClayFreeWater = 2,
    StiffClayNoFreeWater = 3,
    Sand = 4,
    Silt = 5,
    StrongRock = 6,
    WeakRock = 7,
};

// Data-file record names, in the order a section holds them.
inline constexpr const char* kRecordNames[] = {
    "TITLE",  "CONTROL", "WALL",  "RESTRAINT", "SECTION", "LOADS",
    "SPRINGS", "TIEBACK", "PYMOD", "DISTLOAD",  "EARTH",   "SURFACE",
    "SURCHARGE", "LAYERS", "PYCURVES", "MEICURVES", "NEXT",
};

// Continuation code after a short-term section that is followed by a long-term one.
inline constexpr int kLongTermFollows = 9;

// Interface code the engine entry point accepts.
inline constexpr int kInterfaceCode = 21;

// Version text written as line 1 of the run file list.
inline constexpr const char* kVersionText = "2015.5.21";

}  // namespace korvex::shared
