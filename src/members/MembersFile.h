#pragma once
// The one handle on "Fechas.dat" and the record operations on it. Record
// numbers count from 1. Writes go straight to the file (unbuffered handle).
//
// I/O failures are returned (false, -1, nothing) and leave the handle as it
// was; errorString() tells in Spanish what the system said.
#include "core/DatePattern.h"
#include "platform/Environment.h"
#include "members/MemberRecord.h"

#include <QFile>
#include <functional>
#include <optional>

inline const QString MembersFileName = QStringLiteral("Fechas.dat");
// The members file in the user's data folder.
inline QString MembersFilePath(const Environment& environment) { return environment.dataFolder + MembersFileName; }
// The copy of a damaged file's bytes made before it is emptied.
inline const QString MembersBackupSuffix = QStringLiteral(".bak");

class MembersFile {
public:
    MembersFile() = default;
    explicit MembersFile(const QString& path) { bind(path); }
    MembersFile(const MembersFile&) = delete;
    MembersFile& operator=(const MembersFile&) = delete;

    void bind(const QString& path);
    QString fileName() const { return file_.fileName(); }

    // Opens an existing file for reading and writing; false when it can't.
    bool openExisting();
    // Creates the file empty (truncating it) and leaves it open.
    bool createEmpty();
    // Opens the file, creating it empty when it can't be opened.
    bool openOrCreate() { return openExisting() || createEmpty(); }
    void close() { file_.close(); }
    bool isOpen() const { return file_.isOpen(); }

    qint64 size() const { return file_.size(); }
    // Whole records only: a trailing partial record is never read.
    qint64 recordCount() const { return file_.size() / MemberRecordSize; }

    std::optional<MemberRecord> read(qint64 number);
    bool write(qint64 number, const MemberRecord& record);

    // Calls visit(number, 152 bytes) for every record in file order until it
    // returns false. Reads several records per call. False on an I/O failure.
    bool forEachRecord(const std::function<bool(qint64 number, const char* bytes)>& visit);

    QString errorString() const { return error_; }

private:
    bool failed(); // keeps the Spanish text of the handle's last error; false

    QFile file_;
    QString error_;
};

// The first record whose trimmed name equals the trimmed key name (case
// sensitive), whose date written with `pattern` (the system's, read at start) equals
// dateText and, when `remarks` is given, whose remarks are exactly those.
// 0 when none, -1 on an I/O failure.
qint64 FindMemberRecord(MembersFile& file, const DatePattern& pattern, const QString& name, const QString& dateText,
                        const std::optional<QString>& remarks = std::nullopt);

// Writes a new member into the first free slot, else at the first record
// boundary after the whole records (over a partial tail, if any).
// Returns the record number, -1 on an I/O failure.
qint64 StoreNewMember(MembersFile& file, const MemberRecord& record);

// Writes the free-slot image at record `number`.
bool FreeMemberRecord(MembersFile& file, qint64 number);

// Duplicate of a member about to be added: a record whose trimmed name equals
// `name` and whose birth date equals `birthDate`. 0 when none, -1 on failure.
qint64 FindDuplicateOfNew(MembersFile& file, const QString& name, double birthDate);
// Duplicate of a member being changed: a record other than `own` whose trimmed
// name equals `name` and whose date text equals `dateText`.
qint64 FindDuplicateOfChanged(MembersFile& file, const DatePattern& pattern, const QString& name, const QString& dateText,
                              qint64 own);
