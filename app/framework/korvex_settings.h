// The application's settings: the group "2015.5.21" of organisation "Vandre",
// application "KORVEX", under the current user.
#pragma once

#include <QSettings>

namespace korvex::app {

class TKorvexSettings {
public:
    TKorvexSettings() : settings_(QStringLiteral("Vandre"), QStringLiteral("KORVEX")) {
        settings_.beginGroup(QStringLiteral("2015.5.21"));
    }
    QSettings* operator->() { return &settings_; }

private:
    QSettings settings_;
};

// Name of the setting that holds the user's text editor.
inline const QString kWordProcessorKey = QStringLiteral("Word Processor");

}  // namespace korvex::app
