#pragma once
// Start-up's members step: at least one member must exist before the main
// window is built.
#include "app/Gral.h"

inline const QString FirstRunMembersMessage = QStringLiteral(
    "A continuación se abrirá la \"Gestión de Integrantes\".\r\r"
    "Ingrese al menos un integrante para el funcionamiento normal de \"Zeltmark - Pronos\"");

// Carries a members file of an earlier version, beside the executable, over
// into the data folder once (CarryOverMembersFile), tells the user, and
// remembers in the settings that it needs doing no more. False, after the
// reason, when the copy failed: the program ends.
bool CarryOverOldMembers(Gral& gral);

// Fills gral.members.memberList from "Fechas.dat" in gral.environment.dataFolder. Without a
// member (no file, an empty file, or one of free slots only) it says so and
// opens the members window; then the result is gral.members.memberSaved. False also
// after a purge of a damaged file: the program must end. A file that can't be
// opened, or a change of the date format in the members window, also requests
// the end (gral.environment.quitRequested): the program ends without the no-member message.
bool OpenMembersFile(Gral& gral);

class MembersFile;

// Refills gral.members.memberList from the open members file (LoadMemberList).
// A damaged file is told, purged (PurgeMembersFile) and the purge's outcome
// told; the result is then false and the program must end. With no date
// pattern left (the program is ending after a change of the system's date
// format) it empties the list, closes the handle and returns false.
bool LoadMembersOrPurge(Gral& gral, MembersFile& file);
