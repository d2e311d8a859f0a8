#include "app/CalendarBuild.h"
#include "app/ProgramMessage.h"
#include "calendar/CalendarWindow.h"
#include "calendar/SignCalendar.h"

#include <functional>

namespace {

void BuildTold(Gral& gral, const std::function<Result<void>()>& build)
{
    Result<void> built;
    {
        BusyCursor busy(gral);
        built = build();
    }
    if (!built)
        ProgramMessage(gral, built.failure());
}

} // namespace

void BuildCalendarShown(Gral& gral)
{
    BuildTold(gral, [&gral] { return BuildShiftedCalendar(gral.calendar, gral.environment.systemDateFormat); });
}

void HoldCalendarDays(Gral& gral, double day, int daysAfter)
{
    const std::optional<CalendarYears> years = CalendarYearsToHold(gral.calendar, day, daysAfter);
    if (!years)
        return;
    BuildCalendarYearsShown(gral, years->first, years->last);
}

bool HoldWeekShown(Gral& gral, double day)
{
    if (DateFormatChanged(gral))
        return false;
    HoldCalendarDays(gral, day, 6);
    return true;
}

void BuildCalendarYearsShown(Gral& gral, int firstYear, int lastYear)
{
    BuildTold(gral, [&] {
        return BuildShiftedCalendarYears(gral.calendar, gral.environment.systemDateFormat, firstYear, lastYear);
    });
}
