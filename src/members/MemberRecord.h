#pragma once
// One record of "Fechas.dat": 152 bytes, little-endian, no file header.
//   0  8  birth date (IEEE double, day number; 0.0 in a free slot)
//   8  1  name length (0..60)      9 60  name, Windows-1252
//  69  1  remarks length (0..80)  70 80  remarks, Windows-1252
// 150  2  padding
#include <QByteArray>
#include <QString>

constexpr int MemberRecordSize = 152;
constexpr int NameCapacity = 60;
constexpr int RemarksCapacity = 80;

struct MemberRecord {
    double birthDate = 0;
    QString fullName; // as stored, not trimmed
    QString remarks;
};

// Reads a record from 152 bytes. A length byte above its field's capacity is
// read as the capacity, so reading never leaves the record.
MemberRecord DecodeMemberRecord(const char* bytes);
// The 152 bytes of a record; texts cut to their capacity, unused bytes zero.
QByteArray EncodeMemberRecord(const MemberRecord& record);

// The image a deleted member leaves: date 0.0, name and remarks all blanks.
MemberRecord FreeSlotRecord();

// Removes leading and trailing blanks and control characters (code <= 32).
QString TrimName(const QString& text);
// A record whose trimmed name is empty is a free slot.
inline bool IsFreeSlot(const MemberRecord& record) { return TrimName(record.fullName).isEmpty(); }

// A text as the file gives it back: through 1252 and cut to `capacity`.
QString StoredText(const QString& text, int capacity);

// The name field's upper case: each character's upper case when 1252 can hold
// it, else the character itself, so a name keeps its length and its bytes.
QString UpperCaseName(const QString& text);
