// The lunar theory and the sign changes it gives: outside reference values,
// an independent ephemeris over 1900-2100, the calendar's reference changes,
// the base-zone minute rule, and the year tables and sample years of the full
// period recomputed independently and compared change by change.
#include "core/DayNumber.h"
#include "calendar/LunarTheory.h"
#include "calendar/SignChanges.h"
#include "calendar/YearTable.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTest>
#include <algorithm>
#include <cmath>

namespace {

// Julian day of a base-zone (UTC-12) date and minute.
double JdOfBaseMinute(int day, double minute) { return JulianDayOfDayNumber(day + minute / 1440.0 + 0.5); }

// A second, deliberately plain computation of the changes: sample the sign
// every half day and bisect on the sign itself down to 1e-7 day.
std::vector<SignChange> ChangesByBisection(int firstDay, int lastDay)
{
    std::vector<SignChange> changes;
    double t0 = JdOfBaseMinute(firstDay, 0) - 0.05;
    const double end = JdOfBaseMinute(lastDay + 1, 0) + 0.05;
    int sign0 = SignAtJulianDay(t0);
    while (t0 < end) {
        const double t1 = t0 + 0.5;
        const int sign1 = SignAtJulianDay(t1);
        if (sign1 != sign0) {
            double lo = t0, hi = t1;
            while (hi - lo > 1e-7) {
                const double mid = 0.5 * (lo + hi);
                (SignAtJulianDay(mid) == sign0 ? lo : hi) = mid;
            }
            SignChange c;
            c.jdUT = 0.5 * (lo + hi);
            c.newSign = sign1;
            PlaceInBaseZone(c.jdUT, c.baseDay, c.baseMinute);
            if (c.baseDay >= firstDay && c.baseDay <= lastDay)
                changes.push_back(c);
        }
        t0 = t1;
        sign0 = sign1;
    }
    return changes;
}

struct EphemerisPoint {
    double jd;
    double longitudeDeg;
};

// The outside ephemeris's longitudes (tools/moon-longitude), read once.
const QList<EphemerisPoint>& OutsideEphemeris()
{
    static const QList<EphemerisPoint> points = [] {
        QList<EphemerisPoint> read;
        QFile file(QStringLiteral(PRONOS_MOON_LONGITUDE_FILE));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return read;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() == 2)
                read.append({fields[0].toDouble(), fields[1].toDouble()});
        }
        return read;
    }();
    return points;
}

// Difference a - b of two longitudes in arc-seconds, within -180..180 degrees.
double ArcsecondsApart(double aDeg, double bDeg)
{
    double d = std::fmod(aDeg - bDeg, 360.0);
    if (d > 180)
        d -= 360;
    if (d < -180)
        d += 360;
    return d * 3600;
}

} // namespace

class TestCalendarTheory : public QObject {
    Q_OBJECT
private slots:
    void outsideReferenceValues();
    void againstOutsideEphemeris_data();
    void againstOutsideEphemeris();
    void sampleYearsMatchTheory_data();
    void sampleYearsMatchTheory();
    void referenceChanges_data();
    void referenceChanges();
    void firstLastAndCounts();
    void changesAreWellFormed();
    void baseZoneMinuteRule_data();
    void baseZoneMinuteRule();
    void yearTablesMatchTheory();
    void builtInChangesMatchTheory();
};

void TestCalendarTheory::outsideReferenceValues()
{
    // Meeus, Astronomical Algorithms, example 47.a: 1992 April 12, 0h TD,
    // geocentric longitude referred to the mean equinox of date.
    struct Reference { double jd; double longitudeDeg; };
    const Reference references[] = {{2448724.5, 133.162655}};
    double largestErrorDeg = 0;
    for (const Reference& r : references)
        largestErrorDeg = std::max(largestErrorDeg, std::fabs(MoonLongitudeDeg(r.jd) - r.longitudeDeg));
    qInfo("largest error against the outside references: %.7f deg (%.3f arcsec)", largestErrorDeg,
          largestErrorDeg * 3600);
    QVERIFY(largestErrorDeg < 1e-6);
    // Reduction to 0..360 and continuity of the unreduced value.
    const double l = MoonLongitudeUnreducedDeg(2448724.5);
    QCOMPARE(std::fmod(l, 360.0) < 0 ? std::fmod(l, 360.0) + 360 : std::fmod(l, 360.0), MoonLongitudeDeg(2448724.5));
    QVERIFY(MoonLongitudeUnreducedDeg(2448725.5) - l > 11.0);
    QVERIFY(MoonLongitudeUnreducedDeg(2448725.5) - l < 16.0);
}

void TestCalendarTheory::againstOutsideEphemeris_data()
{
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");
    QTest::newRow("1900-1949") << 1900 << 1949;
    QTest::newRow("1950-1999") << 1950 << 1999;
    QTest::newRow("2000-2049") << 2000 << 2049;
    QTest::newRow("2050-2100") << 2050 << 2100;
    QTest::newRow("1900-2100") << 1900 << 2100;
}

// The theory at the ephemeris's own time argument: at most 25" apart, 5" rms.
void TestCalendarTheory::againstOutsideEphemeris()
{
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    const double from = JulianDayOfDayNumber(Day(firstYear, 1, 1));
    const double to = JulianDayOfDayNumber(Day(lastYear + 1, 1, 1));
    double largest = 0, sumOfSquares = 0;
    int compared = 0;
    for (const EphemerisPoint& point : OutsideEphemeris()) {
        if (point.jd < from || point.jd >= to)
            continue;
        const double error = ArcsecondsApart(MoonLongitudeDeg(point.jd), point.longitudeDeg);
        largest = std::max(largest, std::fabs(error));
        sumOfSquares += error * error;
        ++compared;
    }
    QVERIFY2(compared > 900, qPrintable(QString::number(compared)));
    const double rms = std::sqrt(sumOfSquares / compared);
    qInfo("%d-%d: %d instants, largest error %.2f arcsec, rms %.2f arcsec", firstYear, lastYear, compared, largest, rms);
    QVERIFY2(largest <= 25.0, qPrintable(QString::number(largest)));
    QVERIFY2(rms <= 5.0, qPrintable(QString::number(rms)));
}

void TestCalendarTheory::sampleYearsMatchTheory_data()
{
    QTest::addColumn<int>("year");
    for (int year : {1900, 1931, 1969, 2026, 2067, 2100})
        QTest::addRow("%d", year) << year;
}

// The changes the full edition computes for a year are those of a plain
// bisection on the sign, change by change.
void TestCalendarTheory::sampleYearsMatchTheory()
{
    QFETCH(int, year);
    const int first = Day(year, 1, 1) - 1, last = Day(year, 12, 31);
    const std::vector<SignChange> computed = SignChangesBetween(first, last);
    const std::vector<SignChange> bisected = ChangesByBisection(first, last);
    QCOMPARE(computed.size(), bisected.size());
    QVERIFY(computed.size() > 150);
    for (size_t i = 0; i < computed.size(); ++i) {
        const QByteArray where = QByteArray::number(year) + " change " + QByteArray::number(qulonglong(i));
        QVERIFY2(computed[i].baseDay == bisected[i].baseDay, where);
        QVERIFY2(computed[i].baseMinute == bisected[i].baseMinute, where);
        QVERIFY2(computed[i].newSign == bisected[i].newSign, where);
        QVERIFY2(std::fabs(computed[i].jdUT - bisected[i].jdUT) * 86400.0 < 0.05, where);
    }
}

void TestCalendarTheory::referenceChanges_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("newSign");
    const struct { int y, mo, d, h, mi, sign; } rows[] = {
        {2003, 12, 29, 6, 9, 1},  {2003, 12, 31, 17, 2, 2}, {2004, 1, 3, 5, 57, 3},  {2004, 1, 5, 18, 39, 4},
        {2004, 1, 8, 5, 39, 5},   {2004, 1, 10, 14, 38, 6}, {2004, 1, 12, 21, 39, 7}, {2004, 1, 15, 2, 33, 8},
        {2004, 1, 17, 5, 19, 9},  {2004, 1, 19, 6, 25, 10}, {2004, 1, 21, 7, 11, 11}, {2004, 1, 23, 9, 29, 12},
        {2004, 1, 25, 15, 6, 1},  {2004, 1, 28, 0, 47, 2},  {2004, 1, 30, 13, 19, 3}, {2004, 2, 2, 2, 4, 4},
        {2004, 2, 4, 12, 51, 5},  {2004, 2, 6, 21, 3, 6},   {2004, 2, 9, 3, 13, 7},   {2004, 2, 11, 7, 57, 8},
        {2004, 2, 13, 11, 36, 9}, {2004, 2, 15, 14, 15, 10}, {2004, 2, 17, 16, 28, 11}, {2004, 2, 19, 19, 27, 12},
        {2004, 2, 22, 0, 46, 1},  {2004, 2, 24, 9, 31, 2},  {2004, 2, 26, 21, 23, 3}, {2004, 2, 29, 10, 13, 4},
        {2004, 3, 2, 21, 19, 5},  {2004, 3, 5, 5, 19, 6},   {2004, 3, 7, 10, 31, 7},
    };
    for (const auto& r : rows)
        QTest::addRow("%02d/%02d/%04d", r.d, r.mo, r.y) << int(Day(r.y, r.mo, r.d)) << r.h * 60 + r.mi << r.sign;
}

void TestCalendarTheory::referenceChanges()
{
    QFETCH(int, day);
    QFETCH(int, minute);
    QFETCH(int, newSign);
    const std::vector<SignChange>& changes = CalendarSignChanges();
    const auto found = std::find_if(changes.begin(), changes.end(), [&](const SignChange& c) { return c.baseDay == day; });
    QVERIFY(found != changes.end());
    QCOMPARE(found->baseMinute, minute);
    QCOMPARE(found->newSign, newSign);
}

void TestCalendarTheory::firstLastAndCounts()
{
    const std::vector<SignChange>& changes = CalendarSignChanges();
    QCOMPARE(changes.front().baseDay, Day(2003, 1, 1));
    QCOMPARE(changes.front().baseMinute, 11 * 60 + 43);
    QCOMPARE(changes.front().newSign, 10);
    QCOMPARE(changes.back().baseDay, Day(2004, 12, 30));
    QCOMPARE(changes.back().baseMinute, 17 * 60 + 34);
    QCOMPARE(changes.back().newSign, 6);
    const auto in2003 = std::count_if(changes.begin(), changes.end(), [](const SignChange& c) { return c.baseDay < Day(2004, 1, 1); });
    QCOMPARE(in2003, 161);
    QCOMPARE(qsizetype(changes.size()) - in2003, 160);
    // The year tables' start signs are the signs the theory gives at the years' first minute.
    QCOMPARE(SignAtJulianDay(JdOfBaseMinute(Day(2003, 1, 1), 0)), int(Year2003Table.startSign));
    QCOMPARE(SignAtJulianDay(JdOfBaseMinute(Day(2004, 1, 1), 0)), int(Year2004Table.startSign));
}

void TestCalendarTheory::changesAreWellFormed()
{
    const std::vector<SignChange>& changes = CalendarSignChanges();
    for (size_t i = 0; i < changes.size(); ++i) {
        const SignChange& c = changes[i];
        const int minuteOfHour = c.baseMinute % 60;
        QVERIFY2(minuteOfHour >= 2 && minuteOfHour <= 57, qPrintable(QString::number(i)));
        // The root is the sign boundary to well under a second.
        const double halfSecond = 0.5 / 86400.0;
        const int oldSign = c.newSign == 1 ? 12 : c.newSign - 1;
        QCOMPARE(SignAtJulianDay(c.jdUT - halfSecond), oldSign);
        QCOMPARE(SignAtJulianDay(c.jdUT + halfSecond), c.newSign);
        if (i > 0) {
            QCOMPARE(c.newSign, changes[i - 1].newSign % 12 + 1);
            const double apartDays = c.jdUT - changes[i - 1].jdUT;
            QVERIFY2(apartDays > 1.9 && apartDays < 2.6, qPrintable(QString::number(apartDays)));
        }
    }
}

void TestCalendarTheory::baseZoneMinuteRule_data()
{
    QTest::addColumn<double>("baseSecond"); // seconds after 2004-01-09 00:00 in the base zone
    QTest::addColumn<int>("expectedDayOffset");
    QTest::addColumn<int>("expectedMinute");
    const int h22 = 22 * 3600;
    QTest::newRow("nearest down") << double(h22 + 10 * 60 + 29.9) << 0 << 22 * 60 + 10;
    QTest::newRow("nearest up") << double(h22 + 10 * 60 + 30.1) << 0 << 22 * 60 + 11;
    QTest::newRow("57:29 stays") << double(h22 + 57 * 60 + 29) << 0 << 22 * 60 + 57;
    QTest::newRow("57:30 to :57") << double(h22 + 57 * 60 + 30) << 0 << 22 * 60 + 57;
    QTest::newRow("59:59 to :57") << double(h22 + 59 * 60 + 59.9) << 0 << 22 * 60 + 57;
    QTest::newRow("full hour to :02") << double(h22 + 3600 + 0.01) << 0 << 23 * 60 + 2;
    QTest::newRow("01:29 to :02") << double(h22 + 3600 + 89.9) << 0 << 23 * 60 + 2;
    QTest::newRow("01:31 to :02") << double(h22 + 3600 + 91) << 0 << 23 * 60 + 2;
    QTest::newRow("02:31 to :03") << double(h22 + 3600 + 151) << 0 << 23 * 60 + 3;
    QTest::newRow("before midnight") << double(h22 + 3600 + 59 * 60 + 50) << 0 << 23 * 60 + 57;
    QTest::newRow("after midnight") << double(h22 + 2 * 3600 + 10) << 1 << 2;
}

void TestCalendarTheory::baseZoneMinuteRule()
{
    QFETCH(double, baseSecond);
    QFETCH(int, expectedDayOffset);
    QFETCH(int, expectedMinute);
    const int baseDay = Day(2004, 1, 9);
    int day = 0, minute = 0;
    PlaceInBaseZone(JdOfBaseMinute(baseDay, baseSecond / 60.0), day, minute);
    QCOMPARE(day, baseDay + expectedDayOffset);
    QCOMPARE(minute, expectedMinute);
}

void TestCalendarTheory::yearTablesMatchTheory()
{
    const std::vector<SignChange> recomputed = ChangesByBisection(Day(2003, 1, 1), Day(2004, 12, 31));
    for (const YearTableArguments& year : {Year2003Table, Year2004Table}) {
        YearTable expected, actual;
        const int expectedRows = FillYearTable(expected, year.year, recomputed);
        const int actualRows = FillYearTable(actual, year.year, CalendarSignChanges());
        QCOMPARE(actualRows, YearTableRows);
        QCOMPARE(expectedRows, YearTableRows);
        int stored = 0;
        for (int slot = 0; slot < YearTableSlots; ++slot) {
            const QByteArray where = QByteArray::number(year.year) + " slot " + QByteArray::number(slot);
            QVERIFY2(actual.date[slot] == expected.date[slot], where);
            if (actual.date[slot] == 0)
                continue;
            ++stored;
            QVERIFY2(MinuteOfDay(actual.fromTime[slot]) == MinuteOfDay(expected.fromTime[slot]), where);
            QVERIFY2(MinuteOfDay(actual.toTime[slot]) == MinuteOfDay(expected.toTime[slot]), where);
            QVERIFY2(actual.sign[slot] == expected.sign[slot], where);
            QVERIFY2(slot <= year.lastIndex, where);
            // The theory's sign half a minute into the row's first and last
            // minute is the row's sign, except near the change (the minute
            // rule moves a change by up to 3 minutes).
            const int day = int(actual.date[slot]);
            for (int minute : {MinuteOfDay(actual.fromTime[slot]), MinuteOfDay(actual.toTime[slot])}) {
                const double jd = JdOfBaseMinute(day, minute + 0.5);
                const bool nearChange = std::any_of(recomputed.begin(), recomputed.end(), [&](const SignChange& c) {
                    return std::fabs(c.jdUT - jd) < 3.5 / 1440.0;
                });
                if (!nearChange)
                    QVERIFY2(SignAtJulianDay(jd) == actual.sign[slot], where);
            }
        }
        QCOMPARE(stored, year.year == 2003 ? 322 : 320);
    }
}

// The changes the program carries as data are the theory's, row for row.
void TestCalendarTheory::builtInChangesMatchTheory()
{
    const std::vector<SignChange>& carried = CalendarSignChanges();
    const std::vector<SignChange>& theory = TheorySignChanges();
    QCOMPARE(carried.size(), theory.size());
    double largestGapSeconds = 0;
    for (size_t i = 0; i < carried.size(); ++i) {
        const QByteArray where = "row " + QByteArray::number(qulonglong(i));
        QVERIFY2(carried[i].baseDay == theory[i].baseDay, where);
        QVERIFY2(carried[i].baseMinute == theory[i].baseMinute, where);
        QVERIFY2(carried[i].newSign == theory[i].newSign, where);
        largestGapSeconds = std::max(largestGapSeconds, std::fabs(carried[i].jdUT - theory[i].jdUT) * 86400.0);
    }
    qInfo("largest difference between carried and computed instants: %.6f s", largestGapSeconds);
    QVERIFY(largestGapSeconds < 0.01);
}

QTEST_GUILESS_MAIN(TestCalendarTheory)
#include "tst_calendartheory.moc"
