#include "shell/shell_settings.h"

#include "framework/korvex_settings.h"
#include "shell/recent_files.h"

namespace korvex::app {
namespace {

QString FileKey(int i) { return QStringLiteral("File%1").arg(i); }

}  // namespace

TShellSettings ReadShellSettings() {
    TKorvexSettings group;
    TShellSettings result;
    result.WordProcessor = group->value(kWordProcessorKey).toString();
    for (int i = 1; i <= kMostRecentFiles; ++i) result.RecentFiles << group->value(FileKey(i)).toString();
    return result;
}

void WriteShellSettings(const TShellSettings& settings) {
    TKorvexSettings group;
    group->setValue(kWordProcessorKey, settings.WordProcessor);
    for (int i = 1; i <= kMostRecentFiles; ++i)
        group->setValue(FileKey(i), settings.RecentFiles.value(i - 1));
}

}  // namespace korvex::app
