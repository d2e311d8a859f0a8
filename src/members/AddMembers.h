#pragma once
// The one way members are added to "Fechas.dat" in bulk (the spreadsheet
// import, and any later import): all or nothing, after a backup, with the
// existing members' keys held in memory, the file written in place.
#include "core/Result.h"
#include "members/MemberRecord.h"

#include <QList>
#include <QSet>
#include <QString>

// What a member is known by when adding: the trimmed name in upper case and
// the birth day. Two records with the same key are the same member.
QString MemberKey(const QString& name, double birthDate);
using MemberKeys = QSet<QString>;

// The keys of the live members of the file at `path` (none when it is
// missing). The failure is the Spanish reason the file can't be read.
Result<MemberKeys> ReadMemberKeys(const QString& path);

struct AddedMembers {
    int added = 0;          // records written
    int alreadyMembers = 0; // left out: their key was in the file already (or earlier in `records`)
};

// Adds `records` to the members file at `path` (created when missing): into
// the free slots first, then after the last whole record. The file is read
// once; a record whose key is already there is left out. Before anything is
// written, a file with bytes in it is backed up (BackUpMembersFile).
// The file stays the same file (written in place, never replaced), so another
// copy of the program holding it open keeps seeing it. When a write fails (a
// full disk), every byte written is undone and the file ends with exactly the
// members it had. The failure says what failed and that the members are as
// they were.
Result<AddedMembers> AddMembersToFile(const QString& path, const QList<MemberRecord>& records);
