#include "core/problem_reader.h"

#include <string>

namespace korvex {
namespace {

constexpr int kEnglish = 1;
constexpr int kSI = 2;
constexpr double kFeetToInches = 12.0;
constexpr double kMillimetresToMetres = 1000.0;

}  // namespace

void ProblemReader::fail(const std::string& message) const {
    throw DataError(message + " (LINE " + std::to_string(in_.nextLineNumber() - 1) + ")");
}

std::string ProblemReader::readTitle() {
    // The title is a 70-character text: cut or padded with blanks.
    std::string title = in_.readLine("TITLE");
    title.resize(70, ' ');
    return title;
}

Control ProblemReader::readControl() {
    auto r = in_.read("CONTROL");
    Control c;
    c.units = r.integer();
    c.nRestr = r.integer();
    c.nSect = r.integer();
    c.nPyMod = r.integer();
    c.kep = r.integer();
    c.kpy = r.integer();
    c.nPySets = r.integer();
    c.nStages = r.integer();
    c.nMEI = r.integer();
    c.nTieback = r.integer();
    r.finish();
    const int counts[] = {c.nRestr, c.nSect, c.nPyMod, c.nPySets, c.nStages, c.nMEI, c.nTieback};
    for (int n : counts)
        if (n < 0) fail("NEGATIVE COUNT " + std::to_string(n) + " IN CONTROL");
    if (c.nPyMod > kMaxPyMods) fail("MORE THAN " + std::to_string(kMaxPyMods) + " P-Y MODIFICATION FACTORS");
    if (c.nMEI > kMaxMeiCurves) fail("MORE THAN " + std::to_string(kMaxMeiCurves) + " MOMENT-STIFFNESS CURVES");
    if (c.nTieback > kMaxTiebacks) fail("MORE THAN " + std::to_string(kMaxTiebacks) + " TIEBACKS");
    return c;
}

void ProblemReader::readBody(ProblemInput& p) {
    readWall(p);
    readRestraints(p);
    readSections(p);
    readLoads(p);
    readSpringsAndTiebacks(p);
    readPyMods(p);
    if (p.control.kep == 1) readDistLoads(p);
    p.hasSoilBlock = p.control.readsSoilBlock();
    if (p.hasSoilBlock) readSoilBlock(p);
    readUserCurves(p);
    readMeiCurves(p);
}

int ProblemReader::readContinuation() {
    if (in_.atEnd()) return 0;
    auto r = in_.read("NEXT");
    return r.integer();
}

int ProblemReader::readCount(const char* record, int capacity) {
    auto r = in_.read(record);
    const int n = r.integer();
    r.finish();
    if (n < 0) fail("NEGATIVE COUNT " + std::to_string(n) + " OF " + record + " RECORDS");
    if (capacity > 0 && n > capacity)
        fail("MORE THAN " + std::to_string(capacity) + " " + record + " RECORDS (" + std::to_string(n) + ")");
    return n;
}

void ProblemReader::checkStation(int station, const ProblemInput& p, const char* record) const {
    if (station < -kStationMargin || station > p.wall.ni + kStationMargin)
        fail("STATION " + std::to_string(station) + " IN " + record + " OUTSIDE -3 TO " +
             std::to_string(p.wall.ni + kStationMargin));
}

void ProblemReader::readWall(ProblemInput& p) {
    auto r = in_.read("WALL");
    Wall& w = p.wall;
    w.ni = r.integer();
    w.dx = r.real();
    w.ymax = r.real();
    w.tol = r.real();
    w.h = r.real();
    w.wa = r.real();
    r.finish();
    if (w.ni < 1 || w.ni > kMaxIncrements)
        fail("NUMBER OF INCREMENTS " + std::to_string(w.ni) + " OUTSIDE 1 TO " + std::to_string(kMaxIncrements));
    if (!(w.dx > 0)) fail("INCREMENT LENGTH MUST BE GREATER THAN ZERO");
}

void ProblemReader::readRestraints(ProblemInput& p) {
    for (int i = 0; i < p.control.nRestr; ++i) {
        auto r = in_.read("RESTRAINT");
        Restraint s;
        s.caseCode = r.integer();
        s.station = r.integer();
        s.deflection = r.real();
        s.slope = r.real();
        r.finish();
        checkStation(s.station, p, "RESTRAINT");
        p.restraints.push_back(s);
    }
}

void ProblemReader::readSections(ProblemInput& p) {
    for (int i = 0; i < p.control.nSect; ++i) {
        auto r = in_.read("SECTION");
        SectionRecord s;
        s.from = r.integer();
        s.to = r.integer();
        s.interp = r.integer();
        s.ei = r.real();
        r.finish();
        checkStation(s.from, p, "SECTION");
        checkStation(s.to, p, "SECTION");
        p.sections.push_back(s);
    }
}

void ProblemReader::readLoads(ProblemInput& p) {
    const int n = readCount("LOADS", 0);
    for (int i = 0; i < n; ++i) {
        auto r = in_.read("LOADS");
        LoadRecord l;
        l.interp = r.integer();
        l.from = r.integer();
        l.to = r.integer();
        l.p = r.real();
        l.m = r.real();
        l.q = r.real();
        r.finish();
        checkStation(l.from, p, "LOADS");
        checkStation(l.to, p, "LOADS");
        p.loads.push_back(l);
    }
}

void ProblemReader::readSpringsAndTiebacks(ProblemInput& p) {
    const int n = readCount("SPRINGS", 0);
    for (int i = 0; i < n; ++i) {
        auto r = in_.read("SPRINGS");
        SpringRecord s;
        s.from = r.integer();
        s.to = r.integer();
        s.interp = r.integer();
        s.kLateral = r.real();
        s.kRotational = r.real();
        r.finish();
        checkStation(s.from, p, "SPRINGS");
        checkStation(s.to, p, "SPRINGS");
        p.springs.push_back(s);
    }
    // Depth, unbonded length and spacing are given in feet in English units.
    const double toBase = p.control.units == kEnglish ? kFeetToInches : 1.0;
    for (int i = 0; i < p.control.nTieback; ++i) {
        auto r = in_.read("TIEBACK");
        TiebackRecord t;
        t.depth = r.real() * toBase;
        t.area = r.real();
        t.modulus = r.real();
        t.unbondedLength = r.real() * toBase;
        t.angle = r.real();
        t.spacing = r.real() * toBase;
        t.prestress = r.real();
        r.finish();
        p.tiebacks.push_back(t);
    }
}

void ProblemReader::readPyMods(ProblemInput& p) {
    for (int i = 0; i < p.control.nPyMod; ++i) {
        auto r = in_.read("PYMOD");
        PyModFactor m;
        m.depth = r.real();
        m.pMult = r.real();
        m.yMult = r.real();
        r.finish();
        p.pyMods.push_back(m);
    }
}

void ProblemReader::readDistLoads(ProblemInput& p) {
    const int n = readCount("DISTLOAD", kMaxEarthPressurePoints);
    for (int i = 0; i < n; ++i) {
        auto r = in_.read("DISTLOAD");
        DistLoadPoint d;
        d.depth = r.real();
        d.load = r.real();
        r.finish();
        p.distLoads.push_back(d);
    }
}

void ProblemReader::readSoilBlock(ProblemInput& p) {
    SoilBlock& s = p.soil;
    {
        auto r = in_.read("EARTH");
        EarthRecord& e = s.earth;
        e.h = r.real();
        e.wa = r.real();
        e.wp = r.real();
        e.dwb = r.real();
        e.dwe = r.real();
        e.gw = r.real();
        e.iep = r.integer();
        e.beta = r.real();
    }
    {
        auto r = in_.read("SURFACE");
        SurfaceRecord& f = s.surface;
        f.q = r.real();
        f.x = r.real();
        f.pp = r.real();
        f.pl = r.real();
        f.ps = r.real();
        f.ws = r.real();
    }
    // Surcharge distances and widths are given in millimetres in SI units.
    const double divisor = p.control.units == kSI ? kMillimetresToMetres : 1.0;
    const int n = readCount("SURCHARGE", kMaxSurcharges);
    for (int i = 0; i < n; ++i) {
        auto r = in_.read("SURCHARGE");
        SurchargeLoad l;
        l.type = r.integer();
        l.magnitude = r.real();
        l.x = r.real() / divisor;
        l.width = r.real() / divisor;
        s.surcharges.push_back(l);
    }
    readLayers(p);
}

void ProblemReader::readLayers(ProblemInput& p) {
    const int n = readCount("LAYERS", kMaxLayers);
    for (int i = 0; i < n; ++i) {
        SoilLayer layer;
        {
            auto r = in_.read("LAYERS");
            layer.type = r.integer();
            layer.bottom = r.real();
        }
        if (layer.type < 1 || layer.type > 7) fail("SOIL TYPE " + std::to_string(layer.type) + " OUTSIDE 1 TO 7");
        for (auto* values : {&layer.top, &layer.bottomValues}) {
            auto r = in_.read("LAYERS");
            for (double& v : *values) v = r.real();
        }
        p.soil.layers.push_back(layer);
    }
}

void ProblemReader::readUserCurves(ProblemInput& p) {
    for (int i = 0; i < p.control.nPySets; ++i) {
        UserPyCurve c;
        int points = 0;
        {
            auto r = in_.read("PYCURVES");
            c.station = r.integer();
            points = r.integer();
            c.pMult = r.real();
            c.yMult = r.real();
        }
        checkStation(c.station, p, "PYCURVES");
        if (points < 2 || points > kMaxCurvePoints)
            fail("P-Y CURVE AT STATION " + std::to_string(c.station) + " HAS " + std::to_string(points) +
                 " POINTS, 2 TO " + std::to_string(kMaxCurvePoints) + " EXPECTED");
        for (int k = 0; k < points; ++k) {
            auto r = in_.read("PYCURVES");
            CurvePoint pt;
            pt.y = r.real();
            pt.p = r.real();
            c.points.push_back(pt);
        }
        p.userCurves.push_back(std::move(c));
    }
}

void ProblemReader::readMeiCurves(ProblemInput& p) {
    for (int i = 0; i < p.control.nMEI; ++i) {
        MeiCurve c;
        int points = 0;
        {
            auto r = in_.read("MEICURVES");
            c.from = r.integer();
            c.to = r.integer();
            points = r.integer();
        }
        checkStation(c.from, p, "MEICURVES");
        checkStation(c.to, p, "MEICURVES");
        if (points < 1 || points > kMaxMeiPoints)
            fail("MOMENT-STIFFNESS CURVE HAS " + std::to_string(points) + " POINTS, 1 TO " +
                 std::to_string(kMaxMeiPoints) + " EXPECTED");
        for (int k = 0; k < points; ++k) {
            auto r = in_.read("MEICURVES");
            MomentStiffnessPoint pt;
            pt.moment = r.real();
            pt.ei = r.real();
            c.points.push_back(pt);
        }
        p.meiCurves.push_back(std::move(c));
    }
}

}  // namespace korvex
