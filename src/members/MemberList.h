#pragma once
// MemberList: one 70-character line per live member, built from the members
// file. Characters 1..10 hold the birth date, 11..70 the trimmed name.
#include "Gral.h"

class MembersFile;

constexpr int MemberLineDateWidth = 10;
constexpr int MemberLineNameWidth = 60;
constexpr int MemberLineWidth = MemberLineDateWidth + MemberLineNameWidth;

inline const QString DamagedMembersFileMessage = QStringLiteral(
    "Existe un valor erroneo en el archivo que guarda los datos de integrantes.\r\r"
    "A continuación dicho archivo será depurado, y el programa se cerrará.\r\r"
    "Luego vuelva a ejecutar \"Zeltmark - Pronos\".");

// The line of one member: date text padded or cut to 10, trimmed name padded or cut to 60.
QString MemberListLine(const QString& dateText, const QString& trimmedName);

// Refills gral.memberList from the open members file, in file order, free
// slots skipped. On a read failure or a date that can't be written, purges the
// file (PurgeMembersFile) and returns false; the lines added before stay.
// With no date pattern left (the program is ending after a change of the
// system's date format) it closes the handle, touches nothing and returns false.
bool LoadMemberList(Gral& gral, MembersFile& file);

// Shows the damaged-file message, copies the file's bytes to "<file>.bak"
// (replacing an older copy), empties the file and closes the handle. When the
// copy can't be written the file is left as it is, so no member is lost.
void PurgeMembersFile(Gral& gral, MembersFile& file);
