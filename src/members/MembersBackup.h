#pragma once
// Copies of the members file taken before anything replaces or empties its
// records: "Fechas.dat.bak", "Fechas.dat.1.bak", "Fechas.dat.2.bak", … beside
// it. A copy is never written over another one (nor over whatever a name
// points to): each goes to a new file with the next free number, and only the
// newest KeptMembersBackups stay.
#include "core/Result.h"

#include <QString>

constexpr int KeptMembersBackups = 5;

// The name of backup `number` of the file at `membersPath`: 0 is "<file>.bak",
// n is "<file>.n.bak".
QString MembersBackupPath(const QString& membersPath, int number);

// Copies the bytes of the file at `membersPath` into a new numbered backup
// beside it (private modes, unbuffered, synced, read back equal, and checked
// not to be the members file itself), then removes the backups older than the
// newest KeptMembersBackups. Gives the copy's path; on failure (the Spanish
// reason) nothing new is left behind.
Result<QString> BackUpMembersFile(const QString& membersPath);

// The copy the next BackUpMembersFile of the file at `membersPath` writes.
QString NextMembersBackupPath(const QString& membersPath);
