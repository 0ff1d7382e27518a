// korvex: the command-line tool of the retaining-wall analysis.
#include "run_command.h"
#ifdef KORVEX_WITH_PROJECT_MODEL
#include "project_commands.h"
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
#ifdef KORVEX_WITH_PROJECT_MODEL
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
    "  check PROJECT    Read the data file as the desktop application does and run the\n"
    "                   check made before every analysis (wall-stiffness lines within the\n"
    "                   wall, backfill slope not steeper than the friction angle, soil\n"
    "                   layers down to the wall tip). Prints the warning and exits 1 when\n"
    "                   the check fails or the file cannot be read, else exits 0.\n"
    "  upgrade OLD [-o NEW.rw5d]\n"
    "                   Read a data file of any supported version (.rwd, .rw4d, .rw5d)\n"
    "                   and write it in the current format, by default beside it with the\n"
    "                   extension .rw5d. The source file is never overwritten.\n"
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
#ifdef KORVEX_WITH_PROJECT_MODEL
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "results") return korvex::cli::resultsCommand(rest);
    if (args[0] == "check") return korvex::cli::checkCommand(rest);
    if (args[0] == "upgrade") return korvex::cli::upgradeCommand(rest);
#endif
    std::cerr << "korvex: unknown command '" << args[0] << "'\n\n" << kHelp;
    return 1;
}
