#include "results_command.h"

#include "graphics/graph_csv.h"
#include "graphics/graph_set.h"
#include "project/data_file_format.h"
#include "project/data_file_reader.h"
#include "project/program_data.h"
#include "project/project_tables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <iostream>
#include <optional>

namespace korvex::cli {
namespace {

struct ResultsArguments {
    QString project;
    std::optional<QString> csvFolder;
};

std::optional<ResultsArguments> parseArguments(const std::vector<std::string>& args) {
    ResultsArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--csv" && i + 1 < args.size() && !parsed.csvFolder) {
            parsed.csvFolder = QString::fromStdString(args[++i]);
        } else if (parsed.project.isEmpty() && !args[i].starts_with("--")) {
            parsed.project = QString::fromStdString(args[i]);
        } else {
            return std::nullopt;
        }
    }
    if (parsed.project.isEmpty()) return std::nullopt;
    return parsed;
}

QString plotDataFileOf(const QString& project) {
    const QFileInfo info(project);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".rw5p"));
}

bool writeFile(const QString& name, const QString& text) {
    QFile file(name);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0 && file.flush();
}

// Prints every exportable graph that holds points, or writes one file per
// graph into the folder; returns false when a file cannot be written.
bool emitGraphs(app::TGraphSet& graphs, const std::optional<QString>& folder) {
    if (folder && !QDir().mkpath(*folder)) {
        std::cerr << "korvex results: cannot create the folder " << folder->toStdString() << "\n";
        return false;
    }
    for (app::TGraphPlot* graph : graphs.ExportGraphs()) {
        if (graph->PointCount(app::kMainCurves) == 0) continue;
        const QString csv = app::GraphCsv(*graph);
        if (!folder) {
            std::cout << graph->Caption.toStdString() << "\n" << csv.toStdString() << "\n";
            continue;
        }
        const QString name = QDir(*folder).filePath(app::GraphFileName(*graph));
        if (!writeFile(name, csv)) {
            std::cerr << "korvex results: cannot write " << name.toStdString() << "\n";
            return false;
        }
        std::cout << name.toStdString() << "\n";
    }
    return true;
}

}  // namespace

int resultsCommand(const std::vector<std::string>& args) {
    const auto parsed = parseArguments(args);
    if (!parsed) {
        std::cerr << "usage: korvex results PROJECT [--csv DIR]\n";
        return 1;
    }
    const QString& project = parsed->project;
    const QString plotData = plotDataFileOf(project);
    if (!QFileInfo(project).isFile() || !QFileInfo(plotData).isFile()) {
        std::cerr << project.toStdString() << ": needs the data file and its plot-data file "
                  << plotData.toStdString() << " (analyse it with korvex run)\n";
        return 1;
    }
    app::TProjectTables tables;
    const app::TReadResult read = app::ReadProject(project, app::FormatFromFileName(project), tables);
    if (!read.error.isEmpty()) {
        std::cerr << project.toStdString() << ": " << read.error.toStdString() << "\n";
        return 1;
    }
    app::TGraphSet graphs;
    const bool complete = graphs.LoadPlotData(plotData, app::PlotProjectOf(*read.project), false);
    if (!emitGraphs(graphs, parsed->csvFolder)) return 1;
    if (complete) return 0;
    std::cerr << plotData.toStdString() << ": " << QString(graphs.LastReadError()).replace(QLatin1Char('\r'), QLatin1Char(' ')).toStdString()
              << "\nThe graphs hold what was read before it.\n";
    return 2;
}

}  // namespace korvex::cli
