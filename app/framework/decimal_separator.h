// The process-wide decimal separator used when numbers are turned into text
// and back. It follows the user's regional setting; data files always use
// '.', so every write or file conversion holds a TPointSeparator scope.
#pragma once

#include <QChar>

namespace korvex::app {

QChar DecimalSeparator();
void SetDecimalSeparator(QChar separator);

// Sets the separator to '.' for its lifetime and restores the previous one
// on every way out, normal or by exception.
class TPointSeparator {
public:
    TPointSeparator();
    ~TPointSeparator();
    TPointSeparator(const TPointSeparator&) = delete;
    TPointSeparator& operator=(const TPointSeparator&) = delete;

private:
    QChar saved_;
};

}  // namespace korvex::app
