#include "MemberList.h"
#include "Cp1252.h"
#include "MembersFile.h"
#include "ProgramMessage.h"
#include "SystemDateFormat.h"

#include <QSaveFile>
#include <QtEndian>

namespace {

QString Fit(const QString& text, int width) { return text.left(width).leftJustified(width, u' '); }

bool WriteBackup(const QString& path)
{
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    if (bytes.size() != source.size())
        return false;
    QSaveFile backup(path + MembersBackupSuffix);
    return backup.open(QIODevice::WriteOnly) && backup.write(bytes) == bytes.size() && backup.commit();
}

} // namespace

QString MemberListLine(const QString& dateText, const QString& trimmedName)
{
    return Fit(dateText, MemberLineDateWidth) + Fit(trimmedName, MemberLineNameWidth);
}

bool LoadMemberList(Gral& gral, MembersFile& file)
{
    gral.memberList.clear();
    if (gral.systemDateFormat.isEmpty()) {
        file.close();
        return false;
    }
    bool damaged = false;
    const bool read = file.isOpen() && file.forEachRecord([&](qint64, const char* bytes) {
        const MemberRecord r = DecodeMemberRecord(bytes);
        const QString name = TrimName(r.fullName);
        if (name.isEmpty())
            return true;
        const QString date = DateText(gral, r.birthDate);
        if (date.isEmpty()) {
            damaged = true;
            return false;
        }
        gral.memberList.append(MemberListLine(date, name));
        return true;
    });
    if (read && !damaged)
        return true;
    PurgeMembersFile(gral, file);
    return false;
}

void PurgeMembersFile(Gral& gral, MembersFile& file)
{
    ProgramMessage(gral, DamagedMembersFileMessage, StyleError);
    file.close();
    const QString path = file.fileName();
    if (!WriteBackup(path))
        return;
    QFile emptied(path);
    if (emptied.open(QIODevice::WriteOnly | QIODevice::Truncate))
        emptied.close();
}
