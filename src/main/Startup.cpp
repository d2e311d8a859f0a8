#include "main/Startup.h"

#include "platform/DataFolder.h"
#include "core/DatePattern.h"
#include "platform/DesktopPlatform.h"
#include "core/Edition.h"
#include "members/MembersFile.h"
#include "members/MembersStartup.h"
#include "widgets/ProgramIcon.h"
#include "app/ProgramMessage.h"
#include "platform/SingleInstance.h"
#include "platform/SystemDateFormat.h"
#include "app/TFAviso.h"
#include "tendencies/TForm1.h"

#include <QAction>
#include <QApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

const QString NoMemberMessage =
    QStringLiteral("Como no se ha generado ningún integrante, la aplicación se cerrará.");

QString WithTrailingSeparator(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

void UseEditionIdentity()
{
    // Every window, the first-run ones included, carries the menu entry's icon. The
    // application name is the class of WM_CLASS, which the X11 platform reads at the
    // first window and keeps: named before any window, the class is the same on every
    // run (a first run included) and matches the menu entry's StartupWMClass, under
    // which the desktop groups the windows.
    QGuiApplication::setWindowIcon(ProgramIcon());
    QCoreApplication::setApplicationName(CurrentEdition().windowClass);
    QGuiApplication::setDesktopFileName(CurrentEdition().desktopFileName);
}

// Opens the window a command line named ("integrantes", "equipo") from the main
// window's menu, as the user would; not while another window waits for an
// answer, which is only brought forward.
void OpenNamedWindow(TForm1* main, const QString& window)
{
    if (!main || QApplication::activeModalWidget())
        return;
    QAction* entry = window == u"integrantes" ? main->Archiv6 : window == u"equipo" ? main->Equipo1 : nullptr;
    if (entry)
        entry->trigger();
}

} // namespace

std::unique_ptr<TForm1> StartPronos(Gral& gral, const StartupOptions& options)
{
    UseEditionIdentity();

    // 1. Only one copy runs: a second one asks the first to show itself and ends.
    if (options.singleInstance && SingleInstance::AskRunningCopyToShow(CurrentEdition().applicationTitle, 2000, options.window))
        return nullptr;

    // 2. The short-date pattern must write day and month with two digits and the year with four:
    //    10 characters long, and every date it writes is 10 characters that read back the same.
    const Result<QString> pattern = ReadSystemDateFormat();
    if (!pattern) {
        ProgramMessage(gral, pattern.failure());
        return nullptr;
    }
    gral.environment.systemDateFormat = *pattern;
    const DatePattern& shortDate = gral.environment.systemDateFormat;
    if (shortDate.size() != DateTextWidth || !WritesTenCharacterDates(shortDate)) {
        TFAviso notice(gral.platform);
        RunModal(gral, notice);
        return nullptr;
    }

    // 3.-5. Start date text, the edition's period opening on today, program and data folders,
    // empty shared lists.
    const double today = TodayDayNumber();
    gral.environment.startDateText = shortDate.format(today);
    gral.calendar.coveredPeriod = CurrentEdition().period(options.today.value_or(today));
    gral.environment.programFolder = WithTrailingSeparator(
        options.programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : options.programFolder);
    if (const Result<void> folder = PrepareDataFolder(gral.environment); !folder) {
        ProgramMessage(gral, folder.failure());
        return nullptr;
    }
    if (!CarryOverOldMembers(gral))
        return nullptr;
    gral.calendar.signCalendar.clear();
    gral.calendar.dateIndex.clear();
    gral.calendar.dayRows = DayRowTable{};
    gral.members.memberList.clear();
    gral.members.selectedBirthDate = 0;

    // 6. At least one member must exist.
    if (!OpenMembersFile(gral)) {
        // Not when the file could not be used or the date format changed: that was told already.
        if (!gral.environment.quitRequested)
            ProgramMessage(gral, NoMemberMessage, StyleInformation);
        gral.members.memberList.clear();
        return nullptr;
    }

    // 7. The main window; its creation continues the start-up.
    auto mainWindow = std::make_unique<TForm1>(gral);
    if (gral.environment.quitRequested)
        return nullptr;
    return mainWindow;
}

namespace {

// Qt's own texts (date picker calendar, file dialog, edit menus) in Spanish, like the rest.
void InstallSpanishQtTexts(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

} // namespace

int RunPronos(QApplication& app, const StartupOptions& options)
{
    DesktopPlatform platform;
    Gral gral{platform};
    platform.serve(gral);
    InstallSpanishQtTexts(app);
    return RunPronosOnPlatform(app, gral, options);
}

int RunPronosOnPlatform(QApplication& app, Gral& gral, const StartupOptions& options)
{
    // Answer later copies from the very start, so that one started while the
    // first-run windows are open brings those forward instead of running too.
    SingleInstance instance(CurrentEdition().applicationTitle);
    if (options.singleInstance && instance.anotherIsRunning(2000, options.window))
        return 0;
    instance.listen();
    QPointer<TForm1> front;
    QObject::connect(&instance, &SingleInstance::showRequested, &app, [&front](const QString& window) {
        ShowAndRaise(front ? front.data() : QApplication::activeModalWidget());
        // From the event loop, once the request's connection is answered.
        if (front && !window.isEmpty())
            QMetaObject::invokeMethod(front.data(), [&front, window] { OpenNamedWindow(front, window); },
                                      Qt::QueuedConnection);
    });

    StartupOptions rest = options;
    rest.singleInstance = false; // already checked above
    std::unique_ptr<TForm1> mainWindow = StartPronos(gral, rest);
    if (!mainWindow)
        return StartupFailedExitCode;
    front = mainWindow.get();
    mainWindow->show();
    if (!options.window.isEmpty())
        QMetaObject::invokeMethod(mainWindow.get(), [&front, &options] { OpenNamedWindow(front, options.window); },
                                  Qt::QueuedConnection);
    return app.exec();
}
