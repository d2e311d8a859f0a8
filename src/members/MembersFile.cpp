#include "MembersFile.h"
#include "SystemDateFormat.h"

#include <QtEndian>

namespace {

constexpr qint64 RecordsPerRead = 256;
constexpr QIODevice::OpenMode HandleMode = QIODevice::ReadWrite | QIODevice::Unbuffered;

} // namespace

void MembersFile::bind(const QString& path)
{
    file_.close();
    file_.setFileName(path);
}

bool MembersFile::openExisting()
{
    file_.close();
    return file_.open(HandleMode | QIODevice::ExistingOnly);
}

bool MembersFile::createEmpty()
{
    file_.close();
    return file_.open(HandleMode | QIODevice::Truncate);
}

std::optional<MemberRecord> MembersFile::read(qint64 number)
{
    if (number < 1 || !file_.seek((number - 1) * MemberRecordSize))
        return std::nullopt;
    char bytes[MemberRecordSize];
    if (file_.read(bytes, MemberRecordSize) != MemberRecordSize)
        return std::nullopt;
    return DecodeMemberRecord(bytes);
}

bool MembersFile::write(qint64 number, const MemberRecord& record)
{
    if (number < 1 || !file_.seek((number - 1) * MemberRecordSize))
        return false;
    return file_.write(EncodeMemberRecord(record)) == MemberRecordSize;
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
            return false;
        for (qint64 i = 0; i < records; ++i)
            if (!visit(first + i + 1, buffer.constData() + i * MemberRecordSize))
                return true;
    }
    return true;
}

qint64 FindMemberRecord(MembersFile& file, const Gral& gral, const QString& name, const QString& dateText)
{
    const QString key = TrimName(name);
    if (key.isEmpty())
        return 0; // a free slot is nobody's record
    qint64 found = 0;
    const bool ok = file.forEachRecord([&](qint64 number, const char* bytes) {
        const MemberRecord r = DecodeMemberRecord(bytes);
        if (TrimName(r.fullName) == key && DateText(gral, r.birthDate) == dateText) {
            found = number;
            return false;
        }
        return true;
    });
    return ok ? found : -1;
}

qint64 StoreNewMember(MembersFile& file, const MemberRecord& record)
{
    qint64 slot = 0;
    const bool ok = file.forEachRecord([&](qint64 number, const char* bytes) {
        if (IsFreeSlot(DecodeMemberRecord(bytes))) {
            slot = number;
            return false;
        }
        return true;
    });
    if (!ok)
        return -1;
    if (slot == 0)
        slot = file.recordCount() + 1;
    return file.write(slot, record) ? slot : -1;
}

bool FreeMemberRecord(MembersFile& file, qint64 number) { return file.write(number, FreeSlotRecord()); }

qint64 FindDuplicateOfNew(MembersFile& file, const QString& name, double birthDate)
{
    qint64 found = 0;
    const bool ok = file.forEachRecord([&](qint64 number, const char* bytes) {
        const MemberRecord r = DecodeMemberRecord(bytes);
        if (TrimName(r.fullName) == name && r.birthDate == birthDate) {
            found = number;
            return false;
        }
        return true;
    });
    return ok ? found : -1;
}

qint64 FindDuplicateOfChanged(MembersFile& file, const Gral& gral, const QString& name, const QString& dateText,
                              qint64 own)
{
    qint64 found = 0;
    const bool ok = file.forEachRecord([&](qint64 number, const char* bytes) {
        if (number == own)
            return true;
        const MemberRecord r = DecodeMemberRecord(bytes);
        if (TrimName(r.fullName) == name && DateText(gral, r.birthDate) == dateText) {
            found = number;
            return false;
        }
        return true;
    });
    return ok ? found : -1;
}
