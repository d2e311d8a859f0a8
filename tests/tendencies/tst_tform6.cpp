// The print options window: its controls, the period check and the print date
// it hands back on every way out.
#include "tendencies/TForm6.h"
#include "help/HelpContext.h"
#include "app/ProgramMessage.h"
#include "tendencies/TendencyTestSupport.h"

#include <QDir>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestForm6 : public QObject, private PrintTestFixture {
    Q_OBJECT

private slots:
    void init()
    {
        ResetFixture();
        helpTopics_.clear();
        test_.platform.onShowHelpTopic = [this](int context) { helpTopics_ << context; };
    }

    void creation()
    {
        TForm6 form(gral_, ShownDay);
        QCOMPARE(form.printDate(), 0.0);
        QCOMPARE(form.DateTime1->date(), QDate(2004, 3, 17));
        QVERIFY(form.Option1->isChecked());
        QVERIFY(!form.Option2->isChecked());
        QVERIFY(!form.DateTime1->isEnabled());
        QVERIFY(!form.sevenDays());
        QCOMPARE(HelpContextOf(form.DateTime1), 7); // F1 anywhere in the window
        QCOMPARE(form.windowTitle(), QStringLiteral("Imprimir Tendencias"));
        QCOMPARE(form.Label1->text(), QStringLiteral("Seleccione una opción:"));
        QCOMPARE(form.Option1->text(), QStringLiteral("Imprimir solo fecha actual"));
        QCOMPARE(form.Option2->text(), QStringLiteral("Imprimir 7 días a partir de fecha >>"));
        QCOMPARE(QStringList({form.Button1->text(), form.Button2->text(), form.Button3->text()}),
                 QStringList({"&Imprimir", "&Cancelar", "A&yuda"}));
    }

    void options()
    {
        TForm6 form(gral_, ShownDay);
        form.show();
        QTest::mouseClick(form.Option2, Qt::LeftButton);
        QVERIFY(form.DateTime1->isEnabled());
        QVERIFY(form.sevenDays());
        QTest::mouseClick(form.Option1, Qt::LeftButton);
        QVERIFY(!form.DateTime1->isEnabled());
        QVERIFY(!form.sevenDays());
    }

    void period_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("message");
        QTest::newRow("day before the period") << QDate(2002, 12, 31)
            << "La fecha \"31/12/2002\" es anterior a la fecha con la cual se inicia este programa.\r\r"
               "El mismo comienza el \"01/01/2003\"";
        QTest::newRow("first day") << QDate(2003, 1, 1) << QString();
        QTest::newRow("last day") << QDate(2004, 12, 31) << QString();
        QTest::newRow("day after the period") << QDate(2005, 1, 1)
            << "La fecha \"01/01/2005\" es posterior a la fecha con la cual finaliza este programa.\r\r"
               "El mismo finaliza el \"31/12/2004\"";
    }
    void period()
    {
        QFETCH(QDate, date);
        QFETCH(QString, message);
        TForm6 form(gral_, ShownDay);
        form.show();
        QTest::mouseClick(form.Option2, Qt::LeftButton);
        form.DateTime1->setDate(date);
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        if (message.isEmpty()) {
            QVERIFY(recorder_->messages().isEmpty());
            QCOMPARE(form.printDate(), DayNumberFromDate(date));
            QVERIFY(!form.isVisible());
            QCOMPARE(form.result(), int(QDialog::Accepted));
            QVERIFY(form.sevenDays());
        } else {
            QCOMPARE(recorder_->messages().size(), 1);
            QCOMPARE(recorder_->messages()[0].text, message);
            QCOMPARE(recorder_->messages()[0].style, 48);
            QCOMPARE(form.printDate(), 0.0);
            QVERIFY(form.isVisible()); // left open for another date
            // A good date afterwards is taken.
            form.DateTime1->setDate(QDate(2004, 6, 1));
            QTest::mouseClick(form.Button1, Qt::LeftButton);
            QCOMPARE(form.printDate(), Day(2004, 6, 1));
            QVERIFY(!form.isVisible());
        }
    }

    // Turning the picker while seven days were chosen doesn't change the one day printed.
    void oneDayKeepsTheShownDay()
    {
        TForm6 form(gral_, ShownDay);
        form.show();
        QTest::mouseClick(form.Option2, Qt::LeftButton);
        form.DateTime1->setDate(QDate(2005, 6, 1));
        QTest::mouseClick(form.Option1, Qt::LeftButton);
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        QVERIFY(recorder_->messages().isEmpty());
        QCOMPARE(form.printDate(), Day(2004, 3, 17));
        QVERIFY(!form.sevenDays());
    }

    // Every way out other than a successful "Imprimir" leaves nothing to print.
    void cancelPaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("Cancelar") << "cancel";
        QTest::newRow("Ayuda, then the close box") << "help";
        QTest::newRow("the close box") << "close";
        QTest::newRow("Esc") << "escape";
        QTest::newRow("refused date, then Cancelar") << "refused";
        QTest::newRow("date format changed") << "format";
    }
    void cancelPaths()
    {
        QFETCH(QString, path);
        ModalScript& modal = test_.modal;
        modal.push([&](QDialog& window) {
            auto& form = static_cast<TForm6&>(window);
            QTest::mouseClick(form.Option2, Qt::LeftButton);
            form.DateTime1->setDate(QDate(2003, 5, 5));
            if (path == "cancel") {
                QTest::mouseClick(form.Button2, Qt::LeftButton);
            } else if (path == "help") {
                QTest::mouseClick(form.Button3, Qt::LeftButton);
                stillOpen_ = form.isVisible();
                form.close();
            } else if (path == "close") {
                form.close();
            } else if (path == "escape") {
                QTest::keyClick(&form, Qt::Key_Escape);
            } else if (path == "refused") {
                form.DateTime1->setDate(QDate(2005, 2, 2));
                QTest::mouseClick(form.Button1, Qt::LeftButton);
                stillOpen_ = form.isVisible();
                QTest::mouseClick(form.Button2, Qt::LeftButton);
            } else if (path == "format") {
                env_->setShortDatePattern("yyyy-MM-dd");
                QTest::mouseClick(form.Button1, Qt::LeftButton);
            }
            closedByItself_ = !form.isVisible();
            return form.result();
        });
        stillOpen_ = true;
        closedByItself_ = false;
        TForm6 form(gral_, ShownDay);
        const int result = RunModal(gral_, form);
        QCOMPARE(modal.opened(), 1);
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(form.printDate(), 0.0);
        QVERIFY(closedByItself_);
        QVERIFY(stillOpen_);
        if (path == "help")
            QCOMPARE(helpTopics_, QList<int>{7});
        if (path == "format")
            QVERIFY(gral_.environment.quitRequested);
    }

    // "Imprimir" in a modal run: the opener reads the date and the form after the run.
    void printThroughModalRun_data()
    {
        QTest::addColumn<bool>("sevenDays");
        QTest::addColumn<QDate>("picked");
        QTest::addColumn<double>("expected");
        QTest::newRow("the shown day") << false << QDate(2003, 5, 5) << ShownDay;
        QTest::newRow("seven days from the picker") << true << QDate(2003, 5, 5) << Day(2003, 5, 5);
        QTest::newRow("seven days from the last day") << true << QDate(2004, 12, 31) << Day(2004, 12, 31);
    }
    void printThroughModalRun()
    {
        QFETCH(bool, sevenDays);
        QFETCH(QDate, picked);
        QFETCH(double, expected);
        ModalScript& modal = test_.modal;
        modal.push([&](QDialog& window) {
            auto& form = static_cast<TForm6&>(window);
            QTest::mouseClick(form.Option2, Qt::LeftButton);
            form.DateTime1->setDate(picked);
            if (!sevenDays)
                QTest::mouseClick(form.Option1, Qt::LeftButton);
            QTest::mouseClick(form.Button1, Qt::LeftButton);
            return form.result();
        });
        TForm6 form(gral_, ShownDay);
        QCOMPARE(RunModal(gral_, form), int(QDialog::Accepted));
        QCOMPARE(modal.opened(), 1);
        QCOMPARE(form.printDate(), expected);
        QCOMPARE(form.sevenDays(), sevenDays);
        QVERIFY(recorder_->messages().isEmpty());
    }

    // A window opened without a shown day prints the picker's day in either form.
    void withoutShownDay()
    {
        TForm6 form(gral_, 0);
        form.show();
        form.DateTime1->setDate(QDate(2003, 2, 1));
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        QCOMPARE(form.printDate(), Day(2003, 2, 1));
    }

    // Tab leaves the picker at once for "Imprimir", rather than walking its fields.
    void tabLeavesThePicker()
    {
        TForm6 form(gral_, ShownDay);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::mouseClick(form.Option2, Qt::LeftButton);
        form.DateTime1->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.Button1);
    }

    void longestDateFits()
    {
        TForm6 form(gral_, ShownDay);
        form.show();
        QTest::mouseClick(form.Option2, Qt::LeftButton);
        form.DateTime1->setDate(QDate(2003, 9, 17)); // the longest day and month names
        const QLineEdit* edit = form.DateTime1->findChild<QLineEdit*>();
        QVERIFY(edit);
        QCOMPARE(form.DateTime1->text(), "miércoles 17 de septiembre de 2003");
        QVERIFY(QFontMetrics(edit->font()).horizontalAdvance(form.DateTime1->text()) < edit->width() - 2);
        const QString file = QDir::tempPath() + "/pronos-tform6.png";
        QVERIFY(form.grab().save(file));
    }

private:
    static constexpr double ShownDay = 38063; // 17 March 2004, the main window's shown day
    QList<int> helpTopics_;
    bool stillOpen_ = true;
    bool closedByItself_ = false;
};

QTEST_MAIN(TestForm6)
#include "tst_tform6.moc"
