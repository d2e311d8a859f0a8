#include "calendar/SignChanges.h"
#include "core/DayNumber.h"
#include "calendar/LunarTheory.h"

#include <cmath>

namespace {

constexpr double SecondsPerDay = 86400.0;
// Sampling step for bracketing: the Moon moves at most ~16 degrees a day, so
// one day never spans two sign boundaries (30 degrees apart).
constexpr double BracketStepDays = 1.0;
// Root precision: 1e-8 day is under a millisecond.
constexpr double RootToleranceDays = 1.0e-8;

double SectorOf(double unreducedDeg) { return std::floor(unreducedDeg / 30.0); }

// The instant in [lo, hi] at which the unreduced longitude equals targetDeg.
// The longitude is smooth and nearly linear over half a day, so secant steps
// converge in a handful of evaluations; a step leaving the bracket bisects.
// The longitudes at the bracket's ends are the ones the bracketing found.
double SolveCrossing(double lo, double loDeg, double hi, double hiDeg, double targetDeg)
{
    double x0 = lo, f0 = loDeg - targetDeg;
    double x1 = hi, f1 = hiDeg - targetDeg;
    for (int iteration = 0; iteration < 50; ++iteration) {
        double x2 = f1 == f0 ? 0.5 * (x0 + x1) : x1 - f1 * (x1 - x0) / (f1 - f0);
        if (!(x2 >= lo && x2 <= hi))
            x2 = 0.5 * (lo + hi);
        const double f2 = MoonLongitudeUnreducedDeg(x2) - targetDeg;
        if (f2 < 0)
            lo = x2;
        else
            hi = x2;
        if (std::fabs(x2 - x1) < RootToleranceDays || f2 == 0)
            return x2;
        x0 = x1; f0 = f1;
        x1 = x2; f1 = f2;
    }
    return 0.5 * (lo + hi);
}

} // namespace

int SignAtJulianDay(double jdUT) { return int(MoonLongitudeDeg(jdUT) / 30.0) % 12 + 1; }

void PlaceInBaseZone(double jdUT, int& baseDay, int& baseMinute)
{
    const double baseDayNumber = DayNumberOfJulianDay(jdUT) - BaseZoneHoursBehindUtc / 24.0;
    const double day = std::floor(baseDayNumber);
    const double secondOfDay = (baseDayNumber - day) * SecondsPerDay;
    const double secondOfHour = std::fmod(secondOfDay, 3600.0);
    const double hourStart = secondOfDay - secondOfHour;
    double minuteOfDay;
    if (secondOfHour >= 3600.0 - 150.0)
        minuteOfDay = hourStart / 60.0 + 57.0;            // just before a full hour
    else if (secondOfHour < 90.0)
        minuteOfDay = hourStart / 60.0 + 2.0;             // just after a full hour
    else
        minuteOfDay = std::floor(secondOfDay / 60.0 + 0.5);
    baseDay = int(day);
    baseMinute = int(minuteOfDay);
}

std::vector<SignChange> ComputeSignChanges(int firstDay, int lastDay)
{
    std::vector<SignChange> changes;
    // Base-zone midnight of firstDay to midnight after lastDay, in UT, with a
    // margin so a change rounded across a day boundary is still seen.
    const double startJd = JulianDayOfDayNumber(firstDay + BaseZoneHoursBehindUtc / 24.0) - 0.01;
    const double endJd = JulianDayOfDayNumber(lastDay + 1 + BaseZoneHoursBehindUtc / 24.0) + 0.01;
    double t0 = startJd;
    double longitude0 = MoonLongitudeUnreducedDeg(t0);
    double sector0 = SectorOf(longitude0);
    while (t0 < endJd) {
        const double t1 = t0 + BracketStepDays;
        const double longitude1 = MoonLongitudeUnreducedDeg(t1);
        const double sector1 = SectorOf(longitude1);
        if (sector1 != sector0) {
            SignChange change;
            change.jdUT = SolveCrossing(t0, longitude0, t1, longitude1, sector1 * 30.0);
            PlaceInBaseZone(change.jdUT, change.baseDay, change.baseMinute);
            const int sector = int(std::fmod(sector1, 12.0));
            change.newSign = (sector < 0 ? sector + 12 : sector) + 1;
            if (change.baseDay >= firstDay && change.baseDay <= lastDay)
                changes.push_back(change);
        }
        t0 = t1;
        longitude0 = longitude1;
        sector0 = sector1;
    }
    return changes;
}

const std::vector<SignChange>& TheorySignChanges()
{
    static const std::vector<SignChange> changes =
        ComputeSignChanges(CarriedFirstDay, CarriedLastDay);
    return changes;
}

std::vector<SignChange> SignChangesBetween(int firstDay, int lastDay)
{
    if (firstDay < CarriedFirstDay || lastDay > CarriedLastDay)
        return ComputeSignChanges(firstDay, lastDay);
    std::vector<SignChange> changes;
    for (const SignChange& change : CalendarSignChanges())
        if (change.baseDay >= firstDay && change.baseDay <= lastDay)
            changes.push_back(change);
    return changes;
}

const std::vector<SignChange>& CalendarSignChanges()
{
    // {jdUT, base-zone day number, base-zone minute, new sign}
    static const std::vector<SignChange> changes = {
#include "calendar/SignChangeTable.inc"
    };
    return changes;
}
