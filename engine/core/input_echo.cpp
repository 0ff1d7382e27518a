#include "core/input_echo.h"

#include <string>

namespace korvex {

SpanLayout spanLayout(bool previousLinear, bool thisLinear) {
    if (previousLinear) return SpanLayout::ToOnly;
    return thisLinear ? SpanLayout::FromOnly : SpanLayout::FromAndTo;
}

namespace {

// An empty line and a line of 20 blanks: the place of an empty list.
constexpr const char* kEmptyList = "(/,20X)";

}  // namespace

void InputEcho::starBox(const char* text) {
    out_.write(std::string("(/,/,6X,50\"*\",/,6X,\"") + text + "\",/,6X,50\"*\")");
}

void InputEcho::wall(const Wall& w) {
    out_.write("(6X,\"NUMBER OF INCREMENTS                               = \",I3)", {w.ni});
    out_.write("(6X,\"INCREMENT LENGTH                                   = \",F9.3,A)", {w.dx, words_.l3});
    out_.write("(6X,\"FREE HEIGHT OF WALL                                = \",F9.3,A)", {w.h, words_.l3});
    out_.write("(6X,\"MAXIMUM ALLOWABLE DEFLECTION                       = \",F9.3,A)", {w.ymax, words_.l3});
    out_.write("(6X,\"DEFLECTION CLOSURE TOLERANCE                       = \",1P,E9.3,A)", {w.tol, words_.l3});
}

void InputEcho::restraints(const std::vector<Restraint>& restraints) {
    if (restraints.empty()) {
        out_.write(kEmptyList);
        return;
    }
    starBox("*        SPECIFIED DEFLECTIONS AND SLOPES        *");
    out_.write("(/,5X,\"     STA      CASE       DEFLECTION        SLOPE\",/)");
    for (const Restraint& r : restraints) {
        if (r.caseCode <= 1) {
            out_.write("(10X,I3,7X,I2,8X,E10.3,9X,\"NONE\")", {r.station, r.caseCode, r.deflection});
        } else if (r.caseCode == 2) {
            out_.write("(10X,I3,7X,I2,11X,\"NONE\",8X,E10.3)", {r.station, r.caseCode, r.slope});
        } else {
            out_.write("(10X,I3,7X,I2,3X,2(5X,E10.3))", {r.station, r.caseCode, r.deflection, r.slope});
        }
    }
}

void InputEcho::stiffnessHeading() {
    starBox("*        STIFFNESS AND LOAD DATA                 *");
    out_.write(
        "(6X,\"EI - FLEXURAL RIGIDITY,  Q - TRANSVERSE LOAD,\",/,6X,\"S - STIFFNESS OF TRANSVERSE RESISTANCE,\",/,"
        "6X,\"T - TORQUE,              P - AXIAL LOAD,\",/,6X,\"R - STIFFNESS OF TORSIONAL RESISTANCE.\",/,/,"
        "\"     FROM TO CONTD     EI         Q        S'        T         R         P\",/)");
    const UnitWords& u = words_;
    out_.write("(18X,A,\"-\",A,\"**\",\"2\",4X,A,4X,A,\"/\",A,3X,A,\"-\",A,2X,A,\"-\",A,4X,A)",
               {u.f4, u.l2, u.f4, u.f4, u.l2, u.l3, u.f3, u.l3, u.f3, u.f4});
}

void InputEcho::noSectionRecords() { out_.write(kEmptyList); }

void InputEcho::stiffnessLine(SpanLayout layout, int from, int to, int contd, const std::array<double, 6>& v) {
    switch (layout) {
    case SpanLayout::FromAndTo:
        out_.write("(5X,2I4,I3,1X,6E10.3)", {from, to, contd, v[0], v[1], v[2], v[3], v[4], v[5]});
        break;
    case SpanLayout::FromOnly:
        out_.write("(5X,I4,4X,I3,1X,6E10.3)", {from, contd, v[0], v[1], v[2], v[3], v[4], v[5]});
        break;
    case SpanLayout::ToOnly:
        out_.write("(9X,I4,I3,1X,6E10.3)", {to, contd, v[0], v[1], v[2], v[3], v[4], v[5]});
        break;
    }
}

void InputEcho::specifiedEarthPressureHeading() {
    starBox("*        SPECIFIED ACTIVE EARTH PRESSURE         *");
    out_.line();
}

void InputEcho::earthPressureHeading() {
    out_.write("(/,/,8X,\" DEPTH         ACTIVE EARTH PRESSURE\",/,8X,1X,A,17X,A,\"/\",A,/,"
               "8X,\"--------       ------------------------\")",
               {words_.l3, words_.f4, words_.l2});
}

void InputEcho::earthPressurePoint(double depth, double load) { out_.write("(6X,E10.3,10X,E10.3)", {depth, load}); }

void InputEcho::userCurvesHeading() {
    starBox("*     INPUTTED  SOIL RESISTANCE (P-Y) CURVES     *");
    out_.line();
}

void InputEcho::userCurve(const UserPyCurve& c, int flag, bool withGenerated, SpanLayout layout) {
    out_.write("(/,\"     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS     \",/)");
    const int n = static_cast<int>(c.points.size());
    if (withGenerated || layout == SpanLayout::ToOnly) {
        out_.write("(/,9X,I4,I3,5X,2E14.3,1(10X,I3))", {c.station, flag, c.pMult, c.yMult, n});
    } else if (layout == SpanLayout::FromAndTo) {
        out_.write("(/,5X,2I4,I3,5X,2E14.3,1(8X,I4))", {c.station, c.station, flag, c.pMult, c.yMult, n});
    } else {
        out_.write("(/,5X,I4,4X,I3,5X,2E14.3,1(10X,I3))", {c.station, flag, c.pMult, c.yMult, n});
    }
    out_.write("(/,/,18X,\"    Y    \",12X,\"   P    \",/,18X,2X,A,16X,A,\"/\",A,/,18X,\"---------\",12X,\"--------\")",
               {words_.l3, words_.f4, words_.l2});
    for (const CurvePoint& p : c.points) out_.write("(17X,E10.3,10X,E10.3)", {p.y * c.yMult, p.p * c.pMult});
}

void InputEcho::noGeneratedCurves() { out_.write(kEmptyList); }

}  // namespace korvex
