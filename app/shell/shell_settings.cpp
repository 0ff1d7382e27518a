#include "shell/shell_settings.h"

#include "shell/recent_files.h"

#include <QSettings>

namespace korvex::app {
namespace {

QString FileKey(int i) { return QStringLiteral("File%1").arg(i); }

class TKorvexGroup {
public:
    TKorvexGroup() : settings_(QStringLiteral("Vandre"), QStringLiteral("KORVEX")) {
        settings_.beginGroup(QStringLiteral("2015.5.21"));
    }
    QSettings& operator*() { return settings_; }

private:
    QSettings settings_;
};

}  // namespace

TShellSettings ReadShellSettings() {
    TKorvexGroup group;
    TShellSettings result;
    result.WordProcessor = (*group).value(QStringLiteral("Word Processor")).toString();
    for (int i = 1; i <= kMostRecentFiles; ++i) result.RecentFiles << (*group).value(FileKey(i)).toString();
    return result;
}

void WriteShellSettings(const TShellSettings& settings) {
    TKorvexGroup group;
    (*group).setValue(QStringLiteral("Word Processor"), settings.WordProcessor);
    for (int i = 1; i <= kMostRecentFiles; ++i)
        (*group).setValue(FileKey(i), settings.RecentFiles.value(i - 1));
}

}  // namespace korvex::app
