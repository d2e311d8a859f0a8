#pragma once
// Writing the settings store: a store that can't be written (no room, no
// permission, something else in the file's place) comes back as a failure the
// windows tell once per run, since otherwise the first-run questions would
// come back at every start without a word.
#include "core/Result.h"

class SettingsStore;

inline const QString SettingsNotSavedMessage = QStringLiteral(
    "No se pudo guardar la configuración del programa en \"%1\".\r\r"
    "Los cambios valdrán solo hasta que se cierre \"Zeltmark - Pronos\"; si es la primera vez que se "
    "ejecuta, la configuración regional se volverá a pedir en el próximo inicio.");

// Commits the store; the failure is SettingsNotSavedMessage with the store's file.
Result<void> CommitSettings(SettingsStore& store);
