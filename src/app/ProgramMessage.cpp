#include "app/ProgramMessage.h"

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
