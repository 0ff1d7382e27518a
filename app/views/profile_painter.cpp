#include "views/profile_painter.h"

#include "framework/grid_table.h"
#include "project/program_data.h"
#include "views/soil_labels.h"

#include <QPainter>
#include <QPolygon>
#include <cmath>

namespace korvex::app {

namespace {

constexpr long double kRadiansPerDegree = 0.0174533L;
constexpr int kHatchStrokes = 5;
constexpr int kTopViewCircles = 5;

// The columns of the tables the profile reads.
constexpr int kSoilTypeColumn = 0, kLayerBottomColumn = 1, kSoilPropertiesColumn = 2;
constexpr int kRestraintNodeColumn = 1;
constexpr int kPyCurveNodeColumn = 0;
constexpr int kSpringStartColumn = 1;

class TProfilePainter {
public:
    TProfilePainter(QPainter& painter, const TProfileTarget& target, const TProgramData& project,
                    const TProfileGeometry& geometry, const TProfileColours& colours)
        : p_(painter), t_(target), project_(project), geometry_(geometry), ink_(colours.ink) {}

    void SoilLayers();
    void WallOutlines();
    void Surfaces();
    void Restraints();
    void ExternalCurveMarks();
    void Springs();
    void TopViewCircles();
    void Pen(int width) { p_.setPen(QPen(ink_, width)); }

private:
    int TopRow() const { return t_.Row(geometry_.offset); }
    long double ExcavationY() const { return geometry_.offset + project_.FreeHeight; }
    void BackfillSurface();
    void SlopeOrHatch();
    void LayerLabels(int soilType, const TGridTable* properties, int row);
    void TextAt(int x, int y, const QString& text);
    void Stroke(int x1, int y1, int x2, int y2) { p_.drawLine(x1, y1, x2, y2); }

    QPainter& p_;
    const TProfileTarget& t_;
    const TProgramData& project_;
    const TProfileGeometry& geometry_;
    QColor ink_;
};

// Texts stand with their top-left corner at the given point.
void TProfilePainter::TextAt(int x, int y, const QString& text) {
    p_.drawText(QPoint(x, y + p_.fontMetrics().ascent()), text);
}

void TProfilePainter::BackfillSurface() { Stroke(t_.Left(), TopRow(), t_.Middle(), TopRow()); }

// A sloped backfill rises from the wall top towards the backfill side by the
// slope over the drawn run; a level one is marked by five hatch strokes.
void TProfilePainter::SlopeOrHatch() {
    const int yT = TopRow();
    if (project_.BackfillSlope > 0) {
        const int run = t_.Middle() - t_.SlopeEnd();
        const int rise = Nint(run * std::tan(static_cast<double>(project_.BackfillSlope * kRadiansPerDegree)));
        Stroke(t_.Middle(), yT, t_.SlopeEnd(), yT - rise);
        return;
    }
    if (project_.BackfillSlope < 0) return;
    const int start = t_.IsPage() ? Nint(0.35L * t_.Height()) : 100;
    const int end = t_.IsPage() ? Nint(0.365L * t_.Height()) : 115;
    const int step = t_.IsPage() ? 50 : 20;
    const int drop = t_.IsPage() ? 70 : 5;
    for (int k = 1; k <= kHatchStrokes; ++k) Stroke(start + step * k, yT, end + step * k, yT + drop);
}

void TProfilePainter::LayerLabels(int soilType, const TGridTable* properties, int row) {
    TextAt(t_.Left(), row, SoilName(soilType));
    if (properties) TextAt(t_.Left(), row + p_.fontMetrics().height(), StrengthLine(soilType, *properties));
}

void TProfilePainter::SoilLayers() {
    TGridTable& soil = project_.Tables().NewSoil();
    if (!(project_.KEP == 2 || project_.KPY == 2) || soil.RowCount() == 0) return;
    long double top = 0;
    for (int i = 0; i < soil.RowCount(); ++i) {
        const long double bottom = soil.Cell(kLayerBottomColumn, i).AsFloat();
        if (i == 0) {
            BackfillSurface();
            SlopeOrHatch();
        }
        const long double bottomY = LayerDepthY(project_, bottom);
        const int row = t_.Row(bottomY);
        Stroke(t_.Left(), row, bottomY >= ExcavationY() ? t_.Right() : t_.Middle(), row);
        LayerLabels(soil.Cell(kSoilTypeColumn, i).AsInteger(), soil.Cell(kSoilPropertiesColumn, i).AsTable(),
                    t_.Row(LayerDepthY(project_, top)));
        top = bottom;
    }
}

void TProfilePainter::WallOutlines() {
    p_.setBrush(ink_);
    for (const TOutline& outline : geometry_.outlines) {
        QPolygon corners;
        for (const TWorldPoint& c : outline) corners << QPoint(t_.Column(c.x), t_.OutlineRow(c.y));
        p_.drawPolygon(corners);
    }
    p_.setBrush(Qt::NoBrush);
}

void TProfilePainter::Surfaces() {
    BackfillSurface();
    const int yE = t_.Row(ExcavationY());
    Stroke(t_.Middle(), yE, t_.Right(), yE);
}

void TProfilePainter::Restraints() {
    if (!project_.UseRestraints) return;
    TGridTable& restraints = project_.Tables().Soillayer();
    const int x = t_.Fraction(0.52L), tick = t_.Fraction(0.01L);
    for (int i = 0; i < restraints.RowCount(); ++i) {
        const int py = t_.Row(NodeY(project_, restraints.Cell(kRestraintNodeColumn, i).AsInteger()));
        Stroke(t_.Middle(), py, x, py);
        Stroke(t_.Middle(), py, x, py - tick);
        Stroke(t_.Middle(), py, x, py + tick);
    }
}

void TProfilePainter::ExternalCurveMarks() {
    TGridTable& curves = project_.Tables().PYCurves2();
    const int tick = t_.Fraction(0.01L);
    for (int i = 0; i < curves.RowCount(); ++i) {
        const int py = t_.Row(NodeY(project_, curves.Cell(kPyCurveNodeColumn, i).AsInteger()));
        Stroke(t_.Middle(), py, t_.Fraction(0.45L), py);
        Stroke(t_.Fraction(0.43L), py, t_.Fraction(0.38L), py);
        Stroke(t_.Fraction(0.38L), py, t_.Fraction(0.40L), py - tick);
        Stroke(t_.Fraction(0.38L), py, t_.Fraction(0.40L), py + tick);
    }
}

// Springs below the excavation level act in the soil and are not marked.
void TProfilePainter::Springs() {
    if (!project_.UseSprings) return;
    TGridTable& springs = project_.Tables().SoilStrength();
    for (int i = 0; i < springs.RowCount(); ++i) {
        const long double y = NodeY(project_, springs.Cell(kSpringStartColumn, i).AsInteger());
        if (y >= ExcavationY()) continue;
        Stroke(t_.Middle(), t_.Row(y), t_.Fraction(0.6L), t_.Row(y));
    }
}

// Five white circles sketch the piles seen from above, spaced by twice the
// active width, with the captions of the two sketches.
void TProfilePainter::TopViewCircles() {
    const long double active = project_.WidthActive, pile = project_.WidthPY;
    if (!(active > 0 && pile > 0)) return;
    const bool page = t_.IsPage();
    const long double cx = page ? 16 * geometry_.wallLength : 400;
    const long double radius = page ? 5 * pile : pile;
    p_.setBrush(Qt::white);
    for (int k = 0; k < kTopViewCircles; ++k) {
        const long double cy = page ? 4 * geometry_.wallLength + 10 * k * active : 70 + 2 * k * active;
        const int x1 = t_.ClientColumn(cx - radius), x2 = t_.ClientColumn(cx + radius);
        p_.drawEllipse(QRect(QPoint(x1, t_.ClientRow(cy - radius)), QPoint(x2, t_.ClientRow(cy + radius))));
        if (k > 0) continue;
        TextAt(Nint((x1 + x2) / 2.0L + (x1 - x2) * 0.1L), t_.CaptionRow(), QStringLiteral("top view"));
        TextAt(t_.Middle(), t_.CaptionRow(), QStringLiteral("side view"));
    }
    p_.setBrush(Qt::NoBrush);
}

}  // namespace

void PaintProfile(QPainter& painter, const TProfileTarget& target, const TProgramData& project,
                  const TProfileGeometry& geometry, const TProfileResults& results, const TProfileColours& colours) {
    if (colours.background.isValid()) painter.fillRect(painter.viewport(), colours.background);
    TProfilePainter sketch(painter, target, project, geometry, colours);
    sketch.Pen(target.GeneralPen());
    sketch.SoilLayers();
    sketch.WallOutlines();
    sketch.Surfaces();
    sketch.Pen(target.MarkPen());
    sketch.Restraints();
    const bool marksOnScreen = !target.IsPage() && results.earthPressureRows > 1;
    if (marksOnScreen || project.UseExtPY) sketch.ExternalCurveMarks();
    sketch.Pen(target.SpringPen());
    sketch.Springs();
    sketch.Pen(target.CirclePen());
    sketch.TopViewCircles();
    sketch.Pen(1);
}

void PaintProfile(QPainter& painter, QSize client, const TProgramData& project, const TProfileGeometry& geometry,
                  const TProfileResults& results, const TProfileColours& colours) {
    if (geometry.world.IsDegenerate() || client.isEmpty()) return;
    const TProfileTarget target = TProfileTarget::Screen(FitToClient(geometry.world, client), client);
    PaintProfile(painter, target, project, geometry, results, colours);
}

}  // namespace korvex::app
