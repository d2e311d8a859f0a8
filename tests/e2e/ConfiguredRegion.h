#pragma once
// A region already confirmed in the current edition's settings, so a start
// goes straight to the main window instead of the first-run regional window.
#include "settings/SettingsStore.h"

inline void ConfigureRegion()
{
    SettingsStore store;
    store.setRegionLine(21);
    store.setZoneIndex(12);
    store.setZoneOffset(12);
    store.setDaylightSaving(false);
    store.setZoneText("(GMT 00:00) Hora media de Greenwich: Dublín, Edimburgo, Lisboa, Londres");
}
