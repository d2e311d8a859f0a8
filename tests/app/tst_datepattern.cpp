#include "core/Colour.h"
#include "core/DatePattern.h"
#include "core/DayNumber.h"
#include "app/Gral.h"
#include "app/ProgramMessage.h"
#include "platform/SystemDateFormat.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTest>
#include <cmath>

class TestDatePattern : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void rejectsTextThatDoesNotFit_data();
    void rejectsTextThatDoesNotFit();
    void numbersAsQtWritesThem_data();
    void numbersAsQtWritesThem();
    void namesAndLongPatterns();
    void dayNumbers();
    void contrastTextColour_data();
    void contrastTextColour();
    void changeDetection_data();
    void changeDetection();
    void changeIsReportedOnce();
    void readSystemDateFormatFallsBack();
    void shortDateSettingFile();
    void tenCharacterDates_data();
    void tenCharacterDates();
};

namespace {

// The rule itself, date by date over 1800..2100: every date written as 10
// characters that read back as the same date, with a day, a numeric month and
// a four-digit year in the pattern.
bool HoldsForEveryDate(const DatePattern& pattern, const DateNames& names)
{
    if (!pattern.hasDayMonthAndFullYear())
        return false;
    const double first = DayNumberFromDate(QDate(1800, 1, 1));
    const double last = DayNumberFromDate(QDate(2100, 12, 31));
    for (double d = first; d <= last; ++d) {
        const QString text = pattern.format(d, names);
        if (text.size() != 10 || pattern.parse(text, names) != d)
            return false;
    }
    return true;
}

} // namespace

void TestDatePattern::roundTrip_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("dd/MM/yyyy") << "dd/MM/yyyy" << QDate(2004, 1, 3) << "03/01/2004";
    QTest::newRow("dd/mm/yyyy") << "dd/mm/yyyy" << QDate(2004, 1, 3) << "03/01/2004";
    QTest::newRow("MM/dd/yyyy") << "MM/dd/yyyy" << QDate(2004, 1, 3) << "01/03/2004";
    QTest::newRow("yyyy-MM-dd") << "yyyy-MM-dd" << QDate(2004, 2, 29) << "2004-02-29";
    QTest::newRow("dd.MM.yyyy") << "dd.MM.yyyy" << QDate(2003, 12, 31) << "31.12.2003";
    QTest::newRow("quoted literal") << "dd'x'MM\"-\"yy" << QDate(1999, 7, 4) << "04x07-99";
    QTest::newRow("short d/M/yyyy") << "d/M/yyyy" << QDate(2004, 3, 5) << "5/3/2004";
    QTest::newRow("old date") << "dd/MM/yyyy" << QDate(1800, 1, 1) << "01/01/1800";
}

void TestDatePattern::roundTrip()
{
    QFETCH(QString, pattern);
    QFETCH(QDate, date);
    QFETCH(QString, text);
    const double day = DayNumberFromDate(date);
    QCOMPARE(DatePattern(pattern).format(day, DateNames::Spanish()), text);
    const auto back = DatePattern(pattern).parse(text, DateNames::Spanish());
    QVERIFY(back.has_value());
    QCOMPARE(*back, day);
}

void TestDatePattern::rejectsTextThatDoesNotFit_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow("wrong separator") << "dd/MM/yyyy" << "03-01-2004";
    QTest::newRow("month 25") << "MM/dd/yyyy" << "25/03/2026";
    QTest::newRow("day 30 Feb") << "dd/MM/yyyy" << "30/02/2004";
    QTest::newRow("29 Feb non-leap") << "dd/MM/yyyy" << "29/02/2003";
    QTest::newRow("trailing text") << "dd/MM/yyyy" << "03/01/2004x";
    QTest::newRow("short year") << "dd/MM/yyyy" << "03/01/04";
    QTest::newRow("one-digit day for dd") << "dd/MM/yyyy" << "3/01/2004";
    QTest::newRow("empty") << "dd/MM/yyyy" << "";
    QTest::newRow("order yyyy first") << "yyyy-MM-dd" << "03-01-2004";
}

void TestDatePattern::rejectsTextThatDoesNotFit()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QVERIFY(!DatePattern(pattern).parse(text, DateNames::Spanish()).has_value());
}

// Numeric patterns write what Qt's own formatter writes for the same letters,
// over the calendar's years and the days around them.
void TestDatePattern::numbersAsQtWritesThem_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("qtPattern");
    QTest::newRow("dd/MM/yyyy") << "dd/MM/yyyy" << "dd/MM/yyyy";
    QTest::newRow("dd/mm/yyyy") << "dd/mm/yyyy" << "dd/MM/yyyy";
    QTest::newRow("yyyy-MM-dd") << "yyyy-MM-dd" << "yyyy-MM-dd";
    QTest::newRow("d/M/yyyy") << "d/M/yyyy" << "d/M/yyyy";
    QTest::newRow("quoted") << "dd'd'MM\"m\"yy" << "dd'd'MM'm'yy";
}

void TestDatePattern::numbersAsQtWritesThem()
{
    QFETCH(QString, pattern);
    QFETCH(QString, qtPattern);
    const DatePattern compiled(pattern);
    for (int day = int(FirstCoveredDayNumber) - 40; day <= int(LastCoveredDayNumber) + 40; ++day) {
        const QDate date = DateFromDayNumber(day);
        QCOMPARE(compiled.format(day), date.toString(qtPattern));
        QCOMPARE(compiled.parse(date.toString(qtPattern)), std::optional<double>(day));
    }
}

void TestDatePattern::namesAndLongPatterns()
{
    const DateNames es = DateNames::Spanish();
    const double day = DayNumberFromDate(QDate(2004, 1, 1));
    QCOMPARE(DatePattern("dddd d \"de\" mmmm \"de\" yyyy").format(day, es), QString("jueves 1 de enero de 2004"));
    QCOMPARE(DatePattern("MMMM, dddd dd \"de\" yyyy").format(day, es), QString("enero, jueves 01 de 2004"));
    QCOMPARE(DatePattern("ddd dd MMM yyyy").format(day, es), QString("jue 01 ene 2004"));
    const auto back = DatePattern("dddd d \"de\" mmmm \"de\" yyyy").parse("jueves 1 de enero de 2004", es);
    QVERIFY(back.has_value());
    QCOMPARE(*back, day);
    QVERIFY(DatePattern("dd/MM/yyyy").format(std::nan("")).isEmpty());
}

void TestDatePattern::dayNumbers()
{
    QCOMPARE(DayNumberFromDate(QDate(2003, 1, 1)), FirstCoveredDayNumber);
    QCOMPARE(DayNumberFromDate(QDate(2004, 12, 31)), LastCoveredDayNumber);
    QCOMPARE(DateFromDayNumber(37987.75), QDate(2004, 1, 1));
    QCOMPARE(MinuteOfDay(37987.0 + (5 * 60 + 57) / 1440.0 - 1e-9), 5 * 60 + 57);
    QVERIFY(!DateFromDayNumber(std::nan("")).isValid());
}

void TestDatePattern::contrastTextColour_data()
{
    QTest::addColumn<uint>("background");
    QTest::addColumn<uint>("text");
    QTest::newRow("black -> white") << 0x000000u << 0xFFFFFFu;
    QTest::newRow("white -> black") << 0xFFFFFFu << 0x000000u;
    QTest::newRow("grey 128 -> white") << 0x808080u << 0xFFFFFFu;
    QTest::newRow("pure red -> cyan") << 0x0000FFu << ColourFromRgb(0, 255, 255);
    QTest::newRow("yellow -> black") << 0x00FFFFu << 0x000000u;
    QTest::newRow("green 0x008000 -> white") << 0x008000u << 0xFFFFFFu;
}

void TestDatePattern::contrastTextColour()
{
    QFETCH(uint, background);
    QFETCH(uint, text);
    QCOMPARE(uint(ContrastTextColour(background)), text);
}

// A change of order is seen exactly when the text written at start no longer reads.
void TestDatePattern::changeDetection_data()
{
    QTest::addColumn<QDate>("startDate");
    QTest::addColumn<QString>("newPattern");
    QTest::addColumn<bool>("detected");
    QTest::newRow("5 March, to MM/dd") << QDate(2026, 3, 5) << "MM/dd/yyyy" << false;
    QTest::newRow("25 March, to MM/dd") << QDate(2026, 3, 25) << "MM/dd/yyyy" << true;
    QTest::newRow("to yyyy-MM-dd") << QDate(2026, 3, 5) << "yyyy-MM-dd" << true;
    QTest::newRow("unchanged") << QDate(2026, 3, 25) << "dd/MM/yyyy" << false;
}

void TestDatePattern::changeDetection()
{
    QFETCH(QDate, startDate);
    QFETCH(QString, newPattern);
    QFETCH(bool, detected);
    TestEnvironment env;
    TestGral test;
    Gral& gral = test.gral;
    gral.environment.startDateText = gral.environment.systemDateFormat.format(DayNumberFromDate(startDate));
    env.setShortDatePattern(newPattern);
    QCOMPARE(DateFormatChanged(gral), detected);
    QCOMPARE(gral.environment.quitRequested, detected);
    QCOMPARE(test.messages.messages().size(), detected ? 1 : 0);
    if (detected) {
        QCOMPARE(test.messages.messages().first().style, 48);
        QCOMPARE(test.messages.messages().first().text,
                 QStringLiteral("Se han detectado cambios en el \"Formato de fecha corta\" del sistema\r\r"
                                "Luego de pulsar el botón \"Aceptar\" el programa se cerrará. Finalizado esto, por "
                                "favor vuelva a ejecutar \"Zeltmark - Pronos\".\r\r"
                                "Si el error continúa, deberá reiniciar el sistema."));
        QVERIFY(gral.environment.systemDateFormat.isEmpty());
    }
}

void TestDatePattern::changeIsReportedOnce()
{
    TestEnvironment env;
    TestGral test;
    env.setShortDatePattern("yyyy-MM-dd");
    QVERIFY(DateFormatChanged(test.gral));
    QVERIFY(DateFormatChanged(test.gral));
    QCOMPARE(test.messages.messages().size(), 1);
}

void TestDatePattern::readSystemDateFormatFallsBack()
{
    TestEnvironment env;
    env.setShortDatePattern(QString());
    QCOMPARE(ReadSystemDateFormat().value(), QString("dd/mm/yyyy"));
    env.setShortDatePattern("d/M/yy");
    QCOMPARE(ReadSystemDateFormat().value(), QString("d/M/yy"));
    env.setShortDatePattern("\"no date here\"");
    const Result<QString> unreadable = ReadSystemDateFormat();
    QVERIFY(!unreadable);
    QCOMPARE(int(unreadable.failure().style), 16);
    QCOMPARE(unreadable.failure().text,
             QString("Error en formato de fecha de sistema.\r\r\"Zeltmark - Pronos\" se cerrará."));
}

// The pattern lives in "Control Panel/International.conf" in the user's config folder.
void TestDatePattern::shortDateSettingFile()
{
    TestEnvironment env;
    QFile file(env.path() + "/config/Control Panel/International.conf");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    // A length other than the pattern already there, so the settings cache can't take the
    // hand-written file for the one it wrote a moment ago.
    file.write("[General]\nsShortDate=d.M.yyyy\n");
    file.close();
    QCOMPARE(CurrentShortDatePattern(), QString("d.M.yyyy"));
    QVERIFY(file.remove());
    QCOMPARE(CurrentShortDatePattern(), QString("dd/mm/yyyy"));
}

void TestDatePattern::tenCharacterDates_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("usable");
    QTest::newRow("dd/MM/yyyy") << "dd/MM/yyyy" << true;
    QTest::newRow("dd/mm/yyyy") << "dd/mm/yyyy" << true;
    QTest::newRow("MM/dd/yyyy") << "MM/dd/yyyy" << true;
    QTest::newRow("yyyy-MM-dd") << "yyyy-MM-dd" << true;
    QTest::newRow("dd.MM.yyyy") << "dd.MM.yyyy" << true;
    QTest::newRow("yyyy.MM.dd") << "yyyy.MM.dd" << true;
    QTest::newRow("ddMMyyyy-_") << "ddMMyyyy-_" << true;
    // Ten pattern characters that don't write ten-character dates that read back.
    QTest::newRow("dd/MM/yy-- (two-digit year)") << "dd/MM/yy--" << false;
    QTest::newRow("dd'/'MM/yy (quotes, 8 written)") << "dd'/'MM/yy" << false;
    QTest::newRow("MMM/d/yyyy (month name)") << "MMM/d/yyyy" << false;
    QTest::newRow("d/M/yyyy/x (one-digit day)") << "d/M/yyyy/x" << false;
    QTest::newRow("dd/M/yyyy/ (one-digit month)") << "dd/M/yyyy/" << false;
    QTest::newRow("dd-MMMyyyy (month name only)") << "dd-MMMyyyy" << false;
    QTest::newRow("ddd/MM/yyy (day name only)") << "ddd/MM/yyy" << false;
    QTest::newRow("dd/MM/yyyy quoted") << "'dd/MM/yy'" << false;
    QTest::newRow("yy/MM/dd/x") << "yy/MM/dd/x" << false;
    QTest::newRow("dd/MM/y/yy") << "dd/MM/y/yy" << false;
}

void TestDatePattern::tenCharacterDates()
{
    QFETCH(QString, pattern);
    QFETCH(bool, usable);
    QCOMPARE(pattern.size(), 10); // each passes the length test
    const DateNames names = DateNames::Spanish();
    QCOMPARE(WritesTenCharacterDates(pattern, names), usable);
    // The probe dates decide as every date of 1800..2100 would.
    QCOMPARE(HoldsForEveryDate(pattern, names), usable);
}

QTEST_GUILESS_MAIN(TestDatePattern)
#include "tst_datepattern.moc"
