#include "settings/ZoneChoice.h"
#include "core/DisplayTexts.h"
#include "core/Edition.h"
#include "settings/SettingsStore.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>

namespace {
const QString DaylightByDate = QStringLiteral("según la fecha");
}

int MapZoneOfOffset(int offsetSeconds)
{
    const int hours = int(std::floor(offsetSeconds / 3600.0 + 0.5));
    return std::clamp(hours, -12, 12) + GmtZoneIndex;
}

ZoneChoice ClassicZoneChoice(int regionLine, int zoneIndex, bool daylightSaving)
{
    ZoneChoice choice;
    choice.regionLine = regionLine;
    choice.zoneIndex = zoneIndex;
    choice.zoneOffset = ZoneOffsetFor(zoneIndex, daylightSaving);
    choice.daylightSaving = daylightSaving;
    choice.regionText = RegionLines().value(regionLine);
    return choice;
}

ZoneChoice NamedZoneChoice(const QString& name, const QDateTime& when, bool daylightSaving)
{
    const int zone = MapZoneOfOffset(KnownZone(name).standardTimeOffset(when));
    ZoneChoice choice = ClassicZoneChoice(ZoneAt(zone).regionLine, zone, daylightSaving);
    choice.zoneName = name;
    return choice;
}

std::optional<ZoneChoice> StoredZoneChoice(const SettingsStore& store)
{
    const std::optional<int> offset = store.zoneOffset();
    if (!offset)
        return std::nullopt;
    const std::optional<int> storedLine = store.regionLine();
    const std::optional<int> storedZone = store.zoneIndex();
    ZoneChoice choice;
    choice.regionLine = storedLine.value_or(storedZone ? ZoneAt(*storedZone).regionLine : GmtRegionLine);
    choice.zoneIndex =
        storedZone.value_or(ZoneOfRegionLine(RegionLines().at(choice.regionLine)).value_or(GmtZoneIndex));
    choice.zoneOffset = *offset;
    choice.daylightSaving = store.daylightSaving().value_or(false);
    choice.regionText = store.zoneText();
    if (CurrentEdition().namedZones) {
        const QString name = store.zoneName();
        if (KnownZone(name).isValid())
            choice.zoneName = name;
    }
    return choice;
}

void StoreZoneChoice(SettingsStore& store, const ZoneChoice& choice)
{
    store.setRegionLine(choice.regionLine);
    store.setZoneIndex(choice.zoneIndex);
    store.setZoneOffset(choice.zoneOffset);
    store.setDaylightSaving(choice.daylightSaving);
    store.setZoneText(choice.regionText);
    if (choice.named())
        store.setZoneName(choice.zoneName);
    else
        store.remove(QStringLiteral("Zona horaria"));
}

void ApplyZoneChoice(CalendarState& calendar, const ZoneChoice& choice)
{
    calendar.zoneOffset = choice.zoneOffset;
    calendar.namedZone = choice.named() ? KnownZone(choice.zoneName) : QTimeZone();
}

QString ZoneStatusText(const ZoneChoice& choice)
{
    return choice.named() ? choice.zoneName : choice.regionText;
}

QString DaylightStatusText(const ZoneChoice& choice)
{
    return choice.named() ? QStringLiteral("Horario verano: ") + DaylightByDate : DaylightSavingText(choice.daylightSaving);
}

QString ZoneConfirmationText(const ZoneChoice& choice)
{
    if (!choice.named())
        return RegionConfirmationText(choice.regionText, choice.daylightSaving);
    return QStringLiteral("Confirme selección:\r\r\"") + choice.zoneName + QStringLiteral("\".\r\rHorario verano: ")
           + DaylightByDate + u'.';
}
