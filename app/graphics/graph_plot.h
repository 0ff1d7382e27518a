// TGraphPlot: the data and presentation settings of one result graph. The
// data are four curve lists: the main curves, the overlay lines of soil
// layers and wall, and the curves of the second and third panel when the
// graph shows three panels side by side. All curves of one list hold the
// same number of points. The presentation settings are published as Qt
// properties so that form descriptions and dialogs can set them by name.
#pragma once

#include "graphics/line.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace korvex::app {

enum TCurveList : int { kMainCurves = 0, kOverlayLines = 1, kSecondPanel = 2, kThirdPanel = 3 };
constexpr int kCurveListCount = 4;

// An axis caption followed by " (" + the graph label of its unit token + ")"
// when the token is not empty.
QString UnitsTitle(const QString& caption, const QString& token, int units);

class TGraphPlot : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString CurveName MEMBER CurveName)
    Q_PROPERTY(QString Caption MEMBER Caption)
    Q_PROPERTY(bool ShowLegend MEMBER ShowLegend)
    Q_PROPERTY(bool ShowLayers MEMBER ShowLayers)
    Q_PROPERTY(bool ShowWall MEMBER ShowWall)
    Q_PROPERTY(bool ShowThree MEMBER ShowThree)
    Q_PROPERTY(bool ShowFontWidth MEMBER ShowFontWidth)
    Q_PROPERTY(int WallLineCount MEMBER WallLineCount)
    Q_PROPERTY(int Markers MEMBER Markers)
    Q_PROPERTY(int SizeFont MEMBER SizeFont)
    Q_PROPERTY(int LegendFont MEMBER LegendFont)
    Q_PROPERTY(int WidthLine MEMBER WidthLine)
    Q_PROPERTY(int Units READ Units WRITE SetUnits)
    Q_PROPERTY(QString XCaption MEMBER XCaption)
    Q_PROPERTY(QString XUnits MEMBER XUnits)
    Q_PROPERTY(QString YCaption MEMBER YCaption)
    Q_PROPERTY(QString YUnits MEMBER YUnits)
    Q_PROPERTY(QString XCaption2 MEMBER XCaption2)
    Q_PROPERTY(QString XUnits2 MEMBER XUnits2)
    Q_PROPERTY(QString YCaption2 MEMBER YCaption2)
    Q_PROPERTY(QString YUnits2 MEMBER YUnits2)
    Q_PROPERTY(QString XCaption3 MEMBER XCaption3)
    Q_PROPERTY(QString XUnits3 MEMBER XUnits3)
    Q_PROPERTY(QString YCaption3 MEMBER YCaption3)
    Q_PROPERTY(QString YUnits3 MEMBER YUnits3)
    Q_PROPERTY(bool XOnTop MEMBER XOnTop)

public:
    // Lets the owner supply the caption shown for the graph.
    using TGetCaptionEvent = std::function<void(const TGraphPlot& sender, QString& caption)>;

    explicit TGraphPlot(QObject* parent = nullptr);
    ~TGraphPlot() override;

    int CurveCount(int list) const;
    // Frees curves from the end or appends new curves until the list holds
    // n (below 0 counts as 0). New curves take the points of the list.
    void SetCurveCount(int list, int n);
    // The point count of the list's first curve; 0 for an empty list.
    int PointCount(int list) const;
    // Resizes every curve of the list to n points, appending (0, 0) points.
    void SetPointCount(int list, int n);
    TLine& Curve(int list, int i);
    const TLine& Curve(int list, int i) const;
    TFloatPoint& Point(int list, int i, int j) { return Curve(list, i).Point(j); }
    const TFloatPoint& Point(int list, int i, int j) const { return Curve(list, i).Point(j); }

    // Names for curves that have none of their own, by position in the list.
    QStringList& Names() { return names_; }
    // The curve's own name; else the name list's entry at its position; else
    // CurveName followed by the curve's number.
    QString DisplayName(int list, int i) const;

    int Units() const { return units_; }
    void SetUnits(int system);
    // Axis titles of the first panel with their unit labels.
    QString XTitle() const { return UnitsTitle(XCaption, XUnits, units_); }
    QString YTitle() const { return UnitsTitle(YCaption, YUnits, units_); }

    TGetCaptionEvent onGetCaption;

    QString CurveName = QStringLiteral("Curve #");
    QString Caption;
    bool ShowLegend = true;
    bool ShowLayers = false;
    bool ShowWall = false;
    bool ShowThree = false;
    bool ShowFontWidth = true;
    int WallLineCount = 0;
    int Markers = 1;
    int SizeFont = 10;
    int LegendFont = 11;
    int WidthLine = 1;
    QString XCaption, XUnits, YCaption, YUnits;
    QString XCaption2, XUnits2, YCaption2, YUnits2;
    QString XCaption3, XUnits3, YCaption3, YUnits3;
    bool XOnTop = true;
    // Graph title, drawn centred at the top or the bottom of the page when
    // not empty; set by the graph window's title dialog.
    QString Title;
    bool TitleOnTop = false;

private:
    using TCurveArray = std::vector<std::unique_ptr<TLine>>;
    const TCurveArray& List(int list) const { return lists_.at(list); }

    std::array<TCurveArray, kCurveListCount> lists_;
    QStringList names_;
    int units_ = 1;
};

}  // namespace korvex::app
