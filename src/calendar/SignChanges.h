#pragma once
// The instants at which the Moon enters a new tropical sign, and their place
// in the calendar's base zone (UTC-12) to the minute.
#include "core/DayNumber.h"

#include <vector>

constexpr double BaseZoneHoursBehindUtc = 12.0;

struct SignChange {
    double jdUT = 0;      // the instant the longitude reaches a multiple of 30 degrees
    int baseDay = 0;      // day number of the base-zone date the change is given
    int baseMinute = 0;   // minute of that day, never :58..:01
    int newSign = 0;      // 1..12, the sign that begins
};

// The sign (1..12) holding the Moon at the instant.
int SignAtJulianDay(double jdUT);

// Places an instant in the base zone: nearest whole minute, except that
// [hh-1:57:30, hh:00:00) gives hh-1:57 and [hh:00:00, hh:01:30) gives hh:02, so
// no change falls on minutes :58 to :01 (and never at midnight).
void PlaceInBaseZone(double jdUT, int& baseDay, int& baseMinute);

// Every sign change whose base-zone date lies in firstDay..lastDay (day
// numbers), in time order, computed from the lunar theory.
std::vector<SignChange> ComputeSignChanges(int firstDay, int lastDay);

// The days the carried changes cover: the DEMO's two years and the day
// before them, whose changes the zone shift could carry into 1 January 2003.
constexpr int CarriedFirstDay = int(FirstCoveredDayNumber) - 1;
constexpr int CarriedLastDay = int(LastCoveredDayNumber);

// The changes of the calendar's two years (1 January 2003 to 31 December
// 2004, and the day before) as the program carries them: generated once from the lunar theory
// (`pronos-calendar --table`) and kept as data, so start-up does not spend
// milliseconds on the series. A test recomputes them and compares every row.
const std::vector<SignChange>& CalendarSignChanges();

// The same days computed from the lunar theory (once per process).
const std::vector<SignChange>& TheorySignChanges();

// The changes whose base-zone date lies in firstDay..lastDay: the carried ones
// when they cover those days, otherwise computed from the lunar theory (about
// 2 ms a year).
std::vector<SignChange> SignChangesBetween(int firstDay, int lastDay);
