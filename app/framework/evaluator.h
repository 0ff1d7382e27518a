// The expression evaluator behind every numeric entry: a number, a constant
// (pi, e), a function (sin, sqrt, ...), a factorial, a hexadecimal value or
// an arithmetic expression of them. Intermediate results travel as text in
// the 18-digit display format, so 1/3*3 gives 0.999999999999999999.
// Every failure is raised as EAssignError carrying the user's message.
#pragma once

#include <QString>

namespace korvex::app {

long double EvaluateEntry(const QString& entry);
long double EvaluateOperand(const QString& operand);

}  // namespace korvex::app
