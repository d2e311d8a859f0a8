#include "members/MemberList.h"
#include "members/Cp1252.h"
#include "core/DatePattern.h"
#include "core/DayNumber.h"
#include "platform/FileAccess.h"
#include "members/MembersBackup.h"
#include "members/MembersFile.h"

#include <QDir>
#include <QtEndian>

namespace {

QString Fit(const QString& text, int width) { return text.left(width).leftJustified(width, u' '); }

QString NativePath(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

QString ShowableDateText(const DatePattern& pattern, double birthDate)
{
    const QDate date = DateFromDayNumber(birthDate);
    if (!date.isValid() || date < FirstShowableBirthDate || date > LastShowableBirthDate)
        return {};
    const QString text = pattern.format(birthDate);
    const std::optional<double> back = pattern.parse(text);
    if (!back || DateFromDayNumber(*back) != date)
        return {};
    return text;
}

QString PurgeBackupMessage(const QString& backupPath)
{
    return QStringLiteral("Los datos que tenía el archivo de integrantes se copiaron en \"%1\".")
        .arg(NativePath(backupPath));
}

QString MemberListLine(const QString& dateText, const QString& trimmedName)
{
    return Fit(dateText, MemberLineDateWidth) + Fit(trimmedName, MemberLineNameWidth);
}

Result<void> LoadMemberList(MemberState& members, const DatePattern& pattern, MembersFile& file)
{
    members.memberList.clear();
    bool damaged = false;
    const bool read = file.isOpen() && file.forEachRecord([&](qint64, const char* bytes) {
        const MemberRecord r = DecodeMemberRecord(bytes);
        const QString name = TrimName(r.fullName);
        if (name.isEmpty())
            return true;
        const QString date = ShowableDateText(pattern, r.birthDate);
        if (date.isEmpty()) {
            damaged = true;
            return false;
        }
        members.memberList.append(MemberListLine(date, name));
        return true;
    });
    if (read && !damaged)
        return {};
    return Failure{DamagedMembersFileMessage, StyleError};
}

Result<QString> PurgeMembersFile(MembersFile& file)
{
    file.close();
    const QString path = file.fileName();
    const QString meantFor = NextMembersBackupPath(path);
    const Result<QString> backup = BackUpMembersFile(path);
    if (!backup)
        return Failure{QStringLiteral("No se pudo escribir la copia de seguridad \"%1\".\r\r%2\r\r"
                                      "El archivo de integrantes no se modificó.")
                           .arg(NativePath(meantFor), backup.failure().text),
                       StyleError};
    QFile emptied(path);
    if (!emptied.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Failure{QStringLiteral("No se pudo vaciar el archivo \"%1\".\r\r%2\r\r"
                                      "Sus datos están copiados en \"%3\".")
                           .arg(NativePath(path), FileErrorText(emptied), NativePath(*backup)),
                       StyleError};
    return *backup;
}
