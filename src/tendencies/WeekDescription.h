#pragma once
// The seven-day chart in words, for those who cannot see its colours (a screen
// reader reads it as the chart's description): one line per shown day, e.g.
// "miércoles 1 de enero: Normal hasta 00:42, luego Excelente".
#include "calendar/CalendarState.h"
#include "members/MemberState.h"

#include <QString>

class DatePattern;

// Walks the calendar from calendar.dayRowIndex through at most seven days, as the
// chart does; empty when no day is shown.
QString DescribeWeek(const CalendarState& calendar, const DatePattern& pattern, const MemberState& members);
