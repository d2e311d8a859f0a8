// The glue every window shares: centring, level colours with readable text
// and the long date of the pickers.
#include "widgets/DatePicker.h"
#include "core/DisplayTexts.h"
#include "widgets/QtColour.h"
#include "support/TestSupport.h"
#include "widgets/WindowKit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

class TestWindowKit : public QObject {
    Q_OBJECT
private slots:
    void centredOnTheScreen_data();
    void centredOnTheScreen();
    void largerThanTheScreenKeepsItsCorner();
    void levelFillWithReadableText_data();
    void levelFillWithReadableText();
    void pickersShowTheLongDate_data();
    void pickersShowTheLongDate();
};

void TestWindowKit::centredOnTheScreen_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<bool>("shown");
    QTest::newRow("small, hidden, from the corner") << QSize(200, 100) << QPoint(0, 0) << false;
    QTest::newRow("odd size, shown, from far right") << QSize(451, 383) << QPoint(700, 500) << true;
}

void TestWindowKit::centredOnTheScreen()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, from);
    QFETCH(bool, shown);
    QWidget window;
    window.setFixedSize(size);
    window.move(from);
    if (shown)
        QVERIFY(QTest::qWaitForWindowExposed((window.show(), &window)));
    const QScreen* screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    CentreOnScreen(window, screen);
    const QPoint off = window.frameGeometry().center() - screen->availableGeometry().center();
    QVERIFY2(off.manhattanLength() <= 1, qPrintable(QStringLiteral("off by %1, %2").arg(off.x()).arg(off.y())));
    // Its own screen when none is named.
    window.move(from);
    CentreOnScreen(window);
    QCOMPARE(window.frameGeometry().center(), window.screen()->availableGeometry().center() + off);
}

void TestWindowKit::largerThanTheScreenKeepsItsCorner()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    const QRect area = screen->availableGeometry();
    QWidget window;
    window.setFixedSize(area.size() + QSize(300, 200));
    window.move(area.topLeft() + QPoint(50, 50));
    CentreOnScreen(window, screen);
    QCOMPARE(window.frameGeometry().topLeft(), area.topLeft());
}

void TestWindowKit::levelFillWithReadableText_data()
{
    QTest::addColumn<uint>("fill");
    QTest::addColumn<uint>("text");
    QTest::newRow("Excelente, green") << DefaultLevelColors[0] << 0xFFFFFFu;
    QTest::newRow("Buena, navy") << DefaultLevelColors[1] << 0xFFFFFFu;
    QTest::newRow("Normal, purple") << DefaultLevelColors[2] << 0xFFFFFFu;
    QTest::newRow("Complicada, yellow") << DefaultLevelColors[3] << 0x000000u;
    QTest::newRow("Restrictiva, red") << DefaultLevelColors[4] << ColourFromRgb(0, 255, 255);
    QTest::newRow("white") << 0xFFFFFFu << 0x000000u;
}

// The label is painted in the fill and writes in the contrasting colour.
void TestWindowKit::levelFillWithReadableText()
{
    QFETCH(uint, fill);
    QFETCH(uint, text);
    QLabel label;
    label.setAutoFillBackground(true);
    label.resize(40, 16);
    SetLevelFill(label, fill);
    QCOMPARE(FromQColor(label.palette().color(QPalette::WindowText)), ColourValue(text));
    QCOMPARE(FromQColor(label.grab().toImage().pixelColor(20, 8)), ColourValue(fill));
}

// Every picker shows the same long date in the program's locale (Spanish on a
// C system), and the typing form while it has the keyboard.
void TestWindowKit::pickersShowTheLongDate_data()
{
    QTest::addColumn<QLocale>("defaultLocale");
    QTest::addColumn<QString>("longDate");
    QTest::newRow("C system") << QLocale::c() << u"miércoles 17 de septiembre de 2003"_qs;
    QTest::newRow("Spanish (Argentina)") << QLocale(QLocale::Spanish, QLocale::Argentina)
                                         << u"miércoles 17 de septiembre de 2003"_qs;
    QTest::newRow("Italian") << QLocale(QLocale::Italian, QLocale::Italy) << u"mercoledì 17 de settembre de 2003"_qs;
}

void TestWindowKit::pickersShowTheLongDate()
{
    QFETCH(QLocale, defaultLocale);
    QFETCH(QString, longDate);
    const QLocale saved;
    QLocale::setDefault(defaultLocale);
    QWidget window;
    auto* picker = new DatePicker(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    QLocale::setDefault(saved);
    picker->setDate(QDate(2003, 9, 17));
    QCOMPARE(picker->text(), longDate);
    QVERIFY(ShowActive(window));
    picker->setFocus(Qt::TabFocusReason);
    QVERIFY(picker->typingField()->isVisible());
    QCOMPARE(picker->typingField()->displayText(), u"17/09/2003"_qs);
    other->setFocus(Qt::TabFocusReason);
    QVERIFY(!picker->typingField()->isVisible());
    QCOMPARE(picker->text(), longDate);
}

QTEST_MAIN(TestWindowKit)
#include "tst_windowkit.moc"
