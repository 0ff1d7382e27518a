// TWordReader: loads a whole text file, splits every line into words at
// blanks and tabs, and hands the words out one at a time as text, numbers
// or integers, moving to the next line when a line is used up. Every failure
// is raised as EInOutError naming the line and the item.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace korvex::app {

// The words of one line and the line's raw text, blanks included.
struct TWordContainer {
    QString raw;
    QStringList words;
};

class TWordReader {
public:
    // Reads and splits the whole file (as 8-bit text); the cursor starts at
    // line 0, word 0. A missing or unreadable file raises EInOutError.
    explicit TWordReader(const QString& fileName);

    bool AtEnd() const;
    int WordCount() const;
    QString ReadWord();
    long double ReadFloat();
    int ReadInteger();
    QString ReadLine();

    static TWordContainer SplitLine(const QString& line);

private:
    [[noreturn]] void FailItem(const QString& expectation) const;

    std::vector<TWordContainer> lines_;
    int lineIndex_ = 0;
    int wordIndex_ = 0;
};

}  // namespace korvex::app
