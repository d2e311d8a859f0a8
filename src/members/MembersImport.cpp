#include "members/MembersImport.h"
#include "platform/FileAccess.h"
#include "members/MemberList.h"
#include "members/MembersFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Far more than any team: a larger file is not a members file.
constexpr qint64 LargestMembersFile = qint64(MemberRecordSize) * 100000;

} // namespace

Result<MembersFileReading> ReadMembersToImport(const QString& path, const DatePattern& pattern)
{
    const QFileInfo info(path);
    if (!info.isFile()) // a folder or a pipe, whose reading could wait for ever
        return Failure{QStringLiteral("No es un archivo común.")};
    if (info.size() > LargestMembersFile)
        return Failure{QStringLiteral("Es demasiado grande para ser un archivo de integrantes.")};
    const Result<QByteArray> read = ReadWholeFile(path);
    if (!read)
        return read.failure();
    const QByteArray& bytes = *read;
    MembersFileReading out;
    const qsizetype whole = bytes.size() / MemberRecordSize;
    for (qsizetype i = 0; i < whole; ++i) {
        const MemberRecord record = DecodeMemberRecord(bytes.constData() + i * MemberRecordSize);
        if (IsFreeSlot(record))
            continue;
        if (ShowableDateText(pattern, record.birthDate).isEmpty())
            ++out.damaged;
        else
            out.members.append(record);
    }
    if (bytes.size() % MemberRecordSize != 0)
        ++out.damaged;
    return out;
}

QString EarlierMembersFile(const QString& home)
{
    const QString earlier = home + QStringLiteral("/.local/bin/") + MembersFileName;
    return QFileInfo(earlier).isFile() ? earlier : home;
}
