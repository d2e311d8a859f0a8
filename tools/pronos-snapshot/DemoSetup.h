#pragma once
// A program folder and settings for demonstrations and measurements: sample
// members in "Fechas.dat" and a confirmed region, as a user would have them
// after the first run.
#include <QString>

// Writes `count` sample members into folder/Fechas.dat (the folder ends in '/').
// Returns false when the file can't be written.
bool WriteDemoMembers(const QString& folder, int count);

// Stores a confirmed region (UTC+1 without daylight saving) and `member` as
// the last selected member (nothing stored when empty).
void StoreDemoRegion(const QString& member = {});

// Points the settings store and the system's short-date setting at `folder`
// (dd/MM/yyyy), so nothing of the user's own is read or written.
void RedirectSettings(const QString& folder);
