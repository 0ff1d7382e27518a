// TdlgFormat ("Save Attributes"): the size of the bitmap a graph is saved
// as, in inches with its pixels per inch; it starts at 4 in x 6 in, 72
// pixels per inch, every time.
#pragma once

#include <QDialog>
#include <QSize>

class QDoubleSpinBox;
class QSpinBox;

namespace korvex::app {

class TdlgFormat : public QDialog {
    Q_OBJECT

public:
    explicit TdlgFormat(QWidget* parent = nullptr);

    // Width and height in pixels: pixels per inch times inches, rounded to
    // the nearest whole number with halves to even.
    QSize BitmapSize() const;

private:
    QDoubleSpinBox* deHeight;
    QDoubleSpinBox* deWidth;
    QSpinBox* dePPI;
};

}  // namespace korvex::app
