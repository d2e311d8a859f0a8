#pragma once
// The once-only copy of a members file that an earlier version kept beside the
// executable into the user's data folder. It happens once: the start-up
// remembers in the settings that it was made (or is not needed any more).
// Until then a data-folder file that holds no member (0 bytes, or free slots
// only: what a first run abandoned in the members window leaves) does not
// count as the user's file, so it never blocks the copy.
#include "core/Result.h"

#include <QByteArray>
#include <QString>

// Whether the bytes of a members file hold a member: a whole record that is
// not a free slot.
bool HoldsMembers(const QByteArray& fileBytes);

struct CarryOverOutcome {
    bool settled = false; // copied now or before, or the data folder has members of its own: remember it
    QString told;         // what to tell the user after a copy
};

// Copies the members file at `beside` to `own`, into a new private file,
// unless `doneBefore`, `beside` holds no member or `own` is the user's file
// already (it holds members, or is a link or something else than a file). A
// regular `own` file without members is replaced. `beside` is never changed.
// The failure says why the copy failed (nothing is left behind): the program
// can't go on.
Result<CarryOverOutcome> CarryOverMembersFile(const QString& beside, const QString& own, bool doneBefore);
