#include "framework/decimal_separator.h"

namespace korvex::app {

namespace {
QChar g_separator = u'.';
}

QChar DecimalSeparator() { return g_separator; }

void SetDecimalSeparator(QChar separator) { g_separator = separator; }

TPointSeparator::TPointSeparator() : saved_(g_separator) { g_separator = u'.'; }

TPointSeparator::~TPointSeparator() { g_separator = saved_; }

}  // namespace korvex::app
