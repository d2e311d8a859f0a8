// Message boxes behind the message seam, the responder seam, help contexts and F1.
#include "platform/DesktopPlatform.h"
#include "help/HelpContext.h"
#include "app/ProgramMessage.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using Buttons = QList<QMessageBox::StandardButton>;
Q_DECLARE_METATYPE(QMessageBox::Icon)
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

namespace {

// Answers the next message box that comes up with a key, from the event loop
// that its exec() runs; a watchdog closes anything modal that stays open, so
// a broken box can fail the test but never hang it.
void AnswerNextBoxWith(Qt::Key key, QString* seenText, QWidget** seenOwner)
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible()) {
            *seenText = box->text();
            *seenOwner = box->parentWidget();
            QTest::keyClick(box, key);
            timer->deleteLater();
        } else if (++*tries > 200) {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

// The desktop services keep a reference to the state for the rest of the
// run, as the program's own state lives that long.
Gral& DesktopGral()
{
    static DesktopPlatform platform;
    static Gral gral{platform};
    static const bool served = (platform.serve(gral), true);
    Q_UNUSED(served);
    return gral;
}

} // namespace

class TestDesktopPlatform : public QObject {
    Q_OBJECT
private slots:
    void styleMapping_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
        QTest::addColumn<QMessageBox::StandardButton>("escapeButton");
        using B = QMessageBox;
        QTest::newRow("64 information") << 64 << B::Information << Buttons{B::Ok} << B::Ok << B::Ok;
        QTest::newRow("48 exclamation") << 48 << B::Warning << Buttons{B::Ok} << B::Ok << B::Ok;
        QTest::newRow("16 error") << 16 << B::Critical << Buttons{B::Ok} << B::Ok << B::Ok;
        QTest::newRow("49 ok cancel") << 49 << B::Warning << Buttons{B::Ok, B::Cancel} << B::Ok << B::Cancel;
        QTest::newRow("305 cancel default") << 305 << B::Warning << Buttons{B::Ok, B::Cancel} << B::Cancel
                                            << B::Cancel;
        QTest::newRow("0 plain") << 0 << B::NoIcon << Buttons{B::Ok} << B::Ok << B::Ok;
        QTest::newRow("36 question yes no") << 36 << B::Question << Buttons{B::Yes, B::No} << B::Yes << B::No;
        QTest::newRow("default beyond the buttons") << (512 + 64) << B::Information << Buttons{B::Ok} << B::Ok
                                                    << B::Ok;
    }
    void styleMapping()
    {
        QFETCH(int, style);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(Buttons, buttons);
        QFETCH(QMessageBox::StandardButton, defaultButton);
        QFETCH(QMessageBox::StandardButton, escapeButton);
        const MessageBoxLayout layout = MessageBoxLayoutFor(style);
        QCOMPARE(layout.icon, icon);
        QCOMPARE(layout.buttons, buttons);
        QCOMPARE(layout.defaultButton, defaultButton);
        QCOMPARE(layout.escapeButton, escapeButton);
    }

    void lineBreaks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one") << u"a\rb"_qs << u"a\nb"_qs;
        QTest::newRow("empty line") << u"a\r\rb"_qs << u"a\n\nb"_qs;
        QTest::newRow("CR LF once") << u"a\r\nb"_qs << u"a\nb"_qs;
        QTest::newRow("none") << u"sin cambio"_qs << u"sin cambio"_qs;
    }
    void lineBreaks()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(MessageBoxText(text), shown);
    }

    // A path longer than the screen is wide wraps instead of being cut.
    void longPathWraps()
    {
        const QString path = u"/home/"_qs + QString(400, u'x') + u"/Fechas.dat"_qs;
        const auto box = CreateMessageBox(u"No se pudo crear la carpeta \"%1\"."_qs.arg(path), 16, nullptr);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QVERIFY(box->frameGeometry().width() <= box->screen()->availableGeometry().width());
        const auto* label = box->findChild<QWidget*>(u"qt_msgbox_label"_qs);
        QVERIFY(label->width() >= label->minimumSizeHint().width()); // no piece wider than the label
    }

    void boxCarriesCaptionTextAndButtons()
    {
        QWidget owner;
        const auto box = CreateMessageBox(u"Confirme eliminar integrante \"PEREZ & CIA\"...\r\rSegunda"_qs, 305, &owner);
        QCOMPARE(box->windowTitle(), u"Zeltmark - Pronos \"DEMO\""_qs);
        QCOMPARE(box->text(), u"Confirme eliminar integrante \"PEREZ & CIA\"...\n\nSegunda"_qs);
        QCOMPARE(box->textFormat(), Qt::PlainText); // "&" and quotes shown as written
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Cancel));
        QCOMPARE(box->button(QMessageBox::Ok)->text(), u"Aceptar"_qs);
        QCOMPARE(box->button(QMessageBox::Cancel)->text(), u"Cancelar"_qs);
        QCOMPARE(box->parentWidget(), &owner);
    }

    void responderSeamRecordsAndAnswers()
    {
        TestGral test;
        test.messages.answerNext(ResultCancel);
        QCOMPARE(ProgramMessage(test.gral, u"¿Seguro?"_qs, StyleOkCancelDefault2), int(ResultCancel));
        QCOMPARE(ProgramMessage(test.gral, u"Hecho."_qs, StyleInformation), int(ResultOk));
        QCOMPARE(test.messages.messages().size(), 2);
        QCOMPARE(test.messages.messages()[0].text, u"¿Seguro?"_qs);
        QCOMPARE(test.messages.messages()[0].style, 305);
        QCOMPARE(test.messages.messages()[1].style, 64);
    }

    void helpContextOfNearestContainer()
    {
        QWidget window;
        auto* inner = new QWidget(&window);
        auto* edit = new QLineEdit(inner);
        auto* button = new QPushButton(inner);
        SetHelpContext(&window, HelpMainWindow);
        SetHelpContext(button, HelpPrinting);
        QCOMPARE(HelpContextOf(edit), 2);
        QCOMPARE(HelpContextOf(button), 7);
        QCOMPARE(HelpContextOf(inner), 2);
        QCOMPARE(HelpContextOf(nullptr), 0);
        // A window of its own does not borrow its owner's context.
        QWidget dialog(&window, Qt::Dialog);
        auto* field = new QLineEdit(&dialog);
        QCOMPARE(HelpContextOf(field), 0);
        SetHelpContext(&dialog, HelpRegional);
        QCOMPARE(HelpContextOf(field), 4);
    }

    void f1OpensTheFocusedContext()
    {
        TestGral test;
        QList<int> opened;
        test.platform.onShowHelpTopic = [&](int context) { opened << context; };
        std::unique_ptr<QObject> filter(InstallHelpKey(test.gral));

        QWidget window;
        SetHelpContext(&window, HelpMainWindow);
        auto* edit = new QLineEdit(&window);
        auto* button = new QPushButton(u"Ayuda"_qs, &window);
        SetHelpContext(button, HelpMembers);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_F1);
        QCOMPARE(opened, QList<int>{2}); // once, though the key passes its parents
        QTest::keyClick(button, Qt::Key_F1);
        QCOMPARE(opened, (QList<int>{2, 3}));
        QTest::keyClick(edit, Qt::Key_F1, Qt::ShiftModifier); // not plain F1
        QTest::keyClick(edit, Qt::Key_F2);
        QCOMPARE(opened.size(), 2);


        // An open menu takes the keys; it speaks for its menu bar.
        QMenuBar bar(&window);
        SetHelpContext(&bar, HelpContents);
        QMenu* menu = bar.addMenu(u"&Pronos"_qs);
        menu->addAction(u"&Salir"_qs);
        menu->popup(QPoint(0, 0));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::keyClick(menu, Qt::Key_F1);
        QCOMPARE(opened, (QList<int>{2, 3, 1}));
        menu->close();

        QWidget plain; // no context anywhere: nothing opens
        auto* other = new QLineEdit(&plain);
        plain.show();
        QApplication::setActiveWindow(&plain);
        QVERIFY(QTest::qWaitForWindowActive(&plain));
        QTest::keyClick(other, Qt::Key_F1);
        QCOMPARE(opened.size(), 3);
    }

    // Last, since it installs the desktop services for good.
    // The real message routine: owned by the active window, Enter presses the
    // default button, Escape the escape button.
    void realMessageAnswers_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("305 Enter is Cancel") << 305 << int(Qt::Key_Return) << 2;
        QTest::newRow("49 Enter is OK") << 49 << int(Qt::Key_Return) << 1;
        QTest::newRow("49 Escape is Cancel") << 49 << int(Qt::Key_Escape) << 2;
        QTest::newRow("64 Escape is OK") << 64 << int(Qt::Key_Escape) << 1;
    }
    void realMessageAnswers()
    {
        QFETCH(int, style);
        QFETCH(int, key);
        QFETCH(int, result);
        Gral& gral = DesktopGral();
        QWidget window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QString seenText;
        QWidget* seenOwner = nullptr;
        AnswerNextBoxWith(Qt::Key(key), &seenText, &seenOwner);
        QCOMPARE(ProgramMessage(gral, u"Uno\rDos"_qs, MessageStyle(style)), result);
        QCOMPARE(seenText, u"Uno\nDos"_qs);
        QCOMPARE(seenOwner, &window);
    }

    void busyCursorNests()
    {
        Gral& gral = DesktopGral();
        QVERIFY(!QGuiApplication::overrideCursor());
        {
            BusyCursor outer(gral);
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
            {
                BusyCursor inner(gral);
            }
            QVERIFY(QGuiApplication::overrideCursor()); // the outer one still holds it
        }
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

QTEST_MAIN(TestDesktopPlatform)
#include "tst_desktopplatform.moc"
