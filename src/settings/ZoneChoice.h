#pragma once
// The zone the calendar follows, as the settings keep it and as the regional
// window confirms it: a classic region (a line of the region list, its zone on
// the map, the daylight-saving box) or, in the full edition, a time zone by
// its name ("Europe/Madrid") whose own offset applies on each date.
//
// A named zone is stored beside the classic values, never instead of them:
// "GMT", "PosMap", "UBMapa", "Hora verano" and "Zona" always describe a classic
// region (for a named zone, the map's zone of its standard offset), so a name
// that is absent, unknown to the system's time zone database or not offered by
// the edition falls back to that region as before.
#include "calendar/CalendarState.h"
#include "platform/TimeZoneNames.h"
#include "settings/ZoneTable.h"

#include <QString>
#include <QTimeZone>
#include <optional>

class SettingsStore;

struct ZoneChoice {
    int regionLine = GmtRegionLine;
    int zoneIndex = GmtZoneIndex;
    int zoneOffset = GmtZoneIndex; // hours added to the base zone, 0..24
    bool daylightSaving = false;
    QString regionText;            // the region line as shown in the list
    QString zoneName;              // the named zone; empty for a classic region

    bool named() const { return !zoneName.isEmpty(); }
    bool operator==(const ZoneChoice&) const = default;
};

// The map's zone (UTC offset + 12) nearest to an offset in seconds, half
// hours rounded up, kept on the map's -12..+12.
int MapZoneOfOffset(int offsetSeconds);

// A classic region as the window shows it: the line, its map zone, the box.
ZoneChoice ClassicZoneChoice(int regionLine, int zoneIndex, bool daylightSaving);

// A named zone with the classic region of its standard offset at `when`
// (the map's zone and the region line the map gives it) as its fallback.
ZoneChoice NamedZoneChoice(const QString& name, const QDateTime& when, bool daylightSaving);

// The stored choice; nothing before the first confirmation (no "GMT"). A
// line or map zone missing beside "GMT" is taken from the other one, and from
// the GMT defaults when both are. The name is read only when the edition
// offers named zones, and kept only when the system knows it.
std::optional<ZoneChoice> StoredZoneChoice(const SettingsStore& store);

// Writes "UBMapa", "PosMap", "GMT", "Hora verano", "Zona" in this order, then
// "Zona horaria" (removed for a classic region). The caller commits.
void StoreZoneChoice(SettingsStore& store, const ZoneChoice& choice);

// Puts the choice into force for the calendar: its zoneOffset and namedZone.
void ApplyZoneChoice(CalendarState& calendar, const ZoneChoice& choice);

// The status bar's two panels for the choice.
QString ZoneStatusText(const ZoneChoice& choice);
QString DaylightStatusText(const ZoneChoice& choice);

// The question asked before the choice is saved ("\r" breaks lines).
QString ZoneConfirmationText(const ZoneChoice& choice);
