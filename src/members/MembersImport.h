#pragma once
// The members of another members file ("Fechas.dat" of an earlier
// installation), read with this file's own record layout, to be added to the
// user's file through AddMembersToFile.
#include "core/DatePattern.h"
#include "core/Result.h"
#include "members/MemberRecord.h"

#include <QList>
#include <QString>

struct MembersFileReading {
    QList<MemberRecord> members; // the live members, in file order
    int damaged = 0;             // records that can't be a member: a birth date the program can't show, a cut-off tail
};

// Reads the members of the file at `path`; their birth dates must be ones
// `pattern` writes and reads back, as the members file's own loading demands.
// The failure is the Spanish reason the file can't be read.
Result<MembersFileReading> ReadMembersToImport(const QString& path, const DatePattern& pattern);

// Where the file dialog starts: the members file an earlier installation kept
// beside its executable under `home` (`cmake --install --prefix ~/.local`)
// when there is one, else `home`.
QString EarlierMembersFile(const QString& home);
