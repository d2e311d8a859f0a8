// Fuzz target: LoadMemberList over arbitrary file bytes. Whatever the bytes,
// it must stay within memory, give only 70-character lines, leave a readable
// file untouched, and on a purge keep the bytes in the backup.
#include "members/MemberList.h"
#include "members/MembersFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.path() + "/" + MembersFileName;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile f(path);
        Check(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(input) == input.size());
    }
    QFile::remove(path + MembersBackupSuffix);

    MemberState members;
    const DatePattern pattern(QStringLiteral("dd/MM/yyyy"));

    MembersFile file(path);
    Check(file.openExisting());
    const Result<void> loaded = LoadMemberList(members, pattern, file);
    Check(members.memberList.size() <= qsizetype(size / MemberRecordSize));
    for (const QString& line : members.memberList)
        Check(line.size() == MemberLineWidth);
    if (loaded) {
        Check(Contents(path) == input);
    } else {
        // The damage, then the purge that names where the copy went.
        Check(loaded.failure().text == DamagedMembersFileMessage);
        Check(PurgeMembersFile(file).ok());
        Check(!file.isOpen());
        Check(QFile(path).size() == 0);
        Check(Contents(path + MembersBackupSuffix) == input);
    }
    return 0;
}
