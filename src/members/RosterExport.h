#pragma once
// The members as a sheet a Spanish spreadsheet program opens right with a
// double click: UTF-8 with a byte-order mark, ';' between fields, the header
// "Apellidos y Nombres;Fecha de nacimiento;Observaciones", dates dd/mm/yyyy.
// A field that begins like a formula gets a leading apostrophe, so that no
// spreadsheet runs it; the import drops that apostrophe again.
#include "core/Result.h"
#include "members/MemberRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

inline const QString RosterHeader = QStringLiteral("Apellidos y Nombres;Fecha de nacimiento;Observaciones");

// One field: formula-safe, quoted when it holds the separator, a quote or a line break.
QString CsvField(const QString& text);

// The sheet of the members (free slots are none of them), in file order.
QByteArray RosterCsv(const QList<MemberRecord>& members);

// Writes the live members of the members file at `membersPath` to `csvPath`,
// replacing that file only once the new one is whole. Gives how many members
// were written.
Result<int> ExportRoster(const QString& membersPath, const QString& csvPath);
