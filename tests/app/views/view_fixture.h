// A project over freshly built tables, and the shipped example projects.
#pragma once

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

    static void SetRow(TGridTable& table, int row, const QList<long double>& values) {
        if (table.RowCount() <= row) table.SetRowCount(row + 1);
        for (int c = 0; c < values.size(); ++c) {
            if (table.Column(c)->Kind() == TColumnKind::Float)
                table.Cell(c, row).SetFloat(values[c]);
            else if (table.Column(c)->Kind() != TColumnKind::Table)
                table.Cell(c, row).SetInteger(static_cast<int>(values[c]));
        }
    }

    TProjectTables tables;
    std::unique_ptr<TProgramData> project;
};

}  // namespace korvex::app
