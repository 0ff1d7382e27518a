#include "graphics/graph_plot.h"

#include "framework/number_text.h"
#include "framework/unit_tokens.h"

#include <algorithm>

namespace korvex::app {

QString UnitsTitle(const QString& caption, const QString& token, int units) {
    if (token.isEmpty()) return caption;
    return caption + QStringLiteral(" (") + UnitLabel(token, units, TLabelVariant::Graph) + QStringLiteral(")");
}

TGraphPlot::TGraphPlot(QObject* parent) : QObject(parent) {}

TGraphPlot::~TGraphPlot() = default;

int TGraphPlot::CurveCount(int list) const { return static_cast<int>(List(list).size()); }

void TGraphPlot::SetCurveCount(int list, int n) {
    const int points = PointCount(list);
    TCurveArray& curves = lists_.at(list);
    curves.resize(std::min(curves.size(), static_cast<std::size_t>(std::max(n, 0))));
    while (CurveCount(list) < n) {
        auto curve = std::make_unique<TLine>(this, CurveCount(kMainCurves) + 1);
        curve->SetPointCount(points);
        curves.push_back(std::move(curve));
    }
}

int TGraphPlot::PointCount(int list) const {
    const TCurveArray& curves = List(list);
    return curves.empty() ? 0 : curves.front()->PointCount();
}

void TGraphPlot::SetPointCount(int list, int n) {
    for (const auto& curve : lists_.at(list)) curve->SetPointCount(n);
}

TLine& TGraphPlot::Curve(int list, int i) { return *lists_.at(list).at(i); }

const TLine& TGraphPlot::Curve(int list, int i) const { return *List(list).at(i); }

QString TGraphPlot::DisplayName(int list, int i) const {
    const TLine& curve = Curve(list, i);
    if (!curve.Name.isEmpty()) return curve.Name;
    if (i < names_.size()) return names_[i];
    return CurveName + FormatReal15(curve.Number);
}

void TGraphPlot::SetUnits(int system) { units_ = ClampUnits(system); }

}  // namespace korvex::app
