// The texts the windows share: the language of day and month names and the
// long date of the pickers.
#include "core/DisplayTexts.h"

#include <QTest>

class TestDisplayTexts : public QObject {
    Q_OBJECT
private slots:
    void spanishWithoutALanguage_data();
    void spanishWithoutALanguage();
    void longDate_data();
    void longDate();
};

void TestDisplayTexts::spanishWithoutALanguage_data()
{
    QTest::addColumn<QLocale>("given");
    QTest::addColumn<QLocale>("shown");
    const QLocale spain(QLocale::Spanish, QLocale::Spain);
    QTest::newRow("C") << QLocale::c() << spain;
    QTest::newRow("POSIX") << QLocale(QStringLiteral("POSIX")) << spain;
    QTest::newRow("Spanish (Argentina) kept") << QLocale(QLocale::Spanish, QLocale::Argentina)
                                              << QLocale(QLocale::Spanish, QLocale::Argentina);
    QTest::newRow("German kept") << QLocale(QLocale::German, QLocale::Germany)
                                 << QLocale(QLocale::German, QLocale::Germany);
}

void TestDisplayTexts::spanishWithoutALanguage()
{
    QFETCH(QLocale, given);
    QFETCH(QLocale, shown);
    QCOMPARE(DisplayLocale(given), shown);
}

// The long date as the main, members and print windows' pickers show it, in
// the locale a C system falls back on and in the Spanish of both sides of the
// Atlantic; another language keeps its own names.
void TestDisplayTexts::longDate_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    const QLocale c = DisplayLocale(QLocale::c());
    const QLocale argentina(QLocale::Spanish, QLocale::Argentina);
    const QLocale spain(QLocale::Spanish, QLocale::Spain);
    QTest::newRow("C: first day of the DEMO") << c << QDate(2003, 1, 1) << u"miércoles 1 de enero de 2003"_qs;
    QTest::newRow("C: the longest date of the DEMO") << c << QDate(2003, 9, 17)
                                                     << u"miércoles 17 de septiembre de 2003"_qs;
    QTest::newRow("C: last day of the full edition") << c << QDate(2100, 12, 31)
                                                     << u"viernes 31 de diciembre de 2100"_qs;
    QTest::newRow("Spain") << spain << QDate(2004, 1, 1) << u"jueves 1 de enero de 2004"_qs;
    QTest::newRow("Argentina") << argentina << QDate(2004, 12, 31) << u"viernes 31 de diciembre de 2004"_qs;
    QTest::newRow("English names") << QLocale(QLocale::English, QLocale::UnitedStates) << QDate(2003, 1, 1)
                                   << u"Wednesday 1 de January de 2003"_qs;
}

void TestDisplayTexts::longDate()
{
    QFETCH(QLocale, locale);
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(LongDateText(date, locale), text);
}

QTEST_GUILESS_MAIN(TestDisplayTexts)
#include "tst_displaytexts.moc"
