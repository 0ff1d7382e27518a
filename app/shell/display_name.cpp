#include "shell/display_name.h"

#include <QFileInfo>

namespace korvex::app {

QString DisplayName(const QString& fileName) {
    QString name = QFileInfo(fileName).fileName();
    const QLatin1String defaultExtension(".rwd");
    if (name.endsWith(defaultExtension, Qt::CaseInsensitive)) name.chop(defaultExtension.size());
    if (name.size() > 1) name[0] = name[0].toUpper();
    return name;
}

}  // namespace korvex::app
