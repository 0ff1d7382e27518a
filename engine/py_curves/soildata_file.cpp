#include "py_curves/soildata_file.h"

#include "core/list_reader.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <sstream>
#include <string>

namespace korvex {
namespace {

const char* const kDamaged = "ERROR -- THE SOIL-RESISTANCE FILE SOILDATA IS INCOMPLETE OR DAMAGED";

// Reads numbers one after another. Fixed-column records may join two numbers
// without a blank ("0.960E+04-0.288E-01"); each number ends where its spelling ends.
class NumberScanner {
public:
    explicit NumberScanner(std::string text) : text_(std::move(text)) {}

    double real() {
        while (pos_ < text_.size() && (std::isspace(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == ','))
            ++pos_;
        double v = 0;
        const char* begin = text_.data() + pos_;
        const char* end = text_.data() + text_.size();
        if (begin < end && *begin == '+') ++begin;
        const auto [ptr, ec] = std::from_chars(begin, end, v);
        if (ec != std::errc() || !std::isfinite(v)) throw DataError(kDamaged);
        pos_ = static_cast<size_t>(ptr - text_.data());
        return v;
    }

    int integer() {
        const double v = real();
        if (v != std::floor(v) || std::fabs(v) > std::numeric_limits<int>::max()) throw DataError(kDamaged);
        return static_cast<int>(v);
    }

    int count() {
        const int n = integer();
        if (n < 0) throw DataError(kDamaged);
        return n;
    }

private:
    std::string text_;
    size_t pos_ = 0;
};

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw DataError("ERROR -- THE SOIL-RESISTANCE FILE " + file.string() + " CANNOT BE OPENED");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

SoilDataCurve readUserCurve(NumberScanner& in, double dx) {
    SoilDataCurve curve;
    curve.station = in.integer();
    curve.depth = curve.station * dx;
    const int n = in.count();
    for (int k = 0; k < n; ++k) {
        in.integer();
        const double p = in.real();
        curve.points.push_back({in.real(), p});
    }
    return curve;
}

SoilDataCurve readGeneratedCurve(NumberScanner& in, double dx) {
    SoilDataCurve curve;
    curve.generated = true;
    curve.depth = in.real();
    const double station = std::round(curve.depth / dx);
    if (std::fabs(station) > std::numeric_limits<int>::max()) throw DataError(kDamaged);
    curve.station = static_cast<int>(station);
    if (in.count() != kGeneratedRecords) throw DataError(kDamaged);
    std::vector<CurvePoint> records;  // (y, p) of records 1..34
    for (int k = 0; k < kGeneratedRecords; ++k) {
        in.integer();
        const double p = in.real();
        records.push_back({in.real(), p});
    }
    constexpr int half = kGeneratedRecords / 2;
    for (int k = kGeneratedRecords - 1; k >= half; --k) curve.points.push_back({-records[k].y, records[k].p});
    // Branches that start above zero deflection (weak rock) are joined through
    // the origin, so that the wall meets no resistance where it has not moved.
    if (records[0].y > 0.0) curve.points.push_back({0.0, 0.0});
    for (int k = 1; k < half; ++k) curve.points.push_back({records[k].y, -records[k].p});
    return curve;
}

}  // namespace

SoilDataWriter::SoilDataWriter(const std::filesystem::path& file, int curveCount) : file_(file) {
    if (!file_) throw DataError("ERROR -- THE SOIL-RESISTANCE FILE " + file.string() + " CANNOT BE CREATED");
    out_.list({curveCount});
}

void SoilDataWriter::userCurve(const UserPyCurve& curve) {
    out_.list({curve.station, static_cast<int>(curve.points.size())});
    int number = 0;
    for (const CurvePoint& pt : curve.points) out_.list({++number, pt.p * curve.pMult, pt.y * curve.yMult});
}

void SoilDataWriter::generatedCurve(double depth) { out_.list({depth, kGeneratedRecords}); }

void SoilDataWriter::point(const char* layout, int number, double p, double y) { out_.write(layout, {number, p, y}); }

std::vector<SoilDataCurve> readSoilData(const std::filesystem::path& file, int userCurveCount, double dx) {
    if (!(dx > 0.0)) throw DataError("ERROR -- THE INCREMENT LENGTH MUST BE GREATER THAN ZERO FOR P-Y CURVES");
    NumberScanner in(fileText(file));
    const int total = in.count();
    if (total < userCurveCount) throw DataError(kDamaged);
    std::vector<SoilDataCurve> curves;
    for (int i = 0; i < total; ++i)
        curves.push_back(i < userCurveCount ? readUserCurve(in, dx) : readGeneratedCurve(in, dx));
    return curves;
}

}  // namespace korvex
