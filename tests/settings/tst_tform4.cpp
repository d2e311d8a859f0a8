// The colour window as the user works it: clicks on the basic colours, the
// spectrum and the level labels, and the three buttons.
#include "settings/TForm4.h"
#include "app/ProgramMessage.h"
#include "widgets/QtColour.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {

const QString RefusalText = QStringLiteral("El color seleccionado está siendo utilizado por otra tendencia.");
constexpr int RedPanel = 9;   // Panel9 is red
constexpr int LimePanel = 10; // Panel10 is lime
constexpr int NavyPanel = 4;
constexpr int GreenPanel = 2;

ColourValue FillOf(const QWidget* w) { return FromQColor(w->palette().color(QPalette::Window)); }
ColourValue TextOf(const QWidget* w) { return FromQColor(w->palette().color(QPalette::WindowText)); }

} // namespace

class TestTForm4 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowLayout();
    void opensWithLevelColoursAndFramesPreselectedLevel_data();
    void opensWithLevelColoursAndFramesPreselectedLevel();
    void redForExcelenteIsRefused();
    void redForRestrictivaIsAccepted();
    void levelsExchangeOnlyThroughAThird();
    void spectrumColourEqualToBasicIsRefused();
    void previewFollowsPointerAndKeepsColourOnLastColumn();
    void spectrumClickChoosesPreviewColour();
    void cancelAfterChangesLeavesColours();
    void closeBoxActsAsCancel();
    void acceptWithoutChangesKeepsColours();
    void acceptCopiesLabelColours();
    void helpOpensContextFiveAndStaysOpen();
    void runsThroughModalSeam();

private:
    QWidget* child(const QString& name) const;
    void click(const QString& name) const;
    void moveOverSpectrum(int x) const;
    void clickSpectrum(int x) const;

    TestEnvironment* env_ = nullptr;
    TestGral* test_ = nullptr;
    Gral* gral_ = nullptr;
    MessageRecorder* messages_ = nullptr;
    TForm4* form_ = nullptr;
    void open(int level);
};

void TestTForm4::init()
{
    env_ = new TestEnvironment;
    test_ = new TestGral;
    gral_ = &test_->gral, messages_ = &test_->messages;
}

void TestTForm4::cleanup()
{
    delete form_;
    form_ = nullptr;
    delete test_;
    delete env_;
}

void TestTForm4::open(int level)
{
    form_ = new TForm4(gral_->levelColors, gral_->platform, level);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
}

QWidget* TestTForm4::child(const QString& name) const
{
    auto* w = form_->findChild<QWidget*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

void TestTForm4::click(const QString& name) const
{
    QTest::mouseClick(child(name), Qt::LeftButton);
}

void TestTForm4::moveOverSpectrum(int x) const
{
    QWidget* image = child(QStringLiteral("Image1"));
    QMouseEvent move(QEvent::MouseMove, QPointF(x, 10), image->mapToGlobal(QPointF(x, 10)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(image, &move);
}

void TestTForm4::clickSpectrum(int x) const
{
    moveOverSpectrum(x);
    QTest::mouseClick(child(QStringLiteral("Image1")), Qt::LeftButton, {}, QPoint(x, 10));
}

void TestTForm4::windowLayout()
{
    open(1);
    QCOMPARE(form_->windowTitle(), QStringLiteral("Color"));
    QCOMPARE(form_->size(), QSize(271, 280));
    QVERIFY(form_->windowFlags().testFlag(Qt::Tool));
    QVERIFY(!form_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(form_->property("helpContext").toInt(), 5);
    QCOMPARE(child(QStringLiteral("Image1"))->property("helpContext").toInt(), 6);
    QCOMPARE(child(QStringLiteral("Image1"))->size(), QSize(257, 23));
    const QStringList names = {"Excelente", "Buena", "Normal", "Complicada", "Restrictiva"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(static_cast<QLabel*>(child(QStringLiteral("StaticText%1").arg(i + 1)))->text(), names[i]);
    for (int i = 0; i < 15; ++i)
        QCOMPARE(FillOf(child(QStringLiteral("Panel%1").arg(i + 1))), BasicColours[size_t(i)]);
    QCOMPARE(FillOf(child(QStringLiteral("Panel17"))), ColourValue(0x0000FF)); // red at first
    QCOMPARE(static_cast<QGroupBox*>(child(QStringLiteral("GroupBox1")))->title(), QStringLiteral(" Colores Básicos "));
    QStringList buttons;
    for (int i = 1; i <= 3; ++i)
        buttons << static_cast<QPushButton*>(child(QStringLiteral("Button%1").arg(i)))->text();
    QCOMPARE(buttons, QStringList({"&Aceptar", "&Cancelar", "A&yuda"}));
}

void TestTForm4::opensWithLevelColoursAndFramesPreselectedLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QRect>("bevel");
    QTest::newRow("Excelente") << 1 << QRect(6, 168, 85, 29);
    QTest::newRow("Normal") << 3 << QRect(180, 168, 85, 29);
    QTest::newRow("Restrictiva") << 5 << QRect(138, 204, 91, 29);
}

void TestTForm4::opensWithLevelColoursAndFramesPreselectedLevel()
{
    QFETCH(int, level);
    QFETCH(QRect, bevel);
    gral_->levelColors = {0x000000, 0xFFFFFF, 0x808080, 0x00FFFF, 0x0000FF};
    open(level);
    QCOMPARE(form_->editedLevel(), level);
    QCOMPARE(child(QStringLiteral("Bevel1"))->geometry(), bevel);
    for (int i = 1; i <= 5; ++i) {
        const QWidget* label = child(QStringLiteral("StaticText%1").arg(i));
        QCOMPARE(FillOf(label), gral_->levelColors[size_t(i - 1)]);
        QCOMPARE(TextOf(label), ContrastTextColour(gral_->levelColors[size_t(i - 1)]));
    }
    QCOMPARE(TextOf(child("StaticText1")), ColourValue(0xFFFFFF)); // white on black
    QCOMPARE(TextOf(child("StaticText2")), ColourValue(0x000000)); // black on white
}

void TestTForm4::redForExcelenteIsRefused()
{
    open(1);
    click(QStringLiteral("Panel%1").arg(RedPanel));
    QCOMPARE(messages_->messages().size(), 1);
    QCOMPARE(messages_->messages().first().text, RefusalText);
    QCOMPARE(messages_->messages().first().style, 48);
    QCOMPARE(FillOf(child("StaticText1")), DefaultLevelColors[0]);
    QCOMPARE(form_->editedLevel(), 1);
}

void TestTForm4::redForRestrictivaIsAccepted()
{
    open(1);
    click(QStringLiteral("StaticText5"));
    QCOMPARE(child(QStringLiteral("Bevel1"))->geometry(), QRect(138, 204, 91, 29));
    click(QStringLiteral("Panel%1").arg(RedPanel));
    QVERIFY(messages_->messages().isEmpty());
    QCOMPARE(FillOf(child("StaticText5")), ColourValue(0x0000FF));
}

void TestTForm4::levelsExchangeOnlyThroughAThird()
{
    open(1);
    click(QStringLiteral("Panel%1").arg(NavyPanel)); // Buena's navy: refused
    QCOMPARE(messages_->messages().size(), 1);
    click(QStringLiteral("Panel%1").arg(LimePanel));
    click(QStringLiteral("StaticText2"));
    click(QStringLiteral("Panel%1").arg(GreenPanel));
    click(QStringLiteral("StaticText1"));
    click(QStringLiteral("Panel%1").arg(NavyPanel));
    QCOMPARE(messages_->messages().size(), 1);
    QCOMPARE(FillOf(child("StaticText1")), DefaultLevelColors[1]);
    QCOMPARE(FillOf(child("StaticText2")), DefaultLevelColors[0]);
    click(QStringLiteral("Button1"));
    QCOMPARE(gral_->levelColors[0], DefaultLevelColors[1]);
    QCOMPARE(gral_->levelColors[1], DefaultLevelColors[0]);
}

void TestTForm4::spectrumColourEqualToBasicIsRefused()
{
    open(1);
    clickSpectrum(0); // pure red, the same value as the basic red of Restrictiva
    QCOMPARE(messages_->texts(), QStringList{RefusalText});
    QCOMPARE(FillOf(child("StaticText1")), DefaultLevelColors[0]);
}

void TestTForm4::previewFollowsPointerAndKeepsColourOnLastColumn()
{
    open(1);
    const QWidget* preview = child(QStringLiteral("Panel17"));
    moveOverSpectrum(128);
    QCOMPARE(FillOf(preview), ColourFromRgb(0, 240, 255));
    moveOverSpectrum(192);
    QCOMPARE(FillOf(preview), ColourFromRgb(127, 0, 255));
    moveOverSpectrum(255);
    const ColourValue lastPixel = SpectrumColour(255);
    QCOMPARE(FillOf(preview), lastPixel);
    moveOverSpectrum(256); // the label's extra column has no pixel
    QCOMPARE(FillOf(preview), lastPixel);
    QCOMPARE(form_->previewColour(), lastPixel);
}

void TestTForm4::spectrumClickChoosesPreviewColour()
{
    open(3);
    clickSpectrum(128);
    QCOMPARE(FillOf(child("StaticText3")), ColourFromRgb(0, 240, 255));
    QCOMPARE(TextOf(child("StaticText3")), ContrastTextColour(ColourFromRgb(0, 240, 255)));
    moveOverSpectrum(255);
    clickSpectrum(256); // the extra column gives the colour last previewed
    QCOMPARE(FillOf(child("StaticText3")), SpectrumColour(255));
}

void TestTForm4::cancelAfterChangesLeavesColours()
{
    open(1);
    click(QStringLiteral("Panel%1").arg(LimePanel));
    click(QStringLiteral("StaticText4"));
    click(QStringLiteral("Panel15"));
    QCOMPARE(form_->workingColour(1), ColourValue(0x00FF00));
    click(QStringLiteral("Button2"));
    QVERIFY(!form_->isVisible());
    QCOMPARE(form_->result(), int(QDialog::Rejected));
    QVERIFY(gral_->levelColors == DefaultLevelColors);
}

void TestTForm4::closeBoxActsAsCancel()
{
    open(1);
    click(QStringLiteral("Panel%1").arg(LimePanel));
    form_->close();
    QCOMPARE(form_->result(), int(QDialog::Rejected));
    QVERIFY(gral_->levelColors == DefaultLevelColors);
}

void TestTForm4::acceptWithoutChangesKeepsColours()
{
    gral_->levelColors = {0x000080, 0x008080, 0x808000, 0xC0C0C0, 0xFF00FF};
    const LevelColorTable before = gral_->levelColors;
    open(3);
    click(QStringLiteral("Button1"));
    QCOMPARE(form_->result(), int(QDialog::Accepted));
    QVERIFY(gral_->levelColors == before);
}

void TestTForm4::acceptCopiesLabelColours()
{
    open(4);
    click(QStringLiteral("Panel1")); // maroon for Complicada
    click(QStringLiteral("StaticText3"));
    clickSpectrum(192);
    click(QStringLiteral("Button1"));
    const LevelColorTable expected = {0x008000, 0x800000, ColourFromRgb(127, 0, 255), 0x000080, 0x0000FF};
    QVERIFY(gral_->levelColors == expected);
}

void TestTForm4::helpOpensContextFiveAndStaysOpen()
{
    QList<int> contexts;
    test_->platform.onShowHelpTopic = [&contexts](int c) { contexts << c; };
    open(1);
    click(QStringLiteral("Button3"));
    QCOMPARE(contexts, QList<int>{5});
    QVERIFY(form_->isVisible());
}

void TestTForm4::runsThroughModalSeam()
{
    ModalScript& script = test_->modal;
    script.push([](QDialog& window) {
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("StaticText2")), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("Panel6")), Qt::LeftButton); // teal
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("Button1")), Qt::LeftButton);
        return window.result();
    });
    TForm4 form(gral_->levelColors, gral_->platform, 1);
    QCOMPARE(RunModal(*gral_, form), int(QDialog::Accepted));
    QCOMPARE(gral_->levelColors[1], ColourValue(0x808000));
}

QTEST_MAIN(TestTForm4)
#include "tst_tform4.moc"
