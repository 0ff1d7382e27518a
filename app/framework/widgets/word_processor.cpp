#include "framework/widgets/word_processor.h"

#include <QDesktopServices>
#include <QProcess>
#include <QSettings>
#include <QUrl>

namespace korvex::app {

namespace {
QString WordProcessor() {
    QSettings settings(QStringLiteral("Vandre"), QStringLiteral("KORVEX"));
    settings.beginGroup(QStringLiteral("2015.5.21"));
    return settings.value(QStringLiteral("Word Processor")).toString();
}
}  // namespace

bool OpenInWordProcessor(const QString& fileName) {
    const QString editor = WordProcessor();
    if (editor.isEmpty()) return QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
    return QProcess::startDetached(editor, {fileName});
}

}  // namespace korvex::app
