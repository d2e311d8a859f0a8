// The real start-up sequence, offscreen, with the message answers and the
// modal windows scripted: first run in an empty program folder, a second run
// in the same folder, the two ways a start-up without members ends, and the
// full edition opening on today.
#include "e2e/ConfiguredRegion.h"
#include "core/Edition.h"
#include "members/MemberList.h"
#include "members/MembersStartup.h"
#include "settings/SettingsStore.h"
#include "main/Startup.h"
#include "tendencies/TForm1.h"
#include "members/TForm2.h"
#include "settings/TForm3.h"
#include "tendencies/TeamWindow.h"
#include "support/TestSupport.h"
#include "tendencies/WeekChart.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QUuid>
#include <QRadioButton>
#include <QTimeZone>
#include <QTimer>
#include <QTest>
#include <cmath>

namespace {

const QString NoMemberMessage =
    QStringLiteral("Como no se ha generado ningún integrante, la aplicación se cerrará.");

// Copies the help file beside the program, as an installation has it.
void InstallHelpFile(const QString& folder)
{
    QFile::remove(folder + "Pronos.hlp");
    QVERIFY(QFile::copy(QStringLiteral(PRONOS_PROGRAM_DIR "/Pronos.hlp"), folder + "Pronos.hlp"));
}

StartupOptions OptionsFor(const QString& folder)
{
    StartupOptions options;
    options.programFolder = folder;
    options.singleInstance = false;
    return options;
}

// Members window: type one member, save, close.
int SaveOneMember(QDialog& window)
{
    auto* members = qobject_cast<TForm2*>(&window);
    if (!members)
        return -1;
    members->Edit1->setText(QStringLiteral("GARCIA LUIS"));
    members->DateTime1->setDate(QDate(1980, 5, 5));
    members->Button2->click();
    members->Button5->click();
    return window.result();
}

} // namespace

class TestFirstRun : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { UseEdition(DemoEdition()); }
    void firstRunThenSecondRun();
    void membersWindowClosedWithoutSaving();
    void damagedMembersFileIsPurgedWithBackup();
    void fullEditionOpensOnToday_data();
    void fullEditionOpensOnToday();
    void fullEditionTakesTheSystemZone();
    void membersBesideTheProgramAreCarriedOverOnce();
    void windowOptionReachesTheRunningCopy_data();
    void windowOptionReachesTheRunningCopy();
    void dataFolderThatCannotBeCreatedEndsTheStart();
    void firstWindowCarriesTheEditionsIdentity_data();
    void firstWindowCarriesTheEditionsIdentity();
};

void TestFirstRun::firstRunThenSecondRun()
{
    TestEnvironment env;
    const QString folder = env.programFolder();
    InstallHelpFile(folder);
    {
        TestGral start;
        bool closeRefused = false;
        start.modal.push(SaveOneMember);
        start.modal.push([&closeRefused](QDialog& window) {
            auto* region = qobject_cast<TForm3*>(&window);
            if (!region)
                return -1;
            window.close(); // the system close is refused until a region is confirmed
            closeRefused = window.isVisible();
            region->Button1->click();
            return window.result();
        });

        std::unique_ptr<TForm1> main = StartPronos(start.gral, OptionsFor(folder));
        QVERIFY(main);
        QCOMPARE(start.modal.opened(), 2);
        QVERIFY(closeRefused);
        QCOMPARE(start.messages.texts().size(), 3);
        QCOMPARE(start.messages.messages()[0].text, FirstRunMembersMessage);
        QCOMPARE(start.messages.messages()[0].style, 64);
        QCOMPARE(start.messages.messages()[1].text, TForm1::FirstRunMessage());
        QCOMPARE(start.messages.messages()[1].style, 64);
        QVERIFY(start.messages.messages()[2].text.startsWith("Confirme selección:"));
        QCOMPARE(start.messages.messages()[2].style, 49);

        QCOMPARE(start.gral.environment.dataFolder, env.dataFolder());
        QCOMPARE(QFile(env.dataFolder() + "Fechas.dat").size(), qint64(152));
        QVERIFY(!QFile::exists(folder + "Fechas.dat")); // nothing is written beside the program
        QCOMPARE(start.gral.calendar.zoneOffset, 12);
        QCOMPARE(start.gral.calendar.signCalendar.size(), 1052);
        QCOMPARE(main->Combo1->currentText(), QString("GARCIA LUIS - 05/05/1980"));
        QCOMPARE(main->StatusPanel1->text(), QString("Horario verano: NO"));
        QVERIFY(main->StatusPanel0->text().startsWith("(GMT 00:00) Hora media de Greenwich"));
        QCOMPARE(main->DateLabels[0]->text(), QString("01/01/2003"));
        QCOMPARE(main->DateLabels[6]->text(), QString("07/01/2003"));
        QVERIFY(main->Image1->pixel(1, 1) != QColor(192, 192, 192).rgb());
        QVERIFY(main->Text2->text().startsWith("miércoles 1 de enero de 2003 - 00:00 hs. - Tendencias "));
        main->close();
    }
    {
        TestGral start;
        std::unique_ptr<TForm1> main = StartPronos(start.gral, OptionsFor(folder));
        QVERIFY(main);
        QCOMPARE(start.modal.opened(), 0);
        QCOMPARE(start.messages.texts(), QStringList());
        QCOMPARE(main->Combo1->currentText(), QString("GARCIA LUIS - 05/05/1980"));
        QCOMPARE(start.gral.calendar.zoneOffset, 12);
        QCOMPARE(start.gral.calendar.signCalendar.size(), 1052);
    }
}

void TestFirstRun::fullEditionOpensOnToday_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("messages");
    QTest::newRow("today inside") << QDate(2026, 12, 9) << "09/12/2026" << 0;
    QTest::newRow("today after 2100") << QDate(2101, 1, 1) << "31/12/2100" << 1;
}

void TestFirstRun::fullEditionOpensOnToday()
{
    QFETCH(QDate, today);
    QFETCH(QString, shown);
    QFETCH(int, messages);
    UseEdition(FullEdition());
    TestEnvironment env;
    const QString folder = env.programFolder();
    QVERIFY(QFile::copy(QStringLiteral(PRONOS_PROGRAM_DIR "/Pronos-full.hlp"), folder + "Pronos-full.hlp"));
    TestGral start;
    start.modal.push(SaveOneMember);
    start.modal.push([](QDialog& window) {
        if (auto* region = qobject_cast<TForm3*>(&window))
            region->Button1->click();
        return window.result();
    });
    StartupOptions options = OptionsFor(folder);
    options.today = DayNumberFromDate(today);
    std::unique_ptr<TForm1> main = StartPronos(start.gral, options);
    UseEdition(DemoEdition());
    QVERIFY(main);
    QCOMPARE(main->windowTitle(), QString("Zeltmark - Pronos"));
    QCOMPARE(main->DateLabels[0]->text(), shown);
    // The first-run messages (members, region, confirmation), then any about today.
    QCOMPARE(start.messages.texts().size(), 3 + messages);
    QVERIFY(start.messages.texts().constLast().contains(messages ? "El mismo termina el \"31/12/2100\"" : "Confirme"));
    QCOMPARE(start.gral.calendar.coveredPeriod.firstDay, DayNumberFromDate(QDate(1900, 1, 1)));
    QCOMPARE(start.gral.calendar.coveredPeriod.lastDay, DayNumberFromDate(QDate(2100, 12, 31)));
    main->close();
}

// Under TZ=Europe/Madrid the first run of the full edition offers that zone,
// chosen; confirmed, it is the calendar's clock on every date and the next
// run starts with it.
void TestFirstRun::fullEditionTakesTheSystemZone()
{
    const QByteArray savedTz = qgetenv("TZ");
    qputenv("TZ", "Europe/Madrid");
    const auto restoreTz = qScopeGuard([&savedTz] {
        savedTz.isEmpty() ? qunsetenv("TZ") : qputenv("TZ", savedTz);
    });
    if (!QTimeZone("Europe/Madrid").isValid() || QTimeZone::systemTimeZoneId() != "Europe/Madrid")
        QSKIP("the system's time zone database (Debian package tzdata) is missing");
    UseEdition(FullEdition());
    TestEnvironment env;
    const QString folder = env.programFolder();
    QVERIFY(QFile::copy(QStringLiteral(PRONOS_PROGRAM_DIR "/Pronos-full.hlp"), folder + "Pronos-full.hlp"));
    StartupOptions options = OptionsFor(folder);
    options.today = DayNumberFromDate(QDate(2026, 7, 15));
    QString offered;
    {
        TestGral start;
        start.modal.push(SaveOneMember);
        start.modal.push([&offered](QDialog& window) {
            auto* region = qobject_cast<TForm3*>(&window);
            if (!region || !region->Radio2->isChecked())
                return -1;
            offered = region->Radio2->text();
            QTest::mouseClick(region->Button1, Qt::LeftButton);
            return window.result();
        });
        std::unique_ptr<TForm1> main = StartPronos(start.gral, options);
        QVERIFY(main);
        QCOMPARE(offered, QString("Zona horaria del &sistema: Europe/Madrid"));
        QCOMPARE(main->StatusPanel0->text(), QString("Europe/Madrid"));
        QCOMPARE(main->StatusPanel1->text(), QString("Horario verano: según la fecha"));
        const QLabel* panel = main->StatusPanel1;
        QVERIFY(panel->fontMetrics().horizontalAdvance(panel->text()) + 2 * panel->frameWidth() <= panel->maximumWidth());
        QCOMPARE(main->StatusPanel0->maximumWidth() + panel->maximumWidth(), 750);
        QCOMPARE(start.gral.calendar.namedZone.id(), QByteArray("Europe/Madrid"));
        main->close();
    }
    TestGral start;
    std::unique_ptr<TForm1> main = StartPronos(start.gral, options);
    UseEdition(DemoEdition());
    QVERIFY(main);
    QCOMPARE(start.modal.opened(), 0);
    QCOMPARE(main->StatusPanel0->text(), QString("Europe/Madrid"));
    QCOMPARE(start.gral.calendar.namedZone.id(), QByteArray("Europe/Madrid"));
    QCOMPARE(main->DateLabels[0]->text(), QString("15/07/2026"));
    main->close();
}

void TestFirstRun::membersWindowClosedWithoutSaving()
{
    TestEnvironment env;
    const QString folder = env.programFolder();
    InstallHelpFile(folder);
    for (int run = 0; run < 2; ++run) {
        TestGral start;
        QVERIFY(!StartPronos(start.gral, OptionsFor(folder)));
        QCOMPARE(start.modal.opened(), 1);
        QCOMPARE(start.messages.texts(), QStringList({FirstRunMembersMessage, NoMemberMessage}));
        QVERIFY(QFile::exists(env.dataFolder() + "Fechas.dat"));
        QCOMPARE(QFile(env.dataFolder() + "Fechas.dat").size(), qint64(0));
    }
}

void TestFirstRun::damagedMembersFileIsPurgedWithBackup()
{
    TestEnvironment env;
    const QString folder = env.programFolder();
    InstallHelpFile(folder);
    const QByteArray record = RawMemberRecord(std::nan(""), "RUIZ"); // a birth date that is no date
    QVERIFY(QDir().mkpath(env.dataFolder()) && WriteBytes(env.dataFolder() + "Fechas.dat", record));

    TestGral start;
    QVERIFY(!StartPronos(start.gral, OptionsFor(folder)));
    QCOMPARE(start.modal.opened(), 0);
    QCOMPARE(start.messages.texts(), QStringList({DamagedMembersFileMessage,
                                            PurgeBackupMessage(env.dataFolder() + "Fechas.dat.bak"), NoMemberMessage}));
    QCOMPARE(start.messages.messages()[0].style, 16);
    QCOMPARE(QFile(env.dataFolder() + "Fechas.dat").size(), qint64(0));
    QCOMPARE(ReadBytes(env.dataFolder() + "Fechas.dat.bak"), record);
}

// A members file left beside the executable by an earlier version: the first
// start copies it into the user's data folder and says so, and the settings
// remember it; later starts use the copy and say nothing; the original is never touched.
void TestFirstRun::membersBesideTheProgramAreCarriedOverOnce()
{
    TestEnvironment env;
    const QString folder = env.programFolder();
    InstallHelpFile(folder);
    ConfigureRegion(); // the start goes straight to the main window
    // Before it, a first run from an installation with nothing beside it, abandoned in the
    // members window, leaves an empty members file: it must not block the copy.
    const QString system = env.path() + "/usr/bin/";
    QVERIFY(QDir().mkpath(system));
    InstallHelpFile(system);
    TestGral abandoned;
    QVERIFY(!StartPronos(abandoned.gral, OptionsFor(system)));
    QCOMPARE(QFile(env.dataFolder() + "Fechas.dat").size(), qint64(0));
    const QByteArray record = RawMemberRecord(29346, "PEREZ ANA"); // born 5 May 1980
    QVERIFY(WriteBytes(folder + "Fechas.dat", record));
    const QString copied = env.dataFolder() + "Fechas.dat";
    for (int run = 0; run < 2; ++run) {
        TestGral start;
        std::unique_ptr<TForm1> main = StartPronos(start.gral, OptionsFor(folder));
        QVERIFY(main);
        QCOMPARE(main->Combo1->currentText(), QString("PEREZ ANA - 05/05/1980"));
        const QStringList told{
            QStringLiteral("Los integrantes guardados junto al programa, en \"%1\", se copiaron a \"%2\".\r\r"
                           "De ahora en adelante se leen y se guardan allí; el archivo original no se modificó.")
                .arg(folder + "Fechas.dat", copied)};
        QCOMPARE(start.messages.texts(), run == 0 ? told : QStringList());
        QCOMPARE(ReadBytes(copied), record);
        QCOMPARE(QFile(folder + "Fechas.dat").size(), qint64(152));
        QVERIFY(SettingsStore().membersCarriedOver());
        main->close();
    }
}

// The full edition runs here; the built `pronos-full --integrantes` or
// `--equipo` started meanwhile hands its option over and ends, and this copy
// opens that window from its menu.
void TestFirstRun::windowOptionReachesTheRunningCopy_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("opened");
    QTest::newRow("members window") << "--integrantes" << "TForm2";
    QTest::newRow("team window") << "--equipo" << "TeamWindow";
}

void TestFirstRun::windowOptionReachesTheRunningCopy()
{
    QFETCH(QString, option);
    QFETCH(QString, opened);
    UseEdition(FullEdition());
    TestEnvironment env;
    const QString folder = env.programFolder();
    QVERIFY(QFile::copy(QStringLiteral(PRONOS_PROGRAM_DIR "/Pronos-full.hlp"), folder + "Pronos-full.hlp"));
    ConfigureRegion();
    QVERIFY(QDir().mkpath(env.dataFolder()));
    QVERIFY(WriteBytes(env.dataFolder() + "Fechas.dat", RawMemberRecord(29346, "PEREZ ANA")));
    // A user of its own, so no running copy of the program is ever reached.
    const QByteArray savedUser = qgetenv("USER");
    qputenv("USER", QUuid::createUuid().toByteArray(QUuid::Id128));
    const auto restoreUser = qScopeGuard([&savedUser] { qputenv("USER", savedUser); });
    TestGral start;
    QString shown; // the window the request opened here
    start.modal.push([&shown](QDialog& window) { shown = window.metaObject()->className(); return 0; });
    QProcess second; // waited for in this copy's event loop, which answers it
    QTimer::singleShot(0, [&] {
        second.start(QStringLiteral(PRONOS_PROGRAM_DIR "/pronos-full"), {option});
        (void)QTest::qWaitFor([&] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (qobject_cast<TeamWindow*>(top) && top->isVisible())
                    shown = "TeamWindow";
            return second.state() == QProcess::NotRunning && !shown.isEmpty();
        }, 10000);
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });
    StartupOptions options = OptionsFor(folder);
    options.singleInstance = true;
    QCOMPARE(RunPronosOnPlatform(*qApp, start.gral, options), 0);
    UseEdition(DemoEdition());
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(shown, opened);
}

void TestFirstRun::dataFolderThatCannotBeCreatedEndsTheStart()
{
    TestEnvironment env;
    const QString folder = env.programFolder();
    InstallHelpFile(folder);
    QVERIFY(WriteBytes(env.path() + "/blocked", {})); // a file where the data folder's parent should be
    qputenv("XDG_DATA_HOME", QFile::encodeName(env.path() + "/blocked"));
    TestGral start;
    QVERIFY(!StartPronos(start.gral, OptionsFor(folder)));
    QCOMPARE(start.modal.opened(), 0);
    QCOMPARE(start.messages.texts().size(), 1); // the reason, and no members window or second message
    QVERIFY(start.messages.texts()[0].startsWith(
        QStringLiteral("No se pudo crear la carpeta \"%1/blocked/Zeltmark/Pronos/\"").arg(env.path())));
    QCOMPARE(start.messages.messages()[0].style, 16);
    QVERIFY(!QFile::exists(folder + "Fechas.dat"));
}

// From the first-run members window on, every window has the menu entry's
// icon (the hicolor theme's pictures, built in where no theme has them) and the
// application name is the edition's fixed window class, which the X11 platform
// takes for WM_CLASS at the first window and never reads again.
void TestFirstRun::firstWindowCarriesTheEditionsIdentity_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<QString>("windowClass");
    QTest::newRow("DEMO") << false << "Pronos-DEMO";
    QTest::newRow("full edition") << true << "Pronos";
}

void TestFirstRun::firstWindowCarriesTheEditionsIdentity()
{
    QFETCH(bool, full);
    QFETCH(QString, windowClass);
    UseEdition(full ? FullEdition() : DemoEdition());
    TestEnvironment env;
    const QString folder = env.programFolder();
    const QString help = full ? "Pronos-full.hlp" : "Pronos.hlp";
    QVERIFY(QFile::copy(QStringLiteral(PRONOS_PROGRAM_DIR "/") + help, folder + help));
    QCoreApplication::setApplicationName(QStringLiteral("tst_firstrun"));
    TestGral start;
    QString classAtFirstWindow;
    QImage iconAtFirstWindow;
    start.modal.push([&](QDialog& window) {
        classAtFirstWindow = QCoreApplication::applicationName();
        iconAtFirstWindow = window.windowIcon().pixmap(64, 64).toImage();
        return SaveOneMember(window);
    });
    start.modal.push([](QDialog& window) {
        if (auto* region = qobject_cast<TForm3*>(&window))
            region->Button1->click();
        return window.result();
    });
    std::unique_ptr<TForm1> main = StartPronos(start.gral, OptionsFor(folder));
    QVERIFY(main);
    // Compared premultiplied, as the window holds the icon: back in straight alpha a
    // faint pixel may round one level apart, depending on the processor's conversion path.
    const QImage themeIcon =
        QImage(QStringLiteral(PRONOS_SOURCE_DIR "/resources/icons/hicolor/64x64/apps/pronos.png"))
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(!themeIcon.isNull());
    QCOMPARE(classAtFirstWindow, windowClass);
    QCOMPARE(QCoreApplication::applicationName(), windowClass); // the same once the main window exists
    QCOMPARE(iconAtFirstWindow.convertToFormat(QImage::Format_ARGB32_Premultiplied), themeIcon);
    QCOMPARE(main->windowIcon().pixmap(64, 64).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
             themeIcon);
    main->close();
}

QTEST_MAIN(TestFirstRun)
#include "tst_firstrun.moc"
