#include "tendencies/TendencyRule.h"
#include "calendar/CalendarWindow.h"
#include "app/ProgramMessage.h"

#include <QDate>
#include <array>

namespace {
struct SignRange {
    int sign, fromMonth, fromDay, toMonth, toDay;
};
// Tested top to bottom: the December part of sign 10 comes before its January part.
constexpr std::array<SignRange, 13> SignRanges = {{
    {1, 3, 22, 4, 20},
    {2, 4, 21, 5, 21},
    {3, 5, 22, 6, 21},
    {4, 6, 22, 7, 23},
    {5, 7, 24, 8, 23},
    {6, 8, 24, 9, 23},
    {7, 9, 24, 10, 23},
    {8, 10, 24, 11, 22},
    {9, 11, 23, 12, 22},
    {10, 12, 23, 12, 31},
    {10, 1, 1, 1, 20},
    {11, 1, 21, 2, 19},
    {12, 2, 20, 3, 21},
}};

// Level of each step 1..12 (index 0 unused).
constexpr std::array<int, 13> LevelByStep = {0, 1, 5, 3, 4, 1, 3, 4, 2, 1, 4, 2, 5};
} // namespace

int MemberSignOf(double birthDate)
{
    const QDate date = DateFromDayNumber(birthDate);
    if (!date.isValid())
        return 0;
    for (const SignRange& range : SignRanges) {
        const QDate from(date.year(), range.fromMonth, range.fromDay);
        const QDate to(date.year(), range.toMonth, range.toDay);
        if (from <= date && date <= to)
            return range.sign;
    }
    return 0;
}

void ComputeMemberSign(MemberState& members)
{
    if (const int sign = MemberSignOf(members.selectedBirthDate); sign != 0)
        members.memberSign = sign;
}

int SignStepOf(int memberSign, int sign)
{
    int step = memberSign - sign + 1;
    if (step <= 0)
        step += 12;
    return step;
}

int LevelOfStep(int step)
{
    return (step >= 1 && step <= 12) ? LevelByStep[size_t(step)] : 0;
}

int LevelOfSign(const MemberState& members, int sign)
{
    return LevelOfStep(SignStepOf(members.memberSign, sign));
}

ColourValue ColourOfSign(const MemberState& members, const LevelColorTable& colours, int sign)
{
    const int level = LevelOfSign(members, sign);
    return level >= 1 ? colours[size_t(level - 1)] : SilverColour;
}

QString PluralForStep(int step)
{
    return LevelPlural(LevelOfStep(step));
}

DayRow DayLookup(Gral& gral, double date)
{
    if (DateFormatChanged(gral))
        return DayRow{DayRow::Ending, -1};
    // The shown day and the six after it: the window of the calendar moves if it must.
    const int row = CalendarDayRow(gral, date, 6);
    return row > 0 ? DayRow{DayRow::Found, row} : DayRow{DayRow::NotInCalendar, -1};
}
