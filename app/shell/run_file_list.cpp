#include "shell/run_file_list.h"

#include "framework/errors.h"
#include "korvex_shared.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace korvex::app {

QString ResultFileName(const QString& dataFile, const char* extension) {
    const QFileInfo info(dataFile);
    return info.dir().filePath(info.completeBaseName() + QLatin1String(extension));
}

void WriteRunFileList(const QString& folder, const QString& dataFile) {
    const QString data = QFileInfo(dataFile).absoluteFilePath();
    const QString text = QLatin1String(shared::kVersionText) + QLatin1String("\r\n\r\n\r\n0\r\n") + data +
                         QLatin1String("\r\n") + ResultFileName(data, ".rw5o") + QLatin1String("\r\n") +
                         ResultFileName(data, ".rw5p") + QLatin1String("\r\n") +
                         ResultFileName(data, ".rw5r") + QLatin1String("\r\n");
    QSaveFile file(QDir(folder).filePath(QLatin1String(kRunFileListName)));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toLocal8Bit()) < 0 || !file.commit())
        throw EInOutError(QStringLiteral("Cannot write the run file list %1").arg(file.fileName()));
}

}  // namespace korvex::app
