#include "framework/decimal_separator.h"
#include "framework/errors.h"
#include "framework/word_reader.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korvex::app {
namespace {

class WordReaderTest : public ::testing::Test {
protected:
    QString Write(const QByteArray& bytes) {
        const QString name = dir_.filePath(QStringLiteral("words.txt"));
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return name;
    }

    template <typename F>
    QString MessageOf(F&& read) {
        try {
            read();
        } catch (const EInOutError& e) {
            return e.Message();
        }
        return QStringLiteral("<no error>");
    }

    QTemporaryDir dir_;
};

TEST_F(WordReaderTest, EmptyFileIsOneLineWithoutWords) {
    TWordReader reader(Write(""));
    EXPECT_EQ(reader.WordCount(), 0);
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_EQ(MessageOf([&] { reader.ReadWord(); }), "This file either invalid or incomplete.");
}

TEST_F(WordReaderTest, SplitsAtRunsOfBlanksAndKeepsTheRawLine) {
    const QString line = QStringLiteral("  1.5\t\t-2e3   7 ");
    TWordReader reader(Write(line.toLatin1() + "\r\n"));
    EXPECT_EQ(reader.WordCount(), 3);
    EXPECT_EQ(reader.ReadFloat(), 1.5L);
    EXPECT_EQ(reader.ReadFloat(), -2000.0L);
    EXPECT_EQ(reader.ReadInteger(), 7);
    EXPECT_EQ(reader.ReadLine(), line);
    EXPECT_TRUE(reader.AtEnd());
}

TEST_F(WordReaderTest, RecordSplitOverLinesReadsAsOnOneLine) {
    TWordReader split(Write("1 2\r\n3\n4 5\r6\r\n"));
    QStringList words;
    for (int i = 0; i < 6; ++i) words << split.ReadWord();
    EXPECT_EQ(words.join(u' '), "1 2 3 4 5 6");
    EXPECT_EQ(MessageOf([&] { split.ReadWord(); }), "This file either invalid or incomplete.");
}

TEST_F(WordReaderTest, ReadLineAfterLastWordReturnsThatLineAgain) {
    TWordReader reader(Write("9\r\ntitle line\r\n"));
    EXPECT_EQ(reader.ReadInteger(), 9);
    EXPECT_EQ(reader.ReadLine(), "9");
    EXPECT_EQ(reader.ReadLine(), "title line");
}

TEST_F(WordReaderTest, WordAfterTheLastLineWasReadWhole) {
    TWordReader reader(Write("only a title\r\n"));
    reader.ReadLine();
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(MessageOf([&] { reader.ReadInteger(); }), "This file either invalid or incomplete.");
    EXPECT_EQ(MessageOf([&] { reader.ReadWord(); }), "This file either invalid or incomplete.");
}

TEST_F(WordReaderTest, IntegerRejectsFractionsAndOutOfRange) {
    TWordReader reader(Write("-2147483648 3.5 2147483648"));
    EXPECT_EQ(reader.ReadInteger(), -2147483647 - 1);
    EXPECT_EQ(MessageOf([&] { reader.ReadInteger(); }), "Error on Line 1 Item 2\rAn integer was expected but not found.");
    EXPECT_EQ(MessageOf([&] { reader.ReadInteger(); }), "Error on Line 1 Item 3\rAn integer was expected but not found.");
}

TEST_F(WordReaderTest, FloatErrorNamesLineAndItemAndRestoresSeparator) {
    SetDecimalSeparator(u',');
    TWordReader reader(Write("a\r\nb\r\nc\r\n1.5 2 abc\r\n"));
    for (int i = 0; i < 3; ++i) reader.ReadLine();
    EXPECT_EQ(reader.ReadFloat(), 1.5L);  // '.' whatever the user's separator
    reader.ReadWord();
    EXPECT_EQ(MessageOf([&] { reader.ReadFloat(); }),
              "Error on Line 4 Item 3\rA floating point number was expected but not found.");
    EXPECT_EQ(DecimalSeparator(), u',');
    EXPECT_EQ(MessageOf([&] { reader.ReadFloat(); }), "This file either invalid or incomplete.");
    EXPECT_EQ(DecimalSeparator(), u',');
    SetDecimalSeparator(u'.');
}

TEST_F(WordReaderTest, EmptyLineInsideTheFileIsReported) {
    TWordReader reader(Write("1\r\n\r\n2\r\n"));
    reader.ReadWord();
    EXPECT_EQ(MessageOf([&] { reader.ReadWord(); }), "Error on Line 2 Item 1\rA value was expected but the line is empty.");
}

TEST_F(WordReaderTest, MissingFileRaisesInOutError) {
    EXPECT_THROW(TWordReader(dir_.filePath(QStringLiteral("absent.txt"))), EInOutError);
}

}  // namespace
}  // namespace korvex::app
