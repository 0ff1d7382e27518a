#include "framework/table_registry.h"

#include "framework/grid_table.h"

#include <algorithm>

namespace korvex::app {

TTableRegistry& TTableRegistry::Plain() {
    static TTableRegistry registry;
    return registry;
}

TTableRegistry& TTableRegistry::Chart() {
    static TTableRegistry registry;
    return registry;
}

int TTableRegistry::Add(TGridTable* table) {
    while (FindIdentifier(counter_)) ++counter_;
    tables_.push_back(table);
    return counter_++;
}

void TTableRegistry::Remove(TGridTable* table) { std::erase(tables_, table); }

TGridTable* TTableRegistry::FindIdentifier(int identifier) const {
    const auto it = std::find_if(tables_.begin(), tables_.end(),
                                 [&](const TGridTable* t) { return t->Identifier() == identifier; });
    return it == tables_.end() ? nullptr : *it;
}

TGridTable* TTableRegistry::At(int position) const {
    if (position < 0 || position >= static_cast<int>(tables_.size())) return nullptr;
    return tables_[position];
}

}  // namespace korvex::app
