#include "MemberList.h"
#include "Cp1252.h"
#include "DatePattern.h"
#include "FileAccess.h"
#include "MembersFile.h"
#include "ProgramMessage.h"
#include "SystemDateFormat.h"

#include <QDir>
#include <QSaveFile>
#include <QtEndian>

namespace {

QString Fit(const QString& text, int width) { return text.left(width).leftJustified(width, u' '); }

QString NativePath(const QString& path) { return QDir::toNativeSeparators(path); }

// Copies the file to "<path>.bak". The copy is written unbuffered, so every
// failed write is seen where it happens, replaces an older copy only once it
// is whole and synced (QSaveFile), and is read back and compared. On failure
// `error` gets the Spanish reason.
bool WriteBackup(const QString& path, QString& error)
{
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        error = FileErrorText(source);
        return false;
    }
    const QByteArray bytes = source.readAll();
    if (bytes.size() != source.size()) {
        error = FileErrorText(source);
        return false;
    }
    QSaveFile backup(path + MembersBackupSuffix);
    if (!backup.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = FileErrorText(backup);
        return false;
    }
    if (!WriteAllBytes(backup, bytes, error)) {
        backup.cancelWriting();
        return false;
    }
    if (!backup.commit()) {
        error = FileErrorText(backup);
        return false;
    }
    QFile written(path + MembersBackupSuffix);
    if (!written.open(QIODevice::ReadOnly) || written.readAll() != bytes) {
        error = QStringLiteral("La copia no coincide con el archivo original.");
        return false;
    }
    return true;
}

} // namespace

bool WriteMembersBackup(const QString& path, QString& error) { return WriteBackup(path, error); }

QString ShowableDateText(const Gral& gral, double birthDate)
{
    const QDate date = DateFromDayNumber(birthDate);
    if (!date.isValid() || date < FirstShowableBirthDate || date > LastShowableBirthDate)
        return {};
    const QString text = DateText(gral, birthDate);
    const std::optional<double> back = gral.environment.systemDateFormat.parse(text);
    if (!back || DateFromDayNumber(*back) != date)
        return {};
    return text;
}

QString MemberListLine(const QString& dateText, const QString& trimmedName)
{
    return Fit(dateText, MemberLineDateWidth) + Fit(trimmedName, MemberLineNameWidth);
}

bool LoadMemberList(Gral& gral, MembersFile& file)
{
    gral.members.memberList.clear();
    if (gral.environment.systemDateFormat.isEmpty()) {
        file.close();
        return false;
    }
    bool damaged = false;
    const bool read = file.isOpen() && file.forEachRecord([&](qint64, const char* bytes) {
        const MemberRecord r = DecodeMemberRecord(bytes);
        const QString name = TrimName(r.fullName);
        if (name.isEmpty())
            return true;
        const QString date = ShowableDateText(gral, r.birthDate);
        if (date.isEmpty()) {
            damaged = true;
            return false;
        }
        gral.members.memberList.append(MemberListLine(date, name));
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
    QString error;
    if (!WriteBackup(path, error)) {
        ProgramMessage(gral,
                       QStringLiteral("No se pudo escribir la copia de seguridad \"%1\".\r\r%2\r\r"
                                      "El archivo de integrantes no se modificó.")
                           .arg(NativePath(path + MembersBackupSuffix), error),
                       StyleError);
        return;
    }
    QFile emptied(path);
    if (!emptied.open(QIODevice::WriteOnly | QIODevice::Truncate))
        ProgramMessage(gral,
                       QStringLiteral("No se pudo vaciar el archivo \"%1\".\r\r%2\r\r"
                                      "Sus datos están copiados en \"%3\".")
                           .arg(NativePath(path), FileErrorText(emptied), NativePath(path + MembersBackupSuffix)),
                       StyleError);
}
