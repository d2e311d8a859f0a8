// The calendar for any years of 1900-2100: the DEMO's lists unchanged to the
// byte, year tables derived from the sign changes, every row of sample years
// (the period's two ends among them) against a plain model of the zone shift,
// the window of years that moves with the shown day, and the day table.
#include "calendar/CalendarInvariants.h"
#include "calendar/CalendarWindow.h"
#include "core/DatePattern.h"
#include "core/DayNumber.h"
#include "calendar/LunarTheory.h"
#include "calendar/SignCalendar.h"
#include "calendar/SignChanges.h"
#include "calendar/SignRowText.h"
#include "support/CalendarSupport.h"
#include "support/TestSupport.h"
#include "calendar/YearTable.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QTimeZone>
#include <QSet>
#include <QTest>
#include <algorithm>

namespace {

const QString Dmy = QStringLiteral("dd/MM/yyyy");

// The first 16 hexadecimal digits of the SHA-1 of the lines, each ended by '\n'
// (the same as `pronos-calendar ... | sha1sum`).
QByteArray ListHash(const QStringList& lines)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString& line : lines) {
        hash.addData(line.toUtf8());
        hash.addData(QByteArrayView("\n"));
    }
    return hash.result().toHex().left(16);
}

// The region's rows of days firstDay..lastDay worked out directly from the
// sign changes: a change at base-zone minute M of day B is at minute
// B*1440 + M + 60*hours on the region's time line. `changes` must begin
// before firstDay. Empty when a day would hold two changes.
QStringList ModelRows(int firstDay, int lastDay, int offset, const std::vector<SignChange>& changes)
{
    const int hours = (offset == 0 || offset > 23) ? 0 : offset;
    std::vector<std::pair<qint64, int>> timeline; // minute, new sign
    for (const SignChange& c : changes)
        timeline.emplace_back(qint64(c.baseDay) * 1440 + c.baseMinute + 60 * hours, c.newSign);
    size_t next = 0;
    while (next < timeline.size() && timeline[next].first < qint64(firstDay) * 1440)
        ++next;
    if (next == 0 || next == timeline.size())
        return {};
    int sign = timeline[next - 1].second;
    QStringList rows;
    for (int day = firstDay; day <= lastDay; ++day) {
        const QString date = DatePattern(Dmy).format(day);
        const qint64 dayEnd = qint64(day + 1) * 1440;
        if (next < timeline.size() && timeline[next].first < dayEnd) {
            const int minute = int(timeline[next].first - qint64(day) * 1440);
            rows << SignRowLine(date, 0, minute - 1, sign) << SignRowLine(date, minute, LastMinuteOfDay, timeline[next].second);
            sign = timeline[next].second;
            if (++next < timeline.size() && timeline[next].first < dayEnd)
                return {};
        } else {
            rows << SignRowLine(date, 0, LastMinuteOfDay, sign);
        }
    }
    return rows;
}

// Every change of 1900-2100 (and the days before), computed once.
const std::vector<SignChange>& AllChanges()
{
    static const std::vector<SignChange> changes = ComputeSignChanges(int(FullFirstDayNumber) - 5, int(FullLastDayNumber));
    return changes;
}

} // namespace

class TestCalendarWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void demoListsUnchanged_data();
    void demoListsUnchanged();
    void demoYearTablesDerived();
    void classicYearsUnchanged_data();
    void classicYearsUnchanged();
    void yearRowCountsOverThePeriod();
    void yearsAgainstModel_data();
    void yearsAgainstModel();
    void windowsAgreeAcrossYearEnds();
    void yearStartsMeetingAnEdge();
    void windowYears_data();
    void windowYears();
    void windowMovesWithTheShownDay();
    void dayTableMatchesDateIndex();
    void calendarToolPrintsYears_data();
    void calendarToolPrintsYears();

private:
    TestGral test_;
    Gral& gral_ = test_.gral;
    MessageRecorder* messages_ = &test_.messages;
};

void TestCalendarWindow::init()
{
    test_.reset();
}

void TestCalendarWindow::demoListsUnchanged_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("hash");
    // `pronos-calendar --offset N --pattern P | sha1sum` of the DEMO as it has always been.
    const struct {
        const char* pattern;
        std::array<const char*, 25> hashes;
    } expected[] = {
        {"dd/MM/yyyy",
        {"90d1e98f97da0af4", "8ab420b700a29c16", "a0e015f8e35ce574", "998eed8fd786dff1", "179e0b4e63ac98a4",
         "2914b56f6794a50d", "82c89f30d85364a9", "86e8c3082f0de781", "b28e7f90f4d958be", "3d7d81a62a1f171e",
         "2cb0300ccfdfa05a", "5408939814942b7a", "803a52f40884efb5", "539a4cbcdaa4602b", "4caea517eccc2c76",
         "a2cd61fbc50452b3", "35795bce81ce8cb4", "d811ed1397a3a31c", "81466bfa089dd965", "aa7a47654e77c35f",
         "ff75ed6d75fc6695", "1a3c5a02dcce6c85", "a6d454d6f5cd6146", "4fecea618119f46e", "90d1e98f97da0af4"}},
        {"MM/dd/yyyy",
        {"32528d1be51161eb", "164ec3452f89aa6e", "b162843b5a63333d", "6b4bee33b7549751", "185b014cc69f1d62",
         "14e6011f2dbd91a3", "0752fba9c496039b", "791cbbcee1f94196", "f3bedbeb4e23b02a", "fb4b05ce19d703d7",
         "cae5f525675f9e1e", "9d3ca7995f8b4437", "4c5ca7ec0c991834", "d1314cb2d95c6782", "63bc85e56a96766b",
         "e53b54138fd31fb1", "f5ea5f0ff47170dd", "6964ec8efc56300f", "77da8642facd4fb0", "7fd4552b4df17ef8",
         "da165e4870e7c99d", "6bce5a1e7ceedb71", "1c60f1cbee70c48c", "6836d6522a6bca81", "32528d1be51161eb"}},
        {"yyyy-MM-dd",
        {"d0303556749be3e4", "cf3f181435ae0318", "89e70a3466b2fa6d", "9a9200f00bafee37", "07bf6fc73005a4ac",
         "b82eb41ede69bbe8", "f97b35f11c3039f0", "545f5e264efb0db9", "67dd561b4d8906a2", "977d9d421dce82e4",
         "8ede2f3455f49f9f", "77558bb69b1a99ce", "1ec32f917d070479", "369692fbf88c8dc4", "7e91d3a64a2f8b80",
         "a7f1ece486f6b4fa", "ca8786f86a8f7d93", "855b03699dd76ac0", "a34a486990ed0411", "7fffe21563830f31",
         "911d43c4c508643e", "11c546cbbcce749c", "8aef78716594fe81", "657f3b3777b929f0", "d0303556749be3e4"}},
        {"dd.MM.yyyy",
        {"e0a37fa1a5f7a229", "058473ad96aa8ad0", "7232fe951ca98c5d", "a8fbcc29c0f45522", "3e4bc9b642f95971",
         "a47862f5414541f1", "bc42cb01d2450e71", "1d99c4fa6ce4c2e6", "c6683f6c74661248", "b2cf61fad96f2f52",
         "efac117df2f6c5cd", "721db0474ba7c9e3", "a385d79adb520b55", "8ab052b1e559f352", "9f8b4827d224d7e7",
         "d59b7911179ce542", "0f95058dc686ec1a", "5c2c6270c22b6515", "884cc29bf99ae0bd", "6352bcf5a809df69",
         "43336b41723890e5", "bd19527980dd00c5", "112f612ae426f5e7", "2b5c7f699638a482", "e0a37fa1a5f7a229"}},
    };
    for (const auto& [pattern, hashes] : expected)
        for (int offset = 0; offset <= 24; ++offset)
            QTest::addRow("%s offset %d", pattern, offset)
                << QString::fromLatin1(pattern) << offset << QByteArray(hashes[size_t(offset)]);
}

void TestCalendarWindow::demoListsUnchanged()
{
    QFETCH(QString, pattern);
    QFETCH(int, offset);
    QFETCH(QByteArray, hash);
    gral_.environment.systemDateFormat = pattern;
    gral_.calendar.zoneOffset = offset;
    BuildCalendarShown(gral_);
    QCOMPARE(gral_.calendar.signCalendar.size(), 1052);
    QCOMPARE(ListHash(gral_.calendar.signCalendar), hash);
    // Asked for by years, 2003-2004 are the same list.
    gral_.calendar.coveredPeriod.firstDay = FullFirstDayNumber;
    gral_.calendar.coveredPeriod.lastDay = FullLastDayNumber;
    const QStringList demo = gral_.calendar.signCalendar;
    BuildCalendarYearsShown(gral_, 2003, 2004);
    QCOMPARE(gral_.calendar.signCalendar, demo);
}

void TestCalendarWindow::demoYearTablesDerived()
{
    const std::vector<SignChange>& changes = CalendarSignChanges();
    for (const YearTableArguments& demo : {Year2003Table, Year2004Table}) {
        const YearTableArguments derived = DeriveYearTable(demo.year, changes);
        QCOMPARE(derived.year, demo.year);
        QCOMPARE(derived.startSign, demo.startSign);
        QCOMPARE(derived.lastIndex, demo.lastIndex);
        QCOMPARE(derived.baseDate, demo.baseDate);
    }
}

void TestCalendarWindow::classicYearsUnchanged_data()
{
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("hash");
    // `pronos-calendar --years A-B --offset N | sha1sum` of the 25 whole-hour
    // regions as they were before time zones by name came.
    const struct {
        int first, last;
        std::array<const char*, 25> hashes;
    } expected[] = {
        {1900, 1901,
         {"037c328bd30606c6", "35bf5ca960102dbe", "6c7c4e01adc5cc38", "a41db3a05cd86ae9", "b623eeb9c3565de0",
          "d9e4ae78cfeb8825", "ef58e11f2d08987d", "67d95ce6f9140283", "f803d39fab649941", "c0a2ddd4dd52ba71",
          "d7ee8807e8f15e92", "71cd86e7d93c049c", "690478887e81179a", "d958cc4bac856d97", "4be04af016eabac5",
          "8172fce6b25c3f0a", "0af89392da371d06", "a87a01023aee9d54", "036dd757272311ec", "3061adcd8c01f7f0",
          "284450934976f19f", "f7881dbeb96d5b37", "e289bf951bbb0ee3", "1056abbdbce63a7d", "037c328bd30606c6"}},
        {1969, 1970,
         {"ac09e05e6e79bea6", "0d11333ab5d3984f", "57a9455d669a19b2", "cd291ba4303f2bc7", "e8e64495261de602",
          "e4018b9e6c30baa3", "e02a84f8c6b4f9d7", "33aa7d7d2002bc44", "4e6f0fc15ed892e6", "fa1e032087b3d083",
          "6a94e3dbda404fcf", "47d12db0de0bcfda", "994a319a0be885f7", "70c1f7deb9cb9232", "2876e3545ecd1525",
          "263cfebc2cb57522", "523ca13d3730c58b", "e8b38626ccd56114", "3d2e81790d9a322c", "e747cc1477f2692c",
          "6a38bb1c2361be70", "9b96e2f4b77c9973", "5d5819ad38d95c24", "678d0f38ecb24e9a", "ac09e05e6e79bea6"}},
        {2025, 2026,
         {"b725efecc6b0d501", "0ce92a5ca4a47219", "c5eaedd58b1c76b3", "b6a08a94756fc419", "4a03a5959c5001da",
          "c673fa40cec995dc", "22ee5fbbd261abf0", "0e743604f2a1e9d3", "5c0d9ea49b4bebe7", "e08d6dbea3b78379",
          "0fe985ada3847bd1", "d9f27cae073ca378", "53d9f71d67d9fe1d", "6f753cc3860cc4ca", "16e43edc8c6052d2",
          "00a2e69e90bdab0d", "28ae06b4318c3618", "86048a88971da3af", "ab60a25012e05f7c", "23a6b20134cd5d6e",
          "fa2b690e1280bb72", "6cbc569340c3047a", "76552dec679882a2", "63284cba964a0122", "b725efecc6b0d501"}},
        {2099, 2100,
         {"5cbb5c41775d20ce", "43a922ac87347424", "64baca7031aa34dd", "0c38fcd337a7a54f", "c819eaaa3adde324",
          "58ff9a208a9b5985", "3161e5337244c8b2", "7b75df2440486163", "dcfd2e4e3432e173", "5287baf7b668b7d5",
          "3a3c8971c74d9764", "42ac76fc9198b66a", "cf91a8e742ceb4d0", "5406b4542a076327", "e5decb1183dfb821",
          "f5cadc89ca6f75fe", "c56bfbf5a686526c", "cfd9ec0a79514247", "aac3d62148128b67", "2a270273a64f68b7",
          "7f690e1fca0d3cf3", "caf3b510c4eceab4", "840ebc5c96b57e07", "a4a47c56f49eed3c", "5cbb5c41775d20ce"}},
    };
    for (const auto& [first, last, hashes] : expected)
        for (int offset = 0; offset <= 24; ++offset)
            QTest::addRow("%d-%d offset %d", first, last, offset) << first << last << offset
                                                            << QByteArray(hashes[size_t(offset)]);
}

// The whole-hour regions of the full edition give the same bytes as before,
// also after a build for a named zone.
void TestCalendarWindow::classicYearsUnchanged()
{
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    QFETCH(int, offset);
    QFETCH(QByteArray, hash);
    UseFullPeriod(gral_, Day(2025, 6, 15));
    gral_.calendar.zoneOffset = offset;
    gral_.calendar.namedZone = QTimeZone(QByteArrayLiteral("Asia/Kolkata"));
    BuildCalendarYearsShown(gral_, firstYear, lastYear);
    gral_.calendar.namedZone = QTimeZone();
    BuildCalendarYearsShown(gral_, firstYear, lastYear);
    QCOMPARE(ListHash(gral_.calendar.signCalendar), hash);
}

void TestCalendarWindow::yearRowCountsOverThePeriod()
{
    int fewest = 1000, most = 0;
    for (int year = 1900; year <= 2100; ++year) {
        const YearTableArguments arguments = DeriveYearTable(year, AllChanges());
        const int rows = arguments.lastIndex + 1;
        fewest = std::min(fewest, rows);
        most = std::max(most, rows);
        QVERIFY2(rows < YearTableSlots, qPrintable(QString::number(year)));
        // The start sign is the theory's sign at the year's first instant (the
        // minute rule keeps a change from falling on midnight).
        QCOMPARE(int(arguments.startSign),
                 SignAtJulianDay(JulianDayOfDayNumber(arguments.baseDate + BaseZoneHoursBehindUtc / 24.0)));
    }
    QCOMPARE(fewest, 525);
    QCOMPARE(most, 528);
}

void TestCalendarWindow::yearsAgainstModel_data()
{
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");
    QTest::addColumn<int>("offset");
    const std::pair<int, int> windows[] = {{1900, 1901}, {1950, 1951}, {2025, 2026}, {2099, 2100}};
    for (const auto& [first, last] : windows)
        for (int offset = 0; offset <= 24; ++offset)
            QTest::addRow("%d-%d offset %d", first, last, offset) << first << last << offset;
}

void TestCalendarWindow::yearsAgainstModel()
{
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    QFETCH(int, offset);
    UseFullPeriod(gral_, Day(2025, 6, 15));
    gral_.calendar.zoneOffset = offset;
    BuildCalendarYearsShown(gral_, firstYear, lastYear);
    const int firstDay = Day(firstYear, 1, 1), lastDay = Day(lastYear, 12, 31);
    const QString broken = BrokenInvariant(gral_.calendar.signCalendar, firstDay, lastDay);
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
    const QStringList model = ModelRows(firstDay, lastDay, offset, AllChanges());
    QVERIFY(!model.isEmpty());
    QCOMPARE(gral_.calendar.signCalendar.size(), model.size());
    for (qsizetype i = 0; i < model.size(); ++i) {
        const QString& line = gral_.calendar.signCalendar[i];
        QVERIFY2(line == model[i], qPrintable(line + " / " + model[i]));
    }
    QCOMPARE(gral_.calendar.dateIndex.size(), gral_.calendar.signCalendar.size());
    QVERIFY(messages_->messages().isEmpty());
}

void TestCalendarWindow::windowsAgreeAcrossYearEnds()
{
    // A year's rows do not depend on the window it was built in.
    UseFullPeriod(gral_, Day(2025, 6, 15));
    for (int offset : {1, 12, 13, 23}) {
        gral_.calendar.zoneOffset = offset;
        BuildCalendarYearsShown(gral_, 2040, 2041);
        const QStringList early = gral_.calendar.signCalendar.mid(gral_.calendar.dayRows.rowOf(Day(2041, 1, 1)) - 1);
        BuildCalendarYearsShown(gral_, 2041, 2042);
        const QStringList late = gral_.calendar.signCalendar.mid(0, gral_.calendar.dayRows.rowOf(Day(2042, 1, 1)) - 1);
        QCOMPARE(early, late);
    }
}

void TestCalendarWindow::yearStartsMeetingAnEdge()
{
    // A change on 31 December (base zone) that some offset carries into
    // 1 January: the years whose first day takes its split from the year before.
    int meeting = 0;
    for (int year = 1900; year <= 2100; ++year) {
        const int dayBefore = Day(year, 1, 1) - 1;
        meeting += int(std::count_if(AllChanges().begin(), AllChanges().end(), [&](const SignChange& c) {
            return c.baseDay == dayBefore && c.baseMinute + 23 * 60 >= 1440;
        }));
    }
    qInfo("year starts meeting a change carried from the day before: %d of 201", meeting);
    QCOMPARE(meeting, 87);
}

void TestCalendarWindow::windowYears_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("first half: the year before") << int(Day(2025, 6, 15)) << 2024 << 2025;
    QTest::newRow("second half: the year after") << int(Day(2025, 7, 3)) << 2025 << 2026;
    QTest::newRow("last days of a year") << int(Day(2025, 12, 28)) << 2025 << 2026;
    QTest::newRow("period start") << int(Day(1900, 1, 1)) << 1900 << 1901;
    QTest::newRow("period end") << int(Day(2100, 12, 31)) << 2099 << 2100;
    QTest::newRow("before the period") << int(Day(1850, 3, 1)) << 1900 << 1901;
    QTest::newRow("after the period") << int(Day(2150, 3, 1)) << 2099 << 2100;
}

void TestCalendarWindow::windowYears()
{
    QFETCH(int, day);
    QFETCH(int, first);
    QFETCH(int, last);
    QCOMPARE(CalendarYearsAround(FullFirstDayNumber, FullLastDayNumber, day), (CalendarYears{first, last}));
    // The DEMO's two years are always held whole.
    QCOMPARE(CalendarYearsAround(FirstCoveredDayNumber, LastCoveredDayNumber, day), (CalendarYears{2003, 2004}));
}

void TestCalendarWindow::windowMovesWithTheShownDay()
{
    UseFullPeriod(gral_, Day(2025, 6, 15));
    gral_.calendar.zoneOffset = 13;
    int busy = 0;
    test_.platform.onBusyCursor = [&busy](bool on) { busy += on ? 1 : 0; };
    BuildCalendarShown(gral_); // around the period's start day, 15 June 2025
    QCOMPARE(gral_.calendar.calendarFirstYear, 2024);
    QCOMPARE(gral_.calendar.calendarLastYear, 2025);
    QCOMPARE(busy, 1);

    // Inside the window: looked up, nothing built.
    QVERIFY(CalendarDayRow(gral_, Day(2025, 12, 24), 6) > 0);
    QCOMPARE(busy, 1);
    // A week that reaches into 2026 moves the window forward...
    const int row = CalendarDayRow(gral_, Day(2025, 12, 28), 6);
    QCOMPARE(busy, 2);
    QCOMPARE(gral_.calendar.calendarFirstYear, 2025);
    QCOMPARE(gral_.calendar.calendarLastYear, 2026);
    QVERIFY(gral_.calendar.signCalendar.at(row - 1).startsWith("28/12/2025 00:00"));
    QVERIFY(CalendarDayRow(gral_, Day(2026, 1, 3), 0) > 0);
    // ...and a day of 2024 moves it back.
    QVERIFY(CalendarDayRow(gral_, Day(2024, 12, 31), 6) > 0);
    QCOMPARE(gral_.calendar.calendarFirstYear, 2024);
    QCOMPARE(gral_.calendar.calendarLastYear, 2025);
    // A rebuild for a new region keeps the years.
    gral_.calendar.zoneOffset = 2;
    BuildCalendarShown(gral_);
    QCOMPARE(gral_.calendar.calendarFirstYear, 2024);

    // The period's end: the window's last row is the period's last, and
    // nothing after it is built or found.
    const int last = CalendarDayRow(gral_, Day(2100, 12, 28), 6);
    QVERIFY(last > 0);
    QCOMPARE(gral_.calendar.calendarLastYear, 2100);
    QVERIFY(gral_.calendar.signCalendar.constLast().startsWith("31/12/2100"));
    QCOMPARE(CalendarDayRow(gral_, Day(2101, 1, 1), 0), -1);
    QCOMPARE(CalendarDayRow(gral_, Day(1899, 12, 31), 0), -1);
    QCOMPARE(gral_.calendar.calendarLastYear, 2100);
    // FindSignRow reads the window as well: the shown day's first row.
    QVERIFY(FindSignRow(gral_, RowLookup::DayStart, Day(2100, 12, 31), 0).has_value());
    QCOMPARE(gral_.calendar.currentSignRow.date, Day(2100, 12, 31));
    QVERIFY(messages_->messages().isEmpty());
}

void TestCalendarWindow::dayTableMatchesDateIndex()
{
    for (int offset : {0, 12, 13, 23}) {
        gral_.calendar.zoneOffset = offset;
        BuildCalendarShown(gral_);
        for (int day = int(FirstCoveredDayNumber) - 1; day <= int(LastCoveredDayNumber) + 1; ++day) {
            const qsizetype position = gral_.calendar.dateIndex.indexOf(DatePattern(Dmy).format(day));
            QCOMPARE(gral_.calendar.dayRows.rowOf(day), position < 0 ? -1 : int(position) + 1);
        }
        QCOMPARE(gral_.calendar.dayRows.rowOf(FirstCoveredDayNumber + 0.99), 1);
    }
}

void TestCalendarWindow::calendarToolPrintsYears_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("2025-2027 offset 13") << QStringList{"--years", "2025-2027", "--offset", "13"} << 0 << Dmy
                                         << "01/01/2025 00:00 11:50 10" << "31/12/2027";
    // 31/12/2100 has a change at 22:09 in the base zone; two hours' shift or more carry it past the period.
    QTest::newRow("2100, other pattern") << QStringList{"--years", "2100", "--pattern", "yyyy-MM-dd"} << 0
                                         << "yyyy-MM-dd" << "2100-01-01" << "2100-12-31 22:09 23:59 11";
    QTest::newRow("2100 offset 13") << QStringList{"--years", "2100", "--offset", "13"} << 0 << Dmy << "01/01/2100"
                                    << "31/12/2100 00:00 23:59 10";
    QTest::newRow("DEMO without --years") << QStringList{"--offset", "13"} << 0 << Dmy << "01/01/2003 00:00 23:59 09"
                                          << "31/12/2004 06:34 23:59 06";
    // A named zone: 2026 on Madrid's clock (winter time in January, summer time in August).
    QTest::newRow("2026 in Europe/Madrid") << QStringList{"--zone", "Europe/Madrid", "--years", "2026"} << 0 << Dmy
                                           << "01/01/2026" << "31/12/2026";
    QTest::newRow("unknown zone") << QStringList{"--zone", "Europe/Nowhere", "--years", "2026"} << 2 << Dmy
                                  << QString() << QString();
    QTest::newRow("zone and offset") << QStringList{"--zone", "UTC", "--offset", "13"} << 2 << Dmy << QString()
                                     << QString();
    QTest::newRow("before 1900") << QStringList{"--years", "1899-1900"} << 2 << Dmy << QString() << QString();
    QTest::newRow("after 2100") << QStringList{"--years", "2100-2101"} << 2 << Dmy << QString() << QString();
    QTest::newRow("reversed") << QStringList{"--years", "2027-2025"} << 2 << Dmy << QString() << QString();
    QTest::newRow("not years") << QStringList{"--years", "dos mil"} << 2 << Dmy << QString() << QString();
}

void TestCalendarWindow::calendarToolPrintsYears()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, pattern);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QProcess tool;
    tool.start(QStringLiteral(PRONOS_PROGRAM_DIR "/pronos-calendar"), arguments);
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), exitCode);
    const QStringList lines = QString::fromUtf8(tool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    if (exitCode != 0) {
        QVERIFY(lines.isEmpty());
        return;
    }
    QVERIFY2(lines.constFirst().startsWith(first), qPrintable(lines.constFirst()));
    QVERIFY2(lines.constLast().startsWith(last), qPrintable(lines.constLast()));
    // Every day between, one or two lines each.
    QSet<QString> days;
    for (const QString& line : lines)
        days.insert(line.left(10));
    const double firstDay = *DatePattern(pattern).parse(lines.constFirst().left(10));
    const double lastDay = *DatePattern(pattern).parse(lines.constLast().left(10));
    QCOMPARE(days.size(), qsizetype(lastDay - firstDay + 1));
    QVERIFY(lines.size() > days.size() && lines.size() < 2 * days.size());
}

QTEST_GUILESS_MAIN(TestCalendarWindow)
#include "tst_calendarwindow.moc"
