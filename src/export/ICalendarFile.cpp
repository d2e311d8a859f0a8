#include "export/ICalendarFile.h"
#include "core/DisplayTexts.h"
#include "core/Edition.h"
#include "tendencies/MomentTexts.h"
#include "tendencies/TendencyRule.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <libical/ical.h>
#include <memory>

namespace {

constexpr qint64 SecondsPerDay = 86400;

int OffsetAt(const QTimeZone& zone, qint64 utc)
{
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utc, Qt::UTC));
}

// The fields of a wall-clock (or UTC) time as libical holds them.
icaltimetype IcalTime(qint64 secondsOnClock, bool utc)
{
    const QDateTime at = QDateTime::fromSecsSinceEpoch(secondsOnClock, Qt::UTC);
    icaltimetype t = icaltime_null_time();
    t.year = at.date().year();
    t.month = at.date().month();
    t.day = at.date().day();
    t.hour = at.time().hour();
    t.minute = at.time().minute();
    t.second = at.time().second();
    if (utc)
        t.zone = icaltimezone_get_utc_timezone();
    return t;
}

using Component = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

QByteArray Utf8(const QString& text) { return text.toUtf8(); }

// An event time: on the zone's clock with its TZID, or in UTC.
icalproperty* TimeProperty(icalproperty* (*make)(icaltimetype), const ExportClock& clock, qint64 utc)
{
    if (!clock.named || TwiceOnClock(clock.zone, utc))
        return make(IcalTime(utc, true));
    icalproperty* property = make(IcalTime(utc + OffsetAt(clock.zone, utc), false));
    icalproperty_add_parameter(property, icalparameter_new_tzid(clock.zone.id().constData()));
    return property;
}

icalcomponent* Observance(const QTimeZone::OffsetData& transition, int offsetBefore)
{
    const bool daylight = transition.daylightTimeOffset != 0;
    icalcomponent* observance = daylight ? icalcomponent_new_xdaylight() : icalcomponent_new_xstandard();
    // The onset is stated on the clock in force before it.
    const qint64 onset = transition.atUtc.toSecsSinceEpoch();
    icalcomponent_add_property(observance, icalproperty_new_dtstart(IcalTime(onset + offsetBefore, false)));
    icalcomponent_add_property(observance, icalproperty_new_tzoffsetfrom(offsetBefore));
    icalcomponent_add_property(observance, icalproperty_new_tzoffsetto(transition.offsetFromUtc));
    if (!transition.abbreviation.isEmpty())
        icalcomponent_add_property(observance, icalproperty_new_tzname(Utf8(transition.abbreviation).constData()));
    return observance;
}

// The zone's definition over [fromUtc, toUtc]: the observance in force at
// the start and every transition up to the end, from the same zone database
// the calendar was shifted with.
icalcomponent* TimeZoneDefinition(const QTimeZone& zone, qint64 fromUtc, qint64 toUtc)
{
    icalcomponent* definition = icalcomponent_new_vtimezone();
    icalcomponent_add_property(definition, icalproperty_new_tzid(zone.id().constData()));
    const QDateTime from = QDateTime::fromSecsSinceEpoch(fromUtc, Qt::UTC);
    QTimeZone::OffsetDataList transitions = zone.transitions(from, QDateTime::fromSecsSinceEpoch(toUtc, Qt::UTC));
    const QTimeZone::OffsetData before = zone.previousTransition(from);
    if (before.atUtc.isValid())
        transitions.prepend(before);
    if (transitions.isEmpty()) {
        // A zone without transitions: one standard observance of its offset.
        QTimeZone::OffsetData fixed = zone.offsetData(from);
        fixed.atUtc = QDateTime::fromSecsSinceEpoch(0, Qt::UTC);
        fixed.daylightTimeOffset = 0;
        icalcomponent_add_component(definition, Observance(fixed, fixed.offsetFromUtc));
        return definition;
    }
    for (const QTimeZone::OffsetData& transition : transitions)
        icalcomponent_add_component(definition,
                                    Observance(transition, OffsetAt(zone, transition.atUtc.toSecsSinceEpoch() - 1)));
    return definition;
}

icalcomponent* Event(const ExportEvent& event, const ExportClock& clock, const icaltimetype& stamp)
{
    icalcomponent* vevent = icalcomponent_new_vevent();
    icalcomponent_add_property(vevent, icalproperty_new_uid(Utf8(EventUid(event)).constData()));
    icalcomponent_add_property(vevent, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(vevent, TimeProperty(icalproperty_new_dtstart, clock, event.startUtc));
    icalcomponent_add_property(vevent, TimeProperty(icalproperty_new_dtend, clock, event.endUtc));
    icalcomponent_add_property(vevent, icalproperty_new_summary(Utf8(EventSummary(event)).constData()));
    icalcomponent_add_property(vevent, icalproperty_new_description(Utf8(EventDescription(event)).constData()));
    icalcomponent_add_property(vevent, icalproperty_new_categories(Utf8(LevelName(event.level)).constData()));
    // A tendency is no appointment: it must not mark the staff busy.
    icalcomponent_add_property(vevent, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return vevent;
}

} // namespace

QString EventSummary(const ExportEvent& event)
{
    return LevelName(event.level) + QStringLiteral(" – ") + event.member.name;
}

QString EventDescription(const ExportEvent& event)
{
    const MomentTexts texts = MomentTextsFor(DefaultLevelColors, MemberSignOf(event.member.birthDate), event.sign);
    return texts.game + u'\n' + texts.disposition + u'\n' + texts.recommendation;
}

QString EventUid(const ExportEvent& event)
{
    const QByteArray member = Utf8(event.member.name) + '|'
                              + DateFromDayNumber(event.member.birthDate).toString(Qt::ISODate).toLatin1();
    const QString memberKey =
        QString::fromLatin1(QCryptographicHash::hash(member, QCryptographicHash::Sha1).toHex().left(16));
    const QString start =
        QDateTime::fromSecsSinceEpoch(event.startUtc, Qt::UTC).toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    return start + u'-' + memberKey + QStringLiteral("@pronos.zeltmark");
}

bool TwiceOnClock(const QTimeZone& zone, qint64 utc)
{
    const int offset = OffsetAt(zone, utc);
    const qint64 wallClock = utc + offset;
    // Another offset in force within hours of the instant that reads the same
    // wall-clock time at an instant of its own.
    for (const qint64 away : {-SecondsPerDay / 4, SecondsPerDay / 4}) {
        const int other = OffsetAt(zone, utc + away);
        if (other != offset && OffsetAt(zone, wallClock - other) == other)
            return true;
    }
    return false;
}

QByteArray ComposeICalendar(const ExportPlan& plan, const ExportClock& clock, const QString& prodId,
                            const QDateTime& stamp)
{
    Component calendar(icalcomponent_new_vcalendar(), icalcomponent_free);
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(Utf8(prodId).constData()));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
    // The name and zone calendar clients give a subscribed feed.
    auto extension = [&](const char* name, const QString& value) {
        icalproperty* property = icalproperty_new_x(Utf8(value).constData());
        icalproperty_set_x_name(property, name);
        icalcomponent_add_property(calendar.get(), property);
    };
    if (!plan.who.isEmpty())
        extension("X-WR-CALNAME", QStringLiteral("Tendencias – ") + plan.who);
    if (clock.named)
        extension("X-WR-TIMEZONE", QString::fromUtf8(clock.zone.id()));
    if (clock.named && !plan.events.isEmpty()) {
        qint64 firstStart = plan.events.first().startUtc, lastEnd = plan.events.first().endUtc;
        for (const ExportEvent& event : plan.events) {
            firstStart = std::min(firstStart, event.startUtc);
            lastEnd = std::max(lastEnd, event.endUtc);
        }
        icalcomponent_add_component(
            calendar.get(), TimeZoneDefinition(clock.zone, firstStart - SecondsPerDay, lastEnd + SecondsPerDay));
    }
    const icaltimetype stampTime = IcalTime(stamp.toSecsSinceEpoch(), true);
    for (const ExportEvent& event : plan.events)
        icalcomponent_add_component(calendar.get(), Event(event, clock, stampTime));
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    QByteArray bytes(text);
    free(text);
    return bytes;
}

QString ExportProductId()
{
    return QStringLiteral("-//Zeltmark//%1 %2//ES")
        .arg(CurrentEdition().mainWindowCaption, QStringLiteral(PRONOS_VERSION));
}

Result<void> SaveExportFile(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    if (!info.dir().exists())
        return Failure{QStringLiteral("La carpeta \"%1\" no existe.").arg(QDir::toNativeSeparators(info.absolutePath())),
                       StyleError};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Failure{QStringLiteral("No se pudo escribir el archivo \"%1\": %2")
                           .arg(QDir::toNativeSeparators(path), file.errorString()),
                       StyleError};
    return {};
}
