// "Exportar a calendario..." from the full edition's menu, driven through its
// controls: the team over two days and two levels is written, an existing
// file is replaced only when the user agrees, no level ticked is refused.
#include "CalendarExportWindow.h"
#include "MainWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QSpinBox>

class TestCalendarExportWindow : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void init()
    {
        ResetMainWindow(FullEdition(), {"14/05/1990GARCÍA, LUIS", "03/01/1985PÉREZ, ANA"}, {FullEdition().helpFileName});
    }
    void cleanup() { ReleaseMainWindow(); }

    void exportsThroughTheControls()
    {
        auto w = MakeMainWindow(13, "(GMT+01:00) Madrid", QDate(2027, 3, 22));
        const QString path = env_->path() + "/out.ics";
        QStringList suggested;
        gral_->platform.chooseSaveFile = [&](const QString&, const QString& suggestedPath, const QString&) {
            suggested << QFileInfo(suggestedPath).fileName();
            return path;
        };
        QByteArray written;
        // On the box itself: the row is wider than the box and its text.
        auto click = [](QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); };
        modal_->push([&](QDialog& dialog) {
            auto& window = dynamic_cast<CalendarExportWindow&>(dialog);
            window.show();
            window.Quien->setCurrentIndex(window.Quien->count() - 1); // "Todo el equipo"
            window.Dias->setValue(2);
            for (int level = 3; level <= 5; ++level)
                click(window.Niveles[level - 1]);
            QTest::mouseClick(window.Exportar, Qt::LeftButton);
            QFile file(path);
            written = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            messages_->answerNext(ResultCancel); // "ya existe": not replaced
            click(window.Niveles[0]);
            QTest::mouseClick(window.Exportar, Qt::LeftButton);
            click(window.Niveles[1]);
            QTest::mouseClick(window.Exportar, Qt::LeftButton); // no level left
            return 0;
        });
        w->Exportar1->trigger();
        QCOMPARE(modal_->opened(), 1);
        QCOMPARE(suggested, QStringList({"Equipo 2027-03-22.ics", "Equipo 2027-03-22.ics"}));
        const qsizetype events = written.count("BEGIN:VEVENT");
        QVERIFY(events > 0 && written.contains("GARCÍA") && written.contains("PÉREZ"));
        QCOMPARE(written.count("CATEGORIES:Excelente") + written.count("CATEGORIES:Buena"), events);
        QCOMPARE(messages_->texts(), QStringList({QString("Se escribieron %1 eventos.").arg(events),
                                                  "El archivo \"" + path + "\" ya existe.\r¿Desea reemplazarlo?",
                                                  "Marque al menos un nivel de tendencia."}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), written);
    }
};

QTEST_MAIN(TestCalendarExportWindow)
#include "tst_calendarexportwindow.moc"
