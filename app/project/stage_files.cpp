#include "project/stage_files.h"

#include "framework/word_reader.h"
#include "project/data_file_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStringList>
#include <algorithm>

namespace korvex::app {

namespace {

const QString kStageMarkerText = QStringLiteral(" Stage No :");

QStringList ReadLines(const QString& fileName) {
    TWordReader reader(fileName);
    QStringList lines;
    while (!reader.AtEnd()) lines << reader.ReadLine();
    return lines;
}

QByteArray LinesText(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
    return bytes;
}

}  // namespace

QString StageFileName(const QString& projectFileName, int stage) {
    const QFileInfo info(projectFileName);
    return info.path() + u'/' + info.completeBaseName() + QStringLiteral(".st") + QString::number(stage);
}

void SplitStagedFile(const QString& projectFileName, int stageCount) {
    const QStringList lines = ReadLines(projectFileName);
    QList<QStringList> blocks{{}};
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0 && lines[i].contains(kStageMarkerText)) blocks.append(QStringList());
        blocks.last() << lines[i];
    }
    for (int stage = 1; stage <= kMostStages; ++stage) QFile::remove(StageFileName(projectFileName, stage));
    // A count beyond the blocks found, or beyond five, writes no extra files.
    const int count = std::min({stageCount, kMostStages, static_cast<int>(blocks.size())});
    for (int stage = 1; stage <= count; ++stage)
        SaveFileSafely(StageFileName(projectFileName, stage), LinesText(blocks[stage - 1]));
}

void JoinStageFiles(const QString& projectFileName, int stageCount) {
    QStringList lines;
    for (int stage = 1; stage <= stageCount; ++stage) lines << ReadLines(StageFileName(projectFileName, stage));
    SaveFileSafely(projectFileName, LinesText(lines));
}

}  // namespace korvex::app
