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

MembersFileReading ReadMembersToImport(const QString& path, const DatePattern& pattern)
{
    MembersFileReading out;
    const QFileInfo info(path);
    if (!info.isFile()) { // a folder or a pipe, whose reading could wait for ever
        out.failure = QStringLiteral("No es un archivo común.");
        return out;
    }
    if (info.size() > LargestMembersFile) {
        out.failure = QStringLiteral("Es demasiado grande para ser un archivo de integrantes.");
        return out;
    }
    const std::optional<QByteArray> read = ReadWholeFile(path, out.failure);
    if (!read)
        return out;
    const QByteArray& bytes = *read;
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
