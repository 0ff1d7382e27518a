// A project over freshly built tables, with a temporary folder for files.
#pragma once

#include "framework/grid_table.h"
#include "project/program_data.h"
#include "project/project_tables.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace korvex::app {

class ProjectFixture : public ::testing::Test {
protected:
    ProjectFixture() : project(std::make_unique<TProgramData>(tables)) {}

    QString Path(const QString& name) const { return dir.filePath(name); }

    QString WriteFile(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return Path(name);
    }

    static QByteArray ReadFile(const QString& fileName) {
        QFile file(fileName);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
        return file.readAll();
    }

    static QByteArray Lines(const QStringList& lines) {
        QByteArray bytes;
        for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
        return bytes;
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

    QTemporaryDir dir;
    TProjectTables tables;
    std::unique_ptr<TProgramData> project;
};

}  // namespace korvex::app
