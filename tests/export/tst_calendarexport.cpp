// The calendar export without windows: its events against the chart's own
// rows, the period's end and a request without levels, the repeated autumn hour, and
// the file's safe writing on a full and a read-only disk.
#include "CalendarExport.h"
#include "CalendarWindow.h"
#include "ICalendarFile.h"
#include "SignCalendar.h"
#include "SmallDisk.h"
#include "TestSupport.h"

#include <QTest>

namespace {
const ExportMember Luis{QStringLiteral("GARCÍA, LUIS"), 32642};
qint64 Utc(const char* iso) { return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toSecsSinceEpoch(); }
}

class TestCalendarExport : public QObject {
    Q_OBJECT
    Gral gral_;

    ExportPlan plan(const QByteArray& zone, int offset, QDate from, int days, bool levels = true)
    {
        PrepareTestGral(gral_);
        UseFullPeriod(gral_, 0);
        gral_.calendar.namedZone = zone.isEmpty() ? QTimeZone() : QTimeZone(zone);
        gral_.calendar.zoneOffset = offset;
        BuildShiftedCalendarYears(gral_, from.year(), from.year());
        return PlanCalendarExport({Luis.name, {Luis}, DayNumberFromDate(from), days, {levels, levels, levels, levels, levels}},
                                  gral_.calendar);
    }

private slots:
    void eventsAreTheChartsSpans_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QDate>("from");
        QTest::newRow("Madrid, spring switch") << QByteArray("Europe/Madrid") << 0 << QDate(2027, 3, 22);
        QTest::newRow("Madrid, autumn switch") << QByteArray("Europe/Madrid") << 0 << QDate(2027, 10, 25);
        QTest::newRow("Kathmandu +05:45") << QByteArray("Asia/Kathmandu") << 0 << QDate(2027, 6, 1);
        QTest::newRow("classic GMT+3") << QByteArray() << 15 << QDate(2027, 6, 1);
    }
    void eventsAreTheChartsSpans()
    {
        QFETCH(QByteArray, zone);
        QFETCH(int, offset);
        QFETCH(QDate, from);
        const ExportPlan exported = plan(zone, offset, from, 7);
        const QTimeZone clock = ExportClockOf(gral_.calendar).zone;
        QVERIFY(exported.events.first().startUtc < QDateTime(from, QTime(0, 0), clock).toSecsSinceEpoch()
                && exported.events.last().endUtc > QDateTime(from.addDays(7), QTime(0, 0), clock).toSecsSinceEpoch());
        // Each row that begins with a sign change in the week is where the next event starts, in that sign.
        QStringList rowStarts, eventStarts;
        const double first = DayNumberFromDate(from);
        for (int row = CalendarDayRow(gral_, first, 6);; ++row) {
            const auto read = ReadSignRow(gral_.calendar, gral_.environment.systemDateFormat, row);
            if (!read || read->date > first + 6)
                break;
            if (read->fromMinute > 0)
                rowStarts << DateFromDayNumber(read->date).toString("dd ") + FormatHourMinute(read->fromMinute)
                                 + QString::number(read->sign);
        }
        for (qsizetype i = 1; i < exported.events.size(); ++i) {
            const ExportEvent& event = exported.events[i];
            QVERIFY(event.startUtc == exported.events[i - 1].endUtc && event.sign == exported.events[i - 1].sign % 12 + 1);
            eventStarts << QDateTime::fromSecsSinceEpoch(event.startUtc, clock).toString("dd HH:mm") + QString::number(event.sign);
        }
        QCOMPARE(eventStarts, rowStarts);
    }

    void periodEnds()
    {
        // Written up to the last span that ends within 31/12/2100, and the message says the period ends.
        const ExportPlan exported = plan("Europe/Madrid", 0, QDate(2100, 12, 29), 7);
        QVERIFY(exported.leftOutsidePeriod && ExportDoneText(exported, gral_.calendar).contains("al 31/12/2100"));
        QVERIFY(exported.events.last().endUtc <= Utc("2101-01-01T00:00:00+01:00")
                && exported.events.last().endUtc > Utc("2100-12-29T00:00:00+01:00"));
        QCOMPARE(plan("Europe/Madrid", 0, QDate(2027, 3, 1), 3, false).failure, "Marque al menos un nivel de tendencia.");
    }

    void repeatedHourIsWrittenInUtc_data()
    {
        QTest::addColumn<qint64>("utc");
        QTest::addColumn<bool>("twice");
        QTest::newRow("02:30 first pass") << Utc("2027-10-31T00:30:00Z") << true;
        QTest::newRow("02:30 second pass") << Utc("2027-10-31T01:30:00Z") << true;
        QTest::newRow("03:30 after it") << Utc("2027-10-31T02:30:00Z") << false;
        QTest::newRow("03:30 after the spring gap") << Utc("2027-03-28T01:30:00Z") << false;
    }
    void repeatedHourIsWrittenInUtc()
    {
        QFETCH(qint64, utc);
        QFETCH(bool, twice);
        const ExportPlan one{{}, {{Luis, 3, 1, utc, utc + 7200}}, false, {}};
        const QByteArray file = ComposeICalendar(one, {QTimeZone("Europe/Madrid"), true}, "-//t//t//ES", QDateTime());
        const QByteArray start = QDateTime::fromSecsSinceEpoch(utc, Qt::UTC).toString("yyyyMMdd'T'HHmmss'Z'").toLatin1();
        QCOMPARE(file.contains("DTSTART:" + start), twice);
        QCOMPARE(file.contains("DTSTART;TZID=Europe/Madrid:"), !twice);
    }

    void fullOrReadOnlyDiskLeavesTheOldFile()
    {
        SmallDisk disk;
        if (!disk.mounted())
            QSKIP(qPrintable(disk.whyNot()));
        const QString path = disk.folder() + "Equipo.ics";
        QCOMPARE(SaveExportFile(path, "old"), QString());
        QVERIFY(disk.fill() && SaveExportFile(path, QByteArray(65536, 'x')).startsWith("No se pudo escribir el archivo"));
        QVERIFY(disk.makeReadOnly() && SaveExportFile(path, "new").startsWith("No se pudo escribir el archivo"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "old");
    }
};

QTEST_GUILESS_MAIN(TestCalendarExport)
#include "tst_calendarexport.moc"
