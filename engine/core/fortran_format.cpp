#include "fortran_format.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace korvex::fortran {

namespace detail {

struct FormatNode {
    enum class Kind { Group, Integer, Fixed, Exponent, Text, Literal, Blanks, Slash, Scale };
    Kind kind = Kind::Literal;
    int repeat = 1;
    int width = 0;     // field width; 0 for A without width
    int decimals = 0;  // d of F, E, D; m of I
    char letter = 'E';
    std::string literal;
    std::vector<FormatNode> children;
};

}  // namespace detail

namespace {

using Node = detail::FormatNode;

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    Node parse() {
        skipBlanks();
        Node root;
        root.kind = Node::Kind::Group;
        if (peek() == '(') {
            ++pos_;
            root.children = parseList(')');
        } else {
            root.children = parseList('\0');
        }
        return root;
    }

private:
    std::string_view text_;
    size_t pos_ = 0;

    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void skipBlanks() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    }
    [[noreturn]] void fail(const char* what) const {
        throw std::invalid_argument(std::string("format error (") + what + ") in " + std::string(text_));
    }

    int number() {
        int n = 0;
        bool any = false;
        while (std::isdigit(static_cast<unsigned char>(peek()))) {
            n = n * 10 + (peek() - '0');
            ++pos_;
            any = true;
        }
        if (!any) fail("number expected");
        return n;
    }

    std::vector<Node> parseList(char close) {
        std::vector<Node> items;
        for (;;) {
            skipBlanks();
            char c = peek();
            if (c == close) {
                if (close) ++pos_;
                return items;
            }
            if (c == '\0') fail("unclosed group");
            if (c == ',') {
                ++pos_;
                continue;
            }
            if (c == '/') {
                ++pos_;
                Node n;
                n.kind = Node::Kind::Slash;
                items.push_back(n);
                continue;
            }
            items.push_back(parseItem());
        }
    }

    Node parseItem() {
        int repeat = 1;
        bool hasCount = false;
        if (std::isdigit(static_cast<unsigned char>(peek())) || peek() == '-') {
            bool negative = peek() == '-';
            if (negative) ++pos_;
            repeat = number() * (negative ? -1 : 1);
            hasCount = true;
            skipBlanks();
        }
        Node n;
        char c = static_cast<char>(std::toupper(static_cast<unsigned char>(peek())));
        if (c == '"' || c == '\'') {
            n.kind = Node::Kind::Literal;
            n.literal = quoted();
            n.repeat = hasCount ? repeat : 1;
            return n;
        }
        ++pos_;
        switch (c) {
        case '(':
            n.kind = Node::Kind::Group;
            n.children = parseList(')');
            n.repeat = repeat;
            return n;
        case 'X':
            n.kind = Node::Kind::Blanks;
            n.width = hasCount ? repeat : 1;
            return n;
        case 'P':
            if (!hasCount) fail("scale factor needs a count");
            n.kind = Node::Kind::Scale;
            n.width = repeat;
            return n;
        case 'I':
            n.kind = Node::Kind::Integer;
            n.width = number();
            if (peek() == '.') {
                ++pos_;
                n.decimals = number();
            }
            break;
        case 'F':
            n.kind = Node::Kind::Fixed;
            n.width = number();
            expectDot();
            n.decimals = number();
            break;
        case 'E':
        case 'D':
            n.kind = Node::Kind::Exponent;
            n.letter = c;
            n.width = number();
            expectDot();
            n.decimals = number();
            break;
        case 'A':
            n.kind = Node::Kind::Text;
            if (std::isdigit(static_cast<unsigned char>(peek()))) n.width = number();
            break;
        default:
            fail("unknown descriptor");
        }
        n.repeat = repeat;
        return n;
    }

    void expectDot() {
        if (peek() != '.') fail("'.' expected");
        ++pos_;
    }

    std::string quoted() {
        char quote = peek();
        ++pos_;
        std::string s;
        for (;;) {
            if (pos_ >= text_.size()) fail("unclosed text");
            char c = text_[pos_++];
            if (c == quote) {
                if (peek() == quote) {
                    s += quote;
                    ++pos_;
                    continue;
                }
                return s;
            }
            s += c;
        }
    }
};

std::string stars(int width) { return std::string(static_cast<size_t>(width), '*'); }

std::string rightJustify(const std::string& s, int width) {
    if (static_cast<int>(s.size()) > width) return stars(width);
    return std::string(static_cast<size_t>(width) - s.size(), ' ') + s;
}

// Executes a parsed format over a list of values.
class Executor {
public:
    Executor(const std::vector<Value>& values) : values_(values) {}

    std::vector<std::string> run(const Node& root) {
        bool stopped = runGroup(root);
        // Values left at the end of the format: new line, revert to the last top-level group.
        while (!stopped && next_ < values_.size()) {
            const size_t before = next_;
            newLine();
            const Node* revert = lastGroup(root);
            stopped = revert ? runRepeatedGroup(*revert) : runGroup(root);
            if (next_ == before) break;  // format without data descriptors
        }
        lines_.push_back(current_);
        return lines_;
    }

private:
    const std::vector<Value>& values_;
    size_t next_ = 0;
    int scale_ = 0;
    std::string current_;
    std::vector<std::string> lines_;

    static const Node* lastGroup(const Node& root) {
        for (auto it = root.children.rbegin(); it != root.children.rend(); ++it)
            if (it->kind == Node::Kind::Group) return &*it;
        return nullptr;
    }

    void newLine() {
        lines_.push_back(current_);
        current_.clear();
    }

    bool runRepeatedGroup(const Node& group) {
        for (int r = 0; r < group.repeat; ++r)
            if (runGroup(group)) return true;
        return false;
    }

    // Returns true when output stopped for lack of values.
    bool runGroup(const Node& group) {
        for (const Node& n : group.children) {
            switch (n.kind) {
            case Node::Kind::Group:
                if (runRepeatedGroup(n)) return true;
                break;
            case Node::Kind::Slash:
                newLine();
                break;
            case Node::Kind::Blanks:
                current_.append(static_cast<size_t>(n.width), ' ');
                break;
            case Node::Kind::Scale:
                scale_ = n.width;
                break;
            case Node::Kind::Literal:
                for (int r = 0; r < n.repeat; ++r) current_ += n.literal;
                break;
            default:
                for (int r = 0; r < n.repeat; ++r) {
                    if (next_ >= values_.size()) return true;
                    current_ += field(n, values_[next_++]);
                }
            }
        }
        return false;
    }

    std::string field(const Node& n, const Value& v) const {
        switch (n.kind) {
        case Node::Kind::Integer:
            return formatI(v.integer(), n.width, n.decimals);
        case Node::Kind::Fixed:
            return formatF(v.real() * std::pow(10.0, scale_), n.width, n.decimals);
        case Node::Kind::Exponent:
            return formatE(v.real(), n.width, n.decimals, scale_, n.letter);
        default: {
            std::string s(v.text());
            if (n.width == 0) return s;
            if (static_cast<int>(s.size()) >= n.width) return s.substr(0, static_cast<size_t>(n.width));
            return std::string(static_cast<size_t>(n.width) - s.size(), ' ') + s;
        }
        }
    }
};

}  // namespace

std::string formatI(long long value, int width, int minDigits) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string s;
    if (value < 0) s += '-';
    if (static_cast<int>(digits.size()) < minDigits) s.append(static_cast<size_t>(minDigits) - digits.size(), '0');
    s += digits;
    return rightJustify(s, width);
}

std::string formatF(double value, int width, int decimals) {
    if (!std::isfinite(value)) return stars(width);
    char buf[512];
    // A minus sign is kept for a negative value that rounds to zero; negative zero has none.
    const bool negative = value < 0.0;
    buf[0] = '-';
    char* const start = negative ? buf + 1 : buf;
    const auto written = std::to_chars(start, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, decimals);
    if (written.ec != std::errc()) return stars(width);
    std::string s(buf, written.ptr);
    if (static_cast<int>(s.size()) > width) {
        // The leading zero of a value below one is optional.
        const size_t zero = negative ? 1 : 0;
        if (s.size() > zero + 1 && s[zero] == '0' && s[zero + 1] == '.') s.erase(zero, 1);
    }
    return rightJustify(s, width);
}

std::string formatE(double value, int width, int decimals, int scale, char letter) {
    if (!std::isfinite(value)) return stars(width);
    // Digits of the mantissa: scale digits before the point (0 or 1 here), decimals after it.
    const int significant = scale > 0 ? decimals + 1 : decimals;
    int exponent = 0;
    std::string digits;
    if (value == 0.0) {
        digits.assign(static_cast<size_t>(significant), '0');
    } else {
        char buf[64];
        const auto written =
            std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, significant - 1);
        // buf: d.ddde±xx
        std::string b(buf, written.ptr);
        const size_t e = b.find('e');
        for (size_t i = 0; i < e; ++i)
            if (b[i] != '.') digits += b[i];
        exponent = std::atoi(b.c_str() + e + 1) + 1;  // value = 0.digits x 10^exponent
    }
    std::string mantissa;
    if (scale > 0) {
        mantissa = digits.substr(0, 1) + "." + digits.substr(1);
        if (value != 0.0) exponent -= 1;
    } else {
        mantissa = "0." + digits;
    }
    const int absExp = exponent < 0 ? -exponent : exponent;
    std::string expText;
    if (absExp <= 99) {
        expText = std::string(1, letter) + (exponent < 0 ? '-' : '+') + (absExp < 10 ? "0" : "") + std::to_string(absExp);
    } else if (absExp <= 999) {
        expText = std::string(1, exponent < 0 ? '-' : '+') + std::to_string(absExp);
    } else {
        return stars(width);
    }
    std::string s = (value < 0.0 ? "-" : "") + mantissa + expText;
    if (static_cast<int>(s.size()) > width && scale <= 0) {
        const size_t zero = value < 0.0 ? 1 : 0;
        s.erase(zero, 1);  // drop the optional leading zero
    }
    return rightJustify(s, width);
}

std::vector<std::string> formatLines(std::string_view format, const std::vector<Value>& values) {
    const Node root = Parser(format).parse();
    return Executor(values).run(root);
}

FormatCache::FormatCache() = default;
FormatCache::~FormatCache() = default;

const detail::FormatNode& FormatCache::parsed(std::string_view format) {
    auto found = formats_.find(format);
    if (found == formats_.end())
        found = formats_.emplace(std::string(format), std::make_unique<Node>(Parser(format).parse())).first;
    return *found->second;
}

std::vector<std::string> formatLines(std::string_view format, std::initializer_list<Value> values) {
    return formatLines(format, std::vector<Value>(values));
}

void FormattedWriter::write(std::string_view format, std::initializer_list<Value> values) {
    write(format, std::vector<Value>(values));
}

void FormattedWriter::write(std::string_view format, const std::vector<Value>& values) {
    for (const std::string& l : Executor(values).run(formats_.parsed(format))) *out_ << l << '\n';
}

std::string listReal(double value) {
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

void FormattedWriter::list(std::initializer_list<Value> values) {
    for (const Value& v : values) {
        *out_ << ' ';
        if (v.kind() == Value::Kind::Real)
            *out_ << listReal(v.real());
        else if (v.kind() == Value::Kind::Integer)
            *out_ << v.integer();
        else
            *out_ << v.text();
    }
    *out_ << '\n';
}

void FormattedWriter::line(std::string_view text) { *out_ << text << '\n'; }

}  // namespace korvex::fortran
