// A project over freshly built tables, with a temporary folder for files.
#pragma once

#include "../table_rows.h"
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

    QTemporaryDir dir;
    TProjectTables tables;
    std::unique_ptr<TProgramData> project;
};

}  // namespace korvex::app
