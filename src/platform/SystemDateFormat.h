#pragma once
// The system's short-date pattern: where it is read from, the start-up test,
// and the check that notices a change of it while the program runs.
//
// On Windows the pattern is "sShortDate" under HKCU\Control Panel\International
// (then the "intl" profile section). Elsewhere it is the value "sShortDate" of
// the INI file "Control Panel/International.conf" in the user's config folder;
// without it the pattern is "dd/mm/yyyy".
#include "core/Result.h"
#include "platform/Environment.h"

#include <optional>

// The short-date pattern as the system holds it right now (read afresh; a
// file that did not change since the last read is not parsed again).
QString CurrentShortDatePattern();

// Reads the pattern and tests that it can write today and read it back; the
// failure says the program ends.
Result<QString> ReadSystemDateFormat();

// Reads a date text with the system's short-date settings as they are now.
std::optional<double> ParseSystemDate(const QString& text);

// Whether the short-date settings still read the start date text as they did
// at start; the failure asks the user to start the program again. The pattern
// read at start must not be empty (the caller empties it once the change is
// told, and stops asking).
Result<void> CheckDateFormatUnchanged(const Environment& environment);

// Today as a day number (no time part).
double TodayDayNumber();
