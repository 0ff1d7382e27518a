// Writing the data file: a single-stage project (section S, NEXT and, for a
// long-term project, section L), or one stage block of a staged project.
// Reals are written with 8 significant digits and '.' whatever the user's
// setting; every line ends with CR LF. The file is replaced only once the
// whole text is written, so a failed save leaves the previous file intact.
#pragma once

#include <QByteArray>
#include <QString>

namespace korvex::app {

class TProgramData;

// The text of the project file; derives the CONTROL codes on the way.
QByteArray ProjectFileText(TProgramData& project);
// The text of the current stage block.
QByteArray StageBlockText(TProgramData& project);

// Writes FileName and clears the modified flag; raises EInOutError when the
// file cannot be written.
void WriteProject(TProgramData& project);
// Writes StageFileName.
void WriteStageBlock(TProgramData& project);

// Replaces the file with the bytes through a temporary file.
void SaveFileSafely(const QString& fileName, const QByteArray& bytes);

// The line that opens stage block 2 and later: " Stage No : " and the number.
QString StageMarker(int stage);

}  // namespace korvex::app
