// Fuzz target: LoadMemberList over arbitrary file bytes. Whatever the bytes,
// it must stay within memory, give only 70-character lines, leave a readable
// file untouched, and on a purge keep the bytes in the backup.
#include "members/MemberList.h"
#include "members/MembersFile.h"
#include "platform/CommandLinePlatform.h"

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

    int messages = 0;
    CommandLinePlatform platform([&messages](const QString&) { ++messages; });
    Gral gral{platform};
    gral.environment.systemDateFormat = QStringLiteral("dd/MM/yyyy");

    MembersFile file(path);
    Check(file.openExisting());
    const bool loaded = LoadMemberList(gral, file);
    Check(gral.members.memberList.size() <= qsizetype(size / MemberRecordSize));
    for (const QString& line : gral.members.memberList)
        Check(line.size() == MemberLineWidth);
    if (loaded) {
        Check(messages == 0);
        Check(Contents(path) == input);
    } else {
        Check(messages == 2); // the damage, then where the copy went
        Check(!file.isOpen());
        Check(QFile(path).size() == 0);
        Check(Contents(path + MembersBackupSuffix) == input);
    }
    return 0;
}
