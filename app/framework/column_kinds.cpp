#include "framework/column_kinds.h"

#include "framework/enum_column.h"
#include "framework/float_column.h"
#include "framework/int_column.h"
#include "framework/string_column.h"
#include "framework/table_column.h"

namespace korvex::app {

std::unique_ptr<TColumn> CreateColumn(int kindCode) {
    switch (static_cast<TColumnKind>(kindCode)) {
    case TColumnKind::Enum: return std::make_unique<TEnumColumn>();
    case TColumnKind::Int: return std::make_unique<TIntColumn>();
    case TColumnKind::Float: return std::make_unique<TFloatColumn>();
    case TColumnKind::Table: return std::make_unique<TTableColumn>();
    case TColumnKind::String: return std::make_unique<TStringColumn>();
    }
    return nullptr;
}

}  // namespace korvex::app
