#pragma once
// What the main window and the print window say of a date outside the days
// the program covers.
#include "app/Gral.h"

// Where a checked date comes from: the system's today, the main window's
// picker, or the print window (whose message names the date itself).
enum class DateOrigin { System, Entered, Printed };

// The message for a date before gral.calendar.firstCoveredDay or after
// gral.calendar.lastCoveredDay (only the day counts, not the time); empty inside them.
QString coveredPeriodMessage(const Gral& gral, DateOrigin origin, double date);
