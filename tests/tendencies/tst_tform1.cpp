// The main window as the user drives it: members, days, the track bar, chart
// clicks, the explanation window and what is stored on closing.
#include "help/HelpContext.h"
#include "tendencies/MainWindowFixture.h"
#include "app/ProgramMessage.h"
#include "settings/SettingsStore.h"
#include "calendar/SignCalendar.h"
#include "tendencies/TForm1.h"
#include "settings/TForm3.h"
#include "tendencies/TForm5.h"
#include "tendencies/TForm6.h"
#include "tendencies/TendencyRule.h"
#include "tendencies/TendencyTexts.h"
#include "support/PdfText.h"
#include "support/TestSupport.h"
#include "widgets/QtColour.h"
#include "tendencies/WeekChart.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QFocusEvent>
#include <QTest>
#include <QTimer>

namespace {
QString MemberLine(const QString& date, const QString& name)
{
    return date + name.leftJustified(60, u' ');
}
QDate PickerOf(const TForm1& w) { return w.DateTime1->date(); }

// A click (press and release) on the chart's picture at a pixel.
void ClickChart(TForm1& w, int x, int y)
{
    QTest::mouseClick(w.Image1, Qt::LeftButton, {}, QPoint(x, y));
}

// A menu entry of the main window, found by its name as the user's menus hold it.
void Choose(TForm1& w, const char* entry)
{
    auto* action = w.findChild<QAction*>(entry);
    QVERIFY2(action, entry);
    action->trigger();
}
} // namespace

class TestForm1 : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startShowsFirstCoveredWeek();
    void headlineAfterDrawing();
    void trackBarOneStepDownAndEnd();
    void enteringTrackBarDropsUnappliedDate();
    void enterInMemberBoxDoesNothing();
    void memberListDropsBelowTheBox();
    void applyingShownDayDoesNotRedraw();
    void outsideCoveredPeriod_data();
    void outsideCoveredPeriod();
    void staleStoredMemberSelectsFirst();
    void storedMemberFoundIgnoringCase();
    void chartClickTextsFollowColour();
    void chartClickHeadlineTime();
    void silverAndBannerIgnored();
    void rightClickExplainsTheMomentUnderThePointer();
    void explanationFollowsAndReopens();
    void firstRunOpensRegionalWindow();
    void closingStoresMemberAndColours();
    void restoreColoursWritesDefaults();
    void legendOpensColourWindow();
    void legendOpensColourWindowAfterFormatChange();
    void regionalWindowRedrawsOnlyWhenChanged();
    void menuEntriesOpenTheirWindows();
    void printCancelledLeavesWindow();
    void printsTheDateTheOptionsReturn_data();
    void printsTheDateTheOptionsReturn();
    void helpContexts();
    void menusAndFixedTexts();

private:
    std::unique_ptr<TForm1> makeWindow(bool configured = true);
    void apply(TForm1& w, QDate date);

};

void TestForm1::init()
{
    ResetMainWindow(DemoEdition(),
                    {MemberLine("01/11/1980", "LÓPEZ, ANA"), MemberLine("05/05/1990", "PÉREZ, LUIS"),
                     MemberLine("21/04/1985", "GÓMEZ & HIJOS, RAÚL")},
                    {"Pronos.hlp"});
}

void TestForm1::cleanup()
{
    ReleaseMainWindow();
}

std::unique_ptr<TForm1> TestForm1::makeWindow(bool configured)
{
    return MakeMainWindow(12, configured ? "(GMT 00:00) Hora media de Greenwich: Dublín, Edimburgo, Lisboa, Londres"
                                         : QString());
}

void TestForm1::apply(TForm1& w, QDate date)
{
    w.DateTime1->setDate(date);
    QTest::mouseClick(w.Button1, Qt::LeftButton);
}

void TestForm1::startShowsFirstCoveredWeek()
{
    auto w = makeWindow();
    QCOMPARE(w->windowTitle(), QString("Zeltmark - Pronos  'DEMO'"));
    QCOMPARE(w->Combo1->count(), 3);
    QCOMPARE(w->Combo1->itemText(2), QString("GÓMEZ & HIJOS, RAÚL - 21/04/1985"));
    QCOMPARE(w->DateLabels[0]->text(), QString("01/01/2003"));
    QCOMPARE(w->DateLabels[6]->text(), QString("07/01/2003"));
    QCOMPARE(w->Barra->value(), 0);
    QCOMPARE(w->Barra->maximum(), 730);
    QVERIFY(w->Image2->isHidden());
    QCOMPARE(w->StatusPanel0->text(),
             QString("(GMT 00:00) Hora media de Greenwich: Dublín, Edimburgo, Lisboa, Londres"));
    QCOMPARE(w->StatusPanel1->text(), QString("Horario verano: NO"));
    QCOMPARE(gral_->members.memberSign, 8);
    QCOMPARE(w->TextCol[1]->text(), QString("Buena"));
    QVERIFY(messages_->messages().isEmpty());
}

void TestForm1::headlineAfterDrawing()
{
    auto w = makeWindow();
    // Member born 1 November (sign 8); at 00:00 of 01/01/2004 the calendar is in sign 1: step 8.
    apply(*w, QDate(2004, 1, 1));
    QCOMPARE(w->Text2->text(), QString("jueves 1 de enero de 2004 - 00:00 hs. - Tendencias Buenas"));
    QCOMPARE(w->HeadlineFill(), gral_->levelColors[1]);
    QCOMPARE(w->Barra->value(), 365);
    QCOMPARE(w->Text3->text(), QString("Tendencia de Juego: Rápido, impulsivo, agresivo."));
}

void TestForm1::trackBarOneStepDownAndEnd()
{
    auto w = makeWindow();
    w->Barra->setFocus();
    QTest::keyClick(w->Barra, Qt::Key_Down);
    QCOMPARE(w->Barra->value(), 1);
    QCOMPARE(w->DateLabels[0]->text(), QString("02/01/2003"));
    QCOMPARE(PickerOf(*w), QDate(2003, 1, 2));
    QTest::keyClick(w->Barra, Qt::Key_End);
    QCOMPARE(w->Barra->value(), 730);
    QCOMPARE(w->DateLabels[0]->text(), QString("31/12/2004"));
    QCOMPARE(w->DateLabels[1]->text(), QString());
    QVERIFY(!w->Image2->isHidden());
    QCOMPARE(w->Image2->y(), 26);
    QTest::keyClick(w->Barra, Qt::Key_Up);
    QCOMPARE(w->DateLabels[0]->text(), QString("30/12/2004"));
}

// Entering the track bar gives the shown day back to the picker; the window
// returning to the front with the track bar focused is no entry.
void TestForm1::enteringTrackBarDropsUnappliedDate()
{
    auto w = makeWindow();
    w->DateTime1->setDate(QDate(2003, 6, 1));
    QFocusEvent returning(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(w->Barra, &returning);
    QCOMPARE(PickerOf(*w), QDate(2003, 6, 1));
    QFocusEvent entering(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(w->Barra, &entering);
    QCOMPARE(PickerOf(*w), QDate(2003, 1, 1));
    QCOMPARE(w->DateLabels[0]->text(), QString("01/01/2003"));
}

void TestForm1::enterInMemberBoxDoesNothing()
{
    auto w = makeWindow();
    w->DateTime1->setDate(QDate(2003, 6, 1));
    w->Combo1->setFocus();
    QVERIFY(w->Combo1->hasFocus());
    QTest::keyClick(w->Combo1, Qt::Key_Return);
    QCOMPARE(w->DateLabels[0]->text(), QString("01/01/2003"));
    // Tab from the picker reaches "Aplicar fecha" at once.
    w->DateTime1->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->Button1);
    // The same key with the picker focused applies its date.
    w->DateTime1->setFocus();
    QTest::keyClick(w->DateTime1, Qt::Key_Return);
    QCOMPARE(w->DateLabels[0]->text(), QString("01/06/2003"));
    QCOMPARE(w->Barra->value(), 151);
}

void TestForm1::memberListDropsBelowTheBox()
{
    auto w = makeWindow();
    w->Combo1->showPopup();
    QWidget* popup = w->Combo1->view()->window();
    QTRY_VERIFY(popup->isVisible());
    const int boxBottom = w->Combo1->mapToGlobal(QPoint(0, w->Combo1->height())).y();
    QVERIFY2(popup->geometry().top() >= boxBottom - 1, qPrintable(QString::number(popup->geometry().top())));
    w->Combo1->hidePopup();
}

void TestForm1::applyingShownDayDoesNotRedraw()
{
    auto w = makeWindow();
    ClickChart(*w, 28 * 15 + 10, 22 * 2 + 10);
    const QString clicked = w->Text2->text();
    QVERIFY(clicked.contains("15:21 hs."));
    apply(*w, QDate(2003, 1, 1));
    QCOMPARE(w->Text2->text(), clicked);
    apply(*w, QDate(2003, 1, 2));
    QVERIFY(w->Text2->text().contains("00:00 hs."));
}

void TestForm1::outsideCoveredPeriod_data()
{
    QTest::addColumn<QDate>("entered");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("position");
    QTest::newRow("31/12/2002") << QDate(2002, 12, 31)
                                << QString("La fecha ingresada es anterior a la fecha con la cual se inicia este "
                                           "programa.\r\rEl mismo comienza el \"01/01/2003\"")
                                << QString("01/01/2003") << 0;
    QTest::newRow("05/01/2005") << QDate(2005, 1, 5)
                                << QString("La fecha ingresada es posterior a la fecha con la cual finaliza este "
                                           "programa.\r\rEl mismo termina el \"31/12/2004\"")
                                << QString("31/12/2004") << 730;
}

void TestForm1::outsideCoveredPeriod()
{
    QFETCH(QDate, entered);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QFETCH(int, position);
    auto w = makeWindow();
    apply(*w, QDate(2003, 7, 1)); // somewhere in the middle first
    messages_->clear();
    apply(*w, entered);
    QCOMPARE(messages_->messages().size(), 1);
    QCOMPARE(messages_->messages()[0].text, message);
    QCOMPARE(messages_->messages()[0].style, 48);
    QCOMPARE(w->DateLabels[0]->text(), shown);
    QCOMPARE(w->DateTime1->date(), QDate::fromString(shown, "dd/MM/yyyy"));
    QCOMPARE(w->Barra->value(), position);
    // Both ends themselves pass without a message.
    messages_->clear();
    apply(*w, QDate(2003, 1, 1));
    apply(*w, QDate(2004, 12, 31));
    QVERIFY(messages_->messages().isEmpty());
}

void TestForm1::staleStoredMemberSelectsFirst()
{
    SettingsStore().setMember("NADIE - 01/01/1990");
    auto w = makeWindow();
    QCOMPARE(w->Combo1->currentIndex(), 0);
    QCOMPARE(SettingsStore().member().value_or(""), QString("LÓPEZ, ANA - 01/11/1980"));
}

void TestForm1::storedMemberFoundIgnoringCase()
{
    SettingsStore().setMember("pérez, luis - 05/05/1990");
    auto w = makeWindow();
    QCOMPARE(w->Combo1->currentIndex(), 1);
    QCOMPARE(gral_->members.memberSign, 2);
    QCOMPARE(SettingsStore().member().value_or(""), QString("pérez, luis - 05/05/1990"));
}

// Every coloured pixel of a day with a change, clicked, gives texts of the
// span shown in that colour: the headline takes the clicked colour.
void TestForm1::chartClickTextsFollowColour()
{
    auto w = makeWindow();
    int changes = 0;
    for (int row = 0; row < 7; ++row) {
        const int y = 22 * row + 11;
        for (int x = 1; x < 672; ++x) {
            const QRgb pixel = w->Image1->pixel(x, y);
            if (pixel == qRgb(192, 192, 192))
                continue;
            ClickChart(*w, x, y);
            QCOMPARE(ToQColor(w->HeadlineFill()).rgb(), pixel);
            if (x > 1 && w->Image1->pixel(x - 1, y) == qRgb(192, 192, 192) && x % 28 != 1)
                ++changes;
        }
    }
    QVERIFY(changes > 0); // the first week holds sign changes inside an hour
}

void TestForm1::chartClickHeadlineTime()
{
    auto w = makeWindow();
    ClickChart(*w, 28 * 15 + 10, 22 * 2 + 10);
    QVERIFY2(w->Text2->text().startsWith("viernes 3 de enero - 15:21 hs. - Tendencias "), qPrintable(w->Text2->text()));
    ClickChart(*w, 28 * 23 + 27, 22 * 6 + 1);
    QVERIFY(w->Text2->text().startsWith("martes 7 de enero - 23:57 hs. - Tendencias "));
    // Released left of the picture after a press inside: 00:00 of that row.
    QTest::mousePress(w->Image1, Qt::LeftButton, {}, QPoint(3, 22 * 1 + 5));
    QTest::mouseRelease(w->Image1, Qt::LeftButton, {}, QPoint(-6, 22 * 1 + 5));
    QVERIFY(w->Text2->text().startsWith("jueves 2 de enero - 00:00 hs. - Tendencias "));
    // The click moves neither the shown day nor the track bar.
    QCOMPARE(w->DateLabels[0]->text(), QString("01/01/2003"));
    QCOMPARE(w->Barra->value(), 0);
}

void TestForm1::silverAndBannerIgnored()
{
    auto w = makeWindow();
    apply(*w, QDate(2004, 12, 28));
    QCOMPARE(w->DateLabels[3]->text(), QString("31/12/2004"));
    QCOMPARE(w->DateLabels[4]->text(), QString());
    QVERIFY(!w->Image2->isHidden());
    QCOMPARE(w->Image2->y(), 92);
    const QString headline = w->Text2->text();
    ClickChart(*w, 28 * 5, 30);  // grid line
    ClickChart(*w, 300, 22 * 4); // outline of the empty area
    ClickChart(*w, 300, 120);    // silver below the last day
    QCOMPARE(w->Text2->text(), headline);
    // The banner lies over the chart: a press there never reaches the picture.
    QCOMPARE(w->Panel1->childAt(300, 100), static_cast<QWidget*>(w->Image2));
    QTest::mouseClick(w->Image2, Qt::LeftButton, {}, QPoint(100, 20));
    QCOMPARE(w->Text2->text(), headline);
}

void TestForm1::rightClickExplainsTheMomentUnderThePointer()
{
    auto w = makeWindow();
    // A point of another level than the headline's (00:00 of the shown day).
    QPoint point;
    QRgb pixel = 0;
    for (int x = 1; x < 672 && point.isNull(); x += 3) {
        for (int row = 0; row < 7 && point.isNull(); ++row) {
            const QRgb p = w->Image1->pixel(x, 22 * row + 11);
            if (p != qRgb(192, 192, 192) && p != ToQColor(w->HeadlineFill()).rgb()) {
                point = QPoint(x, 22 * row + 11);
                pixel = p;
            }
        }
    }
    QVERIFY(!point.isNull());
    int expected = 0;
    for (int level = 5; level >= 1; --level)
        if (ToQColor(gral_->levelColors[size_t(level - 1)]).rgb() == pixel)
            expected = level;
    QVERIFY(expected > 0);

    // The right button opens the pop-up, which takes the button's release;
    // the user then chooses "¿Qué indica?". Sent through the window, as the
    // desktop delivers it, so the pop-up opens when it would.
    const QPoint inWindow = w->Image1->mapTo(w.get(), point);
    bool menuSeen = false;
    int explainedOnChoice = 0;
    QTimer::singleShot(0, this, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menuSeen = menu->actions().contains(w->Quindica1);
            QTest::mouseRelease(w->windowHandle(), Qt::RightButton, {}, inWindow);
            w->Quindica1->trigger();
            explainedOnChoice = gral_->explanation.explainedLevel;
            menu->close();
        }
    });
    QTest::mousePress(w->windowHandle(), Qt::RightButton, {}, inWindow);
    QVERIFY(menuSeen);
    QCOMPARE(explainedOnChoice, expected);
    QCOMPARE(ToQColor(w->HeadlineFill()).rgb(), pixel);
    QVERIFY(w->ExplanationWindow());
    QCOMPARE(w->ExplanationWindow()->windowTitle(), ExplanationCaption(expected));
}

void TestForm1::explanationFollowsAndReopens()
{
    auto w = makeWindow();
    w->Quindica1->trigger();
    QPointer<TForm5> first = w->ExplanationWindow();
    QVERIFY(first);
    QVERIFY(gral_->explanation.explanationOpen);
    const int level = gral_->explanation.explainedLevel;
    QCOMPARE(first->windowTitle(), ExplanationCaption(level));
    QCOMPARE(first->size(), QSize(555, 62));
    const QPoint place = first->pos();
    // Move to a moment of another level: the open window follows without reopening.
    bool moved = false;
    for (int x = 1; x < 672 && !moved; x += 3) {
        for (int row = 0; row < 7 && !moved; ++row) {
            const QRgb pixel = w->Image1->pixel(x, 22 * row + 11);
            if (pixel != qRgb(192, 192, 192) && pixel != ToQColor(gral_->levelColors[size_t(level - 1)]).rgb()) {
                ClickChart(*w, x, 22 * row + 11);
                moved = true;
            }
        }
    }
    QVERIFY(moved);
    QVERIFY(gral_->explanation.explainedLevel != level);
    QCOMPARE(w->ExplanationWindow(), first.data());
    QCOMPARE(first->windowTitle(), ExplanationCaption(gral_->explanation.explainedLevel));
    QCOMPARE(first->Text1->text(), ExplanationText(gral_->explanation.explainedLevel).replace('\r', '\n'));
    // Esc closes it; "¿Qué indica?" opens a new one at the same place.
    QTest::keyRelease(first.data(), Qt::Key_Escape);
    QTRY_VERIFY(first.isNull());
    QVERIFY(!gral_->explanation.explanationOpen);
    w->Quindica1->trigger();
    QVERIFY(w->ExplanationWindow());
    QCOMPARE(w->ExplanationWindow()->pos(), place);
}

void TestForm1::firstRunOpensRegionalWindow()
{
    bool firstRunMode = false;
    modal_->push([&](QDialog&) {
        firstRunMode = gral_->regionalFirstRun;
        return 0;
    });
    auto w = makeWindow(false);
    QCOMPARE(modal_->opened(), 1);
    QVERIFY(firstRunMode);
    QVERIFY(!gral_->regionalFirstRun);
    QVERIFY(!messages_->messages().isEmpty());
    QCOMPARE(messages_->messages()[0].text,
             u"Dado que es la primera vez que se ejecuta \"Zeltmark - Pronos\" , el programa requiere de la "
             u"configuración regional.\r\rA continuación se abrirá la ventana correspondiente. Ante cualquier "
             u"duda recurra a la ayuda."_qs);
    QCOMPARE(messages_->messages()[0].style, 64);
    QCOMPARE(w->StatusPanel0->text(), QString("Zona Horaria"));
}

void TestForm1::closingStoresMemberAndColours()
{
    auto w = makeWindow();
    w->Combo1->setFocus();
    QTest::keyClick(w->Combo1, Qt::Key_End); // the last member, chosen with the keyboard
    QCOMPARE(gral_->members.memberSign, 2);
    gral_->levelColors[0] = 0x123456;
    Choose(*w, "Archiv5");
    SettingsStore store;
    QCOMPARE(store.member().value_or(""), QString("GÓMEZ & HIJOS, RAÚL - 21/04/1985"));
    QCOMPARE(store.levelColour(1).value_or(0), ColourValue(0x123456));
    QCOMPARE(store.levelColour(5).value_or(0), DefaultLevelColors[4]);
    QVERIFY(gral_->calendar.signCalendar.isEmpty());
}

void TestForm1::restoreColoursWritesDefaults()
{
    SettingsStore().setLevelColours({1, 2, 3, 4, 5});
    SettingsStore().setZoneOffset(12);
    auto w = makeWindow();
    QCOMPARE(gral_->levelColors[2], ColourValue(3));
    Choose(*w, "Archiv3");
    QCOMPARE(gral_->levelColors, DefaultLevelColors);
    QCOMPARE(SettingsStore().levelColour(3).value_or(0), DefaultLevelColors[2]);
    QCOMPARE(w->TextCol[2]->palette().color(QPalette::Window), QColor(128, 0, 128));
    QCOMPARE(w->Image1->pixel(1, 1), ToQColor(w->HeadlineFill()).rgb());
}

void TestForm1::legendOpensColourWindow()
{
    auto w = makeWindow();
    QString opened;
    modal_->push([&](QDialog& window) {
        opened = window.metaObject()->className();
        gral_->levelColors[4] = 0x00A0A0; // as if "Aceptar" took a new colour for "Restrictiva"
        return int(QDialog::Accepted);
    });
    QTest::mouseDClick(w->TextCol[4], Qt::LeftButton);
    QCOMPARE(opened, QString("TForm4"));
    QCOMPARE(w->TextCol[4]->palette().color(QPalette::Window), QColor(0xA0, 0xA0, 0));
    // 01/01/2003 at 00:00 is "Restrictiva" for this member: the chart and the headline take the new colour.
    QCOMPARE(w->Image1->pixel(1, 1), qRgb(0xA0, 0xA0, 0));
    QCOMPARE(w->HeadlineFill(), ColourValue(0x00A0A0));
}

void TestForm1::legendOpensColourWindowAfterFormatChange()
{
    auto w = makeWindow();
    env_->setShortDatePattern("yyyy-MM-dd");
    QTest::mouseDClick(w->TextCol[0], Qt::LeftButton);
    QCOMPARE(modal_->opened(), 1);
    // The next other action notices the change and ends the program without opening anything.
    Choose(*w, "Archiv2");
    QCOMPARE(modal_->opened(), 1);
    QVERIFY(gral_->environment.quitRequested);
}

void TestForm1::regionalWindowRedrawsOnlyWhenChanged()
{
    auto w = makeWindow();
    ClickChart(*w, 28 * 15 + 10, 22 * 2 + 10);
    const QString clicked = w->Text2->text();
    QString opened;
    modal_->push([&](QDialog& window) {
        opened = window.metaObject()->className();
        return 0; // cancelled: nothing changed
    });
    QTest::mouseDClick(w->StatusPanel0, Qt::LeftButton);
    QCOMPARE(opened, QString("TForm3"));
    QCOMPARE(w->Text2->text(), clicked);
    // The regional window's own controls: a region chosen in its list, summer time ticked, "Aceptar".
    const QString madrid = "(GMT+01:00) Bruselas, Copenhague, Madrid, París, Vilnius";
    modal_->push([&](QDialog& window) {
        auto* region = qobject_cast<TForm3*>(&window);
        if (!region)
            return -1;
        region->Combo1->setCurrentIndex(24);
        emit region->Combo1->activated(24);
        QTest::mouseClick(region->Check1, Qt::LeftButton, {}, QPoint(region->Check1->width() - 8, 9));
        QTest::mouseClick(region->Button1, Qt::LeftButton);
        return window.result();
    });
    Choose(*w, "Archiv1");
    QCOMPARE(gral_->calendar.zoneOffset, 14);
    QVERIFY(w->Text2->text().startsWith("miércoles 1 de enero de 2003 - 00:00 hs."));
    QCOMPARE(w->DateTime1->text(), "miércoles 1 de enero de 2003"); // the picker writes the day alike
    // The status bar follows the saved region (the window reports it through its signal).
    QCOMPARE(w->StatusPanel0->text(), madrid);
    QCOMPARE(w->StatusPanel1->text(), QString("Horario verano: SI"));
    QCOMPARE(w->DateLabels[0]->text(), QString("01/01/2003"));
}

void TestForm1::menuEntriesOpenTheirWindows()
{
    auto w = makeWindow();
    QStringList opened;
    for (int i = 0; i < 3; ++i)
        modal_->push([&](QDialog& window) {
            opened << window.metaObject()->className();
            return 0;
        });
    Choose(*w, "Archiv2");
    Choose(*w, "Ayuda4");
    Choose(*w, "Archiv6");
    QCOMPARE(opened, QStringList({"TForm4", "TForm7", "TForm2"}));
    QList<int> topics;
    int finder = 0;
    test_->platform.onShowHelpTopic = [&](int topic) { topics << topic; };
    test_->platform.onShowHelpFinder = [&] { ++finder; };
    Choose(*w, "Ayuda1");
    Choose(*w, "Ayuda2");
    Choose(*w, "Ayuda3");
    QCOMPARE(topics, QList<int>({1, 6}));
    QCOMPARE(finder, 1);
}

void TestForm1::printCancelledLeavesWindow()
{
    auto w = makeWindow();
    apply(*w, QDate(2003, 3, 10));
    QDate printDateSeen;
    double printDateLeft = -1;
    QString opened;
    modal_->push([&](QDialog& window) {
        opened = window.metaObject()->className();
        auto* options = qobject_cast<TForm6*>(&window);
        if (options)
            printDateSeen = options->DateTime1->date();
        window.reject();
        if (options)
            printDateLeft = options->printDate();
        return 0;
    });
    const QString headline = w->Text2->text();
    Choose(*w, "Archiv4");
    QCOMPARE(opened, QString("TForm6"));
    QCOMPARE(printDateSeen, QDate(2003, 3, 10)); // the options start from the shown day
    QCOMPARE(printDateLeft, 0.0);
    QCOMPARE(w->Text2->text(), headline);
    QCOMPARE(w->DateLabels[0]->text(), QString("10/03/2003"));
    QVERIFY(messages_->messages().isEmpty());
}

// "Imprimir" in the options: the main window prints the date the window hands back.
void TestForm1::printsTheDateTheOptionsReturn_data()
{
    QTest::addColumn<bool>("sevenDays");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("the shown day") << false << "Fecha: 10/03/2003" << "Fecha: 10/03/2003";
    QTest::newRow("seven days to the period's end") << true << "Fecha: 28/12/2004" << "Fecha final del programa.";
}

void TestForm1::printsTheDateTheOptionsReturn()
{
    QFETCH(bool, sevenDays);
    QFETCH(QString, first);
    QFETCH(QString, last);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (Debian package poppler-utils) is not installed: the PDF cannot be read back");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("tendencias.pdf");
    test_->platform.onChoosePdfFile = [&](const QString&, const QString&) { return pdf; };
    auto w = makeWindow();
    apply(*w, QDate(2003, 3, 10));
    modal_->push([&](QDialog& window) {
        auto& options = static_cast<TForm6&>(window);
        if (sevenDays) {
            QTest::mouseClick(options.Option2, Qt::LeftButton);
            options.DateTime1->setDate(QDate(2004, 12, 28));
        }
        QTest::mouseClick(options.Button1, Qt::LeftButton);
        return options.result();
    });
    Choose(*w, "Archiv4");
    QCOMPARE(messages_->messages().size(), 1); // only the no-printer question
    const QString text = PdfLayoutText(pdf);
    QVERIFY2(text.contains(first), qPrintable(text));
    QVERIFY2(text.contains(last), qPrintable(text));
    QCOMPARE(text.contains("10/03/2003"), !sevenDays);
}

void TestForm1::helpContexts()
{
    auto w = makeWindow();
    const QList<QWidget*> controls = {w->Combo1, w->DateTime1, w->Button1, w->Barra,
                                      w->Image1, w->Text2,     w->TextCol[0], w->StatusPanel0};
    for (QWidget* control : controls)
        QCOMPARE(HelpContextOf(control), 2);
    QCOMPARE(HelpContextOf(w->menuBar()), 1);
    w->Quindica1->trigger();
    QCOMPARE(HelpContextOf(w->ExplanationWindow()->Text1), 8);
}

// Menu entries in order with their mnemonics; "-" stands for a separator.
void TestForm1::menusAndFixedTexts()
{
    auto w = makeWindow();
    QStringList menus;
    for (QAction* top : w->menuBar()->actions()) {
        menus << top->text();
        for (QAction* entry : top->menu()->actions())
            menus << (entry->isSeparator() ? QString("-") : "  " + entry->text());
    }
    QCOMPARE(menus, QStringList({u"&Pronos"_qs, u"  &Gestión de Integrantes"_qs, "-", u"  C&onfiguración regional"_qs,
                                 "-", "  &Cambiar colores", "  &Restaurar colores", "-", "  &Imprimir tendencias", "-",
                                 "  &Salir", "&Ayuda", "  &Contenido", "  &Buscar temas de ayuda", "-",
                                 "  C&onceptos generales", "-", "  &Acerca de...."}));
    QCOMPARE(w->Quindica1->text(), u"¿Qué indica?"_qs);
    QCOMPARE(w->windowTitle(), QString("Zeltmark - Pronos  'DEMO'"));
    QCOMPARE(w->Label13->text(), QString("Integrantes"));
    QCOMPARE(w->Label9->text(), QString("Fecha"));
    QCOMPARE(w->Button1->text(), QString("Aplicar fecha"));
    QCOMPARE(w->Label12->text(), QString("Hora->"));
    QStringList legend;
    for (QLabel* box : w->TextCol) {
        legend << box->text();
        QCOMPARE(box->toolTip(), QString("Doble click para cambiar color"));
    }
    QCOMPARE(legend, QStringList({"Excelente", "Buena", "Normal", "Complicada", "Restrictiva"}));
    QCOMPARE(w->StatusPanel1->text(), QString("Horario verano: NO"));
    QCOMPARE(w->StatusPanel0->toolTip(), QString("Doble click para abrir Config. regional"));
}

QTEST_MAIN(TestForm1)
#include "tst_tform1.moc"
