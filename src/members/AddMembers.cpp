#include "members/AddMembers.h"
#include "members/MembersBackup.h"
#include "platform/FileAccess.h"
#include "members/MemberList.h"
#include "members/MembersFile.h"

#include <QDir>
#include <QFile>
#include <cmath>

namespace {

QString NativePath(const QString& path) { return QDir::toNativeSeparators(path); }

QString MembersCount(int count)
{
    return count == 1 ? QStringLiteral("su único integrante") : QStringLiteral("sus %1 integrantes").arg(count);
}

// Puts back bytes the file held. It needs no new room on the disk, so it
// goes straight to the file, past the test seam of a full disk.
bool Overwrite(QFile& file, qint64 offset, const QByteArray& bytes)
{
    if (!file.seek(offset))
        return false;
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

Result<void> WriteAt(QFile& file, qint64 offset, const QByteArray& bytes)
{
    if (!file.seek(offset))
        return Failure{FileErrorText(file)};
    return WriteAllBytes(file, bytes);
}

} // namespace

QString MemberKey(const QString& name, double birthDate)
{
    const QString day = std::isfinite(birthDate) ? QString::number(qint64(std::floor(birthDate)))
                                                 : QString::number(birthDate);
    return UpperCaseName(TrimName(name)) + u'\x1f' + day;
}

Result<MemberKeys> ReadMemberKeys(const QString& path)
{
    MemberKeys keys;
    if (!QFile::exists(path))
        return keys;
    MembersFile file(path);
    const bool read = file.openExisting() && file.forEachRecord([&](qint64, const char* bytes) {
        const MemberRecord r = DecodeMemberRecord(bytes);
        if (!IsFreeSlot(r))
            keys.insert(MemberKey(r.fullName, r.birthDate));
        return true;
    });
    if (!read)
        return Failure{file.errorString()};
    return keys;
}

Result<AddedMembers> AddMembersToFile(const QString& path, const QList<MemberRecord>& records)
{
    AddedMembers out;
    const QString nothingAdded = QStringLiteral("No se agregó ningún integrante; el archivo de integrantes no se modificó.");
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return Failure{QStringLiteral("No se pudo abrir el archivo de integrantes \"%1\".\r\r%2\r\r%3")
                           .arg(NativePath(path), FileErrorText(file), nothingAdded),
                       StyleError};
    const QByteArray before = file.readAll();
    if (before.size() != file.size())
        return Failure{QStringLiteral("No se pudo leer el archivo de integrantes \"%1\".\r\r%2\r\r%3")
                           .arg(NativePath(path), FileErrorText(file), nothingAdded),
                       StyleError};

    // The file as it is now: its members' keys and its free slots.
    const qint64 wholeRecords = before.size() / MemberRecordSize;
    MemberKeys keys;
    QList<qint64> freeSlots;
    int members = 0;
    for (qint64 i = 0; i < wholeRecords; ++i) {
        const MemberRecord r = DecodeMemberRecord(before.constData() + i * MemberRecordSize);
        if (IsFreeSlot(r)) {
            freeSlots.append(i);
        } else {
            keys.insert(MemberKey(r.fullName, r.birthDate));
            ++members;
        }
    }
    QList<QByteArray> encoded;
    for (const MemberRecord& r : records) {
        const QString key = MemberKey(r.fullName, r.birthDate);
        if (IsFreeSlot(r) || keys.contains(key)) {
            ++out.alreadyMembers;
            continue;
        }
        keys.insert(key);
        encoded.append(EncodeMemberRecord(r));
    }
    if (encoded.isEmpty())
        return out;

    std::optional<QString> backup;
    if (!before.isEmpty()) {
        const Result<QString> taken = BackUpMembersFile(path);
        if (!taken)
            return Failure{QStringLiteral("No se pudo escribir la copia de seguridad del archivo de integrantes."
                                          "\r\r%1\r\r%2")
                               .arg(taken.failure().text, nothingAdded),
                           StyleError};
        backup = *taken;
    }

    // The records past the free slots go after the last whole record in one
    // write (a partial record left there by something else is overwritten):
    // the growth is what a full disk refuses, so it is written first.
    const qsizetype intoSlots = std::min<qsizetype>(freeSlots.size(), encoded.size());
    QByteArray tail;
    for (qsizetype i = intoSlots; i < encoded.size(); ++i)
        tail += encoded[i];
    const qint64 tailStart = wholeRecords * MemberRecordSize;
    Result<void> written = tail.isEmpty() ? Result<void>() : WriteAt(file, tailStart, tail);
    for (qsizetype i = 0; written && i < intoSlots; ++i)
        written = WriteAt(file, freeSlots[i] * MemberRecordSize, encoded[i]);
    if (written)
        written = SyncToDisk(file);
    if (written) {
        out.added = int(encoded.size());
        return out;
    }
    const QString error = written.failure().text;

    // Undo: the slots and the tail get their bytes back, the file its size.
    bool undone = Overwrite(file, tailStart, before.mid(tailStart));
    for (qsizetype i = 0; i < intoSlots; ++i)
        undone = Overwrite(file, freeSlots[i] * MemberRecordSize,
                           before.mid(freeSlots[i] * MemberRecordSize, MemberRecordSize))
            && undone;
    undone = file.resize(before.size()) && undone;
    undone = undone && file.seek(0) && file.readAll() == before;
    if (undone)
        return Failure{QStringLiteral("No se pudieron agregar los integrantes.\r\r%1\r\r"
                                      "No se agregó ninguno: el archivo de integrantes quedó como estaba, con %2.")
                           .arg(error, MembersCount(members)),
                       StyleError};
    return Failure{QStringLiteral("No se pudieron agregar los integrantes.\r\r%1\r\r"
                                  "Tampoco se pudo dejar el archivo \"%2\" como estaba. %3")
                       .arg(error, NativePath(path),
                            backup ? QStringLiteral("Sus integrantes anteriores están copiados en \"%1\".")
                                         .arg(NativePath(*backup))
                                   : QString()),
                   StyleError};
}
