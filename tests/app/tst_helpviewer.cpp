// The help window: topics by number, the finder, and a missing help file.
#include "platform/DesktopPlatform.h"
#include "help/HelpViewer.h"
#include "support/TestSupport.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QWindow>
#include <QtTest>

namespace {

const QByteArray SampleHelp =
    "# Ayuda de prueba\n"
    "## 1 Contenido\n"
    "Vea [Integrantes](#3) o [Colores](#5).\n"
    "## 2 Ventana principal\n"
    "El **gráfico** muestra siete días.\n"
    "## 3 Gestión de integrantes\n"
    "Para *agregar* un integrante pulse \"Nuevo Integrante\".\n"
    "## 5 Colores\n"
    "Cada nivel tiene su color; el gráfico lo usa.\n";

QString WriteHelp(const TestEnvironment& env, const QByteArray& bytes)
{
    const QString path = env.programFolder() + "Pronos.hlp";
    return WriteBytes(path, bytes) ? path : QString();
}

// A help window on the sample help file, written into a folder of its own.
struct SampleViewer : HelpViewer {
    TestEnvironment env;
    SampleViewer() { setHelpFile(WriteHelp(env, SampleHelp)); }
};

QStringList ListedTitles(const HelpViewer& viewer)
{
    QStringList titles;
    for (int i = 0; i < viewer.topicList->count(); ++i)
        titles << viewer.topicList->item(i)->text();
    return titles;
}

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    void matches_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("found");
        QTest::newRow("empty finds all") << QString() << true;
        QTest::newRow("title without accent") << u"gestion"_qs << true;
        QTest::newRow("text, other case") << u"NUEVO"_qs << true;
        QTest::newRow("all words") << u"integrante pulse"_qs << true;
        QTest::newRow("one word missing") << u"integrante colores"_qs << false;
        QTest::newRow("absent") << u"impresora"_qs << false;
    }
    void matches()
    {
        QFETCH(QString, query);
        QFETCH(bool, found);
        const HelpTopic topic{3, u"Gestión de integrantes"_qs, u"Para agregar un integrante pulse \"Nuevo\"."_qs};
        QCOMPARE(HelpTopicMatches(topic, query), found);
    }

    void opensTopicByNumber()
    {
        SampleViewer viewer;
        viewer.showTopic(3);
        QVERIFY(viewer.isVisible());
        QCOMPARE(viewer.shownTopic(), 3);
        QVERIFY(!viewer.finderShown());
        QCOMPARE(viewer.titleLabel->text(), u"Gestión de integrantes"_qs);
        QVERIFY(viewer.topicView->isReadOnly());
        const QString shown = viewer.topicView->toPlainText();
        QVERIFY2(shown.contains(u"Para agregar un integrante"_qs), qPrintable(shown)); // Markdown rendered
        QVERIFY(!shown.contains(u'*'));

        viewer.showTopic(2); // the same window, another topic
        QCOMPARE(viewer.shownTopic(), 2);
        QVERIFY(viewer.topicView->toPlainText().contains(u"gráfico muestra"_qs));
    }

    void linksAndContentsButton()
    {
        SampleViewer viewer;
        viewer.showTopic(2);
        QTest::mouseClick(viewer.contentsButton, Qt::LeftButton);
        QCOMPARE(viewer.shownTopic(), 1);
        emit viewer.topicView->anchorClicked(QUrl(u"#5"_qs));
        QCOMPARE(viewer.shownTopic(), 5);
    }

    // Help asked for from a modal window (its "Ayuda" button, F1) can be read,
    // scrolled and closed while that window stays open.
    void usableBesideAModalWindow()
    {
        SampleViewer viewer;
        QDialog dialog;
        bool closedByClick = false;
        QTimer::singleShot(0, &dialog, [&] {
            viewer.showTopic(3);
            if (QTest::qWaitForWindowExposed(&viewer)) {
                auto* close = viewer.findChildren<QPushButton*>(u"closeTopic"_qs).value(0);
                if (close) // through the window, as the desktop delivers a click
                    QTest::mouseClick(viewer.windowHandle(), Qt::LeftButton, {},
                                      close->mapTo(&viewer, close->rect().center()));
                closedByClick = !viewer.isVisible();
            }
            dialog.reject();
        });
        dialog.exec();
        QVERIFY(closedByClick);
    }

    // "Atrás" and "Adelante" (buttons, Alt+Left, Alt+Right) walk the places shown.
    void history()
    {
        SampleViewer viewer;
        viewer.showTopic(2);
        QVERIFY(!viewer.backButton->isEnabled());
        QVERIFY(!viewer.forwardButton->isEnabled());
        QTest::mouseClick(viewer.contentsButton, Qt::LeftButton); // topic 1
        emit viewer.topicView->anchorClicked(QUrl(u"#5"_qs));
        QTest::mouseClick(viewer.finderButton, Qt::LeftButton);
        QVERIFY(viewer.finderShown());
        QVERIFY(QTest::qWaitForWindowActive(&viewer)); // the keys reach the active window

        QTest::mouseClick(viewer.backButton, Qt::LeftButton);
        QCOMPARE(viewer.shownTopic(), 5);
        QTest::keyClick(&viewer, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(viewer.shownTopic(), 1);
        QTest::keyClick(&viewer, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(viewer.shownTopic(), 2);
        QVERIFY(!viewer.backButton->isEnabled());
        QTest::keyClick(&viewer, Qt::Key_Left, Qt::AltModifier); // nothing before the first
        QCOMPARE(viewer.shownTopic(), 2);

        QTest::keyClick(&viewer, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(viewer.shownTopic(), 1);
        QTest::mouseClick(viewer.forwardButton, Qt::LeftButton);
        QCOMPARE(viewer.shownTopic(), 5);
        // A new place drops what lay ahead.
        viewer.showTopic(3);
        QVERIFY(!viewer.forwardButton->isEnabled());
        QTest::mouseClick(viewer.backButton, Qt::LeftButton);
        QCOMPARE(viewer.shownTopic(), 5);
        QVERIFY(viewer.forwardButton->isEnabled());
    }

    // Up and Down in the search box walk the found topics; Enter opens the highlighted one.
    void finderListWalkedWithArrows()
    {
        SampleViewer viewer;
        viewer.showFinder();
        QTest::keyClick(viewer.searchBox, Qt::Key_Down);
        QTest::keyClick(viewer.searchBox, Qt::Key_Down);
        QCOMPARE(viewer.topicList->currentRow(), 2);
        QTest::keyClick(viewer.searchBox, Qt::Key_Down);
        QTest::keyClick(viewer.searchBox, Qt::Key_Down); // stays on the last
        QCOMPARE(viewer.topicList->currentRow(), 3);
        QTest::keyClick(viewer.searchBox, Qt::Key_Up);
        QCOMPARE(viewer.topicList->currentRow(), 2);
        QTest::keyClick(viewer.searchBox, Qt::Key_Return);
        QCOMPARE(viewer.shownTopic(), 3);
    }

    // The window asked from stays behind the help: the help's owner is that window.
    void ownedByTheWindowItWasAskedFrom()
    {
        SampleViewer viewer;
        QWidget main;
        QVERIFY(ShowActive(main));
        viewer.showTopic(1);
        QVERIFY(viewer.windowHandle());
        QCOMPARE(viewer.windowHandle()->transientParent(), main.windowHandle());

        QDialog dialog;
        QWindow* owner = nullptr;
        QTimer::singleShot(0, &dialog, [&] {
            viewer.showTopic(3);
            owner = viewer.windowHandle()->transientParent();
            dialog.reject();
        });
        dialog.exec();
        QCOMPARE(owner, dialog.windowHandle());
        QVERIFY(viewer.isVisible());
    }

    void unknownTopicSaysSo()
    {
        SampleViewer viewer;
        viewer.showTopic(8);
        QCOMPARE(viewer.shownTopic(), 0);
        QVERIFY(viewer.topicView->toPlainText().contains(u"no contiene el tema 8"_qs));
    }

    // The buttons of both pages, clicked: topic -> finder -> "Mostrar",
    // finder -> "Contenido", finder -> "Cerrar".
    void buttonsMoveBetweenPages()
    {
        SampleViewer viewer;
        viewer.showTopic(2);
        QTest::mouseClick(viewer.finderButton, Qt::LeftButton);
        QVERIFY(viewer.finderShown());
        viewer.topicList->setCurrentRow(2);
        QTest::mouseClick(viewer.showButton, Qt::LeftButton);
        QCOMPARE(viewer.shownTopic(), 3);

        auto finderButton = [&viewer](const QString& text) {
            for (auto* button : viewer.pages->widget(1)->findChildren<QPushButton*>())
                if (button->text() == text)
                    return button;
            return static_cast<QPushButton*>(nullptr);
        };
        QTest::mouseClick(viewer.finderButton, Qt::LeftButton);
        QPushButton* contents = finderButton(u"&Contenido"_qs);
        QVERIFY(contents);
        QTest::mouseClick(contents, Qt::LeftButton);
        QCOMPARE(viewer.shownTopic(), 1);
        QVERIFY(!viewer.finderShown());

        QTest::mouseClick(viewer.finderButton, Qt::LeftButton);
        QPushButton* close = finderButton(u"C&errar"_qs);
        QVERIFY(close);
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!viewer.isVisible());
    }

    void finderListsAndFilters()
    {
        SampleViewer viewer;
        viewer.showFinder();
        QVERIFY(viewer.finderShown());
        QCOMPARE(ListedTitles(viewer),
                 (QStringList{u"Contenido"_qs, u"Ventana principal"_qs, u"Gestión de integrantes"_qs, u"Colores"_qs}));
        QTest::keyClicks(viewer.searchBox, u"grafico"_qs);
        QCOMPARE(ListedTitles(viewer), (QStringList{u"Ventana principal"_qs, u"Colores"_qs}));
        viewer.searchBox->setText(u"nada de esto"_qs);
        QVERIFY(ListedTitles(viewer).isEmpty());
        QVERIFY(!viewer.showButton->isEnabled());

        viewer.searchBox->setText(u"colores"_qs);
        QCOMPARE(ListedTitles(viewer), (QStringList{u"Contenido"_qs, u"Colores"_qs}));
        viewer.topicList->setCurrentRow(1);
        viewer.topicList->setFocus();
        QTest::keyClick(viewer.topicList, Qt::Key_Return); // Enter opens the chosen topic
        QCOMPARE(viewer.shownTopic(), 5);
        QVERIFY(!viewer.finderShown());

        viewer.showFinder(); // starts afresh
        QVERIFY(viewer.searchBox->text().isEmpty());
        QCOMPARE(viewer.topicList->count(), 4);
        const QRect row = viewer.topicList->visualItemRect(viewer.topicList->item(2));
        // A double click as the user makes it: a click, then the second press.
        QTest::mouseClick(viewer.topicList->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(viewer.shownTopic(), 0); // one click only chooses
        QTest::mouseDClick(viewer.topicList->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(viewer.shownTopic(), 3);
    }

    void enterInSearchBoxOpensFirstMatch()
    {
        SampleViewer viewer;
        viewer.showFinder();
        QTest::keyClicks(viewer.searchBox, u"agregar"_qs);
        QTest::keyClick(viewer.searchBox, Qt::Key_Return);
        QCOMPARE(viewer.shownTopic(), 3);
    }

    void missingFileExplained()
    {
        HelpViewer viewer;
        viewer.setHelpFile(QString());
        viewer.showTopic(2);
        QCOMPARE(viewer.shownTopic(), 0);
        QVERIFY(viewer.topicView->toPlainText().contains(u"\"Pronos.hlp\""_qs));
        viewer.showFinder();
        QVERIFY(!viewer.finderShown());
        QVERIFY(viewer.topicView->toPlainText().contains(u"\"Pronos.hlp\""_qs));
        QVERIFY(!viewer.finderButton->isEnabled());
    }

    void changedFileIsReadAgain()
    {
        TestEnvironment env;
        HelpViewer viewer;
        const QString path = WriteHelp(env, "## 1 Antes\nA\n");
        viewer.setHelpFile(path);
        viewer.showTopic(1);
        QCOMPARE(viewer.titleLabel->text(), u"Antes"_qs);
        QFile file(path);
        QVERIFY(WriteBytes(path, "## 1 Despues\nB\n") && file.open(QIODevice::Append));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        viewer.showTopic(1);
        QCOMPARE(viewer.titleLabel->text(), u"Despues"_qs);
    }

    // The platform's help requests reach one shared window with the help file
    // that CheckHelpFile found.
    void platformOpensSharedViewer()
    {
        TestEnvironment env;
        static DesktopPlatform platform; // the desktop services keep the state for the rest of the run
        static Gral gral{platform};
        platform.serve(gral);
        gral.environment.helpFile = WriteHelp(env, SampleHelp);
        gral.platform.showHelpTopic(HelpColours);
        gral.platform.showHelpFinder();
        QList<HelpViewer*> viewers;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* v = qobject_cast<HelpViewer*>(w); v && v->isVisible())
                viewers << v;
        QCOMPARE(viewers.size(), 1);
        QVERIFY(viewers[0]->finderShown());
        QCOMPARE(viewers[0]->topicList->count(), 4);
        gral.platform.showHelpTopic(HelpMembers);
        QCOMPARE(viewers[0]->shownTopic(), 3);
        viewers[0]->close();
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
