// Pictures at the screen's scale (run under QT_SCALE_FACTOR 1.5 and 2): each
// picture is held with the screen's pixels, and what the screen shows is not
// the 100 % picture blown up (blocky or blurred).
#include "usability/UsabilityFixture.h"
#include "tendencies/WeekChart.h"
#include "settings/ZoneTable.h"

#include <QLabel>
#include <QTest>

namespace {

// The label's picture as the screen shows it, in device pixels.
QImage Shown(QLabel* label)
{
    const QRect area = label->contentsRect();
    return label->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

// Share of aligned 2 x 2 pixel blocks that are not one colour: none at all
// when a 100 % picture was doubled pixel for pixel.
double MixedBlocks(const QImage& image)
{
    int mixed = 0;
    int blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            ++blocks;
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c || image.pixel(x + 1, y + 1) != c)
                ++mixed;
        }
    return blocks ? double(mixed) / blocks : 0;
}

} // namespace

class TestCrispPictures : public QObject, private UsabilityFixture {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (qApp->devicePixelRatio() <= 1)
            QSKIP("run at QT_SCALE_FACTOR 1.5 or 2");
    }
    void init() { ResetFixture(); }
    void cleanup() { ReleaseFixture(); }

    void pictures_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("file"); // the 100 % picture, empty for one drawn in code
        QTest::newRow("hour scale") << "main" << "Image3" << ":/tendencies/hourscale.png";
        QTest::newRow("zone map") << "regional" << "Image1" << ":/map/zonemap.png";
        QTest::newRow("zone band") << "regional" << "Image2" << ":/map/zone13.png";
        QTest::newRow("maker link") << "about" << "Image2" << "";
        QTest::newRow("download link") << "about" << "Image3" << "";
    }
    void pictures()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, file);
        std::unique_ptr<QWidget> form = MakeWindow(window);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        auto* label = form->findChild<QLabel*>(control);
        QVERIFY(label);
        const qreal scale = form->devicePixelRatioF();
        QVERIFY(scale > 1);

        // Held with the screen's pixels, at the size the layout gives it.
        const QPixmap held = label->pixmap();
        QCOMPARE(held.devicePixelRatio(), scale);
        QCOMPARE(held.deviceIndependentSize().toSize(), label->size());

        const QImage shown = Shown(label);
        if (!file.isEmpty()) {
            const QImage small(file);
            QVERIFY(!small.isNull());
            QCOMPARE(small.size(), label->size());
            for (Qt::TransformationMode mode : {Qt::FastTransformation, Qt::SmoothTransformation}) {
                const QImage blownUp =
                    small.scaled(shown.size(), Qt::IgnoreAspectRatio, mode).convertToFormat(QImage::Format_RGB32);
                QVERIFY2(shown != blownUp, "the 100 % picture, enlarged");
            }
        }
        if (qFuzzyCompare(scale, 2.0)) // finer detail than 100 % pixels could give
            QVERIFY2(MixedBlocks(shown) > 0.01, qPrintable(QString::number(MixedBlocks(shown))));
    }
};

QTEST_MAIN(TestCrispPictures)
#include "tst_crisppictures.moc"
