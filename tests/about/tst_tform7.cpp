// The About window: its decoded texts, its layout and its two links.
#include "about/AboutPictures.h"
#include "about/AboutTexts.h"
#include "help/HelpContext.h"
#include "about/TForm7.h"
#include "support/TestSupport.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestTForm7 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void decodesCharacterCodes_data();
    void decodesCharacterCodes();
    void textArraysHaveTheirLengths();
    void captionsAreTheDecodedArrays();
    void layout();
    void everyControlOpensHelpContextOne();
    void picturesHaveTheirSizes();
    void linksOpenTheirAddresses_data();
    void linksOpenTheirAddresses();
    void acceptCloses();

private:
    template <typename T = QWidget> T* child(const QString& name) const
    {
        T* w = form_->findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    TestEnvironment* env_ = nullptr;
    TestGral* test_ = nullptr;
    TForm7* form_ = nullptr;
    QStringList opened_;
};

void TestTForm7::init()
{
    env_ = new TestEnvironment;
    test_ = new TestGral;
    opened_.clear();
    test_->platform.onOpenUrl = [this](const QString& url) { opened_ << url; };
    form_ = new TForm7(test_->platform);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
}

void TestTForm7::cleanup()
{
    delete form_;
    form_ = nullptr;
    delete test_;
    delete env_;
}

void TestTForm7::decodesCharacterCodes_data()
{
    QTest::addColumn<QList<QByteArray>>("codes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QList<QByteArray>{} << QString();
    QTest::newRow("ascii") << QList<QByteArray>{"080", "114", "111"} << QStringLiteral("Pro");
    QTest::newRow("latin-1 accents") << QList<QByteArray>{"100", "237", "097", "032", "241"} << QStringLiteral("día ñ");
    QTest::newRow("leading zeros are decimal") << QList<QByteArray>{"010", "013", "032"} << QStringLiteral("\n\r ");
    QTest::newRow("broken entries left out") << QList<QByteArray>{"065", "x9", "000", "300", "", "066"}
                                             << QStringLiteral("AB");
}

void TestTForm7::decodesCharacterCodes()
{
    QFETCH(QList<QByteArray>, codes);
    QFETCH(QString, text);
    std::vector<const char*> entries;
    for (const QByteArray& code : codes)
        entries.push_back(code.constData());
    QCOMPARE(DecodeCharacterCodes(entries), text);
}

void TestTForm7::textArraysHaveTheirLengths()
{
    QCOMPARE(Label1Codes.size(), size_t(23));
    QCOMPARE(Label2Codes.size(), size_t(14));
    QCOMPARE(Label3Codes.size(), size_t(36));
    QCOMPARE(Label4FirstCodes.size(), size_t(119));
    QCOMPARE(Label4SecondCodes.size(), size_t(127));
    // Every entry is a three-digit code that survives decoding (nothing dropped).
    for (auto codes : {std::span<const char* const>(Label1Codes), std::span<const char* const>(Label2Codes),
                       std::span<const char* const>(Label3Codes), std::span<const char* const>(Label4FirstCodes),
                       std::span<const char* const>(Label4SecondCodes)}) {
        for (const char* entry : codes)
            QCOMPARE(qstrlen(entry), 3u);
        QCOMPARE(DecodeCharacterCodes(codes).size(), qsizetype(codes.size()));
    }
    QCOMPARE(DecodeCharacterCodes(Label2Codes), QStringLiteral("Versión 1 DEMO"));
}

void TestTForm7::captionsAreTheDecodedArrays()
{
    QCOMPARE(child<QLabel>("Label1")->text(), DecodeCharacterCodes(Label1Codes));
    QCOMPARE(child<QLabel>("Label2")->text(), DecodeCharacterCodes(Label2Codes));
    QCOMPARE(child<QLabel>("Label3")->text(), DecodeCharacterCodes(Label3Codes));
    // The line feed + carriage return between the two parts shows as one
    // plain line break: the second paragraph starts with its first letter.
    const QString label4 = child<QLabel>("Label4")->text();
    QCOMPARE(label4, DecodeCharacterCodes(Label4FirstCodes) + "\n" + DecodeCharacterCodes(Label4SecondCodes));
    for (const QString& line : label4.split(u'\n'))
        QVERIFY2(!line.isEmpty() && !line.front().isSpace(), qPrintable(line));
    QCOMPARE(child<QLabel>("SText1")->text(), QString());
}

void TestTForm7::layout()
{
    QCOMPARE(form_->windowTitle(), QStringLiteral("Acerca de Zeltmark - Pronos"));
    QCOMPARE(form_->size(), QSize(451, 384));
    QCOMPARE(child("Bevel3")->geometry(), QRect(11, 11, 108, 275));
    QCOMPARE(child("Image1")->geometry(), QRect(13, 13, 103, 270));
    QCOMPARE(child("Label4")->geometry(), QRect(132, 86, 307, 67));
    QCOMPARE(child("Image2")->geometry(), QRect(252, 163, 190, 65));
    QCOMPARE(child("Image3")->geometry(), QRect(132, 237, 141, 46));
    QCOMPARE(child("SText1")->geometry(), QRect(12, 306, 337, 67));
    auto* button = child<QPushButton>("Button1");
    QCOMPARE(button->geometry(), QRect(354, 306, 87, 23));
    QCOMPARE(button->text(), QStringLiteral("&Aceptar"));
    QVERIFY(button->isDefault());
    // The title and the two lines stay clear of one another and of the paragraph.
    QVERIFY(child("Label1")->geometry().bottom() < child("Label3")->y());
    QVERIFY(child("Label2")->geometry().bottom() < child("Label3")->y());
    QVERIFY(child("Label3")->geometry().bottom() < child("Label4")->y());
    QVERIFY(child("Label3")->geometry().right() < form_->width());
}

void TestTForm7::everyControlOpensHelpContextOne()
{
    QCOMPARE(HelpContextOf(form_), 1);
    for (const QWidget* control : form_->findChildren<QWidget*>())
        QCOMPARE(HelpContextOf(control), 1);
}

void TestTForm7::picturesHaveTheirSizes()
{
    QCOMPARE(ProgramPicture().size(), QSize(105, 273));
    QCOMPARE(MakerBanner().size(), QSize(190, 65));
    QCOMPARE(DownloadBadge().size(), QSize(141, 46));
}

void TestTForm7::linksOpenTheirAddresses_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("address");
    QTest::newRow("maker") << "Image2" << MakerSiteAddress;
    QTest::newRow("download site") << "Image3" << DownloadSiteAddress;
}

void TestTForm7::linksOpenTheirAddresses()
{
    QFETCH(QString, picture);
    QFETCH(QString, address);
    QWidget* image = child(picture);
    QCOMPARE(image->toolTip(), address);
    QCOMPARE(image->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(image, Qt::LeftButton);
    QCOMPARE(opened_, QStringList{address});
    QVERIFY(form_->isVisible());
    // Clicking the other parts of the window opens nothing.
    QTest::mouseClick(child("Image1"), Qt::LeftButton);
    QTest::mouseClick(child("Label4"), Qt::LeftButton);
    QCOMPARE(opened_.size(), 1);
}

void TestTForm7::acceptCloses()
{
    QTest::mouseClick(child("Button1"), Qt::LeftButton);
    QCOMPARE(form_->result(), int(QDialog::Accepted));
    QVERIFY(!form_->isVisible());
}

QTEST_MAIN(TestTForm7)
#include "tst_tform7.moc"
