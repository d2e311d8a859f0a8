#include "help/HelpContext.h"
#include "app/ProgramMessage.h"
#include "settings/SettingsStore.h"
#include "settings/TForm3.h"
#include "support/TestSupport.h"
#include "settings/ZoneTable.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {

struct RegionShown {
    QString zone;
    bool daylight = false;
};

// A prepared program state with a private store, a message recorder and a
// recorded status bar.
struct Fixture : TestProgram {
    QList<RegionShown> shown;
    QList<int> helpTopics;

    Fixture()
    {
        gral.environment.helpFile = gral.environment.programFolder + "Pronos.hlp";
        test.platform.onShowHelpTopic = [this](int context) { helpTopics.append(context); };
    }

    // Records what the window reports through regionSaved.
    void watch(TForm3& form)
    {
        QObject::connect(&form, &TForm3::regionSaved, &form,
                         [this](const ZoneChoice& choice) { shown.append({ZoneStatusText(choice), choice.daylightSaving}); });
    }

    void storeRegion(int line, int zone, int offset, bool daylight)
    {
        SettingsStore store;
        store.setRegionLine(line);
        store.setZoneIndex(zone);
        store.setZoneOffset(offset);
        store.setDaylightSaving(daylight);
        store.setZoneText(RegionLines().at(line));
    }
};

void PressOnMap(TForm3& form, int x, int y, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(form.Image1, button, {}, QPoint(x, y));
    QTest::mouseRelease(form.Image1, button, {}, QPoint(x, y));
}

void MoveOverMap(TForm3& form, int x, int y)
{
    const QPointF local(x, y);
    QMouseEvent move(QEvent::MouseMove, local, form.Image1->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(form.Image1, &move);
}

QPoint HighlightPlace(int zone)
{
    return QPoint(ZoneAt(zone).highlightLeft, 1);
}

} // namespace

class TestTForm3 : public QObject {
    Q_OBJECT
private slots:
    void firstRun();
    void firstOpeningOutsideFirstRun();
    void openingFromStore();
    void reopeningWithDaylightSaving();
    void missingStoredValues_data();
    void missingStoredValues();
    void mapPress_data();
    void mapPress();
    void pressOnTheShownZoneKeepsAceptarOff();
    void handCursorOverTheStrip();
    void regionListDropsBelowTheBox();
    void listChoice_data();
    void listChoice();
    void cancelledConfirmation();
    void acceptTwelve_data();
    void acceptTwelve();
    void changedDateFormatSkipsTheCalendar();
    void cancelSavesNothing();
    void helpContextAndButton();
    void missingHelpFileIsReportedOnOpening();
};

void TestTForm3::firstRun()
{
    Fixture f;
    f.gral.regionalFirstRun = true;
    TForm3 form(f.gral);
    form.show();
    QCOMPARE(form.Combo1->currentIndex(), GmtRegionLine);
    QCOMPARE(form.zoneIndex(), GmtZoneIndex);
    QCOMPARE(f.gral.calendar.zoneOffset, 12);
    QCOMPARE(form.Image2->pos(), HighlightPlace(GmtZoneIndex));
    QCOMPARE(form.Image2->size(), QSize(32, HighlightHeight));
    QVERIFY(form.Image2->isVisible());
    QVERIFY(form.Button1->isEnabled());
    QVERIFY(!form.Button2->isEnabled());
    QVERIFY(!form.Check1->isChecked());
    QCOMPARE(form.windowTitle(), QStringLiteral("Configuración regional"));
    QCOMPARE(form.Check1->text(), QStringLiteral("Horario de verano"));
    QCOMPARE(form.StaticText1->text(),
             QStringLiteral("Si la región seleccionada se encuentra con horario de verano (1 hora adelantada), marque la "
                            "casilla de más abajo. Por el contrario, si la casilla se encuentra activada pero la región "
                            "no tiene adelanto en su hora, desactivela."));
    QCOMPARE(QStringList({form.Button1->text(), form.Button2->text(), form.Button3->text()}),
             QStringList({"&Aceptar", "&Cancelar", "A&yuda"}));

    form.close();
    QVERIFY(form.isVisible());
    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(form.isVisible());

    f.messages.answerNext(ResultCancel); // a cancelled confirmation does not open the door either
    form.Button1->click();
    form.close();
    QVERIFY(form.isVisible());
    QVERIFY(!SettingsStore().zoneOffset());

    form.Button1->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(SettingsStore().zoneOffset().value_or(-1), 12);
    QCOMPARE(SettingsStore().regionLine().value_or(-1), GmtRegionLine);
}

void TestTForm3::firstOpeningOutsideFirstRun()
{
    Fixture f;
    TForm3 form(f.gral);
    form.show();
    QVERIFY(form.Button1->isEnabled());
    QVERIFY(form.Button2->isEnabled());
    form.close();
    QVERIFY(!form.isVisible());
    QVERIFY(!SettingsStore().zoneOffset());
}

void TestTForm3::openingFromStore()
{
    Fixture f;
    f.storeRegion(49, 21, 21, false); // Osaka, Sapporo, Tokyo
    TForm3 form(f.gral);
    QCOMPARE(form.Combo1->currentIndex(), 49);
    QCOMPARE(form.zoneIndex(), 21);
    QCOMPARE(f.gral.calendar.zoneOffset, 12); // shown, not put into force
    QCOMPARE(form.Image2->pos(), HighlightPlace(21));
    QCOMPARE(form.Image2->width(), 38);
    QVERIFY(!form.Check1->isChecked());
    QVERIFY(!form.Button1->isEnabled());
    QVERIFY(form.Button2->isEnabled());
}

void TestTForm3::reopeningWithDaylightSaving()
{
    Fixture f;
    f.storeRegion(24, 13, 14, true); // Madrid with summer time
    TForm3 form(f.gral);
    QVERIFY(form.Check1->isChecked());
    QVERIFY(form.Button1->isEnabled());
    QCOMPARE(form.Combo1->currentIndex(), 24);
}

void TestTForm3::missingStoredValues_data()
{
    QTest::addColumn<QString>("missing");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("zone");
    QTest::newRow("line from the zone") << "UBMapa" << 49 << 21;
    QTest::newRow("zone from the line") << "PosMap" << 50 << 21;
}

// The store holds Seoul (line 50, zone 21) with one of the two values lost.
void TestTForm3::missingStoredValues()
{
    QFETCH(QString, missing);
    QFETCH(int, line);
    QFETCH(int, zone);
    Fixture f;
    f.storeRegion(50, 21, 21, false);
    SettingsStore().remove(missing);
    TForm3 form(f.gral);
    QCOMPARE(form.Combo1->currentIndex(), line);
    QCOMPARE(form.zoneIndex(), zone);
    QCOMPARE(form.Image2->pos(), HighlightPlace(zone));
    QVERIFY(!form.Button1->isEnabled());
}

void TestTForm3::mapPress_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("line"); // expected list line afterwards
    QTest::addColumn<int>("zone");
    // The window opens on Tokyo (line 49, zone 21), so every change shows.
    QTest::newRow("-12 left edge") << 0 << 190 << false << 0 << 0;
    QTest::newRow("-01 right edge") << 179 << 190 << false << 19 << 11;
    QTest::newRow("GMT label") << 187 << 190 << false << 21 << 12;
    QTest::newRow("GMT left edge") << 180 << 185 << false << 21 << 12;
    QTest::newRow("GMT right edge") << 194 << 195 << false << 21 << 12;
    QTest::newRow("01 left edge") << 195 << 190 << false << 22 << 13;
    QTest::newRow("01 right edge") << 208 << 190 << false << 22 << 13;
    QTest::newRow("02 left edge") << 209 << 190 << false << 26 << 14;
    QTest::newRow("12 left edge") << 359 << 190 << false << 60 << 24;
    QTest::newRow("12 right edge") << 373 << 190 << false << 60 << 24;
    QTest::newRow("after the labels") << 374 << 190 << false << 49 << 21;
    QTest::newRow("last column") << 376 << 190 << false << 49 << 21;
    QTest::newRow("above the strip") << 187 << 184 << false << 49 << 21;
    QTest::newRow("right button") << 187 << 190 << true << 49 << 21;
}

void TestTForm3::mapPress()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, right);
    QFETCH(int, line);
    QFETCH(int, zone);
    Fixture f;
    f.storeRegion(49, 21, 21, false);
    TForm3 form(f.gral);
    form.show();
    PressOnMap(form, x, y, right ? Qt::RightButton : Qt::LeftButton);
    QCOMPARE(form.Combo1->currentIndex(), line);
    QCOMPARE(form.zoneIndex(), zone);
    QCOMPARE(form.Image2->pos(), HighlightPlace(zone));
    QCOMPARE(form.Image2->width(), ZoneAt(zone).highlightWidth);
    QCOMPARE(form.Button1->isEnabled(), zone != 21);
    QCOMPARE(f.gral.calendar.zoneOffset, 12); // nothing is applied before "Aceptar"
}

void TestTForm3::pressOnTheShownZoneKeepsAceptarOff()
{
    Fixture f;
    f.storeRegion(20, 12, 12, false); // Casablanca: zone 12, another line than the map's
    TForm3 form(f.gral);
    form.show();
    PressOnMap(form, 187, 190);
    QCOMPARE(form.Combo1->currentIndex(), GmtRegionLine);
    QVERIFY(!form.Button1->isEnabled());
}

void TestTForm3::handCursorOverTheStrip()
{
    Fixture f;
    TForm3 form(f.gral);
    form.show();
    MoveOverMap(form, 100, 185);
    QCOMPARE(form.Image1->cursor().shape(), Qt::PointingHandCursor);
    MoveOverMap(form, 100, 184);
    QCOMPARE(form.Image1->cursor().shape(), Qt::ArrowCursor);
}

// The open list hangs below the box with a limited number of lines.
void TestTForm3::regionListDropsBelowTheBox()
{
    Fixture f;
    TForm3 form(f.gral);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.Combo1->showPopup();
    QWidget* popup = form.Combo1->view()->window();
    QTRY_VERIFY(popup->isVisible());
    const int boxBottom = form.Combo1->mapToGlobal(QPoint(0, form.Combo1->height())).y();
    QVERIFY2(popup->geometry().top() >= boxBottom - 1, qPrintable(QString::number(popup->geometry().top())));
    QVERIFY(popup->height() <= (form.Combo1->maxVisibleItems() + 1) * form.Combo1->view()->sizeHintForRow(0));
    form.Combo1->hidePopup();
}

void TestTForm3::listChoice_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("zone");
    QTest::newRow("the line already shown") << 21 << 12;
    QTest::newRow("Casablanca shows the GMT zone") << 20 << 12;
    QTest::newRow("Eniwetok") << 0 << 0;
    QTest::newRow("Tokyo") << 49 << 21;
    QTest::newRow("Fiji") << 60 << 24;
}

void TestTForm3::listChoice()
{
    QFETCH(int, line);
    QFETCH(int, zone);
    Fixture f;
    f.storeRegion(21, 12, 12, false);
    TForm3 form(f.gral);
    form.show();
    QVERIFY(!form.Button1->isEnabled());
    form.Combo1->setCurrentIndex(line);
    emit form.Combo1->activated(line); // what a choice in the open list sends
    QVERIFY(form.Button1->isEnabled());
    QCOMPARE(form.zoneIndex(), zone);
    QCOMPARE(form.Image2->pos(), HighlightPlace(zone));
    QCOMPARE(form.Combo1->currentIndex(), line);
}

void TestTForm3::cancelledConfirmation()
{
    Fixture f;
    f.storeRegion(24, 13, 13, false);
    TForm3 form(f.gral);
    f.watch(form);
    form.show();
    PressOnMap(form, 300, 190); // zone 20, line 45
    form.Check1->setChecked(true);
    f.messages.answerNext(ResultCancel);
    form.Button1->click();

    QCOMPARE(f.messages.messages().size(), 1);
    QCOMPARE(f.messages.messages().at(0).style, int(StyleOkCancel));
    QCOMPARE(f.messages.messages().at(0).text, RegionConfirmationText(RegionLines().at(45), true));
    QVERIFY(form.isVisible());
    QCOMPARE(form.Combo1->currentIndex(), 45);
    QCOMPARE(form.zoneIndex(), 20);
    QVERIFY(form.Check1->isChecked());
    QVERIFY(form.Button1->isEnabled());
    QCOMPARE(f.gral.calendar.zoneOffset, 12);
    QVERIFY(!f.gral.regionChanged);
    QVERIFY(f.shown.isEmpty());
    QVERIFY(f.gral.calendar.signCalendar.isEmpty());
    SettingsStore store;
    QCOMPARE(store.regionLine().value_or(-1), 24);
    QCOMPARE(store.zoneIndex().value_or(-1), 13);
    QCOMPARE(store.zoneOffset().value_or(-1), 13);
    QCOMPARE(store.daylightSaving().value_or(true), false);
}

void TestTForm3::acceptTwelve_data()
{
    QTest::addColumn<bool>("daylight");
    QTest::addColumn<int>("offset");
    QTest::newRow("without summer time") << false << 0;
    QTest::newRow("with summer time") << true << 1;
}

void TestTForm3::acceptTwelve()
{
    QFETCH(bool, daylight);
    QFETCH(int, offset);
    Fixture f;
    TForm3 form(f.gral);
    f.watch(form);
    form.show();
    PressOnMap(form, 366, 190);
    form.Check1->setChecked(daylight);
    form.Button1->click();

    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(f.messages.texts(), QStringList{RegionConfirmationText(RegionLines().at(60), daylight)});
    SettingsStore store;
    QCOMPARE(store.regionLine().value_or(-1), 60);
    QCOMPARE(store.zoneIndex().value_or(-1), 24);
    QCOMPARE(store.zoneOffset().value_or(-1), offset);
    QCOMPARE(store.daylightSaving().value_or(!daylight), daylight);
    QCOMPARE(store.zoneText(), RegionLines().at(60));
    QCOMPARE(f.gral.calendar.zoneOffset, offset);
    QVERIFY(f.gral.regionChanged);
    QCOMPARE(f.shown.size(), 1);
    QCOMPARE(f.shown.at(0).zone, RegionLines().at(60));
    QCOMPARE(f.shown.at(0).daylight, daylight);
    // the calendar was shifted for the new zone (0 leaves it as the base)
    QCOMPARE(f.gral.calendar.signCalendar.size(), 1052);
    QCOMPARE(f.gral.calendar.dateIndex.size(), 1052);
    QCOMPARE(f.gral.calendar.signCalendar.first(), QStringLiteral("01/01/2003 00:00 %1:42 09").arg(11 + offset));
}

// The program is ending: the region is still saved, the calendar is not built.
void TestTForm3::changedDateFormatSkipsTheCalendar()
{
    Fixture f;
    bool quit = false;
    f.test.platform.onQuit = [&quit] { quit = true; };
    TForm3 form(f.gral);
    form.show();
    f.env.setShortDatePattern(QStringLiteral("yyyy-MM-dd"));
    form.Button1->click();
    QVERIFY(quit);
    QVERIFY(f.gral.calendar.signCalendar.isEmpty());
    QCOMPARE(SettingsStore().zoneOffset().value_or(-1), 12);
    QVERIFY(f.gral.regionChanged);
    QVERIFY(!form.isVisible());
}

// Opening the window and cancelling it leaves the program's zone as it was,
// even when the store says otherwise (changed by another run meanwhile).
void TestTForm3::cancelSavesNothing()
{
    Fixture f;
    f.storeRegion(21, 12, 13, true);
    f.gral.calendar.zoneOffset = 5;
    f.gral.calendar.signCalendar = QStringList{"kept"};
    TForm3 form(f.gral);
    f.watch(form);
    QCOMPARE(f.gral.calendar.zoneOffset, 5);
    form.show();
    PressOnMap(form, 300, 190);
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(f.gral.calendar.zoneOffset, 5);
    QVERIFY(!f.gral.calendar.namedZone.isValid());
    QCOMPARE(f.gral.calendar.signCalendar, QStringList{"kept"});
    QVERIFY(f.shown.isEmpty());
    QVERIFY(!f.gral.regionChanged);
    QVERIFY(f.messages.messages().isEmpty());
    QCOMPARE(SettingsStore().zoneIndex().value_or(-1), 12);
}

void TestTForm3::helpContextAndButton()
{
    Fixture f;
    TForm3 form(f.gral);
    for (QWidget* w : std::initializer_list<QWidget*>{form.Combo1, form.Panel1, form.Image1, form.Image2,
                                                      form.StaticText1, form.Check1, form.Button1, form.Button2,
                                                      form.Button3, &form})
        QCOMPARE(HelpContextOf(w), 4);
    form.Button3->click();
    QCOMPARE(f.helpTopics, QList<int>{4});
}

void TestTForm3::missingHelpFileIsReportedOnOpening()
{
    Fixture f;
    f.gral.environment.helpFile.clear();
    TForm3 form(f.gral);
    QCOMPARE(f.messages.messages().size(), 1);
    QVERIFY(f.messages.texts().at(0).contains(QStringLiteral("Pronos.hlp")));
}

QTEST_MAIN(TestTForm3)
#include "tst_tform3.moc"
