#pragma once
// The export's events as an iCalendar file (RFC 5545), written by libical so
// that escaping, line folding at 75 octets, CRLF line ends and the time zone
// definition are the library's, not hand-made.
#include "export/CalendarExport.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// "Excelente – GARCÍA, LUIS"
QString EventSummary(const ExportEvent& event);
// The three texts the main window shows for the event's sign and member, one a line.
QString EventDescription(const ExportEvent& event);
// Stable across exports: the member (name and birth date) and the span's
// start instant, so a calendar updates the event instead of adding it again.
QString EventUid(const ExportEvent& event);

// True when the wall-clock time of instant `utc` in `zone` is read twice (the
// hour repeated when the clocks go back): a time with a TZID can't say which
// pass, so such an instant is written in UTC.
bool TwiceOnClock(const QTimeZone& zone, qint64 utc);

// The whole file. A named zone's events carry its plain IANA id as TZID and
// the file holds its VTIMEZONE with the zone's transitions around the events;
// a fixed-offset clock gives UTC times. `prodId` names the program, `stamp`
// is the DTSTAMP of every event.
QByteArray ComposeICalendar(const ExportPlan& plan, const ExportClock& clock, const QString& prodId,
                            const QDateTime& stamp);

// The PRODID of this edition: "-//Zeltmark//Zeltmark - Pronos 1.0//ES".
QString ExportProductId();

// Writes `bytes` to `path` through a temporary file renamed over it at the
// end, so a full disk or a failure leaves no half-written file.
Result<void> SaveExportFile(const QString& path, const QByteArray& bytes);
