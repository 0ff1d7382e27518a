// Opening a text file in the user's text editor, without waiting for it.
#pragma once

#include <QString>

namespace korvex::app {

// The editor used when the user has chosen none: the desktop's opener of files.
inline constexpr const char* kDefaultTextEditor = "xdg-open";

// Starts the editor with the file's full path. Returns false when the
// program cannot be started.
bool OpenInTextEditor(const QString& editor, const QString& file);

}  // namespace korvex::app
