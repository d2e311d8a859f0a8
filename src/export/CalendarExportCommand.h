#pragma once
// The calendar export without a window, for staff who publish a feed from a
// script:
//   pronos-full --exportar-calendario ARCHIVO (--integrante "NOMBRE" [--nacimiento dd/mm/yyyy] | --equipo)
//               --desde dd/mm/yyyy --dias N [--niveles Excelente,Buena]
// It reads the members file and the stored region (the system's zone by name
// when none is stored) and needs no display; it is no second copy of the
// program, so it runs while the program is open.
#include "export/CalendarExport.h"

#include <QStringList>
#include <optional>

inline const QString ExportCommandOption = QStringLiteral("--exportar-calendario");

struct ExportCommand {
    QString file;
    bool team = false;
    QString memberName;
    std::optional<double> birthDate;
    double firstDay = 0;
    int days = 0;
    std::array<bool, 5> levels{true, true, true, true, true};
};

// Whether the arguments (program name first) ask for the export.
bool IsExportCommand(int argc, char** argv);

// The command from the arguments after the program's name; the failure says
// in Spanish why they don't make one.
Result<ExportCommand> ParseExportCommand(const QStringList& arguments);

// The command's members among `members`: the whole team, or the one member of
// that name (letter case aside) and, when given, that birth date.
Result<QList<ExportMember>> SelectExportMembers(const QList<ExportMember>& members, const ExportCommand& command);

// The live members of a members file, in file order.
Result<QList<ExportMember>> ReadExportMembers(const QString& path);

// Runs the export from the arguments after the program's name: 0 on success
// (the count on standard output), 1 with the Spanish reason on standard error.
int RunExportCommand(const QStringList& arguments);
