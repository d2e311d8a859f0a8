#pragma once
// The tendency logic called as the windows call it: the parts taken from the
// shared state, the date-format check and the move of the calendar's years
// first (HoldWeekShown).
#include "app/CalendarBuild.h"
#include "support/CalendarSupport.h"
#include "tendencies/PrintComposition.h"
#include "tendencies/TeamGrid.h"
#include "tendencies/TendencyRule.h"
#include "tendencies/WeekLayout.h"

inline DayRow DayLookup(Gral& gral, double date)
{
    if (!HoldWeekShown(gral, date))
        return DayRow{DayRow::Ending, -1};
    return DayLookup(gral.calendar, date);
}

inline PrintOutcome ComposeTendencies(Gral& gral, PrintCanvas& canvas, bool sevenDays, double date,
                                      const std::optional<TendencyPrintHeading>& heading = std::nullopt)
{
    if (DayLookup(gral, date).outcome == DayRow::Ending)
        return PrintOutcome::Ending;
    return ComposeTendencies(gral.calendar, gral.environment.systemDateFormat, gral.members, canvas, sevenDays, date,
                             heading);
}

inline TeamGrid ComposeTeamGrid(Gral& gral, double day)
{
    CalendarDayRow(gral, day, 0);
    return ComposeTeamGrid(gral.calendar, gral.environment.systemDateFormat, gral.members, day);
}

inline WeekLayout ComposeWeek(const Gral& gral)
{
    return ComposeWeek(gral.calendar, gral.environment.systemDateFormat, gral.members, gral.levelColors);
}

