#include "project/data_file_writer.h"

#include "framework/decimal_separator.h"
#include "framework/errors.h"
#include "framework/number_text.h"
#include "framework/unit_tokens.h"
#include "project/control_codes.h"
#include "project/program_data.h"
#include "project/soil_properties.h"

#include "korvex_shared.h"

#include <QSaveFile>
#include <QStringList>

namespace korvex::app {

namespace {

const QString kPlaceholder = QStringLiteral("0.0  ");
constexpr long double kFeet = 12;             // in per ft
constexpr long double kSquareMetreMm = 1e6L;  // mm^2 per m^2

QString Int(int value) { return QString::number(value); }
QString Real(long double value) { return FormatReal8(value); }
QString Tabbed(const QStringList& values) { return values.join(u'\t'); }

class TSectionWriter {
public:
    TSectionWriter(TProgramData& project, QStringList& lines) : p_(project), t_(project.Tables()), lines_(lines) {}

    void Write(const QString& firstLine, TSection section);

private:
    bool English() const { return p_.Units == kEnglish; }
    // Factor from a table value in feet (English) to the file's length.
    long double Feet() const { return English() ? kFeet : 1; }
    QString Cell(TGridTable& table, int column, int row) const { return table.Cell(column, row).AsText(); }
    QString Scaled(TGridTable& table, int column, int row, long double factor) const {
        return Real(table.Cell(column, row).AsFloat() * factor);
    }
    QStringList RowTexts(TGridTable& table, int row, const QList<int>& columns) const;
    void Rows(TGridTable& table, const QList<int>& columns);

    void Control();
    void Wall();
    void Tiebacks();
    void PyModifications();
    void DistributedLoads(TGridTable& table);
    void EarthAndSurface();
    void Surcharges();
    void Layers(TGridTable& table, TSection section);
    QString PropertyLine(const TGridTable* parameters, int soilType, int row, TSection section) const;
    void PyCurves();
    void MomentCurves();

    TProgramData& p_;
    TProjectTables& t_;
    QStringList& lines_;
};

void TSectionWriter::Write(const QString& firstLine, TSection section) {
    lines_ << firstLine;
    DeriveControlCodes(p_, section);
    Control();
    Wall();
    Rows(t_.Soillayer(), {0, 1, 2, 3});
    Rows(t_.PileSect(), {0, 1, 2, 3});
    lines_ << Int(t_.BoundCond().RowCount());
    Rows(t_.BoundCond(), {0, 1, 2, 3, 4, 5});
    lines_ << Int(t_.SoilStrength().RowCount());
    Rows(t_.SoilStrength(), {1, 2, 0, 3, 4});
    Tiebacks();
    PyModifications();
    const bool longTerm = section == TSection::LongTerm;
    if (p_.KEP == 1) DistributedLoads(longTerm ? t_.LongDist() : t_.DistLoad());
    // Any generated shape carries the soil records, as readers expect them.
    if (p_.KEP >= 2 || p_.KPY == 2) {
        EarthAndSurface();
        Surcharges();
        Layers(longTerm ? t_.LongSoil() : t_.NewSoil(), section);
    }
    PyCurves();
    MomentCurves();
}

QStringList TSectionWriter::RowTexts(TGridTable& table, int row, const QList<int>& columns) const {
    QStringList values;
    for (int column : columns) values << Cell(table, column, row);
    return values;
}

void TSectionWriter::Rows(TGridTable& table, const QList<int>& columns) {
    for (int row = 0; row < table.RowCount(); ++row) lines_ << Tabbed(RowTexts(table, row, columns));
}

void TSectionWriter::Control() {
    const QString counts = Tabbed({Int(t_.Soillayer().RowCount()), Int(t_.PileSect().RowCount()),
                                   Int(t_.PYMod().RowCount()), Int(p_.KEP), Int(p_.KPY)});
    const QStringList rest{Int(t_.PYCurves2().RowCount()), Int(p_.StageCount), Int(p_.MEICount), Int(p_.TiebackCount)};
    lines_ << Int(p_.Units) + u' ' + counts + u' ' + rest.join(u' ');
}

void TSectionWriter::Wall() {
    lines_ << Int(p_.Increments) + u' ' +
                  Tabbed({Real(p_.IncrementLength), Real(p_.MaxDeflection), Real(p_.Tolerance), Real(p_.FreeHeight),
                          Real(p_.WidthActive)});
}

// The area is entered in mm^2 under SI and written in m^2.
void TSectionWriter::Tiebacks() {
    TGridTable& table = t_.TiebackTable1();
    const long double area = p_.Units == kSI ? 1 / kSquareMetreMm : 1;
    for (int row = 0; row < p_.TiebackCount; ++row) {
        QStringList values = RowTexts(table, row, {0, 1, 2, 3, 4, 5, 6});
        values[1] = Scaled(table, 1, row, area);
        lines_ << Tabbed(values);
    }
}

void TSectionWriter::PyModifications() {
    TGridTable& table = t_.PYMod();
    for (int row = 0; row < table.RowCount(); ++row)
        lines_ << Tabbed({Scaled(table, 0, row, Feet()), Cell(table, 1, row), Cell(table, 2, row)});
}

// English loads are entered per foot of depth and written per inch.
void TSectionWriter::DistributedLoads(TGridTable& table) {
    lines_ << Int(table.RowCount());
    for (int row = 0; row < table.RowCount(); ++row)
        lines_ << Tabbed({Scaled(table, 0, row, Feet()), Scaled(table, 1, row, 1 / Feet())});
}

void TSectionWriter::EarthAndSurface() {
    lines_ << Tabbed({Real(p_.FreeHeight), Real(p_.WidthActive), Real(p_.WidthPY), Real(p_.WaterBackfill),
                      Real(p_.WaterExcavation), Real(p_.ActiveFactor), Int(p_.EarthInteger), Real(p_.BackfillSlope)});
    lines_ << Tabbed({Real(p_.UniformLoad), Real(p_.LegacyDistance), Real(p_.LegacyPoint), Real(p_.LegacyLine),
                      Real(p_.LegacyStrip), Real(p_.LegacyWidth)});
}

void TSectionWriter::Surcharges() {
    lines_ << Int(t_.SurchargeTable().RowCount());
    Rows(t_.SurchargeTable(), {0, 1, 2, 3});
}

void TSectionWriter::Layers(TGridTable& table, TSection section) {
    lines_ << Int(table.RowCount());
    for (int row = 0; row < table.RowCount(); ++row) {
        const int soilType = table.Cell(0, row).AsInteger();
        lines_ << Int(soilType) + u' ' + Scaled(table, 1, row, Feet()) + u' ';
        const TGridTable* parameters = table.Cell(2, row).AsTable();
        for (int level = 0; level < 2; ++level) lines_ << PropertyLine(parameters, soilType, level, section);
    }
}

QString TSectionWriter::PropertyLine(const TGridTable* parameters, int soilType, int row, TSection section) const {
    const TPropertySlots& properties = PropertySlots(soilType);
    QString line;
    for (int i = 0; i < 6; ++i) {
        const TPropertySlot& slot = properties[i];
        const bool dropped = i == 5 && section == TSection::LongTerm && HasEarthCoefficient(soilType);
        if (slot.IsPlaceholder() || dropped || !parameters || row >= parameters->RowCount()) {
            line += kPlaceholder;
            continue;
        }
        const long double factor = English() ? EnglishFileFactor(slot.conversion) : 1;
        line += Real(parameters->Cell(slot.column, row).AsFloat() * factor) + u' ';
    }
    return line;
}

void TSectionWriter::PyCurves() {
    TGridTable& sets = t_.PYCurves2();
    for (int row = 0; row < sets.RowCount(); ++row) {
        TGridTable* points = sets.Cell(1, row).AsTable();
        const int count = points ? points->RowCount() : 0;
        lines_ << Tabbed({Cell(sets, 0, row), Int(count), Cell(sets, 2, row), Cell(sets, 3, row)});
        for (int point = 0; point < count; ++point) lines_ << Tabbed(RowTexts(*points, point, {0, 1}));
    }
}

void TSectionWriter::MomentCurves() {
    TGridTable& curves = t_.MEICurves2();
    for (int row = 0; row < p_.MEICount; ++row) {
        TGridTable* points = curves.Cell(2, row).AsTable();
        const int count = points ? points->RowCount() : 0;
        lines_ << Tabbed({Cell(curves, 0, row), Cell(curves, 1, row), Int(count)});
        for (int point = 0; point < count; ++point) lines_ << Tabbed(RowTexts(*points, point, {0, 1}));
    }
}

QByteArray Text(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
    return bytes;
}

}  // namespace

QString StageMarker(int stage) { return QStringLiteral(" Stage No : %1").arg(stage); }

QByteArray ProjectFileText(TProgramData& project) {
    const TPointSeparator point;
    QStringList lines;
    TSectionWriter writer(project, lines);
    writer.Write(project.Title, TSection::ShortTerm);
    lines << Int(project.LongTerm ? korvex::shared::kLongTermFollows : 0);
    if (project.LongTerm) {
        writer.Write(project.Title, TSection::LongTerm);
        lines << Int(0);
    }
    return Text(lines);
}

QByteArray StageBlockText(TProgramData& project) {
    const TPointSeparator point;
    QStringList lines;
    const QString first = project.CurrentStage >= 2 ? StageMarker(project.CurrentStage) : project.Title;
    TSectionWriter(project, lines).Write(first, TSection::ShortTerm);
    lines << Int(project.CurrentStage);
    return Text(lines);
}

void SaveFileSafely(const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) throw EInOutError(file.errorString());
    file.write(bytes);
    if (!file.commit()) throw EInOutError(file.errorString());
}

void WriteProject(TProgramData& project) {
    SaveFileSafely(project.FileName, ProjectFileText(project));
    project.ClearModified();
}

void WriteStageBlock(TProgramData& project) {
    SaveFileSafely(project.StageFileName, StageBlockText(project));
    project.ClearModified();
}

}  // namespace korvex::app
