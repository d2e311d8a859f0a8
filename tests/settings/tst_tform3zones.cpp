// The full edition's regional window with time zones by name, driven through
// its controls. Runs with TZ=Europe/Madrid (set by CTest), the system zone
// the window offers.
#include "core/Edition.h"
#include "settings/SettingsStore.h"
#include "calendar/SignCalendar.h"
#include "settings/TForm3.h"
#include "support/CalendarSupport.h"
#include "support/TestSupport.h"
#include "settings/ZoneChoice.h"
#include "settings/ZoneTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

struct Fixture : TestProgram {
    QList<ZoneChoice> saved;

    Fixture()
    {
        gral.environment.helpFile = gral.environment.programFolder + "Pronos-full.hlp";
        UseFullPeriod(gral, DayNumberFromDate(QDate(2026, 7, 15)));
    }
    void watch(TForm3& form)
    {
        QObject::connect(&form, &TForm3::regionSaved, &form, [this](const ZoneChoice& c) { saved.append(c); });
    }
    // The rows of a date in the calendar the window had built.
    QStringList rowsOf(QDate date) const
    {
        const int row = gral.calendar.dayRows.rowOf(DayNumberFromDate(date));
        if (row < 1)
            return {};
        QStringList rows{gral.calendar.signCalendar.at(row - 1)};
        if (row < gral.calendar.signCalendar.size() && gral.calendar.signCalendar.at(row).startsWith(rows.first().left(10)))
            rows << gral.calendar.signCalendar.at(row);
        return rows;
    }
};

QListWidgetItem* CurrentLine(const TForm3& form)
{
    return form.List1->currentItem();
}

int VisibleLines(const QListWidget* list)
{
    int visible = 0;
    for (int row = 0; row < list->count(); ++row)
        visible += list->item(row)->isHidden() ? 0 : 1;
    return visible;
}

} // namespace

class TestTForm3Zones : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { UseEdition(DemoEdition()); }
    void firstRunTakesTheSystemZone();
    void searchAndChooseByKeyboard();
    void reopeningShowsTheStoredName();
    void classicRegionAgain();
    void cancelLeavesTheZone();
    void radioButtonsChooseTheWay();
    void demoHasNoNames();
};

void TestTForm3Zones::initTestCase()
{
    if (SystemZoneName() != QStringLiteral("Europe/Madrid"))
        QSKIP("needs TZ=Europe/Madrid and the system's time zone database (Debian package tzdata)");
    UseEdition(FullEdition());
}

void TestTForm3Zones::firstRunTakesTheSystemZone()
{
    Fixture f;
    f.gral.regionalFirstRun = true;
    TForm3 form(f.gral);
    f.watch(form);
    form.show();
    QCOMPARE(form.size(), QSize(547, 424));
    QVERIFY(form.Radio2->isChecked());
    QCOMPARE(form.Radio2->text(), QString("Zona horaria del &sistema: Europe/Madrid"));
    QVERIFY(!form.Check1->isEnabled());
    QCOMPARE(form.zoneIndex(), 13); // Madrid's standard offset, UTC+1, on the map
    QCOMPARE(form.Combo1->currentIndex(), ZoneAt(13).regionLine);
    QVERIFY(form.Button1->isEnabled());
    QVERIFY(!form.Button2->isEnabled());
    QCOMPARE(CurrentLine(form)->data(Qt::UserRole).toString(), QString("Europe/Madrid"));
    QCOMPARE(f.gral.calendar.zoneOffset, 12); // nothing in force before "Aceptar"
    QVERIFY(!f.gral.calendar.namedZone.isValid());

    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(f.messages.texts(),
             QStringList{"Confirme selección:\r\r\"Europe/Madrid\".\r\rHorario verano: según la fecha."});
    QCOMPARE(SettingsStore().zoneName(), QString("Europe/Madrid"));
    QCOMPARE(SettingsStore().zoneOffset().value_or(-1), 13); // the classic fallback beside it
    QCOMPARE(f.gral.calendar.namedZone.id(), QByteArray("Europe/Madrid"));
    QCOMPARE(f.saved.size(), 1);
    QCOMPARE(ZoneStatusText(f.saved.at(0)), QString("Europe/Madrid"));
    // Summer and winter dates each on their own clock: July's rows are those
    // of the whole-hour region UTC+2, January's those of UTC+1.
    QCOMPARE(f.gral.calendar.calendarFirstYear, 2026);
    for (const auto& [month, offset] : {std::pair{1, 13}, std::pair{7, 14}}) {
        Gral region = f.gral;
        region.calendar.namedZone = QTimeZone();
        region.calendar.zoneOffset = offset;
        BuildCalendarYearsShown(region, f.gral.calendar.calendarFirstYear, f.gral.calendar.calendarLastYear);
        for (int day = 1; day <= 31; ++day) {
            const QDate date(2026, month, day);
            const int row = region.calendar.dayRows.rowOf(DayNumberFromDate(date));
            QCOMPARE(f.rowsOf(date).constFirst(), region.calendar.signCalendar.at(row - 1));
            QCOMPARE(f.rowsOf(date).constLast(), region.calendar.signCalendar.at(region.calendar.dayRows.rowOf(DayNumberFromDate(date) + 1) - 2));
        }
    }
}

void TestTForm3Zones::searchAndChooseByKeyboard()
{
    Fixture f;
    {
        SettingsStore store;
        StoreZoneChoice(store, ClassicZoneChoice(21, 12, false));
    }
    TForm3 form(f.gral);
    f.watch(form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.Radio1->isChecked());
    QVERIFY(!form.Button1->isEnabled());
    // Tab from the box reaches the three choices, then the search field.
    form.Check1->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.Radio1);
    form.Edit1->setFocus();
    QTest::keyClicks(form.Edit1, "kolk");
    QCOMPARE(VisibleLines(form.List1), 1);
    QVERIFY(!form.Button1->isEnabled()); // typing chooses nothing yet
    QTest::keyClick(form.Edit1, Qt::Key_Down);
    QCOMPARE(CurrentLine(form)->data(Qt::UserRole).toString(), QString("Asia/Kolkata"));
    QVERIFY(CurrentLine(form)->text().startsWith("Asia/Kolkata (UTC+05:30)"));
    QVERIFY(form.Radio3->isChecked());
    QVERIFY(!form.Check1->isEnabled());
    QCOMPARE(form.zoneIndex(), 18);
    QVERIFY(form.Button1->isEnabled());
    QTest::keyClick(form.Edit1, Qt::Key_Return); // "Aceptar", the default button
    QVERIFY(!form.isVisible());
    QCOMPARE(SettingsStore().zoneName(), QString("Asia/Kolkata"));
    QCOMPARE(f.gral.calendar.namedZone.id(), QByteArray("Asia/Kolkata"));
    QCOMPARE(f.saved.size(), 1);
}

void TestTForm3Zones::reopeningShowsTheStoredName()
{
    Fixture f;
    {
        SettingsStore store;
        StoreZoneChoice(store, NamedZoneChoice("America/St_Johns", QDateTime::currentDateTimeUtc(), false));
    }
    TForm3 form(f.gral);
    QVERIFY(form.Radio3->isChecked());
    QCOMPARE(CurrentLine(form)->data(Qt::UserRole).toString(), QString("America/St_Johns"));
    QVERIFY(!form.Check1->isEnabled());
    QVERIFY(!form.Button1->isEnabled());
    QCOMPARE(form.zoneIndex(), 9); // -03:30 shown on the -03 band
}

// A click on the map goes back to the classic region: the box again, the name removed.
void TestTForm3Zones::classicRegionAgain()
{
    Fixture f;
    {
        SettingsStore store;
        StoreZoneChoice(store, NamedZoneChoice("Europe/Madrid", QDateTime::currentDateTimeUtc(), false));
    }
    f.gral.calendar.namedZone = QTimeZone("Europe/Madrid");
    TForm3 form(f.gral);
    f.watch(form);
    form.show();
    QVERIFY(form.Radio2->isChecked());
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(187, 190)); // "GMT"
    QVERIFY(form.Radio1->isChecked());
    QVERIFY(form.Check1->isEnabled());
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QVERIFY(SettingsStore().zoneName().isEmpty());
    QCOMPARE(SettingsStore().regionLine().value_or(-1), GmtRegionLine);
    QVERIFY(!f.gral.calendar.namedZone.isValid());
    QCOMPARE(f.gral.calendar.zoneOffset, 12);
    QCOMPARE(f.saved.size(), 1);
    QVERIFY(!f.saved.at(0).named());
}

void TestTForm3Zones::cancelLeavesTheZone()
{
    Fixture f;
    {
        SettingsStore store;
        StoreZoneChoice(store, NamedZoneChoice("Europe/Madrid", QDateTime::currentDateTimeUtc(), false));
    }
    f.gral.calendar.zoneOffset = 7;
    TForm3 form(f.gral);
    form.show();
    QTest::mouseClick(form.Radio3, Qt::LeftButton);
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(f.gral.calendar.zoneOffset, 7);
    QVERIFY(!f.gral.calendar.namedZone.isValid());
    QCOMPARE(SettingsStore().zoneName(), QString("Europe/Madrid"));
}

// The three ways are picked with their buttons: the region way gives the
// daylight-saving box back, a named zone greys it out again.
void TestTForm3Zones::radioButtonsChooseTheWay()
{
    Fixture f;
    {
        SettingsStore store;
        StoreZoneChoice(store, NamedZoneChoice("Europe/Madrid", QDateTime::currentDateTimeUtc(), false));
    }
    TForm3 form(f.gral);
    form.show();
    QVERIFY(!form.Check1->isEnabled());
    QTest::mouseClick(form.Radio1, Qt::LeftButton, {}, QPoint(6, form.Radio1->height() / 2)); // on its circle
    QVERIFY(form.Radio1->isChecked());
    QVERIFY(form.Check1->isEnabled());
    QVERIFY(form.Button1->isEnabled());
    QTest::mouseClick(form.Radio2, Qt::LeftButton, {}, QPoint(6, form.Radio2->height() / 2));
    QVERIFY(form.Radio2->isChecked());
    QVERIFY(!form.Check1->isEnabled());
}

void TestTForm3Zones::demoHasNoNames()
{
    UseEdition(DemoEdition());
    Fixture f;
    TForm3 form(f.gral);
    UseEdition(FullEdition());
    QCOMPARE(form.size(), QSize(547, 274));
    QVERIFY(!form.Radio1 && !form.Radio2 && !form.Radio3 && !form.Edit1 && !form.List1);
    QCOMPARE(form.Button1->geometry(), QRect(240, 246, 97, 21));
    QVERIFY(form.Check1->isEnabled());
    QCOMPARE(form.Combo1->currentIndex(), GmtRegionLine);
}

QTEST_MAIN(TestTForm3Zones)
#include "tst_tform3zones.moc"
