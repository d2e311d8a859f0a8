#include "tendencies/PeriodCheck.h"

QString CoveredPeriodMessage(const Gral& gral, DateOrigin origin, double day)
{
    return CoveredPeriodMessage(gral.calendar.coveredPeriod, gral.environment.systemDateFormat, origin, day);
}
