#include "project/data_file_format.h"

namespace korvex::app {

TDataFileFormat FormatFromFileName(const QString& fileName) {
    if (fileName.endsWith(QStringLiteral(".rw4d"), Qt::CaseInsensitive)) return TDataFileFormat::Format4;
    if (fileName.endsWith(QStringLiteral(".rwd"), Qt::CaseInsensitive)) return TDataFileFormat::Format3;
    return TDataFileFormat::Format5;
}

TRecordLayout LayoutOf(TDataFileFormat format) {
    TRecordLayout layout;
    const int f = static_cast<int>(format);
    layout.tiebacks = f >= 5;
    layout.meiCount = f >= 4;
    layout.surcharges = f >= 4;
    layout.pyMultipliers = f >= 4;
    layout.stageCount = f >= 3;
    layout.continuation = f >= 3;
    layout.legacyLayers = f == 2;
    return layout;
}

// Side files converted from older formats keep those formats' CONTROL and
// records, but always the current LAYERS layout.
TRecordLayout StageBlockLayout(bool hasMEICount, bool hasTiebackCount) {
    TRecordLayout layout;
    layout.meiCount = hasMEICount;
    layout.surcharges = hasMEICount;
    layout.pyMultipliers = hasMEICount;
    layout.tiebacks = hasTiebackCount;
    return layout;
}

}  // namespace korvex::app
