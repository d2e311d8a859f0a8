#include "SettingsWrite.h"
#include "ProgramMessage.h"
#include "SettingsStore.h"

#include <QDir>

bool CommitSettings(Gral& gral, SettingsStore& store)
{
    if (store.commit())
        return true;
    if (!gral.settingsFailureTold) {
        gral.settingsFailureTold = true;
        ProgramMessage(gral, SettingsNotSavedMessage.arg(QDir::toNativeSeparators(store.fileName())),
                       StyleExclamation);
    }
    return false;
}
