// The calendar export without windows: the period's end, a request without
// levels, the repeated autumn hour written in UTC, and the file's safe
// writing on a full and a read-only disk.
#include "export/CalendarExport.h"
#include "export/ICalendarFile.h"
#include "support/SmallDisk.h"
#include "support/TestSupport.h"

#include <QTest>

namespace {
const ExportMember Luis{QStringLiteral("GARCÍA, LUIS"), 32642};
qint64 Utc(const char* iso) { return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toSecsSinceEpoch(); }
}

class TestCalendarExport : public QObject {
    Q_OBJECT
private slots:
    void periodEnds()
    {
        CalendarState madrid;
        madrid.coveredPeriod.firstDay = FullFirstDayNumber;
        madrid.coveredPeriod.lastDay = FullLastDayNumber;
        madrid.namedZone = QTimeZone("Europe/Madrid");
        // Written up to the last span that ends within 31/12/2100, and the message says the period ends.
        const Result<ExportPlan> plan = PlanCalendarExport({"", {Luis}, DayNumberFromDate(QDate(2100, 12, 29)), 7}, madrid);
        QVERIFY(plan && plan->leftOutsidePeriod && ExportDoneText(*plan, madrid).contains("al 31/12/2100"));
        QVERIFY(plan->events.last().endUtc <= Utc("2101-01-01T00:00:00+01:00")
                && plan->events.last().endUtc > Utc("2100-12-29T00:00:00+01:00"));
        const auto none = PlanCalendarExport({"", {Luis}, DayNumberFromDate(QDate(2027, 3, 1)), 3, {}}, madrid);
        QCOMPARE(FailureText(none), "Marque al menos un nivel de tendencia.");
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
        const ExportPlan one{{}, {{Luis, 3, 1, utc, utc + 7200}}, false};
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
        QVERIFY(SaveExportFile(path, "old"));
        QVERIFY(disk.fill() && FailureText(SaveExportFile(path, QByteArray(65536, 'x'))).startsWith("No se pudo escribir"));
        QVERIFY(disk.makeReadOnly() && FailureText(SaveExportFile(path, "new")).startsWith("No se pudo escribir"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "old");
    }
};

QTEST_GUILESS_MAIN(TestCalendarExport)
#include "tst_calendarexport.moc"
