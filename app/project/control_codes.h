// Deriving the codes of CONTROL before a section is written: tables of
// switched-off options are emptied (their rows leave the project), and KEP,
// KPY, nMEI and nTieback are recomputed from the option switches.
#pragma once

namespace korvex::app {

class TProgramData;

enum class TSection { ShortTerm, LongTerm };

void DeriveControlCodes(TProgramData& project, TSection section);

}  // namespace korvex::app
