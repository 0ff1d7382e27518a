#include "framework/grid_table_chart.h"

#include "framework/errors.h"
#include "framework/table_registry.h"
#include "framework/value_stream.h"

namespace korvex::app {

TGridTableChart::TGridTableChart(TGridTable* owner) : TGridTable(TTableRegistry::Chart(), owner) {}

std::unique_ptr<TGridTable> TGridTableChart::NewTable(TGridTable* owner) const {
    return std::make_unique<TGridTableChart>(owner);
}

void TGridTableChart::CopySettingsTo(TGridTable& copy) const {
    auto& chart = static_cast<TGridTableChart&>(copy);
    chart.getDataFromFile_ = getDataFromFile_;
    chart.okCancelButtons_ = okCancelButtons_;
    chart.invertedXAxis_ = invertedXAxis_;
    chart.invertedYAxis_ = invertedYAxis_;
    chart.graphic_ = graphic_;
}

void TGridTableChart::WriteGraphicParameters(TValueWriter& writer) const {
    writer.WriteBoolean(graphic_.chartOn);
    writer.WriteBoolean(graphic_.segmentMode);
    writer.WriteInteger(graphic_.xColumn);
    writer.WriteInteger(graphic_.yColumn);
    writer.WriteInteger(graphic_.reserved1);
    writer.WriteInteger(graphic_.reserved2);
}

void TGridTableChart::ReadGraphicParameters(TValueReader& reader) {
    try {
        graphic_.chartOn = reader.ReadBoolean();
        graphic_.segmentMode = reader.ReadBoolean();
        graphic_.xColumn = reader.ReadInteger();
        graphic_.yColumn = reader.ReadInteger();
        graphic_.reserved1 = reader.ReadInteger();
        graphic_.reserved2 = reader.ReadInteger();
    } catch (const EReadError&) {
        throw EReadError(QStringLiteral("Error reading graphic parameters"));
    }
}

}  // namespace korvex::app
