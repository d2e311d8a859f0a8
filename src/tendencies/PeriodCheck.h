#pragma once
// The covered-period check as the windows run it.
#include "app/Gral.h"
#include "tendencies/PeriodMessage.h"

// CoveredPeriodMessage for the shared state's covered period and date pattern.
QString CoveredPeriodMessage(const Gral& gral, DateOrigin origin, double day);
