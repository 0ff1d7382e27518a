#include "core/list_reader.h"

#include <gtest/gtest.h>

using korvex::DataError;
using korvex::ListReader;

TEST(ListReader, ReadSpansLinesThenPassesOverTheRestOfItsLastLine) {
    ListReader r("title\r\n1, 2\t3\r\n4 5 99 98\r\n6\r\n");
    EXPECT_EQ(r.readLine("TITLE"), "title");
    {
        auto read = r.read("CONTROL");
        EXPECT_EQ(read.integer(), 1);
        EXPECT_EQ(read.integer(), 2);
        EXPECT_EQ(read.integer(), 3);
        EXPECT_EQ(read.integer(), 4);
        EXPECT_DOUBLE_EQ(read.real(), 5.0);
    }
    EXPECT_EQ(r.read("NEXT").integer(), 6);
    EXPECT_TRUE(r.atEnd());
}

TEST(ListReader, AcceptsFortranNumberSpellings) {
    ListReader r("1E-5 2.5D3 -0.25 3.0 2E1\n");
    auto read = r.read("WALL");
    EXPECT_DOUBLE_EQ(read.real(), 1e-5);
    EXPECT_DOUBLE_EQ(read.real(), 2500.0);
    EXPECT_DOUBLE_EQ(read.real(), -0.25);
    EXPECT_EQ(read.integer(), 3);
    EXPECT_EQ(read.integer(), 20);
}

TEST(ListReader, EmptyLinesAreSkippedWithinARead) {
    ListReader r("\n\n  7\n8\n");
    EXPECT_EQ(r.read("LOADS").integer(), 7);
    EXPECT_EQ(r.nextLineNumber(), 4u);
}

TEST(ListReader, ErrorsNameTheRecordTheLineAndWhatWasExpected) {
    struct Case {
        const char* text;
        bool integer;
        const char* message;
    };
    const Case cases[] = {
        {"abc\n", false, "INVALID VALUE 'abc' IN WALL (LINE 1): A NUMBER EXPECTED"},
        {"\n1.5\n", true, "INVALID VALUE '1.5' IN WALL (LINE 2): AN INTEGER EXPECTED"},
        {"99999999999\n", true, "INVALID VALUE '99999999999' IN WALL (LINE 1): AN INTEGER EXPECTED"},
        {"1e999\n", false, "INVALID VALUE '1e999' IN WALL (LINE 1): A NUMBER EXPECTED"},
        {"0x1A\n", false, "INVALID VALUE '0x1A' IN WALL (LINE 1): A NUMBER EXPECTED"},
        {"nan\n", false, "INVALID VALUE 'nan' IN WALL (LINE 1): A NUMBER EXPECTED"},
        {"\n", false, "THE DATA FILE ENDS INSIDE WALL (LINE 2)"},
    };
    for (const Case& c : cases) {
        ListReader r(c.text);
        try {
            auto read = r.read("WALL");
            if (c.integer)
                read.integer();
            else
                read.real();
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const DataError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(ListReader, ReadingATextLinePastTheEndIsAnError) {
    ListReader r("");
    EXPECT_THROW(r.readLine("TITLE"), DataError);
}
