#include "members/MemberRecord.h"
#include "members/Cp1252.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

constexpr int DateOffset = 0;
constexpr int NameOffset = 8;
constexpr int RemarksOffset = 69;

QString ReadField(const char* bytes, int offset, int capacity)
{
    const int length = std::min<int>(static_cast<unsigned char>(bytes[offset]), capacity);
    return FromCp1252(bytes + offset + 1, length);
}

void WriteField(char* bytes, int offset, int capacity, const QString& text)
{
    const QByteArray encoded = ToCp1252(text).left(capacity);
    bytes[offset] = char(encoded.size());
    std::memcpy(bytes + offset + 1, encoded.constData(), size_t(encoded.size()));
}

} // namespace

MemberRecord DecodeMemberRecord(const char* bytes)
{
    MemberRecord r;
    r.birthDate = qFromLittleEndian<double>(bytes + DateOffset);
    r.fullName = ReadField(bytes, NameOffset, NameCapacity);
    r.remarks = ReadField(bytes, RemarksOffset, RemarksCapacity);
    return r;
}

QByteArray EncodeMemberRecord(const MemberRecord& record)
{
    QByteArray bytes(MemberRecordSize, '\0');
    qToLittleEndian<double>(record.birthDate, bytes.data() + DateOffset);
    WriteField(bytes.data(), NameOffset, NameCapacity, record.fullName);
    WriteField(bytes.data(), RemarksOffset, RemarksCapacity, record.remarks);
    return bytes;
}

MemberRecord FreeSlotRecord()
{
    return MemberRecord{0.0, QString(NameCapacity, u' '), QString(RemarksCapacity, u' ')};
}

QString TrimName(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

QString StoredText(const QString& text, int capacity) { return FromCp1252(ToCp1252(text).left(capacity)); }

QString UpperCaseName(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        const QChar upper = c.toUpper();
        if (upper != c && IsCp1252Char(upper.unicode()))
            c = upper;
    }
    return out;
}
