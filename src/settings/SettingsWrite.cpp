#include "settings/SettingsWrite.h"
#include "settings/SettingsStore.h"

#include <QDir>

Result<void> CommitSettings(SettingsStore& store)
{
    if (store.commit())
        return {};
    return Failure{SettingsNotSavedMessage.arg(QDir::toNativeSeparators(store.fileName())), StyleExclamation};
}
