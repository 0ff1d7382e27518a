// The settings kept for the user between sessions: the text editor and the
// recent project files, under "Vandre/KORVEX", group "2015.5.21".
#pragma once

#include <QStringList>

namespace korvex::app {

struct TShellSettings {
    QString WordProcessor;  // empty: the desktop's default program for text
    QStringList RecentFiles;
};

// What is stored; values that are missing stay empty.
TShellSettings ReadShellSettings();
void WriteShellSettings(const TShellSettings& settings);

}  // namespace korvex::app
