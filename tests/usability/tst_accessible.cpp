// What a screen reader finds through Qt's accessibility interface: a name on
// every control the keyboard reaches, names and descriptions on the pictures,
// and the chart's seven days in words.
#include "tendencies/TForm1.h"
#include "usability/UsabilityFixture.h"
#include "tendencies/WeekChart.h"

#include <QAccessible>
#include <QLabel>
#include <QSlider>
#include <QTest>

namespace {

QAccessibleInterface* Accessible(QWidget* widget)
{
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

QString Name(QWidget* widget)
{
    QAccessibleInterface* face = Accessible(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QString Description(QWidget* widget)
{
    QAccessibleInterface* face = Accessible(widget);
    return face ? face->text(QAccessible::Description) : QString();
}

// The controls that Tab reaches and that a reader would announce without a name.
QStringList Unnamed(QWidget& window)
{
    QStringList out;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || !(control->focusPolicy() & Qt::TabFocus))
            continue;
        if (control->focusProxy() || control->objectName().startsWith(QLatin1String("qt_")))
            continue; // a part of another control
        if (Name(control).trimmed().isEmpty())
            out << QStringLiteral("%1 (%2)").arg(control->objectName(), control->metaObject()->className());
    }
    return out;
}

} // namespace

class TestAccessible : public QObject, private UsabilityFixture {
    Q_OBJECT
private slots:
    void init() { ResetFixture(); }
    void cleanup() { ReleaseFixture(); }

    void everyStopHasAName_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* name : {"main", "members", "regional", "colour", "print", "about"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyStopHasAName()
    {
        QFETCH(QString, window);
        std::unique_ptr<QWidget> form = MakeWindow(window);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(Unnamed(*form), QStringList());
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("described");
        QTest::newRow("chart") << "main" << "Image1" << "Gráfico de tendencias de siete días" << true;
        QTest::newRow("hour scale") << "main" << "Image3" << "Escala de horas, de 00 a 23" << false;
        QTest::newRow("banner") << "main" << "Image2" << "Fin del calendario de tendencias" << false;
        QTest::newRow("track bar") << "main" << "Barra" << "Día mostrado" << true;
        QTest::newRow("legend box") << "main" << "TextCol3" << "Normal" << true;
        QTest::newRow("zone map") << "regional" << "Image1" << "Mapa de husos horarios" << true;
        QTest::newRow("colour panel") << "colour" << "Panel9" << "Color rojo" << true;
        QTest::newRow("level box") << "colour" << "StaticText5" << "Restrictiva" << true;
        QTest::newRow("spectrum") << "colour" << "Image1" << "Espectro de colores" << true;
        QTest::newRow("preview") << "colour" << "Panel17" << "Color bajo el puntero" << true;
        QTest::newRow("program picture") << "about" << "Image1" << "Imagen de Zeltmark - Pronos" << false;
        QTest::newRow("maker link") << "about" << "Image2" << "Sitio de Zeltmark" << true;
        QTest::newRow("download link") << "about" << "Image3" << "Sitio de descargas" << true;
    }
    void pictures()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(bool, described);
        std::unique_ptr<QWidget> form = MakeWindow(window);
        auto* widget = form->findChild<QWidget*>(control);
        QVERIFY(widget);
        QAccessibleInterface* face = Accessible(widget);
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), name);
        QVERIFY(face->role() != QAccessible::NoRole);
        QCOMPARE(!Description(widget).isEmpty(), described);
    }

    // The chart says in words what its colours show, and follows the shown week.
    void chartDescribesTheWeek()
    {
        TForm1 form(*gral_);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QStringList days = Description(form.Image1).split(u'\n');
        QCOMPARE(days.size(), 7);
        QVERIFY2(days[0].startsWith(QStringLiteral("miércoles 1 de enero: ")), qPrintable(days[0]));
        QVERIFY2(days[6].startsWith(QStringLiteral("martes 7 de enero: ")), qPrintable(days[6]));
        form.Barra->setFocus();
        QTest::keyClick(form.Barra, Qt::Key_End); // the last day: one row only
        const QStringList last = Description(form.Image1).split(u'\n');
        QCOMPARE(last.size(), 1);
        QVERIFY2(last[0].startsWith(QStringLiteral("viernes 31 de diciembre: ")), qPrintable(last[0]));
    }
};

QTEST_MAIN(TestAccessible)
#include "tst_accessible.moc"
