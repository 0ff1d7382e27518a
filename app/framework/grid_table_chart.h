// TGridTableChart: the chart-backed table family for curves. It behaves as
// TGridTable, with a registry and identifiers of its own, sub-tables of its
// own family, the short unit labels, and the chart's graphic parameters
// appended to its column description. Its columns are the same five kinds;
// the family only changes how the table labels and duplicates them.
#pragma once

#include "framework/grid_table.h"

namespace korvex::app {

struct TGraphicParameters {
    bool chartOn = false;
    bool segmentMode = false;
    int xColumn = 0;
    int yColumn = 0;
    int reserved1 = 0;  // stored and written back unchanged
    int reserved2 = 0;

    bool operator==(const TGraphicParameters&) const = default;
};

class TGridTableChart : public TGridTable {
    Q_OBJECT

public:
    explicit TGridTableChart(TGridTable* owner = nullptr);

    TLabelVariant LabelVariant() const override { return TLabelVariant::ShortTable; }

    bool GetDataFromFile() const { return getDataFromFile_; }
    void SetGetDataFromFile(bool on) { getDataFromFile_ = on; }
    bool OKCancelButtons() const { return okCancelButtons_; }
    void SetOKCancelButtons(bool on) { okCancelButtons_ = on; }
    bool InvertedXAxis() const { return invertedXAxis_; }
    void SetInvertedXAxis(bool on) { invertedXAxis_ = on; }
    bool InvertedYAxis() const { return invertedYAxis_; }
    void SetInvertedYAxis(bool on) { invertedYAxis_ = on; }
    const TGraphicParameters& Graphic() const { return graphic_; }
    void SetGraphic(const TGraphicParameters& graphic) { graphic_ = graphic; }

protected:
    std::unique_ptr<TGridTable> NewTable(TGridTable* owner) const override;
    void CopySettingsTo(TGridTable& copy) const override;
    void WriteGraphicParameters(TValueWriter& writer) const override;
    void ReadGraphicParameters(TValueReader& reader) override;

private:
    bool getDataFromFile_ = false;
    bool okCancelButtons_ = false;
    bool invertedXAxis_ = false;
    bool invertedYAxis_ = false;
    TGraphicParameters graphic_;
};

}  // namespace korvex::app
