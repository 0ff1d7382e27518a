// Reading the data file into a project: a project file of format 2 to 5
// (a new project is created and filled), or a stage side file (into the
// current project's tables). A read error stops the reading; what was read
// stays, every table is topped up to its minimum rows, and the reader's
// message is handed back for the information box.
#pragma once

#include "project/data_file_format.h"

#include <QString>
#include <memory>

namespace korvex::app {

class TProgramData;
class TProjectTables;

struct TReadResult {
    std::unique_ptr<TProgramData> project;
    QString error;  // empty when the whole file was read
};

TReadResult ReadProject(const QString& fileName, TDataFileFormat format, TProjectTables& tables);

// Returns the reader's message, or an empty text when the block was read.
QString ReadStageBlock(const QString& fileName, TProgramData& project);

}  // namespace korvex::app
