#pragma once
// Time zones by name, as the system knows them. Qt gives a valid zone for any
// name at all (an unknown one is UTC in disguise), so a name is a zone only
// when the system lists it or keeps a zone file for it.
#include <QString>
#include <QTimeZone>

// True for a name Qt lists (QTimeZone::availableTimeZoneIds()) or one with a
// zone file ("TZif") in the system's zoneinfo folder ($TZDIR, else
// /usr/share/zoneinfo), which also holds aliases Qt leaves out ("Etc/UTC",
// "America/Buenos_Aires").
bool IsKnownZoneName(const QString& name);

// The time zone of a name the system knows; invalid otherwise.
QTimeZone KnownZone(const QString& name);

// The system's own time zone by name; empty when the system does not know
// that name (TZ set to a word of no zone).
QString SystemZoneName();
