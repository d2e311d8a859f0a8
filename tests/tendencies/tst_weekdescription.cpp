// The chart in words: one line per shown day with its levels and the times
// they change, as a screen reader reads the chart.
#include "calendar/SignCalendar.h"
#include "tendencies/TendencyTestSupport.h"
#include "tendencies/WeekDescription.h"

#include <QTest>

class TestWeekDescription : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env_ = std::make_unique<TestEnvironment>();
        test_.reset();
        // Member sign 3: sign 3 and 11 are "Excelente", 2 and 4 "Restrictiva", 1 "Normal".
        gral_.members.memberSign = 3;
    }

    void describe_data()
    {
        QTest::addColumn<QStringList>("calendar");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("whole day") << QStringList{"01/03/2004 00:00 23:59 03"}
                                   << QStringList{"lunes 1 de marzo: Excelente"};
        QTest::newRow("change in the day")
            << QStringList{"01/03/2004 00:00 00:42 01", "01/03/2004 00:43 23:59 03"}
            << QStringList{"lunes 1 de marzo: Normal hasta 00:42, luego Excelente"};
        QTest::newRow("another sign, same level")
            << QStringList{"01/03/2004 00:00 13:14 03", "01/03/2004 13:15 23:59 11"}
            << QStringList{"lunes 1 de marzo: Excelente"};
        QTest::newRow("days in order")
            << QStringList{"31/12/2003 00:00 23:59 04", "01/01/2004 00:00 06:05 04", "01/01/2004 06:06 23:59 01"}
            << QStringList{"miércoles 31 de diciembre: Restrictiva",
                           "jueves 1 de enero: Restrictiva hasta 06:05, luego Normal"};
    }
    void describe()
    {
        QFETCH(QStringList, calendar);
        QFETCH(QStringList, lines);
        UseCalendar(gral_, calendar);
        gral_.calendar.dayRowIndex = 1;
        QCOMPARE(DescribeWeek(gral_.calendar, gral_.environment.systemDateFormat, gral_.members).split(u'\n'), lines);
    }

    // Seven days at most, from the shown day on, as the chart draws them.
    void sevenDaysFromTheShownDay()
    {
        QStringList calendar;
        for (int day = 1; day <= 10; ++day)
            calendar << QStringLiteral("%1/03/2004 00:00 23:59 03").arg(day, 2, 10, QLatin1Char('0'));
        UseCalendar(gral_, calendar);
        gral_.calendar.dayRowIndex = 2;
        const QStringList lines = DescribeWeek(gral_.calendar, gral_.environment.systemDateFormat, gral_.members).split(u'\n');
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines.first(), QStringLiteral("martes 2 de marzo: Excelente"));
        QCOMPARE(lines.last(), QStringLiteral("lunes 8 de marzo: Excelente"));
    }

    void nothingShown()
    {
        UseCalendar(gral_, {"01/03/2004 00:00 23:59 03"});
        gral_.calendar.dayRowIndex = 0;
        QCOMPARE(DescribeWeek(gral_.calendar, gral_.environment.systemDateFormat, gral_.members), QString());
    }

private:
    std::unique_ptr<TestEnvironment> env_;
    TestGral test_;
    Gral& gral_ = test_.gral;
};

QTEST_MAIN(TestWeekDescription)
#include "tst_weekdescription.moc"
