#include "framework/widgets/word_processor.h"

#include "framework/korvex_settings.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace korvex::app {

bool OpenInWordProcessor(const QString& editor, const QString& fileName) {
    const QString file = QFileInfo(fileName).absoluteFilePath();
    if (editor.isEmpty()) return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    return QProcess::startDetached(editor, {file});
}

bool OpenInWordProcessor(const QString& fileName) {
    return OpenInWordProcessor(TKorvexSettings()->value(kWordProcessorKey).toString(), fileName);
}

}  // namespace korvex::app
