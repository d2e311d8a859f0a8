// "Exportar a calendario..." from the full edition's menu, driven through its
// controls: the team over two days at two levels from a typed date is written;
// an existing file is replaced only when the user agrees.
#include "export/CalendarExportWindow.h"
#include "tendencies/MainWindowFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>

class TestCalendarExportWindow : public QObject, MainWindowFixture {
    Q_OBJECT
private slots:
    void cleanup() { ReleaseMainWindow(); }

    void exportsThroughTheControls()
    {
        ResetMainWindow(FullEdition(), {"14/05/1990GARCÍA, LUIS", "03/01/1985PÉREZ, ANA"}, {"Pronos-full.hlp"});
        auto w = MakeMainWindow(13, "(GMT+01:00) Madrid", QDate(2027, 3, 22));
        const QString path = env_->path() + "/out.ics";
        QStringList suggested;
        test_->platform.onChooseSaveFile = [&](const QString&, const QString& offered, const QString&) {
            return (suggested << offered.section('/', -1), path);
        };
        QByteArray written;
        modal_->push([&](QDialog& dialog) {
            auto& window = dynamic_cast<CalendarExportWindow&>(dialog);
            if (!ShowActive(window))
                return -1; // nothing written: the checks below fail
            window.Quien->setCurrentIndex(window.Quien->count() - 1); // "Todo el equipo"
            window.Dias->setValue(2);
            for (QCheckBox* box : {window.Niveles[2], window.Niveles[3], window.Niveles[4]}) // on the box, not the row
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
            QApplication::setActiveWindow(&window); // the menu's window took it back offscreen
            window.Desde->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(window.Desde, "21032027"); // typed and confirmed by Enter: read whole
            QTest::keyClick(window.Desde, Qt::Key_Return);
            written = ReadBytes(path);
            messages_->answerNext(ResultCancel); // to "ya existe"
            window.Dias->setValue(3);
            QTest::mouseClick(window.Exportar, Qt::LeftButton);
            return 0;
        });
        w->Exportar1->trigger();
        QCOMPARE(suggested, QStringList({"Equipo 2027-03-21.ics", "Equipo 2027-03-21.ics"}));
        const qsizetype events = written.count("BEGIN:VEVENT");
        QVERIFY(events > 0 && written.contains("GARCÍA") && written.contains("PÉREZ"));
        QVERIFY(written.contains("X-WR-CALNAME:Tendencias – Equipo") && !written.contains("TZID")); // a classic region: UTC
        QCOMPARE(written.count("CATEGORIES:Excelente") + written.count("CATEGORIES:Buena"), events);
        QCOMPARE(messages_->texts(), QStringList({QString("Se escribieron %1 eventos.").arg(events),
                                                  "El archivo \"" + path + "\" ya existe.\r¿Desea reemplazarlo?"}));
        QCOMPARE(ReadBytes(path), written); // not replaced
    }
};

QTEST_MAIN(TestCalendarExportWindow)
#include "tst_calendarexportwindow.moc"
