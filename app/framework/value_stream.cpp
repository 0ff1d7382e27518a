#include "framework/value_stream.h"

#include "framework/errors.h"

#include <QtEndian>
#include <charconv>

namespace korvex::app {

namespace {
[[noreturn]] void FailStream() { throw EReadError(QStringLiteral("Invalid property value")); }
}  // namespace

void TValueWriter::WriteRaw(const QByteArray& data) {
    char size[4];
    qToLittleEndian<qint32>(static_cast<qint32>(data.size()), size);
    bytes_.append(size, 4).append(data);
}

void TValueWriter::WriteInteger(int value) {
    WriteTag(TValueType::Integer);
    char raw[4];
    qToLittleEndian<qint32>(value, raw);
    bytes_.append(raw, 4);
}

void TValueWriter::WriteBoolean(bool value) { WriteTag(value ? TValueType::True : TValueType::False); }

void TValueWriter::WriteString(const QString& value) {
    WriteTag(TValueType::String);
    WriteRaw(value.toUtf8());
}

// Extended floats travel as text with 21 significant digits, which keeps
// every bit of the 64-bit mantissa.
void TValueWriter::WriteFloat(long double value) {
    WriteTag(TValueType::Float);
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 20);
    WriteRaw(QByteArray(buffer, result.ptr - buffer));
}

void TValueWriter::WriteStrings(const QStringList& values) {
    WriteTag(TValueType::List);
    for (const QString& v : values) WriteString(v);
    WriteTag(TValueType::End);
}

void TValueWriter::WriteIntegers(const QList<int>& values) {
    WriteTag(TValueType::List);
    for (int v : values) WriteInteger(v);
    WriteTag(TValueType::End);
}

TValueType TValueReader::NextValue() const {
    if (pos_ >= bytes_.size()) FailStream();
    return static_cast<TValueType>(bytes_[pos_]);
}

void TValueReader::Expect(TValueType type) {
    if (NextValue() != type) FailStream();
    ++pos_;
}

qint32 TValueReader::ReadInt32() {
    if (pos_ + 4 > bytes_.size()) FailStream();
    const auto value = qFromLittleEndian<qint32>(bytes_.constData() + pos_);
    pos_ += 4;
    return value;
}

QByteArray TValueReader::ReadRaw() {
    const qint32 size = ReadInt32();
    if (size < 0 || pos_ + size > bytes_.size()) FailStream();
    const QByteArray data = bytes_.mid(pos_, size);
    pos_ += size;
    return data;
}

int TValueReader::ReadInteger() {
    Expect(TValueType::Integer);
    return ReadInt32();
}

bool TValueReader::ReadBoolean() {
    const TValueType type = NextValue();
    if (type != TValueType::True && type != TValueType::False) FailStream();
    ++pos_;
    return type == TValueType::True;
}

QString TValueReader::ReadString() {
    Expect(TValueType::String);
    return QString::fromUtf8(ReadRaw());
}

long double TValueReader::ReadFloat() {
    Expect(TValueType::Float);
    const QByteArray text = ReadRaw();
    long double value = 0;
    if (std::from_chars(text.constData(), text.constData() + text.size(), value).ec != std::errc()) FailStream();
    return value;
}

QStringList TValueReader::ReadStrings() {
    Expect(TValueType::List);
    QStringList values;
    while (NextValue() != TValueType::End) values << ReadString();
    ++pos_;
    return values;
}

QList<int> TValueReader::ReadIntegers() {
    Expect(TValueType::List);
    QList<int> values;
    while (NextValue() != TValueType::End) values << ReadInteger();
    ++pos_;
    return values;
}

}  // namespace korvex::app
