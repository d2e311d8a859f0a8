#pragma once
// The program's settings, kept between runs: on Windows the registry key
// HKCU\Software\Zeltmark\Pronos.Demo, elsewhere an INI file
// "Zeltmark/Pronos.Demo.conf" in the user's config folder (the full edition:
// "Pronos" instead of "Pronos.Demo"). Each access opens
// the store, reads or writes, and closes it again.
//
// A value that is absent, of the wrong type or out of range reads as absent;
// so does every value when something other than a regular file (a FIFO, a
// folder) sits in the INI file's place.
#include "core/Colour.h"

#include <QString>
#include <memory>
#include <optional>

class SettingsStore {
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // "GMT": the zone offset 0..24; its presence means the region was confirmed once.
    std::optional<int> zoneOffset() const;
    void setZoneOffset(int offset);
    // "PosMap": the zone index chosen on the map, 0..24.
    std::optional<int> zoneIndex() const;
    void setZoneIndex(int index);
    // "UBMapa": the line of the region list, 0..60.
    std::optional<int> regionLine() const;
    void setRegionLine(int line);
    // "Hora verano": daylight saving in force in the region.
    std::optional<bool> daylightSaving() const;
    void setDaylightSaving(bool on);
    // "Zona": the region line's text (absent reads as empty).
    QString zoneText() const;
    bool hasZoneText() const;
    void setZoneText(const QString& text);
    // "Zona horaria": the full edition's named time zone ("Europe/Madrid"); absent for a classic region.
    QString zoneName() const;
    void setZoneName(const QString& name);
    // "Integrante": the last selected member as "NAME - date".
    std::optional<QString> member() const;
    void setMember(const QString& entry);
    // "Color1".."Color5": level colours, level 1..5.
    std::optional<ColourValue> levelColour(int level) const;
    void setLevelColour(int level, ColourValue colour);
    void setLevelColours(const LevelColorTable& colours);
    // "Integrantes copiados": the members file an earlier version kept beside the
    // executable was copied into the data folder, or needs no copy any more.
    bool membersCarriedOver() const;
    void setMembersCarriedOver();

    void remove(const QString& key);
    QString fileName() const;
    // Writes what was set so far; false when the store can't be written
    // (the settings' status after the write is not NoError).
    bool commit();

private:
    std::optional<int> readInteger(const QString& key, int min, int max) const;
    struct Private;
    std::unique_ptr<Private> d;
};

// Zone offset for a zone index and the daylight-saving flag: the index,
// except 0 for index 24, plus one with daylight saving.
constexpr int ZoneOffsetFor(int zoneIndex, bool daylightSaving)
{
    return (zoneIndex == 24 ? 0 : zoneIndex) + (daylightSaving ? 1 : 0);
}
