// Texts of the data errors that end a run. The exception carries the bare text;
// the run sequence writes it to the report (see problem_analysis.h).
#pragma once

#include <string>

namespace korvex::messages {

inline constexpr const char* kTooMuchData = "TOO MUCH DATA FOR AVAILABLE STORAGE";
inline constexpr const char* kStationsNotInOrder = "ERROR STOP -- STATIONS NOT IN ORDER";
inline constexpr const char* kDataBeyondEnd = "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END";

// A station that lies outside the tables (-3 to NI + 3) in a record of the given kind.
std::string stationOutsideWall(const char* recordKind, int station);

}  // namespace korvex::messages
