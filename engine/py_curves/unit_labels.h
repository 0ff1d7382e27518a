// Unit labels of the p-y report headings, built from the report's unit words.
#pragma once

#include "core/run_context.h"

#include <string>

namespace korvex::py {

struct UnitLabels {
    std::string length;          // " IN"
    std::string forcePerLength;  // " LBS/IN"
    std::string pressure;        // " LBS/IN**2"
    std::string unitWeight;      // " LBS/IN**3  ": the cube piece "3  " keeps its two blanks

    static UnitLabels from(const UnitWords& w) {
        const std::string perLength = w.f4 + "/" + w.l2;
        return {w.l3, perLength, perLength + "**2", perLength + "**3  "};
    }
};

}  // namespace korvex::py
