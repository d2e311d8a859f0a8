#pragma once
// The system's short-date pattern: where it is read from, the start-up test,
// and the check that notices a change of it while the program runs.
//
// On Windows the pattern is "sShortDate" under HKCU\Control Panel\International
// (then the "intl" profile section). Elsewhere it is the value "sShortDate" of
// the INI file "Control Panel/International.conf" in the user's config folder;
// without it the pattern is "dd/mm/yyyy".
#include "app/Gral.h"
#include <optional>

// The short-date pattern as the system holds it right now (read afresh; a
// file that did not change since the last read is not parsed again).
QString CurrentShortDatePattern();

// Reads the pattern and tests that it can write today and read it back.
// Shows the error message and returns nothing when it can't.
std::optional<QString> ReadSystemDateFormat(const Gral& gral);

// The date-only text of a day number written with the pattern read at start.
QString DateText(const Gral& gral, double dayNumber);

// Reads a date text with the system's short-date settings as they are now.
std::optional<double> ParseSystemDate(const QString& text);

// True when the short-date settings changed since start (the program is then
// ending: the message has been shown once and a quit requested).
bool DateFormatChanged(Gral& gral);

// Today as a day number (no time part).
double TodayDayNumber();
