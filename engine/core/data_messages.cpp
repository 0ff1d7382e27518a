#include "core/data_messages.h"

namespace korvex::messages {

std::string stationOutsideWall(const char* recordKind, int station) {
    return "ERROR -- STATION " + std::to_string(station) + " OF " + recordKind +
           " DATA LIES OUTSIDE THE WALL TABLES";
}

}  // namespace korvex::messages
