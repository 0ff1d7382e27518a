#include "project_commands.h"

#include "framework/errors.h"
#include "project/data_file_format.h"
#include "project/data_file_reader.h"
#include "project/data_file_writer.h"
#include "project/input_check.h"
#include "project/program_data.h"
#include "project/stage_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <iostream>

namespace korvex::cli {
namespace {

using namespace korvex::app;

// Reads a project file; prints the reader's message when the file is incomplete.
TReadResult readProject(const std::string& name, TProjectTables& tables) {
    const QString fileName = QString::fromStdString(name);
    TReadResult result = ReadProject(fileName, FormatFromFileName(fileName), tables);
    if (!result.error.isEmpty())
        std::cerr << name << ": " << result.error.toStdString() << "\n";
    return result;
}

// The text of a staged project in the current format: the file is split into
// stage blocks in a private folder, each block read and written again.
QByteArray stagedProjectText(const QString& fileName, TProgramData& project) {
    QTemporaryDir folder;
    if (!folder.isValid()) throw EInOutError(QStringLiteral("cannot create a temporary folder"));
    const QString copy = folder.filePath(QFileInfo(fileName).fileName());
    if (!QFile::copy(fileName, copy)) throw EInOutError(QStringLiteral("cannot copy ") + fileName);
    SplitStagedFile(copy, project.StageCount);
    QByteArray text;
    for (int stage = 1; stage <= project.StageCount; ++stage) {
        const QString message = ReadStageBlock(StageFileName(copy, stage), project);
        if (!message.isEmpty()) throw EInOutError(message);
        project.CurrentStage = stage;
        text += StageBlockText(project);
    }
    return text;
}

QString defaultUpgradeName(const QString& oldName) {
    const QFileInfo info(oldName);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".rw5d"));
}

}  // namespace

int checkCommand(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::cerr << "usage: korvex check PROJECT\n";
        return 1;
    }
    TProjectTables tables;
    TReadResult read = readProject(args[0], tables);
    if (!read.error.isEmpty() || !read.project) return 1;
    if (const auto warning = CheckInput(*read.project)) {
        std::cout << args[0] << ": " << warning->toStdString() << "\n";
        return 1;
    }
    std::cout << args[0] << ": ready to run\n";
    return 0;
}

int upgradeCommand(const std::vector<std::string>& args) {
    if (args.size() != 1 && !(args.size() == 3 && args[1] == "-o")) {
        std::cerr << "usage: korvex upgrade OLD [-o NEW.rw5d]\n";
        return 1;
    }
    const QString oldName = QString::fromStdString(args[0]);
    const QString newName = args.size() == 3 ? QString::fromStdString(args[2]) : defaultUpgradeName(oldName);
    if (QFileInfo(newName).absoluteFilePath() == QFileInfo(oldName).absoluteFilePath()) {
        std::cerr << args[0] << ": the upgraded project would replace its source; name another file with -o\n";
        return 1;
    }
    TProjectTables tables;
    TReadResult read = readProject(args[0], tables);
    if (!read.error.isEmpty() || !read.project) return 1;
    try {
        TProgramData& project = *read.project;
        const QByteArray text =
            project.StageCount > 1 ? stagedProjectText(oldName, project) : ProjectFileText(project);
        SaveFileSafely(newName, text);
    } catch (const EKorvexError& e) {
        std::cerr << args[0] << ": " << e.what() << "\n";
        return 1;
    }
    std::cout << args[0] << " -> " << newName.toStdString() << "\n";
    return 0;
}

}  // namespace korvex::cli
