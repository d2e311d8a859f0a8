#pragma once
// MemberList: one 70-character line per live member, built from the members
// file. Characters 1..10 hold the birth date, 11..70 the trimmed name.
#include "app/Gral.h"

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
QString ShowableDateText(const Gral& gral, double birthDate);
QString ShowableDateText(const DatePattern& pattern, double birthDate);

// The line of one member: date text padded or cut to 10, trimmed name padded or cut to 60.
QString MemberListLine(const QString& dateText, const QString& trimmedName);

// Refills gral.members.memberList from the open members file, in file order, free
// slots skipped. On a read failure or a date that can't be shown (see
// ShowableDateText), purges the file (PurgeMembersFile) and returns false; the
// lines added before stay.
// With no date pattern left (the program is ending after a change of the
// system's date format) it closes the handle, touches nothing and returns false.
bool LoadMemberList(Gral& gral, MembersFile& file);

// Shows the damaged-file message, copies the file's bytes into a new numbered
// backup (BackUpMembersFile), empties the file, closes the handle and names
// the backup in a second message. The file is emptied only once the copy is
// on disk and reads back equal to it; when it isn't, the file is left as it
// is and the user is told so.
void PurgeMembersFile(Gral& gral, MembersFile& file);

