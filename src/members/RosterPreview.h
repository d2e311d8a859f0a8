#pragma once
// What importing a roster sheet would do, row by row, before anything is
// written: each record's outcome and the counts.
#include "members/AddMembers.h"
#include "members/RosterColumns.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

enum class RowOutcome {
    Add,            // a new member
    AlreadyMember,  // same name and birth date as a member in the file
    Repeated,       // same name and birth date as an earlier row
    BadDate,        // missing, unreadable, two-digit year, out of range
    NameTooLong,    // more than 60 characters
    RemarksTooLong, // more than 80 characters
    NotStorable,    // a character the members file can't hold (outside Windows-1252)
    NoName,
    Empty,
};
constexpr int RowOutcomeCount = int(RowOutcome::Empty) + 1;

// The outcome as the preview names it ("Se agrega", "Ya es integrante", ...).
QString RowOutcomeText(RowOutcome outcome);

struct RosterRow {
    int number = 0;        // the record's place in the file, from 1 (a header is row 1)
    QString name;          // as it would be stored: one line, trimmed, upper case
    QString dateText;      // the date as the file has it
    QString remarks;       // one line, trimmed
    double birthDate = 0;  // when the date could be read
    RowOutcome outcome = RowOutcome::Empty;
    QString detail;        // why the row is not added, in Spanish; empty for a row to add
};

struct RosterPreview {
    QList<RosterRow> rows;
    std::array<int, RowOutcomeCount> counts{};

    int count(RowOutcome outcome) const { return counts[size_t(outcome)]; }
    // The members the import adds, in the order of the file.
    QList<MemberRecord> membersToAdd() const;
};

// A cell as it was meant: a leading apostrophe that keeps a spreadsheet from
// running "=...", "+...", "-..." or "@..." as a formula is dropped.
QString CellText(const QString& cell);

// The outcome of every record after the header (if any) of `records`, read
// with `columns`; `members` are the keys of the members file, `pattern` the
// system's short-date pattern. `progress(done, total)` is called now and then.
RosterPreview PreviewRoster(const QList<QStringList>& records, const RosterColumns& columns,
                            const MemberKeys& members, const QString& pattern, QDate today,
                            const std::function<void(int done, int total)>& progress = {});
