// The run file list "names.dat" that tells the engine which files to use:
// the version text, two reserved lines, a reserved integer, the data file,
// and the report, plot-data and run-notes files beside it.
#pragma once

#include <QString>

namespace korvex::app {

inline constexpr const char* kRunFileListName = "names.dat";

// The data file with its extension replaced (".rw5o", ".rw5p", ".rw5r").
QString ResultFileName(const QString& dataFile, const char* extension);

// Writes the list into the folder; raises EInOutError when it cannot.
void WriteRunFileList(const QString& folder, const QString& dataFile);

}  // namespace korvex::app
