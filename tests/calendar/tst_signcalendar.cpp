// The calendar's text lists: the base list, the shifted lists for every zone
// offset, and the lookups the rest of the program reads them through.
#include "core/DatePattern.h"
#include "core/DayNumber.h"
#include "calendar/SignCalendar.h"
#include "support/CalendarSupport.h"
#include "support/TestSupport.h"
#include "calendar/YearTable.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

int Minute(const QString& line, int position) { return line.mid(position, 2).toInt() * 60 + line.mid(position + 3, 2).toInt(); }

QStringList Shifted(Gral& gral, int offset)
{
    gral.calendar.zoneOffset = offset;
    BuildCalendarShown(gral);
    return gral.calendar.signCalendar;
}

// Index of a line in the list (-1 when missing).
qsizetype Find(const QStringList& list, const QString& line) { return list.indexOf(line); }

// True when `expected` appear in the list one after the other.
bool ContainsRun(const QStringList& list, const QStringList& expected)
{
    const qsizetype start = Find(list, expected.first());
    if (start < 0 || start + expected.size() > list.size())
        return false;
    return list.mid(start, expected.size()) == expected;
}

} // namespace

class TestSignCalendar : public QObject {
    Q_OBJECT
private slots:
    void init();
    void baseListShape();
    void baseListRows();
    void baseReferenceRows();
    void expandYearTableAppends();
    void monthDayYearPattern();
    void invariantsForEveryOffset_data();
    void invariantsForEveryOffset();
    void offsetExamples();
    void offset13Table();
    void nextDateText_data();
    void nextDateText();
    void findSignRow();
    void readSignRow_data();
    void readSignRow();
    void readSignRowAt_data();
    void readSignRowAt();
    void twoBuildsInARow();
    void notFound();
    void negativeOffsetFails();

private:
    TestGral test_;
    Gral& gral_ = test_.gral;
    MessageRecorder* messages_ = &test_.messages;
    int busyCalls_ = 0;  // shows minus restores
    int busyShown_ = 0;
};

void TestSignCalendar::init()
{
    test_.reset();
    busyCalls_ = busyShown_ = 0;
    test_.platform.onBusyCursor = [this](bool busy) {
        busyCalls_ += busy ? 1 : -1;
        busyShown_ += busy ? 1 : 0;
    };
}

void TestSignCalendar::baseListShape()
{
    QStringList base{QStringLiteral("left over")};
    BuildBaseCalendar(gral_.environment.systemDateFormat, base);
    QCOMPARE(base.size(), 1052);
    QSet<QString> dates;
    for (const QString& line : base) {
        QCOMPARE(line.size(), 25);
        dates.insert(line.left(10));
    }
    QCOMPARE(dates.size(), 731);
    QCOMPARE(base.at(525).left(10), QStringLiteral("31/12/2003"));
    QCOMPARE(base.at(526).left(10), QStringLiteral("01/01/2004"));
}

void TestSignCalendar::baseListRows()
{
    QStringList base;
    BuildBaseCalendar(gral_.environment.systemDateFormat, base);
    QCOMPARE(base.mid(0, 5), QStringList({"01/01/2003 00:00 11:42 09", "01/01/2003 11:43 23:59 10", "02/01/2003 00:00 23:59 10",
                                           "03/01/2003 00:00 15:56 10", "03/01/2003 15:57 23:59 11"}));
    QVERIFY(ContainsRun(base, {"31/12/2003 00:00 17:01 01", "31/12/2003 17:02 23:59 02", "01/01/2004 00:00 23:59 02",
                               "02/01/2004 00:00 23:59 02", "03/01/2004 00:00 05:56 02", "03/01/2004 05:57 23:59 03"}));
    QCOMPARE(Find(base, "31/12/2003 17:02 23:59 02"), 525);
    QVERIFY(ContainsRun(base, {"29/02/2004 00:00 10:12 03", "29/02/2004 10:13 23:59 04", "01/03/2004 00:00 23:59 04"}));
    QCOMPARE(base.mid(1049), QStringList({"30/12/2004 00:00 17:33 05", "30/12/2004 17:34 23:59 06", "31/12/2004 00:00 23:59 06"}));
}

// Every reference change appears as the two rows of its day.
void TestSignCalendar::baseReferenceRows()
{
    QStringList base;
    BuildBaseCalendar(gral_.environment.systemDateFormat, base);
    const char* changes[] = {"29/12/2003 06:09 12", "31/12/2003 17:02 01", "03/01/2004 05:57 02", "05/01/2004 18:39 03",
                             "08/01/2004 05:39 04", "10/01/2004 14:38 05", "12/01/2004 21:39 06", "15/01/2004 02:33 07",
                             "17/01/2004 05:19 08", "19/01/2004 06:25 09", "21/01/2004 07:11 10", "23/01/2004 09:29 11",
                             "25/01/2004 15:06 12", "28/01/2004 00:47 01", "30/01/2004 13:19 02", "02/02/2004 02:04 03",
                             "04/02/2004 12:51 04", "06/02/2004 21:03 05", "09/02/2004 03:13 06", "11/02/2004 07:57 07",
                             "13/02/2004 11:36 08", "15/02/2004 14:15 09", "17/02/2004 16:28 10", "19/02/2004 19:27 11",
                             "22/02/2004 00:46 12", "24/02/2004 09:31 01", "26/02/2004 21:23 02", "29/02/2004 10:13 03",
                             "02/03/2004 21:19 04", "05/03/2004 05:19 05", "07/03/2004 10:31 06"};
    for (const char* change : changes) {
        const QString c = QString::fromLatin1(change);
        const QString date = c.left(10);
        const int t = Minute(c, 11);
        const int oldSign = c.mid(17, 2).toInt();
        const QString first = QStringLiteral("%1 00:00 %2 %3").arg(date, FormatHourMinute(t - 1)).arg(oldSign, 2, 10, QLatin1Char('0'));
        const QString second = QStringLiteral("%1 %2 23:59 %3").arg(date, FormatHourMinute(t)).arg(oldSign % 12 + 1, 2, 10, QLatin1Char('0'));
        QVERIFY2(ContainsRun(base, {first, second}), qPrintable(first));
        QCOMPARE(std::count_if(base.begin(), base.end(), [&](const QString& l) { return l.startsWith(date); }), 2);
    }
}

void TestSignCalendar::expandYearTableAppends()
{
    QStringList base;
    BuildBaseCalendar(gral_.environment.systemDateFormat, base);
    YearTable table;
    table.date.fill(1234); // left over from an earlier year: the fill clears it
    QCOMPARE(FillYearTable(table, 2004, CalendarSignChanges()), YearTableRows);
    QCOMPARE(table.date[0], 0.0);
    QCOMPARE(table.date[1], 0.0);
    QCOMPARE(table.date[525], 0.0);
    QCOMPARE(table.date[530], 0.0);
    QStringList list{QStringLiteral("kept")};
    ExpandYearTable(gral_.environment.systemDateFormat, table, Year2004Table.startSign, Year2004Table.lastIndex, Year2004Table.baseDate, list);
    QCOMPARE(list.size(), 527);
    QCOMPARE(list.first(), QStringLiteral("kept"));
    QCOMPARE(list.mid(1), base.mid(526));
    // Fewer slots expand fewer lines.
    QStringList part;
    ExpandYearTable(gral_.environment.systemDateFormat, table, Year2004Table.startSign, 4, Year2004Table.baseDate, part);
    QCOMPARE(part, base.mid(526, 5));
}

void TestSignCalendar::monthDayYearPattern()
{
    QStringList dmy, mdy;
    BuildBaseCalendar(gral_.environment.systemDateFormat, dmy);
    gral_.environment.systemDateFormat = QStringLiteral("MM/dd/yyyy");
    BuildBaseCalendar(gral_.environment.systemDateFormat, mdy);
    QCOMPARE(mdy.size(), dmy.size());
    QVERIFY(mdy.contains("01/03/2004 00:00 05:56 02"));
    for (qsizetype i = 0; i < dmy.size(); ++i) {
        const QDate date = DateFromDayNumber(*DatePattern("dd/MM/yyyy").parse(dmy[i].left(10)));
        QCOMPARE(mdy[i].left(10), date.toString("MM/dd/yyyy"));
        QCOMPARE(mdy[i].mid(10), dmy[i].mid(10));
    }
}

void TestSignCalendar::invariantsForEveryOffset_data()
{
    QTest::addColumn<int>("offset");
    for (int offset = 0; offset <= 24; ++offset)
        QTest::addRow("offset %d", offset) << offset;
}

void TestSignCalendar::invariantsForEveryOffset()
{
    QFETCH(int, offset);
    const QStringList list = Shifted(gral_, offset);
    QCOMPARE(list.size(), 1052);
    QCOMPARE(gral_.calendar.dateIndex.size(), 1052);
    QVERIFY(messages_->messages().isEmpty());
    QCOMPARE(busyShown_, 1);
    QCOMPARE(busyCalls_, 0); // shown and restored
    QVERIFY(list.first().startsWith("01/01/2003 00:00 "));
    QVERIFY(list.first().endsWith(" 09"));
    double expectedDay = FirstCoveredDayNumber;
    int previousSign = 9;
    int rowsThisDate = 0;
    int expectedFrom = 0;
    double lastChange = -1;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString& line = list[i];
        const QByteArray where = line.toLatin1();
        QVERIFY2(line.size() == 25 && line[10] == u' ' && line[16] == u' ' && line[22] == u' ', where);
        QCOMPARE(gral_.calendar.dateIndex[i], line.left(10));
        const double day = *gral_.environment.systemDateFormat.parse(line.left(10));
        const int from = Minute(line, 11), to = Minute(line, 17), sign = line.mid(23, 2).toInt();
        if (expectedFrom == 0) {
            QVERIFY2(day == expectedDay, where); // consecutive dates, no gap, none repeated
            rowsThisDate = 0;
        }
        ++rowsThisDate;
        QVERIFY2(rowsThisDate <= 2, where);
        QVERIFY2(from == expectedFrom && to >= from && to <= 1439, where);
        if (from != 0) {
            // A change: sign + 1, never on :58..:01, 1.9 to 2.6 days after the last one.
            QVERIFY2(sign == previousSign % 12 + 1, where);
            QVERIFY2(from % 60 >= 2 && from % 60 <= 57, where);
            const double at = day + from / 1440.0;
            if (lastChange >= 0)
                QVERIFY2(at - lastChange > 1.9 && at - lastChange < 2.6, where);
            lastChange = at;
        } else {
            QVERIFY2(sign == previousSign, where);
        }
        previousSign = sign;
        expectedFrom = to == 1439 ? 0 : to + 1;
        if (expectedFrom == 0)
            expectedDay = day + 1;
    }
    QCOMPARE(expectedFrom, 0);
    QCOMPARE(expectedDay, LastCoveredDayNumber + 1); // ends on 31/12/2004: 731 dates, no 2005
}

void TestSignCalendar::offsetExamples()
{
    QStringList base;
    BuildBaseCalendar(gral_.environment.systemDateFormat, base);
    QCOMPARE(Shifted(gral_, 0), base);
    QCOMPARE(Shifted(gral_, 24), base);
    QCOMPARE(gral_.calendar.signCalendar.last(), QStringLiteral("31/12/2004 00:00 23:59 06"));

    QStringList list = Shifted(gral_, 12);
    QCOMPARE(list.mid(0, 2), QStringList({"01/01/2003 00:00 23:42 09", "01/01/2003 23:43 23:59 10"}));
    QVERIFY(ContainsRun(list, {"31/12/2003 00:00 23:59 01", "01/01/2004 00:00 05:01 01", "01/01/2004 05:02 23:59 02",
                               "02/01/2004 00:00 23:59 02"}));
    QCOMPARE(list.mid(1049), QStringList({"30/12/2004 00:00 23:59 05", "31/12/2004 00:00 05:33 05", "31/12/2004 05:34 23:59 06"}));

    list = Shifted(gral_, 13);
    QCOMPARE(list.mid(0, 3), QStringList({"01/01/2003 00:00 23:59 09", "02/01/2003 00:00 00:42 09", "02/01/2003 00:43 23:59 10"}));
    QCOMPARE(list.mid(1050), QStringList({"31/12/2004 00:00 06:33 05", "31/12/2004 06:34 23:59 06"}));

    list = Shifted(gral_, 14);
    QVERIFY(ContainsRun(list, {"28/02/2004 00:00 23:59 03", "29/02/2004 00:00 23:59 03", "01/03/2004 00:00 00:12 03",
                               "01/03/2004 00:13 23:59 04", "02/03/2004 00:00 23:59 04"}));

    list = Shifted(gral_, 23);
    QCOMPARE(list.mid(1049), QStringList({"30/12/2004 00:00 23:59 05", "31/12/2004 00:00 16:33 05", "31/12/2004 16:34 23:59 06"}));
}

void TestSignCalendar::offset13Table()
{
    const QStringList list = Shifted(gral_, 13);
    QVERIFY(ContainsRun(list, {"03/01/2004 00:00 18:56 02", "03/01/2004 18:57 23:59 03", "04/01/2004 00:00 23:59 03",
                               "05/01/2004 00:00 23:59 03", "06/01/2004 00:00 07:38 03", "06/01/2004 07:39 23:59 04",
                               "07/01/2004 00:00 23:59 04"}));
    QCOMPARE(std::count_if(list.begin(), list.end(), [](const QString& l) { return l.startsWith("06/01/2004"); }), 2);
}

void TestSignCalendar::nextDateText_data()
{
    QTest::addColumn<double>("date");
    QTest::addColumn<QString>("expected");
    QTest::newRow("leap february") << Day(2004, 2, 28) << "29/02/2004";
    QTest::newRow("leap day") << Day(2004, 2, 29) + 0.75 << "01/03/2004";
    QTest::newRow("common february") << Day(2003, 2, 28) << "01/03/2003";
    QTest::newRow("year end") << Day(2003, 12, 31) << "01/01/2004";
    QTest::newRow("30-day month") << Day(2004, 4, 30) << "01/05/2004";
    QTest::newRow("31-day month") << Day(2003, 1, 31) << "01/02/2003";
    QTest::newRow("mid month") << Day(2003, 6, 14) << "15/06/2003";
}

void TestSignCalendar::nextDateText()
{
    QFETCH(double, date);
    QFETCH(QString, expected);
    QCOMPARE(NextDateText(gral_.environment.systemDateFormat, date), expected);
}

void TestSignCalendar::findSignRow()
{
    const QStringList list = Shifted(gral_, 0);
    const int firstRow = int(list.indexOf("03/01/2004 00:00 05:56 02")) + 1;
    QCOMPARE(FindSignRow(gral_, RowLookup::Moment, Day(2004, 1, 3), 5 * 60 + 56).value_or(0), 2);
    QCOMPARE(gral_.calendar.dayRowIndex, firstRow);
    QCOMPARE(gral_.calendar.currentSignRow.toMinute, 5 * 60 + 56);
    QCOMPARE(FindSignRow(gral_, RowLookup::Moment, Day(2004, 1, 3) + 0.5, 5 * 60 + 57).value_or(0), 3);
    QCOMPARE(gral_.calendar.dayRowIndex, firstRow);
    QCOMPARE(gral_.calendar.currentSignRow.date, Day(2004, 1, 3));
    QCOMPARE(gral_.calendar.currentSignRow.fromMinute, 5 * 60 + 57);
    QCOMPARE(gral_.calendar.currentSignRow.toMinute, 1439);
    QCOMPARE(gral_.calendar.currentSignRow.sign, 3);
    QCOMPARE(FindSignRow(gral_, RowLookup::DayStart, Day(2004, 1, 3), 0).value_or(0), 2);
    QCOMPARE(FindSignRow(gral_, RowLookup::DayStart, Day(2004, 1, 3), 23 * 60).value_or(0), 2); // the day start ignores the time
    QCOMPARE(gral_.calendar.currentSignRow.toMinute, 5 * 60 + 56);
    QCOMPARE(FindSignRow(gral_, RowLookup::Moment, Day(2004, 12, 31), 1439).value_or(0), 6); // last row of the list, whole day
    QCOMPARE(gral_.calendar.dayRowIndex, 1052);
    QCOMPARE(FindSignRow(gral_, RowLookup::Moment, Day(2003, 1, 1), 0).value_or(0), 9);
    QCOMPARE(gral_.calendar.dayRowIndex, 1);

    // LoadSignRow reads all four fields of any row.
    QVERIFY(LoadSignRow(gral_.calendar, gral_.environment.systemDateFormat, 2));
    QCOMPARE(gral_.calendar.currentSignRow.date, Day(2003, 1, 1));
    QCOMPARE(gral_.calendar.currentSignRow.fromMinute, 11 * 60 + 43);
    QCOMPARE(gral_.calendar.currentSignRow.toMinute, 1439);
    QCOMPARE(gral_.calendar.currentSignRow.sign, 10);
}

// The pure reader: a row parsed, or nothing for a row that is not there or
// does not read as a row; never a cursor moved.
void TestSignCalendar::readSignRow_data()
{
    QTest::addColumn<QString>("secondLine");
    QTest::addColumn<int>("rowNumber");
    QTest::addColumn<bool>("found");
    QTest::addColumn<double>("date");
    QTest::addColumn<int>("fromMinute");
    QTest::addColumn<int>("toMinute");
    QTest::addColumn<int>("sign");
    const QString good = "01/01/2003 11:43 23:59 10";
    QTest::newRow("first row") << good << 1 << true << Day(2003, 1, 1) << 0 << 11 * 60 + 42 << 9;
    QTest::newRow("second row") << good << 2 << true << Day(2003, 1, 1) << 11 * 60 + 43 << 1439 << 10;
    QTest::newRow("last row") << good << 3 << true << Day(2003, 1, 2) << 0 << 1439 << 10;
    QTest::newRow("row 0") << good << 0 << false << 0.0 << 0 << 0 << 0;
    QTest::newRow("negative row") << good << -1 << false << 0.0 << 0 << 0 << 0;
    QTest::newRow("past the end") << good << 4 << false << 0.0 << 0 << 0 << 0;
    QTest::newRow("empty line") << QString() << 2 << false << 0.0 << 0 << 0 << 0;
    QTest::newRow("date alone") << "01/01/2003" << 2 << false << 0.0 << 0 << 0 << 0;
    QTest::newRow("minute not a number") << "01/01/2003 11:4x 23:59 10" << 2 << false << 0.0 << 0 << 0 << 0;
    QTest::newRow("hour 24") << "01/01/2003 24:00 23:59 10" << 2 << false << 0.0 << 0 << 0 << 0;
    QTest::newRow("no colon") << "01/01/2003 11:43 23.59 10" << 2 << false << 0.0 << 0 << 0 << 0;
    QTest::newRow("sign not a number") << "01/01/2003 11:43 23:59 1x" << 2 << false << 0.0 << 0 << 0 << 0;
    QTest::newRow("no such date") << "32/01/2003 11:43 23:59 10" << 2 << false << 0.0 << 0 << 0 << 0;
    QTest::newRow("other date pattern") << "2003-01-01 11:43 23:59 10" << 2 << false << 0.0 << 0 << 0 << 0;
    QTest::newRow("a bad row leaves the next readable") << "garbage" << 3 << true << Day(2003, 1, 2) << 0 << 1439 << 10;
}

void TestSignCalendar::readSignRow()
{
    QFETCH(QString, secondLine);
    QFETCH(int, rowNumber);
    QFETCH(bool, found);
    gral_.calendar.signCalendar = {"01/01/2003 00:00 11:42 09", secondLine, "02/01/2003 00:00 23:59 10"};
    gral_.calendar.currentSignRow = SignRow{Day(2004, 5, 5), 60, 120, 4};
    gral_.calendar.dayRowIndex = 7;
    const CalendarState before = gral_.calendar;

    const std::optional<SignRow> row = ReadSignRow(gral_.calendar, gral_.environment.systemDateFormat, rowNumber);
    QCOMPARE(row.has_value(), found);
    if (found) {
        QFETCH(double, date);
        QFETCH(int, fromMinute);
        QFETCH(int, toMinute);
        QFETCH(int, sign);
        QCOMPARE(*row, (SignRow{date, fromMinute, toMinute, sign}));
    }
    QCOMPARE(gral_.calendar.currentSignRow, before.currentSignRow);
    QCOMPARE(gral_.calendar.dayRowIndex, before.dayRowIndex);
    QCOMPARE(gral_.calendar.signCalendar, before.signCalendar);

    // LoadSignRow is the same read, kept in the cursor.
    QCOMPARE(LoadSignRow(gral_.calendar, gral_.environment.systemDateFormat, rowNumber), found);
    QCOMPARE(gral_.calendar.currentSignRow, found ? *row : before.currentSignRow);
}

// The date's row read without moving a cursor, as FindSignRow finds it.
void TestSignCalendar::readSignRowAt_data()
{
    QTest::addColumn<bool>("moment");
    QTest::addColumn<double>("date");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("sign"); // 0 = nothing found
    QTest::newRow("day start") << false << Day(2004, 1, 3) << 23 * 60 << 2;
    QTest::newRow("first span's last minute") << true << Day(2004, 1, 3) + 0.5 << 5 * 60 + 56 << 2;
    QTest::newRow("second span's first minute") << true << Day(2004, 1, 3) << 5 * 60 + 57 << 3;
    QTest::newRow("whole last day") << true << Day(2004, 12, 31) << 1439 << 6;
    QTest::newRow("past the last row") << true << Day(2004, 12, 31) << 1440 << 0;
    QTest::newRow("before the first row") << true << Day(2004, 1, 3) << -1 << 0;
    QTest::newRow("before the calendar") << false << Day(2002, 12, 31) << 0 << 0;
    QTest::newRow("after the calendar") << true << Day(2005, 1, 1) << 600 << 0;
}

void TestSignCalendar::readSignRowAt()
{
    QFETCH(bool, moment);
    QFETCH(double, date);
    QFETCH(int, minute);
    QFETCH(int, sign);
    const QStringList list = Shifted(gral_, 0);
    const RowLookup lookup = moment ? RowLookup::Moment : RowLookup::DayStart;
    QVERIFY(LoadSignRow(gral_.calendar, gral_.environment.systemDateFormat, 5));
    gral_.calendar.dayRowIndex = 5;
    const SignRow cursor = gral_.calendar.currentSignRow;

    const std::optional<FoundSignRow> found =
        ReadSignRowAt(gral_.calendar, gral_.environment.systemDateFormat, lookup, date, minute);
    QCOMPARE(found.has_value(), sign != 0);
    QCOMPARE(gral_.calendar.currentSignRow, cursor);
    QCOMPARE(gral_.calendar.dayRowIndex, 5);
    if (found) {
        QCOMPARE(found->row.sign, sign);
        const QRegularExpression dayStart(gral_.environment.systemDateFormat.format(date) + " 00:00 .*");
        QCOMPARE(found->dayRow, int(list.indexOf(dayStart)) + 1);
    }

    // FindSignRow answers the same and leaves what it found in the cursors.
    QCOMPARE(FindSignRow(gral_, lookup, date, minute).value_or(0), sign);
    if (found) {
        QCOMPARE(gral_.calendar.currentSignRow, found->row);
        QCOMPARE(gral_.calendar.dayRowIndex, found->dayRow);
    } else {
        QCOMPARE(gral_.calendar.dayRowIndex, SignRowNotFound);
    }
}

void TestSignCalendar::twoBuildsInARow()
{
    Shifted(gral_, 0);
    const QStringList second = Shifted(gral_, 13);
    QCOMPARE(second.size(), 1052);
    QVERIFY(!second.contains("01/01/2003 00:00 11:42 09"));
    QCOMPARE(second.first(), QStringLiteral("01/01/2003 00:00 23:59 09"));
    QCOMPARE(gral_.calendar.dateIndex.size(), 1052);
    QCOMPARE(gral_.calendar.dateIndex.at(1), QStringLiteral("02/01/2003"));
    const QStringList third = Shifted(gral_, 24);
    QCOMPARE(third.first(), QStringLiteral("01/01/2003 00:00 11:42 09"));
    QCOMPARE(gral_.calendar.dateIndex.at(1), QStringLiteral("01/01/2003"));
}

void TestSignCalendar::notFound()
{
    Shifted(gral_, 0);
    QVERIFY(LoadSignRow(gral_.calendar, gral_.environment.systemDateFormat, 5));
    const SignRow before = gral_.calendar.currentSignRow;
    for (int row : {0, -1, 1053, 100000}) {
        QVERIFY(!LoadSignRow(gral_.calendar, gral_.environment.systemDateFormat, row));
        QCOMPARE(gral_.calendar.currentSignRow.date, before.date);
        QCOMPARE(gral_.calendar.currentSignRow.fromMinute, before.fromMinute);
    }
    QCOMPARE(FindSignRow(gral_, RowLookup::DayStart, Day(2005, 1, 1), 0).value_or(0), 0);
    QCOMPARE(FindSignRow(gral_, RowLookup::Moment, Day(2002, 12, 31), 600).value_or(0), 0);
    QCOMPARE(gral_.calendar.dayRowIndex, SignRowNotFound);
    QCOMPARE(gral_.calendar.currentSignRow.date, before.date);
    // Past the end of the last date: no row beyond the list is read.
    QCOMPARE(FindSignRow(gral_, RowLookup::Moment, Day(2004, 12, 31), 1440).value_or(0), 0);
    // An empty calendar (no build yet, or a failed one).
    TestGral empty;
    QVERIFY(!LoadSignRow(empty.gral.calendar, empty.gral.environment.systemDateFormat, 1));
    QCOMPARE(FindSignRow(empty.gral, RowLookup::DayStart, Day(2003, 1, 1), 0).value_or(0), 0);
}

void TestSignCalendar::negativeOffsetFails()
{
    gral_.calendar.zoneOffset = -1;
    BuildCalendarShown(gral_);
    QCOMPARE(messages_->messages().size(), 1);
    QCOMPARE(messages_->messages().first().style, 16);
    QVERIFY(!messages_->messages().first().text.isEmpty());
    QVERIFY(gral_.calendar.dateIndex.isEmpty());
    QCOMPARE(busyCalls_, 0);
    // The lines built before the failure stay; the program goes on.
    QVERIFY(gral_.calendar.signCalendar.size() < 1052);
    QCOMPARE(gral_.calendar.signCalendar.first(), QStringLiteral("01/01/2003 00:00 10:42 09"));
    QCOMPARE(FindSignRow(gral_, RowLookup::DayStart, Day(2003, 1, 1), 0).value_or(0), 0);

    // A later sound build recovers fully.
    messages_->clear();
    QCOMPARE(Shifted(gral_, 13).size(), 1052);
    QCOMPARE(gral_.calendar.dateIndex.size(), 1052);
    QVERIFY(messages_->messages().isEmpty());

    gral_.calendar.zoneOffset = -12; // the very first change day: hour 11 - 12 < 0
    BuildCalendarShown(gral_);
    QCOMPARE(messages_->messages().size(), 1);
    QVERIFY(gral_.calendar.signCalendar.isEmpty());
    QVERIFY(gral_.calendar.dateIndex.isEmpty());
}

QTEST_GUILESS_MAIN(TestSignCalendar)
#include "tst_signcalendar.moc"
