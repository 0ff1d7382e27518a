// Fixed-column text output in the notation of Fortran edit descriptors.
//
// A format such as "(/,6X,\"STA\",I4,2X,E10.3,6E12.3)" is applied to a list
// of values and yields the lines it produces. Supported: Iw, Iw.m, Fw.d,
// Ew.d, Dw.d, kP scale factor, Aw and A, nX, quoted text (with an optional
// repeat count before it: 50"*"), "/" and repeated groups n(...). A value
// that does not fit its field is written as w asterisks. Output stops at the
// first data descriptor for which no value is left; when values remain at
// the end of the format, a new line starts and the format reverts to its
// last top-level group (or to its beginning).
#pragma once

#include <initializer_list>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace korvex::fortran {

// One value of an output list: an integer, a real or a text.
class Value {
public:
    enum class Kind { Integer, Real, Text };
    Value(int v) : kind_(Kind::Integer), integer_(v) {}
    Value(long v) : kind_(Kind::Integer), integer_(v) {}
    Value(long long v) : kind_(Kind::Integer), integer_(v) {}
    Value(double v) : kind_(Kind::Real), real_(v) {}
    Value(const char* v) : kind_(Kind::Text), text_(v) {}
    Value(std::string_view v) : kind_(Kind::Text), text_(v) {}
    Value(const std::string& v) : kind_(Kind::Text), text_(v) {}

    Kind kind() const { return kind_; }
    long long integer() const { return kind_ == Kind::Real ? static_cast<long long>(real_) : integer_; }
    double real() const { return kind_ == Kind::Integer ? static_cast<double>(integer_) : real_; }
    std::string_view text() const { return text_; }

private:
    Kind kind_;
    long long integer_ = 0;
    double real_ = 0.0;
    std::string_view text_;
};

// Applies a format to values; returns the lines it produces, without line ends.
std::vector<std::string> formatLines(std::string_view format, std::initializer_list<Value> values);
std::vector<std::string> formatLines(std::string_view format, const std::vector<Value>& values);

// Single-field helpers, also used by the field-based writers.
std::string formatI(long long value, int width, int minDigits = 0);
std::string formatF(double value, int width, int decimals);
// Exponent form; scale 0 gives 0.ddd mantissa, scale 1 gives d.ddd (1P).
std::string formatE(double value, int width, int decimals, int scale = 0, char letter = 'E');

// Shortest decimal text that reads back to the same double ("1.5", "1e-07").
std::string listReal(double value);

namespace detail {
struct FormatNode;
}

// Formats parsed once and kept for the writer's lifetime: a report writes the
// same few formats for every station and curve point.
class FormatCache {
public:
    FormatCache();
    ~FormatCache();
    const detail::FormatNode& parsed(std::string_view format);

private:
    std::map<std::string, std::unique_ptr<detail::FormatNode>, std::less<>> formats_;
};

// A text file written line by line with formats.
class FormattedWriter {
public:
    explicit FormattedWriter(std::ostream& out) : out_(&out) {}
    void write(std::string_view format, std::initializer_list<Value> values = {});
    void write(std::string_view format, const std::vector<Value>& values);
    // Writes a free-format record: each value preceded by a blank, integers in
    // plain decimal, reals in the shortest form that reads back to the same double.
    void list(std::initializer_list<Value> values);
    // Writes a line as it stands.
    void line(std::string_view text = {});
    std::ostream& stream() { return *out_; }

private:
    std::ostream* out_;
    FormatCache formats_;
};

}  // namespace korvex::fortran
