// What the main window and the print window say of a date outside the days an
// edition covers: one routine, the subject and the last verb by who asks.
#include "PeriodMessage.h"
#include "TendencyTestSupport.h"

#include <QTest>

Q_DECLARE_METATYPE(DateOrigin)

class TestPeriodMessage : public QObject {
    Q_OBJECT
private slots:
    void outsideThePeriod_data();
    void outsideThePeriod();
};

namespace {
const QString Before = u" es anterior a la fecha con la cual se inicia este programa.\r\rEl mismo comienza el "_qs;
const QString After = u" es posterior a la fecha con la cual finaliza este programa.\r\rEl mismo "_qs;
} // namespace

void TestPeriodMessage::outsideThePeriod_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<DateOrigin>("origin");
    QTest::addColumn<double>("date");
    QTest::addColumn<QString>("message");
    const auto system = DateOrigin::System, entered = DateOrigin::Entered, printed = DateOrigin::Printed;
    QTest::newRow("DEMO, today before") << false << system << Day(2002, 12, 31)
                                        << u"La fecha de su sistema"_qs + Before + u"\"01/01/2003\""_qs;
    QTest::newRow("DEMO, today after") << false << system << Day(2026, 12, 9)
                                       << u"La fecha de su sistema"_qs + After + u"termina el \"31/12/2004\""_qs;
    QTest::newRow("DEMO, entered before") << false << entered << Day(1999, 5, 5)
                                          << u"La fecha ingresada"_qs + Before + u"\"01/01/2003\""_qs;
    QTest::newRow("DEMO, entered after, late in the day") << false << entered << Day(2005, 1, 1) + 0.99
                                                          << u"La fecha ingresada"_qs + After + u"termina el \"31/12/2004\""_qs;
    QTest::newRow("DEMO, printed before") << false << printed << Day(2002, 12, 31)
                                          << u"La fecha \"31/12/2002\""_qs + Before + u"\"01/01/2003\""_qs;
    QTest::newRow("DEMO, printed after") << false << printed << Day(2005, 1, 1)
                                         << u"La fecha \"01/01/2005\""_qs + After + u"finaliza el \"31/12/2004\""_qs;
    QTest::newRow("DEMO, first day") << false << entered << Day(2003, 1, 1) << QString();
    QTest::newRow("DEMO, last day at 23:59") << false << printed << Day(2004, 12, 31) + 1439.0 / 1440 << QString();
    QTest::newRow("full, 2025 inside") << true << system << Day(2025, 6, 15) << QString();
    QTest::newRow("full, printed after") << true << printed << Day(2101, 1, 1)
                                         << u"La fecha \"01/01/2101\""_qs + After + u"finaliza el \"31/12/2100\""_qs;
    QTest::newRow("full, entered before") << true << entered << Day(1899, 12, 31)
                                          << u"La fecha ingresada"_qs + Before + u"\"01/01/1900\""_qs;
}

void TestPeriodMessage::outsideThePeriod()
{
    QFETCH(bool, full);
    QFETCH(DateOrigin, origin);
    QFETCH(double, date);
    QFETCH(QString, message);
    Gral gral;
    PrepareTestGral(gral);
    const CoveredPeriod period = full ? FullPeriod(date) : DemoPeriod;
    gral.firstCoveredDay = period.firstDay;
    gral.lastCoveredDay = period.lastDay;
    QCOMPARE(coveredPeriodMessage(gral, origin, date), message);
}

QTEST_GUILESS_MAIN(TestPeriodMessage)
#include "tst_periodmessage.moc"
