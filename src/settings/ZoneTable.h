#pragma once
// The time zones of the regional settings window: the 61 region lines of its
// list, the 25 zones of the world map (zone index = UTC offset + 12), the map's
// hit test and the confirmation text. No windows here.
#include <QString>
#include <QStringList>
#include <optional>

constexpr int ZoneCount = 25;
constexpr int RegionLineCount = 61;
constexpr int GmtZoneIndex = 12;
constexpr int GmtRegionLine = 21; // "(GMT 00:00) Hora media de Greenwich: ..."

// The map picture and the label strip along its bottom.
constexpr int MapWidth = 377;
constexpr int MapHeight = 196;
constexpr int LabelStripTop = 185;
constexpr int HighlightHeight = 184;

struct ZoneEntry {
    const char* label;  // "-12" .. "GMT" .. "12"
    int highlightLeft;  // left edge of the highlight inside the map frame
    int highlightWidth; // width of its picture
    int regionLine;     // the list line a click on the map selects
};

// Row `zoneIndex` (0..24) of the zone table.
const ZoneEntry& ZoneAt(int zoneIndex);

// The region lines of the list, by index 0..60.
const QStringList& RegionLines();

// The zone a mouse press on the map picture at (x, y) picks, or nothing when
// the press is ignored: above the label strip, with the right button, or on
// the three columns after the last label.
std::optional<int> ZoneAtMapPoint(int x, int y, bool rightButton);

// The zone of a region line: characters 5 to 7 (a sign or a blank, two digits)
// read as the UTC offset, plus 12. Nothing when they are not such a number or
// the offset lies outside -12..12.
std::optional<int> ZoneOfRegionLine(const QString& line);

// The question asked before the region is saved ("\r" breaks lines).
QString RegionConfirmationText(const QString& regionLine, bool daylightSaving);

// Resource path of the map picture and of zone `zoneIndex`'s highlight.
QString ZoneMapResource();
QString ZoneHighlightResource(int zoneIndex);
