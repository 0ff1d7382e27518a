// Unit systems and unit tokens. A token such as "F/L2^3" describes the
// dimension of a quantity with the symbols F, F1, F2, F4, F5, F6, L, L1, L2
// and L3; it gives the label shown in each unit system and the factor that
// converts a stored value from one system to another.
#pragma once

#include <QString>

namespace korvex::app {

enum UnitSystemCode : int { kEnglish = 1, kSI = 2, kOther = 3 };

// Every component that stores a unit system clamps it into 1 .. 3.
int ClampUnits(int system);

// The places that show a label each use their own substitution rule.
enum class TLabelVariant {
    Full,        // table columns: all ten symbols
    ShortTable,  // chart-backed table columns: F2, F1, F, L2, L1, L
    Edit,        // numeric edit: one force and one length symbol
    Graph,       // graph axes and export titles
    Combo,       // numeric combo box: F and L only
};

QString UnitLabel(const QString& token, int system, TLabelVariant variant = TLabelVariant::Full);

// The multiplier that turns a value stored in system `from` into system
// `to`; 1 unless one side is English and the other SI.
long double ConversionFactor(int from, int to, const QString& token);

}  // namespace korvex::app
