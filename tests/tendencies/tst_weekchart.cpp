// The seven-day chart as a picture: what is painted where, and that a click
// reads the time by the same scale the picture was painted with.
#include "calendar/SignCalendar.h"
#include "tendencies/TendencyRule.h"
#include "tendencies/TendencyTestSupport.h"
#include "tendencies/WeekChart.h"
#include "tendencies/WeekLayout.h"

#include <QTest>
#include <algorithm>

namespace {
constexpr QRgb Silver = qRgb(192, 192, 192);
// Five colours that are easy to tell apart, none of them silver.
constexpr LevelColorTable TestColours = {0x00AA00, 0xAA0000, 0xAA00AA, 0x00FFFF, 0x0000FF};

QRgb Rgb(ColourValue c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }
} // namespace

class TestWeekChart : public QObject {
    Q_OBJECT
private slots:
    void init();
    void oneSpanDay();
    void gridIsSilver();
    void boundaryByOneScale_data();
    void boundaryByOneScale();
    void everyPixelReadsItsOwnSpan();
    void lastDaysOfCalendar();
    void noRowsIsAllSilver();
    void summerTimeDaysHaveTwentyFourHours_data();
    void summerTimeDaysHaveTwentyFourHours();
    void drawnBannerLinesStayWhole();

private:
    QRgb levelRgb(int sign) const { return Rgb(ColourOfSign(gral_.members, gral_.levelColors, sign)); }
    // Day 1 whole in sign 3; day 2 in sign 3 until (hour:minute - 1), then sign 4.
    void useTwoDays(int hour, int minute);

    std::unique_ptr<TestEnvironment> env_;
    TestGral test_;
    Gral& gral_ = test_.gral;
};

void TestWeekChart::init()
{
    env_ = std::make_unique<TestEnvironment>();
    test_.reset();
    gral_.levelColors = TestColours;
    gral_.members.memberSign = 3; // sign 3 is level 1, sign 4 level 5
}

void TestWeekChart::useTwoDays(int hour, int minute)
{
    const int end = hour * 60 + minute - 1;
    UseCalendar(gral_, {"01/03/2004 00:00 23:59 03",
                        "02/03/2004 00:00 " + FormatHourMinute(end) + " 03",
                        "02/03/2004 " + FormatHourMinute(end + 1) + " 23:59 04"});
    gral_.calendar.dayRowIndex = 1;
}

void TestWeekChart::oneSpanDay()
{
    useTwoDays(12, 0);
    const WeekLayout week = ComposeWeek(gral_);
    QCOMPARE(week.lastRow, 1);
    QCOMPARE(week.days[0], DayNumberFromDate(QDate(2004, 3, 1)));
    QCOMPARE(week.days[1], DayNumberFromDate(QDate(2004, 3, 2)));
    QCOMPARE(week.days[2], 0.0);
    const QImage image = PaintWeekImage(week);
    QCOMPARE(image.size(), QSize(673, 155));
    // Row 0 is one colour inside every hour cell, from hour 0 to hour 23.
    for (int hour = 0; hour < 24; ++hour)
        for (int x = 28 * hour + 1; x < 28 * hour + 28; ++x)
            QCOMPARE(image.pixel(x, 11), levelRgb(3));
}

void TestWeekChart::gridIsSilver()
{
    useTwoDays(12, 0);
    const QImage image = PaintWeekImage(ComposeWeek(gral_));
    for (int hour = 0; hour <= 24; ++hour)
        QCOMPARE(image.pixel(28 * hour, 5), Silver);
    for (int x : {0, 100, 672}) {
        QCOMPARE(image.pixel(x, 0), Silver);
        QCOMPARE(image.pixel(x, 22), Silver);
        QCOMPARE(image.pixel(x, 44), Silver);
    }
    QCOMPARE(image.pixel(1, 1), levelRgb(3));
    QCOMPARE(image.pixel(671, 43), levelRgb(4));
}

void TestWeekChart::boundaryByOneScale_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("boundary"); // x of the later span's outline
    QTest::newRow("09:48") << 9 << 48 << 252 + 22;
    QTest::newRow("09:58") << 9 << 58 << 252 + 27;
    QTest::newRow("09:01") << 9 << 1 << 252;
    QTest::newRow("09:30") << 9 << 30 << 252 + 14;
    QTest::newRow("14:00") << 14 << 0 << 392;
    QTest::newRow("00:57") << 0 << 57 << 27;
    QTest::newRow("23:02") << 23 << 2 << 644 + 1;
}

void TestWeekChart::boundaryByOneScale()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, boundary);
    QCOMPARE(SpanStartX(hour, minute), boundary);
    useTwoDays(hour, minute);
    const QImage image = PaintWeekImage(ComposeWeek(gral_));
    const int y = 22 + 11;
    QCOMPARE(image.pixel(boundary, y), Silver);
    if (boundary + 1 < 28 * (hour + 1)) {
        QCOMPARE(image.pixel(boundary + 1, y), levelRgb(4));
        QVERIFY(ClickMinute(boundary + 1, hour) >= minute);
    }
    if (boundary - 1 > 28 * hour) {
        QCOMPARE(image.pixel(boundary - 1, y), levelRgb(3));
        QVERIFY(ClickMinute(boundary - 1, hour) < minute);
    }
    // Whole later hours are the later span's.
    if (hour < 23)
        QCOMPARE(image.pixel(28 * (hour + 1) + 5, y), levelRgb(4));
}

// For every change minute a span can have, each coloured pixel of the shared
// hour is read back by a click as a minute of the span whose colour it shows.
void TestWeekChart::everyPixelReadsItsOwnSpan()
{
    for (int minute = 1; minute <= 57; ++minute) {
        useTwoDays(9, minute);
        const QImage image = PaintWeekImage(ComposeWeek(gral_));
        for (int x = 252; x <= 280; ++x) {
            const QRgb colour = image.pixel(x, 33);
            if (colour == Silver)
                continue;
            const int clicked = ClickMinute(x, 9);
            const int sign = clicked >= minute ? 4 : 3;
            QVERIFY2(colour == levelRgb(sign), qPrintable(QString("change 09:%1, x %2").arg(minute).arg(x)));
        }
    }
    QCOMPARE(ClickMinute(-5, 0), 0);
    QCOMPARE(ClickMinute(28 * 9 + 27, 9), 57);
    QCOMPARE(ClickMinute(28 * 9 + 28, 9), 59);
}

void TestWeekChart::lastDaysOfCalendar()
{
    gral_.calendar.zoneOffset = 12;
    BuildCalendarShown(gral_);
    gral_.calendar.dayRowIndex = int(gral_.calendar.dateIndex.indexOf("28/12/2004")) + 1;
    QVERIFY(gral_.calendar.dayRowIndex > 0);
    const WeekLayout week = ComposeWeek(gral_);
    QCOMPARE(week.lastRow, 3);
    for (int r = 0; r < 4; ++r)
        QCOMPARE(week.days[size_t(r)], DayNumberFromDate(QDate(2004, 12, 28 + r)));
    for (int r = 4; r < 7; ++r)
        QCOMPARE(week.days[size_t(r)], 0.0);
    const QImage image = PaintWeekImage(week);
    QVERIFY(image.pixel(5, 87) != Silver);
    for (int y = 88; y < 155; y += 3)
        for (int x = 0; x < 673; x += 7)
            QCOMPARE(image.pixel(x, y), Silver);
}

void TestWeekChart::noRowsIsAllSilver()
{
    gral_.calendar.dayRowIndex = -1;
    const QImage image = PaintWeekImage(ComposeWeek(gral_));
    QCOMPARE(image.pixel(300, 70), Silver);
    gral_.calendar.signCalendar = {"01/03/2004 00:00 23:59 03"};
    gral_.calendar.dateIndex = {"01/03/2004"};
    gral_.calendar.dayRowIndex = 2; // past the list's end
    QCOMPARE(ComposeWeek(gral_).lastRow, -1);
}

void TestWeekChart::summerTimeDaysHaveTwentyFourHours_data()
{
    QTest::addColumn<QDate>("from");
    QTest::newRow("the week of the 23-hour day") << QDate(2026, 3, 26);
    QTest::newRow("the week of the 25-hour day") << QDate(2026, 10, 22);
}

// On Madrid's clock the days the clocks change are drawn like any other: 24
// hour columns, every one of them painted.
void TestWeekChart::summerTimeDaysHaveTwentyFourHours()
{
    QFETCH(QDate, from);
    const QTimeZone madrid(QByteArrayLiteral("Europe/Madrid"));
    if (!madrid.isValid())
        QSKIP("the system's time zone database (Debian package tzdata) is missing");
    gral_.calendar.coveredPeriod.firstDay = FullFirstDayNumber;
    gral_.calendar.coveredPeriod.lastDay = FullLastDayNumber;
    gral_.calendar.namedZone = madrid;
    BuildCalendarYearsShown(gral_, 2026, 2026);
    gral_.calendar.dayRowIndex = gral_.calendar.dayRows.rowOf(DayNumberFromDate(from));
    const WeekLayout week = ComposeWeek(gral_);
    QCOMPARE(week.lastRow, ChartDays - 1);
    for (int row = 0; row < ChartDays; ++row) {
        QCOMPARE(week.days[size_t(row)], DayNumberFromDate(from.addDays(row)));
        std::vector<bool> painted(ChartHourWidth * 24, false);
        for (const ChartPiece& piece : week.pieces)
            if (piece.row == row)
                for (int x = piece.left; x < piece.right; ++x)
                    painted[size_t(x)] = true;
        QVERIFY2(std::all_of(painted.begin(), painted.end(), [](bool p) { return p; }),
                 qPrintable(from.addDays(row).toString()));
    }
}

// The full edition's drawn banner, at each scale and for 1 to 6 rows drawn
// above it: the part in sight holds something, nothing is drawn below it.
void TestWeekChart::drawnBannerLinesStayWhole()
{
    for (const qreal ratio : {1.0, 1.5, 2.0})
        for (const int inSight : {130, 108, 86, 64, 42, 20}) {
            const QImage banner = DrawnBanner("Calendario del 1/1/1900 al 31/12/2100", {670, 130}, inSight, ratio).toImage();
            auto drawn = [&](int from, int to) {
                for (int y = int(from * ratio); y < std::min(int(to * ratio), banner.height()); ++y)
                    for (int x = 0; x < banner.width(); ++x)
                        if (banner.pixel(x, y) != banner.pixel(0, 0))
                            return true;
                return false;
            };
            QVERIFY2(!drawn(inSight, 130) && drawn(0, inSight), qPrintable(QString::number(inSight * ratio)));
        }
}

QTEST_MAIN(TestWeekChart) // the drawn banner needs fonts
#include "tst_weekchart.moc"
