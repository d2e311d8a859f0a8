#pragma once
// The rule from a member and a calendar sign to a tendency level.
#include "core/DisplayTexts.h" // LevelName, LevelPlural
#include "calendar/CalendarState.h"
#include "core/Colour.h"
#include "members/MemberState.h"

// Sets members.memberSign from members.selectedBirthDate (kept when no range holds).
void ComputeMemberSign(MemberState& members);
// The member sign of a birth date, 0 when no range holds.
int MemberSignOf(double birthDate);

// ((memberSign - sign) mod 12) + 1, in 1..12.
int SignStepOf(int memberSign, int sign);
// Level 1..5 of a step 1..12.
int LevelOfStep(int step);
// Level 1..5 of a calendar sign for the current member.
int LevelOfSign(const MemberState& members, int sign);
ColourValue ColourOfSign(const MemberState& members, const LevelColorTable& colours, int sign);

// Plural level name of a step 1..12; empty for any other step.
QString PluralForStep(int step);

// The date's first span in the shifted calendar as it is built (the windows
// move the calendar's years to hold the date and the six days after it first,
// HoldWeekShown).
struct DayRow {
    enum Outcome { Found, NotInCalendar, Ending }; // Ending: the windows' date-format check fired
    Outcome outcome = NotInCalendar;
    int row = -1; // 1-based when found, -1 otherwise
};
DayRow DayLookup(const CalendarState& calendar, double date);
