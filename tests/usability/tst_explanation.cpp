// The explanation window at the scale the test runs under (QT_SCALE_FACTOR 1,
// 1.5 and 2): every level's text fits its panel, and the window moves along
// with the main window.
#include "tendencies/TForm1.h"
#include "tendencies/TForm5.h"
#include "tendencies/TendencyTexts.h"
#include "usability/UsabilityFixture.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>

class TestExplanation : public QObject, private UsabilityFixture {
    Q_OBJECT
private slots:
    void init() { ResetFixture(); }
    void cleanup() { ReleaseFixture(); }

    void textFits_data()
    {
        QTest::addColumn<int>("level");
        for (int level = 1; level <= 5; ++level)
            QTest::addRow("level %d", level) << level;
    }
    // No line loses a letter at either side: measured, and on the screen the
    // margins beside the text hold only the panel's fill.
    void textFits()
    {
        QFETCH(int, level);
        gral_->explanation.explainedLevel = level;
        QWidget owner;
        auto* window = new TForm5(gral_->explanation, gral_->levelColors, &owner);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QLabel* text = window->Text1;
        QCOMPARE(text->text(), ExplanationText(level).replace(u'\r', u'\n'));
        QVERIFY2(text->sizeHint().width() <= text->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(text->sizeHint().width()).arg(text->width())));
        const QFontMetrics metrics(text->font());
        for (const QString& line : text->text().split(u'\n'))
            QVERIFY2(metrics.horizontalAdvance(line) < text->contentsRect().width(), qPrintable(line));

        const QImage shot = text->grab().toImage();
        const qreal scale = shot.devicePixelRatio();
        const QRgb fill = text->palette().color(QPalette::Window).rgb();
        const int inner = qRound(2 * scale); // inside the sunken frame
        for (int x : {inner, inner + 1, shot.width() - inner - 2, shot.width() - inner - 1})
            for (int y = inner; y < shot.height() - inner; ++y)
                QVERIFY2(shot.pixel(x, y) == fill, qPrintable(QStringLiteral("text at x %1, y %2").arg(x).arg(y)));
        QVERIFY(text->font().pixelSize() >= 9); // still readable
        delete window;
    }

    // Moving the main window takes the explanation along, at the same place
    // over the chart and legend.
    void followsTheMainWindow()
    {
        TForm1 main(*gral_);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.Quindica1->trigger();
        TForm5* explanation = main.ExplanationWindow();
        QVERIFY(explanation);
        QVERIFY(QTest::qWaitForWindowExposed(explanation));
        QTRY_VERIFY(explanation->pos() != QPoint());
        const QPoint offset = explanation->pos() - main.pos();
        main.move(main.pos() + QPoint(37, 21));
        QTRY_COMPARE(main.pos() + offset, explanation->pos());
        main.move(main.pos() - QPoint(60, 10));
        QTRY_COMPARE(main.pos() + offset, explanation->pos());
    }
};

QTEST_MAIN(TestExplanation)
#include "tst_explanation.moc"
