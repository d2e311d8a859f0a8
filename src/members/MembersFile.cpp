#include "members/MembersFile.h"
#include "platform/FileAccess.h"
#include "platform/SystemDateFormat.h"

#include <QDir>
#include <QtEndian>

namespace {

constexpr qint64 RecordsPerRead = 256;
constexpr QIODevice::OpenMode HandleMode = QIODevice::ReadWrite | QIODevice::Unbuffered;

// The number of the first record `accept(number, record)` takes.
template <typename Accept>
RecordSearch FirstRecordWhere(MembersFile& file, Accept accept)
{
    std::optional<qint64> found;
    const bool ok = file.forEachRecord([&](qint64 number, const char* bytes) {
        if (!accept(number, DecodeMemberRecord(bytes)))
            return true;
        found = number;
        return false;
    });
    if (!ok)
        return MembersFileFailure(file);
    return found;
}

} // namespace

void MembersFile::bind(const QString& path)
{
    file_.close();
    file_.setFileName(path);
}

bool MembersFile::failed()
{
    error_ = FileErrorText(file_);
    return false;
}

bool MembersFile::openExisting()
{
    file_.close();
    return file_.open(HandleMode | QIODevice::ExistingOnly) || failed();
}

bool MembersFile::createEmpty()
{
    file_.close();
    return file_.open(HandleMode | QIODevice::Truncate, PrivateFilePermissions) || failed();
}

std::optional<MemberRecord> MembersFile::read(qint64 number)
{
    char bytes[MemberRecordSize];
    if (number < 1 || !file_.seek((number - 1) * MemberRecordSize)
        || file_.read(bytes, MemberRecordSize) != MemberRecordSize) {
        failed();
        return std::nullopt;
    }
    return DecodeMemberRecord(bytes);
}

bool MembersFile::write(qint64 number, const MemberRecord& record)
{
    if (number < 1 || !file_.seek((number - 1) * MemberRecordSize))
        return failed();
    if (const Result<void> written = WriteAllBytes(file_, EncodeMemberRecord(record)); !written) {
        error_ = written.failure().text;
        return false;
    }
    return true;
}

bool MembersFile::forEachRecord(const std::function<bool(qint64, const char*)>& visit)
{
    const qint64 count = recordCount();
    QByteArray buffer;
    for (qint64 first = 0; first < count; first += RecordsPerRead) {
        const qint64 records = std::min(RecordsPerRead, count - first);
        const qint64 bytes = records * MemberRecordSize;
        buffer.resize(bytes);
        if (!file_.seek(first * MemberRecordSize) || file_.read(buffer.data(), bytes) != bytes)
            return failed();
        for (qint64 i = 0; i < records; ++i)
            if (!visit(first + i + 1, buffer.constData() + i * MemberRecordSize))
                return true;
    }
    return true;
}

Failure MembersFileFailure(const MembersFile& file)
{
    return {QStringLiteral("No se pudo leer o escribir el archivo \"%1\".\r\r%2")
                .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()),
            StyleError};
}

RecordSearch FindMemberRecord(MembersFile& file, const DatePattern& pattern, const QString& name,
                              const QString& dateText, const std::optional<QString>& remarks)
{
    const QString key = TrimName(name);
    if (key.isEmpty())
        return RecordSearch(std::nullopt); // a free slot is nobody's record
    return FirstRecordWhere(file, [&](qint64, const MemberRecord& r) {
        return TrimName(r.fullName) == key && pattern.format(r.birthDate) == dateText
            && (!remarks || r.remarks == *remarks);
    });
}

Result<qint64> StoreNewMember(MembersFile& file, const MemberRecord& record)
{
    const RecordSearch freeSlot = FirstRecordWhere(file, [](qint64, const MemberRecord& r) { return IsFreeSlot(r); });
    if (!freeSlot)
        return freeSlot.failure();
    const qint64 slot = freeSlot->value_or(file.recordCount() + 1);
    if (!file.write(slot, record))
        return MembersFileFailure(file);
    return slot;
}

Result<void> FreeMemberRecord(MembersFile& file, qint64 number)
{
    if (!file.write(number, FreeSlotRecord()))
        return MembersFileFailure(file);
    return {};
}

RecordSearch FindDuplicateOfNew(MembersFile& file, const QString& name, double birthDate)
{
    return FirstRecordWhere(file, [&](qint64, const MemberRecord& r) {
        return TrimName(r.fullName) == name && r.birthDate == birthDate;
    });
}

RecordSearch FindDuplicateOfChanged(MembersFile& file, const DatePattern& pattern, const QString& name,
                                    const QString& dateText, qint64 own)
{
    return FirstRecordWhere(file, [&](qint64 number, const MemberRecord& r) {
        return number != own && TrimName(r.fullName) == name && pattern.format(r.birthDate) == dateText;
    });
}
