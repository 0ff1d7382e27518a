#include "framework/string_column.h"

#include "framework/value_stream.h"

namespace korvex::app {

void TStringColumn::WriteData(TValueWriter& writer) const {
    writer.WriteString(default_);
    writer.WriteFloat(widthInches_);
}

void TStringColumn::ReadData(TValueReader& reader) {
    default_ = reader.ReadString();
    widthInches_ = reader.ReadFloat();
}

}  // namespace korvex::app
