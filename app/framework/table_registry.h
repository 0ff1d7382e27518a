// The live tables of one table family, in creation order, and the
// identifiers that name them. Plain tables and chart-backed tables each have
// a registry of their own, so their identifiers are separate.
#pragma once

#include <vector>

namespace korvex::app {

class TGridTable;

class TTableRegistry {
public:
    static TTableRegistry& Plain();
    static TTableRegistry& Chart();

    // Registers the table and returns its identifier: the next value of the
    // family's counter that no live table holds, so identifiers stay unique
    // also after tables were given chosen identifiers.
    int Add(TGridTable* table);
    void Remove(TGridTable* table);
    TGridTable* FindIdentifier(int identifier) const;
    // The table at a position in creation order, or none.
    TGridTable* At(int position) const;

private:
    std::vector<TGridTable*> tables_;
    int counter_ = 0;
};

}  // namespace korvex::app
