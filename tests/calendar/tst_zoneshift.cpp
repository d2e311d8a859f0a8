// The calendar on the wall clock of a named time zone: every change at the
// local time QTimeZone gives for its instant, the calendar's invariants over
// sample years of zones with summer time, half-hour offsets, historic changes
// and a skipped date, the two awkward days of summer time with changes placed
// in and around the jumps, and UTC and Madrid against the whole-hour regions.
#include "calendar/CalendarInvariants.h"
#include "calendar/CalendarWindow.h"
#include "core/DayNumber.h"
#include "calendar/SignCalendar.h"
#include "calendar/SignChanges.h"
#include "support/CalendarSupport.h"
#include "support/TestSupport.h"
#include "calendar/ZoneShift.h"

#include <QDateTime>
#include <QTest>

namespace {

const QString Dmy = QStringLiteral("dd/MM/yyyy");

// Skips the test on a system without the time zone database.
#define REQUIRE_ZONE(zone)                                                                                           \
    if (!(zone).isValid())                                                                                           \
        QSKIP("the system's time zone database (Debian package tzdata) does not know this zone");

// A change at a UTC instant (whole minutes), placed in the base zone as the calendar's own are.
SignChange ChangeAt(const QDateTime& utc, int newSign)
{
    const QDateTime base = utc.addSecs(-12 * 3600);
    return {0, int(Day(base.date().year(), base.date().month(), base.date().day())),
            base.time().hour() * 60 + base.time().minute(), newSign};
}

QDateTime Utc(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

} // namespace

class TestZoneShift : public QObject {
    Q_OBJECT
private slots:
    void init();
    void changesReadOnTheZonesClock_data();
    void changesReadOnTheZonesClock();
    void wholeHourStretchesMatchTheRegions_data();
    void wholeHourStretchesMatchTheRegions();
    void summerTimeDays_data();
    void summerTimeDays();
    void skippedDateIsOneRow();
    void backToTheWholeHourRegion();

private:
    TestGral test_;
    Gral& gral_ = test_.gral;
    MessageRecorder* messages_ = &test_.messages;
};

void TestZoneShift::init()
{
    test_.reset();
    UseFullPeriod(gral_, Day(2026, 6, 15));
}

void TestZoneShift::changesReadOnTheZonesClock_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");
    const QByteArray zones[] = {"Europe/Madrid",    "America/Argentina/Buenos_Aires", "Asia/Kolkata", "Australia/Adelaide",
                                "America/St_Johns", "Pacific/Kiritimati",             "UTC"};
    // The period's ends (local mean times with seconds in 1900), the years of
    // Kiritimati's skipped date, and the present.
    const std::pair<int, int> windows[] = {{1900, 1901}, {1994, 1995}, {2025, 2026}, {2099, 2100}};
    for (const QByteArray& zone : zones)
        for (const auto& [first, last] : windows)
            QTest::addRow("%s %d-%d", zone.constData(), first, last) << zone << first << last;
}

// Every change of the years reads, on the zone's clock, at the local time an
// independent conversion of its UTC instant gives; the rows keep the invariants.
void TestZoneShift::changesReadOnTheZonesClock()
{
    QFETCH(QByteArray, zone);
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    const QTimeZone timeZone(zone);
    REQUIRE_ZONE(timeZone);
    gral_.calendar.namedZone = timeZone;
    BuildCalendarYearsShown(gral_, firstYear, lastYear);
    const int firstDay = Day(firstYear, 1, 1), lastDay = Day(lastYear, 12, 31);
    const QString broken = BrokenInvariant(gral_.calendar.signCalendar, firstDay, lastDay, ZoneClock::Named);
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
    QCOMPARE(gral_.calendar.dateIndex.size(), gral_.calendar.signCalendar.size());
    QVERIFY(messages_->messages().isEmpty());

    int checked = 0;
    for (const SignChange& change : ComputeSignChanges(firstDay - 3, lastDay)) {
        const QDateTime local = QDateTime(DateFromDayNumber(change.baseDay), QTime(0, 0), Qt::UTC)
                                    .addSecs(change.baseMinute * 60 + 12 * 3600)
                                    .toTimeZone(timeZone);
        const int day = int(DayNumberFromDate(local.date()));
        if (day < firstDay || day > lastDay)
            continue;
        const int minute = local.time().hour() * 60 + local.time().minute();
        const int row = gral_.calendar.dayRows.rowOf(day);
        QVERIFY(row > 0);
        const QString date = DatePattern(Dmy).format(day);
        if (minute == 0) { // at midnight: the whole date in the new sign
            QCOMPARE(gral_.calendar.signCalendar[row - 1], SignRowLine(date, 0, LastMinuteOfDay, change.newSign));
        } else {
            QVERIFY2(row < gral_.calendar.signCalendar.size(), qPrintable(date));
            QCOMPARE(gral_.calendar.signCalendar[row], SignRowLine(date, minute, LastMinuteOfDay, change.newSign));
        }
        ++checked;
    }
    QVERIFY(checked > 300);
}

void TestZoneShift::wholeHourStretchesMatchTheRegions_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("offset"); // the whole-hour region's offset on those dates
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("UTC is the GMT region") << QByteArray("UTC") << 12 << QDate(2025, 1, 1) << QDate(2026, 12, 31);
    QTest::newRow("Madrid in winter") << QByteArray("Europe/Madrid") << 13 << QDate(2026, 1, 1) << QDate(2026, 3, 28);
    QTest::newRow("Madrid in summer") << QByteArray("Europe/Madrid") << 14 << QDate(2026, 3, 30) << QDate(2026, 10, 24);
    QTest::newRow("Madrid the next winter") << QByteArray("Europe/Madrid") << 13 << QDate(2026, 10, 26)
                                            << QDate(2026, 12, 31);
    QTest::newRow("Buenos Aires") << QByteArray("America/Argentina/Buenos_Aires") << 9 << QDate(2025, 1, 1)
                                  << QDate(2026, 12, 31);
}

// Summer and winter dates each on their own clock: where the zone keeps a
// whole-hour offset, its rows are those of the region with that offset.
void TestZoneShift::wholeHourStretchesMatchTheRegions()
{
    QFETCH(QByteArray, zone);
    QFETCH(int, offset);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    const QTimeZone timeZone(zone);
    REQUIRE_ZONE(timeZone);
    gral_.calendar.zoneOffset = offset;
    BuildCalendarYearsShown(gral_, 2025, 2026);
    const QStringList region = gral_.calendar.signCalendar;
    const DayRowTable regionRows = gral_.calendar.dayRows;
    gral_.calendar.namedZone = timeZone;
    BuildCalendarYearsShown(gral_, 2025, 2026);
    const int first = int(DayNumberFromDate(from)), last = int(DayNumberFromDate(to));
    const auto stretch = [&](const QStringList& rows, const DayRowTable& table) {
        const int begin = table.rowOf(first) - 1;
        const int end = last == Day(2026, 12, 31) ? int(rows.size()) : table.rowOf(last + 1) - 1;
        return rows.mid(begin, end - begin);
    };
    const QStringList named = stretch(gral_.calendar.signCalendar, gral_.calendar.dayRows);
    QVERIFY(named.size() > (last - first));
    QCOMPARE(named, stretch(region, regionRows));
}

void TestZoneShift::summerTimeDays_data()
{
    QTest::addColumn<QDateTime>("change"); // UTC
    QTest::addColumn<QString>("firstRow");
    QTest::addColumn<QString>("secondRow");
    // 29 March 2026: at 01:00 UTC Madrid's clock goes from 02:00 to 03:00.
    QTest::newRow("last minute before the gap") << Utc(2026, 3, 29, 0, 59) << "29/03/2026 00:00 01:58 04"
                                                << "29/03/2026 01:59 23:59 05";
    QTest::newRow("at the jump: first minute after the gap") << Utc(2026, 3, 29, 1, 0) << "29/03/2026 00:00 02:59 04"
                                                             << "29/03/2026 03:00 23:59 05";
    // 01:30 UTC, which a winter clock would read as 02:30, inside the skipped hour.
    QTest::newRow("in the skipped hour by the winter clock") << Utc(2026, 3, 29, 1, 30)
                                                             << "29/03/2026 00:00 03:29 04"
                                                             << "29/03/2026 03:30 23:59 05";
    // 25 October 2026: at 01:00 UTC the clock goes from 03:00 back to 02:00.
    QTest::newRow("repeated hour, first pass") << Utc(2026, 10, 25, 0, 30) << "25/10/2026 00:00 02:29 04"
                                               << "25/10/2026 02:30 23:59 05";
    QTest::newRow("last minute of summer time") << Utc(2026, 10, 25, 0, 59) << "25/10/2026 00:00 02:58 04"
                                                << "25/10/2026 02:59 23:59 05";
    QTest::newRow("first minute of winter time") << Utc(2026, 10, 25, 1, 0) << "25/10/2026 00:00 01:59 04"
                                                 << "25/10/2026 02:00 23:59 05";
    QTest::newRow("repeated hour, second pass") << Utc(2026, 10, 25, 1, 30) << "25/10/2026 00:00 02:29 04"
                                                << "25/10/2026 02:30 23:59 05";
}

// A synthetic list: a change two days before, the one under test, one two days after.
void TestZoneShift::summerTimeDays()
{
    QFETCH(QDateTime, change);
    QFETCH(QString, firstRow);
    QFETCH(QString, secondRow);
    const QTimeZone madrid("Europe/Madrid");
    REQUIRE_ZONE(madrid);
    const std::vector<SignChange> changes = {ChangeAt(change.addDays(-2), 4), ChangeAt(change, 5),
                                             ChangeAt(change.addDays(2), 6)};
    const int day = int(DayNumberFromDate(change.date()));
    const CalendarRows rows = ShiftChangesToZone(changes, madrid, day - 1, day + 1, DatePattern(Dmy));
    QCOMPARE(rows.lines.size(), 4);
    QCOMPARE(rows.lines.at(0), SignRowLine(DatePattern(Dmy).format(day - 1), 0, LastMinuteOfDay, 4));
    QCOMPARE(rows.lines.at(1), firstRow);
    QCOMPARE(rows.lines.at(2), secondRow);
    QCOMPARE(rows.lines.at(3), SignRowLine(DatePattern(Dmy).format(day + 1), 0, LastMinuteOfDay, 5));
    QCOMPARE(rows.days, (std::vector<int>{day - 1, day, day, day + 1}));
    QCOMPARE(rows.dateTexts.at(1), firstRow.left(10));
    // The 23- or 25-hour day still runs from 00:00 to 23:59 on its clock.
    QVERIFY(BrokenInvariant(rows.lines, day - 1, day + 1, ZoneClock::Named).isEmpty());
}

// Kiritimati went from UTC-10 to UTC+14 at the end of 1994: its clock never
// read 31/12/1994, which still has its one row, in the sign held across.
void TestZoneShift::skippedDateIsOneRow()
{
    const QTimeZone kiritimati("Pacific/Kiritimati");
    REQUIRE_ZONE(kiritimati);
    QCOMPARE(Utc(1994, 12, 31, 9, 59).toTimeZone(kiritimati).date(), QDate(1994, 12, 30));
    QCOMPARE(Utc(1994, 12, 31, 10, 0).toTimeZone(kiritimati).date(), QDate(1995, 1, 1));
    gral_.calendar.namedZone = kiritimati;
    BuildCalendarYearsShown(gral_, 1994, 1995);
    const int skipped = Day(1994, 12, 31);
    const int row = gral_.calendar.dayRows.rowOf(skipped);
    QVERIFY(row > 0);
    QCOMPARE(gral_.calendar.dayRows.rowOf(skipped + 1), row + 1);
    const QString line = gral_.calendar.signCalendar[row - 1];
    QVERIFY2(line.startsWith("31/12/1994 00:00 23:59 "), qPrintable(line));
    QCOMPARE(SignField(line), SignField(gral_.calendar.signCalendar[row - 2]));
}

// Without a named zone the build is the whole-hour region's again.
void TestZoneShift::backToTheWholeHourRegion()
{
    const QTimeZone madrid("Europe/Madrid");
    REQUIRE_ZONE(madrid);
    gral_.calendar.zoneOffset = 13;
    BuildCalendarYearsShown(gral_, 2025, 2026);
    const QStringList region = gral_.calendar.signCalendar;
    gral_.calendar.namedZone = madrid;
    BuildCalendarShown(gral_); // the years held: 2025-2026
    QCOMPARE(gral_.calendar.calendarFirstYear, 2025);
    QVERIFY(gral_.calendar.signCalendar != region);
    gral_.calendar.namedZone = QTimeZone();
    BuildCalendarShown(gral_);
    QCOMPARE(gral_.calendar.signCalendar, region);
}

QTEST_GUILESS_MAIN(TestZoneShift)
#include "tst_zoneshift.moc"
