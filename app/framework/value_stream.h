// Typed values of a table's column description ("Col"): integers, booleans,
// strings, extended floats and lists of them, each tagged with its type so
// that a reader can tell which kind of value comes next (the legacy column
// layouts are recognised that way).
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace korvex::app {

enum class TValueType : char { End = 0, List = 1, Integer = 2, Float = 3, String = 4, False = 5, True = 6 };

class TValueWriter {
public:
    void WriteInteger(int value);
    void WriteBoolean(bool value);
    void WriteString(const QString& value);
    void WriteFloat(long double value);
    void WriteStrings(const QStringList& values);
    void WriteIntegers(const QList<int>& values);
    const QByteArray& Bytes() const { return bytes_; }

private:
    void WriteTag(TValueType type) { bytes_.append(static_cast<char>(type)); }
    void WriteRaw(const QByteArray& data);

    QByteArray bytes_;
};

// Every read of a value of another type, or past the end, raises EReadError.
class TValueReader {
public:
    explicit TValueReader(const QByteArray& bytes) : bytes_(bytes) {}

    TValueType NextValue() const;
    int ReadInteger();
    bool ReadBoolean();
    QString ReadString();
    long double ReadFloat();
    QStringList ReadStrings();
    QList<int> ReadIntegers();

private:
    void Expect(TValueType type);
    QByteArray ReadRaw();
    qint32 ReadInt32();

    QByteArray bytes_;
    qsizetype pos_ = 0;
};

}  // namespace korvex::app
