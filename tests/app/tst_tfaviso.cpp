// The date-format notice: its 21 lines, its window, and the beep on activation.
#include "app/ProgramMessage.h"
#include "platform/SystemDateFormat.h"
#include "app/TFAviso.h"
#include "support/TestSupport.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class TestTFAviso : public QObject {
    Q_OBJECT
private slots:
    void noticeLines_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("expected");
        const QStringList lines = {
            u"\"Zeltmark - Pronos\" ha detectado que el \"Formato de fecha corta\" de su sistema no concuerda con las necesidades del programa."_qs,
            u""_qs,
            u"Por favor, ingrese a \"Configuración regional\" en \"Panel de Control\" y en \"Fecha\" cambie el formato de fecha corta por alguno de los formatos que se detallan a continuación como ejemplo:"_qs,
            u""_qs,
            u"\t\t\t\"dd/MM/aaaa\" (día/mes/año)"_qs,
            u"\t\t\t\"MM/dd/aaaa\" (mes/día/año)"_qs,
            u"\t\t\t\"aaaa/MM/dd\" (año/mes/día)"_qs,
            u""_qs,
            u"En cualquier caso, lo que el programa necesita es que el \"DIA\" y el \"MES\" se conformen de dos digitos y el \"AÑO\" con cuatro digitos."_qs,
            u"El mismo concepto debe ser aplicado para el \"Formato de fecha larga\":"_qs,
            u""_qs,
            u"\tdddd dd' de 'MMMM' de 'aaaa (martes 08 de diciembre de 2026)"_qs,
            u"\tMMMM, dddd dd' de 'aaaa (diciembre, martes 08 de 2026)"_qs,
            u""_qs,
            u"Si su sistema operativo es en idioma inglés, es probable que en vez de la letra \"a\" como indicativo de \"AÑO\", sea la letra \"y\" como tal."_qs,
            u""_qs,
            u"Los simbolos normalmente aceptados como separador son:"_qs,
            u""_qs,
            u"\t\t\t\t\"/\"  \"-\"  \".\""_qs,
            u""_qs,
            u"Luego de pulsar el botón \"Aceptar\" el programa se cerrará."_qs,
        };
        for (int i = 0; i < lines.size(); ++i)
            QTest::addRow("line %d", i + 1) << i << lines[i];
    }
    void noticeLines()
    {
        QFETCH(int, line);
        QFETCH(QString, expected);
        const QStringList lines = NoticeLines(DayNumberFromDate(QDate(2026, 12, 8)), DateNames::Spanish());
        QCOMPARE(lines.size(), 21);
        QCOMPARE(lines[line], expected);
    }

    void noticeLongDatesOfAnotherDay()
    {
        const QStringList lines = NoticeLines(DayNumberFromDate(QDate(2003, 1, 5)), DateNames::Spanish());
        QCOMPARE(lines[11], u"\tdddd dd' de 'MMMM' de 'aaaa (domingo 05 de enero de 2003)"_qs);
        QCOMPARE(lines[12], u"\tMMMM, dddd dd' de 'aaaa (enero, domingo 05 de 2003)"_qs);
    }

    void windowLayout()
    {
        TestEnvironment env;
        TestGral test(u"d/M/yyyy"_qs);
        TFAviso notice(test.platform);
        QCOMPARE(notice.windowTitle(), u"A V I S O"_qs);
        QCOMPARE(notice.size(), QSize(691, 398));
        QCOMPARE(notice.minimumSize(), notice.maximumSize()); // dialog border: not resizable
        QCOMPARE(notice.Memo1->geometry(), QRect(6, 6, 679, 352));
        QVERIFY(notice.Memo1->isReadOnly());
        QCOMPARE(notice.Memo1->frameShape(), QFrame::NoFrame);
        QCOMPARE(notice.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(QFontInfo(notice.Memo1->font()).fixedPitch());
        QCOMPARE(notice.Memo1->font().pointSize(), 10);
        QCOMPARE(notice.Memo1->palette().color(QPalette::Base), notice.palette().color(QPalette::Button));
        QCOMPARE(notice.Memo1->toPlainText(), NoticeLines(TodayDayNumber()).join(u'\n'));
        QCOMPARE(notice.Button1->geometry(), QRect(576, 367, 103, 23));
        QCOMPARE(notice.Button1->text(), u"Aceptar"_qs);
        QVERIFY(notice.Button1->font().bold());
    }

    void tabStaysInTheText()
    {
        TestGral test;
        TFAviso notice(test.platform);
        notice.show();
        QApplication::setActiveWindow(&notice);
        QVERIFY(QTest::qWaitForWindowActive(&notice));
        notice.Memo1->setFocus();
        QTest::keyClick(notice.Memo1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), notice.Memo1);
        QCOMPARE(notice.Memo1->toPlainText(), NoticeLines(TodayDayNumber()).join(u'\n')); // still read-only
    }

    void beepsOnEveryActivation()
    {
        TestGral test;
        int beeps = 0;
        test.platform.onBeep = [&] { ++beeps; };
        TFAviso notice(test.platform);
        QCOMPARE(beeps, 0);
        notice.show();
        QApplication::setActiveWindow(&notice);
        QVERIFY(QTest::qWaitForWindowActive(&notice));
        QTRY_COMPARE(beeps, 1);

        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(beeps, 1); // losing the activation is silent
        QApplication::setActiveWindow(&notice);
        QVERIFY(QTest::qWaitForWindowActive(&notice));
        QTRY_COMPARE(beeps, 2);
    }

    void aceptarCloses()
    {
        TestGral test;
        ModalScript& script = test.modal;
        script.push([](QDialog& window) {
            auto& notice = static_cast<TFAviso&>(window);
            QTest::mouseClick(notice.Button1, Qt::LeftButton);
            return notice.result();
        });
        TFAviso notice(test.platform);
        QCOMPARE(RunModal(test.gral, notice), int(QDialog::Accepted));
        QVERIFY(!notice.isVisible());
    }
};

QTEST_MAIN(TestTFAviso)
#include "tst_tfaviso.moc"
