#include "project/data_file_reader.h"

#include "framework/errors.h"
#include "framework/unit_tokens.h"
#include "framework/word_reader.h"
#include "project/control_codes.h"
#include "project/program_data.h"
#include "project/soil_properties.h"

#include "korvex_shared.h"

#include <optional>

namespace korvex::app {

namespace {

constexpr long double kFeet = 12;
constexpr long double kSquareMetreMm = 1e6L;
constexpr long double kMetreMm = 1000;
// Files of earlier versions held the unit weight of water in place of the
// active-pressure factor.
constexpr long double kLegacyWaterWeight = 0.036L;

enum TSurchargeType { kPointLoad = 1, kLineLoad = 2, kStripLoad = 3 };

struct TControl {
    int units = 1, restraints = 0, sections = 0, pyMods = 0, kep = 0, kpy = 0, pySets = 0;
    int stages = 1, meiCurves = 0, tiebacks = 0;
};

class TSectionReader {
public:
    TSectionReader(TProgramData& project, TWordReader& reader, const TRecordLayout& layout)
        : p_(project), t_(project.Tables()), r_(reader), layout_(layout) {}

    // Reads CONTROL through MEICURVES; the derived members are set when
    // `derive` is true (section S and stage blocks).
    void Read(TSection section, bool derive);

private:
    bool English() const { return p_.Units == kEnglish; }
    long double Feet() const { return English() ? kFeet : 1; }

    // Grows the table row by row while reading, so a count that the file
    // does not hold ends at the end of the file instead of making rows.
    template <typename ReadRow>
    void ReadRows(TGridTable& table, int count, ReadRow readRow) {
        table.SetRowCount(0);
        for (int row = 0; row < count; ++row) {
            table.SetRowCount(row + 1);
            readRow(row);
        }
    }
    void ReadCells(TGridTable& table, int row, const QList<int>& columns);
    void ReadScaled(TGridTable& table, int column, int row, long double factor) {
        table.Cell(column, row).SetFloat(r_.ReadFloat() * factor);
    }

    TControl ReadControl();
    void ReadWall();
    void ReadTiebacks(int count);
    void ReadEarthAndSurface();
    int ReadSurcharges();
    void AddLegacySurcharges();
    void ReadLayers(TGridTable& table);
    void ReadPropertyLine(TGridTable* parameters, int soilType, int row);
    void ReadLegacyLayers(TGridTable& table);
    void ReadPyCurves(int count);
    void ReadMomentCurves(int count);
    void Derive(const TControl& c, std::optional<int> distLoads, int loads, int springs, int surcharges);

    TProgramData& p_;
    TProjectTables& t_;
    TWordReader& r_;
    TRecordLayout layout_;
};

void TSectionReader::Read(TSection section, bool derive) {
    const TControl c = ReadControl();
    if (derive) p_.SetUnits(c.units);
    ReadWall();
    ReadRows(t_.Soillayer(), c.restraints, [&](int row) { ReadCells(t_.Soillayer(), row, {0, 1, 2, 3}); });
    ReadRows(t_.PileSect(), c.sections, [&](int row) { ReadCells(t_.PileSect(), row, {0, 1, 2, 3}); });
    const int loads = r_.ReadInteger();
    ReadRows(t_.BoundCond(), loads, [&](int row) { ReadCells(t_.BoundCond(), row, {0, 1, 2, 3, 4, 5}); });
    const int springs = r_.ReadInteger();
    ReadRows(t_.SoilStrength(), springs, [&](int row) { ReadCells(t_.SoilStrength(), row, {1, 2, 0, 3, 4}); });
    if (layout_.tiebacks) ReadTiebacks(c.tiebacks);
    ReadRows(t_.PYMod(), c.pyMods, [&](int row) {
        ReadScaled(t_.PYMod(), 0, row, 1 / Feet());
        ReadCells(t_.PYMod(), row, {1, 2});
    });
    std::optional<int> distLoads;
    if (c.kep == 1) {
        TGridTable& table = section == TSection::LongTerm ? t_.LongDist() : t_.DistLoad();
        distLoads = r_.ReadInteger();
        ReadRows(table, *distLoads, [&](int row) {
            ReadScaled(table, 0, row, 1 / Feet());
            ReadScaled(table, 1, row, Feet());
        });
    }
    int surcharges = 0;
    if (c.kep > 1 || c.kpy > 1) {
        ReadEarthAndSurface();
        surcharges = layout_.surcharges ? ReadSurcharges() : 0;
        if (!layout_.surcharges && p_.LegacyDistance > 0) {
            AddLegacySurcharges();
            surcharges = t_.SurchargeTable().RowCount();
        }
        TGridTable& layers = section == TSection::LongTerm ? t_.LongSoil() : t_.NewSoil();
        layout_.legacyLayers ? ReadLegacyLayers(layers) : ReadLayers(layers);
    }
    ReadPyCurves(c.pySets);
    if (layout_.meiCount && c.meiCurves > 0) ReadMomentCurves(c.meiCurves);
    if (derive) Derive(c, distLoads, loads, springs, surcharges);
}

void TSectionReader::ReadCells(TGridTable& table, int row, const QList<int>& columns) {
    for (int column : columns) {
        if (table.Column(column)->Kind() == TColumnKind::Float)
            table.Cell(column, row).SetFloat(r_.ReadFloat());
        else
            table.Cell(column, row).SetInteger(r_.ReadInteger());
    }
}

TControl TSectionReader::ReadControl() {
    TControl c;
    for (int* value : {&c.units, &c.restraints, &c.sections, &c.pyMods, &c.kep, &c.kpy, &c.pySets})
        *value = r_.ReadInteger();
    if (layout_.stageCount) c.stages = r_.ReadInteger();
    if (layout_.meiCount) c.meiCurves = r_.ReadInteger();
    if (layout_.tiebacks) c.tiebacks = r_.ReadInteger();
    return c;
}

// The sixth value is the active width. EARTH repeats it when present; a file
// without EARTH (earth pressure given by the user) would otherwise lose it.
void TSectionReader::ReadWall() {
    p_.Increments = r_.ReadInteger();
    for (long double* value : {&p_.IncrementLength, &p_.MaxDeflection, &p_.Tolerance, &p_.FreeHeight})
        *value = r_.ReadFloat();
    if (layout_.tiebacks) p_.WidthActive = r_.ReadFloat();
}

// A line of six values (older files) has no prestressing force.
void TSectionReader::ReadTiebacks(int count) {
    TGridTable& table = t_.TiebackTable1();
    const long double area = p_.Units == kSI ? kSquareMetreMm : 1;
    ReadRows(table, count, [&](int row) {
        ReadCells(table, row, {0});
        ReadScaled(table, 1, row, area);
        ReadCells(table, row, {2, 3, 4, 5});
        if (r_.WordCount() > 6) ReadCells(table, row, {6});
    });
}

void TSectionReader::ReadEarthAndSurface() {
    for (long double* value : {&p_.FreeHeight, &p_.WidthActive, &p_.WidthPY, &p_.WaterBackfill,
                               &p_.WaterExcavation, &p_.ActiveFactor})
        *value = r_.ReadFloat();
    if (p_.ActiveFactor == kLegacyWaterWeight) p_.ActiveFactor = 1;
    p_.EarthInteger = r_.ReadInteger();
    p_.BackfillSlope = r_.ReadFloat();
    for (long double* value : {&p_.UniformLoad, &p_.LegacyDistance, &p_.LegacyPoint, &p_.LegacyLine,
                               &p_.LegacyStrip, &p_.LegacyWidth})
        *value = r_.ReadFloat();
}

int TSectionReader::ReadSurcharges() {
    const int count = r_.ReadInteger();
    ReadRows(t_.SurchargeTable(), count, [&](int row) { ReadCells(t_.SurchargeTable(), row, {0, 1, 2, 3}); });
    return count;
}

// The single legacy surcharge becomes a point, a line and a strip load at
// its distance. The table holds distances in mm under SI where the legacy
// values are in m, so they are scaled on the way.
void TSectionReader::AddLegacySurcharges() {
    TGridTable& table = t_.SurchargeTable();
    const long double distance = p_.Units == kSI ? kMetreMm : 1;
    const long double magnitudes[] = {p_.LegacyPoint, p_.LegacyLine, p_.LegacyStrip};
    table.SetRowCount(3);
    for (int row = 0; row < 3; ++row) {
        table.Cell(0, row).SetInteger(kPointLoad + row);
        table.Cell(1, row).SetFloat(magnitudes[row]);
        table.Cell(2, row).SetFloat(p_.LegacyDistance * distance);
        table.Cell(3, row).SetFloat(p_.LegacyWidth * distance);
    }
}

void TSectionReader::ReadLayers(TGridTable& table) {
    ReadRows(table, r_.ReadInteger(), [&](int row) {
        const int soilType = r_.ReadInteger();
        table.Cell(0, row).SetInteger(soilType);
        ReadScaled(table, 1, row, 1 / Feet());
        for (int level = 0; level < 2; ++level) ReadPropertyLine(table.Cell(2, row).AsTable(), soilType, level);
    });
}

void TSectionReader::ReadPropertyLine(TGridTable* parameters, int soilType, int row) {
    for (const TPropertySlot& slot : PropertySlots(soilType)) {
        const long double value = r_.ReadFloat();
        if (slot.IsPlaceholder() || !parameters) continue;
        const long double factor = English() ? EnglishFileFactor(slot.conversion) : 1;
        parameters->Cell(slot.column, row).SetFloat(value / factor);
    }
}

// Format 2: layer thicknesses, and one line of five values in table units
// for the top and bottom of the layer; weak rock has no such line.
void TSectionReader::ReadLegacyLayers(TGridTable& table) {
    long double depth = 0;
    ReadRows(table, r_.ReadInteger(), [&](int row) {
        const int soilType = r_.ReadInteger();
        table.Cell(0, row).SetInteger(soilType);
        depth += r_.ReadFloat();
        table.Cell(1, row).SetFloat(depth);
        if (soilType == static_cast<int>(korvex::shared::SoilType::WeakRock)) return;
        TGridTable* parameters = table.Cell(2, row).AsTable();
        const TPropertySlots& properties = PropertySlots(soilType);
        for (int i = 0; i < 5; ++i) {
            const long double value = r_.ReadFloat();
            if (properties[i].IsPlaceholder() || !parameters) continue;
            for (int level = 0; level < 2; ++level) parameters->Cell(properties[i].column, level).SetFloat(value);
        }
    });
}

void TSectionReader::ReadPyCurves(int count) {
    TGridTable& sets = t_.PYCurves2();
    ReadRows(sets, count, [&](int row) {
        ReadCells(sets, row, {0});
        const int points = r_.ReadInteger();
        if (layout_.pyMultipliers) {
            ReadCells(sets, row, {2, 3});
        } else {
            sets.Cell(2, row).SetFloat(1);
            sets.Cell(3, row).SetFloat(1);
        }
        if (TGridTable* curve = sets.Cell(1, row).AsTable())
            ReadRows(*curve, points, [&](int point) { ReadCells(*curve, point, {0, 1}); });
    });
}

void TSectionReader::ReadMomentCurves(int count) {
    TGridTable& curves = t_.MEICurves2();
    ReadRows(curves, count, [&](int row) {
        ReadCells(curves, row, {0, 1});
        const int points = r_.ReadInteger();
        if (TGridTable* curve = curves.Cell(2, row).AsTable())
            ReadRows(*curve, points, [&](int point) { ReadCells(*curve, point, {0, 1}); });
    });
}

void TSectionReader::Derive(const TControl& c, std::optional<int> distLoads, int loads, int springs, int surcharges) {
    p_.KEP = c.kep;
    p_.KPY = c.kpy;
    p_.MEICount = c.meiCurves;
    p_.TiebackCount = c.tiebacks;
    p_.UseRestraints = c.restraints > 0;
    p_.EarthShape = distLoads ? 1 : c.kep;
    p_.UserEarthPressure = c.kep == 1 && distLoads.value_or(0) > 0;
    if (c.kep > 1) p_.GeneratedEarthPressure = 1;
    if (c.kep == 1) p_.GeneratedEarthPressure = 0;
    p_.GeneratePY = c.kpy == 2 && c.kep != 0 ? 1 : 0;
    p_.UseExtPY = c.pySets > 0;
    p_.UsePYMod = c.pyMods > 0;
    p_.UseLoads = loads > 0;
    p_.UseSprings = springs > 0;
    p_.UseTiebacks = c.tiebacks > 0;
    p_.UseSurcharge = surcharges > 0;
    p_.UseMEI = c.meiCurves > 0;
    p_.StageCount = c.stages;
}

// Section S, NEXT and, when NEXT is 9, section L and its closing value.
void ReadProjectSections(TProgramData& project, TWordReader& reader, const TRecordLayout& layout) {
    project.Title = reader.ReadLine();
    TSectionReader sections(project, reader, layout);
    sections.Read(TSection::ShortTerm, true);
    if (!layout.continuation) return;
    project.NextCode = reader.ReadInteger();
    project.LongTerm = project.NextCode == korvex::shared::kLongTermFollows;
    if (!project.LongTerm) return;
    reader.ReadLine();
    reader.ReadLine();
    sections.Read(TSection::LongTerm, false);
    reader.ReadInteger();
}

void ReadStageSections(TProgramData& project, TWordReader& reader) {
    project.Title = reader.ReadLine();
    project.UseRestraints = false;
    project.UseLoads = false;
    TSectionReader(project, reader, StageBlockLayout(project.HasMEICount, project.HasTiebackCount))
        .Read(TSection::ShortTerm, true);
    project.NextCode = reader.ReadInteger();
    project.LongTerm = project.NextCode == korvex::shared::kLongTermFollows;
}

template <typename ReadAll>
QString ReadGuarded(ReadAll readAll) {
    try {
        readAll();
    } catch (const EInOutError& e) {
        return e.Message();
    }
    return {};
}

}  // namespace

TReadResult ReadProject(const QString& fileName, TDataFileFormat format, TProjectTables& tables) {
    TReadResult result{std::make_unique<TProgramData>(tables), {}};
    TProgramData& project = *result.project;
    project.FileName = fileName;
    tables.Empty();
    result.error = ReadGuarded([&] {
        TWordReader reader(fileName);
        ReadProjectSections(project, reader, LayoutOf(format));
    });
    tables.TopUpToMinimum();
    project.ClearModified();
    // Format 4 already carries nMEI; only format 5 carries nTieback.
    project.HasMEICount = format >= TDataFileFormat::Format4;
    project.HasTiebackCount = format == TDataFileFormat::Format5;
    return result;
}

QString ReadStageBlock(const QString& fileName, TProgramData& project) {
    const QString error = ReadGuarded([&] {
        TWordReader reader(fileName);
        ReadStageSections(project, reader);
    });
    project.Tables().TopUpToMinimum();
    project.ClearModified();
    return error;
}

}  // namespace korvex::app
