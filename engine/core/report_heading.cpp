#include "core/report_heading.h"

#include <cstdlib>
#include <string>

namespace korvex {
namespace {

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

std::string trimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    return s;
}

void writeBanner(RunContext& ctx) {
    auto& out = ctx.report;
    out.write("(5X,73\"=\",/,/,20X,\"  KORVEX for Windows, Version \",A12,/)", {ctx.version});
    out.write("(20X,\"   A Program for the Analysis of \",/,20X,\"   Flexible Retaining Walls \",/)");
    out.write("(5X,73\"=\",/,/)");
}

void writeFileNames(RunContext& ctx) {
    auto& out = ctx.report;
    std::string folder = ctx.dataPath.parent_path().string();
    if (!folder.empty() && folder.back() != '/') folder += '/';
    out.write("(5X,\"Path to file locations      : \",A)", {trimRight(folder)});
    out.write("(5X,\"Name of input data file     : \",A)", {trimRight(ctx.dataPath.filename().string())});
    out.write("(5X,\"Name of output file         : \",A)", {trimRight(ctx.reportPath.filename().string())});
    out.write("(5X,\"Name of plot output file    : \",A)", {trimRight(ctx.plotPath.filename().string())});
    out.line();
}

void writeProgramControl(RunContext& ctx, const Control& c) {
    auto& out = ctx.report;
    out.write("(/,/,6X,50\"*\",/,6X,\"*        PROGRAM CONTROL PARAMETERS              *\",/,6X,50\"*\",/)");
    const struct {
        const char* text;
        int value;
    } lines[] = {
        {"NO OF POINTS FOR SPECIFIED DEFLECTIONS AND SLOPES  = ", c.nRestr},
        {"NO OF POINTS FOR WALL STIFFNESS AND LOAD DATA      = ", c.nSect},
        {"GENERATE EARTH PRESSURE INTERNALLY                 = ", c.generateEarthPressure() ? 1 : 0},
        {"GENERATE SOIL RESISTANCE (P-Y) CURVES INTERNALLY   = ", c.generatePyCurves() ? 1 : 0},
        {"NO OF P-Y MODIFICATION FACTORS FOR GEN. P-Y CURVES = ", c.nPyMod},
        {"NO OF USER-SPECIFIED SOIL RESISTANCE (P-Y) CURVES  = ", c.nPySets},
    };
    for (const auto& l : lines) out.write("(6X,A,I2)", {l.text, l.value});
}

}  // namespace

std::tm analysisTime() {
    std::tm result{};
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        char* end = nullptr;
        const long long seconds = std::strtoll(epoch, &end, 10);
        if (end != epoch && *end == '\0') {
            const std::time_t t = static_cast<std::time_t>(seconds);
            gmtime_r(&t, &result);
            return result;
        }
    }
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &result);
    return result;
}

void writeDateAndTime(fortran::FormattedWriter& out, const std::tm& when) {
    out.write("(5X,73\"-\",/,26X,\"Time and Date of Analysis\",/,5X,73\"-\",/)");
    out.write("(15X,\"Date:  \",A,\" \",I2.2,\", \",I4,5X,\"Time:  \",I2.2,\":\",I2.2,\":\",I2.2)",
              {kMonths[when.tm_mon % 12], when.tm_mday, when.tm_year + 1900, when.tm_hour, when.tm_min,
               when.tm_sec});
}

void writeTitleLine(RunContext& ctx, const Control& control, const std::string& title) {
    if (control.nStages >= 2)
        ctx.report.write("(/,6X,\"Stage No :\",I2,2X,A70)", {ctx.problem, ctx.runTitle});
    else if (ctx.problem == 1)
        ctx.report.write("(/,6X,A70)", {title});
    else
        ctx.report.write("(/,6X,\"Long Term :\",2X,A70)", {ctx.runTitle});
}

void writeProblemHeading(RunContext& ctx, const Control& control, const std::string& title) {
    if (ctx.problem > 1) ctx.report.write("(/)");
    writeBanner(ctx);
    writeFileNames(ctx);
    writeDateAndTime(ctx.report, ctx.started);
    writeTitleLine(ctx, control, title);
    writeProgramControl(ctx, control);
}

}  // namespace korvex
