#pragma once
// The one handle on "Fechas.dat" and the record operations on it. Record
// numbers count from 1. Writes go straight to the file (unbuffered handle).
//
// The handle's own operations answer like QFile (false or nothing, with
// errorString() in Spanish) and leave it as it was; the record routines below
// return a Result whose failure is what the user is told.
#include "core/DatePattern.h"
#include "core/Result.h"
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

// What the user is told when the file can't be read or written: its place and
// what the system said.
Failure MembersFileFailure(const MembersFile& file);

// A record's number (from 1), or none when no record matches.
using RecordSearch = Result<std::optional<qint64>>;

// The first record whose trimmed name equals the trimmed key name (case
// sensitive), whose date written with `pattern` (the system's, read at start) equals
// dateText and, when `remarks` is given, whose remarks are exactly those.
RecordSearch FindMemberRecord(MembersFile& file, const DatePattern& pattern, const QString& name,
                              const QString& dateText, const std::optional<QString>& remarks = std::nullopt);

// Writes a new member into the first free slot, else at the first record
// boundary after the whole records (over a partial tail, if any). Gives the
// record number written.
Result<qint64> StoreNewMember(MembersFile& file, const MemberRecord& record);

// Writes the free-slot image at record `number`.
Result<void> FreeMemberRecord(MembersFile& file, qint64 number);

// Duplicate of a member about to be added: a record whose trimmed name equals
// `name` and whose birth date equals `birthDate`.
RecordSearch FindDuplicateOfNew(MembersFile& file, const QString& name, double birthDate);
// Duplicate of a member being changed: a record other than `own` whose trimmed
// name equals `name` and whose date text equals `dateText`.
RecordSearch FindDuplicateOfChanged(MembersFile& file, const DatePattern& pattern, const QString& name,
                                    const QString& dateText, qint64 own);
