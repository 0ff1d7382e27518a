#include "list_reader.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace korvex {
namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }

// A decimal number as Fortran writes it: digits, sign, point and exponent letter only
// (no hexadecimal, infinity or not-a-number spellings).
bool isDecimalNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789+-.eEdD") == std::string::npos;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string l = text.substr(start, end - start);
        if (!l.empty() && l.back() == '\r') l.pop_back();
        lines.push_back(std::move(l));
        start = end + 1;
    }
    return lines;
}

}  // namespace

ListReader::ListReader(std::string text) : lines_(splitLines(text)) {}

std::string ListReader::readLine(std::string_view what) {
    if (atEnd())
        throw DataError("THE DATA FILE ENDS BEFORE " + std::string(what) + " (LINE " +
                        std::to_string(nextLineNumber()) + ")");
    return lines_[next_++];
}

ListReader::Read::Read(ListReader& reader, std::string_view what)
    : reader_(reader), what_(what), line_(reader.next_) {}

ListReader::Read::~Read() {
    if (!finished_) finish();
}

void ListReader::Read::finish() {
    reader_.next_ = line_ + 1;
    finished_ = true;
}

std::string_view ListReader::Read::nextWord() {
    for (;;) {
        if (line_ >= reader_.lines_.size())
            throw DataError("THE DATA FILE ENDS INSIDE " + what_ + " (LINE " + std::to_string(line_ + 1) + ")");
        const std::string& l = reader_.lines_[line_];
        while (column_ < l.size() && isSeparator(l[column_])) ++column_;
        if (column_ < l.size()) {
            const size_t start = column_;
            while (column_ < l.size() && !isSeparator(l[column_])) ++column_;
            return std::string_view(l).substr(start, column_ - start);
        }
        ++line_;
        column_ = 0;
    }
}

void ListReader::Read::fail(std::string_view word, const char* expected) const {
    throw DataError("INVALID VALUE '" + std::string(word) + "' IN " + what_ + " (LINE " +
                    std::to_string(line_ + 1) + "): " + expected + " EXPECTED");
}

double ListReader::Read::real() {
    const std::string_view word = nextWord();
    std::string text(word);
    for (char& c : text)
        if (c == 'D' || c == 'd') c = 'E';  // Fortran double-precision exponent letter
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (!isDecimalNumber(text) || end != text.c_str() + text.size() || !std::isfinite(v)) fail(word, "A NUMBER");
    return v;
}

int ListReader::Read::integer() {
    const std::string_view word = nextWord();
    std::string text(word);
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() + text.size() && !text.empty() && errno == 0 && v >= INT_MIN && v <= INT_MAX)
        return static_cast<int>(v);
    // A whole number written as a real (1.0, 2E1) is taken as that integer.
    const double d = std::strtod(text.c_str(), &end);
    if (!isDecimalNumber(text) || end != text.c_str() + text.size() || !std::isfinite(d) || d != std::floor(d) ||
        d < INT_MIN || d > INT_MAX)
        fail(word, "AN INTEGER");
    return static_cast<int>(d);
}

}  // namespace korvex
