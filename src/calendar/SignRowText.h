#pragma once
// The 25-character text form of a calendar row:
//   positions 1-10 date, 12-16 from "hh:nn", 18-22 to "hh:nn", 24-25 sign "00".
// Fields are taken by position; the date field is whatever precedes the last
// 15 characters (10 characters with the 10-character short-date pattern).
#include <QString>
#include <QStringView>
#include <optional>

constexpr int SignRowTailLength = 15; // " hh:nn hh:nn ss"
constexpr int LastMinuteOfDay = 23 * 60 + 59;

// dateText + " hh:nn hh:nn ss". Minutes must be 0..1439 and sign 0..99.
QString SignRowLine(const QString& dateText, int fromMinute, int toMinute, int sign);

// "hh:nn" read back as a minute of the day; nothing unless two digits, a
// colon, two digits, hour 0..23 and minute 0..59.
std::optional<int> ReadHourMinute(QStringView text);

// A two-digit decimal field.
std::optional<int> ReadTwoDigits(QStringView text);

inline QStringView DateField(const QString& line) { return QStringView(line).left(line.size() - SignRowTailLength); }
inline QStringView FromField(const QString& line) { return QStringView(line).mid(line.size() - 14, 5); }
inline QStringView ToField(const QString& line) { return QStringView(line).mid(line.size() - 8, 5); }
inline QStringView SignField(const QString& line) { return QStringView(line).right(2); }
