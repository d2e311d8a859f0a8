// The main window of the full edition (1900-2100): it opens on today, the
// track bar spans the shown day's year and goes on into the next or previous
// one, the calendar's window follows, and only the period's real end shows the
// end banner; the print window checks the same period.
#include "core/Edition.h"
#include "tendencies/MainWindowFixture.h"
#include "support/PdfText.h"
#include "tendencies/PrintComposition.h"
#include "tendencies/RecordingCanvas.h"
#include "settings/SettingsStore.h"
#include "calendar/SignCalendar.h"
#include "tendencies/TForm1.h"
#include "tendencies/TForm6.h"
#include "tendencies/TendencyTestSupport.h"
#include "tendencies/WeekChart.h"

#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QProcess>
#include <QRegularExpression>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QWheelEvent>

namespace {
QString MemberLine(const QString& date, const QString& name)
{
    return date + name.leftJustified(60, u' ');
}
} // namespace

class TestForm1Full : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensOnToday_data();
    void opensOnToday();
    void trackBarSpansTheShownYear_data();
    void trackBarSpansTheShownYear();
    void stepsPastTheYearGoOn();
    void wheelPastTheYearGoesOn();
    void periodEndsStayEnds();
    void pickerReachesAnyYear();
    void typedDateTakenWhole();
    void printWindowFollowsThePeriod_data();
    void printWindowFollowsThePeriod();
    void sevenDaysPrintedFromTheLastWeek();
    void printNamesMemberAndZone();

private:
    std::unique_ptr<TForm1> makeWindow(QDate today);
    void apply(TForm1& w, QDate date);

};

void TestForm1Full::init()
{
    ResetMainWindow(FullEdition(), {MemberLine("01/11/1980", "LÓPEZ, ANA")}, {FullEdition().helpFileName});
}

void TestForm1Full::cleanup()
{
    ReleaseMainWindow();
}

std::unique_ptr<TForm1> TestForm1Full::makeWindow(QDate today)
{
    return MakeMainWindow(13, "(GMT+01:00) Madrid", today);
}

void TestForm1Full::apply(TForm1& w, QDate date)
{
    w.DateTime1->setDate(date);
    w.DateTime1->setFocus();
    QTest::mouseClick(w.Button1, Qt::LeftButton);
}

void TestForm1Full::opensOnToday_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("banner");
    QTest::newRow("inside") << QDate(2025, 6, 15) << QString() << "15/06/2025" << 165 << false;
    QTest::newRow("after the period")
        << QDate(2150, 3, 1)
        << QString("La fecha de su sistema es posterior a la fecha con la cual finaliza este programa.\r\r"
                   "El mismo termina el \"31/12/2100\"")
        << "31/12/2100" << 364 << true;
    QTest::newRow("before the period")
        << QDate(1899, 12, 31)
        << QString("La fecha de su sistema es anterior a la fecha con la cual se inicia este programa.\r\r"
                   "El mismo comienza el \"01/01/1900\"")
        << "01/01/1900" << 0 << false;
}

void TestForm1Full::opensOnToday()
{
    QFETCH(QDate, today);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QFETCH(int, position);
    QFETCH(bool, banner);
    auto w = makeWindow(today);
    QCOMPARE(w->windowTitle(), QString("Zeltmark - Pronos"));
    QCOMPARE(messages_->texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(w->DateLabels[0]->text(), shown);
    QCOMPARE(w->DateTime1->date(), QDate::fromString(shown, "dd/MM/yyyy"));
    QCOMPARE(w->Barra->value(), position);
    QCOMPARE(w->Image2->isHidden(), !banner);
    QCOMPARE(gral_->calendar.coveredPeriod.firstDay, FullFirstDayNumber);
    QCOMPARE(gral_->calendar.coveredPeriod.lastDay, FullLastDayNumber);
}

void TestForm1Full::trackBarSpansTheShownYear_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("maximum");
    QTest::newRow("2025") << QDate(2025, 3, 1) << 364;
    QTest::newRow("leap year 2024") << QDate(2024, 12, 31) << 365;
    QTest::newRow("1900 is no leap year") << QDate(1900, 3, 1) << 364;
    QTest::newRow("2000 is one") << QDate(2000, 2, 29) << 365;
}

void TestForm1Full::trackBarSpansTheShownYear()
{
    QFETCH(QDate, day);
    QFETCH(int, maximum);
    auto w = makeWindow(day);
    QCOMPARE(w->Barra->minimum(), 0);
    QCOMPARE(w->Barra->maximum(), maximum);
    QCOMPARE(w->Barra->value(), day.dayOfYear() - 1);
    // Home and End: the year's first and last day.
    w->Barra->setFocus();
    QTest::keyClick(w->Barra, Qt::Key_End);
    QCOMPARE(w->DateLabels[0]->text(), QDate(day.year(), 12, 31).toString("dd/MM/yyyy"));
    QTest::keyClick(w->Barra, Qt::Key_Home);
    QCOMPARE(w->DateLabels[0]->text(), QDate(day.year(), 1, 1).toString("dd/MM/yyyy"));
}

void TestForm1Full::stepsPastTheYearGoOn()
{
    auto w = makeWindow(QDate(2025, 12, 31));
    QCOMPARE(gral_->calendar.calendarLastYear, 2026);
    w->Barra->setFocus();
    // Down past the year's last notch: the next year's first day, the bar at its top.
    QTest::keyClick(w->Barra, Qt::Key_Down);
    QCOMPARE(w->DateLabels[0]->text(), QString("01/01/2026"));
    QCOMPARE(w->DateLabels[6]->text(), QString("07/01/2026"));
    QCOMPARE(w->DateTime1->date(), QDate(2026, 1, 1));
    QCOMPARE(w->Barra->value(), 0);
    QCOMPARE(w->Barra->maximum(), 364);
    QTest::keyClick(w->Barra, Qt::Key_Down);
    QCOMPARE(w->DateLabels[0]->text(), QString("02/01/2026"));
    QCOMPARE(w->Barra->value(), 1);
    // Up twice: back across the year end, the bar at its bottom.
    QTest::keyClick(w->Barra, Qt::Key_Up);
    QTest::keyClick(w->Barra, Qt::Key_Up);
    QCOMPARE(w->DateLabels[0]->text(), QString("31/12/2025"));
    QCOMPARE(w->Barra->value(), 364);
    // Page keys step a day too, and go on past the top.
    QTest::keyClick(w->Barra, Qt::Key_Home);
    QTest::keyClick(w->Barra, Qt::Key_PageUp);
    QCOMPARE(w->DateLabels[0]->text(), QString("31/12/2024"));
    QCOMPARE(w->Barra->maximum(), 365);
    QCOMPARE(w->Barra->value(), 365);
    // The calendar's window moved with the days: 2024 is held again.
    QCOMPARE(gral_->calendar.calendarFirstYear, 2024);
    QVERIFY(messages_->messages().isEmpty());
}

void TestForm1Full::wheelPastTheYearGoesOn()
{
    auto w = makeWindow(QDate(2030, 12, 31));
    auto wheel = [&](int delta) {
        const QPointF at(w->Barra->width() / 2.0, w->Barra->height() / 2.0);
        QWheelEvent event(at, w->Barra->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(w->Barra, &event);
    };
    wheel(-120); // towards the user: later
    QCOMPARE(w->DateLabels[0]->text(), QString("01/01/2031"));
    QCOMPARE(w->Barra->value(), 0);
    wheel(120); // away: earlier
    QCOMPARE(w->DateLabels[0]->text(), QString("31/12/2030"));
    QCOMPARE(w->Barra->value(), 364);
}

void TestForm1Full::periodEndsStayEnds()
{
    auto w = makeWindow(QDate(2100, 6, 1));
    apply(*w, QDate(2100, 12, 28));
    QCOMPARE(w->DateLabels[3]->text(), QString("31/12/2100"));
    QCOMPARE(w->DateLabels[4]->text(), QString());
    QVERIFY(!w->Image2->isHidden());
    QCOMPARE(w->Image2->y(), 22 * 4 + 4);
    // Only the real end shows the banner: a week before the year's end of 2099 is whole.
    apply(*w, QDate(2099, 12, 28));
    QCOMPARE(w->DateLabels[6]->text(), QString("03/01/2100"));
    QVERIFY(w->Image2->isHidden());
    // From 31/12/2100 a step down goes nowhere; from 01/01/1900 a step up neither.
    apply(*w, QDate(2100, 12, 31));
    w->Barra->setFocus();
    QTest::keyClick(w->Barra, Qt::Key_Down);
    QCOMPARE(w->DateLabels[0]->text(), QString("31/12/2100"));
    QVERIFY(!w->Image2->isHidden());
    apply(*w, QDate(1900, 1, 1));
    w->Barra->setFocus();
    QTest::keyClick(w->Barra, Qt::Key_Up);
    QCOMPARE(w->DateLabels[0]->text(), QString("01/01/1900"));
    QVERIFY(messages_->messages().isEmpty());
}

void TestForm1Full::pickerReachesAnyYear()
{
    auto w = makeWindow(QDate(2025, 6, 15));
    for (const QDate& day : {QDate(1900, 1, 1), QDate(1969, 7, 20), QDate(2100, 12, 25), QDate(2025, 6, 15)}) {
        apply(*w, day);
        QCOMPARE(w->DateLabels[0]->text(), day.toString("dd/MM/yyyy"));
        QCOMPARE(w->Barra->value(), day.dayOfYear() - 1);
        QVERIFY(gral_->calendar.calendarFirstYear <= day.year() && day.year() <= gral_->calendar.calendarLastYear);
    }
    QVERIFY(messages_->messages().isEmpty());
    // Outside the period: the message names the period's end.
    apply(*w, QDate(2101, 1, 1));
    QCOMPARE(messages_->texts(),
             QStringList{"La fecha ingresada es posterior a la fecha con la cual finaliza este programa.\r\r"
                         "El mismo termina el \"31/12/2100\""});
    QCOMPARE(w->DateLabels[0]->text(), QString("31/12/2100"));
}

// "Fecha" typed whole and applied with Enter; outside the period, the message
// and that end, which the track bar's step past it names in the status bar.
void TestForm1Full::typedDateTakenWhole()
{
    auto w = makeWindow(QDate(2026, 12, 9));
    const struct { QDate shown; QString typed, firstDay, message; } cases[] = {
        {QDate(2026, 11, 15), "31122026", "31/12/2026", ""}, {QDate(2100, 12, 30), "31/12/1899", "01/01/1900", "anterior"},
        {QDate(1900, 1, 3), "01/01/2101", "31/12/2100", "posterior"}, {QDate(2026, 11, 15), "31/04/1990", "15/11/2026", "no existe"}};
    for (const auto& c : cases) {
        apply(*w, c.shown);
        messages_->clear();
        w->DateTime1->setFocus();
        QTest::keyClicks(w->DateTime1, c.typed);
        QTest::keyClick(w->DateTime1, Qt::Key_Return);
        QCOMPARE(w->DateLabels[0]->text(), c.firstDay);
        QCOMPARE(messages_->texts().size(), c.message.isEmpty() ? 0 : 1);
        QVERIFY(messages_->texts().value(0).contains(c.message));
        w->Barra->setFocus();
        QTest::keyClick(w->Barra, c.message == "posterior" ? Qt::Key_Down : Qt::Key_Up);
        QVERIFY(!c.message.endsWith("rior") || w->statusBar()->currentMessage().contains(c.message));
    }
}

void TestForm1Full::printWindowFollowsThePeriod_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("message");
    QTest::newRow("first day") << QDate(1900, 1, 1) << QString();
    QTest::newRow("last day") << QDate(2100, 12, 31) << QString();
    QTest::newRow("after") << QDate(2101, 1, 1)
                           << "La fecha \"01/01/2101\" es posterior a la fecha con la cual finaliza este programa."
                              "\r\rEl mismo finaliza el \"31/12/2100\"";
}

void TestForm1Full::printWindowFollowsThePeriod()
{
    QFETCH(QDate, date);
    QFETCH(QString, message);
    auto w = makeWindow(QDate(2025, 6, 15));
    TForm6 form(*gral_, DayNumberFromDate(QDate(2025, 6, 15)), w.get());
    form.show();
    // No earlier day can be picked at all.
    QCOMPARE(form.DateTime1->minimumDate(), QDate(1900, 1, 1));
    QTest::mouseClick(form.Option2, Qt::LeftButton);
    form.DateTime1->setDate(date);
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QCOMPARE(messages_->texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(form.printDate(), message.isEmpty() ? DayNumberFromDate(date) : 0.0);
}

void TestForm1Full::sevenDaysPrintedFromTheLastWeek()
{
    auto w = makeWindow(QDate(2025, 6, 15));
    RecordingCanvas canvas;
    QCOMPARE(ComposeTendencies(*gral_, canvas, true, Day(2100, 12, 28)), PrintOutcome::Printed);
    QStringList texts;
    for (const RecordingCanvas::Item& item : canvas.items)
        texts << item.text;
    for (const char* day : {"28/12/2100", "29/12/2100", "30/12/2100", "31/12/2100"})
        QVERIFY2(texts.filter(QString("Fecha: ") + day).size() >= 1, day);
    QVERIFY(texts.filter("01/01/2101").isEmpty());
    QCOMPARE(texts.mid(texts.size() - 2),
             QStringList({"Fecha final del programa.", "El mismo termina el 31/12/2100"}));
    // A week that crosses into the next year is printed whole, with no end lines.
    RecordingCanvas crossing;
    QCOMPARE(ComposeTendencies(*gral_, crossing, true, Day(2050, 12, 28)), PrintOutcome::Printed);
    QStringList crossingTexts;
    for (const RecordingCanvas::Item& item : crossing.items)
        crossingTexts << item.text;
    QVERIFY(crossingTexts.filter("Fecha final del programa.").isEmpty());
    QVERIFY(!crossingTexts.filter("Fecha: 03/01/2051").isEmpty());
}

// Seven days printed in the full edition: member, birth date and zone under the title, every word 10 mm
// (28 points) inside the page, offered as "<member> <day>.pdf" with the name's '/' made fit for a file.
void TestForm1Full::printNamesMemberAndZone()
{
    gral_->members.memberList = {MemberLine("15/07/1975", "GARCÍA/PAZ, LUIS")};
    QString suggested, path = env_->programFolder() + "t.pdf";
    test_->platform.onChoosePdfFile = [&](const QString&, const QString& name) { return suggested = name, path; };
    auto w = makeWindow(QDate(2026, 12, 9));
    modal_->push([](QDialog& window) {
        QTest::mouseClick(static_cast<TForm6&>(window).Option2, Qt::LeftButton);
        return QTest::mouseClick(static_cast<TForm6&>(window).Button1, Qt::LeftButton), window.result();
    });
    w->Archiv4->trigger();
    QVERIFY2(suggested.endsWith("/GARCÍA-PAZ, LUIS 2026-12-09.pdf"), qPrintable(suggested));
    const QString html = PdfWordBoxes(path);
    if (html.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    for (const char* word : {">GARCÍA/PAZ,<", ">15/07/1975<", ">Madrid<", ">15/12/2026<"})
        QVERIFY2(html.contains(QString::fromUtf8(word)), word);
    QCOMPARE(WordsNearEdge(html, 28), QStringList());
}

QTEST_MAIN(TestForm1Full)
#include "tst_tform1full.moc"
