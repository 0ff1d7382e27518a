// The side files of a staged project: one stage block each, named like the
// project file with the extension ".st" followed by the stage number. A
// staged project file is split into them when it is opened and joined from
// them when it is saved.
#pragma once

#include <QString>

namespace korvex::app {

constexpr int kMostStages = 5;

QString StageFileName(const QString& projectFileName, int stage);

// Deletes the side files of stages 1 to 5, then writes the lines of each of
// the first `stageCount` blocks unchanged to its side file. A block starts
// at the first line or at a line holding " Stage No :". Raises EInOutError
// when the project file cannot be read or a side file written.
void SplitStagedFile(const QString& projectFileName, int stageCount);

// Copies the side files of stages 1 to `stageCount`, in order, into the
// project file, which is replaced only when all of them were copied.
void JoinStageFiles(const QString& projectFileName, int stageCount);

}  // namespace korvex::app
