#include "shell/recent_files.h"

#include <QDir>

namespace korvex::app {

void TRecentFiles::SetNames(const QStringList& names) {
    names_.clear();
    for (const QString& name : names)
        if (!name.isEmpty() && names_.size() < kMostRecentFiles) names_ << name;
}

bool TRecentFiles::Add(const QString& name) {
    if (!names_.isEmpty() && names_.first() == name) return false;
    names_.removeAll(name);
    names_.prepend(name);
    while (names_.size() > kMostRecentFiles) names_.removeLast();
    return true;
}

QString TRecentFiles::MenuText(int i, const QString& currentFolder) const {
    QString name = names_.at(i);
    const QString prefix = QDir::cleanPath(currentFolder) + QLatin1Char('/');
    if (name.startsWith(prefix)) name.remove(0, prefix.size());
    return QString::number(i + 1) + QLatin1Char(' ') + name;
}

}  // namespace korvex::app
