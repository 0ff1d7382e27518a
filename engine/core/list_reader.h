// Free-format (list-directed) reading of the data file.
//
// Values are separated by blanks, tabs or commas. One read takes as many
// lines as it needs to fill its list and then passes over the rest of its
// last line, so the next read starts on a new line. CR LF and LF line ends
// are both accepted. Errors name the file's line number.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

// A fault in the data that ends the run with a message in the report.
class DataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ListReader {
public:
    explicit ListReader(std::string text);

    // Reads the next line whole (a text record); the file must not be at its end.
    std::string readLine(std::string_view what);

    // One list-directed read: construct, take values, then finish() passes over
    // the rest of the last line used.
    class Read {
    public:
        Read(ListReader& reader, std::string_view what);
        int integer();
        double real();
        void finish();
        ~Read();

    private:
        std::string_view nextWord();
        [[noreturn]] void fail(std::string_view word, const char* expected) const;
        ListReader& reader_;
        std::string what_;
        size_t line_;
        size_t column_ = 0;
        bool finished_ = false;
    };

    Read read(std::string_view what) { return Read(*this, what); }

    // 1-based number of the line the next read starts on.
    size_t nextLineNumber() const { return next_ + 1; }
    bool atEnd() const { return next_ >= lines_.size(); }

private:
    std::vector<std::string> lines_;
    size_t next_ = 0;
};

}  // namespace korvex
