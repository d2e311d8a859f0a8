// Every window without a mouse: the colour window's panels, spectrum and
// level boxes, the zone map's hour strip, the About window's links, the chart,
// and Escape in the members window.
#include "settings/ColourRules.h"
#include "tendencies/TForm1.h"
#include "members/TForm2.h"
#include "settings/TForm3.h"
#include "settings/TForm4.h"
#include "tendencies/TForm5.h"
#include "about/TForm7.h"
#include "usability/UsabilityFixture.h"
#include "tendencies/WeekChart.h"
#include "settings/ZoneTable.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The name of the control that has the keyboard.
QString Focused()
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// Presses Tab (or Shift+Tab) until the named control has the keyboard; false
// when a whole round of the window does not reach it.
bool TabTo(const QString& name, bool backwards = false)
{
    for (int i = 0; i < 40 && Focused() != name; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
    return Focused() == name;
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

} // namespace

class TestKeyboard : public QObject, private UsabilityFixture {
    Q_OBJECT
private slots:
    void init() { ResetFixture(); }
    void cleanup() { ReleaseFixture(); }

    // Colours chosen for two levels with the keyboard alone, then "Aceptar".
    void colourWindowWalk()
    {
        TForm4 form(gral_->levelColors, gral_->platform, 1);
        QVERIFY(ShowActive(form));
        QCOMPARE(Focused(), QStringLiteral("Panel1"));
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
            Press(key);
        QCOMPARE(Focused(), QStringLiteral("Panel10")); // row 2, column 5: lime
        Press(Qt::Key_Right); // the grid's edge: stays
        QCOMPARE(Focused(), QStringLiteral("Panel10"));
        Press(Qt::Key_Space);
        QCOMPARE(form.workingColour(1), ColourValue(0x00FF00));

        // Red belongs to "Restrictiva": refused as with the mouse.
        Press(Qt::Key_Left);
        QCOMPARE(Focused(), QStringLiteral("Panel9"));
        Press(Qt::Key_Return);
        QCOMPARE(messages_->texts(),
                 QStringList{QStringLiteral("El color seleccionado está siendo utilizado por otra tendencia.")});
        QCOMPARE(form.workingColour(1), ColourValue(0x00FF00));

        QVERIFY(TabTo(QStringLiteral("StaticText1")));
        Press(Qt::Key_Right);
        QCOMPARE(Focused(), QStringLiteral("StaticText2"));
        Press(Qt::Key_Space);
        QCOMPARE(form.editedLevel(), 2);

        // Back to the spectrum: Shift+Right steps 16 columns.
        QVERIFY(TabTo(QStringLiteral("Image1"), true));
        for (int i = 0; i < 8; ++i)
            Press(Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(form.previewColour(), SpectrumColour(128));
        Press(Qt::Key_Space);
        QCOMPARE(form.workingColour(2), SpectrumColour(128));

        QVERIFY(TabTo(QStringLiteral("Button1")));
        Press(Qt::Key_Space);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(gral_->levelColors[0], ColourValue(0x00FF00));
        QCOMPARE(gral_->levelColors[1], SpectrumColour(128));
    }

    void mapHourStrip_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("zone");
        QTest::newRow("one east") << QList<int>{Qt::Key_Right} << 13;
        QTest::newRow("two west") << QList<int>{Qt::Key_Left, Qt::Key_Left} << 10;
        QTest::newRow("there and back") << QList<int>{Qt::Key_Right, Qt::Key_Left} << 12;
        QList<int> allWest(15, Qt::Key_Left);
        QTest::newRow("stops at -12") << allWest << 0;
        QList<int> allEast(15, Qt::Key_Right);
        QTest::newRow("stops at 12") << allEast << 24;
    }
    // Left and Right on the map move along the hour strip as a click on the
    // neighbouring label would: the band and the region line follow.
    void mapHourStrip()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, zone);
        TForm3 form(*gral_);
        QVERIFY(ShowActive(form));
        form.Combo1->setFocus(Qt::TabFocusReason);
        QVERIFY(TabTo(QStringLiteral("Image1")));
        QCOMPARE(form.zoneIndex(), GmtZoneIndex);
        for (int key : keys)
            Press(Qt::Key(key));
        QCOMPARE(form.zoneIndex(), zone);
        QCOMPARE(form.Combo1->currentIndex(), ZoneAt(zone).regionLine);
        QCOMPARE(form.Image2->x(), ZoneAt(zone).highlightLeft);
        QVERIFY(form.Button1->isEnabled()); // the zone was moved, as by a click
    }

    // The two linked pictures are Tab stops; Enter and Space open their sites
    // and leave the window open.
    void aboutLinks()
    {
        QStringList opened;
        test_->platform.onOpenUrl = [&opened](const QString& url) { opened << url; };
        TForm7 form(gral_->platform);
        QVERIFY(ShowActive(form));
        QCOMPARE(Focused(), QStringLiteral("Button1"));
        QVERIFY(TabTo(QStringLiteral("Image2")));
        Press(Qt::Key_Return);
        QVERIFY(TabTo(QStringLiteral("Image3")));
        Press(Qt::Key_Space);
        QCOMPARE(opened, (QStringList{MakerSiteAddress, DownloadSiteAddress}));
        QVERIFY(form.isVisible());
        QVERIFY(TabTo(QStringLiteral("Button1")));
        Press(Qt::Key_Return);
        QVERIFY(!form.isVisible());
    }

    // The chart is reached with Tab; Space explains the shown level.
    void chartExplainsFromTheKeyboard()
    {
        TForm1 form(*gral_);
        QVERIFY(ShowActive(form));
        form.Combo1->setFocus(Qt::TabFocusReason);
        QVERIFY(TabTo(QStringLiteral("Image1")));
        QVERIFY(!form.ExplanationWindow());
        Press(Qt::Key_Space);
        QVERIFY(form.ExplanationWindow());
        QVERIFY(gral_->explanation.explanationOpen);
    }

    // Walked by keys, the chart frames the chosen cell over an unchanged picture
    // and shows that moment's texts, as a click in that hour does.
    void chartWalkedByKeys()
    {
        TForm1 form(*gral_);
        QVERIFY(ShowActive(form));
        form.Combo1->setFocus(Qt::TabFocusReason);
        QVERIFY(TabTo(QStringLiteral("Image1")));
        const QImage picture = form.Image1->image();
        for (Qt::Key key : {Qt::Key_End, Qt::Key_Home, Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
            Press(key);
        const QString headline = form.Text2->text(), game = form.Text3->text();
        QVERIFY2(headline.startsWith("jueves 2 de enero - 02:00 hs. - "), qPrintable(headline)); // the second day
        QVERIFY(form.Image1->accessibleDescription().startsWith("Momento elegido: " + headline));
        QCOMPARE(form.Image1->image(), picture);
        QVERIFY(form.Image1->grab().toImage().pixel(28 * 2 + 2, 22 + 11) != picture.pixel(28 * 2 + 2, 22 + 11));
        QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(28 * 2 + 2, 22 + 11));
        QCOMPARE(form.Text3->text(), game);
    }

    void escapeInMembersWindow_data()
    {
        QTest::addColumn<QString>("control");
        for (const char* name : {"Edit1", "DateTime1", "Edit2", "Button1", "List1"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    // Only "&Cerrar" (or the close box) closes the members window: a stray
    // Escape at the first run must not end the program.
    void escapeInMembersWindow()
    {
        QFETCH(QString, control);
        TForm2 form(*gral_);
        QVERIFY(ShowActive(form));
        auto* widget = form.findChild<QWidget*>(control);
        QVERIFY(widget);
        widget->setFocus(Qt::TabFocusReason);
        QTest::keyClick(widget, Qt::Key_Escape);
        QVERIFY(form.isVisible());
        QCOMPARE(form.result(), 0);
        QVERIFY(TabTo(QStringLiteral("Button5"))); // "&Cerrar"
        Press(Qt::Key_Space);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
