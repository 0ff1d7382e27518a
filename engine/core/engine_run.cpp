#include "core/engine_run.h"

#include "core/list_reader.h"
#include "core/problem_analysis.h"
#include "core/problem_reader.h"
#include "core/report_heading.h"
#include "core/run_context.h"
#include "core/run_file_list.h"
#include "korvex_shared.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace korvex {
namespace {

std::string readWholeFile(const std::filesystem::path& path, bool& ok) {
    std::ifstream in(path, std::ios::binary);
    ok = static_cast<bool>(in);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Writes a data error in the layout the report uses for it.
void writeDataError(RunContext& ctx, const std::string& message) {
    if (message.empty()) return;  // already reported by the subsystem that stopped
    auto& out = ctx.report;
    if (message == "TOO MUCH DATA FOR AVAILABLE STORAGE")
        out.write("(/,/,\"     TOO MUCH DATA FOR AVAILABLE STORAGE\",/,/)");
    else if (message.rfind("ERROR", 0) == 0)
        out.write("(/,/,5X,A)", {message});
    else
        out.write("(/,/,5X,\"ERROR -- \",A)", {message});
}

void writeResultsBlock(RunContext& ctx) {
    ctx.plot.list({ctx.resultsBlockCount, static_cast<long long>(ctx.results.size()), ctx.units});
    for (const ResultRow& r : ctx.results)
        ctx.plot.write("(5(1X,E13.4))", {r.x, r.deflection, r.moment, r.shear, r.reaction});
}

// The problem loop; returns when the last problem is analysed or a data error ends the run.
void analyseProblems(RunContext& ctx, ListReader& data) {
    ProblemReader reader(data);
    try {
        for (;;) {
            ++ctx.problem;
            ProblemInput input;
            input.title = reader.readTitle();
            if (ctx.problem == 1) ctx.runTitle = input.title;
            input.control = reader.readControl();
            ctx.units = input.control.units;
            ctx.unitWords = UnitWords::forUnits(input.control.units);
            writeProblemHeading(ctx, input.control, input.title);
            reader.readBody(input);
            analyseProblem(ctx, input);
            const int code = reader.readContinuation();
            if (code == 0 || code == input.control.nStages) return;
            ctx.resultsBlockCount = code == shared::kLongTermFollows ? 2 : input.control.nStages;
            writeResultsBlock(ctx);
        }
    } catch (const DataError& e) {
        writeDataError(ctx, e.what());
    } catch (const std::exception& e) {
        writeDataError(ctx, std::string("THE ANALYSIS STOPPED: ") + e.what());
    }
}

void reportRunFileListFault(RunFileListStatus status) {
    if (status == RunFileListStatus::NamesUnreadable) {
        std::cerr << " PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n"
                  << " BEFORE COMPUTATION.  TRY IT AGAIN!\n";
    } else {
        std::cerr << " THE RUN FILE LIST NAMES.dat IS MISSING OR INCOMPLETE\n";
    }
}

}  // namespace

UnitWords UnitWords::forUnits(int units) {
    switch (units) {
    case static_cast<int>(shared::UnitSystem::English):
        return {" IN", " LBS", "IN", "LBS"};
    case static_cast<int>(shared::UnitSystem::SI):
        return {"  M", "  KN", " M", " KN"};
    default:
        return {"  L", "   F", " L", "  F"};
    }
}

int runEngine(int interfaceCode, const std::filesystem::path& workDir) {
    if (interfaceCode != shared::kInterfaceCode) return 1;

    RunFileList names;
    const RunFileListStatus status = readRunFileList(workDir, names);
    if (status != RunFileListStatus::Read) {
        reportRunFileListFault(status);
        return 0;
    }

    RunContext ctx;
    ctx.started = analysisTime();
    ctx.workDir = workDir;
    ctx.version = names.version;
    ctx.dataPath = names.data;
    ctx.reportPath = names.report;
    ctx.plotPath = names.plot;
    ctx.notesPath = names.notes;

    bool dataRead = false;
    std::string text = readWholeFile(names.data, dataRead);
    ctx.reportFile.open(names.report, std::ios::binary | std::ios::trunc);
    ctx.plotFile.open(names.plot, std::ios::binary | std::ios::trunc);
    ctx.notesFile.open(names.notes, std::ios::binary | std::ios::trunc);
    if (!ctx.reportFile || !ctx.plotFile || !ctx.notesFile) {
        std::cerr << " CANNOT CREATE THE RESULT FILES NEXT TO " << names.report.string() << "\n";
        return 0;
    }

    if (dataRead) {
        ListReader data(std::move(text));
        analyseProblems(ctx, data);
    } else {
        writeDataError(ctx, "CANNOT OPEN THE INPUT DATA FILE " + names.data.string());
    }

    ctx.report.write("(/,/,/,\"     END OF ANALYSIS                             \")");
    writeResultsBlock(ctx);
    return 0;
}

}  // namespace korvex
