#include "settings/SettingsWrite.h"
#include "app/ProgramMessage.h"
#include "settings/SettingsStore.h"

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
