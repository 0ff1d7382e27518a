// Opens a text file in the user's text editor: the "Word Processor" named in
// the application's settings, or the desktop's program for text files when
// none is named. Returns false when the editor cannot be started.
#pragma once

#include <QString>

namespace korvex::app {

// The editor offered when the user has chosen none: the desktop's opener of files.
inline constexpr const char* kDefaultTextEditor = "xdg-open";

// Starts `editor` with the file's full path; an empty editor means the desktop's program.
bool OpenInWordProcessor(const QString& editor, const QString& fileName);
// The same with the editor named in the settings.
bool OpenInWordProcessor(const QString& fileName);

}  // namespace korvex::app
