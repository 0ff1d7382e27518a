// Reads the records of one problem from the data file into ProblemInput.
//
// The reader checks what the analysis cannot work with (counts below zero,
// stations outside the station tables, capacities of the tables, increments
// that are not positive) and names the record and the line in its message;
// the checks whose report messages belong to the analysis (restraint count
// and order, stations not in order, data beyond the tip, number of curves)
// are left to the analysis so that they appear where the report expects them.
#pragma once

#include "core/analysis_model.h"
#include "core/capacities.h"
#include "core/list_reader.h"

namespace korvex {

class ProblemReader {
public:
    explicit ProblemReader(ListReader& reader) : in_(reader) {}

    // TITLE: the first 70 characters of the line.
    std::string readTitle();
    // CONTROL: ten integers.
    Control readControl();
    // WALL through MEICURVES, in file order.
    void readBody(ProblemInput& problem);
    // NEXT: the continuation code; a file that ends here ends the run (0).
    int readContinuation();

private:
    ListReader& in_;

    void readWall(ProblemInput& p);
    void readRestraints(ProblemInput& p);
    void readSections(ProblemInput& p);
    void readLoads(ProblemInput& p);
    void readSpringsAndTiebacks(ProblemInput& p);
    void readPyMods(ProblemInput& p);
    void readDistLoads(ProblemInput& p);
    void readSoilBlock(ProblemInput& p);
    void readLayers(ProblemInput& p);
    void readUserCurves(ProblemInput& p);
    void readMeiCurves(ProblemInput& p);

    int readCount(const char* record, int capacity);
    void checkStation(int station, const ProblemInput& p, const char* record) const;
    [[noreturn]] void fail(const std::string& message) const;
};

}  // namespace korvex
