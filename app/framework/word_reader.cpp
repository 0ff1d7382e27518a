#include "framework/word_reader.h"

#include "framework/decimal_separator.h"
#include "framework/errors.h"
#include "framework/number_text.h"

#include <QFile>

namespace korvex::app {

namespace {

const QString kIncomplete = QStringLiteral("This file either invalid or incomplete.");

bool IsBlank(QChar c) { return c.unicode() <= 32; }

QString TrimBlanksFront(const QString& s) {
    qsizetype start = 0;
    while (start < s.size() && IsBlank(s[start])) ++start;
    return s.mid(start);
}

QString TrimBlanks(const QString& s) {
    qsizetype end = s.size();
    while (end > 0 && IsBlank(s[end - 1])) --end;
    return TrimBlanksFront(s.left(end));
}

// Lines end at CR LF, LF or a lone CR. An empty file is one empty line; a
// line end at the very end of the file starts no further line.
QStringList SplitIntoLines(const QString& text) {
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            current += c;
            continue;
        }
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        lines << current;
        current.clear();
    }
    if (!current.isEmpty() || lines.isEmpty()) lines << current;
    return lines;
}

}  // namespace

TWordReader::TWordReader(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) throw EInOutError(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw EInOutError(file.errorString());
    for (const QString& line : SplitIntoLines(QString::fromLatin1(bytes))) lines_.push_back(SplitLine(line));
}

TWordContainer TWordReader::SplitLine(const QString& line) {
    TWordContainer container{line, {}};
    QString s = TrimBlanks(line);
    while (!s.isEmpty()) {
        const qsizetype space = s.indexOf(u' ');
        const qsizetype tab = s.indexOf(u'\t');
        qsizetype separator = space < 0 ? tab : (tab < 0 ? space : std::min(space, tab));
        if (separator < 0) separator = s.size();
        container.words << s.left(separator);
        s = TrimBlanksFront(s.mid(separator));
    }
    return container;
}

bool TWordReader::AtEnd() const { return lineIndex_ >= static_cast<int>(lines_.size()); }

int TWordReader::WordCount() const { return AtEnd() ? 0 : static_cast<int>(lines_[lineIndex_].words.size()); }

QString TWordReader::ReadWord() {
    if (!AtEnd() && wordIndex_ >= WordCount()) {
        ++lineIndex_;
        wordIndex_ = 0;
    }
    if (AtEnd()) throw EInOutError(kIncomplete);
    // A line without words met inside the file has nothing to hand out; it is
    // reported as its first item.
    if (WordCount() == 0)
        throw EInOutError(QStringLiteral("Error on Line %1 Item 1\rA value was expected but the line is empty.")
                              .arg(lineIndex_ + 1));
    return lines_[lineIndex_].words[wordIndex_++];
}

long double TWordReader::ReadFloat() {
    const TPointSeparator point;
    const auto value = ParseReal(ReadWord(), u'.');
    if (!value) FailItem(QStringLiteral("A floating point number was expected but not found."));
    return *value;
}

int TWordReader::ReadInteger() {
    const auto value = ParseInt32(ReadWord(), DecimalSeparator());
    if (!value) FailItem(QStringLiteral("An integer was expected but not found."));
    return *value;
}

QString TWordReader::ReadLine() {
    if (AtEnd()) throw EInOutError(kIncomplete);
    const QString line = lines_[lineIndex_].raw;
    ++lineIndex_;
    wordIndex_ = 0;
    return line;
}

void TWordReader::FailItem(const QString& expectation) const {
    throw EInOutError(QStringLiteral("Error on Line %1 Item %2\r%3").arg(lineIndex_ + 1).arg(wordIndex_).arg(expectation));
}

}  // namespace korvex::app
