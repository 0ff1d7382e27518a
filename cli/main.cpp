// korvex: the command-line tool of the retaining-wall analysis.
#include "run_command.h"
#ifdef KORVEX_WITH_RESULTS
#include "results_command.h"
#endif

#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const kHelp =
    "usage: korvex COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  run PROJECT...   Analyse each data file (.rw5d) with the engine library, as the\n"
    "                   desktop application does. Each run works in its own private\n"
    "                   temporary folder; the report (.rw5o), plot-data file (.rw5p) and\n"
    "                   run notes (.rw5r) are written next to the data file. Prints, per\n"
    "                   problem, the title, the iterations and warnings, the largest\n"
    "                   deflection, moment and shear with their depths and the tieback\n"
    "                   forces. Exit status: 0 every run completed, 2 a run ended on a\n"
    "                   data error (its message is printed), 1 usage or file errors.\n"
#ifdef KORVEX_WITH_RESULTS
    "  results PROJECT [--csv DIR]\n"
    "                   Read the plot-data file (.rw5p) beside the data file as the desktop\n"
    "                   application does and print the curves of every result graph that\n"
    "                   holds points (p-y curves, deflection, shear, moment and net reaction\n"
    "                   against depth, earth pressure and its parts) as CSV: the graph's\n"
    "                   caption, one header row naming each column by curve and axis title\n"
    "                   with its units, then X and Y of every curve side by side. With --csv\n"
    "                   one file per graph is written into DIR instead. Exit status: 0 the\n"
    "                   file was read completely, 2 it ended early or held an invalid value\n"
    "                   (what was read is still shown), 1 usage or file errors.\n"
#endif
    "  --help           Show this text.\n";

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << kHelp;
        return args.empty() ? 1 : 0;
    }
    if (args[0] == "run") return korvex::cli::runCommand({args.begin() + 1, args.end()});
#ifdef KORVEX_WITH_RESULTS
    if (args[0] == "results") return korvex::cli::resultsCommand({args.begin() + 1, args.end()});
#endif
    std::cerr << "korvex: unknown command '" << args[0] << "'\n\n" << kHelp;
    return 1;
}
