#pragma once
// Birth dates as a spreadsheet writes them: in the system's short-date order
// (one-digit day or month accepted, any of / - . between the numbers), as
// ISO yyyy-mm-dd, or as the spreadsheet's own day number. A two-digit year is
// refused, never guessed: 05/03/12 could be 1912 or 2012.
#include "core/Result.h"

#include <QDate>
#include <QString>

// Reads `text` with the day and month order of `pattern` (the system's
// short-date pattern; a pattern with the year first reads day before month):
// an acceptable birth date, or why not in Spanish ("falta la fecha", ...).
Result<QDate> ReadRosterDate(const QString& text, const QString& pattern, QDate today);
