#pragma once
// MemberList: one 70-character line per live member, built from the members
// file. Characters 1..10 hold the birth date, 11..70 the trimmed name.
#include "core/DatePattern.h"
#include "core/Result.h"
#include "members/MemberState.h"

#include <QDate>

class MembersFile;

constexpr int MemberLineDateWidth = 10;
constexpr int MemberLineNameWidth = 60;
constexpr int MemberLineWidth = MemberLineDateWidth + MemberLineNameWidth;

inline const QString DamagedMembersFileMessage = QStringLiteral(
    "Existe un valor erroneo en el archivo que guarda los datos de integrantes.\r\r"
    "A continuación dicho archivo será depurado, y el programa se cerrará.\r\r"
    "Luego vuelva a ejecutar \"Zeltmark - Pronos\".");

// The message after a purge: where the file's bytes went.
QString PurgeBackupMessage(const QString& backupPath);

// The members window's date picker shows the years 100 to 9999 (the toolkit's
// limits); a stored birth date outside them can't be shown, saved or found.
inline const QDate FirstShowableBirthDate(100, 1, 1);
inline const QDate LastShowableBirthDate(9999, 12, 31);

// The text of a stored birth date when the program can show it and read that
// text back as the same day; empty otherwise (the record then counts as damaged).
QString ShowableDateText(const DatePattern& pattern, double birthDate);

// The line of one member: date text padded or cut to 10, trimmed name padded or cut to 60.
QString MemberListLine(const QString& dateText, const QString& trimmedName);

// Refills members.memberList from the open members file, in file order, free
// slots skipped, each date written with `pattern` (not empty). On a read
// failure or a date that can't be shown (see ShowableDateText) the failure is
// DamagedMembersFileMessage: the caller tells it and purges the file
// (PurgeMembersFile). The lines added before stay; the file is left as it is.
Result<void> LoadMemberList(MemberState& members, const DatePattern& pattern, MembersFile& file);

// Closes the handle, copies the file's bytes into a new numbered backup
// (BackUpMembersFile) and empties the file; the result is the backup's path,
// named to the user by PurgeBackupMessage. The file is emptied only once the
// copy is on disk and reads back equal to it; when it isn't, the file is left
// as it is and the failure says so.
Result<QString> PurgeMembersFile(MembersFile& file);

