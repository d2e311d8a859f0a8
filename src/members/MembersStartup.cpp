#include "members/MembersStartup.h"
#include "members/MemberList.h"
#include "members/MembersCarryOver.h"
#include "members/MembersFile.h"
#include "app/ProgramMessage.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsWrite.h"
#include "members/TForm2.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The file can't be used at all (a folder, no permission, a read-only disk):
// members may well exist in it, so this is told as it is and the program ends.
void ReportOpenFailure(Gral& gral, const MembersFile& file)
{
    ProgramMessage(gral,
                   QStringLiteral("No se pudo leer o escribir el archivo \"%1\".\r\r%2\r\r"
                                  "\"Zeltmark - Pronos\" se cerrará.")
                       .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()),
                   StyleError);
    RequestQuit(gral);
}

} // namespace

bool LoadMembersOrPurge(Gral& gral, MembersFile& file)
{
    const DatePattern& pattern = gral.environment.systemDateFormat;
    if (pattern.isEmpty()) {
        gral.members.memberList.clear();
        file.close();
        return false;
    }
    const Result<void> loaded = LoadMemberList(gral.members, pattern, file);
    if (loaded)
        return true;
    ProgramMessage(gral, loaded.failure());
    const Result<QString> purged = PurgeMembersFile(file);
    if (purged)
        ProgramMessage(gral, PurgeBackupMessage(*purged), StyleInformation);
    else
        ProgramMessage(gral, purged.failure());
    return false;
}

bool CarryOverOldMembers(Gral& gral)
{
    SettingsStore store;
    const bool doneBefore = store.membersCarriedOver();
    const Result<CarryOverOutcome> outcome = CarryOverMembersFile(
        gral.environment.programFolder + MembersFileName, MembersFilePath(gral.environment), doneBefore);
    if (!outcome.ok()) {
        ProgramMessage(gral, outcome.failure());
        return false;
    }
    if (outcome->settled && !doneBefore) {
        store.setMembersCarriedOver();
        SaveSettings(gral, store);
    }
    if (!outcome->told.isEmpty())
        ProgramMessage(gral, outcome->told, StyleInformation);
    return true;
}

bool OpenMembersFile(Gral& gral)
{
    MembersFile file(MembersFilePath(gral.environment));
    if (file.openExisting() && file.size() > 0) {
        if (!LoadMembersOrPurge(gral, file))
            return false; // purged; the handle is closed
        file.close();
        if (!gral.members.memberList.isEmpty())
            return true;
        // Bytes but no member (free slots, a partial record): kept as they are,
        // and the user is asked for a member as on a first run.
    } else {
        // A file with bytes that can't be opened is never replaced by an empty one.
        if (QFileInfo(file.fileName()).size() > 0 || !file.createEmpty()) {
            ReportOpenFailure(gral, file);
            return false;
        }
        file.close();
    }
    ProgramMessage(gral, FirstRunMembersMessage, StyleInformation);
    TForm2 window(gral);
    RunModal(gral, window);
    return gral.members.memberSaved;
}
