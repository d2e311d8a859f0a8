#pragma once
// The one way members are added to "Fechas.dat" in bulk (the spreadsheet
// import, and any later import): all or nothing, after a backup, with the
// existing members' keys held in memory, the file written in place.
#include "members/MemberRecord.h"

#include <QList>
#include <QSet>
#include <QString>
#include <optional>

// What a member is known by when adding: the trimmed name in upper case and
// the birth day. Two records with the same key are the same member.
QString MemberKey(const QString& name, double birthDate);
using MemberKeys = QSet<QString>;

// The keys of the live members of the file at `path` (none when it is missing).
// Nothing, with `error` in Spanish, when the file can't be read.
std::optional<MemberKeys> ReadMemberKeys(const QString& path, QString& error);

struct AddMembersOutcome {
    int added = 0;          // records written
    int alreadyMembers = 0; // left out: their key was in the file already (or earlier in `records`)
    QString failure;        // empty on success; otherwise what failed and that the members are as they were

    bool ok() const { return failure.isEmpty(); }
};

// Adds `records` to the members file at `path` (created when missing): into
// the free slots first, then after the last whole record. The file is read
// once; a record whose key is already there is left out. Before anything is
// written, a file with bytes in it is backed up (BackUpMembersFileForAdding).
// The file stays the same file (written in place, never replaced), so another
// copy of the program holding it open keeps seeing it. When a write fails (a
// full disk), every byte written is undone and the file ends with exactly the
// members it had.
AddMembersOutcome AddMembersToFile(const QString& path, const QList<MemberRecord>& records);

// The backup taken before members are added: the path of the copy, or
// nothing with `error` when it could not be written, synced and read back.
std::optional<QString> BackUpMembersFileForAdding(const QString& path, QString& error);
