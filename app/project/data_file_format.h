// The four formats of the data file the application reads, and the layout
// differences a reader follows for each.
#pragma once

#include <QString>

namespace korvex::app {

enum class TDataFileFormat : int { Format2 = 2, Format3 = 3, Format4 = 4, Format5 = 5 };

// ".rw4d" is format 4, ".rwd" format 3, any other name format 5.
TDataFileFormat FormatFromFileName(const QString& fileName);

// Which records and values a section of a file holds.
struct TRecordLayout {
    bool stageCount = true;     // nStages in CONTROL
    bool meiCount = true;       // nMEI in CONTROL and MEICURVES
    bool tiebacks = true;       // nTieback, TIEBACK rows, sixth WALL value
    bool surcharges = true;     // the SURCHARGE record
    bool pyMultipliers = true;  // multipliers on PYCURVES set lines
    bool continuation = true;   // NEXT
    bool legacyLayers = false;  // the LAYERS layout of format 2
};

TRecordLayout LayoutOf(TDataFileFormat format);

// The layout of a stage side file, from what the project knows about it.
TRecordLayout StageBlockLayout(bool hasMEICount, bool hasTiebackCount);

}  // namespace korvex::app
