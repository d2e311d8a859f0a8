#include "app/ProgramMessage.h"
#include "help/HelpFile.h"
#include "platform/SystemDateFormat.h"
#include "settings/SettingsWrite.h"

#include <QDir>
#include <QFileInfo>

int ProgramMessage(const Platform& platform, const QString& text, MessageStyle style)
{
    return platform.message(text, style);
}

int ProgramMessage(const Gral& gral, const QString& text, MessageStyle style)
{
    return ProgramMessage(gral.platform, text, style);
}

int ProgramMessage(const Platform& platform, const Failure& failure)
{
    return ProgramMessage(platform, failure.text, failure.style);
}

int ProgramMessage(const Gral& gral, const Failure& failure)
{
    return ProgramMessage(gral.platform, failure);
}

int RunModal(const Gral& gral, QDialog& window)
{
    return gral.platform.runModal(window);
}

void RequestQuit(Gral& gral)
{
    gral.environment.quitRequested = true;
    gral.platform.quit();
}

BusyCursor::BusyCursor(const Gral& gral) : gral_(gral)
{
    gral_.platform.busyCursor(true);
}

BusyCursor::~BusyCursor()
{
    gral_.platform.busyCursor(false);
}

bool ReplaceConfirmed(const Platform& platform, const QString& path)
{
    return !QFileInfo::exists(path)
        || ProgramMessage(platform,
                          QStringLiteral("El archivo \"%1\" ya existe.\r¿Desea reemplazarlo?")
                              .arg(QDir::toNativeSeparators(path)),
                          StyleOkCancelDefault2)
               == ResultOk;
}

bool DateFormatChanged(Gral& gral)
{
    if (gral.environment.systemDateFormat.isEmpty())
        return true;
    const Result<void> unchanged = CheckDateFormatUnchanged(gral.environment);
    if (unchanged)
        return false;
    ProgramMessage(gral, unchanged.failure());
    gral.environment.systemDateFormat.clear();
    RequestQuit(gral);
    return true;
}

bool SaveSettings(Gral& gral, SettingsStore& store)
{
    const Result<void> committed = CommitSettings(store);
    if (!committed && !gral.settingsFailureTold) {
        gral.settingsFailureTold = true;
        ProgramMessage(gral, committed.failure());
    }
    return committed.ok();
}

void CheckHelpFile(Gral& gral)
{
    if (!gral.environment.helpFile.isEmpty())
        return;
    const Result<QString> found = FindHelpFile(gral.environment.programFolder);
    if (found)
        gral.environment.helpFile = *found;
    else
        ProgramMessage(gral, found.failure());
}
