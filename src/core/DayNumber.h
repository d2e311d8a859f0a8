#pragma once
// Dates are day numbers held as doubles: days since 30 December 1899, the
// fraction being the time of day. This is also how "Fechas.dat" stores them.
#include <QDate>
#include <cmath>

constexpr qint64 DayNumberEpochJulianDay = 2415019; // QDate(1899, 12, 30).toJulianDay()

inline double DayNumberFromDate(QDate date) { return double(date.toJulianDay() - DayNumberEpochJulianDay); }
inline QDate DateFromDayNumber(double dayNumber)
{
    if (!std::isfinite(dayNumber) || std::fabs(dayNumber) > 3.0e6)
        return {};
    return QDate::fromJulianDay(qint64(std::floor(dayNumber)) + DayNumberEpochJulianDay);
}
// Time of day of a day number, in whole minutes (0..1439), rounded to the millisecond first.
inline int MinuteOfDay(double dayNumber)
{
    const double fraction = dayNumber - std::floor(dayNumber);
    const qint64 ms = qint64(std::llround(fraction * 86400000.0));
    return int((ms / 60000) % 1440);
}

constexpr double FirstCoveredDayNumber = 37622; // 1 January 2003
constexpr double LastCoveredDayNumber = 38352;  // 31 December 2004
