#pragma once
// The searchable list of time zones of the regional window: every zone the
// system's time zone database names (the IANA names, "Europe/Madrid"), each
// with its offset now. No windows here.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTimeZone>

// The zone names to list, in alphabetical order. The fixed offsets Qt adds
// of its own ("UTC+05:00") are left out; "UTC" itself stays.
QStringList ListedZoneNames();

// A line of the list: the name and its offset at `when`, "Europe/Madrid (UTC+01:00)".
QString ZoneListEntry(const QTimeZone& zone, const QDateTime& when);

// Whether a name is found by a search text: every word of the search appears
// in the name, ignoring letter case, accents and the underscores that stand
// for spaces ("buenos aires", "argentina" and "BUENOS_AIRES" all find
// "America/Argentina/Buenos_Aires"). An empty search finds every name.
bool ZoneSearchMatches(const QString& name, const QString& search);
