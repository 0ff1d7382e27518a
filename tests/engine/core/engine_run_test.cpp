#include "core/engine_run.h"

#include "run_folder.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <vector>

using korvex::runEngine;
using korvex::test::RunFolder;

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// Number of results-block headings (three integers: count, rows, units) with the given count.
int resultsBlocks(const std::string& plot, int blockCount) {
    int n = 0;
    for (const std::string& line : lines(plot)) {
        std::istringstream in(line);
        std::vector<std::string> w;
        for (std::string s; in >> s;) w.push_back(s);
        if (w.size() == 3 && w[0] == std::to_string(blockCount) && w[2] == "1") ++n;
    }
    return n;
}

// A minimal problem: a free wall of 10 increments, one section, no loads.
std::string problem(const std::string& title, const std::string& control, int next) {
    return title + "\r\n" + control + "\r\n10 1\t10\t1E-5\t5\t1\r\n0\t10\t1\t1000\r\n0\r\n0\r\n" +
           std::to_string(next) + "\r\n";
}

class EngineRun : public ::testing::Test {
protected:
    void SetUp() override { setenv("SOURCE_DATE_EPOCH", "1772874304", 1); }  // 2026-03-07 09:05:04 UTC
    void TearDown() override { unsetenv("SOURCE_DATE_EPOCH"); }

    std::string run(const std::string& data) {
        folder.writeRunFileList();
        folder.write("wall.rw5d", data);
        EXPECT_EQ(runEngine(21, folder.path()), 0);
        return folder.read("wall.rw5o");
    }
    RunFolder folder;
};

TEST_F(EngineRun, WrongInterfaceCodeTouchesNoFile) {
    folder.writeRunFileList();
    folder.write("wall.rw5d", problem("T", "1 0 1 0 0 0 0 1 0 0", 0));
    for (int code : {20, 22}) EXPECT_EQ(runEngine(code, folder.path()), 1);
    EXPECT_FALSE(folder.exists("wall.rw5o"));
    EXPECT_FALSE(folder.exists("wall.rw5p"));
}

TEST_F(EngineRun, ShortRunFileListWritesTheTwoLineMessageAndNoResults) {
    folder.write("NAMES.DAT", "2015.5.21\n\n\n0\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(runEngine(21, folder.path()), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              " PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n BEFORE COMPUTATION.  TRY IT AGAIN!\n");
    EXPECT_FALSE(folder.exists("wall.rw5o"));
}

TEST_F(EngineRun, RunFileListNameIsMatchedWithoutRegardToCase) {
    folder.writeRunFileList("Names.Dat");
    folder.write("wall.rw5d", problem("T", "1 0 1 0 0 0 0 1 0 0", 0));
    EXPECT_EQ(runEngine(21, folder.path()), 0);
    EXPECT_TRUE(folder.exists("wall.rw5o"));
}

TEST_F(EngineRun, HeadingOfOneProblem) {
    const std::string report = run(problem("Wall one", "1 0 1 0 0 0 0 1 0 0", 0));
    const auto l = lines(report);
    ASSERT_GT(l.size(), 30u);
    EXPECT_EQ(l[0], "     " + std::string(73, '='));
    EXPECT_EQ(l[2], "                      KORVEX for Windows, Version 2015.5.21   ");
    EXPECT_EQ(l[11], "     Name of input data file     : wall.rw5d");
    EXPECT_EQ(l[19], "               Date:  March 07, 2026     Time:  09:05:04");
    EXPECT_EQ(l[21], "      Wall one" + std::string(62, ' '));
    EXPECT_EQ(l[28], "      NO OF POINTS FOR SPECIFIED DEFLECTIONS AND SLOPES  =  0");
    EXPECT_EQ(l[29], "      NO OF POINTS FOR WALL STIFFNESS AND LOAD DATA      =  1");
    EXPECT_EQ(count(report, "KORVEX for Windows"), 1);
    EXPECT_EQ(count(report, "END OF ANALYSIS"), 1);
    const std::string closing = "\n\n\n     END OF ANALYSIS                             \n";
    EXPECT_EQ(report.substr(report.size() - closing.size()), closing);
    EXPECT_EQ(resultsBlocks(folder.read("wall.rw5p"), 1), 1);
}

TEST_F(EngineRun, ProblemsOfStagedAndLongTermRuns) {
    struct Case {
        std::string data;
        int problems;
        int blockCount;
        std::string secondTitle;
    };
    const std::string staged = "1 0 1 0 0 0 0 3 0 0";
    const std::string single = "1 0 1 0 0 0 0 1 0 0";
    const Case cases[] = {
        {problem("Run", staged, 1) + problem(" Stage No : 2", staged, 2) + problem(" Stage No : 3", staged, 3), 3,
         3, "      Stage No : 2  Run"},
        {problem("Run", single, 9) + problem("Run", single, 0), 2, 2, "      Long Term :  Run"},
    };
    for (const Case& c : cases) {
        const std::string report = run(c.data);
        EXPECT_EQ(count(report, "KORVEX for Windows"), c.problems);
        EXPECT_EQ(count(report, "END OF ANALYSIS"), 1);
        EXPECT_NE(report.find("\n\n\n     =====") , std::string::npos) << "two empty lines before a later problem";
        EXPECT_NE(report.find(c.secondTitle), std::string::npos);
        const std::string plot = folder.read("wall.rw5p");
        EXPECT_EQ(resultsBlocks(plot, c.blockCount), c.problems) << plot;
    }
}

TEST_F(EngineRun, DataErrorsEndTheRunInOrderWithTheirMessage) {
    const std::string control = "1 0 1 0 0 0 0 1 0 0";
    struct Case {
        std::string data;
        std::string message;
    };
    const Case cases[] = {
        {"T\r\n1 0 1 0 0 0 0 1 0 0\r\n500 1 10 1E-5 5 1\r\n", "NUMBER OF INCREMENTS 500 OUTSIDE 1 TO 407 (LINE 3)"},
        {"T\r\n1 0 1 0 0 0 0 1 0 0\r\n10 0 10 1E-5 5 1\r\n", "INCREMENT LENGTH MUST BE GREATER THAN ZERO (LINE 3)"},
        {"T\r\n1 0 1 0 0 0 0 1 0 0\r\n10 1 10 1E-5 5 1\r\n0 15 1 1000\r\n", "STATION 15 IN SECTION OUTSIDE -3 TO 13 (LINE 4)"},
        {"T\r\n1 0 1 0 0 0 0 1 0 0\r\n10 1 10 1E-5 5 1\r\n0 10 1 1000\r\n-2\r\n", "NEGATIVE COUNT -2 OF LOADS RECORDS (LINE 5)"},
        {"T\r\n1 -1 1 0 0 0 0 1 0 0\r\n", "NEGATIVE COUNT -1 IN CONTROL (LINE 2)"},
        {"T\r\n1 0 1 0 0 0 0 1 0 0\r\n10 1 10 1E-5 5 x1\r\n", "INVALID VALUE 'x1' IN WALL (LINE 3): A NUMBER EXPECTED"},
        {"T\r\n1 0 1 0 0 0 0 1 0 0\r\n10 1 10\r\n", "THE DATA FILE ENDS INSIDE WALL (LINE 4)"},
        {"", "THE DATA FILE ENDS BEFORE TITLE (LINE 1)"},
        {"T\r\n1 0 1 0 1 0 0 1 0 0\r\n10 1 10 1E-5 5 1\r\n0 10 1 1000\r\n0\r\n0\r\n2001\r\n",
         "MORE THAN 2000 DISTLOAD RECORDS (2001) (LINE 7)"},
        {"T\r\n1 0 1 0 0 1 1 1 0 0\r\n10 1 10 1E-5 5 1\r\n0 10 1 1000\r\n0\r\n0\r\n5 1 1 1\r\n0 0\r\n",
         "P-Y CURVE AT STATION 5 HAS 1 POINTS, 2 TO 34 EXPECTED (LINE 7)"},
        {"T\r\n1 0 1 0 0 0 0 1 1 0\r\n10 1 10 1E-5 5 1\r\n0 10 1 1000\r\n0\r\n0\r\n0 10 101\r\n",
         "MOMENT-STIFFNESS CURVE HAS 101 POINTS, 1 TO 100 EXPECTED (LINE 7)"},
    };
    for (const Case& c : cases) {
        std::string report(1, '\n');  // the first message of a file has no line before it
        report += run(c.data);
        EXPECT_NE(report.find("\n\n\n     ERROR -- " + c.message + "\n"), std::string::npos)
            << "expected: " << c.message << "\n" << report.substr(report.size() > 300 ? report.size() - 300 : 0);
        EXPECT_EQ(count(report, "END OF ANALYSIS"), 1);
    }
}

TEST_F(EngineRun, ResultsBlockAfterAnErrorInTheFirstProblemIsEmpty) {
    run("T\r\n1 0 1 0 0 0 0 1 0 0\r\n10 1 10\r\n");
    EXPECT_EQ(folder.read("wall.rw5p"), " 1 0 1\n");
}

// Every prefix and a garbled copy of a complete data file must end the run in
// order: one END OF ANALYSIS and no crash.
TEST_F(EngineRun, TruncatedAndGarbledFilesEndInOrder) {
    const std::string full = std::string("T\r\n1 1 1 0 1 1 1 1 1 1\r\n10 1 10 1E-5 5 1\r\n1 0 0 0\r\n") +
                             "0 10 1 1000\r\n1\r\n1 0 0 5 0 0\r\n1\r\n0 0 1 0 10\r\n2 1 1 1 1 1 1\r\n" +
                             "2\r\n0 0\r\n10 5\r\n6 3 1 1\r\n-1 10\r\n0 0\r\n1 -10\r\n0 10 2\r\n0 1000\r\n10 500\r\n0\r\n";
    for (size_t cut = 0; cut <= full.size(); cut += 3) {
        const std::string report = run(full.substr(0, cut));
        EXPECT_EQ(count(report, "END OF ANALYSIS"), 1) << "cut at " << cut;
    }
    std::string garbled = full;
    for (size_t i = 5; i < garbled.size(); i += 7) {
        garbled[i] = static_cast<char>('0' + i % 10);
        const std::string report = run(garbled);
        EXPECT_EQ(count(report, "END OF ANALYSIS"), 1) << garbled;
    }
}

TEST(EntryPoint, BothExportedNamesRunInTheCurrentDirectory) {
    void* library = dlopen(KORVEX_ENGINE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const auto here = std::filesystem::current_path();
    for (const char* name : {"IKORVEX", "_IKORVEX"}) {
        auto entry = reinterpret_cast<int (*)(int)>(dlsym(library, name));
        ASSERT_NE(entry, nullptr) << name;
        RunFolder folder;
        folder.writeRunFileList();
        folder.write("wall.rw5d", problem("T", "1 0 1 0 0 0 0 1 0 0", 0));
        std::filesystem::current_path(folder.path());
        EXPECT_EQ(entry(22), 1);
        EXPECT_FALSE(folder.exists("wall.rw5o"));
        EXPECT_EQ(entry(21), 0);
        std::filesystem::current_path(here);
        EXPECT_NE(folder.read("wall.rw5o").find("END OF ANALYSIS"), std::string::npos) << name;
    }
    dlclose(library);
}

}  // namespace
