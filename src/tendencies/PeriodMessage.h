#pragma once
// What the main window and the print window say of a date outside the days
// the program covers.
#include "core/CoveredPeriod.h"

#include <QString>

class DatePattern;

// Where a checked date comes from: the system's today, the main window's
// picker, or the print window (whose message names the date itself).
enum class DateOrigin { System, Entered, Printed };

// The message for a date before period.firstDay or after period.lastDay (only
// the day counts, not the time); empty inside them. Dates are written with the
// short-date pattern read at start.
QString CoveredPeriodMessage(const CoveredPeriod& period, const DatePattern& pattern, DateOrigin origin, double date);
