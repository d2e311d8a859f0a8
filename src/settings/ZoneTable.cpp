#include "settings/ZoneTable.h"

#include <array>

namespace {

// Highlight lefts and widths follow the civil zones rather than the 15-degree
// meridians, so bands overlap; zone 0 starts left of the frame and is cut there.
constexpr std::array<ZoneEntry, ZoneCount> Zones{{
    {"-12", -16, 37, 0},  {"-11", 10, 23, 1},   {"-10", 20, 27, 2},   {"-09", 23, 39, 3},
    {"-08", 50, 27, 4},   {"-07", 56, 36, 6},   {"-06", 82, 26, 8},   {"-05", 97, 32, 11},
    {"-04", 116, 24, 14}, {"-03", 118, 49, 16}, {"-02", 152, 14, 18}, {"-01", 159, 22, 19},
    {"GMT", 164, 32, 21}, {"01", 180, 38, 22},  {"02", 201, 32, 26},  {"03", 212, 31, 33},
    {"04", 225, 30, 37},  {"05", 232, 38, 40},  {"06", 248, 37, 41},  {"07", 264, 37, 44},
    {"08", 263, 58, 45},  {"09", 293, 38, 49},  {"10", 314, 30, 54},  {"11", 326, 33, 58},
    {"12", 340, 37, 60},
}};

} // namespace

const ZoneEntry& ZoneAt(int zoneIndex)
{
    return Zones.at(std::size_t(zoneIndex));
}

const QStringList& RegionLines()
{
    static const QStringList lines{
        QStringLiteral("(GMT-12:00) Eniwetok, Kwajalein"),
        QStringLiteral("(GMT-11:00) Isla Midway, Samoa"),
        QStringLiteral("(GMT-10:00) Hawai"),
        QStringLiteral("(GMT-09:00) Alaska"),
        QStringLiteral("(GMT-08:00) Hora del Pacífico (EE.UU. y Canadá); Tijuana"),
        QStringLiteral("(GMT-07:00) Arizona"),
        QStringLiteral("(GMT-07:00) Hora de las Montañas Rocosas (EE.UU. y Canadá)"),
        QStringLiteral("(GMT-06:00) Ciudad de México, Tegucigalpa"),
        QStringLiteral("(GMT-06:00) Hora central (EE.UU. y Canadá)"),
        QStringLiteral("(GMT-06:00) Saskatchewan"),
        QStringLiteral("(GMT-05:00) Bogotá, Lima, Quito"),
        QStringLiteral("(GMT-05:00) Hora oriental (EE.UU. y Canadá)"),
        QStringLiteral("(GMT-05:00) Indiana (Este)"),
        QStringLiteral("(GMT-04:00) Caracas, La Paz"),
        QStringLiteral("(GMT-04:00) Hora del Atlántico (Canadá)"),
        QStringLiteral("(GMT-04:00) Terranova"),
        QStringLiteral("(GMT-03:00) Buenos Aires, Georgetown"),
        QStringLiteral("(GMT-03:00) Brasilia"),
        QStringLiteral("(GMT-02:00) Atlántico Central"),
        QStringLiteral("(GMT-01:00) Azores, Isla de Cabo Verde"),
        QStringLiteral("(GMT 00:00) Casablanca, Monrovia"),
        QStringLiteral("(GMT 00:00) Hora media de Greenwich: Dublín, Edimburgo, Lisboa, Londres"),
        QStringLiteral("(GMT+01:00) Amsterdam, Berlín, Berna, Roma, Estocolmo, Viena"),
        QStringLiteral("(GMT+01:00) Belgrado, Bratislava, Budapest, Lubiana, Praga"),
        QStringLiteral("(GMT+01:00) Bruselas, Copenhague, Madrid, París, Vilnius"),
        QStringLiteral("(GMT+01:00) Sarajevo, Skopje, Sofía, Varsovia, Zagreb"),
        QStringLiteral("(GMT+02:00) Atenas, Estambul, Minsk"),
        QStringLiteral("(GMT+02:00) Bucarest"),
        QStringLiteral("(GMT+02:00) El Cairo"),
        QStringLiteral("(GMT+02:00) Harare, Pretoria"),
        QStringLiteral("(GMT+02:00) Helsinki, Riga, Tallinn"),
        QStringLiteral("(GMT+02:00) Israel"),
        QStringLiteral("(GMT+03:00) Bagdad, Kuwait, Riad"),
        QStringLiteral("(GMT+03:00) Moscú, S. Petersburgo, Volgogrado"),
        QStringLiteral("(GMT+03:00) Nairobi"),
        QStringLiteral("(GMT+04:00) Abu Dhabi, Muscat"),
        QStringLiteral("(GMT+04:00) Baku, Tbilisi"),
        QStringLiteral("(GMT+04:00) Teherán"),
        QStringLiteral("(GMT+05:00) Ekaterimburgo"),
        QStringLiteral("(GMT+05:00) Islamabad, Karachi, Tashkent"),
        QStringLiteral("(GMT+05:00) Kabúl"),
        QStringLiteral("(GMT+06:00) Bombay, Calcuta, Madrás, Nueva Delhi"),
        QStringLiteral("(GMT+06:00) Almaty, Dacca"),
        QStringLiteral("(GMT+06:00) Colombo"),
        QStringLiteral("(GMT+07:00) Bangkok, Hanoi, Yakarta"),
        QStringLiteral("(GMT+08:00) Pekín, Chongqing, Hong Kong, Urumqi"),
        QStringLiteral("(GMT+08:00) Perth"),
        QStringLiteral("(GMT+08:00) Singapur"),
        QStringLiteral("(GMT+08:00) Taipei"),
        QStringLiteral("(GMT+09:00) Osaka, Sapporo, Tokyo"),
        QStringLiteral("(GMT+09:00) Seúl"),
        QStringLiteral("(GMT+09:00) Yakutsk"),
        QStringLiteral("(GMT+09:00) Adelaida, Darwin"),
        QStringLiteral("(GMT+10:00) Brisbane"),
        QStringLiteral("(GMT+10:00) Canberra, Melbourne, Sydney"),
        QStringLiteral("(GMT+10:00) Guam, Port Moresby"),
        QStringLiteral("(GMT+10:00) Hobart"),
        QStringLiteral("(GMT+10:00) Vladivostok"),
        QStringLiteral("(GMT+11:00) Magadán, Islas Salomón, Nueva Caledonia"),
        QStringLiteral("(GMT+12:00) Auckland, Wellington"),
        QStringLiteral("(GMT+12:00) Fiji, Kamchatka, Islas Marshall"),
    };
    return lines;
}

std::optional<int> ZoneAtMapPoint(int x, int y, bool rightButton)
{
    if (rightButton || y < LabelStripTop || y >= MapHeight || x < 0)
        return std::nullopt;
    // The "GMT" cell (180..194) is 15 pixels wide, the one after it 14, so from
    // x 195 on the cells start one pixel earlier.
    const int zone = x <= 194 ? x / 15 : (x + 1) / 15;
    if (zone >= ZoneCount)
        return std::nullopt; // x 374..376: after the last label
    return zone;
}

std::optional<int> ZoneOfRegionLine(const QString& line)
{
    if (line.size() < 7)
        return std::nullopt;
    const QChar sign = line.at(4);
    const QString digits = line.mid(5, 2);
    if (sign != u'+' && sign != u'-' && sign != u' ')
        return std::nullopt;
    if (!digits.at(0).isDigit() || !digits.at(1).isDigit())
        return std::nullopt;
    const int hours = digits.toInt();
    const int offset = sign == u'-' ? -hours : hours;
    if (offset < -12 || offset > 12)
        return std::nullopt;
    return offset + GmtZoneIndex;
}

QString RegionConfirmationText(const QString& regionLine, bool daylightSaving)
{
    return QStringLiteral("Confirme selección:\r\r\"") + regionLine + QStringLiteral("\".\r\rHorario verano: ")
        + (daylightSaving ? QStringLiteral("SI.") : QStringLiteral("NO."));
}

QString ZoneMapResource()
{
    return QStringLiteral(":/map/zonemap.png");
}

QString ZoneHighlightResource(int zoneIndex)
{
    return QStringLiteral(":/map/zone%1.png").arg(zoneIndex + 1, 2, 10, QLatin1Char('0'));
}
