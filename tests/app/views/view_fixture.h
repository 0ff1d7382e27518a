// A project over freshly built tables, and the shipped example projects.
#pragma once

#include "../table_rows.h"
#include "framework/grid_table.h"
#include "project/data_file_reader.h"
#include "project/program_data.h"
#include "project/project_tables.h"

#include <gtest/gtest.h>
#include <memory>

namespace korvex::app {

class ViewFixture : public ::testing::Test {
protected:
    ViewFixture() : project(std::make_unique<TProgramData>(tables)) {}

    void OpenExample(const QString& name) {
        TReadResult read = ReadProject(QStringLiteral(KORVEX_EXAMPLES_DIR "/") + name, TDataFileFormat::Format5, tables);
        ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
        project = std::move(read.project);
    }

    TProjectTables tables;
    std::unique_ptr<TProgramData> project;
};

}  // namespace korvex::app
