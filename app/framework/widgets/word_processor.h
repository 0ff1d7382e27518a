// Opens a text file in the user's text editor: the "Word Processor" named in
// the application's settings, or the desktop's program for text files when
// none is named. Returns false when the editor cannot be started.
#pragma once

#include <QString>

namespace korvex::app {

bool OpenInWordProcessor(const QString& fileName);

}  // namespace korvex::app
