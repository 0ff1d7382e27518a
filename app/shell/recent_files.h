// The most recently used project files, most recent first, at most ten.
#pragma once

#include <QStringList>

namespace korvex::app {

constexpr int kMostRecentFiles = 10;

class TRecentFiles {
public:
    const QStringList& Names() const { return names_; }
    // Keeps the non-empty names, at most ten.
    void SetNames(const QStringList& names);
    // Puts the name at the head: a listed name moves up, a new one pushes
    // the tenth out. Returns whether the list changed.
    bool Add(const QString& name);
    // The File menu's caption of entry i (0-based): its number from 1, a
    // space and the name, shown relative to the folder when it lies in it.
    QString MenuText(int i, const QString& currentFolder) const;

private:
    QStringList names_;
};

}  // namespace korvex::app
