#include "shell/text_editor.h"

#include <QFileInfo>
#include <QProcess>

namespace korvex::app {

bool OpenInTextEditor(const QString& editor, const QString& file) {
    const QString program = editor.isEmpty() ? QLatin1String(kDefaultTextEditor) : editor;
    return QProcess::startDetached(program, {QFileInfo(file).absoluteFilePath()});
}

}  // namespace korvex::app
